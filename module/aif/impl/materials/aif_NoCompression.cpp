#include "aif/impl/materials/aif_NoCompression.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_NoCompression::Write(utl_Stream& stream) const {
  if (option_.noCompression) stream << "*No Compression" << endl;
}
