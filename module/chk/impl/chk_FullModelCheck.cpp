#include "chk/impl/chk_FullModelCheck.h"

#include "OdbAttrEO/kut_KernelChecks.h"
#include "VwrCmd/cmdC_WIP.h"
#include "chk/impl/chk_AdaptivityModelCheck.h"
#include "chk/impl/chk_BCCheck.h"
#include "chk/impl/chk_BeamSectionsCheck.h"
#include "chk/impl/chk_ConstraintCheck.h"
#include "chk/impl/chk_CrackCheck.h"
#include "chk/impl/chk_EngineeringFeaturesCheck.h"
#include "chk/impl/chk_FieldOutputCheck.h"
#include "chk/impl/chk_HistoryOutputCheck.h"
#include "chk/impl/chk_IntegratedOutputSectionCheck.h"
#include "chk/impl/chk_MeshCheck.h"
#include "chk/impl/chk_PhysicalConstantsCheck.h"
#include "chk/impl/chk_RestartReadCheck.h"
#include "chk/impl/chk_RestartTransformsCheck.h"
#include "chk/impl/chk_RigidSurfaceCheck.h"
#include "chk/impl/chk_StepCheck.h"
#include "chk/impl/chk_TransformsCheck.h"

namespace {

// What each registered check may be made with.
struct chk_ModelCheckArguments {
  const bool& adaptivity;
  const bas_NewModel& model;
  const cow_String& modelName;
  const ajbC_Job& job;
  const cow_String& jobName;
  bool flag;
};

// When a row of the registration table applies.
enum class chk_ModelCheckForm { kBoth, kJobOnly, kAdaptivityOnly };

}  // namespace

chk_FullModelCheck::chk_FullModelCheck(const bas_NewModel& model, const cow_String& modelName,
                                       const ajbC_Job& job, const cow_String& jobName, bool flag) {
  AddModelChecks(false, model, modelName, job, jobName, flag);
}

chk_FullModelCheck::chk_FullModelCheck(const bas_NewModel& model, const cow_String& modelName,
                                       const ajbC_Adaptivity& adaptivity, bool flag) {
  AddModelChecks(true, model, modelName, adaptivity.Job(), cow_String(), flag);
}

chk_FullModelCheck::~chk_FullModelCheck() = default;

void chk_FullModelCheck::AddModelChecks(bool adaptivity, const bas_NewModel& model,
                                        const cow_String& modelName, const ajbC_Job& job,
                                        const cow_String& jobName, bool flag) {
  using Args = chk_ModelCheckArguments;
  using Form = chk_ModelCheckForm;
  struct Row {
    Form form;
    void (*add)(chk_FullModelCheck& control, const Args& args);
  };
  // The registration order. Every check is made with the model and its name
  // and whatever else its row passes.
  static const Row kRows[] = {
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_MeshCheck(a.model, a.modelName)); }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_RigidSurfaceCheck(a.model, a.modelName)); }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_TransformsCheck(a.model, a.modelName)); }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(kfdK_FieldCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kseK_CompositeLayupCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kseK_MaterialOrientationCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kseK_SectionAssignmentCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kinK_InteractionCheck(a.model, a.modelName, a.flag));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_BeamSectionsCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kcoK_ConstraintContainerCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kprK_StepContainerCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(kmaK_MaterialContainerCheck(a.model, a.modelName));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(kloK_LoadCheck(a.model, a.modelName)); }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(kbcK_BCCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(klcK_StepContainerCheck(a.model, a.modelName));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_FieldOutputCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_HistoryOutputCheck(a.model, a.modelName));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_ConstraintCheck(a.model, a.modelName)); }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(kcnK_ConnectorCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_PhysicalConstantsCheck(a.model, a.modelName));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(kpfK_FieldCheck(a.model, a.modelName)); }},
      {Form::kJobOnly,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_RestartReadCheck(a.model, a.modelName, a.job, a.jobName));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_CrackCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_IntegratedOutputSectionCheck(a.model, a.modelName, a.job));
       }},
      {Form::kBoth, [](chk_FullModelCheck& c,
                       const Args& a) { c.AddCheck(chk_StepCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_EngineeringFeaturesCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) { c.AddCheck(chk_BCCheck(a.model, a.modelName)); }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_RestartTransformsCheck(a.model, a.modelName));
       }},
      {Form::kBoth,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(karK_RemeshingRuleCheck(a.model, a.modelName, a.adaptivity));
       }},
      {Form::kAdaptivityOnly,
       [](chk_FullModelCheck& c, const Args& a) {
         c.AddCheck(chk_AdaptivityModelCheck(a.model, a.modelName));
       }},
  };
  const Args args{adaptivity, model, modelName, job, jobName, flag};
  cmdC_WIP::ProcessStart(cow_String());
  for (const Row& row : kRows) {
    if (row.form == Form::kJobOnly && adaptivity) continue;
    if (row.form == Form::kAdaptivityOnly && !adaptivity) continue;
    row.add(*this, args);
  }
  cmdC_WIP::ProcessComplete();
}
