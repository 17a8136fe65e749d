#include "aif/impl/sections/aif_TransverseShear.h"

#include <gtest/gtest.h>

#include <memory>

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

TEST(aif_TransverseShear, BeamFormByMode) {
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(1.0, 2.0, 0.25, 1))),
            Lines({"*Transverse Shear", "1., 2., 0.25"}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(1.0, 2.0, 0.25, 2))),
            Lines({"*Transverse Shear", "1., 2., "}));
  // Mode 0 writes the compensation-factor form whatever the values.
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(1.0, 2.0, 0.25, 0))),
            Lines({"*Transverse Shear", ", , SCF"}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(DBL_MAX, DBL_MAX, DBL_MAX, 0))),
            Lines({"*Transverse Shear", ", , SCF"}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(1.0, 2.0, 0.25, 3))),
            Lines({"*Transverse Shear", ""}));
  // Unset or 0 values take the other one; both unset become 0.
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(DBL_MAX, 3.0, 0.5, 1))),
            Lines({"*Transverse Shear", "3., 3., 0.5"}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(7.0, 0.0, 0.5, 2))),
            Lines({"*Transverse Shear", "7., 7., "}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(DBL_MAX, DBL_MAX, 0.5, 1))),
            Lines({"*Transverse Shear", "0., 0., 0.5"}));
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(0.0, DBL_MAX, 0.5, 2))),
            Lines({"*Transverse Shear", "0., 0., "}));
  // An unset compensation factor is never written as a value.
  EXPECT_EQ(KeywordText(aif_TransverseShear(Beam(1.0, 2.0, DBL_MAX, 1))),
            Lines({"*Transverse Shear", "1., 2., "}));
  // A copy holds the same record.
  const aif_TransverseShear keyword(Beam(1.0, 2.0, 0.25, 2));
  const std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(KeywordText(*copy), Lines({"*Transverse Shear", "1., 2., "}));
}
