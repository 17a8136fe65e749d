#include "aif/impl/sections/aif_InterfaceSection.h"

#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kInterfaceSectionFile[] = "module/aif/impl/sections/aif_InterfaceSection";

}  // namespace

aif_InterfaceSection::aif_InterfaceSection(cow_String elementSet, cow_String secondName,
                                           const kseC_Section& section)
    : elementSet_(std::move(elementSet)), secondName_(std::move(secondName)), section_(section) {}

void aif_InterfaceSection::Write(utl_Stream& stream) const {
  const auto* section = section_->DynTypeId() == kseC_AcousticInterfaceSection::TypeId()
                            ? dynamic_cast<const kseC_AcousticInterfaceSection*>(section_.Get())
                            : nullptr;
  if (!section)
    nex_Exception::Throw(aif_Exception("Unknown acoustic interface section type"),
                         kInterfaceSectionFile, __LINE__);
  stream << "*Interface, elset=" << elementSet_ << endl << section->value << endl;
}
