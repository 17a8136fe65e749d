// Rigid transforms: the numbers the instance, system and datum keywords write
// come from these decompositions, checked against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>

#include "QivGeom/gsl_Matrix.h"

namespace {

constexpr double kPi = 3.141592653589793;

void ExpectNear(const gsl_Point& expected, const gsl_Point& actual) {
  EXPECT_NEAR(expected.x, actual.x, 1e-12);
  EXPECT_NEAR(expected.y, actual.y, 1e-12);
  EXPECT_NEAR(expected.z, actual.z, 1e-12);
}

TEST(gsl_Matrix, AxisAndAngle) {
  gsl_Point p;
  gsl_Vector a;
  double angle = -1;
  gsl_Matrix::Translation({1, 2, 3}).GetAxisRotation(p, a, angle);
  EXPECT_EQ(0.0, angle);
  // A half turn has no skew part: the axis comes from the symmetric part.
  gsl_Matrix::AxisRotation({}, {1, 1, 0}, kPi).GetAxisRotation(p, a, angle);
  ExpectNear({1 / std::sqrt(2.0), 1 / std::sqrt(2.0), 0}, gsl_Point() + a);
  EXPECT_NEAR(kPi, angle, 1e-12);
}

TEST(gsl_Matrix, TranslateThenTurnAboutTheReturnedAxisGivesTheTransformBack) {
  const gsl_Matrix m =
      gsl_Matrix::Translation({0.5, -1, 2}) * gsl_Matrix::AxisRotation({1, 2, 0}, {1, 0, 1}, 0.7);
  gsl_Point p;
  gsl_Vector a;
  double angle = 0;
  m.GetAxisRotation(p, a, angle);
  const gsl_Matrix turn = gsl_Matrix::AxisRotation(p, a, angle);
  for (const gsl_Point& q : {gsl_Point(0, 0, 0), gsl_Point(1, 2, 3), gsl_Point(-4, 0.5, 7)})
    ExpectNear(m.Transform(q), turn.Transform(q + m.GetTranslation()));
}

TEST(gsl_Matrix, RotationAnglesAboutXThenYThenZ) {
  double x, y, z;
  gsl_Matrix::AxisRotation({}, {0, 0, 1}, kPi / 2).GetRotationAngles(x, y, z);
  EXPECT_EQ(0.0, x);  // exactly: "*System" compares them with 0
  EXPECT_EQ(0.0, y);
  EXPECT_NEAR(kPi / 2, z, 1e-12);
  gsl_Matrix::AxisRotation({}, {1, 0, 0}, -kPi / 4).GetRotationAngles(x, y, z);
  ExpectNear({-kPi / 4, 0, 0}, {x, y, z});
  // Z-Y-X in degrees, from axis vectors; at a quarter turn about y the x and
  // z turns are not separable and all of it goes on z.
  gsl_Matrix m = gsl_Matrix::Translation({1, 0, 0});
  m.SetRotationVectors({0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  EXPECT_EQ(gsl_Point(1, 1, 0), m.Transform({1, 0, 0}));
  m.GetEulerianAnglesZYX(z, y, x);
  ExpectNear({90, 0, 0}, {z, y, x});
  m.SetRotationVectors({0, 0, -1}, {0, 1, 0}, {1, 0, 0});
  m.GetEulerianAnglesZYX(z, y, x);
  ExpectNear({0, 90, 0}, {z, y, x});
}

}  // namespace
