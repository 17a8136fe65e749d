// The datum system an equation term acts in. The kernel names a term's
// system by the id of a datum feature of the root assembly; the writer, and
// the checks that must agree with it, turn that id into a datum reference
// by the datum's name, as every other attribute names its system.
#pragma once

#include "ModKerLow/dtmK_Datum.h"

class asoK_Assembly;

class aif_TransformTermDatum {
 public:
  // The datum feature `id` of `assembly`, named as a reference of the
  // assembly's own datums (no owners). A null reference (the global system:
  // no transform) when `id` is negative or names no feature, or a feature
  // that is not a datum.
  static dtmC_DatumRef Of(const asoK_Assembly& assembly, int id);
};
