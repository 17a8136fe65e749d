// Writes the sample model's input file to the path given on the command line.
#include <cstdio>

#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Initialize.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_SampleModel.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.inp\n", argv[0]);
    return 2;
  }
  const char* path = argv[1];
  int counter = 0;
  InputFileWriter_initialize(counter);
  bool written = false;
  try {
    const hst_ModelBuilder builder = aif_SampleModel();
    const bas_NewModel model = builder.Model();
    const aif_Job job("sample", builder.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder writer(info);
    written = writer.WriteInputFile(path, true, true);
  } catch (const nex_Exception& e) {
    std::fprintf(stderr, "%s\n", e.AsString().CStr());
  }
  InputFileWriter_finalize(counter);

  if (!written) {
    std::fprintf(stderr, "The input file %s was not written.\n", path);
    return 1;
  }
  std::printf("Wrote %s\n", path);
  return 0;
}
