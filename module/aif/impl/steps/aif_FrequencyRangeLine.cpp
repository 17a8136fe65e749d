#include "aif/impl/steps/aif_FrequencyRangeLine.h"

#include "OdbAttrEO/kprC_StepRecords.h"
#include "QivBasicUtils/utl_Stream.h"

void aif_WriteFrequencyRangeLine(utl_Stream& stream, const kprC_FrequencyEntry& range) {
  stream << range.Lower() << ", " << range.Upper() << ", " << range.NumPoints() << ", ";
  // With three points or fewer the points are spread evenly: the bias means nothing.
  if (range.NumPoints() > 3) stream << range.Bias();
}
