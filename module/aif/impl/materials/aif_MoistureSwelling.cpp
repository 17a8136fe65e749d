#include "aif/impl/materials/aif_MoistureSwelling.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_Ratios.h"

void aif_MoistureSwelling::Write(utl_Stream& stream) const {
  stream << "*Moisture Swelling";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
  aif_WriteSubOption<aif_Ratios>(stream, option_.ratios);
}
