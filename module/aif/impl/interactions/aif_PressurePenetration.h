// "*Pressure Penetration": fluid pressure penetrating a standard contact pair
// in one step, with one data line per penetration region. Complex loading
// writes the keyword once for the real and once for the imaginary part. The
// step-dependent pass of the interaction builder files one per interaction
// and step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class utl_Stream;

class aif_PressurePenetration : public akw_Keyword {
 public:
  // `interaction` must be a kinC_PressurePenetration (tested in Write),
  // written with its status and state in `stepName`; `keepOp` false adds
  // ", op=NEW". `info` names the regions and must outlive the keyword.
  aif_PressurePenetration(const cow_String& stepName, const cow_COW<kinC_Interaction>& interaction,
                          bool keepOp, const aif_ModelInfo& info);
  aif_PressurePenetration(const aif_PressurePenetration&) = default;

  akw_Keyword* Clone() const override { return new aif_PressurePenetration(*this); }
  // Deactivated in the step (status 4): the keyword line with the contact's
  // two surfaces (and ", op=NEW" when asked) alone. Otherwise per part
  // written (the plain one; or real, then imaginary, each only when some
  // value has such a part, both when none has) the keyword line with the
  // amplitude, the penetration time outside perturbation steps and the part,
  // then one line per region: the region, its partner (an empty field
  // without one), the fluid pressure and the critical contact pressure.
  // Throws, writing nothing, when the contact is missing or not a standard
  // surface-to-surface contact, when the step has no state, and
  // (aif_Exception naming the interaction) when fewer pressure values than
  // regions are given.
  void Write(utl_Stream& stream) const override;

 private:
  bool keepOp_;
  cow_String stepName_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* info_;
};
