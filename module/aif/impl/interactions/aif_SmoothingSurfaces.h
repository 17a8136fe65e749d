// The rotationally symmetric pieces of contact surfaces that geometric
// smoothing needs, for the interaction builder (general contact and
// Standard surface-to-surface pairs). The host's axis analysis finds the
// pieces; each is written as a generated "*Surface" made from a temporary
// set of the model's assembly, and the set is deleted again on every path,
// so that the model is left as it was.
#pragma once

#include <functional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "QivGeom/gdy_CompositeHitSet.h"

class akw_Keyword;
class aif_ModelInfo;
class rgnC_Region;

// One piece whose surface was written: the surface's printable name,
// whether it is sphere-like, a point of its axis and that point moved by
// the axis direction.
struct aif_SmoothingPiece {
  cow_String surface;
  bool spherical = false;
  double x1 = 0.0, y1 = 0.0, z1 = 0.0;
  double x2 = 0.0, y2 = 0.0, z2 = 0.0;
};

class aif_SmoothingSurfaces {
 public:
  // `fileSurface` files a generated "*Surface" (the builder's assembly
  // definition); `info` must outlive the object.
  aif_SmoothingSurfaces(const aif_ModelInfo& info,
                        std::function<void(const akw_Keyword&)> fileSurface);

  // The faces of `region` in the assembly; none without an assembly.
  gdy_CompositeHitSet RegionFaces(const rgnC_Region& region) const;
  // The faces and wire edges of the whole model: the geometric models of
  // the part instances active for simulation, leaving out excluded
  // instances and instances whose part has no geometric model.
  gdy_CompositeHitSet WholeModelFaces() const;

  // The pieces of `faces`, in the order the analysis returns them. Piece i
  // (from 0) is written as the surface `prefix` followed by i+1, the name
  // composed first and then made printable. The analysis is the
  // three-dimensional one for a three-dimensional assembly and for
  // `pairSurface`, the two-dimensional one otherwise. Pieces without faces
  // are passed over but counted; pieces whose set cannot be made or whose
  // surface would be empty are not returned, nor, for `pairSurface`, pieces
  // on an analytical rigid surface. No assembly, or no model of the job's
  // name in the model database: no pieces. Throws nex_TextException for a
  // name with a line break, after deleting the set it made.
  cow_List<aif_SmoothingPiece> Find(const gdy_CompositeHitSet& faces, const cow_String& prefix,
                                    bool pairSurface) const;

 private:
  const aif_ModelInfo& info_;
  std::function<void(const akw_Keyword&)> fileSurface_;
};
