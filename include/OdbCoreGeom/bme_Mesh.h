// Meshes: node data (coordinates and optional user labels) and element
// classes (one element type each, connectivity as zero-based node indices and
// optional user labels). The arrays are filled in place, never through an
// object per node or element, and shared by every copy of the mesh.
//
// A mesh may also carry what the mesh kernel answers about it: a subset of its
// nodes to write, the element type and file of elements held in a file with
// the override test of that mark, and the display mesh of a display instance.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "BasShared/cow_String.h"
#include "OdbCoreGeom/gml_GeometricComponent.h"
#include "QivGeom/gsl_BBox.h"

class asoF_PartInstance;
class bme_ElemCtrlParams;
struct msh_MeshInterfaces;

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
  // The highest label of the nodes: their count, or their largest user label
  // when every node has one and it is larger.
  int HighestLabel() const {
    int highest = static_cast<int>(NumNodes());
    if (HasLabelTable())
      for (int label : labels_)
        highest = label > highest ? label : highest;
    return highest;
  }
  // The box of all node coordinates (computed on each call); empty without nodes.
  gsl_BBox BoundingBox() const;

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

  // The element-control parameters of the class's elements; null for the
  // defaults of every element library.
  const std::shared_ptr<const bme_ElemCtrlParams>& ElemCtrlParams() const { return controls_; }
  void SetElemCtrlParams(std::shared_ptr<const bme_ElemCtrlParams> controls) {
    controls_ = std::move(controls);
  }

  // The element-class factory: a new class of `typeName`, empty, for
  // elements placed on existing nodes. The stand-in knows only one-node types
  // (point masses, rotary inertias, heat capacitances): every class it makes
  // has one node per element and begins at element index 0.
  static std::unique_ptr<bme_ElementClass> ConstructObject(const cow_String& typeName);

  // The element-type descriptor the mesh check reads: the interpolation and
  // geometric order (2 for quadratic) and the shape code (4 triangle, 6
  // quadrilateral); all 0 unless set.
  struct TypeDescriptor {
    int interpolationOrder = 0;
    int geometricOrder = 0;
    int shape = 0;
  };
  const TypeDescriptor& GetElemTypeDescriptor() const { return descriptor_; }
  void SetElemTypeDescriptor(const TypeDescriptor& descriptor) { descriptor_ = descriptor; }

 private:
  cow_String typeName_;
  int nodesPerElement_;
  std::size_t firstElementIndex_;
  std::vector<int> connectivity_;
  std::vector<int> labels_;
  std::shared_ptr<const bme_ElemCtrlParams> controls_;
  TypeDescriptor descriptor_;
};

class bme_Mesh {
 public:
  bme_Mesh() : nodes_(std::make_shared<bme_NodeData>()) {}

  const bme_NodeData& NodeData() const { return *nodes_; }
  bme_NodeData& MutableNodeData() { return *nodes_; }
  std::shared_ptr<const bme_NodeData> NodeDataHandle() const { return nodes_; }
  std::size_t NumNodes() const { return nodes_->NumNodes(); }

  const std::vector<bme_ElementClass>& ElementClasses() const { return classes_; }
  bme_ElementClass& MutableElementClass(std::size_t index) { return classes_[index]; }
  // Appends an element class whose elements follow those already in the mesh;
  // fill its connectivity through the reference returned.
  bme_ElementClass& AddElementClass(const cow_String& typeName, int nodesPerElement);
  std::size_t NumElements() const;

  // The node indices to write in place of all nodes, in order; null when the
  // whole mesh is written.
  std::shared_ptr<const std::vector<int>> NodeSubset() const { return subset_; }
  void SetNodeSubset(std::vector<int> indices) {
    subset_ = std::make_shared<const std::vector<int>>(std::move(indices));
  }

  // Elements held in a file: the element type text and the file name (both
  // empty when the mesh has none), and the kernel's override test, which
  // cancels an instance's file-element mark when true.
  const cow_String& ElementFileType() const { return fileType_; }
  const cow_String& ElementFileName() const { return fileName_; }
  bool OverridesFileElements() const { return overridesFileElements_; }
  void SetElementFile(const cow_String& type, const cow_String& fileName) {
    fileType_ = type;
    fileName_ = fileName;
  }
  void SetOverridesFileElements(bool overrides) { overridesFileElements_ = overrides; }

  // The mesh the kernel makes to show a display instance (see
  // kcoK_IsDisplayInstance); null for any other.
  const std::shared_ptr<const bme_Mesh>& DisplayMesh() const { return displayMesh_; }
  void SetDisplayMesh(std::shared_ptr<const bme_Mesh> mesh) { displayMesh_ = std::move(mesh); }

  // The seams the mesh kernel finds in the mesh (msh_Interfaces.h); null
  // when it finds none.
  const std::shared_ptr<const msh_MeshInterfaces>& Interfaces() const { return interfaces_; }
  void SetInterfaces(std::shared_ptr<const msh_MeshInterfaces> interfaces) {
    interfaces_ = std::move(interfaces);
  }

  // What the mesh kernel answers for the mesh check (msh_Mesh): whether the
  // mesh holds preview elements, and which geometric components are meshed
  // (none unless set).
  bool ContainsPreviewElems() const { return previewElements_; }
  void SetContainsPreviewElems(bool preview) { previewElements_ = preview; }
  bool IsComponentMeshed(const gml_GeometricComponent& component) const {
    for (const gml_GeometricComponent& meshed : meshedComponents_)
      if (meshed == component) return true;
    return false;
  }
  void SetComponentMeshed(const gml_GeometricComponent& component) {
    meshedComponents_.push_back(component);
  }

 private:
  std::shared_ptr<bme_NodeData> nodes_;
  std::vector<bme_ElementClass> classes_;
  std::shared_ptr<const std::vector<int>> subset_;
  cow_String fileType_;
  cow_String fileName_;
  bool overridesFileElements_ = false;
  std::shared_ptr<const bme_Mesh> displayMesh_;
  std::shared_ptr<const msh_MeshInterfaces> interfaces_;
  bool previewElements_ = false;
  std::vector<gml_GeometricComponent> meshedComponents_;
};

// Whether `instance` is a display instance, shown through a mesh made for
// display only. The stand-in answers from the instance's mesh: a display
// instance is one whose mesh holds a display mesh (bme_Mesh::SetDisplayMesh);
// an instance without a mesh is never one.
bool kcoK_IsDisplayInstance(const asoF_PartInstance& instance);
// The display mesh of `instance`, made for the caller, who releases it when
// done; null when the instance is not a display instance. The stand-in hands
// out the mesh stored with SetDisplayMesh.
std::shared_ptr<const bme_Mesh> kcoK_MakeDisplayMesh(const asoF_PartInstance& instance);
