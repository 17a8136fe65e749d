// Assembled fasteners placed at many points, written whole through the
// driver: a template of 8 bricks with a reference point, a node set and a
// point mass, placed at 2,000 and at 20,000 nodes of a plate, part-based and
// flat.
//
// Fasteners/P/F reports, for P points and layout F (0 part-based, 1 flat),
// the time per point and the MB/s of the whole write. Scaling runs both
// point counts in both layouts and marks an error when ten times the points
// take more than 12 times as long: the template mesh is shared by the
// copies and every label is found by arithmetic, never by a list scan.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr double kAfMostTimeRatio = 12.0;

const std::string& AfBenchPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "aif_AsmbldFastenerBench.inp").string();
  return path;
}

void AfBenchTemplate() {
  hst_ModelBuilder t("AfBenchTemplate");
  t.AddPart("Bolt", hst_GridMesh(2, 2, 2, 0.5), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  t.MutablePart("Bolt").SetReferencePoints({{0.5, 0.5, 1.5}});
  rgnC_Region core("Core", {"Bolt"});
  core.SetKernelNodeIndices(0, {0, 1, 2, 3});
  rgnF_Set coreSet(core);
  coreSet.SetId(7000);
  coreSet.SetName("Core");
  coreSet.typeMask = rgnF_Set::kNodeSet;
  t.MutablePart("Bolt").FeatureList().Add(coreSet);
  kefC_PointMassInertia head;
  head.SetName("Head");
  head.SetRegions({core});
  head.SetMass(0.25);
  kefC_EngineeringFeatures features;
  features.AddInertia(head);
  t.MutablePart("Bolt").SetEngineeringFeatures(features);
  t.AddInstance("Bolt-1", "Bolt");
  t.AddPart("Washer", hst_GridMesh(1, 1, 1));
  t.AddInstance("Washer-1", "Washer");
  t.AddAssemblyRegion("Seat", rgnC_Region("Seat", {"Assembly", "Washer-1"}), true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0, 0, 0)});
  t.AddAssemblyRegion("Pos", pos);
  t.Model();
}

// A plate of 142 x 142 x 2 nodes; the fastener sits on its first `points`.
hst_ModelBuilder AfBenchModel(int points, bool flat) {
  hst_ModelBuilder b("AfBench");
  b.AddPart("Plate", hst_GridMesh(141, 141, 1));
  b.AddInstance("Plate-1", "Plate");
  b.AddStep("Step-1", kprC_StaticStep());
  b.Assembly().SetRequiresFlatInputFile(flat);
  rgnC_Region top("Top", {"Assembly", "Plate-1"});
  top.SetKernelPlane(gsl_Plane({0, 0, 1}, {0, 0, 1}));
  b.AddAssemblyRegion("Top", top, true);
  cow_List<int> nodes;
  for (int n = 0; n < points; ++n)
    nodes.Append(n);
  rgnC_Region at("Points", {"Assembly"});
  at.SetKernelNodeIndices(1, nodes);
  kefC_AssembledFastener fastener;
  fastener.SetRegion(at);
  fastener.templateModel = "AfBenchTemplate";
  fastener.positioningSet = "Pos";
  fastener.prefix = "B";
  fastener.surfaceNames = {"Top"};
  fastener.templateRegionNames = {"Seat"};
  b.AddFastener("Bolts", fastener);
  return b;
}

// Seconds and bytes of one whole write; negative seconds when it failed.
std::pair<double, double> AfBenchWrite(int points, bool flat) {
  const hst_ModelBuilder b = AfBenchModel(points, flat);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  const auto start = std::chrono::steady_clock::now();
  const bool written = builder.WriteInputFile(AfBenchPath(), false, true);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double bytes = written ? static_cast<double>(std::filesystem::file_size(AfBenchPath())) : 0;
  std::filesystem::remove(AfBenchPath());
  return {written ? seconds : -1.0, bytes};
}

void Fasteners(benchmark::State& state) {
  AfBenchTemplate();
  const int points = static_cast<int>(state.range(0));
  const bool flat = state.range(1) != 0;
  double seconds = 0, bytes = 0;
  for (auto _ : state) {
    const auto [s, b] = AfBenchWrite(points, flat);
    if (s < 0) {
      state.SkipWithError("the write failed");
      return;
    }
    seconds += s;
    bytes += b;
  }
  state.counters["us_per_point"] = 1e6 * seconds / state.iterations() / points;
  state.counters["MB_per_s"] = bytes / seconds / 1e6;
}
BENCHMARK(Fasteners)->Args({2000, 0})->Args({20000, 0})->Args({2000, 1})->Args({20000, 1});

void Scaling(benchmark::State& state) {
  AfBenchTemplate();
  for (auto _ : state) {
    for (bool flat : {false, true}) {
      const double small = AfBenchWrite(2000, flat).first;
      const double large = AfBenchWrite(20000, flat).first;
      state.counters[flat ? "flat_ratio" : "part_based_ratio"] = large / small;
      if (small <= 0 || large <= 0) {
        state.SkipWithError("the write failed");
        return;
      }
      if (large > kAfMostTimeRatio * small) {
        state.SkipWithError("ten times the points took more than 12 times as long");
        return;
      }
    }
  }
}
BENCHMARK(Scaling)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
