#include "aif/impl/sections/aif_EulerianSection.h"

#include <string>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kEulerianSectionFile[] = "module/aif/impl/sections/aif_EulerianSection";

}  // namespace

aif_EulerianSection::aif_EulerianSection(cow_String elementSet, const kseC_Section& section,
                                         cow_String orientation, cow_String controls,
                                         cow_String namePrefix, const akw_ModelInfo* info)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      elementSet_(std::move(elementSet)),
      namePrefix_(std::move(namePrefix)),
      section_(section),
      info_(info) {}

void aif_EulerianSection::Write(utl_Stream& stream) const {
  const auto* eulerian = section_->DynTypeId() == kseC_EulerianSection::TypeId()
                             ? dynamic_cast<const kseC_EulerianSection*>(section_.Get())
                             : nullptr;
  if (!eulerian)
    nex_Exception::Throw(aif_Exception("Not a Eulerian section type"), kEulerianSectionFile,
                         __LINE__);
  const kseC_EulerianSection& section = *eulerian;
  bool partBased = true;
  if (info_)
    partBased = nex_canDynamicCastRef<const aif_ModelInfo>(*info_, kEulerianSectionFile, __LINE__)
                    .IsPartBased();
  stream << "*Eulerian Section, elset=" << elementSet_;
  if (!controls_.IsEmpty()) (stream << ", ").OptionalLineBreak() << "controls=" << controls_;
  if (!orientation_.IsEmpty())
    (stream << ", ").OptionalLineBreak() << "orientation=" << orientation_;
  stream << endl;
  for (const auto& [instance, material] : section.materialInstances) {
    cow_String name = instance;
    if (!partBased) {
      std::string flat =
          namePrefix_.IsEmpty() ? instance.Str() : namePrefix_.Str() + "." + instance.Str();
      for (char& c : flat)
        if (c == '.') c = '_';
      name = cow_String(flat);
    }
    stream << aif_PrintableName(material) << ", " << aif_PrintableName(name) << endl;
  }
}
