// The reinforcement manager: the skins and stringers of an assembly and the
// geometric components of their regions. The stand-in reads the records
// stored on the assembly (asoK_Assembly::AddReinforcement).
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/gml_GeometricComponent.h"

class rftK_ReinfManager {
 public:
  virtual ~rftK_ReinfManager() = default;
  virtual void Refresh() {}
  virtual void Release() {}
};

class asoK_ReinforcementMgr : public rftK_ReinfManager {
 public:
  // Appends the skins and the stringers of `assembly`, each in record order,
  // to three parallel lists per kind: names, ids and instance ids. The flag
  // and the assembly id are the kernel's and change nothing here.
  void GetReinforcementNamesAndIds(const asoK_Assembly& assembly, cow_List<cow_String>& skinNames,
                                   cow_List<int>& skinIds, cow_List<unsigned>& skinInstances,
                                   cow_List<cow_String>& stringerNames, cow_List<int>& stringerIds,
                                   cow_List<unsigned>& stringerInstances, bool flag,
                                   unsigned assemblyId) const {
    (void)flag;
    (void)assemblyId;
    for (const asoK_Assembly::Reinforcement& r : assembly.Reinforcements()) {
      (r.stringer ? stringerNames : skinNames).Append(r.name);
      (r.stringer ? stringerIds : skinIds).Append(r.id);
      (r.stringer ? stringerInstances : skinInstances).Append(r.instanceId);
    }
  }
  // Appends to `components` the geometric components of the reinforcement
  // `id` on instance `instanceId`.
  void GetReinforcementComps(const asoK_Assembly& assembly, int id,
                             cow_List<gml_GeometricComponent>& components,
                             unsigned instanceId) const {
    for (const asoK_Assembly::Reinforcement& r : assembly.Reinforcements())
      if (r.id == id && r.instanceId == instanceId) components.Append(r.components);
  }
};
