// "*Bulk Viscosity": the linear and quadratic bulk viscosity parameters of an
// explicit step. Made by the step builder after the explicit procedure
// keyword; it refers to the model's own step, which outlives the write.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class kprC_AnalysisStep;
class utl_Stream;

class aif_BulkViscosity : public akw_Keyword {
 public:
  explicit aif_BulkViscosity(const kprC_AnalysisStep& step) : step_(&step) {}
  aif_BulkViscosity(const aif_BulkViscosity&) = default;

  akw_Keyword* Clone() const override { return new aif_BulkViscosity(*this); }
  // For an explicit dynamics or explicit temperature-displacement step, the
  // line "*Bulk Viscosity" and the data line "linear, quadratic"; for any
  // other kind of step nothing.
  void Write(utl_Stream& stream) const override;

 private:
  const kprC_AnalysisStep* step_;
};
