// "*Cyclic Symmetry Model" with axis points of every kind (mesh nodes,
// vertices, reference points, and regions that give no point) and "*Select
// Cyclic Symmetry Modes" with its range, its status rule and the tie's
// tolerance.
#include <gtest/gtest.h>

#include <cfloat>
#include <optional>
#include <string>

#include "BasShared/cow_COW.h"
#include "QivGeom/gsl_Matrix.h"
#include "aif/impl/interactions/aif_CyclicSymmetryModel.h"
#include "aif/impl/interactions/aif_SelectCyclicSymmetryModes.h"
#include "aif/impl/model/aif_Tie.h"
#include "aif_GeneralContactTestModel.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// Block-1 (id 1) stands where its part is; Block-2 (id 2) is moved by
// (0, 0, 5). The grid's node 1 is (1, 0, 0), node 7 (1, 1, 1).
class aif_CyclicSymmetryModelTest : public aif_InteractionTestModel {
 protected:
  void SetUp() override {
    aif_InteractionTestModel::SetUp();
    hst_ModelBuilder::InstanceOptions moved;
    moved.transform = gsl_Matrix::Translation(gsl_Vector(0.0, 0.0, 5.0));
    builder_.AddInstance("Block-2", "Block", moved);
  }

  // A single node `node` of the instance with id `instance`.
  static rgnC_Region CyclicNode(unsigned instance, int node) {
    rgnC_Region region("Axis", {"Assembly", instance == 1 ? "Block-1" : "Block-2"});
    region.SetKernelNodeIndices(static_cast<int>(instance), {node});
    region.SetKernelInstanceIds({instance});
    return region;
  }
  // A region of one geometric component of `kind` at `coords` (part
  // coordinates) in `instances`.
  static rgnC_Region CyclicComponent(rgnC_GeomComponent::Kind kind, const gsl_Point& coords,
                                     cow_List<unsigned> instances) {
    rgnC_Region region("Axis", {"Assembly", "Block-2"});
    rgnC_GeomComponent component;
    component.kind = kind;
    component.coords = coords;
    region.SetKernelComponents({component});
    region.SetKernelInstanceIds(std::move(instances));
    return region;
  }
  // A set of one reference point whose hit record computes `point`, or that
  // has no record.
  static rgnC_Region CyclicReference(std::optional<gsl_Point> point) {
    rgnC_Region region("RP", {"Assembly"});
    region.SetKernelRefPoints({point});
    return region;
  }

  std::string ModelText(const rgnC_Region& first, const rgnC_Region& second) {
    kinC_CyclicSymmetry cyclic;
    cyclic.SetRepetitiveSectors(12);
    cyclic.SetAxisPoints(first, second);
    return aif_test::KeywordText(
        aif_CyclicSymmetryModel(cow_COW<kinC_Interaction>(cyclic), Info()));
  }
};

}  // namespace

TEST_F(aif_CyclicSymmetryModelTest, AxisPointsOfEveryKind) {
  // Two mesh nodes: each from its own instance's placed coordinates.
  EXPECT_EQ(ModelText(CyclicNode(1, 1), CyclicNode(2, 7)),
            "*Cyclic Symmetry Model, n=12\n1., 0., 0., 1., 1., 6.\n");
  // A vertex is placed by its instance's transform; a reference point's
  // record gives the point itself.
  EXPECT_EQ(ModelText(CyclicComponent(rgnC_GeomComponent::kVertex, {0.5, -2.0, 0.25}, {2}),
                      CyclicReference(gsl_Point(3.0, 4.0, -1.5))),
            "*Cyclic Symmetry Model, n=12\n0.5, -2., 5.25, 3., 4., -1.5\n");
  // An edge as the first point: the keyword line alone.
  EXPECT_EQ(ModelText(CyclicComponent(rgnC_GeomComponent::kEdge, {}, {2}), CyclicNode(1, 1)),
            "*Cyclic Symmetry Model, n=12\n");
  // A face as the second point: the first point alone on the data line.
  EXPECT_EQ(ModelText(CyclicNode(1, 7), CyclicComponent(rgnC_GeomComponent::kFace, {}, {2})),
            "*Cyclic Symmetry Model, n=12\n1., 1., 1.\n");
  // Two nodes are not a single point; an invalid region gives none.
  rgnC_Region twoNodes = CyclicNode(1, 1);
  twoNodes.SetKernelNodeIndices(1, {1, 7});
  rgnC_Region invalid = CyclicNode(1, 1);
  invalid.SetKernelValid(false);
  EXPECT_EQ(ModelText(twoNodes, CyclicNode(1, 1)), "*Cyclic Symmetry Model, n=12\n");
  EXPECT_EQ(ModelText(CyclicNode(2, 1), invalid), "*Cyclic Symmetry Model, n=12\n1., 0., 5.\n");
}

TEST_F(aif_CyclicSymmetryModelTest, PointsWithoutRecordOrInstanceGiveNone) {
  // A reference point without a hit record is no point: the second point
  // never takes over the first point's coordinates (a zero-length axis).
  EXPECT_EQ(ModelText(CyclicNode(1, 7), CyclicReference(std::nullopt)),
            "*Cyclic Symmetry Model, n=12\n1., 1., 1.\n");
  EXPECT_EQ(ModelText(CyclicReference(std::nullopt), CyclicNode(1, 7)),
            "*Cyclic Symmetry Model, n=12\n");
  // A node or vertex whose region names no instance is no point either, as
  // is a vertex of an instance the assembly does not hold.
  rgnC_Region orphanNode = CyclicNode(1, 1);
  orphanNode.SetKernelInstanceIds({});
  EXPECT_EQ(ModelText(orphanNode, CyclicNode(1, 1)), "*Cyclic Symmetry Model, n=12\n");
  EXPECT_EQ(ModelText(CyclicNode(1, 1), CyclicComponent(rgnC_GeomComponent::kVertex, {}, {})),
            "*Cyclic Symmetry Model, n=12\n1., 0., 0.\n");
  EXPECT_EQ(ModelText(CyclicNode(1, 1), CyclicComponent(rgnC_GeomComponent::kVertex, {}, {9})),
            "*Cyclic Symmetry Model, n=12\n1., 0., 0.\n");
  // Another interaction kind fails the type test before anything is written.
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(
          aif_CyclicSymmetryModel(cow_COW<kinC_Interaction>(kinC_ElasticFoundation()), Info())),
      "kinC_CyclicSymmetry", "module/aif/impl/interactions/aif_CyclicSymmetryModel.cpp"));
}

TEST(aif_SelectCyclicSymmetryModes, RangeStatusesAndTieTolerance) {
  kinC_CyclicSymmetry cyclic;
  cyclic.SetStepNodalDiameters("Freq-1", 2, kinC_SPECIFIED_NODAL_DIAMETERS, 2, 5);
  cyclic.SetStepNodalDiameters("Freq-2", 3, kinC_ALL_NODAL_DIAMETERS, 2, 5);
  const cow_COW<kinC_Interaction> handle(cyclic);
  EXPECT_EQ(aif_test::KeywordText(aif_SelectCyclicSymmetryModes("Freq-1", handle)),
            "*Select Cyclic Symmetry Modes, nmin=2, nmax=5\n");
  EXPECT_EQ(aif_test::KeywordText(aif_SelectCyclicSymmetryModes("Freq-2", handle)),
            "*Select Cyclic Symmetry Modes\n");
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_SelectCyclicSymmetryModes(
          "Freq-1", cow_COW<kinC_Interaction>(kinC_ElasticFoundation()))),
      "kinC_CyclicSymmetry", "module/aif/impl/interactions/aif_SelectCyclicSymmetryModes.cpp"));

  // Created in a step (1), the symmetry gets no selection there; carried
  // over or modified it does.
  for (int status : {0, 1, 4, 5, 6})
    EXPECT_FALSE(aif_SelectCyclicSymmetryModes::WrittenInStep(status)) << status;
  EXPECT_TRUE(aif_SelectCyclicSymmetryModes::WrittenInStep(2));
  EXPECT_TRUE(aif_SelectCyclicSymmetryModes::WrittenInStep(3));
  for (int status : {7, -1}) {
    try {
      aif_SelectCyclicSymmetryModes::WrittenInStep(status);
      ADD_FAILURE() << "status " << status << " was accepted";
    } catch (const aif_Exception& e) {
      EXPECT_EQ(e.Message(), "Error in cyclic symmetry status.");
    }
  }

  // The tie is given the symmetry's tolerance for kind 1 only.
  cyclic.SetPositionTolerance(1, 0.25);
  EXPECT_EQ(aif_CyclicSymmetryModel::TiePositionTolerance(cyclic), 0.25);
  cyclic.SetPositionTolerance(0, 0.25);
  EXPECT_EQ(aif_CyclicSymmetryModel::TiePositionTolerance(cyclic), DBL_MAX);
  cyclic.SetPositionTolerance(2, 0.25);
  EXPECT_EQ(aif_CyclicSymmetryModel::TiePositionTolerance(cyclic), DBL_MAX);
}
