#include "aif/impl/sections/aif_GasketSection.h"

#include <cfloat>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kFile[] = "module/aif/impl/sections/aif_GasketSection";

}  // namespace

aif_GasketSection::aif_GasketSection(cow_String elementSet, const kseC_Section& section,
                                     bool behavior, cow_String orientation)
    : elementSet_(std::move(elementSet)),
      section_(section),
      behavior_(behavior),
      orientation_(std::move(orientation)) {}

void aif_GasketSection::Write(utl_Stream& stream) const {
  if (section_->DynTypeId() != kseC_GasketSection::TypeId()) return;
  const auto& section = nex_canDynamicCastRef<const kseC_GasketSection>(*section_, kFile, __LINE__);
  stream << "*Gasket Section, elset=" << elementSet_;
  stream.OptionalLineBreak() << (behavior_ ? ", behavior=" : ", material=")
                             << akw_MorvexName(section.material, false);
  if (!orientation_.IsEmpty())
    (stream << ", ").OptionalLineBreak() << "orientation=" << orientation_;
  if (section.stabilizationStiffness != DBL_MAX)
    stream.OptionalLineBreak() << ", stabilization stiffness=" << section.stabilizationStiffness;
  stream << endl;
  if (section.g3 != DBL_MAX)
    stream << section.g3;
  else
    stream << " ";
  stream << ", " << section.g2 << ", " << section.g4 << ", " << section.g1 << endl;
}
