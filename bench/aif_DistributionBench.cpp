// Element distributions through the discrete-fields builder on the grid of
// 100 x 100 x 100 bricks (1,000,000 elements; one part, one instance): a
// field of one value per element, recorded for the instance, built into its
// "*Distribution Table" and "*Distribution" and written to a file through
// the writer's stream. Rows/1000000 has one row per element, Rows/2000000
// the rows of two such fields' worth in one table, to show the write is
// linear in the rows. Reports MB/s of output and ns per row; build and
// write are timed together.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_DiscreteFieldsBuilder.h"
#include "bench_Support.h"

namespace {

constexpr int kCells = 100;

// The grid with the field "Density": `rows` rows of one value each,
// labels counting from 1 (past the element count for more rows than
// elements), values varying so that numbers have several digits.
hst_ModelBuilder GridWithField(long long rows) {
  hst_ModelBuilder b("Grid");
  b.AddPart("Block", hst_GridMesh(kCells, kCells, kCells, 0.01));
  b.AddInstance("Block-1", "Block");
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kElements);
  field.SetDefaultValues({7800.0});
  field.SetDescription("Density of the grid");
  cow_List<int> labels;
  cow_List<double> values;
  labels.Reserve(static_cast<std::size_t>(rows));
  values.Reserve(static_cast<std::size_t>(rows));
  for (long long r = 0; r < rows; ++r) {
    labels.Append(static_cast<int>(r + 1));
    values.Append(7000.0 + static_cast<double>(r % 1789) * 0.731);
  }
  kfdC_DataTable table;
  table.SetDomain(labels, values);
  field.AddDataTable(table);
  b.AddDiscreteField("Density", field);
  return b;
}

void Rows(benchmark::State& state) {
  const long long rows = state.range(0);
  const hst_ModelBuilder b = GridWithField(rows);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  akw_DiscreteField record;
  record.field = "Density";
  record.owner = "Block-1";
  record.ownerKind = akw_DiscreteField::kInstance;
  record.users = {"Block-1"};
  record.components = {"SCALAR"};
  record.useCount = 1;
  info.DiscreteFieldUses().Append(record);
  const auto path = std::filesystem::temp_directory_path() / "aif_DistributionBench.inp";
  double seconds = 0;
  long long bytes = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    aif_DiscreteFieldsBuilder builder(info);
    builder.Build();
    const char* error = nullptr;
    bytes = bench_WriteFile(
        path.string(),
        [&](utl_Stream& stream) {
          akw_WriteKeywords(stream, builder.InstanceDefinition("Block-1"));
          akw_WriteKeywords(stream, builder.ModelDefinition());
        },
        error);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (bytes < 0) {
      state.SkipWithError(error);
      break;
    }
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(bytes * state.iterations());
  state.counters["MBps"] = static_cast<double>(bytes) * state.iterations() / seconds / 1e6;
  state.counters["ns_per_row"] = seconds / state.iterations() / static_cast<double>(rows) * 1e9;
}

}  // namespace

BENCHMARK(Rows)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
