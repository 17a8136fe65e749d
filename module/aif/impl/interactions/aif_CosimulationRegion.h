// "*Co-simulation Region": the region a co-simulation couples and the
// variables exchanged over it in one step (Standard-Explicit: one data run;
// fluid-structure: an import and an export block). The interaction builder
// files it in the step that creates the co-simulation.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class utl_Stream;

class aif_CosimulationRegion : public akw_Keyword {
 public:
  // `interaction` (shared) with its state in `stepName`; `info` names the
  // region and must outlive the keyword.
  aif_CosimulationRegion(const cow_COW<kinC_Interaction>& interaction, const cow_String& stepName,
                         const aif_ModelInfo& info);
  aif_CosimulationRegion(const aif_CosimulationRegion&) = default;

  akw_Keyword* Clone() const override { return new aif_CosimulationRegion(*this); }
  // Nothing for an empty handle or another class. The region is a SURFACE
  // (named by its set name) or a NODE set (its qualified name).
  // Standard-Explicit: the keyword line, then the region's name and the
  // step's variables, eight values a line, each followed by ", " except
  // the one that completes a line. Fluid-structure: per non-empty list, the
  // keyword line with "import" or "export" and one line "region, variable"
  // per variable. Throws cow_OutOfRange, writing nothing, for a step
  // without a state.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_Interaction> interaction_;
  cow_String stepName_;
  const aif_ModelInfo* info_;
};
