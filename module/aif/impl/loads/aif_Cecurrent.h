// "*Cecurrent": a concentrated current in one step or load-case entry, on the
// node set the load builder names, or node by node when an analytical field
// distributes it. The two parts of a complex load are load cases 1 and 2.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_ConcentratedCurrent;

class aif_Cecurrent : public aif_FluxLoadFrame {
 public:
  aif_Cecurrent(const kloC_ConcentratedCurrent& load, const cow_String& stepName,
                const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                double scaleFactor);

  aif_Cecurrent* Clone() const override { return new aif_Cecurrent(*this); }
  // "node, , value" per node of `walk` (value = field x `magnitude` x scale).
  void WriteNodeLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude) const {
    WriteMemberLines(stream, walk, magnitude);
  }
};
