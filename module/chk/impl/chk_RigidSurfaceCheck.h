// The rigid surface check: a discrete or analytical rigid part instance of the
// root assembly needs a reference point unless a rigid-body constraint covers
// it (an error); an analytical rigid instance that no surface refers to gets
// no surface in the input file (a warning), its surfaces must all lie on one
// side (an error listing them), and the host's sketch test must accept its
// part (its message as an error).
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kut_Check.h"

class asoF_PartInstance;
class asoK_Assembly;
class ptoK_Part;
class rgnC_Region;

class chk_RigidSurfaceCheck : public kut_Check {
 public:
  chk_RigidSurfaceCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_RigidSurfaceCheck(const chk_RigidSurfaceCheck& other);
  ~chk_RigidSurfaceCheck() override;

  chk_RigidSurfaceCheck* Clone() const override;
  void Run() override;

  // The ids of the instances rigid-body constraints cover, as collected by
  // the runs so far (a check runs once).
  const cow_List<unsigned>& RigidBodyInstances() const { return rigidBodyInstances_; }

 private:
  void CollectRigidBodyInstances(const asoK_Assembly& assembly);
  cow_List<unsigned> RegionInstanceIds(const rgnC_Region& region,
                                       const asoK_Assembly& assembly) const;
  void CheckReferencePoint(const asoF_PartInstance& instance);
  void CheckAnalyticSurfaces(const asoF_PartInstance& instance, const asoK_Assembly& assembly);
  void CheckAnalyticSketch(const asoF_PartInstance& instance, const ptoK_Part& part);

  cow_List<unsigned> rigidBodyInstances_;
};
