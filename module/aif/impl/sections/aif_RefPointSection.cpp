#include "aif/impl/sections/aif_RefPointSection.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kRefPointSectionFile[] = "module/aif/impl/sections/aif_RefPointSection";

}  // namespace

aif_RefPointSection::aif_RefPointSection(cow_String elementSet, const kseC_Section& section,
                                         cow_String orientation, cow_String controls,
                                         cow_String refNode)
    : controls_(std::move(controls)),
      orientation_(std::move(orientation)),
      elementSet_(std::move(elementSet)),
      section_(section),
      refNode_(std::move(refNode)) {}

void aif_RefPointSection::Write(utl_Stream& stream) const {
  const unsigned kind = section_->DynTypeId();
  const auto* peg = kind == kseC_PEGSection::TypeId()
                        ? dynamic_cast<const kseC_PEGSection*>(section_.Get())
                        : nullptr;
  const auto* infinite = kind == kseC_AcousticInfiniteSection::TypeId()
                             ? dynamic_cast<const kseC_AcousticInfiniteSection*>(section_.Get())
                             : nullptr;
  // The kind is known before anything is written, so that no keyword line
  // is left unfinished.
  if (!peg && !infinite)
    nex_Exception::Throw(aif_Exception("Unknown section type"), kRefPointSectionFile, __LINE__);
  stream << "*Solid Section, elset=" << elementSet_;
  if (!orientation_.IsEmpty())
    (stream << ", ").OptionalLineBreak() << "orientation=" << orientation_;
  if (!controls_.IsEmpty()) (stream << ", ").OptionalLineBreak() << "controls=" << controls_;
  if (peg) {
    (stream << ", ").OptionalLineBreak() << "material=" << akw_MorvexName(peg->material, false);
    (stream << ", ").OptionalLineBreak() << "ref node=" << refNode_ << endl;
    stream << peg->values[0] << ", ";
    // The columns are positional: the second is written whenever the third
    // is, so that the third never moves into the second's place.
    if (peg->values[1] != 0.0 || peg->values[2] != 0.0) stream << peg->values[1] << ", ";
    if (peg->values[2] != 0.0) stream << peg->values[2];
    stream << endl;
    return;
  }
  (stream << ", ").OptionalLineBreak() << "material=" << akw_MorvexName(infinite->material, false);
  (stream << ", ").OptionalLineBreak() << "ref node=" << refNode_;
  (stream << ", ").OptionalLineBreak() << "order=" << infinite->order << endl;
  stream << infinite->value << ", " << endl;
}
