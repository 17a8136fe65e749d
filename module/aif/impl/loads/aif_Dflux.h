// "*Dflux": a body or surface heat or concentration flux in one step or
// load-case entry, on the element set the load builder names, or element by
// element (face by face) when an analytical field distributes it.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_BodyConcentrationFlux;
class kloC_BodyHeatFlux;
class kloC_SurfaceConcentrationFlux;
class kloC_SurfaceHeatFlux;

class aif_Dflux : public aif_FluxLoadFrame {
 public:
  // Label "BF" (user-defined "BFNU"), element centroids.
  aif_Dflux(const kloC_BodyHeatFlux& load, const cow_String& stepName, bool opFlag,
            const cow_String& setName, const aif_ModelInfo& info, double scaleFactor);
  aif_Dflux(const kloC_BodyConcentrationFlux& load, const cow_String& stepName, bool opFlag,
            const cow_String& setName, const aif_ModelInfo& info, double scaleFactor);
  // Label `faceLabel` ("S3"), face centroids.
  aif_Dflux(const kloC_SurfaceConcentrationFlux& load, const cow_String& stepName, bool opFlag,
            const cow_String& setName, const cow_String& faceLabel, const aif_ModelInfo& info,
            double scaleFactor);
  // Label "S", face centroids; element lines name the face ("S4") or the
  // shell side ("SPOS", "SNEG").
  aif_Dflux(const kloC_SurfaceHeatFlux& load, const cow_String& stepName, bool opFlag,
            const cow_String& setName, const aif_ModelInfo& info, double scaleFactor);

  aif_Dflux* Clone() const override { return new aif_Dflux(*this); }
};
