#include "aif/impl/materials/aif_Trs.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Trs::Write(utl_Stream& stream) const {
  stream << "*Trs";
  if (option_.definition != kmaC_Trs::WLF)
    aif_WriteOption(stream, "definition=", aif_EnumText(option_.definition));
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
