// Builds the per-write context over a grid model of a million bricks, as two
// instances of one part: flat (their labels collide, so the numbering pass
// checks every label) and part-based.
#include <benchmark/benchmark.h>

#include "HostModules/hst_ModelBuilder.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

const bas_NewModel& GridModel() {
  static const bas_NewModel model = [] {
    hst_ModelBuilder builder("Grid");
    builder.AddPart("Block", hst_GridMesh(100, 100, 100));
    builder.AddInstance("Block-1", "Block");
    builder.AddInstance("Block-2", "Block");
    builder.AddStep("Step-1", kprC_StaticStep());
    return builder.Model();
  }();
  return model;
}

void ContextOverGrid(benchmark::State& state) {
  const bool flat = state.range(0) != 0;
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", flat ? 1 : 0);
  const bas_NewModel& model = GridModel();
  aif_Job job("Job-1", ajbC_ModelJob("Grid"), model);
  for (auto _ : state) {
    aif_ModelInfo info(job);
    benchmark::DoNotOptimize(info.TotalNodeCount());
  }
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  state.SetItemsProcessed(state.iterations() * 2 * 1030301);  // nodes numbered
  state.SetLabel(flat ? "flat" : "part-based");
}

}  // namespace

BENCHMARK(ContextOverGrid)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
