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

#include <initializer_list>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif_PartSurface.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_DeckTestSupport.h"
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

// One step of the pair ChangingPairDeckModel builds: its status there and
// its property, marked modified or not.
struct ChangingPairStep {
  const char* step;
  int status;
  const char* property;
  bool modified;
};

// A Standard model of the stacked blocks with the properties Rough (0.3),
// Smooth (0.1) and Sticky (0.5), the static steps Step-1 to Step-3 (Step-2
// suppressed when asked) and one pair "Pair" created in `createStep` with
// the states `states`.
hst_ModelBuilder ChangingPairDeckModel(const char* createStep,
                                       std::initializer_list<ChangingPairStep> states,
                                       bool suppressStep2 = false) {
  hst_ModelBuilder b = InteractionDeckBase<kprC_StaticStep>({});
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", hst_ModelBuilder::MakeStep<kprC_StaticStep>(suppressStep2));
  b.AddStep("Step-3", kprC_StaticStep());
  b.AddInteractionProperty("Sticky", InteractionDeckProperty(0.5));
  using State = kinC_SurfaceToSurfaceContactStdState;
  kinC_SurfaceToSurfaceContactStd pair;
  pair.SetSurfaces(InteractionDeckSurface("Top", "Block-1"),
                   InteractionDeckSurface("Bottom", "Block-2"));
  pair.SetCreateStepName(createStep);
  for (const ChangingPairStep& step : states) {
    State state;
    state.SetInteractionProperty(step.property, 1, step.modified);
    pair.SetState(step.step, step.status, state);
    pair.SetModified(step.step, step.status != 2);
  }
  b.AddInteraction("Pair", pair);
  return b;
}

// The deck of `b` through the driver, read back clean by the deck checker.
std::string ChangingPairDeck(const hst_ModelBuilder& b) {
  const std::string deck = aif_test::TempDeck("ChangingPairDeck").Write(b);
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
    ADD_FAILURE() << finding.text;
  return deck;
}

// `block` (whole lines) stands in `deck`.
void ExpectDeckLines(const std::string& deck, const std::string& block) {
  const bool found = ("\n" + deck).find("\n" + block) != std::string::npos;
  EXPECT_TRUE(found) << "missing:\n" << block << "in:\n" << deck;
}

std::string ChangingPairFriction(const char* name, const char* coefficient) {
  return std::string("*Surface Interaction, name=") + name +
         "\n1.,\n*Friction, slip tolerance=0.005\n " + coefficient + ",\n";
}

// The properties, the copy "_Pair-Prop" of `copied`, and the pair's
// definition under that name.
std::string ChangingPairDefinition(const char* copied) {
  return "** INTERACTION PROPERTIES\n** \n" + ChangingPairFriction("Rough", "0.3") +
         ChangingPairFriction("Smooth", "0.1") + ChangingPairFriction("Sticky", "0.5") +
         ChangingPairFriction("_Pair-Prop", copied) +
         "** \n** INTERACTIONS\n** \n** Interaction: Pair\n"
         "*Contact Pair, interaction=_Pair-Prop\nBlock-2.Bottom, Block-1.Top\n"
         "** ----------------------------------------------------------------\n";
}

// Step `step` changing the pair's friction to `coefficient` under
// "_Pair-Prop".
std::string ChangingFrictionStep(const char* step, const char* coefficient) {
  return std::string("*Step, name=") + step + "\n*Static\n1., 1., 1.e-05, 1.\n** \n" +
         "** INTERACTIONS\n** \n** Interaction: Pair\n"
         "*Change Friction, interaction=_Pair-Prop\n*Friction, slip tolerance=0.005\n " +
         coefficient + ",\n*Output, field, frequency=0\n";
}

}  // namespace

// A pair created with Rough, whose creation step does not mark the
// property modified, runs with Rough until a later step changes it: the
// copy "_Pair-Prop" it is defined with is Rough's, and every step that
// changes the property changes the friction under that name. Changed twice
// (Smooth, then Sticky), changed once, or created in a suppressed step and
// changed after it: the deck defines every name it uses.
TEST(aif_InteractionDeck, ChangedPairRunsWithItsCreationProperty) {
  {
    const std::string deck =
        ChangingPairDeck(ChangingPairDeckModel("Initial", {{"Initial", 1, "Rough", false},
                                                           {"Step-1", 2, "Rough", false},
                                                           {"Step-2", 3, "Smooth", true},
                                                           {"Step-3", 3, "Sticky", true}}));
    ExpectDeckLines(deck, ChangingPairDefinition("0.3"));
    ExpectDeckLines(deck, ChangingFrictionStep("Step-2", "0.1"));
    ExpectDeckLines(deck, ChangingFrictionStep("Step-3", "0.5"));
  }
  {
    const std::string deck = ChangingPairDeck(ChangingPairDeckModel(
        "Initial", {{"Initial", 1, "Rough", false}, {"Step-2", 3, "Smooth", true}}));
    ExpectDeckLines(deck, ChangingPairDefinition("0.3"));
    ExpectDeckLines(deck, ChangingFrictionStep("Step-2", "0.1"));
  }
  const std::string deck = ChangingPairDeck(ChangingPairDeckModel(
      "Step-2", {{"Step-2", 1, "Rough", true}, {"Step-3", 3, "Smooth", true}}, true));
  ExpectDeckLines(deck, ChangingPairDefinition("0.3"));
  ExpectDeckLines(deck,
                  "*Step, name=Step-1\n*Static\n1., 1., 1.e-05, 1.\n** \n"
                  "** INTERACTIONS\n** \n** Interaction: Pair\n"
                  "*Model Change, type=CONTACT PAIR, remove\n"
                  "Block-2.Bottom, Block-1.Top\n*Output, field, frequency=0\n");
  ExpectDeckLines(deck, ChangingFrictionStep("Step-3", "0.1"));
  EXPECT_EQ(std::string::npos, deck.find("Step-2")) << deck;
}

namespace {

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
