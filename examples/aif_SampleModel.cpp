// Writes the sample model's input file to the path given on the command line,
// then, beside it, its optimization: the input file the optimization runs
// (NAME-opt.inp, written flat as every optimization's is) and the
// optimization parameter file (NAME.par) whose FEM_INPUT names it.
// With "--check" in place of the path it runs the model checks over the
// sample model instead and prints each check's findings.
#include <cstdio>
#include <string>

#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Initialize.h"
#include "aif/impl/core/aif_KestBuilder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_OptimizationProcess.h"
#include "aif_SampleModel.h"
#include "chk/impl/chk_FullModelCheck.h"
#include "chk/impl/chk_Initialize.h"
#include "chk/impl/chk_Report.h"

namespace {

// `path` without its ".inp" ending.
std::string SampleBase(const std::string& path) {
  const std::string ending = ".inp";
  if (path.size() > ending.size() && path.compare(path.size() - ending.size(), ending.size(),
                                                  ending) == 0)
    return path.substr(0, path.size() - ending.size());
  return path;
}

// Writes the job's input file to `path`; false when it was not written.
bool WriteSampleDeck(const bas_NewModel& model, const hst_ModelBuilder& builder,
                     const char* path) {
  const aif_Job job("sample", builder.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder writer(info);
  return writer.WriteInputFile(path, true, true);
}

// Writes the optimization's input file and parameter file beside `path`;
// false when either was not written.
bool WriteSampleOptimization(const bas_NewModel& model, const std::string& path) {
  const std::string base = SampleBase(path);
  const std::string deck = base + "-opt";
  const std::size_t slash = deck.find_last_of('/');
  const ajbC_Optimization optimization =
      aif_SampleOptimization(deck.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
  const aif_OptimizationProcess process("Lighter-Block", optimization, model);
  aif_ModelInfo deckInfo(process);
  aif_Builder writer(deckInfo);
  if (!writer.WriteInputFile((deck + ".inp").c_str(), true, true)) return false;
  aif_ModelInfo parameterInfo(process);
  aif_KestBuilder parameters(parameterInfo);
  return parameters.WriteInputFile((base + ".par").c_str(), "", false, true);
}

// Runs the model checks of a job over the sample model and prints what each
// check found; 1 when the checks could not be run.
int CheckSample() {
  int counter = 0;
  chk_initialize(counter);
  int status = 0;
  try {
    const hst_ModelBuilder builder = aif_SampleModel();
    chk_FullModelCheck control(builder.Model(), "Frame", builder.Job(), "sample", false);
    control.RunChecks();
    std::fputs(chk_Report(control).CStr(), stdout);
  } catch (const nex_Exception& e) {
    std::fprintf(stderr, "%s\n", e.AsString().CStr());
    status = 1;
  }
  chk_finalize(counter);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.inp | --check\n", argv[0]);
    return 2;
  }
  if (std::string(argv[1]) == "--check") return CheckSample();
  const char* path = argv[1];
  int counter = 0;
  InputFileWriter_initialize(counter);
  bool written = false;
  bool optimization = false;
  try {
    hst_ModelBuilder builder = aif_SampleModel();
    aif_SampleTask(builder);
    const bas_NewModel model = builder.Model();
    written = WriteSampleDeck(model, builder, path);
    if (written) optimization = WriteSampleOptimization(model, path);
  } catch (const nex_Exception& e) {
    std::fprintf(stderr, "%s\n", e.AsString().CStr());
  }
  InputFileWriter_finalize(counter);

  if (!written) {
    std::fprintf(stderr, "The input file %s was not written.\n", path);
    return 1;
  }
  const std::string base = SampleBase(path);
  if (!optimization) {
    std::fprintf(stderr, "The optimization files %s-opt.inp and %s.par were not written.\n",
                 base.c_str(), base.c_str());
    return 1;
  }
  std::printf("Wrote %s, %s-opt.inp and %s.par\n", path, base.c_str(), base.c_str());
  return 0;
}
