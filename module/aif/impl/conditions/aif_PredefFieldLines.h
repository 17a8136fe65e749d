// Line rules the step keywords of predefined fields share ("*Field", "*Mass
// Flow Rate", "*Pressure Stress", "*Temperature"): when a field counts as
// removed, its amplitude option, and the message for a field the keyword
// cannot write.
#pragma once

#include "BasShared/cow_String.h"

class kpfC_Field;
class kpfC_GeneralFieldBaseState;
class utl_Stream;

// Whether a field with propagation `status` in a step is removed there and
// written as its keyword line alone: 4 (deactivated) and 15 (deactivated
// with its kind restated). The field op status marks the kind's category
// for both, so the removal and the other fields of the kind all carry
// ", op=NEW".
bool aif_IsPredefFieldRemoved(int status);

// The keyword (e.g. "*Field") and ", op=NEW" unless `keepOp`; the line is
// not ended.
void aif_WritePredefFieldKeyword(utl_Stream& stream, const char* keyword, bool keepOp);

// ", amplitude=" and the printable amplitude name when `state` names one;
// nothing otherwise.
void aif_WritePredefFieldAmplitude(utl_Stream& stream, const kpfC_GeneralFieldBaseState& state);

// Appends to the checking messages that `field` is not written in `stepName`
// because no option stands for its distribution: "The predefined field F is
// not written in step S: its distribution (D) cannot be written in the input
// file."
void aif_ReportUnwrittenPredefField(const kpfC_Field& field, const cow_String& stepName);
