#include "aif/impl/sections/aif_ConnectorDamageInitiation.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorDamageEvolution.h"
#include "aif/impl/sections/aif_ConnectorPotential.h"

void aif_ConnectorDamageInitiation::WriteInitiation(utl_Stream& stream, int component) const {
  const kbeC_ConnectorDamage& d = option_;
  stream << "*Connector Damage Initiation";
  if (component > 0) stream << ", component=" << component;
  if (d.criterion == 1) aif_WriteOption(stream, "criterion=MOTION");
  if (d.criterion == 2) aif_WriteOption(stream, "criterion=PLASTIC MOTION");
  aif_WriteDependencies(stream, d.initiation.dependencies);
  aif_WriteTableOptions(stream, d.initiation.TableOptions(), true);
  stream.LineBreak();

  aif_DataLineTable table = aif_ConnectorTable(d.initiation);
  if (d.criterion == 2 && d.initiationForm == 0) table.InsertColumn(1);
  table.ReplaceValue(0, -1e36, "  ");
  table.ReplaceValue(1, 1e36, "  ");
  stream << table;
}

void aif_ConnectorDamageInitiation::Write(utl_Stream& stream) const {
  const bool potential = aif_PotentialWritesTerms(option_.initiationPotential);
  aif_ForEachComponent(option_.components, potential, [&](int component) {
    WriteInitiation(stream, component);
    aif_ConnectorPotential(option_, optionIndex_, aif_ConnectorPotential::kDamageInitiation, stem_)
        .Write(stream);
    aif_ConnectorDamageEvolution(option_, optionIndex_).Write(stream);
    aif_ConnectorPotential(option_, optionIndex_, aif_ConnectorPotential::kDamageEvolution, stem_)
        .Write(stream);
  });
}

void aif_ConnectorDamageInitiation::CollectDerivedComponents(aif_DerivedComponentMap& map) const {
  aif_CollectPotentialComponents(option_.initiationPotential, stem_, optionIndex_, "-IP-", map);
  if (option_.evolution)
    aif_CollectPotentialComponents(option_.evolutionPotential, stem_, optionIndex_, "-EP-", map);
}
