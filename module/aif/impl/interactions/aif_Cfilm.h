// "*Cfilm": a concentrated film condition of one step on the nodes of a set:
// one data line naming the set when nothing is distributed by a field,
// otherwise one line per node of the condition's region. The
// step-dependent pass of the interaction builder files one per concentrated
// film condition and step it writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_FilmCondition.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Cfilm : public akw_Keyword {
 public:
  // `condition` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW"; `nodeSetName` is written as
  // it stands. `info` (an aif_ModelInfo, tested here) must outlive the
  // keyword.
  aif_Cfilm(const kinC_ConcFilmCondition& condition, const cow_String& stepName, bool keepOp,
            cow_String nodeSetName, const akw_ModelInfo& info);
  aif_Cfilm(const aif_Cfilm&) = default;

  akw_Keyword* Clone() const override { return new aif_Cfilm(*this); }
  // Removed in the step (status 4): the keyword line alone. Otherwise the
  // keyword line (", amplitude=" the sink amplitude, not for a user
  // coefficient; ", film amplitude=" for a coefficient of the state; in an
  // explicit step ", region type=SLIDING" or "EULERIAN"; ", user" for a user
  // coefficient; ", op=NEW" when asked), then either the line "set, nodal
  // area, sink, coefficient" when no field distributes a value, or a line
  // per node, "node, nodal area, sink, coefficient", the sink and the
  // coefficient each times the node's value of its field (see aif_Film for
  // instances without a table or points, and for a failed evaluation, which
  // leaves the keyword line alone). A film property's name stands in place
  // of the coefficient on the set line and on the node lines alike: its
  // coefficient is the property's, which no number of the state gives.
  // Throws cow_OutOfRange, writing nothing, for an active condition without
  // a concentrated film state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String nodeSetName_;
  bool keepOp_;
  kinC_ConcFilmCondition condition_;
  cow_String stepName_;
  const aif_ModelInfo& info_;
};
