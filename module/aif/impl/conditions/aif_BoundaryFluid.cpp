// The fluid kinds of aif_Boundary: one "*Fluid Boundary" block per fluid
// variable (each carries its own amplitude) and a wall's heat flux as
// "*Dsflux". Fluid values are written unscaled, also when they are 0.

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

namespace {

constexpr char kBoundaryFluidFile[] = "module/aif/impl/conditions/aif_BoundaryFluid.cpp";

struct BoundaryFluidComponent {
  kbcC_FluidVariable variable;
  const char* name;
  const char* text;
};

const BoundaryFluidComponent kBoundaryFluidVelocities[] = {{kbcC_FLUID_VELX, "VELX", ", VELX, "},
                                                           {kbcC_FLUID_VELY, "VELY", ", VELY, "},
                                                           {kbcC_FLUID_VELZ, "VELZ", ", VELZ, "}};

}  // namespace

void aif_Boundary::WriteFluidSurfaceHeader(utl_Stream& stream, bool hasAmplitude,
                                           const cow_String& amplitude,
                                           const cow_String& variableText, double value) const {
  stream << "*Fluid Boundary";
  if (opNew_) stream << ", op=NEW";
  if (hasAmplitude) aif_Option(stream) << "amplitude=" << akw_MorvexName(amplitude, false);
  stream.OptionalLineBreak() << ", type=Surface";
  stream.LineBreak();
  stream << akw_MorvexName(setName_, false) << variableText << value;
  stream.LineBreak();
}

void aif_Boundary::WriteFluidElementHeader(utl_Stream& stream, const cow_String& amplitude) const {
  stream << "*Fluid Boundary, ";
  if (opNew_) stream << "op=NEW, ";
  if (!amplitude.IsEmpty()) stream << "amplitude=" << akw_MorvexName(amplitude, false) << ", ";
  stream.OptionalLineBreak() << "type=Element";
  stream.LineBreak();
}

void aif_Boundary::WriteFluidVariable(utl_Stream& stream, const kbcC_BCState& state,
                                      kbcC_FluidVariable variable, const cow_String& amplitude,
                                      const char* text) const {
  const mdl_PropAttr<double>& value = state.Fluid(variable);
  if (!aif_IsNewOpStatus(value.Status(), modify_)) return;
  WriteFluidSurfaceHeader(stream, !amplitude.IsEmpty(), amplitude, text, value.Value());
}

void aif_Boundary::WriteFluidVelocity(utl_Stream& stream, const kbcC_BCState& state,
                                      const cow_String& amplitude) const {
  const int distribution = condition_->DistribTypeEnum();
  if (distribution == kbcC_BC::kUniform) {
    // The first velocity written opens the block, the others continue it.
    bool open = false;
    for (const BoundaryFluidComponent& component : kBoundaryFluidVelocities) {
      const mdl_PropAttr<double>& value = state.Fluid(component.variable);
      if (!aif_IsNewOpStatus(value.Status(), modify_)) continue;
      if (!open) {
        WriteFluidSurfaceHeader(stream, !amplitude.IsEmpty(), amplitude, component.text,
                                value.Value());
        open = true;
      } else {
        stream << setName_ << component.text << value.Value();
        stream.LineBreak();
      }
    }
    return;
  }
  if (distribution != kbcC_BC::kAnalyticalField) return;
  bool headerWritten = false;
  for (const BoundaryFluidComponent& component : kBoundaryFluidVelocities) {
    const mdl_PropAttr<double>& value = state.Fluid(component.variable);
    if (!aif_IsNewOpStatus(value.Status(), modify_)) continue;
    if (!headerWritten) {
      WriteFluidElementHeader(stream, amplitude);
      headerWritten = true;
    }
    WriteFluidFieldLines(stream, component.name, value.Value());
  }
}

void aif_Boundary::WriteFluidInletOutlet(utl_Stream& stream) const {
  const kbcC_FluidInletOutletBC& inlet = nex_canDynamicCastRef<const kbcC_FluidInletOutletBC>(
      *condition_, kBoundaryFluidFile, __LINE__);
  const kbcC_BCState& state = inlet.ConstGetState(stepName_);
  const int momentumType = inlet.momentumTypeEnm();
  if (momentumType == 1) {
    WriteFluidVariable(stream, state, kbcC_FLUID_P, state.MomentumAmplitude(), ", P, ");
  } else if (momentumType == 2) {
    WriteFluidVelocity(stream, state, state.MomentumAmplitude());
  }
  if (energyEquation_ == 1)
    WriteFluidVariable(stream, state, kbcC_FLUID_TEMP, state.ThermalAmplitude(), ", TEMP, ");
  if (turbulenceModel_ == 2) {
    WriteFluidVariable(stream, state, kbcC_FLUID_TURBKE, state.VariableAmplitude(kbcC_FLUID_TURBKE),
                       ", TURBKE, ");
    WriteFluidVariable(stream, state, kbcC_FLUID_TURBEPS,
                       state.VariableAmplitude(kbcC_FLUID_TURBEPS), ", TURBEPS, ");
  } else if (turbulenceModel_ == 1) {
    WriteFluidVariable(stream, state, kbcC_FLUID_TURBNU, state.VariableAmplitude(kbcC_FLUID_TURBNU),
                       ", TURBNU, ");
  }
}

void aif_Boundary::WriteFluidWall(utl_Stream& stream) const {
  const kbcC_FluidWallConditionBC& wall = nex_canDynamicCastRef<const kbcC_FluidWallConditionBC>(
      *condition_, kBoundaryFluidFile, __LINE__);
  const kbcC_BCState& state = wall.ConstGetState(stepName_);
  const int wallType = wall.wallConditionTypeEnm();

  if (turbulenceModel_ == 1 || turbulenceModel_ == 2)
    WriteFluidSurfaceHeader(stream, false, cow_String(), ", DIST, ", 0.0);

  if (wallType == 1) {
    // The wall holds the fluid at rest.
    WriteFluidSurfaceHeader(stream, false, cow_String(), ", VELX, ", 0.0);
    stream << setName_ << ", VELY, " << 0.0;
    stream.LineBreak();
    stream << setName_ << ", VELZ, " << 0.0;
    stream.LineBreak();
  } else {
    WriteFluidVelocity(stream, state, state.MomentumAmplitude());
  }

  if (energyEquation_ == 1) {
    const int thermalType = wall.thermalEnergyTypeEnm();
    if (thermalType == 2) {
      WriteFluidVariable(stream, state, kbcC_FLUID_TEMP, state.ThermalAmplitude(), ", TEMP, ");
    } else if (thermalType == 0) {
      const mdl_PropAttr<double>& flux = state.Fluid(kbcC_FLUID_HEATFLUX);
      if (aif_IsNewOpStatus(flux.Status(), modify_)) {
        stream << "*Dsflux";
        if (opNew_) stream << ", op=NEW";
        const cow_String& amplitude = state.ThermalAmplitude();
        if (!amplitude.IsEmpty())
          aif_Option(stream) << "amplitude=" << akw_MorvexName(amplitude, false);
        stream.LineBreak();
        stream << setName_ << ", S, " << flux.Value();
        stream.LineBreak();
      }
    }
  }

  if (turbulenceModel_ == 2 && wallType == 0) {
    WriteFluidVariable(stream, state, kbcC_FLUID_TURBKE, state.VariableAmplitude(kbcC_FLUID_TURBKE),
                       ", TURBKE, ");
    WriteFluidVariable(stream, state, kbcC_FLUID_TURBEPS,
                       state.VariableAmplitude(kbcC_FLUID_TURBEPS), ", TURBEPS, ");
  }
  if (turbulenceModel_ == 1) {
    if (wallType == 0) {
      WriteFluidVariable(stream, state, kbcC_FLUID_TURBNU,
                         state.VariableAmplitude(kbcC_FLUID_TURBNU), ", TURBNU, ");
    } else {
      WriteFluidSurfaceHeader(stream, false, cow_String(), ", TURBNU, ", 0.0);
    }
  }
}
