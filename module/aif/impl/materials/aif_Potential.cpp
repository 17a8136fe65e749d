#include "aif/impl/materials/aif_Potential.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Potential::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Potential", option_);
}
