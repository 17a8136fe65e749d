// One builder component built over a test model: the model, the job and the
// context it needs, and the texts of the lists it filed.
#pragma once

#include <string>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace aif_test {

template <class Builder>
struct BuilderRun {
  explicit BuilderRun(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS)
      : model(b.Model()), job("Job-1", b.Job(jobType), model), info(job), builder(info) {
    builder.Build();
  }
  static std::string Text(const akw_KeywordList& list) {
    return WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
  }
  std::string Step(const char* step, const char* loadCase = "") const {
    return Text(builder.StepDefinition(step, loadCase));
  }
  std::string Definition() const { return Text(builder.ModelDefinition()); }

  bas_NewModel model;
  aif_Job job;
  aif_ModelInfo info;
  Builder builder;
};

}  // namespace aif_test
