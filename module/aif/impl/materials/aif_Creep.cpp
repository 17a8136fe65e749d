#include "aif/impl/materials/aif_Creep.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_Ornl.h"
#include "aif/impl/materials/aif_Potential.h"

void aif_Creep::Write(utl_Stream& stream) const {
  const bool hyperbolic = option_.law == kmaC_Creep::HYPERBOLIC_SINE;
  stream << "*Creep";
  aif_WriteDependencies(stream, option_.dependencies);
  if (hyperbolic)
    aif_WriteOption(stream, "law=HYPERB");
  else if (option_.law != kmaC_Creep::STRAIN)
    aif_WriteOption(stream, "law=", aif_EnumText(option_.law));
  stream.LineBreak();
  // The hyperbolic-sine rows never take the empty temperature column.
  if (hyperbolic)
    stream << aif_DataLineTable(option_.table, option_.dependencies, option_.temperatureDependency);
  else
    aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_Ornl>(stream, option_.ornl);
  aif_WriteSubOption<aif_Potential>(stream, option_.potential);
}
