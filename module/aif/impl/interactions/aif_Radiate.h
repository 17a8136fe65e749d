// "*Radiate": radiation to the ambient of a surface in one step whose
// emissivity an analytical field distributes: one data line per element
// face of the condition's region. The step-dependent pass of the
// interaction builder files one per radiation condition with a field and
// step it writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Radiate : public akw_Keyword {
 public:
  // `condition` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW". `info` (an aif_ModelInfo,
  // tested here) must outlive the keyword.
  aif_Radiate(const kinC_RadiationToAmbient& condition, const cow_String& stepName, bool keepOp,
              const akw_ModelInfo& info);
  aif_Radiate(const aif_Radiate&) = default;

  akw_Keyword* Clone() const override { return new aif_Radiate(*this); }
  // The keyword line: ", op=NEW" when asked, then (unless the condition is
  // removed in the step, status 4, which writes that line alone)
  // ", amplitude=". Then a line per element face, "member, R<face>, sink,
  // emissivity", the face label the face name with "R" for its first
  // letter, the emissivity the state's times the face's value of the field.
  // The field is evaluated for every instance first: an instance without
  // face centroids is left out; when the field cannot be evaluated the
  // keyword line stands alone and the checking messages say why.
  // Throws aif_Exception, writing nothing, when the emissivity has no field;
  // cow_OutOfRange for an active condition without a radiation state.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String stepName_;
  bool keepOp_;
  kinC_RadiationToAmbient condition_;
  const aif_ModelInfo& info_;
};
