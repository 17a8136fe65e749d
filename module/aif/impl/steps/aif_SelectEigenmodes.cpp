#include "aif/impl/steps/aif_SelectEigenmodes.h"

#include "QivBasicUtils/utl_Stream.h"

bool aif_SelectEigenmodes::IsEmpty() const {
  switch (form_) {
    case Form::kModeRanges:
      return modeRanges_.IsEmpty();
    case Form::kFrequencyRanges:
      return frequencyRanges_.IsEmpty();
    default:
      return false;
  }
}

void aif_SelectEigenmodes::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  stream << "*Select Eigenmodes";
  switch (form_) {
    case Form::kFirstModes:
      stream << ", generate";
      stream.LineBreak();
      stream << "1, " << modes_ << ", 1";
      stream.LineBreak();
      break;
    case Form::kFrequencyRanges:
      stream << ", definition=FREQUENCY RANGE";
      stream.LineBreak();
      for (const kprC_FrequencyRange& range : frequencyRanges_) {
        // The second bound the kernel holds, then the first: lower, upper.
        stream << range.Lower() << ", " << range.Upper();
        stream.LineBreak();
      }
      break;
    case Form::kModeRanges:
      stream << ", generate";
      stream.LineBreak();
      for (const kprC_ModeRange& range : modeRanges_) {
        stream << range.First() << ", " << range.Last() << ", " << range.Increment();
        stream.LineBreak();
      }
      break;
  }
}
