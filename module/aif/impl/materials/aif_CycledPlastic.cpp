#include "aif/impl/materials/aif_CycledPlastic.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CycledPlastic::Write(utl_Stream& stream) const {
  stream << "*Cycled Plastic";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
