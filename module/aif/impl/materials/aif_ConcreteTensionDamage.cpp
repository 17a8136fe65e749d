#include "aif/impl/materials/aif_ConcreteTensionDamage.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ConcreteTensionDamage::Write(utl_Stream& stream) const {
  stream << "*Concrete Tension Damage";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type != kmaC_ConcreteTensionDamage::STRAIN)
    aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
  if (option_.compressionRecovery != 1.0)
    aif_WriteOption(stream, "compression recovery=", option_.compressionRecovery);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
