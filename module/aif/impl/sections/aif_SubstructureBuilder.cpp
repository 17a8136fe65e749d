#include "aif/impl/sections/aif_SubstructureBuilder.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_SubstructureProperty.h"

void aif_SubstructureBuilder::Build() {
  auto& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const asoK_Assembly* assembly = info.Assembly();
  if (info.IsPartBased() || !assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && instance->IsSubstructure())
      AddInstanceDefinition(instance->Name(), aif_SubstructureProperty(*instance, info));
  }
}
