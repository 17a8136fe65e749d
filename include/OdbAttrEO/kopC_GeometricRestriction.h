// Geometric restrictions of an optimization task: the base every kind
// derives from, the common fields of the restrictions the parameter file
// writes (a region, a feasible-start flag and the two datum coordinate
// systems a restriction's blocks may name) and one class per kind, keyed by
// its type id.
#pragma once

#include <cfloat>

#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kopC_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kopC_GeometricRestriction : public kopC_Object {
  KERN_CLASS_HEAD(kopC_GeometricRestriction, kopC_Object, 0x3A40040)
};

// `Csys` and `SecondCsys` are exactly the systems the restriction's blocks
// name (null references when none): the coordinate-system blocks are made
// for these two.
class kopC_KestGeometricRestriction : public kopC_GeometricRestriction {
  KERN_CLASS_HEAD(kopC_KestGeometricRestriction, kopC_GeometricRestriction, 0x3A40041)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(dtmC_DatumRef, Csys, dtmC_DatumRef())
  KERN_ATTR(dtmC_DatumRef, SecondCsys, dtmC_DatumRef())
  KERN_ATTR(bool, FeasibleStart, false)
};

#define KOPC_RESTRICTION(Name, Id)                           \
  class Name : public kopC_KestGeometricRestriction {        \
    KERN_CLASS_HEAD(Name, kopC_KestGeometricRestriction, Id) \
  };

// Topology restrictions.
KOPC_RESTRICTION(kopC_FrozenArea, 0x3A4004E)
KOPC_RESTRICTION(kopC_TopologyMemberSize, 0x3A4004F)
KOPC_RESTRICTION(kopC_TopologyDemoldControl, 0x3A40054)
KOPC_RESTRICTION(kopC_TopologyRotationalSymmetry, 0x3A40056)
KOPC_RESTRICTION(kopC_TopologyCyclicSymmetry, 0x3A40057)
KOPC_RESTRICTION(kopC_TopologyPlanarSymmetry, 0x3A40058)
KOPC_RESTRICTION(kopC_TopologyPointSymmetry, 0x3A40064)

// Shape restrictions written as links.
KOPC_RESTRICTION(kopC_StampControl, 0x3A40055)
KOPC_RESTRICTION(kopC_DrillControl, 0x3A4005A)
KOPC_RESTRICTION(kopC_TurnControl, 0x3A4005B)
KOPC_RESTRICTION(kopC_ShapeDemoldControl, 0x3A4005C)
KOPC_RESTRICTION(kopC_ShapeRotationalSymmetry, 0x3A40060)
KOPC_RESTRICTION(kopC_ShapePlanarSymmetry, 0x3A40061)
KOPC_RESTRICTION(kopC_CheckSlide, 0x3A40063)
KOPC_RESTRICTION(kopC_ShapePointSymmetry, 0x3A40065)
KOPC_RESTRICTION(kopC_ShapeVector, 0x3A40066)
KOPC_RESTRICTION(kopC_ShapeDirection, 0x3A40067)
KOPC_RESTRICTION(kopC_ShapeLength, 0x3A40068)

// A load fixation: the parameter file has no block for it.
KOPC_RESTRICTION(kopC_LoadFixation, 0x3A4005D)

#undef KOPC_RESTRICTION

// Shape restrictions written as design-variable constraints.

// Size mode 0 minimum, 1 maximum.
class kopC_ShapeMemberSize : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_ShapeMemberSize, kopC_KestGeometricRestriction, 0x3A40053)
  KERN_ATTR(int, SizeMode, 0)
  KERN_ATTR(double, Size, 0.0)
};

// The region's nodes are held in the directions whose flag is set, in the
// restriction's first coordinate system (Csys).
class kopC_FixedRegion : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_FixedRegion, kopC_KestGeometricRestriction, 0x3A4005E)
  KERN_ATTR(bool, Fixed1, false)
  KERN_ATTR(bool, Fixed2, false)
  KERN_ATTR(bool, Fixed3, false)
};

// Limits unset when DBL_MAX.
class kopC_Growth : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_Growth, kopC_KestGeometricRestriction, 0x3A4005F)
  KERN_ATTR(double, GrowthLimit, DBL_MAX)
  KERN_ATTR(double, ShrinkLimit, DBL_MAX)
};

class kopC_PenetrationCheck : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_PenetrationCheck, kopC_KestGeometricRestriction, 0x3A40062)
  KERN_ATTR(rgnC_Region, PenetratedRegion, rgnC_Region())
};
