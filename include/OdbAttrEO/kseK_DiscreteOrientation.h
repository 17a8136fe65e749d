// The kernel's evaluation of a discrete material orientation: the local
// directions at given points, computed from the orientation's direction
// geometry.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "QivGeom/gdy_HitRecord.h"
#include "QivGeom/gsl_Vector.h"

class ftr_PrimaryObject;

// Fills `directions` with four lists of one vector per point of `points`, in
// point order: with `solidFlag` clear the local 1- and 2-directions are the
// first and second lists, with it set the second and third. `normalHits` and
// `axisHits` are the picked geometry of the directions given by geometry.
// Returns false, with the lists empty, when the evaluation fails.
// Stand-in: answers the lists stored on the orientation
// (ptoC_MaterialOrientation::SetKernelDiscreteAxes), cut to the number of
// points; fails when they are stored as failing or hold fewer vectors than
// there are points.
bool kseK_EvaluateDiscreteOrientation(
    const ptoC_MaterialOrientation& orientation, const ftr_PrimaryObject* object,
    const cow_List<gdy_HitRecord>& normalHits, const cow_List<gdy_HitRecord>& axisHits,
    const cow_String& modelName, const cow_List<gsl_Vector>& points, bool solidFlag,
    cow_List<gsl_Vector> (&directions)[4], double tolerance, bool verbose);
