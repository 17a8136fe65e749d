// Whether the load keywords of one kind (category) carry ", op=NEW" in a
// step: always in a step where a load of the kind is removed or a bolt load
// changes its method, and in every analysis step for kinds whose loads
// overlap. The load builder fills one before it writes any load and asks it
// once per load and step.
#pragma once

#include "aif/impl/core/aif_OpStatus.h"

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class kloC_Load;

class aif_LoadOpStatus : public aif_OpStatus {
 public:
  // One category per load keyword kind and form.
  static constexpr int kCategoryCount = 19;

  aif_LoadOpStatus() = default;
  aif_LoadOpStatus(const aif_LoadOpStatus&) = default;

  // The category (0 to 18) of a load of kernel type `typeId`; `selector` says
  // whether the load's magnitude comes from a field, which parts the element
  // and surface keywords of one kind. Categories follow the keyword written:
  // loads of two kinds written by the same keyword share one. Throws
  // aif_Exception "Unimplemented load->OP status conversion" for any other
  // type.
  int StatusKey(unsigned typeId, bool& selector) const override;

  // The selector every question about `load` uses: the field query the load
  // builder dispatches its keyword on.
  static bool UsesField(const kloC_Load& load);

  // Enters `steps` (the unsuppressed step names, the initial step first) with
  // every category cleared, then runs both passes below.
  void BuildLoadOpStatus(const kprC_PropagatingContainer<kloC_Load>& loads,
                         const cow_List<cow_String>& steps, const aif_ModelInfo& info);
  // Whether the keyword of `load` carries ", op=NEW" in `step`. A step that
  // was never entered raises cow_OutOfRange.
  bool LoadNeedsNewOp(const kloC_Load& load, const cow_String& step) const;

  // Pass 1: flags, in each analysis step, the category of every unsuppressed
  // load deactivated there (status 4) and of every bolt load modified there
  // (status 3) whose method changed.
  void MarkDeactivatedLoads(const kprC_PropagatingContainer<kloC_Load>& loads);
  // Pass 2: flags in every analysis step the categories whose unsuppressed
  // loads overlap: two loads of one category on the same region name, or two
  // field-given loads of one type whose regions share a node.
  void MarkOverlappingLoads(const kprC_PropagatingContainer<kloC_Load>& loads,
                            const aif_ModelInfo& info);
};
