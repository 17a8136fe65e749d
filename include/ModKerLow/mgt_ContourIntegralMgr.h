// The crack-front services of a contour-integral crack: from the hits of the
// crack front and of the crack tip, the layer grid the contours are taken
// on, split into segments along the front.
//
// The stand-in builds no layers. It takes each face hit of the front (per
// instance id ascending, in hit order) as one segment of the front, and the
// nodes of the hit element (all its nodes, not only the face's) as that
// segment's front nodes. A segment's tip nodes are the nodes of the tip's
// hit at the same position when the tip has as many hits as the front, else
// the nodes of all the tip's hits. A test sets the number of segments
// through the number of elements of the front region.
#pragma once

#include <memory>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "QivGeom/gdy_CompositeHitSet.h"

class ftr_PrimaryObject;

class gme_RegularGrid {
 public:
  // Node indices (from 0) per instance id.
  using NodesById = cow_Map<int, cow_List<int>>;

  // Whether the layers could be built: both the front and the tip have a
  // hit, and every hit element is an element of its instance's mesh.
  bool IsValid() const { return valid_; }
  // The number of segments of the crack front; 0 for an invalid grid.
  int NumSegments() const { return static_cast<int>(fronts_.Length()); }
  // The front and tip nodes of segment `segment` (from 0) as labels per
  // instance id, ascending: the node index + 1 when `labelsUsable`, else the
  // index (as the region kernel gives node ids). Throws cow_OutOfRange for a
  // segment the grid does not have.
  cow_Map<int, cow_List<int>> FrontNodes(int segment, bool labelsUsable) const;
  cow_Map<int, cow_List<int>> TipNodes(int segment, bool labelsUsable) const;

 private:
  friend class mgt_ContourIntegralMgr;
  bool valid_ = false;
  cow_List<NodesById> fronts_;
  cow_List<NodesById> tips_;
};

class mgt_ContourIntegralMgr {
 public:
  // The layer grid of the crack whose front and tip regions, resolved in
  // `assembly`, gave the hits `front` and `tip`; null without an assembly.
  // A grid that cannot be built is returned with its valid flag clear.
  static std::unique_ptr<gme_RegularGrid> BuildCrackFrontLayers(const ftr_PrimaryObject* assembly,
                                                                const gdy_CompositeHitSet& front,
                                                                const gdy_CompositeHitSet& tip);
};
