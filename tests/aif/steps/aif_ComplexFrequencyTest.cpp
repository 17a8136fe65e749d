// "*Complex Frequency": options and the data line, where a maximum frequency
// of 1e18 or more stands for none unless a minimum is given.
#include "aif/impl/steps/aif_ComplexFrequency.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_ComplexFrequencyTest, OptionsAndDataLine) {
  kprC_ComplexFrequencyStep step;
  EXPECT_EQ(KeywordText(aif_ComplexFrequency(step)),
            "*Complex Frequency, friction damping=NO\n, , , \n");

  step.SetPropertyEvaluation(12.5);
  step.SetFrictionDamping(true);
  step.SetNumEigen(8);
  step.SetMaxFrequency(400.0);
  step.SetShift(3.0);
  EXPECT_EQ(KeywordText(aif_ComplexFrequency(step)),
            "*Complex Frequency, property evaluation=12.5, friction damping=YES\n"
            "8, , 400., 3.\n");

  // 1e18 without a minimum is blank; with a minimum it is written.
  step.SetMaxFrequency(1e18);
  step.SetShift(0.0);
  EXPECT_EQ(KeywordText(aif_ComplexFrequency(step)),
            "*Complex Frequency, property evaluation=12.5, friction damping=YES\n8, , , \n");
  step.SetMinFrequency(2.0);
  EXPECT_EQ(KeywordText(aif_ComplexFrequency(step)),
            "*Complex Frequency, property evaluation=12.5, friction damping=YES\n"
            "8, 2., 1.e+18, \n");
  // An unset maximum stays blank even with a minimum.
  step.SetMaxFrequency(kprC_UNSET);
  EXPECT_EQ(KeywordText(aif_ComplexFrequency(step)),
            "*Complex Frequency, property evaluation=12.5, friction damping=YES\n8, 2., , \n");
}

}  // namespace
