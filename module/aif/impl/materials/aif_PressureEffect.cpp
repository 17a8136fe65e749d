#include "aif/impl/materials/aif_PressureEffect.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_PressureEffect::Write(utl_Stream& stream) const {
  stream << "*Kappa";
  aif_WriteDependencies(stream, option_.dependencies);
  aif_WriteOption(stream, "type=PRESS");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
