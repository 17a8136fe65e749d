// "*Global Damping": Rayleigh and structural damping a substructure
// generation step applies to a field of the whole model. Made by the step
// builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/omu_PrimEnum.h"

class aif_GlobalDamping : public akw_Keyword {
 public:
  using Field = omu_PrimEnum<kprC_SubstructureGenerateStep::GlobalDampingEnm, 1>;

  aif_GlobalDamping(Field field, double alpha, double beta, double structural)
      : field_(field), alpha_(alpha), beta_(beta), structural_(structural) {}
  aif_GlobalDamping(const aif_GlobalDamping&) = default;

  akw_Keyword* Clone() const override { return new aif_GlobalDamping(*this); }
  // Nothing for field 0 (no global damping). Otherwise "*Global Damping,
  // field=" with ACOUSTIC (2), MECHANICAL (3) or ALL (any other value), then
  // ", alpha=", ", beta=" and ", structural=" for each value that is not 0;
  // every option after an optional break.
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return field_.IntValue() == 0; }

 private:
  Field field_;
  double alpha_;
  double beta_;
  double structural_;
};
