// The geometry kernel's axis analysis: the rotationally symmetric pieces
// (cylinder-like and sphere-like faces) of a set of face hits, each with a
// point of its axis, the axis direction and the faces it is made of.
//
// The stand-in has no geometry: tests script what the analysis answers for
// a hit set (asoK_ScriptRotationalAxisData); a hit set without a script has
// no pieces.
#pragma once

#include "BasShared/cow_List.h"
#include "QivGeom/gdy_CompositeHitSet.h"
#include "QivGeom/gsl_Vector.h"

class asoK_Assembly;

// One piece: a point of its axis, the axis direction (shorter than the
// length tolerance for a sphere-like piece, which has no axis) and its faces.
struct asoK_RotationalAxisData {
  double point[3] = {0.0, 0.0, 0.0};
  gsl_Vector direction;
  gdy_CompositeHitSet hits;
};

// The pieces of `hits`, three-dimensional analysis, appended to `result`;
// false, with nothing appended, when none is found. `options` is the
// kernel's (0).
bool asoK_GetRotationalAxisData(const gdy_CompositeHitSet& hits, const asoK_Assembly* assembly,
                                cow_List<asoK_RotationalAxisData>& result, int options);
// The same, two-dimensional analysis (planar and axisymmetric models).
bool asoK_Get2DRotationalAxisData(const gdy_CompositeHitSet& hits, const asoK_Assembly* assembly,
                                  cow_List<asoK_RotationalAxisData>& result, int options);

// Scripting: what the analysis of the given dimension answers for hit sets
// with the same faces as `hits` (gdy_CompositeHitSet::SameFaces), replacing
// an earlier script for them; and forgetting every script.
void asoK_ScriptRotationalAxisData(const gdy_CompositeHitSet& hits,
                                   const cow_List<asoK_RotationalAxisData>& pieces,
                                   bool twoDimensional = false);
void asoK_ClearRotationalAxisScripts();
