#include "chk/impl/chk_ConstraintCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"
#include "OdbAttrEO/kcoC_Tie.h"

namespace {

constexpr unsigned kConstraintCheckPointId = 50;

const char* const kConstraintCheckPointText =
    "At least one of the points associated with the following\ndisplay body constraints have "
    "been suppressed/deleted.\n";
const char* const kConstraintCheckPointAdvice =
    "For each of these constraints, one of the following actions\nmust be taken:\n- Resume the "
    "point if it was suppressed\n- Use the point editing function in the editor dialog to\n   "
    "reselect the points.\n- Delete the display body constraint.\n- Set motion control in the "
    "editor dialog to No Motion.";
const char* const kConstraintCheckRigidText =
    "Display body constraints cannot refer to discrete rigid\nparts. The following constraints "
    "violate this restriction:\n";
const char* const kConstraintCheckRigidAdvice =
    "For each of these constraints, one of the following actions\nmust be taken:\n- Reselect the "
    "part instance.\n- Delete the display body constraint.";

using ConstraintCheckFindings = chk_test::Findings;

ConstraintCheckFindings ConstraintCheckRun(const hst_ModelBuilder& b) {
  chk_ConstraintCheck check(b.Model(), "Display-Model");
  check.Run();
  ConstraintCheckFindings findings = chk_test::FindingsOf(check);
  bas_Basis::Instance().Fetch().RemoveModel("Display-Model");
  return findings;
}

// A display body of instance `id` whose reference points stand on the
// entities `entities` (0: a point without entity); points not listed are
// absent.
kcoC_DisplayBody ConstraintCheckBody(unsigned id, std::vector<unsigned> entities = {}) {
  kcoC_DisplayBody body(id);
  for (std::size_t i = 0; i < entities.size(); ++i) {
    gsl_Dot dot;
    if (entities[i] != 0) dot.SetEntityId(entities[i]);
    body.SetReferencePoint(static_cast<int>(i), dot, rgnC_Dot());
  }
  return body;
}

// B-1 (id 1) of a deformable part, B-off (id 2) suppressed, P-1 (id 3) of a
// discrete rigid part; the assembly's reference point (feature 50).
hst_ModelBuilder ConstraintCheckModel() {
  hst_ModelBuilder b("Display-Model");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddPart("Plate", hst_GridMesh(1, 1, 1), ptoK_DISCRETE_RIGID, ptoK_SPACE_3D, 1);
  b.AddInstance("B-1", "Block");
  b.AddInstance("B-off", "Block", {.active = false});
  b.AddInstance("P-1", "Plate");
  ftr_Feature point;
  point.SetId(kConstraintCheckPointId);
  point.SetName("RP-1");
  b.Assembly().FeatureList().Add(point);
  return b;
}

}  // namespace

TEST(chk_ConstraintCheckTest, DisplayBodiesOfMissingInstancesPointsAndRigidParts) {
  hst_ModelBuilder b = ConstraintCheckModel();
  b.AddConstraint("DB-Deleted", ConstraintCheckBody(99, {kConstraintCheckPointId}));
  b.AddConstraint("DB-Off", ConstraintCheckBody(2));
  kcoC_DisplayBody suppressed = ConstraintCheckBody(99, {0});
  suppressed.SetSuppressed(true);
  b.AddConstraint("DB-Suppressed", suppressed);
  b.AddConstraint("DB-Good", ConstraintCheckBody(1, {kConstraintCheckPointId}));
  b.AddConstraint("DB-Lost", ConstraintCheckBody(1, {kConstraintCheckPointId, 77, 0}));
  b.AddConstraint("DB-Rigid", ConstraintCheckBody(3));
  b.AddConstraint("A-RigidLost", ConstraintCheckBody(3, {0, kConstraintCheckPointId}));
  b.AddConstraint("Tie-1", kcoC_Tie());
  const ConstraintCheckFindings findings = ConstraintCheckRun(b);
  EXPECT_EQ((std::vector<std::string>{
                "This model contains a display body (DB-Deleted) that references a deleted part "
                "instance. This constraint will not be written to the input file.",
                "This model contains a display body (DB-Off) that references a suppressed part "
                "instance. This constraint will not be written to the input file."}),
            findings.warnings);
  // Points first, the separator, then the rigid parts; names in name order,
  // once each however many of their points are lost.
  EXPECT_EQ((std::vector<std::string>{
                std::string(kConstraintCheckPointText) + "    A-RigidLost\n    DB-Lost\n" +
                    kConstraintCheckPointAdvice,
                "\n\n",
                std::string(kConstraintCheckRigidText) + "    A-RigidLost\n    DB-Rigid\n" +
                    kConstraintCheckRigidAdvice}),
            findings.errors);
}

TEST(chk_ConstraintCheckTest, SeparatorOnlyAfterAnEarlierError) {
  hst_ModelBuilder rigidOnly = ConstraintCheckModel();
  rigidOnly.AddConstraint("DB-Rigid", ConstraintCheckBody(3, {kConstraintCheckPointId}));
  rigidOnly.AddConstraint("DB-Fine", ConstraintCheckBody(1, {kConstraintCheckPointId}));
  EXPECT_EQ((std::vector<std::string>{std::string(kConstraintCheckRigidText) + "    DB-Rigid\n" +
                                      kConstraintCheckRigidAdvice}),
            ConstraintCheckRun(rigidOnly).errors);

  hst_ModelBuilder pointsOnly = ConstraintCheckModel();
  pointsOnly.AddConstraint("DB-Lost", ConstraintCheckBody(1, {kConstraintCheckPointId, 77}));
  EXPECT_EQ((std::vector<std::string>{std::string(kConstraintCheckPointText) + "    DB-Lost\n" +
                                      kConstraintCheckPointAdvice}),
            ConstraintCheckRun(pointsOnly).errors);

  // No assembly, or one out of date: no finding at all.
  hst_ModelBuilder none = ConstraintCheckModel();
  none.AddConstraint("DB-Deleted", ConstraintCheckBody(99, {0}));
  none.WithoutAssembly();
  const ConstraintCheckFindings noAssembly = ConstraintCheckRun(none);
  EXPECT_TRUE(noAssembly.errors.empty() && noAssembly.warnings.empty());
  hst_ModelBuilder stale = ConstraintCheckModel();
  stale.AddConstraint("DB-Deleted", ConstraintCheckBody(99, {0}));
  stale.Assembly().SetOutOfDate(true);
  const ConstraintCheckFindings outOfDate = ConstraintCheckRun(stale);
  EXPECT_TRUE(outOfDate.errors.empty() && outOfDate.warnings.empty());
}
