#include "aif/impl/conditions/aif_AdptMeshConsBuilder.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_AdptMeshCons.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kAdptMeshConsBuilderFile[] =
    "module/aif/impl/conditions/aif_AdptMeshConsBuilder.cpp";

}  // namespace

aif_AdptMeshConsBuilder::aif_AdptMeshConsBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), header_("ADAPTIVE MESH CONSTRAINTS") {}

aif_ModelInfo& aif_AdptMeshConsBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_AdptMeshConsBuilder::Build() {
  const aif_Model& model = Info().ModelAdapter();
  const kprC_StepContainer& steps = model.Steps();
  const auto& constraints = model.AdaptiveMeshConstraints();
  opStatus_.BuildAdptMeshConsOpStatus(steps.UnsuppressedKeys(), constraints);
  opStatus_.MarkStepsAfterRestart(
      Info(), steps, [](const kprC_AnalysisStep& step) { return step.Perturbation(); });
  names_ = cow_List<cow_String>();

  const cow_List<cow_String>& stepNames = steps.Keys();
  for (std::size_t i = 1; i < stepNames.Length(); ++i) {
    const cow_String& step = stepNames[i];
    if (!steps.Contains(step) || steps.ConstGet(step).Suppressed()) continue;
    for (const auto& [name, constraint] : constraints.ConstGetMap())
      if (!constraint->Suppressed()) AddConstraint(name, *constraint, step);
  }
}

void aif_AdptMeshConsBuilder::AddConstraint(const cow_String& name,
                                            const kprC_AdptMeshCons& constraint,
                                            const cow_String& step) {
  const int status = constraint.GetPropStatus(step);
  const bool restated = status == 2 || status == 9;
  if (!restated && status != 1 && status != 3 && status != 4 && status != 10 && status != 11)
    return;
  // A kind no keyword writes is named before the op status is asked, which
  // would refuse it without the constraint's name.
  const unsigned typeId = constraint.DynTypeId();
  if (typeId != kprC_DispAdptMeshCons::TypeId() && typeId != kprC_VelAdptMeshCons::TypeId())
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "Unimplemented keyword for adaptive mesh constraint, %s", name)),
                         kAdptMeshConsBuilderFile, __LINE__);
  const bool keepOp = !opStatus_.NeedsNewOp(typeId, step);
  if (restated && keepOp) return;

  aif_ModelInfo& info = Info();
  AddStepDefinition(step, header_.StepDefinitionHeader(step));
  AddStepDefinition(step, aif_Comment("Name: " + name +
                                      " Type: " + kprC_AdptMeshConsTypeLabelMap::Label(typeId)));
  AddStepDefinition(
      step,
      aif_AdptMeshCons(constraint, step, keepOp,
                       aif_RegionName(constraint.Region(), info).QualifiedName(2),
                       info.ModelAdapter().ShellToSolidSubmodel(), info.Model().InitialStepName()));
}
