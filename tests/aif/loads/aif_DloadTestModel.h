// The model the "*Dload" tests write in: a part "P" of four bricks with one
// instance "I-1" (id 1), or two instances "I-1" and "I-2" (ids 1 and 2),
// part-based or flat; steps "Step-1" and "Step-2"; analytical and discrete
// fields added before the model is made.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kloC_Load.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace aif_dload_test {

class Model {
 public:
  explicit Model(int instances = 1) {
    builder_.AddPart("P", hst_GridMesh(4, 1, 1));
    for (int i = 1; i <= instances; ++i)
      builder_.AddInstance(("I-" + std::to_string(i)).c_str(), "P");
    builder_.AddStep("Step-1", kprC_StaticStep());
    builder_.AddStep("Step-2", kprC_StaticStep());
  }
  hst_ModelBuilder& Builder() { return builder_; }

  // The context of a part-based or a flat file; `elementOffset` is the
  // value of TVN_AIF_ELEMENTOFFSET (flat files only).
  const aif_ModelInfo& Info(bool flat = false, const char* elementOffset = nullptr) {
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    if (elementOffset) setenv("TVN_AIF_ELEMENTOFFSET", elementOffset, 1);
    model_ = builder_.Model();
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    unsetenv("TVN_AIF_ELEMENTOFFSET");
    return *info_;
  }

 private:
  hst_ModelBuilder builder_;
  bas_NewModel model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

// An element region of instance `id` holding element indices `indices`
// (from 0) with the face names `faces`.
inline rgnC_Region Elements(std::initializer_list<int> indices,
                            std::initializer_list<cow_String> faces = {}, int id = 1) {
  rgnC_Region region("Surf-1", {"I-" + std::to_string(id)});
  region.SetKernelValid(true);
  region.SetKernelInstanceIds({static_cast<unsigned>(id)});
  region.SetKernelElementIndices(id, cow_List<int>(indices), cow_List<cow_String>(faces));
  return region;
}

// Gives `load` in "Step-1" a state of status `status` whose values
// `values` all carry `valueStatus`.
inline void SetState(kloC_Load& load, int status, std::initializer_list<double> values,
                     int valueStatus = 1, const char* amplitude = "") {
  kloC_LoadState state(valueStatus, values);
  state.SetStatus(status);
  if (*amplitude) state.SetAmplitude(amplitude, 1);
  load.SetState("Step-1", status, state);
}

// An expression field of the constant `value`.
inline kfdC_ExpressionField Constant(double value) {
  kfdC_ExpressionField field;
  field.expression = std::to_string(value).c_str();
  field.constant = value;
  return field;
}

// The checking messages and warnings, each taken and cleared.
inline cow_List<atr_String> TakeMessages() {
  cow_List<atr_String> messages = ajbC_CheckingMessages::Instance().Messages();
  ajbC_CheckingMessages::Instance().Messages().Clear();
  return messages;
}

inline std::string MissingLoadMessage(const std::string& kind, const std::string& load,
                                      const std::string& field) {
  return "\nDue to the failure of evaluating the " + kind + " \"" + load +
         "\"\nfrom analytical field \"" + field +
         "\",\nthis load will be missing in the input file.";
}

}  // namespace aif_dload_test
