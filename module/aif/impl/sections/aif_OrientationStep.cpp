#include "aif/impl/sections/aif_OrientationStep.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_Orientation.h"
#include "aif/impl/sections/aif_DiscreteFieldRecords.h"
#include "aif/impl/sections/aif_DiscreteOrientationStep.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_PartAttributesState.h"
#include "aif/impl/sections/aif_SectionKinds.h"

namespace {

constexpr const char* kOrientationStepFile = aif_PartAttributesState::kSourceFile;

using namespace aif_SectionKinds;

// The names of the orientations a section names itself (plies that name an
// orientation rather than a datum), in ply order.
void AddUserOrientations(const kseC_Section& section, cow_List<cow_String>& names) {
  const cow_List<kseC_Layer>* layers = nullptr;
  if (section.DynTypeId() == kCompositeSolid)
    layers = &static_cast<const kseC_CompositeSolidSection&>(section).layers;
  else if (section.DynTypeId() == kCompositeShell)
    layers = &static_cast<const kseC_CompositeShellSection&>(section).layers;
  if (!layers) return;
  for (const kseC_Layer& layer : *layers)
    if (layer.datum.IsNullRef() && layer.additionalRotationKind != 2 &&
        !layer.orientation.IsEmpty())
      names.Append(layer.orientation);
}

}  // namespace

cow_String aif_OrientationStep::ForGroup(const aif_InstanceScope& scope, int m, bool generated,
                                         unsigned sectionType, const cow_String& sectionName,
                                         cow_String& regionText) {
  const auto& orientation = nex_canDynamicCastRef<const ptoC_MaterialOrientation>(
      *state_.orientations[static_cast<std::size_t>(m)], kOrientationStepFile, __LINE__);
  regionText = aif_PartAttributesState::RegionText(orientation.Region());
  // The "*Orientation" keyword names the distribution of the field that
  // gives the axes: a field the model lacks would leave it undefined.
  if (orientation.DefinitionKind() == ptoC_MaterialOrientation::kField &&
      !orientation.IsSuppressed())
    CheckField(orientation, orientation.FieldName(), sectionName);
  bool write = true;
  cow_String distribution;
  aif_Orientation::FieldDistributions fields;
  cow_String name =
      Name(scope, orientation, m, generated, sectionType, write, distribution, fields.axes);
  // The whole composed name is made printable once, as the section and the
  // orientation keyword both write it ("Ori-my field" in one pair of quotes).
  if (!name.IsEmpty()) name = aif_PrintableName(scope.flat ? scope.name + "-" + name : name);
  if (orientation.DefinitionKind() == ptoC_MaterialOrientation::kUser) {
    // Once per scope, however many groups it covers.
    if (state_.writtenOrientations.IndexOf(name) < 0) {
      state_.writtenOrientations.Append(name);
      filer_.ToScope(scope, aif_Orientation(name));
    }
  } else if (write) {
    // The rotation line names the distribution of the angle field's use,
    // which is not the field's own name when the field is used with other
    // columns as well.
    if (orientation.AdditionalRotationType() == ptoC_MaterialOrientation::kRotationField) {
      CheckField(orientation, orientation.AngleFieldName(), sectionName);
      fields.angle = aif_DiscreteFieldRecords(state_, filer_)
                         .Register(scope, orientation.AngleFieldName(), {"angle"});
    }
    AddOnce(scope, orientation, name, distribution, fields);
  }
  SetStackDirection(orientation, m, sectionType);
  return write ? name : cow_String();
}

void aif_OrientationStep::CheckField(const ptoC_MaterialOrientation& orientation,
                                     const cow_String& field, const cow_String& sectionName) const {
  if (state_.info.ModelAdapter().DiscreteFields().Contains(field)) return;
  // A picked or generated region has no name of its own: the section the
  // orientation serves names it then.
  const rgnC_Region& region = orientation.Region();
  const cow_String owner = region.IsPicked() || region.Name().IsEmpty() ? "section " + sectionName
                                                                        : "region " + region.Name();
  nex_Exception::Throw(aif_Exception("The material orientation of " + owner + " names the field " +
                                     field + ", which the model does not define."),
                       kOrientationStepFile, __LINE__);
}

cow_String aif_OrientationStep::Name(const aif_InstanceScope& scope,
                                     const ptoC_MaterialOrientation& orientation, int m,
                                     bool generated, unsigned sectionType, bool& write,
                                     cow_String& distribution, cow_String& axes) {
  switch (orientation.DefinitionKind()) {
    case ptoC_MaterialOrientation::kDiscrete: {
      const cow_String name = aif_PartAttributesState::Numbered("Ori-", m + 1);
      if (!generated) {
        distribution = aif_DiscreteOrientationStep(state_, filer_)
                           .Add(scope, orientation, name, {orientation.Region()});
        state_.distributionNames.Set(m, distribution);
      } else if (const cow_String* found = state_.distributionNames.Find(m)) {
        distribution = *found;
      }
      // Without a distribution the orientation has no axes: neither it nor
      // the section's reference to it is written.
      write = !distribution.IsEmpty();
      return name;
    }
    case ptoC_MaterialOrientation::kField: {
      const cow_String name = "Ori-" + orientation.FieldName();
      axes = aif_DiscreteFieldRecords(state_, filer_)
                 .Register(scope, orientation.FieldName(), {"coord3d", "coord3d"});
      return name;
    }
    case ptoC_MaterialOrientation::kDatum:
      if (!orientation.DatumRef().IsNullRef())
        return aif_PartAttributesState::Numbered("Ori-", m + 1);
      [[fallthrough]];
    case ptoC_MaterialOrientation::kGlobal:
      if (generated && IsGeometryShell(sectionType)) {
        write = false;
        return cow_String();
      }
      if (!generated && scope.part->GetSpace() == ptoK_SPACE_3D &&
          rgnK_Region(scope.part, state_.info.Model().Name(), orientation.Region()).IsValid(true) &&
          (orientation.Region().Flags() & (1 << 2)) != 0) {
        write = false;
        return cow_String();
      }
      return aif_PartAttributesState::Numbered("Ori-", m + 1);
    default:
      return aif_PartAttributesState::Numbered("Ori-", m + 1);
  }
}

void aif_OrientationStep::SetStackDirection(const ptoC_MaterialOrientation& orientation, int m,
                                            unsigned sectionType) {
  const int code = orientation.StackDirection();
  if (m >= state_.ownOrientations && state_.stackDirections.Contains(m)) {
    // The layup that generated the orientation gave the stack direction.
  } else if (IsSolidType(sectionType)) {
    if (code == 0) state_.stackDirections.Set(m, "1");
    if (code == 1) state_.stackDirections.Set(m, "2");
    if (code == 3) state_.stackDirections.Set(m, "ORIENTATION");
  } else if (IsShellType(sectionType)) {
    if (code == 0) state_.stackDirections.Set(m, "1");
    if (code == 1) state_.stackDirections.Set(m, "2");
  }
}

cow_String aif_OrientationStep::ForRebar(const aif_InstanceScope& scope, const kern_Object& rebar,
                                         int r) {
  const auto& orientation =
      nex_canDynamicCastRef<const ptoC_MaterialOrientation>(rebar, kOrientationStepFile, __LINE__);
  if (orientation.DatumRef().IsNullRef()) return cow_String();
  cow_String name = aif_PartAttributesState::Numbered("RebarOri-", r + 1);
  if (scope.flat) name = scope.name + "-" + name;
  name = aif_PrintableName(name);
  AddOnce(scope, orientation, name);
  return name;
}

void aif_OrientationStep::AddOnce(const aif_InstanceScope& scope,
                                  const ptoC_MaterialOrientation& orientation,
                                  const cow_String& name, const cow_String& distribution,
                                  const aif_Orientation::FieldDistributions& fields) {
  if (orientation.IsSuppressed() || state_.writtenOrientations.IndexOf(name) >= 0) return;
  state_.writtenOrientations.Append(name);
  filer_.ToScope(
      scope, aif_Orientation(scope.part, orientation, state_.info.Model().Name(), name,
                             scope.transform, 0, !scope.flat, scope.name, distribution, fields));
}

void aif_OrientationStep::AddLayerOrientations(const aif_InstanceScope& scope,
                                               const cow_String& sectionName,
                                               const cow_List<kseC_Layer>& layers,
                                               cow_String& prefix) {
  prefix = "Ori-" + sectionName + "-L";
  if (scope.flat) prefix = scope.name + "-" + prefix;
  for (std::size_t i = 0; i < layers.Length(); ++i) {
    const kseC_Layer& layer = layers[i];
    if (layer.datum.IsNullRef()) continue;
    // The rotation line names the distribution of the angle field's use.
    cow_String angle;
    if (layer.additionalRotationKind == 2)
      angle = aif_DiscreteFieldRecords(state_, filer_)
                  .Register(scope, layer.rotationDistribution, {"angle"});
    // Named as the ply line writes it: the whole composed name made printable.
    const cow_String name = akw_MorvexName(prefix + std::to_string(i + 1), false).Printable();
    // Once per scope, however many groups use the section.
    if (state_.writtenOrientations.IndexOf(name) >= 0) continue;
    state_.writtenOrientations.Append(name);
    filer_.ToScope(scope,
                   aif_Orientation(scope.part, layer.datum, state_.info.Model().Name(), name,
                                   layer.additionalRotationKind != 0, layer.additionalRotationAngle,
                                   ptoC_MaterialOrientation::AXIS_3, angle));
  }
}

void aif_OrientationStep::AddSectionOrientations(const aif_InstanceScope& scope) {
  cow_List<cow_String> names;
  for (const cow_String& name : state_.usedSections)
    if (state_.sections.Contains(name)) AddUserOrientations(state_.sections.ConstGet(name), names);
  // Filed where the sections are, each name once in its scope. The plies
  // name them as they stand, so a flat file, one scope for all instances,
  // defines each once for the write.
  for (const cow_String& name : names) {
    const cow_String printable = aif_PrintableName(name);
    if (state_.writtenOrientations.IndexOf(printable) >= 0) continue;
    if (scope.flat && !state_.flatPlyOrientations.insert(printable.Str()).second) continue;
    state_.writtenOrientations.Append(printable);
    filer_.ToScope(scope, aif_Orientation(printable));
  }
}
