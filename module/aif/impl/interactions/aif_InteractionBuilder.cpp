#include "aif/impl/interactions/aif_InteractionBuilder.h"

#include <memory>

#include "AFCInputFileWriter/akw_Model.h"
#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kinC_ContactControls.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/interactions/aif_Clearance.h"
#include "aif/impl/interactions/aif_ContactControls.h"
#include "aif/impl/interactions/aif_ContactInitialization.h"
#include "aif/impl/interactions/aif_ContactPair.h"
#include "aif/impl/interactions/aif_EnrichmentActivation.h"
#include "aif/impl/interactions/aif_ModelChange.h"

namespace {

constexpr char kInteractionBuilderFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilder.cpp";

// Products whose jobs take contact initialization data: Standard and a job
// run from an input file.
bool TakesContactInitializations(int product) {
  return product == 0 || product == 3;
}

}  // namespace

aif_InteractionBuilder::aif_InteractionBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo),
      interactionsHeader("INTERACTIONS"),
      propertiesHeader("INTERACTION PROPERTIES"),
      initializationHeader("CONTACT INITIALIZATION DATA") {}

aif_ModelInfo& aif_InteractionBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_InteractionBuilder::Build() {
  // The interaction properties come first once they are built; they would
  // go behind propertiesHeader.
  WriteContactInitializations();

  const auto& interactions = Info().ModelAdapter().Interactions();
  for (const cow_String& name : interactions.Keys()) {
    const kinC_Interaction& interaction = interactions.ConstGet(name);
    if (interaction.Suppressed()) continue;
    const aif_Comment comment("Interaction: " + name);
    WriteInteractionByType(interaction, name, comment);
  }
  // The step-dependent kinds (film, radiation, Explicit general contact and
  // the like) and the actuators/sensors are not built yet: they write
  // nothing.
}

void aif_InteractionBuilder::WriteContactInitializations() {
  if (!TakesContactInitializations(Info().AnalysisProduct())) return;
  const auto& initializations = Info().ModelAdapter().ContactInitializations();
  for (const cow_String& key : initializations.Keys()) {
    const auto& initialization = nex_canDynamicCastRef<const kinC_StdInitialization>(
        initializations.ConstGet(key), kInteractionBuilderFile, __LINE__);
    AddModelDefinition(initializationHeader.ModelDefinitionHeader());
    AddModelDefinition(
        aif_ContactInitialization(initialization, akw_MorvexName(key, false).Printable()));
  }
}

void aif_InteractionBuilder::WriteInteractionByType(const kinC_Interaction& interaction,
                                                    const cow_String& name,
                                                    const aif_Comment& comment) {
  const unsigned typeId = interaction.DynTypeId();
  // Rows not built yet, which write nothing: the Standard pairs and
  // general contact, the co-simulations, cavity radiation, cyclic symmetry
  // and elastic foundations.
  if (typeId == kinC_SurfaceToSurfaceContactXpl::TypeId()) {
    WriteSurfaceToSurfaceContactXpl(nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactXpl>(
                                        interaction, kInteractionBuilderFile, __LINE__),
                                    name, comment);
  } else if (typeId == kinC_SelfContactXpl::TypeId()) {
    WriteSelfContactXpl(nex_canDynamicCastRef<const kinC_SelfContactXpl>(
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
  }
}

void aif_InteractionBuilder::AddInteractionKeyword(const cow_String& step,
                                                   const akw_Keyword& keyword) {
  AddStepDefinition(step, interactionsHeader.StepDefinitionHeader(step));
  AddStepDefinition(step, keyword);
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
  bool tracked = true;
  bool existed = false;
  for (const cow_String& step : model.Steps().UnsuppressedKeys()) {
    const bool hasState = interaction.HasStep(step);
    const bool existedBefore = existed;
    existed = existed || hasState;
    if (clearance && interaction.GetPropStatus(step) == 1 && !firstAnalysis.IsEmpty())
      AddClearanceXpl(interaction, name, firstAnalysis);
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
      // Controls that name nothing in the repository are passed over.
      if (!model.ContactControls().Contains(controlsName.Value())) continue;
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

void aif_InteractionBuilder::AddClearanceXpl(const kinC_Interaction& interaction,
                                             const cow_String& name, const cow_String& step) {
  const auto& pair = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContact>(
      interaction, kInteractionBuilderFile, __LINE__);
  const kinC_ClearanceData& data = pair.Clearance();
  if (data.clearanceType == 0) return;
  // The clearance region is named when the pair names one.
  const rgnC_Region& region = pair.NodeSetRegion();
  const cow_String regionName =
      region.Name().IsEmpty() ? cow_String() : aif_RegionName(region, Info()).QualifiedName(2);
  const dtmK_Datum boltAxis(data.clearanceType == 1 ? Info().Assembly() : nullptr,
                            Info().ModelName(),
                            data.clearanceType == 1 ? pair.BoltAxis() : dtmC_DatumRef());
  AddStepDefinition(step, aif_Clearance(cow_COW<kinC_Interaction>(interaction), data, regionName,
                                        boltAxis, name));
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
