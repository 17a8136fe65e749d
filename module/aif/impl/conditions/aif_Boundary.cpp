#include "aif/impl/conditions/aif_Boundary.h"

#include <cstddef>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_BoundaryFieldLines.h"
#include "aif/impl/conditions/aif_EulerianBoundary.h"
#include "aif/impl/conditions/aif_EulerianMeshMotion.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

namespace {

constexpr char kBoundaryFile[] = "module/aif/impl/conditions/aif_Boundary.cpp";

}  // namespace

aif_Boundary::aif_Boundary(const kbcC_BC& condition, const cow_String& stepName, bool modify,
                           const cow_String& setName, bool shellToSolid, const akw_ModelInfo& info,
                           const cow_String& initialStepName, const int& energyEquation,
                           const int& turbulenceModel, double scale)
    : opNew_(!modify),
      condition_(condition),
      stepName_(stepName),
      setName_(setName),
      modify_(modify),
      shellToSolid_(shellToSolid),
      scale_(scale),
      initialStepName_(initialStepName),
      modelInfo_(&info),
      energyEquation_(energyEquation),
      turbulenceModel_(turbulenceModel) {
  aif_IsLoadInactive(condition.GetPropStatus(stepName), inactive_, modify_);
  if (!inactive_) {
    // A condition without a state in the step has no amplitude there.
    const kprC_PropagatingState quad = condition.ConstGetStateQuad(stepName);
    if (quad.state) {
      const kbcC_BCState& state =
          nex_canDynamicCastRef<const kbcC_BCState>(*quad.state, kBoundaryFile, __LINE__);
      amplitude_ = state.Amplitude().Value();
      if (aif_IsNewOpStatus(state.Amplitude().Status(), modify_)) modify_ = false;
    }
  }
  if (condition.DynTypeId() == kbcC_SubmodelBC::kTypeId) BuildSubmodelHeader();
}

void aif_Boundary::BuildSubmodelHeader() {
  const kbcC_SubmodelBC& submodel =
      nex_canDynamicCastRef<const kbcC_SubmodelBC>(*condition_, kBoundaryFile, __LINE__);
  bool fixed = false;
  cow_String globalStep;
  bool timeScale = false;
  int increment = 0;
  if (!submodel.Suppressed() && submodel.IsActive(submodel.GetPropStatus(stepName_))) {
    const kbcC_BCState& state = submodel.ConstGetState(stepName_);
    globalStep = state.GlobalStep();
    timeScale = state.TimeScale();
    fixed = state.Fixed().Value();
    increment = state.Increment();
    submodelScale_ = state.Scale().Value();
    submodelDriven_ = !fixed;
  }

  cow_String header = "*Boundary";
  if (opNew_) header += ", op=NEW";
  if (fixed) header += ", fixed";
  if (submodelDriven_) {
    header += ", submodel, step=";
    header += globalStep;
    if (increment > 0) header += ", inc=" + aif_NumberText(increment);
    if (timeScale) header += ", timescale";
    if (submodelScale_ != 1.0) header += ", scale=" + aif_NumberText(submodelScale_);
  }
  submodelHeader_ = header;
}

bool aif_Boundary::BucklingStep() const {
  // A condition without a step object (procedure type 0) is never in a
  // buckling step.
  return stepName_ != initialStepName_ &&
         condition_->ConstGetStateQuad(stepName_).procedureType == kprC_BuckleStep::TypeId();
}

aif_BoundaryFieldContext aif_Boundary::FieldContext() const {
  return aif_BoundaryFieldContext{static_cast<const aif_ModelInfo&>(*modelInfo_), *condition_,
                                  stepName_, modify_, scale_};
}

void aif_Boundary::Write(utl_Stream& stream) const {
  if (inactive_) {
    WriteHeader(stream, kbcC_BC::kUniform, false, BucklingStep() ? 1 : 0, true);
    return;
  }
  switch (condition_->DynTypeId()) {
    case kbcC_DisplacementBC::kTypeId:
      WriteDisplacement(stream);
      return;
    case kbcC_VelocityBC::kTypeId:
      WriteVelocity(stream);
      return;
    case kbcC_AccelerationBC::kTypeId:
      WriteAcceleration(stream);
      return;
    case kbcC_TypeBC::kTypeId:
      WriteType(stream);
      return;
    case kbcC_TemperatureBC::kTypeId:
      WriteTemperature(stream);
      return;
    case kbcC_PorePressureBC::kTypeId:
    case kbcC_FluidCavityPressureBC::kTypeId:
    case kbcC_ConcentrationBC::kTypeId:
      WriteScalarDof(stream);
      return;
    case kbcC_AcousticPressureBC::kTypeId:
    case kbcC_ElectricPotentialBC::kTypeId:
    case kbcC_MassFlowBC::kTypeId:
      WriteComplexScalarDof(stream);
      return;
    case kbcC_SubmodelBC::kTypeId:
      WriteSubmodel(stream);
      return;
    case kbcC_EulerianBC::kTypeId:
      WriteEulerian(stream);
      return;
    case kbcC_EulerianMotionBC::kTypeId:
      WriteEulerianMotion(stream);
      return;
    case kbcC_FluidInletOutletBC::kTypeId:
      WriteFluidInletOutlet(stream);
      return;
    case kbcC_FluidWallConditionBC::kTypeId:
      WriteFluidWall(stream);
      return;
    default:
      nex_Exception::Throw(
          aif_Exception(atr_Translate("Unimplemented boundary condition in input file.")),
          kBoundaryFile, __LINE__);
  }
}

void aif_Boundary::WriteHeader(utl_Stream& stream, int distribution, bool fixed, int loadCase,
                               bool lineEnd) const {
  const unsigned typeId = condition_->DynTypeId();
  if (opNew_) {
    switch (typeId) {
      case kbcC_EulerianBC::kTypeId:
        aif_EulerianBoundary(
            nex_canDynamicCastRef<const kbcC_EulerianBC>(*condition_, kBoundaryFile, __LINE__))
            .Write(stream);
        return;
      case kbcC_EulerianMotionBC::kTypeId:
        aif_EulerianMeshMotion(nex_canDynamicCastRef<const kbcC_EulerianMotionBC>(
                                   *condition_, kBoundaryFile, __LINE__),
                               *modelInfo_)
            .Write(stream);
        return;
      case kbcC_FluidInletOutletBC::kTypeId:
        stream << "*Fluid Boundary, op=NEW";
        stream.LineBreak();
        return;
      case kbcC_FluidWallConditionBC::kTypeId:
        stream << "*Fluid Boundary, op=NEW";
        stream.LineBreak();
        stream << "*Dsflux, op=NEW";
        stream.LineBreak();
        return;
      default:
        break;
    }
  }

  stream << "*Boundary";
  if (opNew_) stream << ", op=NEW";
  if (!amplitude_.IsEmpty()) stream << ", amplitude=" << akw_MorvexName(amplitude_, false);
  if (loadCase == 1 || loadCase == 2) {
    if (BucklingStep()) {
      aif_Option(stream) << "load case=" << loadCase;
    } else {
      aif_Option(stream) << (loadCase == 1 ? "real" : "imaginary");
    }
  }

  cow_String fieldName;
  if (distribution != kbcC_BC::kUniform && condition_->UsesField(fieldName)) {
    // Displacement, velocity and acceleration end the line themselves; the
    // other kinds take their per-node lines from here.
    if (typeId == kbcC_DisplacementBC::kTypeId || typeId == kbcC_VelocityBC::kTypeId ||
        typeId == kbcC_AccelerationBC::kTypeId)
      return;
    aif_BoundaryFieldLines::WriteHeaderNodeLines(stream, FieldContext(), loadCase);
    return;
  }

  if (fixed) aif_Option(stream) << "fixed";
  if (distribution == kbcC_BC::kUserDefined) aif_Option(stream) << "user";
  if (lineEnd) stream.LineBreak();
}

void aif_Boundary::WriteDataLine(utl_Stream& stream, const cow_String& componentText, double value,
                                 bool noValue) const {
  stream << setName_ << componentText;
  const double scaled = scale_ * value;
  if (!noValue && scaled != 0.0) stream << ", " << scaled;
  stream.LineBreak();
}

void aif_Boundary::WriteTemperatureHeader(utl_Stream& stream, bool flag, int loadCase) const {
  (void)flag;
  stream << "*Boundary";
  if (opNew_) stream << ", op=NEW";
  if (!amplitude_.IsEmpty()) stream << ", amplitude=" << akw_MorvexName(amplitude_, false);
  if (loadCase == 1 || loadCase == 2) aif_Option(stream) << "load case=" << loadCase;
  stream.LineBreak();
}

void aif_Boundary::WriteSubmodel(utl_Stream& stream) const {
  const kbcC_SubmodelBC& submodel =
      nex_canDynamicCastRef<const kbcC_SubmodelBC>(*condition_, kBoundaryFile, __LINE__);
  const kbcC_BCState& state = submodel.ConstGetState(stepName_);
  // Driven conditions stand under their group's header line.
  if (!submodelDriven_) {
    stream << submodelHeader_;
    stream.LineBreak();
  }
  if (!shellToSolid_) {
    for (int dof : state.Dofs().Value()) {
      const cow_String number = aif_NumberText(dof);
      WriteDataLine(stream, ", " + number + ", " + number, 0.0, false);
    }
    return;
  }
  // Shell-to-solid: the distance of the driven nodes, one tenth of the shell
  // thickness unless given.
  const double distance = state.DriveDistance().Value();
  stream << setName_ << ", " << (distance > 0.0 ? distance : 0.1 * submodel.ShellThickness());
  stream.LineBreak();
}

void aif_Boundary::WriteEulerian(utl_Stream& stream) const {
  const kbcC_EulerianBC& eulerian =
      nex_canDynamicCastRef<const kbcC_EulerianBC>(*condition_, kBoundaryFile, __LINE__);
  aif_EulerianBoundary(eulerian, stepName_, setName_, opNew_).Write(stream);
}

void aif_Boundary::WriteEulerianMotion(utl_Stream& stream) const {
  const kbcC_EulerianMotionBC& motion =
      nex_canDynamicCastRef<const kbcC_EulerianMotionBC>(*condition_, kBoundaryFile, __LINE__);
  aif_EulerianMeshMotion(motion, stepName_, *modelInfo_, opNew_).Write(stream);
}

void aif_Boundary::WriteAnalyticalFieldLines(utl_Stream& stream, const cow_String& componentText,
                                             double magnitude) const {
  aif_BoundaryFieldLines::WriteAnalyticalFieldLines(stream, FieldContext(), componentText,
                                                    magnitude);
}

void aif_Boundary::WriteAnalyticalFieldRangeLines(utl_Stream& stream, int distribution,
                                                  const cow_String& runText, bool fixed,
                                                  int loadCase, bool lineEnd) const {
  (void)distribution;
  (void)fixed;
  (void)loadCase;
  (void)lineEnd;
  aif_BoundaryFieldLines::WriteAnalyticalFieldRangeLines(stream, FieldContext(), runText);
}

void aif_Boundary::WriteFluidFieldLines(utl_Stream& stream, const cow_String& text,
                                        double magnitude) const {
  aif_BoundaryFieldLines::WriteFluidFieldLines(stream, FieldContext(), text, magnitude);
}

void aif_Boundary::WriteDiscreteFieldLines(utl_Stream& stream, const cow_String& componentText,
                                           double value, int component) const {
  aif_BoundaryFieldLines::WriteDiscreteFieldLines(stream, FieldContext(), componentText, value,
                                                  component);
}
