// The scalar initial conditions: uniform lines laid out for the value
// counts, node lines of analytical and discrete fields, and a field that
// cannot be evaluated (the keyword line, no node line, one message).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// The field-line model with the discrete field "Disc" (Block-1's table holds
// labels 1 and 2 with 4 and 6, default 9).
class aif_InitialScalarTest : public aif_FieldTestModel {
 protected:
  void AddLateFields() override {
    kfdC_DiscreteField discrete;
    discrete.SetLocation(kfdC_DiscreteField::kNodes);
    discrete.SetDefaultValues({9.0});
    kfdC_DataTable table("Block-1");
    table.SetDomain({1, 2}, {4.0, 6.0});
    discrete.AddDataTable(table);
    builder_.AddDiscreteField("Disc", discrete);
  }

  std::string Text(const kpfC_Field& field, int temperatureCount = 1, int fieldCount = 1) {
    const aif_InitialConditions keyword(field, "Initial", "Initial", 0, "Set-1", temperatureCount,
                                        fieldCount, &Info(), 1.0);
    return aif_test::KeywordText(keyword);
  }

  // The text of one write (the checking messages of one write).
  std::string TextOnce(const kpfC_Field& field) {
    const aif_InitialConditions keyword(field, "Initial", "Initial", 0, "Set-1", 1, 1, &Info(),
                                        1.0);
    return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); });
  }

  // A uniform temperature with `magnitudes` in the initial step.
  static kpfC_Temperature UniformTemperature(std::initializer_list<double> magnitudes,
                                             int variation = 0) {
    kpfC_Temperature temperature;
    temperature.SetName("Temp-1");
    temperature.SetVariation(variation);
    kpfC_GeneralFieldBaseState state;
    state.SetValues(magnitudes);
    temperature.SetState("Initial", 1, state);
    return temperature;
  }

  static std::string FailureText(const char* subject, const char* field,
                                 const char* source = "analytical") {
    return std::string("\nDue to the failure of evaluating the ") + subject + "\nfrom " + source +
           " field \"" + field + "\",\nthis predefined field will be missing in the input file.";
  }
};

constexpr char kTemperatureLine[] = "*Initial Conditions, type=TEMPERATURE\n";

TEST_F(aif_InitialScalarTest, UniformTemperaturePaddedToTheValueCount) {
  // No magnitudes: the name alone, on ceil((n + 1) / 8) lines.
  EXPECT_EQ(Text(UniformTemperature({}), 7), std::string(kTemperatureLine) + "Set-1\n");
  EXPECT_EQ(Text(UniformTemperature({}), 8), std::string(kTemperatureLine) + "Set-1\n\n");
  // Seven magnitudes fill the first line and start no second one.
  EXPECT_EQ(Text(UniformTemperature({1, 2, 3, 4, 5, 6, 7}), 7),
            std::string(kTemperatureLine) + "Set-1, 1., 2., 3., 4., 5., 6., 7.\n");
  // Ten values from two magnitudes: the last repeated (variation code 0).
  EXPECT_EQ(Text(UniformTemperature({1, 2}), 10),
            std::string(kTemperatureLine) + "Set-1, 1., 2., 2., 2., 2., 2., 2., \n2., 2., 2.\n");
  // Variation codes 1 and 2 keep the list as given; the lines are padded.
  for (int complete : {1, 2})
    EXPECT_EQ(Text(UniformTemperature({1, 2}, complete), 10),
              std::string(kTemperatureLine) + "Set-1, 1., 2.\n\n")
        << complete;
  // User, geostatic and results-file kinds: the header only.
  kpfC_Temperature user = UniformTemperature({1});
  user.SetDistribution(1);
  EXPECT_EQ(Text(user), "*Initial Conditions, type=TEMPERATURE, user\n");
  user.SetDistribution(2);
  EXPECT_EQ(Text(user), "*Initial Conditions, type=TEMPERATURE, geostatic\n");
}

TEST_F(aif_InitialScalarTest, TemperatureFromAnalyticalAndDiscreteFields) {
  // 1 + x + 10 y + 100 z at Block-1's nodes 2 and 1 and Block-2's node 1,
  // times the magnitude 2.
  kpfC_Temperature temperature = UniformTemperature({2});
  temperature.SetRegion(TwoInstanceNodes());
  temperature.SetDistribution(6);
  temperature.SetDistributionFieldName("Expr");
  EXPECT_EQ(Text(temperature),
            std::string(kTemperatureLine) + "Block-1.2, 4.\nBlock-1.1, 2.\nBlock-2.1, 22.\n");
  // A discrete field: Block-1 from its table, Block-2 (no table) the default.
  temperature.SetDistribution(7);
  temperature.SetDistributionFieldName("Disc");
  EXPECT_EQ(Text(temperature),
            std::string(kTemperatureLine) + "Block-1.2, 12.\nBlock-1.1, 8.\nBlock-2.1, 18.\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_InitialScalarTest, FieldsThatCannotBeEvaluatedLeaveTheKeywordLineAndOneMessage) {
  // The mapping fails in Block-2: not even Block-1's lines are written.
  mapped_.instanceFailures.Set(2, "No source point.");
  kpfC_Temperature temperature = UniformTemperature({1});
  temperature.SetRegion(TwoInstanceNodes());
  temperature.SetDistribution(6);
  temperature.SetDistributionFieldName("Mapped");
  EXPECT_EQ(TextOnce(temperature), kTemperatureLine);
  EXPECT_EQ(Messages(), std::vector<std::string>{"No source point." +
                                                 FailureText("temperature \"\"", "Mapped")});
  // A missing analytical field and a missing discrete field: a message each,
  // no exception.
  ClearFieldMessages();
  temperature.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(TextOnce(temperature), kTemperatureLine);
  temperature.SetDistribution(7);
  EXPECT_EQ(TextOnce(temperature), kTemperatureLine);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            FailureText("temperature \"\"", "Nowhere"),
                            FailureText("predefined field \"Temp-1\"", "Nowhere", "discrete")}));
}

TEST_F(aif_InitialScalarTest, FieldVariableAndSaturation) {
  // A field variable: its values laid out for the field-value count.
  kpfC_GeneralField field;
  field.SetVariable(3);
  kpfC_GeneralFieldBaseState state;
  state.SetValues({0.5, 1.5});
  field.SetState("Initial", 1, state);
  EXPECT_EQ(Text(field, 1, 8),
            "*Initial Conditions, type=FIELD, variable = 3\n"
            "Set-1, 0.5, 1.5\n\n");
  field.SetDistribution(6);
  EXPECT_EQ(Text(field), "*Initial Conditions, type=FIELD, variable = 3\n");

  // A saturation: uniform, then scaled once by its value at every node.
  kpfC_Saturation saturation;
  saturation.SetValue(0.5);
  EXPECT_EQ(Text(saturation), "*Initial Conditions, type=SATURATION\nSet-1, 0.5\n");
  saturation.SetRegion(TwoInstanceNodes());
  saturation.SetDistribution(6);
  saturation.SetDistributionFieldName("Expr");
  EXPECT_EQ(Text(saturation),
            "*Initial Conditions, type=SATURATION\n"
            "Block-1.2, 1.\nBlock-1.1, 0.5\nBlock-2.1, 5.5\n");
  saturation.SetDistribution(7);
  saturation.SetDistributionFieldName("Disc");
  EXPECT_EQ(Text(saturation),
            "*Initial Conditions, type=SATURATION\n"
            "Block-1.2, 3.\nBlock-1.1, 2.\nBlock-2.1, 4.5\n");
  saturation.SetDistribution(3);
  EXPECT_EQ(Text(saturation), "*Initial Conditions, type=SATURATION\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_InitialScalarTest, RatioAndPorePressureUniformAndEvaluated) {
  kpfC_VoidsRatio ratio;
  ratio.SetName("Ratio-1");
  ratio.SetValue(0.7);
  EXPECT_EQ(Text(ratio), "*Initial Conditions, TYPE=RATIO\nSet-1, 0.7\n");
  ratio.SetVariation(1, {1.0, 2.0, 3.0});
  EXPECT_EQ(Text(ratio), "*Initial Conditions, TYPE=RATIO\nSet-1, 0.7, 1., 2., 3.\n");
  // Another variation flag writes the value alone.
  ratio.SetVariation(2, {1.0, 2.0, 3.0});
  EXPECT_EQ(Text(ratio), "*Initial Conditions, TYPE=RATIO\nSet-1, 0.7\n");

  // The uniform kind through its analytical field: value x the field at each
  // node, the variation numbers after it.
  ratio.SetVariation(1, {1.0, 2.0, 3.0});
  ratio.SetValue(0.5);
  ratio.SetRegion(TwoInstanceNodes());
  ratio.SetAnalyticalField(1);
  ratio.SetDistributionFieldName("Mapped");
  EXPECT_EQ(Text(ratio),
            "*Initial Conditions, TYPE=RATIO\n"
            "Block-1.2, 3., 1., 2., 3.\nBlock-1.1, 2.5, 1., 2., 3.\nBlock-2.1, 2.5, 1., 2., 3.\n");
  // A discrete field, and a results file (the header only).
  ratio.SetVariation(0, {});
  ratio.SetDistribution(7);
  ratio.SetDistributionFieldName("Disc");
  EXPECT_EQ(Text(ratio),
            "*Initial Conditions, TYPE=RATIO\nBlock-1.2, 3.\nBlock-1.1, 2.\nBlock-2.1, 4.5\n");
  ratio.SetDistribution(3);
  ratio.SetFile("r", -1, -1);
  EXPECT_EQ(Text(ratio), "*Initial Conditions, TYPE=RATIO, file=r\n");

  // Pore pressure from an expression field, in a flat file.
  kpfC_PorePressure pressure;
  pressure.SetValue(10.0);
  pressure.SetRegion(TwoInstanceNodes());
  pressure.SetDistribution(6);
  pressure.SetDistributionFieldName("Expr");
  const aif_InitialConditions flat(pressure, "Initial", "Initial", 0, "Set-1", 1, 1, &Info(true),
                                   1.0);
  EXPECT_EQ(aif_test::KeywordText(flat),
            "*Initial Conditions, TYPE=PORE PRESSURE\n2, 20.\n1, 10.\n13, 110.\n");
  pressure.SetDistribution(0);
  EXPECT_EQ(Text(pressure), "*Initial Conditions, TYPE=PORE PRESSURE\nSet-1, 10.\n");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_InitialScalarTest, EvaluatedRatioFailures) {
  // A mapping error in the second instance: no node line of either
  // instance, one message naming the quantity and the field.
  mapped_.instanceFailures.Set(2, "Out of the source.");
  kpfC_PorePressure pressure;
  pressure.SetName("Pore-1");
  pressure.SetValue(1.0);
  pressure.SetRegion(TwoInstanceNodes());
  pressure.SetDistribution(6);
  pressure.SetDistributionFieldName("Mapped");
  EXPECT_EQ(TextOnce(pressure), "*Initial Conditions, TYPE=PORE PRESSURE\n");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Out of the source." +
                                     FailureText("pore pressure \"Pore-1\"", "Mapped")});
  // A missing discrete field: the message of the discrete lookup.
  ClearFieldMessages();
  kpfC_VoidsRatio ratio;
  ratio.SetName("Ratio-1");
  ratio.SetRegion(TwoInstanceNodes());
  ratio.SetDistribution(7);
  ratio.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(TextOnce(ratio), "*Initial Conditions, TYPE=RATIO\n");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{FailureText("void ratio \"Ratio-1\"", "Nowhere", "discrete")});

  // An analytical field neither expression nor mapped is refused, before
  // any node line.
  ratio.SetDistribution(6);
  ratio.SetDistributionFieldName("Plain");
  const aif_InitialConditions keyword(ratio, "Initial", "Initial", 0, "Set-1", 1, 1, &Info(), 1.0);
  std::string error;
  const std::string written = aif_test::StreamText([&](utl_Stream& s) {
    try {
      keyword.WriteEvaluatedRatioValues(s, "void ratio", cow_String());
    } catch (const aif_Exception& e) {
      error = e.Message().Str();
    }
  });
  EXPECT_EQ(error, "Undefined Predefined Field type for Analytical/Discrete Field output.");
  EXPECT_EQ(written, "");
}

}  // namespace
