#include "chk/impl/chk_StepCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <functional>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

std::vector<std::string> StepCheckErrors(const hst_ModelBuilder& b) {
  chk_StepCheck check(b.Model(), "Step-Model");
  check.Run();
  std::vector<std::string> texts = chk_test::Texts(check.Errors());
  EXPECT_TRUE(check.Warnings().IsEmpty());
  return texts;
}

std::string StepCheckSubdivision(const std::string& step) {
  return "Step, " + step +
         ", has specified a frequency range subdivided by eigenfrequency.\nA Frequency step must "
         "precede this step.";
}
std::string StepCheckResidual(const std::string& step) {
  return "Step, " + step +
         ", has been specified to include residual modes.\nA Static, Linear Perturbation step "
         "must immediately precede this step.";
}
std::string StepCheckProjection(const std::string& step) {
  return "Step, " + step +
         ", has been specified to perform projections at lower and upper\nfrequency limits.  A "
         "Frequency step using SIM-based linear dynamics\nmust precede this step.";
}
std::string StepCheckVms(const std::string& step) {
  return "The VMS turbulence model is not valid at this time (" + step + ").";
}

kprC_SteadyStateDirectStep StepCheckDirect(bool subdivided) {
  kprC_SteadyStateDirectStep step;
  step.SetIntervalEigenfrequency(subdivided);
  return step;
}
kprC_FrequencyStep StepCheckFrequency(int eigensolver, bool residualModes, bool sim = false) {
  kprC_FrequencyStep step;
  step.SetEigensolver(eigensolver);
  step.SetResidualModes(residualModes);
  step.SetSim(sim);
  return step;
}
kprC_SteadyStateSubspaceStep StepCheckSubspace(int projection) {
  kprC_SteadyStateSubspaceStep step;
  step.SetProjection(projection);
  return step;
}
kprC_FlowStep StepCheckFlow(int turbulence) {
  kprC_FlowStep step;
  step.SetTurbulence(turbulence);
  return step;
}
template <class Step>
Step StepCheckSuppressed(Step step) {
  step.SetSuppressed(true);
  return step;
}

struct StepCheckCase {
  const char* what;
  std::function<void(hst_ModelBuilder&)> steps;
  std::vector<std::string> errors;
};

}  // namespace

// Each walk with its finding and the twin without one.
TEST(chk_StepCheckTest, StepSequences) {
  const StepCheckCase cases[] = {
      {"frequency step before a subdivided direct step",
       [](hst_ModelBuilder& b) {
         b.AddStep("Frequency", StepCheckFrequency(1, false));
         b.AddStep("Direct", StepCheckDirect(true));
       },
       {}},
      {"subdivided direct step before the frequency step",
       [](hst_ModelBuilder& b) {
         b.AddStep("Direct", StepCheckDirect(true));
         b.AddStep("Frequency", StepCheckFrequency(1, false));
       },
       {StepCheckSubdivision("Direct")}},
      {"two subdivided direct steps: the first named",
       [](hst_ModelBuilder& b) {
         b.AddStep("Direct-1", StepCheckDirect(false));
         b.AddStep("Direct-2", StepCheckDirect(true));
         b.AddStep("Direct-3", StepCheckDirect(true));
       },
       {StepCheckSubdivision("Direct-2")}},
      {"a suppressed frequency step does not count",
       [](hst_ModelBuilder& b) {
         b.AddStep("Frequency", StepCheckSuppressed(StepCheckFrequency(1, false)));
         b.AddStep("Direct", StepCheckDirect(true));
       },
       {StepCheckSubdivision("Direct")}},
      {"residual modes in the first analysis step",
       [](hst_ModelBuilder& b) { b.AddStep("Frequency", StepCheckFrequency(1, true)); },
       {StepCheckResidual("Frequency")}},
      {"residual modes right after a static linear perturbation step",
       [](hst_ModelBuilder& b) {
         b.AddStep("Perturb", kprC_StaticLinearPerturbationStep());
         b.AddStep("Frequency", StepCheckFrequency(1, true));
       },
       {}},
      {"a suppressed step between is not the previous step",
       [](hst_ModelBuilder& b) {
         b.AddStep("Perturb", kprC_StaticLinearPerturbationStep());
         b.AddStep("Skipped", StepCheckSuppressed(kprC_StaticStep()));
         b.AddStep("Frequency", StepCheckFrequency(1, true));
       },
       {}},
      {"residual modes after a static step; the second frequency step is named",
       [](hst_ModelBuilder& b) {
         b.AddStep("Perturb", kprC_StaticLinearPerturbationStep());
         b.AddStep("Frequency-1", StepCheckFrequency(1, true));
         b.AddStep("Static", kprC_StaticStep());
         b.AddStep("Frequency-2", StepCheckFrequency(1, true));
       },
       {StepCheckResidual("Frequency-2")}},
      {"residual modes with AMS or subspace",
       [](hst_ModelBuilder& b) {
         b.AddStep("Frequency-1", StepCheckFrequency(2, true));
         b.AddStep("Frequency-2", StepCheckFrequency(0, true));
       },
       {}},
      {"AMS, then Lanczos without SIM, then projections at the limits",
       [](hst_ModelBuilder& b) {
         b.AddStep("Frequency-1", StepCheckFrequency(2, false));
         b.AddStep("Frequency-2", StepCheckFrequency(1, false));
         b.AddStep("Subspace", StepCheckSubspace(4));
       },
       {StepCheckProjection("Subspace")}},
      {"projections at the limits after AMS or SIM",
       [](hst_ModelBuilder& b) {
         b.AddStep("Frequency-1", StepCheckFrequency(2, false));
         b.AddStep("Subspace-1", StepCheckSubspace(4));
         b.AddStep("Frequency-2", StepCheckFrequency(1, false, true));
         b.AddStep("Subspace-2", StepCheckSubspace(4));
       },
       {}},
      {"other projections need no SIM; the first at the limits is named",
       [](hst_ModelBuilder& b) {
         b.AddStep("Subspace-1", StepCheckSubspace(2));
         b.AddStep("Subspace-2", StepCheckSubspace(4));
         b.AddStep("Subspace-3", StepCheckSubspace(4));
       },
       {StepCheckProjection("Subspace-2")}},
      {"a static step ends the flow walk",
       [](hst_ModelBuilder& b) {
         b.AddStep("Static", kprC_StaticStep());
         b.AddStep("Flow", StepCheckFlow(3));
       },
       {}},
      {"VMS in a leading flow step, after a suppressed static step",
       [](hst_ModelBuilder& b) {
         b.AddStep("Static", StepCheckSuppressed(kprC_StaticStep()));
         b.AddStep("Flow-1", StepCheckFlow(1));
         b.AddStep("Flow-2", StepCheckFlow(3));
         b.AddStep("Flow-3", StepCheckFlow(3));
       },
       {StepCheckVms("Flow-2")}},
      {"every walk reports, in walk order",
       [](hst_ModelBuilder& b) {
         b.AddStep("Flow", StepCheckFlow(3));
         b.AddStep("Direct", StepCheckDirect(true));
         b.AddStep("Frequency", StepCheckFrequency(1, true));
         b.AddStep("Subspace", StepCheckSubspace(4));
       },
       {StepCheckSubdivision("Direct"), StepCheckResidual("Frequency"),
        StepCheckProjection("Subspace"), StepCheckVms("Flow")}},
  };
  for (const StepCheckCase& c : cases) {
    SCOPED_TRACE(c.what);
    hst_ModelBuilder b("Step-Model");
    c.steps(b);
    EXPECT_EQ(c.errors, StepCheckErrors(b));
  }
}

// A later step that is no analysis step fails its type test out of Run.
TEST(chk_StepCheckTest, StepOfTheWrongClass) {
  hst_ModelBuilder b("Step-Model");
  b.AddStep("Odd", kprC_InitialStep());
  chk_StepCheck check(b.Model(), "Step-Model");
  std::string text;
  try {
    check.Run();
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  EXPECT_TRUE(
      text.starts_with("Type test failed: the object is not a kprC_AnalysisStep (source "
                       "file module/chk/impl/chk_StepCheck.cpp"))
      << text;
}
