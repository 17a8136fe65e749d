#include "aif/impl/materials/aif_ShearTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ShearTestData::Write(utl_Stream& stream) const {
  stream << "*Shear Test Data";
  if (option_.shrinf != DBL_MAX) aif_WriteOption(stream, "shrinf=", option_.shrinf);
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
