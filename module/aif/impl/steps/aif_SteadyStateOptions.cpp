#include "aif/impl/steps/aif_SteadyStateOptions.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_FrequencyRangeLine.h"

void aif_WriteSteadyStateScale(utl_Stream& stream, int scale, int interval) {
  if (scale == 1) stream << ", frequency scale=LINEAR";
  if (interval == 0)
    stream << ", interval=RANGE";
  else if (interval != 1)
    stream << ", interval=EIGENFREQUENCY";
}

void aif_WriteSteadyStateRanges(utl_Stream& stream,
                                const cow_List<kprC_SteadyStateModalFrequency>& ranges) {
  for (const kprC_SteadyStateModalFrequency& range : ranges) {
    aif_WriteFrequencyRangeLine(stream, range);
    stream.LineBreak();
  }
}
