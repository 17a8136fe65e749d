#include "aif/impl/constraints/aif_Fastener.h"

#include <cfloat>
#include <climits>
#include <cstddef>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

// At most this many target surfaces share a data line, and a line whose
// names already exceed this many characters takes no further name.
constexpr int kFastenerSurfacesPerLine = 8;
constexpr std::size_t kFastenerSurfaceLineCharacters = 100;

}  // namespace

aif_Fastener::aif_Fastener(const kefC_PointFastener& fastener, cow_String interactionName,
                           cow_String propertyName, cow_String referenceNodeSetName,
                           cow_String elementSetName, cow_List<cow_String> targetSurfaceNames,
                           cow_String orientationName)
    : fastener_(fastener),
      propertyName_(std::move(propertyName)),
      interactionName_(std::move(interactionName)),
      referenceNodeSetName_(std::move(referenceNodeSetName)),
      elementSetName_(std::move(elementSetName)),
      orientationName_(std::move(orientationName)),
      targetSurfaceNames_(std::move(targetSurfaceNames)) {}

void aif_Fastener::Write(utl_Stream& stream) const {
  // The name is made printable here, once: the builder hands it over as the
  // model keys it.
  const cow_String interaction = akw_MorvexName(interactionName_, false).Printable();
  stream << "*Fastener, interaction name=" << interaction << ", property=" << propertyName_
         << ", reference node set=" << referenceNodeSetName_ << ", ";
  if (fastener_.elementSetIndicator == 0) stream << "elset=" << elementSetName_ << ", ";
  stream.OptionalLineBreak();
  stream << "coupling=" << omu_PrimEnum<kefC_CouplingEnum>(fastener_.coupling).GetString() << ", ";
  stream.OptionalLineBreak();
  stream << "attachment method="
         << omu_PrimEnum<kefC_AttachmentMethodEnum>(fastener_.attachmentMethod).GetString() << ", ";
  stream.OptionalLineBreak();
  stream << "weighting method="
         << omu_PrimEnum<kefC_WeightingMethodEnum>(fastener_.weightingMethod).GetString() << ", ";
  stream.OptionalLineBreak();
  stream << (fastener_.adjustOrientation ? "adjust orientation=YES" : "adjust orientation=NO");
  if (fastener_.numberOfLayers != INT_MAX)
    aif_Option(stream) << "number of layers=" << fastener_.numberOfLayers;
  if (fastener_.searchRadius != DBL_MAX)
    aif_Option(stream) << "search radius=" << fastener_.searchRadius;
  if (fastener_.radiusOfInfluence != DBL_MAX)
    aif_Option(stream) << "radius of influence=" << fastener_.radiusOfInfluence;
  if (!orientationName_.IsEmpty()) aif_Option(stream) << "orientation=" << orientationName_;
  if (fastener_.unsorted) aif_Option(stream) << "unsorted";
  stream.LineBreak();

  const gsl_Vector direction = fastener_.projectionDirection.Direction();
  const bool hasDirection = direction.Magnitude() != 0.0;
  if (hasDirection)
    stream << direction.UnitX() << ", " << direction.UnitY() << ", " << direction.UnitZ();
  if (hasDirection || !targetSurfaceNames_.IsEmpty()) stream.LineBreak();
  WriteTargetSurfaces(stream);
}

void aif_Fastener::WriteTargetSurfaces(utl_Stream& stream) const {
  if (targetSurfaceNames_.IsEmpty()) return;
  int onLine = 0;
  std::size_t characters = 0;
  for (const cow_String& name : targetSurfaceNames_) {
    if (onLine == kFastenerSurfacesPerLine || characters > kFastenerSurfaceLineCharacters) {
      stream.LineBreak();
      onLine = 0;
      characters = 0;
    }
    if (onLine > 0) stream << ", ";
    stream << name;
    ++onLine;
    characters += name.Length();
  }
  stream.LineBreak();
}
