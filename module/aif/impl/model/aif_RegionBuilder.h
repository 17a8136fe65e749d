// Files the model's named regions: the node sets, element sets and surfaces
// of every part instance (once in its part for lightweight instances) and of
// the assembly, and the node-based surfaces that contact names by node set.
// Outside a restart it then generates what the mesh needs at its own seams:
// rigid bodies for instances of rigid parts, ties across incompatible and
// mixed-order mesh faces and edges, and shell-to-solid couplings.
//
// In a restart job every region is named from the model level and filed in
// the model definition, and only when the restarted job's results do not
// hold it already; nothing is generated.
//
// Nothing it writes names a mesh the deck does not hold: an instance whose
// mesh is not written (a mesh-locked instance, or a lightweight instance
// whose part's mesh no instance writes) gets no sets, surfaces, rigid body or
// seam constraints, and its members are left out of the assembly's sets and
// surfaces (a set left without members is not written, nor a node-based
// surface naming it). A rigid instance without a reference point gets no
// rigid body (its reference-point set is never written); a warning names it.
#pragma once

#include <string>
#include <unordered_set>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCore/ddb_DDBSet.h"

class aif_ModelInfo;
class asoF_PartInstance;

class aif_RegionBuilder : public akw_BuilderComponent {
 public:
  explicit aif_RegionBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_RegionBuilder(const aif_RegionBuilder&) = default;

  // Throws the type test's nex_TextException when the assembly's engineering
  // features, a rigid-body constraint or a step is not of its class, and
  // aif_Exception from the set keywords (a region that cannot be a set).
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_RegionBuilder(*this); }

 private:
  aif_ModelInfo& Info() const;
  // The region scope of part and instance regions (1) and of assembly
  // regions (2); 3 for every region of a restart job.
  int Scope(int usual) const { return restart_ ? 3 : usual; }
  // Whether the restarted job's results lack `name` of `kind` (rgnC_SetType).
  bool IsNew(const cow_String& name, int kind) const { return !catalogue_.IsMember(name, kind); }
  // Files `keyword` for `instance`: in its part's definition when the
  // instance is written once in its part, else in the instance's; in a
  // restart job in the model definition when `name` of `kind` is new.
  void FileForInstance(const asoF_PartInstance& instance, const cow_String& name, int kind,
                       const akw_Keyword& keyword);
  // Files `keyword` in the assembly definition, or as FileForInstance does
  // in a restart job.
  void FileForAssembly(const cow_String& name, int kind, const akw_Keyword& keyword);

  void InstanceSets(const asoF_PartInstance& instance);
  void InstanceSurfaces(const asoF_PartInstance& instance);
  void AssemblySets();
  void AssemblySurfaces();
  void ContactNodeSetSurfaces();
  void RigidBodies();
  void IncompatibleFaces();
  void MixedOrderInterfaces();
  void ShellSolidInterfaces();
  bool Isothermal() const;

  // Fills unwritten_ (outside a restart) the way the part and instance
  // builders decide which meshes they write.
  void FindUnwrittenMeshes();
  bool MeshWritten(unsigned id) const { return unwritten_.count(id) == 0; }
  // Leaves the members of instances with unwritten meshes out of `keyword`
  // (an assembly set or surface); false when it had members and has none
  // left, so that it is not to be filed.
  template <class Keyword>
  bool KeepWrittenMembers(Keyword& keyword) const;
  // Whether the deck holds the reference-point set of `instance`.
  bool HasReferencePoint(const asoF_PartInstance& instance) const;

  bool restart_ = false;
  ddb_DDBSet catalogue_;
  std::unordered_set<unsigned> unwritten_;
  // Names of the instances not active for simulation (never written).
  std::unordered_set<std::string> inactive_;
  // Node sets of parts that have no members ("part\nset"): written as
  // nothing, so no surface may name them.
  std::unordered_set<std::string> emptyNodeSets_;
  // Names of the assembly's node sets left out for want of members.
  std::unordered_set<std::string> leftOutNodeSets_;
};
