#include "aif/impl/materials/aif_Elastic.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_FailStrain.h"
#include "aif/impl/materials/aif_FailStress.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_Elastic::Write(utl_Stream& stream) const {
  stream << "*Elastic";
  aif_WriteDependencies(stream, option_.dependencies);
  switch (option_.type) {
    case kmaC_Elastic::ISOTROPIC:
      break;
    case kmaC_Elastic::ENGINEERING_CONSTANTS:
      aif_WriteOption(stream, "type=ENGINEERING CONSTANTS");
      break;
    case kmaC_Elastic::COUPLED_TRACTION:
      aif_WriteOption(stream, "type=COUPLED TRACTION");
      break;
    case kmaC_Elastic::SHEAR:
      aif_WriteOption(stream, "type=SHEAR");
      break;
    default:
      aif_WriteOption(stream, "type=", aif_EnumText(option_.type));
      break;
  }
  if (viscoelastic_)
    aif_WriteOption(stream,
                    option_.moduliTimeScale == 0 ? "moduli=INSTANTANEOUS" : "moduli=LONG TERM");
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_FailStrain>(stream, option_.failStrain);
  aif_WriteSubOption<aif_FailStress>(stream, option_.failStress);
}
