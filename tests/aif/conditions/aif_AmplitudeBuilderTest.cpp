// The amplitude builder: amplitudes in name order with the keyword of their
// kind, a baseline correction right after its amplitude, and a restart job's
// amplitudes filtered by the earlier job's results.

#include "aif/impl/conditions/aif_AmplitudeBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "BasShared/atr_String.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbCore/ddb_DdbContainer.h"
#include "OdbCore/ddr_Root.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;

class AmplitudeBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("aif_amplitudes_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    std::ofstream(dir_ / "Job-0.odb") << "results";
    odb_ = (dir_ / "Job-0.odb").string();
    ddb_DdbContainer::AddResultsModel(odb_, ddb_Model("Default Model").AddAmplitude("RAMP"));
  }
  void TearDown() override {
    ddb_DdbContainer::ClearResults();
    fs::remove_all(dir_);
  }

  // The model definitions the builder files for a job of `b`'s model.
  static std::string AmplitudeBuilderText(const hst_ModelBuilder& b,
                                          const ajbC_ModelJob& modelJob) {
    const bas_NewModel model = b.Model();
    const aif_Job job("Job-1", modelJob, model);
    aif_ModelInfo info(job);
    aif_AmplitudeBuilder builder(info);
    builder.Build();
    const akw_KeywordList list = builder.ModelDefinition();
    return aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
  }

  // A model with a tabular amplitude "ramp" carrying a baseline correction,
  // an equally spaced "Even" without one, a spectrum and a PSD definition.
  static hst_ModelBuilder AmplitudeBuilderModel() {
    hst_ModelBuilder b;
    kamC_Tabular ramp;
    ramp.SetData({{0.0, 0.0}, {1.0, 1.0}});
    ramp.SetHasBaselineCorrection(true);
    kamC_BaselineCorrection correction;
    correction.SetValues(cow_List<double>({0.25, 0.75}));
    ramp.SetBaselineCorrection(correction);
    kamC_EquallySpaced even;
    even.SetValues(cow_List<double>({1.0, 2.0}));
    even.SetBaselineCorrection(correction);  // not flagged: not written
    kamC_SpectrumAmplitude shock;
    shock.SetData({{1.0, 2.0, 3.0}});
    kamC_PsdDefinition noise;
    noise.SetData({{4.0, 5.0, 6.0}});
    b.AddAmplitude("ramp", ramp)
        .AddAmplitude("Even", even)
        .AddAmplitude("Shock", shock)
        .AddAmplitude("Noise", noise);
    return b;
  }

  fs::path dir_;
  std::string odb_;
};

constexpr char kAmplitudeBuilderEven[] =
    "*Amplitude, name=Even, definition=EQUALLY SPACED, fixed interval=1.\n"
    "             1.,              2.\n";
constexpr char kAmplitudeBuilderNoise[] = "*Psd-definition, name=Noise\n4., 5., 6.\n";
constexpr char kAmplitudeBuilderShock[] = "*Spectrum, name=Shock, type=ACCELERATION\n1., 2., 3.\n";

TEST_F(AmplitudeBuilderTest, AmplitudesInNameOrderWithTheirBaselineCorrections) {
  hst_ModelBuilder empty;
  EXPECT_EQ("", AmplitudeBuilderText(empty, empty.Job()));

  hst_ModelBuilder b = AmplitudeBuilderModel();
  EXPECT_EQ(std::string(kAmplitudeBuilderEven) + kAmplitudeBuilderNoise + kAmplitudeBuilderShock +
                "*Amplitude, name=ramp\n"
                "             0.,              0.,              1.,              1.\n"
                "*Baseline Correction\n"
                "0.25, 0.75\n",
            AmplitudeBuilderText(b, b.Job()));

  // A name with an unpaired double quote is refused.
  hst_ModelBuilder quoted;
  quoted.AddAmplitude("Ramp\"1", kamC_ActuatorAmplitude());
  try {
    AmplitudeBuilderText(quoted, quoted.Job());
    ADD_FAILURE() << "no error for an unpaired quote";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(
        "The amplitude name Ramp\"1 holds an unpaired double quote and cannot be written to the "
        "input file.",
        e.Message());
  }
}

TEST_F(AmplitudeBuilderTest, RestartSkipsTheAmplitudesOfTheEarlierJob) {
  // "ramp" is held by the earlier results as "RAMP": not written again.
  hst_ModelBuilder b = AmplitudeBuilderModel();
  b.MutableModel().SetRestart((dir_ / "Job-0").string(), "Step-1", 1, false);
  EXPECT_EQ(std::string(kAmplitudeBuilderEven) + kAmplitudeBuilderNoise + kAmplitudeBuilderShock,
            AmplitudeBuilderText(b, b.Job(ajbC_RESTART)));
  // The results opened for the lookup are closed again.
  EXPECT_EQ(nullptr, ddr_Root::Get().FindDdb(odb_));

  // A missing results file stops the build before anything is filed.
  const atr_Translator before =
      atr_SetTranslator([](const cow_String& t) { return "<" + t + ">"; });
  hst_ModelBuilder missing = AmplitudeBuilderModel();
  missing.MutableModel().SetRestart("old/NoSuchJob", "Step-1", 1, false);
  const bas_NewModel model = missing.Model();
  const aif_Job job("Job-1", missing.Job(ajbC_RESTART), model);
  aif_ModelInfo info(job);
  aif_AmplitudeBuilder builder(info);
  try {
    builder.Build();
    ADD_FAILURE() << "no error for a missing results file";
  } catch (const aif_Exception& e) {
    EXPECT_EQ("<Missing .odb file " + fs::current_path().string() +
                  "/old/NoSuchJob.odb for restart job.>",
              e.Message());
  }
  atr_SetTranslator(before);
  EXPECT_TRUE(builder.ModelDefinition().IsEmpty());
}

// A restart deck writes the new amplitudes first among its model definitions,
// before the filters, then the steps after the restart step.
TEST_F(AmplitudeBuilderTest, RestartDeckWritesNewAmplitudesBeforeFilters) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddFilter("F-1", kflC_ButterworthFilter());
  kamC_Tabular ramp;
  ramp.SetData({{0.0, 0.0}, {1.0, 1.0}});
  b.AddAmplitude("ramp", ramp).AddAmplitude("Act", kamC_ActuatorAmplitude());
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  b.MutableModel().SetRestart((dir_ / "Job-0").string(), "Step-1", -2, false);
  const aif_test::TempDeck deck("aif_amplitude_restart");
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(ajbC_RESTART), model);
  aif_ModelInfo info(job);
  aif_Builder driver(info);
  ASSERT_TRUE(driver.WriteInputFile(deck.Path(), false, true));
  const std::string text = aif_test::ReadFile(deck.Path());
  EXPECT_EQ(
      "*Amplitude, name=Act, definition=ACTUATOR\n"
      "*Filter, name=F-1, type=BUTTERWORTH\n\n"
      "** ----------------------------------------------------------------\n",
      text.substr(0, text.find("** \n")));
}

}  // namespace

namespace {

// Through the driver: amplitudes stand after the part attributes and before
// the filters; a refused amplitude leaves no partial file.
TEST(aif_AmplitudeBuilderDriverTest, AmplitudesBeforeFiltersAndNoPartialFile) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  b.AddFilter("F-1", kflC_ButterworthFilter());
  kamC_Tabular ramp;
  ramp.SetData({{0.0, 0.0}, {1.0, 1.0}});
  b.AddAmplitude("Ramp", ramp);
  const aif_test::TempDeck deck("aif_amplitude_driver");
  const std::string text = deck.Write(b);
  const std::size_t end = text.find("*End Assembly\n");
  ASSERT_NE(std::string::npos, end);
  EXPECT_EQ(
      "*End Assembly\n"
      "*Amplitude, name=Ramp\n"
      "             0.,              0.,              1.,              1.\n"
      "*Filter, name=F-1, type=BUTTERWORTH\n"
      "\n",
      text.substr(end));

  // A short row stops the write; the partly written file is removed.
  ramp.SetData({{0.0, 0.0}, {1.0}});
  b.AddAmplitude("Ramp", ramp);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  try {
    builder.WriteInputFile(deck.Path(), false, true);
    ADD_FAILURE() << "no error for a short row";
  } catch (const aif_Exception& e) {
    EXPECT_EQ("Amplitude Ramp has a data row with too few values.", e.Message());
  }
  EXPECT_FALSE(fs::exists(deck.Path()));
}

}  // namespace
