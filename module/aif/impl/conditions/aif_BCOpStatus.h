// Whether a step's boundary conditions carry ", op=NEW": per analysis step
// and per category (0 the boundary kinds and bolt loads, 1 the connector
// motions), set where a condition of the category is deactivated or really
// modified, or a bolt load's method changes or is removed. The
// boundary-condition builder fills one before it writes any condition.
#pragma once

#include "aif/impl/core/aif_OpStatus.h"

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kbcC_BC;
class kloC_Load;

class aif_BCOpStatus : public aif_OpStatus {
 public:
  static constexpr int kCategoryCount = 2;

  aif_BCOpStatus() = default;
  aif_BCOpStatus(const aif_BCOpStatus&) = default;

  // 0 for the boundary kinds and the bolt load, 1 for the connector
  // displacement, velocity and acceleration; throws aif_Exception
  // "Unimplemented bc->statusKey conversion" for any other type. `flag` is
  // not read.
  int StatusKey(unsigned typeId, bool& flag) const override;

  // Enters `steps` (the initial step first) with both categories cleared,
  // then marks the conditions and the bolt loads from the second step on.
  void BuildBCOpStatus(const kprC_PropagatingContainer<kbcC_BC>& conditions,
                       const kprC_PropagatingContainer<kloC_Load>& loads,
                       const cow_List<cow_String>& steps);

 private:
  // Marks category 0 in the steps where an unsuppressed bolt load's method
  // is changed (any status but 1), or where it is removed (4) with a method
  // other than 0; status 8 marks nothing.
  void MarkBoltLoads(const kprC_PropagatingContainer<kloC_Load>& loads);
};
