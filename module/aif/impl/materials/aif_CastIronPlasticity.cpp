#include "aif/impl/materials/aif_CastIronPlasticity.h"

#include "aif/impl/materials/aif_CastIronCompHard.h"
#include "aif/impl/materials/aif_CastIronTensHard.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CastIronPlasticity::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Cast Iron Plasticity", option_);
  aif_WriteSubOption<aif_CastIronCompHard>(stream, option_.compressionHardening);
  aif_WriteSubOption<aif_CastIronTensHard>(stream, option_.tensionHardening);
}
