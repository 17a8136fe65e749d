#include "aif/impl/sections/aif_ConnectorFriction.h"

#include <cfloat>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorPotential.h"
#include "aif/impl/sections/aif_Friction.h"

void aif_ConnectorFriction::WriteKeywordLine(utl_Stream& stream) const {
  const kbeC_ConnectorFriction& f = option_;
  stream << "*Connector Friction";
  if (f.frictionKind == 1) {
    if (f.componentGiven == 0 && f.component > 0) stream << ", component=" << f.component;
    if (f.contactForceFlag && f.contactForceKind == 0)
      stream << ", contact force=" << f.contactForceComponent;
    else if (f.contactForceFlag && f.ContactForceDerived())
      stream << ", contact force="
             << akw_MorvexName(aif_ContactForceName(stem_, optionIndex_), false);
  } else {
    stream << ", predefined";
  }
  aif_WriteDependencies(stream, f.data.dependencies);
  if (f.independentCode == 0) aif_WriteOption(stream, "independent components=POSITION");
  if (f.independentCode == 1) aif_WriteOption(stream, "independent components=CONSTITUTIVE MOTION");
  if (f.stickStiffness != DBL_MAX) aif_WriteOption(stream, "stick stiffness=", f.stickStiffness);
  aif_WriteTableOptions(stream, f.data.TableOptions());
  stream.LineBreak();
}

void aif_ConnectorFriction::WriteTable(utl_Stream& stream) const {
  const kbeC_ConnectorTableData& data = option_.data;
  aif_DataLineTable table(data.table.Values(), data.dependencies, data.temperatureDependent);
  if (option_.frictionKind == 1) {
    const int columns = static_cast<int>(data.table.Columns());
    if (data.dependencies > 0 && !data.temperatureDependent)
      table.InsertColumn(columns - data.dependencies);
    // The column before the temperature is kept empty when not given.
    if ((data.dependencies > 0 || data.temperatureDependent) && !option_.secondDependence)
      table.InsertColumn(columns - data.dependencies - (data.temperatureDependent ? 1 : 0));
  }
  stream << table;
}

void aif_ConnectorFriction::Write(utl_Stream& stream) const {
  WriteKeywordLine(stream);
  if (option_.frictionKind == 1 && option_.independentCode != 2)
    aif_WriteComponentLine(stream, option_.independentComponents);
  WriteTable(stream);
  aif_Friction(option_, modelInfo_).Write(stream);
  aif_ConnectorPotential(option_, optionIndex_, stem_).Write(stream);
}

void aif_ConnectorFriction::CollectDerivedComponents(aif_DerivedComponentMap& map) const {
  if (option_.contactForceKind != 0 && option_.ContactForceDerived())
    map.emplace(aif_ContactForceName(stem_, optionIndex_), option_.contactForceDerived);
  aif_CollectPotentialComponents(option_.potential, stem_, optionIndex_, "-CP-", map);
}
