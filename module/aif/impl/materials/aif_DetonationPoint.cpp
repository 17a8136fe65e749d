#include "aif/impl/materials/aif_DetonationPoint.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_DetonationPoint::Write(utl_Stream& stream) const {
  stream << "*Detonation Point";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
