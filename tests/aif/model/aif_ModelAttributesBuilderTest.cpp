// The model-wide attributes: "*Physical Constants" and "*Acoustic Wave
// Formulation" as keywords, as the model-attributes builder files them, and
// where the driver puts them in a deck.
#include "aif/impl/model/aif_ModelAttributesBuilder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_AcousticWaveFormulation.h"
#include "aif/impl/model/aif_PhysicalConstants.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;
using aif_test::KeywordText;

constexpr double kUnset = aif_PhysicalConstants::kUnset;
constexpr char kBanner[] = "** \n** PHYSICAL CONSTANTS\n** \n";

TEST(aif_PhysicalConstants, WritesTheSetConstantsInOrderOnOneLine) {
  EXPECT_EQ(
      "*Physical Constants, absolute zero=-273.15, stefan boltzmann=5.669e-08, "
      "universal gas=8.31434\n",
      KeywordText(aif_PhysicalConstants(-273.15, 5.669e-8, 8.31434)));
  EXPECT_EQ("*Physical Constants, absolute zero=-273.15\n",
            KeywordText(aif_PhysicalConstants(-273.15, kUnset, kUnset)));
  // Zero is a value like any other, written in the solver's real form.
  EXPECT_EQ("*Physical Constants, absolute zero=0.\n",
            KeywordText(aif_PhysicalConstants(0.0, kUnset, kUnset)));
  // Nothing set: nothing at all.
  EXPECT_EQ("", KeywordText(aif_PhysicalConstants(kUnset, kUnset, kUnset)));
  // A line longer than the break column is not continued.
  const double big = -1.7976931348623157e308;
  EXPECT_EQ(
      "*Physical Constants, absolute zero=-1.7976931348623157e+308, stefan "
      "boltzmann=-1.7976931348623157e+308, universal gas=-1.7976931348623157e+308\n",
      KeywordText(aif_PhysicalConstants(big, big, big)));
}

TEST(aif_PhysicalConstants, AValueIsUnsetWhenItsShortFormIsThatOfTheLargestDouble) {
  EXPECT_FALSE(aif_PhysicalConstants::IsSet(kUnset));
  EXPECT_FALSE(aif_PhysicalConstants::IsSet(1.79769e308));    // the same six digits
  EXPECT_FALSE(aif_PhysicalConstants::IsSet(1.7976925e308));  // rounds to them
  EXPECT_TRUE(aif_PhysicalConstants::IsSet(1.79768e308));
  EXPECT_TRUE(aif_PhysicalConstants::IsSet(-kUnset));
  EXPECT_TRUE(aif_PhysicalConstants::IsSet(0.0));
  EXPECT_TRUE(aif_PhysicalConstants::IsSet(std::numeric_limits<double>::infinity()));
  EXPECT_TRUE(aif_PhysicalConstants::IsSet(std::numeric_limits<double>::quiet_NaN()));
  // The keyword applies the same rule.
  EXPECT_EQ("*Physical Constants, universal gas=8.31434\n",
            KeywordText(aif_PhysicalConstants(1.79769e308, 1.7976925e308, 8.31434)));
}

TEST(aif_AcousticWaveFormulation, WritesTheTypeOnlyForTotalWave) {
  EXPECT_EQ("", KeywordText(aif_AcousticWaveFormulation(0)));
  EXPECT_EQ("*Acoustic Wave Formulation\n", KeywordText(aif_AcousticWaveFormulation(1)));
  EXPECT_EQ("*Acoustic Wave Formulation, type=TOTAL WAVE\n",
            KeywordText(aif_AcousticWaveFormulation(2)));
  EXPECT_EQ("*Acoustic Wave Formulation\n", KeywordText(aif_AcousticWaveFormulation(-1)));
}

// One block placed once, a static step, and the given model values.
hst_ModelBuilder Model(double absoluteZero, double stefanBoltzmann, double universalGas,
                       int acoustic) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  b.MutableModel().SetPhysicalConstants(absoluteZero, stefanBoltzmann, universalGas);
  b.MutableModel().SetAcousticWaveFormulation(acoustic);
  return b;
}

using Filed = aif_test::FiledText;

Filed Build(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  return aif_test::BuildAndWrite<aif_ModelAttributesBuilder>(info);
}

TEST(aif_ModelAttributesBuilder, FilesTheBannerAndKeywordsOnlyWhenTheModelSetsSomething) {
  // Nothing set.
  Filed filed = Build(Model(kUnset, kUnset, kUnset, 0));
  EXPECT_EQ("", filed.model);
  EXPECT_EQ("", filed.other);

  // Only the total-wave formulation: the banner and no constants.
  filed = Build(Model(kUnset, kUnset, kUnset, 2));
  EXPECT_EQ(std::string(kBanner) + "*Acoustic Wave Formulation, type=TOTAL WAVE\n", filed.model);
  EXPECT_EQ("", filed.other);
  // Everything set.
  EXPECT_EQ(std::string(kBanner) +
                "*Physical Constants, absolute zero=0., stefan boltzmann=5.669e-08, "
                "universal gas=8.31434\n"
                "*Acoustic Wave Formulation, type=TOTAL WAVE\n",
            Build(Model(0.0, 5.669e-8, 8.31434, 2)).model);
}

class aif_ModelAttributesDeckTest : public ::testing::Test {
 protected:
  std::string Deck(const hst_ModelBuilder& b) { return deck_.Write(b); }
  // The deck from the end of the assembly on.
  std::string Tail(const hst_ModelBuilder& b) {
    const std::string deck = Deck(b);
    const std::size_t end = deck.find("*End Assembly\n");
    return end == std::string::npos ? "no assembly end in:\n" + deck : deck.substr(end);
  }
  aif_test::TempDeck deck_{"aif_ModelAttributesDeckTest"};
  const std::string& path_ = deck_.Path();
};

TEST_F(aif_ModelAttributesDeckTest, TheModelDataCarriesTheAttributesBeforeTheHistory) {
  EXPECT_EQ("*End Assembly\n" + std::string(kBanner) +
                "*Physical Constants, absolute zero=-273.15, universal gas=8.31434\n"
                "*Acoustic Wave Formulation, type=TOTAL WAVE\n" +
                aif_test::StaticStepLines("Step-1") + "*End Step\n",
            Tail(Model(-273.15, kUnset, 8.31434, 2)));
  EXPECT_EQ("*End Assembly\n" + std::string(kBanner) + "*Acoustic Wave Formulation\n" +
                aif_test::StaticStepLines("Step-1") + "*End Step\n",
            Tail(Model(kUnset, kUnset, kUnset, 1)));
  // Nothing set: the assembly is followed by the history at once.
  EXPECT_EQ("*End Assembly\n" + aif_test::StaticStepLines("Step-1") + "*End Step\n",
            Tail(Model(kUnset, kUnset, kUnset, 0)));

  // A restart deck goes on with the history: the restarted job has them.
  hst_ModelBuilder restart = Model(-273.15, kUnset, kUnset, 2);
  restart.AddStep("Step-2", kprC_StaticStep());
  restart.MutableModel().SetRestart("", "Step-1", -2, false);
  {
    const bas_NewModel model = restart.Model();
    aif_Job job("Job-1", restart.Job(ajbC_RESTART), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    ASSERT_TRUE(builder.WriteInputFile(path_, false, true));
    EXPECT_EQ(aif_test::StaticStepLines("Step-2") + "*End Step\n", aif_test::ReadFile(path_));
  }

  // A flat file carries them in its model data as well.
  hst_ModelBuilder substructure = Model(kUnset, 5.669e-8, kUnset, 0);
  substructure.AddStep("Reduce", kprC_SubstructureGenerateStep(), {"LC-A"});
  const std::string deck = Deck(substructure);
  EXPECT_EQ(std::string::npos, deck.find("*Assembly"));
  EXPECT_NE(std::string::npos,
            deck.find(std::string(kBanner) + "*Physical Constants, stefan boltzmann=5.669e-08\n"))
      << deck;
}

TEST_F(aif_ModelAttributesDeckTest, AConstantThatIsNotANumberStopsTheWriteAndLeavesNoFile) {
  std::ofstream(path_) << "old deck\n";
  const hst_ModelBuilder b = Model(std::numeric_limits<double>::quiet_NaN(), kUnset, kUnset, 0);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  EXPECT_THROW(builder.WriteInputFile(path_, false, true), nex_TextException);
  EXPECT_FALSE(fs::exists(path_));
}

}  // namespace
