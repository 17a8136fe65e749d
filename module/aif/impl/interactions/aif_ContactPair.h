// "*Contact Pair": one contact pair of one step, surface-to-surface or self
// contact, in the standard or the explicit form. The interaction builder
// makes one per pair and step in which the pair is written; its controls,
// clearance and change of friction are keywords of their own.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class aif_ModelInfo;
class utl_Stream;

class aif_ContactPair : public akw_Keyword {
 public:
  // `interaction` (copied) is written with its state in `stepName`; `name`
  // is the interaction's name, written as ", cpset=" when `writeCpset` is
  // set. A non-empty `geometricCorrection` is written as the
  // "geometric correction=" option. `info` names the regions and must
  // outlive the keyword.
  aif_ContactPair(const cow_String& name, const kinC_Interaction& interaction,
                  const cow_String& stepName, const aif_ModelInfo& info, bool writeCpset,
                  const cow_String& geometricCorrection = cow_String());
  aif_ContactPair(const aif_ContactPair&) = default;

  akw_Keyword* Clone() const override { return new aif_ContactPair(*this); }

  // The keyword line of the pair's kind and its data line. An elastic
  // foundation writes nothing. A pair without a state in the step is not in
  // the model there: the explicit forms write the deleting line (as for a
  // switched-off pair); the standard forms, defined from that state, throw
  // aif_Exception naming the interaction and the step. Throws aif_Exception
  // "Unimplemented interaction type for <name>" for any other kind of
  // interaction. Nothing is written before either error.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteSurfaceToSurfaceStd(utl_Stream& stream) const;
  void WriteSurfaceToSurfaceXpl(utl_Stream& stream) const;
  void WriteSelfStd(utl_Stream& stream) const;
  void WriteSelfXpl(utl_Stream& stream) const;
  // The set name that stands for `region` in the assembly.
  cow_String SurfaceName(const rgnC_Region& region) const;

  cow_String name_;
  cow_String stepName_;
  cow_String geometricCorrection_;
  cow_COW<kinC_Interaction> interaction_;
  const aif_ModelInfo* modelInfo_;
  bool writeCpset_;
};
