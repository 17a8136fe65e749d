// Small status tests shared by the load, boundary-condition, connector-motion
// and adaptive-mesh-constraint keywords, and a string copy for the connector
// load and motion data lines.
#pragma once

#include "BasShared/cow_String.h"

// Whether a load with propagation status `status` is inactive in its step:
// for status 4 or 11 `inactive` is set and `opFlag` cleared; for any other
// status `inactive` is cleared and `opFlag` left as it is. Returns `inactive`.
bool aif_IsLoadInactive(int status, bool& inactive, bool& opFlag);

// Whether a keyword with propagation status `status` starts anew: status 1,
// or status 2 while `opFlag` is clear. Callers then clear their op flag so
// that the keyword is written with ", op=NEW".
bool aif_IsNewOpStatus(int status, bool opFlag);

// A copy of `text`.
cow_String aif_CopyString(cow_String text);
