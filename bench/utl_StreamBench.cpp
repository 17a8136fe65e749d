// Throughput of the output stream on node lines (an id of width 7 and three
// coordinates of width 12 with 9 digits), against a plain fprintf loop that
// writes the same lines in the same run:
//   BM_StreamToNull    the formatting alone (aio_NullSink);
//   BM_StreamToFile    rt_fopen + aio_ios, as the drivers write a file; its
//                      counter fprintf_time_ratio is the fprintf loop's time
//                      over the stream's, both timed in each iteration;
//   BM_FprintfToFile   fopen + fprintf("%7d, %12.9g, %12.9g, %12.9g\n").
// The two file variants differ only in the real marker ("1." where fprintf
// writes "1"), which the random coordinates almost never need.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>
#include "bench_Support.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr int kLines = 1'000'000;
constexpr int kTriples = 1 << 16;  // coordinates cycle through this many nodes

// Coordinates of mixed magnitude and sign, as a mesh in millimetres or metres has.
const std::vector<double>& Coordinates() {
  static const std::vector<double> xyz = [] {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double scales[] = {1e-3, 0.1, 1.0, 25.0, 1000.0};
    std::vector<double> v(3 * kTriples);
    for (std::size_t i = 0; i < v.size(); ++i)
      v[i] = unit(random) * scales[random() % 5];
    return v;
  }();
  return xyz;
}

void WriteNodes(utl_Stream& s) {
  const std::vector<double>& xyz = Coordinates();
  for (int i = 0; i < kLines; ++i) {
    const double* p = &xyz[3 * static_cast<std::size_t>(i & (kTriples - 1))];
    s.Print(i + 1, 7) << ", ";
    s.Print(p[0], 12, 9) << ", ";
    s.Print(p[1], 12, 9) << ", ";
    s.Print(p[2], 12, 9);
    s.LineBreak();
  }
}

// Returns the bytes written, 0 when the file could not be written.
std::uint64_t WriteNodesFprintf(const char* path) {
  FILE* file = std::fopen(path, "w");
  if (!file) return 0;
  const std::vector<double>& xyz = Coordinates();
  std::uint64_t bytes = 0;
  bool ok = true;
  for (int i = 0; i < kLines; ++i) {
    const double* p = &xyz[3 * static_cast<std::size_t>(i & (kTriples - 1))];
    int n = std::fprintf(file, "%7d, %12.9g, %12.9g, %12.9g\n", i + 1, p[0], p[1], p[2]);
    if (n < 0) ok = false;
    bytes += static_cast<std::uint64_t>(n);
  }
  if (std::fclose(file) != 0) ok = false;
  return ok ? bytes : 0;
}

std::string TempPath(const char* what) {
  return "/tmp/aif_bench_stream_" + std::to_string(::getpid()) + "_" + what + ".inp";
}

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_StreamToNull(benchmark::State& state) {
  Coordinates();
  std::uint64_t bytes = 0;
  for (auto _ : state) {
    aio_NullSink sink;
    {
      utl_Stream stream(sink, 131, 6, 6);
      WriteNodes(stream);
    }
    bytes += sink.bytes();
    benchmark::DoNotOptimize(sink.bytes());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  ReportPeakMemory(state);
}

void BM_StreamToFile(benchmark::State& state) {
  Coordinates();
  const std::string path = TempPath("stream");
  const std::string plainPath = TempPath("fprintf");
  std::uint64_t bytes = 0;
  double streamSeconds = 0.0;
  double fprintfSeconds = 0.0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    const char* error = nullptr;
    const long long written = bench_WriteFile(
        path, [&](utl_Stream& stream) { WriteNodes(stream); }, error);
    if (written < 0) {
      state.SkipWithError(error);
      break;
    }
    bytes += static_cast<std::uint64_t>(written);
    streamSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    state.PauseTiming();
    start = std::chrono::steady_clock::now();
    if (WriteNodesFprintf(plainPath.c_str()) == 0) state.SkipWithError("fprintf loop failed");
    fprintfSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.ResumeTiming();
  }
  std::remove(path.c_str());
  std::remove(plainPath.c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  if (streamSeconds > 0) state.counters["fprintf_time_ratio"] = fprintfSeconds / streamSeconds;
  ReportPeakMemory(state);
}

void BM_FprintfToFile(benchmark::State& state) {
  Coordinates();
  const std::string path = TempPath("plain");
  std::uint64_t bytes = 0;
  for (auto _ : state) {
    std::uint64_t written = WriteNodesFprintf(path.c_str());
    if (written == 0) {
      state.SkipWithError("fprintf loop failed");
      break;
    }
    bytes += written;
  }
  std::remove(path.c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  ReportPeakMemory(state);
}

BENCHMARK(BM_StreamToNull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FprintfToFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
