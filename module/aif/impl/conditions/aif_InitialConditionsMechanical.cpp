#include "aif/impl/conditions/aif_InitialConditions.h"

void aif_InitialConditions::WriteVelocity(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteStress(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteGeostaticStress(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteHardening(utl_Stream& stream) const {
  (void)stream;
}
