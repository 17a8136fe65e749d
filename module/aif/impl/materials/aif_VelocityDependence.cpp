#include "aif/impl/materials/aif_VelocityDependence.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_VelocityDependence::Write(utl_Stream& stream) const {
  stream << "*Permeability, Type=VELOCITY";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
