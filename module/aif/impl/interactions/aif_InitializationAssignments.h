// "*Contact Initialization Assignment" of Standard general contact: the
// contact initialization (a "*Contact Initialization Data" definition) each
// surface pair starts from. Made on the stack by aif_ContactStd.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;

class aif_InitializationAssignments : public akw_Keyword {
 public:
  // `interaction` is a kinC_ContactStd (tested when written); `info` must
  // outlive the keyword. The assignments are the interaction's own, the
  // same in every step.
  aif_InitializationAssignments(cow_COW<kinC_Interaction> interaction, cow_String stepName,
                                const aif_ModelInfo& info);
  aif_InitializationAssignments(const aif_InitializationAssignments&) = default;

  akw_Keyword* Clone() const override { return new aif_InitializationAssignments(*this); }
  // The keyword line and one line "FIRST , SECOND , INITIALIZATION" per
  // assigned name; nothing without names.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
};
