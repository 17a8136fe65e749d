// Shared routines of the cavity radiation keywords: the modelling-space code
// the symmetry keywords are written for, the evaluation of a symmetry's
// geometric definition, a line of coordinates and the missing-definition
// error.
#pragma once

#include <initializer_list>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class ftr_FeatureList;
class utl_Stream;

// The modelling space of the model: 3 three-dimensional, 2 two-dimensional
// planar, 1 axisymmetric, 0 none of these (also for a model without an
// assembly).
int aif_CavitySpaceCode(const aif_ModelInfo& info);

// The feature list geometric definitions are regenerated against: the
// assembly's, or an empty list for a model without an assembly.
const ftr_FeatureList& aif_CavityFeatureList(const aif_ModelInfo& info);

// A private copy of `definition` (a gsl_Dot, gsl_StLine, gsl_Plane or
// gsl_ModelSegment handle, not empty) regenerated against `features`; the
// model's object is left as it was.
template <class T>
cow_COW<T> aif_RegeneratedGeometry(const cow_COW<T>& definition, const ftr_FeatureList& features) {
  cow_COW<T> copy(definition);
  copy.Modify().Regenerate(features);
  return copy;
}

// `values` separated by ", ", then the line's end.
void aif_WriteCavityValues(utl_Stream& stream, std::initializer_list<double> values);

// Throws aif_Exception with `format` translated and the interaction's name
// in place of its "%s".
[[noreturn]] void aif_ThrowCavitySymmetryError(const char* format, const cow_String& name,
                                               const char* file, int line);
