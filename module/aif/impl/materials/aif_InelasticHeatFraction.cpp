#include "aif/impl/materials/aif_InelasticHeatFraction.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"

void aif_InelasticHeatFraction::Write(utl_Stream& stream) const {
  stream << "*Inelastic Heat Fraction";
  stream.LineBreak();
  aif_WriteReal(stream, option_.fraction, 12).Print(",").LineBreak();
}
