// "*Dsflow": a surface pore fluid flow in one step or load-case entry, one line of the
// surface's name, "S" ("SNU" user-defined) and the magnitude.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_SurfacePoreFluid;

class aif_Dsflow : public aif_FluxLoadFrame {
 public:
  aif_Dsflow(const kloC_SurfacePoreFluid& load, const cow_String& stepName, bool opFlag,
             const cow_String& surfaceName, double scaleFactor);

  aif_Dsflow* Clone() const override { return new aif_Dsflow(*this); }
};
