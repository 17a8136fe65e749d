#include "aif/impl/steps/aif_ElectricalControls.h"

void aif_ElectricalControls::Write(utl_Stream& stream) const {
  const Field field{"electrical potential", &controls_.ElectricalPotential(), false};
  WriteTypical(stream, controls_, &field);
}
