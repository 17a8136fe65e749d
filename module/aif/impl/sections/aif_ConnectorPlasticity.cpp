#include "aif/impl/sections/aif_ConnectorPlasticity.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/sections/aif_ConnectorHardening.h"
#include "aif/impl/sections/aif_ConnectorPotential.h"

void aif_ConnectorPlasticity::Write(utl_Stream& stream) const {
  const bool potential = aif_PotentialWritesTerms(option_.potential);
  aif_ForEachComponent(option_.components, potential, [&](int component) {
    stream << "*Connector Plasticity";
    if (component > 0) stream << ", component=" << component;
    stream.LineBreak();
    aif_ConnectorHardening(option_).Write(stream);
  });
  aif_ConnectorPotential(option_, optionIndex_, stem_).Write(stream);
}

void aif_ConnectorPlasticity::CollectDerivedComponents(aif_DerivedComponentMap& map) const {
  aif_CollectPotentialComponents(option_.potential, stem_, optionIndex_, "-CP-", map);
}
