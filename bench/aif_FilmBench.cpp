// Film conditions distributed by an expression field, written member by
// member: on grids of 50^3 and 100^3 bricks (one part, one instance) the
// field constant + gradient . x scales the film coefficient of
//   - a concentrated film on every node ("*Cfilm" through aif_Cfilm, one line
//     per node at the node's coordinates),
//   - a surface film on face S2 of every element ("*Film" through aif_Film,
//     one line per face at the face's centroid),
// each evaluated and written to a file through the writer's stream; the
// instance's "*Node" lines (aif_Node) are written in the same run, so that
// the keywords' MB/s stand beside those of the plain node write.
//
// Film/N/W reports, for the grid of N^3 bricks and the writer W (0 "*Cfilm",
// 1 "*Film", 2 "*Node"), the time per member (node or face), the MB/s, the
// heap the write adds at its peak per member and the heap left behind.
// Scaling runs both grids with every writer and marks an error when a member
// of the larger grid takes more than 1.25 times one of the smaller, when a
// film write adds 64 bytes of heap or more per member, or when a write
// leaves heap behind.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_Cfilm.h"
#include "aif/impl/interactions/aif_Film.h"
#include "aif/impl/model/aif_Node.h"
#include "bench_HeapCounter.h"
#include "bench_Support.h"

namespace {

constexpr double kFilmMostTimeRatio = 1.25;
constexpr double kFilmMostHeapPerMember = 64.0;
constexpr int kFilmWriters = 3;
const char* const kFilmWriterNames[kFilmWriters] = {"cfilm", "film", "node"};

using FilmMeasure = bench_Measure;

const std::string& FilmBenchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "aif_FilmBench.inp").string();
  return path;
}

// The grid of `cells`^3 bricks with the field "F", a concentrated film on
// every node and a surface film on face S2 of every element, both with the
// coefficient from "F".
struct FilmGrid {
  explicit FilmGrid(int cells) : builder("Grid") {
    builder.AddPart("Block", hst_GridMesh(cells, cells, cells, 1.0 / cells));
    instance = builder.AddInstance("Block-1", "Block");
    builder.AddStep("Step-1", kprC_HeatTransferStep());
    kfdC_ExpressionField field;
    field.constant = 20.0;
    field.gradient = {0.5, 0.25, 0.125};
    builder.AddAnalyticalField("F", field);
    nodes = static_cast<long long>(cells + 1) * (cells + 1) * (cells + 1);
    elements = static_cast<long long>(cells) * cells * cells;

    cow_List<int> nodeIndices;
    nodeIndices.Reserve(static_cast<std::size_t>(nodes));
    for (long long n = 0; n < nodes; ++n)
      nodeIndices.Append(static_cast<int>(n));
    rgnC_Region allNodes("AllNodes", {"Assembly", "Block-1"});
    allNodes.SetKernelInstanceIds({1u});
    allNodes.SetKernelNodeIndices(1, nodeIndices);
    cow_List<int> elementIndices;
    cow_List<cow_String> faces;
    elementIndices.Reserve(static_cast<std::size_t>(elements));
    faces.Reserve(static_cast<std::size_t>(elements));
    for (long long e = 0; e < elements; ++e) {
      elementIndices.Append(static_cast<int>(e));
      faces.Append("S2");
    }
    rgnC_Region top("Tops", {"Assembly", "Block-1"});
    top.SetKernelInstanceIds({1u});
    top.SetKernelElementIndices(1, elementIndices, faces);

    kinC_ConcFilmConditionState nodalState;
    nodalState.SetSinkTemperature({300.0, 1});
    nodalState.SetFilmCoefficient({2.5, 1});
    nodalState.SetNodalArea({0.01, 1});
    nodal.SetName("CFilm-1");
    nodal.SetRegion(allNodes);
    nodal.SetFilmCoefficientDefinition(3);
    nodal.SetFieldName("F");
    nodal.SetState("Step-1", 1, nodalState);
    kinC_FilmConditionState surfaceState;
    surfaceState.SetSinkTemperature({300.0, 1});
    surfaceState.SetFilmCoefficient({2.5, 1});
    surface.SetName("Film-1");
    surface.SetRegion(top);
    surface.SetFilmCoefficientDefinition(3);
    surface.SetFieldName("F");
    surface.SetState("Step-1", 1, surfaceState);

    model = builder.Model();
    job = std::make_unique<aif_Job>("Job-1", builder.Job(), model);
    info = std::make_unique<aif_ModelInfo>(*job);
  }

  // The keyword of `writer` made and written, timed, with the heap added at
  // the peak and the heap left once it is gone.
  FilmMeasure Write(int writer) const {
    FilmMeasure m;
    m.members = writer == 1 ? elements : nodes;
    // The file of the previous write is removed first, so that cutting it
    // back is not charged to this one.
    std::filesystem::remove(FilmBenchPath());
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    m.bytes = bench_WriteFile(
        FilmBenchPath(),
        [&](utl_Stream& stream) {
          if (writer == 0) {
            aif_Cfilm(nodal, "Step-1", true, "AllNodes", *info).Write(stream);
          } else if (writer == 1) {
            aif_Film(surface, "Step-1", true, *info).Write(stream);
          } else {
            const asoF_PartInstance& placed = *asoF_Utils::ConstGetPartInstance(
                info->Assembly()->ConstGetFeatureList(), instance);
            aif_Node(placed, *info).Write(stream);
          }
        },
        m.error);
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.addedHeap = g_peakBytes.load() - live;
    m.leftHeap = g_liveBytes.load() - live;
    if (!m.error && m.bytes < m.members * 10) m.error = "fewer lines than members were written";
    return m;
  }

  hst_ModelBuilder builder;
  unsigned instance = 0;
  kinC_ConcFilmCondition nodal;
  kinC_FilmCondition surface;
  long long nodes = 0;
  long long elements = 0;
  bas_NewModel model;
  std::unique_ptr<aif_Job> job;
  std::unique_ptr<aif_ModelInfo> info;
};

// The best of the iterations of `grid`; false (the state told) on an error.
bool FilmBest(benchmark::State& state, const FilmGrid& grid, int writer, FilmMeasure& best) {
  return bench_KeepFastest(state, grid.Write(writer), best);
}

void Film(benchmark::State& state) {
  const FilmGrid grid(static_cast<int>(state.range(0)));
  const int writer = static_cast<int>(state.range(1));
  FilmMeasure best;
  for (auto _ : state)
    if (!FilmBest(state, grid, writer, best)) return;
  std::filesystem::remove(FilmBenchPath());
  const double members = static_cast<double>(best.members);
  state.counters["ns_per_member"] = best.seconds * 1e9 / members;
  state.counters["MBps"] = static_cast<double>(best.bytes) / best.seconds / 1e6;
  state.counters["heap_B_per_member"] = static_cast<double>(best.addedHeap) / members;
  state.counters["heap_left_B"] = static_cast<double>(best.leftHeap);
  state.SetLabel(kFilmWriterNames[writer]);
}

void FilmScaling(benchmark::State& state) {
  const FilmGrid small(50), large(100);
  // Per writer, the small and the large grid.
  FilmMeasure best[kFilmWriters][2];
  for (auto _ : state)
    for (int w = 0; w < kFilmWriters; ++w)
      for (int g = 0; g < 2; ++g)
        if (!FilmBest(state, g == 0 ? small : large, w, best[w][g])) return;
  std::filesystem::remove(FilmBenchPath());
  for (int w = 0; w < kFilmWriters; ++w) {
    double perMember[2], heap[2], rate[2];
    for (int g = 0; g < 2; ++g) {
      const double members = static_cast<double>(best[w][g].members);
      perMember[g] = best[w][g].seconds / members;
      heap[g] = static_cast<double>(best[w][g].addedHeap) / members;
      rate[g] = static_cast<double>(best[w][g].bytes) / best[w][g].seconds / 1e6;
    }
    const double ratio = perMember[1] / perMember[0];
    const std::string name = kFilmWriterNames[w];
    state.counters[name + "_time_ratio_100_50"] = ratio;
    state.counters[name + "_ns_per_member_50"] = perMember[0] * 1e9;
    state.counters[name + "_ns_per_member_100"] = perMember[1] * 1e9;
    state.counters[name + "_MBps_50"] = rate[0];
    state.counters[name + "_MBps_100"] = rate[1];
    state.counters[name + "_heap_B_per_member_50"] = heap[0];
    state.counters[name + "_heap_B_per_member_100"] = heap[1];
    if (ratio > kFilmMostTimeRatio) {
      state.SkipWithError(
          "a member of the 100^3 grid took more than 1.25 times one of the 50^3 grid");
      return;
    }
    if (w != 2 && (heap[0] >= kFilmMostHeapPerMember || heap[1] >= kFilmMostHeapPerMember)) {
      state.SkipWithError("a film write added 64 bytes of heap or more per member");
      return;
    }
    if (best[w][0].leftHeap != 0 || best[w][1].leftHeap != 0) {
      state.SkipWithError("a write left heap behind");
      return;
    }
  }
}

}  // namespace

BENCHMARK(Film)
    ->Args({50, 0})
    ->Args({100, 0})
    ->Args({50, 1})
    ->Args({100, 1})
    ->Args({50, 2})
    ->Args({100, 2})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FilmScaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
