// The load builder through the driver: the loads of each step (or load case)
// as the deck carries them, the bolt loads' assembly definitions and the
// submodels, for part-based and flat decks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_DeckTestSupport.h"

namespace {

// The deck of `b` written as a job of `jobType`.
std::string LoadBuilderDeck(const hst_ModelBuilder& b, const char* name,
                            int jobType = ajbC_FULL_ANALYSIS) {
  const aif_test::TempDeck deck(name);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(jobType), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  EXPECT_TRUE(builder.WriteInputFile(deck.Path(), false, true));
  return aif_test::ReadFile(deck.Path());
}

// The text of `deck` from the first line starting `from` up to (not
// including) the first line after it starting `to`; empty when `from` is
// not there.
std::string LoadBuilderSlice(const std::string& deck, const std::string& from,
                             const std::string& to) {
  const std::size_t start = deck.find(from);
  if (start == std::string::npos) return std::string();
  const std::size_t end = deck.find(to, start + from.size());
  return deck.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The loads of step `step`: from its "LOADS" banner to its output requests
// (the default ones when the model asks for none).
std::string LoadBuilderStepLoads(const std::string& deck, const std::string& step) {
  const std::string block = LoadBuilderSlice(deck, "** STEP: " + step + "\n", "*End Step\n");
  return LoadBuilderSlice(block, "** \n** LOADS\n", "*Output");
}

// A state of `status` whose values all have `status`.
kloC_LoadState LoadBuilderState(int status, std::initializer_list<double> values) {
  return kloC_LoadState(status, values);
}

// A region of instance `instance` (1: Block-1, 2: Block-2), or of no
// instance (0).
rgnC_Region LoadBuilderRegion(const char* name, unsigned instance) {
  rgnC_Region region(name, {"Assembly", instance == 2 ? "Block-2" : "Block-1"});
  if (instance != 0) region.SetKernelInstanceIds({instance});
  return region;
}

// Two instances of a column of two bricks.
hst_ModelBuilder LoadBuilderModel(bool flat) {
  hst_ModelBuilder b;
  if (flat) b.Assembly().SetRequiresFlatInputFile(true);
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Block-2", "Block", placed);
  kfdC_ExpressionField ramp;
  ramp.constant = 1.0;
  ramp.gradient = {0.0, 0.0, 1.0};
  b.AddAnalyticalField("Ramp", ramp);
  return b;
}

kloC_ConcentratedForce LoadBuilderForce(unsigned instance, double fy) {
  kloC_ConcentratedForce force;
  rgnC_Region tip = LoadBuilderRegion("Tip", instance);
  tip.SetKernelNodeIndices(static_cast<int>(instance), {11});
  force.SetRegion(tip);
  force.SetState("Step-1", 1, LoadBuilderState(1, {0.0, fy, 0.0}));
  return force;
}

kloC_Gravity LoadBuilderGravity() {
  kloC_Gravity gravity;
  rgnC_Region all = LoadBuilderRegion("All", 2);
  all.SetKernelElementIndices(2, {0, 1});
  gravity.SetRegion(all);
  gravity.SetState("Step-1", 1, LoadBuilderState(1, {0.0, -9.81, 0.0}));
  return gravity;
}

kloC_Pressure LoadBuilderFieldPressure() {
  kloC_Pressure pressure;
  rgnC_Region top = LoadBuilderRegion("Top", 1);
  top.SetKernelElementIndices(1, {1}, {"S2"});
  pressure.SetRegion(top);
  pressure.SetFieldName("Ramp");
  pressure.SetDistribution(3);
  pressure.SetState("Step-1", 1, LoadBuilderState(1, {2.0}));
  return pressure;
}

}  // namespace

// Each kind goes to its keyword, field-given surface loads to "*Dload"; a
// force whose region reaches no instance is left out with its comment.
TEST(aif_LoadBuilder, DispatchWithAndWithoutFields) {
  for (const bool flat : {false, true}) {
    hst_ModelBuilder b = LoadBuilderModel(flat);
    b.AddStep("Step-1", kprC_StaticStep());
    b.AddLoad("Force", LoadBuilderForce(1, -10.0));
    kloC_ConcentratedForce lost = LoadBuilderForce(1, 5.0);
    rgnC_Region nowhere("Gone", {"Assembly", "Block-1"});
    nowhere.SetKernelNodeIndices(1, {0});
    lost.SetRegion(nowhere);
    b.AddLoad("Lost", lost);
    b.AddLoad("Gravity", LoadBuilderGravity());
    b.AddLoad("Pressure", LoadBuilderFieldPressure());
    kloC_Pressure uniform = LoadBuilderFieldPressure();
    uniform.SetFieldName(cow_String());
    uniform.SetDistribution(0);
    rgnC_Region reference = LoadBuilderRegion("Ref", 1);
    reference.SetKernelNodeIndices(1, {0});
    uniform.SetSecondRegion(reference);
    b.AddLoad("Uniform", uniform);
    kloC_SubmodelStressBased submodel;
    submodel.SetRegion(LoadBuilderRegion("Skin", 2));
    submodel.SetGlobalElset("Global");
    kloC_LoadState global;
    global.SetGlobalStep("Step-7", 1.0);
    submodel.SetState("Step-1", 1, global);
    b.AddLoad("Submodel", submodel);
    const std::string deck = LoadBuilderDeck(b, "LoadBuilderDispatch");
    const std::string block = flat ? "Block-1_" : "Block-1.";
    EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-1"),
              "** \n** LOADS\n** \n"
              "** Name: Force   Type: Concentrated force\n"
              "*Cload\n" +
                  block + "Tip, 1, 0.\n" + block + "Tip, 2, -10.\n" + block +
                  "Tip, 3, 0.\n"
                  "** Name: Gravity   Type: Gravity\n"
                  "*Dload\n" +
                  (flat ? "Block-2_" : "Block-2.") +
                  "All, GRAV, 9.81, 0., -1., 0.\n"
                  "** Name: Pressure   Type: Pressure Using Field: Ramp\n"
                  "*Dload\n" +
                  (flat ? "" : "Block-1.") + "2, P2, 6.\n" +
                  "** Name: Submodel   Type: Submodel\n*Dsload, submodel, step=Step-7\n" +
                  (flat ? "Block-2_" : "Block-2.") + "Skin\n" +
                  "** Name: Uniform   Type: Pressure\n*Dsload, ref node=" + block + "Ref\n" +
                  block + "Top, P, 2.\n")
        << flat;
  }
}

namespace {

// A bolt on region `name` of `instance`, applying `force` in Step-1 by
// method `method`.
kloC_BoltLoad LoadBuilderBolt(const char* name, unsigned instance, kloC_BoltLoadMethodEnm method,
                              double force) {
  kloC_BoltLoad bolt;
  rgnC_Region region = LoadBuilderRegion(name, instance);
  region.SetKernelElementIndices(static_cast<int>(instance), {0, 1});
  bolt.SetRegion(region);
  kloC_LoadState state = LoadBuilderState(1, {force});
  state.SetMethod(method, 1, false);
  bolt.SetState("Step-1", 1, state);
  return bolt;
}

// The bolts of a deck: from the first bolt's reference node to the end of the
// assembly.
std::string LoadBuilderBoltDefinitions(const std::string& deck, bool flat) {
  const std::size_t set = deck.find("*Nset, nset=_Bolt-A_blrn_");
  if (set == std::string::npos) return std::string();
  return LoadBuilderSlice(deck.substr(deck.rfind("*Node\n", set)), "*Node\n",
                          flat ? "** ----" : "*End Assembly\n");
}

}  // namespace

// Each bolt gets a reference node of the assembly's own numbering, a
// comment and its section: on its surface along the bolt axis, or on an
// element set along the beam tangent. The set of one instance is defined in
// that instance; a set over two instances in the assembly. Only a bolt that
// applies a force has a load keyword.
TEST(aif_LoadBuilder, BoltSectionsNodesAndSets) {
  for (const bool flat : {false, true}) {
    hst_ModelBuilder b = LoadBuilderModel(flat);
    b.AddStep("Step-1", kprC_StaticStep());
    kloC_BoltLoad onSurface = LoadBuilderBolt("Cut", 1, kloC_APPLY_FORCE, 100.0);
    onSurface.SetKernelAxis(gsl_Vector(0.0, 0.0, 1.0));
    b.AddLoad("Bolt-A", onSurface);
    kloC_BoltLoad onElements = LoadBuilderBolt("Shank", 2, kloC_ADJUST_LENGTH, 0.5);
    onElements.SetRegionType(4);
    rgnC_Region shank = onElements.Region();
    shank.SetKernelBeamTangent(gsl_Vector(0.0, 1.0, 0.0));
    onElements.SetRegion(shank);
    b.AddLoad("Bolt-B", onElements);
    kloC_BoltLoad across = LoadBuilderBolt("Both", 1, kloC_APPLY_FORCE, 50.0);
    across.SetRegionType(4);
    across.SetAxisSetting(1);
    rgnC_Region both = across.Region();
    both.SetKernelInstanceIds({1, 2});
    both.SetKernelElementIndices(2, {1});
    both.SetKernelBeamTangent(gsl_Vector(1.0, 0.0, 0.0));
    across.SetRegion(both);
    b.AddLoad("Bolt-C", across);
    // Found along its axis (setting 2) although its region holds elements.
    kloC_BoltLoad byAxis = LoadBuilderBolt("Axis", 2, kloC_FIX_LENGTH, 0.0);
    byAxis.SetRegionType(4);
    byAxis.SetAxisSetting(2);
    byAxis.SetKernelAxis(gsl_Vector(0.0, 0.0, -1.0));
    b.AddLoad("Bolt-D", byAxis);

    const std::string deck = LoadBuilderDeck(b, "LoadBuilderBolts");
    // Part-based, the reference nodes count in the assembly's own numbering,
    // so that bolts on two instances of one part get labels of their own;
    // flat, in the file's after the meshes.
    const int first = flat ? 25 : 1;
    auto node = [&](int n, const std::string& bolt) {
      return "*Node\n     " + std::string(first + n > 9 ? "" : " ") + std::to_string(first + n) +
             ",           0.,           0.,           0.\n*Nset, nset=_" + bolt + "_blrn_" +
             (flat ? "" : ", internal") + "\n" + std::to_string(first + n) + ", \n";
    };
    const std::string internal = flat ? "" : ", internal";
    const std::string dot = flat ? "_" : ".";
    EXPECT_EQ(LoadBuilderBoltDefinitions(deck, flat),
              node(0, "Bolt-A") +
                  "** Pre-Tension Section for Bolt Load: Bolt-A\n"
                  "*Pre-tension Section, surface= Block-1" +
                  dot +
                  "Cut, node=_Bolt-A_blrn_\n"
                  "          0.,           0.,           1.\n" +
                  node(1, "Bolt-B") +
                  "** Pre-Tension Section for Bolt Load: Bolt-B\n"
                  "*Pre-tension Section, element= " +
                  (flat ? "" : "Block-2.") +
                  "_Bolt-B_blel_, node=_Bolt-B_blrn_\n"
                  "          0.,           1.,           0.\n" +
                  node(2, "Bolt-C") +
                  "** Pre-Tension Section for Bolt Load: Bolt-C\n"
                  "*Elset, elset=_Bolt-C_blel_" +
                  internal + (flat ? "" : ", instance=Block-1") +
                  "\n 1, 2\n"
                  "*Elset, elset=_Bolt-C_blel_" +
                  internal + (flat ? "\n 4,\n" : ", instance=Block-2\n 2,\n") +
                  "*Pre-tension Section, element= _Bolt-C_blel_, node=_Bolt-C_blrn_\n"
                  "          1.,           0.,           0.\n" +
                  node(3, "Bolt-D") +
                  "** Pre-Tension Section for Bolt Load: Bolt-D\n"
                  "*Pre-tension Section, surface= Block-2" +
                  dot +
                  "Axis, node=_Bolt-D_blrn_\n"
                  "          0.,           0.,          -1.\n")
        << flat;
    // The element set of one instance closes that instance's definition.
    const std::string inInstance = flat ? "*Elset, elset=_Bolt-B_blel_\n 3, 4\n*System\n"
                                        : "*Elset, elset=_Bolt-B_blel_, internal\n 1, 2\n"
                                          "*End Instance\n";
    EXPECT_NE(deck.find((flat ? "24, 23\n" : "12, 11\n") + inInstance), std::string::npos) << deck;
    // The bolts adjusting or fixing their length have no load keyword.
    EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-1"),
              "** \n** LOADS\n** \n"
              "** Name: Bolt-A   Type: Bolt load\n"
              "*Cload\n_Bolt-A_blrn_, 1, 100.\n"
              "** Name: Bolt-C   Type: Bolt load\n"
              "*Cload\n_Bolt-C_blrn_, 1, 50.\n")
        << flat;
  }
}

// The element set of a bolt in an instance whose name holds a dot is named
// through the quoted instance name, as the reader splits at the first dot.
TEST(aif_LoadBuilder, BoltSetOfADottedInstanceIsNamedThroughItsQuotedName) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  b.AddInstance("A.b", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  kloC_BoltLoad bolt = LoadBuilderBolt("Shank", 1, kloC_APPLY_FORCE, 10.0);
  rgnC_Region shank("Shank", {"Assembly", "A.b"});
  shank.SetKernelInstanceIds({1u});
  shank.SetKernelElementIndices(1, {0});
  bolt.SetRegion(shank);
  bolt.SetRegionType(4);
  b.AddLoad("Bolt", bolt);
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderDottedBolt");
  EXPECT_NE(deck.find("*Pre-tension Section, element= \"A.b\"._Bolt_blel_, node=_Bolt_blrn_\n"),
            std::string::npos)
      << deck;
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
    ADD_FAILURE() << finding.text;
}

namespace {

// The lines of `deck` that name a set generated for a bolt load, in order.
std::string LoadBuilderBoltLines(const std::string& deck) {
  std::string lines;
  std::size_t start = 0;
  while (start < deck.size()) {
    const std::size_t end = deck.find('\n', start);
    const std::string line = deck.substr(start, end - start);
    if (line.find("_blrn_") != std::string::npos || line.find("_blel_") != std::string::npos ||
        line.find("\"_Bolt") != std::string::npos)
      lines += line + "\n";
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

// A bolt load's name holding a dot or a blank stays one name in every set
// made for it: the reference node's set and the element set are defined and
// referred to (by the load, the boundary condition, the section and the
// output requests) under the same quoted name, generated names keeping
// ", internal" part-based. The deck read back names nothing undefined.
TEST(aif_LoadBuilder, BoltNamesHoldingDotsOrBlanksStayOneName) {
  for (const bool flat : {false, true}) {
    hst_ModelBuilder b = LoadBuilderModel(flat);
    b.AddStep("Step-1", kprC_StaticStep());
    b.AddStep("Step-2", kprC_StaticStep());
    // In one instance: its set is defined there. Adjusts its length in
    // Step-2.
    kloC_BoltLoad dotted = LoadBuilderBolt("Shank", 2, kloC_APPLY_FORCE, 100.0);
    dotted.SetRegionType(4);
    kloC_LoadState adjust = LoadBuilderState(3, {100.0});
    adjust.SetMethod(kloC_ADJUST_LENGTH, 1, true);
    adjust.SetLength(0.5, 1);
    dotted.SetState("Step-2", 3, adjust);
    b.AddLoad("Bolt.2", dotted);
    // Over two instances: its set is defined in the assembly. Fixes its
    // length in Step-2.
    kloC_BoltLoad spaced = LoadBuilderBolt("Both", 1, kloC_APPLY_FORCE, 50.0);
    spaced.SetRegionType(4);
    rgnC_Region both = spaced.Region();
    both.SetKernelInstanceIds({1, 2});
    both.SetKernelElementIndices(2, {1});
    spaced.SetRegion(both);
    kloC_LoadState fix = LoadBuilderState(3, {50.0});
    fix.SetMethod(kloC_FIX_LENGTH, 1, true);
    spaced.SetState("Step-2", 3, fix);
    b.AddLoad("Bolt A.1", spaced);
    for (const char* bolt : {"Bolt.2", "Bolt A.1"}) {
      korC_FieldOutputState state;
      state.SetVariables({"U", "S"});
      state.SetFrequency(1);
      state.SetVariablesKind(korC_LIST);
      korC_FieldOutput request;
      request.SetDomain(korC_BOLT_LOAD);
      request.SetBoltLoadName(bolt);
      request.SetState("Step-1", state);
      b.AddFieldOutput(cow_String("F-") + bolt, request);
    }

    const std::string deck = LoadBuilderDeck(b, "LoadBuilderBoltNames");
    const std::string internal = flat ? "" : ", internal";
    const std::string block1 = flat ? "" : ", instance=Block-1";
    const std::string block2 = flat ? "" : ", instance=Block-2";
    EXPECT_EQ(LoadBuilderBoltLines(deck),
              // Defined in Block-2 (part-based) or where the flat file
              // writes Block-2.
              "*Elset, elset=\"_Bolt.2_blel_\"" + internal + "\n" +
                  // The bolts in name order, each node with its set first.
                  "*Nset, nset=\"_Bolt A.1_blrn_\"" + internal + "\n" +
                  "*Elset, elset=\"_Bolt A.1_blel_\"" + internal + block1 + "\n" +
                  "*Elset, elset=\"_Bolt A.1_blel_\"" + internal + block2 + "\n" +
                  "*Pre-tension Section, element= \"_Bolt A.1_blel_\", "
                  "node=\"_Bolt A.1_blrn_\"\n"
                  "*Nset, nset=\"_Bolt.2_blrn_\"" +
                  internal + "\n" + "*Pre-tension Section, element= " + (flat ? "" : "Block-2.") +
                  "\"_Bolt.2_blel_\", node=\"_Bolt.2_blrn_\"\n"
                  // The output requests' own element sets.
                  "*Elset, elset=\"_Bolt A.1\"" +
                  internal + block1 + "\n" + "*Elset, elset=\"_Bolt A.1\"" + internal + block2 +
                  "\n" + "*Elset, elset=\"_Bolt.2\"" + internal + block2 + "\n" +
                  // Step-1: the forces and the output requests.
                  "\"_Bolt A.1_blrn_\", 1, 50.\n"
                  "\"_Bolt.2_blrn_\", 1, 100.\n"
                  "*Node Output, nset=\"_Bolt A.1_blrn_\"\n"
                  "*Element Output, elset=\"_Bolt A.1\", directions=YES\n"
                  "*Node Output, nset=\"_Bolt.2_blrn_\"\n"
                  "*Element Output, elset=\"_Bolt.2\", directions=YES\n"
                  // Step-2: the length fixed and adjusted.
                  "\"_Bolt A.1_blrn_\", 1, 1\n"
                  "\"_Bolt.2_blrn_\", 1, 1, 0.5\n")
        << deck;
    for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
      ADD_FAILURE() << finding.text << (flat ? " (flat)" : " (part-based)");
  }
}

namespace {

kloC_InertiaRelief LoadBuilderRelief(std::initializer_list<std::pair<const char*, int>> statuses) {
  kloC_InertiaRelief relief;
  relief.SetRegion(LoadBuilderRegion("All", 1));
  for (const auto& [step, status] : statuses) {
    kloC_LoadState state;
    state.SetStatus(status);
    state.SetFixed(true);
    relief.SetState(step, status, state);
  }
  return relief;
}

}  // namespace

// An inertia relief removed while another still applies leaves out its
// removal (it would end the other too); two removed together are both
// removed.
TEST(aif_LoadBuilder, InertiaReliefRemovedOnlyWhenNoOtherApplies) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  for (const char* step : {"Step-1", "Step-2", "Step-3"})
    b.AddStep(step, kprC_StaticStep());
  b.AddLoad("Relief-A", LoadBuilderRelief({{"Step-1", 1}, {"Step-2", 4}}));
  b.AddLoad("Relief-B", LoadBuilderRelief({{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 4}}));
  b.AddLoad("Relief-C", LoadBuilderRelief({{"Step-2", 1}, {"Step-3", 4}}));
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderRelief");
  const std::string banner = "** \n** LOADS\n** \n";
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-1"),
            banner +
                "** Name: Relief-A   Type: Inertia relief\n*Inertia Relief, fixed\n"
                "** Name: Relief-B   Type: Inertia relief\n*Inertia Relief, fixed\n");
  // Relief-A is removed while Relief-B carries on; the removal restates
  // Relief-B.
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-2"),
            banner +
                "** Name: Relief-B   Type: Inertia relief\n*Inertia Relief, fixed\n"
                "** Name: Relief-C   Type: Inertia relief\n*Inertia Relief, fixed\n");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-3"),
            banner +
                "** Name: Relief-B   Type: Inertia relief\n*Inertia Relief, remove\n"
                "** Name: Relief-C   Type: Inertia relief\n*Inertia Relief, remove\n");
}

// Loads carry the cyclic mode of the model's cyclic symmetry in a steady-state
// modal step only; a suppressed cyclic symmetry counts for nothing.
TEST(aif_LoadBuilder, CyclicModeOnlyInSteadyStateModalSteps) {
  for (const bool suppressed : {false, true}) {
    hst_ModelBuilder b = LoadBuilderModel(false);
    b.AddStep("Step-1", kprC_StaticStep());
    b.AddStep("Harmonic", kprC_SteadyStateModalStep());
    kinC_CyclicSymmetry cyclic;
    cyclic.SetSuppressed(suppressed);
    cyclic.SetCyclicMode("Harmonic", 3);
    b.AddInteraction("Cyclic", cyclic);
    kloC_ConcentratedForce force = LoadBuilderForce(1, -10.0);
    force.SetState("Harmonic", 1, LoadBuilderState(1, {0.0, 4.0, 0.0}));
    b.AddLoad("Force", force);
    const std::string deck = LoadBuilderDeck(b, "LoadBuilderCyclic");
    EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-1"),
              "** \n** LOADS\n** \n** Name: Force   Type: Concentrated force\n*Cload\n"
              "Block-1.Tip, 1, 0.\nBlock-1.Tip, 2, -10.\nBlock-1.Tip, 3, 0.\n");
    EXPECT_EQ(LoadBuilderStepLoads(deck, "Harmonic"),
              "** \n** LOADS\n** \n** Name: Force   Type: Concentrated force\n*Cload" +
                  std::string(suppressed ? "" : ", cyclic mode=3") +
                  "\nBlock-1.Tip, 1, 0.\nBlock-1.Tip, 2, 4.\nBlock-1.Tip, 3, 0.\n")
        << suppressed;
  }
}

// In a step whose procedure takes load cases, a load is written into each
// load case that names it, with that case's factor and without the loads
// banner; a load no case names is not written there. A step of another
// procedure writes its loads into its own list whatever load cases it has.
TEST(aif_LoadBuilder, LoadCasesWriteTheirLoadsWithTheirFactors) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  kprC_StaticLinearPerturbationStep perturb;
  perturb.AddLoadCase("A");
  perturb.AddLoadCase("B");
  perturb.AddLoadCase("Off", true);
  perturb.SetLoadCaseFactor("A", "Force", 2.0F);
  perturb.SetLoadCaseFactor("B", "Force", 0.5F);
  perturb.SetLoadCaseFactor("Off", "Gravity", 3.0F);
  b.AddStep("Perturb", perturb);
  kprC_StaticStep other;
  other.AddLoadCase("A");
  other.SetLoadCaseFactor("A", "Force", 2.0F);
  b.AddStep("Static", other);
  kloC_ConcentratedForce force = LoadBuilderForce(1, -10.0);
  force.SetState("Perturb", 1, LoadBuilderState(1, {0.0, -10.0, 0.0}));
  force.SetState("Static", 3, LoadBuilderState(1, {0.0, -20.0, 0.0}));
  b.AddLoad("Force", force);
  kloC_Gravity gravity = LoadBuilderGravity();
  gravity.SetState("Perturb", 1, LoadBuilderState(1, {0.0, -9.81, 0.0}));
  b.AddLoad("Gravity", gravity);
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderCases");
  EXPECT_EQ(LoadBuilderSlice(deck, "** STEP: Perturb", "*End Step\n"),
            "** STEP: Perturb\n** \n*Step, name=Perturb, perturbation\n*Static\n" +
                aif_test::DefaultOutputLines() +
                "** \n** LOAD CASES\n** \n"
                "*Load Case, name=A\n"
                // A load case that applies no boundary condition ends the
                // step's ones.
                "*Boundary, op=NEW\n"
                "** Name: Force   Type: Concentrated force   Scale factor: 2\n"
                "*Cload\nBlock-1.Tip, 1, 0.\nBlock-1.Tip, 2, -20.\nBlock-1.Tip, 3, 0.\n"
                "*End Load Case\n"
                "*Load Case, name=B\n"
                "*Boundary, op=NEW\n"
                "** Name: Force   Type: Concentrated force   Scale factor: 0.5\n"
                "*Cload\nBlock-1.Tip, 1, 0.\nBlock-1.Tip, 2, -5.\nBlock-1.Tip, 3, 0.\n"
                "*End Load Case\n");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Static"),
            "** \n** LOADS\n** \n** Name: Force   Type: Concentrated force\n*Cload\n"
            "Block-1.Tip, 1, 0.\nBlock-1.Tip, 2, -20.\nBlock-1.Tip, 3, 0.\n");
}

// A load carried into a later step unchanged is written again there only
// when its kind restates in that step: here a moment removed in Step-3
// restates the concentrated loads, and the carried gravity stays unwritten.
// A gravity removed in Step-2 restates the field pressure, written by
// "*Dload" as gravity is, but neither the uniform pressure ("*Dsload") nor the
// force.
TEST(aif_LoadBuilder, CarriedLoadsRestateWhenTheirKindDoes) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  for (const char* step : {"Step-1", "Step-2", "Step-3"})
    b.AddStep(step, kprC_StaticStep());
  kloC_ConcentratedForce force = LoadBuilderForce(1, -10.0);
  force.SetState("Step-2", 2, LoadBuilderState(2, {0.0, -10.0, 0.0}));
  force.SetState("Step-3", 2, LoadBuilderState(2, {0.0, -10.0, 0.0}));
  b.AddLoad("Force", force);
  kloC_Moment moment;
  rgnC_Region corner = LoadBuilderRegion("Corner", 2);
  corner.SetKernelNodeIndices(2, {0});
  moment.SetRegion(corner);
  moment.SetState("Step-1", 1, LoadBuilderState(1, {1.0, 0.0, 0.0}));
  moment.SetState("Step-2", 2, LoadBuilderState(2, {1.0, 0.0, 0.0}));
  moment.SetState("Step-3", 4, LoadBuilderState(4, {1.0, 0.0, 0.0}));
  b.AddLoad("Moment", moment);
  kloC_Gravity gravity = LoadBuilderGravity();
  gravity.SetState("Step-2", 4, LoadBuilderState(4, {0.0, -9.81, 0.0}));
  b.AddLoad("Gravity", gravity);
  kloC_Pressure pressure = LoadBuilderFieldPressure();
  pressure.SetState("Step-2", 2, LoadBuilderState(2, {2.0}));
  pressure.SetState("Step-3", 2, LoadBuilderState(2, {2.0}));
  b.AddLoad("Pressure", pressure);
  kloC_Pressure uniform = pressure;
  uniform.SetFieldName(cow_String());
  uniform.SetDistribution(0);
  b.AddLoad("Uniform", uniform);
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderCarried");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-2"),
            "** \n** LOADS\n** \n"
            "** Name: Gravity   Type: Gravity\n*Dload, op=NEW\n"
            "** Name: Pressure   Type: Pressure Using Field: Ramp\n*Dload, op=NEW\n"
            "Block-1.2, P2, 6.\n");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-3"),
            "** \n** LOADS\n** \n"
            "** Name: Force   Type: Concentrated force\n*Cload, op=NEW\n"
            "Block-1.Tip, 1, 0.\nBlock-1.Tip, 2, -10.\nBlock-1.Tip, 3, 0.\n"
            "** Name: Moment   Type: Moment\n*Cload, op=NEW\n");
}

// A restart job that resumes at the end of a step restates every kind of
// load in the step after it, and in the steps after that while the step
// just restated carries its predecessor on. Without the end-step restart
// nothing restates.
TEST(aif_LoadBuilder, RestartRestatesTheStepsItResumesWith) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  b.AddStep("Step-1", kprC_StaticStep());
  kprC_StaticStep carried;
  carried.SetContinuation(true);
  b.AddStep("Step-2", carried);
  b.AddStep("Step-3", kprC_StaticStep());
  b.AddStep("Step-4", kprC_StaticStep());
  kloC_ConcentratedForce force = LoadBuilderForce(1, -10.0);
  for (const char* step : {"Step-2", "Step-3", "Step-4"})
    force.SetState(step, 2, LoadBuilderState(2, {0.0, -10.0, 0.0}));
  b.AddLoad("Force", force);
  const std::string restated =
      "** \n** LOADS\n** \n** Name: Force   Type: Concentrated force\n*Cload, op=NEW\n"
      "Block-1.Tip, 1, 0.\nBlock-1.Tip, 2, -10.\nBlock-1.Tip, 3, 0.\n";

  b.MutableModel().SetRestart("Previous", "Step-1", 5, true);
  std::string deck = LoadBuilderDeck(b, "LoadBuilderRestart", ajbC_RESTART);
  EXPECT_EQ(deck.find("** STEP: Step-1"), std::string::npos) << deck;
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-2"), restated);
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-3"), restated);
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-4"), "");
  EXPECT_NE(deck.find("** STEP: Step-4"), std::string::npos) << deck;

  for (const bool endStep : {false, true}) {
    b.MutableModel().SetRestart("Previous", "Step-1", endStep ? -2 : 5, endStep);
    deck = LoadBuilderDeck(b, "LoadBuilderRestart", ajbC_RESTART);
    EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-2"), "") << endStep;
    EXPECT_NE(deck.find("** STEP: Step-2"), std::string::npos) << deck;
  }
  // The same model written as a full analysis restates nothing.
  deck = LoadBuilderDeck(b, "LoadBuilderRestart");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-2"), "");
}

// A model without analysis steps writes no loads and no banner; its bolts'
// sections and its submodels are still written, loads of one global element
// set and tolerances sharing one "*Submodel".
TEST(aif_LoadBuilder, WithoutAnalysisStepsSectionsAndSubmodelsOnly) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  kloC_BoltLoad bolt;
  bolt.SetRegion(LoadBuilderRegion("Cut", 1));
  bolt.SetKernelAxis(gsl_Vector(1.0, 0.0, 0.0));
  b.AddLoad("Bolt", bolt);
  auto submodel = [](const char* surface, double tolerance) {
    kloC_SubmodelStressBased load;
    load.SetRegion(LoadBuilderRegion(surface, 1));
    load.SetGlobalElset("Global");
    load.SetTolerances(0.0, tolerance);
    return load;
  };
  b.AddLoad("Sub-1", submodel("Face-1", 0.05));
  b.AddLoad("Sub-2", submodel("Face-2", 0.1));
  b.AddLoad("Sub-3", submodel("Face-3", 0.05));
  kloC_SubmodelStressBased off = submodel("Face-4", 0.05);
  off.SetSuppressed(true);
  b.AddLoad("Sub-4", off);
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderNoSteps");
  EXPECT_EQ(
      LoadBuilderSlice(deck, "*Node\n      1,           0.,           0.,           0.\n*Nset",
                       "*End Assembly\n"),
      "*Node\n      1,           0.,           0.,           0.\n"
      "*Nset, nset=_Bolt_blrn_, internal\n1, \n"
      "** Pre-Tension Section for Bolt Load: Bolt\n"
      "*Pre-tension Section, surface= Block-1.Cut, node=_Bolt_blrn_\n"
      "          1.,           0.,           0.\n"
      "*Submodel, type=SURFACE, exteriorTolerance=0.05, global elset=Global\n"
      "Block-1.Face-1, \nBlock-1.Face-3, \n"
      "*Submodel, type=SURFACE, exteriorTolerance=0.1, global elset=Global\n"
      "Block-1.Face-2, \n");
  EXPECT_EQ(deck.find("LOADS"), std::string::npos) << deck;
}

// A kind no load keyword writes stops the write when it would be written,
// and the partly written file is removed; never written (suppressed), it
// is no hindrance.
TEST(aif_LoadBuilder, UnimplementedKindStopsTheWrite) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  b.AddStep("Step-1", kprC_StaticStep());
  kloC_OtherLoad other;
  other.SetRegion(LoadBuilderRegion("All", 1));
  other.SetState("Step-1", 1, LoadBuilderState(1, {1.0}));
  other.SetSuppressed(true);
  b.AddLoad("Other", other);
  EXPECT_EQ(LoadBuilderStepLoads(LoadBuilderDeck(b, "LoadBuilderOther"), "Step-1"), "");

  other.SetSuppressed(false);
  b.AddLoad("Other", other);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  const aif_test::TempDeck deck("LoadBuilderUnimplemented");
  std::string message;
  try {
    builder.WriteInputFile(deck.Path(), false, true);
  } catch (const aif_Exception& e) {
    message = e.Message().Str();
  }
  EXPECT_EQ(message, "Unimplemented load type conversion");
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
}

namespace {

// A surface concentration flux of 3 on faces S1 and S2 of Block-1 and S1 of
// Block-2, created in Step-1 and carried into Step-2; a body heat flux
// created in Step-1 and removed in Step-2.
hst_ModelBuilder LoadBuilderFaceFluxModel() {
  hst_ModelBuilder b = LoadBuilderModel(false);
  // The assembly already holds an element set of the first face set's name.
  rgnC_Region taken("_Flux_S1", {});
  taken.SetKernelElementIndices(1, {0});
  rgnF_Set set(taken);
  set.SetName("_Flux_S1");
  set.typeMask = rgnF_Set::kElementSet;
  b.Assembly().FeatureList().Add(set);
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  kloC_SurfaceConcentrationFlux flux;
  rgnC_Region skin("Skin", {"Assembly"});
  skin.SetKernelInstanceIds({1, 2});
  skin.SetKernelElementIndices(1, {0, 1}, {"S1", "S2"});
  skin.SetKernelElementIndices(2, {0}, {"S1"});
  flux.SetRegion(skin);
  flux.SetState("Step-1", 1, LoadBuilderState(1, {3.0}));
  flux.SetState("Step-2", 2, LoadBuilderState(2, {3.0}));
  b.AddLoad("Flux", flux);
  kloC_BodyHeatFlux heat;
  heat.SetRegion(LoadBuilderRegion("All", 2));
  heat.SetState("Step-1", 1, LoadBuilderState(1, {5.0}));
  heat.SetState("Step-2", 4, LoadBuilderState(4, {5.0}));
  b.AddLoad("Heat", heat);
  return b;
}

}  // namespace

// A surface concentration flux without a field writes one "*Dflux" per face,
// each on an element set of that face's elements that the deck defines once
// (a taken name gets "_1"). It restates with the body fluxes, whose keyword
// it shares: the body heat flux removed in Step-2 rewrites it there.
TEST(aif_LoadBuilder, FaceFluxesOnTheirOwnSets) {
  const hst_ModelBuilder b = LoadBuilderFaceFluxModel();
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderFaceFlux");
  EXPECT_EQ(LoadBuilderSlice(deck, "*Elset, elset=_Flux_S1_1", "*End Assembly\n"),
            "*Elset, elset=_Flux_S1_1, internal, instance=Block-1\n 1,\n"
            "*Elset, elset=_Flux_S1_1, internal, instance=Block-2\n 1,\n"
            "*Elset, elset=_Flux_S2, internal, instance=Block-1\n 2,\n");
  const std::string fluxes =
      "*Dflux\n_Flux_S1_1, S1, 3.\n"
      "*Dflux\n_Flux_S2, S2, 3.\n";
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-1"),
            "** \n** LOADS\n** \n"
            "** Name: Flux   Type: Surface concentration flux\n" +
                fluxes + "** Name: Heat   Type: Body heat flux\n*Dflux\nBlock-2.All, BF, 5.\n");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-2"),
            "** \n** LOADS\n** \n"
            "** Name: Flux   Type: Surface concentration flux\n"
            "*Dflux, op=NEW\n_Flux_S1_1, S1, 3.\n"
            "*Dflux, op=NEW\n_Flux_S2, S2, 3.\n"
            "** Name: Heat   Type: Body heat flux\n*Dflux, op=NEW\n");
  // A restart job defines the sets with its model definitions, ahead of the
  // history it writes.
  hst_ModelBuilder restart = LoadBuilderFaceFluxModel();
  restart.MutableModel().SetRestart("Previous", "Step-1", -2, false);
  const std::string restarted = LoadBuilderDeck(restart, "LoadBuilderFaceFlux", ajbC_RESTART);
  EXPECT_EQ(LoadBuilderSlice(restarted, "*Elset, elset=Assembly._Flux_S1_1", "** ----"),
            "*Elset, elset=Assembly._Flux_S1_1, internal, instance=Block-1\n 1,\n"
            "*Elset, elset=Assembly._Flux_S1_1, internal, instance=Block-2\n 1,\n"
            "*Elset, elset=Assembly._Flux_S2, internal, instance=Block-1\n 2,\n");
  EXPECT_EQ(LoadBuilderStepLoads(restarted, "Step-2"),
            "** \n** LOADS\n** \n"
            "** Name: Flux   Type: Surface concentration flux\n"
            "*Dflux, op=NEW\nAssembly._Flux_S1_1, S1, 3.\n"
            "*Dflux, op=NEW\nAssembly._Flux_S2, S2, 3.\n"
            "** Name: Heat   Type: Body heat flux\n*Dflux, op=NEW\n");
}

namespace {

// A load of `Kind` on the faces S2 of Block-1's upper brick (`surface`), created in
// Step-1 with magnitude `value`: uniform, or (`field`) distributed by the
// field "Ramp".
template <class Kind>
Kind LoadBuilderSurfaceLoad(double value, bool field, const char* surface = "Top") {
  Kind load;
  rgnC_Region top = LoadBuilderRegion(surface, 1);
  top.SetKernelElementIndices(1, {1}, {"S2"});
  top.SetKernelNodeIndices(1, {8, 9, 10, 11});
  load.SetRegion(top);
  if (field) {
    load.SetFieldName("Ramp");
    load.SetDistribution(2);
  }
  load.SetState("Step-1", 1, LoadBuilderState(1, {value}));
  return load;
}

}  // namespace

// The flux, flow, current, charge and connector kinds each reach their
// keyword; the surface kinds take the surface keyword when uniform and the
// element keyword when a field distributes them.
TEST(aif_LoadBuilder, DispatchOfFluxFlowCurrentChargeAndConnectorLoads) {
  hst_ModelBuilder b = LoadBuilderModel(false);
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddLoad("A-HeatFlux", LoadBuilderSurfaceLoad<kloC_SurfaceHeatFlux>(1.0, false));
  b.AddLoad("B-HeatFluxField", LoadBuilderSurfaceLoad<kloC_SurfaceHeatFlux>(1.0, true));
  b.AddLoad("C-Flow", LoadBuilderSurfaceLoad<kloC_SurfacePoreFluid>(2.0, false));
  b.AddLoad("D-FlowField", LoadBuilderSurfaceLoad<kloC_SurfacePoreFluid>(2.0, true));
  b.AddLoad("E-Charge", LoadBuilderSurfaceLoad<kloC_SurfaceCharge>(3.0, false));
  b.AddLoad("F-ChargeField", LoadBuilderSurfaceLoad<kloC_SurfaceCharge>(3.0, true));
  b.AddLoad("G-Current", LoadBuilderSurfaceLoad<kloC_SurfaceCurrent>(4.0, false));
  b.AddLoad("H-CurrentField", LoadBuilderSurfaceLoad<kloC_SurfaceCurrent>(4.0, true));
  b.AddLoad("I-PointFlux", LoadBuilderSurfaceLoad<kloC_ConcentratedHeatFlux>(5.0, false));
  b.AddLoad("J-PointCharge", LoadBuilderSurfaceLoad<kloC_ConcentratedCharge>(6.0, false));
  b.AddLoad("K-PointCurrent", LoadBuilderSurfaceLoad<kloC_ConcentratedCurrent>(7.0, false));
  b.AddLoad("L-Cavity", LoadBuilderSurfaceLoad<kloC_HydroFluidFlow>(8.0, false));
  b.AddLoad("M-Connector", LoadBuilderSurfaceLoad<kloC_ConnectorForce>(9.0, false));
  // On a surface of its own: on the heat flux's it would overlap it, both
  // written by "*Dflux".
  b.AddLoad("N-ConcentrationField",
            LoadBuilderSurfaceLoad<kloC_SurfaceConcentrationFlux>(1.5, true, "Side"));
  const std::string deck = LoadBuilderDeck(b, "LoadBuilderFluxes");
  EXPECT_EQ(LoadBuilderStepLoads(deck, "Step-1"),
            "** \n** LOADS\n** \n"
            "** Name: A-HeatFlux   Type: Surface heat flux\n*Dsflux\nBlock-1.Top, S, 1.\n"
            "** Name: B-HeatFluxField   Type: Surface heat flux Using Field: Ramp\n"
            "*Dflux\nBlock-1.2, S2, 3.\n"
            "** Name: C-Flow   Type: Surface pore fluid\n*Dsflow\nBlock-1.Top, S, 2.\n"
            "** Name: D-FlowField   Type: Surface pore fluid Using Field: Ramp\n"
            "*Dflow\nBlock-1.2, S2, 6.\n"
            "** Name: E-Charge   Type: Surface charge\n*Dsecharge\nBlock-1.Top,ES,3.\n"
            "** Name: F-ChargeField   Type: Surface charge Using Field: Ramp\n"
            "*Decharge\nBlock-1.2,ES2, 7.5\n"
            "** Name: G-Current   Type: Surface current\n*Dsecurrent\nBlock-1.Top,CS,4.\n"
            "** Name: H-CurrentField   Type: Surface current Using Field: Ramp\n"
            "*Decurrent\nBlock-1.2,CS2, 10.\n"
            "** Name: I-PointFlux   Type: Concentrated heat flux\n*Cflux\nBlock-1.Top, 11, 5.\n"
            "** Name: J-PointCharge   Type: Concentrated charge\n*Cecharge\nBlock-1.Top, ,6.\n"
            "** Name: K-PointCurrent   Type: Concentrated current\n"
            "*Cecurrent\nBlock-1.Top, ,7.\n"
            "** Name: L-Cavity   Type: Fluid cavity flux\n*Fluid Flux\nBlock-1.Top, 8.\n"
            "** Name: M-Connector   Type: Connector force\n*Connector Load\nBlock-1.Top, 1, 9.\n"
            "** Name: N-ConcentrationField   Type: Surface concentration flux Using Field: Ramp\n"
            "*Dflux\nBlock-1.2, S2, 4.5\n");
}
