#include "aif/impl/materials/aif_BrittleFailure.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// One crack (kind 0) is the solver's default; a kind without a text writes
// no "cracks=" at all.
void aif_BrittleFailure::Write(utl_Stream& stream) const {
  stream << "*Brittle Failure";
  if (option_.crackKind == 1) aif_WriteOption(stream, "cracks=2");
  if (option_.crackKind == 2) aif_WriteOption(stream, "cracks=3");
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
