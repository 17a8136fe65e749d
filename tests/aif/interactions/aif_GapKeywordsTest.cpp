// The gap heat-transfer keywords of a contact interaction property:
// "*Gap Conductance" in its user, clearance and pressure forms,
// "*Gap Radiation" and "*Gap Heat Generation".
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_GapConductance.h"
#include "aif/impl/interactions/aif_GapHeatGeneration.h"
#include "aif/impl/interactions/aif_GapRadiation.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

class aif_GapKeywordsTest : public ::testing::Test {
 protected:
  aif_GapKeywordsTest() {
    builder_.AddStep("Step-1", kprC_StaticStep());
    model_ = std::make_unique<bas_NewModel>(builder_.Model());
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), *model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
  }

  template <class Keyword, class Option>
  std::string GapText(const Option& option) {
    kinC_ContactProperty property;
    property.Set(option);
    return KeywordText(Keyword(property, *info_));
  }

  static std::string GapLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
      text += std::string(line) + "\n";
    return text;
  }

  hst_ModelBuilder builder_;
  std::unique_ptr<bas_NewModel> model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
};

TEST_F(aif_GapKeywordsTest, ConductanceForms) {
  // Both tables: the clearance form first, each with its dependencies.
  kinC_GapConductance conductance;
  conductance.clearanceDependency = true;
  conductance.pressureDependency = true;
  conductance.clearanceDependencies = 1;
  conductance.clearanceTable = {{10.0, 0.0, 20.0, 0.5}, {5.0, 0.1, 20.0, 0.5}};
  conductance.pressureTable = {{1.0, 100.0}};
  EXPECT_EQ(GapText<aif_GapConductance>(conductance),
            GapLines({"*Gap Conductance, dependencies=1", " 10.,  0., 20., 0.5",
                      "  5., 0.1, 20., 0.5", "*Gap Conductance, pressure", " 1., 100."}));

  // The user kind writes no table; an unknown kind nothing; a kind with no
  // table flag nothing either.
  conductance.definition = 1;
  EXPECT_EQ(GapText<aif_GapConductance>(conductance), GapLines({"*Gap Conductance, user"}));
  conductance.definition = 2;
  EXPECT_EQ(GapText<aif_GapConductance>(conductance), "");
  EXPECT_EQ(GapText<aif_GapConductance>(kinC_GapConductance()), "");
}

TEST_F(aif_GapKeywordsTest, ConductanceBlankColumns) {
  // Cleared column flags put blanks before columns 2 and 3, the second
  // counted after the first insertion.
  kinC_GapConductance conductance;
  conductance.clearanceDependency = true;
  conductance.clearanceColumns[0] = false;
  conductance.clearanceColumns[1] = false;
  conductance.clearanceTable = {{10.0, 0.0, 0.5}};
  EXPECT_EQ(GapText<aif_GapConductance>(conductance),
            GapLines({"*Gap Conductance", " 10.,  0., , , 0.5"}));
  // A two-column table has no column 2 or 3 to insert before: unchanged.
  conductance.clearanceTable = {{10.0, 0.0}};
  EXPECT_EQ(GapText<aif_GapConductance>(conductance), GapLines({"*Gap Conductance", " 10., 0."}));
  // Only the second flag cleared: a three-column table has no column 3.
  conductance.clearanceColumns[0] = true;
  conductance.clearanceTable = {{10.0, 0.0, 0.5}};
  EXPECT_EQ(GapText<aif_GapConductance>(conductance),
            GapLines({"*Gap Conductance", " 10.,  0., 0.5"}));
}

TEST_F(aif_GapKeywordsTest, RadiationReversedHeatGenerationInOrder) {
  kinC_GapRadiation radiation;
  radiation.first = 0.8;
  radiation.second = 0.6;
  radiation.table = {{1.0, 0.0}, {0.0, 0.2}};
  EXPECT_EQ(GapText<aif_GapRadiation>(radiation),
            GapLines({"*Gap Radiation", "0.6, 0.8", " 1.,  0.", " 0., 0.2"}));
  // An empty table writes the two lines alone.
  radiation.table = cow_2DArray<double>();
  EXPECT_EQ(GapText<aif_GapRadiation>(radiation), GapLines({"*Gap Radiation", "0.6, 0.8"}));

  kinC_GapHeatGeneration generation;
  generation.first = 0.9;
  generation.second = 0.4;
  EXPECT_EQ(GapText<aif_GapHeatGeneration>(generation),
            GapLines({"*Gap Heat Generation", "0.9, 0.4"}));
}

// A property that is not a contact property fails the type test, naming the
// keyword's source, before anything is written.
TEST_F(aif_GapKeywordsTest, OtherPropertiesFailTheTypeTest) {
  const kinC_InteractionProperty other;
  EXPECT_NE(ThrownText(aif_GapConductance(other, *info_)).find("aif_GapConductance.cpp"),
            std::string::npos);
  EXPECT_NE(ThrownText(aif_GapRadiation(other, *info_)).find("aif_GapRadiation.cpp"),
            std::string::npos);
  EXPECT_NE(ThrownText(aif_GapHeatGeneration(other, *info_)).find("aif_GapHeatGeneration.cpp"),
            std::string::npos);
}

}  // namespace
