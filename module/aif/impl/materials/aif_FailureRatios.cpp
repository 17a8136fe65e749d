#include "aif/impl/materials/aif_FailureRatios.h"

#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_FailureRatios::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Failure Ratios", option_);
}
