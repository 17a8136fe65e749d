// "*Contact Initialization Data, name=NAME": a Standard contact
// initialization that general contact assigns by name. The interaction
// builder makes one per initialization of the model, in the model
// definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"

class aif_ContactInitialization : public akw_Keyword {
 public:
  // Keeps a copy of `initialization`; `name` is written as it is.
  aif_ContactInitialization(const kinC_StdInitialization& initialization, const cow_String& name);
  aif_ContactInitialization(const aif_ContactInitialization&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactInitialization(*this); }
  // One keyword line: ", INTERFERENCE FIT" or the search distance above (an
  // interference fit never writes it), then the distance below when set.
  void Write(utl_Stream& stream) const override;

 private:
  kinC_StdInitialization initialization_;
  cow_String name_;
};
