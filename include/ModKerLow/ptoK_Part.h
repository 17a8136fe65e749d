// A part: its name, analysis type, modelling space and mesh.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "VwrModKer/ftr_FeatureList.h"

// Analysis types of a part.
inline constexpr int ptoK_DEFORMABLE = 4001;
inline constexpr int ptoK_DISCRETE_RIGID = 4002;
inline constexpr int ptoK_ANALYTIC_RIGID = 4003;
inline constexpr int ptoK_EULERIAN = 4004;
// Modelling spaces (ftr_PrimaryObject::IsSpace).
inline constexpr int ptoK_SPACE_3D = 2000;
inline constexpr int ptoK_SPACE_2D = 2001;
inline constexpr int ptoK_SPACE_AXISYMMETRIC = 2002;

class kseK_LayupExpansion;
class ptoC_MaterialOrientation;

// A ply of a composite layup: whether it is left out, and its region.
struct ptoK_CompositePly {
  bool suppressed = false;
  rgnC_Region region;
};

// A composite layup of a part: its name and the names of its plies in order,
// the plies themselves, and how its thickness, offset and orientation are
// given.
struct ptoK_CompositeLayup {
  cow_String name;
  cow_List<cow_String> plies;

  bool suppressed = false;                 // left out of the analysis
  cow_List<ptoK_CompositePly> plyRegions;  // by ply number
  int thicknessKind = 0;  // 1 analytical field, 3 discrete field, 4 nodal from a discrete field
  cow_String analyticalField;
  cow_String discreteField;
  int thicknessAssignment = 0;  // 1 from the geometry
  int offsetKind = 0;           // 6 from the geometry
  int orientationKind = 0;      // 4 discrete
  // The layup's orientation (a discrete one: orientationKind 4), or null.
  std::shared_ptr<const ptoC_MaterialOrientation> orientation;
  int stackDirection = 0;  // 0 "1", 1 "2", 2 "3", 3 "ORIENTATION"
  int layupKind = 0;       // 1 or 2: a stack direction is recorded
  // What the kernel expands the layup into (kseK_SectionAssignmentsFromLayup),
  // or null for nothing.
  std::shared_ptr<const kseK_LayupExpansion> expansion;
};

class gml_GeometricModel;

class ptoK_Part : public ftr_PrimaryObject {
 public:
  static constexpr unsigned kTypeId = 0x0500001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ptoK_Part* Clone() const override { return new ptoK_Part(*this); }
  bool IsPart() const override { return true; }

  explicit ptoK_Part(cow_String name = cow_String()) : name_(std::move(name)) {}

  const cow_String& GetName() const { return name_; }
  int GetAnalysis() const { return analysis_; }
  // The part's mesh, or null when it has none.
  const bme_Mesh* ConstGetMesh() const { return mesh_.get(); }
  std::shared_ptr<const bme_Mesh> MeshHandle() const { return mesh_; }
  // The reference points of the part's geometry (x, y, z each).
  int NmrRefPoints() const { return static_cast<int>(referencePoints_.size()); }
  const std::vector<std::array<double, 3>>& ReferencePoints() const { return referencePoints_; }
  // The user label a reference point is known by when it sits on a mesh
  // node (that node's label); 0 when it has a node of its own.
  int ReferencePointUserLabel(std::size_t point) const {
    return point < pointLabels_.size() ? pointLabels_[point] : 0;
  }

  // The part's geometric model (its bounding box and analytic profiles), or
  // null.
  const gml_GeometricModel* GeometricModel() const { return geometricModel_.get(); }
  void SetGeometricModel(std::shared_ptr<const gml_GeometricModel> model) {
    geometricModel_ = std::move(model);
  }

  // The part's attributes in order: section assignments and material
  // orientations.
  const cow_List<cow_COW<kern_Object>>& Attributes() const { return attributes_; }
  void AddAttribute(const kern_Object& attribute) {
    attributes_.Append(cow_COW<kern_Object>(attribute));
  }

  // The part's composite layups, in repository order.
  const cow_List<ptoK_CompositeLayup>& CompositeLayups() const { return layups_; }
  void AddCompositeLayup(const ptoK_CompositeLayup& layup) { layups_.Append(layup); }

  void SetAnalysis(int analysis) { analysis_ = analysis; }
  void SetMesh(std::shared_ptr<const bme_Mesh> mesh) { mesh_ = std::move(mesh); }
  void SetReferencePoints(std::vector<std::array<double, 3>> points) {
    referencePoints_ = std::move(points);
  }
  void SetReferencePointUserLabel(std::size_t point, int label) {
    if (pointLabels_.size() <= point) pointLabels_.resize(point + 1, 0);
    pointLabels_[point] = label;
  }
  // `count` reference points at the origin.
  void SetReferencePoints(int count) {
    referencePoints_.assign(static_cast<std::size_t>(count), {0.0, 0.0, 0.0});
  }

  // Whether the part's geometry has regions without mesh (what the mesh
  // kernel reports to the mesh check besides a part without any mesh).
  bool HasUnmeshedRegions() const { return unmeshedRegions_; }
  void SetUnmeshedRegions(bool unmeshed) { unmeshedRegions_ = unmeshed; }

 private:
  cow_String name_;
  int analysis_ = ptoK_DEFORMABLE;
  std::shared_ptr<const bme_Mesh> mesh_;
  std::vector<std::array<double, 3>> referencePoints_;
  std::vector<int> pointLabels_;
  cow_List<cow_COW<kern_Object>> attributes_;
  std::shared_ptr<const gml_GeometricModel> geometricModel_;
  cow_List<ptoK_CompositeLayup> layups_;

  // The answer of the sketch test of an analytic rigid part
  // (ptsK_CheckSketchValidityForAnalytic): the message it gives for a sketch
  // that cannot be used; empty (the sketch is usable) unless set.
 public:
  const cow_String& SketchInvalidMessage() const { return sketchInvalidMessage_; }
  void SetSketchInvalidMessage(const cow_String& message) { sketchInvalidMessage_ = message; }

 private:
  cow_String sketchInvalidMessage_;

  bool unmeshedRegions_ = false;
};
