// "*Boundary" of a bolt load's reference node: a fixed length, an adjusted
// one, and the removal line.

#include "aif/impl/loads/aif_BoundaryForBoltLoad.h"

#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kloC_Load.h"
#include "support/aif_TestSupport.h"

namespace {

// A bolt with status `status` in "Step-2" and there the method `method`,
// the length `length` and the amplitude `amplitude`.
kloC_BoltLoad BoltInStep(int status, kloC_BoltLoadMethodEnm method, double length,
                         const char* amplitude = "") {
  kloC_BoltLoad bolt;
  kloC_LoadState state(status, {});
  state.SetMethod(method, 1, false);
  state.SetLength(length, 1);
  if (*amplitude) state.SetAmplitude(amplitude, 1);
  bolt.SetState("Step-2", status, state);
  return bolt;
}

std::string BoltBoundaryText(const kloC_BoltLoad& bolt, bool opFlag, double scale) {
  return aif_test::KeywordText(
      aif_BoundaryForBoltLoad(bolt, "Step-2", opFlag, "_Bolt-1_blrn_", scale));
}

TEST(aif_BoundaryForBoltLoadTest, FixedAdjustedOrRemoved) {
  // Fixed length: no amplitude, no value.
  const kloC_BoltLoad fixed = BoltInStep(1, kloC_FIX_LENGTH, 2.5, "Ramp");
  EXPECT_EQ("*Boundary, fixed\n_Bolt-1_blrn_, 1, 1\n", BoltBoundaryText(fixed, true, 1.0));
  EXPECT_EQ("*Boundary, op=NEW, fixed\n_Bolt-1_blrn_, 1, 1\n", BoltBoundaryText(fixed, false, 1.0));

  // Adjusted length: the length times the scale, the amplitude's printable
  // name.
  EXPECT_EQ("*Boundary\n_Bolt-1_blrn_, 1, 1, 5.\n",
            BoltBoundaryText(BoltInStep(3, kloC_ADJUST_LENGTH, 2.5), true, 2.0));
  EXPECT_EQ("*Boundary, op=NEW, amplitude=\"My ramp\"\n_Bolt-1_blrn_, 1, 1, 0.25\n",
            BoltBoundaryText(BoltInStep(1, kloC_ADJUST_LENGTH, 0.5, "My ramp"), false, 0.5));
  // A length of 0, or a scale of 0, writes no value.
  EXPECT_EQ("*Boundary\n_Bolt-1_blrn_, 1, 1\n",
            BoltBoundaryText(BoltInStep(2, kloC_ADJUST_LENGTH, 0.0), true, 2.0));
  EXPECT_EQ("*Boundary\n_Bolt-1_blrn_, 1, 1\n",
            BoltBoundaryText(BoltInStep(2, kloC_ADJUST_LENGTH, 3.0), true, 0.0));

  // Removed in the step, or applying a force there: the removal line alone,
  // whatever the builder's flag.
  for (bool opFlag : {true, false}) {
    EXPECT_EQ("*Boundary, op=NEW\n",
              BoltBoundaryText(BoltInStep(4, kloC_ADJUST_LENGTH, 2.5, "Ramp"), opFlag, 1.0));
    EXPECT_EQ("*Boundary, op=NEW\n",
              BoltBoundaryText(BoltInStep(3, kloC_APPLY_FORCE, 2.5), opFlag, 1.0));
  }
  EXPECT_TRUE(aif_BoundaryForBoltLoad(BoltInStep(4, kloC_FIX_LENGTH, 0.0), "Step-2", true,
                                      "_Bolt-1_blrn_", 1.0)
                  .Inactive());

  // An amplitude name with a line break is refused before anything is
  // written.
  EXPECT_EQ(
      "The name \"Ramp\\n1\" holds a line break or another control character and cannot be "
      "written to the input file.",
      aif_test::ThrownText(aif_BoundaryForBoltLoad(
          BoltInStep(1, kloC_ADJUST_LENGTH, 1.0, "Ramp\n1"), "Step-2", true, "_B_", 1.0)));
}

}  // namespace
