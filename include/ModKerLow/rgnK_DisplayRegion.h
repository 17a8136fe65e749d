// Region geometry the bolt loads ask of the kernel: the region as shown in
// the viewport and the tangent of a beam region, which a pre-tension section
// on elements takes as its normal. The stand-in answers what tests store on
// the region (rgnC_Region::SetKernelBeamTangent).
#pragma once

#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_Vector.h"

class ftr_PrimaryObject;

// The region `region` of `object` as displayed (the stand-in: the region).
inline rgnC_Region rgnK_DisplayRegion(const ftr_PrimaryObject* object, const cow_String& modelName,
                                      const rgnC_Region& region) {
  (void)object;
  (void)modelName;
  return region;
}

// The tangent of the beam elements of `display`; false (and `tangent` the zero
// vector) when the region holds no beam.
inline bool rgnK_GetTangentToBeamSurface(const rgnC_Region& display, gsl_Vector& tangent) {
  tangent = display.KernelBeamTangent();
  return tangent.x != 0.0 || tangent.y != 0.0 || tangent.z != 0.0;
}
