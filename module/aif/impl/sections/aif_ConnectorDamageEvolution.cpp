#include "aif/impl/sections/aif_ConnectorDamageEvolution.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

void aif_ConnectorDamageEvolution::Write(utl_Stream& stream) const {
  const kbeC_ConnectorDamage& d = option_;
  if (!d.evolution) return;
  const bool motion = d.evolutionType == 0;
  stream << "*Connector Damage Evolution, type=";
  if (motion) {
    stream << "MOTION";
    if (d.softening != 0)
      aif_WriteOption(stream, d.softening == 1 ? "softening=EXPONENTIAL" : "softening=TABULAR");
  } else {
    stream << "ENERGY";
  }
  if (d.affectedComponentsFlag) aif_WriteOption(stream, "affected components");
  if (d.degradation == 1) aif_WriteOption(stream, "degradation=MULTIPLICATIVE");
  aif_WriteDependencies(stream, d.evolutionData.dependencies);
  aif_WriteTableOptions(stream, d.evolutionData.TableOptions(), true);
  stream.LineBreak();
  if (d.affectedComponentsFlag) aif_WriteComponentLine(stream, d.affectedComponents);

  aif_DataLineTable table = aif_ConnectorTable(d.evolutionData);
  if (d.initiationForm == 0 || d.criterion != 2)
    table.InsertColumn(motion && d.softening != 0 ? 2 : 1);
  stream << table;
}
