#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/steps/aif_BulkViscosity.h"
#include "aif/impl/steps/aif_DynamicTempDisplacement.h"
#include "aif/impl/steps/aif_ExplicitDynamics.h"
#include "aif/impl/steps/aif_ImplicitDynamics.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

// Explicit controls with `method`, a scale factor of 0.9 and a maximum
// increment of 0.002.
kprC_ExplicitControls ExplicitTestControls(int method) {
  kprC_ExplicitControls controls;
  controls.SetMethod(method);
  controls.SetScaleFactor(0.9);
  controls.SetMaxIncrement(0.002);
  return controls;
}

kprC_ExplicitDynamicsStep ExplicitTestStep(const kprC_ExplicitControls& controls) {
  kprC_ExplicitDynamicsStep step;
  step.SetTimePeriod(2.0);
  step.SetControls(controls);
  return step;
}

// A model info for the keywords that take one and do not read it.
struct ExplicitTestInfo : akw_ModelInfo {};

// The text a keyword wrote before its error and the error's message, written
// with marked translations.
std::pair<std::string, std::string> ExplicitWriteFailure(const akw_Keyword& keyword) {
  const atr_Translator before =
      atr_SetTranslator([](const cow_String& text) { return "<" + text + ">"; });
  std::string message;
  const std::string text = aif_test::StreamText(
      [&](utl_Stream& stream) {
        try {
          keyword.Write(stream);
        } catch (const aif_Exception& e) {
          message = e.Message().Str();
        }
      },
      1);
  atr_SetTranslator(before);
  return {text, message};
}

TEST(ExplicitDynamicsTest, IncrementationMethods) {
  // The global estimate with the defaults: the data line starts with a blank
  // field.
  EXPECT_EQ(KeywordText(aif_ExplicitDynamics(ExplicitTestStep(kprC_ExplicitControls()))),
            "*Dynamic, Explicit\n, 2.\n");

  kprC_ExplicitDynamicsStep step = ExplicitTestStep(ExplicitTestControls(0));
  EXPECT_EQ(KeywordText(aif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, scale factor=0.9\n, 2.,, 0.002\n");
  step.SetAdiabatic(true);
  EXPECT_EQ(KeywordText(aif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, adiabatic, scale factor=0.9\n, 2.,, 0.002\n");

  // User-controlled increments have no scale factor.
  step = ExplicitTestStep(ExplicitTestControls(1));
  EXPECT_EQ(KeywordText(aif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, direct user control\n1.e-06, 2.\n");

  step = ExplicitTestStep(ExplicitTestControls(2));
  EXPECT_EQ(KeywordText(aif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, element by element, scale factor=0.9\n, 2.,, 0.002\n");

  // Fixed increments take no maximum increment.
  step = ExplicitTestStep(ExplicitTestControls(3));
  EXPECT_EQ(KeywordText(aif_ExplicitDynamics(step)),
            "*Dynamic, Explicit, fixed time incrementation, scale factor=0.9\n, 2.\n");
}

TEST(ExplicitDynamicsTest, TempDisplacementSharesTheMethods) {
  kprC_TempDisplacementDynamicsStep step;
  step.SetTimePeriod(2.0);
  const ExplicitTestInfo info;
  const std::pair<int, const char*> cases[] = {
      {0, ", scale factor=0.9\n, 2.,, 0.002\n"},
      {1, ", direct user control\n1.e-06, 2.\n"},
      {2, ", element by element, scale factor=0.9\n, 2.,, 0.002\n"},
      {3, ", fixed time incrementation, scale factor=0.9\n, 2.\n"},
  };
  for (const auto& [method, rest] : cases) {
    step.SetControls(ExplicitTestControls(method));
    EXPECT_EQ(KeywordText(aif_DynamicTempDisplacement(step, info)),
              std::string("*Dynamic Temperature-displacement, Explicit") + rest)
        << "method " << method;
  }
}

TEST(ExplicitDynamicsTest, CorruptedMethodThrowsAfterTheKeywordText) {
  kprC_ExplicitDynamicsStep step = ExplicitTestStep(ExplicitTestControls(4));
  step.SetAdiabatic(true);
  EXPECT_EQ(ExplicitWriteFailure(aif_ExplicitDynamics(step)),
            std::make_pair(std::string("*Dynamic, Explicit, adiabatic"),
                           std::string("<Corrupted Explicit Dynamics procedure>")));

  kprC_TempDisplacementDynamicsStep coupled;
  coupled.SetControls(ExplicitTestControls(-1));
  const ExplicitTestInfo info;
  EXPECT_EQ(ExplicitWriteFailure(aif_DynamicTempDisplacement(coupled, info)),
            std::make_pair(std::string("*Dynamic Temperature-displacement, Explicit"),
                           std::string("<Corrupted Dynamic, Temp-displacement procedure>")));
}

TEST(ExplicitDynamicsTest, BulkViscosityOfExplicitStepsOnly) {
  kprC_ExplicitDynamicsStep explicitStep;
  EXPECT_EQ(KeywordText(aif_BulkViscosity(explicitStep)), "*Bulk Viscosity\n0.06, 1.2\n");

  // The keyword refers to the model's step: a change made after it was made
  // is written, by the keyword and by its clone.
  kprC_TempDisplacementDynamicsStep coupled;
  const aif_BulkViscosity keyword(coupled);
  coupled.MutableControls().SetLinearBulkViscosity(0.1);
  coupled.MutableControls().SetQuadraticBulkViscosity(2.0);
  std::unique_ptr<akw_Keyword> clone(keyword.Clone());
  EXPECT_EQ(KeywordText(keyword), "*Bulk Viscosity\n0.1, 2.\n");
  EXPECT_EQ(KeywordText(*clone), "*Bulk Viscosity\n0.1, 2.\n");

  EXPECT_EQ(KeywordText(aif_BulkViscosity(kprC_ImplicitDynamicsStep())), "");
  EXPECT_EQ(KeywordText(aif_BulkViscosity(kprC_StaticStep())), "");
}

}  // namespace
