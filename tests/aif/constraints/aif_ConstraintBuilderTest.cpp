// The constraint builder at builder level: what a rigid body names, what an
// empty or wholly suppressed repository files, and what is left filed when an
// unknown kind stops the build.
#include "aif/impl/constraints/aif_ConstraintBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "aif/conditions/aif_ColumnDeckModel.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_FaultLoops.h"

namespace {

using ConstraintBuilderRun = aif_test::BuilderRun<aif_ConstraintBuilder>;

rgnC_Region ConstraintBuilderBase(unsigned instance) {
  return ColumnDeckRegion("Base", instance, {0, 1, 2, 3});
}

}  // namespace

TEST(aif_ConstraintBuilder, RigidBodyOptionsFromItsRegionsAndFlags) {
  hst_ModelBuilder b = ColumnDeckModel();
  kcoC_RigidBody body;
  body.SetRegion(kcoC_RigidBody::kRefPoint, ConstraintBuilderBase(1));
  body.SetRegion(kcoC_RigidBody::kTie, ColumnDeckRegion("Top", 2, {8, 9, 10, 11}));
  // A pin set the kernel no longer finds is left out, like an empty one.
  rgnC_Region gone = ColumnDeckRegion("Top", 1, {8, 9, 10, 11});
  gone.SetKernelValid(false);
  body.SetRegion(kcoC_RigidBody::kPin, gone);
  body.SetAnalyticalSurface(rgnC_Region("Face", {"Assembly"}));
  body.SetCenterOfMass(true);
  b.AddConstraint("Body", body);

  kcoC_RigidBody bare;
  bare.SetRegion(kcoC_RigidBody::kRefPoint, ConstraintBuilderBase(2));
  b.AddConstraint("Bare", bare);

  const ConstraintBuilderRun run(b);
  EXPECT_EQ(ConstraintBuilderRun::Text(run.builder.AssemblyDefinition()),
            "** Constraint: Bare\n"
            "*Rigid Body, ref node=Block-2.Base\n"
            "** Constraint: Body\n"
            "*Rigid Body, ref node=Block-1.Base, tie nset=Block-2.Top, analytical surface=Face, "
            "position=CENTER OF MASS\n");
  EXPECT_EQ(ConstraintBuilderRun::Text(run.builder.ModelDefinition()), "");
}

TEST(aif_ConstraintBuilder, NothingFiledWithoutLiveConstraints) {
  hst_ModelBuilder b = ColumnDeckModel();
  EXPECT_EQ(ConstraintBuilderRun::Text(ConstraintBuilderRun(b).builder.AssemblyDefinition()), "");
  // A suppressed constraint of a kind no keyword writes is passed over
  // before its kind is asked.
  kcoC_Constraint odd;
  odd.SetSuppressed(true);
  b.AddConstraint("Odd", odd);
  EXPECT_EQ(ConstraintBuilderRun::Text(ConstraintBuilderRun(b).builder.AssemblyDefinition()), "");
}

TEST(aif_ConstraintBuilder, UnknownKindStopsTheBuildAfterWhatCameBefore) {
  hst_ModelBuilder b = ColumnDeckModel();
  b.AddConstraint("A",
                  kcoC_MPC(ConstraintBuilderBase(1), ConstraintBuilderBase(2), kcoC_MPC::kPin));
  b.AddConstraint("B",
                  kcoC_AdjustPoints(ConstraintBuilderBase(1), rgnC_Region("Face", {"Assembly"})));
  b.AddConstraint("C",
                  kcoC_MPC(ConstraintBuilderBase(2), ConstraintBuilderBase(1), kcoC_MPC::kLink));
  b.AddConstraint("D", kcoC_Constraint());
  b.AddConstraint("E",
                  kcoC_MPC(ConstraintBuilderBase(2), ConstraintBuilderBase(1), kcoC_MPC::kTie));
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_ConstraintBuilder builder(info);
  std::string error;
  try {
    builder.Build();
  } catch (const aif_Exception& e) {
    error = e.Message().Str();
  }
  EXPECT_EQ(error, "Unimplemented constraint type.");
  EXPECT_EQ(ConstraintBuilderRun::Text(builder.AssemblyDefinition()),
            "** Constraint: A\n*MPC\nPIN, Block-1.Base, Block-2.Base\n"
            "** Constraint: B\n*Adjust, node set=Block-1.Base, surface=Face\n"
            "** Constraint: C\n*MPC\nLINK, Block-2.Base, Block-1.Base\n");
}

TEST(aif_ConstraintBuilder, DisplayBodiesOnlyOfLiveInstances) {
  hst_ModelBuilder b = ColumnDeckModel();
  hst_ModelBuilder::InstanceOptions suppressed;
  suppressed.active = false;
  const unsigned off = b.AddInstance("Block-3", "Block", suppressed);
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  const unsigned out = b.AddInstance("Block-4", "Block", excluded);
  b.AddConstraint("Display-1", kcoC_DisplayBody(1));
  b.AddConstraint("Display-3", kcoC_DisplayBody(off));
  b.AddConstraint("Display-4", kcoC_DisplayBody(out));
  b.AddConstraint("Display-9", kcoC_DisplayBody(99));
  const ConstraintBuilderRun run(b);
  EXPECT_EQ(ConstraintBuilderRun::Text(run.builder.AssemblyDefinition()),
            "** Constraint: Display-1\n*Display Body, instance=Block-1\n");
}

// A tie or coupling writes its name on its keyword line: a name with an
// unpaired quote stops the write before anything of it is filed, and no
// file is left. An equation, which writes no name, is written.
TEST(aif_ConstraintBuilder, NamesTheLineCannotCarryAreRefused) {
  hst_ModelBuilder b = ColumnDeckModel();
  b.AddConstraint("Tip\"1", kcoC_Coupling(ConstraintBuilderBase(1), ConstraintBuilderBase(2), 0));
  const std::string path =
      (std::filesystem::temp_directory_path() / "aif_ConstraintNameQuote.inp").string();
  EXPECT_EQ(
      "The constraint name Tip\"1 holds an unpaired double quote and cannot be written to the "
      "input file.",
      aif_test::DriverWriteError(b, path));
  EXPECT_FALSE(std::filesystem::exists(path));

  hst_ModelBuilder equation = ColumnDeckModel();
  equation.AddConstraint("Eq\"1", kcoC_Equation({kcoC_EquationTerm{1.0, "Block-1.Base", 1}}));
  EXPECT_EQ("", aif_test::DriverWriteError(equation, path));
  std::filesystem::remove(path);
}
