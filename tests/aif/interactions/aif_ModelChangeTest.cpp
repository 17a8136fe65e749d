// "*Model Change" for a region (removed, added with or without strain, the
// activation line) and for standard contact pairs (added, removed by the
// flag or by a deactivation in the step), and the interactions it refuses.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/interactions/aif_ModelChange.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

class aif_ModelChangeTest : public aif_InteractionTestModel {
 protected:
  std::string ChangeText(const kinC_Interaction& interaction, bool remove = false,
                         bool flat = false) {
    return aif_test::KeywordText(
        aif_ModelChange("Change-1", interaction, "Step-1", Info(flat), remove));
  }

  // A model change of Block-1's "Set-1" adding (or removing) in Step-1.
  static kinC_ModelChange RegionChange(bool add, bool strain = false) {
    kinC_ModelChange change;
    change.SetRegion(BlockRegion("Set-1"));
    kinC_ModelChangeState state;
    state.SetAdd(add);
    state.SetWithStrain(strain);
    change.SetState("Step-1", 1, state);
    return change;
  }
};

TEST_F(aif_ModelChangeTest, RegionRemovedOrAdded) {
  EXPECT_EQ(ChangeText(RegionChange(false)), "*Model Change, remove\nBlock-1.Set-1, \n");
  // The strain flag counts only when adding.
  EXPECT_EQ(ChangeText(RegionChange(false, true)), "*Model Change, remove\nBlock-1.Set-1, \n");
  EXPECT_EQ(ChangeText(RegionChange(true)), "*Model Change, add\nBlock-1.Set-1, \n");
  EXPECT_EQ(ChangeText(RegionChange(true, true), false, true),
            "*Model Change, add=WITH STRAIN\nBlock-1_Set-1, \n");
  // The activation line stands alone, whatever the state says, and needs
  // no state.
  kinC_ModelChange activation = RegionChange(true, true);
  activation.SetActivation(true);
  EXPECT_EQ(ChangeText(activation), "*Model Change, activate\n");
  kinC_ModelChange stateless;
  stateless.SetActivation(true);
  EXPECT_EQ(ChangeText(stateless), "*Model Change, activate\n");
  // Without a state in the step a region change has nothing to write.
  stateless.SetActivation(false);
  EXPECT_EQ(ChangeText(stateless), "");
}

TEST_F(aif_ModelChangeTest, ContactPairAddedOrRemoved) {
  kinC_SurfaceToSurfaceContactStd pair;
  pair.SetSurfaces(BlockRegion("Master"), BlockRegion("Slave"));
  pair.SetStatus("Step-1", 1);
  constexpr char kPairData[] = "Block-1.Slave, Block-1.Master\n";
  EXPECT_EQ(ChangeText(pair), std::string("*Model Change, type=CONTACT PAIR, add\n") + kPairData);
  EXPECT_EQ(ChangeText(pair, true),
            std::string("*Model Change, type=CONTACT PAIR, remove\n") + kPairData);
  // Deactivated in the step: removed without the flag.
  pair.SetStatus("Step-1", 4);
  EXPECT_EQ(ChangeText(pair),
            std::string("*Model Change, type=CONTACT PAIR, remove\n") + kPairData);

  // Self contact: the surface and ", ".
  kinC_SelfContactStd self;
  self.SetSurfaces(BlockRegion("Top"));
  self.SetStatus("Step-1", 3);
  EXPECT_EQ(ChangeText(self), "*Model Change, type=CONTACT PAIR, add\nBlock-1.Top, \n");
  self.SetStatus("Step-1", 4);
  EXPECT_EQ(ChangeText(self, false, true),
            "*Model Change, type=CONTACT PAIR, remove\nBlock-1_Top, \n");
}

TEST_F(aif_ModelChangeTest, OtherInteractionsAreRefused) {
  const std::string refused = "*Model Change unimplemented for interaction Change-1.";
  kinC_SurfaceToSurfaceContactXpl explicitPair;
  explicitPair.SetSurfaces(BlockRegion("Master"), BlockRegion("Slave"));
  EXPECT_EQ(aif_test::ThrownText(aif_ModelChange("Change-1", explicitPair, "Step-1", Info(), true)),
            refused);
  EXPECT_EQ(aif_test::ThrownText(
                aif_ModelChange("Change-1", kinC_XFEMCrackGrowth(), "Step-1", Info(), false)),
            refused);
  EXPECT_EQ(aif_test::ThrownText(
                aif_ModelChange("Change-1", kinC_Interaction(), "Step-1", Info(), false)),
            refused);
}

}  // namespace
