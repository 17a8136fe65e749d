#include "aif/impl/materials/aif_FluidLeakoff.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_FluidLeakoff::Write(utl_Stream& stream) const {
  stream << "*Fluid Leakoff";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type == 1) aif_WriteOption(stream, "user");
  stream.LineBreak();
  // The data lines belong to the table form alone; a user leak-off and a
  // type the writer does not know write none.
  if (option_.type == 0) aif_WriteFrameTable(stream, option_);
}
