#include "aif/impl/sections/aif_HourglassStiffness.h"

#include <gtest/gtest.h>

#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_test::KeywordText;

TEST(aif_HourglassStiffness, WrittenWhenAFactorReachesTheThreshold) {
  bme_ElemCtrlParams p;
  EXPECT_EQ(KeywordText(aif_HourglassStiffness(p)), "");
  p.SetHourglassStiffness({0.0, 0.0, 0.0000005});
  EXPECT_EQ(KeywordText(aif_HourglassStiffness(p)), "");
  p.SetHourglassStiffness({-0.0000009, 0.0000009, 0.0});
  EXPECT_EQ(KeywordText(aif_HourglassStiffness(p)), "");
  p.SetHourglassStiffness({1.0, 0.0, 0.0});
  EXPECT_EQ(KeywordText(aif_HourglassStiffness(p)),
            Lines({"*Hourglass Stiffness", "1., , 0., 0."}));
  p.SetHourglassStiffness({0.0, -2.5, 1e-6});
  EXPECT_EQ(KeywordText(aif_HourglassStiffness(p)),
            Lines({"*Hourglass Stiffness", "0., , -2.5, 1.e-06"}));
}
