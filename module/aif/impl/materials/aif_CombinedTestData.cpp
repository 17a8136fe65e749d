#include "aif/impl/materials/aif_CombinedTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CombinedTestData::Write(utl_Stream& stream) const {
  stream << "*Combined Test Data";
  if (option_.shrinf != DBL_MAX) aif_WriteOption(stream, "shrinf=", option_.shrinf);
  if (option_.volinf != DBL_MAX) aif_WriteOption(stream, "volinf=", option_.volinf);
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
