// The degree-of-freedom lines of "*Kinematic" and "*Distributing": one line
// "n, n" per constrained degree of freedom of a coupling, or none when all
// six are constrained (the keyword alone constrains them all).
#pragma once

class kcoC_Coupling;
class utl_Stream;

// Writes "1, 1" and "2, 2" when those are constrained; "3, 3" to "5, 5" for
// the constrained ones of a coupling whose region code is 0 or 1; for any
// other code only "5, 5", and only when `twistAllowed` (a kinematic coupling
// in an assembly with a twist degree of freedom); then "6, 6".
void aif_WriteCouplingDofLines(utl_Stream& stream, const kcoC_Coupling& coupling,
                               bool twistAllowed);
