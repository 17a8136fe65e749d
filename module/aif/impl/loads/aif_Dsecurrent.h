// "*Dsecurrent": a surface current in one step or load-case entry, on the
// surface by name: "surface,CS,value". The two parts of a complex load
// are load cases 1 and 2.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_SurfaceCurrent;

class aif_Dsecurrent : public aif_FluxLoadFrame {
 public:
  aif_Dsecurrent(const kloC_SurfaceCurrent& load, const cow_String& stepName, bool opFlag,
                 const cow_String& surfaceName, double scaleFactor);

  aif_Dsecurrent* Clone() const override { return new aif_Dsecurrent(*this); }
};
