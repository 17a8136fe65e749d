#include "aif/impl/materials/aif_ConcreteCompressionDamage.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ConcreteCompressionDamage::Write(utl_Stream& stream) const {
  stream << "*Concrete Compression Damage";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.tensionRecovery != 0.0)
    aif_WriteOption(stream, "tension recovery=", option_.tensionRecovery);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
