#include "aif/impl/materials/aif_Damping.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Damping::Write(utl_Stream& stream) const {
  stream << "*Damping";
  if (option_.alpha != 0.0) aif_WriteOption(stream, "alpha=", option_.alpha);
  if (option_.beta != 0.0) aif_WriteOption(stream, "beta=", option_.beta);
  if (option_.composite != 0.0) aif_WriteOption(stream, "composite=", option_.composite);
  if (option_.structural != 0.0) aif_WriteOption(stream, "structural=", option_.structural);
  stream.LineBreak();
}
