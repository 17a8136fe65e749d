#include "aif/impl/materials/aif_FailStress.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_FailStress::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Fail Stress", option_);
}
