#include "aif/impl/materials/aif_Hysteresis.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Hysteresis::Write(utl_Stream& stream) const {
  stream << "*Hysteresis";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
