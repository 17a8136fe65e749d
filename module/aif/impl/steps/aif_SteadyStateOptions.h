// Lines the steady-state dynamics keywords share: the frequency scale and
// interval options and the data lines of the frequency ranges.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kprC_StepRecords.h"

class utl_Stream;

// ", frequency scale=LINEAR" when `scale` is 1; then by `interval`:
// 0 ", interval=RANGE", 1 nothing, any other ", interval=EIGENFREQUENCY".
void aif_WriteSteadyStateScale(utl_Stream& stream, int scale, int interval);

// One data line per range (aif_WriteFrequencyRangeLine), each ended.
void aif_WriteSteadyStateRanges(utl_Stream& stream,
                                const cow_List<kprC_SteadyStateModalFrequency>& ranges);
