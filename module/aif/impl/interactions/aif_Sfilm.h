// "*Sfilm": a surface film condition of one step whose film coefficient and
// sink temperature are uniform; one data line names the surface. The
// step-dependent pass of the interaction builder files one per film
// condition without a field and step it writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_FilmCondition.h"

class utl_Stream;

class aif_Sfilm : public akw_Keyword {
 public:
  // `condition` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW"; `surfaceName` is written as
  // it stands.
  aif_Sfilm(const kinC_FilmCondition& condition, const cow_String& stepName, bool keepOp,
            cow_String surfaceName);
  aif_Sfilm(const aif_Sfilm&) = default;

  akw_Keyword* Clone() const override { return new aif_Sfilm(*this); }
  // Removed in the step (status 4): the keyword line alone. Otherwise
  // ", amplitude=" (the sink amplitude; not for a user coefficient) and
  // ", film amplitude=" (a coefficient of the state only), ", op=NEW" when
  // asked, and the line "surface, F, sink, coefficient" ("F, sink,
  // property" for a film property, "FNU, sink, coefficient" for a user
  // coefficient; the surface alone for any other definition). Throws
  // cow_OutOfRange, writing nothing, for an active condition without a film
  // state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String surfaceName_;
  bool keepOp_;
  kinC_FilmCondition condition_;
  cow_String stepName_;
};
