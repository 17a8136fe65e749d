#include "aif/impl/interactions/aif_SurfacePropertyAssignments.h"

#include <cstddef>
#include <utility>

#include "OdbAttrEO/kinC_GeneralContact.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_GeneralContactNames.h"

namespace {

constexpr char kSurfacePropertyAssignmentsFile[] =
    "module/aif/impl/interactions/aif_SurfacePropertyAssignments.cpp";

void WriteSurfaceAssignmentValue(utl_Stream& stream, const kinC_SurfThick& thickness) {
  if (thickness.kind == 0)
    stream << "ORIGINAL";
  else if (thickness.kind == 1 || thickness.kind == 3)
    stream << "THINNING";
  else
    stream << thickness.value;
  stream << " , " << thickness.scale;
}

void WriteSurfaceAssignmentValue(utl_Stream& stream, const kinC_SurfOffset& offset) {
  if (offset.kind == 0)
    stream << "ORIGINAL";
  else if (offset.kind == 1)
    stream << "SPOS";
  else if (offset.kind == 2)
    stream << "SNEG";
  else
    stream << offset.value;
}

void WriteSurfaceAssignmentValue(utl_Stream& stream, const kinC_SurfFeature& feature) {
  if (feature.kind == 0)
    stream << "PERIMETER EDGES";
  else if (feature.kind == 1)
    stream << "NO FEATURE EDGES";
  else
    stream << feature.value;
}

// One "*Surface Property Assignment" keyword: its line and one line per
// region whose value the step sets; nothing when it sets none.
template <class T>
void WriteSurfaceAssignment(utl_Stream& stream, const char* property,
                            const cow_List<kinC_RegionPair>& regions,
                            const cow_List<mdl_PropAttr<T>>& values, const aif_ModelInfo& info) {
  if (!aif_ContactAnySet(values, regions.Length())) return;
  stream << "*Surface Property Assignment, property=" << property;
  stream.LineBreak();
  for (std::size_t i = 0; i < regions.Length(); ++i) {
    const mdl_PropAttr<T>* value = aif_ContactSetEntry(values, i);
    if (!value) continue;
    stream << aif_ContactRegionName(regions[i].first, info) << " , ";
    WriteSurfaceAssignmentValue(stream, value->Value());
    stream.LineBreak();
  }
}

}  // namespace

aif_SurfacePropertyAssignments::aif_SurfacePropertyAssignments(
    cow_COW<kinC_Interaction> interaction, cow_String stepName, const aif_ModelInfo& info)
    : stepName_(std::move(stepName)), interaction_(std::move(interaction)), info_(&info) {}

void aif_SurfacePropertyAssignments::Write(utl_Stream& stream) const {
  const kinC_ContactExp& contact = nex_canDynamicCastRef<const kinC_ContactExp>(
      *interaction_, kSurfacePropertyAssignmentsFile, __LINE__);
  const kinC_ContactExpState& state = contact.ConstGetState(stepName_);
  WriteSurfaceAssignment(stream, "THICKNESS", contact.thicknessRegions, state.thicknesses, *info_);
  WriteSurfaceAssignment(stream, "OFFSET FRACTION", contact.offsetRegions, state.offsets, *info_);
  WriteSurfaceAssignment(stream, "FEATURE EDGE CRITERIA", contact.featureRegions, state.features,
                         *info_);
}
