// The interaction-property pass of the interaction builder: every property of
// the model, with the copies under generated names that step-dependent
// contact names, then the properties incident waves and actuators/sensors
// reach through their interactions.
#include <cfloat>
#include <string>
#include <unordered_set>

#include "AFCInputFileWriter/akw_Model.h"
#include "BasShared/atr_String.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kinC_AcousticImpedanceProp.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_InitialConditionBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/interactions/aif_AcousticImpedanceProp.h"
#include "aif/impl/interactions/aif_CONWEPChargeProperty.h"
#include "aif/impl/interactions/aif_CohesiveBehavior.h"
#include "aif/impl/interactions/aif_ContactDamping.h"
#include "aif/impl/interactions/aif_Emissivity.h"
#include "aif/impl/interactions/aif_FilmProperty.h"
#include "aif/impl/interactions/aif_FractureCriterion.h"
#include "aif/impl/interactions/aif_GapConductance.h"
#include "aif/impl/interactions/aif_GapHeatGeneration.h"
#include "aif/impl/interactions/aif_GapRadiation.h"
#include "aif/impl/interactions/aif_IncidentWaveProperty.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/impl/interactions/aif_SurfaceBehavior.h"
#include "aif/impl/interactions/aif_SurfaceInteraction.h"
#include "aif/impl/interactions/aif_SurfaceProperty.h"
#include "aif/impl/interactions/aif_UNDEXChargeProperty.h"
#include "aif/impl/interactions/aif_UelProperty.h"
#include "aif/impl/materials/aif_DamageEvolution.h"
#include "aif/impl/materials/aif_DamageInitiation.h"
#include "aif/impl/materials/aif_DamageStabilization.h"
#include "aif/impl/sections/aif_Friction.h"

namespace {

constexpr char kInteractionPropertiesFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilderProperties.cpp";

// The first step, in step order, that creates `interaction`; empty when none
// does.
cow_String PropertyPassCreateStep(const kinC_Interaction& interaction,
                                  const cow_List<cow_String>& steps) {
  for (const cow_String& step : steps)
    if (interaction.GetPropStatus(step) == 1) return step;
  return cow_String();
}

}  // namespace

// Copies go in only where the product writes generated names. A Standard pair
// whose property a later step changes gets one copy, "_<name>-Prop", of the
// property of the step that creates it. General contact gets one copy per
// property assignment of the step that creates it, "_<name>-Prop<j>" for the
// assignment at position j (from 1), a copy of the property assigned there: the
// names its assignments and "*Change Friction" lines use. Assignments not set
// in that step, or naming no property, get none; an assignment a later step
// adds gets the copy of the property first assigned there. A generated name
// that a property of the model already has, in any letter case, would stand for
// that property in the solver: it stops the write.
void aif_InteractionBuilder::AddGeneratedProperties(
    mdl_MapString2ObjCow<kinC_InteractionProperty>& properties) const {
  if (!aif_GeneratesPropertyNames(Info().AnalysisProduct())) return;
  const aif_Model& model = Info().ModelAdapter();
  const mdl_MapString2ObjCow<kinC_InteractionProperty>& own = model.InteractionProperties();
  const cow_List<cow_String> steps = model.Steps().UnsuppressedKeys();
  const auto& interactions = model.Interactions();
  std::unordered_set<std::string> ownNames;
  for (const cow_String& name : own.Keys())
    ownNames.insert(aif_UpperCaseName(name).Str());
  auto insert = [&](const cow_String& interactionName, const cow_String& generated,
                    const cow_String& from) {
    if (ownNames.count(aif_UpperCaseName(generated).Str()))
      nex_Exception::Throw(
          aif_Exception(atr_TranslateFormat3(
              "The interaction %s needs a property named %s for %s, but the model has an "
              "interaction property of that name already.",
              interactionName, generated, from)),
          kInteractionPropertiesFile, __LINE__);
    properties.Set(generated, own.ConstGet(from));
  };
  for (const cow_String& name : interactions.Keys()) {
    const kinC_Interaction& interaction = interactions.ConstGet(name);
    if (interaction.Suppressed()) continue;
    const unsigned typeId = interaction.DynTypeId();
    if (typeId == kinC_SurfaceToSurfaceContactStd::TypeId() ||
        typeId == kinC_SelfContactStd::TypeId()) {
      if (!aif_ContactPairPropertyChanges(interaction, steps)) continue;
      const kinC_ContactPairState& creation = CreationState(interaction, name);
      CheckContactPairNames(interaction, name, steps, interaction.CreateStepName());
      insert(name, aif_ChangedPropertyName(name), creation.InteractionProperty().Value());
      continue;
    }
    if (typeId != kinC_ContactStd::TypeId()) continue;
    const cow_List<cow_String> history = aif_ContactPropertyHistory(interaction, steps);
    if (history.IsEmpty()) continue;
    const cow_String created = PropertyPassCreateStep(interaction, steps);
    if (created.IsEmpty() || !interaction.HasStep(created)) continue;
    const auto& state = nex_canDynamicCastRef<const kinC_ContactExpState>(
        interaction.ConstGetState(created), kInteractionPropertiesFile, __LINE__);
    for (std::size_t j = 0; j < state.properties.Length(); ++j) {
      const mdl_PropAttr<cow_String>& assigned = state.properties[j];
      if (assigned.Status() == 0 || assigned.Value().IsEmpty()) continue;
      insert(name, aif_ChangedPropertyName(name) + aif_NumberText(static_cast<int>(j) + 1),
             assigned.Value());
    }
    // An assignment a later modifying step adds beyond those of the
    // creating step gets no definition of its own, but the steps after it
    // change its friction under its generated name: that name needs a
    // property too, a copy of the one first assigned there.
    std::size_t known = state.properties.Length();
    bool after = false;
    for (const cow_String& step : steps) {
      if (step == created) {
        after = true;
        continue;
      }
      if (!after || interaction.GetPropStatus(step) != 3 || !interaction.HasStep(step)) continue;
      const auto& later = nex_canDynamicCastRef<const kinC_ContactExpState>(
          interaction.ConstGetState(step), kInteractionPropertiesFile, __LINE__);
      for (std::size_t j = known; j < later.properties.Length(); ++j) {
        const mdl_PropAttr<cow_String>& assigned = later.properties[j];
        if (assigned.Status() == 0) continue;
        known = j + 1;
        if (!assigned.Value().IsEmpty())
          insert(name, aif_ChangedPropertyName(name) + aif_NumberText(static_cast<int>(j) + 1),
                 assigned.Value());
      }
    }
  }
}

void aif_InteractionBuilder::WriteInteractionProperties() {
  mdl_MapString2ObjCow<kinC_InteractionProperty> properties =
      Info().ModelAdapter().InteractionProperties();
  AddGeneratedProperties(properties);

  for (const cow_String& name : properties.Keys()) {
    const cow_COW<kinC_InteractionProperty> property(properties.ConstGet(name));
    const unsigned typeId = property->DynTypeId();
    if (typeId == kinC_ContactProperty::TypeId() || typeId == kinC_FilmConditionProp::TypeId() ||
        typeId == kinC_CavityRadiationProp::TypeId() ||
        typeId == kinC_AcousticImpedanceProp::TypeId())
      aif_CheckWritableName(name, "interaction property");
    if (typeId == kinC_ContactProperty::TypeId()) {
      WriteContactProperty(name, property);
    } else if (typeId == kinC_FilmConditionProp::TypeId()) {
      AddModelDefinition(propertiesHeader.ModelDefinitionHeader());
      AddModelDefinition(aif_FilmProperty(name, *property));
    } else if (typeId == kinC_CavityRadiationProp::TypeId()) {
      AddModelDefinition(propertiesHeader.ModelDefinitionHeader());
      AddModelDefinition(aif_SurfaceProperty(name));
      AddModelDefinition(aif_Emissivity(*property));
    } else if (typeId == kinC_AcousticImpedanceProp::TypeId()) {
      AddModelDefinition(propertiesHeader.ModelDefinitionHeader());
      AddModelDefinition(aif_AcousticImpedanceProp(name, property));
    }
  }

  const aif_Model& model = Info().ModelAdapter();
  const auto& interactions = model.Interactions();
  cow_List<cow_String> writtenWaves;
  for (const cow_String& name : interactions.Keys()) {
    const kinC_Interaction& interaction = interactions.ConstGet(name);
    if (interaction.Suppressed()) continue;
    const unsigned typeId = interaction.DynTypeId();
    if (typeId == kinC_IncidentWave::TypeId()) {
      const auto& wave = nex_canDynamicCastRef<const kinC_IncidentWave>(
          interaction, kInteractionPropertiesFile, __LINE__);
      const cow_String& propertyName = wave.PropertyName();
      if (propertyName.IsEmpty()) continue;
      aif_CheckWritableName(propertyName, "interaction property");
      AddModelDefinition(propertiesHeader.ModelDefinitionHeader());
      const cow_COW<kinC_InteractionProperty> property(
          model.InteractionProperties().ConstGet(propertyName));
      // A property several waves share is written once, with the charge
      // data of the first of them.
      if (writtenWaves.IsMember(propertyName)) continue;
      aif_UNDEXChargeProperty undex(property);
      undex.SetWaveData(wave.WaveValue(), wave.WaveSegment());
      AddModelDefinition(aif_IncidentWaveProperty(propertyName, property));
      AddModelDefinition(aif_CONWEPChargeProperty(property));
      AddModelDefinition(undex);
      writtenWaves.Append(propertyName);
    } else if (typeId == kinC_ActuatorSensor::TypeId() &&
               Info().AnalysisProduct() == kprC_STANDARD) {
      const auto& actuator = nex_canDynamicCastRef<const kinC_ActuatorSensor>(
          interaction, kInteractionPropertiesFile, __LINE__);
      // Empty for a region the kernel no longer resolves: no property then.
      const cow_String elementSet = aif_ActuatorSensorSetName(Info(), actuator.Region());
      if (elementSet.IsEmpty()) continue;
      const cow_String& propertyName = actuator.PropertyName();
      const aif_Comment comment(
          propertyName.IsEmpty()
              ? cow_String("Interaction property: (dummy property), Type: Actuator/Sensor")
              : "Interaction property: " + propertyName + ", Type: Actuator/Sensor");
      AddModelDefinition(propertiesHeader.ModelDefinitionHeader());
      AddModelDefinition(comment);
      AddModelDefinition(aif_UelProperty(
          propertyName.IsEmpty() ? cow_COW<kinC_InteractionProperty>(kinC_ActuatorSensorProp())
                                 : cow_COW<kinC_InteractionProperty>(
                                       model.InteractionProperties().ConstGet(propertyName)),
          elementSet));
    }
  }
}

// "*Surface Interaction" and the behaviour keywords the property holds, in
// the solver's order. The tables the surface behaviour and the contact
// damping read are checked before anything of the property is filed.
void aif_InteractionBuilder::WriteContactProperty(const cow_String& name,
                                                  const cow_COW<kinC_InteractionProperty>& handle) {
  const auto& property = nex_canDynamicCastRef<const kinC_ContactProperty>(
      *handle, kInteractionPropertiesFile, __LINE__);
  const bool surfaceBehavior =
      property.Holds<kinC_NormalBehavior>() || property.Holds<kinC_FractureCriterion>();
  if (surfaceBehavior) aif_SurfaceBehavior::CheckTables(name, property);
  if (property.Holds<kinC_ContactDamping>()) aif_ContactDamping::CheckTable(name, property);

  AddModelDefinition(propertiesHeader.ModelDefinitionHeader());
  const kinC_ContactSection* section = property.Find<kinC_ContactSection>();
  AddModelDefinition(aif_SurfaceInteraction(name, Info(), section ? section->dataValue : 1.0,
                                            section ? section->padThickness : DBL_MAX));
  if (property.Holds<kinC_TangentialBehavior>())
    AddModelDefinition(aif_Friction(handle, &Info(), false));
  if (surfaceBehavior) AddModelDefinition(aif_SurfaceBehavior(handle, Info()));
  if (property.Holds<kinC_CohesiveBehavior>())
    AddModelDefinition(aif_CohesiveBehavior(handle, Info()));
  if (property.Holds<kinC_CohesiveDamage>()) {
    AddModelDefinition(aif_DamageInitiation(handle));
    AddModelDefinition(aif_DamageEvolution(handle));
    AddModelDefinition(aif_DamageStabilization(handle));
  }
  if (property.Holds<kinC_FractureCriterion>())
    AddModelDefinition(aif_FractureCriterion(handle, Info()));
  if (property.Holds<kinC_ContactDamping>()) AddModelDefinition(aif_ContactDamping(handle, Info()));
  if (property.Holds<kinC_GapConductance>())
    AddModelDefinition(aif_GapConductance(property, Info()));
  if (property.Holds<kinC_GapHeatGeneration>())
    AddModelDefinition(aif_GapHeatGeneration(property, Info()));
  if (property.Holds<kinC_GapRadiation>()) AddModelDefinition(aif_GapRadiation(property, Info()));
}
