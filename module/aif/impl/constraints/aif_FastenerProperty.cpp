#include "aif/impl/constraints/aif_FastenerProperty.h"

#include <utility>

#include "QivBasicUtils/utl_Stream.h"

aif_FastenerProperty::aif_FastenerProperty(cow_String name, bool ur1, bool ur2, bool ur3,
                                           double physicalRadius, double mass)
    : name_(std::move(name)),
      ur1_(ur1),
      ur2_(ur2),
      ur3_(ur3),
      physicalRadius_(physicalRadius),
      mass_(mass) {}

void aif_FastenerProperty::Write(utl_Stream& stream) const {
  stream << "*Fastener Property, name=" << name_;
  // Any mass but 0 is written, negative ones too: the solver judges them.
  if (mass_ != 0.0) stream << ", mass=" << mass_;
  stream.LineBreak();
  stream << physicalRadius_;
  stream.LineBreak();
  if (ur1_ && ur2_ && ur3_) return;
  // The translations are always coupled; a rotation only when its flag is set.
  const bool coupled[6] = {true, true, true, ur1_, ur2_, ur3_};
  for (int dof = 1; dof <= 6; ++dof) {
    if (!coupled[dof - 1]) continue;
    stream << dof << ", " << dof;
    stream.LineBreak();
  }
}
