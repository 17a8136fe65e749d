#include "aif/impl/sections/aif_TransverseShear.h"

#include <gtest/gtest.h>

#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_test::KeywordText;

namespace {

kseC_TransverseShearBeam Beam(double k11, double k22, double t3, int mode) {
  kseC_TransverseShearBeam r;
  r.k11 = k11;
  r.k22 = k22;
  r.t3 = t3;
  r.mode = mode;
  return r;
}

}  // namespace

TEST(aif_TransverseShear, ShellForm) {
  EXPECT_EQ(KeywordText(aif_TransverseShear(kseC_TransverseShear{1.0, 2.0, 3.0})),
            Lines({"*Transverse Shear", "1., 2., 3."}));
  // A k11 of 0 takes k22, and a k22 of 0 takes k11.
  EXPECT_EQ(KeywordText(aif_TransverseShear(kseC_TransverseShear{0.0, 5.0, 0.5})),
            Lines({"*Transverse Shear", "5., 5., 0.5"}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(kseC_TransverseShear{4.0, 0.0, 0.0})),
            Lines({"*Transverse Shear", "4., 4., 0."}));
}

// Mode 1 writes k11, k22 and the factor, mode 2 leaves the factor blank,
// mode 0 writes the compensation-factor form whatever the values, other
// modes an empty line. Unset or 0 values take the other one; both unset
// become 0; an unset factor is never written as a value.
TEST(aif_TransverseShear, BeamFormByMode) {
  const struct {
    double k11, k22, t3;
    int mode;
    const char* data;
  } cases[] = {
      {1.0, 2.0, 0.25, 1, "1., 2., 0.25"},     {1.0, 2.0, 0.25, 2, "1., 2., "},
      {1.0, 2.0, 0.25, 0, ", , SCF"},          {DBL_MAX, DBL_MAX, DBL_MAX, 0, ", , SCF"},
      {1.0, 2.0, 0.25, 3, ""},                 {DBL_MAX, 3.0, 0.5, 1, "3., 3., 0.5"},
      {7.0, 0.0, 0.5, 2, "7., 7., "},          {DBL_MAX, DBL_MAX, 0.5, 1, "0., 0., 0.5"},
      {0.0, DBL_MAX, 0.5, 2, "0., 0., "},      {1.0, 2.0, DBL_MAX, 1, "1., 2., "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(c.k11, c.k22, c.t3, c.mode))),
              Lines({"*Transverse Shear", c.data}))
        << c.mode << " " << c.k11 << " " << c.k22 << " " << c.t3;
}
