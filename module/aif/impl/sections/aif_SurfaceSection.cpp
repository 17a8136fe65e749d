#include "aif/impl/sections/aif_SurfaceSection.h"

#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/sections/aif_RebarLayer.h"

namespace {

constexpr char kSurfaceSectionFile[] = "module/aif/impl/sections/aif_SurfaceSection";

}  // namespace

aif_SurfaceSection::aif_SurfaceSection(cow_String elementSet, const kseC_Section& section,
                                       cow_String rebarOrientation)
    : elementSet_(std::move(elementSet)),
      rebarOrientation_(std::move(rebarOrientation)),
      section_(section) {}

void aif_SurfaceSection::Write(utl_Stream& stream) const {
  const auto& section =
      nex_canDynamicCastRef<const kseC_SurfaceSection>(*section_, kSurfaceSectionFile, __LINE__);
  stream << "*Surface Section, elset=" << elementSet_;
  if (section.densityFlag) stream << ", density=" << section.density;
  stream << endl;
  if (const kseC_Rebar* rebar = section.Rebar())
    aif_RebarLayer(*rebar, rebarOrientation_, true).Write(stream);
}
