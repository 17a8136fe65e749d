#include "aif/impl/materials/aif_TensionCutOff.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_TensionCutOff::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Tension Cutoff", option_);
}
