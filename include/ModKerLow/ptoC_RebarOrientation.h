// A rebar orientation of a part: a material orientation that sections with
// rebar layers use for their rebar directions. Held in the part's attributes
// beside its material orientations, but a kind of its own.
#pragma once

#include "ModKerLow/ptoC_MaterialOrientation.h"

class ptoC_RebarOrientation : public ptoC_MaterialOrientation {
 public:
  static constexpr unsigned kTypeId = 0x0B00013;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(ptoC_RebarOrientation, ptoC_MaterialOrientation)
  ptoC_RebarOrientation* Clone() const override { return new ptoC_RebarOrientation(*this); }
};
