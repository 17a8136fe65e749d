// The data lines of a boundary condition whose values come from a field:
// per node (analytical and discrete fields) and per element face (fluid
// surfaces), named as the file kind names nodes; every way an evaluation
// fails leaves the header line ended, one checking message and no node line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_BoundaryFieldLines.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// The field-line model with the condition "BC-1": a temperature on
// TwoInstanceNodes() from "Expr", magnitude 2 set in "Step-1".
class aif_BoundaryFieldLinesTest : public aif_FieldTestModel {
 protected:
  void SetUp() override {
    aif_FieldTestModel::SetUp();
    condition_.SetName("BC-1");
    condition_.SetRegion(TwoInstanceNodes());
    condition_.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
    SetMagnitude(2.0, 1);
  }

  void SetMagnitude(double real, int status, double imaginary = 0.0, bool complex = false) {
    kbcC_DistributedBCState state;
    state.SetMagnitude(real, status, imaginary);
    state.SetUseComplex(complex);
    condition_.SetState("Step-1", 1, state);
  }

  // What `write` writes after an open "*Boundary" header line, once (the
  // messages it appends are those of one write).
  template <class Write>
  static std::string AfterHeader(Write&& write) {
    return aif_test::StreamText([&](utl_Stream& s) {
      s << "*Boundary";
      write(s);
    });
  }
  std::string HeaderLines(const aif_ModelInfo& info, bool modify = false, double scale = 0.5,
                          int loadCase = 1) {
    const aif_BoundaryFieldContext context{info, condition_, "Step-1", modify, scale};
    return AfterHeader(
        [&](utl_Stream& s) { aif_BoundaryFieldLines::WriteHeaderNodeLines(s, context, loadCase); });
  }

  kbcC_TemperatureBC condition_;
};

const char* const kBoundaryUnmeshedText =
    "Because the region for a Boundary Condition is\nunmeshed the Mapped Field cannot be "
    "evaluated.\nNo datalines will be generated for these Boundary Conditions.\n";

TEST_F(aif_BoundaryFieldLinesTest, NodeLinesNameNodesPerFileKindAndScaleTheMagnitude) {
  // Part based: scale 0.5 x magnitude 2 x the field; a node once.
  EXPECT_EQ(HeaderLines(Info()),
            "*Boundary\n"
            "Block-1.2, 11, 11, 2.\n"
            "Block-1.1, 11, 11, 1.\n"
            "Block-2.1, 11, 11, 11.\n");
  // Flat: the labels collide, so Block-2's are numbered after Block-1's.
  EXPECT_EQ(HeaderLines(Info(true)),
            "*Boundary\n"
            "2, 11, 11, 2.\n"
            "1, 11, 11, 1.\n"
            "13, 11, 11, 11.\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_BoundaryFieldLinesTest, NodeLinesTakeTheKindsComponentsAndTheLoadCasesPart) {
  kbcC_PorePressureBC pore;
  pore.SetRegion(TwoInstanceNodes());
  pore.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
  kbcC_DistributedBCState state;
  state.SetMagnitude(2.0, 1, 3.0);
  state.SetUseComplex(true);
  pore.SetState("Step-1", 1, state);
  const aif_ModelInfo& info = Info();
  const aif_BoundaryFieldContext context{info, pore, "Step-1", false, 1.0};
  // Load case 2 of a complex step takes the imaginary part; a zero value is
  // written.
  condition_.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
  EXPECT_EQ(AfterHeader([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteHeaderNodeLines(s, context, 2);
            }),
            "*Boundary\n"
            "Block-1.2, 8, 8, 6.\n"
            "Block-1.1, 8, 8, 3.\n"
            "Block-2.1, 8, 8, 33.\n");
  EXPECT_EQ(AfterHeader([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteHeaderNodeLines(s, context, 1);
            }),
            "*Boundary\n"
            "Block-1.2, 8, 8, 4.\n"
            "Block-1.1, 8, 8, 2.\n"
            "Block-2.1, 8, 8, 22.\n");
  kbcC_FluidCavityPressureBC cavity;
  cavity.SetRegion(TwoInstanceNodes());
  cavity.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
  kbcC_DistributedBCState zero;
  zero.SetMagnitude(0.0, 1);
  cavity.SetState("Step-1", 1, zero);
  const aif_BoundaryFieldContext cavityContext{info, cavity, "Step-1", false, 1.0};
  EXPECT_EQ(AfterHeader([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteHeaderNodeLines(s, cavityContext, 1);
            }),
            "*Boundary\n"
            "Block-1.2, 0.\n"
            "Block-1.1, 0.\n"
            "Block-2.1, 0.\n");
}

TEST_F(aif_BoundaryFieldLinesTest, AHeaderWithoutNodeLinesIsStillEnded) {
  const aif_ModelInfo& info = Info();
  // A magnitude carried over into a block that modifies the previous step.
  SetMagnitude(2.0, 2);
  EXPECT_EQ(HeaderLines(info, true), "*Boundary\n");
  // Written anew (op=NEW) it is written.
  EXPECT_EQ(HeaderLines(info, false, 1.0),
            "*Boundary\n"
            "Block-1.2, 11, 11, 4.\n"
            "Block-1.1, 11, 11, 2.\n"
            "Block-2.1, 11, 11, 22.\n");
  // No state in the step.
  kbcC_TemperatureBC stateless;
  stateless.SetRegion(TwoInstanceNodes());
  stateless.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
  const aif_BoundaryFieldContext context{info, stateless, "Step-1", false, 1.0};
  EXPECT_EQ(AfterHeader([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteHeaderNodeLines(s, context, 1);
            }),
            "*Boundary\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_BoundaryFieldLinesTest, EachFailureEndsTheHeaderAndLeavesOneMessage) {
  // A mapping error in the second instance: no node line, not even the
  // first instance's; the message starts with the mapping's text.
  mapped_.instanceFailures.Set(2, "No source point near the target.");
  condition_.SetDistribution(kbcC_BC::kAnalyticalField, "Mapped");
  const aif_ModelInfo& info = Info();
  EXPECT_EQ(HeaderLines(info), "*Boundary\n");
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "No source point near the target.\nDue to the failure of evaluating "
                            "the Mapped Field \"Mapped\",\nsome Boundary Conditions will be "
                            "missing from the input file."});

  // A region without mesh members.
  ClearFieldMessages();
  condition_.SetRegion(rgnC_Region("Set-2", {"Assembly"}));
  EXPECT_EQ(HeaderLines(info), "*Boundary\n");
  EXPECT_EQ(Messages(), std::vector<std::string>{kBoundaryUnmeshedText});

  // A mapping that comes short of values for the nodes.
  ClearFieldMessages();
  mapped_.instanceFailures.Clear();
  mapped_.shortInstances = {1};
  const aif_ModelInfo& shortInfo = Info();
  condition_.SetRegion(TwoInstanceNodes());
  EXPECT_EQ(HeaderLines(shortInfo), "*Boundary\n");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "The Mapped Field Mapped for a\nBoundary Condition cannot be evaluated.\nNo "
                "datalines will be generated for these Boundary Conditions.\n"});

  // A field of neither kind.
  ClearFieldMessages();
  condition_.SetDistribution(kbcC_BC::kAnalyticalField, "Plain");
  EXPECT_EQ(HeaderLines(shortInfo), "*Boundary\n");
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "\nDue to the failure of evaluating the boundary condition "
                            "\"BC-1\"\nfrom analytical field \"Plain\",\nthis boundary condition "
                            "will be missing in the input file."});
}

TEST_F(aif_BoundaryFieldLinesTest, AMissingFieldOrOneOfTheWrongKindStopsTheWrite) {
  const aif_ModelInfo& info = Info();
  condition_.SetDistribution(kbcC_BC::kAnalyticalField, "Nowhere");
  const aif_BoundaryFieldContext context{info, condition_, "Step-1", false, 1.0};
  const auto thrown = [](auto&& write) {
    try {
      aif_test::StreamText(write);
    } catch (const nex_Exception& error) {
      return std::string(error.what());
    }
    return std::string("nothing thrown");
  };
  const std::string missing =
      thrown([&](utl_Stream& s) { aif_BoundaryFieldLines::WriteHeaderNodeLines(s, context, 1); });
  EXPECT_NE(missing.find("the object is not a kfdC_AnalyticalField (source file "
                         "module/aif/impl/conditions/aif_BoundaryFieldLines.cpp"),
            std::string::npos)
      << missing;
  condition_.SetDistribution(kbcC_BC::kAnalyticalField, "Mapped");
  const std::string mapped = thrown([&](utl_Stream& s) {
    aif_BoundaryFieldLines::WriteAnalyticalFieldLines(s, context, ", 1", 1.0);
  });
  EXPECT_NE(mapped.find("kfdC_ExpressionField"), std::string::npos) << mapped;
  condition_.SetDistribution(3, "Nowhere");
  const std::string discrete = thrown([&](utl_Stream& s) {
    aif_BoundaryFieldLines::WriteDiscreteFieldLines(s, context, ", 1", 1.0, 1);
  });
  EXPECT_NE(discrete.find("kfdC_DiscreteField"), std::string::npos) << discrete;
  // Node lines with a magnitude are for the single-value kinds only.
  kbcC_DisplacementBC displacement;
  displacement.SetDistribution(kbcC_BC::kAnalyticalField, "Expr");
  const aif_BoundaryFieldContext structural{info, displacement, "Step-1", false, 1.0};
  const std::string wrongKind = thrown(
      [&](utl_Stream& s) { aif_BoundaryFieldLines::WriteHeaderNodeLines(s, structural, 1); });
  EXPECT_NE(wrongKind.find("the object is not a kbcC_DistributedBC"), std::string::npos)
      << wrongKind;
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_BoundaryFieldLinesTest, AnalyticalLinesLeaveOutZeroAndRangeLinesWriteIt) {
  kfdC_ExpressionField x;  // x - 1: 0 at the nodes of x = 1
  x.constant = -1.0;
  x.gradient = {1.0, 0.0, 0.0};
  builder_.AddAnalyticalField("X", x);
  condition_.SetDistribution(kbcC_BC::kAnalyticalField, "X");
  const aif_ModelInfo& info = Info();
  const aif_BoundaryFieldContext context{info, condition_, "Step-1", false, 2.0};
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteAnalyticalFieldLines(s, context, ", 1", 1.5);
            }),
            "Block-1.2, 1\n"
            "Block-1.1, 1, -3.\n"
            "Block-2.1, 1, 27.\n");
  // Range lines: scale 2 x the state's magnitude 2 x the field, 0 written.
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteAnalyticalFieldRangeLines(s, context, ", 11, 13");
            }),
            "Block-1.2, 11, 13, 0.\n"
            "Block-1.1, 11, 13, -4.\n"
            "Block-2.1, 11, 13, 36.\n");
  // A range whose magnitude only carries over into a modifying block.
  SetMagnitude(2.0, 2);
  const aif_BoundaryFieldContext modify{info, condition_, "Step-1", true, 2.0};
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteAnalyticalFieldRangeLines(s, modify, ", 11, 13");
            }),
            "");
}

TEST_F(aif_BoundaryFieldLinesTest, FluidLinesWeighTheFaceNodesOfTheNamedFace) {
  // Element 0 (nodes 0, 1, 3, 4, 6, 7, 9, 10) with faces S4 (x = 1), S1 (z =
  // 0; no digit from 2 to 6: the first face) and S3 (y = 0); node 10 (1, 1,
  // 1) has no value.
  rgnC_Region region("Surf-1", {"Assembly"});
  region.SetKernelElementIndices(1, {0, 0, 0}, {"S4", "S1", "S3"});
  region.SetKernelNodeIndices(1, {0, 1, 3, 4, 6, 7, 9});
  condition_.SetRegion(region);
  const aif_ModelInfo& info = Info();
  const aif_BoundaryFieldContext context{info, condition_, "Step-1", false, 1.0};
  // S4: (2 + 102 + 12) / 4 x 0.5; S1: (1 + 2 + 12 + 11) / 4 x 0.5; S3: (1 +
  // 101 + 102 + 2) / 4 x 0.5.
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteFluidFieldLines(s, context, "VELX", 0.5);
            }),
            "Block-1.1, VELX4, 14.5\n"
            "Block-1.1, VELX1, 3.25\n"
            "Block-1.1, VELX3, 25.75\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_BoundaryFieldLinesTest, FluidLinesOfAnInstanceWithoutCoordinatesAreLeftOut) {
  // Elements of an id that is no instance: no coordinates for its nodes.
  rgnC_Region region("Surf-1", {"Assembly"});
  region.SetKernelElementIndices(1, {0}, {"S4"});
  region.SetKernelNodeIndices(1, {1});
  region.SetKernelElementIndices(9, {0}, {"S4"});
  region.SetKernelNodeIndices(9, {1});
  condition_.SetRegion(region);
  const aif_ModelInfo& info = Info();
  const aif_BoundaryFieldContext context{info, condition_, "Step-1", false, 1.0};
  EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteFluidFieldLines(s, context, "VELX", 0.5);
            }),
            "");
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Could not determine nodal coordinates for Analytical Field "
                            "calculations.\nPlease check your assigned conditions for validity."});
}

// "Disc": two components; Block-1's table holds labels 1 and 2 (node 2's row
// one value short), no table for Block-2; defaults 7 and 8.
kfdC_DiscreteField BoundaryDiscreteField(std::initializer_list<double> defaults) {
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.SetComponentCount(2);
  field.SetDefaultValues(cow_List<double>(defaults));
  kfdC_DataTable table("Block-1", 2);
  table.SetDomain({1, 2}, {1.0, 2.0, 3.0});
  field.AddDataTable(table);
  return field;
}

TEST_F(aif_BoundaryFieldLinesTest, DiscreteLinesLookUpPlainLabelsAndWriteOffsetLabels) {
  builder_.AddDiscreteField("Disc", BoundaryDiscreteField({7.0, 8.0}));
  condition_.SetDistribution(3, "Disc");
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(1, {0, 1, 2});
  region.SetKernelNodeIndices(2, {0});
  condition_.SetRegion(region);
  const auto lines = [&](const aif_ModelInfo& info, int component) {
    const aif_BoundaryFieldContext context{info, condition_, "Step-1", false, 2.0};
    return aif_test::WrittenText([&](utl_Stream& s) {
      aif_BoundaryFieldLines::WriteDiscreteFieldLines(s, context, ", 11, 11", 0.5, component);
    });
  };
  // Part based. Component 1: labels 1 and 2 from the table, 3 the default;
  // component 2: label 2's row is short, so it and 3 take the default 8;
  // Block-2 has no table: the written component's default.
  const aif_ModelInfo& partBased = Info();
  EXPECT_EQ(lines(partBased, 1),
            "Block-1.1, 11, 11, 1.\n"
            "Block-1.2, 11, 11, 3.\n"
            "Block-1.3, 11, 11, 7.\n"
            "Block-2.1, 11, 11, 7.\n");
  EXPECT_EQ(lines(partBased, 2),
            "Block-1.1, 11, 11, 2.\n"
            "Block-1.2, 11, 11, 8.\n"
            "Block-1.3, 11, 11, 8.\n"
            "Block-2.1, 11, 11, 8.\n");
  // Flat, the labels colliding: Block-1 keeps its labels, Block-2's are
  // numbered after them; the table is still read by plain label.
  EXPECT_EQ(lines(Info(true), 1),
            "1, 11, 11, 1.\n"
            "2, 11, 11, 3.\n"
            "3, 11, 11, 7.\n"
            "13, 11, 11, 7.\n");
  EXPECT_TRUE(Messages().empty());
}

// One instance in a flat file: no collision, every label shifted by the
// offset; the table's plain labels 1 and 2 are found all the same.
TEST(aif_BoundaryFieldLinesFlatTest, DiscreteLinesOfAFlatFileWithANodeOffset) {
  hst_ModelBuilder builder;
  builder.AddPart("Block", hst_GridMesh(2, 1, 1));
  builder.AddInstance("Block-1", "Block");
  builder.AddStep("Step-1", kprC_StaticStep());
  builder.AddDiscreteField("Disc", BoundaryDiscreteField({7.0, 8.0}));
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  setenv("TVN_AIF_NODEOFFSET", "100", 1);
  const bas_NewModel model = builder.Model();
  aif_Job job("Job-1", builder.Job(), model);
  const aif_ModelInfo info(job);
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  unsetenv("TVN_AIF_NODEOFFSET");

  kbcC_TemperatureBC condition;
  condition.SetDistribution(3, "Disc");
  rgnC_Region region("Set-1", {"Block-1"});
  region.SetKernelNodeIndices(1, {0, 1, 2});
  condition.SetRegion(region);
  const aif_BoundaryFieldContext context{info, condition, "Step-1", false, 1.0};
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteDiscreteFieldLines(s, context, ", 11, 11", 1.0, 1);
            }),
            "101, 11, 11, 1.\n"
            "102, 11, 11, 3.\n"
            "103, 11, 11, 7.\n");
}

TEST_F(aif_BoundaryFieldLinesTest, ADiscreteNodeWithoutADefaultIsAFailureToEvaluate) {
  // One default only: component 2 of a node the table lacks has none.
  builder_.AddDiscreteField("Disc", BoundaryDiscreteField({7.0}));
  condition_.SetDistribution(3, "Disc");
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(1, {0, 2});
  condition_.SetRegion(region);
  const aif_ModelInfo& info = Info();
  const aif_BoundaryFieldContext context{info, condition_, "Step-1", false, 1.0};
  EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) {
              aif_BoundaryFieldLines::WriteDiscreteFieldLines(s, context, ", 11, 11", 1.0, 2);
            }),
            "");
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "\nDue to the failure of evaluating the boundary condition "
                            "\"BC-1\"\nfrom discrete field \"Disc\",\nthis boundary condition "
                            "will be missing in the input file."});
}

}  // namespace
