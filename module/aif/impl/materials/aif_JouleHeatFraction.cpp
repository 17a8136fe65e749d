#include "aif/impl/materials/aif_JouleHeatFraction.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_JouleHeatFraction::Write(utl_Stream& stream) const {
  stream << "*Joule Heat Fraction";
  stream.LineBreak();
  stream.Print(option_.fraction, 12, 6).Print(",").LineBreak();
}
