#include "aif/impl/materials/aif_RateDependent.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// Kind 0 (tabular) is the solver's default; a kind without a text writes no
// "type=" at all.
void aif_RateDependent::Write(utl_Stream& stream) const {
  stream << "*Rate Dependent";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.kind == 1) aif_WriteOption(stream, "type=YIELD RATIO");
  if (option_.kind == 2) aif_WriteOption(stream, "type=JOHNSON COOK");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
