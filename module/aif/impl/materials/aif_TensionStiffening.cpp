#include "aif/impl/materials/aif_TensionStiffening.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// STRAIN is the solver's default and is not stated.
void aif_TensionStiffening::Write(utl_Stream& stream) const {
  stream << "*Tension Stiffening";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type != kmaC_TensionStiffening::STRAIN)
    aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
