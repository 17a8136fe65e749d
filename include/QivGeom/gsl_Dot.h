// A point feature of the model (a datum point, a vertex picked as a centre):
// the position it stands at, (0, 0, 0) by default.
#pragma once

#include "QivGeom/gsl_Point.h"

class gsl_Dot {
 public:
  gsl_Dot() = default;
  explicit gsl_Dot(const gsl_Point& point) : point_(point) {}

  const gsl_Point& GetPoint() const { return point_; }
  void SetPoint(const gsl_Point& point) { point_ = point; }

 private:
  gsl_Point point_;
};
