#include "aif/impl/materials/aif_Depvar.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Depvar::Write(utl_Stream& stream) const {
  stream << "*Depvar";
  if (option_.deleteVariable != 0) aif_WriteOption(stream, "delete=", option_.deleteVariable);
  stream.LineBreak();
  aif_WriteIntegerLine(stream, option_.variableCount);
}
