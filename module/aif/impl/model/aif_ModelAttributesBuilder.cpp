#include "aif/impl/model/aif_ModelAttributesBuilder.h"

#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_AcousticWaveFormulation.h"
#include "aif/impl/model/aif_PhysicalConstants.h"

void aif_ModelAttributesBuilder::Build() {
  const aif_Model& model = static_cast<const aif_ModelInfo&>(ModelInfo()).ModelAdapter();
  const aif_PhysicalConstants constants(model.AbsoluteZero(), model.StefanBoltzmann(),
                                        model.UniversalGasConstant());
  const aif_AcousticWaveFormulation acoustic(model.AcousticWaveFormulation());
  if (!aif_PhysicalConstants::IsSet(constants.AbsoluteZero()) &&
      !aif_PhysicalConstants::IsSet(constants.StefanBoltzmann()) &&
      !aif_PhysicalConstants::IsSet(constants.UniversalGas()) &&
      acoustic.Code() == aif_AcousticWaveFormulation::kNone)
    return;
  AddModelDefinition(aif_Comment("\nPHYSICAL CONSTANTS\n"));
  AddModelDefinition(constants);
  AddModelDefinition(acoustic);
}
