// What the field and history output checks share: the root assembly and its
// engineering features, the fastener test of a request, the per-step rules
// of a request's output frequency, and the three findings they collect.
#pragma once

#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/bas_NewModel.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_OutputConsistency.h"
#include "OdbAttrEO/kprC_Step.h"
#include "chk/impl/chk_Finding.h"

class chk_OutputRequestRules {
 public:
  // Reads the root assembly (a default one when the model has none), its
  // engineering features when its valid flag is set, and the steps of
  // `model`; `field` picks the field requests' texts, else the history
  // requests'. Type tests fail naming `file`.
  chk_OutputRequestRules(const bas_NewModel& model, const char* file, bool field);
  chk_OutputRequestRules(const chk_OutputRequestRules&) = delete;
  chk_OutputRequestRules& operator=(const chk_OutputRequestRules&) = delete;

  const asoK_Assembly& Assembly() const { return assembly_; }
  // The assembly's valid flag: clear for a model without an assembly.
  bool AssemblyValid() const { return features_ != nullptr; }
  // The assembly's engineering features; only when AssemblyValid().
  const kefC_EngineeringFeatures& Features() const { return *features_; }
  const kprC_StepContainer& Steps() const { return *steps_; }

  // Lists `request` when the fastener it names cannot take output: the
  // assembly is not valid, the fastener does not exist, or it is a point
  // fastener that is suppressed or uses the Rigid MPC setting.
  void TestFastener(const cow_String& request, const cow_String& fastener);

  // For every step, in step order, in which `request` is active and which is
  // not suppressed: number-interval output where the step cannot honour it,
  // and time marks where the step ignores them.
  template <class Request>
  void TestSteps(const cow_String& name, const Request& request) {
    for (const cow_String& stepName : steps_->Keys()) {
      if (!request.HasStep(stepName) || !korC_Output::IsActive(request.Status(stepName))) continue;
      const kprC_Step& step = steps_->ConstGet(stepName);
      if (step.Suppressed()) continue;
      const korC_OutputState state = request.ConstGetState(stepName);
      TestState(name, stepName, step, state);
    }
  }

  // Appends the number-interval error, the time-marks warning and the
  // fastener error, each only when it lists something.
  void AppendTo(cow_List<atr_String>& errors, cow_List<atr_String>& warnings) const;

 private:
  void TestState(const cow_String& request, const cow_String& stepName, const kprC_Step& step,
                 const korC_OutputState& state);

  const char* file_;
  asoK_Assembly assembly_;
  const kefC_EngineeringFeatures* features_ = nullptr;
  const kprC_StepContainer* steps_ = nullptr;
  chk_Finding numberInterval_;
  chk_Finding timeMarks_;
  chk_Finding fasteners_;
};
