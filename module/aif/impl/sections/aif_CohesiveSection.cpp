#include "aif/impl/sections/aif_CohesiveSection.h"

#include <cfloat>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kCohesiveSectionFile[] = "module/aif/impl/sections/aif_CohesiveSection";

}  // namespace

aif_CohesiveSection::aif_CohesiveSection(cow_String elementSet, const kseC_Section& section,
                                         cow_String orientation, cow_String controls)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      elementSet_(std::move(elementSet)),
      section_(section) {}

void aif_CohesiveSection::Write(utl_Stream& stream) const {
  const auto* cohesive = section_->DynTypeId() == kseC_CohesiveSection::TypeId()
                             ? dynamic_cast<const kseC_CohesiveSection*>(section_.Get())
                             : nullptr;
  if (!cohesive)
    nex_Exception::Throw(aif_Exception("Unknown section type"), kCohesiveSectionFile, __LINE__);
  const kseC_CohesiveSection& section = *cohesive;
  stream << "*Cohesive Section, elset=" << elementSet_;
  if (!orientation_.IsEmpty())
    (stream << ", ").OptionalLineBreak() << "orientation=" << orientation_;
  if (!controls_.IsEmpty()) (stream << ", ").OptionalLineBreak() << "controls=" << controls_;
  (stream << ", ").OptionalLineBreak() << "material=" << akw_MorvexName(section.material, false);
  switch (section.response) {
    case 0:
      (stream << ", ").OptionalLineBreak() << "response=TRACTION SEPARATION";
      break;
    case 1:
      (stream << ", ").OptionalLineBreak() << "response=CONTINUUM";
      break;
    case 2:
      (stream << ", ").OptionalLineBreak() << "response=GASKET";
      break;
    default:
      break;
  }
  if (section.thicknessMode == 1) {
    (stream << ", ").OptionalLineBreak() << "thickness=GEOMETRY" << endl;
  } else if (section.thicknessMode == 2) {
    (stream << ", ").OptionalLineBreak() << "thickness=SPECIFIED" << endl << section.thickness;
  } else {
    stream << endl;
  }
  stream << ", ";
  if (section.outOfPlaneThickness != DBL_MAX) stream << section.outOfPlaneThickness;
  stream << endl;
}
