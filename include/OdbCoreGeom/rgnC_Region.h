// A region as the model's attribute objects refer to it: a set or surface
// named by its own name and the names of the objects it belongs to (none; the
// part or the assembly; the assembly and the instance), with a flag word of
// kind bits that the region kernel defines.
//
// The stand-in also carries what the region kernel (rgnK_Region) answers for
// the region, since it has no geometry to work it out from: whether the
// region is valid (true unless a test says otherwise), whether it contains an
// analytical rigid surface, the ids of the instances it names, its node and
// element members per instance id and its geometric components.
#pragma once

#include <climits>
#include <optional>
#include <string>
#include <utility>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "QivGeom/gdy_GeomHitRecord.h"
#include "QivGeom/gsl_Plane.h"
#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

// An end dot of an edge's polyline as the kernel resolves it: to a node of
// an instance (psl_GetNode), or, when it is a vertex dot, to a vertex
// (gmu_Dot::FindVertex).
struct rgnC_Dot {
  bool resolved = false;  // instanceId and label name the node
  unsigned instanceId = 0;
  int label = 0;
  bool vertexDot = false;  // method 1: a dot on a vertex
  bool referenceDot = false;
  int vertexIndex = -1;
  bool missing = false;  // the polyline has no dot at this end (a wire to ground)
};

// A geometric component of a region with the marks the kernel reads off it
// (gml_ queries on the component and its coedge).
struct rgnC_GeomComponent {
  enum Kind { kVertex, kEdge, kFace, kCell };
  Kind kind = kVertex;
  int index = 0;
  bool nonMeshable = false;      // edge: gml_HasNonMeshableBoolMark
  bool attachmentLine = false;   // edge: gml_IsAttachmentLine
  bool attachmentPoint = false;  // vertex: gml_IsAttachmentPt
  rgnC_Dot ends[2];              // edge: its polyline's end dots
  gsl_Point coords;              // vertex: its coordinates in part coordinates
};

// One node's level sets as the mesh services compute them for an XFEM
// crack: the node's label in its instance, the number the kernel gives it
// beside the label, the first level-set value and, when `hasSecond`, the
// second.
struct rgnC_LevelSetNode {
  int label = 0;
  unsigned number = 0;
  double first = 0.0;
  bool hasSecond = false;
  double second = 0.0;
};

class rgnC_Region : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0A00001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnC_Region, kern_Object)
  rgnC_Region* Clone() const override { return new rgnC_Region(*this); }

  rgnC_Region() = default;
  rgnC_Region(cow_String name, cow_List<cow_String> ownerNames, int flags = 0)
      : name_(std::move(name)), ownerNames_(std::move(ownerNames)), flags_(flags) {}

  const cow_String& Name() const { return name_; }
  // Outermost owner first.
  const cow_List<cow_String>& OwnerNames() const { return ownerNames_; }
  // The name within its owner: the owners after the first (the assembly or
  // part) and the name, joined by "." ("Bolt-1.Top"; "Top" for a region of
  // the owner itself).
  cow_String FullName() const {
    std::string text;
    for (std::size_t i = 1; i < ownerNames_.Length(); ++i)
      text += ownerNames_[i].Str() + ".";
    return cow_String(text + name_.Str());
  }
  void AddOwnerName(const cow_String& name) { ownerNames_.Append(name); }
  int Flags() const { return flags_; }
  // Regions are equal when they name the same set or surface: the same name,
  // owners and kind bits (what the kernel answers for them is not compared).
  // A default-constructed region is the empty region.
  bool operator==(const rgnC_Region& other) const {
    return name_ == other.name_ && ownerNames_ == other.ownerNames_ && flags_ == other.flags_;
  }
  // A region picked in the viewport rather than a named set or surface.
  bool IsPicked() const { return picked_; }
  void SetPicked(bool picked) { picked_ = picked; }

  // The region kernel's answers (read by rgnK_Region).
  bool KernelValid() const { return valid_; }
  bool KernelContainsAnalRigidSurf() const { return analRigidSurf_; }
  const cow_List<unsigned>& KernelInstanceIds() const { return instanceIds_; }
  void SetKernelValid(bool valid) { valid_ = valid; }
  // Whether the part instances the region was made on still exist.
  bool KernelInstancesExist() const { return instancesExist_; }
  void SetKernelInstancesExist(bool exist) { instancesExist_ = exist; }
  void SetKernelContainsAnalRigidSurf(bool contains) { analRigidSurf_ = contains; }
  void SetKernelInstanceIds(cow_List<unsigned> ids) { instanceIds_ = std::move(ids); }

  // Members: node and element indices (from 0, positions in the instance's
  // mesh) per instance id, 1000 for the assembly's own mesh; for elements,
  // optionally the face identifier of each (e.g. "S3"), at the same index.
  const cow_Map<int, cow_List<int>>& KernelNodeIndices() const { return nodes_; }
  const cow_Map<int, cow_List<int>>& KernelElementIndices() const { return elements_; }
  const cow_Map<int, cow_List<cow_String>>& KernelElementFaces() const { return faces_; }
  void SetKernelNodeIndices(int instanceId, cow_List<int> indices) {
    nodes_.Set(instanceId, std::move(indices));
  }
  void SetKernelElementIndices(int instanceId, cow_List<int> indices,
                               cow_List<cow_String> faces = {}) {
    elements_.Set(instanceId, std::move(indices));
    if (!faces.IsEmpty()) faces_.Set(instanceId, std::move(faces));
  }
  // Geometric components in the kernel's order, and the edge count of the
  // model they belong to (no limit unless set).
  const cow_List<rgnC_GeomComponent>& KernelComponents() const { return components_; }
  int KernelModelEdgeCount() const { return modelEdges_; }
  void SetKernelComponents(cow_List<rgnC_GeomComponent> components, int modelEdges = INT_MAX) {
    components_ = std::move(components);
    modelEdges_ = modelEdges;
  }

  // Surfaces: the type code of the surface each geometric component lies on
  // (gdy_HitRecord::GetSurfType; 107 a surface of revolution), parallel to
  // the components; a component past the end of this list has type 0.
  const cow_List<int>& KernelSurfaceTypes() const { return surfaceTypes_; }
  void SetKernelSurfaceTypes(cow_List<int> types) { surfaceTypes_ = std::move(types); }

  // The area the kernel measures over the region's faces (0 unless set).
  double KernelArea() const { return area_; }
  void SetKernelArea(double area) { area_ = area; }

  // What the mesh services compute from the region's geometry (mgt_): node
  // indices with a shell thickness each, element indices with an offset
  // ratio each, the same for every instance of the part.
  const cow_List<int>& KernelThicknessNodes() const { return thicknessNodes_; }
  const cow_List<double>& KernelThicknesses() const { return thicknesses_; }
  const cow_List<int>& KernelOffsetElements() const { return offsetElements_; }
  const cow_List<double>& KernelOffsets() const { return offsets_; }
  void SetKernelThicknesses(cow_List<int> nodes, cow_List<double> values) {
    thicknessNodes_ = std::move(nodes);
    thicknesses_ = std::move(values);
  }
  void SetKernelOffsets(cow_List<int> elements, cow_List<double> values) {
    offsetElements_ = std::move(elements);
    offsets_ = std::move(values);
  }

  // What the level-set services compute for an XFEM crack whose domain is
  // this region (mgt_LevelSetMgr): the instance the level sets lie on, its
  // nodes' values in order, and whether the computation succeeds (yes, with
  // no values and no instance, unless set).
  const cow_String& KernelLevelSetInstance() const { return levelSetInstance_; }
  const cow_List<rgnC_LevelSetNode>& KernelLevelSets() const { return levelSets_; }
  bool KernelLevelSetsComputable() const { return levelSetsComputable_; }
  void SetKernelLevelSets(cow_String instance, cow_List<rgnC_LevelSetNode> nodes,
                          bool computable = true) {
    levelSetInstance_ = std::move(instance);
    levelSets_ = std::move(nodes);
    levelSetsComputable_ = computable;
  }

  // A reference point set: the region stands for reference points, one per
  // entry of `hits`, each entry the point (assembly coordinates) the geometry
  // kernel's hit record computes for it, or none where the kernel has no
  // record. Not a reference point set unless set.
  bool KernelRefPointSet() const { return refPointSet_; }
  const cow_List<std::optional<gsl_Point>>& KernelRefPointHits() const { return refPointHits_; }
  void SetKernelRefPoints(cow_List<std::optional<gsl_Point>> hits) {
    refPointSet_ = true;
    refPointHits_ = std::move(hits);
  }
  // The geometry kernel's hit records of the region's geometric components
  // (a null record where the kernel keeps none): the feature each lies on
  // and its component index there.
  const cow_List<std::optional<gdy_GeomHitRecord>>& KernelGeomHits() const { return geomHits_; }
  void SetKernelGeomHits(cow_List<std::optional<gdy_GeomHitRecord>> hits) {
    geomHits_ = std::move(hits);
  }

  // The plane a surface region lies in, as the kernel projects points onto
  // it (none unless set).
  const std::optional<gsl_Plane>& KernelPlane() const { return plane_; }
  void SetKernelPlane(const gsl_Plane& plane) { plane_ = plane; }

  // The tangent of the region's beam elements (the zero vector unless set).
  const gsl_Vector& KernelBeamTangent() const { return beamTangent_; }
  void SetKernelBeamTangent(const gsl_Vector& tangent) { beamTangent_ = tangent; }

 private:
  cow_String name_;
  cow_List<cow_String> ownerNames_;
  int flags_ = 0;
  bool picked_ = false;
  bool valid_ = true;
  bool instancesExist_ = true;
  bool analRigidSurf_ = false;
  cow_List<unsigned> instanceIds_;
  cow_Map<int, cow_List<int>> nodes_;
  cow_Map<int, cow_List<int>> elements_;
  cow_Map<int, cow_List<cow_String>> faces_;
  cow_List<rgnC_GeomComponent> components_;
  int modelEdges_ = INT_MAX;
  cow_List<int> surfaceTypes_;
  double area_ = 0.0;
  cow_List<int> thicknessNodes_;
  cow_List<double> thicknesses_;
  cow_List<int> offsetElements_;
  cow_List<double> offsets_;
  gsl_Vector beamTangent_;
  std::optional<gsl_Plane> plane_;
  bool refPointSet_ = false;
  cow_List<std::optional<gsl_Point>> refPointHits_;
  cow_List<std::optional<gdy_GeomHitRecord>> geomHits_;
  cow_String levelSetInstance_;
  cow_List<rgnC_LevelSetNode> levelSets_;
  bool levelSetsComputable_ = true;

  // Why the level-set services fail for an XFEM crack whose domain is this
  // region (mgt_LevelSetMgr::ErrorType): the kernel's error type, 0 unless
  // set.
 public:
  int KernelLevelSetErrorType() const { return levelSetErrorType_; }
  void SetKernelLevelSetErrorType(int type) { levelSetErrorType_ = type; }

 private:
  int levelSetErrorType_ = 0;

  // The sides the region kernel gives the geometric components of a surface
  // (read by rgnK_Region::GetAllGeomComponents), one per component.
 public:
  const cow_List<int>& KernelSides() const { return sides_; }
  void SetKernelSides(cow_List<int> sides) { sides_ = std::move(sides); }

 private:
  cow_List<int> sides_;

  // Whether the region's geometry is associated with a mesh, and, when it is
  // not, whether only some of its entities lack one (read by
  // rgnK_Region::GCsAssociatedWithMesh). Associated unless set.
 public:
  bool KernelMeshAssociated() const { return meshAssociated_; }
  bool KernelPartlyMeshed() const { return partlyMeshed_; }
  void SetKernelMeshAssociation(bool associated, bool partly = false) {
    meshAssociated_ = associated;
    partlyMeshed_ = !associated && partly;
  }

 private:
  bool meshAssociated_ = true;
  bool partlyMeshed_ = false;

  // Clash types the region kernel answers for this region against others
  // (by the other region's name), set by tests: 4 and 5 (touching, apart)
  // and any other type; rgnK_Region::Clash reads them.
 public:
  const int* KernelClash(const cow_String& other) const { return clashes_.Find(other); }
  void SetKernelClash(const cow_String& other, int type) { clashes_.Set(other, type); }

 private:
  cow_Map<cow_String, int> clashes_;
};
