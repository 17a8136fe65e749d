// Directions compared within a tolerance.
#include <gtest/gtest.h>

#include "QivGeom/gsl_Vector.h"

TEST(gsl_Vector, SameDirectionComparesUnitVectorsWithinTheTolerance) {
  const gsl_Vector x(1, 0, 0);
  EXPECT_TRUE(x.SameDirection({5, 0, 0}, 1e-5));      // length does not count
  EXPECT_TRUE(x.SameDirection({1, 9e-6, 0}, 1e-5));   // within
  EXPECT_FALSE(x.SameDirection({1, 2e-5, 0}, 1e-5));  // beyond
  EXPECT_FALSE(x.SameDirection({-1, 0, 0}, 1e-5));    // opposite
  EXPECT_FALSE(x.SameDirection({0, 0, 0}, 1e-5));     // a zero vector has none
  EXPECT_TRUE(gsl_Vector().SameDirection({0, 0, 0}, 1e-5));
}
