#include "aif/impl/steps/aif_CFD.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kCFDFile[] = "module/aif/impl/steps/aif_CFD.cpp";

// The time weighting factor of a time integration scheme.
double CFDSchemeFactor(int scheme) {
  switch (scheme) {
    case 0:
      return 0.5;
    case 1:
      return 2.0 / 3.0;
    default:
      return 1.0;
  }
}

}  // namespace

aif_CFD::aif_CFD(const kprC_Step& step) : aif_ProcedureKeyword(step, kCFDFile, __LINE__) {}

void aif_CFD::Write(utl_Stream& stream) const {
  stream << "*CFD, incompressible navier stokes";
  if (step_.EnergyEquation() == 1) aif_Option(stream) << "energy equation=TEMPERATURE ";
  if (step_.Incrementation() == 0) aif_Option(stream) << "incrementation=FIXED STEP SIZE";
  stream.LineBreak();

  stream << step_.TimeIncrement() << ", " << step_.TimePeriod();
  if (step_.Incrementation() == 1)
    stream << ", " << step_.Cfl() << ", " << step_.MaxIncrementGrowth() << ", "
           << step_.IncrementCheck();
  stream.LineBreak();

  stream << step_.InitialTimeFactor() << ", " << CFDSchemeFactor(step_.Scheme1()) << ", "
         << " , "
         << " , " << CFDSchemeFactor(step_.Scheme2());
  stream.LineBreak();
}
