// Counts this program's heap: the global operator new and delete replaced,
// the live bytes and their peak kept. Include it in one source file of a
// benchmark program only (it defines the operators).
#pragma once

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Live and peak heap bytes of this program, kept by the operators below.
inline std::atomic<long long> g_liveBytes{0};
inline std::atomic<long long> g_peakBytes{0};

void* operator new(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  const long long live = g_liveBytes += static_cast<long long>(malloc_usable_size(p));
  long long peak = g_peakBytes.load();
  while (live > peak && !g_peakBytes.compare_exchange_weak(peak, live)) {
  }
  return p;
}
void operator delete(void* p) noexcept {
  if (!p) return;
  g_liveBytes -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

// The heap bytes allocated now, starting a new peak from them.
inline long long bench_StartHeapPeak() {
  const long long live = g_liveBytes.load();
  g_peakBytes = live;
  return live;
}
