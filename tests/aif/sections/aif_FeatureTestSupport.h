// Builders of engineering features (springs, inertias, substructures) run
// over a composed model, and what each of their lists writes.
#pragma once

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace aif_test {

template <class Builder>
struct FeatureBuilt {
  explicit FeatureBuilt(const hst_ModelBuilder& b)
      : model(b.Model()), job("Job-1", b.Job(), model), info(job), builder(info) {
    builder.Build();
  }
  static std::string Text(const akw_KeywordList& list) {
    return WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
  }
  std::string Part(const char* name) const { return Text(builder.PartDefinition(name)); }
  std::string Instance(const char* name) const { return Text(builder.InstanceDefinition(name)); }
  std::string Assembly() const { return Text(builder.AssemblyDefinition()); }
  std::string Model() const { return Text(builder.ModelDefinition()); }

  bas_NewModel model;
  aif_Job job;
  aif_ModelInfo info;
  Builder builder;
};

// A region of `owners` named `name` whose nodes are `nodes` (indices from 0)
// on each instance of `on`.
inline rgnC_Region FeatureRegion(const cow_String& name, cow_List<cow_String> owners,
                                 std::initializer_list<unsigned> on, cow_List<int> nodes) {
  rgnC_Region region(name, std::move(owners));
  for (unsigned id : on)
    region.SetKernelNodeIndices(static_cast<int>(id), nodes);
  return region;
}

}  // namespace aif_test
