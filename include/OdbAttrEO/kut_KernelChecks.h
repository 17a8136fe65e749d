// The kernel's model checks that the check controls register. In the stand-in
// each is a check that finds nothing: it keeps the arguments it was made with
// (as texts, after the model name) and its Run records its class name in
// hst_CallLog, so that the registration and run order can be followed.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_Modules.h"
#include "OdbAttrEO/kut_CheckControl.h"

template <class Derived>
class kut_RecordingCheck : public kut_Check {
 public:
  kut_Check* Clone() const override { return new Derived(static_cast<const Derived&>(*this)); }
  void Run() override { hst_CallLog::Record(kut_CheckClassName(*this).CStr()); }
  // The constructor's arguments after the model and its name, as texts
  // (a flag as "true" or "false").
  const std::vector<std::string>& Arguments() const { return arguments_; }

 protected:
  kut_RecordingCheck(const bas_NewModel& model, const cow_String& modelName,
                     std::vector<std::string> arguments = {})
      : kut_Check(model, modelName), arguments_(std::move(arguments)) {}

 private:
  std::vector<std::string> arguments_;
};

inline std::string kut_FlagText(bool flag) {
  return flag ? "true" : "false";
}

#define KUT_MODEL_CHECK(Name)                                    \
  class Name final : public kut_RecordingCheck<Name> {           \
   public:                                                       \
    Name(const bas_NewModel& model, const cow_String& modelName) \
        : kut_RecordingCheck<Name>(model, modelName) {}          \
  };
#define KUT_FLAG_CHECK(Name)                                                       \
  class Name final : public kut_RecordingCheck<Name> {                             \
   public:                                                                         \
    Name(const bas_NewModel& model, const cow_String& modelName, const bool& flag) \
        : kut_RecordingCheck<Name>(model, modelName, {kut_FlagText(flag)}) {}      \
  };
#define KUT_TASK_CHECK(Name)                                                                 \
  class Name final : public kut_RecordingCheck<Name> {                                       \
   public:                                                                                   \
    Name(const bas_NewModel& model, const cow_String& modelName, const cow_String& taskName) \
        : kut_RecordingCheck<Name>(model, modelName, {taskName.Str()}) {}                    \
  };

KUT_MODEL_CHECK(kfdK_FieldCheck)
KUT_MODEL_CHECK(kseK_CompositeLayupCheck)
KUT_MODEL_CHECK(kseK_MaterialOrientationCheck)
KUT_MODEL_CHECK(kseK_SectionAssignmentCheck)
KUT_FLAG_CHECK(kinK_InteractionCheck)
KUT_MODEL_CHECK(kcoK_ConstraintContainerCheck)
KUT_MODEL_CHECK(kprK_StepContainerCheck)
KUT_MODEL_CHECK(kmaK_MaterialContainerCheck)
KUT_MODEL_CHECK(kloK_LoadCheck)
KUT_MODEL_CHECK(kbcK_BCCheck)
KUT_MODEL_CHECK(klcK_StepContainerCheck)
KUT_MODEL_CHECK(kcnK_ConnectorCheck)
KUT_MODEL_CHECK(kpfK_FieldCheck)
// Keeps the adaptivity setting's value, not the reference it is given.
KUT_FLAG_CHECK(karK_RemeshingRuleCheck)
KUT_TASK_CHECK(kopK_OptimizationCheck)
KUT_TASK_CHECK(kopK_DesignResponseCheck)
KUT_TASK_CHECK(kopK_ObjectiveFunctionCheck)
KUT_TASK_CHECK(kopK_ConstraintCheck)
KUT_TASK_CHECK(kopK_GeometricRestrictionCheck)

// The co-execution's check, made with the master model and its name; keeps
// the master and slave model names.
class kinK_CosimulationCheck final : public kut_RecordingCheck<kinK_CosimulationCheck> {
 public:
  kinK_CosimulationCheck(const ajbC_Coexecution& coexecution, const bas_NewModel& masterModel,
                         const cow_String& masterModelName)
      : kut_RecordingCheck<kinK_CosimulationCheck>(masterModel, masterModelName,
                                                   SlaveNames(coexecution)) {}

 private:
  static std::vector<std::string> SlaveNames(const ajbC_Coexecution& coexecution) {
    std::vector<std::string> names{coexecution.MasterModelName().Str()};
    for (const cow_String& name : coexecution.SlaveModelNames())
      names.push_back(name.Str());
    return names;
  }
};

#undef KUT_MODEL_CHECK
#undef KUT_FLAG_CHECK
#undef KUT_TASK_CHECK
