#include "aif/impl/materials/aif_ConcreteDamagedPlasticity.h"

#include "aif/impl/materials/aif_ConcreteCompressionDamage.h"
#include "aif/impl/materials/aif_ConcreteCompressionHardening.h"
#include "aif/impl/materials/aif_ConcreteTensionDamage.h"
#include "aif/impl/materials/aif_ConcreteTensionStiffening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_ConcreteDamagedPlasticity::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Concrete Damaged Plasticity", option_);
  aif_WriteSubOption<aif_ConcreteCompressionHardening>(stream, option_.compressionHardening);
  aif_WriteSubOption<aif_ConcreteTensionStiffening>(stream, option_.tensionStiffening);
  aif_WriteSubOption<aif_ConcreteCompressionDamage>(stream, option_.compressionDamage);
  aif_WriteSubOption<aif_ConcreteTensionDamage>(stream, option_.tensionDamage);
}
