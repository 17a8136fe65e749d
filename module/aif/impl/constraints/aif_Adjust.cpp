#include "aif/impl/constraints/aif_Adjust.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr const char* kAdjustFile = "module/aif/impl/constraints/aif_Adjust.cpp";
constexpr int kAdjustAssemblyScope = 2;

}  // namespace

aif_Adjust::aif_Adjust(const kcoC_Constraint* constraint, const akw_ModelInfo& info, bool rawNames)
    : constraint_(constraint ? cow_COW<kcoC_Constraint>(*constraint) : cow_COW<kcoC_Constraint>()),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kAdjustFile, __LINE__)),
      rawNames_(rawNames) {}

void aif_Adjust::Write(utl_Stream& stream) const {
  if (constraint_.IsNull()) return;
  const rgnC_Region* points = nullptr;
  const rgnC_Region* surface = nullptr;
  const unsigned type = constraint_->DynTypeId();
  if (type == kcoC_AdjustPoints::TypeId()) {
    const auto& adjust =
        nex_canDynamicCastRef<const kcoC_AdjustPoints>(*constraint_, kAdjustFile, __LINE__);
    points = &adjust.PointsRegion();
    surface = &adjust.SurfaceRegion();
  } else if (type == kcoC_Coupling::TypeId()) {
    const auto& coupling =
        nex_canDynamicCastRef<const kcoC_Coupling>(*constraint_, kAdjustFile, __LINE__);
    points = &coupling.ControlPointRegion();
    surface = &coupling.SurfaceRegion();
  } else {
    return;
  }

  // Both names come printable: the region names made here, the raw name
  // through the printable form once.
  const cow_String surfaceName = aif_RegionName(*surface, info_).SetName(kAdjustAssemblyScope);
  const cow_String setName =
      rawNames_ ? akw_MorvexName(points->Name(), false).Printable()
                : aif_RegionName(*points, info_).QualifiedName(kAdjustAssemblyScope);
  stream << "*Adjust, node set=" << setName << ", surface=" << surfaceName << endl;
}
