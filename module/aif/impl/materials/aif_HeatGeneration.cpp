#include "aif/impl/materials/aif_HeatGeneration.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_HeatGeneration::Write(utl_Stream& stream) const {
  stream << "*Heat Generation";
  stream.LineBreak();
}
