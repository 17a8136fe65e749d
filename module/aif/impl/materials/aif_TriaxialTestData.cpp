#include "aif/impl/materials/aif_TriaxialTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_TriaxialTestData::Write(utl_Stream& stream) const {
  stream << "*Triaxial Test Data";
  if (option_.a != DBL_MAX) aif_WriteOption(stream, "a=", option_.a);
  if (option_.b != DBL_MAX) aif_WriteOption(stream, "b=", option_.b);
  if (option_.pt != DBL_MAX) aif_WriteOption(stream, "pt=", option_.pt);
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
