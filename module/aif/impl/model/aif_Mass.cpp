#include "aif/impl/model/aif_Mass.h"

#include "OdbAttrEO/kseC_PointSection.h"
#include "QivBasicUtils/utl_Stream.h"

aif_Mass::aif_Mass(cow_String elementSet, const kseC_PointSection& section)
    : aif_Mass(std::move(elementSet), section.Mass(), section.Alpha(), section.Composite()) {}

aif_Mass::aif_Mass(cow_String elementSet, double mass, double alpha, double composite)
    : elementSet_(std::move(elementSet)), mass_(mass), alpha_(alpha), composite_(composite) {}

void aif_Mass::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*Mass, elset=" << elementSet_;
  if (alpha_ != 0.0) (stream << ", ").OptionalLineBreak() << "alpha=" << alpha_;
  if (composite_ != 0.0) (stream << ", ").OptionalLineBreak() << "composite=" << composite_;
  // The data line keeps its trailing separator.
  stream << endl << mass_ << ", " << endl;
}
