// Temperatures distributed by an analytical field, written node by node: on
// grids of 50^3 and 100^3 bricks (one part, one instance) the expression
// field constant + gradient . x distributes one magnitude over every node,
// evaluated and written to a file
//   - as a temperature boundary condition ("*Boundary" through aif_Boundary),
//   - as an initial temperature ("*Initial Conditions, type=TEMPERATURE"
//     through aif_InitialConditions, whose node lines the evaluator of
//     predefined fields writes),
// and a step's "*Temperature" (aif_FieldTemperature) takes every node's value
// from a discrete field whose table holds every node (its labels falling, so
// the table's lookup index is built, once, before any write: the index is
// kept in the model's table and counts as model memory).
//
// Temperature/N/W reports, for the grid of N^3 bricks and the writer W (0 the
// boundary condition, 1 the initial temperature, 2 the "*Temperature" keyword
// from the discrete field), the time and the heap the
// write adds at its peak per node, the MB/s and the heap left behind.
// Scaling runs both grids with both writers and marks an error when a node
// of the larger grid takes more than 1.25 times a node of the smaller, when a
// write adds 64 bytes of heap or more per node, or when it leaves heap
// behind.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/conditions/aif_FieldTemperature.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "bench_HeapCounter.h"
#include "bench_Support.h"

namespace {

constexpr double kMostNodeTimeRatio = 1.25;
constexpr double kMostHeapPerNode = 64.0;
constexpr int kConditionWriters = 3;

// A measure's members are the nodes written.
using ConditionMeasure = bench_Measure;

const std::string& ConditionBenchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "aif_ConditionBench.inp").string();
  return path;
}

// The grid of `cells`^3 bricks with the field "F", the temperature field
// over every node, and the discrete field "D" (a row per node of Block-1,
// labels falling) distributing the temperature "Predefined Field-2".
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
    builder.AddDiscreteField("D", DiscreteNodeField(nodes));
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
    temperature.SetDistribution(6);
    kpfC_GeneralFieldBaseState state;
    state.SetMagnitudes({mdl_PropAttr<double>(1.5, 1)});
    temperature.SetState("Step-1", state);
    discreteTemperature.SetName("Predefined Field-2");
    discreteTemperature.SetRegion(region);
    discreteTemperature.SetDistribution(7);
    discreteTemperature.SetDistributionFieldName("D");
    discreteTemperature.SetState("Step-1", 1, state);
    condition.SetName("BC-1");
    condition.SetRegion(region);
    condition.SetDistribution(kbcC_BC::kAnalyticalField, "F");
    kbcC_DistributedBCState bcState;
    bcState.SetMagnitude(1.5, 1);
    condition.SetState("Step-1", 1, bcState, kprC_StaticStep::TypeId());
    model = builder.Model();
    job = std::make_unique<aif_Job>("Job-1", builder.Job(), model);
    info = std::make_unique<aif_ModelInfo>(*job);
    // The lookup index of the model's own table, built before measuring.
    const kfdC_DataTable& table =
        info->ModelAdapter().DiscreteFields().ConstGet("D").DataTables()[0];
    if (table.GetDomainPos(1) < 0) indexError = "the discrete table lacks node 1";
  }

  // One table for Block-1 with labels `nodes` down to 1, each row 20 plus a
  // thousandth of its label.
  static kfdC_DiscreteField DiscreteNodeField(long long nodes) {
    cow_List<int> labels;
    cow_List<double> values;
    labels.Reserve(static_cast<std::size_t>(nodes));
    values.Reserve(static_cast<std::size_t>(nodes));
    for (long long label = nodes; label >= 1; --label) {
      labels.Append(static_cast<int>(label));
      values.Append(20.0 + 0.001 * static_cast<double>(label));
    }
    kfdC_DataTable table("Block-1");
    table.SetDomain(std::move(labels), std::move(values));
    kfdC_DiscreteField discrete;
    discrete.SetLocation(kfdC_DiscreteField::kNodes);
    discrete.SetDefaultValues({0.0});
    discrete.AddDataTable(table);
    return discrete;
  }

  // The keyword or evaluator of `writer` (0 the boundary condition, 1 the
  // predefined field, 2 the "*Temperature" keyword from the discrete field) made and the lines
  // written, timed, with the heap added at the peak and the heap left once it is gone.
  ConditionMeasure Write(int writer) const {
    ConditionMeasure m;
    m.members = nodes;
    if (indexError) {
      m.error = indexError;
      return m;
    }
    // The file of the previous write is removed first, so that cutting it
    // back is not charged to this one.
    std::filesystem::remove(ConditionBenchPath());
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    m.bytes = bench_WriteFile(
        ConditionBenchPath(),
        [&](utl_Stream& stream) {
          if (writer == 0) {
            const int none = 0;
            aif_Boundary(condition, "Step-1", false, "AllNodes", false, *info, "Initial", none,
                         none, 1.0)
                .Write(stream);
          } else if (writer == 2) {
            aif_FieldTemperature(discreteTemperature, "Step-1", true, "AllNodes", 1, *info, 1.0)
                .Write(stream);
          } else {
            aif_InitialConditions(temperature, "Initial", "Step-1", 0, "AllNodes", 1, 0, info.get(),
                                  1.0)
                .Write(stream);
          }
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
  kpfC_Temperature discreteTemperature;
  kbcC_TemperatureBC condition;
  const char* indexError = nullptr;
  long long nodes = 0;
  bas_NewModel model;
  std::unique_ptr<aif_Job> job;
  std::unique_ptr<aif_ModelInfo> info;
};

// The best of the iterations of `grid`; false (the state told) on an error.
bool ConditionBest(benchmark::State& state, const ConditionGrid& grid, int writer,
                   ConditionMeasure& best) {
  return bench_KeepFastest(state, grid.Write(writer), best);
}

void Temperature(benchmark::State& state) {
  const ConditionGrid grid(static_cast<int>(state.range(0)));
  const int writer = static_cast<int>(state.range(1));
  ConditionMeasure best;
  for (auto _ : state)
    if (!ConditionBest(state, grid, writer, best)) return;
  std::filesystem::remove(ConditionBenchPath());
  const double nodes = static_cast<double>(best.members);
  state.counters["ns_per_node"] = best.seconds * 1e9 / nodes;
  state.counters["MBps"] = static_cast<double>(best.bytes) / best.seconds / 1e6;
  state.counters["heap_B_per_node"] = static_cast<double>(best.addedHeap) / nodes;
  state.counters["heap_left_B"] = static_cast<double>(best.leftHeap);
}

void Scaling(benchmark::State& state) {
  const ConditionGrid small(50), large(100);
  // Per writer, the small and the large grid.
  ConditionMeasure best[kConditionWriters][2];
  for (auto _ : state)
    for (int w = 0; w < kConditionWriters; ++w)
      for (int g = 0; g < 2; ++g)
        if (!ConditionBest(state, g == 0 ? small : large, w, best[w][g])) return;
  std::filesystem::remove(ConditionBenchPath());
  static const char* const kWriters[kConditionWriters] = {"boundary", "initial", "discrete"};
  for (int w = 0; w < kConditionWriters; ++w) {
    double perNode[2], heap[2];
    for (int g = 0; g < 2; ++g) {
      const double nodes = static_cast<double>(best[w][g].members);
      perNode[g] = best[w][g].seconds / nodes;
      heap[g] = static_cast<double>(best[w][g].addedHeap) / nodes;
    }
    const double ratio = perNode[1] / perNode[0];
    const std::string name = kWriters[w];
    state.counters[name + "_node_time_ratio_100_50"] = ratio;
    state.counters[name + "_ns_per_node_50"] = perNode[0] * 1e9;
    state.counters[name + "_ns_per_node_100"] = perNode[1] * 1e9;
    state.counters[name + "_heap_B_per_node_50"] = heap[0];
    state.counters[name + "_heap_B_per_node_100"] = heap[1];
    if (ratio > kMostNodeTimeRatio) {
      state.SkipWithError(
          "a node of the 100^3 grid took more than 1.25 times one of the 50^3 grid");
      return;
    }
    if (heap[0] >= kMostHeapPerNode || heap[1] >= kMostHeapPerNode) {
      state.SkipWithError("a write added 64 bytes of heap or more per node");
      return;
    }
    if (best[w][0].leftHeap != 0 || best[w][1].leftHeap != 0) {
      state.SkipWithError("a write left heap behind");
      return;
    }
  }
}

}  // namespace

BENCHMARK(Temperature)
    ->Args({50, 0})
    ->Args({100, 0})
    ->Args({50, 1})
    ->Args({100, 1})
    ->Args({50, 2})
    ->Args({100, 2})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Scaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
