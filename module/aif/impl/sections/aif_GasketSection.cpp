#include "aif/impl/sections/aif_GasketSection.h"

#include <cfloat>
#include <cstddef>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kGasketSectionFile[] = "module/aif/impl/sections/aif_GasketSection";

// The most characters a real takes in its shortest round-trip form.
constexpr std::size_t kRealLength = 24;

}  // namespace

aif_GasketSection::aif_GasketSection(cow_String elementSet, const kseC_Section& section,
                                     bool behavior, cow_String orientation)
    : elementSet_(std::move(elementSet)),
      section_(section),
      behavior_(behavior),
      orientation_(std::move(orientation)) {}

void aif_GasketSection::Write(utl_Stream& stream) const {
  if (section_->DynTypeId() != kseC_GasketSection::TypeId()) return;
  const auto& section =
      nex_canDynamicCastRef<const kseC_GasketSection>(*section_, kGasketSectionFile, __LINE__);
  const cow_String material = akw_MorvexName(section.material, false).Printable();
  stream << "*Gasket Section, elset=" << elementSet_;
  aif_Option(stream, 9 + material.Length()) << (behavior_ ? "behavior=" : "material=") << material;
  if (!orientation_.IsEmpty())
    aif_Option(stream, 12 + orientation_.Length()) << "orientation=" << orientation_;
  if (section.stabilizationStiffness != DBL_MAX)
    aif_Option(stream, 24 + kRealLength)
        << "stabilization stiffness=" << section.stabilizationStiffness;
  stream << endl;
  if (section.g3 != DBL_MAX)
    stream << section.g3;
  else
    stream << " ";
  stream << ", " << section.g2 << ", " << section.g4 << ", " << section.g1 << endl;
}
