#include "aif/impl/materials/aif_GasketContactArea.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// Any non-zero dependency count is stated; the rows are written as they stand.
void aif_GasketContactArea::Write(utl_Stream& stream) const {
  stream << "*Gasket Contact Area";
  if (option_.dependencies != 0) aif_WriteOption(stream, "dependencies=", option_.dependencies);
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
