// The point masses, rotary inertias and heat capacitances of an instance's
// part: for the last point-section assignment of the part (walking the
// assignments backwards), a comment naming it, then for each non-zero
// property a one-node element in a set of its own and the property keyword
// referring to that set. The part builder files them for a lightweight
// instance's part, the instance builder for every other instance.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;
class asoF_PartInstance;

class aif_PointSections {
 public:
  // `inInstance`: the keywords go into the instance's own definition (the
  // instance builder); in a flat file the point elements' sets
  // ("Instance_Region_MASS_", "_ROTARYI_", "_HEATCAP_") and the orientation of
  // a rotary inertia are then named after the instance, and the orientation
  // is placed by its transform. A rotary inertia names its orientation as
  // the "*Orientation" line writes it, and names none when that line is not
  // written.
  static akw_KeywordList Keywords(aif_ModelInfo& info, const asoF_PartInstance& instance,
                                  bool inInstance);
};
