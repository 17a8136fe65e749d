// "*Response Spectrum": the comp and sum options, spectrum lines with the
// printable spectrum name and the DSC duration, and an unknown summation.
#include "aif/impl/steps/aif_ResponseSpectrum.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kprC_ResponseSpectrumStep SpectrumStep(int comp, int sum) {
  kprC_ResponseSpectrumStep step;
  step.SetComp(comp);
  step.SetSum(sum);
  kprC_ResponseSpectrumComponent first, second;
  first.SetSpectrumName("Spectrum-1");
  first.SetScale(9.81);
  first.SetDuration(12.0);
  second.SetSpectrumName("Quake spectrum");
  second.SetX(0.0);
  second.SetY(0.6);
  second.SetZ(0.8);
  second.SetDuration(0.5);
  step.SetSpectra({first, second});
  return step;
}

TEST(aif_ResponseSpectrumTest, Summations) {
  // CQC: five fields per line; a name that needs quoting is quoted.
  EXPECT_EQ(KeywordText(aif_ResponseSpectrum(SpectrumStep(0, 1))),
            "*Response Spectrum, sum=CQC\n"
            "Spectrum-1,1., 0., 0., 9.81\n"
            "\"Quake spectrum\",0., 0.6, 0.8, 1.\n");
  // DSC adds the duration.
  EXPECT_EQ(KeywordText(aif_ResponseSpectrum(SpectrumStep(2, 5))),
            "*Response Spectrum, comp=SRSS, sum=DSC\n"
            "Spectrum-1,1., 0., 0., 9.81, 12.\n"
            "\"Quake spectrum\",0., 0.6, 0.8, 1., 0.5\n");

  const char* comps[] = {"", ", comp=ALGEBRAIC", ", comp=SRSS", ", comp=R30", ", comp=R40", ""};
  const char* sums[] = {"ABS", "CQC", "NRL", "SRSS", "TENP", "DSC", "GRP"};
  kprC_ResponseSpectrumStep step;
  step.SetSpectra({});
  for (int comp = 0; comp < 6; ++comp) {
    for (int sum = 0; sum < 7; ++sum) {
      step.SetComp(comp);
      step.SetSum(sum);
      EXPECT_EQ(KeywordText(aif_ResponseSpectrum(step)),
                std::string("*Response Spectrum") + comps[comp] + ", sum=" + sums[sum] + "\n");
    }
  }
}

TEST(aif_ResponseSpectrumTest, UnknownSummationThrowsAfterTheSumOption) {
  for (int sum : {-1, 7}) {
    const aif_ResponseSpectrum keyword(SpectrumStep(3, sum));
    aio_StringSink sink;
    std::string error;
    {
      utl_Stream stream(sink, aif_test::kBreakColumn, aif_test::kDoublePrecision,
                        aif_test::kFloatPrecision, 1);
      try {
        keyword.Write(stream);
      } catch (const aif_Exception& e) {
        error = e.Message().Str();
      }
    }
    EXPECT_EQ(error, "Unknown response spectrum summation type") << sum;
    EXPECT_EQ(sink.text(), "*Response Spectrum, comp=R30, sum=") << sum;
  }
}

}  // namespace
