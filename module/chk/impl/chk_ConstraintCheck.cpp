#include "chk/impl/chk_ConstraintCheck.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_Finding.h"
#include "chk/impl/chk_RootAssembly.h"

namespace {

const char* const kConstraintCheckFile = "module/chk/impl/chk_ConstraintCheck.cpp";

}  // namespace

chk_ConstraintCheck::chk_ConstraintCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_ConstraintCheck::chk_ConstraintCheck(const chk_ConstraintCheck& other) = default;

chk_ConstraintCheck::~chk_ConstraintCheck() = default;

chk_ConstraintCheck* chk_ConstraintCheck::Clone() const {
  return new chk_ConstraintCheck(*this);
}

void chk_ConstraintCheck::CollectDiscreteRigidInstances(const ftr_FeatureList& features) {
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && asoK_Assembly::GetOriginalPart(*instance).GetAnalysis() == ptoK_DISCRETE_RIGID)
      discreteRigidInstances_.Append(id);
  }
}

void chk_ConstraintCheck::Run() {
  const asoK_Assembly* root = chk_RootAssembly(Model(), kConstraintCheckFile, __LINE__);
  if (!root) return;
  const asoK_Assembly& assembly = *root;
  if (assembly.IsOutOfDate()) return;
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  CollectDiscreteRigidInstances(features);

  chk_Finding points(
      "At least one of the points associated with the following\ndisplay body constraints have "
      "been suppressed/deleted.\n",
      chk_LineForm::kIndented,
      "For each of these constraints, one of the following actions\nmust be taken:\n- Resume the "
      "point if it was suppressed\n- Use the point editing function in the editor dialog to\n   "
      "reselect the points.\n- Delete the display body constraint.\n- Set motion control in the "
      "editor dialog to No Motion.");
  chk_Finding rigid(
      "Display body constraints cannot refer to discrete rigid\nparts. The following constraints "
      "violate this restriction:\n",
      chk_LineForm::kIndented,
      "For each of these constraints, one of the following actions\nmust be taken:\n- Reselect "
      "the part instance.\n- Delete the display body constraint.");
  cow_List<cow_String> pointNames;
  cow_List<cow_String> rigidNames;

  const auto& constraints = nex_canDynamicCastRef<const mdl_MapString2ObjCow<kcoC_Constraint>>(
      Model().ConstGetExtension(bas_NewModel::constraintCmd), kConstraintCheckFile, __LINE__);
  for (const auto& entry : constraints.ConstGetMap()) {
    const cow_String& name = entry.first;
    if (entry.second->Suppressed()) continue;
    if (entry.second->DynTypeId() != kcoC_DisplayBody::TypeId()) continue;
    const auto& body = nex_canDynamicCastRef<const kcoC_DisplayBody>(
        *entry.second, kConstraintCheckFile, __LINE__);
    const asoF_PartInstance* instance =
        asoF_Utils::ConstGetPartInstance(features, body.InstanceId());
    if (!instance || instance->Name().IsEmpty()) {
      WarningList().Append(atr_TranslateWithArg(
          "This model contains a display body (%s) that references a deleted part instance. This "
          "constraint will not be written to the input file.",
          name));
    } else if (!instance->ActiveForSimulation()) {
      WarningList().Append(atr_TranslateWithArg(
          "This model contains a display body (%s) that references a suppressed part instance. "
          "This constraint will not be written to the input file.",
          name));
    }
    if (discreteRigidInstances_.IsMember(body.InstanceId()) && rigidNames.AppendUnlessMember(name))
      rigid.Add(name);
    for (int point = 0; point < 3; ++point) {
      const cow_COW<gsl_Dot>& dot = body.ReferencePoint(point);
      if (dot.IsNull() || dot->FindEntity(features)) continue;
      if (pointNames.AppendUnlessMember(name)) points.Add(name);
    }
  }

  points.AppendTo(ErrorList());
  if (!rigid.IsEmpty() && !ErrorList().IsEmpty()) ErrorList().Append(atr_Translate("\n\n"));
  rigid.AppendTo(ErrorList());
}
