// What a surface-to-surface contact pair states about its initial clearance
// (a single value, or a bolt's data) and, per step of a Standard pair, about
// an interference fit.
#pragma once

#include <cfloat>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"

// Clearance type codes: 0 none, 1 a bolt with tabular data, 2 a single value.
// The third and fourth bolt values may be unset (DBL_MAX); `flipBoltAxis`
// turns the bolt axis round.
struct kinC_ClearanceData {
  int clearanceType = 0;
  double value = DBL_MAX;
  double bolt[4] = {0.0, 0.0, DBL_MAX, DBL_MAX};
  bool flipBoltAxis = false;
};

// Interference of a Standard pair in one step. Type codes: 0 none, 1 shrink
// fit, others an interference by a value (2 may follow an amplitude).
// Direction type 1: the interference acts along `direction` (three floats).
struct kinC_InterferenceData {
  mdl_PropAttr<int> interferenceType;
  mdl_PropAttr<cow_String> amplitude;
  mdl_PropAttr<double> value;
  mdl_PropAttr<int> directionType;
  mdl_PropAttr<cow_List<float>> direction;
};
