// The geometry library's tolerances: a length below the length tolerance and
// an angle (radians) below the angle tolerance count as none.
#pragma once

class gsl_Util {
 public:
  static const gsl_Util& Instance() {
    static const gsl_Util util;
    return util;
  }

  double LengthTolerance() const { return 1e-6; }
  double AngleTolerance() const { return 1e-10; }
};
