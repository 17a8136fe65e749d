#include "aif/impl/sections/aif_MembraneSection.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_RebarLayer.h"

namespace {

constexpr char kMembraneSectionFile[] = "module/aif/impl/sections/aif_MembraneSection";

}  // namespace

aif_MembraneSection::aif_MembraneSection(cow_String elementSet, const kseC_Section& section,
                                         cow_String orientation, cow_String rebarOrientation,
                                         cow_String controls, cow_String thicknessDistribution,
                                         const akw_ModelInfo* info)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      thicknessDistribution_(std::move(thicknessDistribution)),
      rebarOrientation_(std::move(rebarOrientation)),
      elementSet_(std::move(elementSet)),
      section_(section),
      info_(info) {}

void aif_MembraneSection::Write(utl_Stream& stream) const {
  const auto& section =
      nex_canDynamicCastRef<const kseC_MembraneSection>(*section_, kMembraneSectionFile, __LINE__);
  const bool fieldThickness = section.thicknessType == 1 || section.thicknessType == 2;
  cow_String thicknessName;
  if (fieldThickness) {
    if (!thicknessDistribution_.IsEmpty()) {
      thicknessName = thicknessDistribution_;
    } else {
      thicknessName = section.thicknessField;
      // A flat file names the field's distribution after its owner; with no
      // owner given the field name stands alone (never a bare "_" prefix).
      const bool flat = info_ && !nex_canDynamicCastRef<const aif_ModelInfo>(
                                      *info_, kMembraneSectionFile, __LINE__)
                                      .IsPartBased();
      if (flat && !namePrefix_.IsEmpty()) thicknessName = namePrefix_ + "_" + thicknessName;
    }
  }
  stream << "*Membrane Section, elset=" << elementSet_;
  // Each option goes on the next line when it would carry the line past 256
  // characters.
  const auto option = [&stream](const std::string& text) {
    (stream << ", ").OptionalLineBreak(text.size()) << text.c_str();
  };
  option("material=" + akw_MorvexName(section.material, false).Printable().Str());
  if (!orientation_.IsEmpty()) option("orientation=" + orientation_.Str());
  if (!controls_.IsEmpty()) option("controls=" + controls_.Str());
  if (fieldThickness)
    option("membrane thickness=" + akw_MorvexName(thicknessName, false).Printable().Str());
  if (section.poissonFlag != 0)
    (stream << ", ").OptionalLineBreak() << "poisson=" << section.poisson;
  stream << endl << (fieldThickness ? 1.0 : section.thickness) << ", " << endl;
  if (const kseC_Rebar* rebar = section.Rebar())
    aif_RebarLayer(*rebar, rebarOrientation_, true).Write(stream);
}
