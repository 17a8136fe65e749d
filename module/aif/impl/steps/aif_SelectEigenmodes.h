// "*Select Eigenmodes": the modes a substructure generation step keeps, as
// the first N modes, as mode ranges or as frequency ranges. Made by the step
// builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "OdbAttrEO/kprC_StepRecords.h"

class aif_SelectEigenmodes : public akw_Keyword {
 public:
  // Modes 1 to `modes`.
  explicit aif_SelectEigenmodes(int modes) : form_(Form::kFirstModes), modes_(modes) {}
  explicit aif_SelectEigenmodes(const cow_List<kprC_FrequencyRange>& ranges)
      : form_(Form::kFrequencyRanges), frequencyRanges_(ranges) {}
  explicit aif_SelectEigenmodes(const cow_List<kprC_ModeRange>& ranges)
      : form_(Form::kModeRanges), modeRanges_(ranges) {}
  aif_SelectEigenmodes(const aif_SelectEigenmodes&) = default;

  akw_Keyword* Clone() const override { return new aif_SelectEigenmodes(*this); }
  // First N modes: ", generate" and "1, N, 1". Mode ranges: ", generate" and
  // per range "first, last, increment". Frequency ranges: ", definition=
  // FREQUENCY RANGE" and per range its second bound, then its first. A form
  // with no ranges writes nothing at all.
  void Write(utl_Stream& stream) const override;
  // A selection by ranges that holds no range.
  bool IsEmpty() const override;

 private:
  enum class Form { kModeRanges = 1, kFrequencyRanges = 2, kFirstModes = 3 };

  Form form_;
  cow_List<kprC_FrequencyRange> frequencyRanges_;
  cow_List<kprC_ModeRange> modeRanges_;
  int modes_ = 0;
};
