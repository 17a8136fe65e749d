// The data line of one frequency range, shared by the steady-state dynamics
// keywords and "*Random Response".
#pragma once

class kprC_FrequencyEntry;
class utl_Stream;

// Writes "lower, upper, points, " and, only when the range has more than 3
// points, the bias; the line is left open for the caller to go on or end.
void aif_WriteFrequencyRangeLine(utl_Stream& stream, const kprC_FrequencyEntry& range);
