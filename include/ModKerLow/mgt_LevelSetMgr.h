// The level-set services of an XFEM crack: from the crack's domain and its
// initial crack, the signed distances of the domain's nodes to the crack
// (one value a node, a second one where the crack front is near). The
// stand-in computes nothing: it answers what a test stored on the crack
// domain (rgnC_Region::SetKernelLevelSets).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

class ftr_PrimaryObject;

using mgt_LevelSetValue = rgnC_LevelSetNode;

class mgt_LevelSetMgr {
 public:
  // The manager of the crack with domain `crackDomain` and initial crack
  // `initialCrack` in the assembly `assembly` (may be null) of model
  // `modelName`.
  mgt_LevelSetMgr(const cow_String& modelName, const ftr_PrimaryObject* assembly,
                  const rgnC_Region& crackDomain, const rgnC_Region& initialCrack);

  // Whether the manager can work: both regions resolve in the model; after
  // ComputeLevelSets, also whether the computation succeeded.
  bool Valid() const { return valid_; }
  // Computes the level sets; a failed computation leaves the manager
  // invalid and without values.
  void ComputeLevelSets();
  // The computed values in the kernel's order; empty before ComputeLevelSets.
  const cow_List<mgt_LevelSetValue>& GetLevelSetData() const { return values_; }
  // The name of the instance whose nodes the values belong to; empty when
  // they belong to the assembly.
  const cow_String& InstanceName() const { return instance_; }

  // Why the manager is not valid: the kernel's error type
  // (mgt_LevelSetErrorType; 1 to 17 name a cause, 18 and above a failed
  // computation); 0 while it is valid. The stand-in answers the type a test
  // stored on the crack domain (rgnC_Region::SetKernelLevelSetErrorType).
  int ErrorType() const { return valid_ ? 0 : domain_.KernelLevelSetErrorType(); }

 private:
  rgnC_Region domain_;
  bool valid_ = false;
  cow_List<mgt_LevelSetValue> values_;
  cow_String instance_;
};
