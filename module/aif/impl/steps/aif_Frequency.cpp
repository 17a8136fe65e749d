#include "aif/impl/steps/aif_Frequency.h"

#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {

constexpr char kFrequencyFile[] = "module/aif/impl/steps/aif_Frequency.cpp";

constexpr int kFrequencySubspace = 0;
constexpr int kFrequencyLanczos = 1;
constexpr int kFrequencyAms = 2;

// The cut-off factors of the AMS eigensolver in the order of the data line,
// with the solver's defaults, which are left blank.
constexpr double kAmsFactorDefaults[] = {5.0, 1.7, 1.1, 1.0};

// Regions named from the step are named as the assembly's keywords name them.
constexpr int kFrequencyRegionScope = 2;

}  // namespace

aif_Frequency::aif_Frequency(const kprC_Step& step, const akw_ModelInfo& info,
                             const cow_String& stepName)
    : aif_ProcedureKeyword(step, kFrequencyFile, __LINE__),
      info_(&static_cast<const aif_ModelInfo&>(info)),
      stepName_(stepName) {}

void aif_Frequency::Write(utl_Stream& stream) const {
  const bool residualLines = step_.Eigensolver() == kFrequencyAms && step_.ResidualModes();
  if (residualLines &&
      step_.ResidualModeRegions().Length() != step_.ResidualModeDirections().Length()) {
    const atr_String text =
        stepName_.IsEmpty()
            ? atr_Translate(
                  "The residual modes of the frequency step do not pair every region "
                  "with a direction.")
            : atr_TranslateWithArg(
                  "The residual modes of step %s do not pair every region "
                  "with a direction.",
                  stepName_);
    nex_Exception::Throw(aif_Exception(text), kFrequencyFile, __LINE__);
  }

  stream << "*Frequency";
  WriteEigensolverOptions(stream);
  stream.LineBreak();
  WriteDataLine(stream);
  if (residualLines) WriteResidualModes(stream);
}

void aif_Frequency::WriteEigensolverOptions(utl_Stream& stream) const {
  const int solver = step_.Eigensolver();
  if (solver == kFrequencyLanczos) {
    stream << ", eigensolver=Lanczos";
    if (step_.Sim()) {
      stream << ", sim";
      if (!step_.DampingProjection()) stream << ", damping projection=off";
    }
    switch (step_.AcousticCoupling()) {
      case 0:
        stream << ", acoustic coupling=off";
        break;
      case 1:
        stream << ", acoustic coupling=on";
        break;
      case 2:
        stream << ", acoustic coupling=projection";
        break;
      default:
        break;
    }
  } else if (solver == kFrequencySubspace) {
    stream << ", eigensolver=subspace";
  } else if (solver == kFrequencyAms) {
    stream << ", eigensolver=AMS";
  }

  stream << (step_.Normalization() == 0 ? ", normalization=displacement" : ", normalization=mass");
  if (step_.PropertyEvaluation() != kprC_UNSET)
    stream << ", property evaluation=" << step_.PropertyEvaluation();
  if ((solver == kFrequencyLanczos || solver == kFrequencyAms) && step_.ResidualModes())
    stream << ", residual modes";

  if (solver != kFrequencyAms) return;
  // Under AMS, coupling "on" writes no option.
  if (step_.AcousticCoupling() == 0)
    stream << ", acoustic coupling=off";
  else if (step_.AcousticCoupling() == 2)
    stream << ", acoustic coupling=projection";
  if (!step_.DampingProjection()) stream << ", damping projection=off";
  if (!step_.AmsNodeSet().Name().IsEmpty())
    stream << ", nset="
           << aif_RegionName(step_.AmsNodeSet(), *info_).QualifiedName(kFrequencyRegionScope);
}

void aif_Frequency::WriteDataLine(utl_Stream& stream) const {
  switch (step_.Eigensolver()) {
    case kFrequencyLanczos:
      aif_WriteIfGiven(stream, step_.NumEigen());
      stream << ", ";
      aif_WriteIfSet(stream, step_.MinFrequency());
      stream << ", ";
      aif_WriteIfSet(stream, step_.MaxFrequency());
      stream << ", ";
      aif_WriteIfSet(stream, step_.Shift());
      stream << ", ";
      aif_WriteIfGiven(stream, step_.BlockSize());
      stream << ", ";
      aif_WriteIfGiven(stream, step_.MaxBlocks());
      break;
    case kFrequencySubspace:
      aif_WriteIfGiven(stream, step_.NumEigen());
      stream << ", ";
      aif_WriteIfSet(stream, step_.MaxFrequency());
      stream << ", ";
      aif_WriteIfSet(stream, step_.Shift());
      stream << ", " << step_.NumVectors() << ", " << step_.MaxIterations();
      break;
    case kFrequencyAms: {
      aif_WriteIfGiven(stream, step_.NumEigen());
      stream << ", ";
      aif_WriteIfSet(stream, step_.MinFrequency());
      stream << ", ";
      aif_WriteIfSet(stream, step_.MaxFrequency());
      const double factors[] = {step_.AmsFactor1(), step_.AmsFactor2(), step_.AmsFactor3(),
                                step_.AmsFactor4()};
      for (int i = 0; i < 4; ++i) {
        stream << ", ";
        if (factors[i] != kAmsFactorDefaults[i]) aif_WriteIfSet(stream, factors[i]);
      }
      break;
    }
    default:
      // An eigensolver the writer does not know has no data line.
      return;
  }
  stream.LineBreak();
}

void aif_Frequency::WriteResidualModes(utl_Stream& stream) const {
  const cow_List<cow_String>& regions = step_.ResidualModeRegions();
  const cow_List<int>& directions = step_.ResidualModeDirections();
  for (std::size_t i = 0; i < regions.Length(); ++i) {
    // The list holds names only: the region is the assembly's set of that name.
    const rgnC_Region region(regions[i], {"Assembly"});
    stream << aif_RegionName(region, *info_).QualifiedName(kFrequencyRegionScope) << ", "
           << directions[i];
    stream.LineBreak();
  }
}
