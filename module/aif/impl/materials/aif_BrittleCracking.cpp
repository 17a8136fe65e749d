#include "aif/impl/materials/aif_BrittleCracking.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_BrittleFailure.h"
#include "aif/impl/materials/aif_BrittleShear.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_BrittleCracking::Write(utl_Stream& stream) const {
  stream << "*Brittle Cracking";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.type != kmaC_BrittleCracking::STRAIN)
    aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_BrittleShear>(stream, option_.brittleShear);
  aif_WriteSubOption<aif_BrittleFailure>(stream, option_.brittleFailure);
}
