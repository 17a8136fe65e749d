// "*Change Friction, interaction=NAME": the start of a step's new friction
// for an interaction property; the friction block follows as its own
// keyword. The interaction builder makes it when a step changes a contact
// pair's or general contact's property.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ChangeFriction : public akw_Keyword {
 public:
  // `propertyName` is the whole name (a generated one composed already); it
  // is made printable when written.
  explicit aif_ChangeFriction(const cow_String& propertyName);
  aif_ChangeFriction(const aif_ChangeFriction&) = default;

  akw_Keyword* Clone() const override { return new aif_ChangeFriction(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String propertyName_;
};
