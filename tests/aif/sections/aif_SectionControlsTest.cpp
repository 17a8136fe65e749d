#include "aif/impl/sections/aif_SectionControls.h"

#include <gtest/gtest.h>

#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_test::KeywordText;

TEST(aif_SectionControls, DefaultsOfTheProductsLibraryWriteNothing) {
  bme_ElemCtrlParams defaults;
  defaults.SetHourglassStiffness({5.0, 5.0, 5.0});  // not a section control
  defaults.SetElementConversion(3.0);
  for (int product : {0, 1, 2}) {
    const aif_SectionControls keyword(defaults, "EC-1", product);
    EXPECT_TRUE(keyword.IsEmpty()) << product;
    EXPECT_EQ(KeywordText(keyword), "") << product;
  }
  // Any other product selects library 0, whose maximum degradation defaults
  // to 0.99.
  bme_ElemCtrlParams otherDefault;
  otherDefault.SetMaxDegradation(0.99);
  for (int product : {3, -1}) {
    EXPECT_TRUE(aif_SectionControls(otherDefault, "EC-1", product).IsEmpty()) << product;
    EXPECT_FALSE(aif_SectionControls(defaults, "EC-1", product).IsEmpty()) << product;
  }
  for (int product : {0, 1, 2}) {
    const aif_SectionControls keyword(otherDefault, "EC-1", product);
    EXPECT_FALSE(keyword.IsEmpty()) << product;
    EXPECT_EQ(KeywordText(keyword),
              Lines({"*Section Controls, name=EC-1, MAX DEGRADATION=0.99", "1., 1., 1."}))
        << product;
  }
}

TEST(aif_SectionControls, EveryOptionInItsOrder) {
  bme_ElemCtrlParams p;
  p.SetDistortionControl(1);
  p.SetLengthRatio(0.2);
  p.SetElementDeletion(2);
  p.SetKinematicSplit(3);
  p.SetMaxDegradation(0.5);
  p.SetHourglassControl(5);
  p.SetSecondOrderAccuracy(1);
  p.SetViscosity(0.01);
  p.SetStressRate(2);
  p.SetWeightFactor(0.7);
  p.SetHourglassScaling({0.5, 0.25, 2.0});
  p.SetScalingFactors45(1.0, 3.0);
  EXPECT_EQ(KeywordText(aif_SectionControls(p, "EC-7", 0)),
            Lines({"*Section Controls, name=EC-7, DISTORTION CONTROL=YES, length ratio=0.2, "
                   "ELEMENT DELETION=NO, kinematic split=CENTROID, MAX DEGRADATION=0.5, ",
                   "hourglass=ENHANCED, second order accuracy=YES, VISCOSITY=0.01, "
                   "stress rate=SPIN, weight factor=0.7",
                   "0.5, 0.25, 2., 1., 3."}));

  bme_ElemCtrlParams q;
  q.SetDistortionControl(2);
  q.SetElementDeletion(1);
  q.SetKinematicSplit(2);
  q.SetHourglassControl(1);
  EXPECT_EQ(KeywordText(aif_SectionControls(q, "EC-2", 0)),
            Lines({"*Section Controls, name=EC-2, DISTORTION CONTROL=NO, ELEMENT DELETION=YES, "
                   "kinematic split=ORTHOGONAL, hourglass=RELAX STIFFNESS",
                   "1., 1., 1."}));
  // The other hourglass kinds; unknown codes write no option.
  const char* kinds[] = {"", "RELAX STIFFNESS", "STIFFNESS", "VISCOUS", "COMBINED", "ENHANCED"};
  for (int kind = 2; kind <= 4; ++kind) {
    bme_ElemCtrlParams h;
    h.SetHourglassControl(kind);
    EXPECT_EQ(KeywordText(aif_SectionControls(h, "EC-3", 0)),
              Lines({std::string("*Section Controls, name=EC-3, hourglass=") + kinds[kind],
                     "1., 1., 1."}));
  }
  bme_ElemCtrlParams odd;
  odd.SetHourglassControl(9);
  odd.SetKinematicSplit(1);
  odd.SetStressRate(1);
  EXPECT_EQ(KeywordText(aif_SectionControls(odd, "EC-4", 0)),
            Lines({"*Section Controls, name=EC-4", "1., 1., 1."}));
}

TEST(aif_SectionControls, ToleranceOfTheDefaults) {
  // Within 1e-6 of the default: not written, although the keyword is not
  // empty (the value is not exactly the default).
  bme_ElemCtrlParams p;
  p.SetLengthRatio(0.1000005);
  p.SetWeightFactor(0.5000005);
  p.SetMaxDegradation(1e-6);
  p.SetScalingFactors45(1.0000005, 0.9999995);
  EXPECT_EQ(KeywordText(aif_SectionControls(p, "EC-1", 0)),
            Lines({"*Section Controls, name=EC-1", "1., 1., 1."}));
  // Beyond it: written.
  p.SetLengthRatio(0.1000011);
  p.SetWeightFactor(0.4999985);
  p.SetMaxDegradation(1.5e-6);
  p.SetScalingFactors45(1.0, 1.0000015);
  EXPECT_EQ(KeywordText(aif_SectionControls(p, "EC-1", 0)),
            Lines({"*Section Controls, name=EC-1, length ratio=0.1000011, "
                   "MAX DEGRADATION=1.5e-06, weight factor=0.4999985",
                   "1., 1., 1., 1., 1.0000015"}));
}

TEST(aif_SectionControls, EveryOptionWithLongValuesStaysWithinALine) {
  // On one line these options take 329 characters: the line goes on after
  // the comma that passes the break column.
  const double value = -1.2345678901234567e-100;
  bme_ElemCtrlParams p;
  p.SetDistortionControl(1);
  p.SetLengthRatio(value);
  p.SetElementDeletion(2);
  p.SetKinematicSplit(2);
  p.SetMaxDegradation(1.2345678901234567e+100);
  p.SetHourglassControl(1);
  p.SetSecondOrderAccuracy(1);
  p.SetViscosity(value);
  p.SetStressRate(2);
  p.SetWeightFactor(value);
  EXPECT_EQ(
      KeywordText(aif_SectionControls(p, "EC-12", 0)),
      Lines({"*Section Controls, name=EC-12, DISTORTION CONTROL=YES, "
             "length ratio=-1.2345678901234567e-100, ELEMENT DELETION=NO, "
             "kinematic split=ORTHOGONAL, ",
             "MAX DEGRADATION=1.2345678901234567e+100, hourglass=RELAX STIFFNESS, "
             "second order accuracy=YES, VISCOSITY=-1.2345678901234567e-100, stress rate=SPIN, ",
             "weight factor=-1.2345678901234567e-100", "1., 1., 1."}));
}
