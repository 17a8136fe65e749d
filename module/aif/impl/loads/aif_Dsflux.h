// "*Dsflux": a surface heat or concentration flux in one step or load-case entry, one line of the
// surface's name, "S" ("SNU" user-defined) and the magnitude.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_SurfaceHeatFlux;
class kloC_SurfaceConcentrationFlux;

class aif_Dsflux : public aif_FluxLoadFrame {
 public:
  aif_Dsflux(const kloC_SurfaceHeatFlux& load, const cow_String& stepName, bool opFlag,
             const cow_String& surfaceName, double scaleFactor);
  aif_Dsflux(const kloC_SurfaceConcentrationFlux& load, const cow_String& stepName, bool opFlag,
             const cow_String& surfaceName, double scaleFactor);

  aif_Dsflux* Clone() const override { return new aif_Dsflux(*this); }
};
