// Writes the whole deck of a structured grid of 100 x 100 x 100 bricks
// (1,000,000 elements, 1,030,301 nodes; one part, one instance) through the
// input-file driver, part-based and flat, and in the same run a plain
// fprintf loop writing the same node and element lines and a raw copy
// (fwrite of the deck's bytes in 64 KiB blocks to a new file, fclose
// included), so that the ratios hold on a noisy machine. Reports MB/s of
// deck, the ratios (speedup_vs_fprintf, deck_vs_raw_copy: the deck's time
// over the copy's), the build and write phases apart (build_ms, write_ms,
// per write), and the peak memory the write adds to the model's own arrays:
// resident (added_peak_MiB, measured before the copy holds the deck's bytes)
// and heap (added_heap_MiB, counted by this program's operator new).
//
// SplitGrid writes the same grid (and a 50^3 one, to show the build is
// linear, and a 215^3 one of 9,938,375 elements) with two section
// assignments: a solid section on the set "All" of every element, then
// another on the set "Half" of two elements in four, so that the first is
// written through an "_I" set of the other half (both sets lists of labels,
// not generate ranges). It reports the time per element, the phases apart,
// and the heap peak the write adds (added_heap_MiB, heap_B_per_element).
// Its added_B_per_element divides the peak resident size the write adds by
// the element count; run each size alone (--benchmark_filter=SplitGrid/100,
// SplitGrid/215) to compare with WholeDeck/0 run alone, since the peak of a
// process only grows (the heap counters are reset for each run).
// PartAttributesTables runs the part-attributes builder alone on the split
// grid and reports the peak heap it adds per element (counted by this
// program's operator new), keywords it files included, the peak its own
// tables account for (tables_B_per_element), and its time per element at
// two sizes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <atomic>
#include <new>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_PartAttributesBuilder.h"
#include "bench_HeapCounter.h"

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

// The grid of `cells`^3 bricks with the sets "All" (every element) and
// "Half" (two of every four), Steel assigned to All and Glass to Half.
hst_ModelBuilder SplitGridModel(int cells) {
  hst_ModelBuilder b("Grid");
  b.AddPart("Block", hst_GridMesh(cells, cells, cells, 1.0 / cells));
  const int count = cells * cells * cells;
  cow_List<int> all, half;
  all.Reserve(static_cast<std::size_t>(count));
  half.Reserve(static_cast<std::size_t>(count / 2));
  for (int e = 0; e < count; ++e) {
    all.Append(e);
    // Two of every four, in a pattern that changes from block to block, so
    // that neither set is a generate range.
    const int inBlock = e % 4;
    if ((e / 4) % 2 == 0 ? inBlock < 2 : inBlock == 0 || inBlock == 3) half.Append(e);
  }
  unsigned id = 0;
  for (const auto& [name, members] :
       {std::pair<const char*, const cow_List<int>*>{"All", &all},
        std::pair<const char*, const cow_List<int>*>{"Half", &half}}) {
    rgnC_Region region(name, {"Block"});
    region.SetKernelElementIndices(1, *members);
    rgnF_Set set(region);
    set.typeMask = rgnF_Set::kElementSet;
    set.SetId(++id);
    set.SetName(name);
    b.MutablePart("Block").FeatureList().Add(set);
    kseC_HomogenousSolidSection solid;
    solid.material = id == 1 ? "Steel" : "Glass";
    b.AddSection(id == 1 ? "Steel" : "Glass", solid);
    b.AddPartAttribute("Block", ptoC_SectionAssignment(region, solid.material));
  }
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

// The bytes of the file at `path`.
std::vector<char> DeckBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The raw copy: `bytes` to a new file at `path` with fwrite in 64 KiB
// blocks, fclose included; returns the seconds taken.
double RawCopy(const std::vector<char>& bytes, const char* path) {
  constexpr std::size_t kBlock = 64 * 1024;
  const auto start = std::chrono::steady_clock::now();
  FILE* file = std::fopen(path, "wb");
  for (std::size_t at = 0; at < bytes.size(); at += kBlock)
    std::fwrite(bytes.data() + at, 1, std::min(kBlock, bytes.size() - at), file);
  std::fclose(file);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
  const auto copyPath = std::filesystem::temp_directory_path() / "aif_DeckBench.copy";
  const double before = PeakMiB();
  double deckSeconds = 0, plainSeconds = 0, copySeconds = 0, buildSeconds = 0;
  double addedPeak = 0, addedHeap = 0;
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const long long live = bench_StartHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    builder.WriteInputFile(path.string(), true, true);
    deckSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    buildSeconds += builder.LastBuildSeconds();
    addedHeap = std::max(addedHeap, static_cast<double>(g_peakBytes.load() - live) / 1048576.0);
    state.PauseTiming();
    bytes = std::filesystem::file_size(path);
    if (copySeconds == 0) addedPeak = PeakMiB() - before;  // before any copy's buffer
    plainSeconds += PlainLoop(*info.ModelAdapter().Parts().ConstGet("Block").ConstGetMesh(),
                              plainPath.string().c_str());
    copySeconds += RawCopy(DeckBytes(path), copyPath.string().c_str());
    state.ResumeTiming();
  }
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  for (const auto& file : {path, plainPath, copyPath})
    std::filesystem::remove(file);
  const double iterations = static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  state.counters["deck_MBps"] = static_cast<double>(bytes) * iterations / deckSeconds / 1e6;
  state.counters["speedup_vs_fprintf"] = plainSeconds / deckSeconds;
  state.counters["deck_vs_raw_copy"] = deckSeconds / copySeconds;
  state.counters["raw_copy_ms"] = copySeconds / iterations * 1e3;
  state.counters["build_ms"] = buildSeconds / iterations * 1e3;
  state.counters["write_ms"] = (deckSeconds - buildSeconds) / iterations * 1e3;
  state.counters["added_peak_MiB"] = addedPeak;
  state.counters["added_heap_MiB"] = addedHeap;
  state.SetLabel(flat ? "flat" : "part-based");
}

void SplitGrid(benchmark::State& state) {
  const int cells = static_cast<int>(state.range(0));
  const double start = PeakMiB();
  const hst_ModelBuilder b = SplitGridModel(cells);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  const auto path = std::filesystem::temp_directory_path() / "aif_DeckBench.split.inp";
  const double before = PeakMiB();
  double seconds = 0, buildSeconds = 0, addedHeap = 0;
  std::uintmax_t bytes = 0;
  for (auto _ : state) {
    const long long live = bench_StartHeapPeak();
    const auto begin = std::chrono::steady_clock::now();
    builder.WriteInputFile(path.string(), true, true);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    buildSeconds += builder.LastBuildSeconds();
    addedHeap = std::max(addedHeap, static_cast<double>(g_peakBytes.load() - live));
    bytes = std::filesystem::file_size(path);
  }
  if (!std::getenv("AIF_BENCH_KEEP")) std::filesystem::remove(path);
  const double elements = static_cast<double>(cells) * cells * cells;
  state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
  state.counters["deck_MBps"] = static_cast<double>(bytes) * state.iterations() / seconds / 1e6;
  state.counters["deck_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["ns_per_element"] = seconds / state.iterations() / elements * 1e9;
  state.counters["build_ms"] = buildSeconds / state.iterations() * 1e3;
  state.counters["write_ms"] = (seconds - buildSeconds) / state.iterations() * 1e3;
  state.counters["added_heap_MiB"] = addedHeap / 1048576.0;
  state.counters["heap_B_per_element"] = addedHeap / elements;
  state.counters["model_MiB"] = before - start;
  state.counters["added_peak_MiB"] = PeakMiB() - before;
  state.counters["added_B_per_element"] = (PeakMiB() - before) * 1048576.0 / elements;
}

void PartAttributesTables(benchmark::State& state) {
  const int cells = static_cast<int>(state.range(0));
  const hst_ModelBuilder b = SplitGridModel(cells);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  const double elements = static_cast<double>(cells) * cells * cells;
  double seconds = 0, added = 0, kept = 0, tables = 0;
  for (auto _ : state) {
    const long long before = g_liveBytes.load();
    g_peakBytes = before;
    {
      aif_PartAttributesBuilder builder(info);
      const auto begin = std::chrono::steady_clock::now();
      builder.Build();
      seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
      added = static_cast<double>(g_peakBytes.load() - before);
      kept = static_cast<double>(g_liveBytes.load() - before);
      tables = static_cast<double>(builder.TablePeakBytes());
    }
  }
  state.counters["ns_per_element"] = seconds / state.iterations() / elements * 1e9;
  state.counters["peak_B_per_element"] = added / elements;
  state.counters["kept_B_per_element"] = kept / elements;
  state.counters["tables_B_per_element"] = tables / elements;
}

}  // namespace

BENCHMARK(PartAttributesTables)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WholeDeck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SplitGrid)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
// About ten million elements: one write, about 1.4 GB of deck in the
// temporary directory.
BENCHMARK(SplitGrid)->Arg(215)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
