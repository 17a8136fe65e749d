#include "QivGeom/gsl_BBox.h"

#include <algorithm>

void gsl_BBox::Extend(const gsl_Point& p) {
  if (empty_) {
    low_ = high_ = p;
    empty_ = false;
    return;
  }
  low_ = {std::min(low_.x, p.x), std::min(low_.y, p.y), std::min(low_.z, p.z)};
  high_ = {std::max(high_.x, p.x), std::max(high_.y, p.y), std::max(high_.z, p.z)};
}

double gsl_BBox::Size() const {
  return empty_ ? 0.0 : (high_ - low_).Magnitude();
}
