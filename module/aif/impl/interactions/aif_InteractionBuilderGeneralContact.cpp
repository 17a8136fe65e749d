// aif_InteractionBuilder: Standard general contact and the geometric
// smoothing of general contact and Standard surface-to-surface pairs.
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_MorvexName.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/interactions/aif_ChangeFriction.h"
#include "aif/impl/interactions/aif_ContactStd.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/impl/interactions/aif_SurfaceSmoothing.h"
#include "aif/impl/sections/aif_Friction.h"

namespace {

constexpr char kGeneralContactBuilderFile[] =
    "module/aif/impl/interactions/aif_InteractionBuilderGeneralContact.cpp";

// The correction chosen by a smoothing assignment's kind code; another code
// chooses none (the record's detected kind is written instead).
cow_String SmoothingChoiceText(int kind) {
  switch (kind) {
    case 0:
      return "None";
    case 1:
      return "Circumferential";
    case 2:
      return "Spherical";
    default:
      return cow_String();
  }
}

aif_GeometricCorrection SmoothingRecord(const cow_String& printableName,
                                        const aif_SmoothingPiece& piece, const cow_String& choice,
                                        const cow_String& kind) {
  aif_GeometricCorrection record;
  record.interactionName = printableName;
  record.surface = piece.surface;
  record.choice = choice;
  record.kind = kind;
  record.x1 = piece.x1;
  record.y1 = piece.y1;
  record.z1 = piece.z1;
  record.x2 = piece.x2;
  record.y2 = piece.y2;
  record.z2 = piece.z2;
  return record;
}

}  // namespace

aif_SmoothingSurfaces aif_InteractionBuilder::Smoothing() {
  return aif_SmoothingSurfaces(
      Info(), [this](const akw_Keyword& surface) { AddAssemblyDefinition(surface); });
}

cow_List<aif_SmoothingPiece> aif_InteractionBuilder::BuildSmoothingSurfaces(
    const cow_String& name, const rgnC_Region& region, int k, const gdy_CompositeHitSet* hits) {
  const aif_SmoothingSurfaces smoothing = Smoothing();
  const gdy_CompositeHitSet faces = hits ? *hits : smoothing.RegionFaces(region);
  return smoothing.Find(faces, "_" + name + "_gcs" + aif_NumberText(k) + "_", false);
}

bool aif_InteractionBuilder::CollectGeometricCorrections(const cow_String& name,
                                                         const rgnC_Region& region,
                                                         const cow_String& choice,
                                                         cow_List<aif_GeometricCorrection>& records,
                                                         int k) {
  const cow_List<aif_SmoothingPiece> pieces = BuildSmoothingSurfaces(name, region, k, nullptr);
  if (pieces.IsEmpty()) return false;
  const cow_String printableName = omu_MorvexName::QuoteIfNeeded(name);
  for (const aif_SmoothingPiece& piece : pieces)
    records.Append(SmoothingRecord(printableName, piece, choice,
                                   piece.spherical ? "SPHERICAL" : "CIRCUMFERENTIAL"));
  return true;
}

cow_List<aif_SmoothingPiece> aif_InteractionBuilder::BuildPairSmoothingSurfaces(
    const cow_String& name, const rgnC_Region& region, bool master) {
  const aif_SmoothingSurfaces smoothing = Smoothing();
  return smoothing.Find(smoothing.RegionFaces(region), "_" + name + (master ? "_msm_" : "_ssm_"),
                        true);
}

cow_String aif_InteractionBuilder::WritePairSurfaceSmoothing(const cow_String& name,
                                                             const rgnC_Region& master,
                                                             const rgnC_Region& slave) {
  cow_List<cow_String> masterNames, slaveNames;
  cow_List<double> x1, y1, z1, x2, y2, z2;
  cow_List<bool> circumferential, spherical;
  for (const bool isMaster : {true, false}) {
    for (const aif_SmoothingPiece& piece :
         BuildPairSmoothingSurfaces(name, isMaster ? master : slave, isMaster)) {
      masterNames.Append(isMaster ? piece.surface : cow_String());
      slaveNames.Append(isMaster ? cow_String() : piece.surface);
      x1.Append(piece.x1);
      y1.Append(piece.y1);
      z1.Append(piece.z1);
      x2.Append(piece.x2);
      y2.Append(piece.y2);
      z2.Append(piece.z2);
      spherical.Append(piece.spherical);
      circumferential.Append(!piece.spherical);
    }
  }
  if (masterNames.IsEmpty()) return cow_String();
  const cow_String printableName = omu_MorvexName::QuoteIfNeeded(name);
  AddModelDefinition(aif_SurfaceSmoothing(printableName, masterNames, slaveNames, x1, y1, z1, x2,
                                          y2, z2, circumferential, spherical));
  return printableName;
}

// General contact is defined once, in the initial step, with the geometric
// corrections its smoothing asks for; the surfaces of the smoothed pieces
// go in the assembly. A contact whose property assignments change between
// steps names generated properties ("_<name>-Prop1", ...) where the product
// writes generated names, and each step that changes an assignment changes
// that property's friction.
void aif_InteractionBuilder::WriteGeneralContactStd(const kinC_Interaction& interaction,
                                                    const cow_String& name,
                                                    const aif_Comment& comment) {
  if (interaction.Suppressed()) return;
  const auto& contact = nex_canDynamicCastRef<const kinC_ContactStd>(
      interaction, kGeneralContactBuilderFile, __LINE__);
  const cow_List<cow_String> steps = Info().ModelAdapter().Steps().UnsuppressedKeys();
  const bool changes = !aif_ContactPropertyHistory(interaction, steps).IsEmpty();
  const bool renames = aif_GeneratesPropertyNames(Info().AnalysisProduct());

  cow_List<aif_GeometricCorrection> records;
  if (contact.wholeModelSmoothing) {
    const gdy_CompositeHitSet faces = Smoothing().WholeModelFaces();
    const cow_List<aif_SmoothingPiece> pieces =
        BuildSmoothingSurfaces(name, rgnC_Region(), 0, &faces);
    if (!pieces.IsEmpty()) {
      const cow_String printableName = omu_MorvexName::QuoteIfNeeded(name);
      for (const aif_SmoothingPiece& piece : pieces)
        records.Append(SmoothingRecord(printableName, piece, cow_String(),
                                       piece.spherical ? "Spherical" : "Circumferential"));
    }
  }
  for (std::size_t i = 0; i < contact.smoothings.Length(); ++i) {
    // An assignment without its region smooths nothing.
    if (i >= contact.smoothingRegions.Length()) break;
    CollectGeometricCorrections(name, contact.smoothingRegions[i].first,
                                SmoothingChoiceText(contact.smoothings[i].kind), records,
                                static_cast<int>(i + 1));
  }

  if (steps.IsEmpty()) return;
  const cow_String& initial = steps[0];
  if (interaction.GetPropStatus(initial) == 1) {
    AddInteractionKeyword(initial, comment);
    AddStepDefinition(initial, aif_ContactStd(name, cow_COW<kinC_Interaction>(interaction), initial,
                                              Info(), records, renames && changes));
  }
  if (changes) AddGeneralContactChanges(contact, name, comment, steps, renames);
}

// The known names follow the property assignments as the steps set them:
// the creation step gives one per assignment (at its position, set or
// not), and a modifying step that names another property for an
// assignment writes the change and updates it. The step's comment goes
// before its first change; a step without one writes nothing. An assignment a later step
// adds beyond the known ones gets no change (its property is not among the
// generated ones); the step is named in a warning and the write goes on.
void aif_InteractionBuilder::AddGeneralContactChanges(const kinC_ContactStd& contact,
                                                      const cow_String& name,
                                                      const aif_Comment& comment,
                                                      const cow_List<cow_String>& steps,
                                                      bool renames) {
  const aif_Model& model = Info().ModelAdapter();
  cow_List<cow_String> known;
  for (const cow_String& step : steps) {
    const int status = contact.GetPropStatus(step);
    if ((status != 1 && status != 3) || !contact.HasStep(step)) continue;
    const kinC_ContactExpState& state =
        nex_canDynamicCastRef<const kinC_ContactExp>(contact, kGeneralContactBuilderFile, __LINE__)
            .ConstGetState(step);
    if (status == 1) {
      for (const mdl_PropAttr<cow_String>& property : state.properties)
        known.Append(property.Value());
      continue;
    }
    bool added = false;
    bool commented = false;
    for (std::size_t j = 0; j < state.properties.Length(); ++j) {
      const mdl_PropAttr<cow_String>& property = state.properties[j];
      // An assignment the step leaves unset changes nothing.
      if (property.Status() == 0) continue;
      const cow_String& value = property.Value();
      if (j >= known.Length()) {
        while (known.Length() < j)
          known.Append(cow_String());
        known.Append(value);
        added = true;
        continue;
      }
      if (value == known[j]) continue;
      const auto& contactProperty = nex_canDynamicCastRef<const kinC_ContactProperty>(
          model.InteractionProperties().ConstGet(value), kGeneralContactBuilderFile, __LINE__);
      if (!commented) AddStepDefinition(step, comment);
      commented = true;
      AddStepDefinition(
          step,
          aif_ChangeFriction(
              renames ? "_" + name + "-Prop" + aif_NumberText(static_cast<int>(j + 1)) : value));
      AddStepDefinition(
          step, aif_Friction(cow_COW<kinC_InteractionProperty>(contactProperty), &Info(), true));
      known.Modify(j) = value;
    }
    if (added)
      ajbC_CheckingMessages::Instance().Warnings().Append(atr_TranslateFormat3(
          "General contact %s: step %s assigns a contact property to an assignment that no "
          "earlier step made; no change of friction is written for it.",
          name, step, cow_String()));
  }
}
