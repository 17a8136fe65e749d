// "*Co-simulation": a co-simulation interaction by its name, the controls it
// uses (aif_CosimulationControls of the same interaction) and the program it
// is coupled with. The interaction builder files it in the step that creates
// the co-simulation.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class utl_Stream;

class aif_Cosimulation : public akw_Keyword {
 public:
  // `interaction` (shared) and its own name.
  aif_Cosimulation(const cow_COW<kinC_Interaction>& interaction, const cow_String& name);
  aif_Cosimulation(const aif_Cosimulation&) = default;

  akw_Keyword* Clone() const override { return new aif_Cosimulation(*this); }
  // Nothing for an empty handle. Otherwise "*Co-simulation, name=", the
  // name, ", controls=" and the controls' name, then ", program=MORVEX"
  // (Standard-Explicit) or ", program=MULTIPHYSICS" (fluid-structure); no
  // program for another class.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_Interaction> interaction_;
  cow_String name_;
};
