#include "aif/impl/materials/aif_Shear.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Shear::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Elastic, type=SHEAR", option_);
}
