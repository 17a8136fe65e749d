// What the node and element tests share: a write context over a builder's
// model, flat or part-based, and the message a keyword's write refuses with.
#pragma once

#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace aif_test {

struct MeshContext {
  MeshContext(const hst_ModelBuilder& b, bool flat)
      : model(b.Model()), job("J", b.Job(), model), info(Make(job, flat)) {}
  static std::unique_ptr<aif_ModelInfo> Make(const aif_Job& job, bool flat) {
    pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", flat ? 1 : 0);
    auto info = std::make_unique<aif_ModelInfo>(job);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    return info;
  }
  const ftr_FeatureList& Features() const { return info->Assembly()->ConstGetFeatureList(); }
  const asoF_PartInstance& Instance(unsigned id) const {
    return *asoF_Utils::ConstGetPartInstance(Features(), id);
  }

  bas_NewModel model;
  aif_Job job;
  std::unique_ptr<aif_ModelInfo> info;
};

// The aif_Exception message of writing `keyword`, or "no error".
inline std::string ErrorOf(const akw_Keyword& keyword) {
  try {
    KeywordText(keyword);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "no error";
}

}  // namespace aif_test
