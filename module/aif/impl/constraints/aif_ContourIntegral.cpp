#include "aif/impl/constraints/aif_ContourIntegral.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kContourIntegralFile[] = "module/aif/impl/constraints/aif_ContourIntegral.cpp";
// The propagation status of a request switched off in a step.
constexpr int kContourIntegralOffStatus = 4;

int ContourIntegralFrequency(const korC_HistoryOutput& request, const cow_String& stepName) {
  if (request.Status(stepName) == kContourIntegralOffStatus) return 0;
  return request.ConstGetState(stepName).Frequency();
}

// The unit vector of `segment` as "x, y, z"; a segment of zero length
// writes 0., 0., 0.
void WriteContourUnitVector(utl_Stream& stream, const gsl_ModelSegment& segment) {
  const gsl_Vector direction = segment.Direction();
  stream << direction.UnitX() << ", " << direction.UnitY() << ", " << direction.UnitZ();
}

}  // namespace

aif_ContourIntegral::aif_ContourIntegral(const korC_HistoryOutput& request,
                                         const cow_String& /*requestName*/,
                                         const kefC_XFEMCrack& /*crack*/,
                                         const cow_String& stepName, int residualStressStep)
    : xfem_(true),
      contours_(aif_NumberText(request.NumberOfContours())),
      crackName_(request.CrackName()),
      kernelCrackName_(request.CrackName()),
      type_(request.ContourType()),
      direction_(request.KFactorDirection()),
      frequency_(ContourIntegralFrequency(request, stepName)),
      residualStressStep_(residualStressStep) {}

aif_ContourIntegral::aif_ContourIntegral(const korC_HistoryOutput& request,
                                         const cow_String& requestName,
                                         const kefC_ContourIntegral& crack,
                                         const cow_String& stepName,
                                         const cow_List<cow_String>& fronts,
                                         const cow_List<cow_String>& tips, int residualStressStep)
    : contours_(aif_NumberText(request.NumberOfContours())),
      crackName_(requestName + "_" + request.CrackName()),
      kernelCrackName_(request.CrackName()),
      type_(request.ContourType()),
      direction_(request.KFactorDirection()),
      frequency_(ContourIntegralFrequency(request, stepName)),
      residualStressStep_(residualStressStep),
      normal_(crack.DirectionKind() == kefC_ContourIntegral::kNormal),
      symm_(crack.Symmetric()),
      normalDirection_(crack.Normal()),
      qVectors_(crack.QVectors()),
      fronts_(fronts),
      tips_(tips),
      crackTipNodes_(true) {}

void aif_ContourIntegral::Check() const {
  if (fronts_.Length() != tips_.Length())
    nex_Exception::Throw(
        nex_AssertException(
            "\"Crack fronts and tips differ in number for *Contour Integral\" == 0"),
        kContourIntegralFile, __LINE__);
  const std::size_t segments = fronts_.Length();
  if (normal_ || segments == 0 || qVectors_.Length() == 1 || qVectors_.Length() >= segments) return;
  nex_Exception::Throw(
      aif_Exception(atr_TranslateFormat3(
          "The crack %s has %s q-vectors for %s crack front segments: give one q-vector for "
          "the whole front, or one for each segment.",
          kernelCrackName_, aif_NumberText(static_cast<int>(qVectors_.Length())),
          aif_NumberText(static_cast<int>(segments)))),
      kContourIntegralFile, __LINE__);
}

void aif_ContourIntegral::Write(utl_Stream& stream) const {
  Check();
  const cow_String crackName = crackName_.IsEmpty() ? cow_String() : aif_PrintableName(crackName_);

  stream << "*Contour Integral";
  if (!crackName.IsEmpty()) stream << ", crack name=" << crackName;
  stream << ", contours=" << contours_;
  if (residualStressStep_ >= 0) stream << ", residual stress step=" << residualStressStep_;
  if (crackTipNodes_) stream << ", crack tip nodes";
  switch (type_) {
    case kCIntegral:
      stream << ", type=C";
      break;
    case kTStress:
      stream << ", type=T-STRESS";
      break;
    case kKFactors:
      stream << ", type=K FACTORS";
      break;
    default:
      break;
  }
  if (type_ == kKFactors && direction_ != 0)
    stream << ", direction="
           << omu_PrimEnum<korC_HistoryOutput::KFactorDirectionEnm>(
                  static_cast<korC_HistoryOutput::KFactorDirectionEnm>(direction_))
                  .GetString();
  if (frequency_ != 1) stream << ", frequency=" << frequency_;
  if (symm_) stream << ", symm";
  if (normal_) stream << ", normal";
  if (xfem_) stream << ", xfem";
  stream.LineBreak();

  if (normal_) {
    WriteContourUnitVector(stream, normalDirection_);
    stream.LineBreak();
  }
  for (std::size_t i = 0; i < fronts_.Length(); ++i) {
    stream << fronts_[i] << ", " << tips_[i];
    if (!normal_) {
      stream << ", ";
      WriteContourUnitVector(stream, qVectors_[qVectors_.Length() == 1 ? 0 : i]);
    }
    stream.LineBreak();
  }
}
