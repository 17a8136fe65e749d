// Whether a step's step-dependent interactions carry ", op=NEW": per step
// and per kind (nine categories), set where an interaction of the kind is
// deactivated, and in the steps a restart job restates. The interaction
// builder fills one before its step-dependent pass.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "aif/impl/core/aif_OpStatus.h"

class kinC_Interaction;

class aif_InteractionOpStatus : public aif_OpStatus {
 public:
  static constexpr int kCategoryCount = 9;

  aif_InteractionOpStatus() = default;
  aif_InteractionOpStatus(const aif_InteractionOpStatus&) = default;

  // The category of a step-dependent interaction kind: a film condition 0
  // (7 when `flag`, a film coefficient from an analytical field), radiation
  // to ambient 1, Explicit general contact 2, a concentrated film
  // condition 3, concentrated radiation 4, acoustic impedance 5, an
  // incident wave 6, pressure penetration 8. Any other type is a failed
  // assertion (nex_AssertException).
  int StatusKey(unsigned typeId, bool& flag) const override;

  // Enters `steps` (the initial step first) with every category cleared,
  // then marks the category of each unsuppressed step-dependent
  // interaction of `interactions` deactivated in a step (status 4); an
  // acoustic impedance marks nothing in the first step.
  void Build(const kprC_PropagatingContainer<kinC_Interaction>& interactions,
             const cow_List<cow_String>& steps);

  // Whether `interaction`'s keyword carries ", op=NEW" in `step`: the flag
  // of the category StatusKey gives for its kind (a film condition of
  // definition 3 taking category 7).
  bool NeedsNewOp(const kinC_Interaction& interaction, const cow_String& step) const;

  // Whether `typeId` is one of the step-dependent kinds.
  static bool IsStepDependent(unsigned typeId);
  // Whether `interaction` is a film or concentrated film condition whose
  // film coefficient comes from an analytical field (definition 3).
  static bool UsesAnalyticalFilm(const kinC_Interaction& interaction);
};
