#include "chk/impl/chk_RestartTransformsCheck.h"

#include "OdbAttrEO/kbcK_CollectBCCsysRegionAndStep.h"
#include "OdbAttrEO/kloK_CollectLoadCsysRegionAndStep.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbAttrEO/kprK_CollectAMCCsysRegionAndStep.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_Finding.h"

namespace {

const char* const kRestartTransformsCheckFile = "module/chk/impl/chk_RestartTransformsCheck.cpp";

}  // namespace

chk_RestartTransformsCheck::chk_RestartTransformsCheck(const bas_NewModel& model,
                                                       const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_RestartTransformsCheck::chk_RestartTransformsCheck(const chk_RestartTransformsCheck& other) =
    default;

chk_RestartTransformsCheck::~chk_RestartTransformsCheck() = default;

chk_RestartTransformsCheck* chk_RestartTransformsCheck::Clone() const {
  return new chk_RestartTransformsCheck(*this);
}

void chk_RestartTransformsCheck::Run() {
  if (Model().RestartJobName().IsEmpty()) return;
  const kprC_StepContainer& steps = nex_canDynamicCastRef<const kprC_StepContainer>(
      Model().ConstGetExtension(bas_NewModel::stepCmd), kRestartTransformsCheckFile, __LINE__);
  // The unsuppressed steps after the restart step (the initial step is never
  // the restart step here).
  cow_List<cow_String> laterSteps;
  bool afterRestart = false;
  const cow_List<cow_String>& names = steps.Keys();
  for (std::size_t i = 1; i < names.Length(); ++i) {
    if (afterRestart) {
      if (!steps.ConstGet(names[i]).Suppressed()) laterSteps.Append(names[i]);
    } else if (names[i] == Model().RestartStepName()) {
      afterRestart = true;
    }
  }
  if (laterSteps.IsEmpty()) return;

  cow_List<rgnC_Region> regions;
  cow_List<dtmC_DatumRef> datums;
  cow_List<cow_String> objects;
  cow_List<cow_String> createdIn;
  kloK_CollectLoadCsysRegionAndStep(ModelName(), regions, datums, objects, createdIn);
  const std::size_t loads = objects.Length();
  kbcK_CollectBCCsysRegionAndStep(ModelName(), regions, datums, objects, createdIn);
  const std::size_t bcs = objects.Length();
  kprK_CollectAMCCsysRegionAndStep(ModelName(), regions, datums, objects, createdIn);

  chk_Finding finding(
      "Since the current model is being used for restart analysis, the CSYS transforms\nfor the "
      "following newly created attributes will not be written out:\n%s",
      chk_LineForm::kJoined);
  for (std::size_t i = 0; i < objects.Length(); ++i) {
    if (!laterSteps.IsMember(createdIn[i])) continue;
    const char* kind = i < loads ? " (Load)" : i < bcs ? " (BC)" : " (Adaptive Mesh Constraint)";
    finding.Add(cow_String(objects[i].Str() + kind));
  }
  finding.AppendTo(WarningList());
}
