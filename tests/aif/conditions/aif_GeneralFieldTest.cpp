// "*Field", "*Mass Flow Rate" and "*Pressure Stress" in a step: removals,
// uniform data lines with a load case's scale, the user subroutine, results
// files, and a distribution no option stands for (no keyword, a message).
#include "aif/impl/conditions/aif_GeneralField.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "aif/impl/conditions/aif_MassFlowRate.h"
#include "aif/impl/conditions/aif_PressureStress.h"
#include "support/aif_TestSupport.h"

namespace {

// A field of `Kind` with `status` in "Step-1" and the given uniform values.
template <class Kind>
Kind UniformKindField(int status, std::initializer_list<double> values, int distribution = 0) {
  Kind field;
  field.SetName("Field-1");
  field.SetDistribution(distribution);
  kpfC_GeneralFieldBaseState state;
  state.SetValues(values);
  field.SetState("Step-1", status, state);
  return field;
}

// The messages left by a block, cleared afterwards.
std::vector<std::string> UniformKindMessages() {
  std::vector<std::string> texts;
  for (const atr_String& text : ajbC_CheckingMessages::Instance().Messages())
    texts.push_back(text.Str());
  ajbC_CheckingMessages::Instance().Messages().Clear();
  return texts;
}

std::string UnwrittenFieldMessage(const char* distribution) {
  return std::string(
             "The predefined field Field-1 is not written in step Step-1: its "
             "distribution (") +
         distribution + ") cannot be written in the input file.";
}

TEST(aif_GeneralFieldTest, RemovalIsTheKeywordLineWithOpNew) {
  // Status 4 and 15 alike, whatever keep-op flag and distribution.
  for (int status : {4, 15})
    for (int distribution : {0, 3, 6}) {
      const auto field = UniformKindField<kpfC_GeneralField>(status, {1.0}, distribution);
      const aif_GeneralField keyword(field, "Step-1", true, "Set-1");
      EXPECT_TRUE(keyword.Inactive());
      EXPECT_EQ(aif_test::KeywordText(keyword), "*Field, op=NEW\n") << status;
      EXPECT_EQ(aif_test::KeywordText(aif_MassFlowRate(
                    UniformKindField<kpfC_MassFlowRate>(status, {1.0}, distribution), "Step-1",
                    true, "Set-1")),
                "*Mass Flow Rate, op=NEW\n");
      EXPECT_EQ(aif_test::KeywordText(aif_PressureStress(
                    UniformKindField<kpfC_PressureStress>(status, {1.0}, distribution), "Step-1",
                    true, "Set-1")),
                "*Pressure Stress, op=NEW\n");
    }
  EXPECT_TRUE(UniformKindMessages().empty());
  // Created or carried over: written in full.
  const auto carried = UniformKindField<kpfC_GeneralField>(2, {1.0});
  EXPECT_FALSE(aif_GeneralField(carried, "Step-1", true, "Set-1").Inactive());
}

TEST(aif_GeneralFieldTest, UniformValuesSevenOnTheSetLineEightOnFurtherOnes) {
  auto field = UniformKindField<kpfC_GeneralField>(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(field, "Step-1", true, "Set-1")),
            "*Field, variable=1\n"
            "Set-1, 1., 2., 3., 4., 5., 6., 7.\n"
            "8., 9., 10., \n");
  // Seven values fill the first line; fifteen fill two.
  field = UniformKindField<kpfC_GeneralField>(1, {1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(field, "Step-1", true, "Set-1")),
            "*Field, variable=1\n"
            "Set-1, 1., 2., 3., 4., 5., 6., 7.\n");
  field =
      UniformKindField<kpfC_GeneralField>(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(field, "Step-1", true, "Set-1")),
            "*Field, variable=1\n"
            "Set-1, 1., 2., 3., 4., 5., 6., 7.\n"
            "8., 9., 10., 11., 12., 13., 14., 15.\n");
  // No value: the set name and ", ". A number wins over the variable; the
  // amplitude is written printable.
  field = UniformKindField<kpfC_GeneralField>(1, {});
  field.SetVariable(4);
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(field, "Step-1", false, "Set-1")),
            "*Field, op=NEW, variable=4\n"
            "Set-1, \n");
  field = UniformKindField<kpfC_GeneralField>(1, {0.5, 2});
  field.SetNumber(3);
  kpfC_GeneralFieldBaseState state = field.ConstGetState("Step-1");
  state.SetAmplitude("Amp 1");
  field.SetState("Step-1", state);
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(field, "Step-1", true, "Set-1")),
            "*Field, number=3, amplitude=\"Amp 1\"\n"
            "Set-1, 0.5, 2., \n");
}

TEST(aif_GeneralFieldTest, LoadCaseScaleMultipliesUniformValues) {
  const auto general = UniformKindField<kpfC_GeneralField>(1, {2, 4});
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(general, "Step-1", true, "Set-1", 0.5)),
            "*Field, variable=1\n"
            "Set-1, 1., 2., \n");
  const auto flow = UniformKindField<kpfC_MassFlowRate>(1, {2, 4, 6});
  EXPECT_EQ(aif_test::KeywordText(aif_MassFlowRate(flow, "Step-1", true, "Set-1", 0.5)),
            "*Mass Flow Rate\n"
            "Set-1, 1., 2., 3.\n");
  const auto pressure = UniformKindField<kpfC_PressureStress>(1, {3});
  EXPECT_EQ(aif_test::KeywordText(aif_PressureStress(pressure, "Step-1", false, "Set-1", 0.5)),
            "*Pressure Stress, op=NEW\n"
            "Set-1, 1.5\n");
}

TEST(aif_GeneralFieldTest, KeywordReadsTheModelsOwnField) {
  // Made before the field changes, written after: the change shows.
  auto field = UniformKindField<kpfC_GeneralField>(1, {1});
  const aif_GeneralField keyword(field, "Step-1", true, "Set-1");
  const std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  field.SetVariable(9);
  kpfC_GeneralFieldBaseState state;
  state.SetValues({5});
  field.SetState("Step-1", state);
  EXPECT_EQ(aif_test::KeywordText(*copy),
            "*Field, variable=9\n"
            "Set-1, 5., \n");
}

TEST(aif_GeneralFieldTest, UserSubroutineAndResultsFiles) {
  auto general = UniformKindField<kpfC_GeneralField>(1, {1}, 1);
  general.SetVariable(2);
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(general, "Step-1", false, "Set-1")),
            "*Field, op=NEW, variable=2, user\n"
            "Set-1\n");
  // A results file: ".fil" cut, the name printable, the step range where
  // not 0, midside for interpolation 2.
  general = UniformKindField<kpfC_GeneralField>(1, {}, 3);
  kpfC_GeneralFieldBaseState state;
  state.SetFileName("old run.FIL");
  state.SetStepRange(1, 0, 3, 4);
  state.SetInterpolation(2);
  general.SetState("Step-1", state);
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(general, "Step-1", true, "Set-1")),
            "*Field, variable=1, file=\"old run\", bstep=1, estep=3, einc=4, midside\n");
  general.SetDistribution(4);
  state.SetFileName("RUN");
  state.SetStepRange(0, 0, 0, 0);
  state.SetInterpolation(1);
  general.SetState("Step-1", state);
  EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(general, "Step-1", true, "Set-1")),
            "*Field, variable=1, user, file=RUN\n");

  auto pressure = UniformKindField<kpfC_PressureStress>(1, {}, 3);
  state.SetFileName("Run.fil");
  pressure.SetState("Step-1", state);
  EXPECT_EQ(aif_test::KeywordText(aif_PressureStress(pressure, "Step-1", true, "Set-1")),
            "*Pressure Stress, file=Run\n");
  pressure.SetDistribution(4);
  EXPECT_EQ(aif_test::KeywordText(aif_PressureStress(pressure, "Step-1", false, "Set-1")),
            "*Pressure Stress, op=NEW, user, file=Run\n");
  pressure.SetDistribution(1);
  EXPECT_EQ(aif_test::KeywordText(aif_PressureStress(pressure, "Step-1", true, "Set-1")),
            "*Pressure Stress, user\n"
            "Set-1\n");
  const auto flow = UniformKindField<kpfC_MassFlowRate>(1, {}, 1);
  EXPECT_EQ(aif_test::KeywordText(aif_MassFlowRate(flow, "Step-1", true, "Set-1")),
            "*Mass Flow Rate, user\n"
            "Set-1\n");
  EXPECT_TRUE(UniformKindMessages().empty());
}

TEST(aif_GeneralFieldTest, UnwrittenDistributionLeavesNoKeywordAndAMessage) {
  for (int distribution : {2, 5, 6, 7}) {
    const auto general = UniformKindField<kpfC_GeneralField>(1, {1}, distribution);
    EXPECT_EQ(aif_test::KeywordText(aif_GeneralField(general, "Step-1", false, "Set-1")), "");
    const auto pressure = UniformKindField<kpfC_PressureStress>(1, {1}, distribution);
    EXPECT_EQ(aif_test::KeywordText(aif_PressureStress(pressure, "Step-1", false, "Set-1")), "");
    // KeywordText writes twice: one message a write.
    const std::string message = UnwrittenFieldMessage(std::to_string(distribution).c_str());
    EXPECT_EQ(UniformKindMessages(),
              (std::vector<std::string>{message, message, message, message}));
  }
  // Mass flow rate writes uniform values and the user subroutine only.
  for (int distribution : {3, 4}) {
    const auto flow = UniformKindField<kpfC_MassFlowRate>(1, {1}, distribution);
    EXPECT_EQ(aif_test::KeywordText(aif_MassFlowRate(flow, "Step-1", true, "Set-1")), "");
    const std::string message = UnwrittenFieldMessage(std::to_string(distribution).c_str());
    EXPECT_EQ(UniformKindMessages(), (std::vector<std::string>{message, message}));
  }
}

}  // namespace
