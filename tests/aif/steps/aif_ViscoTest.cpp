// "*Visco": creep tolerance and integration, stabilization and the data line
// of automatic and fixed incrementation.
#include "aif/impl/steps/aif_Visco.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_ViscoTest, IncrementationAndCreep) {
  kprC_ViscoStep step;
  EXPECT_EQ(KeywordText(aif_Visco(step, false)), "*Visco, cetol=0.001\n1., 1., 1.e-05, 1.\n");

  // Fixed incrementation: no cetol and two values ending in ", ".
  step.MutableIncrementation().SetMethod(1);
  step.MutableIncrementation().SetInitialInc(0.1);
  step.SetTimePeriod(2.0);
  EXPECT_EQ(KeywordText(aif_Visco(step, false)), "*Visco\n0.1, 2., \n");

  step.SetCreepIntegration(1);
  EXPECT_EQ(KeywordText(aif_Visco(step, false)), "*Visco, explicit\n0.1, 2., \n");
  EXPECT_EQ(KeywordText(aif_Visco(step, true)), "*Visco, creep=EXPLICIT\n0.1, 2., \n");
  step.SetCreepIntegration(2);
  EXPECT_EQ(KeywordText(aif_Visco(step, true)), "*Visco\n0.1, 2., \n");
}

TEST(aif_ViscoTest, Stabilization) {
  kprC_ViscoStep step;
  step.SetCreepTolerance(0.01);
  // By damping factor, value and tolerance unset.
  step.MutableStabilization().SetMethod(2);
  EXPECT_EQ(KeywordText(aif_Visco(step, false)),
            "*Visco, cetol=0.01, stabilize, factor, allsdtol=0, continue=NO\n"
            "1., 1., 1.e-05, 1.\n");
  step.MutableStabilization().SetMethod(1);
  step.MutableStabilization().SetMagnitude(0.0002);
  step.MutableStabilization().SetTolerance(0.05);
  EXPECT_EQ(KeywordText(aif_Visco(step, false)),
            "*Visco, cetol=0.01, stabilize=2.e-04, allsdtol=0.05, continue=NO\n"
            "1., 1., 1.e-05, 1.\n");
  // With continue set the value is not written.
  step.MutableStabilization().SetContinue(true);
  EXPECT_EQ(KeywordText(aif_Visco(step, false)),
            "*Visco, cetol=0.01, stabilize, allsdtol=0.05, continue=YES\n"
            "1., 1., 1.e-05, 1.\n");
}

TEST(aif_ViscoTest, OtherStepKindFailsTypeTest) {
  const kprC_StaticStep other;
  try {
    aif_Visco keyword(other, false);
    ADD_FAILURE() << "a static step was taken for a visco step";
  } catch (const nex_TextException& e) {
    EXPECT_NE(e.Text().Str().find("kprC_ViscoStep"), std::string::npos) << e.Text().Str();
    EXPECT_NE(e.Text().Str().find("aif_Visco.cpp"), std::string::npos) << e.Text().Str();
  }
}

}  // namespace
