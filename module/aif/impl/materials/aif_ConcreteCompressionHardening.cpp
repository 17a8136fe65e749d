#include "aif/impl/materials/aif_ConcreteCompressionHardening.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SubOptionColumns.h"

void aif_ConcreteCompressionHardening::Write(utl_Stream& stream) const {
  stream << "*Concrete Compression Hardening";
  aif_WriteDependencies(stream, option_.dependencies);
  stream.LineBreak();
  aif_SubOptionWritePreTemperatureRows(stream, option_);
}
