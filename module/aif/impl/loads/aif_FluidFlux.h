// "*Fluid Flux": a hydrostatic fluid flow in one step or load-case entry, one
// line of the node set the load builder names and the flow.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_HydroFluidFlow;

class aif_FluidFlux : public aif_FluxLoadFrame {
 public:
  aif_FluidFlux(const kloC_HydroFluidFlow& load, const cow_String& stepName, bool opFlag,
                const cow_String& setName, double scaleFactor);

  aif_FluidFlux* Clone() const override { return new aif_FluidFlux(*this); }
};
