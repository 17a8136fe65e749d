// The interaction builder's routines for radiation cavities, cyclic
// symmetry and elastic foundations: what goes in the initial step, in the
// assembly and in each analysis step.
#include <cfloat>

#include "AFCInputFileWriter/akw_Model.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/interactions/aif_CavityDefinition.h"
#include "aif/impl/interactions/aif_CyclicSymmetryModel.h"
#include "aif/impl/interactions/aif_Foundation.h"
#include "aif/impl/interactions/aif_FoundationFaceSets.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/impl/interactions/aif_RadiationViewfactor.h"
#include "aif/impl/interactions/aif_SelectCyclicSymmetryModes.h"
#include "aif/impl/model/aif_Tie.h"

namespace {

constexpr char kCavityBuilderFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilderCavity.cpp";
// The propagation status of a foundation deactivated in a step.
constexpr int kCavityFoundationDeactivated = 4;

// The repository's own handle of the interaction `name`, so that keywords
// written after the walk share the model's object; a copy of `interaction`
// when the repository does not hold the name.
cow_COW<kinC_Interaction> CavityBuilderHandle(const aif_ModelInfo& info, const cow_String& name,
                                              const kinC_Interaction& interaction) {
  const auto& map = info.ModelAdapter().Interactions().ConstGetMap();
  if (map.Contains(name)) return map.Get(name);
  return cow_COW<kinC_Interaction>(interaction);
}

}  // namespace

void aif_InteractionBuilder::WriteCavityRadiation(const kinC_Interaction& interaction,
                                                  const cow_String& name,
                                                  const aif_Comment& comment) {
  if (interaction.Suppressed()) return;
  const cow_COW<kinC_Interaction> handle = CavityBuilderHandle(Info(), name, interaction);
  const cow_String& initial = Model().InitialStepName();
  AddInteractionKeyword(initial, comment);
  AddStepDefinition(initial, aif_CavityDefinition(name, handle, Info()));

  const cow_String& firstAnalysis = Model().FirstAnalysisStepName();
  bool first = true;
  for (const cow_String& step : Info().ModelAdapter().Steps().Keys()) {
    if (first) {
      first = false;
      continue;
    }
    aif_RadiationViewfactor viewfactor(name, handle, step, Info());
    const int status = interaction.GetPropStatus(step);
    switch (status) {
      case 1:
      case 3:
        break;
      case 0:
      case 4:
      case 5:
      case 6:
      case 7:
        viewfactor.SetOff(true);
        break;
      case 2:
        if (step != firstAnalysis) continue;
        break;
      default:
        nex_Exception::Throw(
            aif_Exception(atr_Translate("Error in cavity radiation history status.")),
            kCavityBuilderFile, __LINE__);
    }
    AddInteractionKeyword(step, comment);
    AddStepDefinition(step, viewfactor);
  }
}

void aif_InteractionBuilder::WriteCyclicSymmetry(const kinC_Interaction& interaction,
                                                 const cow_String& name,
                                                 const aif_Comment& /*comment*/) {
  if (interaction.Suppressed()) return;
  const auto& cyclic =
      nex_canDynamicCastRef<const kinC_CyclicSymmetry>(interaction, kCavityBuilderFile, __LINE__);
  const cow_COW<kinC_Interaction> handle = CavityBuilderHandle(Info(), name, interaction);
  AddStepDefinition(Model().InitialStepName(), aif_CyclicSymmetryModel(handle, Info()));

  const cow_String first = aif_RegionName(cyclic.FirstSurface(), Info()).SetName(2);
  const cow_String second = aif_RegionName(cyclic.SecondSurface(), Info()).SetName(2);
  AddAssemblyDefinition(aif_Tie(name, first, second, Info(), cyclic.Adjust(),
                                aif_CyclicSymmetryModel::TiePositionTolerance(cyclic)));

  const kprC_StepContainer& steps = Info().ModelAdapter().Steps();
  bool initial = true;
  for (const cow_String& step : steps.UnsuppressedKeys()) {
    if (initial) {
      initial = false;
      continue;
    }
    if (steps.ConstGet(step).DynTypeId() != kprC_FrequencyStep::TypeId()) continue;
    if (aif_SelectCyclicSymmetryModes::WrittenInStep(interaction.GetPropStatus(step)))
      AddStepDefinition(step, aif_SelectCyclicSymmetryModes(step, handle));
  }
}

void aif_InteractionBuilder::WriteElasticFoundation(const kinC_Interaction& interaction,
                                                    const cow_String& name,
                                                    const aif_Comment& comment) {
  if (interaction.Suppressed()) return;
  const auto& foundation = nex_canDynamicCastRef<const kinC_ElasticFoundation>(
      interaction, kCavityBuilderFile, __LINE__);
  const rgnK_Region region(Info().Assembly(), Model().Name(), foundation.Region());
  // A foundation whose surface the assembly no longer has is left out.
  if (!region.IsValid(true)) return;
  cow_String setName = aif_RegionName(foundation.Region(), Info()).SetName(2);
  const cow_String& initial = Model().InitialStepName();
  // The foundation is written with the initial step's stiffness: one the
  // initial step does not hold cannot be written.
  if (!foundation.HasStep(initial))
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The elastic foundation %s has no stiffness in the initial step.", name)),
        kCavityBuilderFile, __LINE__);
  // A surface of an instance in a part-based file holds its face sets
  // inside the instance, out of reach of the model data: the foundation
  // names sets of its own in the assembly.
  if (Info().IsPartBased() && !Info().IsRestart() &&
      foundation.Region().OwnerNames().Length() >= 2 &&
      foundation.GetPropStatus(initial) != kCavityFoundationDeactivated) {
    const cow_String assemblyName = aif_FoundationFaceSets::AssemblyName(foundation.Region());
    AddAssemblyDefinition(
        aif_FoundationFaceSets(Info(), foundation.Region(), setName, assemblyName));
    setName = assemblyName;
  }
  AddInteractionKeyword(initial, comment);
  AddStepDefinition(initial, aif_Foundation(CavityBuilderHandle(Info(), name, interaction), initial,
                                            region, setName));
}
