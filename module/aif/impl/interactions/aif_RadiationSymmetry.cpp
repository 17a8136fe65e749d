#include "aif/impl/interactions/aif_RadiationSymmetry.h"

#include "QivBasicUtils/utl_Stream.h"

aif_RadiationSymmetry::aif_RadiationSymmetry(const cow_String& symmetryName)
    : symmetryName_(symmetryName) {}

void aif_RadiationSymmetry::Write(utl_Stream& stream) const {
  stream << "*Radiation Symmetry, name=" << symmetryName_;
  stream.LineBreak();
}
