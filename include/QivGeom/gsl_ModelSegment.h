// A directed segment of the model (two points), such as the direction of a
// surface traction.
#pragma once

#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

class gsl_ModelSegment {
 public:
  gsl_ModelSegment() = default;
  gsl_ModelSegment(const gsl_Point& start, const gsl_Point& end) : start_(start), end_(end) {}

  const gsl_Point& Start() const { return start_; }
  const gsl_Point& End() const { return end_; }
  // From the start to the end point (not normalized).
  gsl_Vector Direction() const { return end_ - start_; }

 private:
  gsl_Point start_;
  gsl_Point end_;
};
