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

class ftr_Feature;
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

  // The entity the dot was picked on (a reference point, a datum point or
  // the feature of a vertex), by its feature id in the assembly's feature
  // list; none unless set.
 public:
  void SetEntityId(unsigned id) { entity_ = id; }
  // The kernel's entity lookup: the feature the dot stands on, found in
  // `features`; null when the dot has no entity or the list does not hold it
  // (deleted, or suppressed: the lookup does not see suppressed features).
  const ftr_Feature* FindEntity(const ftr_FeatureList& features) const;

 private:
  std::optional<unsigned> entity_;
};
