// Features of a primary object (a part or the assembly) kept by integer id:
// part instances, datums, reference points. The list answers lock queries,
// theory records and meshes by id.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"

class bme_Mesh;
class brp_Body;

// Feature id that stands for the assembly itself in tables keyed by id.
inline constexpr unsigned ftr_kAssemblyId = 1000;

// Lock kinds a feature can carry (a bit each).
enum ftr_LockKind : int {
  ftr_LOCK_GEOMETRY = 4,
  ftr_LOCK_MESH = 8,  // the instance's mesh is not written
};

// The kernel's theory record of a feature.
struct ftr_Theory {
  bool flag = false;          // the yes/no property the writer asks of an instance
  bool fileElements = false;  // elements held in a file
};

class ftr_Feature : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0400001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ftr_Feature* Clone() const override { return new ftr_Feature(*this); }

  unsigned Id() const { return id_; }
  // The kernel's spelling of Id().
  unsigned GetID() const { return id_; }
  const cow_String& Name() const { return name_; }
  int Locks() const { return locks_; }
  const ftr_Theory& Theory() const { return theory_; }
  // The feature's mesh, or null (a part instance has its part's mesh).
  virtual const bme_Mesh* ConstGetMesh() const { return nullptr; }

  void SetId(unsigned id) { id_ = id; }
  void SetName(const cow_String& name) { name_ = name; }
  void SetLocks(int locks) { locks_ = locks; }
  void SetTheory(const ftr_Theory& theory) { theory_ = theory; }

 private:
  unsigned id_ = 0;
  cow_String name_;
  int locks_ = 0;
  ftr_Theory theory_;
};

// The ids of the evaluated features, in feature order.
class ftr_EvaluatedRep {
 public:
  explicit ftr_EvaluatedRep(cow_List<unsigned> ids) : ids_(std::move(ids)) {}
  // By value: a temporary representation may be walked directly.
  cow_List<unsigned> GetIds() const { return ids_; }

 private:
  cow_List<unsigned> ids_;
};

// The assembly's attachment records as the host stores them, by geometric
// index: the two end nodes of each attachment line and the node of each single
// attachment point, each as a position (1, 2, ...) after the label base the
// writer's numbering gives the assembly.
struct ftr_AssemblyAttachments {
  cow_Map<int, std::pair<int, int>> lines;
  cow_Map<int, int> points;
  bool IsEmpty() const { return lines.IsEmpty() && points.IsEmpty(); }
  int HighestPosition() const;
};

class ftr_FeatureList {
 public:
  // The feature with `id`, or null.
  const ftr_Feature* Get(unsigned id) const;
  // Whether the feature `id` carries the lock `kind`; false for an unknown id.
  bool IsLocked(unsigned id, int kind) const;
  // The theory record of feature `id`; a default record for an unknown id.
  ftr_Theory GetTheory(unsigned id) const;
  // The mesh of feature `id` (a part instance's mesh; the assembly's own mesh
  // under ftr_kAssemblyId), or null.
  const bme_Mesh* ConstGetMesh(unsigned id) const;
  // The ids of all features in the order they were added. The assembly's own
  // feature (ftr_kAssemblyId, named after the assembly) is among them exactly
  // when the assembly has a mesh, reference points or attachment records of
  // its own.
  ftr_EvaluatedRep ConstEvaluatedRep() const { return ftr_EvaluatedRep(order_); }

  // Vertex-surface name pairs stored for a surface name (what the region
  // kernel reports for it).
  const cow_Map<int, cow_String>* VertexSurfacePairs(const cow_String& surface) const {
    return vertexSurfaces_.Find(surface);
  }

  // Building: adds (or replaces) a feature under its id.
  void Add(const ftr_Feature& feature);
  // Temporary features (sets a writer makes and deletes again): gives
  // `feature` the next free id (above every id of the list), regenerates it
  // against the list (nothing to do in the stand-in) and appends a copy.
  // Returns false, appending nothing, for a feature without a name.
  bool RegenerateFeatureAndAppend(ftr_Feature& feature);
  // Removes the feature `id`; false when the list has none.
  bool Delete(unsigned id);
  // How many features RegenerateFeatureAndAppend appended over the list's
  // life, deleted or not (tests tell from it that temporary sets were made).
  std::size_t RegeneratedCount() const { return regenerated_; }
  // Gives the assembly a mesh and reference points of its own: adds the
  // feature ftr_kAssemblyId named `assemblyName`.
  void SetAssemblyOwnNodes(const cow_String& assemblyName, std::shared_ptr<const bme_Mesh> mesh,
                           int referencePoints);
  int AssemblyReferencePoints() const { return assemblyReferencePoints_; }
  // The user label given to the assembly's reference point `point` (from 0),
  // or 0 when it has none of its own.
  int AssemblyReferencePointUserLabel(int point) const {
    const int* label = assemblyReferenceUserLabels_.Find(point);
    return label ? *label : 0;
  }
  void SetAssemblyReferencePointUserLabel(int point, int label) {
    assemblyReferenceUserLabels_.Set(point, label);
  }
  // Gives the assembly attachment records (and so a feature of its own, like
  // SetAssemblyOwnNodes, keeping a mesh and reference points given before).
  void SetAssemblyAttachments(const cow_String& assemblyName,
                              const ftr_AssemblyAttachments& attachments);
  const ftr_AssemblyAttachments& AssemblyAttachments() const { return assemblyAttachments_; }
  void SetVertexSurfacePairs(const cow_String& surface, const cow_Map<int, cow_String>& pairs) {
    vertexSurfaces_.Set(surface, pairs);
  }

 private:
  cow_Map<unsigned, cow_COW<ftr_Feature>> features_;
  cow_List<unsigned> order_;
  std::shared_ptr<const bme_Mesh> assemblyMesh_;
  int assemblyReferencePoints_ = 0;
  ftr_AssemblyAttachments assemblyAttachments_;
  cow_Map<int, int> assemblyReferenceUserLabels_;
  cow_Map<cow_String, cow_Map<int, cow_String>> vertexSurfaces_;
  std::size_t regenerated_ = 0;
};

// A part or the assembly: the owner of a feature list.
class ftr_PrimaryObject : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0400002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }

  const ftr_FeatureList& ConstGetFeatureList() const { return features_; }
  ftr_FeatureList& FeatureList() { return features_; }
  virtual bool IsPart() const { return false; }

  // The kernel's space query: whether the object is of the modelling space
  // `code` (ptoK_Part.h: 2000 three-dimensional, the default; 2001
  // two-dimensional planar; 2002 axisymmetric).
  bool IsSpace(int code) const { return space_ == code; }
  int GetSpace() const { return space_; }
  void SetSpace(int code) { space_ = code; }
  // Whether the object's nodes carry a twist degree of freedom (an
  // axisymmetric model with twist); no unless set.
  bool HasTwistDof() const { return twistDof_; }
  void SetTwistDof(bool twist) { twistDof_ = twist; }

  // The object's engineering features (springs, dashpots, inertias): a
  // kefC_EngineeringFeatures, an empty one unless one was stored; any other
  // kernel object a test stores is handed out as it is, for the reader's
  // type test.
  const kern_Object& ConstGetEngineeringFeatures() const;
  void SetEngineeringFeatures(const kern_Object& features) {
    engineeringFeatures_ = cow_COW<kern_Object>(features);
  }
  // The flag that guards access to the engineering features: clear while
  // the kernel may not hand them out. Set unless cleared.
  bool EngineeringFeaturesReady() const { return featuresReady_; }
  void SetEngineeringFeaturesReady(bool ready) { featuresReady_ = ready; }

  // The object's evaluated representation (brp_Body.h), or null when the
  // object has no geometry. Copies of the object share it.
  const brp_Body* EvaluatedBody() const { return evaluatedBody_.get(); }
  void SetEvaluatedBody(std::shared_ptr<const brp_Body> body) { evaluatedBody_ = std::move(body); }

 private:
  ftr_FeatureList features_;
  std::shared_ptr<const brp_Body> evaluatedBody_;
  cow_COW<kern_Object> engineeringFeatures_;
  bool featuresReady_ = true;
  int space_ = 2000;
  bool twistDof_ = false;
};
