#include "OdbAttrEO/kpfC_Field.h"

#include <utility>

cow_String kpfC_FieldTypeLabelMap::Label(unsigned typeId) {
  static const std::pair<unsigned, const char*> kRows[] = {
      {kpfC_Temperature::kTypeId, "Temperature"},
      {kpfC_PressureStress::kTypeId, "Pressure stress"},
      {kpfC_MassFlowRate::kTypeId, "Mass flow rate"},
      {kpfC_GeneralField::kTypeId, "Field"},
      {kpfC_Velocity::kTypeId, "Velocity"},
      {kpfC_Stress::kTypeId, "Stress"},
      {kpfC_Hardening::kTypeId, "Hardening"},
      {kpfC_Saturation::kTypeId, "Saturation"},
      {kpfC_VoidsRatio::kTypeId, "Void ratio"},
      {kpfC_PorePressure::kTypeId, "Pore pressure"},
      {kpfC_MaterialAssignment::kTypeId, "Material assignment"},
      {kpfC_FluidVelocity::kTypeId, "Fluid velocity"},
      {kpfC_FluidTurbulence::kTypeId, "Fluid turbulence"},
      {kpfC_FluidThermalEnergy::kTypeId, "Fluid thermal energy"},
      {kpfC_FluidDensity::kTypeId, "Fluid density"},
      {kpfC_StressGeo::kTypeId, "Geostatic stress"},
      {kpfC_InitialState::kTypeId, "Initial state"},
  };
  for (const auto& [id, label] : kRows)
    if (id == typeId) return label;
  return "Unknown";
}
