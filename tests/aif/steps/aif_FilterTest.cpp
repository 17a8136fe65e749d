// "*Filter": the kinds' type options and data lines, defaults left blank,
// operator filters, and names that need quoting.
#include "aif/impl/steps/aif_Filter.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

template <class Filter>
Filter LowPassFilterOf(double cutoff, int order = 2) {
  Filter filter;
  filter.SetCutoffFrequency(cutoff);
  filter.SetOrder(order);
  return filter;
}

TEST(aif_FilterTest, LowPassKindsWriteTheirTypeAndOneDataLine) {
  // Order 2 is the default: the cutoff frequency alone.
  EXPECT_EQ(KeywordText(aif_Filter("F1", LowPassFilterOf<kflC_ButterworthFilter>(100.0))),
            "*Filter, name=F1, type=BUTTERWORTH\n100.\n");
  EXPECT_EQ(KeywordText(aif_Filter("F1", LowPassFilterOf<kflC_ButterworthFilter>(100.0, 4))),
            "*Filter, name=F1, type=BUTTERWORTH\n100., 4\n");
  // A Chebyshev filter's ripple factor at its default is blank; its
  // separator stays.
  EXPECT_EQ(KeywordText(aif_Filter("F2", LowPassFilterOf<kflC_Chebyshev1Filter>(50.0))),
            "*Filter, name=F2, type=CHEBYS1\n50., \n");
  EXPECT_EQ(KeywordText(aif_Filter("F2", LowPassFilterOf<kflC_Chebyshev1Filter>(50.0, 4))),
            "*Filter, name=F2, type=CHEBYS1\n50., , 4\n");
  auto rippled1 = LowPassFilterOf<kflC_Chebyshev1Filter>(50.0, 3);
  rippled1.SetRippleFactor(0.5);
  EXPECT_EQ(KeywordText(aif_Filter("F2", rippled1)),
            "*Filter, name=F2, type=CHEBYS1\n50., 0.5, 3\n");
  // Each Chebyshev kind has its own default: 0.225 is written for type 2.
  EXPECT_EQ(KeywordText(aif_Filter("F3", LowPassFilterOf<kflC_Chebyshev2Filter>(20.0))),
            "*Filter, name=F3, type=CHEBYS2\n20., \n");
  auto rippled2 = LowPassFilterOf<kflC_Chebyshev2Filter>(20.0);
  rippled2.SetRippleFactor(0.225);
  EXPECT_EQ(KeywordText(aif_Filter("F3", rippled2)),
            "*Filter, name=F3, type=CHEBYS2\n20., 0.225\n");

  // A cutoff frequency of 0 is blank: the line starts with the separator,
  // or is empty when nothing follows.
  EXPECT_EQ(KeywordText(aif_Filter("F4", LowPassFilterOf<kflC_ButterworthFilter>(0.0, 6))),
            "*Filter, name=F4, type=BUTTERWORTH\n, 6\n");
  EXPECT_EQ(KeywordText(aif_Filter("F4", LowPassFilterOf<kflC_ButterworthFilter>(0.0))),
            "*Filter, name=F4, type=BUTTERWORTH\n\n");
  EXPECT_EQ(KeywordText(aif_Filter("F4", LowPassFilterOf<kflC_Chebyshev2Filter>(0.0))),
            "*Filter, name=F4, type=CHEBYS2\n, \n");
}

TEST(aif_FilterTest, OperatorLimitHaltAndInvariantOptions) {
  auto butterworth = LowPassFilterOf<kflC_ButterworthFilter>(250.0);
  butterworth.SetOperation(3);
  butterworth.SetLimit(1.5e6);
  butterworth.SetHalt(true);
  butterworth.SetInvariant(1);
  EXPECT_EQ(KeywordText(aif_Filter("Guard", butterworth)),
            "*Filter, name=Guard, type=BUTTERWORTH, operator=ABSMAX, limit=1500000., halt, "
            "invariant=FIRST\n250.\n");

  // An operator filter writes its keyword line only.
  kflC_OperatorFilter peak;
  peak.SetOperation(2);
  peak.SetLimit(5.0);
  peak.SetInvariant(2);
  peak.SetCutoffFrequency(10.0);
  peak.SetOrder(5);
  EXPECT_EQ(KeywordText(aif_Filter("Peak", peak)),
            "*Filter, name=Peak, operator=MAX, limit=5., invariant=SECOND\n");
  peak.SetOperation(1);
  peak.SetLimit(kprC_UNSET);
  peak.SetInvariant(0);
  peak.SetHalt(true);
  EXPECT_EQ(KeywordText(aif_Filter("Peak", peak)), "*Filter, name=Peak, operator=MIN, halt\n");
  // Codes without a word write no option.
  peak.SetOperation(4);
  peak.SetInvariant(3);
  peak.SetHalt(false);
  EXPECT_EQ(KeywordText(aif_Filter("Peak", peak)), "*Filter, name=Peak\n");
}

TEST(aif_FilterTest, NamesAreWrittenPrintable) {
  EXPECT_EQ(KeywordText(aif_Filter("Low pass", LowPassFilterOf<kflC_ButterworthFilter>(60.0))),
            "*Filter, name=\"Low pass\", type=BUTTERWORTH\n60.\n");
}

}  // namespace
