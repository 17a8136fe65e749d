#include "aif/impl/steps/aif_SolutionTechnique.h"

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kSolutionTechniqueFile[] = "module/aif/impl/steps/aif_SolutionTechnique.cpp";
constexpr int kTechniqueSeparated = 1;
constexpr int kTechniqueQuasiNewton = 2;
constexpr int kDefaultReformKernel = 8;

// The step as a `Step`, type-tested.
template <class Step>
const kprC_AnalysisStep& TechniqueStepAs(const kprC_AnalysisStep& step, int line) {
  return nex_canDynamicCastRef<const Step>(step, kSolutionTechniqueFile, line);
}

}  // namespace

void aif_SolutionTechnique::Write(utl_Stream& stream) const {
  const unsigned id = step_->DynTypeId();
  const kprC_AnalysisStep* separated =
      id == kprC_CoupledTempDisplacementStep::kTypeId
          ? &TechniqueStepAs<kprC_CoupledTempDisplacementStep>(*step_, __LINE__)
      : id == kprC_CoupledThermalElectricStep::kTypeId
          ? &TechniqueStepAs<kprC_CoupledThermalElectricStep>(*step_, __LINE__)
          : nullptr;
  if (separated) {
    if (separated->SolutionTechnique() == kTechniqueSeparated) {
      stream << "*Solution Technique, type=SEPARATED";
      stream.LineBreak();
    }
    return;
  }
  const kprC_AnalysisStep* quasiNewton =
      id == kprC_StaticStep::kTypeId      ? &TechniqueStepAs<kprC_StaticStep>(*step_, __LINE__)
      : id == kprC_GeostaticStep::kTypeId ? &TechniqueStepAs<kprC_GeostaticStep>(*step_, __LINE__)
      : id == kprC_SoilsStep::kTypeId     ? &TechniqueStepAs<kprC_SoilsStep>(*step_, __LINE__)
      : id == kprC_ViscoStep::kTypeId     ? &TechniqueStepAs<kprC_ViscoStep>(*step_, __LINE__)
      : id == kprC_ImplicitDynamicsStep::kTypeId
          ? &TechniqueStepAs<kprC_ImplicitDynamicsStep>(*step_, __LINE__)
      : id == kprC_HeatTransferStep::kTypeId
          ? &TechniqueStepAs<kprC_HeatTransferStep>(*step_, __LINE__)
          : nullptr;
  if (!quasiNewton || quasiNewton->SolutionTechnique() != kTechniqueQuasiNewton) return;
  stream << "*Solution Technique, type=QUASI-NEWTON";
  if (quasiNewton->ReformKernel() != kDefaultReformKernel)
    stream << ", reform kernel=" << quasiNewton->ReformKernel();
  stream.LineBreak();
}
