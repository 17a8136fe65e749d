// DVCON_TOPO blocks of frozen areas, member sizes, demold controls and
// symmetries.
#include <gtest/gtest.h>

#include <string>

#include "aif/impl/optimization/aif_DvconTopo.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;
using aif_test::ThrownText;

rgnC_Region DvconTopoSet(const char* name, int flags = 2) {
  return rgnC_Region(name, {"Plate-1"}, flags);
}

// A region of reference points at `points`.
rgnC_Region DvconTopoPoints(std::initializer_list<gsl_Point> points) {
  rgnC_Region region("Points", {}, 1);
  cow_List<std::optional<gsl_Point>> hits;
  for (const gsl_Point& point : points)
    hits.Append(point);
  region.SetKernelRefPoints(hits);
  return region;
}

TEST(aif_DvconTopo, FrozenAreaAndMemberSizes) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  kopC_FrozenArea frozen;
  frozen.SetRegion(DvconTopoSet("Fixed"));
  EXPECT_EQ(
      "DVCON_TOPO\n  ID_NAME = Frozen\n  EL_GROUP = Plate-1_Fixed\n  CHECK_TYPE = FROZEN\n"
      "END_\n",
      KeywordText(aif_DvconTopo(info, frozen, "Frozen", "Frozen_LINK_")));
  kopC_TopologyMemberSize size;
  size.SetMinThickness(0.5);
  size.SetMaxThickness(4.0);
  size.SetDistance(12.5);
  const std::string head = "DVCON_TOPO\n  ID_NAME = Size\n  EL_GROUP = ALL_ELEMENTS\n";
  EXPECT_EQ(head + "  CHECK_TYPE = MIN_MEMBER\n  THICKNESS = 0.5\nEND_\n",
            KeywordText(aif_DvconTopo(info, size, "Size", "")));
  size.SetSizeKind(1);
  EXPECT_EQ(head + "  CHECK_TYPE = MAX_MEMBER\n  THICKNESS = 4.\nEND_\n",
            KeywordText(aif_DvconTopo(info, size, "Size", "")));
  size.SetSizeKind(2);
  EXPECT_EQ(head +
                "  CHECK_TYPE = MAX_MEMBER\n  THICKNESS = 4.\n  MIN_THICKNESS = 0.5\n"
                "  DISTANCE = 12.5\nEND_\n",
            KeywordText(aif_DvconTopo(info, size, "Size", "")));
  size.SetSizeKind(3);
  EXPECT_EQ(head + "END_\n", KeywordText(aif_DvconTopo(info, size, "Size", "")));
  // A surface gives no element group.
  size.SetRegion(DvconTopoSet("Skin", 8));
  EXPECT_EQ("DVCON_TOPO\n  ID_NAME = Size\nEND_\n",
            KeywordText(aif_DvconTopo(info, size, "Size", "")));
}

TEST(aif_DvconTopo, DemoldControlPullDirectionCheckGroupAndMidPlane) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  kopC_TopologyDemoldControl demold;
  demold.SetRegion(DvconTopoSet("Cast"));
  demold.SetPullDirection(gsl_ModelSegment(gsl_Point(1, 1, 1), gsl_Point(1, 1, 3)));
  demold.SetAngle(5.0);
  demold.SetCsys(aif_kest_test::Datum("Csys-1"));
  // Without a check region the restriction's own region is checked.
  EXPECT_EQ(
      "DVCON_TOPO\n  ID_NAME = Demold\n  EL_GROUP = Plate-1_Cast\n  CHECK_TYPE = CAST\n"
      "  PULL_DIR = 0., 0. , 1.\n  ANGLE = 5.\n  CHECK_GROUP = Plate-1_Cast\n  MID_PLANE = NONE\n"
      "  PULL_CS = Csys-1\n  CREATE_PULL_GROUP = NO\nEND_\n",
      KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  // A surface mid plane: no pull direction and no pull system.
  demold.SetMidPlaneTechnique(3);
  demold.SetCheckRegion(DvconTopoSet("Check"));
  demold.SetCreatePullGroup(true);
  EXPECT_EQ(
      "DVCON_TOPO\n  ID_NAME = Demold\n  EL_GROUP = Plate-1_Cast\n  CHECK_TYPE = CAST\n"
      "  ANGLE = 5.\n  CHECK_GROUP = Plate-1_Check\n  MID_PLANE = SURFACE\n"
      "  CREATE_PULL_GROUP = YES\nEND_\n",
      KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  // A zero pull direction writes three zeros; the point form with one point.
  demold.SetPullDirection(gsl_ModelSegment());
  demold.SetMidPlaneTechnique(5);
  demold.SetMidPlanePointRegion(DvconTopoPoints({gsl_Point(1.5, -2, 0.25)}));
  demold.SetCsys(dtmC_DatumRef());
  const auto demoldWith = [&](const char* midPlane) {
    return "DVCON_TOPO\n  ID_NAME = Demold\n  EL_GROUP = Plate-1_Cast\n  CHECK_TYPE = CAST\n"
           "  PULL_DIR = 0., 0. , 0.\n  ANGLE = 5.\n  CHECK_GROUP = Plate-1_Check\n"
           "  MID_PLANE = " +
           std::string(midPlane) + "\n  PULL_CS = CS_0\n  CREATE_PULL_GROUP = YES\nEND_\n";
  };
  EXPECT_EQ(demoldWith("POINT, 1.5, -2., 0.25"),
            KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  // Two points, no point, or a point the kernel cannot compute: no value.
  demold.SetMidPlanePointRegion(DvconTopoPoints({gsl_Point(1, 2, 3), gsl_Point(4, 5, 6)}));
  EXPECT_EQ(demoldWith(""), KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  demold.SetMidPlanePointRegion(DvconTopoSet("Not Points"));
  EXPECT_EQ(demoldWith(""), KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  rgnC_Region lost("Lost", {}, 1);
  lost.SetKernelRefPoints({std::nullopt});
  demold.SetMidPlanePointRegion(lost);
  EXPECT_EQ(demoldWith(""), KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  // The other words, and none outside the table.
  const char* const words[] = {"", "AUTO", "AUTO_TIGHT", "", "STAMP"};
  for (int technique : {1, 2, 4, 6}) {
    demold.SetMidPlaneTechnique(technique);
    EXPECT_EQ(demoldWith(technique < 5 ? words[technique] : ""),
              KeywordText(aif_DvconTopo(info, demold, "Demold", "")));
  }
}

TEST(aif_DvconTopo, SymmetriesNameTheirLinkAndOtherKindsAreRefused) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  kopC_TopologyPlanarSymmetry planar;
  planar.SetRegion(DvconTopoSet("Half"));
  EXPECT_EQ(
      "DVCON_TOPO\n  ID_NAME = Sym\n  EL_GROUP = Plate-1_Half\n  CHECK_TYPE = LINK_TOPO\n"
      "  CHECK_LINK = Sym_LINK_\nEND_\n",
      KeywordText(aif_DvconTopo(info, planar, "Sym", "Sym_LINK_")));
  for (const kopC_GeometricRestriction* symmetry :
       std::initializer_list<const kopC_GeometricRestriction*>{
           new kopC_TopologyRotationalSymmetry(), new kopC_TopologyCyclicSymmetry(),
           new kopC_TopologyPointSymmetry()}) {
    EXPECT_EQ(
        "DVCON_TOPO\n  ID_NAME = Sym\n  EL_GROUP = ALL_ELEMENTS\n  CHECK_TYPE = LINK_TOPO\n"
        "  CHECK_LINK = \nEND_\n",
        KeywordText(aif_DvconTopo(info, *symmetry, "Sym", "")));
    delete symmetry;
  }
  EXPECT_EQ("Unimplemented dvcontopo input file writer for Turn",
            ThrownText(aif_DvconTopo(info, kopC_TurnControl(), "Turn", "")));
  EXPECT_EQ("Unimplemented dvcontopo input file writer for ",
            ThrownText(aif_DvconTopo(info, kopC_FixedRegion(), "", "")));
}

}  // namespace
