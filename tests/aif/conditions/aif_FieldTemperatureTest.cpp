// "*Temperature" in a step: uniform magnitudes, results-file options and
// tolerances, node lines of analytical and discrete fields, removals, and a
// distribution no option stands for (no keyword, a message).
#include "aif/impl/conditions/aif_FieldTemperature.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// The field-line model with the temperature "Temp-1" on TwoInstanceNodes(),
// created in "Step-1", and the discrete field "Disc" (Block-1's labels 1
// and 2 at 1 and 3, default 7).
class aif_FieldTemperatureTest : public aif_FieldTestModel {
 protected:
  void SetUp() override {
    aif_FieldTestModel::SetUp();
    temperature_.SetName("Temp-1");
    temperature_.SetRegion(TwoInstanceNodes());
    temperature_.SetVariation(1);
    SetTemperatureState({});
  }
  void AddLateFields() override {
    kfdC_DiscreteField discrete;
    discrete.SetLocation(kfdC_DiscreteField::kNodes);
    discrete.SetDefaultValues({7.0});
    kfdC_DataTable table("Block-1");
    table.SetDomain({1, 2}, {1.0, 3.0});
    discrete.AddDataTable(table);
    builder_.AddDiscreteField("Disc", discrete);
  }

  void SetTemperatureState(std::initializer_list<double> magnitudes, int status = 1) {
    kpfC_GeneralFieldBaseState state;
    state.SetValues(magnitudes);
    temperature_.SetState("Step-1", status, state);
  }
  // A results file `name` with the given interpolation and tolerances.
  void SetTemperatureFile(const char* name, int interpolation, double absolute, double exterior) {
    kpfC_GeneralFieldBaseState state;
    state.SetFileName(name);
    state.SetInterpolation(interpolation);
    state.SetTolerances(absolute, exterior);
    temperature_.SetState("Step-1", state);
  }

  std::string Temperature(bool keepOp = true, int valueCount = 1, double scale = 1.0) {
    const aif_FieldTemperature keyword(temperature_, "Step-1", keepOp, "Set-1", valueCount, Info(),
                                       scale);
    return aif_test::KeywordText(keyword);
  }

  kpfC_Temperature temperature_;
};

TEST_F(aif_FieldTemperatureTest, UniformMagnitudesWithoutTrailingSeparator) {
  SetTemperatureState({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  EXPECT_EQ(Temperature(),
            "*Temperature\n"
            "Set-1, 1., 2., 3., 4., 5., 6., 7.\n"
            "8., 9., 10.\n");
  SetTemperatureState({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(Temperature(false),
            "*Temperature, op=NEW\n"
            "Set-1, 1., 2., 3., 4., 5., 6., 7.\n");
  // Scaled by a load case; an amplitude written printable.
  kpfC_GeneralFieldBaseState state;
  state.SetValues({2, 4});
  state.SetAmplitude("Amp-1");
  temperature_.SetState("Step-1", state);
  EXPECT_EQ(Temperature(true, 1, 0.5),
            "*Temperature, amplitude=Amp-1\n"
            "Set-1, 1., 2.\n");
  // Padded with the last magnitude to the value count (variation 0); no
  // magnitude: the set name alone.
  temperature_.SetVariation(0);
  SetTemperatureState({2});
  EXPECT_EQ(Temperature(true, 3),
            "*Temperature\n"
            "Set-1, 2., 2., 2.\n");
  SetTemperatureState({});
  EXPECT_EQ(Temperature(true, 3),
            "*Temperature\n"
            "Set-1\n");
}

TEST_F(aif_FieldTemperatureTest, RemovedByStatusFourAndFifteen) {
  for (int status : {4, 15})
    for (int distribution : {0, 2, 7}) {
      temperature_.SetDistribution(distribution);
      SetTemperatureState({1}, status);
      EXPECT_EQ(Temperature(true), "*Temperature, op=NEW\n") << status;
    }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_FieldTemperatureTest, ResultsFileNameAndOptions) {
  temperature_.SetDistribution(3);
  SetTemperatureFile("RUN.FIL", 0, 0.0, 0.05);
  EXPECT_EQ(Temperature(), "*Temperature, file=RUN\n");
  // Four characters: nothing cut. A blank: quoted.
  SetTemperatureFile(".fil", 0, 0.0, 0.05);
  EXPECT_EQ(Temperature(), "*Temperature, file=.fil\n");
  SetTemperatureFile("my run.Fil", 0, 0.0, 0.05);
  EXPECT_EQ(Temperature(), "*Temperature, file=\"my run\"\n");

  // The step range where set and not 0; the user subroutine first.
  temperature_.SetDistribution(4);
  kpfC_GeneralFieldBaseState state;
  state.SetFileName("Run");
  state.SetStepRange(1, 0, 2, 5);
  temperature_.SetState("Step-1", state);
  EXPECT_EQ(Temperature(false), "*Temperature, op=NEW, user, file=Run, bstep=1, estep=2, einc=5\n");
  state.SetStepRange(1, 3, 2, 5, 0);  // not set in the step
  temperature_.SetState("Step-1", state);
  EXPECT_EQ(Temperature(), "*Temperature, user, file=Run\n");
}

TEST_F(aif_FieldTemperatureTest, TolerancesOnlyWithInterpolation) {
  temperature_.SetDistribution(3);
  // The default exterior tolerance 0.05 is left out, 0.1 written.
  SetTemperatureFile("Run", 1, 0.0, 0.05);
  EXPECT_EQ(Temperature(), "*Temperature, file=Run, interpolate\n");
  SetTemperatureFile("Run", 1, 0.25, 0.1);
  EXPECT_EQ(Temperature(),
            "*Temperature, file=Run, interpolate, absolute exterior tolerance=0.25, "
            "exterior tolerance=0.1\n");
  // Midside and no interpolation take no tolerance.
  SetTemperatureFile("Run", 2, 0.25, 0.1);
  EXPECT_EQ(Temperature(), "*Temperature, file=Run, midside\n");
  SetTemperatureFile("Run", 0, 0.25, 0.1);
  EXPECT_EQ(Temperature(), "*Temperature, file=Run\n");
  // Tolerances not set in the step are left out.
  kpfC_GeneralFieldBaseState state;
  state.SetFileName("Run");
  state.SetInterpolation(1);
  state.SetTolerances(0.25, 0.1, 0);
  temperature_.SetState("Step-1", state);
  EXPECT_EQ(Temperature(), "*Temperature, file=Run, interpolate\n");
}

TEST_F(aif_FieldTemperatureTest, NodeLinesOfDistributingFields) {
  temperature_.SetDistribution(1);
  EXPECT_EQ(Temperature(), "*Temperature, user\n");

  // Analytical: magnitude 2 x (1 + x + 10 y + 100 z) x the scale.
  temperature_.SetDistribution(6);
  temperature_.SetDistributionFieldName("Expr");
  SetTemperatureState({2});
  EXPECT_EQ(Temperature(true, 1, 0.5),
            "*Temperature\n"
            "Block-1.2, 2.\n"
            "Block-1.1, 1.\n"
            "Block-2.1, 11.\n");
  // Discrete: the table's values, the default where the table has none.
  temperature_.SetDistribution(7);
  temperature_.SetDistributionFieldName("Disc");
  EXPECT_EQ(Temperature(false),
            "*Temperature, op=NEW\n"
            "Block-1.2, 6.\n"
            "Block-1.1, 2.\n"
            "Block-2.1, 14.\n");
  EXPECT_TRUE(Messages().empty());

  // A field that cannot be evaluated keeps the keyword line and leaves a
  // message.
  temperature_.SetDistribution(6);
  temperature_.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(Temperature(), "*Temperature\n");
  EXPECT_EQ(Messages().size(), 2u);  // one per write
}

TEST_F(aif_FieldTemperatureTest, UnwrittenDistributionLeavesNoKeywordAndAMessage) {
  for (int distribution : {2, 5, 8}) {
    temperature_.SetDistribution(distribution);
    EXPECT_EQ(Temperature(false), "");
    const std::string message =
        "The predefined field Temp-1 is not written in step Step-1: its distribution (" +
        std::to_string(distribution) + ") cannot be written in the input file.";
    EXPECT_EQ(Messages(), (std::vector<std::string>{message, message}));
    ClearFieldMessages();
  }
}

TEST_F(aif_FieldTemperatureTest, CopiesReadTheModelsOwnField) {
  // Made before the field changes, written after: the change shows.
  SetTemperatureState({1});
  const aif_FieldTemperature keyword(temperature_, "Step-1", true, "Set-1", 1, Info(), 1.0);
  const std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  temperature_.SetDistribution(3);
  SetTemperatureFile("Later.fil", 0, 0.0, 0.05);
  EXPECT_EQ(aif_test::KeywordText(*copy), "*Temperature, file=Later\n");
}

}  // namespace
