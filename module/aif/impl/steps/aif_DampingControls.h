// "*Damping Controls": which structural and viscous damping a substructure
// generation step builds into its matrices. Made by the step builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/omu_PrimEnum.h"

class aif_DampingControls : public akw_Keyword {
 public:
  using Viscous = omu_PrimEnum<kprC_SubstructureGenerateStep::ViscousDampingEnm, 1>;
  using Structural = omu_PrimEnum<kprC_SubstructureGenerateStep::StructuralDampingEnm, 1>;

  aif_DampingControls(Viscous viscous, Structural structural)
      : viscous_(viscous), structural_(structural) {}
  aif_DampingControls(const aif_DampingControls&) = default;

  akw_Keyword* Clone() const override { return new aif_DampingControls(*this); }
  // "*Damping Controls, structural=<word>, viscous=<word>", each option after
  // an optional break; the words are NONE (0), ELEMENT (1), FACTOR (2) and
  // COMBINED (any other value).
  void Write(utl_Stream& stream) const override;

 private:
  Viscous viscous_;
  Structural structural_;
};
