// The region kernel: a region (rgnC_Region) resolved in a primary object (the
// assembly or a part) of a model. The stand-in resolves nothing; it answers
// what was stored on the region (rgnC_Region::SetKernel...).
#pragma once

#include <optional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/cls_Registry.h"
#include "QivGeom/gdy_CompositeHitSet.h"
#include "QivGeom/gdy_GeomHitRecord.h"
#include "QivGeom/gdy_HitRecord.h"

class ftr_PrimaryObject;
class ftr_FeatureList;
class rgnF_Set;

class rgnK_Region : public cls_Object {
 public:
  static constexpr unsigned kTypeId = 0x0A00002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnK_Region, cls_Object)

  // `object` may be null (a model without an assembly).
  rgnK_Region(const ftr_PrimaryObject* object, const cow_String& modelName,
              const rgnC_Region& region)
      : region_(region) {
    (void)object;
    (void)modelName;
  }

  // The region as it was given.
  const rgnC_Region& Region() const { return region_; }
  // Whether the region resolves to entities of the model. `strict` is the
  // kernel's stricter check; the stand-in answers the same either way.
  bool IsValid(bool strict) const {
    (void)strict;
    return region_.KernelValid();
  }
  // Whether the part instances the region was made on still exist.
  bool OriginalPartInstancesStillExist() const { return region_.KernelInstancesExist(); }
  // How this region overlaps `other`: 0 when they are the same region (the
  // same name and owners), 2 when they share nothing. The stand-in knows no
  // partial overlaps (1). A type a test stored on either region for the
  // other's name (rgnC_Region::SetKernelClash) is answered first.
  int Clash(const rgnK_Region& other) const {
    const rgnC_Region& a = region_;
    const rgnC_Region& b = other.region_;
    if (const int* stored = a.KernelClash(b.Name())) return *stored;
    if (const int* stored = b.KernelClash(a.Name())) return *stored;
    if (a.Name() != b.Name() || a.OwnerNames().Length() != b.OwnerNames().Length()) return 2;
    for (std::size_t i = 0; i < a.OwnerNames().Length(); ++i)
      if (a.OwnerNames()[i] != b.OwnerNames()[i]) return 2;
    return 0;
  }
  bool ContainsAnalRigidSurf() const { return region_.KernelContainsAnalRigidSurf(); }
  // The feature ids of the instances the region touches, in the kernel's
  // order. `activeOnly` limits them to active instances; ignored here.
  cow_List<unsigned> InstanceIds(bool activeOnly) const {
    (void)activeOnly;
    return region_.KernelInstanceIds();
  }

  // Member queries. The stand-in answers from the indices stored on the
  // region (rgnC_Region::SetKernelNodeIndices, SetKernelElementIndices):
  // for `instanceId` 1000 (the assembly) every stored list under its own id,
  // for any other id the list stored under that id. A member is reported as
  // its index + 1 when `labelsUsable`, else as its index (the flat numbering's
  // offset then counts from 1); the stand-in reads no user labels. The other
  // flags select kernel variants the stand-in does not tell apart.
  void GetNodeIds(cow_Map<int, cow_List<int>>& ids, int instanceId, bool labelsUsable,
                  bool withMidside, bool activeOnly) const {
    (void)withMidside;
    (void)activeOnly;
    Collect(region_.KernelNodeIndices(), ids, nullptr, instanceId, labelsUsable);
  }
  // Also fills `faces`, when given, with the face identifier of each element.
  void GetElementIds(cow_Map<int, cow_List<int>>& ids, cow_Map<int, cow_List<cow_String>>* faces,
                     int instanceId, bool labelsUsable, bool activeOnly) const {
    (void)activeOnly;
    Collect(region_.KernelElementIndices(), ids, faces, instanceId, labelsUsable);
  }
  // The region's element ids per instance as the first form gives them, and,
  // parallel to them, the elements' mesh indices (from 0) that a mapping
  // of an analytical field reads.
  void GetElementIds(cow_Map<int, cow_List<int>>& ids, cow_Map<int, cow_List<int>>& indices,
                     int instanceId, bool labelsUsable) const;
  // The region's nodes as node hits per instance (the ids GetNodeIds gives).
  void GetNodeHits(gdy_CompositeHitSet& hits, int instanceId, bool labelsUsable) const;
  // The region's geometry as composite hits, added to `hits`. The flags pick
  // the kinds of entities: vertices, edges, cells, faces, and whether
  // instances without any hit are kept. The stand-in collects faces only:
  // with `faces` set, the stored element indices and their face identifiers
  // (rgnC_Region::SetKernelElementIndices) become face hits per instance.
  void GetCompositeHits(gdy_CompositeHitSet& hits, bool vertices, bool edges, bool cells,
                        bool faces, bool keepEmpty) const;
  // Whether the region holds nodes, or elements, of a mesh.
  bool HasMeshNodes() const;
  bool HasMeshElements() const;
  // The number of vertices among the region's geometric components.
  int NumVertices() const {
    int count = 0;
    for (const rgnC_GeomComponent& component : region_.KernelComponents())
      if (component.kind == rgnC_GeomComponent::kVertex) ++count;
    return count;
  }
  // Whether the region holds anything: a stored node, element, geometric
  // component or reference point.
  bool HasMembers() const {
    return IsMeshRegion() || !region_.KernelComponents().IsEmpty() ||
           !region_.KernelRefPointHits().IsEmpty();
  }
  // Whether the region is made of mesh entities: a stored node or element.
  bool IsMeshRegion() const {
    for (const auto& entry : region_.KernelNodeIndices())
      if (!entry.second.IsEmpty()) return true;
    for (const auto& entry : region_.KernelElementIndices())
      if (!entry.second.IsEmpty()) return true;
    return false;
  }
  // Whether the region is a set of reference points
  // (rgnC_Region::SetKernelRefPoints).
  bool IsRefPointSet() const { return region_.KernelRefPointSet(); }
  // The geometry kernel's hit records of the region's reference points, in
  // order: the point each computes (assembly coordinates), or none where the
  // kernel has no record. `withVertices` adds the vertices' records in the
  // kernel; the stand-in keeps none for them.
  void GetGeomHitRecords(cow_List<std::optional<gsl_Point>>& records, bool withVertices) const {
    (void)withVertices;
    records = region_.KernelRefPointHits();
  }
  // The geometry kernel's hit records of the region's geometric components,
  // in order (a null record where the kernel keeps none): the feature each
  // lies on and its component index there (rgnC_Region::SetKernelGeomHits).
  // `withVertices` as above.
  void GetGeomHitRecords(cow_List<std::optional<gdy_GeomHitRecord>>& records,
                         bool withVertices) const {
    (void)withVertices;
    records = region_.KernelGeomHits();
  }
  // Whether the region holds points only: it has members (HasMembers), no
  // stored element and no geometric component but vertices.
  bool IsPointSet() const {
    if (!HasMembers()) return false;
    for (const auto& entry : region_.KernelElementIndices())
      if (!entry.second.IsEmpty()) return false;
    for (const rgnC_GeomComponent& component : region_.KernelComponents())
      if (component.kind != rgnC_GeomComponent::kVertex) return false;
    return true;
  }
  // Whether the region is exactly one point: a point set (IsPointSet) of
  // one stored node, one vertex or one reference point, counted over all
  // instances.
  bool IsSinglePoint() const {
    if (!IsPointSet()) return false;
    std::size_t points =
        region_.KernelComponents().Length() + region_.KernelRefPointHits().Length();
    for (const auto& entry : region_.KernelNodeIndices())
      points += entry.second.Length();
    return points == 1;
  }
  // The area of the region's faces (what asoK_CalculateRgnArea answers).
  double Area() const { return region_.KernelArea(); }
  // The region's kind bits (rgnC_Region::Flags).
  int Flags() const { return region_.Flags(); }
  const cow_List<rgnC_GeomComponent>& GeomComponents() const { return region_.KernelComponents(); }
  int ModelEdgeCount() const { return region_.KernelModelEdgeCount(); }
  // The geometric components as the geometry kernel's hit records, in
  // component order: each component's index and the surface type stored for
  // it (rgnC_Region::KernelSurfaceTypes).
  void GetAllGeomComponents(cow_List<gdy_HitRecord>& records) const {
    const cow_List<rgnC_GeomComponent>& components = region_.KernelComponents();
    const cow_List<int>& types = region_.KernelSurfaceTypes();
    records.Clear();
    for (std::size_t i = 0; i < components.Length(); ++i)
      records.Append(gdy_HitRecord(components[i].index, i < types.Length() ? types[i] : 0));
  }

 private:
  void Collect(const cow_Map<int, cow_List<int>>& stored, cow_Map<int, cow_List<int>>& ids,
               cow_Map<int, cow_List<cow_String>>* faces, int instanceId, bool labelsUsable) const {
    for (const auto& [id, indices] : stored) {
      if (instanceId != 1000 && id != instanceId) continue;
      cow_List<int>& out = ids.Modify(id);
      out.Reserve(out.Length() + indices.Length());
      for (int index : indices)
        out.Append(labelsUsable ? index + 1 : index);
      if (faces)
        if (const cow_List<cow_String>* names = region_.KernelElementFaces().Find(id))
          faces->Modify(id).Append(*names);
    }
  }

  rgnC_Region region_;

  // Surfaces as the rigid surface check reads them.
 public:
  // The region of the set or surface `set` of the features `features`
  // (`name` is empty: the features' owner); it is internal when the set
  // carries the internal mark.
  rgnK_Region(const ftr_FeatureList& features, const cow_String& name, const rgnF_Set& set);
  // Whether the application made the surface itself (picked for a contact
  // interaction, a tie or a rigid body); no for a region not built from a set.
  bool IsInternal() const { return internal_; }
  // The geometric components as above, and the side of each component
  // (rgnC_Region::SetKernelSides).
  void GetAllGeomComponents(cow_List<gdy_HitRecord>& records, cow_List<int>& sides) const {
    GetAllGeomComponents(records);
    sides = region_.KernelSides();
  }

 private:
  bool internal_ = false;

  // Mesh association for the integrated output section check: true when the
  // region's geometry is associated with a mesh; otherwise `partly` tells
  // whether only some of its geometric entities lack a mesh (set) or the
  // region has none at all (clear). Answers what the region stores
  // (rgnC_Region::SetKernelMeshAssociation).
 public:
  bool GCsAssociatedWithMesh(bool& partly) const {
    partly = region_.KernelPartlyMeshed();
    return region_.KernelMeshAssociated();
  }

  // Queries of the engineering-feature checks.
  // The region's hit records: one per stored node, stored element,
  // geometric component and reference point, in that order. Freed with
  // rgnK_DeleteHitRecords.
  void GetHitRecords(cow_List<gdy_HitRecord>& records, bool withNodes, bool activeOnly) const {
    (void)withNodes;
    (void)activeOnly;
    records.Clear();
    for (const auto& entry : region_.KernelNodeIndices())
      for (int index : entry.second)
        records.Append(gdy_HitRecord(index, 0));
    for (const auto& entry : region_.KernelElementIndices())
      for (int index : entry.second)
        records.Append(gdy_HitRecord(index, 0));
    for (const rgnC_GeomComponent& component : region_.KernelComponents())
      records.Append(gdy_HitRecord(component.index, 0));
    for (std::size_t i = 0; i < region_.KernelRefPointHits().Length(); ++i)
      records.Append(gdy_HitRecord(static_cast<int>(i), 0));
  }
  // A geometric region: one without stored nodes or elements.
  bool IsGeomRegion() const { return !IsMeshRegion(); }
  int NumRefPoints() const { return static_cast<int>(region_.KernelRefPointHits().Length()); }
  int NumMeshNodes() const {
    std::size_t count = 0;
    for (const auto& entry : region_.KernelNodeIndices())
      count += entry.second.Length();
    return static_cast<int>(count);
  }
  int NumFaces() const {
    int count = 0;
    for (const rgnC_GeomComponent& component : region_.KernelComponents())
      if (component.kind == rgnC_GeomComponent::kFace) ++count;
    return count;
  }
  // The mesh hit records of the region's stored nodes, in order: each node's
  // index, none for a stored index below 0 (a node the kernel lost: deleted
  // or suppressed).
  void GetMeshHitRecords(cow_List<std::optional<int>>& records, bool withNodes,
                         bool activeOnly) const {
    (void)withNodes;
    (void)activeOnly;
    records.Clear();
    for (const auto& entry : region_.KernelNodeIndices())
      for (int index : entry.second)
        records.Append(index < 0 ? std::optional<int>() : std::optional<int>(index));
  }
};

// Frees hit records the region kernel handed out.
template <class Record>
void rgnK_DeleteHitRecords(cow_List<Record>& records) {
  records.Clear();
}

// The points of a region made of points only: the computed positions of its
// reference points (assembly coordinates), in order. Fails (false, an
// empty list) for a region that is no set of reference points or holds a
// point the kernel cannot compute.
inline bool rgnK_GetGslPointFromRegion(const rgnK_Region& region, cow_List<gsl_Point>& points) {
  points.Clear();
  if (!region.IsRefPointSet()) return false;
  cow_List<std::optional<gsl_Point>> records;
  region.GetGeomHitRecords(records, true);
  for (const std::optional<gsl_Point>& record : records) {
    if (!record) {
      points.Clear();
      return false;
    }
    points.Append(*record);
  }
  return true;
}

// The region of the set or surface named `name` (its feature name) among the
// features of `object`, of the kernel's region kinds `kind`: the bit 8 asks
// for surfaces, any other bit (1 for a point set) for sets. A name that names
// none of the kinds asked for gives a region that is not valid.
constexpr int kRgnKSurfaceKind = 8;
rgnC_Region rgnK_GetRegion(const ftr_PrimaryObject& object, const cow_String& name, int kind);
