// "*Visco": the procedure keyword of a visco step, with creep and
// stabilization options and the increment data line. Made by the step builder.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class aif_Visco : public aif_ProcedureKeyword<aif_Visco, kprC_ViscoStep> {
 public:
  // `explicitCreepForm`: explicit creep integration is written
  // ", creep=EXPLICIT" rather than ", explicit".
  aif_Visco(const kprC_Step& step, bool explicitCreepForm);

  // With fixed incrementation the data line ends in ", " after the period.
  void Write(utl_Stream& stream) const override;

 private:
  bool explicitCreepForm_;
};
