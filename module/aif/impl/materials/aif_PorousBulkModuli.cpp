#include "aif/impl/materials/aif_PorousBulkModuli.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_PorousBulkModuli::Write(utl_Stream& stream) const {
  stream << "*Porous Bulk Moduli";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
