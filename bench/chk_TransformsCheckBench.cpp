// The transforms check on the check benchmarks' model (a flat model of two
// instances of the brick grid of N^3 cells, chk_CheckBenchModel.h) with a boundary condition in a local system on every node of
// Block-1 and a concentrated force without a system on the nodes of one
// face of Block-1 (z = 0), so that the check walks every node, finds the
// face's nodes shared by two systems and reports both attributes.
//
// Transforms/N reports the time of one run and the heap it adds at its peak
// per node of the model. Scaling runs the grids of 50^3 and 100^3 cells and
// marks an error when the larger takes 10 times the smaller or more (8 is
// linear), when a run adds 64 MiB of heap or more, or when a run does not
// give the one expected error.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "bench_HeapCounter.h"
#include "bench_Support.h"
#include "chk/impl/chk_TransformsCheck.h"
#include "chk_CheckBenchModel.h"

namespace {

constexpr double kMostTransformsTimeRatio = 10.0;
constexpr long long kMostTransformsHeap = 64ll * 1024 * 1024;

const char* const kTransformsBenchError =
    "Following attributes are applied to overlapping, intersecting, or\nadjoining regions in "
    "differing coordinate systems:\nBC-1 (BC), Load-1 (Load)";

// The benchmarks' grid model (instances Block-1 and Block-2, ids 1 and 2)
// with a step, the condition and the load.
struct TransformsGrid {
  explicit TransformsGrid(int cells) : builder(chk_CheckBenchModel(cells)) {
    builder.AddStep("Step-1", kprC_StaticStep());
    const long long side = cells + 1;
    nodes = side * side * side;
    cow_List<int> all;
    all.Reserve(static_cast<std::size_t>(nodes));
    for (long long n = 0; n < nodes; ++n)
      all.Append(static_cast<int>(n));
    rgnC_Region everyNode("AllNodes", {"Assembly", "Block-1"});
    everyNode.SetKernelInstanceIds({1u});
    everyNode.SetKernelNodeIndices(1, all);
    kbcC_DisplacementBC condition;
    condition.SetRegion(everyNode);
    condition.SetLocalCsys(dtmC_DatumRef{{}, "Csys-1"});
    builder.AddBoundaryCondition("BC-1", condition);
    // Nodes are numbered x fastest: the face z = 0 is the first side^2.
    cow_List<int> face;
    face.Reserve(static_cast<std::size_t>(side * side));
    for (long long n = 0; n < side * side; ++n)
      face.Append(static_cast<int>(n));
    rgnC_Region bottom("Bottom", {"Assembly", "Block-1"});
    bottom.SetKernelInstanceIds({1u});
    bottom.SetKernelNodeIndices(1, face);
    kloC_ConcentratedForce force;
    force.SetRegion(bottom);
    builder.AddLoad("Load-1", force);
    model = builder.Model();
    // The model's nodes: both instances.
    nodes *= 2;
  }

  bench_Measure Run() const {
    bench_Measure m;
    m.members = nodes;
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    {
      chk_TransformsCheck check(model, "CheckGrid");
      check.Run();
      if (check.Errors().Length() != 1 || check.Errors()[0].Str() != kTransformsBenchError)
        m.error = "the check did not give the one expected error";
    }
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.addedHeap = g_peakBytes.load() - live;
    m.leftHeap = g_liveBytes.load() - live;
    return m;
  }

  hst_ModelBuilder builder;
  bas_NewModel model;
  long long nodes = 0;
};

void Transforms(benchmark::State& state) {
  const TransformsGrid grid(static_cast<int>(state.range(0)));
  bench_Measure best;
  for (auto _ : state)
    if (!bench_KeepFastest(state, grid.Run(), best)) return;
  const double nodes = static_cast<double>(best.members);
  state.counters["ms"] = best.seconds * 1e3;
  state.counters["ns_per_node"] = best.seconds * 1e9 / nodes;
  state.counters["heap_MiB"] = static_cast<double>(best.addedHeap) / (1024.0 * 1024.0);
  state.counters["heap_B_per_node"] = static_cast<double>(best.addedHeap) / nodes;
  state.counters["heap_left_B"] = static_cast<double>(best.leftHeap);
}

void TransformsScaling(benchmark::State& state) {
  const TransformsGrid small(50), large(100);
  bench_Measure best[2];
  for (auto _ : state)
    for (int g = 0; g < 2; ++g)
      if (!bench_KeepFastest(state, (g == 0 ? small : large).Run(), best[g])) return;
  const double ratio = best[1].seconds / best[0].seconds;
  state.counters["time_ratio_100_50"] = ratio;
  state.counters["ms_50"] = best[0].seconds * 1e3;
  state.counters["ms_100"] = best[1].seconds * 1e3;
  state.counters["heap_MiB_50"] = static_cast<double>(best[0].addedHeap) / (1024.0 * 1024.0);
  state.counters["heap_MiB_100"] = static_cast<double>(best[1].addedHeap) / (1024.0 * 1024.0);
  if (ratio >= kMostTransformsTimeRatio) {
    state.SkipWithError("the 100^3 grid took 10 times the 50^3 grid or more");
    return;
  }
  if (best[0].addedHeap >= kMostTransformsHeap || best[1].addedHeap >= kMostTransformsHeap) {
    state.SkipWithError("a run added 64 MiB of heap or more");
    return;
  }
  if (best[0].leftHeap != 0 || best[1].leftHeap != 0) {
    state.SkipWithError("a run left heap behind");
    return;
  }
}

}  // namespace

BENCHMARK(Transforms)->Arg(50)->Arg(100)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(TransformsScaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
