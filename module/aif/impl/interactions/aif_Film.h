// "*Film": a surface film condition of one step whose film coefficient or
// sink temperature (or both) a field distributes: one data line per element
// face of the condition's region. The step-dependent pass of the
// interaction builder files one per film condition with a field and step it
// writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_FilmCondition.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Film : public akw_Keyword {
 public:
  // `condition` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW". `info` (an aif_ModelInfo,
  // tested here) must outlive the keyword.
  aif_Film(const kinC_FilmCondition& condition, const cow_String& stepName, bool keepOp,
           const akw_ModelInfo& info);
  aif_Film(const aif_Film&) = default;

  akw_Keyword* Clone() const override { return new aif_Film(*this); }
  // Removed in the step (status 4): the keyword line alone. Otherwise the
  // keyword line (", amplitude=" the sink amplitude, ", film amplitude=",
  // then ", op=NEW" when asked) and a line per element face:
  // "member, F<face>, sink, coefficient", the face label the face name with
  // "F" for its first letter, each value the state's times the member's
  // value of its field (a coefficient or sink without a field, and every
  // face of an instance a discrete field has no table for, keep the state's
  // value), a film property's name in place of the coefficient. The fields
  // are evaluated for every instance first: when one cannot be, the keyword
  // line stands alone and the checking messages say why.
  // Throws aif_Exception, writing nothing, when neither value has a field;
  // cow_OutOfRange for an active condition without a film state.
  void Write(utl_Stream& stream) const override;

 private:
  bool keepOp_;
  kinC_FilmCondition condition_;
  cow_String stepName_;
  const aif_ModelInfo& info_;
};
