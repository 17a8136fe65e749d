#include "aif/impl/materials/aif_ClayHardening.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ClayHardening::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Clay Hardening", option_);
}
