// "*Coupling" in its three forms, and the "*Kinematic" and "*Distributing"
// lines with their degree-of-freedom lines.
#include "aif/impl/constraints/aif_Coupling.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "aif/impl/constraints/aif_Distributing.h"
#include "aif/impl/constraints/aif_Kinematic.h"
#include "aif/model/aif_MeshTestSupport.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

std::string CouplingLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

// An assembly with the instance "Part-1-1"; part-based or flat; with or
// without a twist degree of freedom.
struct CouplingContext {
  explicit CouplingContext(bool flat, bool twist = false) {
    b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
    b.AddInstance("Part-1-1", "Part-1");
    b.Assembly().SetTwistDof(twist);
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
  }
  const akw_ModelInfo& Info() const { return *mesh->info; }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
};

// A coupling of the assembly's reference point RP-1 to the surface Surf-1
// of Part-1-1.
kcoC_Coupling CouplingOfRp(int type) {
  return kcoC_Coupling(rgnC_Region("RP-1", {"Assembly"}),
                       rgnC_Region("Surf-1", {"Assembly", "Part-1-1"}), type);
}

kcoC_Coupling CouplingWithDofs(std::array<bool, 6> dofs, int regionCode) {
  kcoC_Coupling coupling = CouplingOfRp(kcoC_Coupling::kKinematic);
  coupling.SetDofs(dofs);
  coupling.SetRegionCode(regionCode);
  return coupling;
}

}  // namespace

TEST(aif_Coupling, ThreeFormsNameReferenceNodeAndSurface) {
  CouplingContext parts(false);
  const kcoC_Coupling coupling = CouplingOfRp(kcoC_Coupling::kKinematic);
  // Kernel regions: the control point's assembly name, the surface's set
  // name qualified by its instance.
  EXPECT_EQ(KeywordText(aif_Coupling("Coupling-1", coupling, parts.Info())),
            CouplingLines({"*Coupling, constraint name=Coupling-1, ref node=RP-1, "
                           "surface=Part-1-1.Surf-1"}));
  // A flat file joins instance and surface with "_".
  CouplingContext flat(true);
  EXPECT_EQ(KeywordText(aif_Coupling("Coupling-1", coupling, flat.Info())),
            CouplingLines({"*Coupling, constraint name=Coupling-1, ref node=RP-1, "
                           "surface=Part-1-1_Surf-1"}));
  // Names with blanks are quoted once, never twice.
  kcoC_Coupling blanks(rgnC_Region("RP 1", {"Assembly"}),
                       rgnC_Region("Top face", {"Assembly", "Part-1-1"}), 0);
  EXPECT_EQ(KeywordText(aif_Coupling("My coupling", blanks, parts.Info())),
            CouplingLines({"*Coupling, constraint name=\"My coupling\", ref node=\"RP 1\", "
                           "surface=Part-1-1.\"Top face\""}));

  // Node-label form: the label, the surface name made printable.
  EXPECT_EQ(KeywordText(aif_Coupling("Bolt-1-1", coupling, parts.Info(), 12u, "Bolt surf")),
            CouplingLines({"*Coupling, constraint name=Bolt-1-1, ref node=12, "
                           "surface=\"Bolt surf\""}));
  // Label 0 names no node: the kernel regions do.
  EXPECT_EQ(KeywordText(aif_Coupling("Bolt-1-1", coupling, parts.Info(), 0u, "Bolt surf")),
            CouplingLines({"*Coupling, constraint name=Bolt-1-1, ref node=RP-1, "
                           "surface=Part-1-1.Surf-1"}));

  // Node-set form: qualified names, each component printable.
  EXPECT_EQ(KeywordText(aif_Coupling("C", coupling, parts.Info(), cow_String("Fast-1.Ref set"),
                                     cow_String("Fast-1.Surf"))),
            CouplingLines({"*Coupling, constraint name=C, ref node set=Fast-1.\"Ref set\", "
                           "surface=Fast-1.Surf"}));
  // Long names (an assembled fastener's prefix before each) carry the line
  // on after an option: no line passes the 256 characters the solver reads.
  const std::string stem(70, 'p');
  const std::string longText = KeywordText(
      aif_Coupling(cow_String(stem + "_Grip"), coupling, parts.Info(), cow_String(stem + "_Pins"),
                   cow_String(stem + "_Surface-of-the-plate-with-a-long-name")));
  EXPECT_EQ(longText,
            CouplingLines(
                {"*Coupling, constraint name=" + stem + "_Grip, ref node set=" + stem + "_Pins, ",
                 "surface=" + stem + "_Surface-of-the-plate-with-a-long-name"}));
  // An empty set name falls through to the kernel regions.
  EXPECT_EQ(KeywordText(
                aif_Coupling("C", coupling, parts.Info(), cow_String(), cow_String("Fast-1.Surf"))),
            CouplingLines({"*Coupling, constraint name=C, ref node=RP-1, "
                           "surface=Part-1-1.Surf-1"}));

  // Another constraint kind fails the type test before anything is written.
  EXPECT_EQ(ThrownText(aif_Coupling("C", kcoC_Tie(), parts.Info()))
                .rfind("Type test failed: the object is not a kcoC_Coupling", 0),
            0u);
}

TEST(aif_Coupling, InfluenceRadiusAndOrientation) {
  CouplingContext parts(false);
  kcoC_Coupling coupling = CouplingOfRp(kcoC_Coupling::kKinematic);
  // The unset radius is left out; 0.0 is a radius and written.
  coupling.SetInfluenceRadius(0.0);
  EXPECT_EQ(KeywordText(aif_Coupling("C-1", coupling, parts.Info())),
            CouplingLines({"*Coupling, constraint name=C-1, ref node=RP-1, "
                           "surface=Part-1-1.Surf-1, influence radius=0."}));
  coupling.SetInfluenceRadius(2.5);
  coupling.SetDatum({{"Part-1"}, "Datum csys-1"});
  EXPECT_EQ(KeywordText(aif_Coupling("C-1", coupling, parts.Info())),
            CouplingLines({"*Coupling, constraint name=C-1, ref node=RP-1, "
                           "surface=Part-1-1.Surf-1, influence radius=2.5, "
                           "orientation=\"Part-1-Datum csys-1\""}));
  coupling.SetInfluenceRadius(kcoC_Coupling::kUnsetRadius);
  coupling.SetDatum({{}, "Csys-2"});
  EXPECT_EQ(KeywordText(aif_Coupling("C-1", coupling, parts.Info())),
            CouplingLines({"*Coupling, constraint name=C-1, ref node=RP-1, "
                           "surface=Part-1-1.Surf-1, orientation=Csys-2"}));
}

TEST(aif_Coupling, DeletedReferencePointOrSurfaceStopsTheWrite) {
  CouplingContext parts(false);
  // A deleted region keeps its old name, which would name nothing in the
  // file (or be written empty): the write stops naming the coupling.
  kcoC_Coupling coupling = CouplingOfRp(kcoC_Coupling::kKinematic);
  rgnC_Region point = coupling.ControlPointRegion();
  point.SetKernelValid(false);
  coupling.SetRegions(point, coupling.SurfaceRegion());
  EXPECT_EQ(ThrownText(aif_Coupling("Coupling-1", coupling, parts.Info())),
            "The reference point of the coupling Coupling-1 no longer exists.");

  coupling = CouplingOfRp(kcoC_Coupling::kKinematic);
  rgnC_Region surface = coupling.SurfaceRegion();
  surface.SetKernelValid(false);
  coupling.SetRegions(coupling.ControlPointRegion(), surface);
  EXPECT_EQ(ThrownText(aif_Coupling("Coupling 2", coupling, parts.Info())),
            "The surface of the coupling Coupling 2 no longer exists.");

  // The given names of the other forms are not the kernel's: no test.
  EXPECT_EQ(KeywordText(aif_Coupling("C", coupling, parts.Info(), 7u, "S")),
            CouplingLines({"*Coupling, constraint name=C, ref node=7, surface=S"}));
}

TEST(aif_Coupling, DegreeOfFreedomLines) {
  CouplingContext parts(false);
  CouplingContext twist(false, true);
  const auto kinematic = [](const kcoC_Coupling& c, const CouplingContext& context) {
    return KeywordText(aif_Kinematic(c, context.Info()));
  };
  const auto distributing = [](const kcoC_Coupling& c) { return KeywordText(aif_Distributing(c)); };

  // All six: the keyword alone.
  const kcoC_Coupling all = CouplingWithDofs({true, true, true, true, true, true}, 2);
  EXPECT_EQ(kinematic(all, twist), "*Kinematic\n");
  EXPECT_EQ(distributing(all), "*Distributing, weighting method=UNIFORM\n");

  // DOFs 1, 2 and 6 with region code 0.
  const kcoC_Coupling some = CouplingWithDofs({true, true, false, false, false, true}, 0);
  EXPECT_EQ(kinematic(some, parts), CouplingLines({"*Kinematic", "1, 1", "2, 2", "6, 6"}));
  EXPECT_EQ(distributing(some),
            CouplingLines({"*Distributing, weighting method=UNIFORM", "1, 1", "2, 2", "6, 6"}));

  // DOFs 1 to 5 with region code 2: only a kinematic coupling keeps the
  // fifth, and only with a twist degree of freedom.
  const kcoC_Coupling planar = CouplingWithDofs({true, true, true, true, true, false}, 2);
  EXPECT_EQ(kinematic(planar, twist), CouplingLines({"*Kinematic", "1, 1", "2, 2", "5, 5"}));
  EXPECT_EQ(kinematic(planar, parts), CouplingLines({"*Kinematic", "1, 1", "2, 2"}));
  EXPECT_EQ(distributing(planar),
            CouplingLines({"*Distributing, weighting method=UNIFORM", "1, 1", "2, 2"}));
  // Region code 1 keeps DOFs 3 to 5 like code 0.
  const kcoC_Coupling solid = CouplingWithDofs({true, true, true, true, true, false}, 1);
  EXPECT_EQ(kinematic(solid, parts),
            CouplingLines({"*Kinematic", "1, 1", "2, 2", "3, 3", "4, 4", "5, 5"}));

  // Only DOF 1 unset: five lines.
  const kcoC_Coupling noFirst = CouplingWithDofs({false, true, true, true, true, true}, 0);
  EXPECT_EQ(kinematic(noFirst, parts),
            CouplingLines({"*Kinematic", "2, 2", "3, 3", "4, 4", "5, 5", "6, 6"}));

  // Another constraint kind fails the type test before anything is written.
  EXPECT_EQ(ThrownText(aif_Kinematic(kcoC_Tie(), parts.Info()))
                .rfind("Type test failed: the object is not a kcoC_Coupling", 0),
            0u);
  EXPECT_EQ(ThrownText(aif_Distributing(kcoC_Tie()))
                .rfind("Type test failed: the object is not a kcoC_Coupling", 0),
            0u);
}

TEST(aif_Coupling, DistributingWeightingAndStructuralCoupling) {
  kcoC_Coupling coupling = CouplingWithDofs({true, true, true, true, true, true}, 0);
  coupling.SetCouplingType(kcoC_Coupling::kDistributing);
  coupling.SetWeightingMethod(kcoC_Coupling::kLinear);
  EXPECT_EQ(KeywordText(aif_Distributing(coupling)), "*Distributing, weighting method=LINEAR\n");
  coupling.SetCouplingType(kcoC_Coupling::kStructural);
  coupling.SetWeightingMethod(kcoC_Coupling::kQuadratic);
  EXPECT_EQ(KeywordText(aif_Distributing(coupling)),
            "*Distributing, weighting method=QUADRATIC, coupling=STRUCTURAL\n");
  coupling.SetWeightingMethod(kcoC_Coupling::kCubic);
  EXPECT_EQ(KeywordText(aif_Distributing(coupling)),
            "*Distributing, weighting method=CUBIC, coupling=STRUCTURAL\n");
  // A method the table does not know leaves the value empty.
  coupling.SetWeightingMethod(7);
  coupling.SetCouplingType(5);
  EXPECT_EQ(KeywordText(aif_Distributing(coupling)), "*Distributing, weighting method=\n");
}
