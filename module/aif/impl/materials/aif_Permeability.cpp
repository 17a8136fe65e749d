#include "aif/impl/materials/aif_Permeability.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_SaturationDependence.h"
#include "aif/impl/materials/aif_VelocityDependence.h"

void aif_Permeability::Write(utl_Stream& stream) const {
  stream << "*Permeability";
  aif_WriteOption(stream, "specific=", option_.specificWeight);
  if (option_.type != kmaC_Permeability::ISOTROPIC)
    aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
  stream.LineBreak();
  aif_WritePlainTable(stream, option_.table);
  aif_WriteSubOption<aif_SaturationDependence>(stream, option_.saturationDependence);
  aif_WriteSubOption<aif_VelocityDependence>(stream, option_.velocityDependence);
}
