// Meshes: node data (coordinates and optional user labels) and element
// classes (one element type each, connectivity as zero-based node indices and
// optional user labels). The arrays are filled in place, never through an
// object per node or element, and shared by every copy of the mesh.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "BasShared/cow_String.h"

class bme_NodeData {
 public:
  bme_NodeData() = default;
  explicit bme_NodeData(std::size_t count) : coordinates_(3 * count) {}

  std::size_t NumNodes() const { return coordinates_.size() / 3; }
  // x, y and z of node i at 3i, 3i+1 and 3i+2.
  const std::vector<float>& Coordinates() const { return coordinates_; }
  std::vector<float>& MutableCoordinates() { return coordinates_; }

  // The user labels, one per node, or none.
  const std::vector<int>& GetUserNodeLabels() const { return labels_; }
  std::vector<int>& MutableUserNodeLabels() { return labels_; }
  std::size_t NumUserLabels() const { return labels_.size(); }
  // True when every node carries a user label.
  bool HasLabelTable() const { return !labels_.empty() && labels_.size() == NumNodes(); }

 private:
  std::vector<float> coordinates_;
  std::vector<int> labels_;
};

class bme_ElementClass {
 public:
  bme_ElementClass(cow_String typeName, int nodesPerElement, std::size_t firstElementIndex)
      : typeName_(std::move(typeName)),
        nodesPerElement_(nodesPerElement),
        firstElementIndex_(firstElementIndex) {}

  const cow_String& TypeName() const { return typeName_; }
  int NodesPerElement() const { return nodesPerElement_; }
  // The mesh-wide index of this class's first element.
  std::size_t FirstElementIndex() const { return firstElementIndex_; }
  std::size_t NumElements() const {
    return nodesPerElement_ > 0 ? connectivity_.size() / static_cast<std::size_t>(nodesPerElement_)
                                : 0;
  }
  // The node indices of element e at e*NodesPerElement() onward.
  const std::vector<int>& Connectivity() const { return connectivity_; }
  std::vector<int>& MutableConnectivity() { return connectivity_; }
  // The user labels, one per element, or none.
  const std::vector<int>& UserLabels() const { return labels_; }
  std::vector<int>& MutableUserLabels() { return labels_; }
  bool HasLabelTable() const { return !labels_.empty() && labels_.size() == NumElements(); }

 private:
  cow_String typeName_;
  int nodesPerElement_;
  std::size_t firstElementIndex_;
  std::vector<int> connectivity_;
  std::vector<int> labels_;
};

class bme_Mesh {
 public:
  bme_Mesh() : nodes_(std::make_shared<bme_NodeData>()) {}

  const bme_NodeData& NodeData() const { return *nodes_; }
  bme_NodeData& MutableNodeData() { return *nodes_; }
  std::shared_ptr<const bme_NodeData> NodeDataHandle() const { return nodes_; }
  std::size_t NumNodes() const { return nodes_->NumNodes(); }

  const std::vector<bme_ElementClass>& ElementClasses() const { return classes_; }
  // Appends an element class whose elements follow those already in the mesh;
  // fill its connectivity through the reference returned.
  bme_ElementClass& AddElementClass(const cow_String& typeName, int nodesPerElement);
  std::size_t NumElements() const;

 private:
  std::shared_ptr<bme_NodeData> nodes_;
  std::vector<bme_ElementClass> classes_;
};
