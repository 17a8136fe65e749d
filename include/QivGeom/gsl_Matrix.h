// A rigid transform of model space: a 3x3 rotation R and a translation t,
// mapping a point p to R p + t. A default-constructed matrix is the identity.
//
// Angle conventions (radians unless stated):
//  - GetAxisRotation describes the transform as "translate by t, then rotate
//    by the angle about an axis through the translated origin t": the point it
//    returns is t itself, so that a reader who applies the translation first
//    and the rotation second about that axis gets R p + t back;
//  - GetRotationAngles gives (a, b, c) with R = Rz(c) Ry(b) Rx(a): turns about
//    the global x, then y, then z axis; a pure turn about z gives (0, 0, c);
//  - GetEulerianAnglesZYX gives the same three turns in the order z, y, x, in
//    degrees.
#pragma once

#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

class gsl_Matrix {
 public:
  gsl_Matrix();
  // A pure translation.
  static gsl_Matrix Translation(const gsl_Vector& translation);
  // A turn by `angle` about the axis through `point` along `axis` (right-hand
  // rule); the identity for a zero axis.
  static gsl_Matrix AxisRotation(const gsl_Point& point, const gsl_Vector& axis, double angle);

  // Entry (row, column) of the rotation, both 0 to 2.
  double Rotation(int row, int column) const { return r_[row][column]; }
  gsl_Vector GetTranslation() const { return {t_[0], t_[1], t_[2]}; }
  void SetTranslation(const gsl_Vector& translation);
  // The rotation whose columns are the three axis directions (used as given:
  // the caller passes an orthonormal right-handed set); the translation stays.
  void SetRotationVectors(const gsl_Vector& first, const gsl_Vector& second,
                          const gsl_Vector& third);

  // Exactly the identity: no tolerance, so a small real translation or turn
  // is never taken for none.
  bool IsIdentity() const;
  gsl_Point Transform(const gsl_Point& point) const;
  // The rotation alone applied to `vector`.
  gsl_Vector Rotate(const gsl_Vector& vector) const;
  // The transform that applies `right` first and this one second.
  gsl_Matrix operator*(const gsl_Matrix& right) const;
  bool operator==(const gsl_Matrix&) const = default;

  // The rotation as a unit axis and an angle in [0, pi], and the point the
  // axis passes through (see above). Without a turn: angle 0, axis (0, 0, 1).
  void GetAxisRotation(gsl_Point& point, gsl_Vector& axis, double& angle) const;
  void GetRotationAngles(double& aboutX, double& aboutY, double& aboutZ) const;
  void GetEulerianAnglesZYX(double& aboutZ, double& aboutY, double& aboutX) const;

 private:
  double r_[3][3];
  double t_[3];
};
