#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_Step.h"
#include "chk/impl/chk_FieldOutputCheck.h"
#include "chk/impl/chk_HistoryOutputCheck.h"

namespace {

using OutputCheckFindings = chk_test::Findings;

template <class Check>
OutputCheckFindings RunOutputCheck(const bas_NewModel& model) {
  Check check(model, "Model-1");
  check.Run();
  OutputCheckFindings findings = chk_test::FindingsOf(check);
  return findings;
}

// A static step whose incrementation honours number intervals or time
// marks as the kernel answers; suppressed on request.
kprC_StaticStep OutputCheckStep(bool numberInterval, bool timeMarks, bool suppressed = false) {
  kprC_StaticStep step = hst_ModelBuilder::MakeStep<kprC_StaticStep>(suppressed);
  step.SetOutputConsistency(numberInterval, timeMarks);
  return step;
}

template <class State>
State OutputCheckState(korC_TypeEnm frequency, bool timeMarks) {
  State state;
  state.SetFrequencyKind(frequency);
  state.SetTimeMarks(timeMarks);
  return state;
}

const char* const kFieldNumberInterval =
    "Field output requests cannot use the number interval parameter \nin a step with fixed time "
    "incrementation or steady state response.\n\nModify the following output requests or the "
    "step parameters:\n";
const char* const kFieldTimeMarks =
    "Field output requests cannot use the time marks parameter \nin a step with fixed time "
    "incrementation or steady state response.\n\nTime marks will be ignored for the following "
    "cases: \n";
const char* const kHistoryNumberInterval =
    "History output requests cannot use the number interval parameter \nin a step with fixed "
    "time incrementation or steady state response.\n\nModify the following output requests or "
    "the step parameters:\n";
const char* const kHistoryTimeMarks =
    "History output requests cannot use the time marks parameter \nin a step with fixed time "
    "incrementation or steady state response.\n\nTime marks will be ignored for the following "
    "cases: \n";
const char* const kFieldFasteners =
    "The following field output requests are applied to fasteners\nwhich do not exist or use the "
    "Rigid MPC setting:\n";
const char* const kHistoryFasteners =
    "The following history output requests are applied to fasteners\nwhich do not exist or use "
    "the Rigid MPC setting:\n";
const char* const kNotStationary =
    "The following history output requests are applied to XFEM cracks\nwhich are are not "
    "stationary XFEM cracks:\n";
const char* const kNotSolid =
    "The following history output requests are applied to XFEM cracks\nwith crack domains that "
    "are not 3D solids:\n";
const char* const kStressInitialization =
    "The following history output requests are invalid because\nof the specified stress "
    "initialization\nstep, which either does not exist or is suppressed\nor it comes after the "
    "step in which the output request is defined\n";

}  // namespace

// Per active request and unsuppressed step where it is active: number
// intervals the step cannot honour are errors, time marks it ignores
// warnings, one line per request and step.
TEST(chk_OutputCheckTest, OutputFrequencyPerStep) {
  using FieldState = korC_FieldOutputState;
  hst_ModelBuilder b("Model-1");
  b.AddStep("Step-1", OutputCheckStep(false, false));
  b.AddStep("Step-2", OutputCheckStep(false, false));
  b.AddStep("Step-3", OutputCheckStep(false, false, true));
  b.AddStep("Step-4", OutputCheckStep(true, false));

  korC_FieldOutput intervals;  // in both fixed steps, time marks in one
  intervals.SetState("Step-1", OutputCheckState<FieldState>(korC_NUMBER_INTERVAL, false));
  intervals.SetState("Step-2", OutputCheckState<FieldState>(korC_NUMBER_INTERVAL, true), 2);
  intervals.SetState("Step-3", OutputCheckState<FieldState>(korC_NUMBER_INTERVAL, true), 2);
  b.AddFieldOutput("F-Output-1", intervals);
  korC_FieldOutput timed;  // a steady step: the time marks only
  timed.SetState("Step-4", OutputCheckState<FieldState>(korC_TIME_INTERVAL, true));
  b.AddFieldOutput("F-Output-2", timed);
  korC_FieldOutput switchedOff;  // deactivated where it would be wrong
  switchedOff.SetState("Step-1", OutputCheckState<FieldState>(korC_NUMBER_INTERVAL, true), 4);
  switchedOff.SetState("Step-4", OutputCheckState<FieldState>(korC_TIME_POINTS, true), 3);
  b.AddFieldOutput("F-Output-3", switchedOff);
  korC_FieldOutput suppressed = intervals;
  suppressed.SetSuppressed(true);
  b.AddFieldOutput("F-Output-4", suppressed);
  korC_FieldOutput otherKinds;  // every n increments, modes: no rule
  otherKinds.SetState("Step-1", OutputCheckState<FieldState>(korC_FREQUENCY, true));
  otherKinds.SetState("Step-2", OutputCheckState<FieldState>(korC_MODES, true));
  b.AddFieldOutput("F-Output-5", otherKinds);

  OutputCheckFindings field = RunOutputCheck<chk_FieldOutputCheck>(b.Model());
  EXPECT_EQ((std::vector<std::string>{std::string(kFieldNumberInterval) +
                                      "F-Output-1 in step Step-1 \nF-Output-1 in step Step-2 \n"}),
            field.errors);
  EXPECT_EQ((std::vector<std::string>{std::string(kFieldTimeMarks) +
                                      "F-Output-1 in step Step-2 \nF-Output-2 in step Step-4 \n"
                                      "F-Output-3 in step Step-4 \n"}),
            field.warnings);

  // The same rules for history requests, under their own headers.
  korC_HistoryOutput history;
  history.SetState("Step-2", OutputCheckState<korC_HistoryOutputState>(korC_NUMBER_INTERVAL, true));
  b.AddHistoryOutput("H-Output-1", history);
  OutputCheckFindings historyFindings = RunOutputCheck<chk_HistoryOutputCheck>(b.Model());
  EXPECT_EQ((std::vector<std::string>{std::string(kHistoryNumberInterval) +
                                      "H-Output-1 in step Step-2 \n"}),
            historyFindings.errors);
  EXPECT_EQ(
      (std::vector<std::string>{std::string(kHistoryTimeMarks) + "H-Output-1 in step Step-2 \n"}),
      historyFindings.warnings);
}

// Requests on fasteners are listed when the fastener is missing, or is a
// point fastener that is suppressed or uses the Rigid MPC setting; every
// fastener request is listed when the model has no valid assembly.
TEST(chk_OutputCheckTest, FastenerRequests) {
  auto pointFastener = [](bool suppressed, bool rigidMpc) {
    kefC_PointFastener fastener;
    fastener.SetSuppressed(suppressed);
    fastener.rigidMpc = rigidMpc;
    return fastener;
  };
  auto fieldOn = [](const cow_String& fastener) {
    korC_FieldOutput request;
    request.SetFastenerName(fastener);
    return request;
  };
  auto historyOn = [](const cow_String& fastener, korC_DomainTypeEnm domain = korC_FASTENER) {
    korC_HistoryOutput request;
    request.SetDomain(domain);
    request.SetFastenerName(fastener);
    return request;
  };
  hst_ModelBuilder b("Model-1");
  b.AddFastener("PF-Rigid", pointFastener(false, true));
  b.AddFastener("PF-Plain", pointFastener(false, false));
  b.AddFastener("PF-Off", pointFastener(true, false));
  kefC_DiscreteFastener discrete;
  discrete.SetSuppressed(true);
  b.AddFastener("DF-Off", discrete);
  b.AddFieldOutput("F-Discrete", fieldOn("DF-Off"));
  b.AddFieldOutput("F-Missing", fieldOn("Nowhere"));
  b.AddFieldOutput("F-Off", fieldOn("PF-Off"));
  b.AddFieldOutput("F-Plain", fieldOn("PF-Plain"));
  b.AddFieldOutput("F-Rigid", fieldOn("PF-Rigid"));
  b.AddFieldOutput("F-Whole", korC_FieldOutput());
  b.AddHistoryOutput("H-Plain", historyOn("PF-Plain"));
  b.AddHistoryOutput("H-Region", historyOn("Nowhere", korC_REGION));
  b.AddHistoryOutput("H-Rigid", historyOn("PF-Rigid"));

  OutputCheckFindings field = RunOutputCheck<chk_FieldOutputCheck>(b.Model());
  EXPECT_EQ((std::vector<std::string>{std::string(kFieldFasteners) +
                                      "    F-Missing \n    F-Off \n    F-Rigid \n"}),
            field.errors);
  EXPECT_TRUE(field.warnings.empty());
  EXPECT_EQ((std::vector<std::string>{std::string(kHistoryFasteners) + "    H-Rigid \n"}),
            RunOutputCheck<chk_HistoryOutputCheck>(b.Model()).errors);

  hst_ModelBuilder withoutAssembly("Model-1");
  withoutAssembly.WithoutAssembly();
  withoutAssembly.AddFieldOutput("F-Plain", fieldOn("PF-Plain"));
  withoutAssembly.AddHistoryOutput("H-Plain", historyOn("PF-Plain"));
  EXPECT_EQ((std::vector<std::string>{std::string(kFieldFasteners) + "    F-Plain \n"}),
            RunOutputCheck<chk_FieldOutputCheck>(withoutAssembly.Model()).errors);
  EXPECT_EQ((std::vector<std::string>{std::string(kHistoryFasteners) + "    H-Plain \n"}),
            RunOutputCheck<chk_HistoryOutputCheck>(withoutAssembly.Model()).errors);
}

// History requests on XFEM cracks: a crack domain that is not all solid is
// reported alone, a growing crack on a solid domain as not stationary;
// missing, suppressed and other cracks are passed over, as is every crack
// of a model whose assembly is not valid.
TEST(chk_OutputCheckTest, CrackRequests) {
  auto domainOf = [](std::initializer_list<rgnC_GeomComponent::Kind> kinds) {
    cow_List<rgnC_GeomComponent> components;
    for (rgnC_GeomComponent::Kind kind : kinds) {
      rgnC_GeomComponent component;
      component.kind = kind;
      components.Append(component);
    }
    rgnC_Region region("Domain", {"Assembly"});
    region.SetKernelComponents(components);
    return region;
  };
  const rgnC_Region solid = domainOf({rgnC_GeomComponent::kCell, rgnC_GeomComponent::kCell});
  const rgnC_Region shell = domainOf({rgnC_GeomComponent::kCell, rgnC_GeomComponent::kFace});
  auto crackOn = [](const rgnC_Region& domain, bool growth, bool suppressed = false) {
    kefC_XFEMCrack crack;
    crack.SetRegions(domain, rgnC_Region());
    crack.SetAllowGrowth(growth);
    crack.SetSuppressed(suppressed);
    return crack;
  };
  auto requestOn = [](const cow_String& crack) {
    korC_HistoryOutput request;
    request.SetDomain(korC_CRACK);
    request.SetCrackName(crack);
    return request;
  };
  hst_ModelBuilder b("Model-1");
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddCrack("Crack-GrowSolid", crackOn(solid, true));
  b.AddCrack("Crack-GrowShell", crackOn(shell, true));
  b.AddCrack("Crack-StillShell", crackOn(shell, false));
  b.AddCrack("Crack-StillSolid", crackOn(solid, false));
  b.AddCrack("Crack-Off", crackOn(shell, true, true));
  kefC_ContourIntegral contour;
  b.AddCrack("Crack-Contour", contour);
  b.AddHistoryOutput("H-Contour", requestOn("Crack-Contour"));
  b.AddHistoryOutput("H-GrowShell", requestOn("Crack-GrowShell"));
  b.AddHistoryOutput("H-GrowSolid", requestOn("Crack-GrowSolid"));
  b.AddHistoryOutput("H-Missing", requestOn("Nowhere"));
  b.AddHistoryOutput("H-Off", requestOn("Crack-Off"));
  b.AddHistoryOutput("H-StillShell", requestOn("Crack-StillShell"));
  b.AddHistoryOutput("H-StillSolid", requestOn("Crack-StillSolid"));
  korC_HistoryOutput region = requestOn("Crack-GrowSolid");
  region.SetDomain(korC_REGION);  // names a crack, but is no crack request
  b.AddHistoryOutput("H-Region", region);
  korC_HistoryOutput off = requestOn("Crack-GrowSolid");
  off.SetSuppressed(true);
  b.AddHistoryOutput("H-Suppressed", off);

  OutputCheckFindings findings = RunOutputCheck<chk_HistoryOutputCheck>(b.Model());
  EXPECT_EQ(
      (std::vector<std::string>{std::string(kNotStationary) + "    H-GrowSolid \n",
                                std::string(kNotSolid) + "    H-GrowShell \n    H-StillShell \n"}),
      findings.errors);
  EXPECT_TRUE(findings.warnings.empty());

  b.Assembly().SetEngineeringFeaturesReady(false);
  EXPECT_TRUE(RunOutputCheck<chk_HistoryOutputCheck>(b.Model()).errors.empty());
}

// A crack request's stress initialization step must be an unsuppressed step
// no later than the request's own creation step (counting every step from
// the initial one), whatever the assembly; the findings come in their fixed
// order after the shared ones.
TEST(chk_OutputCheckTest, StressInitializationSteps) {
  auto requestWith = [](const cow_String& initialization, const cow_String& created) {
    korC_HistoryOutput request;
    request.SetDomain(korC_CRACK);
    request.SetCrackName("Crack-1");
    request.SetResidualStressStepName(initialization);
    request.SetCreateStepName(created);
    return request;
  };
  hst_ModelBuilder b("Model-1");
  b.WithoutAssembly();
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  b.AddStep("Step-3", OutputCheckStep(false, true));
  b.AddHistoryOutput("S-After", requestWith("Step-3", "Step-1"));
  b.AddHistoryOutput("S-Equal", requestWith("Step-1", "Step-1"));
  b.AddHistoryOutput("S-Initial", requestWith("Initial", "Step-1"));
  b.AddHistoryOutput("S-Missing", requestWith("Nowhere", "Step-3"));
  b.AddHistoryOutput("S-NoCreation", requestWith("Step-1", "Nowhere"));
  b.AddHistoryOutput("S-None", requestWith("", "Step-1"));
  b.AddHistoryOutput("S-Suppressed", requestWith("Step-2", "Step-3"));
  b.AddHistoryOutput("S-SuppressedCreation", requestWith("Step-1", "Step-2"));
  korC_HistoryOutput region = requestWith("Step-3", "Step-1");
  region.SetDomain(korC_REGION);
  b.AddHistoryOutput("S-Region", region);
  // Findings of the shared rules on the same model come first.
  korC_HistoryOutput fastener;
  fastener.SetDomain(korC_FASTENER);
  fastener.SetFastenerName("PF-1");
  fastener.SetState("Step-3",
                    OutputCheckState<korC_HistoryOutputState>(korC_NUMBER_INTERVAL, false));
  b.AddHistoryOutput("A-Fastener", fastener);

  OutputCheckFindings findings = RunOutputCheck<chk_HistoryOutputCheck>(b.Model());
  EXPECT_EQ((std::vector<std::string>{
                std::string(kHistoryNumberInterval) + "A-Fastener in step Step-3 \n",
                std::string(kHistoryFasteners) + "    A-Fastener \n",
                std::string(kStressInitialization) +
                    "    S-After \n    S-Missing \n    S-NoCreation \n    S-Suppressed \n"
                    "    S-SuppressedCreation \n"}),
            findings.errors);
  EXPECT_TRUE(findings.warnings.empty());
}
