// "*Dflow": a surface pore fluid flow in one step or load-case entry, on the
// element set the load builder names, or element face by element face when an
// analytical field distributes it.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_Distributed;

class aif_Dflow : public aif_FluxLoadFrame {
 public:
  aif_Dflow(const kloC_Distributed& load, const cow_String& stepName, bool opFlag,
            const cow_String& setName, const aif_ModelInfo& info, double scaleFactor);

  aif_Dflow* Clone() const override { return new aif_Dflow(*this); }
};
