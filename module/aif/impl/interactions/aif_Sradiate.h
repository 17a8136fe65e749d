// "*Sradiate": radiation to the ambient of a surface in one step, its
// emissivity uniform; one data line names the surface. The step-dependent
// pass of the interaction builder files one per radiation condition without
// a field and step it writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"

class utl_Stream;

class aif_Sradiate : public akw_Keyword {
 public:
  // `condition` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW"; `surfaceName` is written as
  // it stands.
  aif_Sradiate(const kinC_RadiationToAmbient& condition, const cow_String& stepName, bool keepOp,
               cow_String surfaceName);
  aif_Sradiate(const aif_Sradiate&) = default;

  akw_Keyword* Clone() const override { return new aif_Sradiate(*this); }
  // Removed in the step (status 4): the keyword line alone. Otherwise
  // ", amplitude=" (not for the averaged kind 1), ", op=NEW" when asked, and
  // the line "surface, R, sink, emissivity", or "surface, AVG, 0.0,
  // emissivity" for kind 1. Throws cow_OutOfRange, writing nothing, for an
  // active condition without a radiation state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String surfaceName_;
  bool keepOp_;
  kinC_RadiationToAmbient condition_;
  cow_String stepName_;
};
