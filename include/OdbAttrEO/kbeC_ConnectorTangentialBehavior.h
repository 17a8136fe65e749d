// The friction law of a connector friction option: a coefficient table or an
// exponential decay, with its slip settings.
#pragma once

#include <cfloat>

#include "BasShared/cow_2DArray.h"

struct kbeC_ConnectorTangentialBehavior {
  // 0 coefficient table, 1 exponential decay.
  int formulation = 0;
  // The first, second and third dependence columns after the coefficients.
  bool dependence1 = false;
  bool dependence2 = false;
  bool dependence3 = false;
  int dependencies = 0;
  // Exponential decay: 0 coefficients, 1 test data.
  int decayDefinition = 0;
  // DBL_MAX when unset.
  double shearStressLimit = DBL_MAX;
  // 0 slip tolerance, 1 absolute elastic slip.
  int elasticSlipKind = 0;
  double slipTolerance = 0.0001;
  double elasticSlip = 0.0;
  cow_2DArray<double> data;
};
