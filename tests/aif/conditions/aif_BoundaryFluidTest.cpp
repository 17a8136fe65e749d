// "*Fluid Boundary" and "*Dsflux": an inlet's momentum, thermal and
// turbulence blocks, a wall's blocks per condition type and turbulence
// model, its heat flux, and the unscaled values written also when 0.

#include <gtest/gtest.h>

#include <string>

#include "aif_BoundaryTestModel.h"

namespace {

using aif_boundary_test::Make;
using aif_boundary_test::Options;
using aif_boundary_test::Text;

Options BndFlow(int energyEquation, int turbulenceModel, bool modify = false) {
  Options o;
  o.energyEquation = energyEquation;
  o.turbulenceModel = turbulenceModel;
  o.modify = modify;
  o.scale = 3.0;  // never applied to fluid values
  return o;
}

TEST(aif_BoundaryFluidTest, InletBlocksPerVariable) {
  // Velocity: the first component written opens the block, the next one
  // continues it.
  kbcC_FluidBCState state;
  state.SetFluid(kbcC_FLUID_VELX, 1.0, 0);
  state.SetFluid(kbcC_FLUID_VELY, 1.5, 1);
  state.SetFluid(kbcC_FLUID_VELZ, 0.0, 1);
  state.SetMomentumAmplitude("Flow");
  auto inlet = Make<kbcC_FluidInletOutletBC>(1, state);
  inlet.SetMomentumType(2);
  EXPECT_EQ(
      "*Fluid Boundary, op=NEW, amplitude=Flow, type=Surface\nBase, VELY, 1.5\nBase, VELZ, 0.\n",
      Text(inlet, BndFlow(0, 0)));
  // Another distribution than uniform or an analytical field: no momentum.
  inlet.SetDistribution(3, "Disc");
  EXPECT_EQ("", Text(inlet, BndFlow(0, 0)));

  // Pressure, temperature with its own amplitude, the turbulence variables
  // of each model; a variable only carried over is left out of a modifying
  // block.
  kbcC_FluidBCState all;
  all.SetFluid(kbcC_FLUID_P, 0.0, 1);
  all.SetFluid(kbcC_FLUID_VELX, 4.0, 1);
  all.SetFluid(kbcC_FLUID_TEMP, 300.0, 1);
  all.SetFluid(kbcC_FLUID_TURBKE, 0.25, 1);
  all.SetFluid(kbcC_FLUID_TURBEPS, 0.5, 2);
  all.SetFluid(kbcC_FLUID_TURBNU, 0.125, 1);
  all.SetThermalAmplitude("Heat Up");
  all.SetVariableAmplitude(kbcC_FLUID_TURBKE, "Ke");
  const auto pressure = Make<kbcC_FluidInletOutletBC>(1, all);
  EXPECT_EQ(
      "*Fluid Boundary, op=NEW, type=Surface\nBase, P, 0.\n"
      "*Fluid Boundary, op=NEW, amplitude=\"Heat Up\", type=Surface\nBase, TEMP, 300.\n"
      "*Fluid Boundary, op=NEW, amplitude=Ke, type=Surface\nBase, TURBKE, 0.25\n"
      "*Fluid Boundary, op=NEW, type=Surface\nBase, TURBEPS, 0.5\n",
      Text(pressure, BndFlow(1, 2)));
  EXPECT_EQ(
      "*Fluid Boundary, type=Surface\nBase, P, 0.\n"
      "*Fluid Boundary, amplitude=Ke, type=Surface\nBase, TURBKE, 0.25\n",
      Text(pressure, BndFlow(0, 2, true)));
  EXPECT_EQ(
      "*Fluid Boundary, op=NEW, type=Surface\nBase, P, 0.\n"
      "*Fluid Boundary, op=NEW, type=Surface\nBase, TURBNU, 0.125\n",
      Text(pressure, BndFlow(0, 1)));
  // Another momentum type: no momentum block.
  auto other = Make<kbcC_FluidInletOutletBC>(1, all);
  other.SetMomentumType(3);
  EXPECT_EQ("", Text(other, BndFlow(0, 0)));
}

TEST(aif_BoundaryFluidTest, WallBlocksPerConditionTypeAndTurbulenceModel) {
  kbcC_FluidBCState state;
  state.SetFluid(kbcC_FLUID_VELX, 2.0, 1);
  state.SetFluid(kbcC_FLUID_TURBKE, 0.25, 1);
  state.SetFluid(kbcC_FLUID_TURBEPS, 0.5, 1);
  state.SetFluid(kbcC_FLUID_TURBNU, 0.125, 1);
  state.SetMomentumAmplitude("Slide");

  // Type 1 holds the fluid at rest, whatever the state says.
  auto rest = Make<kbcC_FluidWallConditionBC>(1, state);
  rest.SetWallConditionType(1);
  const std::string zeroVelocity =
      "*Fluid Boundary, op=NEW, type=Surface\nBase, VELX, 0.\nBase, VELY, 0.\nBase, VELZ, 0.\n";
  const std::string distance = "*Fluid Boundary, op=NEW, type=Surface\nBase, DIST, 0.\n";
  EXPECT_EQ(zeroVelocity, Text(rest, BndFlow(0, 0)));
  EXPECT_EQ(distance + zeroVelocity, Text(rest, BndFlow(0, 2)));
  EXPECT_EQ(distance + zeroVelocity + "*Fluid Boundary, op=NEW, type=Surface\nBase, TURBNU, 0.\n",
            Text(rest, BndFlow(0, 1)));

  // Type 0: the state's velocity under its amplitude and its turbulence
  // variables.
  const auto slip = Make<kbcC_FluidWallConditionBC>(1, state);
  const std::string velocity =
      "*Fluid Boundary, op=NEW, amplitude=Slide, type=Surface\nBase, VELX, 2.\n";
  EXPECT_EQ(velocity, Text(slip, BndFlow(0, 0)));
  EXPECT_EQ(distance + velocity +
                "*Fluid Boundary, op=NEW, type=Surface\nBase, TURBKE, 0.25\n"
                "*Fluid Boundary, op=NEW, type=Surface\nBase, TURBEPS, 0.5\n",
            Text(slip, BndFlow(0, 2)));
  EXPECT_EQ(distance + velocity + "*Fluid Boundary, op=NEW, type=Surface\nBase, TURBNU, 0.125\n",
            Text(slip, BndFlow(0, 1)));
  // Another condition type: its velocity, no turbulence variables of the
  // two-variable model.
  auto other = Make<kbcC_FluidWallConditionBC>(1, state);
  other.SetWallConditionType(2);
  EXPECT_EQ(distance + velocity, Text(other, BndFlow(0, 2)));
}

TEST(aif_BoundaryFluidTest, WallTemperatureAndHeatFlux) {
  kbcC_FluidBCState state;
  state.SetFluid(kbcC_FLUID_TEMP, 350.0, 1);
  state.SetFluid(kbcC_FLUID_HEATFLUX, 2.5, 1);
  auto wall = Make<kbcC_FluidWallConditionBC>(1, state);
  EXPECT_EQ("*Fluid Boundary, op=NEW, type=Surface\nBase, TEMP, 350.\n", Text(wall, BndFlow(1, 0)));
  // Without the energy equation: nothing thermal.
  EXPECT_EQ("", Text(wall, BndFlow(0, 0)));

  // Heat flux: "*Dsflux" with its printable amplitude, or none.
  wall.SetThermalEnergyType(0);
  EXPECT_EQ("*Dsflux, op=NEW\nBase, S, 2.5\n", Text(wall, BndFlow(1, 0)));
  EXPECT_EQ("*Dsflux\nBase, S, 2.5\n", Text(wall, BndFlow(1, 0, true)));
  state.SetThermalAmplitude("Heat Up");
  auto ramped = Make<kbcC_FluidWallConditionBC>(1, state);
  ramped.SetThermalEnergyType(0);
  EXPECT_EQ("*Dsflux, op=NEW, amplitude=\"Heat Up\"\nBase, S, 2.5\n", Text(ramped, BndFlow(1, 0)));
  // A flux only carried over into a modifying block; a thermal type of
  // neither kind.
  state.SetFluid(kbcC_FLUID_HEATFLUX, 2.5, 2);
  auto carried = Make<kbcC_FluidWallConditionBC>(3, state);
  carried.SetThermalEnergyType(0);
  EXPECT_EQ("", Text(carried, BndFlow(1, 0, true)));
  carried.SetThermalEnergyType(1);
  EXPECT_EQ("", Text(carried, BndFlow(1, 0)));
}

}  // namespace
