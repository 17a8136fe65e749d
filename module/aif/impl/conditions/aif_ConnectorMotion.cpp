#include "aif/impl/conditions/aif_ConnectorMotion.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

namespace {

constexpr char kConnectorMotionFile[] = "module/aif/impl/conditions/aif_ConnectorMotion.cpp";

const char* const kConnectorMotionComponents[] = {", 1", ", 2", ", 3", ", 4", ", 5", ", 6"};

// The condition's state in `step`; an empty connector displacement state
// where the condition has none, so that a step without a state reads as a
// real, uniform step with the buckling case 0.
const kbcC_BCState& ConnectorMotionState(const kbcC_BC& condition, const cow_String& step) {
  static const kbcC_ConnDisplacementBCState kEmpty;
  const kern_Object* state = condition.ConstGetStateQuad(step).state;
  if (!state) return kEmpty;
  return nex_canDynamicCastRef<const kbcC_BCState>(*state, kConnectorMotionFile, __LINE__);
}

}  // namespace

aif_ConnectorMotion::aif_ConnectorMotion(const kbcC_BC& condition, const cow_String& setName,
                                         const cow_String& stepName, bool modify,
                                         const cow_String& initialStepName, double scale)
    : opNew_(!modify),
      condition_(condition),
      stepName_(stepName),
      setName_(setName),
      scale_(scale),
      modify_(modify),
      initialStepName_(initialStepName) {
  if (aif_IsLoadInactive(condition.GetPropStatus(stepName), inactive_, modify_)) return;
  const mdl_PropAttr<cow_String>& amplitude = ConnectorMotionState(condition, stepName).Amplitude();
  amplitude_ = amplitude.Value();
  // An amplitude set in the step restates every component it drives.
  if (aif_IsNewOpStatus(amplitude.Status(), modify_)) modify_ = false;
}

bool aif_ConnectorMotion::InBucklingStep() const {
  return stepName_ != initialStepName_ &&
         condition_->ConstGetStateQuad(stepName_).procedureType == kprC_BuckleStep::TypeId();
}

void aif_ConnectorMotion::Write(utl_Stream& stream) const {
  if (inactive_) {
    WriteHeader(stream, kbcC_BC::kUniform, false, InBucklingStep() ? 1 : 0, true);
    return;
  }
  const unsigned typeId = condition_->DynTypeId();
  if (typeId == kbcC_ConnDisplacementBC::TypeId()) {
    WriteDisplacement(stream);
  } else if (typeId == kbcC_ConnVelocityBC::TypeId()) {
    WriteVelocity(stream);
  } else if (typeId == kbcC_ConnAccelerationBC::TypeId()) {
    WriteAcceleration(stream);
  } else {
    nex_Exception::Throw(
        aif_Exception(atr_Translate("Unimplemented ConnectorMotion condition in input file.")),
        kConnectorMotionFile, __LINE__);
  }
}

void aif_ConnectorMotion::WriteHeader(utl_Stream& stream, int distribution, bool fixed,
                                      int loadCase, bool lineEnd) const {
  stream << "*Connector Motion";
  if (opNew_) stream << ", op=NEW";
  if (!amplitude_.IsEmpty()) stream << ", amplitude=" << akw_MorvexName(amplitude_, false);
  if (loadCase == 1 || loadCase == 2) {
    (stream << ", ").OptionalLineBreak();
    if (InBucklingStep())
      stream << "load case=" << loadCase;
    else
      stream << (loadCase == 1 ? "real" : "imaginary");
  }
  if (fixed) (stream << ", ").OptionalLineBreak() << "fixed";
  if (distribution == kbcC_BC::kUserDefined) (stream << ", ").OptionalLineBreak() << "user";
  if (lineEnd) stream.LineBreak();
}

void aif_ConnectorMotion::WriteDisplacement(utl_Stream& stream) const {
  const kbcC_BC& condition = nex_canDynamicCastRef<const kbcC_ConnDisplacementBC>(
      *condition_, kConnectorMotionFile, __LINE__);
  const bool fixed = condition.Fixed();
  const int distribution = condition.DistribTypeEnum();
  const unsigned procedure = condition.ConstGetStateQuad(stepName_).procedureType;
  const kbcC_BCState& state = ConnectorMotionState(condition, stepName_);

  if (state.UseComplex(procedure)) {
    double parts[6];
    for (std::size_t i = 0; i < 6; ++i)
      parts[i] = state.Component(i).Value();
    WriteHeader(stream, distribution, fixed, 1, true);
    WriteComplexLines(stream, setName_, condition, parts, fixed);
    for (std::size_t i = 0; i < 6; ++i)
      parts[i] = state.ImaginaryComponent(i);
    WriteHeader(stream, distribution, fixed, 2, true);
    WriteComplexLines(stream, setName_, condition, parts, fixed);
    return;
  }

  if (InBucklingStep()) {
    const int bucklingCase = nex_canDynamicCastRef<const kbcC_ConnDisplacementBCState>(
                                 state, kConnectorMotionFile, __LINE__)
                                 .BucklingCase();
    const bool first = bucklingCase == 0 || bucklingCase == 1 || bucklingCase == 3;
    const bool second = bucklingCase == 0 || bucklingCase == 2 || bucklingCase == 3;
    if (first) {
      WriteHeader(stream, distribution, fixed, 1, true);
      WriteLines(stream, setName_, condition, fixed);
    }
    if (second) {
      WriteHeader(stream, distribution, fixed, 2, true);
      WriteLines(stream, setName_, condition, fixed);
    }
    return;
  }

  WriteHeader(stream, distribution, fixed, 0, true);
  WriteLines(stream, setName_, condition, fixed);
}

void aif_ConnectorMotion::WriteVelocity(utl_Stream& stream) const {
  const kbcC_BC& condition =
      nex_canDynamicCastRef<const kbcC_ConnVelocityBC>(*condition_, kConnectorMotionFile, __LINE__);
  WriteHeader(stream, condition.DistribTypeEnum(), false, InBucklingStep() ? 1 : 0, false);
  (stream << ", ").OptionalLineBreak() << "type=VELOCITY";
  stream.LineBreak();
  WriteLines(stream, setName_, condition, false);
}

void aif_ConnectorMotion::WriteAcceleration(utl_Stream& stream) const {
  const kbcC_BC& condition = nex_canDynamicCastRef<const kbcC_ConnAccelerationBC>(
      *condition_, kConnectorMotionFile, __LINE__);
  // An acceleration names no load case, not even in a buckling step.
  WriteHeader(stream, condition.DistribTypeEnum(), false, 0, false);
  (stream << ", ").OptionalLineBreak() << "type=ACCELERATION";
  stream.LineBreak();
  WriteLines(stream, setName_, condition, false);
}

void aif_ConnectorMotion::WriteLines(utl_Stream& stream, const cow_String& setName,
                                     const kbcC_BC& condition, bool noValue) const {
  const kbcC_BCState& state = ConnectorMotionState(condition, stepName_);
  for (std::size_t i = 0; i < 6; ++i) {
    const mdl_PropAttr<double>& component = state.Component(i);
    if (!aif_IsNewOpStatus(component.Status(), modify_)) continue;
    WriteDataLine(stream, setName, kConnectorMotionComponents[i], component.Value(), noValue);
  }
}

void aif_ConnectorMotion::WriteComplexLines(utl_Stream& stream, const cow_String& setName,
                                            const kbcC_BC& condition, const double (&values)[6],
                                            bool noValue) const {
  const kbcC_BCState& state = ConnectorMotionState(condition, stepName_);
  for (std::size_t i = 0; i < 6; ++i) {
    if (!aif_IsNewOpStatus(state.Component(i).Status(), modify_)) continue;
    WriteDataLine(stream, setName, kConnectorMotionComponents[i], values[i], noValue);
  }
}

void aif_ConnectorMotion::WriteDataLine(utl_Stream& stream, const cow_String& setName,
                                        const cow_String& componentText, double value,
                                        bool noValue) const {
  stream << setName << componentText;
  const double scaled = scale_ * value;
  if (!noValue && scaled != 0.0) stream << ", " << scaled;
  stream.LineBreak();
}
