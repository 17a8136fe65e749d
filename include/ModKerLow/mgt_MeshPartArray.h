// The mesh kernel's view of the assembly's part instances for the mesh
// checks: one mesh part per instance (its id, feature, name, mesh and the
// display-body, exclusion and lightweight tests), the array of them, and the
// query for instances with unmeshed regions.
#pragma once

#include <cstddef>
#include <vector>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class asoF_PartInstance;
class asoK_Assembly;
class bme_Mesh;

class mgt_MeshPart {
 public:
  // The mesh part of the feature `instanceId` of `assembly`; an id that is
  // no part instance gives a part without name, mesh or instance.
  mgt_MeshPart(const asoK_Assembly& assembly, unsigned instanceId);

  unsigned FeatureId() const { return id_; }
  // The instance feature, or null.
  const asoF_PartInstance* Instance() const { return instance_; }
  const cow_String& GetName() const;
  // The mesh the instance is analysed with, and the mesh of its own part
  // (the stand-in has one mesh per part: both are the part's mesh).
  const bme_Mesh* ConstGetMesh() const;
  const bme_Mesh* ConstGetNativeMesh() const;
  // A display body (kcoK_IsDisplayInstance), an excluded instance
  // (asoF_PartInstance::IsExcluded), a lightweight instance.
  bool IsDisplayBody() const;
  bool IsExcludedInstance() const;
  bool IsLightweightInstance() const;

 private:
  unsigned id_;
  const asoF_PartInstance* instance_;
};

class mgt_MeshPartArray {
 public:
  // One mesh part per part instance of `assembly` active for simulation, in
  // feature order. The flag is the kernel's and changes nothing here.
  mgt_MeshPartArray(const asoK_Assembly& assembly, bool flag);
  // One mesh part per id of `ids`, in that order.
  mgt_MeshPartArray(const asoK_Assembly& assembly, const cow_List<unsigned>& ids);

  std::size_t Length() const { return parts_.size(); }
  const mgt_MeshPart& operator[](std::size_t index) const { return parts_[index]; }
  std::vector<mgt_MeshPart>::const_iterator begin() const { return parts_.begin(); }
  std::vector<mgt_MeshPart>::const_iterator end() const { return parts_.end(); }

 private:
  std::vector<mgt_MeshPart> parts_;
};

// A set of geometric-model (instance) ids.
class gml_ScopedGCBitVect {
 public:
  void Set(unsigned id);
  bool Test(unsigned id) const { return id < bits_.size() && bits_[id]; }
  // The ids in the set, ascending.
  cow_List<unsigned> Ids() const;

 private:
  std::vector<bool> bits_;
};

// Marks in `instances` the part instances of `assembly` (active for
// simulation) that have unmeshed regions: those whose part has no mesh, or
// whose part reports unmeshed regions (ptoK_Part::HasUnmeshedRegions).
// Returns whether it marked any.
bool mgt_GetUnmeshedRegions(const asoK_Assembly& assembly, const cow_String& modelName,
                            gml_ScopedGCBitVect& instances);
