// "*Variable Mass Scaling" with its comment lines: one mass scaling
// definition of an explicit step that scales the mass during the step. Made
// by the step builder after the procedure keyword and the bulk viscosity.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_StepRecords.h"

class utl_Stream;

class aif_VariableMassScaling : public akw_Keyword {
 public:
  // `regionName`: the qualified name of the scaling's element set, written
  // when the scaling applies to a region rather than the whole model.
  aif_VariableMassScaling(const kprC_MassScaling& scaling, const cow_String& regionName)
      : scaling_(scaling), regionName_(regionName) {}
  aif_VariableMassScaling(const aif_VariableMassScaling&) = default;

  akw_Keyword* Clone() const override { return new aif_VariableMassScaling(*this); }
  // Disable throughout step: the kind comment and "*Variable Mass Scaling".
  // Automatic (rolling): the comment lines, "*Variable Mass Scaling" with the
  // element set, ", type=rolling, feed rate=" and the rate, a comma ending
  // the line, then "extruded length=", ", cross section=", ", direction=" (1,
  // 2 or 3; none for selector 3) and the interval option. Semi-automatic: the
  // comment lines, the keyword with the element set, the target increment
  // with its type and, for a scaling applied at intervals, the interval
  // option. Any other application writes nothing.
  // A rolling direction selector outside 0 to 3 throws aif_Exception
  // "Corrupted Explicit Dynamics step in input file writing" before anything
  // is written.
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassScaling scaling_;
  cow_String regionName_;
};
