#include "aif/impl/materials/aif_GapFlow.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_GapFlow::Write(utl_Stream& stream) const {
  stream << "*Gap Flow";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type != 0)
    aif_WriteOption(stream, "type=POWER LAW");
  else if (option_.kmax != DBL_MAX)
    aif_WriteOption(stream, "kmax=", option_.kmax);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
