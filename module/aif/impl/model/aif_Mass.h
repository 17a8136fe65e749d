// "*Mass": the mass of the one-node MASS elements of an element set, with
// optional alpha and composite damping. The part and instance builders make
// it from a point section, right after the element it belongs to; the inertia
// and fastener builders make it from the values of an inertia feature.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kseC_PointSection;

class aif_Mass : public akw_Keyword {
 public:
  aif_Mass(cow_String elementSet, const kseC_PointSection& section);
  aif_Mass(cow_String elementSet, double mass, double alpha, double composite);
  aif_Mass(const aif_Mass&) = default;

  akw_Keyword* Clone() const override { return new aif_Mass(*this); }
  // "*Mass, elset=SET" with ", alpha=" and ", composite=" for values that are
  // not 0; then the data line "MASS, ". Nothing when empty.
  void Write(utl_Stream& stream) const override;
  // A mass of 0: the builders then make neither this keyword nor its element.
  bool IsEmpty() const override { return mass_ == 0.0; }

  const cow_String& ElementSet() const { return elementSet_; }
  void SetElementSet(const cow_String& name) { elementSet_ = name; }

 private:
  cow_String elementSet_;
  double mass_;
  double alpha_;
  double composite_;
};
