#include "aif/impl/materials/aif_CastIronCompHard.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

// A blank third value keeps the temperature and field values in place.
void aif_CastIronCompHard::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Cast Iron Compression Hardening", option_, {2});
}
