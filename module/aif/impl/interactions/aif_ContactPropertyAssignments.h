// "*Contact Property Assignment" of general contact: the contact property
// each surface pair uses in a step. Made on the stack by the general-contact
// keywords (aif_ContactStd, aif_Contact).
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;

class aif_ContactPropertyAssignments : public akw_Keyword {
 public:
  // `interaction` is a general contact (a kinC_ContactExp, tested when
  // written) named `name`; `info` must outlive the keyword.
  // `generatedPropertyNames`: the properties are the copies the interaction
  // builder writes per assignment ("_NAME-Prop1", "_NAME-Prop2", ...), not
  // the names the step holds.
  aif_ContactPropertyAssignments(cow_COW<kinC_Interaction> interaction, cow_String name,
                                 cow_String stepName, const aif_ModelInfo& info,
                                 bool generatedPropertyNames);
  aif_ContactPropertyAssignments(const aif_ContactPropertyAssignments&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactPropertyAssignments(*this); }
  // The keyword line and one line "FIRST , SECOND , PROPERTY" per assignment
  // set in the step; nothing when none is.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
  cow_String name_;
  bool generatedPropertyNames_;
};
