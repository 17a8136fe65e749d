#include "aif/impl/materials/aif_InelasticHeatFraction.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_InelasticHeatFraction::Write(utl_Stream& stream) const {
  stream << "*Inelastic Heat Fraction";
  stream.LineBreak();
  stream.Print(option_.fraction, 12, 6).Print(",").LineBreak();
}
