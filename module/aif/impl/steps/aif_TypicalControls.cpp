#include "aif/impl/steps/aif_TypicalControls.h"

void aif_TypicalControls::Write(utl_Stream& stream) const {
  WriteTypical(stream, controls_, nullptr);
}

void aif_TypicalControls::WriteTypical(utl_Stream& stream, const kprC_Controls& own,
                                       const Field* extra) const {
  // Hydrostatic fluid pressure and rotation share the non-displacement
  // defaults.
  const Field fields[] = {
      {"displacement", &controls_.Displacement(), true},
      {"hydrostatic fluid pressure", &controls_.HydrostaticFluidPressure(), false},
      {"rotation", &controls_.Rotation(), false},
      extra ? *extra : Field{},
  };
  WriteControls(stream, own, controls_, std::span<const Field>(fields, extra ? 4 : 3));
}
