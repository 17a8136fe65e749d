#include "aif/impl/model/aif_TransformTermDatum.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "QivBasicUtils/cls_Registry.h"

dtmC_DatumRef aif_TransformTermDatum::Of(const asoK_Assembly& assembly, int id) {
  dtmC_DatumRef datum;
  if (id < 0) return datum;
  const ftr_Feature* feature = assembly.ConstGetFeatureList().Get(static_cast<unsigned>(id));
  if (feature && cls_Registry::IsDerived(feature->DynTypeId(), dtu_Datum::TypeId()))
    datum.name = feature->Name();
  return datum;
}
