// "*Connector Constitutive Reference": the six reference values of a
// connector section's behaviour, written only when one of them is set; an
// unset value leaves its field empty.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"

class aif_ConnectorConstitutiveReference : public akw_Keyword {
 public:
  explicit aif_ConnectorConstitutiveReference(const kseC_ConnectorSection& section)
      : section_(section) {}

  akw_Keyword* Clone() const override { return new aif_ConnectorConstitutiveReference(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kseC_ConnectorSection section_;
};
