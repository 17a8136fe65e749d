#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_SolutionTechnique.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

// A step that gives the type id of a static step without being one.
class SolutionTechniqueTestFakeStatic : public kprC_AnalysisStep {
 public:
  unsigned DynTypeId() const override { return kprC_StaticStep::kTypeId; }
  SolutionTechniqueTestFakeStatic* Clone() const override {
    return new SolutionTechniqueTestFakeStatic(*this);
  }
};

template <class Step>
std::string SolutionTechniqueText(int technique, int reformKernel = 8) {
  Step step;
  step.SetSolutionTechnique(technique);
  step.SetReformKernel(reformKernel);
  return KeywordText(aif_SolutionTechnique(step));
}

TEST(SolutionTechniqueTest, SeparatedForCoupledSteps) {
  const std::string separated = "*Solution Technique, type=SEPARATED\n";
  EXPECT_EQ(SolutionTechniqueText<kprC_CoupledTempDisplacementStep>(1), separated);
  EXPECT_EQ(SolutionTechniqueText<kprC_CoupledThermalElectricStep>(1), separated);
  EXPECT_EQ(SolutionTechniqueText<kprC_CoupledTempDisplacementStep>(0), "");
  // Quasi-Newton is not written for the coupled steps.
  EXPECT_EQ(SolutionTechniqueText<kprC_CoupledThermalElectricStep>(2, 5), "");
  // Nor the separated technique for the others.
  EXPECT_EQ(SolutionTechniqueText<kprC_StaticStep>(1), "");
}

TEST(SolutionTechniqueTest, QuasiNewtonWithItsReformKernel) {
  const std::string quasiNewton = "*Solution Technique, type=QUASI-NEWTON\n";
  const std::string reform5 = "*Solution Technique, type=QUASI-NEWTON, reform kernel=5\n";
  EXPECT_EQ(SolutionTechniqueText<kprC_StaticStep>(2), quasiNewton);
  EXPECT_EQ(SolutionTechniqueText<kprC_StaticStep>(2, 5), reform5);
  EXPECT_EQ(SolutionTechniqueText<kprC_GeostaticStep>(2, 5), reform5);
  EXPECT_EQ(SolutionTechniqueText<kprC_SoilsStep>(2, 5), reform5);
  EXPECT_EQ(SolutionTechniqueText<kprC_ViscoStep>(2, 5), reform5);
  EXPECT_EQ(SolutionTechniqueText<kprC_ImplicitDynamicsStep>(2, 5), reform5);
  EXPECT_EQ(SolutionTechniqueText<kprC_HeatTransferStep>(2), quasiNewton);
  EXPECT_EQ(SolutionTechniqueText<kprC_StaticStep>(0, 5), "");
  // Other kinds write nothing.
  EXPECT_EQ(SolutionTechniqueText<kprC_MassDiffusionStep>(2, 5), "");
  EXPECT_EQ(SolutionTechniqueText<kprC_FrequencyStep>(2), "");
}

TEST(SolutionTechniqueTest, StepNotOfItsClassFailsTheTypeTest) {
  SolutionTechniqueTestFakeStatic fake;
  fake.SetSolutionTechnique(2);
  const std::string text = ThrownText(aif_SolutionTechnique(fake));
  EXPECT_EQ(text.rfind("Type test failed: the object is not a kprC_StaticStep (source file "
                       "module/aif/impl/steps/aif_SolutionTechnique.cpp, line ",
                       0),
            0u)
      << text;
}

TEST(SolutionTechniqueTest, CopiesReferToTheModelsStep) {
  kprC_StaticStep step;
  const aif_SolutionTechnique keyword(step);
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  step.SetSolutionTechnique(2);
  EXPECT_EQ(KeywordText(*copy), "*Solution Technique, type=QUASI-NEWTON\n");
}

}  // namespace
