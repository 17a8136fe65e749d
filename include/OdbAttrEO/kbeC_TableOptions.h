// The table settings a connector behaviour option may carry (regularization,
// rate filtering, extrapolation). Each setting has a left-default flag: a
// setting left default is not written.
#pragma once

struct kbeC_TableOptions {
  bool regularizeDefault = true;
  bool regularize = true;
  bool toleranceDefault = true;
  double tolerance = 0.03;
  bool rateFilterDefault = true;
  double rateFilterFactor = 0.9;
  // 1 logarithmic; anything else linear.
  int rateInterpolation = 0;
  bool extrapolationDefault = true;
  // 1 linear; anything else constant.
  int extrapolation = 0;
};
