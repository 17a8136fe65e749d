// "*Frequency": natural frequency extraction by the Lanczos, subspace or AMS
// eigensolver, with its data line and, for AMS with residual modes, one line
// per residual-mode region. Made by the step builder for a frequency step.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class akw_ModelInfo;
class aif_ModelInfo;

class aif_Frequency : public aif_ProcedureKeyword<aif_Frequency, kprC_FrequencyStep> {
 public:
  // `info` (an aif_ModelInfo) names the regions and must outlive the keyword;
  // `stepName` names the step in the error about unpaired residual modes.
  aif_Frequency(const kprC_Step& step, const akw_ModelInfo& info,
                const cow_String& stepName = cow_String());

  // Throws aif_Exception before writing anything when an AMS step with
  // residual modes lists a different number of regions and directions.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteEigensolverOptions(utl_Stream& stream) const;
  void WriteDataLine(utl_Stream& stream) const;
  void WriteResidualModes(utl_Stream& stream) const;

  const aif_ModelInfo* info_;
  cow_String stepName_;
};
