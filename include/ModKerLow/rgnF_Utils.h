// The named regions of a primary object (a part or the assembly) as features
// of its feature list: sets (rgnF_Set), surfaces (rgnF_Surface) and geometric
// surfaces (rgnF_GeomSurface), each holding the region it covers; and the
// kernel routines that find them.
#pragma once

#include "BasShared/cow_List.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "VwrModKer/ftr_FeatureList.h"

// A surface of a part or the assembly. Its type mask and output mark are not
// read.
class rgnF_Surface : public rgnF_Set {
 public:
  static constexpr unsigned kTypeId = 0x0A00005;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnF_Surface, rgnF_Set)
  rgnF_Surface* Clone() const override { return new rgnF_Surface(*this); }

  using rgnF_Set::rgnF_Set;
};

// A geometric surface (of an analytic rigid part, or of the assembly over
// such parts). The instance ids its set lies on are those its region names
// (rgnC_Region::KernelInstanceIds).
class rgnF_GeomSurface : public rgnF_Set {
 public:
  static constexpr unsigned kTypeId = 0x0A00003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnF_GeomSurface, rgnF_Set)
  rgnF_GeomSurface* Clone() const override { return new rgnF_GeomSurface(*this); }

  using rgnF_Set::rgnF_Set;
};

namespace rgnF_Utils {

// The ids of the geometric surfaces among `features`, in feature order.
cow_List<unsigned> GetGeomSurfaceIds(const ftr_FeatureList& features);
// The ids of the sets (when `sets`) and of the surfaces (when `surfaces`)
// among `features`, in feature order.
cow_List<unsigned> GetRegionIds(const ftr_FeatureList& features, bool sets, bool surfaces);
// The set, surface or geometric surface with `id`; null for any other id.
const rgnF_Set* GetRegion(const ftr_FeatureList& features, unsigned id);
// The set (not a surface) named `name` among `features`, the first in
// feature order; null when there is none.
const rgnF_Set* GetSet(const ftr_FeatureList& features, const cow_String& name);

}  // namespace rgnF_Utils
