// "*Static" with ", riks": the procedure keyword of a static step solved by
// the arc-length method. The step builder makes it with the name of the node
// region whose displacement ends the analysis.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class aif_StaticRiks : public aif_ProcedureKeyword<aif_StaticRiks, kprC_StaticRiksStep> {
 public:
  // `nodeRegionName`: the node of the displacement limit as the deck names it
  // (read only when the step has a node limit).
  aif_StaticRiks(const kprC_Step& step, const cow_String& nodeRegionName);

  // Writes "*Static" with ", adiabatic", ", direct" (", direct=NO STOP"), ",
  // fully plastic=", ", long term" and ", riks"; then the line "initial,
  // period, minimum, maximum, factor, " with blank fields for what is not
  // given (minimum and maximum under fixed incrementation, a maximum of 1e36,
  // an unset factor), ended by "node, dof, displacement" with a node limit.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String nodeRegionName_;
};
