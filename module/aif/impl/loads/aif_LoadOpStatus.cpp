#include "aif/impl/loads/aif_LoadOpStatus.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivGeom/gdy_CompositeHitSet.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kLoadOpStatusFile[] = "module/aif/impl/loads/aif_LoadOpStatus.cpp";
// The kernel's own id for the assembly in region member queries.
constexpr int kLoadOpAssemblyId = 1000;

}  // namespace

int aif_LoadOpStatus::StatusKey(unsigned typeId, bool& selector) const {
  switch (typeId) {
    case kloC_Moment::kTypeId:
    case kloC_PEGLoad::kTypeId:
    case kloC_BoltLoad::kTypeId:
    case kloC_ConcentratedPoreFluid::kTypeId:
    case kloC_InwardVolAccel::kTypeId:
    case kloC_ConcentratedForce::kTypeId:
    case kloC_ReferencePressure::kTypeId:
      return 0;
    case kloC_RotationalBodyForce::kTypeId:
    case kloC_LineLoad::kTypeId:
    case kloC_PipePressure::kTypeId:
    case kloC_BodyForce::kTypeId:
    case kloC_Gravity::kTypeId:
    case kloC_CoriolisForce::kTypeId:
      return 1;
    case kloC_Pressure::kTypeId:
    case kloC_SurfaceTraction::kTypeId:
    case kloC_ShellEdgeLoad::kTypeId:
      return selector ? 1 : 2;
    case kloC_SubmodelStressBased::kTypeId:
      return 2;
    case kloC_ConcentratedHeatFlux::kTypeId:
    case kloC_ConcentratedConcentrationFlux::kTypeId:
      return 3;
    // A surface concentration flux is written as "*Dflux" either way, like
    // the body fluxes.
    case kloC_BodyHeatFlux::kTypeId:
    case kloC_BodyConcentrationFlux::kTypeId:
    case kloC_SurfaceConcentrationFlux::kTypeId:
      return 4;
    case kloC_SurfaceHeatFlux::kTypeId:
      return selector ? 4 : 5;
    case kloC_SurfacePoreFluid::kTypeId:
      return selector ? 17 : 6;
    case kloC_HydroFluidFlow::kTypeId:
      return 7;
    case kloC_OtherLoad::kTypeId:
      return 8;
    case kloC_ConcentratedCharge::kTypeId:
      return 9;
    case kloC_BodyCharge::kTypeId:
      return 10;
    case kloC_SurfaceCharge::kTypeId:
      return selector ? 10 : 11;
    case kloC_ConcentratedCurrent::kTypeId:
      return 12;
    case kloC_BodyCurrent::kTypeId:
      return 13;
    case kloC_SurfaceCurrent::kTypeId:
      return selector ? 13 : 14;
    case kloC_ConnectorForce::kTypeId:
    case kloC_ConnectorMoment::kTypeId:
      return 15;
    case kloC_InertiaRelief::kTypeId:
      return 16;
    case kloC_SubstructureLoad::kTypeId:
      return 18;
    default:
      nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented load->OP status conversion")),
                           kLoadOpStatusFile, __LINE__);
  }
}

bool aif_LoadOpStatus::UsesField(const kloC_Load& load) {
  cow_String fieldName;
  return load.UsesField(fieldName);
}

void aif_LoadOpStatus::BuildLoadOpStatus(const kprC_PropagatingContainer<kloC_Load>& loads,
                                         const cow_List<cow_String>& steps,
                                         const aif_ModelInfo& info) {
  InitializeSteps(steps, kCategoryCount);
  MarkDeactivatedLoads(loads);
  MarkOverlappingLoads(loads, info);
}

bool aif_LoadOpStatus::LoadNeedsNewOp(const kloC_Load& load, const cow_String& step) const {
  bool selector = UsesField(load);
  return CategoryNeedsNewOp(StatusKey(load.DynTypeId(), selector), step);
}

void aif_LoadOpStatus::MarkDeactivatedLoads(const kprC_PropagatingContainer<kloC_Load>& loads) {
  const cow_List<cow_String>& steps = Steps();
  for (std::size_t index = 1; index < steps.Length(); ++index) {
    const cow_String& step = steps[index];
    for (const auto& entry : loads.ConstGetMap()) {
      const kloC_Load& load = *entry.second;
      if (load.Suppressed()) continue;
      const int status = load.Status(step);
      if (load.DynTypeId() == kloC_BoltLoad::TypeId()) {
        if (status != 3) continue;
        const auto& state = nex_canDynamicCastRef<const kloC_LoadState>(
            load.ConstGetStateQuad(step), kLoadOpStatusFile, __LINE__);
        bool selector = false;
        if (state.Method().IsModified())
          MarkCategory(StatusKey(load.DynTypeId(), selector), static_cast<int>(index));
      } else if (status == 4) {
        bool selector = UsesField(load);
        MarkCategory(StatusKey(load.DynTypeId(), selector), static_cast<int>(index));
      }
    }
  }
}

void aif_LoadOpStatus::MarkOverlappingLoads(const kprC_PropagatingContainer<kloC_Load>& loads,
                                            const aif_ModelInfo& info) {
  std::vector<int> overlapping;
  // The region names seen, by category.
  std::set<std::pair<int, cow_String>> namesSeen;
  // The node hits of the field-given loads, by type id in ascending order,
  // each type's in repository order.
  std::map<unsigned, std::vector<gdy_CompositeHitSet>> hitsByType;

  for (const auto& entry : loads.ConstGetMap()) {
    const kloC_Load& load = *entry.second;
    if (load.Suppressed()) continue;
    bool selector = UsesField(load);
    const int category = StatusKey(load.DynTypeId(), selector);
    const cow_String regionName = aif_RegionName(load.Region(), info).QualifiedName(2);

    if (!namesSeen.emplace(category, regionName).second) {
      overlapping.push_back(category);
      continue;
    }

    if (!selector) continue;
    rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
    gdy_CompositeHitSet hits;
    region.GetNodeHits(hits, kLoadOpAssemblyId, true);
    hitsByType[load.DynTypeId()].push_back(std::move(hits));
  }

  for (const auto& [typeId, sets] : hitsByType) {
    if (sets.size() < 2) continue;
    gdy_CompositeHitSet seen;
    for (const gdy_CompositeHitSet& hits : sets) {
      gdy_CompositeHitSet common = hits;
      common.Intersect(seen, false);
      if (common.HitCount() != 0) {
        bool selector = true;
        overlapping.push_back(StatusKey(typeId, selector));
        break;
      }
      seen.Add(hits);
    }
  }

  const int stepCount = static_cast<int>(Steps().Length());
  for (int category : overlapping)
    for (int index = 1; index < stepCount; ++index)
      MarkCategory(category, index);
}
