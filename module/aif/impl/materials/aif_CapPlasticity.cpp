#include "aif/impl/materials/aif_CapPlasticity.h"

#include "aif/impl/materials/aif_CapCreepCohesion.h"
#include "aif/impl/materials/aif_CapCreepConsolidation.h"
#include "aif/impl/materials/aif_CapHardening.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_CapPlasticity::Write(utl_Stream& stream) const {
  aif_WriteDependentKeyword(stream, "*Cap Plasticity", option_);
  aif_WriteSubOption<aif_CapCreepCohesion>(stream, option_.cohesionCreep);
  aif_WriteSubOption<aif_CapCreepConsolidation>(stream, option_.consolidationCreep);
  aif_WriteSubOption<aif_CapHardening>(stream, option_.capHardening);
}
