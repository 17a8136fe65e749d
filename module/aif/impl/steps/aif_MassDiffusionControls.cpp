#include "aif/impl/steps/aif_MassDiffusionControls.h"

void aif_MassDiffusionControls::Write(utl_Stream& stream) const {
  const Field fields[] = {{"concentration", &controls_.Concentration(), false}};
  WriteControls(stream, controls_, controls_, fields);
}
