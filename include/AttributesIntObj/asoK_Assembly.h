// The root assembly: a primary object whose feature list holds the part
// instances, and the kernel routines the writer asks about its labels and
// attachment nodes.
#pragma once

#include <memory>

#include "AttributesIntObj/asoK_AttachmentRecord.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/gml_GeometricComponent.h"
#include "QivBasicUtils/omi_BlkBitVect.h"
#include "QivGeom/gsl_Point.h"
#include "VwrModKer/ftr_FeatureList.h"

class asoF_PartInstance;
class ptoK_Part;

class asoK_Assembly : public ftr_PrimaryObject {
 public:
  static constexpr unsigned kTypeId = 0x0700001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  asoK_Assembly* Clone() const override { return new asoK_Assembly(*this); }

  explicit asoK_Assembly(cow_String name = "Assembly") : name_(std::move(name)) {}
  const cow_String& Name() const { return name_; }

  // The kernel's yes/no query on the assembly: yes means its input file is
  // written without parts and assembly (flat).
  bool RequiresFlatInputFile() const { return requiresFlat_; }
  void SetRequiresFlatInputFile(bool flat) { requiresFlat_ = flat; }

  // The modelling space (IsSpace, SetSpace) is the primary object's.

  // The part `instance` was made from, with its attributes.
  static const ptoK_Part& GetOriginalPart(const asoF_PartInstance& instance);

  // The assembly's own attributes, in list order: section assignments of its
  // wires (ptoC_SectionAssignment with a connector or MPC section) and
  // connector orientations (ptoC_ConnectorOrientation).
  const cow_List<cow_COW<kern_Object>>& SectionAssignments() const { return assignments_; }
  const cow_List<cow_COW<kern_Object>>& ConnectorOrientations() const { return orientations_; }
  void AddSectionAssignment(const kern_Object& assignment) {
    assignments_.Append(cow_COW<kern_Object>(assignment));
  }
  void AddConnectorOrientation(const kern_Object& orientation) {
    orientations_.Append(cow_COW<kern_Object>(orientation));
  }
  // The recovery sets of the substructure instances, each named by the
  // instance, "." and what is recovered there ("node", "elem" or "all").
  const cow_List<cow_String>& SubstructureRecoverySetNames() const { return recoverySets_; }
  void AddSubstructureRecoverySetName(const cow_String& name) { recoverySets_.Append(name); }

  // Lock and regeneration state and the reinforcements the mesh check reads.
  // A reinforcement is a skin or a stringer of a part instance (instance id;
  // ftr_kAssemblyId for the assembly's own) with the geometric components of
  // its regions (asoK_ReinforcementMgr hands them out).
  struct Reinforcement {
    cow_String name;
    int id = 0;
    unsigned instanceId = 0;
    bool stringer = false;
    cow_List<gml_GeometricComponent> components;
  };
  bool IsLocked() const { return locked_; }
  bool IsDatabaseLocked() const { return databaseLocked_; }
  void SetLocked(bool locked) { locked_ = locked; }
  void SetDatabaseLocked(bool locked) { databaseLocked_ = locked; }
  const cow_List<Reinforcement>& Reinforcements() const { return reinforcements_; }
  void AddReinforcement(const Reinforcement& reinforcement) { reinforcements_.Append(reinforcement); }
  // Whether the assembly must be regenerated before it is used (no unless set).
  bool IsOutOfDate() const { return outOfDate_; }
  void SetOutOfDate(bool outOfDate) { outOfDate_ = outOfDate; }

 private:
  cow_String name_;
  bool requiresFlat_ = false;
  cow_List<cow_COW<kern_Object>> assignments_;
  cow_List<cow_COW<kern_Object>> orientations_;
  cow_List<cow_String> recoverySets_;
  bool locked_ = false;
  bool databaseLocked_ = false;
  cow_List<Reinforcement> reinforcements_;
  bool outOfDate_ = false;
};

// The recovery sets of the substructure instances of `assembly` (null: none)
// in model `modelName`: "Instance.word" each.
inline cow_List<cow_String> asoK_GetSubstructureRecoverySetNames(const asoK_Assembly* assembly,
                                                                 const cow_String& modelName) {
  (void)modelName;
  return assembly ? assembly->SubstructureRecoverySetNames() : cow_List<cow_String>();
}

// Whether the node labels of the features `ids` collide, the labels in use
// added to `used`. A feature's node labels are its mesh's user labels when
// every node has one, else 1 to the node count; features without a mesh have
// none. Labels collide when two features use the same label.
bool asoK_V5NodeLabelsConflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids,
                               omi_BlkBitVect& used);
// The same for element labels (an element class's user labels when it has
// them for every element, else the mesh-wide index + 1).
bool asoK_V5ElemLabelsConflict(const asoK_Assembly& assembly, const cow_List<unsigned>& ids,
                               omi_BlkBitVect& used);
// The number of attachment nodes of feature `id` (points and lines; for the
// assembly, ftr_kAssemblyId, the highest position its records use).
int asoK_NumberAttachmentNodes(const ftr_FeatureList& features, unsigned id);
// Numbers the attachment nodes of feature `id` after `base`, into two tables.
// A part instance: its attachment points get base+1, base+2, ... in `first`
// (keyed by point index from 0), then its attachment lines the following
// labels in `second`, one node each. The assembly (ftr_kAssemblyId): `first`
// holds its attachment lines, each record with the nodes of both ends, and
// `second` its single attachment nodes; each node is base + the position the
// feature list stores for it. The stand-in knows no attachment geometry:
// every node lies at the origin. False, with the tables untouched, when `id`
// is not a part instance and not an assembly with attachment records.
bool asoK_GetAttachmentNodeNumbers(const ftr_FeatureList& features, unsigned id,
                                   asoK_AttachmentTree& first, asoK_AttachmentTree& second,
                                   int base);
// How often asoK_GetAttachmentNodeNumbers was called (for tests of caching).
long asoK_AttachmentQueries();

// The vertex-surface name pairs stored for `surface`, copied into `pairs`;
// false when there are none.
bool rgnK_GetVertexSurfaceNamePairs(const ftr_FeatureList& features, const cow_String& surface,
                                    cow_Map<int, cow_String>& pairs);

// Whether the assembly holds any part instance (active or not) or reference
// points of its own.
bool asoK_HasInstanceOrRefPts(const asoK_Assembly& assembly);
