#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

#include <string>

#include "OdbAttrEO/kbeC_ConnectorPotentialList.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"

void aif_WriteTableOptions(utl_Stream& stream, const kbeC_TableOptions* options, bool rateForm) {
  if (!options) return;
  if (!options->regularizeDefault) {
    aif_WriteOption(stream, options->regularize ? "regularize=ON" : "regularize=OFF");
    aif_WriteOption(stream, "rtol=", options->toleranceDefault ? 0.03 : options->tolerance);
  }
  if (!options->extrapolationDefault)
    aif_WriteOption(
        stream, options->extrapolation == 1 ? "extrapolation=LINEAR" : "extrapolation=CONSTANT");
  if (!rateForm) return;
  if (!options->rateFilterDefault && options->rateFilterFactor != 0.9)
    aif_WriteOption(stream, "rate filter factor=", options->rateFilterFactor);
  if (options->rateInterpolation == 1) aif_WriteOption(stream, "rate interpolation=LOGARITHMIC");
}

aif_DataLineTable aif_ConnectorTable(const kbeC_ConnectorTableData& data) {
  aif_DataLineTable table(data.table.Values(), data.dependencies, data.temperatureDependent);
  if (!data.temperatureDependent && data.dependencies > 0)
    table.InsertColumn(static_cast<int>(data.table.Columns()) - data.dependencies);
  return table;
}

void aif_WriteComponentLine(utl_Stream& stream, const cow_List<int>& values) {
  bool first = true;
  for (int value : values) {
    if (!first) stream << ", ";
    stream << value;
    first = false;
  }
  stream.LineBreak();
}

void aif_ForEachComponent(const cow_List<int>& components, bool hasPotential,
                          const std::function<void(int)>& write) {
  if (components.IsEmpty() || hasPotential) return write(0);
  for (int component : components)
    write(component);
}

cow_String aif_ContactForceName(const cow_String& stem, int optionIndex) {
  return stem + "BO-" + std::to_string(optionIndex) + "-DC";
}

cow_String aif_PotentialTermName(const cow_String& stem, int optionIndex, const char* kind,
                                 int position) {
  return stem + "BO-" + std::to_string(optionIndex) + kind + std::to_string(position);
}

void aif_CollectPotentialComponents(const kbeC_ConnectorPotentialList& potential,
                                    const cow_String& stem, int optionIndex, const char* kind,
                                    aif_DerivedComponentMap& map) {
  int position = 0;
  for (const kbeC_ConnectorPotential& term : potential.terms) {
    ++position;
    if (term.kind == 0 || !term.DerivedComponent()) continue;
    map.emplace(aif_PotentialTermName(stem, optionIndex, kind, position), term.derived);
  }
}
