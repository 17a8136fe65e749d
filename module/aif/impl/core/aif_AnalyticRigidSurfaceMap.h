// The analytical rigid surface names of the assembly's instances, by
// instance id: the surfaces that "*Rigid Body, analytical surface=" and the
// region names of rigid surfaces refer to. Built from the assembly by the
// rigid-body generation and by aif_RegionName.
#pragma once

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_AnalyticRigidSurfaceMap {
 public:
  aif_AnalyticRigidSurfaceMap() = default;
  // Collects, in this order: for each instance active for simulation whose
  // part is an analytic rigid part, every geometric surface of the part
  // under the instance's id; then each geometric surface of the assembly
  // whose region contains an analytical rigid surface and names an instance,
  // under the first instance it names.
  explicit aif_AnalyticRigidSurfaceMap(const asoK_Assembly& assembly);

  // Appends `name` to the list of `instanceId`.
  void Add(unsigned instanceId, const cow_String& name);
  // The first name of the instance that does not begin with "_" (names the
  // writer generated); "RigidSurface_" when there is none or the instance
  // has no list.
  cow_String SurfaceName(unsigned instanceId) const;

 private:
  cow_Map<unsigned, cow_List<cow_String>> names_;
};
