// The time incrementation the two explicit procedure keywords ("*Dynamic,
// Explicit" and "*Dynamic Temperature-displacement, Explicit") share: the
// method option, the scale factor, the end of the keyword line and the data
// line.
#pragma once

class kprC_ExplicitControls;
class utl_Stream;

// Writes, by the controls' method: 0 (global stable estimate) the scale
// factor option; 1 ", direct user control"; 2 ", element by element" and the
// scale factor option; 3 ", fixed time incrementation" and the scale factor
// option. The scale factor option is ", scale factor=" and the factor,
// written only when the factor is not 1. Then the end of the keyword line and
// the data line: ", " and `period` (and ",, " with the maximum increment when
// it is set, methods 0 and 2), or for method 1 the user's increment, ", " and
// `period`.
// Returns false, having written nothing, for any other method: the caller
// reports its own corrupted procedure.
bool aif_WriteExplicitIncrementation(utl_Stream& stream, const kprC_ExplicitControls& controls,
                                     double period);
