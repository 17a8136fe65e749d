// "*Boundary" blocks whose values come from a field (the header line ended
// once, then one line per node or face), and the Eulerian kinds, which the
// boundary keyword hands to their own keywords.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace {

// Block-1 of a part of two bricks (nodes 0 to 11 at x 0..2, y 0..1, z 0..1,
// x fastest); step "Step-1"; the expression field "Expr" (1 + x + 10 y + 100
// z) and the discrete field "Disc" (two components; labels 1 and 2 hold
// (1, 2) and (3, 4); defaults 7 and 8). Conditions act on nodes 1 and 0
// (field 2 and 1).
class aif_BoundaryFieldUseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    builder_.AddPart("Block", hst_GridMesh(2, 1, 1));
    builder_.AddInstance("Block-1", "Block");
    builder_.AddStep("Step-1", kprC_StaticStep());
    kfdC_ExpressionField expression;
    expression.constant = 1.0;
    expression.gradient = {1.0, 10.0, 100.0};
    builder_.AddAnalyticalField("Expr", expression);
    kfdC_DiscreteField discrete;
    discrete.SetLocation(kfdC_DiscreteField::kNodes);
    discrete.SetComponentCount(2);
    discrete.SetDefaultValues({7.0, 8.0});
    kfdC_DataTable table("Block-1", 2);
    table.SetDomain({1, 2}, {1.0, 2.0, 3.0, 4.0});
    discrete.AddDataTable(table);
    builder_.AddDiscreteField("Disc", discrete);
    model_ = builder_.Model();
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
  }
  void TearDown() override {
    ajbC_CheckingMessages::Instance().Messages().Clear();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
  }

  // `condition` on nodes 1 and 0 of Block-1, from `field` with
  // `distribution`, with `state` in Step-1.
  template <class Condition>
  static Condition OnNodes(const kern_Object& state, int distribution = kbcC_BC::kAnalyticalField,
                           const char* field = "Expr") {
    Condition condition;
    condition.SetName("BC-1");
    rgnC_Region region("Set-1", {"Assembly"});
    region.SetKernelNodeIndices(1, {1, 0});
    condition.SetRegion(region);
    condition.SetDistribution(distribution, field);
    condition.SetState("Step-1", 1, state);
    return condition;
  }

  std::string Text(const kbcC_BC& condition, bool modify = false, double scale = 1.0) const {
    const int energy = 0;
    const int turbulence = 0;
    return aif_test::KeywordText(aif_Boundary(condition, "Step-1", modify, "Set-1", false, *info_,
                                              "Initial", energy, turbulence, scale));
  }

  hst_ModelBuilder builder_;
  bas_NewModel model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

TEST_F(aif_BoundaryFieldUseTest, FieldDisplacementEndsItsHeaderOnce) {
  // One header line, then each component's node lines: no blank line
  // between the components.
  kbcC_DisplacementBCState state;
  state.SetComponent(0, 2.0, 1);
  state.SetComponent(2, 0.5, 1);
  EXPECT_EQ(
      "*Boundary, op=NEW\n"
      "Block-1.2, 1, 1, 4.\nBlock-1.1, 1, 1, 2.\n"
      "Block-1.2, 3, 3, 1.\nBlock-1.1, 3, 3, 0.5\n",
      Text(OnNodes<kbcC_DisplacementBC>(state)));

  // No component to write: the header line still ends.
  kbcC_DisplacementBCState carried;
  carried.SetComponent(0, 2.0, 2);
  EXPECT_EQ("*Boundary\n", Text(OnNodes<kbcC_DisplacementBC>(carried), true));

  // Complex: each block's header ends once too.
  kbcC_DisplacementBCState complex;
  complex.SetUseComplex(true);
  complex.SetComponent(0, 2.0, 1);
  complex.SetComponent(1, 0.0, 1, 1.0);
  EXPECT_EQ(
      "*Boundary, op=NEW, real\n"
      "Block-1.2, 1, 1, 4.\nBlock-1.1, 1, 1, 2.\n"
      "*Boundary, op=NEW, imaginary\n"
      "Block-1.2, 2, 2, 2.\nBlock-1.1, 2, 2, 1.\n",
      Text(OnNodes<kbcC_DisplacementBC>(complex)));

  // A discrete field: each component's own values, scaled.
  kbcC_DisplacementBCState discrete;
  discrete.SetComponent(0, 1.0, 1);
  discrete.SetComponent(1, 0.5, 1);
  EXPECT_EQ(
      "*Boundary, op=NEW\n"
      "Block-1.2, 1, 1, 6.\nBlock-1.1, 1, 1, 2.\n"
      "Block-1.2, 2, 2, 4.\nBlock-1.1, 2, 2, 2.\n",
      Text(OnNodes<kbcC_DisplacementBC>(discrete, 3, "Disc"), false, 2.0));

  // Velocity: the type option closes the header line.
  kbcC_VelocityBCState velocity;
  velocity.SetComponent(1, 3.0, 1);
  EXPECT_EQ("*Boundary, op=NEW, type=VELOCITY\nBlock-1.2, 2, 2, 6.\nBlock-1.1, 2, 2, 3.\n",
            Text(OnNodes<kbcC_VelocityBC>(velocity)));
}

TEST_F(aif_BoundaryFieldUseTest, SingleValueAndTemperatureFields) {
  kbcC_DistributedBCState state;
  state.SetMagnitude(2.0, 1);
  EXPECT_EQ("*Boundary, op=NEW\nBlock-1.2, 11, 11, 4.\nBlock-1.1, 11, 11, 2.\n",
            Text(OnNodes<kbcC_TemperatureBC>(state)));
  EXPECT_EQ("*Boundary, op=NEW\nBlock-1.2, 8, 8, 4.\nBlock-1.1, 8, 8, 2.\n",
            Text(OnNodes<kbcC_PorePressureBC>(state)));

  // A temperature over a list: one set of node lines per run.
  kbcC_DistributedBCState listed = state;
  listed.SetDofs({11, 12, 14}, 1);
  EXPECT_EQ(
      "*Boundary, op=NEW\n"
      "Block-1.2, 11, 12, 4.\nBlock-1.1, 11, 12, 2.\n"
      "Block-1.2, 14, 14, 4.\nBlock-1.1, 14, 14, 2.\n",
      Text(OnNodes<kbcC_TemperatureBC>(listed)));

  // A magnitude only carried over into a modifying block: the header alone.
  kbcC_DistributedBCState carried;
  carried.SetMagnitude(2.0, 2);
  EXPECT_EQ("*Boundary\n", Text(OnNodes<kbcC_PorePressureBC>(carried), true));
}

TEST_F(aif_BoundaryFieldUseTest, FluidVelocityFromAFieldPerElementFace) {
  // Element 0's face S4 (x = 1): nodes 1, 4, 7 valued, node 10 not in the
  // region.
  kbcC_FluidBCState state;
  state.SetFluid(kbcC_FLUID_VELY, 0.5, 1);
  state.SetMomentumAmplitude("Flow");
  kbcC_FluidInletOutletBC inlet;
  inlet.SetName("Inlet-1");
  inlet.SetMomentumType(2);
  rgnC_Region region("Surf-1", {"Assembly"});
  region.SetKernelElementIndices(1, {0}, {"S4"});
  region.SetKernelNodeIndices(1, {0, 1, 3, 4, 6, 7, 9});
  inlet.SetRegion(region);
  inlet.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
  inlet.SetState("Step-1", 1, state);
  EXPECT_EQ("*Fluid Boundary, op=NEW, amplitude=Flow, type=Element\nBlock-1.1, VELY4, 14.5\n",
            Text(inlet));
}

TEST(aif_BoundaryEulerianTest, EulerianKindsWriteTheirOwnKeywords) {
  hst_ModelBuilder b;
  b.AddPart("Box", hst_GridMesh(1, 1, 1), ptoK_EULERIAN);
  b.AddPartAttribute("Box", ptoC_SectionAssignment(rgnC_Region("All", {"Box"}), "Euler"));
  b.AddInstance("Box-1", "Box");
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  const int zero = 0;
  const auto text = [&](const kbcC_BC& condition, bool modify) {
    return aif_test::KeywordText(aif_Boundary(condition, "Step-1", modify, "Box-1.Inlet", false,
                                              info, "Initial", zero, zero, 1.0));
  };

  kbcC_EulerianBCState inflow;
  inflow.SetEulerian(0, 2, 0);
  kbcC_EulerianBC eulerian;
  eulerian.SetState("Step-1", 1, inflow);
  EXPECT_EQ("*Eulerian Boundary, op=NEW, inflow=VOID\nBox-1.Inlet\n", text(eulerian, false));
  EXPECT_EQ("*Eulerian Boundary, inflow=VOID\nBox-1.Inlet\n", text(eulerian, true));
  // Deactivated: the short form with op=NEW, else the plain line.
  eulerian.SetState("Step-1", 4, inflow);
  EXPECT_EQ("*Eulerian Boundary, op=NEW\n", text(eulerian, false));
  EXPECT_EQ("*Boundary\n", text(eulerian, true));

  kbcC_EulerianMotionBC motion;
  motion.SetName("Motion-1");
  motion.SetInstanceName("Box-1");
  motion.SetSurface(false, "Tool-1.Skin");
  motion.SetState("Step-1", 1, kbcC_EulerianMotionBCState());
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=Box-1.All, surface=Tool-1.Skin, op=NEW\n"
      " ,  ,  ,  ,  , \n"
      " ,  ,  ,  ,  , \n"
      " ,  , \n",
      text(motion, false));
  motion.SetState("Step-1", 11, kbcC_EulerianMotionBCState());
  EXPECT_EQ("*Eulerian Mesh Motion, elset=Box-1.All, op=NEW\n", text(motion, false));
}

}  // namespace
