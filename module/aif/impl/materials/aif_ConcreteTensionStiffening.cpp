#include "aif/impl/materials/aif_ConcreteTensionStiffening.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SubOptionColumns.h"

void aif_ConcreteTensionStiffening::Write(utl_Stream& stream) const {
  stream << "*Concrete Tension Stiffening";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type != kmaC_ConcreteTensionStiffening::STRAIN)
    aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
  stream.LineBreak();
  aif_SubOptionWritePreTemperatureRows(stream, option_);
}
