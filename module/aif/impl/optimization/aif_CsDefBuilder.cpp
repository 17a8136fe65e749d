#include "aif/impl/optimization/aif_CsDefBuilder.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/optimization/aif_CsDef.h"
#include "aif/impl/optimization/aif_KestLines.h"

void aif_CsDefBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  for (const auto& [name, response] : task->DesignResponses().ConstGetMap()) {
    if (response->Suppressed()) continue;
    if (const auto* single = dynamic_cast<const kopC_SingleTermDesignResponse*>(response.Get()))
      AddCsys(single->Csys());
  }
  for (const auto& [name, restriction] : task->GeometricRestrictions().ConstGetMap()) {
    if (restriction->Suppressed()) continue;
    if (const auto* kest = dynamic_cast<const kopC_KestGeometricRestriction*>(restriction.Get())) {
      AddCsys(kest->Csys());
      AddCsys(kest->SecondCsys());
    }
  }
}

void aif_CsDefBuilder::AddCsys(const dtmC_DatumRef& datum) {
  // A reference naming no datum is CS_0 to every block and has no CS_DEF.
  if (datum.IsNullRef() || !dtmK_Datum(Info().Assembly(), Info().ModelName(), datum).IsValid())
    return;
  const cow_String name = Info().DatumCsysName(datum, 0.0, cow_String());
  for (const cow_String& written : written_)
    if (written == name) return;
  written_.Append(name);
  AddKestOptionDefinition(
      aif_CsDef(Info().Assembly(), datum, Info().ModelName(), aif_KestCsysName(datum, Info())));
}
