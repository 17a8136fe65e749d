#include "ModKerLow/rgnF_Utils.h"

cow_List<unsigned> rgnF_Utils::GetGeomSurfaceIds(const ftr_FeatureList& features) {
  cow_List<unsigned> ids;
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const ftr_Feature* feature = features.Get(id);
    if (feature && feature->DynTypeId() == rgnF_GeomSurface::TypeId()) ids.Append(id);
  }
  return ids;
}
