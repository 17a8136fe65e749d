// A point feature of the model (a datum point, a vertex picked as a centre):
// the position it stands at, (0, 0, 0) by default.
//
// Regenerate evaluates the dot against the model's features again. The
// stand-in has no features to follow: a dot given a regenerated position
// (SetRegeneratedPoint, as when the feature it follows has moved since the
// dot was last evaluated) takes that position, any other stays where it is.
// Readers regenerate a private copy, so that the model's dot is never
// changed.
#pragma once

#include <optional>

#include "QivGeom/gsl_Point.h"

class ftr_FeatureList;

class gsl_Dot {
 public:
  gsl_Dot() = default;
  explicit gsl_Dot(const gsl_Point& point) : point_(point) {}

  gsl_Dot* Clone() const { return new gsl_Dot(*this); }

  const gsl_Point& GetPoint() const { return point_; }
  void SetPoint(const gsl_Point& point) { point_ = point; }

  void Regenerate(const ftr_FeatureList& features) {
    (void)features;
    if (regenerated_) point_ = *regenerated_;
    ++regenerations_;
  }
  void SetRegeneratedPoint(const gsl_Point& point) { regenerated_ = point; }
  // How often this object was regenerated.
  int Regenerations() const { return regenerations_; }

 private:
  gsl_Point point_;
  std::optional<gsl_Point> regenerated_;
  int regenerations_ = 0;
};
