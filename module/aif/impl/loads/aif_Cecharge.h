// "*Cecharge": a concentrated charge in one step or load-case entry, on the
// node set the load builder names, or node by node when an analytical field
// distributes it. The two parts of a complex load are a real and an
// imaginary keyword.
#pragma once

#include "aif/impl/loads/aif_FluxLoadFrame.h"

class kloC_ConcentratedCharge;

class aif_Cecharge : public aif_FluxLoadFrame {
 public:
  aif_Cecharge(const kloC_ConcentratedCharge& load, const cow_String& stepName,
               const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
               double scaleFactor);

  aif_Cecharge* Clone() const override { return new aif_Cecharge(*this); }
  // "node, , value" per node of `walk` (value = field x `magnitude` x scale).
  void WriteNodeLines(utl_Stream& stream, const aif_FieldWalk& walk, double magnitude) const {
    WriteMemberLines(stream, walk, magnitude);
  }
};
