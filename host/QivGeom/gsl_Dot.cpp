#include "QivGeom/gsl_Dot.h"

#include "VwrModKer/ftr_FeatureList.h"

const ftr_Feature* gsl_Dot::FindEntity(const ftr_FeatureList& features) const {
  return entity_ ? features.Get(*entity_) : nullptr;
}
