#include "aif/impl/materials/aif_Foam.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_FoamHardening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_RateDependent.h"

void aif_Foam::Write(utl_Stream& stream) const {
  stream << "*Crushable Foam";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.hardening != kmaC_Foam::VOLUMETRIC)
    aif_WriteOption(stream, "hardening=", aif_EnumText(option_.hardening));
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_FoamHardening>(stream, option_.foamHardening);
  aif_WriteSubOption<aif_RateDependent>(stream, option_.rateDependent);
}
