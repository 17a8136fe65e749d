#include "aif/impl/steps/aif_CTEControls.h"

void aif_CTEControls::Write(utl_Stream& stream) const {
  const Field field{"electrical potential", &controls_.ElectricalPotential(), false};
  WriteHeatTransfer(stream, controls_, &field);
}
