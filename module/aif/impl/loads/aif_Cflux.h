// "*Cflux": a concentrated heat flux or concentration flux in one step or
// load-case entry, on the node set the load builder names, or node by node
// when an analytical field distributes it.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_ConcentratedConcentrationFlux;
class kloC_ConcentratedHeatFlux;

class aif_Cflux : public aif_FluxLoadFrame {
 public:
  // Degree of freedom 11.
  aif_Cflux(const kloC_ConcentratedConcentrationFlux& load, const cow_String& stepName,
            const aif_ModelInfo& info, bool opFlag, const cow_String& setName, double scaleFactor);
  // The degree of freedom the load carries.
  aif_Cflux(const kloC_ConcentratedHeatFlux& load, const cow_String& stepName,
            const aif_ModelInfo& info, bool opFlag, const cow_String& setName, double scaleFactor);

  aif_Cflux* Clone() const override { return new aif_Cflux(*this); }
};
