// "*Cradiate": radiation to the ambient of the nodes of a set in one step:
// one data line naming the set when the emissivity is uniform, otherwise one
// line per node of the condition's region, the emissivity distributed by an
// expression field. The step-dependent pass of the interaction builder files
// one per concentrated radiation condition and step it writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Cradiate : public akw_Keyword {
 public:
  // `condition` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW"; `nodeSetName` is written as
  // it stands. `info` (an aif_ModelInfo, tested here) must outlive the
  // keyword.
  aif_Cradiate(const kinC_ConcRadiationToAmbient& condition, const cow_String& stepName,
               bool keepOp, cow_String nodeSetName, const akw_ModelInfo& info);
  aif_Cradiate(const aif_Cradiate&) = default;

  akw_Keyword* Clone() const override { return new aif_Cradiate(*this); }
  // Removed in the step (status 4): the keyword line alone. Otherwise the
  // keyword line (", amplitude=", in an explicit step ", region
  // type=SLIDING" or "EULERIAN", ", op=NEW" when asked), then the line "set,
  // nodal area, sink, emissivity" or, with a field, a line per node with the
  // emissivity times the node's value of the field; an instance without
  // coordinates is left out; a field that cannot be evaluated leaves the
  // keyword line alone, the checking messages saying why.
  // Throws (nex_canDynamicCastRef), writing nothing, when the field is an
  // analytical field but no expression field (a mapped field); and
  // cow_OutOfRange for an active condition without a concentrated
  // radiation state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String nodeSetName_;
  cow_String stepName_;
  bool keepOp_;
  kinC_ConcRadiationToAmbient condition_;
  const aif_ModelInfo& info_;
};
