#include "aif/impl/materials/aif_CyclicHardening.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CyclicHardening::Write(utl_Stream& stream) const {
  stream << "*Cyclic Hardening";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.parameters) aif_WriteOption(stream, "parameters");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
