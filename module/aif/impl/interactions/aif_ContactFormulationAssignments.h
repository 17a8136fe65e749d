// "*Contact Formulation" of general contact: the master-slave roles of
// surface pairs in a step. Made on the stack by the general-contact
// keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;

class aif_ContactFormulationAssignments : public akw_Keyword {
 public:
  // `interaction` is a general contact (a kinC_ContactExp, tested when
  // written); `info` must outlive the keyword.
  aif_ContactFormulationAssignments(cow_COW<kinC_Interaction> interaction, cow_String stepName,
                                    const aif_ModelInfo& info);
  aif_ContactFormulationAssignments(const aif_ContactFormulationAssignments&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactFormulationAssignments(*this); }
  // "*Contact Formulation, type=MASTER SLAVE ROLES" (standard solver) or
  // "type=PURE MASTER-SLAVE" (explicit), then one line "FIRST , SECOND ,
  // ROLE" per pair whose role the step sets; nothing when it sets none.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
};
