#include "aif/impl/materials/aif_DeformationPlasticity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_DeformationPlasticity::Write(utl_Stream& stream) const {
  stream << "*Deformation Plasticity";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
