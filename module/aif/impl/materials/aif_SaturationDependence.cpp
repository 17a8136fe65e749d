#include "aif/impl/materials/aif_SaturationDependence.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_SaturationDependence::Write(utl_Stream& stream) const {
  stream << "*Permeability, Type=SATURATION";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
