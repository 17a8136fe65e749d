// The faces of an element class: which of an element's nodes make up a face
// and what weight each node's value has in the face's mean.
#pragma once

#include <vector>

#include "BasShared/cow_String.h"

namespace shp_Topology {

// The nodes (positions in the element's connectivity, from 0) and weights of
// face `face` (from 0) of an element of type `type` with `nodesPerElement`
// nodes; false, with both lists empty, for a face or an element the stand-in
// does not know. The stand-in knows the six faces of eight-node bricks (types
// holding "3D8"), each four corners of weight 1/4.
bool FaceConnectivity(const cow_String& type, int nodesPerElement, int face,
                      std::vector<int>& nodes, std::vector<double>& weights);

}  // namespace shp_Topology
