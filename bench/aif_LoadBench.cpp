// Loads given by an analytical field, written member by member: on grids of
// 50^3 and 100^3 bricks (one part, one instance) the expression field
// constant + gradient . x gives
//   - a concentrated force at every node ("*Cload", one line per node),
//   - a body force at every element centroid ("*Dload", one line per element),
//   - a pressure on face S2 of every element ("*Dload", one line per face),
// each evaluated and written to a file through the writer's stream; and the
// load op status is built over two field pressures whose regions share every
// node (the overlap test intersects their node hits).
//
// WholeDeck/N writes the grid's whole deck through the input-file driver with
// three loads of one step built by the load builder: a body heat flux from
// the field at every element, a concentrated heat flux from it at every node
// and the two field pressures (so that the op status intersects their node
// hits), and reports MB/s, the build and write phases and the heap the
// write adds per member; DeckScaling marks an error when the 100^3 grid
// takes more than 10 times the 50^3 one.
//
// Loads/N reports, for the grid of N^3 bricks, the MB/s of each write, the
// bytes written per member and the heap each adds at its peak per member
// (counted by this program's operator new). Scaling runs both grids and
// marks an error when the larger takes more than 10 times the smaller (it
// has 8 times the members) or when any write adds more than 128 bytes of
// heap per member.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_Cload.h"
#include "aif/impl/loads/aif_Dload.h"
#include "aif/impl/loads/aif_LoadOpStatus.h"
#include "bench_HeapCounter.h"
#include "bench_Support.h"

namespace {

constexpr double kMostRatio = 10.0;
constexpr double kMostHeapPerMember = 128.0;

// What one measured run gave.
using Measure = bench_Measure;

const std::string& LoadBenchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "aif_LoadBench.inp").string();
  return path;
}

// The grid of `cells`^3 bricks with the field "F" and the loads measured.
struct LoadGrid {
  explicit LoadGrid(int cells) : builder("Grid") {
    builder.AddPart("Block", hst_GridMesh(cells, cells, cells, 1.0 / cells));
    builder.AddInstance("Block-1", "Block");
    builder.AddStep("Step-1", kprC_StaticStep());
    kfdC_ExpressionField field;
    field.constant = 1.0;
    field.gradient = {0.5, 0.25, 0.125};
    builder.AddAnalyticalField("F", field);
    const int points = (cells + 1) * (cells + 1) * (cells + 1);
    elements = static_cast<long long>(cells) * cells * cells;
    nodes = points;
    cow_List<int> nodeIndices, elementIndices;
    cow_List<cow_String> faces;
    nodeIndices.Reserve(static_cast<std::size_t>(points));
    for (int n = 0; n < points; ++n)
      nodeIndices.Append(n);
    elementIndices.Reserve(static_cast<std::size_t>(elements));
    faces.Reserve(static_cast<std::size_t>(elements));
    for (long long e = 0; e < elements; ++e) {
      elementIndices.Append(static_cast<int>(e));
      faces.Append("S2");
    }
    auto region = [&](const char* name) {
      rgnC_Region r(name, {"Assembly", "Block-1"});
      r.SetKernelInstanceIds({1u});
      return r;
    };

    kloC_ConcentratedForce force;
    rgnC_Region allNodes = region("AllNodes");
    allNodes.SetKernelNodeIndices(1, nodeIndices);
    force.SetRegion(allNodes);
    force.SetFieldName("F");
    kloC_LoadState forceState(1, {});
    forceState.SetValue(0, 1.0, 1);
    force.SetState("Step-1", 1, forceState);
    builder.AddLoad("Force", force);

    kloC_BodyForce body;
    rgnC_Region allElements = region("AllElements");
    allElements.SetKernelElementIndices(1, elementIndices);
    body.SetRegion(allElements);
    body.SetFieldName("F");
    body.SetDistribution(2);
    kloC_LoadState bodyState(1, {});
    bodyState.SetValue(2, -9.81, 1);
    body.SetState("Step-1", 1, bodyState);
    builder.AddLoad("Body", body);

    kloC_BodyHeatFlux flux;
    flux.SetRegion(allElements);
    flux.SetFieldName("F");
    flux.SetDistribution(2);
    flux.SetState("Step-1", 1, kloC_LoadState(1, {3.0}));
    builder.AddLoad("Flux", flux);

    kloC_ConcentratedHeatFlux nodeFlux;
    nodeFlux.SetRegion(allNodes);
    nodeFlux.SetFieldName("F");
    nodeFlux.SetState("Step-1", 1, kloC_LoadState(1, {0.5}));
    builder.AddLoad("NodeFlux", nodeFlux);

    for (const char* name : {"Pressure", "Pressure-2"}) {
      kloC_Pressure pressure;
      rgnC_Region top = region(name);
      top.SetKernelElementIndices(1, elementIndices, faces);
      top.SetKernelNodeIndices(1, nodeIndices);
      pressure.SetRegion(top);
      pressure.SetFieldName("F");
      pressure.SetDistribution(3);
      pressure.SetState("Step-1", 1, kloC_LoadState(1, {2.0}));
      builder.AddLoad(name, pressure);
    }
    model = builder.Model();
    job = std::make_unique<aif_Job>("Job-1", builder.Job(), model);
    info = std::make_unique<aif_ModelInfo>(*job);
  }

  const kloC_Load& Load(const char* name) const {
    return info->ModelAdapter().Loads().ConstGet(name);
  }

  // Writes `keyword` to the file, timed, with the heap it adds at its peak.
  Measure Write(const std::function<std::unique_ptr<akw_Keyword>()>& make,
                long long members) const {
    Measure m;
    m.members = members;
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    m.bytes = bench_WriteFile(
        LoadBenchPath(), [&](utl_Stream& stream) { make()->Write(stream); }, m.error);
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.addedHeap = g_peakBytes.load() - live;
    return m;
  }

  Measure Force() const {
    return Write(
        [&] {
          return std::make_unique<aif_Cload>(Load("Force"), "Step-1", true, *info, "Force", false,
                                             -1, 1.0);
        },
        nodes);
  }
  Measure Body() const {
    return Write(
        [&] {
          return std::make_unique<aif_Dload>(Load("Body"), "Step-1", true, "Block-1.AllElements", 1,
                                             *info, false, -1, 1.0, "Body");
        },
        elements);
  }
  Measure Pressure() const {
    return Write(
        [&] {
          return std::make_unique<aif_Dload>(Load("Pressure"), "Step-1", true, "Block-1.Pressure",
                                             1, *info, false, -1, 1.0, "Pressure");
        },
        elements);
  }
  // The op status over the model's loads; the overlap test of the two field
  // pressures intersects the node hits of every node.
  Measure OpStatus() const {
    Measure m;
    m.members = 2 * nodes;
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    aif_LoadOpStatus status;
    status.BuildLoadOpStatus(info->ModelAdapter().Loads(), {"Initial", "Step-1"}, *info);
    if (!status.LoadNeedsNewOp(Load("Pressure"), "Step-1"))
      m.error = "the two pressures sharing every node were not seen to overlap";
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.addedHeap = g_peakBytes.load() - live;
    return m;
  }

  hst_ModelBuilder builder;
  long long nodes = 0;
  long long elements = 0;
  bas_NewModel model;
  std::unique_ptr<aif_Job> job;
  std::unique_ptr<aif_ModelInfo> info;
};

// The whole deck through the driver, timed, with the heap it adds at its
// peak over every member the loads write.
Measure WholeDeckOf(LoadGrid& grid) {
  Measure m;
  m.members = 2 * grid.nodes + 3 * grid.elements;
  const long long live = bench_StartHeapPeak();
  const auto start = std::chrono::steady_clock::now();
  aif_Builder builder(*grid.info);
  if (!builder.WriteInputFile(LoadBenchPath(), true, true)) m.error = "the deck was not written";
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.addedHeap = g_peakBytes.load() - live;
  std::error_code failed;
  m.bytes = static_cast<long long>(std::filesystem::file_size(LoadBenchPath(), failed));
  return m;
}

void WholeDeck(benchmark::State& state) {
  LoadGrid grid(static_cast<int>(state.range(0)));
  Measure best;
  for (auto _ : state)
    if (!bench_KeepFastest(state, WholeDeckOf(grid), best)) return;
  std::filesystem::remove(LoadBenchPath());
  state.counters["MBps"] = static_cast<double>(best.bytes) / best.seconds / 1e6;
  state.counters["deck_MB"] = static_cast<double>(best.bytes) / 1e6;
  state.counters["ms"] = best.seconds * 1e3;
  state.counters["heap_B_per_member"] =
      static_cast<double>(best.addedHeap) / static_cast<double>(best.members);
}

void DeckScaling(benchmark::State& state) {
  LoadGrid small(50), large(100);
  double best[2] = {1e30, 1e30};
  for (auto _ : state) {
    LoadGrid* grids[2] = {&small, &large};
    for (int g = 0; g < 2; ++g) {
      const Measure m = WholeDeckOf(*grids[g]);
      if (m.error) {
        state.SkipWithError(m.error);
        return;
      }
      if (m.seconds < best[g]) best[g] = m.seconds;
    }
  }
  std::filesystem::remove(LoadBenchPath());
  const double ratio = best[1] / best[0];
  state.counters["ratio_100_50"] = ratio;
  if (ratio > kMostRatio)
    state.SkipWithError("the 100^3 deck took more than 10 times the 50^3 deck");
}

using LoadRun = Measure (LoadGrid::*)() const;
constexpr struct {
  const char* name;
  LoadRun run;
} kLoadRuns[] = {{"cload", &LoadGrid::Force},
                 {"body", &LoadGrid::Body},
                 {"pressure", &LoadGrid::Pressure},
                 {"opstatus", &LoadGrid::OpStatus}};

void Loads(benchmark::State& state) {
  const LoadGrid grid(static_cast<int>(state.range(0)));
  Measure best[4];
  for (auto _ : state)
    for (int r = 0; r < 4; ++r)
      if (!bench_KeepFastest(state, (grid.*kLoadRuns[r].run)(), best[r])) return;
  std::filesystem::remove(LoadBenchPath());
  for (int r = 0; r < 4; ++r) {
    const std::string name = kLoadRuns[r].name;
    const Measure& m = best[r];
    if (m.bytes > 0) {
      state.counters[name + "_MBps"] = static_cast<double>(m.bytes) / m.seconds / 1e6;
      state.counters[name + "_B_per_member"] =
          static_cast<double>(m.bytes) / static_cast<double>(m.members);
    }
    state.counters[name + "_ms"] = m.seconds * 1e3;
    state.counters[name + "_heap_B_per_member"] =
        static_cast<double>(m.addedHeap) / static_cast<double>(m.members);
  }
}

// Both grids in one run, each write timed at its best of the iterations.
void Scaling(benchmark::State& state) {
  const LoadGrid small(50), large(100);
  double best[2] = {1e30, 1e30};
  double worstHeap = 0;
  for (auto _ : state) {
    const LoadGrid* grids[2] = {&small, &large};
    for (int g = 0; g < 2; ++g) {
      double seconds = 0;
      for (const auto& run : kLoadRuns) {
        const Measure m = (grids[g]->*run.run)();
        if (m.error) {
          state.SkipWithError(m.error);
          return;
        }
        seconds += m.seconds;
        const double heap = static_cast<double>(m.addedHeap) / static_cast<double>(m.members);
        if (heap > worstHeap) worstHeap = heap;
      }
      if (seconds < best[g]) best[g] = seconds;
    }
  }
  std::filesystem::remove(LoadBenchPath());
  const double ratio = best[1] / best[0];
  state.counters["ratio_100_50"] = ratio;
  state.counters["worst_heap_B_per_member"] = worstHeap;
  if (ratio > kMostRatio)
    state.SkipWithError("the 100^3 grid took more than 10 times the 50^3 grid");
  else if (worstHeap > kMostHeapPerMember)
    state.SkipWithError("a load write added more than 128 bytes of heap per member");
}

}  // namespace

BENCHMARK(Loads)->Arg(50)->Arg(100)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(Scaling)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeDeck)->Arg(50)->Arg(100)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(DeckScaling)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
