// "*Connector Motion": a displacement, velocity or acceleration condition on
// the components of connector elements in one step, with real and imaginary
// parts or buckling load cases; or the keyword line alone where the
// condition is deactivated.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbcC_BC.h"

class aif_ConnectorMotion : public akw_Keyword {
 public:
  // `condition` (copied) in `stepName`, written on the connector element set
  // `setName` (as given). `modify` says the block modifies the previous
  // step's definition (no ", op=NEW"); components carried over from an
  // earlier step are then left out unless the amplitude is set in the step.
  // `scale` multiplies every value written.
  aif_ConnectorMotion(const kbcC_BC& condition, const cow_String& setName,
                      const cow_String& stepName, bool modify, const cow_String& initialStepName,
                      double scale);
  aif_ConnectorMotion(const aif_ConnectorMotion&) = default;

  akw_Keyword* Clone() const override { return new aif_ConnectorMotion(*this); }

  // The block for the condition's kind; the keyword line alone for a
  // deactivated condition. Throws aif_Exception "Unimplemented
  // ConnectorMotion condition in input file." for a condition that is no
  // connector displacement, velocity or acceleration, before anything is
  // written.
  void Write(utl_Stream& stream) const override;

  // "*Connector Motion" with op, amplitude, load case (0 none, 1 real or
  // "load case=1" in a buckling step, 2 imaginary or "load case=2"), fixed
  // and user options; the line end when `lineEnd`.
  void WriteHeader(utl_Stream& stream, int distribution, bool fixed, int loadCase,
                   bool lineEnd) const;
  void WriteDisplacement(utl_Stream& stream) const;
  void WriteVelocity(utl_Stream& stream) const;
  void WriteAcceleration(utl_Stream& stream) const;
  // One data line per component 1 to 6 written in the step, with the
  // condition's real parts (WriteLines) or `values` (WriteComplexLines).
  void WriteLines(utl_Stream& stream, const cow_String& setName, const kbcC_BC& condition,
                  bool noValue) const;
  void WriteComplexLines(utl_Stream& stream, const cow_String& setName, const kbcC_BC& condition,
                         const double (&values)[6], bool noValue) const;
  // `setName`, `componentText` (", 3") and, unless `noValue` or the scaled
  // value is 0, ", " and scale x value; then the line end.
  void WriteDataLine(utl_Stream& stream, const cow_String& setName, const cow_String& componentText,
                     double value, bool noValue) const;

  bool Inactive() const { return inactive_; }
  bool Modify() const { return modify_; }
  const cow_String& AmplitudeName() const { return amplitude_; }

 private:
  // Whether the step is a buckling step (never the initial step, nor a step
  // without a step object).
  bool InBucklingStep() const;

  bool opNew_ = false;
  cow_COW<kbcC_BC> condition_;
  cow_String stepName_;
  cow_String setName_;
  cow_String amplitude_;
  bool inactive_ = false;
  double scale_ = 1.0;
  bool modify_ = false;
  cow_String initialStepName_;
};
