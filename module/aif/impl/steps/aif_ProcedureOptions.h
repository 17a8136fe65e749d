// Writing rules the procedure keywords of a step share: the automatic
// stabilization options and the optional fields of a data line.
//
// Options are written as ", ", an optional line break and the option text
// (aif_Option), so that a long keyword line goes on after its comma.
#pragma once

#include "BasShared/cow_String.h"

class kprC_Incrementation;
class kprC_Stabilization;
class utl_Stream;

// Automatic stabilization. Method 1 ", stabilize", method 2 ", stabilize,
// factor", each followed by "=" and the magnitude when the magnitude is set
// and the continue flag is clear. Any method but 0 then writes ", allsdtol="
// with the tolerance (", allsdtol=0" when it is unset) and ", continue=YES" or
// ", continue=NO". Method 0 writes nothing.
void aif_WriteStabilization(utl_Stream& stream, const kprC_Stabilization& stabilization);

// "*Static" with the options a general static and a Riks step share:
// ", adiabatic", with fixed incrementation ", direct=NO STOP" (no stop) or
// ", direct", and ", fully plastic=" with the region's name when it is set.
void aif_WriteStaticHead(utl_Stream& stream, const kprC_Incrementation& increments, bool adiabatic,
                         const cow_String& fullyPlastic);

// The head of the data line of a heat transfer, mass diffusion or coupled
// thermal-electrical procedure, each field followed by ", ": the initial
// increment and the period, then the minimum and maximum increments
// (automatic incrementation), the initial increment twice (fixed, with
// `repeatInitial`) or two blank fields (", ,").
void aif_WriteTransientIncrements(utl_Stream& stream, const kprC_Incrementation& increments,
                                  double period, bool repeatInitial);

// A real field of a data line: the value, or nothing when it is unset
// (kprC_UNSET, the largest double).
void aif_WriteIfSet(utl_Stream& stream, double value);
// An integer field of a data line: the value, or nothing when it is not
// given (kprC_NOT_GIVEN, the largest int).
void aif_WriteIfGiven(utl_Stream& stream, int value);
