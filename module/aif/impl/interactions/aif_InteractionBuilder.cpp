#include "aif/impl/interactions/aif_InteractionBuilder.h"

#include <memory>

#include "AFCInputFileWriter/akw_Model.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_ContactControls.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_MorvexName.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/interactions/aif_ChangeFriction.h"
#include "aif/impl/interactions/aif_Clearance.h"
#include "aif/impl/interactions/aif_ContactControls.h"
#include "aif/impl/interactions/aif_ContactInitialization.h"
#include "aif/impl/interactions/aif_ContactInterference.h"
#include "aif/impl/interactions/aif_ContactPair.h"
#include "aif/impl/interactions/aif_EnrichmentActivation.h"
#include "aif/impl/interactions/aif_ModelChange.h"
#include "aif/impl/sections/aif_Friction.h"

namespace {

constexpr char kInteractionBuilderFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilder.cpp";

// Products whose jobs take contact initialization data: Standard and a job
// run from an input file.
bool TakesContactInitializations(int product) {
  return product == 0 || product == 3;
}

// Whether the pair's property in `step` is a contact property whose
// cohesive behaviour bonds only the contacts named at the start (eligibility
// 2). A property the repository does not hold bonds nothing.
bool BondsSpecifiedContacts(const aif_Model& model, const kinC_Interaction& interaction,
                            const cow_String& step) {
  if (!interaction.HasStep(step)) return false;
  const auto* state = dynamic_cast<const kinC_ContactPairState*>(&interaction.ConstGetState(step));
  if (!state) return false;
  const cow_String& name = state->InteractionProperty().Value();
  if (name.IsEmpty() || !model.InteractionProperties().Contains(name)) return false;
  const auto* property =
      dynamic_cast<const kinC_ContactProperty*>(&model.InteractionProperties().ConstGet(name));
  return property && property->Get<kinC_CohesiveBehavior>().eligibility == 2;
}

}  // namespace

bool aif_GeneratesPropertyNames(int product) {
  return product == 0 || product == 3;
}

cow_String aif_ChangedPropertyName(const cow_String& interactionName) {
  return "_" + interactionName + "-Prop";
}

cow_List<cow_String> aif_ContactPropertyHistory(const kinC_Interaction& interaction,
                                                const cow_List<cow_String>& steps) {
  cow_List<cow_String> history;
  for (const cow_String& step : steps) {
    const int status = interaction.GetPropStatus(step);
    if (!kinC_Interaction::IsActive(status) || kinC_Interaction::IsBuiltIn(status) ||
        !interaction.HasStep(step))
      continue;
    const kinC_InteractionState& state = interaction.ConstGetState(step);
    if (const auto* pair = dynamic_cast<const kinC_ContactPairState*>(&state)) {
      if (pair->InteractionProperty().IsModified())
        history.Append(pair->InteractionProperty().Value());
    } else if (const auto* general = dynamic_cast<const kinC_ContactExpState*>(&state);
               general && dynamic_cast<const kinC_ContactStd*>(&interaction)) {
      for (const mdl_PropAttr<cow_String>& property : general->properties)
        if (property.IsModified()) history.Append(property.Value());
    } else {
      return cow_List<cow_String>();
    }
  }
  return history;
}

bool aif_ContactPairPropertyChanges(const kinC_Interaction& interaction,
                                    const cow_List<cow_String>& steps) {
  for (const cow_String& step : steps) {
    if (interaction.GetPropStatus(step) != 3 || !interaction.HasStep(step)) continue;
    const auto* state =
        dynamic_cast<const kinC_ContactPairState*>(&interaction.ConstGetState(step));
    if (state && state->InteractionProperty().IsModified()) return true;
  }
  return false;
}

aif_InteractionBuilder::aif_InteractionBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo),
      interactionsHeader("INTERACTIONS"),
      propertiesHeader("INTERACTION PROPERTIES"),
      initializationHeader("CONTACT INITIALIZATION DATA") {}

aif_ModelInfo& aif_InteractionBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_InteractionBuilder::Build() {
  WriteInteractionProperties();
  WriteContactInitializations();

  const auto& interactions = Info().ModelAdapter().Interactions();
  for (const cow_String& name : interactions.Keys()) {
    const kinC_Interaction& interaction = interactions.ConstGet(name);
    if (interaction.Suppressed()) continue;
    const aif_Comment comment("Interaction: " + name);
    WriteInteractionByType(interaction, name, comment);
  }
  WriteStepInteractions();
  WriteActuatorSensors();
}

void aif_InteractionBuilder::WriteContactInitializations() {
  if (!TakesContactInitializations(Info().AnalysisProduct())) return;
  const auto& initializations = Info().ModelAdapter().ContactInitializations();
  for (const cow_String& key : initializations.Keys()) {
    const auto& initialization = nex_canDynamicCastRef<const kinC_StdInitialization>(
        initializations.ConstGet(key), kInteractionBuilderFile, __LINE__);
    AddModelDefinition(initializationHeader.ModelDefinitionHeader());
    AddModelDefinition(
        aif_ContactInitialization(initialization, omu_MorvexName::QuoteIfNeeded(key)));
  }
}

void aif_InteractionBuilder::WriteInteractionByType(const kinC_Interaction& interaction,
                                                    const cow_String& name,
                                                    const aif_Comment& comment) {
  const unsigned typeId = interaction.DynTypeId();
  if (typeId == kinC_SurfaceToSurfaceContactStd::TypeId()) {
    WriteSurfaceToSurfaceContactStd(nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactStd>(
                                        interaction, kInteractionBuilderFile, __LINE__),
                                    name, comment);
  } else if (typeId == kinC_SelfContactStd::TypeId()) {
    WriteSelfContactStd(nex_canDynamicCastRef<const kinC_SelfContactStd>(
                            interaction, kInteractionBuilderFile, __LINE__),
                        name, comment);
  } else if (typeId == kinC_SurfaceToSurfaceContactXpl::TypeId()) {
    WriteSurfaceToSurfaceContactXpl(nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactXpl>(
                                        interaction, kInteractionBuilderFile, __LINE__),
                                    name, comment);
  } else if (typeId == kinC_SelfContactXpl::TypeId()) {
    WriteSelfContactXpl(nex_canDynamicCastRef<const kinC_SelfContactXpl>(
                            interaction, kInteractionBuilderFile, __LINE__),
                        name, comment);
  } else if (typeId == kinC_ContactStd::TypeId()) {
    WriteGeneralContactStd(nex_canDynamicCastRef<const kinC_ContactStd>(
                               interaction, kInteractionBuilderFile, __LINE__),
                           name, comment);
  } else if (typeId == kinC_ModelChange::TypeId()) {
    WriteModelChange(nex_canDynamicCastRef<const kinC_ModelChange>(
                         interaction, kInteractionBuilderFile, __LINE__),
                     name, comment);
  } else if (typeId == kinC_XFEMCrackGrowth::TypeId()) {
    WriteEnrichmentActivation(nex_canDynamicCastRef<const kinC_XFEMCrackGrowth>(
                                  interaction, kInteractionBuilderFile, __LINE__),
                              name, comment);
  } else if (typeId == kinC_FSICosimulation::TypeId()) {
    WriteFsiCosimulation(nex_canDynamicCastRef<const kinC_FSICosimulation>(
                             interaction, kInteractionBuilderFile, __LINE__),
                         name, comment);
  } else if (typeId == kinC_StdXplCosimulation::TypeId()) {
    WriteCosimulation(nex_canDynamicCastRef<const kinC_StdXplCosimulation>(
                          interaction, kInteractionBuilderFile, __LINE__),
                      name, comment);
  } else if (typeId == kinC_CavityRadiation::TypeId()) {
    WriteCavityRadiation(nex_canDynamicCastRef<const kinC_CavityRadiation>(
                             interaction, kInteractionBuilderFile, __LINE__),
                         name, comment);
  } else if (typeId == kinC_CyclicSymmetry::TypeId()) {
    WriteCyclicSymmetry(nex_canDynamicCastRef<const kinC_CyclicSymmetry>(
                            interaction, kInteractionBuilderFile, __LINE__),
                        name, comment);
  } else if (typeId == kinC_ElasticFoundation::TypeId()) {
    WriteElasticFoundation(nex_canDynamicCastRef<const kinC_ElasticFoundation>(
                               interaction, kInteractionBuilderFile, __LINE__),
                           name, comment);
  }
}

void aif_InteractionBuilder::AddInteractionKeyword(const cow_String& step,
                                                   const akw_Keyword& keyword) {
  AddStepDefinition(step, interactionsHeader.StepDefinitionHeader(step));
  AddStepDefinition(step, keyword);
}

void aif_InteractionBuilder::WriteSurfaceToSurfaceContactStd(const kinC_Interaction& interaction,
                                                             const cow_String& name,
                                                             const aif_Comment& comment) {
  WriteContactPairStd(interaction, name, comment, true);
}

void aif_InteractionBuilder::WriteSelfContactStd(const kinC_Interaction& interaction,
                                                 const cow_String& name,
                                                 const aif_Comment& comment) {
  WriteContactPairStd(interaction, name, comment, false);
}

// A Standard pair is defined once, in the initial step, whatever step
// created it; later steps add or remove it with "*Model Change", change its
// friction with "*Change Friction" and set its controls. A pair whose
// property changes between steps is written with a property of its own
// ("_<name>-Prop") where the product writes generated names. Every keyword
// of one step follows one "Interaction: " comment.
void aif_InteractionBuilder::WriteContactPairStd(const kinC_Interaction& interaction,
                                                 const cow_String& name, const aif_Comment& comment,
                                                 bool surfaceToSurface) {
  if (interaction.Suppressed()) return;
  const aif_Model& model = Info().ModelAdapter();
  const cow_List<cow_String> steps = model.Steps().UnsuppressedKeys();
  const cow_String& createStep = interaction.CreateStepName();
  const bool renames = aif_GeneratesPropertyNames(Info().AnalysisProduct());
  const cow_String changedName = aif_ChangedPropertyName(name);

  const kinC_ContactPairState& creation = CreationState(interaction, name);
  CheckContactPairNames(interaction, name, steps, createStep);

  // One decision renames the pair, gives the property pass its copy and
  // names the friction changes below: a later step changes the property.
  cow_COW<kinC_Interaction> copy(interaction);
  if (renames && aif_ContactPairPropertyChanges(interaction, steps)) {
    std::unique_ptr<kinC_ContactPairState> state(creation.Clone());
    const mdl_PropAttr<cow_String>& property = state->InteractionProperty();
    state->SetInteractionProperty(changedName, property.Status(), property.IsModified());
    std::unique_ptr<kinC_Interaction> renamed(interaction.Clone());
    renamed->Insert(createStep, *state);
    copy = cow_COW<kinC_Interaction>(*renamed);
  }

  const auto& pair = nex_canDynamicCastRef<const kinC_ContactPairInteraction>(
      interaction, kInteractionBuilderFile, __LINE__);
  const cow_String master = aif_RegionName(pair.FirstSurface(), Info()).SetName(2);
  const cow_String slave =
      surfaceToSurface ? aif_RegionName(pair.SecondSurface(), Info()).SetName(2) : master;

  // Geometric smoothing of a surface-to-surface pair's surfaces: the pair
  // names its "*Surface Smoothing" definition, when its surfaces have
  // rotationally symmetric pieces.
  cow_String correction;
  if (surfaceToSurface && nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContact>(
                              interaction, kInteractionBuilderFile, __LINE__)
                                  .SurfaceSmoothing() == 1)
    correction = WritePairSurfaceSmoothing(name, pair.FirstSurface(), pair.SecondSurface());

  const cow_String& initial = Model().InitialStepName();
  AddInteractionKeyword(initial, comment);
  AddStepDefinition(initial, aif_ContactPair(name, *copy, createStep, Info(), false, correction));
  if (surfaceToSurface)
    if (const auto clearance = ClearanceKeyword(*copy, master, slave, cow_String()))
      AddModelDefinition(*clearance);

  const cow_String& firstGeneral = Model().FirstGeneralStepName();
  // Bonded initial contact of a surface-to-surface pair created with a
  // cohesive property of eligibility 2 goes in the initial step.
  auto bondInitially = [&](const cow_String& step) {
    if (surfaceToSurface && BondsSpecifiedContacts(model, interaction, step))
      AddInteractionKeyword(
          initial,
          aif_InitialConditions(nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactStd>(
                                    interaction, kInteractionBuilderFile, __LINE__),
                                &Info(), kinC_SurfaceToSurfaceContactStd::TypeId()));
  };
  bool tracked = true;
  bool first = true;
  for (const cow_String& step : steps) {
    if (first) {
      first = false;
      if (interaction.GetPropStatus(step) == 1) bondInitially(step);
      continue;
    }
    bool created = false;
    bool grouped = false;
    // The comment once per step, before the step's first keyword.
    auto file = [&](const akw_Keyword& keyword) {
      if (!grouped) AddInteractionKeyword(step, comment);
      grouped = true;
      AddStepDefinition(step, keyword);
    };
    const kinC_ContactPairState* state =
        interaction.HasStep(step)
            ? &nex_canDynamicCastRef<const kinC_ContactPairState>(interaction.ConstGetState(step),
                                                                  kInteractionBuilderFile, __LINE__)
            : nullptr;
    const int status = interaction.GetPropStatus(step);
    bool interference = false;
    if (status == 0) {
      if (step == firstGeneral) file(aif_ModelChange(name, *copy, step, Info(), true));
    } else if (status == 1) {
      created = true;
      if (step != firstGeneral) {
        const bool remove = !surfaceToSurface && state && !state->Active().Value();
        file(aif_ModelChange(name, *copy, step, Info(), remove));
      }
      interference = true;
    } else if (status == 3 && state) {
      if (state->InteractionProperty().IsModified()) {
        const cow_String& propertyName = state->InteractionProperty().Value();
        const auto& property = nex_canDynamicCastRef<const kinC_ContactProperty>(
            model.InteractionProperties().ConstGet(propertyName), kInteractionBuilderFile,
            __LINE__);
        file(aif_ChangeFriction(renames ? changedName : propertyName));
        file(aif_Friction(cow_COW<kinC_InteractionProperty>(property), &Info(), true));
      }
      if (state->Active().IsModified() && state->Active().Value() != tracked) {
        file(aif_ModelChange(name, *copy, step, Info(), !state->Active().Value()));
        tracked = state->Active().Value();
      }
      interference = true;
    } else if (status == 4) {
      // A pair already removed is not removed again; a later switch-on
      // adds it back.
      if (tracked) file(aif_ModelChange(name, *copy, step, Info(), true));
      tracked = false;
    }
    if (interference && surfaceToSurface && state) {
      const auto* pairState = dynamic_cast<const kinC_SurfaceToSurfaceContactStdState*>(state);
      if (pairState) {
        const aif_ContactInterference keyword(copy, step, Info(), pairState->Interference());
        if (!keyword.IsEmpty()) file(keyword);
      }
    }
    if (status == 1) bondInitially(step);
    if (state) AddContactControlsStd(*copy, name, step, created, master, slave);
  }
}

const kinC_ContactPairState& aif_InteractionBuilder::CreationState(
    const kinC_Interaction& interaction, const cow_String& name) const {
  const cow_String& step = interaction.CreateStepName();
  if (step.IsEmpty() || !interaction.HasStep(step))
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "The interaction %s has no state in the step that creates it, so "
                             "its contact pair cannot be written.",
                             name)),
                         kInteractionBuilderFile, __LINE__);
  return nex_canDynamicCastRef<const kinC_ContactPairState>(interaction.ConstGetState(step),
                                                            kInteractionBuilderFile, __LINE__);
}

void aif_InteractionBuilder::CheckContactPairNames(const kinC_Interaction& interaction,
                                                   const cow_String& name,
                                                   const cow_List<cow_String>& steps,
                                                   const cow_String& creationStep) const {
  const aif_Model& model = Info().ModelAdapter();
  auto check = [&](const cow_String& step) {
    if (!interaction.HasStep(step)) return;
    const auto& state = nex_canDynamicCastRef<const kinC_ContactPairState>(
        interaction.ConstGetState(step), kInteractionBuilderFile, __LINE__);
    const cow_String& property = state.InteractionProperty().Value();
    if (!property.IsEmpty() && !model.InteractionProperties().Contains(property))
      nex_Exception::Throw(
          aif_Exception(atr_TranslateFormat(
              "The interaction %s names the interaction property %s, which the model does not "
              "define.",
              name, property)),
          kInteractionBuilderFile, __LINE__);
    const cow_String& controls = state.ContactControls().Value();
    if (!controls.IsEmpty() && !model.ContactControls().Contains(controls))
      nex_Exception::Throw(
          aif_Exception(atr_TranslateFormat(
              "The interaction %s names the contact controls %s, which the model does not define.",
              name, controls)),
          kInteractionBuilderFile, __LINE__);
  };
  if (!creationStep.IsEmpty()) check(creationStep);
  for (const cow_String& step : steps)
    if (kinC_Interaction::IsActive(interaction.GetPropStatus(step))) check(step);
}

std::optional<aif_Clearance> aif_InteractionBuilder::ClearanceKeyword(
    const kinC_Interaction& interaction, const cow_String& master, const cow_String& slave,
    const cow_String& cpset) const {
  const auto& pair = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContact>(
      interaction, kInteractionBuilderFile, __LINE__);
  const kinC_ClearanceData& data = pair.Clearance();
  if (data.clearanceType == 0) return std::nullopt;
  // The clearance region is named when the pair names one.
  const rgnC_Region& region = pair.NodeSetRegion();
  const cow_String regionName =
      region.Name().IsEmpty() ? cow_String() : aif_RegionName(region, Info()).QualifiedName(2);
  const dtmK_Datum boltAxis(data.clearanceType == 1 ? Info().Assembly() : nullptr,
                            Info().ModelName(),
                            data.clearanceType == 1 ? pair.BoltAxis() : dtmC_DatumRef());
  const cow_COW<kinC_Interaction> handle(interaction);
  if (cpset.IsEmpty()) return aif_Clearance(handle, data, regionName, boltAxis, master, slave);
  return aif_Clearance(handle, data, regionName, boltAxis, cpset);
}

void aif_InteractionBuilder::AddContactControlsStd(const kinC_Interaction& interaction,
                                                   const cow_String& name, const cow_String& step,
                                                   bool created, const cow_String& master,
                                                   const cow_String& slave) {
  const auto& state = nex_canDynamicCastRef<const kinC_ContactPairState>(
      interaction.ConstGetState(step), kInteractionBuilderFile, __LINE__);
  const mdl_PropAttr<cow_String>& controlsName = state.ContactControls();
  const bool firstGeneral = step == Model().FirstGeneralStepName();
  const int attributeState = controlsName.Status();
  const aif_Comment controlsComment("Contact Controls for Interaction: " + name);
  if (!controlsName.Value().IsEmpty() &&
      (attributeState == 1 || (attributeState == 2 && firstGeneral) ||
       (attributeState == 3 && !firstGeneral))) {
    const auto& controls = nex_canDynamicCastRef<const kinC_StdContactControls>(
        Info().ModelAdapter().ContactControls().ConstGet(controlsName.Value()),
        kInteractionBuilderFile, __LINE__);
    if (controls.IsDefault() && created) return;
    AddInteractionKeyword(step, controlsComment);
    AddStepDefinition(step, aif_ContactControls(controls, master, slave, created, false));
  } else if (controlsName.Value().IsEmpty() && attributeState == 3 && !created) {
    AddInteractionKeyword(step, controlsComment);
    AddStepDefinition(step,
                      aif_ContactControls(kinC_StdContactControls(), master, slave, false, true));
  }
}

void aif_InteractionBuilder::WriteSurfaceToSurfaceContactXpl(const kinC_Interaction& interaction,
                                                             const cow_String& name,
                                                             const aif_Comment& comment) {
  WriteContactPairXpl(interaction, name, comment, true);
}

void aif_InteractionBuilder::WriteSelfContactXpl(const kinC_Interaction& interaction,
                                                 const cow_String& name,
                                                 const aif_Comment& comment) {
  WriteContactPairXpl(interaction, name, comment, false);
}

// An Explicit pair is written again in each step that changes it, always
// with its contact pair set, so that a later step can delete and re-add it.
// The initial step's pair goes in the first analysis step. A step in which
// the pair has no state deletes it only when an earlier step had one: a
// pair that does not exist yet is never deleted. The clearance of a
// surface-to-surface pair goes in the first analysis step, without a
// banner, when the pair is created.
void aif_InteractionBuilder::WriteContactPairXpl(const kinC_Interaction& interaction,
                                                 const cow_String& name, const aif_Comment& comment,
                                                 bool clearance) {
  if (interaction.Suppressed()) return;
  const aif_Model& model = Info().ModelAdapter();
  const cow_String& initial = Model().InitialStepName();
  const cow_String& firstAnalysis = Model().FirstAnalysisStepName();
  const cow_List<cow_String> steps = model.Steps().UnsuppressedKeys();
  CheckContactPairNames(interaction, name, steps, cow_String());
  bool tracked = true;
  bool existed = false;
  for (const cow_String& step : steps) {
    const bool hasState = interaction.HasStep(step);
    const bool existedBefore = existed;
    existed = existed || hasState;
    if (clearance && interaction.GetPropStatus(step) == 1 && !firstAnalysis.IsEmpty())
      if (const auto keyword = ClearanceKeyword(interaction, cow_String(), cow_String(), name))
        AddStepDefinition(firstAnalysis, *keyword);
    if (!interaction.IsModified(step)) continue;

    const aif_ContactPair pair(name, interaction, step, Info(), true);
    const kinC_ContactPairState* state =
        hasState ? &nex_canDynamicCastRef<const kinC_ContactPairState>(
                       interaction.ConstGetState(step), kInteractionBuilderFile, __LINE__)
                 : nullptr;
    const bool active = state && state->Active().Value();
    const bool changed = active != tracked;

    cow_String target = step;
    bool created = false;
    if (step == initial) {
      if (firstAnalysis.IsEmpty()) continue;
      target = firstAnalysis;
      created = true;
      AddInteractionKeyword(target, comment);
      AddStepDefinition(target, pair);
    } else {
      const bool propertyChanged = state && state->InteractionProperty().IsModified();
      const bool switched = state ? state->Active().IsModified() : existedBefore;
      if (propertyChanged || (switched && changed)) {
        AddInteractionKeyword(target, comment);
        if (active && propertyChanged && interaction.GetPropStatus(step) != 1) {
          std::unique_ptr<kinC_Interaction> removed(interaction.Clone());
          std::unique_ptr<kinC_ContactPairState> removedState(state->Clone());
          removedState->SetDeactivated(true);
          removed->Insert(step, *removedState);
          AddStepDefinition(target, aif_ContactPair(name, *removed, step, Info(), true));
        }
        tracked = active;
        AddStepDefinition(target, pair);
      }
    }

    if (!state || (step != initial && !state->ContactControls().IsModified())) continue;
    if (!created) created = interaction.GetPropStatus(step) == 1;
    const mdl_PropAttr<cow_String>& controlsName = state->ContactControls();
    const aif_Comment controlsComment("Contact Controls for Interaction: " + name);
    if (!controlsName.Value().IsEmpty() && controlsName.Status() != 3) {
      const auto& controls = nex_canDynamicCastRef<const kinC_ExpContactControls>(
          model.ContactControls().ConstGet(controlsName.Value()), kInteractionBuilderFile,
          __LINE__);
      if (controls.IsDefault() && created) continue;
      AddInteractionKeyword(target, controlsComment);
      AddStepDefinition(target, aif_ContactControls(controls, name, created, false));
    } else if (controlsName.Value().IsEmpty() && controlsName.Status() == 3) {
      AddInteractionKeyword(target, controlsComment);
      AddStepDefinition(target,
                        aif_ContactControls(kinC_ExpContactControls(), name, created, true));
    }
  }
}

void aif_InteractionBuilder::WriteModelChange(const kinC_Interaction& interaction,
                                              const cow_String& name, const aif_Comment& comment) {
  if (interaction.Suppressed()) return;
  const auto& change =
      nex_canDynamicCastRef<const kinC_ModelChange>(interaction, kInteractionBuilderFile, __LINE__);
  bool done = false;
  for (const cow_String& step : Info().ModelAdapter().Steps().UnsuppressedKeys()) {
    const int status = interaction.GetPropStatus(step);
    if (done || !kinC_Interaction::IsActive(status) || (status != 1 && status != 3)) continue;
    AddInteractionKeyword(step, comment);
    AddStepDefinition(step, aif_ModelChange(name, interaction, step, Info(), false));
    // The activation line is written once, in the first step that sets it.
    if (change.Activation()) done = true;
  }
}

void aif_InteractionBuilder::WriteEnrichmentActivation(const kinC_Interaction& interaction,
                                                       const cow_String& /*name*/,
                                                       const aif_Comment& comment) {
  const auto& growth = nex_canDynamicCastRef<const kinC_XFEMCrackGrowth>(
      interaction, kInteractionBuilderFile, __LINE__);
  const cow_List<cow_String> steps = Info().ModelAdapter().Steps().UnsuppressedKeys();
  bool first = true;
  for (const cow_String& step : steps) {
    if (first) {
      first = false;
      continue;
    }
    if (!kinC_Interaction::IsActive(interaction.GetPropStatus(step)) || interaction.Suppressed())
      continue;
    AddInteractionKeyword(step, comment);
    AddStepDefinition(step, aif_EnrichmentActivation(growth, step));
  }
}
