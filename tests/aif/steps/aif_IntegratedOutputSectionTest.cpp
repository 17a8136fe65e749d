// "*Integrated Output Section": the reference node with its position and
// motion (not in a restart job), the local system, and the project
// orientation option that every section writes.
#include "aif/impl/steps/aif_IntegratedOutputSection.h"

#include "aif_OutputDataTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::OutputDataContext;

korC_IntegratedOutputSection OutputSectionWithMotion(int motion, bool center) {
  korC_IntegratedOutputSection section;
  section.SetRefNodeMotion(motion);
  section.SetPositionAtCenter(center);
  return section;
}

TEST(aif_IntegratedOutputSectionTest, ReferenceNodePositionAndMotion) {
  const OutputDataContext context(aif_test::OutputDataModel(kprC_EXPLICIT));
  const aif_ModelInfo& info = context.info;
  // Without a reference node neither position nor motion is written.
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Block-1.Top", "",
                                                    OutputSectionWithMotion(1, true), info)),
            "*Integrated Output Section, name=Cut, surface=Block-1.Top, project orientation=NO\n");
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Block-1.Top", "Block-1.RP",
                                                    OutputSectionWithMotion(0, false), info)),
            "*Integrated Output Section, name=Cut, surface=Block-1.Top, ref node=Block-1.RP, "
            "position=INPUT, ref node motion=INDEPENDENT, project orientation=NO\n");
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Top", "RP",
                                                    OutputSectionWithMotion(1, true), info)),
            "*Integrated Output Section, name=Cut, surface=Top, ref node=RP, position=CENTER, "
            "ref node motion=AVERAGE, project orientation=NO\n");
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Top", "RP",
                                                    OutputSectionWithMotion(2, false), info)),
            "*Integrated Output Section, name=Cut, surface=Top, ref node=RP, position=INPUT, "
            "ref node motion=AVERAGE_TRANSLATION, project orientation=NO\n");
  // A motion without a word is left out rather than written bare.
  for (int motion : {-1, 3})
    EXPECT_EQ(KeywordText(aif_IntegratedOutputSection(
                  "Cut", "Top", "RP", OutputSectionWithMotion(motion, false), info)),
              "*Integrated Output Section, name=Cut, surface=Top, ref node=RP, position=INPUT, "
              "project orientation=NO\n");
  // The section's name is written printable.
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Mid cut", "Top", "",
                                                    korC_IntegratedOutputSection(), info)),
            "*Integrated Output Section, name=\"Mid cut\", surface=Top, project orientation=NO\n");
}

TEST(aif_IntegratedOutputSectionTest, RestartJobsWriteNoMotion) {
  const OutputDataContext context(aif_test::OutputDataModel(kprC_EXPLICIT), ajbC_RESTART);
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection(
                "Cut", "Top", "RP", OutputSectionWithMotion(1, true), context.info)),
            "*Integrated Output Section, name=Cut, surface=Top, ref node=RP, position=CENTER, "
            "project orientation=NO\n");
}

TEST(aif_IntegratedOutputSectionTest, LocalSystemAndProjection) {
  const OutputDataContext context(aif_test::OutputDataModel(kprC_EXPLICIT));
  korC_IntegratedOutputSection section;
  section.SetProjectOrientation(true);
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Top", "", section, context.info)),
            "*Integrated Output Section, name=Cut, surface=Top, project orientation=YES\n");
  // The system is named by its owners and its own name, printable.
  section.SetOrientation({{"Block-1"}, "Datum csys-1"});
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Top", "", section, context.info)),
            "*Integrated Output Section, name=Cut, surface=Top, "
            "orientation=\"Block-1-Datum csys-1\", project orientation=YES\n");
  section.SetProjectOrientation(false);
  section.SetOrientation({{}, "Sys"});
  EXPECT_EQ(KeywordText(aif_IntegratedOutputSection("Cut", "Top", "RP", section, context.info)),
            "*Integrated Output Section, name=Cut, surface=Top, ref node=RP, position=INPUT, "
            "ref node motion=INDEPENDENT, orientation=Sys, project orientation=NO\n");
}

}  // namespace

namespace {

// Three names of 80 characters do not fit on one line: the line goes on
// after the comma that would take it past what the solver reads (and, as
// every long keyword line, after a comma past the stream's break column).
TEST(aif_IntegratedOutputSectionTest, LongNamesContinueTheLine) {
  const OutputDataContext context(aif_test::OutputDataModel(kprC_EXPLICIT));
  const std::string name(80, 'n'), surface(80, 's'), node(80, 'r');
  EXPECT_EQ(
      KeywordText(aif_IntegratedOutputSection(name.c_str(), surface.c_str(), node.c_str(),
                                              OutputSectionWithMotion(0, false), context.info)),
      "*Integrated Output Section, name=" + name + ", surface=" + surface + ", \nref node=" + node +
          ", position=INPUT, ref node motion=INDEPENDENT, \nproject orientation=NO\n");
}

}  // namespace
