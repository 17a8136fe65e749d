#include "QivGeom/gsl_Vector.h"

#include <cmath>

#include "QivGeom/gsl_Matrix.h"

double gsl_Vector::Magnitude() const {
  return std::sqrt(x * x + y * y + z * z);
}

double gsl_Vector::UnitX() const {
  const double m = Magnitude();
  return m == 0.0 ? 0.0 : x / m;
}

double gsl_Vector::UnitY() const {
  const double m = Magnitude();
  return m == 0.0 ? 0.0 : y / m;
}

double gsl_Vector::UnitZ() const {
  const double m = Magnitude();
  return m == 0.0 ? 0.0 : z / m;
}

bool gsl_Vector::Normalize() {
  const double m = Magnitude();
  if (m == 0.0) return false;
  x /= m;
  y /= m;
  z /= m;
  return true;
}

gsl_Vector gsl_Vector::AnyOrthogonalUnit() const {
  const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  gsl_Vector axis(0.0, 0.0, 1.0);
  if (ax <= ay && ax <= az)
    axis = gsl_Vector(1.0, 0.0, 0.0);
  else if (ay <= az)
    axis = gsl_Vector(0.0, 1.0, 0.0);
  gsl_Vector unit = Cross(axis);
  unit.Normalize();
  return unit;
}

void gsl_Vector::RotateAndTransform(const gsl_Matrix& transform) {
  *this = transform.Rotate(*this);
}

bool gsl_Vector::SameDirection(const gsl_Vector& v, double tolerance) const {
  const bool zero = Magnitude() == 0.0;
  if (zero || v.Magnitude() == 0.0) return zero && v.Magnitude() == 0.0;
  return std::fabs(UnitX() - v.UnitX()) <= tolerance &&
         std::fabs(UnitY() - v.UnitY()) <= tolerance && std::fabs(UnitZ() - v.UnitZ()) <= tolerance;
}
