#include "aif/impl/conditions/aif_InitialConditions.h"

void aif_InitialConditions::WriteTemperature(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteField(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteSaturation(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WriteRatio(utl_Stream& stream) const {
  (void)stream;
}
void aif_InitialConditions::WritePorePressure(utl_Stream& stream) const {
  (void)stream;
}

void aif_InitialConditions::WriteEvaluatedRatioValues(utl_Stream& stream,
                                                      const cow_String& quantity,
                                                      const cow_String& objectName) const {
  (void)stream;
  (void)quantity;
  (void)objectName;
}
