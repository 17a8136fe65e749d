#include "aif/impl/conditions/aif_InitialConditions.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_PredefFieldUtils.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kInitialConditionsFile[] = "module/aif/impl/conditions/aif_InitialConditions.cpp";

// How a field's values are given, as its header names it: 1 ", user", 2
// ", geostatic", 3 ", file=" (the file name follows); nothing otherwise.
void WriteInitialDistributionOption(utl_Stream& stream, int distribution) {
  switch (distribution) {
    case 1:
      stream << ", user";
      break;
    case 2:
      stream << ", geostatic";
      break;
    case 3:
      stream << ", file=";
      break;
    default:
      break;
  }
}

// The results file of a temperature or field variable (after ", file="):
// its name without ".fil", the step and increment read when a step is
// given, and how values are placed. Each option after the name brings its
// own ", ".
void WriteInitialGeneralFileOptions(utl_Stream& stream, const kpfC_GeneralFieldBaseState& state) {
  stream << aif_ResultsFileName(state.FileName().Value());
  if (state.StepNumber() != 0)
    stream << ", step=" << state.StepNumber() << ", inc=" << state.IncrementNumber();
  switch (state.Interpolation().Value()) {
    case kpfC_MIDSIDE:
      stream << ", midside";
      break;
    case kpfC_INTERPOLATE:
      stream << ", interpolate";
      break;
    default:
      break;
  }
}

// The exterior tolerances of a temperature read from a results file, each
// when it is set and differs from its default (0 and 0.05).
void WriteInitialToleranceOptions(utl_Stream& stream, const kpfC_GeneralFieldBaseState& state) {
  const mdl_PropAttr<double>& absolute = state.AbsoluteExteriorTolerance();
  if (absolute.IsActive() && absolute.Value() != 0.0)
    stream << ", absolute exterior tolerance=" << absolute.Value();
  const mdl_PropAttr<double>& exterior = state.ExteriorTolerance();
  if (exterior.IsActive() && exterior.Value() != 0.05)
    stream << ", exterior tolerance=" << exterior.Value();
}

// The results file of an initial stress (after ", file="): the name as
// given, then the step and increment, always.
void WriteInitialStressFileOptions(utl_Stream& stream, const kpfC_InitialConditionFromFile& field) {
  stream << akw_MorvexName(field.FileName(), true).PrintableFileName()
         << ", step=" << field.StepNumber() << ", inc=" << field.IncrementNumber();
}

// The options of a voids ratio or pore pressure: ", user", or the results
// file with the step and increment when they are set (-1: not) and
// ", interpolate". `incrementOption` is the increment's option text.
void WriteInitialRatioOptions(utl_Stream& stream, const kpfC_RatioBase& field,
                              const char* incrementOption) {
  if (field.Distribution() == 1) {
    stream << ", user";
  } else if (field.Distribution() == 3) {
    stream << ", file=" << akw_MorvexName(field.FileName(), true).PrintableFileName();
    if (field.StepNumber() > -1) stream << ", step=" << field.StepNumber();
    if (field.IncrementNumber() > -1) stream << incrementOption << field.IncrementNumber();
    if (field.Interpolate()) stream << ", interpolate";
  }
}

// The hardening's definition and backstress count.
void WriteInitialHardeningOptions(utl_Stream& stream, const kpfC_Hardening& field) {
  switch (field.Definition()) {
    case 0:
      stream << ", full tensor";
      break;
    case 2:
      stream << ", rebar";
      break;
    case 3:
      stream << ", section points";
      break;
    case 4:
      stream << ", user";
      break;
    default:
      break;
  }
  if (field.Definition() != 1) stream << ", number backstresses=" << field.BackstressCount();
}

}  // namespace

aif_InitialConditions::aif_InitialConditions(const kpfC_Field& field,
                                             const cow_String& stateStepName,
                                             const cow_String& evaluationStepName,
                                             unsigned char flag, const cow_String& regionName,
                                             int temperatureValueCount, int fieldValueCount,
                                             const akw_ModelInfo* info, double scale)
    : field_(cow_COW<kpfC_Field>(field)),
      stateStepName_(stateStepName),
      evaluationStepName_(evaluationStepName),
      regionName_(regionName),
      flag_(flag),
      temperatureValueCount_(temperatureValueCount),
      fieldValueCount_(fieldValueCount),
      evaluator_(std::make_shared<const aif_PredefFieldUtils>(field, evaluationStepName, *info,
                                                              temperatureValueCount)),
      modelInfo_(info),
      scale_(scale) {}

aif_InitialConditions::aif_InitialConditions(const kefC_XFEMCrack& crack,
                                             const cow_String& crackName, const akw_ModelInfo* info,
                                             unsigned kind)
    : crackName_(crackName), crack_(crack), modelInfo_(info), kind_(kind) {}

aif_InitialConditions::aif_InitialConditions(const kinC_ActuatorSensor& actuatorSensor,
                                             const cow_String& regionName, int solutionValueCount,
                                             const akw_ModelInfo* info, unsigned kind)
    : regionName_(regionName),
      actuatorSensor_(actuatorSensor),
      solutionValueCount_(solutionValueCount),
      modelInfo_(info),
      kind_(kind) {}

aif_InitialConditions::aif_InitialConditions(const kinC_SurfaceToSurfaceContactStd& contact,
                                             const akw_ModelInfo* info, unsigned kind)
    : contact_(contact), modelInfo_(info), kind_(kind) {}

const aif_ModelInfo& aif_InitialConditions::Info() const {
  return static_cast<const aif_ModelInfo&>(*modelInfo_);
}

void aif_InitialConditions::Write(utl_Stream& stream) const {
  if (field_.IsNull()) {
    if (kind_ == kinC_SurfaceToSurfaceContactStd::TypeId())
      WriteContact(stream);
    else if (kind_ == kinC_ActuatorSensor::TypeId())
      WriteSolution(stream);
    else if (kind_ == kefC_XFEMCrack::TypeId())
      WriteEnrichment(stream);
    return;
  }
  const unsigned type = field_->DynTypeId();
  if (type == kpfC_Temperature::TypeId())
    WriteTemperature(stream);
  else if (type == kpfC_GeneralField::TypeId())
    WriteField(stream);
  else if (type == kpfC_Velocity::TypeId())
    WriteVelocity(stream);
  else if (type == kpfC_Stress::TypeId())
    WriteStress(stream);
  else if (type == kpfC_VoidsRatio::TypeId())
    WriteRatio(stream);
  else if (type == kpfC_Saturation::TypeId())
    WriteSaturation(stream);
  else if (type == kpfC_Hardening::TypeId())
    WriteHardening(stream);
  else if (type == kpfC_PorePressure::TypeId())
    WritePorePressure(stream);
  else if (type == kpfC_MaterialAssignment::TypeId())
    WriteVolumeFraction(stream);
  else if (type == kpfC_FluidVelocity::TypeId())
    WriteFluidVelocity(stream);
  else if (type == kpfC_FluidTurbulence::TypeId())
    WriteFluidTurbulence(stream);
  else if (type == kpfC_FluidThermalEnergy::TypeId())
    WriteFluidThermalEnergy(stream);
  else if (type == kpfC_FluidDensity::TypeId())
    WriteFluidDensity(stream);
  else if (type == kpfC_StressGeo::TypeId())
    WriteGeostaticStress(stream);
  else
    nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented field for initial condition!")),
                         kInitialConditionsFile, __LINE__);
}

void aif_InitialConditions::WriteHeader(utl_Stream& stream) const {
  const kpfC_Field& field = *field_;
  const unsigned type = field.DynTypeId();
  const bool known = type == kpfC_Temperature::TypeId() || type == kpfC_GeneralField::TypeId() ||
                     type == kpfC_Velocity::TypeId() || type == kpfC_Stress::TypeId() ||
                     type == kpfC_StressGeo::TypeId() || type == kpfC_Hardening::TypeId() ||
                     type == kpfC_Saturation::TypeId() || type == kpfC_VoidsRatio::TypeId() ||
                     type == kpfC_PorePressure::TypeId() ||
                     type == kpfC_MaterialAssignment::TypeId() ||
                     type == kpfC_FluidVelocity::TypeId() || type == kpfC_FluidDensity::TypeId() ||
                     type == kpfC_FluidThermalEnergy::TypeId();
  // Refused before the line is begun, so that nothing of it is left behind.
  if (!known)
    nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented initial condition!")),
                         kInitialConditionsFile, __LINE__);

  stream << "*Initial Conditions, ";
  if (type == kpfC_Temperature::TypeId() || type == kpfC_GeneralField::TypeId()) {
    const auto& general =
        nex_canDynamicCastRef<const kpfC_GeneralFieldBase>(field, kInitialConditionsFile, __LINE__);
    const kpfC_GeneralFieldBaseState& state = general.ConstGetState(stateStepName_);
    if (type == kpfC_Temperature::TypeId()) {
      stream << "type=TEMPERATURE";
    } else {
      stream << "type=FIELD, variable = "
             << nex_canDynamicCastRef<const kpfC_GeneralField>(field, kInitialConditionsFile,
                                                               __LINE__)
                    .Variable();
    }
    WriteInitialDistributionOption(stream, field.Distribution());
    if (field.Distribution() == 3) {
      WriteInitialGeneralFileOptions(stream, state);
      if (type == kpfC_Temperature::TypeId()) WriteInitialToleranceOptions(stream, state);
    }
  } else if (type == kpfC_Velocity::TypeId()) {
    const auto& velocity =
        nex_canDynamicCastRef<const kpfC_Velocity>(field, kInitialConditionsFile, __LINE__);
    stream << (velocity.IsRotatingVelocity() ? "type=ROTATING VELOCITY" : "type=VELOCITY");
  } else if (type == kpfC_Stress::TypeId()) {
    stream << "type=STRESS";
    WriteInitialDistributionOption(stream, field.Distribution());
    if (field.Distribution() == 3)
      WriteInitialStressFileOptions(stream,
                                    nex_canDynamicCastRef<const kpfC_InitialConditionFromFile>(
                                        field, kInitialConditionsFile, __LINE__));
  } else if (type == kpfC_StressGeo::TypeId()) {
    stream << "type=STRESS, GEOSTATIC";
  } else if (type == kpfC_Hardening::TypeId()) {
    stream << "type=HARDENING";
    WriteInitialHardeningOptions(stream, nex_canDynamicCastRef<const kpfC_Hardening>(
                                             field, kInitialConditionsFile, __LINE__));
  } else if (type == kpfC_Saturation::TypeId()) {
    stream << "type=SATURATION";
  } else if (type == kpfC_VoidsRatio::TypeId() || type == kpfC_PorePressure::TypeId()) {
    const auto& ratio =
        nex_canDynamicCastRef<const kpfC_RatioBase>(field, kInitialConditionsFile, __LINE__);
    if (type == kpfC_VoidsRatio::TypeId()) {
      stream << "TYPE=RATIO";
      WriteInitialRatioOptions(stream, ratio, ", inc=");
    } else {
      stream << "TYPE=PORE PRESSURE";
      WriteInitialRatioOptions(stream, ratio, ", inc =");
    }
  } else if (type == kpfC_MaterialAssignment::TypeId()) {
    stream << "type=VOLUME FRACTION";
  } else if (type == kpfC_FluidVelocity::TypeId()) {
    stream << "type=VELOCITY, Element Average";
  } else if (type == kpfC_FluidDensity::TypeId()) {
    stream << "type=Density";
  } else {
    const auto& energy = nex_canDynamicCastRef<const kpfC_FluidThermalEnergy>(
        field, kInitialConditionsFile, __LINE__);
    if (energy.Selector() == 1) stream << "type=TEMPERATURE, Element Average";
  }
  stream.LineBreak();
}
