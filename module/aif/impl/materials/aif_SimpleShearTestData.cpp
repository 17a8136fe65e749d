#include "aif/impl/materials/aif_SimpleShearTestData.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_SimpleShearTestData::Write(utl_Stream& stream) const {
  stream << "*Simple Shear Test Data";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
