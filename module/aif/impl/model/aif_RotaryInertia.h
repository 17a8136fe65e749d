// "*Rotary Inertia": the inertia tensor of the one-node ROTARYI elements of an
// element set, with optional damping and orientation. Made like aif_Mass, from
// a point section or from the values of an inertia feature.
#pragma once

#include <array>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kseC_PointSection;

class aif_RotaryInertia : public akw_Keyword {
 public:
  // I11, I22, I33, I12, I13, I23: the order of the data line.
  using Components = std::array<double, 6>;

  // The section holds the tensor's upper triangle row by row; it is reordered
  // into the data-line order here.
  aif_RotaryInertia(cow_String elementSet, const kseC_PointSection& section,
                    cow_String orientation);
  aif_RotaryInertia(cow_String elementSet, const Components& components, double alpha,
                    double composite, cow_String orientation);
  aif_RotaryInertia(const aif_RotaryInertia&) = default;

  akw_Keyword* Clone() const override { return new aif_RotaryInertia(*this); }
  // "*Rotary Inertia, elset=SET" with ", alpha=" and ", composite=" for values
  // that are not 0 and ", orientation=" for a name; then one data line of the
  // six components. Nothing when empty.
  void Write(utl_Stream& stream) const override;
  // All six components 0.
  bool IsEmpty() const override;

  void SetOrientation(const cow_String& name) { orientation_ = name; }
  const cow_String& ElementSet() const { return elementSet_; }
  void SetElementSet(const cow_String& name) { elementSet_ = name; }

 private:
  cow_String elementSet_;
  Components components_;
  double alpha_;
  double composite_;
  cow_String orientation_;
};
