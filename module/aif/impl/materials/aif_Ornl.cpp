#include "aif/impl/materials/aif_Ornl.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// A keyword line only; a = 0.3 is the solver's default and is not stated.
void aif_Ornl::Write(utl_Stream& stream) const {
  stream << "*Ornl";
  if (option_.a != 0.3) aif_WriteOption(stream, "a=", option_.a);
  if (option_.h != DBL_MAX) aif_WriteOption(stream, "h=", option_.h);
  if (option_.reset) aif_WriteOption(stream, "reset");
  stream.LineBreak();
}
