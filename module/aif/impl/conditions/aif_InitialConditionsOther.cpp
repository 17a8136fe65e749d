#include "aif/impl/conditions/aif_InitialConditions.h"

void aif_InitialConditions::WriteContact(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteSolution(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteEnrichment(utl_Stream& stream) const {
  (void)stream;
}
