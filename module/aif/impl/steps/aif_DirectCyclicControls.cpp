#include "aif/impl/steps/aif_DirectCyclicControls.h"

void aif_DirectCyclicControls::Write(utl_Stream& stream) const {
  const Field fields[] = {{"displacement", &controls_.Displacement(), true},
                          {"rotation", &controls_.Rotation(), false}};
  WriteControls(stream, controls_, controls_, fields, &controls_.DirectCyclic());
}
