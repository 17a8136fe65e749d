// "*Co-simulation Controls": the coupling options of a co-simulation
// interaction, under the name of the interaction followed by "_Ctrls" (the
// name aif_Cosimulation refers to). The interaction builder files it in the
// step that creates the co-simulation.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class utl_Stream;

class aif_CosimulationControls : public akw_Keyword {
 public:
  // `interaction` (shared) is a kinC_StdXplCosimulation or a
  // kinC_FSICosimulation; `name` is the interaction's own name, so that
  // every co-simulation of a step has controls of its own.
  aif_CosimulationControls(const cow_COW<kinC_Interaction>& interaction, const cow_String& name);
  aif_CosimulationControls(const aif_CosimulationControls&) = default;

  akw_Keyword* Clone() const override { return new aif_CosimulationControls(*this); }
  // Nothing for an empty handle. Otherwise the keyword line with the
  // controls' name and the options of the kind: Standard-Explicit the time
  // incrementation (lockstep for 2, else subcycle) and the step size when
  // one is given; fluid-structure the coupling scheme, time incrementation,
  // time marks, step size and (gauss-seidel only) scheme modifier, each
  // left out for a code outside its list. Another class writes no options.
  void Write(utl_Stream& stream) const override;

  // The name the controls are written under for interaction `name`.
  static cow_String ControlsName(const cow_String& name) { return name + "_Ctrls"; }

 private:
  cow_COW<kinC_Interaction> interaction_;
  cow_String name_;
};
