#include "aif/impl/steps/aif_Step.h"

#include <string>
#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kStepFile[] = "module/aif/impl/steps/aif_Step.cpp";

enum class StepNlgeomForm { kNoNlgeom, kNlgeomOnChange, kNlgeomCarried };
// The amplitude option and the kind's own default (ramp when the response is
// steady state, whatever the kind).
enum class StepAmplitudeRule { kNoAmplitude, kAmplitudeStep, kAmplitudeRamp };
// Which steps may carry the unsymm option.
enum class StepUnsymmRule { kNoUnsymm, kUnsymm, kUnsymmSeparated, kUnsymmConsolidation };

// The options a kind of step writes on its "*Step" line. `extrapolation`:
// the kind's default extrapolation, or -1 when it writes none.
struct StepOptionRow {
  unsigned typeId;
  bool perturbation;
  StepNlgeomForm nlgeom;
  int extrapolation;
  StepAmplitudeRule amplitude;
  bool increments;
  StepUnsymmRule unsymm;
};

// The row of the kind `typeId`; null for a kind without one.
const StepOptionRow* FindStepRow(unsigned typeId) {
  using enum StepNlgeomForm;
  using enum StepAmplitudeRule;
  using enum StepUnsymmRule;
  constexpr int kNoExtrapolation = -1;
  // clang-format off
  static const StepOptionRow rows[] = {
      // kind                                          perturb. nlgeom           extrapolation     amplitude       inc.   unsymm
      {kprC_AnnealStep::kTypeId,                        false,   kNlgeomOnChange, kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_ExplicitDynamicsStep::kTypeId,              false,   kNlgeomOnChange, kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_TempDisplacementDynamicsStep::kTypeId,      false,   kNlgeomOnChange, kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_BuckleStep::kTypeId,                        true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_FrequencyStep::kTypeId,                     true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_ModalDynamicsStep::kTypeId,                 true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_RandomResponseStep::kTypeId,                true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_ResponseSpectrumStep::kTypeId,              true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_SteadyStateModalStep::kTypeId,              true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kNoUnsymm},
      {kprC_StaticLinearPerturbationStep::kTypeId,      true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
      {kprC_SteadyStateDirectStep::kTypeId,             true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
      {kprC_ComplexFrequencyStep::kTypeId,              true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
      {kprC_SteadyStateSubspaceStep::kTypeId,           true,    kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
      {kprC_GeostaticStep::kTypeId,                     false,   kNlgeomCarried,  kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
      {kprC_CoupledTempDisplacementStep::kTypeId,       false,   kNlgeomCarried,  0,                kAmplitudeStep, true,  kUnsymmSeparated},
      {kprC_CoupledThermalElectricStep::kTypeId,        false,   kNoNlgeom,       0,                kAmplitudeStep, true,  kUnsymmSeparated},
      {kprC_HeatTransferStep::kTypeId,                  false,   kNoNlgeom,       0,                kAmplitudeStep, true,  kUnsymm},
      {kprC_MassDiffusionStep::kTypeId,                 false,   kNoNlgeom,       0,                kAmplitudeStep, true,  kNoUnsymm},
      {kprC_ImplicitDynamicsStep::kTypeId,              false,   kNlgeomCarried,  4,                kAmplitudeStep, true,  kUnsymm},
      {kprC_SoilsStep::kTypeId,                         false,   kNlgeomCarried,  0,                kAmplitudeStep, true,  kUnsymmConsolidation},
      {kprC_StaticStep::kTypeId,                        false,   kNlgeomCarried,  0,                kAmplitudeRamp, true,  kUnsymm},
      {kprC_StaticRiksStep::kTypeId,                    false,   kNlgeomCarried,  0,                kNoAmplitude,   true,  kUnsymm},
      {kprC_SubspaceDynamicsStep::kTypeId,              false,   kNlgeomCarried,  kNoExtrapolation, kAmplitudeStep, true,  kNoUnsymm},
      {kprC_ViscoStep::kTypeId,                         false,   kNlgeomCarried,  0,                kAmplitudeStep, true,  kUnsymm},
      {kprC_DirectCyclicStep::kTypeId,                  false,   kNoNlgeom,       0,                kNoAmplitude,   true,  kUnsymm},
      {kprC_SubstructureGenerateStep::kTypeId,          false,   kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
      {kprC_FlowStep::kTypeId,                          false,   kNoNlgeom,       kNoExtrapolation, kNoAmplitude,   false, kUnsymm},
  };
  // clang-format on
  for (const StepOptionRow& row : rows)
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
    case StepUnsymmRule::kUnsymm:
      return true;
    case StepUnsymmRule::kUnsymmSeparated:
      return step.SolutionTechnique() == 1;
    case StepUnsymmRule::kUnsymmConsolidation:
      return nex_canDynamicCastRef<const kprC_SoilsStep>(step, kStepFile, __LINE__)
                 .Consolidation() == 0;
    case StepUnsymmRule::kNoUnsymm:
      break;
  }
  return false;
}

// The description as one data line: line breaks as blanks, and a blank before
// a leading "*" so that the line reads neither as a keyword nor as a comment.
cow_String StepDescriptionLine(const cow_String& description) {
  std::string line = description.Str();
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  const std::size_t first = line.find_first_not_of(' ');
  if (first != std::string::npos && line[first] == '*') line.insert(0, 1, ' ');
  return cow_String(std::move(line));
}

}  // namespace

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
  if (row->nlgeom == StepNlgeomForm::kNlgeomOnChange && nlgeomOn != nlgeomCarried_)
    stream << (nlgeomOn ? ", nlgeom=YES" : ", nlgeom=NO");
  else if (row->nlgeom == StepNlgeomForm::kNlgeomCarried && (nlgeomOn || nlgeomCarried_))
    stream << ", nlgeom=YES";

  const bool amplitude = row->amplitude != StepAmplitudeRule::kNoAmplitude;
  if (row->extrapolation >= 0 || amplitude || row->increments) {
    const kprC_Incrementation& incrementation = StepIncrementation(step);
    if (row->extrapolation >= 0 && incrementation.Extrapolation() != row->extrapolation)
      stream << ", extrapolation=" << StepExtrapolationText(incrementation.Extrapolation());
    if (amplitude) {
      const bool quasiStatic =
          step.DynTypeId() == kprC_ImplicitDynamicsStep::kTypeId &&
          nex_canDynamicCastRef<const kprC_ImplicitDynamicsStep>(step, kStepFile, __LINE__)
                  .Application() == 3;
      const bool defaultRamp = row->amplitude == StepAmplitudeRule::kAmplitudeRamp ||
                               step.Response() == 0 || quasiStatic;
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
    stream << StepDescriptionLine(step.Description());
    stream.LineBreak();
  }
}
