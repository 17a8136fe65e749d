// "*Substructure Generate": the procedure keyword of a
// kprC_SubstructureGenerateStep. Made by the step builder after the step's
// "*Step" line, with the name under which the recovery region is written.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class akw_ModelInfo;

class aif_SubstructureGenerate
    : public aif_ProcedureKeyword<aif_SubstructureGenerate, kprC_SubstructureGenerateStep> {
 public:
  // `info` is the write's aif_ModelInfo; it is asked, for a geometric
  // recovery region with a name, whether the region holds vertices (such a
  // region is written as a node set). `recoveryName`: the recovery region's
  // name, empty when there is none.
  aif_SubstructureGenerate(const akw_ModelInfo& info, const kprC_Step& step,
                           const cow_String& recoveryName);

  // Writes "*Substructure Generate, overwrite", ", type=Z" and the
  // identifier when it is above 0, ", recovery matrix=NO" or
  // ", recovery matrix=YES" (for a region, ", elset=" or ", nset=" and its
  // name), then the gravity load, mass matrix, property evaluation (only with
  // a frequency above 0), structural and viscous damping matrix options.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String recoveryName_;
  bool recoveryVertices_ = false;
};
