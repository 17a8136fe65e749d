// The builders of the model's output data: time points for every analysis
// product, filters and integrated output sections only for product 1, each
// in name order and in its own list.
#include <gtest/gtest.h>

#include "aif/impl/steps/aif_FilterBuilder.h"
#include "aif/impl/steps/aif_IntegratedOutputSectionBuilder.h"
#include "aif/impl/steps/aif_TimePointsBuilder.h"
#include "aif_OutputDataTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

using aif_test::BuildAndWrite;
using aif_test::OutputDataContext;
using aif_test::OutputDataModel;

TEST(aif_OutputDataBuildersTest, TimePointsForEveryProductInNameOrder) {
  for (kprC_AnalysisProductEnm product : {kprC_STANDARD, kprC_EXPLICIT}) {
    hst_ModelBuilder b = OutputDataModel(product);
    b.AddTimePoint("TP-2", kprC_TimePoint({{0.0, 1.0, 0.25}}));
    b.AddTimePoint("TP-1", kprC_TimePoint({{0.5}, {1.0}}));
    b.AddTimePoint("Output times", kprC_TimePoint({{2.0}}));
    OutputDataContext context(b);
    const aif_test::FiledText filed = BuildAndWrite<aif_TimePointsBuilder>(context.info);
    EXPECT_EQ(filed.model,
              "*Time Points, name=\"Output times\"\n2.\n"
              "*Time Points, name=TP-1\n0.5, 1.\n"
              "*Time Points, name=TP-2, GENERATE\n0., 1., 0.25\n")
        << "product " << product;
    EXPECT_EQ(filed.other, "");
  }
}

TEST(aif_OutputDataBuildersTest, FiltersOnlyForProductOneInNameOrder) {
  auto withFilters = [](kprC_AnalysisProductEnm product) {
    hst_ModelBuilder b = OutputDataModel(product);
    kflC_ButterworthFilter smooth;
    smooth.SetCutoffFrequency(100.0);
    b.AddFilter("Smooth", smooth);
    kflC_OperatorFilter peak;
    peak.SetOperation(2);
    b.AddFilter("Peak", peak);
    return b;
  };
  OutputDataContext standard(withFilters(kprC_STANDARD));
  const aif_test::FiledText none = BuildAndWrite<aif_FilterBuilder>(standard.info);
  EXPECT_EQ(none.model + none.other, "");

  OutputDataContext explicitProduct(withFilters(kprC_EXPLICIT));
  const aif_test::FiledText filed = BuildAndWrite<aif_FilterBuilder>(explicitProduct.info);
  EXPECT_EQ(filed.model,
            "*Filter, name=Peak, operator=MAX\n"
            "*Filter, name=Smooth, type=BUTTERWORTH\n100.\n");
  EXPECT_EQ(filed.other, "");
}

// Sections on the instance's surface "Top": "B" with a valid reference node
// of the instance, "A" with a reference node whose instance is gone, "C"
// without a reference node.
hst_ModelBuilder OutputSectionsModel(kprC_AnalysisProductEnm product) {
  hst_ModelBuilder b = OutputDataModel(product);
  const rgnC_Region top("Top", {"Assembly", "Block-1"});
  korC_IntegratedOutputSection withNode;
  withNode.SetSurfaceRegion(top);
  withNode.SetRefNodeRegion(rgnC_Region("RP", {"Assembly", "Block-1"}));
  b.AddIntegratedOutputSection("B", withNode);
  rgnC_Region gone("RP", {"Assembly", "Block-2"});
  gone.SetKernelValid(false);
  withNode.SetRefNodeRegion(gone);
  b.AddIntegratedOutputSection("A", withNode);
  korC_IntegratedOutputSection plain;
  plain.SetSurfaceRegion(rgnC_Region("Outer", {"Assembly"}));
  b.AddIntegratedOutputSection("C", plain);
  return b;
}

TEST(aif_OutputDataBuildersTest, IntegratedOutputSectionsOnlyForProductOneUnderTheirBanner) {
  OutputDataContext explicitProduct(OutputSectionsModel(kprC_EXPLICIT));
  const aif_test::FiledText filed =
      BuildAndWrite<aif_IntegratedOutputSectionBuilder>(explicitProduct.info);
  EXPECT_EQ(filed.model, "");
  // A reference node that no longer resolves is left out: no ", ref node=".
  EXPECT_EQ(filed.other,
            "** \n** INTEGRATED OUTPUT SECTIONS\n** \n"
            "*Integrated Output Section, name=A, surface=Block-1.Top, project orientation=NO\n"
            "*Integrated Output Section, name=B, surface=Block-1.Top, ref node=Block-1.RP, "
            "position=INPUT, ref node motion=INDEPENDENT, project orientation=NO\n"
            "*Integrated Output Section, name=C, surface=Outer, project orientation=NO\n");

  // Another product files neither the banner nor the sections.
  OutputDataContext standard(OutputSectionsModel(kprC_STANDARD));
  const aif_test::FiledText none = BuildAndWrite<aif_IntegratedOutputSectionBuilder>(standard.info);
  EXPECT_EQ(none.model + none.other, "");
  // Without sections there is no banner.
  OutputDataContext empty(OutputDataModel(kprC_EXPLICIT));
  const aif_test::FiledText nothing = BuildAndWrite<aif_IntegratedOutputSectionBuilder>(empty.info);
  EXPECT_EQ(nothing.model + nothing.other, "");
}

}  // namespace
