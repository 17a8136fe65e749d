#include "aif/impl/materials/aif_DruckerPragerCreep.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_DruckerPragerCreep::Write(utl_Stream& stream) const {
  stream << "*Drucker Prager Creep";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.law != kmaC_DruckerPragerCreep::STRAIN)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.law));
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
