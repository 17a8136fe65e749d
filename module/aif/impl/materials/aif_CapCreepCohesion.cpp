#include "aif/impl/materials/aif_CapCreepCohesion.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CapCreepCohesion::Write(utl_Stream& stream) const {
  stream << "*Cap Creep";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.law != kmaC_CapCreepCohesion::STRAIN)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.law));
  aif_WriteOption(stream, "mechanism=COHESION");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
