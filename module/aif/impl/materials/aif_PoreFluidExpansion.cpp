#include "aif/impl/materials/aif_PoreFluidExpansion.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_PoreFluidExpansion::Write(utl_Stream& stream) const {
  stream << "*Expansion, Pore Fluid";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.zero != 0.0) aif_WriteOption(stream, "zero=", option_.zero);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
