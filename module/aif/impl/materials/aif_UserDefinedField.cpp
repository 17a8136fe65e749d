#include "aif/impl/materials/aif_UserDefinedField.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_UserDefinedField::Write(utl_Stream& stream) const {
  stream << "*User Defined Field";
  stream.LineBreak();
}
