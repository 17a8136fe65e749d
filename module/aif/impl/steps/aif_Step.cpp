#include "aif/impl/steps/aif_Step.h"

#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kStepFile[] = "module/aif/impl/steps/aif_Step.cpp";

enum class StepNlgeomForm { kNone, kOnChange, kCarried };
// Which steps may carry the unsymm option.
enum class StepUnsymmRule { kNever, kAlways, kSeparatedTechnique, kConsolidation };

// The options a kind of step writes on its "*Step" line. `extrapolation`:
// the default extrapolation, or -1 when the kind writes no extrapolation.
// `amplitudeRamp`: the kind's own default amplitude is ramp (step
// otherwise); `amplitude` says whether the option is written at all.
struct StepOptionRow {
  unsigned typeId;
  bool perturbation;
  StepNlgeomForm nlgeom;
  int extrapolation;
  bool amplitude;
  bool amplitudeRamp;
  bool increments;
  StepUnsymmRule unsymm;
};

const StepOptionRow kStepRows[] = {
    {kprC_AnnealStep::kTypeId, false, StepNlgeomForm::kOnChange, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_ExplicitDynamicsStep::kTypeId, false, StepNlgeomForm::kOnChange, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_TempDisplacementDynamicsStep::kTypeId, false, StepNlgeomForm::kOnChange, -1, false, false,
     false, StepUnsymmRule::kNever},
    {kprC_BuckleStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_FrequencyStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_ModalDynamicsStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_RandomResponseStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_ResponseSpectrumStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_SteadyStateModalStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kNever},
    {kprC_StaticLinearPerturbationStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false,
     false, StepUnsymmRule::kAlways},
    {kprC_SteadyStateDirectStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kAlways},
    {kprC_ComplexFrequencyStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kAlways},
    {kprC_SteadyStateSubspaceStep::kTypeId, true, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kAlways},
    {kprC_GeostaticStep::kTypeId, false, StepNlgeomForm::kCarried, -1, false, false, false,
     StepUnsymmRule::kAlways},
    {kprC_CoupledTempDisplacementStep::kTypeId, false, StepNlgeomForm::kCarried, 0, true, false,
     true, StepUnsymmRule::kSeparatedTechnique},
    {kprC_CoupledThermalElectricStep::kTypeId, false, StepNlgeomForm::kNone, 0, true, false, true,
     StepUnsymmRule::kSeparatedTechnique},
    {kprC_HeatTransferStep::kTypeId, false, StepNlgeomForm::kNone, 0, true, false, true,
     StepUnsymmRule::kAlways},
    {kprC_MassDiffusionStep::kTypeId, false, StepNlgeomForm::kNone, 0, true, false, true,
     StepUnsymmRule::kNever},
    {kprC_ImplicitDynamicsStep::kTypeId, false, StepNlgeomForm::kCarried, 4, true, false, true,
     StepUnsymmRule::kAlways},
    {kprC_SoilsStep::kTypeId, false, StepNlgeomForm::kCarried, 0, true, false, true,
     StepUnsymmRule::kConsolidation},
    {kprC_StaticStep::kTypeId, false, StepNlgeomForm::kCarried, 0, true, true, true,
     StepUnsymmRule::kAlways},
    {kprC_StaticRiksStep::kTypeId, false, StepNlgeomForm::kCarried, 0, false, false, true,
     StepUnsymmRule::kAlways},
    {kprC_SubspaceDynamicsStep::kTypeId, false, StepNlgeomForm::kCarried, -1, true, false, true,
     StepUnsymmRule::kNever},
    {kprC_ViscoStep::kTypeId, false, StepNlgeomForm::kCarried, 0, true, false, true,
     StepUnsymmRule::kAlways},
    {kprC_DirectCyclicStep::kTypeId, false, StepNlgeomForm::kNone, 0, false, false, true,
     StepUnsymmRule::kAlways},
    {kprC_SubstructureGenerateStep::kTypeId, false, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kAlways},
    {kprC_FlowStep::kTypeId, false, StepNlgeomForm::kNone, -1, false, false, false,
     StepUnsymmRule::kAlways},
};

const StepOptionRow* FindStepRow(unsigned typeId) {
  for (const StepOptionRow& row : kStepRows)
    if (row.typeId == typeId) return &row;
  return nullptr;
}

// The incrementation of the kinds whose row writes extrapolation, amplitude
// or increments; every such kind holds one.
template <class Step>
const kprC_Incrementation* StepIncrementationAs(const kprC_AnalysisStep& step) {
  return &nex_canDynamicCastRef<const Step>(step, kStepFile, __LINE__).Incrementation();
}

const kprC_Incrementation& StepIncrementation(const kprC_AnalysisStep& step) {
  const unsigned id = step.DynTypeId();
  const kprC_Incrementation* incrementation =
      id == kprC_CoupledTempDisplacementStep::kTypeId
          ? StepIncrementationAs<kprC_CoupledTempDisplacementStep>(step)
      : id == kprC_CoupledThermalElectricStep::kTypeId
          ? StepIncrementationAs<kprC_CoupledThermalElectricStep>(step)
      : id == kprC_HeatTransferStep::kTypeId  ? StepIncrementationAs<kprC_HeatTransferStep>(step)
      : id == kprC_MassDiffusionStep::kTypeId ? StepIncrementationAs<kprC_MassDiffusionStep>(step)
      : id == kprC_ImplicitDynamicsStep::kTypeId
          ? StepIncrementationAs<kprC_ImplicitDynamicsStep>(step)
      : id == kprC_SoilsStep::kTypeId      ? StepIncrementationAs<kprC_SoilsStep>(step)
      : id == kprC_StaticStep::kTypeId     ? StepIncrementationAs<kprC_StaticStep>(step)
      : id == kprC_StaticRiksStep::kTypeId ? StepIncrementationAs<kprC_StaticRiksStep>(step)
      : id == kprC_SubspaceDynamicsStep::kTypeId
          ? StepIncrementationAs<kprC_SubspaceDynamicsStep>(step)
      : id == kprC_ViscoStep::kTypeId ? StepIncrementationAs<kprC_ViscoStep>(step)
                                      : StepIncrementationAs<kprC_DirectCyclicStep>(step);
  return *incrementation;
}

const char* StepExtrapolationText(int value) {
  switch (value) {
    case 0:
      return "LINEAR";
    case 1:
      return "PARABOLIC";
    case 3:
      return "VELOCITY PARABOLIC";
    default:
      return "NO";
  }
}

bool StepAllowsUnsymm(const kprC_AnalysisStep& step, StepUnsymmRule rule) {
  switch (rule) {
    case StepUnsymmRule::kAlways:
      return true;
    case StepUnsymmRule::kSeparatedTechnique:
      return step.SolutionTechnique() == 1;
    case StepUnsymmRule::kConsolidation:
      return nex_canDynamicCastRef<const kprC_SoilsStep>(step, kStepFile, __LINE__)
                 .Consolidation() == 0;
    case StepUnsymmRule::kNever:
      break;
  }
  return false;
}

}  // namespace

cow_String aif_Step::DescriptionLine(const cow_String& description) {
  std::string line = description.Str();
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  const std::size_t first = line.find_first_not_of(' ');
  if (first != std::string::npos && line[first] == '*') line.insert(0, 1, ' ');
  return cow_String(std::move(line));
}

void aif_Step::Write(utl_Stream& stream) const {
  const kprC_AnalysisStep& step = *step_;
  const StepOptionRow* row = FindStepRow(step.DynTypeId());
  if (!row)
    nex_Exception::Throw(
        aif_Exception(atr_Translate("Unimplemented function to write out *Step card")), kStepFile,
        __LINE__);

  stream << "*Step, name=" << akw_MorvexName(name_, false);
  if (row->perturbation) stream << ", perturbation";

  const bool nlgeomOn = step.Nlgeom() != 0;
  if (row->nlgeom == StepNlgeomForm::kOnChange && nlgeomOn != nlgeomCarried_)
    stream << (nlgeomOn ? ", nlgeom=YES" : ", nlgeom=NO");
  else if (row->nlgeom == StepNlgeomForm::kCarried && (nlgeomOn || nlgeomCarried_))
    stream << ", nlgeom=YES";

  if (row->extrapolation >= 0 || row->amplitude || row->increments) {
    const kprC_Incrementation& incrementation = StepIncrementation(step);
    if (row->extrapolation >= 0 && incrementation.Extrapolation() != row->extrapolation)
      stream << ", extrapolation=" << StepExtrapolationText(incrementation.Extrapolation());
    if (row->amplitude) {
      const bool quasiStatic =
          step.DynTypeId() == kprC_ImplicitDynamicsStep::kTypeId &&
          nex_canDynamicCastRef<const kprC_ImplicitDynamicsStep>(step, kStepFile, __LINE__)
                  .Application() == 3;
      const bool defaultRamp = row->amplitudeRamp || step.Response() == 0 || quasiStatic;
      const bool ramp = incrementation.Amplitude() != 0;
      if (ramp != defaultRamp) stream << (ramp ? ", amplitude=RAMP" : ", amplitude=STEP");
    }
    if (row->increments && incrementation.MaxNumInc() != 100)
      stream << ", inc=" << incrementation.MaxNumInc();
  }

  if (step.MatrixSolver() == 1) stream << ", solver=ITERATIVE";
  if (StepAllowsUnsymm(step, row->unsymm)) {
    if (step.MatrixStorage() == 2)
      stream << ", unsymm=YES";
    else if (step.MatrixStorage() == 1)
      stream << ", unsymm=NO";
  }
  if (step.ConvertSDI() == 1)
    stream << ", convert sdi=YES";
  else if (step.ConvertSDI() == 0)
    stream << ", convert sdi=NO";
  stream.LineBreak();

  if (!step.Description().IsEmpty()) {
    stream << DescriptionLine(step.Description());
    stream.LineBreak();
  }
}
