// "*Fastener Property": the physical radius and mass of a point-based
// fastener and the degrees of freedom its coupling ties. Filed by the
// fastener builder before the fastener's "*Fastener" line.
//
// Written lines:
//   "*Fastener Property, name=N[, mass=M]" (no mass when it is 0);
//   the physical radius alone;
//   unless all three rotations are coupled, "1, 1", "2, 2", "3, 3" and then
//   "4, 4", "5, 5", "6, 6" for each rotation that is.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class utl_Stream;

class aif_FastenerProperty : public akw_Keyword {
 public:
  // `name` is written as it stands (the builder passes the printable form).
  aif_FastenerProperty(cow_String name, bool ur1, bool ur2, bool ur3, double physicalRadius,
                       double mass);
  aif_FastenerProperty(const aif_FastenerProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_FastenerProperty(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  bool ur1_;
  bool ur2_;
  bool ur3_;
  double physicalRadius_;
  double mass_;
};
