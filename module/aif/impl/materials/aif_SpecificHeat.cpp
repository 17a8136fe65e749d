#include "aif/impl/materials/aif_SpecificHeat.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_SpecificHeat::Write(utl_Stream& stream) const {
  stream << "*Specific Heat";
  aif_WriteDependencies(stream, option_.dependencies);
  if (modelValue_ == 2)
    aif_WriteOption(stream, option_.type == 0 ? "type=CONSTANTVOLUME" : "type=CONSTANTPRESSURE");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
}
