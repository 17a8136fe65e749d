// "*Decharge": a body or surface charge in one step or load-case entry, on the
// element set the load builder names, or element by element when an
// analytical field distributes it. The two parts of a complex load are
// a real and an imaginary keyword.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_BodyCharge;
class kloC_SurfaceCharge;

class aif_Decharge : public aif_FluxLoadFrame {
 public:
  // Label "ES"; element lines add the face number ("ES2").
  aif_Decharge(const kloC_SurfaceCharge& load, const cow_String& stepName,
               const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
               double scaleFactor);
  // Label "EBF".
  aif_Decharge(const kloC_BodyCharge& load, const cow_String& stepName, const aif_ModelInfo& info,
               bool opFlag, const cow_String& setName, double scaleFactor);

  aif_Decharge* Clone() const override { return new aif_Decharge(*this); }
};
