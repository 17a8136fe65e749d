// Writes the sample deck to the path given on the command line.
//
// For now the sample exercises the writer's shared line rules through the
// output stream: a heading, section banners, comments and a table of data
// lines. It grows into a whole model as the builders arrive.
#include <cstdio>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/cow_2DArray.h"
#include "MSVCR90/rt_Runtime.h"
#include "QivBasicUtils/aio_ios.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "aif/impl/core/aif_Initialize.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "aif/impl/core/aif_SectionHeader.h"

namespace {

void WriteSample(utl_Stream& out) {
  aif_RawKeyword("*Heading").Write(out);
  aif_Comment("Job name: sample Model name: Sample-Model").Write(out);
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
  if (FILE* file = rt_fopen(path, "w")) {
    aio_ios sink;
    sink.attach(file, true);
    try {
      {
        utl_Stream out(sink, 131, 6, 6);
        WriteSample(out);
      }
      ok = sink.close();
    } catch (const nex_Exception& e) {
      std::fprintf(stderr, "%s\n", e.AsString().CStr());
      sink.close();
    }
    if (!ok) rt_remove(path);
  }
  InputFileWriter_finalize(counter);

  if (!ok) {
    std::fprintf(stderr, "The input file %s was not written.\n", path);
    return 1;
  }
  std::printf("Wrote %s\n", path);
  return 0;
}
