#include "aif/impl/materials/aif_Diffusivity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_Conductivity.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_PressureEffect.h"
#include "aif/impl/materials/aif_SoretEffect.h"

void aif_Diffusivity::Write(utl_Stream& stream) const {
  stream << "*Diffusivity";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.law != kmaC_Diffusivity::GENERAL)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.law));
  aif_WriteAnisotropyType(stream, option_.anisotropy);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_SoretEffect>(stream, option_.soretEffect);
  aif_WriteSubOption<aif_PressureEffect>(stream, option_.pressureEffect);
}
