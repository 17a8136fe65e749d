// "*Dsecharge": a surface charge in one step or load-case entry, on the
// surface by name: "surface,ES,value". The two parts of a complex load
// are a real and an imaginary keyword.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_SurfaceCharge;

class aif_Dsecharge : public aif_FluxLoadFrame {
 public:
  aif_Dsecharge(const kloC_SurfaceCharge& load, const cow_String& stepName, bool opFlag,
                const cow_String& surfaceName, double scaleFactor);

  aif_Dsecharge* Clone() const override { return new aif_Dsecharge(*this); }
};
