#include "aif/impl/materials/aif_Conductivity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_WriteAnisotropyType(utl_Stream& stream, int kind) {
  if (kind == 1)
    aif_WriteOption(stream, "type=ORTHO");
  else if (kind == 2)
    aif_WriteOption(stream, "type=ANISO");
}

void aif_Conductivity::Write(utl_Stream& stream) const {
  stream << "*Conductivity";
  aif_WriteDependencies(stream, option_.dependencies);
  aif_WriteAnisotropyType(stream, option_.anisotropy);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
