// The node lines of a predefined field distributed by an analytical or a
// discrete field: the layout of a node's values, the field's magnitudes, the
// names of the nodes per file kind, and every way an evaluation fails (one
// checking message, no node line).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/conditions/aif_PredefFieldUtils.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

std::string PredefValuesText(int valueCount, std::initializer_list<double> values) {
  return aif_test::WrittenText([&](utl_Stream& s) {
    s << "7";
    aif_WritePredefinedFieldValues(s, valueCount, cow_List<double>(values));
  });
}

TEST(aif_PredefFieldValuesTest, SevenValuesFollowTheLabelAndEightEachFurtherLine) {
  // Eight values: seven on the label's line, which goes on with ", ".
  EXPECT_EQ(PredefValuesText(8, {1, 2, 3, 4, 5, 6, 7, 8}),
            "7, 1., 2., 3., 4., 5., 6., 7., \n"
            "8.\n");
  // Seven fill the label's line; fifteen fill two lines exactly.
  EXPECT_EQ(PredefValuesText(7, {1, 2, 3, 4, 5, 6, 7}), "7, 1., 2., 3., 4., 5., 6., 7.\n");
  EXPECT_EQ(PredefValuesText(15, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}),
            "7, 1., 2., 3., 4., 5., 6., 7., \n"
            "8., 9., 10., 11., 12., 13., 14., 15.\n");
  // Laid out for ten values, one value takes its line and an empty one.
  EXPECT_EQ(PredefValuesText(10, {0.5}), "7, 0.5\n\n");
  // No value: the label alone, padded as well.
  EXPECT_EQ(PredefValuesText(3, {}), "7\n");
  EXPECT_EQ(PredefValuesText(8, {}), "7\n\n");
  // More values than laid out for: no padding, no value lost.
  EXPECT_EQ(PredefValuesText(1, {1, 2, 3, 4, 5, 6, 7, 8}),
            "7, 1., 2., 3., 4., 5., 6., 7., \n"
            "8.\n");
}

TEST(aif_PredefFieldValuesTest, CeilDivideRoundsUpAndRefusesZero) {
  EXPECT_EQ(aif_CeilDivide(16, 8), 2);
  EXPECT_EQ(aif_CeilDivide(17, 8), 3);
  EXPECT_EQ(aif_CeilDivide(1, 8), 1);
  EXPECT_EQ(aif_CeilDivide(0, 8), 0);
  EXPECT_EQ(aif_CeilDivide(5, 0), 0);
}

// The field-line model with the discrete field "Disc" (Block-1's table
// holds labels 1 and 2, default 7) and the temperature field "Field-1" on
// TwoInstanceNodes() from "Expr", magnitude 2 in "Step-1".
class aif_PredefFieldUtilsTest : public aif_FieldTestModel {
 protected:
  void SetUp() override {
    aif_FieldTestModel::SetUp();
    discrete_.SetLocation(kfdC_DiscreteField::kNodes);
    discrete_.SetDefaultValues({7.0});
    kfdC_DataTable table("Block-1");
    table.SetDomain({1, 2}, {1.0, 3.0});
    discrete_.AddDataTable(table);

    temperature_.SetName("Field-1");
    temperature_.SetRegion(TwoInstanceNodes());
    temperature_.SetDistributionFieldName("Expr");
    SetMagnitudes({2.0});
  }
  void AddLateFields() override { builder_.AddDiscreteField("Disc", discrete_); }

  void SetMagnitudes(std::initializer_list<double> values) {
    cow_List<mdl_PropAttr<double>> magnitudes;
    for (double value : values)
      magnitudes.Append(mdl_PropAttr<double>(value, 1));
    kpfC_GeneralFieldBaseState state;
    state.SetMagnitudes(magnitudes);
    temperature_.SetState("Step-1", state);
  }

  // The lines of the temperature field, once.
  std::string Analytical(const aif_ModelInfo& info, int valueCount = 1, double scale = 1.0) {
    const aif_PredefFieldUtils utils(temperature_, "Step-1", info, valueCount);
    return aif_test::StreamText(
        [&](utl_Stream& s) { utils.EvaluatePredefinedField(s, scale, "temperature", ""); });
  }
  std::string Discrete(const aif_ModelInfo& info, const kpfC_Field& field, double scale = 1.0) {
    const aif_PredefFieldUtils utils(field, "Step-1", info, 1);
    return aif_test::StreamText([&](utl_Stream& s) { utils.EvaluateDiscreteField(s, scale); });
  }

  static std::string PredefFailure(const std::string& field, const char* source = "analytical",
                                   const char* subject = "temperature \"\"") {
    return std::string("\nDue to the failure of evaluating the ") + subject + "\nfrom " + source +
           " field \"" + field + "\",\nthis predefined field will be missing in the input file.";
  }

  kfdC_DiscreteField discrete_;
  kpfC_Temperature temperature_;
};

TEST_F(aif_PredefFieldUtilsTest, MagnitudesArePaddedByTheVariationCode) {
  const aif_ModelInfo& info = Info();
  EXPECT_EQ(aif_PredefFieldUtils(temperature_, "Step-1", info, 3).FieldMagnitudes(),
            cow_List<double>({2.0, 2.0, 2.0}));
  for (int complete : {1, 2}) {
    temperature_.SetVariation(complete);
    EXPECT_EQ(aif_PredefFieldUtils(temperature_, "Step-1", info, 3).FieldMagnitudes(),
              cow_List<double>({2.0}));
  }
  temperature_.SetVariation(0);
  SetMagnitudes({1.0, 4.0});
  EXPECT_EQ(aif_PredefFieldUtils(temperature_, "Step-1", info, 4).FieldMagnitudes(),
            cow_List<double>({1.0, 4.0, 4.0, 4.0}));
  // A step without a state has no magnitudes (nothing to pad).
  EXPECT_TRUE(aif_PredefFieldUtils(temperature_, "Step-2", info, 4).FieldMagnitudes().IsEmpty());
  kpfC_Saturation saturation;
  saturation.SetValue(0.25);
  EXPECT_EQ(aif_PredefFieldUtils(saturation, "Step-1", info, 3).FieldMagnitudes(),
            cow_List<double>({0.25}));
  EXPECT_TRUE(aif_PredefFieldUtils(kpfC_Field(), "Step-1", info, 3).FieldMagnitudes().IsEmpty());
}

TEST_F(aif_PredefFieldUtilsTest, NodeLinesNamedPerFileKind) {
  // Part based: each magnitude x the field x the scale.
  SetMagnitudes({1.0, 2.0});
  temperature_.SetVariation(1);
  EXPECT_EQ(Analytical(Info(), 2, 0.5),
            "Block-1.2, 1., 2.\n"
            "Block-1.1, 0.5, 1.\n"
            "Block-2.1, 5.5, 11.\n");
  // Flat: Block-2's labels numbered after Block-1's.
  EXPECT_EQ(Analytical(Info(true), 2, 0.5),
            "2, 1., 2.\n"
            "1, 0.5, 1.\n"
            "13, 5.5, 11.\n");
  // Laid out for ten values (one magnitude, variation 0): ten values a node
  // on two lines.
  SetMagnitudes({1.0});
  temperature_.SetVariation(0);
  EXPECT_EQ(Analytical(Info(), 10),
            "Block-1.2, 2., 2., 2., 2., 2., 2., 2., \n2., 2., 2.\n"
            "Block-1.1, 1., 1., 1., 1., 1., 1., 1., \n1., 1., 1.\n"
            "Block-2.1, 11., 11., 11., 11., 11., 11., 11., \n11., 11., 11.\n");
  // A field of another kind has no magnitudes: the labels alone.
  kpfC_Field plain;
  plain.SetRegion(TwoInstanceNodes());
  plain.SetDistributionFieldName("Expr");
  const aif_PredefFieldUtils utils(plain, "Step-1", Info(), 1);
  EXPECT_EQ(aif_test::WrittenText(
                [&](utl_Stream& s) { utils.EvaluatePredefinedField(s, 1.0, "temperature", ""); }),
            "Block-1.2\nBlock-1.1\nBlock-2.1\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_PredefFieldUtilsTest, EachFailureLeavesOneMessageAndNoNodeLine) {
  // A mapping error in the second instance: not even the first instance's
  // lines; the message starts with the mapping's text.
  mapped_.instanceFailures.Set(2, "No source point near the target.");
  temperature_.SetDistributionFieldName("Mapped");
  EXPECT_EQ(Analytical(Info()), "");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"No source point near the target." + PredefFailure("Mapped")});

  // A mapping short of values, a field of neither kind, a missing field.
  ClearFieldMessages();
  mapped_.instanceFailures.Clear();
  mapped_.shortInstances = {1};
  EXPECT_EQ(Analytical(Info()), "");
  temperature_.SetDistributionFieldName("Plain");
  EXPECT_EQ(Analytical(Info()), "");
  temperature_.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(Analytical(Info()), "");
  EXPECT_EQ(Messages(), (std::vector<std::string>{PredefFailure("Mapped"), PredefFailure("Plain"),
                                                  PredefFailure("Nowhere")}));

  // A mapped field over a region without mesh members: nothing at all.
  ClearFieldMessages();
  temperature_.SetDistributionFieldName("Mapped");
  temperature_.SetRegion(rgnC_Region("Set-2", {"Assembly"}));
  EXPECT_EQ(Analytical(Info()), "");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_PredefFieldUtilsTest, DiscreteNodesTakeTheTableOrTheDefault) {
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(1, {0, 1, 2});
  region.SetKernelNodeIndices(2, {0});
  temperature_.SetRegion(region);
  temperature_.SetDistributionFieldName("Disc");
  // Labels 1 and 2 from Block-1's table, 3 not in it, Block-2 without a
  // table: the default.
  EXPECT_EQ(Discrete(Info(), temperature_, 0.5),
            "Block-1.1, 1.\n"
            "Block-1.2, 3.\n"
            "Block-1.3, 7.\n"
            "Block-2.1, 7.\n");
  EXPECT_EQ(Discrete(Info(true), temperature_),
            "1, 2.\n"
            "2, 6.\n"
            "3, 14.\n"
            "13, 14.\n");
  EXPECT_TRUE(Messages().empty());

  // Without defaults a node the table lacks cannot be evaluated; a missing
  // discrete field neither.
  discrete_.SetDefaultValues({});
  EXPECT_EQ(Discrete(Info(), temperature_), "");
  temperature_.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(Discrete(Info(), temperature_), "");
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            PredefFailure("Disc", "discrete", "predefined field \"Field-1\""),
                            PredefFailure("Nowhere", "discrete", "predefined field \"Field-1\"")}));
}

TEST(aif_PredefFieldFlatTest, DiscreteNodesOfAFlatFileWithANodeOffset) {
  kfdC_DiscreteField discrete;
  discrete.SetLocation(kfdC_DiscreteField::kNodes);
  discrete.SetDefaultValues({7.0});
  kfdC_DataTable table("Block-1");
  table.SetDomain({1, 2}, {1.0, 3.0});
  discrete.AddDataTable(table);
  hst_ModelBuilder builder;
  builder.AddPart("Block", hst_GridMesh(2, 1, 1));
  builder.AddInstance("Block-1", "Block");
  builder.AddDiscreteField("Disc", discrete);
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  setenv("TVN_AIF_NODEOFFSET", "100", 1);
  const bas_NewModel model = builder.Model();
  aif_Job job("Job-1", builder.Job(), model);
  const aif_ModelInfo info(job);
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  unsetenv("TVN_AIF_NODEOFFSET");

  kpfC_Saturation saturation;
  saturation.SetValue(2.0);
  rgnC_Region region("Set-1", {"Block-1"});
  region.SetKernelNodeIndices(1, {0, 1, 2});
  saturation.SetRegion(region);
  saturation.SetDistributionFieldName("Disc");
  const aif_PredefFieldUtils utils(saturation, "Step-1", info, 1);
  // Looked up by the plain labels 1 to 3, written shifted by the offset.
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) { utils.EvaluateDiscreteField(s, 1.0); }),
            "101, 2.\n"
            "102, 6.\n"
            "103, 14.\n");
}

}  // namespace
