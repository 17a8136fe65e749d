#include "aif/impl/conditions/aif_InitialConditionBuilder.h"

#include <algorithm>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kInitialConditionBuilderFile[] =
    "module/aif/impl/conditions/aif_InitialConditionBuilder.cpp";
// The kind of contact-property sub-option that carries solution-dependent
// variables.
constexpr int kInitialConditionDepvarOption = 5;

}  // namespace

cow_String aif_ActuatorSensorSetName(const aif_ModelInfo& info, const rgnC_Region& region) {
  if (info.AnalysisProduct() != kprC_STANDARD) return cow_String();
  const rgnK_Region kernel(info.Assembly(), info.ModelName(), region);
  if (!kernel.IsValid(true) || !kernel.OriginalPartInstancesStillExist()) return cow_String();
  aif_RegionName name(region, info);
  name.SetSuffix("_AS_");
  return name.QualifiedName(2);
}

aif_InitialConditionBuilder::aif_InitialConditionBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), header_("INITIAL CONDITIONS") {}

aif_ModelInfo& aif_InitialConditionBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_InitialConditionBuilder::Build() {
  AddCracks();
  AddActuatorSensors();
}

void aif_InitialConditionBuilder::AddCracks() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly || !assembly->EngineeringFeaturesReady()) return;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly->ConstGetEngineeringFeatures(), kInitialConditionBuilderFile, __LINE__);
  const cow_String& initial = info.Model().InitialStepName();
  for (const auto& [name, object] : features.Cracks().ConstGetMap()) {
    if (object->DynTypeId() != kefC_XFEMCrack::TypeId()) continue;
    const auto& crack = nex_canDynamicCastRef<const kefC_XFEMCrack>(
        *object, kInitialConditionBuilderFile, __LINE__);
    if (crack.IsSuppressed()) continue;
    AddStepDefinition(initial, aif_InitialConditions(crack, name, &info, kefC_XFEMCrack::TypeId()));
  }
}

int aif_InitialConditionBuilder::SolutionVariableCount() const {
  const aif_Model& model = Info().ModelAdapter();
  int count = 0;
  bool any = false;
  for (const auto& [name, interaction] : model.Interactions().ConstGetMap()) {
    if (interaction->Suppressed() || interaction->DynTypeId() != kinC_ActuatorSensor::TypeId())
      continue;
    any = true;
    count = std::max(count, nex_canDynamicCastRef<const kinC_ActuatorSensor>(
                                *interaction, kInitialConditionBuilderFile, __LINE__)
                                .VariableCount());
  }
  if (!any) return 0;
  for (const auto& [name, material] : model.Materials().ConstGetMap())
    if (!material->depvar.IsNull()) count = std::max(count, material->depvar->variableCount);
  // Every contact property counts, whatever sub-option the ones before it
  // hold.
  for (const auto& [name, property] : model.InteractionProperties().ConstGetMap()) {
    if (property->DynTypeId() != kinC_ContactProperty::TypeId()) continue;
    const auto& contact = nex_canDynamicCastRef<const kinC_ContactProperty>(
        *property, kInitialConditionBuilderFile, __LINE__);
    if (contact.FirstOptionKind() == kInitialConditionDepvarOption)
      count = std::max(count, contact.Get<kinC_ContactStateVariables>().count);
  }
  return count;
}

void aif_InitialConditionBuilder::AddActuatorSensors() {
  aif_ModelInfo& info = Info();
  const int count = SolutionVariableCount();
  const cow_String& initial = info.Model().InitialStepName();
  for (const auto& [name, interaction] : info.ModelAdapter().Interactions().ConstGetMap()) {
    if (interaction->Suppressed() || interaction->DynTypeId() != kinC_ActuatorSensor::TypeId())
      continue;
    const auto& actuator = nex_canDynamicCastRef<const kinC_ActuatorSensor>(
        *interaction, kInitialConditionBuilderFile, __LINE__);
    const cow_String setName = aif_ActuatorSensorSetName(info, actuator.Region());
    // Without its set the actuator has nothing to name.
    if (setName.IsEmpty()) continue;
    AddStepDefinition(initial, aif_InitialConditions(actuator, setName, count, &info,
                                                     kinC_ActuatorSensor::TypeId()));
  }
}
