// The interaction builder's Standard contact pairs: the pair in the initial
// step whatever step created it, model changes that add and remove it, a
// changed property with its friction, clearance, interference, controls;
// the property history; the failures, through the driver, of a changed
// property that is not a contact property, of a pair without a state in
// its creation step and of names the model does not hold (Explicit pairs
// too).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kinC_ContactControls.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kSbBanner[] = "** \n** INTERACTIONS\n** \n";
// The model definition's properties of SbModel.
constexpr char kSbProperties[] =
    "** \n** INTERACTION PROPERTIES\n** \n*Surface Interaction, name=IntProp-1\n1.,\n"
    "*Surface Interaction, name=IntProp-2\n1.,\n";

// A block placed once; Step-1 a perturbation step, so that Step-2 is the
// first general step, then `later` static steps.
hst_ModelBuilder SbModel(std::initializer_list<const char*> later) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticLinearPerturbationStep());
  for (const char* step : later)
    b.AddStep(step, kprC_StaticStep());
  b.AddInteractionProperty("IntProp-1", kinC_ContactProperty());
  b.AddInteractionProperty("IntProp-2", kinC_ContactProperty());
  return b;
}

rgnC_Region SbRegion(const char* name) {
  return rgnC_Region(name, {"Assembly", "Block-1"});
}

using SbRun = aif_test::BuilderRun<aif_InteractionBuilder>;

template <class State>
State SbState(const char* property, bool active, bool propertyModified = false,
              bool activeModified = false) {
  State state;
  state.SetInteractionProperty(property, 1, propertyModified);
  state.SetActive(active, 1, activeModified);
  return state;
}

void SbSetStep(kinC_Interaction& interaction, const char* step, int status,
               const kinC_InteractionState& state) {
  interaction.SetState(step, status, state);
  interaction.SetModified(step, true);
}

kinC_SurfaceToSurfaceContactStd SbPair(const char* createStep) {
  kinC_SurfaceToSurfaceContactStd pair;
  pair.SetSurfaces(SbRegion("Master"), SbRegion("Slave"));
  pair.SetCreateStepName(createStep);
  return pair;
}

using SbPairState = kinC_SurfaceToSurfaceContactStdState;

}  // namespace

// The pair stands in the initial step whatever step created it. Created in
// Step-3 while Step-2 is the first general step: Step-3 adds it and Step-2,
// where it has status 0, removes it. Created in the first general step: no
// model change at all. The perturbation step gets nothing.
TEST(aif_InteractionBuilderStd, PairDefinedInTheInitialStep) {
  const std::string pairLines =
      "** Interaction: CP-1\n*Contact Pair, interaction=IntProp-1\n"
      "Block-1.Slave, Block-1.Master\n";
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
  kinC_SurfaceToSurfaceContactStd later = SbPair("Step-3");
  SbSetStep(later, "Step-2", 0, SbPairState());
  SbSetStep(later, "Step-3", 1, SbState<SbPairState>("IntProp-1", true, true));
  hst_ModelBuilder laterModel = b;
  laterModel.AddInteraction("CP-1", later);
  {
    const SbRun run(laterModel);
    EXPECT_EQ(kSbBanner + pairLines, run.Step("Initial"));
    EXPECT_EQ("", run.Step("Step-1"));
    EXPECT_EQ(std::string(kSbBanner) +
                  "** Interaction: CP-1\n*Model Change, type=CONTACT PAIR, remove\n"
                  "Block-1.Slave, Block-1.Master\n",
              run.Step("Step-2"));
    EXPECT_EQ(std::string(kSbBanner) +
                  "** Interaction: CP-1\n*Model Change, type=CONTACT PAIR, add\n"
                  "Block-1.Slave, Block-1.Master\n",
              run.Step("Step-3"));
    EXPECT_EQ(kSbProperties, run.Definition());
  }
  kinC_SurfaceToSurfaceContactStd first = SbPair("Step-2");
  SbSetStep(first, "Step-2", 1, SbState<SbPairState>("IntProp-1", true, true));
  SbSetStep(first, "Step-3", 2, SbState<SbPairState>("IntProp-1", true));
  b.AddInteraction("CP-1", first);
  const SbRun run(b);
  EXPECT_EQ(kSbBanner + pairLines, run.Step("Initial"));
  EXPECT_EQ("", run.Step("Step-1"));
  EXPECT_EQ("", run.Step("Step-2"));
  EXPECT_EQ("", run.Step("Step-3"));
}

// A property that changes between steps: the pair names "_CP-1-Prop", and
// the changing step writes "*Change Friction" with that name and the new
// property's friction, behind one comment. A pair whose property stays the
// same keeps its name (a carried-over property is not a change).
TEST(aif_InteractionBuilderStd, ChangedPropertyWritesChangeFriction) {
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
  hst_ModelBuilder same = b;
  kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-2");
  SbSetStep(pair, "Step-2", 1, SbState<SbPairState>("IntProp-1", true, true));
  kinC_SurfaceToSurfaceContactStd kept = pair;
  SbSetStep(pair, "Step-3", 3, SbState<SbPairState>("IntProp-2", true, true));
  SbSetStep(kept, "Step-3", 3, SbState<SbPairState>("IntProp-1", true));
  b.AddInteraction("CP-1", pair);
  {
    const SbRun run(b);
    EXPECT_EQ(std::string(kSbBanner) +
                  "** Interaction: CP-1\n*Contact Pair, interaction=_CP-1-Prop\n"
                  "Block-1.Slave, Block-1.Master\n",
              run.Step("Initial"));
    EXPECT_EQ("", run.Step("Step-2"));
    EXPECT_EQ(std::string(kSbBanner) +
                  "** Interaction: CP-1\n*Change Friction, interaction=_CP-1-Prop\n"
                  "*Friction\n0.,\n",
              run.Step("Step-3"));
  }
  same.AddInteraction("CP-1", kept);
  const SbRun run(same);
  EXPECT_EQ(std::string(kSbBanner) +
                "** Interaction: CP-1\n*Contact Pair, interaction=IntProp-1\n"
                "Block-1.Slave, Block-1.Master\n",
            run.Step("Initial"));
  EXPECT_EQ("", run.Step("Step-3"));
}

// The history lists the property of each step where it is set, in step
// order, over created and modified steps; an interaction whose states
// carry no property answers empty. The changed-property name is composed
// raw (the keywords quote it); only products 0 and 3 generate names.
TEST(aif_InteractionBuilderStd, PropertyHistoryAndNames) {
  kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-2");
  SbSetStep(pair, "Step-2", 1, SbState<SbPairState>("IntProp-1", true, true));
  SbSetStep(pair, "Step-3", 2, SbState<SbPairState>("IntProp-1", true));
  SbSetStep(pair, "Step-4", 3, SbState<SbPairState>("IntProp-2", true, true));
  SbSetStep(pair, "Step-5", 4, SbState<SbPairState>("IntProp-3", true, true));
  SbSetStep(pair, "Step-6", 5, SbState<SbPairState>("IntProp-4", true, true));
  const cow_List<cow_String> steps = {"Initial", "Step-2", "Step-3", "Step-4", "Step-5", "Step-6"};
  const cow_List<cow_String> history = aif_ContactPropertyHistory(pair, steps);
  ASSERT_EQ(2u, history.Length());
  EXPECT_EQ(cow_String("IntProp-1"), history[0]);
  EXPECT_EQ(cow_String("IntProp-2"), history[1]);

  kinC_ModelChange change;
  SbSetStep(change, "Step-2", 1, kinC_ModelChangeState());
  EXPECT_TRUE(aif_ContactPropertyHistory(change, steps).IsEmpty());

  EXPECT_EQ(cow_String("_CP 1-Prop"), aif_ChangedPropertyName("CP 1"));
  EXPECT_TRUE(aif_GeneratesPropertyNames(0));
  EXPECT_FALSE(aif_GeneratesPropertyNames(1));
  EXPECT_FALSE(aif_GeneratesPropertyNames(2));
  EXPECT_TRUE(aif_GeneratesPropertyNames(3));
}

// Off, on, off: a removing, an adding, a removing model change; staying
// off writes nothing. A pair deactivated in a step (status 4) is removed
// there, once.
TEST(aif_InteractionBuilderStd, SwitchedOffAndOn) {
  const std::string data = "Block-1.Slave, Block-1.Master\n";
  const std::string remove = std::string(kSbBanner) +
                             "** Interaction: CP-1\n*Model Change, type=CONTACT PAIR, remove\n" +
                             data;
  const std::string add = std::string(kSbBanner) +
                          "** Interaction: CP-1\n*Model Change, type=CONTACT PAIR, add\n" + data;
  {
    hst_ModelBuilder b = SbModel({"Step-2", "Step-3", "Step-4", "Step-5", "Step-6"});
    kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-2");
    SbSetStep(pair, "Step-2", 1, SbState<SbPairState>("IntProp-1", true, true));
    SbSetStep(pair, "Step-3", 3, SbState<SbPairState>("IntProp-1", false, false, true));
    SbSetStep(pair, "Step-4", 3, SbState<SbPairState>("IntProp-1", true, false, true));
    SbSetStep(pair, "Step-5", 3, SbState<SbPairState>("IntProp-1", false, false, true));
    SbSetStep(pair, "Step-6", 3, SbState<SbPairState>("IntProp-1", false, false, true));
    b.AddInteraction("CP-1", pair);
    const SbRun run(b);
    EXPECT_EQ("", run.Step("Step-2"));
    EXPECT_EQ(remove, run.Step("Step-3"));
    EXPECT_EQ(add, run.Step("Step-4"));
    EXPECT_EQ(remove, run.Step("Step-5"));
    EXPECT_EQ("", run.Step("Step-6"));
  }
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3", "Step-4"});
  kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-2");
  SbSetStep(pair, "Step-2", 1, SbState<SbPairState>("IntProp-1", true, true));
  SbSetStep(pair, "Step-3", 4, SbState<SbPairState>("IntProp-1", true));
  SbSetStep(pair, "Step-4", 4, SbState<SbPairState>("IntProp-1", true));
  b.AddInteraction("CP-1", pair);
  const SbRun run(b);
  EXPECT_EQ(remove, run.Step("Step-3"));
  EXPECT_EQ("", run.Step("Step-4"));
}

// The clearance of a surface-to-surface pair stands once in the model
// definition; its interference in the steps that ask for it, behind the
// step's one comment. A self contact writes neither and names its surface
// for both sides; created switched off in a later step, it is removed there.
TEST(aif_InteractionBuilderStd, ClearanceInterferenceAndSelfContact) {
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
  kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-3");
  kinC_ClearanceData clearance;
  clearance.clearanceType = 2;
  clearance.value = 0.25;
  pair.SetClearance(clearance);
  SbPairState created = SbState<SbPairState>("IntProp-1", true, true);
  kinC_InterferenceData shrink;
  shrink.interferenceType.Set(1, 1);
  created.SetInterference(shrink);
  SbSetStep(pair, "Step-3", 1, created);
  b.AddInteraction("CP-1", pair);

  kinC_SelfContactStd self;
  self.SetSurfaces(SbRegion("Outer"));
  self.SetCreateStepName("Step-3");
  SbSetStep(self, "Step-3", 1, SbState<kinC_SelfContactStdState>("IntProp-2", false, true));
  b.AddInteraction("SC-1", self);
  const SbRun run(b);
  EXPECT_EQ(std::string(kSbProperties) +
                "*Clearance, master=Block-1.Master, slave=Block-1.Slave, value=0.25\n",
            run.Definition());
  EXPECT_EQ(std::string(kSbBanner) +
                "** Interaction: CP-1\n*Contact Pair, interaction=IntProp-1\n"
                "Block-1.Slave, Block-1.Master\n"
                "** Interaction: SC-1\n*Contact Pair, interaction=IntProp-2\nBlock-1.Outer,\n",
            run.Step("Initial"));
  EXPECT_EQ(std::string(kSbBanner) +
                "** Interaction: CP-1\n*Model Change, type=CONTACT PAIR, add\n"
                "Block-1.Slave, Block-1.Master\n*Contact Interference, shrink\n"
                "Block-1.Slave, Block-1.Master\n"
                "** Interaction: SC-1\n*Model Change, type=CONTACT PAIR, remove\nBlock-1.Outer, \n",
            run.Step("Step-3"));
}

// Default controls named in the creation step write nothing; controls set
// later write the reset line and the controls; controls removed later (an
// empty name, attribute state 3) write the reset line alone.
TEST(aif_InteractionBuilderStd, ContactControls) {
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3", "Step-4"});
  b.AddContactControls("CC-Default", kinC_StdContactControls());
  kinC_StdContactControls scaled;
  scaled.stiffnessScaleFactor = 2.0;
  b.AddContactControls("CC-Scaled", scaled);
  kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-2");
  SbPairState created = SbState<SbPairState>("IntProp-1", true, true);
  created.SetContactControls("CC-Default", 1, true);
  SbSetStep(pair, "Step-2", 1, created);
  SbPairState set = SbState<SbPairState>("IntProp-1", true);
  set.SetContactControls("CC-Scaled", 3, true);
  SbSetStep(pair, "Step-3", 3, set);
  SbPairState removed = SbState<SbPairState>("IntProp-1", true);
  removed.SetContactControls("", 3, true);
  SbSetStep(pair, "Step-4", 3, removed);
  b.AddInteraction("CP-1", pair);
  const SbRun run(b);
  EXPECT_EQ("", run.Step("Step-2"));
  EXPECT_EQ(std::string(kSbBanner) +
                "** Contact Controls for Interaction: CP-1\n"
                "*Contact Controls, master=Block-1.Master, slave=Block-1.Slave, reset\n"
                "*Contact Controls, master=Block-1.Master, slave=Block-1.Slave, "
                "stiffnessScaleFactor=2.\n",
            run.Step("Step-3"));
  EXPECT_EQ(std::string(kSbBanner) +
                "** Contact Controls for Interaction: CP-1\n"
                "*Contact Controls, master=Block-1.Master, slave=Block-1.Slave, reset\n",
            run.Step("Step-4"));
}

// A changed property that is not a contact property fails its type test:
// the write stops and the partial file is removed, also where a deck stood
// before.
TEST(aif_InteractionBuilderStd, ChangedPropertyNotAContactProperty) {
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
  b.AddInteractionProperty("Other", kinC_InteractionProperty());
  kinC_SurfaceToSurfaceContactStd pair = SbPair("Step-2");
  SbSetStep(pair, "Step-2", 1, SbState<SbPairState>("IntProp-1", true, true));
  SbSetStep(pair, "Step-3", 3, SbState<SbPairState>("Other", true, true));
  b.AddInteraction("CP-1", pair);
  const aif_test::TempDeck deck("SbDriver");
  std::filesystem::remove(deck.Path());
  try {
    aif_test::DriverWriteError(b, deck.Path());
    ADD_FAILURE() << "no error";
  } catch (const nex_TextException& e) {
    EXPECT_EQ("module/aif/impl/interactions/aif_InteractionBuilder.cpp", std::string(e.File()));
  }
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
  // A deck already at the path is replaced by the write, so the failure
  // removes it too.
  { std::ofstream(deck.Path()) << "old deck\n"; }
  EXPECT_THROW(aif_test::DriverWriteError(b, deck.Path()), nex_TextException);
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
}

// A surface-to-surface pair created with a cohesive property that bonds
// only specified contacts gets its initial contact in the initial step,
// behind the pair, whatever step created it; another eligibility does not.
TEST(aif_InteractionBuilderStd, BondedInitialContact) {
  hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
  kinC_ContactProperty bonding;
  bonding.Set(kinC_CohesiveBehavior{}).eligibility = 2;
  b.AddInteractionProperty("Bonding", bonding);
  kinC_ContactProperty everywhere = bonding;
  everywhere.Set(kinC_CohesiveBehavior{}).eligibility = 1;
  b.AddInteractionProperty("Everywhere", everywhere);
  kinC_SurfaceToSurfaceContactStd bonded = SbPair("Step-3");
  SbSetStep(bonded, "Step-3", 1, SbState<SbPairState>("Bonding", true, true));
  b.AddInteraction("CP-1", bonded);
  kinC_SurfaceToSurfaceContactStd other = SbPair("Step-2");
  SbSetStep(other, "Step-2", 1, SbState<SbPairState>("Everywhere", true, true));
  b.AddInteraction("CP-2", other);
  const SbRun run(b);
  EXPECT_EQ(std::string(kSbBanner) +
                "** Interaction: CP-1\n*Contact Pair, interaction=Bonding\n"
                "Block-1.Slave, Block-1.Master\n"
                "*Initial Conditions, type=CONTACT\nBlock-1.Slave, Block-1.Master, \n"
                "** Interaction: CP-2\n*Contact Pair, interaction=Everywhere\n"
                "Block-1.Slave, Block-1.Master\n",
            run.Step("Initial"));
  EXPECT_EQ(std::string(kSbBanner) +
                "** Interaction: CP-1\n*Model Change, type=CONTACT PAIR, add\n"
                "Block-1.Slave, Block-1.Master\n",
            run.Step("Step-3"));
}

// The pair is renamed, its property copied and its friction changed under
// "_<name>-Prop" exactly when a later step changes its property, whether
// or not the creation step marks its property modified; a pair whose
// creation property is unmarked and never changes keeps its name.
TEST(aif_InteractionBuilderStd, RenamedExactlyWhenALaterStepChangesTheProperty) {
  const std::string pairLines = std::string(kSbBanner) +
                                "** Interaction: CP-1\n*Contact Pair, interaction=_CP-1-Prop\n"
                                "Block-1.Slave, Block-1.Master\n";
  const std::string changed = std::string(kSbBanner) +
                              "** Interaction: CP-1\n*Change Friction, interaction=_CP-1-Prop\n"
                              "*Friction\n0.,\n";
  {
    hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
    kinC_SurfaceToSurfaceContactStd pair = SbPair("Initial");
    SbSetStep(pair, "Initial", 1, SbState<SbPairState>("IntProp-1", true));
    SbSetStep(pair, "Step-2", 3, SbState<SbPairState>("IntProp-2", true, true));
    b.AddInteraction("CP-1", pair);
    const SbRun run(b);
    EXPECT_EQ(pairLines, run.Step("Initial"));
    EXPECT_EQ(changed, run.Step("Step-2"));
    EXPECT_EQ(std::string(kSbProperties) + "*Surface Interaction, name=_CP-1-Prop\n1.,\n",
              run.Definition());
  }
  {
    hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
    kinC_SelfContactStd self;
    self.SetSurfaces(SbRegion("Outer"));
    self.SetCreateStepName("Initial");
    SbSetStep(self, "Initial", 1, SbState<kinC_SelfContactStdState>("IntProp-1", true));
    SbSetStep(self, "Step-3", 3, SbState<kinC_SelfContactStdState>("IntProp-1", true));
    b.AddInteraction("SC-1", self);
    const SbRun run(b);
    EXPECT_EQ(std::string(kSbBanner) +
                  "** Interaction: SC-1\n*Contact Pair, interaction=IntProp-1\nBlock-1.Outer,\n",
              run.Step("Initial"));
    EXPECT_EQ("", run.Step("Step-3"));
    EXPECT_EQ(kSbProperties, run.Definition());
  }
}

// A pair must hold a state in the step that creates it (its definition is
// written from it): one that does not, with an empty creation step or none
// there, stops the write naming it. The keyword alone refuses the same.
TEST(aif_InteractionBuilderStd, NoStateInTheCreationStep) {
  const std::string error =
      "The interaction CP-1 has no state in the step that creates it, so its contact pair "
      "cannot be written.";
  for (const char* createStep : {"", "Step-2"}) {
    SCOPED_TRACE(createStep);
    hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
    kinC_SurfaceToSurfaceContactStd pair = SbPair(createStep);
    SbSetStep(pair, "Step-3", 3, SbState<SbPairState>("IntProp-1", true, true));
    b.AddInteraction("CP-1", pair);
    aif_test::ExpectDriverRefuses(b, error, "SbRefused");
  }
  hst_ModelBuilder b = SbModel({"Step-2"});
  kinC_SelfContactStd self;
  self.SetSurfaces(SbRegion("Outer"));
  b.AddInteraction("SC-1", self);
  aif_test::ExpectDriverRefuses(
      b,
      "The interaction SC-1 has no state in the step that creates it, so its "
      "contact pair cannot be written.",
      "SbRefused");
}

// A property or contact controls that a Standard or an Explicit pair names
// in any step and the model does not hold stop the write with an error
// naming the pair and the missing name: in the creation step, in a later
// step that changes the property, or as the controls of a step.
TEST(aif_InteractionBuilderStd, NamesTheModelDoesNotHoldStopTheWrite) {
  const auto model = [](bool xpl, const char* created, const char* changed, const char* controls) {
    hst_ModelBuilder b = SbModel({"Step-2", "Step-3"});
    if (xpl) {
      b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
      b.AddContactControls("CC-1", kinC_ExpContactControls());
    } else {
      b.AddContactControls("CC-1", kinC_StdContactControls());
    }
    std::unique_ptr<kinC_ContactPairInteraction> pair(
        xpl ? static_cast<kinC_ContactPairInteraction*>(new kinC_SurfaceToSurfaceContactXpl)
            : new kinC_SurfaceToSurfaceContactStd);
    pair->SetSurfaces(SbRegion("Master"), SbRegion("Slave"));
    pair->SetCreateStepName("Initial");
    pair->AddStep("Initial");
    std::unique_ptr<kinC_ContactPairState> state(
        static_cast<kinC_ContactPairState*>(pair->ConstGetState("Initial").Clone()));
    state->SetInteractionProperty(created, 1, true);
    SbSetStep(*pair, "Initial", 1, *state);
    state->SetInteractionProperty(changed, 1, true);
    state->SetContactControls(controls, 1, true);
    SbSetStep(*pair, "Step-3", 3, *state);
    b.AddInteraction("CP-1", *pair);
    return b;
  };
  for (bool xpl : {false, true}) {
    SCOPED_TRACE(xpl ? "Explicit" : "Standard");
    aif_test::ExpectDriverRefuses(
        model(xpl, "Gone", "IntProp-1", ""),
        "The interaction CP-1 names the interaction property Gone, which the "
        "model does not define.",
        "SbRefused");
    aif_test::ExpectDriverRefuses(
        model(xpl, "IntProp-1", "Gone", ""),
        "The interaction CP-1 names the interaction property Gone, which the "
        "model does not define.",
        "SbRefused");
    aif_test::ExpectDriverRefuses(
        model(xpl, "IntProp-1", "IntProp-2", "CC-Gone"),
        "The interaction CP-1 names the contact controls CC-Gone, which the "
        "model does not define.",
        "SbRefused");
    EXPECT_EQ("", aif_test::DriverWriteError(model(xpl, "IntProp-1", "IntProp-2", "CC-1"),
                                             aif_test::TempDeck("SbHeld").Path()));
  }
}
