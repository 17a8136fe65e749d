// The mesh check on the flat two-instance grid of chk_CheckBenchModel.h, of
// 50^3 and of 100^3 bricks: both label conflicts are found and confirmed
// only by the last label of the shared mesh, so the check reads every node
// and element label.
//
// MeshCheck/N reports, for the grid of N^3 bricks, the time of one Run, the
// heap the run adds at its peak and the heap it leaves behind. Scaling runs
// both grids and marks an error when the larger takes 10 times the smaller
// or more (8 is linear), when a run adds 64 MiB of heap or more, when a run
// leaves heap behind, or when the two renumbering warnings are not made.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench_HeapCounter.h"
#include "bench_Support.h"
#include "chk/impl/chk_MeshCheck.h"
#include "chk_CheckBenchModel.h"

namespace {

constexpr double kMostMeshCheckRatio = 10.0;
constexpr long long kMostMeshCheckHeap = 64LL << 20;

struct MeshCheckBenchGrid {
  explicit MeshCheckBenchGrid(int cells) : model(chk_CheckBenchModel(cells).Model()) {}
  bas_NewModel model;
};

// One run of the check on `grid`; its members are the warnings it made.
bench_Measure MeshCheckRun(const MeshCheckBenchGrid& grid) {
  bench_Measure m;
  const long long live = bench_StartHeapPeak();
  const auto start = std::chrono::steady_clock::now();
  {
    chk_MeshCheck check(grid.model, grid.model.Name());
    check.Run();
    m.members = static_cast<long long>(check.Warnings().Length());
    if (m.members != 2 || !check.Errors().IsEmpty())
      m.error = "the check did not make exactly the two renumbering warnings";
  }
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.addedHeap = g_peakBytes.load() - live;
  m.leftHeap = g_liveBytes.load() - live;
  return m;
}

void MeshCheck(benchmark::State& state) {
  const MeshCheckBenchGrid grid(static_cast<int>(state.range(0)));
  bench_Measure best;
  for (auto _ : state)
    if (!bench_KeepFastest(state, MeshCheckRun(grid), best)) return;
  state.counters["ms_per_run"] = best.seconds * 1e3;
  state.counters["heap_added_MiB"] = static_cast<double>(best.addedHeap) / (1 << 20);
  state.counters["heap_left_B"] = static_cast<double>(best.leftHeap);
}

void MeshCheckScaling(benchmark::State& state) {
  const MeshCheckBenchGrid small(50), large(100);
  bench_Measure best[2];
  for (auto _ : state)
    for (int g = 0; g < 2; ++g)
      if (!bench_KeepFastest(state, MeshCheckRun(g == 0 ? small : large), best[g])) return;
  const double ratio = best[1].seconds / best[0].seconds;
  state.counters["time_ratio_100_50"] = ratio;
  state.counters["ms_50"] = best[0].seconds * 1e3;
  state.counters["ms_100"] = best[1].seconds * 1e3;
  state.counters["heap_added_MiB_50"] = static_cast<double>(best[0].addedHeap) / (1 << 20);
  state.counters["heap_added_MiB_100"] = static_cast<double>(best[1].addedHeap) / (1 << 20);
  if (ratio >= kMostMeshCheckRatio) {
    state.SkipWithError("the 100^3 grid took 10 times the 50^3 grid or more");
    return;
  }
  for (const bench_Measure& m : best) {
    if (m.addedHeap >= kMostMeshCheckHeap) {
      state.SkipWithError("a run added 64 MiB of heap or more");
      return;
    }
    if (m.leftHeap != 0) {
      state.SkipWithError("a run left heap behind");
      return;
    }
  }
}

}  // namespace

BENCHMARK(MeshCheck)->Arg(50)->Arg(100)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(MeshCheckScaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
