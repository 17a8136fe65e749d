// Geometric surfaces of a primary object (a part or the assembly): named
// features of its feature list, each with the region it covers.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "VwrModKer/ftr_FeatureList.h"

class rgnF_GeomSurface : public ftr_Feature {
 public:
  static constexpr unsigned kTypeId = 0x0A00003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnF_GeomSurface, ftr_Feature)
  rgnF_GeomSurface* Clone() const override { return new rgnF_GeomSurface(*this); }

  // The surface's region in its primary object.
  const rgnC_Region& Region() const { return region_; }
  void SetRegion(rgnC_Region region) { region_ = std::move(region); }

 private:
  rgnC_Region region_;
};

namespace rgnF_Utils {

// The ids of the geometric surfaces among `features`, in feature order.
cow_List<unsigned> GetGeomSurfaceIds(const ftr_FeatureList& features);

}  // namespace rgnF_Utils
