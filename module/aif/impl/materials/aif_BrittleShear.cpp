#include "aif/impl/materials/aif_BrittleShear.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// The retention factor (kind 0) is the solver's default; a kind without a
// text writes no "type=" at all.
void aif_BrittleShear::Write(utl_Stream& stream) const {
  stream << "*Brittle Shear";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.kind == 1) aif_WriteOption(stream, "type=POWER LAW");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
