#include "aif/impl/materials/aif_Hypoelastic.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Hypoelastic::Write(utl_Stream& stream) const {
  stream << "*Hypoelastic";
  if (option_.user) aif_WriteOption(stream, "user");
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
