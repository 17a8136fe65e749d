// "*Simpedance": an acoustic impedance interaction in one step, naming its
// impedance property or giving a nonreflecting boundary of a shape, with the
// data line of its surface. The step-dependent pass of the interaction
// builder files one per impedance and step it writes.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_AcousticImpedance.h"

class utl_Stream;

class aif_AcousticImpedance : public akw_Keyword {
 public:
  // `interaction` (copied) is written with its status and state in
  // `stepName`; `keepOp` false adds ", op=NEW"; `regionName` is the
  // qualified name of its surface, written as it stands.
  aif_AcousticImpedance(const kinC_AcousticImpedance& interaction, const cow_String& stepName,
                        bool keepOp, const cow_String& regionName);
  aif_AcousticImpedance(const aif_AcousticImpedance&) = default;

  akw_Keyword* Clone() const override { return new aif_AcousticImpedance(*this); }
  // Deactivated in the step (status 4): the keyword line alone, with
  // ", op=NEW" when asked. Otherwise ", property=NAME" (the step's property)
  // or ", nonreflecting=SHAPE", ", op=NEW" behind an optional line break
  // when asked, and the data line: the surface, then the shape's values
  // (circular and spherical one, elliptical and prolate spheroidal eight).
  // Throws cow_OutOfRange, writing nothing, for a property impedance without
  // a state in the step.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String regionName_;
  bool keepOp_;
  kinC_AcousticImpedance impedance_;
  cow_String stepName_;
};
