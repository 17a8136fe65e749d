#include "aif/impl/materials/aif_ElectricalConductivity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_Conductivity.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ElectricalConductivity::Write(utl_Stream& stream) const {
  stream << "*Electrical Conductivity";
  aif_WriteDependencies(stream, option_.dependencies);
  aif_WriteAnisotropyType(stream, option_.type);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
