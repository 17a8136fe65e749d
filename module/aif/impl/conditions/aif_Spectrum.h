// "*Spectrum": a response spectrum amplitude, given as a table of rows or
// created from another amplitude. The amplitude builder makes one for every
// spectrum amplitude.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kamC_Amplitude.h"

class aif_Spectrum : public akw_Keyword {
 public:
  aif_Spectrum(const cow_String& name, const kamC_Amplitude& amplitude);
  aif_Spectrum(const aif_Spectrum&) = default;

  akw_Keyword* Clone() const override { return new aif_Spectrum(*this); }

  // Nothing for an amplitude of another kind. The table form writes the
  // first three values of every row, one row a line; the create form writes
  // the first row's first three values, then values four to six (damping
  // generated) or the rest eight a line. Throws aif_Exception before writing
  // anything when the table is empty or a row it writes is short.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kamC_Amplitude> amplitude_;
};
