// An integrated output section of the model: a surface over which output is
// integrated, with an optional reference node that the section's motion and
// output refer to, and an optional local system. Accessors and setters only;
// a default-constructed section has no regions, an independent reference
// node at its input position and no orientation.
#pragma once

#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_StepRecords.h"
#include "OdbCoreGeom/rgnC_Region.h"

class korC_IntegratedOutputSection : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30A0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  korC_IntegratedOutputSection* Clone() const override {
    return new korC_IntegratedOutputSection(*this);
  }
  CLS_REGISTER(korC_IntegratedOutputSection, kern_Object)

  // The surface integrated over.
  KERN_ATTR(rgnC_Region, SurfaceRegion, rgnC_Region())
  // The reference node; the default-constructed region when there is none.
  KERN_ATTR(rgnC_Region, RefNodeRegion, rgnC_Region())
  // How the reference node moves: 0 independently, 1 with the surface's
  // average motion, 2 with its average translation.
  KERN_ATTR(int, RefNodeMotion, 0)
  // Whether the reference node sits at the surface's centre rather than at
  // its input position.
  KERN_ATTR(bool, PositionAtCenter, false)
  // Whether the local system is projected onto the surface.
  KERN_ATTR(bool, ProjectOrientation, false)
  // The local system; a null reference when there is none.
  KERN_ATTR(dtmC_DatumRef, Orientation, dtmC_DatumRef())

  // Whether the section defines point motion: a reference node whose motion
  // the solver is told (what a restart ignores).
 public:
  bool PointMotionDefined() const { return !(RefNodeRegion() == rgnC_Region()); }
};
