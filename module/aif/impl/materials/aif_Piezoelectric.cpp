#include "aif/impl/materials/aif_Piezoelectric.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Piezoelectric::Write(utl_Stream& stream) const {
  stream << "*Piezoelectric";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type == 0) aif_WriteOption(stream, "type=E");
  stream << endl;
  aif_WriteFrameTable(stream, option_);
}
