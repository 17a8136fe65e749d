#include "aif/impl/materials/aif_MohrCoulomb.h"

#include <cfloat>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_MohrCoulombHardening.h"
#include "aif/impl/materials/aif_TensionCutOff.h"

void aif_MohrCoulomb::Write(utl_Stream& stream) const {
  stream << "*Mohr Coulomb";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.deviatoricEccentricity != DBL_MAX)
    aif_WriteOption(stream, "deviatoric Eccentricity =", option_.deviatoricEccentricity);
  if (option_.eccentricity != 0.1) aif_WriteOption(stream, "eccentricity =", option_.eccentricity);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_MohrCoulombHardening>(stream, option_.hardening);
  if (option_.tensionCutoff) aif_WriteSubOption<aif_TensionCutOff>(stream, option_.tensionCutOff);
}
