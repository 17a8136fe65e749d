// LINK_SHAPE blocks of shape links and LINK_TOPO blocks of topology
// symmetries.
#include <gtest/gtest.h>

#include <string>

#include "aif/impl/optimization/aif_LinkShape.h"
#include "aif/impl/optimization/aif_LinkTopo.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;
using aif_test::ThrownText;

rgnC_Region LinkNodes(const char* name) {
  return rgnC_Region(name, {"Plate-1"}, 4);
}

// The link fields shared by the shape kinds: master kind 2 on "Master",
// client direction (3, 0, 4), tolerances 0.1, 0.2, 0.3, angle 10, undercut
// tolerance 0.05, in Csys-1.
template <class Link>
Link ShapeLink() {
  Link link;
  link.SetRegion(LinkNodes("Own"));
  link.SetMasterKind(2);
  link.SetMasterRegion(LinkNodes("Master"));
  link.SetDirection(gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(3, 0, 4)));
  link.SetTolerance1(0.1);
  link.SetTolerance2(0.2);
  link.SetTolerance3(0.3);
  link.SetAngle(10.0);
  link.SetUndercutTolerance(0.05);
  link.SetCsys(aif_kest_test::Datum("Csys-1"));
  return link;
}

constexpr char kLinkHead[] =
    "LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = NDGR, Plate-1_Master\n";
constexpr char kLinkDirection[] = "  CLIENT_DIR = 0.6, 0. , 0.8\n";
constexpr char kLinkCsTol[] = "  CS = Csys-1\n  TOL = 0.1, 0.2, 0.3\n";

TEST(aif_LinkShape, ControlsAndSymmetries) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  const auto text = [&](const kopC_GeometricRestriction& r) {
    return KeywordText(aif_LinkShape(info, r, "Link_LINK_"));
  };
  const std::string head = kLinkHead;
  EXPECT_EQ(head + "  CLIENT = SURF_TURN\n" + kLinkDirection + kLinkCsTol + "END_\n",
            text(ShapeLink<kopC_TurnControl>()));
  EXPECT_EQ(head + "  CLIENT = SURF_STAMP\n" + kLinkDirection + kLinkCsTol +
                "  ANGLE = 10.\n  UNDERCUT_TOL = 0.05\nEND_\n",
            text(ShapeLink<kopC_StampControl>()));
  EXPECT_EQ(head + "  CLIENT = SURF_DRILL\n" + kLinkDirection + kLinkCsTol +
                "  ANGLE = 10.\n  UNDERCUT_TOL = 0.05\nEND_\n",
            text(ShapeLink<kopC_DrillControl>()));
  EXPECT_EQ(
      head + "  CLIENT = ROTATION_SYM\n" + kLinkDirection + kLinkCsTol + "  ANGLE = 10.\nEND_\n",
      text(ShapeLink<kopC_ShapeRotationalSymmetry>()));
  EXPECT_EQ(head + "  CLIENT = PLANE_SYM\n" + kLinkDirection + kLinkCsTol + "END_\n",
            text(ShapeLink<kopC_ShapePlanarSymmetry>()));
  EXPECT_EQ(head + "  CLIENT = POINT_SYM\n" + kLinkCsTol + "END_\n",
            text(ShapeLink<kopC_ShapePointSymmetry>()));
  EXPECT_EQ(head + "  CLIENT = DIRECTION\n  CS = Csys-1\nEND_\n",
            text(ShapeLink<kopC_ShapeDirection>()));
  EXPECT_EQ(head + "  CLIENT = LENGTH\n  CS = Csys-1\nEND_\n", text(ShapeLink<kopC_ShapeLength>()));

  // Demold: its own region as check group when none is given; the check
  // region otherwise; a demold direction shorter than the tolerance is
  // left out.
  auto demold = ShapeLink<kopC_ShapeDemoldControl>();
  demold.SetMasterKind(0);
  EXPECT_EQ(
      "LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = CRIT_1\n  CLIENT = SURF_DEMOLD\n"
      "  DEMOLD_DIR = 0.6, 0. , 0.8\n" +
          std::string(kLinkCsTol) +
          "  CHECK_GROUP = Plate-1_Own\n  ANGLE = 10.\n  UNDERCUT_TOL = 0.05\nEND_\n",
      text(demold));
  demold.SetMasterKind(1);
  demold.SetCheckRegion(LinkNodes("Check"));
  demold.SetDirection(gsl_ModelSegment(gsl_Point(1, 1, 1), gsl_Point(1, 1, 1.0000001)));
  EXPECT_EQ("LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = CRIT_2\n  CLIENT = SURF_DEMOLD\n" +
                std::string(kLinkCsTol) +
                "  CHECK_GROUP = Plate-1_Check\n  ANGLE = 10.\n  UNDERCUT_TOL = 0.05\nEND_\n",
            text(demold));
  // A zero client direction writes three zeros.
  auto turn = ShapeLink<kopC_TurnControl>();
  turn.SetDirection(gsl_ModelSegment());
  turn.SetCsys(dtmC_DatumRef());
  EXPECT_EQ(head +
                "  CLIENT = SURF_TURN\n  CLIENT_DIR = 0., 0. , 0.\n  CS = CS_0\n"
                "  TOL = 0.1, 0.2, 0.3\nEND_\n",
            text(turn));
}

TEST(aif_LinkShape, VectorsAndSlideChecks) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  const auto text = [&](const kopC_GeometricRestriction& r) {
    return KeywordText(aif_LinkShape(info, r, "Link_LINK_"));
  };
  const std::string head = kLinkHead;
  auto vector = ShapeLink<kopC_ShapeVector>();
  vector.SetComponent1(true);
  vector.SetComponent3(true);
  EXPECT_EQ(head + "  CLIENT = VECTOR, ON, OFF, ON\n  CS = Csys-1\nEND_\n", text(vector));
  vector.SetVectorMode(1);
  EXPECT_EQ(head + "  CLIENT = DIRECTION\n  CS = Csys-1\nEND_\n", text(vector));
  vector.SetVectorMode(2);
  EXPECT_EQ(head + "  CLIENT = LENGTH\n  CS = Csys-1\nEND_\n", text(vector));
  vector.SetVectorMode(3);
  EXPECT_EQ(head + "  CS = Csys-1\nEND_\n", text(vector));

  // Mode 0 slides along its slide master as a turn; any other mode keeps
  // the free-form region free, without direction, system or tolerances.
  auto slide = ShapeLink<kopC_CheckSlide>();
  slide.SetMasterKind(7);  // not read
  slide.SetSlideMasterRegion(LinkNodes("Slide"));
  slide.SetFreeFormRegion(LinkNodes("Free"));
  EXPECT_EQ(
      "LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = NDGR, Plate-1_Slide\n  CLIENT = SURF_TURN\n" +
          std::string(kLinkDirection) + kLinkCsTol + "END_\n",
      text(slide));
  slide.SetSlideMode(1);
  EXPECT_EQ(
      "LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = NDGR, Plate-1_Free\n  CLIENT = FREE_FORM\n"
      "END_\n",
      text(slide));
}

TEST(aif_LinkShape, UnknownKindsAndMastersAreRefusedBeforeTheBlock) {
  Context c(aif_kest_test::PlateModel());
  EXPECT_EQ("Unimplemented LinkShape input file writing command for Fixed_LINK_",
            ThrownText(aif_LinkShape(c.Info(), kopC_FixedRegion(), "Fixed_LINK_")));
  auto turn = ShapeLink<kopC_TurnControl>();
  for (int kind : {3, -1}) {
    turn.SetMasterKind(kind);
    EXPECT_EQ("The master of the shape restriction Turn_LINK_ is of an unknown kind.",
              ThrownText(aif_LinkShape(c.Info(), turn, "Turn_LINK_")));
  }
}

TEST(aif_LinkShape, NodeGroupMastersWhoseRegionGivesNoNodeGroupAreRefusedBeforeTheBlock) {
  Context c(aif_kest_test::PlateModel());
  const rgnC_Region elements("Elems", {"Plate-1"}, 2);
  const rgnC_Region surface("Skin", {"Plate-1"}, 8);
  const std::string refused = "The master region of the shape restriction Link_LINK_ gives no "
                              "node group.";
  const auto text = [&](const kopC_GeometricRestriction& r) {
    return ThrownText(aif_LinkShape(c.Info(), r, "Link_LINK_"));
  };
  auto turn = ShapeLink<kopC_TurnControl>();
  auto slide = ShapeLink<kopC_CheckSlide>();
  slide.SetSlideMasterRegion(LinkNodes("Slide"));
  slide.SetFreeFormRegion(LinkNodes("Free"));
  for (const rgnC_Region& region : {elements, surface}) {
    turn.SetMasterKind(2);
    turn.SetMasterRegion(region);
    EXPECT_EQ(refused, text(turn));
    // The criteria masters do not read the region.
    turn.SetMasterKind(1);
    EXPECT_EQ("", text(turn));
    EXPECT_EQ(0u, KeywordText(aif_LinkShape(c.Info(), turn, "Link_LINK_"))
                      .find("LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = CRIT_2\n"));
    // A slide check's master is its slide master in mode 0, its free-form
    // region otherwise; the other one is not read.
    slide.SetSlideMode(0);
    slide.SetSlideMasterRegion(region);
    slide.SetFreeFormRegion(LinkNodes("Free"));
    EXPECT_EQ(refused, text(slide));
    slide.SetSlideMode(1);
    EXPECT_EQ("", text(slide));
    slide.SetFreeFormRegion(region);
    EXPECT_EQ(refused, text(slide));
    slide.SetSlideMode(0);
    slide.SetSlideMasterRegion(LinkNodes("Slide"));
    EXPECT_EQ("", text(slide));
  }
  // The whole model is the node group of all nodes.
  turn.SetMasterKind(2);
  turn.SetMasterRegion(rgnC_Region());
  EXPECT_EQ(0u, KeywordText(aif_LinkShape(c.Info(), turn, "Link_LINK_"))
                    .find("LINK_SHAPE\n  ID_NAME = Link_LINK_\n  MASTER = NDGR, ALL_NODES\n"));
}

TEST(aif_LinkTopo, TheFourSymmetries) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  // The name is written as given, even when a block of the file owns it.
  aif_KestIdName(info, "Sym_LINK_", aif_kKestTask);
  kopC_TopologyRotationalSymmetry rotational;
  rotational.SetAngle(45.0);
  rotational.SetCsys(aif_kest_test::Datum("Cyl"));
  EXPECT_EQ(
      "LINK_TOPO\n  ID_NAME = Sym_LINK_\n  TYPE = ROTATION_SYM, AXIS_1\n  CS = Cyl\n"
      "  IGNORE_FROZEN = FALSE\n  ANGLE = 45.\nEND_\n",
      KeywordText(aif_LinkTopo(info, rotational, "Sym_LINK_")));
  kopC_TopologyCyclicSymmetry cyclic;
  cyclic.SetAxis(2);
  cyclic.SetTranslation(2.5);
  cyclic.SetIgnoreFrozen(true);
  EXPECT_EQ(
      "LINK_TOPO\n  ID_NAME = Sym_LINK_\n  TYPE = CYCLIC_SYM, AXIS_3\n  CS = CS_0\n"
      "  IGNORE_FROZEN = TRUE\n  TRANSLATION = 2.5\nEND_\n",
      KeywordText(aif_LinkTopo(info, cyclic, "Sym_LINK_")));
  kopC_TopologyPlanarSymmetry planar;
  planar.SetAxis(1);
  EXPECT_EQ(
      "LINK_TOPO\n  ID_NAME = \n  TYPE = PLANE_SYM, AXIS_2\n  CS = CS_0\n"
      "  IGNORE_FROZEN = FALSE\nEND_\n",
      KeywordText(aif_LinkTopo(info, planar, "")));
  kopC_TopologyPointSymmetry point;
  point.SetAxis(9);  // not read
  EXPECT_EQ(
      "LINK_TOPO\n  ID_NAME = P\n  TYPE = POINT_SYM\n  CS = CS_0\n  IGNORE_FROZEN = FALSE\n"
      "END_\n",
      KeywordText(aif_LinkTopo(info, point, "P")));

  planar.SetAxis(3);
  EXPECT_EQ("The symmetry axis of the topology restriction Sym_LINK_ is unknown.",
            ThrownText(aif_LinkTopo(info, planar, "Sym_LINK_")));
  EXPECT_EQ("Unimplemented LinkTopo command",
            ThrownText(aif_LinkTopo(info, kopC_FrozenArea(), "Frozen_LINK_")));
}

}  // namespace
