// Constraints in whole decks, part-based and flat: every kind, added out of
// name order, written in name order after a comment naming each; suppressed
// constraints and display bodies of deleted instances write nothing; the
// errors that stop the write leave no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"
#include "OdbAttrEO/kcoC_EmbeddedRegion.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kcoC_ShellSolidCoupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/conditions/aif_ColumnDeckModel.h"
#include "aif/interactions/aif_PartSurface.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

// A column of two bricks placed twice, Block-2 moved by 3 along x, with the
// part's node sets Base (nodes 0 to 3) and Top (8 to 11), its surfaces Upper
// (the upper brick's upper face) and Lower (the lower brick's lower face) and
// its element set Brick (the upper brick); Step-1.
hst_ModelBuilder ConstraintColumnModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  const auto addSet = [&b](const char* name, unsigned featureId, int typeMask, bool elements,
                           std::initializer_list<int> indices) {
    rgnC_Region partRegion(name, {"Block"});
    for (int instance : {1, 2}) {
      if (elements)
        partRegion.SetKernelElementIndices(instance, indices);
      else
        partRegion.SetKernelNodeIndices(instance, indices);
    }
    rgnF_Set set(partRegion);
    set.SetId(featureId);
    set.SetName(name);
    set.typeMask = typeMask;
    b.MutablePart("Block").FeatureList().Add(set);
  };
  addSet("Base", 40, rgnF_Set::kNodeSet, false, {0, 1, 2, 3});
  addSet("Top", 41, rgnF_Set::kNodeSet, false, {8, 9, 10, 11});
  addSet("Brick", 42, rgnF_Set::kElementSet, true, {1});
  aif_AddPartSurface(b, "Block", "Upper", 43, 1, "S2", {1, 2});
  aif_AddPartSurface(b, "Block", "Lower", 44, 0, "S1", {1, 2});
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Block-2", "Block", placed);
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

rgnC_Region ConstraintDeckRegion(const char* name, unsigned instance) {
  return rgnC_Region(name, {"Assembly", instance == 1 ? "Block-1" : "Block-2"});
}

// The column model with one constraint of every kind, added in an order
// unlike their names'; a suppressed tie and a display body of an instance
// that no longer exists.
hst_ModelBuilder ConstraintDeckModel(bool withDisplayBody) {
  hst_ModelBuilder b = ConstraintColumnModel();
  const rgnC_Region top1 = ColumnDeckRegion("Top", 1, {8, 9, 10, 11});
  const rgnC_Region base2 = ColumnDeckRegion("Base", 2, {0, 1, 2, 3});
  const rgnC_Region upper1 = ConstraintDeckRegion("Upper", 1);
  const rgnC_Region lower2 = ConstraintDeckRegion("Lower", 2);

  kcoC_Tie tie;
  tie.SetRegions(upper1, lower2);
  b.AddConstraint("Z-Tie", tie);

  kcoC_Tie suppressed;
  suppressed.SetRegions(upper1, lower2);
  suppressed.SetSuppressed(true);
  b.AddConstraint("Y-Suppressed", suppressed);

  kcoC_MPC mpc(top1, base2, kcoC_MPC::kBeam);
  b.AddConstraint("P-Mpc", mpc);

  kcoC_Coupling kinematic(base2, upper1, kcoC_Coupling::kKinematic);
  kinematic.SetDofs({true, true, false, false, false, true});
  kinematic.SetAdjust(true);
  b.AddConstraint("M-Kinematic", kinematic);

  kcoC_Coupling distributing(base2, lower2, kcoC_Coupling::kDistributing);
  distributing.SetWeightingMethod(kcoC_Coupling::kQuadratic);
  b.AddConstraint("D-Distributing", distributing);

  kcoC_RigidBody body;
  body.SetRegion(kcoC_RigidBody::kRefPoint, base2);
  body.SetRegion(kcoC_RigidBody::kBody, ConstraintDeckRegion("Brick", 2));
  body.SetIsothermal(true);
  b.AddConstraint("R-Rigid", body);

  kcoC_Equation equation({{1.0, "Block-1.Top", 1}, {-1.0, "Block-2.Base", 1}});
  b.AddConstraint("A-Equation", equation);

  b.AddConstraint("J-Adjust", kcoC_AdjustPoints(top1, upper1));
  b.AddConstraint("E-Embedded", kcoC_EmbeddedRegion(ConstraintDeckRegion("Brick", 1),
                                                    ConstraintDeckRegion("Brick", 2)));

  kcoC_ShellSolidCoupling shell;
  shell.SetRegions(lower2, upper1);
  b.AddConstraint("S-Shell", shell);

  // Instance 99 was deleted: no comment, no keyword.
  b.AddConstraint("B-Gone", kcoC_DisplayBody(99));
  if (withDisplayBody) b.AddConstraint("C-Display", kcoC_DisplayBody(1));
  return b;
}

class ConstraintDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return ConstraintDeckModel(false); }
};

TEST_F(ConstraintDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/constraints/golden/constraints_part_based.inp",
                    "aif/constraints/golden/constraints_flat.inp");
}

TEST_F(ConstraintDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

// The constraint lines of `deck`: from the first "** Constraint:" comment up
// to the next line that is neither a constraint's nor a comment's.
std::string ConstraintDeckLines(const std::string& deck) {
  const std::size_t from = deck.find("** Constraint:");
  if (from == std::string::npos) return std::string();
  return deck.substr(from, deck.find("*End Assembly", from) - from);
}

TEST_F(ConstraintDeck, DisplayBodyOfALiveInstanceIsWritten) {
  // A display body of a live instance is written part-based.
  hst_ModelBuilder b = ConstraintDeckModel(true);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  ASSERT_TRUE(builder.WriteInputFile(path_, false, true));
  const std::string lines = ConstraintDeckLines(aif_test::ReadFile(path_));
  EXPECT_NE(lines.find("** Constraint: C-Display\n*Display Body, instance=Block-1\n"),
            std::string::npos)
      << lines;
  EXPECT_EQ(lines.find("B-Gone"), std::string::npos) << lines;
  EXPECT_EQ(lines.find("Y-Suppressed"), std::string::npos) << lines;
}

TEST_F(ConstraintDeck, ErrorsStopTheWriteAndLeaveNoFile) {
  // A constraint of a kind no keyword writes, after three written ones.
  {
    hst_ModelBuilder b = ConstraintColumnModel();
    const rgnC_Region top1 = ColumnDeckRegion("Top", 1, {8, 9, 10, 11});
    const rgnC_Region base2 = ColumnDeckRegion("Base", 2, {0, 1, 2, 3});
    kcoC_Tie tie;
    tie.SetRegions(top1, base2);
    b.AddConstraint("A-Tie", tie);
    b.AddConstraint("B-Mpc", kcoC_MPC(top1, base2, kcoC_MPC::kPin));
    b.AddConstraint("C-Adjust", kcoC_AdjustPoints(base2, top1));
    b.AddConstraint("D-Other", kcoC_Constraint());
    std::ofstream(path_) << "old deck\n";
    EXPECT_EQ(aif_test::DriverWriteError(b, path_), "Unimplemented constraint type.");
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
  // A display body cannot be written without parts.
  {
    hst_ModelBuilder b = ConstraintDeckModel(true);
    b.Assembly().SetRequiresFlatInputFile(true);
    EXPECT_EQ(aif_test::DriverWriteError(b, path_),
              "Display body constraints exist in the current model.\nAn input file with no "
              "parts cannot be generated.");
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
  // A rigid body whose reference point was deleted names itself.
  {
    hst_ModelBuilder b = ConstraintColumnModel();
    rgnC_Region point = ColumnDeckRegion("Base", 2, {0, 1, 2, 3});
    point.SetKernelValid(false);
    kcoC_RigidBody body;
    body.SetRegion(kcoC_RigidBody::kRefPoint, point);
    body.SetRegion(kcoC_RigidBody::kBody, ColumnDeckRegion("Top", 2, {8, 9, 10, 11}));
    b.AddConstraint("Rigid 1", body);
    EXPECT_EQ(aif_test::DriverWriteError(b, path_),
              "The reference point of the rigid body Rigid 1 no longer exists.");
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
  // So does an adjustment whose node set or surface was deleted.
  for (bool pointsGone : {true, false}) {
    hst_ModelBuilder b = ConstraintColumnModel();
    rgnC_Region points = ColumnDeckRegion("Base", 2, {0, 1, 2, 3});
    rgnC_Region surface = ColumnDeckRegion("Top", 1, {8, 9, 10, 11});
    (pointsGone ? points : surface).SetKernelValid(false);
    b.AddConstraint("Adjust 1", kcoC_AdjustPoints(points, surface));
    std::ofstream(path_) << "old deck\n";
    EXPECT_EQ(aif_test::DriverWriteError(b, path_),
              pointsGone ? "The node set of the adjustment Adjust 1 no longer exists."
                         : "The surface of the adjustment Adjust 1 no longer exists.");
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
}

// A tie, a multi-point constraint, an embedded region and a shell-to-solid
// coupling whose region the kernel no longer finds stop the write naming
// the constraint and what is gone, part-based and flat, and leave no file.
// An embedded region without a host region is hosted by the whole model:
// it is written.
TEST_F(ConstraintDeck, DeletedRegionsOfTiesMpcsEmbeddedRegionsAndShellCouplingsStopTheWrite) {
  const auto gone = [](rgnC_Region region) {
    region.SetKernelValid(false);
    return region;
  };
  const rgnC_Region upper1 = ConstraintDeckRegion("Upper", 1);
  const rgnC_Region lower2 = ConstraintDeckRegion("Lower", 2);
  const rgnC_Region top1 = ColumnDeckRegion("Top", 1, {8, 9, 10, 11});
  const rgnC_Region base2 = ColumnDeckRegion("Base", 2, {0, 1, 2, 3});
  const rgnC_Region brick1 = ConstraintDeckRegion("Brick", 1);
  const rgnC_Region brick2 = ConstraintDeckRegion("Brick", 2);
  struct Case {
    const char* name;
    std::function<kcoC_Constraint*()> make;
    const char* error;
  };
  const std::vector<Case> cases = {
      {"T",
       [&] {
         auto* tie = new kcoC_Tie;
         tie->SetRegions(gone(upper1), lower2);
         return tie;
       },
       "The main surface of the tie T no longer exists."},
      {"Tie 2",
       [&] {
         auto* tie = new kcoC_Tie;
         tie->SetRegions(upper1, gone(lower2));
         return tie;
       },
       "The secondary surface of the tie Tie 2 no longer exists."},
      {"Mpc-1", [&] { return new kcoC_MPC(top1, gone(base2), kcoC_MPC::kBeam); },
       "The control point of the multi-point constraint Mpc-1 no longer exists."},
      {"Mpc-2", [&] { return new kcoC_MPC(gone(top1), base2, kcoC_MPC::kTie); },
       "The constrained region of the multi-point constraint Mpc-2 no longer exists."},
      {"Emb-1", [&] { return new kcoC_EmbeddedRegion(gone(brick1), brick2); },
       "The host region of the embedded region constraint Emb-1 no longer exists."},
      {"Emb-2", [&] { return new kcoC_EmbeddedRegion(brick1, gone(brick2)); },
       "The embedded region of the embedded region constraint Emb-2 no longer exists."},
      {"Emb-3", [&] { return new kcoC_EmbeddedRegion(rgnC_Region(), gone(brick2)); },
       "The embedded region of the embedded region constraint Emb-3 no longer exists."},
      {"Shell-1",
       [&] {
         auto* shell = new kcoC_ShellSolidCoupling;
         shell->SetRegions(gone(lower2), upper1);
         return shell;
       },
       "The shell edge of the shell-to-solid coupling Shell-1 no longer exists."},
      {"Shell-2",
       [&] {
         auto* shell = new kcoC_ShellSolidCoupling;
         shell->SetRegions(lower2, gone(upper1));
         return shell;
       },
       "The solid surface of the shell-to-solid coupling Shell-2 no longer exists."},
  };
  for (const Case& c : cases) {
    for (bool flat : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (flat ? " flat" : " part-based"));
      hst_ModelBuilder b = ConstraintColumnModel();
      // A sound constraint before the broken one changes nothing.
      b.AddConstraint("A-Equation",
                      kcoC_Equation({{1.0, "Block-1.Top", 1}, {-1.0, "Block-2.Base", 1}}));
      const std::unique_ptr<kcoC_Constraint> constraint(c.make());
      b.AddConstraint(c.name, *constraint);
      b.Assembly().SetRequiresFlatInputFile(flat);
      std::ofstream(path_) << "old deck\n";
      EXPECT_EQ(aif_test::DriverWriteError(b, path_), c.error);
      EXPECT_FALSE(std::filesystem::exists(path_));
    }
  }

  // No host region: the whole model hosts, and the embedded elements are
  // written.
  hst_ModelBuilder b = ConstraintColumnModel();
  b.AddConstraint("Emb-4", kcoC_EmbeddedRegion(rgnC_Region(), brick2));
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  ASSERT_TRUE(builder.WriteInputFile(path_, false, true));
  EXPECT_EQ(ConstraintDeckLines(aif_test::ReadFile(path_)),
            "** Constraint: Emb-4\n*Embedded Element\nBlock-2.Brick\n");
}

}  // namespace
