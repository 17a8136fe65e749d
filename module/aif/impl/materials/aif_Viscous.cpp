#include "aif/impl/materials/aif_Viscous.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_Potential.h"

void aif_Viscous::Write(utl_Stream& stream) const {
  stream << "*Viscous";
  aif_WriteDependencies(stream, option_.dependencies);
  // Law 0 (strain) is the default; every value beyond time is a user law.
  if (option_.law == 1)
    aif_WriteOption(stream, "law=TIME");
  else if (option_.law != 0)
    aif_WriteOption(stream, "law=USER");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_Potential>(stream, option_.potential);
}
