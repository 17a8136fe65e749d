#include "aif/impl/materials/aif_Swelling.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_Ratios.h"

void aif_Swelling::Write(utl_Stream& stream) const {
  stream << "*Swelling";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.law != kmaC_Swelling::INPUT)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.law));
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_Ratios>(stream, option_.ratios);
}
