// "*Solution Technique": the separated technique of a coupled step or the
// quasi-Newton technique of a static, geostatic, soils, visco, implicit
// dynamics or heat transfer step. The step builder files it after the
// procedure keyword of those kinds.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class kprC_AnalysisStep;
class utl_Stream;

class aif_SolutionTechnique : public akw_Keyword {
 public:
  // `step` is the model's own step, which outlives the write.
  explicit aif_SolutionTechnique(const kprC_AnalysisStep& step) : step_(&step) {}
  aif_SolutionTechnique(const aif_SolutionTechnique&) = default;

  akw_Keyword* Clone() const override { return new aif_SolutionTechnique(*this); }
  // "*Solution Technique, type=SEPARATED" for a coupled temperature-
  // displacement or thermal-electrical step with technique 1;
  // "*Solution Technique, type=QUASI-NEWTON" (", reform kernel=" unless 8)
  // for the quasi-Newton kinds with technique 2; nothing otherwise. A step
  // that is not of the class its type id names fails the type test.
  void Write(utl_Stream& stream) const override;

 private:
  const kprC_AnalysisStep* step_;
};
