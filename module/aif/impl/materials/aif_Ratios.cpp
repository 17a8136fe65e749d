#include "aif/impl/materials/aif_Ratios.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Ratios::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Ratios", option_);
}
