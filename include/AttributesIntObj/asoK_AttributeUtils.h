// The kernel's routines over the assembly's attributes that the writer asks
// about connector orientations.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class asoK_Assembly;
class gsl_Matrix;
class gsl_Point;
class ptoC_ConnectorOrientation;
class rgnK_Region;

class asoK_AttributeUtils {
 public:
  using Attributes = cow_List<cow_COW<kern_Object>>;

  // The connector orientations by name, to their index in `orientations`.
  // The stand-in names an orientation after its region (the wire set it
  // orients); the first of two with one name wins. Other attributes are
  // passed over.
  static cow_Map<cow_String, int> GetConnectorMap(const Attributes& orientations);
  // The connector orientation of the wires of `region`: the last of
  // `orientations` whose region is `region` (rgnK_Region::Clash 0) is copied
  // into `orientation` and its index put in `index`; false, both left as
  // they are, when none is.
  static bool FindOrientation(const Attributes& orientations, const rgnC_Region& region,
                              const cow_String& modelName, int& index,
                              ptoC_ConnectorOrientation& orientation);
  // The index in `attributes` of the section assignment (ptoC_SectionAssignment)
  // of `region`: the first whose region is `region` (rgnK_Region::Clash 0,
  // both resolved in `assembly`); -1 when none is. Other attributes are
  // passed over.
  // The location of the point set `setName` of `assembly` in model
  // `modelName`, put in `point`; false, `point` left as it is, when the
  // assembly has no such point set. The stand-in reads the set as
  // rgnK_GetRegion finds it (kind 1): it is located when it is valid, its
  // instances exist and it is a single point the kernel still has (a
  // reference point's hit record, a node's mesh hit record); the point is
  // the reference point, the vertex placed by its instance, or the node's
  // placed coordinates (the origin when its instance has no mesh).
  static bool GetPointSetLocation(const cow_String& modelName, const cow_String& setName,
                                  const asoK_Assembly& assembly, gsl_Point& point);
  // One rigid placement per point of `points` appended to `placements`: it
  // carries `templatePoint` onto the point's projection on `surface` and
  // turns the template's z axis into the surface normal there. The stand-in
  // projects onto the plane stored on the surface region
  // (rgnC_Region::SetKernelPlane); a region without a plane (or a zero
  // normal) appends nothing.
  static void ProjectSurfaceNormal(const rgnK_Region& surface, const gsl_Point& templatePoint,
                                   const cow_List<gsl_Point>& points,
                                   cow_List<gsl_Matrix>& placements);
  static int FindAttributeFromRegion(const rgnC_Region& region, const asoK_Assembly* assembly,
                                     const cow_String& modelName, const Attributes& attributes);
};
