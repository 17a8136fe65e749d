// "*Baseline Correction": the correction values of a tabular or equally
// spaced amplitude. The amplitude builder files it right after the
// amplitude's "*Amplitude".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kamC_Amplitude.h"

class aif_BaselineCorrection : public akw_Keyword {
 public:
  explicit aif_BaselineCorrection(const kamC_BaselineCorrection& correction);
  aif_BaselineCorrection(const aif_BaselineCorrection&) = default;

  akw_Keyword* Clone() const override { return new aif_BaselineCorrection(*this); }

  // The keyword line, then the values eight a line, separated by ", ".
  void Write(utl_Stream& stream) const override;

 private:
  kamC_BaselineCorrection correction_;
};
