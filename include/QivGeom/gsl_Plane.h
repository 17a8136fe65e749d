// A plane feature of the model (a datum plane): a point on it and its normal
// (Direction), both in model coordinates. Regenerate follows the rule of
// gsl_Dot: a plane given a regenerated point and normal takes them.
#pragma once

#include <optional>
#include <utility>

#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

class ftr_FeatureList;

class gsl_Plane {
 public:
  gsl_Plane() = default;
  gsl_Plane(const gsl_Point& point, const gsl_Vector& normal) : point_(point), normal_(normal) {}
  virtual ~gsl_Plane() = default;

  virtual gsl_Plane* Clone() const { return new gsl_Plane(*this); }

  const gsl_Point& PointOn() const { return point_; }
  // The plane's normal.
  const gsl_Vector& Direction() const { return normal_; }

  virtual void Regenerate(const ftr_FeatureList& features) {
    (void)features;
    if (regenerated_) {
      point_ = regenerated_->first;
      normal_ = regenerated_->second;
    }
    ++regenerations_;
  }
  void SetRegenerated(const gsl_Point& point, const gsl_Vector& normal) {
    regenerated_ = std::make_pair(point, normal);
  }
  int Regenerations() const { return regenerations_; }

 private:
  gsl_Point point_;
  gsl_Vector normal_;
  std::optional<std::pair<gsl_Point, gsl_Vector>> regenerated_;
  int regenerations_ = 0;
};
