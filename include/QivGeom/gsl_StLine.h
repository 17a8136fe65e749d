// A straight line feature of the model (a datum axis): a point on it and its
// direction, both in model coordinates. Regenerate follows the rule of
// gsl_Dot: a line given a regenerated point and direction takes them.
#pragma once

#include <optional>
#include <utility>

#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

class ftr_FeatureList;

class gsl_StLine {
 public:
  gsl_StLine() = default;
  gsl_StLine(const gsl_Point& point, const gsl_Vector& direction)
      : point_(point), direction_(direction) {}
  virtual ~gsl_StLine() = default;

  virtual gsl_StLine* Clone() const { return new gsl_StLine(*this); }

  const gsl_Point& PointOn() const { return point_; }
  const gsl_Vector& Direction() const { return direction_; }

  virtual void Regenerate(const ftr_FeatureList& features) {
    (void)features;
    if (regenerated_) {
      point_ = regenerated_->first;
      direction_ = regenerated_->second;
    }
    ++regenerations_;
  }
  void SetRegenerated(const gsl_Point& point, const gsl_Vector& direction) {
    regenerated_ = std::make_pair(point, direction);
  }
  int Regenerations() const { return regenerations_; }

 private:
  gsl_Point point_;
  gsl_Vector direction_;
  std::optional<std::pair<gsl_Point, gsl_Vector>> regenerated_;
  int regenerations_ = 0;
};
