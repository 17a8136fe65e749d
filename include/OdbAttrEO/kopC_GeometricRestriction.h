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
#include "QivGeom/gsl_ModelSegment.h"

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

#define KOPC_RESTRICTION(Name, Base, Id) \
  class Name : public Base {             \
    KERN_CLASS_HEAD(Name, Base, Id)      \
  };

// Topology restrictions.
KOPC_RESTRICTION(kopC_FrozenArea, kopC_KestGeometricRestriction, 0x3A4004E)

// Size kind 0 minimum, 1 maximum, 2 maximum with a minimum and a distance.
class kopC_TopologyMemberSize : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_TopologyMemberSize, kopC_KestGeometricRestriction, 0x3A4004F)
  KERN_ATTR(int, SizeKind, 0)
  KERN_ATTR(double, MinThickness, 0.0)
  KERN_ATTR(double, MaxThickness, 0.0)
  KERN_ATTR(double, Distance, 0.0)
};

// A casting condition: material may be removed only along the pull
// direction (in the pull system, the restriction's Csys). Mid-plane
// technique 0 none, 1 automatic, 2 automatic tight, 3 a surface (no pull
// direction), 4 stamping, 5 a plane through the one point of
// MidPlanePointRegion. An empty check region checks the restriction's own.
class kopC_TopologyDemoldControl : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_TopologyDemoldControl, kopC_KestGeometricRestriction, 0x3A40054)
  KERN_ATTR(int, MidPlaneTechnique, 0)
  KERN_ATTR(double, Angle, 0.0)
  KERN_ATTR(rgnC_Region, CheckRegion, rgnC_Region())
  KERN_ATTR(rgnC_Region, MidPlanePointRegion, rgnC_Region())
  KERN_ATTR(gsl_ModelSegment, PullDirection, gsl_ModelSegment())
  KERN_ATTR(bool, CreatePullGroup, false)
};

// The symmetries of a topology task, in the restriction's Csys. Axis 0 to
// 2 (none for a point symmetry); IgnoreFrozen leaves frozen elements out of
// the link.
class kopC_TopologySymmetry : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_TopologySymmetry, kopC_KestGeometricRestriction, 0x3A40042)
  KERN_ATTR(int, Axis, 0)
  KERN_ATTR(bool, IgnoreFrozen, false)
};
class kopC_TopologyRotationalSymmetry : public kopC_TopologySymmetry {
  KERN_CLASS_HEAD(kopC_TopologyRotationalSymmetry, kopC_TopologySymmetry, 0x3A40056)
  KERN_ATTR(double, Angle, 0.0)
};
class kopC_TopologyCyclicSymmetry : public kopC_TopologySymmetry {
  KERN_CLASS_HEAD(kopC_TopologyCyclicSymmetry, kopC_TopologySymmetry, 0x3A40057)
  KERN_ATTR(double, Translation, 0.0)
};
KOPC_RESTRICTION(kopC_TopologyPlanarSymmetry, kopC_TopologySymmetry, 0x3A40058)
KOPC_RESTRICTION(kopC_TopologyPointSymmetry, kopC_TopologySymmetry, 0x3A40064)

// Shape restrictions written as links: the client nodes follow a master.
// Master kind 0 and 1 are the module's two criteria, 2 the nodes of
// MasterRegion. `Direction` is the client direction (the demold direction
// of a demold control), in the restriction's Csys; the three tolerances,
// the angle and the undercut tolerance are read by the kinds that have
// them.
class kopC_ShapeLinkRestriction : public kopC_KestGeometricRestriction {
  KERN_CLASS_HEAD(kopC_ShapeLinkRestriction, kopC_KestGeometricRestriction, 0x3A40043)
  KERN_ATTR(int, MasterKind, 0)
  KERN_ATTR(rgnC_Region, MasterRegion, rgnC_Region())
  KERN_ATTR(gsl_ModelSegment, Direction, gsl_ModelSegment())
  KERN_ATTR(double, Tolerance1, 0.0)
  KERN_ATTR(double, Tolerance2, 0.0)
  KERN_ATTR(double, Tolerance3, 0.0)
  KERN_ATTR(double, Angle, 0.0)
  KERN_ATTR(double, UndercutTolerance, 0.0)
};
KOPC_RESTRICTION(kopC_StampControl, kopC_ShapeLinkRestriction, 0x3A40055)
KOPC_RESTRICTION(kopC_DrillControl, kopC_ShapeLinkRestriction, 0x3A4005A)
KOPC_RESTRICTION(kopC_TurnControl, kopC_ShapeLinkRestriction, 0x3A4005B)
// An empty check region checks the restriction's own region.
class kopC_ShapeDemoldControl : public kopC_ShapeLinkRestriction {
  KERN_CLASS_HEAD(kopC_ShapeDemoldControl, kopC_ShapeLinkRestriction, 0x3A4005C)
  KERN_ATTR(rgnC_Region, CheckRegion, rgnC_Region())
};
KOPC_RESTRICTION(kopC_ShapeRotationalSymmetry, kopC_ShapeLinkRestriction, 0x3A40060)
KOPC_RESTRICTION(kopC_ShapePlanarSymmetry, kopC_ShapeLinkRestriction, 0x3A40061)
KOPC_RESTRICTION(kopC_ShapePointSymmetry, kopC_ShapeLinkRestriction, 0x3A40065)
// Vector mode 0 a vector with three component flags, 1 a direction,
// 2 a length.
class kopC_ShapeVector : public kopC_ShapeLinkRestriction {
  KERN_CLASS_HEAD(kopC_ShapeVector, kopC_ShapeLinkRestriction, 0x3A40066)
  KERN_ATTR(int, VectorMode, 0)
  KERN_ATTR(bool, Component1, false)
  KERN_ATTR(bool, Component2, false)
  KERN_ATTR(bool, Component3, false)
};
KOPC_RESTRICTION(kopC_ShapeDirection, kopC_ShapeLinkRestriction, 0x3A40067)
KOPC_RESTRICTION(kopC_ShapeLength, kopC_ShapeLinkRestriction, 0x3A40068)
// Slide mode 0 slides the client nodes along SlideMasterRegion (a turn
// about the client direction), any other mode keeps FreeFormRegion free.
class kopC_CheckSlide : public kopC_ShapeLinkRestriction {
  KERN_CLASS_HEAD(kopC_CheckSlide, kopC_ShapeLinkRestriction, 0x3A40063)
  KERN_ATTR(int, SlideMode, 0)
  KERN_ATTR(rgnC_Region, SlideMasterRegion, rgnC_Region())
  KERN_ATTR(rgnC_Region, FreeFormRegion, rgnC_Region())
};

// A load fixation: the parameter file has no block for it.
KOPC_RESTRICTION(kopC_LoadFixation, kopC_KestGeometricRestriction, 0x3A4005D)

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
