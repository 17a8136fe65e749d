// "*Contact Pair" in its four forms: the standard pairs with their options in
// order, the explicit pairs added, switched off or gone from the step, and
// the interactions the keyword does not write.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/interactions/aif_ContactPair.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// A pair state naming `property`, switched on or off.
template <class State>
State ContactPairTestState(const char* property, bool active = true, bool activeModified = false) {
  State state;
  state.SetInteractionProperty(property);
  state.SetActive(active, 1, activeModified);
  return state;
}

// A pair between Block-1's "Master" (first) and "Slave" (second), or on
// Block-1's "Top" for self contact, with a state naming "Prop-1" in Step-1.
template <class Pair, class State>
Pair ContactPairTestPair() {
  Pair pair;
  if constexpr (std::is_base_of_v<kinC_SurfaceToSurfaceContact, Pair>)
    pair.SetSurfaces(rgnC_Region("Master", {"Assembly", "Block-1"}),
                     rgnC_Region("Slave", {"Assembly", "Block-1"}));
  else
    pair.SetSurfaces(rgnC_Region("Top", {"Assembly", "Block-1"}));
  pair.SetState("Step-1", 1, ContactPairTestState<State>("Prop-1"));
  return pair;
}

class aif_ContactPairTest : public aif_InteractionTestModel {
 protected:
  std::string PairText(const kinC_Interaction& interaction, bool cpset = false,
                       const char* correction = "", const char* name = "Int-1", bool flat = false) {
    return aif_test::KeywordText(
        aif_ContactPair(name, interaction, "Step-1", Info(flat), cpset, correction));
  }

  static kinC_SurfaceToSurfaceContactStd StdPair() {
    return ContactPairTestPair<kinC_SurfaceToSurfaceContactStd,
                               kinC_SurfaceToSurfaceContactStdState>();
  }
  static kinC_SurfaceToSurfaceContactXpl XplPair() {
    return ContactPairTestPair<kinC_SurfaceToSurfaceContactXpl,
                               kinC_SurfaceToSurfaceContactXplState>();
  }
  static kinC_SelfContactStd SelfStdPair() {
    return ContactPairTestPair<kinC_SelfContactStd, kinC_SelfContactStdState>();
  }
  static kinC_SelfContactXpl SelfXplPair() {
    return ContactPairTestPair<kinC_SelfContactXpl, kinC_SelfContactXplState>();
  }
};

constexpr char kStdPairData[] = "Block-1.Slave, Block-1.Master\n";

TEST_F(aif_ContactPairTest, StandardNodeToSurfaceOptionsInOrder) {
  kinC_SurfaceToSurfaceContactStd pair = StdPair();
  // At the defaults (finite sliding, node to surface): the property alone;
  // the second surface heads the data line.
  EXPECT_EQ(PairText(pair), std::string("*Contact Pair, interaction=Prop-1\n") + kStdPairData);
  EXPECT_EQ(PairText(pair, false, "", "Int-1", true),
            "*Contact Pair, interaction=Prop-1\nBlock-1_Slave, Block-1_Master\n");
  // Finite sliding writes "no thickness" only for surface to surface.
  pair.SetThickness(false);
  pair.SetSupplementaryConstraints(1);
  EXPECT_EQ(PairText(pair),
            std::string("*Contact Pair, interaction=Prop-1, supplementary constraints=NO\n") +
                kStdPairData);
  // Every option, in order; the line goes on after the break column.
  pair.SetSlidingFormulation(0);
  pair.SetSmoothing(0.3);
  pair.SetSupplementaryConstraints(2);
  pair.SetHcritDefault(false);
  pair.SetHcrit(0.5);
  pair.SetExtensionZone(0.2);
  pair.SetAdjustMethod(2);
  pair.SetAdjustTolerance(0.01);
  pair.SetTied(true);
  EXPECT_EQ(PairText(pair, true, "_Int-1_gc"),
            std::string("*Contact Pair, interaction=Prop-1, small sliding, smooth=0.3, no "
                        "thickness, supplementary constraints=YES, hcrit=0.5, extension "
                        "zone=0.2, \nadjust=0.01, tied, cpset=Int-1, geometric "
                        "correction=_Int-1_gc\n") +
                kStdPairData);
}

TEST_F(aif_ContactPairTest, StandardAdjustMethodsAndPrintableNames) {
  kinC_SurfaceToSurfaceContactStd pair = StdPair();
  pair.SetAdjustMethod(1);
  EXPECT_EQ(PairText(pair),
            std::string("*Contact Pair, interaction=Prop-1, adjust=0.0\n") + kStdPairData);
  pair.SetAdjustMethod(3);
  pair.SetAdjustRegion(rgnC_Region("Gap", {"Assembly", "Block-1"}));
  EXPECT_EQ(PairText(pair),
            std::string("*Contact Pair, interaction=Prop-1, adjust=Block-1.Gap\n") + kStdPairData);
  // The property and the pair set are written printable: quoted when they
  // hold a blank.
  pair.SetAdjustMethod(0);
  pair.Insert("Step-1", ContactPairTestState<kinC_SurfaceToSurfaceContactStdState>("Prop A"));
  EXPECT_EQ(
      PairText(pair, true, "", "Pair A"),
      std::string("*Contact Pair, interaction=\"Prop A\", cpset=\"Pair A\"\n") + kStdPairData);
  kinC_SurfaceToSurfaceContactXpl xpl = XplPair();
  EXPECT_EQ(PairText(xpl, true, "", "Pair A"),
            "*Contact Pair, interaction=Prop-1, mechanical constraint=KINEMATIC, "
            "cpset=\"Pair A\"\nBlock-1.Master, Block-1.Slave\n");
}

TEST_F(aif_ContactPairTest, StandardSurfaceToSurfaceWritesNoSmoothing) {
  kinC_SurfaceToSurfaceContactStd pair = StdPair();
  pair.SetDiscretization(1);
  pair.SetSmoothing(0.3);
  pair.SetSupplementaryConstraints(2);
  // Finite sliding: no supplementary constraints; path tracking by default.
  EXPECT_EQ(
      PairText(pair),
      std::string("*Contact Pair, interaction=Prop-1, type=SURFACE TO SURFACE\n") + kStdPairData);
  pair.SetThickness(false);
  pair.SetTracking(0);
  EXPECT_EQ(PairText(pair), std::string("*Contact Pair, interaction=Prop-1, type=SURFACE TO "
                                        "SURFACE, no thickness, tracking=STATE\n") +
                                kStdPairData);
  // Small sliding: no tracking, but the supplementary constraints.
  pair.SetSlidingFormulation(0);
  EXPECT_EQ(PairText(pair),
            std::string("*Contact Pair, interaction=Prop-1, small sliding, type=SURFACE TO "
                        "SURFACE, no thickness, supplementary constraints=YES\n") +
                kStdPairData);
}

TEST_F(aif_ContactPairTest, SelfContactEndsItsDataLineWithAComma) {
  kinC_SelfContactStd pair = SelfStdPair();
  EXPECT_EQ(PairText(pair), "*Contact Pair, interaction=Prop-1\nBlock-1.Top,\n");
  // The pair set comes before the formulation options.
  pair.SetDiscretization(1);
  pair.SetThickness(false);
  pair.SetTracking(0);
  pair.SetSmoothing(0.3);
  EXPECT_EQ(PairText(pair, true),
            "*Contact Pair, interaction=Prop-1, cpset=Int-1, type=SURFACE TO SURFACE, no "
            "thickness, tracking=STATE\nBlock-1.Top,\n");
  pair.SetDiscretization(0);
  pair.SetSupplementaryConstraints(1);
  EXPECT_EQ(PairText(pair),
            "*Contact Pair, interaction=Prop-1, smooth=0.3, supplementary constraints=NO\n"
            "Block-1.Top,\n");

  kinC_SelfContactXpl xpl = SelfXplPair();
  xpl.SetMechanicalConstraint(1);
  EXPECT_EQ(PairText(xpl, true),
            "*Contact Pair, interaction=Prop-1, mechanical constraint=PENALTY, cpset=Int-1\n"
            "Block-1.Top,\n");
  xpl.Insert("Step-1", ContactPairTestState<kinC_SelfContactXplState>("Prop-1", false));
  EXPECT_EQ(PairText(xpl, true), "*Contact Pair, op=DELETE\nBlock-1.Top,\n");
}

TEST_F(aif_ContactPairTest, ExplicitPairAddedOrDeletedWithItsPairSet) {
  kinC_SurfaceToSurfaceContactXpl pair = XplPair();
  constexpr char kXplData[] = "Block-1.Master, Block-1.Slave\n";
  // Switched on in the step: op=ADD; the data line runs first to second.
  pair.Insert("Step-1",
              ContactPairTestState<kinC_SurfaceToSurfaceContactXplState>("Prop-1", true, true));
  pair.SetMechanicalConstraint(1);
  pair.SetWeighting(1);
  pair.SetWeight(0.25);
  pair.SetSlidingFormulation(0);
  EXPECT_EQ(PairText(pair, true),
            std::string("*Contact Pair, op=ADD, interaction=Prop-1, mechanical "
                        "constraint=PENALTY, weight=0.25, small sliding, cpset=Int-1\n") +
                kXplData);
  // Switched off: op=DELETE with the pair set, no interaction option.
  pair.Insert("Step-1",
              ContactPairTestState<kinC_SurfaceToSurfaceContactXplState>("Prop-1", false, true));
  EXPECT_EQ(PairText(pair, true, "_Int-1_gc"),
            std::string("*Contact Pair, op=DELETE, cpset=Int-1, geometric correction=_Int-1_gc\n") +
                kXplData);
  // The deleting copy a builder makes: on, but marked deactivated.
  auto marked = ContactPairTestState<kinC_SurfaceToSurfaceContactXplState>("Prop-1");
  marked.SetDeactivated(true);
  pair.Insert("Step-1", marked);
  EXPECT_EQ(PairText(pair, true),
            std::string("*Contact Pair, op=DELETE, cpset=Int-1\n") + kXplData);
}

TEST_F(aif_ContactPairTest, PairWithoutAStateInItsStep) {
  // Gone from the step: an explicit pair is deleted there; a standard pair,
  // defined from its state, refuses to be written.
  kinC_SurfaceToSurfaceContactXpl xpl;
  xpl.SetSurfaces(BlockRegion("Master"), BlockRegion("Slave"));
  EXPECT_EQ(PairText(xpl, true),
            "*Contact Pair, op=DELETE, cpset=Int-1\nBlock-1.Master, Block-1.Slave\n");
  kinC_SelfContactXpl self;
  self.SetSurfaces(BlockRegion("Top"));
  EXPECT_EQ(PairText(self, true), "*Contact Pair, op=DELETE\nBlock-1.Top,\n");
  kinC_SurfaceToSurfaceContactStd std;
  std.SetSurfaces(BlockRegion("Master"), BlockRegion("Slave"));
  EXPECT_EQ(aif_test::ThrownText(aif_ContactPair("Int-1", std, "Step-1", Info(), true)),
            "The interaction Int-1 has no state in step Step-1, so its contact pair cannot be "
            "written.");
  EXPECT_EQ(aif_test::ThrownText(
                aif_ContactPair("Self 1", kinC_SelfContactStd(), "Step-1", Info(), false)),
            "The interaction Self 1 has no state in step Step-1, so its contact pair cannot be "
            "written.");
}

TEST_F(aif_ContactPairTest, OtherInteractionsAndStatesOfAnotherKind) {
  EXPECT_EQ(PairText(kinC_ElasticFoundation()), "");
  EXPECT_EQ(aif_test::ThrownText(
                aif_ContactPair("Cyclic-1", kinC_CyclicSymmetry(), "Step-1", Info(), false)),
            "Unimplemented interaction type for Cyclic-1");
  EXPECT_EQ(aif_test::ThrownText(aif_ContactPair("", kinC_ModelChange(), "Step-1", Info(), false)),
            "Unimplemented interaction type for ");
  // A standard pair holding a self-contact state fails the type test.
  kinC_SurfaceToSurfaceContactStd pair = StdPair();
  pair.Insert("Step-1", ContactPairTestState<kinC_SelfContactStdState>("Prop-1"));
  EXPECT_EQ(aif_test::ThrownText(aif_ContactPair("Int-1", pair, "Step-1", Info(), false))
                .rfind("Type test failed: the object is not a kinC_SurfaceToSurfaceContactStdState "
                       "(source file module/aif/impl/interactions/aif_ContactPair.cpp, line ",
                       0),
            0u);
}

TEST_F(aif_ContactPairTest, NamesWithAnUnpairedQuoteAreRefused) {
  // The property and the pair set are names the file must carry; an
  // unpaired quote would run the option line on.
  kinC_SurfaceToSurfaceContactStd pair = StdPair();
  pair.Insert("Step-1", ContactPairTestState<kinC_SurfaceToSurfaceContactStdState>("Prop\"1"));
  EXPECT_EQ(aif_test::ThrownText(aif_ContactPair("Int-1", pair, "Step-1", Info(), false)),
            "The interaction property name Prop\"1 holds an unpaired double quote and cannot be "
            "written to the input file.");
  EXPECT_EQ(aif_test::ThrownText(aif_ContactPair("Int\"1", XplPair(), "Step-1", Info(), true)),
            "The contact pair name Int\"1 holds an unpaired double quote and cannot be written "
            "to the input file.");
  // Without a pair set the pair's own name is not written.
  EXPECT_EQ(PairText(StdPair(), false, "", "Int\"1"),
            std::string("*Contact Pair, interaction=Prop-1\n") + kStdPairData);
}

}  // namespace
