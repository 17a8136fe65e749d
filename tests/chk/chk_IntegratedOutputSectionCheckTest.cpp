#include "chk/impl/chk_IntegratedOutputSectionCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"
#include "OdbAttrEO/kprC_Step.h"

namespace {

using SectionCheckFindings = chk_test::Findings;

SectionCheckFindings RunSectionCheck(const bas_NewModel& model, int jobType = ajbC_FULL_ANALYSIS) {
  ajbC_ModelJob job("Model-1");
  job.SetJobType(jobType);
  chk_IntegratedOutputSectionCheck check(model, "Model-1", job);
  check.Run();
  SectionCheckFindings findings = chk_test::FindingsOf(check);
  return findings;
}

// An assembly region with the kernel's mesh association: meshed, only
// partly meshed, or not meshed at all.
enum class SectionMesh { kMeshed, kPartly, kNone };

rgnC_Region SectionCheckRegion(const cow_String& name, SectionMesh mesh) {
  rgnC_Region region(name, {"Assembly"});
  if (mesh != SectionMesh::kMeshed)
    region.SetKernelMeshAssociation(false, mesh == SectionMesh::kPartly);
  return region;
}

// A section on `surface`, with a reference node when `refNode` is given.
korC_IntegratedOutputSection SectionOn(const rgnC_Region& surface,
                                       const rgnC_Region* refNode = nullptr) {
  korC_IntegratedOutputSection section;
  section.SetSurfaceRegion(surface);
  if (refNode) section.SetRefNodeRegion(*refNode);
  return section;
}

const char* const kSectionsIgnored =
    "All integrated output sections will be ignored in Morvex/Standard.\n";
const char* const kPartlyMeshedHeader =
    "The following integrated output sections reference regions\nwhich contain geometric "
    "entities that are not\nassociated with a mesh:\n";
const char* const kUnmeshedHeader =
    "The following integrated output sections reference regions\nwhich are not associated with "
    "a mesh:\n";

}  // namespace

// Sections are honoured only by an explicit first analysis step; before
// one, nothing is looked at, and after another kind the sections are
// ignored whatever their regions.
TEST(chk_IntegratedOutputSectionCheckTest, FirstAnalysisStepDecides) {
  const rgnC_Region unmeshed = SectionCheckRegion("Surf-None", SectionMesh::kNone);

  hst_ModelBuilder initialOnly("Model-1");
  initialOnly.AddIntegratedOutputSection("Section-1", SectionOn(unmeshed));
  SectionCheckFindings none = RunSectionCheck(initialOnly.Model(), ajbC_RESTART);
  EXPECT_TRUE(none.errors.empty());
  EXPECT_TRUE(none.warnings.empty());

  hst_ModelBuilder standard("Model-1");
  standard.AddStep("Step-1", kprC_StaticStep());
  standard.AddStep("Step-2", kprC_ExplicitDynamicsStep());
  SectionCheckFindings noSections = RunSectionCheck(standard.Model());
  EXPECT_TRUE(noSections.errors.empty());
  EXPECT_TRUE(noSections.warnings.empty());

  const rgnC_Region node = SectionCheckRegion("RP-1", SectionMesh::kMeshed);
  standard.AddIntegratedOutputSection("Section-1", SectionOn(unmeshed, &node));
  standard.AddIntegratedOutputSection("Section-2", SectionOn(unmeshed));
  // One warning for both; no region finding and no point motion, even for
  // a restart job.
  SectionCheckFindings ignored = RunSectionCheck(standard.Model(), ajbC_RESTART);
  EXPECT_TRUE(ignored.errors.empty());
  EXPECT_EQ((std::vector<std::string>{kSectionsIgnored}), ignored.warnings);

  // A suppressed standard step does not count: the explicit step after it
  // is the first analysis step.
  hst_ModelBuilder suppressedFirst("Model-1");
  suppressedFirst.AddStep("Step-1", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  suppressedFirst.AddStep("Step-2", kprC_ExplicitDynamicsStep());
  suppressedFirst.AddIntegratedOutputSection("Section-1", SectionOn(unmeshed));
  SectionCheckFindings explicitFirst = RunSectionCheck(suppressedFirst.Model());
  EXPECT_EQ((std::vector<std::string>{std::string(kUnmeshedHeader) + "    Section-1\n"}),
            explicitFirst.errors);
  EXPECT_TRUE(explicitFirst.warnings.empty());
}

// In an explicit analysis each section is listed once, under the first of
// its two regions that has no mesh: partly meshed regions first, then
// unmeshed ones; an out-of-date assembly is not asked about regions.
TEST(chk_IntegratedOutputSectionCheckTest, RegionsWithoutMesh) {
  const rgnC_Region meshed = SectionCheckRegion("Surf-Meshed", SectionMesh::kMeshed);
  const rgnC_Region partly = SectionCheckRegion("Surf-Partly", SectionMesh::kPartly);
  const rgnC_Region none = SectionCheckRegion("Surf-None", SectionMesh::kNone);
  const rgnC_Region partlyNode = SectionCheckRegion("RP-Partly", SectionMesh::kPartly);

  hst_ModelBuilder b("Model-1");
  b.AddStep("Step-1", kprC_ExplicitDynamicsStep());
  b.AddIntegratedOutputSection("Sec-A", SectionOn(partly, &none));
  b.AddIntegratedOutputSection("Sec-B", SectionOn(meshed, &meshed));
  b.AddIntegratedOutputSection("Sec-C", SectionOn(meshed, &none));
  b.AddIntegratedOutputSection("Sec-D", SectionOn(none, &partlyNode));
  b.AddIntegratedOutputSection("Sec-E", SectionOn(meshed, &partlyNode));
  SectionCheckFindings findings = RunSectionCheck(b.Model());
  EXPECT_EQ((std::vector<std::string>{std::string(kPartlyMeshedHeader) + "    Sec-A\n    Sec-E\n",
                                      std::string(kUnmeshedHeader) + "    Sec-C\n    Sec-D\n"}),
            findings.errors);
  EXPECT_TRUE(findings.warnings.empty());

  b.Assembly().SetOutOfDate(true);
  SectionCheckFindings outOfDate = RunSectionCheck(b.Model());
  EXPECT_TRUE(outOfDate.errors.empty());
  EXPECT_TRUE(outOfDate.warnings.empty());
}

// A restart ignores point motion: one warning listing every section with a
// reference node in name order, each behind one blank on its own line;
// other jobs are not warned.
TEST(chk_IntegratedOutputSectionCheckTest, PointMotionInARestart) {
  const rgnC_Region surface = SectionCheckRegion("Surf-1", SectionMesh::kMeshed);
  const rgnC_Region node = SectionCheckRegion("RP-1", SectionMesh::kMeshed);
  hst_ModelBuilder b("Model-1");
  b.AddStep("Step-1", kprC_ExplicitDynamicsStep());
  b.AddIntegratedOutputSection("Sec-B", SectionOn(surface, &node));
  b.AddIntegratedOutputSection("Sec-C", SectionOn(surface));
  b.AddIntegratedOutputSection("Sec-A", SectionOn(surface, &node));
  const std::string warning =
      "Point motion is defined in the following integrated output\nsections but is ignored "
      "during restart analyses:\n Sec-A\n Sec-B\n";

  SectionCheckFindings restart = RunSectionCheck(b.Model(), ajbC_RESTART);
  EXPECT_TRUE(restart.errors.empty());
  EXPECT_EQ((std::vector<std::string>{warning}), restart.warnings);

  SectionCheckFindings fullAnalysis = RunSectionCheck(b.Model(), ajbC_FULL_ANALYSIS);
  EXPECT_TRUE(fullAnalysis.errors.empty());
  EXPECT_TRUE(fullAnalysis.warnings.empty());
}
