// "*Decurrent": a body or surface current in one step or load-case entry, on the
// element set the load builder names, or element by element when an
// analytical field distributes it. The two parts of a complex load are
// load cases 1 and 2.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_BodyCurrent;
class kloC_SurfaceCurrent;

class aif_Decurrent : public aif_FluxLoadFrame {
 public:
  // Label "CS"; element lines add the face number ("CS2").
  aif_Decurrent(const kloC_SurfaceCurrent& load, const cow_String& stepName,
                const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                double scaleFactor);
  // Label "CBF".
  aif_Decurrent(const kloC_BodyCurrent& load, const cow_String& stepName, const aif_ModelInfo& info,
                bool opFlag, const cow_String& setName, double scaleFactor);

  aif_Decurrent* Clone() const override { return new aif_Decurrent(*this); }
};
