// "*Tie", "*Shell to Solid Coupling" and "*Rigid Body": the named forms the
// region builder generates, the forms copied from the model's constraints,
// and the errors raised while writing them.
#include <limits>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kcoC_ShellSolidCoupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_RigidBody.h"
#include "aif/impl/model/aif_ShellSolidCoupling.h"
#include "aif/impl/model/aif_Tie.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

constexpr double kUnset = std::numeric_limits<double>::max();

// The lines, each ended by a line break.
std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

class aif_TieTest : public ::testing::Test {
 protected:
  hst_ModelBuilder b_;
  aif_Job job_{"J", b_.Job(), b_.Model()};
  aif_ModelInfo info_{job_};
};

using aif_test::ThrownText;

TEST_F(aif_TieTest, NamedTiesWriteTheToleranceOnlyWhenGiven) {
  ASSERT_TRUE(info_.IsPartBased());
  // Zero, negative and the largest double (no tolerance given) are never written.
  for (double none : {0.0, -1.0, kUnset})
    EXPECT_EQ(KeywordText(aif_Tie("T-1", "Main", "Sec", none, info_)),
              "*Tie, name=T-1, adjust=no\nSec, Main\n");
  EXPECT_EQ(KeywordText(aif_Tie("T-1", "Main", "Sec", 0.25, info_)),
            "*Tie, name=T-1, position tolerance=0.25, adjust=no\nSec, Main\n");

  EXPECT_EQ(KeywordText(aif_Tie("Cyc", "Main", "Sec", info_, true, kUnset)),
            "*Tie, name=Cyc, cyclic symmetry, adjust=yes\nSec, Main\n");
  EXPECT_EQ(KeywordText(aif_Tie("Cyc", "Main", "Sec", info_, false, 0.0)),
            "*Tie, name=Cyc, cyclic symmetry, position tolerance=0., adjust=no\nSec, Main\n");

  // Names that need quotes are written as the surfaces are defined.
  EXPECT_EQ(KeywordText(aif_Tie("Tie 2", "I-1.Main", "My Surf", 0.0, info_)),
            "*Tie, name=\"Tie 2\", adjust=no\n\"My Surf\", I-1.Main\n");
}

TEST_F(aif_TieTest, TieFromTheConstraintWritesItsOptionsAndRegionSetNames) {
  kcoC_Tie tie;
  tie.SetRegions(rgnC_Region("Top", {"Assembly", "Block-1"}),
                 rgnC_Region("Bottom", {"Assembly", "Plate 1"}));
  aif_Tie plain("Tie-1", tie, info_);
  EXPECT_EQ(KeywordText(plain), "*Tie, name=Tie-1, adjust=yes\n\"Plate 1\".Bottom, Block-1.Top\n");

  tie.SetAdjust(false);
  tie.SetPositionTolerance(kcoC_Tie::kSpecified, 0.5);
  tie.SetTieRotations(false);
  tie.SetConstraintRatio(kcoC_Tie::kSpecified, 0.2);
  tie.SetTieType(kcoC_Tie::kSurfaceToSurface);
  tie.SetThickness(false);
  EXPECT_EQ(KeywordText(aif_Tie("Tie-1", tie, info_)),
            "*Tie, name=Tie-1, adjust=no, position tolerance=0.5, no rotation, constraint "
            "ratio=0.2, type=SURFACE TO SURFACE, no thickness\n"
            "\"Plate 1\".Bottom, Block-1.Top\n");
  // The keyword keeps its own copy of the constraint.
  EXPECT_EQ(KeywordText(plain), "*Tie, name=Tie-1, adjust=yes\n\"Plate 1\".Bottom, Block-1.Top\n");

  // Values given by the solver's default method, or the unset marker, stay out.
  tie.SetPositionTolerance(0, 0.5);
  tie.SetConstraintRatio(kcoC_Tie::kSpecified, kUnset);
  tie.SetTieRotations(true);
  tie.SetThickness(true);
  tie.SetTieType(kcoC_Tie::kNodeToSurface);
  EXPECT_EQ(KeywordText(aif_Tie("Tie-1", tie, info_)),
            "*Tie, name=Tie-1, adjust=no, type=NODE TO SURFACE\n\"Plate 1\".Bottom, Block-1.Top\n");
}

TEST_F(aif_TieTest, LongKeywordLinesBreakAfterASeparator) {
  kcoC_Tie tie;
  tie.SetRegions(rgnC_Region("A", {"Assembly"}), rgnC_Region("B", {"Assembly"}));
  tie.SetTieRotations(false);
  tie.SetThickness(false);
  const std::string name(120, 'T');
  EXPECT_EQ(KeywordText(aif_Tie(cow_String(name), tie, info_)),
            "*Tie, name=" + name + ", adjust=yes, \nno rotation, no thickness\nB, A\n");
}

TEST_F(aif_TieTest, ConstraintsThatCannotBeWrittenRaiseErrors) {
  kcoC_Tie tie;
  tie.SetTieType(3);
  EXPECT_EQ(ThrownText(aif_Tie("Tie-1", tie, info_)), "The tie Tie-1 has the unknown tie type 3.");

  // A constraint of another kind fails the type test before anything is written.
  kcoC_Constraint other;
  EXPECT_NE(ThrownText(aif_Tie("Tie-1", other, info_)).find("kcoC_Tie"), std::string::npos);
  EXPECT_NE(ThrownText(aif_ShellSolidCoupling("C", tie, info_)).find("kcoC_ShellSolidCoupling"),
            std::string::npos);
}

TEST_F(aif_TieTest, ShellToSolidCouplings) {
  // Generated: second surface first, both in the form they are defined under.
  EXPECT_EQ(KeywordText(aif_ShellSolidCoupling("SS-1", "Shell_E", "Solid_F", info_)),
            "*Shell to Solid Coupling, constraint name=SS-1\nSolid_F, Shell_E\n");
  EXPECT_EQ(KeywordText(aif_ShellSolidCoupling("SS 1", "Shell E", "I-1.Solid_F", info_)),
            "*Shell to Solid Coupling, constraint name=\"SS 1\"\nI-1.Solid_F, \"Shell E\"\n");

  // From the constraint: first region first.
  kcoC_ShellSolidCoupling coupling;
  coupling.SetRegions(rgnC_Region("Edge", {"Assembly", "Shell-1"}),
                      rgnC_Region("Face", {"Assembly", "Solid-1"}));
  EXPECT_EQ(KeywordText(aif_ShellSolidCoupling("SS-2", coupling, info_)),
            "*Shell to Solid Coupling, constraint name=SS-2\nShell-1.Edge, Solid-1.Face\n");
  coupling.SetPositionTolerance(kcoC_ShellSolidCoupling::kSpecified, 0.1);
  coupling.SetInfluenceDistance(kcoC_ShellSolidCoupling::kSpecified, 2.0);
  EXPECT_EQ(KeywordText(aif_ShellSolidCoupling("SS-2", coupling, info_)),
            "*Shell to Solid Coupling, constraint name=SS-2, position tolerance=0.1, "
            "influence distance=2.\nShell-1.Edge, Solid-1.Face\n");
  coupling.SetPositionTolerance(kcoC_ShellSolidCoupling::kSpecified, kUnset);
  coupling.SetInfluenceDistance(0, 2.0);
  EXPECT_EQ(KeywordText(aif_ShellSolidCoupling("SS-2", coupling, info_)),
            "*Shell to Solid Coupling, constraint name=SS-2\nShell-1.Edge, Solid-1.Face\n");
}

TEST(aif_RigidBody, OptionsOnlyForWhatIsGiven) {
  EXPECT_EQ(KeywordText(aif_RigidBody("I-1.RP", "I-1.Body", "", false)),
            "*Rigid Body, ref node=I-1.RP, elset=I-1.Body\n");
  EXPECT_EQ(KeywordText(aif_RigidBody("RP", "", "I-1.Surf", true)),
            "*Rigid Body, ref node=RP, analytical surface=I-1.Surf, isothermal=YES\n");
  EXPECT_EQ(KeywordText(aif_RigidBody("RP", "Body", "Pins", "Ties", "", true, false)),
            "*Rigid Body, ref node=RP, elset=Body, pin nset=Pins, tie nset=Ties, "
            "position=CENTER OF MASS\n");
  EXPECT_EQ(KeywordText(aif_RigidBody("RP", "", "", "Ties", "Surf", false, true)),
            "*Rigid Body, ref node=RP, tie nset=Ties, analytical surface=Surf, isothermal=YES\n");
}

// Long qualified names: an option goes on a continuation line before the
// line passes the break column or would pass the 256 characters the solver
// reads.
TEST(aif_RigidBody, LongNamesGoOnContinuationLines) {
  const std::string node = "I-1." + std::string(116, 'N');
  const std::string body = "I-1." + std::string(116, 'B');
  const std::string pins = "I-1." + std::string(116, 'P');
  const std::string ties = "I-1." + std::string(116, 'T');
  // Two names: the line is past column 131 after the reference node.
  std::string text = KeywordText(aif_RigidBody(cow_String(node), cow_String(body), "", true));
  EXPECT_EQ(text, "*Rigid Body, ref node=" + node + ", \nelset=" + body + ", isothermal=YES\n");
  // Four names: "elset=" and its name end at 126, below the break column, but
  // "pin nset=" and its 120 characters would end at 257.
  text = KeywordText(aif_RigidBody(cow_String(node), cow_String(body), cow_String(pins),
                                   cow_String(ties), "I-1.Surf", true, true));
  EXPECT_EQ(text, Lines({
                      "*Rigid Body, ref node=" + node + ", ",
                      "elset=" + body + ", ",
                      "pin nset=" + pins + ", ",
                      "tie nset=" + ties + ", analytical surface=I-1.Surf, ",
                      "position=CENTER OF MASS, isothermal=YES",
                  }));
}

}  // namespace
