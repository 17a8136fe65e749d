#include "aif/impl/model/aif_RotaryInertia.h"

#include "OdbAttrEO/kseC_PointSection.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

aif_RotaryInertia::Components OutputOrder(const kseC_PointSection::Inertia& t) {
  // t: I11, I12, I13, I22, I23, I33.
  return {t[0], t[3], t[5], t[1], t[2], t[4]};
}

}  // namespace

aif_RotaryInertia::aif_RotaryInertia(cow_String elementSet, const kseC_PointSection& section,
                                     cow_String orientation)
    : aif_RotaryInertia(std::move(elementSet), OutputOrder(section.RotaryInertia()),
                        section.Alpha(), section.Composite(), std::move(orientation)) {}

aif_RotaryInertia::aif_RotaryInertia(cow_String elementSet, const Components& components,
                                     double alpha, double composite, cow_String orientation)
    : elementSet_(std::move(elementSet)),
      components_(components),
      alpha_(alpha),
      composite_(composite),
      orientation_(std::move(orientation)) {}

bool aif_RotaryInertia::IsEmpty() const {
  for (double c : components_)
    if (c != 0.0) return false;
  return true;
}

void aif_RotaryInertia::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*Rotary Inertia, elset=" << elementSet_;
  if (alpha_ != 0.0) (stream << ", ").OptionalLineBreak() << "alpha=" << alpha_;
  if (composite_ != 0.0) (stream << ", ").OptionalLineBreak() << "composite=" << composite_;
  if (!orientation_.IsEmpty())
    (stream << ", ").OptionalLineBreak(12 + orientation_.Length())
        << "orientation=" << orientation_;
  stream << endl;
  for (std::size_t i = 0; i < components_.size(); ++i) {
    if (i > 0) stream << ", ";
    stream << components_[i];
  }
  stream << endl;
}
