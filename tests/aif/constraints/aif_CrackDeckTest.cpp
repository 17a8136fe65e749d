// Cracks in whole decks, part-based and flat: an XFEM crack's enrichment in
// the assembly and its request's contour integrals over three steps,
// switched off in the third; a contour-integral crack whose front is its
// tip, in two segments, with its crack-front node sets; the errors that stop
// the write leave no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

rgnC_Region CrackDeckRegion(const char* name, std::initializer_list<int> elements) {
  rgnC_Region region(name, {"Assembly", "Part-1-1"});
  region.SetKernelInstanceIds({1});
  region.SetKernelElementIndices(1, elements);
  return region;
}

// A column of two bricks, Part-1, with its element set Dom (both bricks),
// placed once as Part-1-1; Step-1 to Step-3; the contact property Faces.
//   Crack-1   XFEM over Dom, growing, faces in contact by Faces, radius 0.5;
//   Crack-2   front and tip the bricks' set Front: two segments, one
//             q-vector, symmetric.
//   H-Xfem    K factors (MTS) of Crack-1 every 10 increments, created in
//             Step-1, carried over in Step-2, switched off in Step-3;
//   H-Front   J-integral of Crack-2 created in Step-2, the residual stresses
//             of Step-1 subtracted.
hst_ModelBuilder CrackDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Part-1", hst_GridMesh(1, 1, 2));
  rgnC_Region partRegion("Dom", {"Part-1"});
  partRegion.SetKernelElementIndices(1, {0, 1});
  rgnF_Set set(partRegion);
  set.SetId(40);
  set.SetName("Dom");
  set.typeMask = rgnF_Set::kElementSet;
  b.MutablePart("Part-1").FeatureList().Add(set);
  b.AddInstance("Part-1-1", "Part-1");
  b.AddStep("Step-1", kprC_StaticStep())
      .AddStep("Step-2", kprC_StaticStep())
      .AddStep("Step-3", kprC_StaticStep());
  b.AddInteractionProperty("Faces", kinC_ContactProperty());

  kefC_XFEMCrack xfem;
  xfem.SetRegions(CrackDeckRegion("Dom", {0, 1}), rgnC_Region());
  xfem.SetAllowGrowth(true);
  xfem.SetInteractionName("Faces");
  xfem.SetEnrichmentRadius(0.5);
  b.AddCrack("Crack-1", xfem);

  const rgnC_Region front = CrackDeckRegion("Front", {0, 1});
  kefC_ContourIntegral contour;
  contour.SetRegions(front, front);
  contour.SetSymmetric(true);
  contour.SetQVectors({gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(0, 2, 0))});
  b.AddCrack("Crack-2", contour);

  korC_HistoryOutput factors;
  factors.SetCrackName("Crack-1");
  factors.SetDomain(korC_CRACK);
  factors.SetContourType(3);
  factors.SetKFactorDirection(korC_HistoryOutput::kMTS);
  korC_HistoryOutputState every10;
  every10.SetFrequency(10);
  factors.SetState("Step-1", every10, 1);
  factors.SetState("Step-2", every10, 2);
  factors.SetState("Step-3", every10, 4);
  b.AddHistoryOutput("H-Xfem", factors);

  korC_HistoryOutput integral;
  integral.SetCrackName("Crack-2");
  integral.SetDomain(korC_CRACK);
  integral.SetNumberOfContours(4);
  integral.SetResidualStressStepName("Step-1");
  integral.SetState("Step-2", korC_HistoryOutputState(), 1);
  integral.SetState("Step-3", korC_HistoryOutputState(), 2);
  b.AddHistoryOutput("H-Front", integral);
  return b;
}

class CrackDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return CrackDeckModel(); }
};

TEST_F(CrackDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/constraints/golden/cracks_part_based.inp",
                    "aif/constraints/golden/cracks_flat.inp");
}

TEST_F(CrackDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

// A crack whose segments take q-vectors but that has none: the write stops
// with the error naming the crack, and the file that was there is gone.
TEST_F(CrackDeck, QVectorsThatDoNotFitStopTheWriteAndLeaveNoFile) {
  hst_ModelBuilder b = CrackDeckModel();
  const rgnC_Region front = CrackDeckRegion("Front", {0, 1});
  kefC_ContourIntegral contour;
  contour.SetRegions(front, CrackDeckRegion("Tip", {0, 1}));
  contour.SetFrontKind(2);
  contour.SetQVectors({});
  b.AddCrack("Crack-2", contour);
  std::ofstream(path_) << "old deck\n";
  EXPECT_EQ(aif_test::DriverWriteError(b, path_),
            "The crack Crack-2 has 0 q-vectors for 2 crack front segments: give one q-vector for "
            "the whole front, or one for each segment.");
  EXPECT_FALSE(std::filesystem::exists(path_));
}

}  // namespace
