// "*Nonstructural Mass": mass carried by the elements of an element set that
// adds to their own, as a total or per volume, area or length. Made by the
// inertia builder from a nonstructural-mass feature.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kefC_Inertia;

class aif_NonstructuralMass : public akw_Keyword {
 public:
  // `inertia` is a kefC_NonstructuralMass: its units, value and
  // volume-proportional flag are copied.
  aif_NonstructuralMass(cow_String elementSet, const kefC_Inertia& inertia);
  aif_NonstructuralMass(const aif_NonstructuralMass&) = default;

  akw_Keyword* Clone() const override { return new aif_NonstructuralMass(*this); }
  // "*Nonstructural Mass, elset=SET, units=UNITS" (", distribution=VOLUME
  // PROPORTIONAL" for a total mass so spread), then "VALUE, ". The units
  // option is written only for a known units code. Nothing when empty.
  void Write(utl_Stream& stream) const override;
  // A value of exactly 0.
  bool IsEmpty() const override { return value_ == 0.0; }

 private:
  cow_String elementSet_;
  int units_;
  double value_;
  bool volumeProportional_;
};
