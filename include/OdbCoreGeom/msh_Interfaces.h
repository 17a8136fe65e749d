// The mesh kernel's interface services: the seams of a mesh that the writer
// closes with generated constraints (incompatible faces, mixed-order faces
// and edges, shell meshes meeting solid meshes).
//
// The stand-in finds no seams: a test stores the interfaces a mesh has
// (msh_MeshInterfaces, attached with bme_Mesh::SetInterfaces) and the
// services hand out exactly those. Element and node numbers in the records
// are zero-based mesh indices, as the kernel reports them; the writer turns
// them into labels.
#pragma once

#include <utility>
#include <vector>

#include "OdbCoreGeom/gml_GeometricComponent.h"

class bme_Mesh;

// One side of a seam: elements of the mesh with the face (or edge) number of
// each, at the same index, and the number of nodes the side covers. A face
// record handed to msh_GetTieSlaveData as the slave also carries the tie data
// the kernel works out for it (SetTieSlaveData).
class msh_DiscreteFace {
 public:
  msh_DiscreteFace() = default;
  msh_DiscreteFace(int numNodes, std::vector<int> elements, std::vector<int> faces)
      : numNodes_(numNodes), elements_(std::move(elements)), faces_(std::move(faces)) {}

  int NumNodes() const { return numNodes_; }
  int NumElements() const { return static_cast<int>(elements_.size()); }
  const std::vector<int>& ElementIndices() const { return elements_; }
  // Face (or edge) numbers from 1, one per element.
  const std::vector<int>& FaceNumbers() const { return faces_; }

  // What msh_GetTieSlaveData reports for this side as the slave: element
  // indices with zero-based face numbers, and the indices of slave nodes no
  // slave face covers.
  void SetTieSlaveData(std::vector<int> elements, std::vector<int> faces,
                       std::vector<int> uncoveredNodes) {
    tieElements_ = std::move(elements);
    tieFaces_ = std::move(faces);
    tieNodes_ = std::move(uncoveredNodes);
  }
  const std::vector<int>& TieElements() const { return tieElements_; }
  const std::vector<int>& TieFaces() const { return tieFaces_; }
  const std::vector<int>& TieUncoveredNodes() const { return tieNodes_; }

 private:
  int numNodes_ = 0;
  std::vector<int> elements_;
  std::vector<int> faces_;
  std::vector<int> tieElements_;
  std::vector<int> tieFaces_;
  std::vector<int> tieNodes_;
};

// An incompatible-face seam: two face records and the position tolerance the
// kernel computed for it.
class msh_Interface {
 public:
  msh_Interface(msh_DiscreteFace first, msh_DiscreteFace second, double tolerance)
      : first_(std::move(first)), second_(std::move(second)), tolerance_(tolerance) {}

  void GetInterfaceData(const msh_DiscreteFace*& first, const msh_DiscreteFace*& second) const {
    first = &first_;
    second = &second_;
  }
  double PositionTolerance() const { return tolerance_; }

 private:
  msh_DiscreteFace first_;
  msh_DiscreteFace second_;
  double tolerance_;
};

// A mixed-order seam of faces or edges: its master and slave sides and its
// position tolerance.
class msh_DiscreteEntInterface {
 public:
  msh_DiscreteEntInterface(msh_DiscreteFace master, msh_DiscreteFace slave, double tolerance)
      : master_(std::move(master)), slave_(std::move(slave)), tolerance_(tolerance) {}

  const msh_DiscreteFace& GetMaster() const { return master_; }
  const msh_DiscreteFace& GetSlave() const { return slave_; }
  double PositionTolerance() const { return tolerance_; }

 private:
  msh_DiscreteFace master_;
  msh_DiscreteFace slave_;
  double tolerance_;
};

// A shell mesh meeting a solid mesh: the shell's edge record and one or two
// solid face records.
class msh_ShellSolidInterface {
 public:
  msh_ShellSolidInterface(msh_DiscreteFace shell, std::vector<msh_DiscreteFace> solid)
      : shell_(std::move(shell)), solid_(std::move(solid)) {}

  const msh_DiscreteFace& GetShellInterface() const { return shell_; }
  // The solid-side records; either may be null.
  void GetSolidInterface(const msh_DiscreteFace*& first, const msh_DiscreteFace*& second) const {
    first = solid_.size() > 0 ? &solid_[0] : nullptr;
    second = solid_.size() > 1 ? &solid_[1] : nullptr;
  }

 private:
  msh_DiscreteFace shell_;
  std::vector<msh_DiscreteFace> solid_;
};

// What the kernel finds in one mesh (stored by a test).
struct msh_MeshInterfaces {
  bool usable = true;  // the mesh's own validity test
  std::vector<msh_Interface> incompatibleFaces;
  std::vector<msh_DiscreteEntInterface> mixedOrderFaces;
  std::vector<msh_DiscreteEntInterface> mixedOrderEdges;
  std::vector<msh_ShellSolidInterface> shellSolid;
};

// The kernel's view of a mesh for its interface queries.
class msh_Mesh {
 public:
  explicit msh_Mesh(const bme_Mesh& mesh) : mesh_(mesh) {}

  const bme_Mesh& Mesh() const { return mesh_; }
  // False when the mesh reports itself unusable; a mesh without stored
  // interfaces is usable.
  bool IsValid() const;
  int NumIncompatibleFaces() const;
  // The incompatible face `i` (0 to NumIncompatibleFaces() - 1).
  const msh_Interface& GetIncompatibleFace(int i) const;

  // For the mesh check: whether the mesh holds preview elements, and
  // whether the geometric component `component` is meshed.
  bool ContainsPreviewElems() const;
  bool IsMeshed(const gml_GeometricComponent& component) const;

 private:
  const bme_Mesh& mesh_;
};

// The slave side's element faces (element indices with zero-based face
// numbers) and the slave nodes no slave face covers, for a tie of `slave` to
// `master`. The stand-in reports what was stored on the slave record.
void msh_GetTieSlaveData(const bme_Mesh& mesh, const msh_DiscreteFace& master,
                         const msh_DiscreteFace& slave, std::vector<int>& elements,
                         std::vector<int>& faces, std::vector<int>& uncoveredNodes);

// Fill `interfaces` with the mesh's mixed-order face (edge) seams; the
// caller cleans the array after use.
void msh_BuildMixOrderFaceInterfaces(const bme_Mesh& mesh,
                                     std::vector<msh_DiscreteEntInterface>& interfaces);
void msh_BuildMixOrderEdgeInterfaces(const bme_Mesh& mesh,
                                     std::vector<msh_DiscreteEntInterface>& interfaces);
void msh_CleanDiscreteEntInterfaceArray(std::vector<msh_DiscreteEntInterface>& interfaces);
// Fill `interfaces` with the mesh's shell-to-solid seams.
void msh_BuildShellSolidInterfaces(const bme_Mesh& mesh,
                                   std::vector<msh_ShellSolidInterface>& interfaces);
void msh_CleanShelLSolidInterfaceArray(std::vector<msh_ShellSolidInterface>& interfaces);
