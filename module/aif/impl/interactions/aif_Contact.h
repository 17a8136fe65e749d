// "*Contact, op=NEW" of Explicit general contact in one step, followed by
// its assignment keywords (inclusions, exclusions, properties, surface
// properties, roles) unless the contact is inactive there. The interaction
// builder makes one per step in which it writes the contact.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class kinC_ContactExp;

class aif_Contact : public akw_Keyword {
 public:
  // Keeps its own copy of `interaction`; `info` must outlive the keyword.
  aif_Contact(cow_String name, const kinC_ContactExp& interaction, cow_String stepName,
              const aif_ModelInfo& info);
  aif_Contact(const aif_Contact&) = default;

  akw_Keyword* Clone() const override { return new aif_Contact(*this); }
  // "*Contact, op=NEW"; the assignments follow unless the contact's status
  // in the step is 4 (inactive). Throws cow_OutOfRange, before writing, for
  // an active contact without a state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;  // a kinC_ContactExp, copied at construction
  const aif_ModelInfo* info_;
};
