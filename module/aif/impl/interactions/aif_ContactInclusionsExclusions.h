// "*Contact Inclusions" and "*Contact Exclusions" of general contact: the
// surface pairs that take part in contact in a step, or are left out of it.
// The general-contact keywords (aif_ContactStd, aif_Contact) make them on the
// stack while they write.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;

class aif_ContactInclusionsExclusions : public akw_Keyword {
 public:
  // `interaction` is a general contact (a kinC_ContactExp, tested when
  // written); `info` must outlive the keyword.
  aif_ContactInclusionsExclusions(cow_COW<kinC_Interaction> interaction, cow_String stepName,
                                  const aif_ModelInfo& info, bool isInclusion);
  aif_ContactInclusionsExclusions(const aif_ContactInclusionsExclusions&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactInclusionsExclusions(*this); }
  // Inclusions of a contact covering the whole model: "*Contact Inclusions,
  // ALL EXTERIOR" alone. Otherwise the keyword line and one line
  // "FIRST , SECOND" per pair that applies in the step; nothing when none
  // does. The standard solver's second member is always the second region.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
  bool isInclusion_;
};
