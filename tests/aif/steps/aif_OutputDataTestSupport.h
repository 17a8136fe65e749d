// What the tests of the model's output data (time points, filters,
// integrated output sections) share: a write context over a builder's model
// for a job of a given type.
#pragma once

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace aif_test {

struct OutputDataContext {
  explicit OutputDataContext(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS)
      : model(b.Model()), job("Job-1", b.Job(jobType), model), info(job) {}
  bas_NewModel model;
  aif_Job job;
  aif_ModelInfo info;
};

// A model with the part "Block" placed as "Block-1", one static step, and the
// analysis product `product` (1 reads filters and integrated output sections).
inline hst_ModelBuilder OutputDataModel(kprC_AnalysisProductEnm product) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  b.Steps().SetAnalysisProduct(product);
  return b;
}

}  // namespace aif_test
