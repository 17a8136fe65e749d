// "*Amplitude": one amplitude of the model with its time span, its
// definition and the data lines of that definition. The amplitude builder
// makes one for every amplitude that is neither a spectrum nor a PSD
// definition.
#pragma once

#include <cstddef>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kamC_Amplitude.h"

class aif_Amplitude : public akw_Keyword {
 public:
  aif_Amplitude(const cow_String& name, const kamC_Amplitude& amplitude);
  aif_Amplitude(const aif_Amplitude&) = default;

  akw_Keyword* Clone() const override { return new aif_Amplitude(*this); }

  // The keyword line, then the data lines; numbers on data lines are printed
  // 15 wide with 15 digits, separated by ", ". Throws aif_Exception before
  // writing anything when a table the kind needs is empty or holds a short
  // row, and "Unknown amplitude defintion, <name>" after the name and time
  // span for a kind it does not know.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kamC_Amplitude> amplitude_;
};

// Refuses `table` of amplitude `name` with aif_Exception (raised at `file`,
// `line`) when it is empty and `mayBeEmpty` is false, or when a row holds
// fewer than `rowLength` values.
void aif_CheckAmplitudeTable(const kamC_Table& table, std::size_t rowLength, bool mayBeEmpty,
                             const cow_String& name, const char* file, int line);
