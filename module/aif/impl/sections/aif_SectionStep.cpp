#include "aif/impl/sections/aif_SectionStep.h"

#include <memory>

#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_BeamSectionStep.h"
#include "aif/impl/sections/aif_CohesiveSection.h"
#include "aif/impl/sections/aif_DiscreteFieldRecords.h"
#include "aif/impl/sections/aif_ElementControlsStep.h"
#include "aif/impl/sections/aif_EulerianSectionStep.h"
#include "aif/impl/sections/aif_FieldThicknessStep.h"
#include "aif/impl/sections/aif_GasketSection.h"
#include "aif/impl/sections/aif_HourglassStiffness.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_InterfaceSection.h"
#include "aif/impl/sections/aif_MembraneSection.h"
#include "aif/impl/sections/aif_OrientationStep.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_RefPointSection.h"
#include "aif/impl/sections/aif_SectionKinds.h"
#include "aif/impl/sections/aif_ShellGeneralSection.h"
#include "aif/impl/sections/aif_ShellSection.h"
#include "aif/impl/sections/aif_SolidSection.h"
#include "aif/impl/sections/aif_SurfaceSection.h"
#include "aif/impl/sections/aif_TransverseShear.h"

namespace {

constexpr const char* kSectionStepFile = aif_PartAttributesState::kSourceFile;

using namespace aif_SectionKinds;

// Records the discrete fields a composite section's layers read, thickness
// fields ("length") and angle fields ("angle"), and names each in `layers`
// by its use's distribution, as the ply lines are to name it (a field used
// with other columns as well has a distribution of another name).
void RegisterLayerFields(aif_DiscreteFieldRecords& records, const aif_InstanceScope& scope,
                         cow_List<kseC_Layer>& layers) {
  for (std::size_t i = 0; i < layers.Length(); ++i) {
    const kseC_Layer& layer = layers[i];
    if (layer.thicknessFlag == 1) {
      const cow_String name = records.Register(scope, layer.thicknessDistribution, {"length"});
      if (!(name == layer.thicknessDistribution)) layers.Modify(i).thicknessDistribution = name;
    }
    if (layer.additionalRotationKind == 2) {
      const cow_String name = records.Register(scope, layer.rotationDistribution, {"angle"});
      if (!(name == layer.rotationDistribution)) layers.Modify(i).rotationDistribution = name;
    }
  }
}

// A copy of the shell or membrane `section` whose thickness is its own
// value, not a field's.
kseC_Section* WithOwnThickness(const kseC_Section& section) {
  kseC_Section* copy = section.Clone();
  if (auto* shell = dynamic_cast<kseC_GeometryShellSection*>(copy)) {
    shell->thicknessType = 0;
    shell->thicknessField = cow_String();
  } else if (auto* membrane = dynamic_cast<kseC_MembraneSection*>(copy)) {
    membrane->thicknessType = 0;
    membrane->thicknessField = cow_String();
  }
  return copy;
}

}  // namespace

bool aif_SectionStep::HasGasketBehavior(const kseC_GasketSection& section) const {
  const auto& materials = state_.info.ModelAdapter().Materials();
  if (!materials.Contains(section.material)) return false;
  const kmaC_Material& material = materials.ConstGet(section.material);
  return !material.membraneElastic.IsNull() || !material.transShearElastic.IsNull() ||
         !material.thicknessBehavior.IsNull();
}

void aif_SectionStep::Add(const aif_InstanceScope& scope,
                          const aif_PartAttributesState::Group& group) {
  aif_ModelInfo& info = state_.info;
  if (!state_.sections.Contains(group.sectionName)) return;
  const kseC_Section& section = state_.sections.ConstGet(group.sectionName);
  state_.usedSections.Append(group.sectionName);
  const unsigned type = section.DynTypeId();
  if (type != kBeam && type != kNoComment)
    filer_.ToScope(scope, aif_Comment("Section: " + group.sectionName));

  const int product = info.AnalysisProduct();
  const cow_String* stack = state_.stackDirections.Find(group.materialOrientation);
  const Keyed keyed{
      group,
      section,
      type,
      group.params.HasDefaultSectionControls(aif_ElementControlsStep::Library(product))
          ? cow_String()
          : group.controls,
      stack ? *stack : cow_String(),
      product == 0};

  switch (type) {
    case kCompositeSolid:
    case kHomogeneousSolid:
    case kFluid:
      AddSolid(scope, keyed);
      break;
    case kHomogeneousShell:
    case kCompositeShell:
    case kGeneralShell:
    case kUserShell:
    case kGeneralStiffness:
      AddShell(scope, keyed);
      break;
    case kBeam:
      aif_BeamSectionStep(state_, filer_)
          .Add(scope, scope.partLevel, group.sectionName, group.setName, section,
               group.beamOrientation);
      break;
    case kTruss:
      AddTruss(scope, group.setName, section, keyed.controls);
      break;
    case kMembrane:
      AddMembrane(scope, keyed);
      break;
    case kEulerian:
      // The Eulerian keyword takes no orientation: no stack direction.
      aif_EulerianSectionStep(state_, filer_)
          .Add(scope, scope.partLevel, group.setName, section, keyed.controls, group.params);
      break;
    default:
      AddOther(scope, keyed);
      break;
  }
  info.LayupData().AddSectionElset(group.setName);
}

void aif_SectionStep::AddHourglass(const aif_InstanceScope& scope, const Keyed& keyed) {
  if (keyed.hourglass) filer_.ToScope(scope, aif_HourglassStiffness(keyed.group.params));
}

void aif_SectionStep::AddSolid(const aif_InstanceScope& scope, const Keyed& keyed) {
  const aif_PartAttributesState::Group& group = keyed.group;
  cow_String prefix;
  std::unique_ptr<kseC_Section> plies;  // the section, its plies naming their distributions
  if (keyed.type == kCompositeSolid) {
    const auto& composite = nex_canDynamicCastRef<const kseC_CompositeSolidSection>(
        keyed.section, kSectionStepFile, __LINE__);
    plies.reset(keyed.section.Clone());
    aif_DiscreteFieldRecords records(state_, filer_);
    RegisterLayerFields(records, scope, static_cast<kseC_CompositeSolidSection&>(*plies).layers);
    aif_OrientationStep(state_, filer_)
        .AddLayerOrientations(scope, group.sectionName, composite.layers, prefix);
  }
  filer_.ToScope(
      scope, aif_SolidSection(group.setName, plies ? *plies : keyed.section, group.orientationName,
                              keyed.controls, keyed.stackDirection, prefix));
  AddHourglass(scope, keyed);
}

void aif_SectionStep::AddShell(const aif_InstanceScope& scope, const Keyed& keyed) {
  const aif_PartAttributesState::Group& group = keyed.group;
  const auto& shell =
      nex_canDynamicCastRef<const kseC_ShellSection>(keyed.section, kSectionStepFile, __LINE__);
  aif_DiscreteFieldRecords records(state_, filer_);
  cow_String prefix;
  cow_String thickness = group.thicknessDistribution;
  bool nodal = group.nodalThickness;
  bool dropped = group.thicknessDropped;
  if (IsGeometryShell(keyed.type)) {
    const auto& geometry = static_cast<const kseC_GeometryShellSection&>(shell);
    if (geometry.thicknessType == 2) {
      thickness = aif_FieldThicknessStep(state_, filer_)
                      .FromDiscreteFieldUse(scope, geometry.thicknessField, false, nodal);
      dropped = thickness.IsEmpty() && !nodal;
    }
  }
  // A dropped thickness field: the section's own thickness, no field named.
  std::unique_ptr<kseC_Section> own(dropped ? WithOwnThickness(keyed.section) : nullptr);
  if (keyed.type == kCompositeShell) {
    const auto& composite = static_cast<const kseC_CompositeShellSection&>(shell);
    // The plies name their fields' distributions.
    if (!own) own.reset(keyed.section.Clone());
    RegisterLayerFields(records, scope, static_cast<kseC_CompositeShellSection&>(*own).layers);
    aif_OrientationStep(state_, filer_)
        .AddLayerOrientations(scope, group.sectionName, composite.layers, prefix);
  }
  const kseC_Section& section = own ? *own : keyed.section;
  if (keyed.type == kUserShell || keyed.type == kGeneralStiffness) {
    filer_.ToScope(
        scope, aif_ShellGeneralSection(group.setName, section, group.orientationName,
                                       keyed.controls, group.offsetValue, keyed.stackDirection));
  } else {
    filer_.ToScope(scope, aif_ShellSection(group.setName, section, group.orientationName,
                                           group.rebarOrientationName, keyed.controls,
                                           group.offsetValue, state_.info, keyed.stackDirection,
                                           prefix, group.offsetText, scope.name, thickness, nodal));
  }
  if (shell.transverseShear) filer_.ToScope(scope, aif_TransverseShear(*shell.transverseShear));
  AddHourglass(scope, keyed);
}

void aif_SectionStep::AddMembrane(const aif_InstanceScope& scope, const Keyed& keyed) {
  const aif_PartAttributesState::Group& group = keyed.group;
  const auto& membrane =
      nex_canDynamicCastRef<const kseC_MembraneSection>(keyed.section, kSectionStepFile, __LINE__);
  cow_String thickness = group.thicknessDistribution;
  // A thickness from the geometry is the "*Nodal Thickness" rows of the
  // group's nodes, which carry no name the section could refer to: the
  // section keeps its own thickness (as a uniform one does) and names none.
  bool dropped = group.thicknessDropped || group.nodalThickness;
  if (membrane.thicknessType == 2) {
    bool nodal = false;
    thickness = aif_FieldThicknessStep(state_, filer_)
                    .FromDiscreteFieldUse(scope, membrane.thicknessField, true, nodal);
    dropped = thickness.IsEmpty();
  }
  // A dropped thickness field: the section's own thickness, no field named.
  const std::unique_ptr<kseC_Section> own(dropped ? WithOwnThickness(keyed.section) : nullptr);
  aif_MembraneSection keyword(group.setName, own ? *own : keyed.section, group.orientationName,
                              group.rebarOrientationName, keyed.controls, thickness, &state_.info);
  // A flat file names the thickness field's distribution after the instance.
  if (scope.flat) keyword.SetNamePrefix(scope.name);
  filer_.ToScope(scope, keyword);
  AddHourglass(scope, keyed);
}

void aif_SectionStep::AddOther(const aif_InstanceScope& scope, const Keyed& keyed) {
  const aif_PartAttributesState::Group& group = keyed.group;
  const cow_String& set = group.setName;
  switch (keyed.type) {
    case kGasket: {
      const auto& gasket = nex_canDynamicCastRef<const kseC_GasketSection>(
          keyed.section, kSectionStepFile, __LINE__);
      filer_.ToScope(scope, aif_GasketSection(set, keyed.section, HasGasketBehavior(gasket),
                                              group.orientationName));
      AddHourglass(scope, keyed);
      break;
    }
    case kPeg:
    case kAcousticInfinite:
      filer_.ToScope(scope, aif_RefPointSection(set, keyed.section, group.orientationName,
                                                keyed.controls, scope.RefPointName()));
      AddHourglass(scope, keyed);
      break;
    case kSurface:
      nex_canDynamicCastRef<const kseC_SurfaceSection>(keyed.section, kSectionStepFile, __LINE__);
      filer_.ToScope(scope, aif_SurfaceSection(set, keyed.section, group.rebarOrientationName));
      break;
    case kCohesive:
      filer_.ToScope(
          scope, aif_CohesiveSection(set, keyed.section, group.orientationName, keyed.controls));
      AddHourglass(scope, keyed);
      break;
    case kInterface:
      filer_.ToScope(scope, aif_InterfaceSection(set, cow_String(), keyed.section));
      break;
    default:
      break;
  }
}

void aif_SectionStep::AddTruss(const aif_InstanceScope& scope, const cow_String& setName,
                               const kseC_Section& section, const cow_String& controls) {
  filer_.ToScope(scope, aif_SolidSection(setName, section, cow_String(), controls, cow_String(),
                                         cow_String()));
}
