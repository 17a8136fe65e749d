#include "aif/impl/materials/aif_LatentHeat.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_LatentHeat::Write(utl_Stream& stream) const {
  stream << "*Latent Heat";
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
}
