#include "aif/impl/materials/aif_PorousElastic.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_PorousElastic::Write(utl_Stream& stream) const {
  stream << "*Porous Elastic";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.shearLaw != kmaC_PorousElastic::G)
    aif_WriteOption(stream, "shear=", aif_EnumText(option_.shearLaw));
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
