#include "aif/impl/interactions/aif_GapConductance.h"

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_DataLineTable.h"

namespace {

constexpr const char* kGapConductanceFile = "module/aif/impl/interactions/aif_GapConductance.cpp";

// One form: `keyword`, ", dependencies=" when it has any, the table with a
// blank column before column 2 (then 3) where the first (second) column flag
// is clear; a column the table does not have inserts nothing.
void WriteGapConductanceTable(utl_Stream& stream, const char* keyword,
                              const cow_2DArray<double>& table, const bool (&columns)[2],
                              int dependencies) {
  aif_DataLineTable lines(table, 0, 0);
  stream << keyword;
  if (dependencies > 0) stream << ", dependencies=" << dependencies;
  if (!columns[0]) lines.InsertColumn(2);
  if (!columns[1]) lines.InsertColumn(3);
  stream.LineBreak();
  stream << lines;
}

}  // namespace

aif_GapConductance::aif_GapConductance(const kinC_InteractionProperty& property,
                                       const aif_ModelInfo& modelInfo)
    : property_(property), modelInfo_(&modelInfo) {}

void aif_GapConductance::Write(utl_Stream& stream) const {
  const kinC_GapConductance& conductance =
      nex_canDynamicCastRef<const kinC_ContactProperty>(*property_, kGapConductanceFile, __LINE__)
          .Get<kinC_GapConductance>();
  if (conductance.definition == 1) {
    stream << "*Gap Conductance, user";
    stream.LineBreak();
    return;
  }
  if (conductance.definition != 0) return;
  if (conductance.clearanceDependency)
    WriteGapConductanceTable(stream, "*Gap Conductance", conductance.clearanceTable,
                             conductance.clearanceColumns, conductance.clearanceDependencies);
  if (conductance.pressureDependency)
    WriteGapConductanceTable(stream, "*Gap Conductance, pressure", conductance.pressureTable,
                             conductance.pressureColumns, conductance.pressureDependencies);
}
