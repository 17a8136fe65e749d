// The requests a step carries beside its procedure: handles copied with the
// step, kind tests and equality, and the default lists the controls writer
// relies on.
#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbAttrEO/kprC_StepRequests.h"

TEST(kprC_StepRequests, HandlesAreEmptyByDefaultAndTravelWithTheStep) {
  kprC_StaticStep step;
  EXPECT_TRUE(step.Restart().IsNull());
  EXPECT_TRUE(step.Monitor().IsNull());
  EXPECT_TRUE(step.DiagnosticPrint().IsNull());
  EXPECT_TRUE(step.Controls().IsNull());
  EXPECT_TRUE(step.LinearCtrl().IsNull());
  EXPECT_FALSE(step.SimBased());
  EXPECT_FALSE(step.Explicit());
  EXPECT_TRUE(kprC_ExplicitDynamicsStep().Explicit());

  kprC_StandardRestart restart;
  restart.SetFrequency(3);
  step.SetRestart(restart);
  step.SetMonitor(kprC_StandardMonitor());
  step.SetDiagnosticPrint(kprC_StandardDiagnosticPrint());
  step.SetControls(kprC_CTDControls());
  step.SetLinearCtrl(kprC_LinearCtrl());

  // A step copied into the container keeps every request.
  kprC_StepContainer steps;
  steps.Append("Step-1", step);
  const auto& copy = dynamic_cast<const kprC_AnalysisStep&>(steps.ConstGet("Step-1"));
  EXPECT_EQ(copy.Restart()->DynTypeId(), kprC_StandardRestart::TypeId());
  EXPECT_EQ(dynamic_cast<const kprC_StandardRestart&>(*copy.Restart()).Frequency(), 3);
  EXPECT_EQ(copy.Monitor()->DynTypeId(), kprC_StandardMonitor::TypeId());
  EXPECT_EQ(copy.DiagnosticPrint()->DynTypeId(), kprC_StandardDiagnosticPrint::TypeId());
  EXPECT_EQ(copy.Controls()->DynTypeId(), kprC_CTDControls::TypeId());
  EXPECT_FALSE(copy.LinearCtrl().IsNull());

  // Changing a copy's request leaves the original's as it was.
  kprC_StaticStep changed = step;
  cow_COW<kprC_Restart> handle = changed.Restart();
  dynamic_cast<kprC_StandardRestart&>(handle.Modify()).SetFrequency(9);
  changed.SetRestart(handle);
  EXPECT_EQ(dynamic_cast<const kprC_StandardRestart&>(*step.Restart()).Frequency(), 3);
  EXPECT_EQ(dynamic_cast<const kprC_StandardRestart&>(*changed.Restart()).Frequency(), 9);
  changed.SetRestart(cow_COW<kprC_Restart>());
  EXPECT_TRUE(changed.Restart().IsNull());
  EXPECT_FALSE(step.Restart().IsNull());

  // The explicit procedures' own time incrementation does not hide the
  // solution controls handle of the analysis step.
  kprC_ExplicitDynamicsStep dynamics;
  kprC_AnalysisStep& analysis = dynamics;
  analysis.SetControls(kprC_TypicalControls());
  EXPECT_EQ(analysis.Controls()->DynTypeId(), kprC_TypicalControls::TypeId());
  EXPECT_EQ(dynamics.Controls().Method(), 0);
}

TEST(kprC_StepRequests, EqualOnlyInTheSameClassWithTheSameSettings) {
  EXPECT_TRUE(kprC_StandardRestart() == kprC_StandardRestart());
  EXPECT_FALSE(kprC_StandardRestart() == kprC_FlowRestart());
  kprC_ExplicitRestart overlay;
  overlay.SetOverlay(true);
  EXPECT_FALSE(overlay == kprC_ExplicitRestart());
  EXPECT_FALSE(kprC_PerturbationDiagnosticPrint() == kprC_StandardDiagnosticPrint());
  kprC_StandardDiagnosticPrint residual;
  residual.SetResidual(false);
  EXPECT_FALSE(residual == kprC_StandardDiagnosticPrint());
}

TEST(kprC_StepRequests, DefaultListsHaveTheLengthsTheWriterReads) {
  EXPECT_EQ(kprC_PrimaryControls::timeIncrementationDef(false).Length(), 28u);
  EXPECT_EQ(kprC_PrimaryControls::timeIncrementationDef(true).Length(), 28u);
  EXPECT_FALSE(kprC_PrimaryControls::timeIncrementationDef(true) ==
               kprC_PrimaryControls::timeIncrementationDef(false));
  EXPECT_GT(kprC_PrimaryControls::fieldDef(true).Length(), 8u);
  EXPECT_EQ(kprC_PrimaryControls::fieldDef(false).Length(),
            kprC_PrimaryControls::fieldDef(true).Length());
  EXPECT_FALSE(kprC_PrimaryControls::fieldDef(true) == kprC_PrimaryControls::fieldDef(false));
  EXPECT_GE(kprC_PrimaryControls::lineSearchDef().Length(), 5u);
  EXPECT_GE(kprC_DirectCyclicControls::directCyclicDef().Length(), 5u);
  EXPECT_FALSE(kprC_PrimaryControls::constraintsDef().IsEmpty());

  // A default-constructed kind holds the default lists.
  const kprC_CTEControls controls;
  EXPECT_TRUE(controls.TimeIncrementation() == kprC_PrimaryControls::timeIncrementationDef(false));
  EXPECT_TRUE(controls.Temperature() == kprC_PrimaryControls::fieldDef(false));
  EXPECT_TRUE(kprC_TypicalControls().Displacement() == kprC_PrimaryControls::fieldDef(true));
}
