#include "aif/impl/steps/aif_ResponseSpectrum.h"

#include <iterator>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kResponseSpectrumFile[] = "module/aif/impl/steps/aif_ResponseSpectrum.cpp";

// Summation words by the step's summation value.
constexpr const char* kSpectrumSums[] = {"ABS", "CQC", "NRL", "SRSS", "TENP", "DSC", "GRP"};
constexpr int kSpectrumSumDsc = 5;

}  // namespace

aif_ResponseSpectrum::aif_ResponseSpectrum(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kResponseSpectrumFile, __LINE__) {}

void aif_ResponseSpectrum::Write(utl_Stream& stream) const {
  stream << "*Response Spectrum";
  switch (step_.Comp()) {
    case 1:
      stream << ", comp=ALGEBRAIC";
      break;
    case 2:
      stream << ", comp=SRSS";
      break;
    case 3:
      stream << ", comp=R30";
      break;
    case 4:
      stream << ", comp=R40";
      break;
    default:
      break;
  }
  stream << ", sum=";
  const int sum = step_.Sum();
  if (sum < 0 || sum >= static_cast<int>(std::size(kSpectrumSums)))
    nex_Exception::Throw(aif_Exception(atr_Translate("Unknown response spectrum summation type")),
                         kResponseSpectrumFile, __LINE__);
  stream << kSpectrumSums[sum];
  stream.LineBreak();

  for (const kprC_ResponseSpectrumComponent& spectrum : step_.Spectra()) {
    stream << akw_MorvexName(spectrum.SpectrumName(), false) << "," << spectrum.X() << ", "
           << spectrum.Y() << ", " << spectrum.Z() << ", " << spectrum.Scale();
    if (sum == kSpectrumSumDsc) stream << ", " << spectrum.Duration();
    stream.LineBreak();
  }
}
