#include "aif/impl/materials/aif_Concrete.h"

#include "aif/impl/materials/aif_FailureRatios.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_ShearRetention.h"
#include "aif/impl/materials/aif_TensionStiffening.h"

void aif_Concrete::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Concrete", option_);
  aif_WriteSubOption<aif_FailureRatios>(stream, option_.failureRatios);
  aif_WriteSubOption<aif_ShearRetention>(stream, option_.shearRetention);
  aif_WriteSubOption<aif_TensionStiffening>(stream, option_.tensionStiffening);
}
