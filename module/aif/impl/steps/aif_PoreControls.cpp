#include "aif/impl/steps/aif_PoreControls.h"

void aif_PoreControls::Write(utl_Stream& stream) const {
  const Field field{"pore fluid pressure", &controls_.PoreFluidPressure(), false};
  WriteTypical(stream, controls_, &field);
}
