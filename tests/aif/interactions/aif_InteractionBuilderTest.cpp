// The interaction builder: contact initializations in the model definition
// (Standard jobs only), the banner and comment per step and interaction,
// suppressed interactions, the Explicit contact pairs step by step with
// their controls, model changes and enrichment activation; directly and
// through the driver.
#include "aif/impl/interactions/aif_InteractionBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_ContactControls.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kIbBanner[] = "** \n** INTERACTIONS\n** \n";
constexpr char kIbInitBanner[] = "** \n** CONTACT INITIALIZATION DATA\n** \n";
constexpr char kIbPairData[] = "Block-1.Master, Block-1.Slave\n";

// A block placed once; the initial step and `steps` static steps.
hst_ModelBuilder IbModel(std::initializer_list<const char*> steps) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  for (const char* step : steps)
    b.AddStep(step, kprC_StaticStep());
  return b;
}

// `b` with the contact properties Prop-1 and Prop-2 the pairs name.
hst_ModelBuilder IbWithProperties(hst_ModelBuilder b) {
  b.AddInteractionProperty("Prop-1", kinC_ContactProperty());
  b.AddInteractionProperty("Prop-2", kinC_ContactProperty());
  return b;
}

// What IbWithProperties adds to the model definition (Standard product).
constexpr char kIbProperties[] =
    "** \n** INTERACTION PROPERTIES\n** \n*Surface Interaction, name=Prop-1\n1.,\n"
    "*Surface Interaction, name=Prop-2\n1.,\n";

rgnC_Region IbRegion(const char* name) {
  return rgnC_Region(name, {"Assembly", "Block-1"});
}

using IbRun = aif_test::BuilderRun<aif_InteractionBuilder>;

// A pair state naming `property`, switched on or off; the
// switch and the property marked modified when asked.
kinC_SurfaceToSurfaceContactXplState IbPairState(const char* property, bool active,
                                                 bool activeModified = false,
                                                 bool propertyModified = false) {
  kinC_SurfaceToSurfaceContactXplState state;
  state.SetInteractionProperty(property, 1, propertyModified);
  state.SetActive(active, 1, activeModified);
  return state;
}

// An Explicit pair between Block-1's Master and Slave.
kinC_SurfaceToSurfaceContactXpl IbPair() {
  kinC_SurfaceToSurfaceContactXpl pair;
  pair.SetSurfaces(IbRegion("Master"), IbRegion("Slave"));
  return pair;
}

void IbSetStep(kinC_Interaction& interaction, const char* step, int status,
               const kinC_InteractionState& state, bool modified = true) {
  interaction.SetState(step, status, state);
  interaction.SetModified(step, modified);
}

}  // namespace

// No interaction and no initialization: no banner anywhere. Initializations
// stand in the model definition behind one banner, in key order, names
// quoted where needed; an Explicit job writes none.
TEST(aif_InteractionBuilder, ContactInitializationsAndBanners) {
  hst_ModelBuilder b = IbModel({"Step-1"});
  {
    const IbRun run(b);
    EXPECT_EQ("", run.Definition());
    EXPECT_EQ("", run.Step("Initial"));
    EXPECT_EQ("", run.Step("Step-1"));
  }
  kinC_StdInitialization fit;
  fit.interferenceFit = true;
  b.AddContactInitialization("CI-1", fit);
  kinC_StdInitialization search;
  search.searchAbove = 0.5;
  b.AddContactInitialization("CI 2", search);
  {
    const IbRun run(b);
    EXPECT_EQ(std::string(kIbInitBanner) +
                  "*Contact Initialization Data, name=\"CI 2\", SEARCH ABOVE=0.5\n"
                  "*Contact Initialization Data, name=CI-1, INTERFERENCE FIT\n",
              run.Definition());
    EXPECT_EQ("", run.Step("Step-1"));
  }
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  EXPECT_EQ("", IbRun(b).Definition());
}

// Two model changes in one step share one banner, each behind its comment.
// A region change is written in each step it is created or modified in
// (never when carried over or deactivated); the activation line once, in
// the first such step. A suppressed interaction writes nothing at all.
TEST(aif_InteractionBuilder, ModelChangesStepByStep) {
  hst_ModelBuilder b = IbModel({"Step-1", "Step-2", "Step-3", "Step-4"});
  kinC_ModelChange change;
  change.SetRegion(IbRegion("Set-1"));
  kinC_ModelChangeState removeState;
  removeState.SetAdd(false);
  kinC_ModelChangeState addState;
  addState.SetAdd(true);
  addState.SetWithStrain(true);
  IbSetStep(change, "Step-1", 1, removeState);
  IbSetStep(change, "Step-2", 2, removeState);
  IbSetStep(change, "Step-3", 3, addState);
  IbSetStep(change, "Step-4", 4, addState);
  b.AddInteraction("MC-1", change);
  kinC_ModelChange activation;
  activation.SetActivation(true);
  IbSetStep(activation, "Step-1", 1, kinC_ModelChangeState());
  IbSetStep(activation, "Step-3", 3, kinC_ModelChangeState());
  b.AddInteraction("MC-A", activation);
  kinC_ModelChange hidden = change;
  hidden.SetSuppressed(true);
  b.AddInteraction("MC-0", hidden);

  const IbRun run(b);
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: MC-1\n*Model Change, remove\nBlock-1.Set-1, \n"
                "** Interaction: MC-A\n*Model Change, activate\n",
            run.Step("Step-1"));
  EXPECT_EQ("", run.Step("Step-2"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: MC-1\n*Model Change, add=WITH STRAIN\nBlock-1.Set-1, \n",
            run.Step("Step-3"));
  EXPECT_EQ("", run.Step("Step-4"));
  EXPECT_EQ("", run.Step("Initial"));
}

// Enrichment activation: every step after the initial one that has the
// crack growth (created, carried over or modified), never the initial step
// nor a step that deactivates it.
TEST(aif_InteractionBuilder, EnrichmentActivationAfterTheInitialStep) {
  hst_ModelBuilder b = IbModel({"Step-1", "Step-2", "Step-3"});
  kinC_XFEMCrackGrowth growth;
  growth.SetCrackName("Crack-1");
  kinC_XFEMCrackGrowthState on;
  kinC_XFEMCrackGrowthState off;
  off.SetActive(false);
  IbSetStep(growth, "Initial", 1, on);
  IbSetStep(growth, "Step-1", 2, on, false);
  IbSetStep(growth, "Step-2", 3, off);
  IbSetStep(growth, "Step-3", 4, off);
  b.AddInteraction("Growth", growth);

  const IbRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: Growth\n*Enrichment Activation, name=Crack-1, activate=ON\n",
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: Growth\n*Enrichment Activation, name=Crack-1, activate=OFF\n",
            run.Step("Step-2"));
  EXPECT_EQ("", run.Step("Step-3"));
}

// The initial step's pair goes in the first analysis step, from the
// initial state. A property change while active deletes the pair and adds
// it again with the new property; a step that changes nothing writes
// nothing. Without an analysis step nothing is written.
TEST(aif_InteractionBuilder, ExplicitPairMovesToTheFirstStepAndIsReplaced) {
  hst_ModelBuilder b = IbWithProperties(IbModel({"Step-1", "Step-2", "Step-3"}));
  kinC_SurfaceToSurfaceContactXpl pair = IbPair();
  IbSetStep(pair, "Initial", 1, IbPairState("Prop-1", true));
  IbSetStep(pair, "Step-1", 2, IbPairState("Prop-1", true), false);
  IbSetStep(pair, "Step-2", 3, IbPairState("Prop-2", true, false, true));
  IbSetStep(pair, "Step-3", 2, IbPairState("Prop-2", true), true);
  b.AddInteraction("CP-1", pair);

  const IbRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-1\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-1\n" +
                kIbPairData,
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-1\n*Contact Pair, op=DELETE, cpset=CP-1\n" + kIbPairData +
                "*Contact Pair, interaction=Prop-2, mechanical constraint=KINEMATIC, "
                "cpset=CP-1\n" +
                kIbPairData,
            run.Step("Step-2"));
  EXPECT_EQ("", run.Step("Step-3"));

  hst_ModelBuilder alone = IbWithProperties(IbModel({}));
  alone.AddInteraction("CP-1", pair);
  const IbRun aloneRun(alone);
  EXPECT_EQ("", aloneRun.Step("Initial"));
  EXPECT_EQ(kIbProperties, aloneRun.Definition());
}

// Switched off: one deleting pair, and nothing in a later step where it
// stays off. A pair gone from a step (no state there) is deleted once; a
// pair that does not exist yet is not deleted in a step that marks it
// modified. Self contact is walked the same way.
TEST(aif_InteractionBuilder, ExplicitPairSwitchedOffOrGone) {
  hst_ModelBuilder b = IbWithProperties(IbModel({"Step-1", "Step-2", "Step-3", "Step-4"}));
  kinC_SurfaceToSurfaceContactXpl off = IbPair();
  IbSetStep(off, "Step-1", 1, IbPairState("Prop-1", true, false, true));
  IbSetStep(off, "Step-2", 3, IbPairState("Prop-1", false, true));
  IbSetStep(off, "Step-3", 2, IbPairState("Prop-1", false), true);
  IbSetStep(off, "Step-4", 3, IbPairState("Prop-1", false, true));
  b.AddInteraction("CP-Off", off);

  kinC_SelfContactXpl gone;
  gone.SetSurfaces(IbRegion("Top"));
  kinC_SelfContactXplState selfState;
  selfState.SetInteractionProperty("Prop-1", 1, true);
  IbSetStep(gone, "Step-1", 1, selfState);
  gone.SetStatus("Step-2", 4);
  gone.SetModified("Step-2", true);
  gone.SetStatus("Step-3", 0);
  gone.SetModified("Step-3", true);
  b.AddInteraction("CP-Self", gone);

  kinC_SurfaceToSurfaceContactXpl late = IbPair();
  late.SetModified("Step-3", true);
  IbSetStep(late, "Step-4", 1, IbPairState("Prop-1", true, false, true));
  b.AddInteraction("CP-Late", late);

  const IbRun run(b);
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-Off\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-Off\n" +
                kIbPairData +
                "** Interaction: CP-Self\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-Self\nBlock-1.Top,\n",
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-Off\n*Contact Pair, op=DELETE, cpset=CP-Off\n" + kIbPairData +
                "** Interaction: CP-Self\n*Contact Pair, op=DELETE\nBlock-1.Top,\n",
            run.Step("Step-2"));
  EXPECT_EQ("", run.Step("Step-3"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-Late\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-Late\n" +
                kIbPairData,
            run.Step("Step-4"));
}

// The clearance of a pair created in a later step goes in the first
// analysis step without a banner; a pair without one writes none.
TEST(aif_InteractionBuilder, ExplicitPairClearanceInTheFirstStep) {
  hst_ModelBuilder b = IbWithProperties(IbModel({"Step-1", "Step-2"}));
  kinC_SurfaceToSurfaceContactXpl pair = IbPair();
  kinC_ClearanceData data;
  data.clearanceType = 2;
  data.value = 0.05;
  pair.SetClearance(data);
  IbSetStep(pair, "Step-2", 1, IbPairState("Prop-1", true, false, true));
  b.AddInteraction("CP-C", pair);
  kinC_SurfaceToSurfaceContactXpl plain = IbPair();
  IbSetStep(plain, "Step-2", 1, IbPairState("Prop-1", true, false, true));
  b.AddInteraction("CP-D", plain);

  const IbRun run(b);
  EXPECT_EQ("*Clearance, cpset=CP-C, value=0.05\n", run.Step("Step-1"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-C\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-C\n" +
                kIbPairData +
                "** Interaction: CP-D\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-D\n" +
                kIbPairData,
            run.Step("Step-2"));
}

// Controls: default controls named in the creation step write nothing,
// changed controls in a later step write their options with a reset, and
// controls removed later write the reset alone.
TEST(aif_InteractionBuilder, ExplicitPairControls) {
  hst_ModelBuilder b = IbWithProperties(IbModel({"Step-1", "Step-2", "Step-3"}));
  b.AddContactControls("CC-Default", kinC_ExpContactControls());
  kinC_ExpContactControls scaled;
  scaled.penaltyScale = 0.5;
  b.AddContactControls("CC-Scaled", scaled);
  kinC_SurfaceToSurfaceContactXpl pair = IbPair();
  kinC_SurfaceToSurfaceContactXplState created = IbPairState("Prop-1", true, false, true);
  created.SetContactControls("CC-Default", 1, true);
  IbSetStep(pair, "Step-1", 1, created);
  kinC_SurfaceToSurfaceContactXplState changed = IbPairState("Prop-1", true);
  changed.SetContactControls("CC-Scaled", 1, true);
  IbSetStep(pair, "Step-2", 3, changed);
  kinC_SurfaceToSurfaceContactXplState removed = IbPairState("Prop-1", true);
  removed.SetContactControls("", 3, true);
  IbSetStep(pair, "Step-3", 3, removed);
  b.AddInteraction("CP-1", pair);

  const IbRun run(b);
  EXPECT_EQ(std::string(kIbBanner) +
                "** Interaction: CP-1\n*Contact Pair, interaction=Prop-1, mechanical "
                "constraint=KINEMATIC, cpset=CP-1\n" +
                kIbPairData,
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Contact Controls for Interaction: CP-1\n"
                "*Contact Controls, cpset=CP-1, scale penalty=0.5, reset\n",
            run.Step("Step-2"));
  EXPECT_EQ(std::string(kIbBanner) +
                "** Contact Controls for Interaction: CP-1\n*Contact Controls, cpset=CP-1, reset\n",
            run.Step("Step-3"));
}

// Through the driver: the initializations stand in the model definition
// before the first step, the interactions inside their step. Controls of
// the Standard kind named by an Explicit pair, or an initialization of an
// unknown kind, fail their type test: no file is left.
TEST(aif_InteractionBuilder, ThroughTheDriver) {
  hst_ModelBuilder b = IbModel({"Step-1"});
  b.AddContactInitialization("CI-1", kinC_StdInitialization());
  kinC_ModelChange change;
  change.SetRegion(IbRegion("Set-1"));
  IbSetStep(change, "Step-1", 1, kinC_ModelChangeState());
  b.AddInteraction("MC-1", change);
  const aif_test::TempDeck deck("IbDriver");
  const std::string text = deck.Write(b);
  const std::size_t init =
      text.find(std::string(kIbInitBanner) + "*Contact Initialization Data, name=CI-1\n");
  const std::size_t step = text.find("*Step, name=Step-1");
  const std::size_t interactions = text.find(std::string(kIbBanner) +
                                             "** Interaction: MC-1\n*Model Change, remove\n"
                                             "Block-1.Set-1, \n");
  ASSERT_NE(std::string::npos, init) << text;
  ASSERT_NE(std::string::npos, step) << text;
  ASSERT_NE(std::string::npos, interactions) << text;
  EXPECT_LT(init, step);
  EXPECT_LT(step, interactions);

  hst_ModelBuilder wrongControls = IbWithProperties(b);
  kinC_SurfaceToSurfaceContactXplState state = IbPairState("Prop-1", true);
  state.SetContactControls("CC-Std", 1, true);
  kinC_SurfaceToSurfaceContactXpl pair = IbPair();
  IbSetStep(pair, "Step-1", 1, state);
  wrongControls.AddInteraction("CP-1", pair);
  wrongControls.AddContactControls("CC-Std", kinC_StdContactControls());
  hst_ModelBuilder wrongInitialization = b;
  wrongInitialization.AddContactInitialization("CI-0", kinC_ContactInitialization());
  for (const hst_ModelBuilder* wrong : {&wrongControls, &wrongInitialization}) {
    std::filesystem::remove(deck.Path());
    try {
      aif_test::DriverWriteError(*wrong, deck.Path());
      ADD_FAILURE() << "no error";
    } catch (const nex_TextException& e) {
      EXPECT_EQ("module/aif/impl/interactions/aif_InteractionBuilder.cpp", std::string(e.File()));
    }
    EXPECT_FALSE(std::filesystem::exists(deck.Path()));
  }
}
