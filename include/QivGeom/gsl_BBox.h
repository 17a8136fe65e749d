// An axis-aligned bounding box that grows by the points put into it. A new box
// is empty.
#pragma once

#include "QivGeom/gsl_Point.h"

class gsl_BBox {
 public:
  bool IsEmpty() const { return empty_; }
  void Extend(const gsl_Point& point);
  const gsl_Point& Low() const { return low_; }
  const gsl_Point& High() const { return high_; }
  // The length of the box's diagonal; 0 for an empty box.
  double Size() const;

 private:
  bool empty_ = true;
  gsl_Point low_;
  gsl_Point high_;
};
