// Predefined fields distributed by an analytical field, written node by
// node: on grids of 50^3 and 100^3 bricks (one part, one instance) a
// temperature field whose one magnitude the expression field constant +
// gradient . x distributes over every node, evaluated and written to a file
// through the evaluator of predefined fields.
//
// Temperature/N reports, for the grid of N^3 bricks, the time and the heap
// the write adds at its peak per node, the MB/s and the heap left behind.
// Scaling runs both grids and marks an error when a node of the larger grid
// takes more than 1.25 times a node of the smaller, when the write adds 64
// bytes of heap or more per node, or when it leaves heap behind.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/conditions/aif_PredefFieldUtils.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "bench_HeapCounter.h"
#include "bench_Support.h"

namespace {

constexpr double kMostNodeTimeRatio = 1.25;
constexpr double kMostHeapPerNode = 64.0;

struct ConditionMeasure {
  double seconds = 0;
  long long bytes = 0;
  long long nodes = 0;
  long long addedHeap = 0;
  long long leftHeap = 0;
  const char* error = nullptr;
};

const std::string& ConditionBenchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "aif_ConditionBench.inp").string();
  return path;
}

// The grid of `cells`^3 bricks with the field "F" and the temperature field
// over every node.
struct ConditionGrid {
  explicit ConditionGrid(int cells) : builder("Grid") {
    builder.AddPart("Block", hst_GridMesh(cells, cells, cells, 1.0 / cells));
    builder.AddInstance("Block-1", "Block");
    builder.AddStep("Step-1", kprC_StaticStep());
    kfdC_ExpressionField field;
    field.constant = 20.0;
    field.gradient = {0.5, 0.25, 0.125};
    builder.AddAnalyticalField("F", field);
    nodes = static_cast<long long>(cells + 1) * (cells + 1) * (cells + 1);
    cow_List<int> indices;
    indices.Reserve(static_cast<std::size_t>(nodes));
    for (long long n = 0; n < nodes; ++n)
      indices.Append(static_cast<int>(n));
    rgnC_Region region("AllNodes", {"Assembly", "Block-1"});
    region.SetKernelInstanceIds({1u});
    region.SetKernelNodeIndices(1, indices);
    temperature.SetName("Predefined Field-1");
    temperature.SetRegion(region);
    temperature.SetDistributionFieldName("F");
    kpfC_GeneralFieldBaseState state;
    state.SetMagnitudes({mdl_PropAttr<double>(1.5, 1)});
    temperature.SetState("Step-1", state);
    model = builder.Model();
    job = std::make_unique<aif_Job>("Job-1", builder.Job(), model);
    info = std::make_unique<aif_ModelInfo>(*job);
  }

  // The evaluator made and the lines written, timed, with the heap added at
  // the peak and the heap left once the evaluator is gone.
  ConditionMeasure Write() const {
    ConditionMeasure m;
    m.nodes = nodes;
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    m.bytes = bench_WriteFile(
        ConditionBenchPath(),
        [&](utl_Stream& stream) {
          const aif_PredefFieldUtils utils(temperature, "Step-1", *info, 1);
          utils.EvaluatePredefinedField(stream, 1.0, "temperature", "");
        },
        m.error);
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.addedHeap = g_peakBytes.load() - live;
    m.leftHeap = g_liveBytes.load() - live;
    if (!m.error && m.bytes < nodes * 4) m.error = "fewer node lines than nodes were written";
    return m;
  }

  hst_ModelBuilder builder;
  kpfC_Temperature temperature;
  long long nodes = 0;
  bas_NewModel model;
  std::unique_ptr<aif_Job> job;
  std::unique_ptr<aif_ModelInfo> info;
};

// The best of the iterations of `grid`; false (the state told) on an error.
bool ConditionBest(benchmark::State& state, const ConditionGrid& grid, ConditionMeasure& best) {
  const ConditionMeasure m = grid.Write();
  if (m.error) {
    state.SkipWithError(m.error);
    return false;
  }
  if (best.nodes == 0 || m.seconds < best.seconds) best = m;
  return true;
}

void Temperature(benchmark::State& state) {
  const ConditionGrid grid(static_cast<int>(state.range(0)));
  ConditionMeasure best;
  for (auto _ : state)
    if (!ConditionBest(state, grid, best)) return;
  std::filesystem::remove(ConditionBenchPath());
  const double nodes = static_cast<double>(best.nodes);
  state.counters["ns_per_node"] = best.seconds * 1e9 / nodes;
  state.counters["MBps"] = static_cast<double>(best.bytes) / best.seconds / 1e6;
  state.counters["heap_B_per_node"] = static_cast<double>(best.addedHeap) / nodes;
  state.counters["heap_left_B"] = static_cast<double>(best.leftHeap);
}

void Scaling(benchmark::State& state) {
  const ConditionGrid small(50), large(100);
  ConditionMeasure best[2];
  for (auto _ : state)
    for (int g = 0; g < 2; ++g)
      if (!ConditionBest(state, g == 0 ? small : large, best[g])) return;
  std::filesystem::remove(ConditionBenchPath());
  double perNode[2], heap[2];
  for (int g = 0; g < 2; ++g) {
    perNode[g] = best[g].seconds / static_cast<double>(best[g].nodes);
    heap[g] = static_cast<double>(best[g].addedHeap) / static_cast<double>(best[g].nodes);
  }
  const double ratio = perNode[1] / perNode[0];
  state.counters["node_time_ratio_100_50"] = ratio;
  state.counters["ns_per_node_50"] = perNode[0] * 1e9;
  state.counters["ns_per_node_100"] = perNode[1] * 1e9;
  state.counters["heap_B_per_node_50"] = heap[0];
  state.counters["heap_B_per_node_100"] = heap[1];
  if (ratio > kMostNodeTimeRatio)
    state.SkipWithError("a node of the 100^3 grid took more than 1.25 times one of the 50^3 grid");
  else if (heap[0] >= kMostHeapPerNode || heap[1] >= kMostHeapPerNode)
    state.SkipWithError("the write added 64 bytes of heap or more per node");
  else if (best[0].leftHeap != 0 || best[1].leftHeap != 0)
    state.SkipWithError("the write left heap behind");
}

}  // namespace

BENCHMARK(Temperature)->Arg(50)->Arg(100)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Scaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
