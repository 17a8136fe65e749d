// "*Dynamic Temperature-displacement, Explicit": the explicit coupled
// temperature-displacement procedure of a kprC_TempDisplacementDynamicsStep.
// Made by the step builder after the step's "*Step" line; its bulk viscosity
// and mass scaling follow it.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class akw_ModelInfo;

class aif_DynamicTempDisplacement
    : public aif_ProcedureKeyword<aif_DynamicTempDisplacement, kprC_TempDisplacementDynamicsStep> {
 public:
  // The model info is taken for the builder's sake and not used.
  aif_DynamicTempDisplacement(const kprC_Step& step, const akw_ModelInfo& info);

  // Writes the keyword line, then the time incrementation
  // (aif_WriteExplicitIncrementation). An incrementation method outside 0 to
  // 3 throws aif_Exception "Corrupted Dynamic, Temp-displacement procedure"
  // after the keyword text has been written.
  void Write(utl_Stream& stream) const override;
};
