// The interactions' per-step store as the writers rely on it: a state
// inserted into a copy leaves the model's object as it was, the status of a
// step survives a new state, and a step added without a state gets the
// default state of the interaction's kind.
#include <gtest/gtest.h>

#include "OdbAttrEO/kinC_Interaction.h"

TEST(kinC_Interaction, StatesPerStepAndCopies) {
  kinC_SurfaceToSurfaceContactStd model;
  kinC_SurfaceToSurfaceContactStdState state;
  state.SetInteractionProperty("Prop-1");
  model.SetState("Step-1", 1, state);

  kinC_SurfaceToSurfaceContactStd copy = model;
  state.SetInteractionProperty("_Int-1-Prop");
  copy.Insert("Step-1", state);
  EXPECT_EQ(copy.GetPropStatus("Step-1"), 1);
  EXPECT_EQ(dynamic_cast<const kinC_ContactPairState&>(copy.ConstGetState("Step-1"))
                .InteractionProperty()
                .Value(),
            cow_String("_Int-1-Prop"));
  EXPECT_EQ(dynamic_cast<const kinC_ContactPairState&>(model.ConstGetState("Step-1"))
                .InteractionProperty()
                .Value(),
            cow_String("Prop-1"));

  // A step without a state: no step, and asking for its state is an error.
  EXPECT_FALSE(model.HasStep("Step-2"));
  EXPECT_THROW(model.ConstGetState("Step-2"), cow_OutOfRange);
  model.SetStatus("Step-2", 2);
  model.AddStep("Step-2");
  EXPECT_TRUE(model.HasStep("Step-2"));
  EXPECT_EQ(model.GetPropStatus("Step-2"), 2);
  EXPECT_NE(
      dynamic_cast<const kinC_SurfaceToSurfaceContactStdState*>(&model.ConstGetState("Step-2")),
      nullptr);
  // Adding a step that has a state keeps that state.
  model.AddStep("Step-1");
  EXPECT_EQ(dynamic_cast<const kinC_ContactPairState&>(model.ConstGetState("Step-1"))
                .InteractionProperty()
                .Value(),
            cow_String("Prop-1"));
}

TEST(kinC_Interaction, CyclicModeLivesInTheStore) {
  kinC_CyclicSymmetry cyclic;
  cyclic.SetCyclicMode("Step-1", 3);
  EXPECT_TRUE(cyclic.HasStep("Step-1"));
  EXPECT_EQ(cyclic.ConstGetState("Step-1").CyclicMode(), 3);
  EXPECT_EQ(cyclic.ConstGetState("Step-2").CyclicMode(), 0);
}
