// Writes the nodes and elements of a 100 x 100 x 100 brick grid (1,030,301
// nodes, 1,000,000 C3D8) as one part with one instance, through aif_Node and
// aif_ElementFromMesh into a file (rt_fopen + aio_ios + utl_Stream, as the
// drivers write), flat (first arg 1) and part-based (0). The second arg picks
// the brick edge: 0 an edge of 1 (integer coordinates, the fastest case for
// printf), 1 an edge of 0.37 (coordinates of nine significant digits, as a
// real mesh has). In the same iteration a plain fprintf loop writes the same
// lines ("%7d, %12.9g, %12.9g, %12.9g\n" and the element rows) to a second
// file. Counters:
//   fprintf_time_ratio  the fprintf loop's time over the writer's (wall clock);
//   fprintf_cpu_ratio   the same in the thread's processor time (user and
//                       system), which other processes on the machine do not
//                       disturb;
//   write_added_MiB     peak resident memory during the writer's write above
//                       the resident memory before it (the model's arrays);
//   peak_rss_MB         the process's peak resident memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>
#include "bench_Support.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_ElementFromMesh.h"
#include "aif/impl/model/aif_Node.h"

namespace {

constexpr int kCells = 100;

struct Grid {
  std::shared_ptr<bme_Mesh> mesh;
  bas_NewModel model;
  unsigned instance = 0;
};

Grid MakeGrid(double edge) {
  Grid g;
  g.mesh = hst_GridMesh(kCells, kCells, kCells, edge);
  hst_ModelBuilder builder("Grid");
  builder.AddPart("Block", g.mesh);
  g.instance = builder.AddInstance("Block-1", "Block");
  builder.AddStep("Step-1", kprC_StaticStep());
  g.model = builder.Model();
  return g;
}

// Each grid is made once, when first asked for.
const Grid& GridModel(bool realEdge) {
  if (realEdge) {
    static const Grid grid = MakeGrid(0.37);
    return grid;
  }
  static const Grid grid = MakeGrid(1.0);
  return grid;
}

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); 0 when unreadable.
double StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, field.size() + 1, field + ":") == 0)
      return std::stod(line.substr(field.size() + 1));
  return 0.0;
}

// The processor time this thread has used, in seconds.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Resets the peak resident memory (VmHWM) to the current one.
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// The same node and element lines as the writer's, through fprintf. Returns
// the bytes written, 0 on failure.
std::uint64_t WriteFprintf(const char* path, const bme_Mesh& mesh) {
  FILE* file = std::fopen(path, "w");
  if (!file) return 0;
  std::uint64_t bytes = 0;
  bool ok = true;
  auto count = [&](int n) {
    if (n < 0) ok = false;
    bytes += static_cast<std::uint64_t>(n);
  };
  count(std::fprintf(file, "*Node\n"));
  const std::vector<float>& xyz = mesh.NodeData().Coordinates();
  for (std::size_t i = 0; i < mesh.NumNodes(); ++i)
    count(std::fprintf(file, "%7d, %12.9g, %12.9g, %12.9g\n", static_cast<int>(i + 1),
                       static_cast<double>(xyz[3 * i]), static_cast<double>(xyz[3 * i + 1]),
                       static_cast<double>(xyz[3 * i + 2])));
  for (const bme_ElementClass& elements : mesh.ElementClasses()) {
    count(std::fprintf(file, "*Element, type=%s\n", elements.TypeName().CStr()));
    const int* c = elements.Connectivity().data();
    for (std::size_t e = 0; e < elements.NumElements(); ++e, c += 8)
      count(std::fprintf(file, "%7d,%7d,%7d,%7d,%7d,%7d,%7d,%7d,%7d\n",
                         static_cast<int>(elements.FirstElementIndex() + e + 1), c[0] + 1, c[1] + 1,
                         c[2] + 1, c[3] + 1, c[4] + 1, c[5] + 1, c[6] + 1, c[7] + 1));
  }
  if (std::fclose(file) != 0) ok = false;
  return ok ? bytes : 0;
}

std::string TempPath(const char* what) {
  return "/tmp/aif_bench_mesh_" + std::to_string(::getpid()) + "_" + what + ".inp";
}

void BM_MeshWrite(benchmark::State& state) {
  const bool flat = state.range(0) != 0;
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", flat ? 1 : 0);
  const bool realEdge = state.range(1) != 0;
  const Grid& grid = GridModel(realEdge);
  aif_Job job("Job-1", ajbC_ModelJob("Grid"), grid.model);
  aif_ModelInfo info(job);
  const asoF_PartInstance& instance =
      *asoF_Utils::ConstGetPartInstance(info.Assembly()->ConstGetFeatureList(), grid.instance);
  const std::string path = TempPath("writer");
  const std::string plainPath = TempPath("fprintf");

  std::uint64_t bytes = 0;
  double writerSeconds = 0.0, fprintfSeconds = 0.0, addedKiB = 0.0;
  double writerCpu = 0.0, fprintfCpu = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    // Each write creates its file: truncating the last one would wait for
    // its pages still being written back, on either side.
    std::remove(path.c_str());
    std::remove(plainPath.c_str());
    const double before = StatusKiB("VmRSS");
    ResetPeakMemory();
    state.ResumeTiming();

    auto start = std::chrono::steady_clock::now();
    double cpu = CpuSeconds();
    const char* error = nullptr;
    const long long written = bench_WriteFile(
        path,
        [&](utl_Stream& stream) {
          aif_Node(instance, info).Write(stream);
          aif_ElementFromMesh(info, static_cast<int>(grid.instance)).Write(stream);
        },
        error);
    if (written < 0) {
      state.SkipWithError(error);
      break;
    }
    bytes += static_cast<std::uint64_t>(written);
    writerSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    writerCpu += CpuSeconds() - cpu;

    state.PauseTiming();
    addedKiB = std::max(addedKiB, StatusKiB("VmHWM") - before);
    start = std::chrono::steady_clock::now();
    cpu = CpuSeconds();
    if (WriteFprintf(plainPath.c_str(), *grid.mesh) == 0) state.SkipWithError("fprintf failed");
    fprintfSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fprintfCpu += CpuSeconds() - cpu;
    state.ResumeTiming();
  }
  std::remove(path.c_str());
  std::remove(plainPath.c_str());
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");

  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  if (writerSeconds > 0) state.counters["fprintf_time_ratio"] = fprintfSeconds / writerSeconds;
  if (writerCpu > 0) state.counters["fprintf_cpu_ratio"] = fprintfCpu / writerCpu;
  state.counters["write_added_MiB"] = addedKiB / 1024.0;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.SetLabel(std::string(flat ? "flat" : "part-based") +
                 (realEdge ? ", edge 0.37" : ", edge 1"));
}

}  // namespace

BENCHMARK(BM_MeshWrite)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
