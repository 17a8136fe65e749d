// "*Initial Conditions": the header line of every field kind with its
// options (distribution, results files, tolerances), the dispatch over the
// forms and field kinds, and the two refusals of a kind no writer handles.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// One default field of each kind given.
template <class... Kinds>
std::vector<std::unique_ptr<kpfC_Field>> InitialFieldKinds() {
  std::vector<std::unique_ptr<kpfC_Field>> fields;
  (fields.push_back(std::make_unique<Kinds>()), ...);
  return fields;
}

class aif_InitialConditionsTest : public aif_FieldTestModel {
 protected:
  aif_InitialConditions Keyword(const kpfC_Field& field) {
    return aif_InitialConditions(field, "Initial", "Step-1", 0, "Set-1", 1, 1, &Info(), 1.0);
  }
  std::string Header(const kpfC_Field& field) {
    const aif_InitialConditions keyword = Keyword(field);
    return aif_test::WrittenText([&](utl_Stream& s) { keyword.WriteHeader(s); });
  }
  // A temperature (or field variable) read from `file` at `step` and `inc`.
  template <class Field>
  static Field FromFile(const char* file, int step, int inc, int interpolation = 0) {
    Field field;
    field.SetDistribution(3);
    kpfC_GeneralFieldBaseState state;
    state.SetFileName(file);
    state.SetStepIncrement(step, inc);
    state.SetInterpolation(interpolation);
    field.SetState("Initial", 1, state);
    return field;
  }
  static kpfC_GeneralFieldBaseState StateWithTolerances(double absolute, double exterior,
                                                        int status = 1) {
    kpfC_GeneralFieldBaseState state;
    state.SetFileName("run.fil");
    state.SetTolerances(absolute, exterior, status);
    return state;
  }
};

TEST_F(aif_InitialConditionsTest, TemperatureAndFieldFileOptions) {
  // The ".fil" ending goes in any letter case; the step and increment follow
  // a step other than 0; the interpolation closes the line.
  EXPECT_EQ(Header(FromFile<kpfC_Temperature>("RUN.FIL", 2, 3, kpfC_MIDSIDE)),
            "*Initial Conditions, type=TEMPERATURE, file=RUN, step=2, inc=3, midside\n");
  // Another ending is kept; a name with a blank is quoted.
  EXPECT_EQ(Header(FromFile<kpfC_Temperature>("run.odb", 1, 1)),
            "*Initial Conditions, type=TEMPERATURE, file=run.odb, step=1, inc=1\n");
  EXPECT_EQ(Header(FromFile<kpfC_Temperature>("old run.fil", 1, 1)),
            "*Initial Conditions, type=TEMPERATURE, file=\"old run\", step=1, inc=1\n");
  // Step 0: no step, and no separator left over before the next option or
  // at the end of the line.
  EXPECT_EQ(Header(FromFile<kpfC_Temperature>("run.fil", 0, 5, kpfC_MIDSIDE)),
            "*Initial Conditions, type=TEMPERATURE, file=run, midside\n");
  EXPECT_EQ(Header(FromFile<kpfC_Temperature>("run.fil", 0, 5)),
            "*Initial Conditions, type=TEMPERATURE, file=run\n");

  // A field variable: its number, then the same file options.
  kpfC_GeneralField field = FromFile<kpfC_GeneralField>("prev.FIL", 0, 0, kpfC_INTERPOLATE);
  field.SetVariable(2);
  EXPECT_EQ(Header(field),
            "*Initial Conditions, type=FIELD, variable = 2, file=prev, interpolate\n");
  field.SetDistribution(0);
  EXPECT_EQ(Header(field), "*Initial Conditions, type=FIELD, variable = 2\n");

  // Distribution kinds without a file; the state is not read for them.
  kpfC_Temperature temperature;
  EXPECT_EQ(Header(temperature), "*Initial Conditions, type=TEMPERATURE\n");
  temperature.SetDistribution(2);
  EXPECT_EQ(Header(temperature), "*Initial Conditions, type=TEMPERATURE, geostatic\n");
}

TEST_F(aif_InitialConditionsTest, TemperatureTolerancesOnlyWhenSetAndNotTheirDefaults) {
  kpfC_Temperature temperature;
  temperature.SetDistribution(3);
  temperature.SetState("Initial", 1, StateWithTolerances(0.0, 0.05));
  EXPECT_EQ(Header(temperature), "*Initial Conditions, type=TEMPERATURE, file=run\n");
  temperature.SetState("Initial", 1, StateWithTolerances(0.2, 0.06));
  EXPECT_EQ(Header(temperature),
            "*Initial Conditions, type=TEMPERATURE, file=run, absolute exterior tolerance=0.2, "
            "exterior tolerance=0.06\n");
  // Values of attributes that are not set stay out.
  temperature.SetState("Initial", 1, StateWithTolerances(0.2, 0.06, 0));
  EXPECT_EQ(Header(temperature), "*Initial Conditions, type=TEMPERATURE, file=run\n");
  // A field variable has no tolerances.
  kpfC_GeneralField field;
  field.SetDistribution(3);
  field.SetState("Initial", 1, StateWithTolerances(0.2, 0.06));
  EXPECT_EQ(Header(field), "*Initial Conditions, type=FIELD, variable = 1, file=run\n");
}

TEST_F(aif_InitialConditionsTest, StressRatioAndPorePressureFiles) {
  // A stress file keeps its ending and always names step and increment.
  kpfC_Stress stress;
  stress.SetDistribution(3);
  stress.SetFile("prev job.fil", -1, 4);
  EXPECT_EQ(Header(stress),
            "*Initial Conditions, type=STRESS, file=\"prev job.fil\", step=-1, inc=4\n");
  stress.SetDistribution(1);
  EXPECT_EQ(Header(stress), "*Initial Conditions, type=STRESS, user\n");

  kpfC_VoidsRatio ratio;
  ratio.SetDistribution(3);
  ratio.SetFile("r.fil", 2, 5, true);
  EXPECT_EQ(Header(ratio),
            "*Initial Conditions, TYPE=RATIO, file=r.fil, step=2, inc=5, interpolate\n");
  ratio.SetFile("r", -1, -1);
  EXPECT_EQ(Header(ratio), "*Initial Conditions, TYPE=RATIO, file=r\n");
  ratio.SetFile("r", -1, 0);
  EXPECT_EQ(Header(ratio), "*Initial Conditions, TYPE=RATIO, file=r, inc=0\n");
  ratio.SetDistribution(1);
  EXPECT_EQ(Header(ratio), "*Initial Conditions, TYPE=RATIO, user\n");
  ratio.SetDistribution(2);
  EXPECT_EQ(Header(ratio), "*Initial Conditions, TYPE=RATIO\n");

  kpfC_PorePressure pressure;
  pressure.SetDistribution(3);
  pressure.SetFile("p", 1, 2);
  EXPECT_EQ(Header(pressure), "*Initial Conditions, TYPE=PORE PRESSURE, file=p, step=1, inc =2\n");
  pressure.SetFile("p", -1, -1, true);
  EXPECT_EQ(Header(pressure), "*Initial Conditions, TYPE=PORE PRESSURE, file=p, interpolate\n");
}

TEST_F(aif_InitialConditionsTest, HeadersOfTheOtherKinds) {
  kpfC_Velocity velocity;
  EXPECT_EQ(Header(velocity), "*Initial Conditions, type=VELOCITY\n");
  velocity.SetRotating(true);
  EXPECT_EQ(Header(velocity), "*Initial Conditions, type=ROTATING VELOCITY\n");
  EXPECT_EQ(Header(kpfC_StressGeo()), "*Initial Conditions, type=STRESS, GEOSTATIC\n");
  EXPECT_EQ(Header(kpfC_Saturation()), "*Initial Conditions, type=SATURATION\n");
  EXPECT_EQ(Header(kpfC_MaterialAssignment()), "*Initial Conditions, type=VOLUME FRACTION\n");
  EXPECT_EQ(Header(kpfC_FluidVelocity()), "*Initial Conditions, type=VELOCITY, Element Average\n");
  EXPECT_EQ(Header(kpfC_FluidDensity()), "*Initial Conditions, type=Density\n");
  kpfC_FluidThermalEnergy energy;
  EXPECT_EQ(Header(energy), "*Initial Conditions, type=TEMPERATURE, Element Average\n");
  energy.SetSelector(0);
  EXPECT_EQ(Header(energy), "*Initial Conditions, \n");

  kpfC_Hardening hardening;
  EXPECT_EQ(Header(hardening), "*Initial Conditions, type=HARDENING\n");
  hardening.SetBackstressCount(2);
  const char* expected[] = {
      "*Initial Conditions, type=HARDENING, full tensor, number backstresses=2\n",
      "*Initial Conditions, type=HARDENING\n",
      "*Initial Conditions, type=HARDENING, rebar, number backstresses=2\n",
      "*Initial Conditions, type=HARDENING, section points, number backstresses=2\n",
      "*Initial Conditions, type=HARDENING, user, number backstresses=2\n"};
  for (int definition = 0; definition < 5; ++definition) {
    hardening.SetDefinition(definition);
    EXPECT_EQ(Header(hardening), expected[definition]) << definition;
  }
}

TEST_F(aif_InitialConditionsTest, KindsNoWriterHandlesAreRefused) {
  // Through the keyword the dispatch refuses the kind before any line.
  EXPECT_EQ(aif_test::ThrownText(Keyword(kpfC_OtherField())),
            "Unimplemented field for initial condition!");
  EXPECT_EQ(aif_test::ThrownText(Keyword(kpfC_PressureStress())),
            "Unimplemented field for initial condition!");
  // The header alone refuses them too, and fluid turbulence, which writes
  // headers of its own; nothing of the line is begun.
  for (const auto& field :
       InitialFieldKinds<kpfC_OtherField, kpfC_FluidTurbulence, kpfC_MassFlowRate>()) {
    const aif_InitialConditions keyword = Keyword(*field);
    aio_StringSink sink;
    std::string error;
    {
      utl_Stream stream(sink, aif_test::kBreakColumn, aif_test::kDoublePrecision,
                        aif_test::kFloatPrecision, 1);
      try {
        keyword.WriteHeader(stream);
      } catch (const aif_Exception& e) {
        error = e.Message().Str();
      }
    }
    EXPECT_EQ(error, "Unimplemented initial condition!") << field->DynTypeId();
    EXPECT_EQ(sink.text(), "");
  }
}

TEST_F(aif_InitialConditionsTest, DispatchOverFormsAndFieldKinds) {
  // The writers of this file's kinds begin with their header.
  kpfC_Velocity velocity;
  EXPECT_EQ(aif_test::KeywordText(Keyword(velocity)),
            "*Initial Conditions, type=VELOCITY\nSet-1, 1, 0.\nSet-1, 2, 0.\nSet-1, 3, 0.\n");
  EXPECT_EQ(aif_test::KeywordText(Keyword(kpfC_StressGeo())),
            "*Initial Conditions, type=STRESS, GEOSTATIC\nSet-1, 0., 0., 0., 0., 0., 0.\n");
  EXPECT_EQ(aif_test::KeywordText(Keyword(kpfC_Stress())),
            "*Initial Conditions, type=STRESS\nSet-1, \n");
  kpfC_Hardening hardening;
  hardening.SetValues({3.0});
  EXPECT_EQ(aif_test::KeywordText(Keyword(hardening)),
            "*Initial Conditions, type=HARDENING\nSet-1, 3.\n");
  // Every other field kind of the table reaches a writer of its own.
  for (const auto& field :
       InitialFieldKinds<kpfC_Temperature, kpfC_GeneralField, kpfC_VoidsRatio, kpfC_Saturation,
                         kpfC_PorePressure, kpfC_MaterialAssignment, kpfC_FluidVelocity,
                         kpfC_FluidTurbulence, kpfC_FluidThermalEnergy, kpfC_FluidDensity>()) {
    EXPECT_EQ(aif_test::ThrownText(Keyword(*field)), "") << field->DynTypeId();
  }

  // A keyword of a non-field form whose kind is none of the three writes
  // nothing.
  EXPECT_EQ(aif_test::KeywordText(
                aif_InitialConditions(kinC_SurfaceToSurfaceContactStd(), &Info(), 12345)),
            "");
  EXPECT_EQ(aif_test::KeywordText(aif_InitialConditions(kefC_XFEMCrack(), "Crack-1", &Info(), 0)),
            "");
  EXPECT_EQ(aif_test::KeywordText(
                aif_InitialConditions(kinC_ActuatorSensor(), "Set-1", 3, &Info(), 12345)),
            "");
}

}  // namespace
