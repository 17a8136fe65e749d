#include "aif/impl/materials/aif_Sorption.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Sorption::Write(utl_Stream& stream) const {
  stream << "*Sorption";
  if (option_.absorptionLaw != kmaC_Sorption::ABSORPTION_TABULAR)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.absorptionLaw));
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
  // Scanning belongs to the exsorption data: without exsorption it is not
  // written, whatever value it holds.
  if (!option_.exsorption) return;
  stream << "*Sorption, type=Exsorption";
  if (option_.exsorptionLaw != kmaC_Sorption::EXSORPTION_TABULAR)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.exsorptionLaw));
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.exsorptionTable);
  if (option_.scanning != 0.0) {
    stream << "*Sorption, type=Scanning";
    stream.LineBreak();
    stream << option_.scanning;
    stream.LineBreak();
  }
}
