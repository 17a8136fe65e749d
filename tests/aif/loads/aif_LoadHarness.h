// Writes the history of a model's loads step by step the way the load
// builder files them: the status filter of each load in each step, the op
// flag from the load op status, the modelling-space code, the scale factor 1
// and no cyclic mode. Each analysis step opens with a
// "** STEP: " comment line; each written load with "** Load: " and its name.
#pragma once

#include <memory>
#include <string>

#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/loads/aif_Cecharge.h"
#include "aif/impl/loads/aif_Cecurrent.h"
#include "aif/impl/loads/aif_Cflux.h"
#include "aif/impl/loads/aif_Cload.h"
#include "aif/impl/loads/aif_ConnectorLoad.h"
#include "aif/impl/loads/aif_Decharge.h"
#include "aif/impl/loads/aif_Decurrent.h"
#include "aif/impl/loads/aif_Dflow.h"
#include "aif/impl/loads/aif_Dflux.h"
#include "aif/impl/loads/aif_Dload.h"
#include "aif/impl/loads/aif_Dsecharge.h"
#include "aif/impl/loads/aif_Dsecurrent.h"
#include "aif/impl/loads/aif_Dsflow.h"
#include "aif/impl/loads/aif_Dsflux.h"
#include "aif/impl/loads/aif_Dsload.h"
#include "aif/impl/loads/aif_FluidFlux.h"
#include "aif/impl/loads/aif_InertiaRelief.h"
#include "aif/impl/loads/aif_LoadBuilder.h"
#include "aif/impl/loads/aif_LoadOpStatus.h"
#include "aif/impl/loads/aif_ModelSpace.h"
#include "aif/impl/loads/aif_Sload.h"
#include "support/aif_TestSupport.h"

namespace aif_load_test {

inline bool IsConcentratedKind(unsigned id) {
  return id == kloC_ConcentratedForce::TypeId() || id == kloC_Moment::TypeId() ||
         id == kloC_BoltLoad::TypeId() || id == kloC_PEGLoad::TypeId() ||
         id == kloC_ConcentratedPoreFluid::TypeId() || id == kloC_InwardVolAccel::TypeId() ||
         id == kloC_ReferencePressure::TypeId();
}

// The kinds "*Dload" writes: the body kinds always, the surface kinds when a
// field gives their magnitude.
inline bool IsDistributedKind(const kloC_Load& load) {
  const unsigned id = load.DynTypeId();
  if (id == kloC_RotationalBodyForce::TypeId() || id == kloC_LineLoad::TypeId() ||
      id == kloC_PipePressure::TypeId() || id == kloC_BodyForce::TypeId() ||
      id == kloC_Gravity::TypeId() || id == kloC_CoriolisForce::TypeId())
    return true;
  cow_String field;
  return (id == kloC_Pressure::TypeId() || id == kloC_SurfaceTraction::TypeId() ||
          id == kloC_ShellEdgeLoad::TypeId()) &&
         load.UsesField(field);
}

// The kinds "*Dsload" writes: the surface kinds when no field gives their
// magnitude, and the surfaces of stress-based submodels.
inline bool IsSurfaceKind(const kloC_Load& load) {
  const unsigned id = load.DynTypeId();
  if (id == kloC_SubmodelStressBased::TypeId()) return true;
  cow_String field;
  return (id == kloC_Pressure::TypeId() || id == kloC_SurfaceTraction::TypeId() ||
          id == kloC_ShellEdgeLoad::TypeId()) &&
         !load.UsesField(field);
}

// The flux, flow, current or charge keyword of `load` on `set` (its node set,
// element set or surface), the surface kinds element by element when a field
// gives their magnitude; null for the other kinds and for a surface
// concentration flux without a field (written per face on generated sets).
inline std::unique_ptr<akw_Keyword> FluxKeyword(const kloC_Load& load, const cow_String& step,
                                                bool opFlag, const cow_String& set,
                                                const aif_ModelInfo& info) {
  const unsigned id = load.DynTypeId();
  cow_String field;
  const bool byField = load.UsesField(field);
  if (id == kloC_ConcentratedHeatFlux::TypeId())
    return std::make_unique<aif_Cflux>(static_cast<const kloC_ConcentratedHeatFlux&>(load), step,
                                       info, opFlag, set, 1.0);
  if (id == kloC_ConcentratedConcentrationFlux::TypeId())
    return std::make_unique<aif_Cflux>(static_cast<const kloC_ConcentratedConcentrationFlux&>(load),
                                       step, info, opFlag, set, 1.0);
  if (id == kloC_ConcentratedCurrent::TypeId())
    return std::make_unique<aif_Cecurrent>(static_cast<const kloC_ConcentratedCurrent&>(load), step,
                                           info, opFlag, set, 1.0);
  if (id == kloC_ConcentratedCharge::TypeId())
    return std::make_unique<aif_Cecharge>(static_cast<const kloC_ConcentratedCharge&>(load), step,
                                          info, opFlag, set, 1.0);
  if (id == kloC_HydroFluidFlow::TypeId())
    return std::make_unique<aif_FluidFlux>(static_cast<const kloC_HydroFluidFlow&>(load), step,
                                           opFlag, set, 1.0);
  if (id == kloC_BodyHeatFlux::TypeId())
    return std::make_unique<aif_Dflux>(static_cast<const kloC_BodyHeatFlux&>(load), step, opFlag,
                                       set, info, 1.0);
  if (id == kloC_BodyConcentrationFlux::TypeId())
    return std::make_unique<aif_Dflux>(static_cast<const kloC_BodyConcentrationFlux&>(load), step,
                                       opFlag, set, info, 1.0);
  if (id == kloC_SurfaceHeatFlux::TypeId()) {
    const auto& flux = static_cast<const kloC_SurfaceHeatFlux&>(load);
    if (byField) return std::make_unique<aif_Dflux>(flux, step, opFlag, set, info, 1.0);
    return std::make_unique<aif_Dsflux>(flux, step, opFlag, set, 1.0);
  }
  if (id == kloC_SurfaceConcentrationFlux::TypeId()) {
    if (!byField) return nullptr;
    return std::make_unique<aif_Dflux>(static_cast<const kloC_SurfaceConcentrationFlux&>(load),
                                       step, opFlag, set, "S", info, 1.0);
  }
  if (id == kloC_SurfacePoreFluid::TypeId()) {
    const auto& flow = static_cast<const kloC_SurfacePoreFluid&>(load);
    if (byField) return std::make_unique<aif_Dflow>(flow, step, opFlag, set, info, 1.0);
    return std::make_unique<aif_Dsflow>(flow, step, opFlag, set, 1.0);
  }
  if (id == kloC_BodyCurrent::TypeId())
    return std::make_unique<aif_Decurrent>(static_cast<const kloC_BodyCurrent&>(load), step, info,
                                           opFlag, set, 1.0);
  if (id == kloC_SurfaceCurrent::TypeId()) {
    const auto& current = static_cast<const kloC_SurfaceCurrent&>(load);
    if (byField) return std::make_unique<aif_Decurrent>(current, step, info, opFlag, set, 1.0);
    return std::make_unique<aif_Dsecurrent>(current, step, opFlag, set, 1.0);
  }
  if (id == kloC_BodyCharge::TypeId())
    return std::make_unique<aif_Decharge>(static_cast<const kloC_BodyCharge&>(load), step, info,
                                          opFlag, set, 1.0);
  if (id == kloC_SurfaceCharge::TypeId()) {
    const auto& charge = static_cast<const kloC_SurfaceCharge&>(load);
    if (byField) return std::make_unique<aif_Decharge>(charge, step, info, opFlag, set, 1.0);
    return std::make_unique<aif_Dsecharge>(charge, step, opFlag, set, 1.0);
  }
  return nullptr;
}

// The load history of `info`'s model.
inline std::string LoadHistory(const aif_ModelInfo& info) {
  const auto& loads = info.ModelAdapter().Loads();
  const cow_List<cow_String> steps = info.ModelAdapter().Steps().UnsuppressedKeys();
  aif_LoadOpStatus ops;
  ops.BuildLoadOpStatus(loads, steps, info);
  const int space = aif_ModelSpaceCode(info);
  return aif_test::WrittenText([&](utl_Stream& stream) {
    for (std::size_t s = 1; s < steps.Length(); ++s) {
      const cow_String& step = steps[s];
      stream << "** STEP: " << step;
      stream.LineBreak();
      for (const auto& [name, held] : loads.ConstGetMap()) {
        const kloC_Load& load = *held;
        if (load.Suppressed() || !aif_LoadBuilder::IsWrittenInStep(load, step, load.Status(step), ops)) continue;
        const bool opFlag = !ops.LoadNeedsNewOp(load, step);
        std::unique_ptr<akw_Keyword> keyword;
        if (IsConcentratedKind(load.DynTypeId())) {
          const rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
          if (!region.IsValid(true) || region.InstanceIds(true).IsEmpty()) continue;
          keyword = std::make_unique<aif_Cload>(load, step, opFlag, info, name, false, -1, 1.0);
        } else if (IsDistributedKind(load)) {
          const cow_String set = aif_RegionName(load.Region(), info).QualifiedName(2);
          keyword = std::make_unique<aif_Dload>(load, step, opFlag, set, space, info, false, -1,
                                                1.0, name);
        } else if (IsSurfaceKind(load)) {
          // A pressure names its reference region's node set, when it has one.
          const cow_String surface = aif_RegionName(load.Region(), info).QualifiedName(2);
          cow_String refNode;
          if (load.DynTypeId() == kloC_Pressure::TypeId() &&
              !(load.SecondRegion() == rgnC_Region()))
            refNode = aif_RegionName(load.SecondRegion(), info).QualifiedName(2);
          keyword = std::make_unique<aif_Dsload>(load, step, opFlag, surface, info, false, -1, 1.0,
                                                 name, refNode);
        } else if (load.DynTypeId() == kloC_ConnectorForce::TypeId() ||
                   load.DynTypeId() == kloC_ConnectorMoment::TypeId()) {
          const cow_String set = aif_RegionName(load.Region(), info).QualifiedName(2);
          keyword = std::make_unique<aif_ConnectorLoad>(load, set, step, opFlag, 1.0);
        } else if (load.DynTypeId() == kloC_SubstructureLoad::TypeId()) {
          keyword = std::make_unique<aif_Sload>(load, step, opFlag, info, 1.0);
        } else if (load.DynTypeId() == kloC_InertiaRelief::TypeId()) {
          keyword = std::make_unique<aif_InertiaRelief>(load, name, step, opFlag, info);
        } else {
          const cow_String set = aif_RegionName(load.Region(), info).QualifiedName(2);
          keyword = FluxKeyword(load, step, opFlag, set, info);
          if (!keyword) continue;
        }
        stream << "** Load: " << name;
        stream.LineBreak();
        keyword->Write(stream);
      }
    }
  });
}

}  // namespace aif_load_test
