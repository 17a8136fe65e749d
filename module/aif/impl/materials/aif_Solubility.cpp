#include "aif/impl/materials/aif_Solubility.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Solubility::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Solubility", option_);
}
