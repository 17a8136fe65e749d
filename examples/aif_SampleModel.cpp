// Writes the sample deck to the path given on the command line.
//
// The sample model is a meshed block and a plate, two instances of the block
// and one of the plate, and a static step. For now the deck written for it
// shows the writer's shared line rules (a heading, banners, comments, a
// material's data lines) and the job and context built over the model; it
// grows into the model's whole deck as the builders arrive.
#include <cstdio>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/cow_2DArray.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_Initialize.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "aif/impl/core/aif_SectionHeader.h"

namespace {

bas_NewModel SampleModel() {
  hst_ModelBuilder builder("Sample-Model");
  builder.AddPart("Block", hst_GridMesh(2, 2, 2, 10.0));
  builder.AddPart("Plate",
                  hst_Mesh({0, 0, 0, 20, 0, 0, 20, 20, 0, 0, 20, 0}, "S4R", 4, {0, 1, 2, 3}));
  builder.AddInstance("Block-1", "Block");
  builder.AddInstance("Block-2", "Block");
  builder.AddInstance("Plate-1", "Plate");
  builder.AddStep("Load", kprC_StaticStep());
  return builder.Model();
}

void WriteSample(utl_Stream& out, const aif_ModelInfo& info) {
  aif_RawKeyword("*Heading").Write(out);
  aif_Comment("Job name: " + info.Job()->Name() + " Model name: " + info.Model().Name()).Write(out);
  aif_RawKeyword("*Preprint, echo=NO, model=NO, history=NO, contact=NO").Write(out);

  aif_SectionHeader materials("MATERIALS");
  materials.ModelDefinitionHeader()->Write(out);
  out << "*Material, name=" << akw_MorvexName("Steel S235", false) << endl;
  aif_Comment description(
      "Structural steel for the sample frame: elastic properties at room temperature and at "
      "four hundred degrees, with the density used for the dynamic steps.");
  description.SetWrap(true);
  description.Write(out);
  out << "*Density" << endl;
  aif_DataLineTable({{7.85e-09}}, 0, 0).Write(out);
  out << "*Elastic, ";
  out.OptionalLineBreak();
  out << "dependencies=0" << endl;
  aif_DataLineTable({{210000., 0.3, 20.}, {180000., 0.3, 400.}}, 0, 0).Write(out);
}

// Writes the sample deck to `path`; false, with no file left, on failure.
bool WriteSampleFile(const char* path) {
  const bas_NewModel model = SampleModel();
  const aif_Job job("sample", ajbC_ModelJob(model.Name()), model);
  const aif_ModelInfo info(job);

  FILE* file = rt_fopen(path, "w");
  if (!file) return false;
  aio_ios sink;
  sink.attach(file, true);
  bool ok = false;
  try {
    {
      utl_Stream out(sink, 131, 6, 6);
      WriteSample(out, info);
    }
    ok = sink.close();
  } catch (...) {
    sink.close();
    rt_remove(path);
    throw;
  }
  if (!ok) rt_remove(path);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.inp\n", argv[0]);
    return 2;
  }
  const char* path = argv[1];
  int counter = 0;
  InputFileWriter_initialize(counter);
  bool ok = false;
  try {
    ok = WriteSampleFile(path);
  } catch (const nex_Exception& e) {
    std::fprintf(stderr, "%s\n", e.AsString().CStr());
  }
  InputFileWriter_finalize(counter);

  if (!ok) {
    std::fprintf(stderr, "The input file %s was not written.\n", path);
    return 1;
  }
  std::printf("Wrote %s\n", path);
  return 0;
}
