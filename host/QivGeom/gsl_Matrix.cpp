#include "QivGeom/gsl_Matrix.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

gsl_Matrix::gsl_Matrix() : r_{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, t_{0, 0, 0} {}

gsl_Matrix gsl_Matrix::Translation(const gsl_Vector& translation) {
  gsl_Matrix m;
  m.SetTranslation(translation);
  return m;
}

gsl_Matrix gsl_Matrix::AxisRotation(const gsl_Point& point, const gsl_Vector& axis, double angle) {
  gsl_Matrix m;
  gsl_Vector a = axis;
  if (!a.Normalize()) return m;
  // Rodrigues: R = c I + s [a]x + (1 - c) a a^T.
  const double c = std::cos(angle), s = std::sin(angle), k = 1.0 - c;
  m.r_[0][0] = c + k * a.x * a.x;
  m.r_[0][1] = k * a.x * a.y - s * a.z;
  m.r_[0][2] = k * a.x * a.z + s * a.y;
  m.r_[1][0] = k * a.y * a.x + s * a.z;
  m.r_[1][1] = c + k * a.y * a.y;
  m.r_[1][2] = k * a.y * a.z - s * a.x;
  m.r_[2][0] = k * a.z * a.x - s * a.y;
  m.r_[2][1] = k * a.z * a.y + s * a.x;
  m.r_[2][2] = c + k * a.z * a.z;
  // The axis passes through `point`: it stays where it is.
  const gsl_Point turned = m.Transform(point);
  m.SetTranslation(point - turned);
  return m;
}

void gsl_Matrix::SetTranslation(const gsl_Vector& translation) {
  t_[0] = translation.x;
  t_[1] = translation.y;
  t_[2] = translation.z;
}

void gsl_Matrix::SetRotationVectors(const gsl_Vector& first, const gsl_Vector& second,
                                    const gsl_Vector& third) {
  const gsl_Vector* columns[3] = {&first, &second, &third};
  for (int j = 0; j < 3; ++j) {
    r_[0][j] = columns[j]->x;
    r_[1][j] = columns[j]->y;
    r_[2][j] = columns[j]->z;
  }
}

bool gsl_Matrix::IsIdentity() const {
  return *this == gsl_Matrix();
}

gsl_Point gsl_Matrix::Transform(const gsl_Point& p) const {
  const gsl_Vector v = Rotate({p.x, p.y, p.z});
  return {v.x + t_[0], v.y + t_[1], v.z + t_[2]};
}

gsl_Vector gsl_Matrix::Rotate(const gsl_Vector& v) const {
  return {r_[0][0] * v.x + r_[0][1] * v.y + r_[0][2] * v.z,
          r_[1][0] * v.x + r_[1][1] * v.y + r_[1][2] * v.z,
          r_[2][0] * v.x + r_[2][1] * v.y + r_[2][2] * v.z};
}

gsl_Matrix gsl_Matrix::operator*(const gsl_Matrix& right) const {
  gsl_Matrix m;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j)
      m.r_[i][j] =
          r_[i][0] * right.r_[0][j] + r_[i][1] * right.r_[1][j] + r_[i][2] * right.r_[2][j];
  }
  const gsl_Point t = Transform({right.t_[0], right.t_[1], right.t_[2]});
  m.SetTranslation({t.x, t.y, t.z});
  return m;
}

void gsl_Matrix::GetAxisRotation(gsl_Point& point, gsl_Vector& axis, double& angle) const {
  point = {t_[0], t_[1], t_[2]};
  // Twice the sine times the axis, and twice the cosine plus one.
  gsl_Vector skew(r_[2][1] - r_[1][2], r_[0][2] - r_[2][0], r_[1][0] - r_[0][1]);
  const double cosine = (r_[0][0] + r_[1][1] + r_[2][2] - 1.0) / 2.0;
  const double sine = skew.Magnitude() / 2.0;
  angle = std::atan2(sine, cosine);
  if (angle <= 0.0) {
    axis = {0.0, 0.0, 1.0};
    angle = 0.0;
    return;
  }
  if (cosine >= 0.0 || sine > 1e-6) {
    axis = skew;
    axis.Normalize();
    return;
  }
  // Near a half turn the skew part vanishes: the axis comes from the
  // symmetric part R + R^T = 2 cos I + 2 (1 - cos) a a^T, through its largest
  // diagonal entry.
  int k = 0;
  for (int i = 1; i < 3; ++i)
    if (r_[i][i] > r_[k][k]) k = i;
  double a[3];
  a[k] = std::sqrt(std::max(0.0, (r_[k][k] - cosine) / (1.0 - cosine)));
  for (int i = 0; i < 3; ++i)
    if (i != k) a[i] = (r_[i][k] + r_[k][i]) / (2.0 * (1.0 - cosine) * a[k]);
  axis = {a[0], a[1], a[2]};
  axis.Normalize();
  if (axis.Dot(skew) < 0.0) axis = -axis;
}

void gsl_Matrix::GetRotationAngles(double& aboutX, double& aboutY, double& aboutZ) const {
  // R = Rz(c) Ry(b) Rx(a): R[2][0] = -sin b, R[2][1] = cos b sin a,
  // R[2][2] = cos b cos a, R[1][0] = sin c cos b, R[0][0] = cos c cos b.
  aboutY = std::asin(std::clamp(-r_[2][0], -1.0, 1.0));
  if (std::fabs(r_[2][0]) < 1.0 - 1e-12) {
    aboutX = std::atan2(r_[2][1], r_[2][2]);
    aboutZ = std::atan2(r_[1][0], r_[0][0]);
  } else {
    // cos b = 0: only a - c (or a + c) is fixed; the turn is put on z.
    aboutX = 0.0;
    aboutZ = std::atan2(-r_[0][1], r_[1][1]);
  }
}

void gsl_Matrix::GetEulerianAnglesZYX(double& aboutZ, double& aboutY, double& aboutX) const {
  GetRotationAngles(aboutX, aboutY, aboutZ);
  aboutZ *= 180.0 / kPi;
  aboutY *= 180.0 / kPi;
  aboutX *= 180.0 / kPi;
}
