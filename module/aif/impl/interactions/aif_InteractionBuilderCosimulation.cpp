// The co-simulation routines of the interaction builder: Standard-Explicit
// co-simulations, and fluid-structure co-simulations whose coupling options
// and exchanged variables are completed from the procedures of this model's
// step and of the partner model's step.
#include <memory>

#include "AFCInputFileWriter/akw_Model.h"
#include "BasShared/atr_String.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_Cosimulation.h"
#include "aif/impl/interactions/aif_CosimulationControls.h"
#include "aif/impl/interactions/aif_CosimulationRegion.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"

namespace {

constexpr char kCosimBuilderFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilderCosimulation.cpp";

// The procedures the exchange defaults tell apart.
enum class CosimProcedure { kFlow, kExplicit, kTempDisplacement, kImplicit, kHeatTransfer, kOther };

CosimProcedure CosimProcedureOf(const kprC_Step& step) {
  const unsigned id = step.DynTypeId();
  if (id == kprC_FlowStep::TypeId()) return CosimProcedure::kFlow;
  if (id == kprC_ExplicitDynamicsStep::TypeId()) return CosimProcedure::kExplicit;
  if (id == kprC_TempDisplacementDynamicsStep::TypeId()) return CosimProcedure::kTempDisplacement;
  if (id == kprC_ImplicitDynamicsStep::TypeId()) return CosimProcedure::kImplicit;
  if (id == kprC_HeatTransferStep::TypeId()) return CosimProcedure::kHeatTransfer;
  return CosimProcedure::kOther;
}

// Appends `names` to `list` when the list is empty; a list the user gave is
// kept as it is.
void CosimFillEmpty(mdl_PropAttr<cow_List<cow_String>>& list,
                    std::initializer_list<const char*> names) {
  if (!list.Value().IsEmpty()) return;
  cow_List<cow_String> filled;
  for (const char* name : names)
    filled.Append(cow_String(name));
  list.Set(filled, list.Status(), list.IsModified());
}

}  // namespace

void aif_InteractionBuilder::WriteCosimulation(const kinC_Interaction& interaction,
                                               const cow_String& name, const aif_Comment& comment) {
  if (interaction.Suppressed()) return;
  // The keywords share the model's interaction.
  const cow_COW<kinC_Interaction> handle =
      Info().ModelAdapter().Interactions().ConstGetMap().Contains(name)
          ? Info().ModelAdapter().Interactions().ConstGetMap().Get(name)
          : cow_COW<kinC_Interaction>(interaction);
  bool first = true;
  for (const cow_String& step : Info().ModelAdapter().Steps().UnsuppressedKeys()) {
    if (first) {
      first = false;
      continue;
    }
    if (interaction.GetPropStatus(step) != 1) continue;
    AddStepDefinition(step, comment);
    AddStepDefinition(step, aif_Cosimulation(handle, name));
    AddStepDefinition(step, aif_CosimulationRegion(handle, step, Info()));
    AddStepDefinition(step, aif_CosimulationControls(handle, name));
  }
}

cow_List<aif_FsiPartnerStep> aif_InteractionBuilder::FsiPartnerSteps() const {
  cow_List<aif_FsiPartnerStep> partners;
  const bas_Mdb& database = bas_Basis::Instance().Fetch();
  const cow_String own = Model().Name();
  for (const cow_String& modelName : Info().ModelNames()) {
    if (modelName == own) continue;
    const bas_NewModel* model = database.ConstGetModel(modelName);
    if (!model) continue;
    const auto& interactions =
        nex_canDynamicCastRef<const kprC_PropagatingContainer<kinC_Interaction>>(
            model->ConstGetExtension(bas_NewModel::interactionCmd), kCosimBuilderFile, __LINE__);
    const auto& steps = nex_canDynamicCastRef<const kprC_StepContainer>(
        model->ConstGetExtension(bas_NewModel::stepCmd), kCosimBuilderFile, __LINE__);
    for (const cow_String& key : interactions.Keys()) {
      const kinC_Interaction& partner = interactions.ConstGet(key);
      if (partner.DynTypeId() != kinC_FSICosimulation::TypeId() || partner.Suppressed()) continue;
      // The step that creates the partner's interaction; one that no step
      // creates has no step to couple with and is passed over.
      for (const cow_String& step : steps.Keys()) {
        if (partner.GetPropStatus(step) != 1) continue;
        partners.Append(
            aif_FsiPartnerStep{cow_COW<kprC_Step>(steps.ConstGet(step)), steps.EnergyEquation()});
        break;
      }
    }
  }
  return partners;
}

void aif_InteractionBuilder::WriteFsiCosimulation(const kinC_Interaction& interaction,
                                                  const cow_String& name,
                                                  const aif_Comment& comment) {
  if (interaction.Suppressed()) return;
  const auto& cosim =
      nex_canDynamicCastRef<const kinC_FSICosimulation>(interaction, kCosimBuilderFile, __LINE__);
  const cow_List<aif_FsiPartnerStep> partners = FsiPartnerSteps();
  bool first = true;
  for (const cow_String& step : Info().ModelAdapter().Steps().UnsuppressedKeys()) {
    if (first) {
      first = false;
      continue;
    }
    if (interaction.GetPropStatus(step) != 1) continue;
    // The defaults go into a copy of the builder's own; the model keeps
    // what the user gave.
    std::unique_ptr<kinC_FSICosimulation> copy(cosim.Clone());
    if (!partners.IsEmpty()) SetFsiCosimulationDefaults(*copy, step, partners[0]);
    const cow_COW<kinC_Interaction> handle(copy.release());
    AddStepDefinition(step, comment);
    AddStepDefinition(step, aif_Cosimulation(handle, name));
    AddStepDefinition(step, aif_CosimulationRegion(handle, step, Info()));
    AddStepDefinition(step, aif_CosimulationControls(handle, name));
  }
}

void aif_InteractionBuilder::SetFsiCosimulationDefaults(kinC_FSICosimulation& cosim,
                                                        const cow_String& stepName,
                                                        const aif_FsiPartnerStep& partner) const {
  const kprC_StepContainer& steps = Info().ModelAdapter().Steps();
  const kprC_Step& step = steps.ConstGet(stepName);
  std::unique_ptr<kinC_FSICosimulationState> state;
  if (const kern_Object* found = cosim.ConstGetStateQuad(stepName).state)
    state.reset(
        nex_canDynamicCastRef<const kinC_FSICosimulationState>(*found, kCosimBuilderFile, __LINE__)
            .Clone());
  else
    state = std::make_unique<kinC_FSICosimulationState>();
  mdl_PropAttr<cow_List<cow_String>> imports = state->ImportVariables();
  mdl_PropAttr<cow_List<cow_String>> exports = state->ExportVariables();

  if (cosim.TimeMarks() == 0) cosim.SetTimeMarks(1);
  if (cosim.CouplingScheme() == 0) cosim.SetCouplingScheme(1);
  auto codes = [&cosim](int stepSizeKind, int incrementation, int modifier) {
    if (cosim.StepSizeKind() == 0) cosim.SetStepSizeKind(stepSizeKind);
    if (cosim.TimeIncrementation() == 0) cosim.SetTimeIncrementation(incrementation);
    if (cosim.SchemeModifier() == 0) cosim.SetSchemeModifier(modifier);
  };
  // A combination the coupling cannot run stops the write: its text would
  // otherwise stand in the file as an exchanged variable.
  auto refuse = [](const char* text) {
    nex_Exception::Throw(aif_Exception(atr_Translate(text)), kCosimBuilderFile, __LINE__);
  };
  constexpr char kInvalid[] = "Error -- Invalid cosimulation combination";

  const CosimProcedure own = CosimProcedureOf(step);
  const CosimProcedure other = CosimProcedureOf(*partner.step);
  if (own == CosimProcedure::kFlow) {
    nex_canDynamicCastRef<const kprC_FlowStep>(step, kCosimBuilderFile, __LINE__);
    const bool energy = steps.EnergyEquation() == 1;
    if (cosim.SchemeModifier() == 0) cosim.SetSchemeModifier(2);
    switch (other) {
      case CosimProcedure::kExplicit:
        CosimFillEmpty(imports, {"U", "V"});
        CosimFillEmpty(exports, {"LUMPEDMASS", "TRSHR"});
        codes(2, 2, 2);
        break;
      case CosimProcedure::kTempDisplacement:
        if (energy) {
          CosimFillEmpty(imports, {"U", "V", "TEMP"});
          CosimFillEmpty(exports, {"LUMPEDMASS", "TRSHR", "HFL", "LUMPEDHEATCAPACITANCE"});
        } else {
          CosimFillEmpty(imports, {"U", "V"});
          CosimFillEmpty(exports, {"LUMPEDMASS", "TRSHR"});
        }
        codes(2, 2, 2);
        break;
      case CosimProcedure::kImplicit:
        CosimFillEmpty(imports, {"U", "V"});
        CosimFillEmpty(exports, {"LUMPEDMASS", "TRSHR"});
        codes(4, 2, 2);
        break;
      case CosimProcedure::kHeatTransfer:
        if (!energy) refuse(kInvalid);
        CosimFillEmpty(imports, {"TEMP"});
        CosimFillEmpty(exports, {"HFL", "LUMPEDHEATCAPACITANCE"});
        codes(4, 2, 2);
        break;
      default:
        refuse("Illegal Step Type");
    }
  } else if (own != CosimProcedure::kOther && other == CosimProcedure::kFlow) {
    nex_canDynamicCastRef<const kprC_FlowStep>(*partner.step, kCosimBuilderFile, __LINE__);
    const bool energy = partner.energyEquation == 1;
    switch (own) {
      case CosimProcedure::kExplicit:
        CosimFillEmpty(imports, {"CF", "LUMPEDMASS"});
        CosimFillEmpty(exports, {"U", "V"});
        codes(1, 1, 1);
        break;
      case CosimProcedure::kTempDisplacement:
        if (energy) {
          CosimFillEmpty(imports, {"CF", "LUMPEDMASS", "CFL", "LUMPEDHEATCAPACITANCE"});
          CosimFillEmpty(exports, {"U", "V", "NT"});
        } else {
          CosimFillEmpty(imports, {"CF", "LUMPEDMASS"});
          CosimFillEmpty(exports, {"U", "V"});
        }
        codes(1, 1, 1);
        break;
      case CosimProcedure::kImplicit:
        CosimFillEmpty(imports, {"CF", "LUMPEDMASS"});
        CosimFillEmpty(exports, {"U", "V"});
        codes(4, 1, 1);
        break;
      default:  // heat transfer
        if (!energy) refuse(kInvalid);
        CosimFillEmpty(imports, {"CFL", "LUMPEDHEATCAPACITANCE"});
        CosimFillEmpty(exports, {"NT"});
        codes(4, 1, 1);
        break;
    }
  }
  if (cosim.StepSizeKind() == 5) cosim.SetTimeIncrementation(1);

  state->SetImportVariables(imports);
  state->SetExportVariables(exports);
  if (cosim.ConstGetStateQuad(stepName).state) cosim.Insert(stepName, *state);
}
