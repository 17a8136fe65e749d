// A directed segment of the model between two point features, such as the
// direction of a surface traction or a distance of a symmetry. Regenerate
// regenerates both end dots (gsl_Dot).
#pragma once

#include "QivGeom/gsl_Dot.h"
#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

class ftr_FeatureList;

class gsl_ModelSegment {
 public:
  gsl_ModelSegment() = default;
  gsl_ModelSegment(const gsl_Point& start, const gsl_Point& end) : start_(start), end_(end) {}
  gsl_ModelSegment(const gsl_Dot& start, const gsl_Dot& end) : start_(start), end_(end) {}

  gsl_ModelSegment* Clone() const { return new gsl_ModelSegment(*this); }

  const gsl_Point& Start() const { return start_.GetPoint(); }
  const gsl_Point& End() const { return end_.GetPoint(); }
  // The end dots themselves.
  const gsl_Dot& Point1() const { return start_; }
  const gsl_Dot& Point2() const { return end_; }
  // From the start to the end point (not normalized).
  gsl_Vector Direction() const { return End() - Start(); }

  void Regenerate(const ftr_FeatureList& features) {
    start_.Regenerate(features);
    end_.Regenerate(features);
  }

 private:
  gsl_Dot start_;
  gsl_Dot end_;
};
