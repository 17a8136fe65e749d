#include "aif/impl/materials/aif_Viscosity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Viscosity::Write(utl_Stream& stream) const {
  stream << "*Viscosity";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.definition == 1) aif_WriteOption(stream, "definition=NEWTONIAN");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
