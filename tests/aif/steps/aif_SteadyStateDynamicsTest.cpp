// The "*Steady State Dynamics" forms (mode-based, subspace projection,
// direct) and "*Random Response": options and the frequency range lines they
// share, with the bias only above three points.
#include "aif/impl/steps/aif_RandomResponse.h"
#include "aif/impl/steps/aif_SteadyStateDirect.h"
#include "aif/impl/steps/aif_SteadyStateModal.h"
#include "aif/impl/steps/aif_SteadyStateSubspace.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

template <class Range>
cow_List<Range> SteadyStateRanges() {
  Range three, four;
  three.SetLower(1.0);
  three.SetUpper(10.0);
  three.SetNumPoints(3);
  three.SetBias(2.0);
  four.SetLower(10.0);
  four.SetUpper(100.5);
  four.SetNumPoints(4);
  four.SetBias(2.0);
  return {three, four};
}

TEST(aif_SteadyStateDynamicsTest, Modal) {
  kprC_SteadyStateModalStep step;
  EXPECT_EQ(KeywordText(aif_SteadyStateModal(step)), "*Steady State Dynamics\n");
  step.SetFrequencies(SteadyStateRanges<kprC_SteadyStateModalFrequency>());
  step.SetFrequencyScale(1);
  step.SetInterval(0);
  EXPECT_EQ(KeywordText(aif_SteadyStateModal(step)),
            "*Steady State Dynamics, frequency scale=LINEAR, interval=RANGE\n"
            "1., 10., 3, \n"
            "10., 100.5, 4, 2.\n");
  step.SetFrequencyScale(0);
  step.SetInterval(2);
  EXPECT_EQ(KeywordText(aif_SteadyStateModal(step)),
            "*Steady State Dynamics, interval=EIGENFREQUENCY\n"
            "1., 10., 3, \n"
            "10., 100.5, 4, 2.\n");
}

TEST(aif_SteadyStateDynamicsTest, SubspaceProjection) {
  kprC_SteadyStateSubspaceStep step;
  // Kind 0: nothing follows "subspace projection" before the other options.
  EXPECT_EQ(KeywordText(aif_SteadyStateSubspace(step)),
            "*Steady State Dynamics, subspace projection, friction damping=NO\n");
  const std::pair<int, const char*> kinds[] = {
      {1, "=CONSTANT"}, {2, "=EIGENFREQUENCY"}, {4, "=RANGE"}, {5, ""}};
  for (const auto& [kind, text] : kinds) {
    step.SetProjection(kind);
    EXPECT_EQ(KeywordText(aif_SteadyStateSubspace(step)),
              std::string("*Steady State Dynamics, subspace projection") + text +
                  ", friction damping=NO\n")
        << kind;
  }

  step.SetProjection(3);
  step.SetDampingChange(0.2);
  step.SetResponseType(0);
  step.SetFrequencyScale(1);
  step.SetInterval(0);
  step.SetFrictionDamping(true);
  step.SetFrequencies(SteadyStateRanges<kprC_SteadyStateModalFrequency>());
  EXPECT_EQ(KeywordText(aif_SteadyStateSubspace(step)),
            "*Steady State Dynamics, subspace projection=PROPERTY CHANGE, damping change=0.2, "
            "stiffness change=0.1, real only, frequency scale=LINEAR, interval=RANGE, "
            "friction damping=YES\n"
            "1., 10., 3, \n"
            "10., 100.5, 4, 2.\n");
}

TEST(aif_SteadyStateDynamicsTest, Direct) {
  kprC_SteadyStateDirectStep step;
  EXPECT_EQ(KeywordText(aif_SteadyStateDirect(step)),
            "*Steady State Dynamics, direct, friction damping=NO\n");
  step.SetResponseType(0);
  step.SetFrequencyScale(1);
  step.SetIntervalEigenfrequency(true);
  step.SetFrictionDamping(true);
  step.SetFrequencies(SteadyStateRanges<kprC_SteadyStateModalFrequency>());
  EXPECT_EQ(KeywordText(aif_SteadyStateDirect(step)),
            "*Steady State Dynamics, direct, real only, frequency scale=LINEAR, "
            "interval=EIGENFREQUENCY, friction damping=YES\n"
            "1., 10., 3, \n"
            "10., 100.5, 4, 2.\n");
}

TEST(aif_SteadyStateDynamicsTest, RandomResponse) {
  kprC_RandomResponseStep step;
  EXPECT_EQ(KeywordText(aif_RandomResponse(step)), "*Random Response\n");
  step.SetFrequencies(SteadyStateRanges<kprC_RandomResponseFrequency>());
  // Logarithmic scale: the last field stays blank.
  EXPECT_EQ(KeywordText(aif_RandomResponse(step)),
            "*Random Response\n"
            "1., 10., 3, , \n"
            "10., 100.5, 4, 2., \n");
  step.SetFrequencyScale(1);
  EXPECT_EQ(KeywordText(aif_RandomResponse(step)),
            "*Random Response\n"
            "1., 10., 3, , 1\n"
            "10., 100.5, 4, 2., 1\n");
}

}  // namespace
