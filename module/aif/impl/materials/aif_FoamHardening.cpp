#include "aif/impl/materials/aif_FoamHardening.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_FoamHardening::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Crushable Foam Hardening", option_);
}
