#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_Step.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

// A step of a kind no procedure writer knows.
class StepTestUnknownStep : public kprC_AnalysisStep {
 public:
  static constexpr unsigned kTypeId = 0x23C0FF0;
  unsigned DynTypeId() const override { return kTypeId; }
  StepTestUnknownStep* Clone() const override { return new StepTestUnknownStep(*this); }
};

std::string StepText(const kprC_AnalysisStep& step, bool carried = false,
                     const cow_String& name = "Step-1") {
  return KeywordText(aif_Step(step, carried, name));
}

// Every option a kind may write asked for at once: nlgeom on, parabolic
// extrapolation, the amplitude opposite to the transient default (step),
// 101 increments, the iterative solver, unsymmetric storage, no sdi
// conversion.
template <class Step>
std::unique_ptr<kprC_AnalysisStep> StepTestAllOptions() {
  auto step = std::make_unique<Step>();
  step->SetNlgeom(1);
  step->SetResponse(1);
  step->SetMatrixSolver(1);
  step->SetMatrixStorage(2);
  step->SetConvertSDI(0);
  step->SetSolutionTechnique(1);
  if constexpr (requires { step->MutableIncrementation(); }) {
    step->MutableIncrementation().SetExtrapolation(1);
    step->MutableIncrementation().SetAmplitude(1);
    step->MutableIncrementation().SetMaxNumInc(101);
  }
  return step;
}

struct StepTestRow {
  std::unique_ptr<kprC_AnalysisStep> step;
  const char* line;
};

TEST(StepTest, OptionsOfEveryKind) {
  // The options each kind writes, in their fixed order; a kind leaves out the
  // options its procedure does not take.
  const std::string name = "*Step, name=Step-1";
  StepTestRow rows[] = {
      {StepTestAllOptions<kprC_AnnealStep>(), ", nlgeom=YES, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_ExplicitDynamicsStep>(),
       ", nlgeom=YES, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_TempDisplacementDynamicsStep>(),
       ", nlgeom=YES, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_BuckleStep>(), ", perturbation, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_FrequencyStep>(),
       ", perturbation, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_ModalDynamicsStep>(),
       ", perturbation, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_RandomResponseStep>(),
       ", perturbation, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_ResponseSpectrumStep>(),
       ", perturbation, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_SteadyStateModalStep>(),
       ", perturbation, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_StaticLinearPerturbationStep>(),
       ", perturbation, solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_SteadyStateDirectStep>(),
       ", perturbation, solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_ComplexFrequencyStep>(),
       ", perturbation, solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_SteadyStateSubspaceStep>(),
       ", perturbation, solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_GeostaticStep>(),
       ", nlgeom=YES, solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_CoupledTempDisplacementStep>(),
       ", nlgeom=YES, extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, "
       "unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_CoupledThermalElectricStep>(),
       ", extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, unsymm=YES, "
       "convert sdi=NO"},
      {StepTestAllOptions<kprC_HeatTransferStep>(),
       ", extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, unsymm=YES, "
       "convert sdi=NO"},
      {StepTestAllOptions<kprC_MassDiffusionStep>(),
       ", extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_ImplicitDynamicsStep>(),
       ", nlgeom=YES, extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, "
       "unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_SoilsStep>(),
       ", nlgeom=YES, extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, "
       "unsymm=YES, convert sdi=NO"},
      // Ramp is the static default whatever the response.
      {StepTestAllOptions<kprC_StaticStep>(),
       ", nlgeom=YES, extrapolation=PARABOLIC, inc=101, solver=ITERATIVE, unsymm=YES, "
       "convert sdi=NO"},
      {StepTestAllOptions<kprC_StaticRiksStep>(),
       ", nlgeom=YES, extrapolation=PARABOLIC, inc=101, solver=ITERATIVE, unsymm=YES, "
       "convert sdi=NO"},
      {StepTestAllOptions<kprC_SubspaceDynamicsStep>(),
       ", nlgeom=YES, amplitude=RAMP, inc=101, solver=ITERATIVE, convert sdi=NO"},
      {StepTestAllOptions<kprC_ViscoStep>(),
       ", nlgeom=YES, extrapolation=PARABOLIC, amplitude=RAMP, inc=101, solver=ITERATIVE, "
       "unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_DirectCyclicStep>(),
       ", extrapolation=PARABOLIC, inc=101, solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_SubstructureGenerateStep>(),
       ", solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
      {StepTestAllOptions<kprC_FlowStep>(), ", solver=ITERATIVE, unsymm=YES, convert sdi=NO"},
  };
  for (const StepTestRow& row : rows) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(StepText(*row.step), name + row.line + "\n");
  }
}

TEST(StepTest, DefaultsWriteTheNameAlone) {
  // A static step at its defaults; the other option values that write nothing.
  kprC_StaticStep plain;
  EXPECT_EQ(StepText(plain), "*Step, name=Step-1\n");
  plain.SetMatrixStorage(3);
  plain.SetConvertSDI(-1);
  plain.MutableIncrementation().SetMaxNumInc(100);
  EXPECT_EQ(StepText(plain), "*Step, name=Step-1\n");
  plain.SetMatrixStorage(1);
  plain.SetConvertSDI(1);
  EXPECT_EQ(StepText(plain), "*Step, name=Step-1, unsymm=NO, convert sdi=YES\n");
  // A perturbation kind never writes increments, amplitude or nlgeom.
  kprC_FrequencyStep frequency;
  frequency.SetNlgeom(1);
  EXPECT_EQ(StepText(frequency, true), "*Step, name=Step-1, perturbation\n");
  // The name goes through the deck's quoting.
  EXPECT_EQ(StepText(plain, false, "Load step 2"),
            "*Step, name=\"Load step 2\", unsymm=NO, convert sdi=YES\n");
}

TEST(StepTest, NlgeomCarriedAndExplicitForms) {
  kprC_StaticStep staticStep;
  kprC_ExplicitDynamicsStep explicitStep;
  kprC_GeostaticStep geostatic;
  // Carried form: on when the step or an earlier step says so; never NO.
  EXPECT_EQ(StepText(staticStep, false), "*Step, name=Step-1\n");
  EXPECT_EQ(StepText(staticStep, true), "*Step, name=Step-1, nlgeom=YES\n");
  EXPECT_EQ(StepText(geostatic, true), "*Step, name=Step-1, nlgeom=YES\n");
  staticStep.SetNlgeom(1);
  EXPECT_EQ(StepText(staticStep, false), "*Step, name=Step-1, nlgeom=YES\n");
  // Explicit form: written only where the step differs from what is in force.
  EXPECT_EQ(StepText(explicitStep, false), "*Step, name=Step-1\n");
  EXPECT_EQ(StepText(explicitStep, true), "*Step, name=Step-1, nlgeom=NO\n");
  explicitStep.SetNlgeom(1);
  EXPECT_EQ(StepText(explicitStep, false), "*Step, name=Step-1, nlgeom=YES\n");
  EXPECT_EQ(StepText(explicitStep, true), "*Step, name=Step-1\n");
  // Any value but 0 is on.
  explicitStep.SetNlgeom(7);
  EXPECT_EQ(StepText(explicitStep, false), "*Step, name=Step-1, nlgeom=YES\n");
}

TEST(StepTest, ExtrapolationAmplitudeAndIncrements) {
  kprC_ImplicitDynamicsStep dynamics;
  dynamics.SetResponse(1);
  // Implicit dynamics: every text is written when the value is not 4.
  const std::pair<int, const char*> extrapolations[] = {
      {0, "*Step, name=Step-1, extrapolation=LINEAR\n"},
      {1, "*Step, name=Step-1, extrapolation=PARABOLIC\n"},
      {3, "*Step, name=Step-1, extrapolation=VELOCITY PARABOLIC\n"},
      {2, "*Step, name=Step-1, extrapolation=NO\n"},
      {4, "*Step, name=Step-1\n"}};
  for (const auto& [value, line] : extrapolations) {
    dynamics.MutableIncrementation().SetExtrapolation(value);
    EXPECT_EQ(StepText(dynamics), line);
  }
  // Quasi-static dynamics defaults to ramp.
  dynamics.MutableIncrementation().SetAmplitude(1);
  EXPECT_EQ(StepText(dynamics), "*Step, name=Step-1, amplitude=RAMP\n");
  dynamics.SetApplication(3);
  EXPECT_EQ(StepText(dynamics), "*Step, name=Step-1\n");
  dynamics.MutableIncrementation().SetAmplitude(0);
  EXPECT_EQ(StepText(dynamics), "*Step, name=Step-1, amplitude=STEP\n");

  // Elsewhere linear is the default and any other value writes its text.
  kprC_StaticStep staticStep;
  staticStep.MutableIncrementation().SetExtrapolation(5);
  EXPECT_EQ(StepText(staticStep), "*Step, name=Step-1, extrapolation=NO\n");

  // The amplitude default follows the response; static is ramp either way.
  kprC_HeatTransferStep heat;
  heat.SetResponse(1);
  EXPECT_EQ(StepText(heat), "*Step, name=Step-1\n");
  heat.MutableIncrementation().SetAmplitude(1);
  EXPECT_EQ(StepText(heat), "*Step, name=Step-1, amplitude=RAMP\n");
  heat.SetResponse(0);
  EXPECT_EQ(StepText(heat), "*Step, name=Step-1\n");
  heat.MutableIncrementation().SetAmplitude(0);
  EXPECT_EQ(StepText(heat), "*Step, name=Step-1, amplitude=STEP\n");
  staticStep.MutableIncrementation().SetExtrapolation(0);
  staticStep.MutableIncrementation().SetAmplitude(0);
  staticStep.SetResponse(1);
  EXPECT_EQ(StepText(staticStep), "*Step, name=Step-1, amplitude=STEP\n");
  staticStep.SetResponse(0);
  EXPECT_EQ(StepText(staticStep), "*Step, name=Step-1, amplitude=STEP\n");

  // 100 increments is the default.
  kprC_StaticRiksStep riks;
  riks.MutableIncrementation().SetMaxNumInc(100);
  EXPECT_EQ(StepText(riks), "*Step, name=Step-1\n");
  riks.MutableIncrementation().SetMaxNumInc(101);
  EXPECT_EQ(StepText(riks), "*Step, name=Step-1, inc=101\n");
}

TEST(StepTest, UnsymmOnlyWhereTheProcedureTakesIt) {
  // Coupled steps: only with the separated technique.
  kprC_CoupledTempDisplacementStep ctd;
  ctd.SetResponse(1);
  ctd.SetMatrixStorage(2);
  EXPECT_EQ(StepText(ctd), "*Step, name=Step-1\n");
  ctd.SetSolutionTechnique(2);
  EXPECT_EQ(StepText(ctd), "*Step, name=Step-1\n");
  ctd.SetSolutionTechnique(1);
  EXPECT_EQ(StepText(ctd), "*Step, name=Step-1, unsymm=YES\n");
  kprC_CoupledThermalElectricStep cte;
  cte.SetResponse(1);
  cte.SetMatrixStorage(1);
  EXPECT_EQ(StepText(cte), "*Step, name=Step-1\n");
  cte.SetSolutionTechnique(1);
  EXPECT_EQ(StepText(cte), "*Step, name=Step-1, unsymm=NO\n");
  // Soils: only for a consolidation analysis.
  kprC_SoilsStep soils;
  soils.SetResponse(1);
  soils.SetMatrixStorage(2);
  EXPECT_EQ(StepText(soils), "*Step, name=Step-1, unsymm=YES\n");
  soils.SetConsolidation(1);
  EXPECT_EQ(StepText(soils), "*Step, name=Step-1\n");
}

TEST(StepTest, DescriptionLine) {
  kprC_StaticStep step;
  step.SetDescription("Apply the bolt load");
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\nApply the bolt load\n");
  // A line break would start an unparsed line of history.
  step.SetDescription("first\nsecond\r\nthird");
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\nfirst second  third\n");
  // A leading "*" would read as a keyword, "**" as a comment.
  step.SetDescription("*Boundary");
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\n *Boundary\n");
  step.SetDescription("  ** note");
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\n   ** note\n");
  step.SetDescription("\n*Cload");
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\n  *Cload\n");
  step.SetDescription("load a*b");
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\nload a*b\n");
  // A long description is written whole.
  const std::string longText(300, 'x');
  step.SetDescription(cow_String(longText));
  EXPECT_EQ(StepText(step), "*Step, name=Step-1\n" + longText + "\n");
}

TEST(StepTest, UnknownKindStopsTheWrite) {
  StepTestUnknownStep unknown;
  EXPECT_EQ(ThrownText(aif_Step(unknown, false, "Step-1")),
            "Unimplemented function to write out *Step card");
}

TEST(StepTest, CloneRefersToTheSameStep) {
  // The keyword refers to the model's step: a change made before the write
  // shows in the copy too.
  kprC_StaticStep step;
  const aif_Step keyword(step, false, "Step-1");
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  step.SetNlgeom(1);
  EXPECT_EQ(KeywordText(*copy), "*Step, name=Step-1, nlgeom=YES\n");
}

}  // namespace
