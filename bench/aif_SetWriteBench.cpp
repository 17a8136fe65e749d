// Writes the member lists of sets over a 100 x 100 x 100 brick grid
// (1,000,000 C3D8, 1,030,301 nodes) through aif_Elset and aif_Nset into a
// null sink, as the drivers write them:
//   BM_ElsetAllElements/0  every element: one ", generate" line after the
//                          stride walk over the bit vector;
//   BM_ElsetAllElements/1  the same in a restart job: 1,000,000 labels, 16 a
//                          line;
//   BM_NsetEveryOtherNode  515,151 node labels, stride 2: /0 one ", generate"
//                          line, /1 (restart) 16 labels a line.
// Each iteration also formats the same label lines with a plain snprintf
// loop into a buffer; the reported time is the writer's alone. Counters:
//   MB/s (bytes_per_second)  the set's text over the writer's time;
//   snprintf_time_ratio      the plain loop's time over the writer's;
//   members_bytes_each       bytes the writer adds per member while writing
//                            (the bit vector's pages over the member count);
//   keyword_bytes_each       bytes the keyword holds per member (its list).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_Nset.h"
#include "aif/impl/model/aif_SetLabelWriter.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"

namespace {

constexpr int kCells = 100;

struct Grid {
  Grid(int jobType) {
    hst_ModelBuilder builder("Grid");
    builder.AddPart("Block", hst_GridMesh(kCells, kCells, kCells));
    instance = builder.AddInstance("Block-1", "Block");
    model = builder.Model();
    job = std::make_unique<aif_Job>("J", builder.Job(jobType), model);
    info = std::make_unique<aif_ModelInfo>(*job);
  }
  const asoF_PartInstance& Instance() const {
    return *asoF_Utils::ConstGetPartInstance(info->Assembly()->ConstGetFeatureList(), instance);
  }
  bas_NewModel model;
  std::unique_ptr<aif_Job> job;
  std::unique_ptr<aif_ModelInfo> info;
  unsigned instance = 0;
};

Grid& GridFor(bool restart) {
  static Grid full(ajbC_FULL_ANALYSIS), again(ajbC_RESTART);
  return restart ? again : full;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The plain alternative: the same label lines through snprintf.
void PlainLines(const cow_List<int>& labels, int width, std::vector<char>& out) {
  out.clear();
  char text[32];
  std::size_t k = 0;
  for (int label : labels) {
    ++k;
    const bool end = k % 16 == 0 || k == labels.Length();
    const int n = std::snprintf(text, sizeof text, end ? "%*d\n" : "%*d,", width, label);
    out.insert(out.end(), text, text + n);
  }
}

void Run(benchmark::State& state, const akw_Keyword& keyword, const cow_List<int>& labels) {
  std::vector<char> plain;
  unsigned long long bytes = 0;
  double writer = 0, alternative = 0;
  for (auto _ : state) {
    aio_NullSink sink;
    auto start = std::chrono::steady_clock::now();
    {
      utl_Stream stream(sink, 131, 6, 6);
      keyword.Write(stream);
      bytes = stream.BytesWritten();
    }
    const double seconds = Seconds(start);
    writer += seconds;
    state.SetIterationTime(seconds);
    start = std::chrono::steady_clock::now();
    PlainLines(labels, 8, plain);
    benchmark::DoNotOptimize(plain.data());
    alternative += Seconds(start);
  }
  omi_BlkBitVect members;
  aif_SetLabelWriter::FillBits(labels, members);
  state.SetBytesProcessed(static_cast<long long>(bytes * state.iterations()));
  state.counters["snprintf_time_ratio"] = alternative / writer;
  state.counters["members_bytes_each"] =
      static_cast<double>(members.PageBytes()) / static_cast<double>(members.Count());
  state.counters["keyword_bytes_each"] = static_cast<double>(sizeof(int));
}

void BM_ElsetAllElements(benchmark::State& state) {
  Grid& grid = GridFor(state.range(0) != 0);
  const aif_Elset all(true, "All", grid.Instance(), *grid.info);
  Run(state, all, all.Labels().Get(static_cast<int>(grid.instance)));
}
BENCHMARK(BM_ElsetAllElements)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_NsetEveryOtherNode(benchmark::State& state) {
  Grid& grid = GridFor(state.range(0) != 0);
  cow_List<int> labels;
  for (int label = 1; label <= (kCells + 1) * (kCells + 1) * (kCells + 1); label += 2)
    labels.Append(label);
  aif_Nset::LabelsById byId;
  byId.Set(static_cast<int>(grid.instance), labels);
  const aif_Nset half("Half", byId, true, *grid.info);
  Run(state, half, labels);
}
BENCHMARK(BM_NsetEveryOtherNode)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// An element surface on the bottom face of the grid: 10,000 faces S1.
void BM_SurfaceOnOneFace(benchmark::State& state) {
  Grid& grid = GridFor(state.range(0) != 0);
  cow_List<int> elements;  // the bottom layer's element indices
  cow_List<cow_String> faces;
  for (int index = 0; index < kCells * kCells; ++index) {
    elements.Append(index);
    faces.Append("S1");
  }
  const aif_SurfaceFromElements bottom(*grid.info, "Bottom", elements, faces,
                                       static_cast<int>(grid.instance), true);
  unsigned long long bytes = 0;
  for (auto _ : state) {
    aif_SetNameRegistry::Instance().Clear();  // each write names its face set afresh
    aio_NullSink sink;
    const auto start = std::chrono::steady_clock::now();
    {
      utl_Stream stream(sink, 131, 6, 6);
      bottom.Write(stream);
      bytes = stream.BytesWritten();
    }
    state.SetIterationTime(Seconds(start));
  }
  state.SetBytesProcessed(static_cast<long long>(bytes * state.iterations()));
}
BENCHMARK(BM_SurfaceOnOneFace)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
