#include "aif/impl/conditions/aif_InitialConditions.h"

void aif_InitialConditions::WriteFluidVelocity(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteFluidDensity(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteFluidTurbulence(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteFluidThermalEnergy(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteVolumeFraction(utl_Stream& stream) const {
  (void)stream;
}
