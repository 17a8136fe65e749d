#include "aif/impl/materials/aif_Hyperfoam.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_BiaxialTestData.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_PlanarTestData.h"
#include "aif/impl/materials/aif_SimpleShearTestData.h"
#include "aif/impl/materials/aif_UniaxialTestData.h"
#include "aif/impl/materials/aif_VolumetricTestData.h"

void aif_Hyperfoam::Write(utl_Stream& stream) const {
  const kmaC_Hyperfoam& o = option_;
  stream << "*Hyperfoam";
  if (o.order != 1) aif_WriteOption(stream, "n=", o.order);
  if (o.poissonsRatio != DBL_MAX) aif_WriteOption(stream, "poisson=", o.poissonsRatio);
  if (o.testData) aif_WriteOption(stream, "testdata");
  if (viscoelastic_)
    aif_WriteOption(stream, o.moduliTimeScale == 0 ? "moduli=INSTANTANEOUS" : "moduli=LONG TERM");
  stream.LineBreak();

  if (!o.testData) {
    aif_WritePlainTable(stream, o.table);
    return;
  }
  aif_WriteSubOption<aif_BiaxialTestData>(stream, o.biaxialTestData);
  aif_WriteSubOption<aif_PlanarTestData>(stream, o.planarTestData);
  aif_WriteSubOption<aif_SimpleShearTestData>(stream, o.simpleShearTestData);
  aif_WriteSubOption<aif_UniaxialTestData>(stream, o.uniaxialTestData, 0);
  aif_WriteSubOption<aif_VolumetricTestData>(stream, o.volumetricTestData);
}
