// "*Contact Controls" in its Explicit and Standard forms: defaults, changed
// options, the reset line and the stabilization data line.
#include "aif/impl/interactions/aif_ContactControls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

std::string ExplicitControlsText(const kinC_ExpContactControls& c, const char* cpset,
                                 bool suppressReset = false, bool resetOnly = false) {
  return KeywordText(aif_ContactControls(c, cpset, suppressReset, resetOnly));
}

std::string StandardControlsText(const kinC_StdContactControls& c, bool suppressReset = false,
                                 bool resetOnly = false) {
  return KeywordText(aif_ContactControls(c, "Inst.Master", "Inst.Slave", suppressReset, resetOnly));
}

TEST(aif_ContactControls, ExplicitForm) {
  const kinC_ExpContactControls defaults;
  EXPECT_EQ(ExplicitControlsText(defaults, "CP-1"), "*Contact Controls, cpset=CP-1, reset\n");
  // The pair set is written printable, as "*Contact Pair" writes it.
  EXPECT_EQ(ExplicitControlsText(defaults, "Pair set 1"),
            "*Contact Controls, cpset=\"Pair set 1\", reset\n");
  EXPECT_EQ(ExplicitControlsText(defaults, "Pair set 1", false, true),
            "*Contact Controls, cpset=\"Pair set 1\", reset\n");

  kinC_ExpContactControls all;
  all.fastLocalTracking = false;
  all.globalTrackingGiven = 1;
  all.globalTrackingIncrements = 5;
  all.penaltyScale = 2.5;
  all.warpCheckPeriod = 10;
  all.warpCutOff = 30.0;
  EXPECT_EQ(ExplicitControlsText(all, "CP-1"),
            "*Contact Controls, cpset=CP-1, fastlocaltrk=NO, globtrkinc=5, scale penalty=2.5, "
            "warp check period=10, warp cut off=30.\n");
  // Reset only: the options are not written even when changed.
  EXPECT_EQ(ExplicitControlsText(all, "CP-1", false, true),
            "*Contact Controls, cpset=CP-1, reset\n");

  kinC_ExpContactControls some;
  some.penaltyScale = 0.5;
  EXPECT_EQ(ExplicitControlsText(some, "CP-1"),
            "*Contact Controls, cpset=CP-1, scale penalty=0.5, reset\n");

  // Both flags: nothing at all, in either form.
  EXPECT_EQ(ExplicitControlsText(all, "CP-1", true, true), "");
  EXPECT_EQ(StandardControlsText(kinC_StdContactControls(), true, true), "");
}

TEST(aif_ContactControls, StandardResetAndOptions) {
  const std::string reset = "*Contact Controls, master=Inst.Master, slave=Inst.Slave, reset\n";
  const kinC_StdContactControls defaults;
  EXPECT_TRUE(defaults.IsDefault());
  EXPECT_EQ(StandardControlsText(defaults), reset);
  EXPECT_EQ(StandardControlsText(defaults, true, false), "");

  kinC_StdContactControls c;
  c.penetrationToleranceKind = 0;
  c.absoluteTolerance = 0.01;
  c.stiffnessScaleFactor = 2.0;
  c.frictionOnset = 1;
  c.lagrangeMultiplier = 2;
  c.maxContactChangePoints = 4;
  c.maxPenetrationError = 0.5;
  c.maxSeparationError = 0.25;
  EXPECT_FALSE(c.IsDefault());
  const std::string head = "*Contact Controls, master=Inst.Master, slave=Inst.Slave";
  // The line passes the break column before the Lagrange multiplier option.
  EXPECT_EQ(StandardControlsText(c),
            reset + head +
                ", absolutePenetrationTolerance=0.01, stiffnessScaleFactor=2., "
                "frictionOnset=DELAYED, \nLagrange multiplier=YES, maxchp=4, perrmx=0.5, "
                "uerrmx=0.25\n");
  // Reset only, changed controls: the reset line alone.
  EXPECT_EQ(StandardControlsText(c, false, true), reset);

  // Relative tolerance; automatic tolerances hide the three limits.
  c.penetrationToleranceKind = 1;
  c.relativeTolerance = 0.002;
  c.stiffnessScaleFactor = 1.0;
  c.frictionOnset = 0;
  c.lagrangeMultiplier = 1;
  c.automaticTolerances = true;
  EXPECT_EQ(StandardControlsText(c, true, false),
            head +
                ", relativePenetrationTolerance=0.002, Lagrange multiplier=NO, "
                "automaticTolerances\n");
}

TEST(aif_ContactControls, StandardStabilization) {
  const std::string head = "*Contact Controls, master=Inst.Master, slave=Inst.Slave";
  kinC_StdContactControls c;
  c.stabilizationMode = 1;
  c.stabilizationFactor = 0.5;
  EXPECT_EQ(StandardControlsText(c, true), head + ", stabilize=0.5\n");

  c.tangentFraction = 0.1;
  c.stabilizationData[1] = 3.0;
  EXPECT_EQ(StandardControlsText(c, true), head + ", stabilize=0.5, tangent fraction=0.1\n , 3.\n");

  // Mode 2 with a zero first value: a blank, ", " and the second value.
  kinC_StdContactControls other;
  other.stabilizationMode = 2;
  other.stabilizationData[1] = 0.25;
  EXPECT_EQ(StandardControlsText(other, true), head + ", stabilize\n , 0.25\n");
  other.stabilizationData[0] = 1e-05;
  other.stabilizationData[2] = 7.0;
  other.stabilizationThirdGiven = 1;
  EXPECT_EQ(StandardControlsText(other, true), head + ", stabilize\n1.e-05, 0.25, 7.\n");
}

TEST(aif_ContactControls, ClonesShareTheCopyMadeAtConstruction) {
  kinC_ExpContactControls c;
  c.warpCheckPeriod = 5;
  const aif_ContactControls keyword(c, "CP-1", false, false);
  c.warpCheckPeriod = 20;  // later changes to the kernel object are not seen
  std::unique_ptr<akw_Keyword> clone(keyword.Clone());
  EXPECT_EQ(KeywordText(*clone), "*Contact Controls, cpset=CP-1, warp check period=5, reset\n");
}

}  // namespace
