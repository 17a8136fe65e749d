#include "chk/impl/chk_RigidSurfaceCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kcoC_Constraint.h"

namespace {

using RigidSurfaceFindings = chk_test::Findings;

RigidSurfaceFindings RigidSurfaceRun(const hst_ModelBuilder& b) {
  chk_RigidSurfaceCheck check(b.Model(), "Rigid-Model");
  check.Run();
  RigidSurfaceFindings findings = chk_test::FindingsOf(check);
  bas_Basis::Instance().Fetch().RemoveModel("Rigid-Model");
  return findings;
}

std::string RigidSurfaceMissingPoint(const std::string& instance) {
  return "The rigid part instance " + instance +
         " is missing a reference point.\n\nEither assign a reference point to the "
         "corresponding part,\nor include the entire part instance in a rigid body constraint.";
}

// A geometric surface `name` (feature `id`) whose components lie on `side`,
// on the instances `on` (assembly surfaces), made by the application when
// `internal`.
rgnF_GeomSurface RigidSurfaceGeom(unsigned id, const cow_String& name, int side,
                                  cow_List<unsigned> on = {}, bool internal = false) {
  rgnC_Region region(name, {});
  region.SetKernelInstanceIds(std::move(on));
  region.SetKernelSides({side, -side});  // only the first component's side counts
  rgnF_GeomSurface surface(region);
  surface.SetId(id);
  surface.SetName(name);
  surface.internalMark = internal;
  return surface;
}

cow_String RigidSurfaceName(const char* stem, unsigned number) {
  std::string name = stem;
  name += std::to_string(number);
  return cow_String(name);
}

// A text as the marking translator of the sketch test returns it.
std::string RigidSurfaceMarked(const std::string& text) {
  std::string marked = "<";
  marked += text;
  marked += ">";
  return marked;
}

kcoC_RigidBody RigidSurfaceBody(kcoC_RigidBody::Role role, cow_List<unsigned> covered,
                                bool valid = true) {
  rgnC_Region region("Covered", {"Assembly"});
  region.SetKernelInstanceIds(std::move(covered));
  region.SetKernelValid(valid);
  kcoC_RigidBody body;
  body.SetRegion(role, region);
  return body;
}

// Discrete rigid instances R-1 to R-4 (ids 1 to 4) of a part without a
// reference point, P-1 of a part with one, B-1 of a deformable part.
hst_ModelBuilder RigidSurfaceDiscreteModel() {
  hst_ModelBuilder b("Rigid-Model");
  b.AddPart("Rigid", hst_GridMesh(1, 1, 1), ptoK_DISCRETE_RIGID);
  b.AddPart("Pointed", hst_GridMesh(1, 1, 1), ptoK_DISCRETE_RIGID, ptoK_SPACE_3D, 1);
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  for (const char* name : {"R-1", "R-2", "R-3", "R-4"})
    b.AddInstance(name, "Rigid");
  b.AddInstance("P-1", "Pointed");
  b.AddInstance("B-1", "Block");
  return b;
}

}  // namespace

TEST(chk_RigidSurfaceCheckTest, ReferencePointErrorUnlessARigidBodyCoversTheInstance) {
  hst_ModelBuilder b = RigidSurfaceDiscreteModel();
  b.AddConstraint("Body-Pin", RigidSurfaceBody(kcoC_RigidBody::kPin, {2}));
  b.AddConstraint("Body-Tie", RigidSurfaceBody(kcoC_RigidBody::kTie, {3}));
  kcoC_RigidBody off = RigidSurfaceBody(kcoC_RigidBody::kBody, {1});
  off.SetSuppressed(true);  // covers nothing
  b.AddConstraint("Body-Off", off);
  b.AddConstraint("Body-Stale", RigidSurfaceBody(kcoC_RigidBody::kRefPoint, {4}, false));
  const RigidSurfaceFindings findings = RigidSurfaceRun(b);
  EXPECT_EQ(
      (std::vector<std::string>{RigidSurfaceMissingPoint("R-1"), RigidSurfaceMissingPoint("R-4")}),
      findings.errors);
  EXPECT_TRUE(findings.warnings.empty());

  // The covering ids collected by the run travel with a clone.
  hst_ModelBuilder covered = RigidSurfaceDiscreteModel();
  covered.AddConstraint("Body", RigidSurfaceBody(kcoC_RigidBody::kRefPoint, {1, 4}));
  chk_RigidSurfaceCheck check(covered.Model(), "Rigid-Model");
  check.Run();
  bas_Basis::Instance().Fetch().RemoveModel("Rigid-Model");
  std::unique_ptr<chk_RigidSurfaceCheck> clone(check.Clone());
  EXPECT_EQ((cow_List<unsigned>{1, 4}), clone->RigidBodyInstances());
  ASSERT_EQ(2u, clone->Errors().Length());
  EXPECT_EQ(RigidSurfaceMissingPoint("R-2"), clone->Errors()[0].Str());
  EXPECT_EQ(RigidSurfaceMissingPoint("R-3"), clone->Errors()[1].Str());

  // No assembly, or one out of date: the mesh check's findings, none here.
  hst_ModelBuilder none = RigidSurfaceDiscreteModel();
  none.WithoutAssembly();
  EXPECT_TRUE(RigidSurfaceRun(none).errors.empty());
  hst_ModelBuilder stale = RigidSurfaceDiscreteModel();
  stale.Assembly().SetOutOfDate(true);
  EXPECT_TRUE(RigidSurfaceRun(stale).errors.empty());
}

TEST(chk_RigidSurfaceCheckTest, AnalyticInstanceWithoutSurfacesAndItsSketchMessage) {
  hst_ModelBuilder b("Rigid-Model");
  b.AddPart("Wall", nullptr, ptoK_ANALYTIC_RIGID);
  b.MutablePart("Wall").SetSketchInvalidMessage("Sketch of part Wall: 50% open\n%s");
  b.AddInstance("W-1", "Wall");
  // A surface of the assembly on another instance does not count for W-1.
  b.AddPart("Roof", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, 1);
  const unsigned roof = b.AddInstance("Roof-1", "Roof");
  b.Assembly().FeatureList().Add(RigidSurfaceGeom(100, "Top", 1, {roof}));

  const atr_Translator before =
      atr_SetTranslator([](const cow_String& t) { return "<" + t.Str() + ">"; });
  const RigidSurfaceFindings findings = RigidSurfaceRun(b);
  atr_SetTranslator(before);
  // Surfaces first, then the sketch (its message as the test gave it, not
  // translated), then the reference point.
  EXPECT_EQ((std::vector<std::string>{"Sketch of part Wall: 50% open\n%s",
                                      RigidSurfaceMarked(RigidSurfaceMissingPoint("W-1"))}),
            findings.errors);
  EXPECT_EQ((std::vector<std::string>{
                "<Instance W-1 is an analytical rigid part instance and has not been referred "
                "to\nby any surface or attribute (such as a load or interaction). No surface "
                "will \nbe generated  in the input file for this instance.\n>"}),
            findings.warnings);
}

TEST(chk_RigidSurfaceCheckTest, SurfacesOnBothSides) {
  // Roll-1 (id 1): two assembly surfaces on it, given in reverse id order,
  // seven named and one internal surface on its part; the last named one on
  // the other side.
  hst_ModelBuilder b("Rigid-Model");
  b.AddPart("Roller", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, 1);
  for (unsigned i = 1; i <= 7; ++i)
    b.MutablePart("Roller").FeatureList().Add(
        RigidSurfaceGeom(10 + i, RigidSurfaceName("S", i), i == 7 ? -1 : 1));
  b.MutablePart("Roller").FeatureList().Add(RigidSurfaceGeom(20, "_Picked", 1, {}, true));
  b.AddPart("Other", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, 1);
  const unsigned roll = b.AddInstance("Roll-1", "Roller");
  const unsigned other = b.AddInstance("Other-1", "Other");
  b.Assembly().FeatureList().Add(RigidSurfaceGeom(300, "AsmB", 1, {other, roll}));
  b.Assembly().FeatureList().Add(RigidSurfaceGeom(200, "AsmA", 1, {roll}));
  b.Assembly().FeatureList().Add(RigidSurfaceGeom(250, "OnOther", 1, {other}));
  const RigidSurfaceFindings findings = RigidSurfaceRun(b);
  EXPECT_EQ(
      (std::vector<std::string>{
          "The analytic rigid part instance \"Roll-1\" has surfaces defined on both sides.\n"
          "This is not allowed.\n"
          "Surfaces defined on this instance are:\n"
          " AsmA, AsmB, Roll-1.S1, Roll-1.S2, \n"
          "Roll-1.S3, Roll-1.S4, Roll-1.S5, Roll-1.S6, \n"
          "Roll-1.S7\n"
          "Internal surfaces (1 in number) have been defined by picking this instance\n"
          "for creation of contact interactions, tie constraints or rigid body constraints.\n"}),
      findings.errors);
  // Other-1: AsmB and OnOther, both on one side.
  EXPECT_TRUE(findings.warnings.empty());
}

TEST(chk_RigidSurfaceCheckTest, InternalSurfacesOnlyAndSurfacesOnOneSide) {
  hst_ModelBuilder b("Rigid-Model");
  b.AddPart("Inside", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, 1);
  b.MutablePart("Inside").FeatureList().Add(RigidSurfaceGeom(1, "_CP-1", 1, {}, true));
  b.MutablePart("Inside").FeatureList().Add(RigidSurfaceGeom(2, "_Tie-1", -1, {}, true));
  b.AddPart("Same", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, 1);
  for (unsigned i = 1; i <= 6; ++i)
    b.MutablePart("Same").FeatureList().Add(
        RigidSurfaceGeom(i, RigidSurfaceName("F", i), -1, {}, i % 2 == 0));
  b.AddInstance("In-1", "Inside");
  b.AddInstance("Same-1", "Same");
  const RigidSurfaceFindings findings = RigidSurfaceRun(b);
  EXPECT_EQ((std::vector<std::string>{
                "The analytic rigid part instance \"In-1\" has surfaces defined on both sides.\n"
                "This is not allowed.\n"
                "Internal surfaces (2 in number) have been defined by picking this instance\n"
                "for creation of contact interactions, tie constraints or rigid body "
                "constraints.\n"}),
            findings.errors);
  EXPECT_TRUE(findings.warnings.empty());
}
