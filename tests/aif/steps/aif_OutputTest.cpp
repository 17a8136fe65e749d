// "*Output": the variable and filter options, the timing option of each
// output mode against the procedure's defaults, mode lists sixteen a line,
// sensors and time marks.
#include "aif/impl/steps/aif_Output.h"

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

const unsigned kOutputStatic = kprC_StaticStep::kTypeId;
const unsigned kOutputExplicit = kprC_ExplicitDynamicsStep::kTypeId;
const unsigned kOutputModal = kprC_ModalDynamicsStep::kTypeId;
const unsigned kOutputFlow = kprC_FlowStep::kTypeId;
const unsigned kOutputFrequencyStep = kprC_FrequencyStep::kTypeId;

const korC_OdbChannel kOutputField(true);
const korC_OdbChannel kOutputHistory(false);

aif_Output::Mode OutputMode(int mode) {
  return aif_Output::Mode(static_cast<korC_OdbRequest::TypeEnm>(mode));
}

// Every `frequency` increments.
std::string FrequencyText(const korC_OdbChannel& channel, int frequency, unsigned procedure,
                          bool preselect = true, bool all = false, const char* filter = "",
                          const char* sensor = "") {
  return KeywordText(
      aif_Output(channel, OutputMode(0), frequency, preselect, all, procedure, filter, sensor));
}

std::string IntervalText(const korC_OdbChannel& channel, int intervals, bool marks, double period,
                         unsigned procedure) {
  return KeywordText(
      aif_Output(channel, OutputMode(1), intervals, marks, true, false, period, procedure, "", ""));
}

std::string ModesText(int count, bool preselect = false) {
  cow_List<int> modes;
  for (int i = 1; i <= count; ++i)
    modes.Append(i);
  return KeywordText(aif_Output(kOutputField, OutputMode(3), modes, preselect, false,
                                kOutputFrequencyStep, "", ""));
}

TEST(aif_OutputTest, FrequencyAgainstTheProcedureDefault) {
  // Frequency 0: the frequency alone, no variable or filter option.
  EXPECT_EQ(FrequencyText(kOutputField, 0, kOutputStatic, true, true, "F-1"),
            "*Output, field, frequency=0\n");
  // The default of 1 increment is left out; 10 is the default of mode-based
  // procedures.
  EXPECT_EQ(FrequencyText(kOutputField, 1, kOutputStatic), "*Output, field, variable=PRESELECT\n");
  EXPECT_EQ(FrequencyText(kOutputField, 10, kOutputModal), "*Output, field, variable=PRESELECT\n");
  EXPECT_EQ(FrequencyText(kOutputField, 1, kOutputModal),
            "*Output, field, variable=PRESELECT, frequency=1\n");
  // Procedures writing by intervals and flow procedures always say it.
  EXPECT_EQ(FrequencyText(kOutputHistory, 1, kOutputExplicit),
            "*Output, history, variable=PRESELECT, frequency=1\n");
  EXPECT_EQ(FrequencyText(kOutputField, 1, kOutputFlow),
            "*Output, field, variable=PRESELECT, frequency=1\n");
  // Preselect wins over all; ALL alone; no variable option; the filter name
  // is written printable.
  EXPECT_EQ(FrequencyText(kOutputField, 5, kOutputStatic, true, true),
            "*Output, field, variable=PRESELECT, frequency=5\n");
  EXPECT_EQ(FrequencyText(kOutputField, 5, kOutputStatic, false, true, "Filter 1"),
            "*Output, field, variable=ALL, filter=\"Filter 1\", frequency=5\n");
  EXPECT_EQ(FrequencyText(kOutputHistory, 5, kOutputStatic, false, false, "F-1"),
            "*Output, history, filter=F-1, frequency=5\n");
}

TEST(aif_OutputTest, Sensors) {
  EXPECT_EQ(FrequencyText(kOutputHistory, 1, kOutputStatic, false, false, "", "S"),
            "*Output, history, sensor, name=S\n");
  EXPECT_EQ(FrequencyText(kOutputHistory, 3, kOutputStatic, false, false, "", "My sensor"),
            "*Output, history, sensor, name=\"My sensor\", frequency=3\n");
  // Field output has no sensors.
  EXPECT_EQ(FrequencyText(kOutputField, 3, kOutputStatic, false, false, "", "S"),
            "*Output, field, frequency=3\n");
}

TEST(aif_OutputTest, NumberOfIntervals) {
  // The default number where the procedure writes by intervals: no timing
  // option (20 field, 200 history); explicit time marks default to NO.
  EXPECT_EQ(IntervalText(kOutputField, 20, false, 1.0, kOutputExplicit),
            "*Output, field, variable=PRESELECT\n");
  EXPECT_EQ(IntervalText(kOutputField, 20, true, 1.0, kOutputExplicit),
            "*Output, field, variable=PRESELECT, time marks=YES\n");
  EXPECT_EQ(IntervalText(kOutputHistory, 200, false, 1.0, kOutputExplicit),
            "*Output, history, variable=PRESELECT\n");
  EXPECT_EQ(IntervalText(kOutputField, 10, false, 1.0, kOutputExplicit),
            "*Output, field, variable=PRESELECT, number interval=10\n");
  // Explicit history output turns intervals into a time interval, and
  // writes none without a period.
  EXPECT_EQ(IntervalText(kOutputHistory, 10, false, 2.0, kOutputExplicit),
            "*Output, history, variable=PRESELECT, time interval=0.2\n");
  EXPECT_EQ(IntervalText(kOutputHistory, 10, false, 0.0, kOutputExplicit),
            "*Output, history, variable=PRESELECT\n");
  EXPECT_EQ(IntervalText(kOutputHistory, 0, false, 2.0, kOutputExplicit),
            "*Output, history, variable=PRESELECT\n");
  // A procedure writing every n increments states any number; its time
  // marks default to YES.
  EXPECT_EQ(IntervalText(kOutputField, 20, true, 1.0, kOutputStatic),
            "*Output, field, variable=PRESELECT, number interval=20\n");
  EXPECT_EQ(IntervalText(kOutputHistory, 200, false, 1.0, kOutputStatic),
            "*Output, history, variable=PRESELECT, number interval=200, time marks=NO\n");
  // A procedure without a time period allows no time marks.
  EXPECT_EQ(IntervalText(kOutputField, 5, false, 1.0, kOutputFrequencyStep),
            "*Output, field, variable=PRESELECT, number interval=5\n");
}

TEST(aif_OutputTest, TimeIntervalAndTimePoints) {
  EXPECT_EQ(KeywordText(aif_Output(kOutputField, OutputMode(2), 0.5, true, false, true,
                                   kOutputStatic, "", "")),
            "*Output, field, variable=ALL, time interval=0.5\n");
  // Not above 1e-100: written as 1e-100.
  EXPECT_EQ(KeywordText(aif_Output(kOutputField, OutputMode(2), 0.0, true, false, false,
                                   kOutputStatic, "", "")),
            "*Output, field, time interval=1.e-100\n");
  EXPECT_EQ(KeywordText(aif_Output(kOutputHistory, OutputMode(2), -3.0, true, false, false,
                                   kOutputExplicit, "", "")),
            "*Output, history, time interval=1.e-100, time marks=YES\n");

  EXPECT_EQ(KeywordText(aif_Output(kOutputField, OutputMode(4), cow_String("Out times"), false,
                                   true, false, kOutputStatic, "", "")),
            "*Output, field, variable=PRESELECT, time points=\"Out times\", time marks=NO\n");
  // Time marks at the procedure's default are left out.
  EXPECT_EQ(KeywordText(aif_Output(kOutputField, OutputMode(4), cow_String("TP-1"), true, true,
                                   false, kOutputStatic, "", "")),
            "*Output, field, variable=PRESELECT, time points=TP-1\n");
  // A mode the keyword does not know: no timing option and no time marks.
  EXPECT_EQ(KeywordText(aif_Output(kOutputField, OutputMode(7), cow_String("TP-1"), false, true,
                                   false, kOutputStatic, "", "")),
            "*Output, field, variable=PRESELECT\n");
}

TEST(aif_OutputTest, ModeListsSixteenALine) {
  EXPECT_EQ(ModesText(3), "*Output, field, mode list\n1, 2, 3, \n");
  // A full line ends the keyword: no empty line after it.
  EXPECT_EQ(ModesText(16),
            "*Output, field, mode list\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16\n");
  EXPECT_EQ(ModesText(17, true),
            "*Output, field, variable=PRESELECT, mode list\n"
            "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16\n17, \n");
  EXPECT_EQ(ModesText(32),
            "*Output, field, mode list\n"
            "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16\n"
            "17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32\n");
  EXPECT_EQ(ModesText(0), "*Output, field\n");
}

TEST(aif_OutputTest, CloneWritesTheSame) {
  const aif_Output output(kOutputHistory, OutputMode(1), 10, false, true, false, 2.0,
                          kOutputExplicit, "F-1", "");
  std::unique_ptr<akw_Keyword> copy(output.Clone());
  EXPECT_EQ(KeywordText(*copy),
            "*Output, history, variable=PRESELECT, filter=F-1, time interval=0.2\n");
}

}  // namespace
