#include "ModKerLow/rgnF_Utils.h"

namespace {

template <class Test>
cow_List<unsigned> IdsWhere(const ftr_FeatureList& features, Test&& test) {
  cow_List<unsigned> ids;
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const ftr_Feature* feature = features.Get(id);
    if (feature && test(feature->DynTypeId())) ids.Append(id);
  }
  return ids;
}

}  // namespace

cow_List<unsigned> rgnF_Utils::GetGeomSurfaceIds(const ftr_FeatureList& features) {
  return IdsWhere(features, [](unsigned type) { return type == rgnF_GeomSurface::TypeId(); });
}

cow_List<unsigned> rgnF_Utils::GetRegionIds(const ftr_FeatureList& features, bool sets,
                                            bool surfaces) {
  return IdsWhere(features, [&](unsigned type) {
    return (sets && type == rgnF_Set::TypeId()) || (surfaces && type == rgnF_Surface::TypeId());
  });
}

const rgnF_Set* rgnF_Utils::GetRegion(const ftr_FeatureList& features, unsigned id) {
  return dynamic_cast<const rgnF_Set*>(features.Get(id));
}

const rgnF_Set* rgnF_Utils::GetSet(const ftr_FeatureList& features, const cow_String& name) {
  for (unsigned id : GetRegionIds(features, true, false)) {
    const rgnF_Set* set = GetRegion(features, id);
    if (set && set->Name() == name) return set;
  }
  return nullptr;
}
