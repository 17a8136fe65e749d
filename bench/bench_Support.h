// Helpers shared by the benchmark programs.
#pragma once

#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Stream.h"

// Writes `write(stream)` to a new file at `path` through the writer's stream
// and file object. Returns the bytes written, or -1 with `error` set when the
// file cannot be opened or the write fails.
template <class Write>
long long bench_WriteFile(const std::string& path, Write&& write, const char*& error) {
  aio_ios out;
  if (!out.attach(rt_fopen(path.c_str(), "w"), true)) {
    error = "cannot open the output file";
    return -1;
  }
  std::uint64_t written = 0;
  {
    utl_Stream stream(out, 131, 6, 6);
    write(stream);
    written = stream.BytesWritten();
  }
  if (!out.close()) {
    error = "writing the output file failed";
    return -1;
  }
  return static_cast<long long>(written);
}

// One measured write: its time, the bytes it wrote, the members (nodes,
// elements, faces) it wrote them for, the heap it added at its peak and the
// heap it left behind; `error` says why it failed.
struct bench_Measure {
  double seconds = 0;
  long long bytes = 0;
  long long members = 0;
  long long addedHeap = 0;
  long long leftHeap = 0;
  const char* error = nullptr;
};

// Keeps `m` in `best` when `best` holds none yet or `m` is faster. False,
// with the error told to `state`, when `m` failed.
inline bool bench_KeepFastest(benchmark::State& state, const bench_Measure& m,
                              bench_Measure& best) {
  if (m.error) {
    state.SkipWithError(m.error);
    return false;
  }
  if (best.members == 0 || m.seconds < best.seconds) best = m;
  return true;
}
