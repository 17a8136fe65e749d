#include "aif/impl/materials/aif_NoTension.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_NoTension::Write(utl_Stream& stream) const {
  if (option_.noTension) stream << "*No Tension" << endl;
}
