// The crack builder: enrichments of XFEM cracks in the assembly, the
// contour integrals of crack requests in the steps where they are created,
// modified or switched off, the crack-front node sets of contour-integral
// cracks (once each), residual stress steps and what is passed over.
#include "aif/impl/constraints/aif_CrackBuilder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "VwrCmd/cmdC_WIP.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_TestSupport.h"

namespace {

using CrackRun = aif_test::BuilderRun<aif_CrackBuilder>;

// A column of two bricks (nodes 0 to 11, element 0 over nodes 0 to 7,
// element 1 over 4 to 11) as instance `instance` (id 1); Step-1 to Step-3.
hst_ModelBuilder CrackBuilderModel(const char* instance = "Part-1-1") {
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 2));
  b.AddInstance(instance, "Part-1");
  b.AddStep("Step-1", kprC_StaticStep())
      .AddStep("Step-2", kprC_StaticStep())
      .AddStep("Step-3", kprC_StaticStep());
  return b;
}

// The set `name` of the instance over the elements `elements`.
rgnC_Region CrackBuilderRegion(const char* name, std::initializer_list<int> elements,
                               const char* instance = "Part-1-1") {
  rgnC_Region region(name, {"Assembly", instance});
  region.SetKernelInstanceIds({1});
  region.SetKernelElementIndices(1, elements);
  return region;
}

kefC_XFEMCrack CrackBuilderXfem(bool suppressed = false) {
  kefC_XFEMCrack crack;
  crack.SetRegions(CrackBuilderRegion("Dom", {0, 1}), rgnC_Region());
  crack.SetAllowGrowth(true);
  crack.SetSuppressed(suppressed);
  return crack;
}

// A crack with a normal whose front and tip are the sets given.
kefC_ContourIntegral CrackBuilderContour(const rgnC_Region& front, const rgnC_Region& tip,
                                         int frontKind = 0) {
  kefC_ContourIntegral crack;
  crack.SetRegions(front, tip);
  crack.SetFrontKind(frontKind);
  crack.SetNormal(gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(0, 0, 2)));
  return crack;
}

// A request on `crack` with the statuses of Step-1 to Step-3 (0: none).
korC_HistoryOutput CrackBuilderRequest(const char* crack, std::initializer_list<int> statuses) {
  korC_HistoryOutput request;
  request.SetCrackName(crack);
  request.SetDomain(korC_CRACK);
  int step = 1;
  for (int status : statuses) {
    if (status != 0)
      request.SetState(cow_String("Step-") + std::to_string(step).c_str(),
                       korC_HistoryOutputState(), status);
    ++step;
  }
  return request;
}

// What the builder files: the assembly definitions, then each step's.
std::string CrackBuilderText(const hst_ModelBuilder& b) {
  const CrackRun run(b);
  std::string text = "[Assembly]\n" + CrackRun::Text(run.builder.AssemblyDefinition());
  for (const char* step : {"Initial", "Step-1", "Step-2", "Step-3"})
    text += std::string("[") + step + "]\n" + run.Step(step);
  return text;
}

}  // namespace

// An XFEM crack request created in Step-1, carried over in Step-2 and
// switched off in Step-3: its comment and contour integral in Step-1, and
// in Step-3 again with frequency 0. A modified request is written where it
// is modified. Suppressed requests and cracks, requests on a missing crack
// or on another kind of object, and other requests file nothing.
TEST(aif_CrackBuilder, XfemRequestsInTheirCreatedModifiedAndSwitchedOffSteps) {
  hst_ModelBuilder b = CrackBuilderModel();
  b.AddCrack("Crack-1", CrackBuilderXfem());
  b.AddCrack("Crack-2", CrackBuilderXfem(true));
  b.AddCrack("Spring", kefC_Spring());
  b.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 2, 4}));
  korC_HistoryOutput modified = CrackBuilderRequest("Crack-1", {0, 1, 3});
  modified.SetContourType(3);
  b.AddHistoryOutput("H-2", modified);
  korC_HistoryOutput suppressed = CrackBuilderRequest("Crack-1", {1, 0, 0});
  suppressed.SetSuppressed(true);
  b.AddHistoryOutput("H-3", suppressed);
  b.AddHistoryOutput("H-4", CrackBuilderRequest("Crack-2", {1, 0, 0}));
  b.AddHistoryOutput("H-5", CrackBuilderRequest("Crack-9", {1, 0, 0}));
  b.AddHistoryOutput("H-6", CrackBuilderRequest("Spring", {1, 0, 0}));
  b.AddHistoryOutput("H-7", CrackBuilderRequest("", {1, 0, 0}));
  EXPECT_EQ(CrackBuilderText(b),
            "[Assembly]\n"
            "*Enrichment, name=Crack-1, type=PROPAGATION CRACK, elset=Part-1-1.Dom\n"
            "[Initial]\n"
            "[Step-1]\n"
            "** \n** HISTORY OUTPUT: H-1\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, xfem\n"
            "[Step-2]\n"
            "** \n** HISTORY OUTPUT: H-2\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, type=K FACTORS, xfem\n"
            "[Step-3]\n"
            "** \n** HISTORY OUTPUT: H-1\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, frequency=0, xfem\n"
            "** \n** HISTORY OUTPUT: H-2\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, type=K FACTORS, xfem\n");
}

// Without an assembly, with its engineering features closed to reading, or
// without cracks nothing is filed, and no request is looked at.
TEST(aif_CrackBuilder, NothingWithoutAssemblyFeaturesOrCracks) {
  const std::string nothing = "[Assembly]\n[Initial]\n[Step-1]\n[Step-2]\n[Step-3]\n";
  hst_ModelBuilder none = CrackBuilderModel();
  none.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  EXPECT_EQ(CrackBuilderText(none), nothing);

  hst_ModelBuilder closed = CrackBuilderModel();
  closed.AddCrack("Crack-1", CrackBuilderXfem());
  closed.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  closed.Assembly().SetEngineeringFeaturesReady(false);
  EXPECT_EQ(CrackBuilderText(closed), nothing);

  hst_ModelBuilder without = CrackBuilderModel();
  without.AddCrack("Crack-1", CrackBuilderXfem());
  without.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  without.WithoutAssembly();
  EXPECT_EQ(CrackBuilderText(without), nothing);
}

// Front and tip the same set Part-1-1.Front over two elements: two
// segments, node sets "-F1_", "-T1_", "-F2_", "-T2_" of the elements'
// nodes (writer-made: internal), filed once although two requests name
// them and one is written in two steps.
TEST(aif_CrackBuilder, FrontEqualToTipTwoSegmentsFiledOnce) {
  hst_ModelBuilder b = CrackBuilderModel();
  const rgnC_Region front = CrackBuilderRegion("Front", {0, 1});
  b.AddCrack("Crack-1", CrackBuilderContour(front, front));
  b.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 3, 0}));
  b.AddHistoryOutput("H-2", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  const std::string contour =
      "*Contour Integral, crack name=H-1_Crack-1, contours=5, crack tip nodes, normal\n"
      "0., 0., 1.\n"
      "Part-1-1_Front-F1_, Part-1-1_Front-T1_\n"
      "Part-1-1_Front-F2_, Part-1-1_Front-T2_\n";
  const std::string second =
      "*Contour Integral, crack name=H-2_Crack-1, contours=5, crack tip nodes, normal\n"
      "0., 0., 1.\n"
      "Part-1-1_Front-F1_, Part-1-1_Front-T1_\n"
      "Part-1-1_Front-F2_, Part-1-1_Front-T2_\n";
  EXPECT_EQ(CrackBuilderText(b),
            "[Assembly]\n"
            "*Nset, nset=Part-1-1_Front-F1_, internal, instance=Part-1-1, generate\n"
            " 1,  8,  1\n"
            "*Nset, nset=Part-1-1_Front-T1_, internal, instance=Part-1-1, generate\n"
            " 1,  8,  1\n"
            "*Nset, nset=Part-1-1_Front-F2_, internal, instance=Part-1-1, generate\n"
            "  5,  12,   1\n"
            "*Nset, nset=Part-1-1_Front-T2_, internal, instance=Part-1-1, generate\n"
            "  5,  12,   1\n"
            "[Initial]\n"
            "[Step-1]\n"
            "** \n** HISTORY OUTPUT: H-1\n** \n" +
                contour + "** \n** HISTORY OUTPUT: H-2\n** \n" + second +
                "[Step-2]\n"
                "** \n** HISTORY OUTPUT: H-1\n** \n" +
                contour + "[Step-3]\n");
}

// Different front and tip sets over one element each: with a front kind
// other than 2 no node sets, the data line names the two sets as they are;
// with front kind 2 the one segment gets its "-1_" sets. A quoted instance
// name takes the suffix inside its quotes.
TEST(aif_CrackBuilder, DifferentSetsOneSegment) {
  hst_ModelBuilder plain = CrackBuilderModel();
  plain.AddCrack("Crack-1", CrackBuilderContour(CrackBuilderRegion("Front", {1}),
                                                CrackBuilderRegion("Tip", {1})));
  plain.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  EXPECT_EQ(CrackBuilderText(plain),
            "[Assembly]\n[Initial]\n[Step-1]\n"
            "** \n** HISTORY OUTPUT: H-1\n** \n"
            "*Contour Integral, crack name=H-1_Crack-1, contours=5, crack tip nodes, normal\n"
            "0., 0., 1.\n"
            "Part-1-1.Front, Part-1-1.Tip\n"
            "[Step-2]\n[Step-3]\n");

  hst_ModelBuilder quoted = CrackBuilderModel("Part 1-1");
  quoted.AddCrack("Crack-1", CrackBuilderContour(CrackBuilderRegion("Front", {1}, "Part 1-1"),
                                                 CrackBuilderRegion("Tip", {0}, "Part 1-1"), 2));
  quoted.AddHistoryOutput("H 1", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  EXPECT_EQ(CrackBuilderText(quoted),
            "[Assembly]\n"
            "*Nset, nset=\"Part 1-1_Front-1_\", internal, instance=\"Part 1-1\", generate\n"
            "  5,  12,   1\n"
            "*Nset, nset=\"Part 1-1_Tip-1_\", internal, instance=\"Part 1-1\", generate\n"
            " 1,  8,  1\n"
            "[Initial]\n[Step-1]\n"
            "** \n** HISTORY OUTPUT: H 1\n** \n"
            "*Contour Integral, crack name=\"H 1_Crack-1\", contours=5, crack tip nodes, normal\n"
            "0., 0., 1.\n"
            "\"Part 1-1_Front-1_\", \"Part 1-1_Tip-1_\"\n"
            "[Step-2]\n[Step-3]\n");
}

// A front the layer manager finds nothing in gives no grid: nothing is
// written in any step for that crack.
TEST(aif_CrackBuilder, NoGridNoContourIntegral) {
  hst_ModelBuilder b = CrackBuilderModel();
  const rgnC_Region empty = CrackBuilderRegion("Front", {});
  b.AddCrack("Crack-1", CrackBuilderContour(empty, CrackBuilderRegion("Tip", {0})));
  b.AddCrack("Crack-2",
             CrackBuilderContour(CrackBuilderRegion("Front", {7}), CrackBuilderRegion("Tip", {0})));
  b.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 0, 0}));
  b.AddHistoryOutput("H-2", CrackBuilderRequest("Crack-2", {1, 0, 0}));
  EXPECT_EQ(CrackBuilderText(b), "[Assembly]\n[Initial]\n[Step-1]\n[Step-2]\n[Step-3]\n");
}

// The residual stress step counts the written steps from the initial one
// (0), a suppressed step not among them: Step-2 behind a suppressed step is
// step 2. A step the file does not hold (unknown, or suppressed) is left
// out of the keyword and warned about once per request (H-Step-9 is written
// in Step-2 and Step-3), when its first contour integral is filed.
TEST(aif_CrackBuilder, ResidualStressStepNumberOrWarning) {
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 2));
  b.AddInstance("Part-1-1", "Part-1");
  b.AddStep("Step-1", kprC_StaticStep())
      .AddStep("Skipped", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true))
      .AddStep("Step-2", kprC_StaticStep())
      .AddStep("Step-3", kprC_StaticStep());
  b.AddCrack("Crack-1", CrackBuilderXfem());
  for (const char* name : {"Step-2", "Skipped", "Step-9"}) {
    korC_HistoryOutput request =
        CrackBuilderRequest("Crack-1", {0, name[5] == '9' ? 1 : 0, name[5] == '9' ? 3 : 1});
    request.SetResidualStressStepName(name);
    b.AddHistoryOutput(cow_String("H-") + name, request);
  }
  // Created in the step left out and never written: nothing to warn about.
  korC_HistoryOutput unwritten = CrackBuilderRequest("Crack-1", {});
  unwritten.SetState("Skipped", korC_HistoryOutputState(), 1);
  unwritten.SetResidualStressStepName("Step-9");
  b.AddHistoryOutput("H-Unwritten", unwritten);
  cmdC_WIP::Clear();
  EXPECT_EQ(CrackRun(b).Step("Step-3"),
            "** \n** HISTORY OUTPUT: H-Skipped\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, xfem\n"
            "** \n** HISTORY OUTPUT: H-Step-2\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, residual stress step=2, xfem\n"
            "** \n** HISTORY OUTPUT: H-Step-9\n** \n"
            "*Contour Integral, crack name=Crack-1, contours=5, xfem\n");
  EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
            (std::vector<std::string>{
                "The residual stress step Skipped of the history output request H-Skipped on the "
                "crack Crack-1 is not a step of the input file: its contour integrals are written "
                "without residual stresses.",
                "The residual stress step Step-9 of the history output request H-Step-9 on the "
                "crack Crack-1 is not a step of the input file: its contour integrals are written "
                "without residual stresses."}));
  cmdC_WIP::Clear();
}

// Different sets, a front of two elements and a tip of one: two segments
// named "-1_" and "-2_" after each set, every tip set holding the tip's
// nodes; the q-vector of each segment on its line.
TEST(aif_CrackBuilder, DifferentSetsTwoSegments) {
  hst_ModelBuilder b = CrackBuilderModel();
  kefC_ContourIntegral crack;
  crack.SetRegions(CrackBuilderRegion("Front", {1, 0}), CrackBuilderRegion("Tip", {1}));
  crack.SetQVectors({gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(3, 0, 4)),
                     gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(0, -1, 0))});
  b.AddCrack("Crack-1", crack);
  b.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {0, 0, 1}));
  EXPECT_EQ(CrackBuilderText(b),
            "[Assembly]\n"
            "*Nset, nset=Part-1-1_Front-1_, internal, instance=Part-1-1, generate\n"
            "  5,  12,   1\n"
            "*Nset, nset=Part-1-1_Tip-1_, internal, instance=Part-1-1, generate\n"
            "  5,  12,   1\n"
            "*Nset, nset=Part-1-1_Front-2_, internal, instance=Part-1-1, generate\n"
            " 1,  8,  1\n"
            "*Nset, nset=Part-1-1_Tip-2_, internal, instance=Part-1-1, generate\n"
            "  5,  12,   1\n"
            "[Initial]\n[Step-1]\n[Step-2]\n[Step-3]\n"
            "** \n** HISTORY OUTPUT: H-1\n** \n"
            "*Contour Integral, crack name=H-1_Crack-1, contours=5, crack tip nodes\n"
            "Part-1-1_Front-1_, Part-1-1_Tip-1_, 0.6, 0., 0.8\n"
            "Part-1-1_Front-2_, Part-1-1_Tip-2_, 0., -1., 0.\n");
}

// Engineering features of another class fail the type test: an error of
// the writer naming this builder's source.
TEST(aif_CrackBuilder, FeaturesOfAnotherKindFailTheTypeTest) {
  hst_ModelBuilder b = CrackBuilderModel();
  b.Assembly().SetEngineeringFeatures(kefC_Spring());
  std::string text;
  try {
    CrackRun run(b);
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  EXPECT_NE(text.find("kefC_EngineeringFeatures"), std::string::npos) << text;
  EXPECT_NE(text.find("module/aif/impl/constraints/aif_CrackBuilder.cpp"), std::string::npos)
      << text;
}

// A request created in a step that is not written and modified in the next:
// the node sets its contour integral names are filed all the same.
TEST(aif_CrackBuilder, SetsFiledWhereFirstNamed) {
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 2));
  b.AddInstance("Part-1-1", "Part-1");
  b.AddStep("Step-1", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true))
      .AddStep("Step-2", kprC_StaticStep());
  const rgnC_Region front = CrackBuilderRegion("Front", {0});
  kefC_ContourIntegral crack = CrackBuilderContour(front, front, 2);
  b.AddCrack("Crack-1", crack);
  b.AddHistoryOutput("H-1", CrackBuilderRequest("Crack-1", {1, 3}));
  const CrackRun run(b);
  EXPECT_EQ(CrackRun::Text(run.builder.AssemblyDefinition()),
            "*Nset, nset=Part-1-1_Front-F1_, internal, instance=Part-1-1, generate\n"
            " 1,  8,  1\n"
            "*Nset, nset=Part-1-1_Front-T1_, internal, instance=Part-1-1, generate\n"
            " 1,  8,  1\n");
  EXPECT_EQ(run.Step("Step-1"), "");
  EXPECT_EQ(run.Step("Step-2"),
            "** \n** HISTORY OUTPUT: H-1\n** \n"
            "*Contour Integral, crack name=H-1_Crack-1, contours=5, crack tip nodes, normal\n"
            "0., 0., 1.\n"
            "Part-1-1_Front-F1_, Part-1-1_Front-T1_\n");
}
