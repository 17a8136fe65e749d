#include "aif/impl/materials/aif_ShearRetention.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// Blank third and fourth values keep the temperature and field values in
// place.
void aif_ShearRetention::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Shear Retention", option_, {2, 3});
}
