#include "aif/impl/materials/aif_SoretEffect.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_SoretEffect::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Kappa", option_);
}
