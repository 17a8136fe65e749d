// Contact in whole decks, part-based and flat, and no partial file whatever
// call fails:
// - a Standard model over three steps: a pair between two stacked blocks
//   whose property changes in Step-2 and which is switched off in Step-3, a
//   self contact created in Step-1 and removed in Step-3, and a contact
//   initialization, and general contact of the whole model whose property
//   assignment changes in Step-2;
// - an Explicit model with one pair, created in the initial step, whose
//   property changes in Step-2.
// The properties come first, with the copies under generated names that
// the changing contact names.
#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif_PartSurface.h"
#include "support/aif_FaultLoops.h"

namespace {

// A contact property with a friction coefficient.
kinC_ContactProperty InteractionDeckProperty(double coefficient) {
  kinC_ContactProperty property;
  kinC_TangentialBehavior& friction = property.Set<kinC_TangentialBehavior>();
  friction.formulation = 1;
  friction.table = cow_2DArray<double>({{coefficient}});
  return property;
}

// A block of two bricks placed twice, Block-2 on top of Block-1; the part's
// surfaces Top (the upper brick's upper face) and Bottom (the lower brick's
// lower face); the properties Rough and Smooth; `steps` of `step`'s kind.
template <class Step>
hst_ModelBuilder InteractionDeckBase(std::initializer_list<const char*> steps) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  aif_AddPartSurface(b, "Block", "Top", 40, 1, "S2", {1, 2});
  aif_AddPartSurface(b, "Block", "Bottom", 41, 0, "S1", {1, 2});
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(0.0, 0.0, 2.0));
  b.AddInstance("Block-2", "Block", placed);
  for (const char* step : steps)
    b.AddStep(step, Step());
  b.AddInteractionProperty("Rough", InteractionDeckProperty(0.3));
  b.AddInteractionProperty("Smooth", InteractionDeckProperty(0.1));
  return b;
}

rgnC_Region InteractionDeckSurface(const char* name, const char* instance) {
  return rgnC_Region(name, {"Assembly", instance});
}

// The pair's state in a step: its property and switch, each marked
// modified when asked.
template <class State>
State InteractionDeckState(const char* property, bool propertyModified, bool active = true,
                           bool activeModified = false) {
  State state;
  state.SetInteractionProperty(property, propertyModified ? 1 : 2, propertyModified);
  state.SetActive(active, activeModified ? 1 : 2, activeModified);
  return state;
}

hst_ModelBuilder StandardInteractionDeckModel() {
  hst_ModelBuilder b = InteractionDeckBase<kprC_StaticStep>({"Step-1", "Step-2", "Step-3"});
  using State = kinC_SurfaceToSurfaceContactStdState;

  kinC_SurfaceToSurfaceContactStd stack;
  stack.SetSurfaces(InteractionDeckSurface("Top", "Block-1"),
                    InteractionDeckSurface("Bottom", "Block-2"));
  kinC_ClearanceData clearance;
  clearance.clearanceType = 2;
  clearance.value = 0.01;
  stack.SetClearance(clearance);
  stack.SetCreateStepName("Initial");
  stack.SetState("Initial", 1, InteractionDeckState<State>("Rough", true));
  stack.SetState("Step-1", 2, InteractionDeckState<State>("Rough", false));
  stack.SetState("Step-2", 3, InteractionDeckState<State>("Smooth", true));
  stack.SetState("Step-3", 3, InteractionDeckState<State>("Smooth", false, false, true));
  b.AddInteraction("Stack", stack);

  kinC_SelfContactStd self;
  self.SetSurfaces(InteractionDeckSurface("Bottom", "Block-1"));
  self.SetCreateStepName("Step-1");
  using SelfState = kinC_SelfContactStdState;
  self.SetState("Step-1", 1, InteractionDeckState<SelfState>("Rough", true));
  self.SetState("Step-2", 2, InteractionDeckState<SelfState>("Rough", false));
  self.SetStatus("Step-3", 4);
  b.AddInteraction("Self", self);

  kinC_ContactStd general;
  general.propertyAssignments.Append(kinC_RegionPair{InteractionDeckSurface("Top", "Block-1"),
                                                     InteractionDeckSurface("Bottom", "Block-2"),
                                                     cow_String()});
  general.SetCreateStepName("Initial");
  kinC_ContactExpState generalState;
  generalState.SetWholeModel(true);
  generalState.properties = {mdl_PropAttr<cow_String>("Rough", 1, true)};
  general.SetState("Initial", 1, generalState);
  generalState.properties = {mdl_PropAttr<cow_String>("Rough", 2)};
  general.SetState("Step-1", 2, generalState);
  generalState.properties = {mdl_PropAttr<cow_String>("Smooth", 1, true)};
  general.SetState("Step-2", 3, generalState);
  generalState.properties = {mdl_PropAttr<cow_String>("Smooth", 2)};
  general.SetState("Step-3", 2, generalState);
  b.AddInteraction("General", general);

  kinC_StdInitialization initialization;
  initialization.searchAbove = 0.05;
  b.AddContactInitialization("CInit-1", initialization);
  return b;
}

hst_ModelBuilder ExplicitInteractionDeckModel() {
  hst_ModelBuilder b = InteractionDeckBase<kprC_ExplicitDynamicsStep>({"Step-1", "Step-2"});
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  using State = kinC_SurfaceToSurfaceContactXplState;
  kinC_SurfaceToSurfaceContactXpl stack;
  stack.SetSurfaces(InteractionDeckSurface("Top", "Block-1"),
                    InteractionDeckSurface("Bottom", "Block-2"));
  stack.SetCreateStepName("Initial");
  stack.SetState("Initial", 1, InteractionDeckState<State>("Rough", true));
  stack.SetModified("Initial", true);
  stack.SetState("Step-1", 2, InteractionDeckState<State>("Rough", false));
  stack.SetState("Step-2", 3, InteractionDeckState<State>("Smooth", true));
  stack.SetModified("Step-2", true);
  b.AddInteraction("Stack", stack);
  return b;
}

class StandardInteractionDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return StandardInteractionDeckModel(); }
};

class ExplicitInteractionDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return ExplicitInteractionDeckModel(); }
};

TEST_F(StandardInteractionDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/interactions/golden/standard_contact_part_based.inp",
                    "aif/interactions/golden/standard_contact_flat.inp");
}

TEST_F(StandardInteractionDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

TEST_F(ExplicitInteractionDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/interactions/golden/explicit_contact_part_based.inp",
                    "aif/interactions/golden/explicit_contact_flat.inp");
}

TEST_F(ExplicitInteractionDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

}  // namespace
