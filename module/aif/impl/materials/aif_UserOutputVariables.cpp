#include "aif/impl/materials/aif_UserOutputVariables.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_UserOutputVariables::Write(utl_Stream& stream) const {
  stream << "*User Output Variables";
  stream.LineBreak();
  aif_WriteIntegerLine(stream, option_.variableCount);
}
