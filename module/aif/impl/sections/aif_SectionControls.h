// "*Section Controls, name=...": the element controls a section refers to
// through its "controls=" option, written from the element control
// parameters of a section assignment. The part-attributes builder makes one
// per controls definition and files it in the model definition; it writes
// nothing when the parameters are the defaults of the analysis product's
// element library.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"

class aif_SectionControls : public akw_Keyword {
 public:
  // `analysisProduct`: the code aif_ModelInfo::AnalysisProduct returns; 0, 1
  // and 2 select the element libraries 1, 2 and 3, any other code library 0.
  aif_SectionControls(const bme_ElemCtrlParams& params, cow_String name, int analysisProduct);
  aif_SectionControls(const aif_SectionControls&) = default;

  akw_Keyword* Clone() const override { return new aif_SectionControls(*this); }
  // The keyword line with the options that differ from their defaults
  // (distortion control, length ratio, element deletion, kinematic split,
  // max degradation, hourglass, second order accuracy, viscosity, stress
  // rate, weight factor, in that order; the line goes on on the next one
  // after the comma that passes the break column, or before an option that
  // would take it past 256 characters), then the data line of the scaling
  // factors: "s1, s2, s3", and ", s4, s5" unless both are 1. Nothing when
  // IsEmpty.
  void Write(utl_Stream& stream) const override;
  // True when the parameters hold the section-control defaults of the
  // library the analysis product selects.
  bool IsEmpty() const override;

  // The element library of an analysis product: 0 -> 1, 1 -> 2, 2 -> 3,
  // anything else -> 0.
  static int LibraryOf(int analysisProduct);

 private:
  cow_String name_;
  int analysisProduct_;
  bme_ElemCtrlParams params_;
};
