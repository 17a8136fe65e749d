// "*Connector Derived Component": one complete keyword per term of a derived
// component, all under the one name (the solver sums the terms of a name).
// aif_AddConnectorBehaviorKeywords files one per derived component that the
// section's friction, plasticity and damage options name, after all option
// keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbeC_DerivedComponent.h"

class aif_DerivedComponent : public akw_Keyword {
 public:
  aif_DerivedComponent(const cow_String& name, const kbeC_DerivedComponent& component)
      : name_(name), component_(component) {}

  akw_Keyword* Clone() const override { return new aif_DerivedComponent(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void WriteTerm(utl_Stream& stream, const kbeC_CDCTerm& term) const;

  cow_String name_;
  kbeC_DerivedComponent component_;
};
