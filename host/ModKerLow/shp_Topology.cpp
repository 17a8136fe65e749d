#include "ModKerLow/shp_Topology.h"

#include <cstring>

namespace {

// Corner nodes (from 0) of the faces 1 to 6 of an eight-node brick.
constexpr int kTopologyBrickFaces[6][4] = {{0, 1, 2, 3}, {4, 7, 6, 5}, {0, 4, 5, 1},
                                           {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}};

}  // namespace

bool shp_Topology::FaceConnectivity(const cow_String& type, int nodesPerElement, int face,
                                    std::vector<int>& nodes, std::vector<double>& weights) {
  nodes.clear();
  weights.clear();
  if (nodesPerElement != 8 || face < 0 || face >= 6 || !std::strstr(type.CStr(), "3D8"))
    return false;
  for (int corner : kTopologyBrickFaces[face]) {
    nodes.push_back(corner);
    weights.push_back(0.25);
  }
  return true;
}
