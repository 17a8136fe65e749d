#include "aif/impl/materials/aif_Gel.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Gel::Write(utl_Stream& stream) const {
  stream << "*Gel";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
