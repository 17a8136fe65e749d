// Nodal thickness from an analytical field through the part-attributes
// builder: on the grid of 100 x 100 x 100 bricks (1,000,000 elements,
// 1,030,301 nodes; one part, one instance) the field constant + gradient . x
// is evaluated at the nodes of two overlapping regions (the first 60% and the
// last 60% of the rows' nodes; a node of both keeps the first value) and
// written as "*Nodal Thickness" through the writer's stream. Rows/1000000
// writes one row for each of 1,000,000 nodes of that grid, Rows/2000000 for
// 2,000,000 nodes of the grid twice as long. Build and write are timed
// together; reports MB/s of output and ns per row. Scaling times both sizes
// in the same run and reports their ratio (at most 2.3: the overlap test is
// a hash set and no table is copied per region); above it the run is marked
// as an error.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_PartAttributesBuilder.h"
#include "bench_Support.h"

namespace {

constexpr int kCells = 100;
constexpr double kMostRatio = 2.3;

// The grid (`layers` bricks along z) of instance "Block-1" with the
// expression field "T", and the two regions over the first `rows` nodes.
struct Grid {
  explicit Grid(long long rows) : builder("Grid") {
    const int layers = rows > 1100000 ? 2 * kCells : kCells;
    builder.AddPart("Block", hst_GridMesh(kCells, kCells, layers, 0.01));
    builder.AddInstance("Block-1", "Block");
    kfdC_ExpressionField field;
    field.SetDescription("Thickness over the grid");
    field.constant = 0.002;
    field.gradient = {0.001, 0.0005, 0.00025};
    builder.AddAnalyticalField("T", field);
    const long long firstEnd = rows * 6 / 10, secondStart = rows * 4 / 10;
    for (auto [name, from, to] : {std::tuple<const char*, long long, long long>{"A", 0, firstEnd},
                                  {"B", secondStart, rows}}) {
      cow_List<int> nodes;
      nodes.Reserve(static_cast<std::size_t>(to - from));
      for (long long n = from; n < to; ++n)
        nodes.Append(static_cast<int>(n));
      rgnC_Region region(name, {"Block"});
      region.SetKernelNodeIndices(1, nodes);
      regions.Append(region);
    }
    model = builder.Model();
    job = std::make_unique<aif_Job>("Job-1", builder.Job(), model);
    info = std::make_unique<aif_ModelInfo>(*job);
  }

  // Builds the thickness and writes it to `path`: the seconds taken and the
  // bytes written (-1 with `error` set on failure).
  double Run(const std::string& path, long long& bytes, const char*& error) {
    const auto start = std::chrono::steady_clock::now();
    aif_PartAttributesBuilder attributes(*info);
    const asoF_PartInstance& instance =
        *asoF_Utils::ConstGetPartInstance(info->Assembly()->ConstGetFeatureList(), 1);
    if (attributes
            .AddThicknessFieldDistribution(instance, "T", regions, kfdC_DiscreteField::kNodes,
                                           "length")
            .IsEmpty()) {
      error = "the thickness was not filed";
      bytes = -1;
      return 0.0;
    }
    bytes = bench_WriteFile(
        path,
        [&](utl_Stream& stream) {
          akw_WriteKeywords(stream, attributes.InstanceDefinition("Block-1"));
        },
        error);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  hst_ModelBuilder builder;
  cow_List<rgnC_Region> regions;
  bas_NewModel model;
  std::unique_ptr<aif_Job> job;
  std::unique_ptr<aif_ModelInfo> info;
};

const std::string& OutputPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "aif_NodalThicknessBench.inp").string();
  return path;
}

void Rows(benchmark::State& state) {
  const long long rows = state.range(0);
  Grid grid(rows);
  double seconds = 0;
  long long bytes = 0;
  for (auto _ : state) {
    const char* error = nullptr;
    seconds += grid.Run(OutputPath(), bytes, error);
    if (bytes < 0) {
      state.SkipWithError(error);
      break;
    }
  }
  std::filesystem::remove(OutputPath());
  state.SetBytesProcessed(bytes * state.iterations());
  state.counters["MBps"] = static_cast<double>(bytes) * state.iterations() / seconds / 1e6;
  state.counters["ns_per_row"] = seconds / state.iterations() / static_cast<double>(rows) * 1e9;
}

// Both sizes in one run, each timed at its best of the iterations.
void Scaling(benchmark::State& state) {
  Grid small(1000000), large(2000000);
  double best[2] = {1e30, 1e30};
  for (auto _ : state) {
    Grid* grids[2] = {&small, &large};
    for (int g = 0; g < 2; ++g) {
      long long bytes = 0;
      const char* error = nullptr;
      const double seconds = grids[g]->Run(OutputPath(), bytes, error);
      if (bytes < 0) {
        state.SkipWithError(error);
        return;
      }
      if (seconds < best[g]) best[g] = seconds;
    }
  }
  std::filesystem::remove(OutputPath());
  const double ratio = best[1] / best[0];
  state.counters["ratio_2M_1M"] = ratio;
  if (ratio > kMostRatio) state.SkipWithError("2,000,000 rows took more than 2.3 times 1,000,000");
}

}  // namespace

BENCHMARK(Rows)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Scaling)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
