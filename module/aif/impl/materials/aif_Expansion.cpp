#include "aif/impl/materials/aif_Expansion.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Expansion::Write(utl_Stream& stream) const {
  stream << "*Expansion";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type == 1)
    aif_WriteOption(stream, "type=ORTHO");
  else if (option_.type == 2)
    aif_WriteOption(stream, "type=ANISO");
  if (option_.user) stream << ", user";
  if (option_.zero != 0.0) aif_WriteOption(stream, "zero=", option_.zero);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
