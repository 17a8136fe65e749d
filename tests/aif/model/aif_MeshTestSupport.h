// What the model tests share: a write context over a builder's model, flat or
// part-based, the message a keyword's write refuses with, and data lines.
#pragma once

#include <initializer_list>
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

// The aif_Exception message `f` throws, or "no error".
template <class F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "no error";
}

// The aif_Exception message of writing `keyword`, or "no error".
inline std::string ErrorOf(const akw_Keyword& keyword) {
  return MessageOf([&] { KeywordText(keyword); });
}

// A data line: each value right-aligned in 12 columns, joined by `separator`.
inline std::string Row(std::initializer_list<std::string> values,
                       const std::string& separator = ", ") {
  std::string line;
  for (const std::string& value : values)
    line += (line.empty() ? "" : separator) +
            std::string(value.size() < 12 ? 12 - value.size() : 0, ' ') + value;
  return line + "\n";
}

}  // namespace aif_test
