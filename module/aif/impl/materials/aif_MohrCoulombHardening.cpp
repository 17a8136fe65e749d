#include "aif/impl/materials/aif_MohrCoulombHardening.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_MohrCoulombHardening::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Mohr Coulomb Hardening", option_);
}
