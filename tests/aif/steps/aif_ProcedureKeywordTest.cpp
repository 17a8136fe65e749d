#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_Anneal.h"
#include "aif/impl/steps/aif_CoupledTempDisplacement.h"
#include "aif/impl/steps/aif_CoupledThermalElectric.h"
#include "aif/impl/steps/aif_DirectCyclic.h"
#include "aif/impl/steps/aif_Geostatic.h"
#include "aif/impl/steps/aif_HeatTransfer.h"
#include "aif/impl/steps/aif_MassDiffusion.h"
#include "aif/impl/steps/aif_Soils.h"
#include "aif/impl/steps/aif_Static.h"
#include "aif/impl/steps/aif_StaticLinearPerturbation.h"
#include "aif/impl/steps/aif_StaticRiks.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

// The text of the type test `make` fails, "" when it constructs.
std::string ProcedureTypeTestText(const std::function<void()>& make) {
  try {
    make();
  } catch (const nex_TextException& e) {
    return e.Text().Str();
  }
  return "";
}

std::string ProcedureTypeTestPrefix(const std::string& stepClass, const std::string& file) {
  return "Type test failed: the object is not a " + stepClass + " (source file " +
         "module/aif/impl/steps/" + file + ", line ";
}

TEST(ProcedureKeywordTest, StepOfAnotherKindFailsTheTypeTest) {
  // Each keyword is handed a step of a kind it does not write.
  const kprC_FrequencyStep other;
  const struct {
    std::function<void()> make;
    const char* stepClass;
    const char* file;
  } cases[] = {
      {[&] { aif_Static{other}; }, "kprC_StaticStep", "aif_Static.cpp"},
      {[&] { aif_StaticRiks(other, "Tip"); }, "kprC_StaticRiksStep", "aif_StaticRiks.cpp"},
      {[&] { aif_StaticLinearPerturbation{other}; }, "kprC_StaticLinearPerturbationStep",
       "aif_StaticLinearPerturbation.cpp"},
      {[&] { aif_Geostatic{other}; }, "kprC_GeostaticStep", "aif_Geostatic.cpp"},
      {[&] { aif_Soils{other}; }, "kprC_SoilsStep", "aif_Soils.cpp"},
      {[&] { aif_HeatTransfer{other}; }, "kprC_HeatTransferStep", "aif_HeatTransfer.cpp"},
      {[&] { aif_MassDiffusion{other}; }, "kprC_MassDiffusionStep", "aif_MassDiffusion.cpp"},
      {[&] { aif_CoupledThermalElectric{other}; }, "kprC_CoupledThermalElectricStep",
       "aif_CoupledThermalElectric.cpp"},
      {[&] { aif_CoupledTempDisplacement(other, false); }, "kprC_CoupledTempDisplacementStep",
       "aif_CoupledTempDisplacement.cpp"},
      {[&] { aif_Anneal{other}; }, "kprC_AnnealStep", "aif_Anneal.cpp"},
      {[&] { aif_DirectCyclic(other, false); }, "kprC_DirectCyclicStep", "aif_DirectCyclic.cpp"},
  };
  for (const auto& c : cases) {
    const std::string text = ProcedureTypeTestText(c.make);
    EXPECT_EQ(text.rfind(ProcedureTypeTestPrefix(c.stepClass, c.file), 0), 0u) << text;
  }
}

TEST(ProcedureKeywordTest, KeywordKeepsItsOwnCopyOfTheStep) {
  // A change to the model's step after the keyword is made, or to the
  // keyword's source after cloning, does not reach what it writes.
  kprC_HeatTransferStep step;
  step.SetResponse(1);
  const aif_HeatTransfer keyword(step);
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  step.SetResponse(0);
  step.SetEndRate(2.0);
  const char* transient = "*Heat Transfer, end=PERIOD, deltmx=0.\n1., 1., 1.e-05, 1., \n";
  EXPECT_EQ(KeywordText(keyword), transient);
  EXPECT_EQ(KeywordText(*copy), transient);
}

}  // namespace
