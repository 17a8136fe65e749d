#include "OdbAttrEO/kloC_LoadTypeLabelMap.h"

#include "OdbAttrEO/kloC_Load.h"

kloC_LoadTypeLabelMap::kloC_LoadTypeLabelMap() {
  const std::pair<unsigned, const char*> rows[] = {
      {kloC_ConcentratedForce::kTypeId, "Concentrated force"},
      {kloC_Moment::kTypeId, "Moment"},
      {kloC_PEGLoad::kTypeId, "Generalized plane strain"},
      {kloC_ConcentratedPoreFluid::kTypeId, "Concentrated pore fluid"},
      {kloC_InwardVolAccel::kTypeId, "Inward volume acceleration"},
      {kloC_ReferencePressure::kTypeId, "Fluid reference pressure"},
      {kloC_BoltLoad::kTypeId, "Bolt load"},
      {kloC_Pressure::kTypeId, "Pressure"},
      {kloC_SurfaceTraction::kTypeId, "Surface traction"},
      {kloC_ShellEdgeLoad::kTypeId, "Shell edge load"},
      {kloC_BodyForce::kTypeId, "Body force"},
      {kloC_LineLoad::kTypeId, "Line load"},
      {kloC_Gravity::kTypeId, "Gravity"},
      {kloC_RotationalBodyForce::kTypeId, "Rotational body force"},
      {kloC_CoriolisForce::kTypeId, "Coriolis force"},
      {kloC_PipePressure::kTypeId, "Pipe pressure"},
      {kloC_SubmodelStressBased::kTypeId, "Submodel"},
      {kloC_ConcentratedHeatFlux::kTypeId, "Concentrated heat flux"},
      {kloC_ConcentratedConcentrationFlux::kTypeId, "Concentrated concentration flux"},
      {kloC_BodyHeatFlux::kTypeId, "Body heat flux"},
      {kloC_SurfaceHeatFlux::kTypeId, "Surface heat flux"},
      {kloC_BodyConcentrationFlux::kTypeId, "Body concentration flux"},
      {kloC_SurfaceConcentrationFlux::kTypeId, "Surface concentration flux"},
      {kloC_SurfacePoreFluid::kTypeId, "Surface pore fluid"},
      {kloC_HydroFluidFlow::kTypeId, "Fluid cavity flux"},
      {kloC_ConcentratedCharge::kTypeId, "Concentrated charge"},
      {kloC_SurfaceCharge::kTypeId, "Surface charge"},
      {kloC_BodyCharge::kTypeId, "Body charge"},
      {kloC_ConcentratedCurrent::kTypeId, "Concentrated current"},
      {kloC_SurfaceCurrent::kTypeId, "Surface current"},
      {kloC_BodyCurrent::kTypeId, "Body current"},
      {kloC_ConnectorForce::kTypeId, "Connector force"},
      {kloC_ConnectorMoment::kTypeId, "Connector moment"},
      {kloC_SubstructureLoad::kTypeId, "Substructure load"},
      {kloC_InertiaRelief::kTypeId, "Inertia relief"},
  };
  for (const auto& [typeId, label] : rows)
    labels_.Set(typeId, label);
}

cow_String kloC_LoadTypeLabelMap::Label(unsigned typeId) const {
  const cow_String* label = labels_.Find(typeId);
  return label ? *label : cow_String();
}
