#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/steps/aif_ImplicitDynamics.h"
#include "aif/impl/steps/aif_ModalDynamics.h"
#include "aif/impl/steps/aif_SubspaceDynamics.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

// An implicit dynamics step with automatic incrementation and distinct
// increments: initial 0.01, period 2, minimum 1e-05, maximum 0.5.
kprC_ImplicitDynamicsStep ImplicitDynamicsTestStep() {
  kprC_ImplicitDynamicsStep step;
  step.SetTimePeriod(2.0);
  step.MutableIncrementation().SetInitialInc(0.01);
  step.MutableIncrementation().SetMaxInc(0.5);
  return step;
}

TEST(ImplicitDynamicsTest, DataLineByIncrementation) {
  kprC_ImplicitDynamicsStep step = ImplicitDynamicsTestStep();
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)), "*Dynamic\n0.01,2.,1.e-05,0.5\n");

  // Without a maximum the line stops after the minimum.
  step.SetNoMaxInc(true);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)), "*Dynamic\n0.01,2.,1.e-05\n");

  // Fixed incrementation: two numbers and the comma after the period; the
  // half-increment tolerance belongs to automatic incrementation only.
  step = ImplicitDynamicsTestStep();
  step.MutableIncrementation().SetMethod(1);
  step.SetHafControl(1);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)), "*Dynamic,direct\n0.01,2.,\n");
  step.MutableIncrementation().SetNoStop(true);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)), "*Dynamic,direct=NO STOP\n0.01,2.,\n");
}

TEST(ImplicitDynamicsTest, OptionsInOrderWithBareCommas) {
  kprC_ImplicitDynamicsStep step = ImplicitDynamicsTestStep();
  step.SetAlpha(-0.05);
  step.SetAdiabatic(true);
  step.SetApplication(2);
  step.SetNoHaf(true);
  step.SetHafControl(1);
  step.SetHafTolerance(0.25);
  step.SetInitialAcceleration(2);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)),
            "*Dynamic,alpha=-0.05,adiabatic,application=MODERATE DISSIPATION,nohaf,haftol=0.25,"
            "initial=NO\n0.01,2.,1.e-05,0.5\n");

  step = ImplicitDynamicsTestStep();
  step.SetApplication(1);
  step.SetHafControl(2);
  step.SetHafScaleFactor(3.0);
  step.SetInitialAcceleration(1);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)),
            "*Dynamic,application=TRANSIENT FIDELITY,halfinc scale factor=3.\n"
            "0.01,2.,1.e-05,0.5\n");

  step = ImplicitDynamicsTestStep();
  step.SetApplication(3);
  step.SetHafControl(3);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)),
            "*Dynamic,application=QUASI-STATIC\n0.01,2.,1.e-05,0.5\n");

  // A line grown past the break column goes on after a comma.
  step = ImplicitDynamicsTestStep();
  step.SetAlpha(-1.0 / 3e100);
  step.SetAdiabatic(true);
  step.SetApplication(2);
  step.SetNoHaf(true);
  step.SetHafControl(2);
  step.SetHafScaleFactor(1.0 / 3e100);
  step.SetInitialAcceleration(2);
  EXPECT_EQ(
      KeywordText(aif_ImplicitDynamics(step)),
      "*Dynamic,alpha=-3.3333333333333336e-101,adiabatic,application=MODERATE DISSIPATION,nohaf,"
      "halfinc scale factor=3.3333333333333336e-101,\ninitial=NO\n0.01,2.,1.e-05,0.5\n");

  // Values without a text write nothing.
  step = ImplicitDynamicsTestStep();
  step.SetApplication(3);
  step.SetApplication(4);
  EXPECT_EQ(KeywordText(aif_ImplicitDynamics(step)), "*Dynamic\n0.01,2.,1.e-05,0.5\n");
}

TEST(ImplicitDynamicsTest, SubspaceAndModalDynamics) {
  kprC_SubspaceDynamicsStep subspace;
  subspace.SetTimeIncrement(0.25);
  subspace.SetTimePeriod(3.0);
  EXPECT_EQ(KeywordText(aif_SubspaceDynamics(subspace)), "*Dynamic, subspace\n0.25, 3., \n");

  kprC_ModalDynamicsStep modal;
  modal.SetTimeIncrement(0.25);
  modal.SetTimePeriod(3.0);
  modal.SetContinue(true);
  // The step continues only from a step whose modal state it can take over.
  EXPECT_EQ(KeywordText(aif_ModalDynamics(modal, kprC_StaticLinearPerturbationStep::TypeId())),
            "*Modal Dynamic, continue=YES\n0.25, 3.\n");
  EXPECT_EQ(KeywordText(aif_ModalDynamics(modal, kprC_ModalDynamicsStep::TypeId())),
            "*Modal Dynamic, continue=YES\n0.25, 3.\n");
  EXPECT_EQ(KeywordText(aif_ModalDynamics(modal, kprC_StaticStep::TypeId())),
            "*Modal Dynamic, continue=NO\n0.25, 3.\n");
  EXPECT_EQ(KeywordText(aif_ModalDynamics(modal, 0)), "*Modal Dynamic, continue=NO\n0.25, 3.\n");
  modal.SetContinue(false);
  EXPECT_EQ(KeywordText(aif_ModalDynamics(modal, kprC_ModalDynamicsStep::TypeId())),
            "*Modal Dynamic, continue=NO\n0.25, 3.\n");
}

TEST(ImplicitDynamicsTest, StepOfAnotherKindFailsTheTypeTest) {
  EXPECT_THROW(aif_ImplicitDynamics{kprC_StaticStep()}, nex_TextException);
  EXPECT_THROW(aif_SubspaceDynamics{kprC_ImplicitDynamicsStep()}, nex_TextException);
  EXPECT_THROW((aif_ModalDynamics{kprC_FrequencyStep(), 0}), nex_TextException);
}

}  // namespace
