#include "aif/impl/materials/aif_LowDensityFoam.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_UniaxialTestData.h"

void aif_LowDensityFoam::Write(utl_Stream& stream) const {
  const kmaC_LowDensityFoam& o = option_;
  stream << "*Low Density Foam";
  if (o.strainRateMeasure != 1) aif_WriteOption(stream, "strain rate=PRINCIPAL");
  if (o.rateExtrapolation) aif_WriteOption(stream, "rate extrapolation=YES");
  if (o.tensionCutoff != DBL_MAX) {
    aif_WriteOption(stream, "tension cutoff=", o.tensionCutoff);
    if (o.fail) aif_WriteOption(stream, "fail=YES");
  }
  stream.LineBreak();
  stream << o.coefficient1 << ", " << o.coefficient2 << ", " << o.coefficient3;
  stream.LineBreak();
  aif_WriteSubOption<aif_UniaxialTestData>(stream, o.tensionTestData, 1);
  aif_WriteSubOption<aif_UniaxialTestData>(stream, o.compressionTestData, 2);
}
