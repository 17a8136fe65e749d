// "*Psd-definition": a power spectral density definition of the model. The
// amplitude builder makes one for every PSD definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kamC_Amplitude.h"

class aif_PsdDefinition : public akw_Keyword {
 public:
  aif_PsdDefinition(const cow_String& name, const kamC_Amplitude& amplitude);
  aif_PsdDefinition(const aif_PsdDefinition&) = default;

  akw_Keyword* Clone() const override { return new aif_PsdDefinition(*this); }

  // Nothing for an amplitude of another kind; otherwise the keyword line with
  // the options that differ from their defaults, then the first three values
  // of every row, one row a line. Throws aif_Exception before writing
  // anything when the table is empty or a row is short.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kamC_Amplitude> amplitude_;
};
