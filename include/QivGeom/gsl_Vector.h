// A direction or displacement in model space: three doubles. The magnitude is
// computed when asked for; a zero vector has magnitude 0 and unit components 0.
#pragma once

class gsl_Matrix;

class gsl_Vector {
 public:
  constexpr gsl_Vector() = default;
  constexpr gsl_Vector(double vx, double vy, double vz) : x(vx), y(vy), z(vz) {}

  double Magnitude() const;
  // The components divided by the magnitude; 0 for a zero vector.
  double UnitX() const;
  double UnitY() const;
  double UnitZ() const;
  // Scales the vector to magnitude 1; false, and the vector unchanged, when it
  // is the zero vector.
  bool Normalize();
  // Turns the vector by the rotation of `transform`: a direction has no
  // position, so the translation does not apply.
  void RotateAndTransform(const gsl_Matrix& transform);
  // Whether the unit vectors of this and `v` differ by at most `tolerance` in
  // every component; a zero vector has the same direction as a zero vector
  // only.
  bool SameDirection(const gsl_Vector& v, double tolerance) const;

  double Dot(const gsl_Vector& v) const { return x * v.x + y * v.y + z * v.z; }
  gsl_Vector Cross(const gsl_Vector& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  // The geometry library's spelling of Cross.
  gsl_Vector CrossProduct(const gsl_Vector& v) const { return Cross(v); }
  // A unit vector orthogonal to this one, the same on every call: this
  // vector crossed with the coordinate axis along which its component is
  // smallest in magnitude (x before y before z on a tie), scaled to length
  // 1. (0, 0, 1) gives (0, 1, 0); (1, 0, 0) gives (0, 0, 1); (0, 1, 0)
  // gives (0, 0, -1). The zero vector gives the zero vector.
  gsl_Vector AnyOrthogonalUnit() const;
  gsl_Vector operator+(const gsl_Vector& v) const { return {x + v.x, y + v.y, z + v.z}; }
  gsl_Vector operator-(const gsl_Vector& v) const { return {x - v.x, y - v.y, z - v.z}; }
  gsl_Vector operator-() const { return {-x, -y, -z}; }
  gsl_Vector operator*(double s) const { return {x * s, y * s, z * s}; }
  bool operator==(const gsl_Vector&) const = default;

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};
