// A position in model space: three doubles, (0, 0, 0) by default.
#pragma once

#include "QivGeom/gsl_Vector.h"

class gsl_Point {
 public:
  constexpr gsl_Point() = default;
  constexpr gsl_Point(double px, double py, double pz) : x(px), y(py), z(pz) {}

  gsl_Point operator+(const gsl_Vector& v) const { return {x + v.x, y + v.y, z + v.z}; }
  gsl_Point operator-(const gsl_Vector& v) const { return {x - v.x, y - v.y, z - v.z}; }
  gsl_Vector operator-(const gsl_Point& p) const { return {x - p.x, y - p.y, z - p.z}; }
  bool operator==(const gsl_Point&) const = default;

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};
