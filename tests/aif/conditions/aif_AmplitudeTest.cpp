// "*Amplitude", "*Spectrum", "*Psd-definition" and "*Baseline Correction":
// every kind's keyword line and data lines, the line splits of long tables,
// and the amplitudes refused before anything is written.

#include "aif/impl/conditions/aif_Amplitude.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "aif/impl/conditions/aif_BaselineCorrection.h"
#include "aif/impl/conditions/aif_PsdDefinition.h"
#include "aif/impl/conditions/aif_Spectrum.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

// `count` time-value pairs (i, 10 i) from 1.
kamC_Table AmplitudeTestPairs(int count) {
  kamC_Table table;
  for (int i = 1; i <= count; ++i)
    table.push_back({double(i), 10.0 * i});
  return table;
}

// What writing `keyword` throws; "" when nothing is thrown. Nothing may have
// been written before the error.
std::string AmplitudeTestRefusal(const akw_Keyword& keyword) {
  std::string message;
  const std::string text = aif_test::StreamText([&](utl_Stream& s) {
    try {
      keyword.Write(s);
    } catch (const aif_Exception& e) {
      message = e.what();
    }
  });
  EXPECT_EQ("", text) << "written before the error";
  return message;
}

TEST(aif_AmplitudeTest, TabularAndSmoothStep) {
  kamC_Tabular tabular;
  tabular.SetData(AmplitudeTestPairs(9));
  const std::string nine =
      "             1.,             10.,              2.,             20.,              3.,     "
      "        30.,              4.,             40.\n"
      "             5.,             50.,              6.,             60.,              7.,     "
      "        70.,              8.,             80.\n"
      "             9.,             90.\n";
  EXPECT_EQ("*Amplitude, name=Ramp\n" + nine,
            aif_test::KeywordText(aif_Amplitude("Ramp", tabular)));

  tabular.SetSmoothing(0.05);
  tabular.SetTimeSpan(kamC_Amplitude::TOTAL);
  tabular.SetData({{0.0, 0.0}, {0.125, 1.5}, {1.0 / 3.0, -2.0}, {1.0, 1e-07}});
  aif_Amplitude total("Ramp Two", tabular);
  EXPECT_EQ(
      "*Amplitude, name=\"Ramp Two\", time=TOTAL TIME, smooth=0.05\n"
      "             0.,              0.,           0.125,             1.5, 0.333333333333333,  "
      "           -2.,              1.,          1.e-07\n",
      aif_test::KeywordText(total));
  std::unique_ptr<akw_Keyword> copy(total.Clone());
  EXPECT_EQ(aif_test::KeywordText(total), aif_test::KeywordText(*copy));

  kamC_SmoothStep step;
  step.SetData({{0.0, 0.0}, {2.0, 1.0}});
  EXPECT_EQ(
      "*Amplitude, name=Step, definition=SMOOTH STEP\n"
      "             0.,              0.,              2.,              1.\n",
      aif_test::KeywordText(aif_Amplitude("Step", step)));
}

TEST(aif_AmplitudeTest, EquallySpacedAndPeriodic) {
  kamC_EquallySpaced spaced;
  spaced.SetFixedInterval(0.5);
  cow_List<double> values;
  for (int i = 1; i <= 16; ++i)
    values.Append(double(i));
  spaced.SetValues(values);
  const std::string sixteen =
      "             1.,              2.,              3.,              4.,              5.,     "
      "         6.,              7.,              8.\n"
      "             9.,             10.,             11.,             12.,             13.,     "
      "        14.,             15.,             16.\n";
  EXPECT_EQ("*Amplitude, name=Spaced, definition=EQUALLY SPACED, fixed interval=0.5\n" + sixteen,
            aif_test::KeywordText(aif_Amplitude("Spaced", spaced)));
  spaced.SetSmoothing(0.25);
  spaced.SetBegin(2.0);
  spaced.SetValues(cow_List<double>({7.0}));
  EXPECT_EQ(
      "*Amplitude, name=Spaced, definition=EQUALLY SPACED, smooth=0.25, fixed interval=0.5, "
      "begin=2.\n"
      "             7.\n",
      aif_test::KeywordText(aif_Amplitude("Spaced", spaced)));

  kamC_Periodic periodic;
  periodic.SetScalars({6.25, 0.0, 1.5});
  EXPECT_EQ(
      "*Amplitude, name=Wave, definition=PERIODIC\n"
      "0,            6.25,              0.,             1.5\n",
      aif_test::KeywordText(aif_Amplitude("Wave", periodic)));
  periodic.SetData(AmplitudeTestPairs(5));
  EXPECT_EQ(
      "*Amplitude, name=Wave, definition=PERIODIC\n"
      "5,            6.25,              0.,             1.5\n"
      "             1.,             10.,              2.,             20.,              3.,     "
      "        30.,              4.,             40.\n"
      "             5.,             50.\n",
      aif_test::KeywordText(aif_Amplitude("Wave", periodic)));
}

TEST(aif_AmplitudeTest, ScalarKindsActuatorAndUser) {
  kamC_Modulated modulated;
  modulated.SetScalars({0.0, 1.0, 2.0, 3.0, 4.0});
  EXPECT_EQ(
      "*Amplitude, name=Mod, definition=MODULATED\n"
      "             0.,              1.,              2.,              3.,              4.\n",
      aif_test::KeywordText(aif_Amplitude("Mod", modulated)));
  kamC_Decay decay;
  decay.SetScalars({0.5, 1.0, 2.0, 0.25});
  EXPECT_EQ(
      "*Amplitude, name=Fade, definition=DECAY\n"
      "            0.5,              1.,              2.,            0.25\n",
      aif_test::KeywordText(aif_Amplitude("Fade", decay)));
  kamC_SolutionDependent dependent;
  dependent.SetScalars({1.0, 0.1, 10.0});
  EXPECT_EQ(
      "*Amplitude, name=Adapt, definition=SOLUTION DEPENDENT\n"
      "             1.,             0.1,             10.\n",
      aif_test::KeywordText(aif_Amplitude("Adapt", dependent)));
  EXPECT_EQ("*Amplitude, name=Act, definition=ACTUATOR\n",
            aif_test::KeywordText(aif_Amplitude("Act", kamC_ActuatorAmplitude())));
  kamC_UserAmplitude user;
  user.SetVariables(3);
  user.SetTimeSpan(kamC_Amplitude::TOTAL);
  EXPECT_EQ("*Amplitude, name=Mine, time=TOTAL TIME, definition=USER, variables=3\n",
            aif_test::KeywordText(aif_Amplitude("Mine", user)));
}

TEST(aif_AmplitudeTest, RefusedAmplitudes) {
  // An unknown kind fails after its name and time span.
  std::string message;
  const std::string text = aif_test::StreamText([&](utl_Stream& s) {
    try {
      aif_Amplitude("Odd", kamC_Amplitude()).Write(s);
    } catch (const aif_Exception& e) {
      message = e.what();
    }
  });
  EXPECT_EQ("Unknown amplitude defintion, Odd", message);
  EXPECT_EQ("*Amplitude, name=Odd", text);

  // Empty tables and short rows are refused before anything is written.
  kamC_Tabular tabular;
  EXPECT_EQ("Amplitude Ramp has no data.", AmplitudeTestRefusal(aif_Amplitude("Ramp", tabular)));
  tabular.SetData({{0.0, 0.0}, {1.0}});
  EXPECT_EQ("Amplitude Ramp has a data row with too few values.",
            AmplitudeTestRefusal(aif_Amplitude("Ramp", tabular)));
  EXPECT_EQ("Amplitude Step has no data.",
            AmplitudeTestRefusal(aif_Amplitude("Step", kamC_SmoothStep())));
  kamC_Periodic periodic;
  periodic.SetData({{1.0, 2.0}, {3.0}});
  EXPECT_EQ("Amplitude Wave has a data row with too few values.",
            AmplitudeTestRefusal(aif_Amplitude("Wave", periodic)));
  EXPECT_EQ("Amplitude Shock has no data.",
            AmplitudeTestRefusal(aif_Spectrum("Shock", kamC_SpectrumAmplitude())));
  kamC_SpectrumAmplitude spectrum;
  spectrum.SetData({{1.0, 2.0, 3.0}, {1.0, 2.0}});
  EXPECT_EQ("Amplitude Shock has a data row with too few values.",
            AmplitudeTestRefusal(aif_Spectrum("Shock", spectrum)));
  spectrum.SetCreate(1);
  spectrum.SetDampingGenerate(true);
  spectrum.SetData({{1.0, 2.0, 3.0, 4.0, 5.0}});
  EXPECT_EQ("Amplitude Shock has a data row with too few values.",
            AmplitudeTestRefusal(aif_Spectrum("Shock", spectrum)));
  EXPECT_EQ("Amplitude Noise has no data.",
            AmplitudeTestRefusal(aif_PsdDefinition("Noise", kamC_PsdDefinition())));
  kamC_PsdDefinition psd;
  psd.SetData({{1.0, 2.0}});
  EXPECT_EQ("Amplitude Noise has a data row with too few values.",
            AmplitudeTestRefusal(aif_PsdDefinition("Noise", psd)));
}

TEST(aif_AmplitudeTest, SpectrumForms) {
  kamC_SpectrumAmplitude table;
  table.SetSpectrumUnits(kamC_SpectrumAmplitude::GRAVITY);
  table.SetG(9.81);
  table.SetData({{0.5, 1.0, 0.02, 99.0}, {1.5, 2.0, 0.05}});
  EXPECT_EQ(
      "*Spectrum, name=Shock, type=G, g=9.81\n"
      "0.5, 1., 0.02\n"
      "1.5, 2., 0.05\n",
      aif_test::KeywordText(aif_Spectrum("Shock", table)));
  table.SetSpectrumUnits(kamC_SpectrumAmplitude::VELOCITY);
  EXPECT_EQ("*Spectrum, name=Shock, type=VELOCITY\n0.5, 1., 0.02\n1.5, 2., 0.05\n",
            aif_test::KeywordText(aif_Spectrum("Shock", table)));

  kamC_SpectrumAmplitude created;
  created.SetCreate(1);
  created.SetSpectrumUnits(kamC_SpectrumAmplitude::ACCELERATION);
  created.SetEventType(1);
  created.SetTimeIncrement(0.01);
  created.SetData({{0.1, 0.2, 0.3}});
  EXPECT_EQ(
      "*Spectrum, name=Quake, create, type=ACCELERATION, time increment=0.01, event "
      "type=Velocity\n"
      "0.1, 0.2, 0.3\n",
      aif_test::KeywordText(aif_Spectrum("Quake", created)));

  // 13 values of the first row: three, eight and two.
  std::vector<double> row;
  for (int i = 1; i <= 13; ++i)
    row.push_back(i);
  created.SetData({row});
  created.SetEventType(3);
  created.SetRelative(1);
  created.SetAmplitudeName("Record 1");
  EXPECT_EQ(
      "*Spectrum, name=Quake, create, type=ACCELERATION, amplitude=\"Record 1\", time "
      "increment=0.01, g=9.81, Relative, event type=G\n"
      "1., 2., 3.\n"
      "4., 5., 6., 7., 8., 9., 10., 11.\n"
      "12., 13.\n",
      aif_test::KeywordText(aif_Spectrum("Quake", created)));

  // Damping generated: values four to six on a second line, the rest left.
  created.SetDampingGenerate(true);
  created.SetEventType(7);
  created.SetRelative(0);
  created.SetAmplitudeName("");
  created.SetSpectrumUnits(kamC_SpectrumAmplitude::GRAVITY);
  EXPECT_EQ(
      "*Spectrum, name=Quake, create, type=G, time increment=0.01, g=9.81, Damping Generate\n"
      "1., 2., 3.\n"
      "4., 5., 6.\n",
      aif_test::KeywordText(aif_Spectrum("Quake", created)));

  // Another kind writes nothing.
  EXPECT_EQ("", aif_test::KeywordText(aif_Spectrum("Ramp", kamC_Tabular())));
}

TEST(aif_AmplitudeTest, PsdDefinitionAndBaselineCorrection) {
  kamC_PsdDefinition psd;
  psd.SetData({{1.0, 2.0, 3.0, 4.0}, {5.0, 6.0, 7.0}});
  EXPECT_EQ("*Psd-definition, name=Noise\n1., 2., 3.\n5., 6., 7.\n",
            aif_test::KeywordText(aif_PsdDefinition("Noise", psd)));
  psd.SetDbReference(0.5);
  psd.SetG(9.81);
  psd.SetType(kamC_PsdDefinition::FORCE);
  psd.SetUser(true);
  EXPECT_EQ(
      "*Psd-definition, name=Noise, db Reference=0.5, g=9.81, type=FORCE, user\n"
      "1., 2., 3.\n5., 6., 7.\n",
      aif_test::KeywordText(aif_PsdDefinition("Noise", psd)));
  EXPECT_EQ("", aif_test::KeywordText(aif_PsdDefinition("Ramp", kamC_Tabular())));

  kamC_BaselineCorrection correction;
  EXPECT_EQ("*Baseline Correction\n", aif_test::KeywordText(aif_BaselineCorrection(correction)));
  cow_List<double> values;
  for (int i = 1; i <= 9; ++i)
    values.Append(0.5 * i);
  correction.SetValues(values);
  EXPECT_EQ("*Baseline Correction\n0.5, 1., 1.5, 2., 2.5, 3., 3.5, 4.\n4.5\n",
            aif_test::KeywordText(aif_BaselineCorrection(correction)));
}

}  // namespace
