#include "aif/impl/materials/aif_CapHardening.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CapHardening::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Cap Hardening", option_);
}
