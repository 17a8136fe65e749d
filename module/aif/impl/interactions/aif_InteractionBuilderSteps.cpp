// The step-dependent pass of the interaction builder: film and radiation
// conditions (surface and concentrated), Explicit general contact, acoustic
// impedance, incident waves and pressure penetration are written in each
// step that creates, changes or deactivates them, and restated (with
// ", op=NEW") where their kind starts afresh.
#include "AFCInputFileWriter/akw_Model.h"
#include "OdbAttrEO/kinC_AcousticImpedance.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kinC_PressurePenetration.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/interactions/aif_AcousticImpedance.h"
#include "aif/impl/interactions/aif_Cfilm.h"
#include "aif/impl/interactions/aif_Contact.h"
#include "aif/impl/interactions/aif_Cradiate.h"
#include "aif/impl/interactions/aif_Film.h"
#include "aif/impl/interactions/aif_IncidentWave.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/impl/interactions/aif_PressurePenetration.h"
#include "aif/impl/interactions/aif_Radiate.h"
#include "aif/impl/interactions/aif_Sfilm.h"
#include "aif/impl/interactions/aif_Sradiate.h"

namespace {

constexpr char kStepInteractionsFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilderSteps.cpp";

// Whether `step` of `steps` is a perturbation step.
bool StepInteractionsPerturbation(const kprC_StepContainer& steps, const cow_String& step) {
  if (!steps.Contains(step)) return false;
  const auto* analysis = dynamic_cast<const kprC_AnalysisStep*>(&steps.ConstGet(step));
  return analysis && analysis->Perturbation();
}

}  // namespace

void aif_InteractionBuilder::WriteStepInteractions() {
  const aif_Model& model = Info().ModelAdapter();
  const kprC_StepContainer& steps = model.Steps();
  const auto& interactions = model.Interactions();
  opStatus = aif_InteractionOpStatus();
  opStatus.Build(interactions, steps.UnsuppressedKeys());
  opStatus.MarkStepsAfterRestart(Info(), steps,
                                 [](const kprC_AnalysisStep& step) { return step.Perturbation(); });

  cow_List<cow_String> written;
  bool first = true;
  for (const cow_String& step : steps.Keys()) {
    const bool initial = first;
    first = false;
    if (steps.ConstGet(step).Suppressed()) continue;
    const bool perturbation = StepInteractionsPerturbation(steps, step);
    for (const cow_String& name : interactions.Keys()) {
      const kinC_Interaction& interaction = interactions.ConstGet(name);
      const unsigned typeId = interaction.DynTypeId();
      if (interaction.Suppressed() || !aif_InteractionOpStatus::IsStepDependent(typeId)) continue;
      if (initial && typeId != kinC_ContactExp::TypeId()) continue;
      const bool newOp = opStatus.NeedsNewOp(interaction, step);
      const bool opFlag = !newOp;
      const int status = interaction.GetPropStatus(step);
      const bool known = written.IsMember(name);
      const bool changed = status == 1 || status == 3 || status == 4;
      if (typeId == kinC_AcousticImpedance::TypeId()) {
        if (changed || (status == 2 && (!known || newOp)))
          WriteStepInteraction(name, interaction, step, opFlag, false);
        else if (status == 8 && !known)
          WriteStepInteraction(name, interaction, step, opFlag, true);
      } else if (typeId == kinC_IncidentWave::TypeId()) {
        if (status == 1) WriteStepInteraction(name, interaction, step, opFlag, false);
      } else if (changed || (status == 2 && newOp)) {
        WriteStepInteraction(name, interaction, step, opFlag, false);
      }
      // Names carried by a general step are known from then on, written or
      // not.
      if (!initial && !perturbation && status >= 1 && status <= 3 && !known) written.Append(name);
    }
  }
}

void aif_InteractionBuilder::WriteStepInteraction(const cow_String& name,
                                                  const kinC_Interaction& interaction,
                                                  const cow_String& step, bool opFlag,
                                                  bool useInitialStep) {
  if (interaction.Suppressed()) return;
  cow_String text = "Interaction: " + name;
  const unsigned typeId = interaction.DynTypeId();
  auto file = [&](const akw_Keyword& keyword) {
    AddStepDefinition(step, aif_Comment(text));
    AddStepDefinition(step, keyword);
  };
  auto banner = [&] { AddStepDefinition(step, interactionsHeader.StepDefinitionHeader(step)); };
  auto regionName = [&](const rgnC_Region& region) {
    return aif_RegionName(region, Info()).QualifiedName(2);
  };
  cow_String field;
  if (typeId == kinC_FilmCondition::TypeId()) {
    banner();
    const auto& film = nex_canDynamicCastRef<const kinC_FilmCondition>(
        interaction, kStepInteractionsFile, __LINE__);
    cow_String sink;
    const bool usesField = film.UsesField(field);
    if (usesField || film.UsesSinkField(sink)) {
      text = text + " Using Analytical Field: " + film.FieldName() + ", " + film.SinkFieldName();
      file(aif_Film(film, step, opFlag, Info()));
    } else {
      file(aif_Sfilm(film, step, opFlag, regionName(film.Region())));
    }
  } else if (typeId == kinC_RadiationToAmbient::TypeId()) {
    banner();
    const auto& radiation = nex_canDynamicCastRef<const kinC_RadiationToAmbient>(
        interaction, kStepInteractionsFile, __LINE__);
    if (radiation.UsesField(field)) {
      text = text + " Using Analytical Field: " + field;
      file(aif_Radiate(radiation, step, opFlag, Info()));
    } else {
      file(aif_Sradiate(radiation, step, opFlag, regionName(radiation.Region())));
    }
  } else if (typeId == kinC_ConcFilmCondition::TypeId()) {
    banner();
    const auto& film = nex_canDynamicCastRef<const kinC_ConcFilmCondition>(
        interaction, kStepInteractionsFile, __LINE__);
    if (film.UsesField(field)) text = text + " Using Analytical Field: " + field;
    file(aif_Cfilm(film, step, opFlag, regionName(film.Region()), Info()));
  } else if (typeId == kinC_ConcRadiationToAmbient::TypeId()) {
    banner();
    const auto& radiation = nex_canDynamicCastRef<const kinC_ConcRadiationToAmbient>(
        interaction, kStepInteractionsFile, __LINE__);
    if (radiation.UsesField(field)) text = text + " Using Analytical Field: " + field;
    file(aif_Cradiate(radiation, step, opFlag, regionName(radiation.Region()), Info()));
  } else if (typeId == kinC_ContactExp::TypeId()) {
    banner();
    file(aif_Contact(
        name,
        nex_canDynamicCastRef<const kinC_ContactExp>(interaction, kStepInteractionsFile, __LINE__),
        step, Info()));
  } else if (typeId == kinC_AcousticImpedance::TypeId()) {
    banner();
    const auto& impedance = nex_canDynamicCastRef<const kinC_AcousticImpedance>(
        interaction, kStepInteractionsFile, __LINE__);
    // The keyword goes in this step; with `useInitialStep` it reads the
    // initial step's state.
    const cow_String stateStep = useInitialStep ? Model().InitialStepName() : step;
    file(aif_AcousticImpedance(impedance, stateStep, opFlag, regionName(impedance.Region())));
  } else if (typeId == kinC_IncidentWave::TypeId()) {
    banner();
    const auto& wave = nex_canDynamicCastRef<const kinC_IncidentWave>(
        interaction, kStepInteractionsFile, __LINE__);
    file(aif_IncidentWave(wave, step, regionName(wave.FirstRegion()),
                          regionName(wave.SecondRegion()), regionName(wave.ThirdRegion())));
  } else if (typeId == kinC_PressurePenetration::TypeId()) {
    banner();
    nex_canDynamicCastRef<const kinC_PressurePenetration>(interaction, kStepInteractionsFile,
                                                          __LINE__);
    file(aif_PressurePenetration(step, cow_COW<kinC_Interaction>(interaction), opFlag, Info()));
  }
}
