// Writes the whole deck of a structured grid of 100 x 100 x 100 bricks
// (1,000,000 elements, 1,030,301 nodes; one part, one instance) through the
// input-file driver, part-based and flat, and in the same run a plain
// fprintf loop writing the same node and element lines, so that the ratio
// holds on a noisy machine. Reports MB/s of deck, the ratio, and the peak
// memory the write adds to the model's own arrays.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "HostModules/hst_ModelBuilder.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr int kCells = 100;

const hst_ModelBuilder& Grid() {
  static const hst_ModelBuilder builder = [] {
    hst_ModelBuilder b("Grid");
    b.AddPart("Block", hst_GridMesh(kCells, kCells, kCells, 0.01));
    b.AddInstance("Block-1", "Block");
    b.AddStep("Step-1", kprC_StaticStep());
    return b;
  }();
  return builder;
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The node and element lines of the grid with fprintf; returns the seconds taken.
double PlainLoop(const bme_Mesh& mesh, const char* path) {
  const auto start = std::chrono::steady_clock::now();
  FILE* file = std::fopen(path, "w");
  std::fputs("*Node\n", file);
  const std::vector<float>& xyz = mesh.NodeData().Coordinates();
  for (std::size_t i = 0; i < mesh.NumNodes(); ++i)
    std::fprintf(file, "%7d, %12.9g, %12.9g, %12.9g\n", static_cast<int>(i + 1), xyz[3 * i],
                 xyz[3 * i + 1], xyz[3 * i + 2]);
  std::fputs("*Element, type=C3D8\n", file);
  const bme_ElementClass& bricks = mesh.ElementClasses()[0];
  const std::vector<int>& c = bricks.Connectivity();
  for (std::size_t e = 0; e < bricks.NumElements(); ++e) {
    const int* n = &c[8 * e];
    std::fprintf(file, "%7d,%7d,%7d,%7d,%7d,%7d,%7d,%7d,%7d\n", static_cast<int>(e + 1), n[0] + 1,
                 n[1] + 1, n[2] + 1, n[3] + 1, n[4] + 1, n[5] + 1, n[6] + 1, n[7] + 1);
  }
  std::fclose(file);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void WholeDeck(benchmark::State& state) {
  const bool flat = state.range(0) != 0;
  const hst_ModelBuilder& b = Grid();
  const bas_NewModel model = b.Model();
  if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  const auto path = std::filesystem::temp_directory_path() / "aif_DeckBench.inp";
  const auto plainPath = std::filesystem::temp_directory_path() / "aif_DeckBench.plain";
  const double before = PeakMiB();
  double deckSeconds = 0, plainSeconds = 0;
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    builder.WriteInputFile(path.string(), true, true);
    deckSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    bytes = std::filesystem::file_size(path);
    state.PauseTiming();
    plainSeconds += PlainLoop(*info.ModelAdapter().Parts().ConstGet("Block").ConstGetMesh(),
                              plainPath.string().c_str());
    state.ResumeTiming();
  }
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  std::filesystem::remove(path);
  std::filesystem::remove(plainPath);
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  state.counters["deck_MBps"] = static_cast<double>(bytes) * state.iterations() / deckSeconds / 1e6;
  state.counters["speedup_vs_fprintf"] = plainSeconds / deckSeconds;
  state.counters["added_peak_MiB"] = PeakMiB() - before;
  state.SetLabel(flat ? "flat" : "part-based");
}

}  // namespace

BENCHMARK(WholeDeck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
