#include "OdbAttrEO/kbcC_BC.h"

#include <utility>

#include "OdbAttrEO/kbcC_RetainedNodalDofsBC.h"
#include "OdbAttrEO/kbcC_SubmodelBC.h"

const kbcC_BCState& kbcC_BC::ConstGetState(const cow_String& step) const {
  static const kbcC_BCState kEmpty;
  const auto* state = dynamic_cast<const kbcC_BCState*>(FindState(step));
  return state ? *state : kEmpty;
}

bool kbcC_FluidWallConditionBC::WritesData(const cow_String& step, bool turbulenceOne,
                                           bool turbulenceTwo) const {
  if (wallType_ == 1 || turbulenceOne || turbulenceTwo) return true;
  const kbcC_BCState& state = ConstGetState(step);
  for (int v = kbcC_FLUID_P; v < kbcC_FLUID_VARIABLES; ++v) {
    const int status = state.Fluid(static_cast<kbcC_FluidVariable>(v)).Status();
    if (status == 1 || status == 2) return true;
  }
  return false;
}

cow_String kbcC_BCTypeLabelMap::Label(unsigned typeId) {
  static const std::pair<unsigned, const char*> kRows[] = {
      {kbcC_DisplacementBC::kTypeId, "Displacement/Rotation"},
      {kbcC_VelocityBC::kTypeId, "Velocity/Angular velocity"},
      {kbcC_AccelerationBC::kTypeId, "Acceleration/Angular acceleration"},
      {kbcC_TypeBC::kTypeId, "Symmetry/Antisymmetry/Encastre"},
      {kbcC_OtherBC::kTypeId, "Other"},
      {kbcC_TemperatureBC::kTypeId, "Temperature"},
      {kbcC_PorePressureBC::kTypeId, "Pore pressure"},
      {kbcC_AcousticPressureBC::kTypeId, "Acoustic pressure"},
      {kbcC_FluidCavityPressureBC::kTypeId, "Fluid cavity pressure"},
      {kbcC_ElectricPotentialBC::kTypeId, "Electric potential"},
      {kbcC_ConcentrationBC::kTypeId, "Mass concentration"},
      {kbcC_SubmodelBC::kTypeId, "Submodel"},
      {kbcC_ConnDisplacementBC::kTypeId, "Connector displacement"},
      {kbcC_ConnVelocityBC::kTypeId, "Connector velocity"},
      {kbcC_ConnAccelerationBC::kTypeId, "Connector acceleration"},
      {kbcC_MassFlowBC::kTypeId, "Mass flow rate"},
      {kbcC_EulerianBC::kTypeId, "Eulerian"},
      {kbcC_EulerianMotionBC::kTypeId, "Eulerian mesh motion"},
      {kbcC_FluidInletOutletBC::kTypeId, "Fluid inlet/outlet"},
      {kbcC_FluidWallConditionBC::kTypeId, "Fluid wall condition"},
      {kbcC_RetainedNodalDofsBC::kTypeId, "Retained nodal dofs"},
  };
  for (const auto& [id, label] : kRows)
    if (id == typeId) return label;
  return "Unknown";
}
