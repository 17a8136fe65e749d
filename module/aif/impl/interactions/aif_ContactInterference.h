// "*Contact Interference": the interference fit of a Standard surface-to-
// surface contact pair in a step, a shrink fit or an interference by a
// value (with an amplitude and a direction where given). The interaction
// builder makes one per step whose pair state asks for it.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_ContactClearance.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;

class aif_ContactInterference : public akw_Keyword {
 public:
  // `interference` is the pair's interference in `stepName`; `info` must
  // outlive the keyword.
  aif_ContactInterference(const cow_COW<kinC_Interaction>& interaction, const cow_String& stepName,
                          const aif_ModelInfo& info, const kinC_InterferenceData& interference);
  aif_ContactInterference(const aif_ContactInterference&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactInterference(*this); }
  // True for a Standard surface-to-surface pair whose interference type is 0
  // in the step; false otherwise, also for other interactions.
  bool IsEmpty() const override;
  // Nothing when empty or not a Standard surface-to-surface pair. Otherwise
  // the keyword line (", amplitude=" for type 2 with an amplitude, ", shrink"
  // for type 1) and a data line: the second surface, the first and, unless a
  // shrink fit, the value followed by ", " and the direction when given.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
  kinC_InterferenceData interference_;
};
