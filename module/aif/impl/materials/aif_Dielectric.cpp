#include "aif/impl/materials/aif_Dielectric.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_Conductivity.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Dielectric::Write(utl_Stream& stream) const {
  stream << "*Dielectric";
  aif_WriteDependencies(stream, option_.dependencies);
  aif_WriteAnisotropyType(stream, option_.anisotropy);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
