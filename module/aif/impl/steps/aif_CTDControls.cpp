#include "aif/impl/steps/aif_CTDControls.h"

void aif_CTDControls::Write(utl_Stream& stream) const {
  const Field field{"temperature", &controls_.Temperature(), false};
  WriteTypical(stream, controls_, &field);
}
