// The text the two mass scaling keywords ("*Fixed Mass Scaling" and
// "*Variable Mass Scaling") share: the comment lines naming the kind of
// scaling and its region, the ", elset=" option, the target increment with
// its type, and the interval option.
#pragma once

#include "BasShared/cow_String.h"

class kprC_MassScaling;
class utl_Stream;

// The line "** Mass Scaling: " + `kind`.
void aif_WriteMassScalingKind(utl_Stream& stream, const char* kind);
// The line "**               " and the region label: "Whole Model" for a
// scaling of the whole model, else `regionName`.
void aif_WriteMassScalingLabel(utl_Stream& stream, const kprC_MassScaling& scaling,
                               const cow_String& regionName);
// ", elset=" and `regionName` when the scaling applies to a region; nothing
// for the whole model.
void aif_WriteMassScalingElset(utl_Stream& stream, const kprC_MassScaling& scaling,
                               const cow_String& regionName);
// When the target increment is not 0: ", dt=" and the increment, then
// ", type=" and the type in lower case ("below min", "set equal dt", or the
// enumeration's own text). A type the enumeration has no text for leaves
// the type option out rather than write an empty value.
void aif_WriteMassScalingTarget(utl_Stream& stream, const kprC_MassScaling& scaling);
// ", number interval=" and the number of intervals when no frequency is
// given (0), else ", frequency=" and the frequency.
void aif_WriteMassScalingInterval(utl_Stream& stream, const kprC_MassScaling& scaling);
