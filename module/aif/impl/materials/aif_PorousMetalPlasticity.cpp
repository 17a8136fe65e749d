#include "aif/impl/materials/aif_PorousMetalPlasticity.h"

#include <cfloat>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_PorousFailureCriteria.h"
#include "aif/impl/materials/aif_VoidNucleation.h"

void aif_PorousMetalPlasticity::Write(utl_Stream& stream) const {
  stream << "*Porous Metal Plasticity";
  aif_WriteDependencies(stream, option_.dependencies);
  if (option_.relativeDensity != DBL_MAX)
    aif_WriteOption(stream, "relative density=", option_.relativeDensity);
  stream.LineBreak();
  aif_WriteFrameTable(stream, option_);
  aif_WriteSubOption<aif_PorousFailureCriteria>(stream, option_.failureCriteria);
  aif_WriteSubOption<aif_VoidNucleation>(stream, option_.voidNucleation);
}
