// "*Fixed Mass Scaling" with its comment lines: one mass scaling definition
// of an explicit step that scales the mass at the start of the step. Made by
// the step builder after the procedure keyword and the bulk viscosity.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_StepRecords.h"

class utl_Stream;

class aif_FixedMassScaling : public akw_Keyword {
 public:
  // `regionName`: the qualified name of the scaling's element set, written
  // when the scaling applies to a region rather than the whole model.
  aif_FixedMassScaling(const kprC_MassScaling& scaling, const cow_String& regionName)
      : scaling_(scaling), regionName_(regionName) {}
  aif_FixedMassScaling(const aif_FixedMassScaling&) = default;

  akw_Keyword* Clone() const override { return new aif_FixedMassScaling(*this); }
  // Reinitialize mass: the comment lines and "*Fixed Mass Scaling" with the
  // element set. Semi-automatic: the same, then the target increment with its
  // type, ", factor=" when the factor is not 0 and, for a scaling applied at
  // intervals, the interval option. Any other application writes nothing
  // (fixed scaling has no form for it).
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassScaling scaling_;
  cow_String regionName_;
};
