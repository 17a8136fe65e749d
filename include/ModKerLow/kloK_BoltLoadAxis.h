// The axis of a bolt load, which a surface-based pre-tension section takes as
// its normal. The stand-in answers what tests store on the load
// (kloC_BoltLoad::SetKernelAxis).
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivGeom/gsl_Vector.h"

class ftr_PrimaryObject;

// Fills `axis` with the bolt's axis in `object` (the assembly); false when the
// kernel finds none.
inline bool kloK_GetBoltLoadAxis(const kloC_BoltLoad& bolt, gsl_Vector& axis,
                                 const ftr_PrimaryObject* object, const cow_String& modelName) {
  (void)object;
  (void)modelName;
  axis = bolt.KernelAxis();
  return axis.x != 0.0 || axis.y != 0.0 || axis.z != 0.0;
}
