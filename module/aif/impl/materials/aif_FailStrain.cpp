#include "aif/impl/materials/aif_FailStrain.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_FailStrain::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Fail Strain", option_);
}
