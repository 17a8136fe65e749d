// The lines the three equation solver keywords of a flow step share after
// their keyword text: the diagnostics and convergence options, the end of
// the keyword line and the iteration data line.
#pragma once

class kprC_EquationSolver;
class utl_Stream;

// Writes ", diagnostics=ON" and ", convergence=ON" where set, ends the
// keyword line, then the line "iterations, check frequency, tolerance".
void aif_WriteEquationSolverLines(utl_Stream& stream, const kprC_EquationSolver& solver);
