#include "aif/impl/materials/aif_VoidNucleation.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_VoidNucleation::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Void Nucleation", option_);
}
