// The load builder through the driver: the loads of each step (or load case)
// as the deck carries them, the bolt loads' assembly definitions and the
// submodels, for part-based and flat decks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
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
                  (flat ? "" : "Block-1.") + "2, P2, 6.\n")
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
