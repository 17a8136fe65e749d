// "*Boundary" data lines by kind: displacement in plain, complex and buckling
// steps, velocity and acceleration, type conditions, temperature runs and the
// single-value kinds, and which components a modifying block leaves out.

#include <gtest/gtest.h>

#include <string>

#include "aif_BoundaryTestModel.h"

namespace {

using aif_boundary_test::Components;
using aif_boundary_test::kBuckle;
using aif_boundary_test::Make;
using aif_boundary_test::Modify;
using aif_boundary_test::Options;
using aif_boundary_test::Text;

// A displacement of U1 = 0.5 in "Step-2" of procedure type `procedure`
// with buckling case `bucklingCase`.
kbcC_DisplacementBC BndBuckling(int bucklingCase, unsigned procedure = kBuckle) {
  auto state = Components<kbcC_DisplacementBCState>({0.5});
  state.SetBucklingCase(bucklingCase);
  return Make<kbcC_DisplacementBC>(1, state, procedure);
}

TEST(aif_BoundaryKindsTest, DisplacementByStepKind) {
  // Plain: components set in the step, zero values without a value.
  EXPECT_EQ(
      "*Boundary, op=NEW\nBase, 1, 1, 0.5\nBase, 2, 2\nBase, 3, 3, 1.\n",
      Text(Make<kbcC_DisplacementBC>(1, Components<kbcC_DisplacementBCState>({0.5, 0.0, 1.0}))));

  // A modifying block leaves out the components only carried over.
  auto carried = Components<kbcC_DisplacementBCState>({0.25, 0.75}, 2);
  carried.SetComponent(2, -1.5, 1);
  const auto modified = Make<kbcC_DisplacementBC>(3, carried);
  EXPECT_EQ("*Boundary\nBase, 3, 3, -1.5\n", Text(modified, Modify()));
  EXPECT_EQ("*Boundary, op=NEW\nBase, 1, 1, 0.25\nBase, 2, 2, 0.75\nBase, 3, 3, -1.5\n",
            Text(modified));

  // Fixed: "fixed" and no values.
  auto fixed = Make<kbcC_DisplacementBC>(1, Components<kbcC_DisplacementBCState>({0.5, 0.0, 1.0}));
  fixed.SetFixed(true);
  EXPECT_EQ("*Boundary, op=NEW, fixed\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3\n", Text(fixed));

  // Complex, every component 0: one real block of six lines.
  auto zero = Components<kbcC_DisplacementBCState>({0, 0, 0, 0, 0, 0});
  zero.SetUseComplex(true);
  EXPECT_EQ(
      "*Boundary, op=NEW, real\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3\nBase, 4, 4\nBase, 5, 5\n"
      "Base, 6, 6\n",
      Text(Make<kbcC_DisplacementBC>(1, zero)));

  // Complex: a component with only an imaginary part stands in the
  // imaginary block alone; without a real component no real block.
  kbcC_DisplacementBCState mixed;
  mixed.SetUseComplex(true);
  mixed.SetComponent(0, 0.0, 1, 0.5);
  mixed.SetComponent(1, 1.0, 1, 0.0);
  mixed.SetComponent(2, 2.0, 1, -0.25);
  mixed.SetComponent(3, 0.0, 2, 1.0);
  EXPECT_EQ(
      "*Boundary, real\nBase, 2, 2, 1.\nBase, 3, 3, 2.\n"
      "*Boundary, imaginary\nBase, 1, 1, 0.5\nBase, 3, 3, -0.25\n",
      Text(Make<kbcC_DisplacementBC>(3, mixed), Modify()));
  kbcC_DisplacementBCState imaginary;
  imaginary.SetUseComplex(true);
  imaginary.SetComponent(1, 0.0, 1, 0.5);
  EXPECT_EQ("*Boundary, op=NEW, imaginary\nBase, 2, 2, 0.5\n",
            Text(Make<kbcC_DisplacementBC>(1, imaginary)));

  // Buckling: cases 0 and 3 both load cases, 1 and 2 one, others nothing.
  const std::string first = "*Boundary, op=NEW, load case=1\nBase, 1, 1, 0.5\n";
  const std::string second = "*Boundary, op=NEW, load case=2\nBase, 1, 1, 0.5\n";
  EXPECT_EQ(first + second, Text(BndBuckling(0)));
  EXPECT_EQ(first + second, Text(BndBuckling(3)));
  EXPECT_EQ(first, Text(BndBuckling(1)));
  EXPECT_EQ(second, Text(BndBuckling(2)));
  EXPECT_EQ("", Text(BndBuckling(4)));
  // The initial step, and a state without a step object, are no buckling
  // steps.
  Options initial;
  initial.initialStep = "Step-2";
  EXPECT_EQ("*Boundary, op=NEW\nBase, 1, 1, 0.5\n", Text(BndBuckling(4), initial));
  EXPECT_EQ("*Boundary, op=NEW\nBase, 1, 1, 0.5\n", Text(BndBuckling(4, 0)));
}

TEST(aif_BoundaryKindsTest, VelocityAndAcceleration) {
  auto state = Components<kbcC_VelocityBCState>({2.0, 0.0}, 1);
  state.SetComponent(2, 4.0, 2, 9.0);
  EXPECT_EQ("*Boundary, op=NEW, type=VELOCITY\nBase, 1, 1, 2.\nBase, 2, 2\nBase, 3, 3, 4.\n",
            Text(Make<kbcC_VelocityBC>(1, state)));
  EXPECT_EQ("*Boundary, type=VELOCITY\nBase, 1, 1, 2.\nBase, 2, 2\n",
            Text(Make<kbcC_VelocityBC>(3, state), Modify()));

  // Complex or buckling: load case 1 once; imaginary parts never written.
  state.SetUseComplex(true);
  EXPECT_EQ("*Boundary, op=NEW, real, type=VELOCITY\nBase, 1, 1, 2.\nBase, 2, 2\nBase, 3, 3, 4.\n",
            Text(Make<kbcC_VelocityBC>(1, state)));
  state.SetUseComplex(false);
  EXPECT_EQ(
      "*Boundary, op=NEW, load case=1, type=VELOCITY\nBase, 1, 1, 2.\nBase, 2, 2\n"
      "Base, 3, 3, 4.\n",
      Text(Make<kbcC_VelocityBC>(1, state, kBuckle)));

  // No state in the step: the header alone.
  kbcC_AccelerationBC stateless;
  stateless.SetStatus("Step-2", 1);
  EXPECT_EQ("*Boundary, op=NEW, type=ACCELERATION\n", Text(stateless));

  // A user subroutine; the fixed flag is not written for motions.
  auto user = Make<kbcC_AccelerationBC>(1, Components<kbcC_AccelerationBCState>({0.0, 0.0, -9.81}));
  user.SetDistribution(kbcC_BC::kUserDefined);
  user.SetFixed(true);
  EXPECT_EQ(
      "*Boundary, op=NEW, user, type=ACCELERATION\nBase, 1, 1\nBase, 2, 2\nBase, 3, 3, -9.81\n",
      Text(user));
}

TEST(aif_BoundaryKindsTest, TypeConditions) {
  kbcC_TypeBCState state;
  state.SetTypeName(kbcC_TypeBC::ENCASTRE, 1);
  auto encastre = Make<kbcC_TypeBC>(1, state);
  encastre.SetFixed(true);
  EXPECT_EQ("*Boundary, op=NEW\nBase, ENCASTRE\n", Text(encastre));

  state.SetTypeName(kbcC_TypeBC::YSYMM, 1);
  state.SetBucklingCase(3);
  EXPECT_EQ(
      "*Boundary, op=NEW, load case=1\nBase, YSYMM\n*Boundary, op=NEW, load case=2\nBase, YSYMM\n",
      Text(Make<kbcC_TypeBC>(1, state, kBuckle)));
  state.SetBucklingCase(2);
  EXPECT_EQ("*Boundary, op=NEW, load case=2\nBase, YSYMM\n",
            Text(Make<kbcC_TypeBC>(1, state, kBuckle)));
  state.SetBucklingCase(7);
  EXPECT_EQ("", Text(Make<kbcC_TypeBC>(1, state, kBuckle)));

  // A type only carried over into a modifying block: nothing at all.
  state.SetTypeName(kbcC_TypeBC::XSYMM, 2);
  EXPECT_EQ("", Text(Make<kbcC_TypeBC>(2, state), Modify()));
  EXPECT_EQ("*Boundary, op=NEW\nBase, XSYMM\n", Text(Make<kbcC_TypeBC>(2, state)));
}

TEST(aif_BoundaryKindsTest, TemperatureRuns) {
  kbcC_DistributedBCState state;
  state.SetMagnitude(20.0, 1);
  EXPECT_EQ("*Boundary, op=NEW\nBase, 11, 11, 20.\n", Text(Make<kbcC_TemperatureBC>(1, state)));

  // Runs of the list in stored order, scaled values.
  state.SetDofs({11, 12, 13, 15}, 1);
  Options scaled;
  scaled.scale = 0.5;
  EXPECT_EQ("*Boundary, op=NEW\nBase, 11, 13, 10.\nBase, 15, 15, 10.\n",
            Text(Make<kbcC_TemperatureBC>(1, state), scaled));
  state.SetDofs({15, 11, 12}, 1);
  EXPECT_EQ("*Boundary, op=NEW\nBase, 15, 15, 20.\nBase, 11, 12, 20.\n",
            Text(Make<kbcC_TemperatureBC>(1, state)));

  // Carried over into a modifying block: with a list the header stays; a
  // list set in the step restates the magnitude.
  state.SetMagnitude(20.0, 2);
  state.SetDofs({11, 12}, 2);
  EXPECT_EQ("*Boundary\n", Text(Make<kbcC_TemperatureBC>(3, state), Modify()));
  state.SetDofs({11, 12}, 1);
  EXPECT_EQ("*Boundary\nBase, 11, 12, 20.\n", Text(Make<kbcC_TemperatureBC>(3, state), Modify()));
  kbcC_DistributedBCState single;
  single.SetMagnitude(20.0, 2);
  EXPECT_EQ("", Text(Make<kbcC_TemperatureBC>(3, single), Modify()));
}

TEST(aif_BoundaryKindsTest, SingleValueKinds) {
  kbcC_DistributedBCState state;
  state.SetMagnitude(3.0, 1, 0.5);
  EXPECT_EQ("*Boundary, op=NEW\nBase, 8, 8, 3.\n", Text(Make<kbcC_PorePressureBC>(1, state)));
  EXPECT_EQ("*Boundary, op=NEW\nBase, 8, 8, 3.\n",
            Text(Make<kbcC_FluidCavityPressureBC>(1, state)));
  auto concentration = Make<kbcC_ConcentrationBC>(1, state);
  concentration.SetFixed(true);
  EXPECT_EQ("*Boundary, op=NEW, fixed\nBase, 11, 11, 3.\n", Text(concentration));

  // Real steps: the complex kinds write their own degree of freedom once.
  EXPECT_EQ("*Boundary, op=NEW\nBase, 8, 8, 3.\n", Text(Make<kbcC_AcousticPressureBC>(1, state)));
  EXPECT_EQ("*Boundary, op=NEW\nBase, 9, 9, 3.\n", Text(Make<kbcC_ElectricPotentialBC>(1, state)));
  EXPECT_EQ("*Boundary, op=NEW\nBase, 10, 10, 3.\n", Text(Make<kbcC_MassFlowBC>(1, state)));

  // Complex steps: a real and an imaginary block; a zero real part with an
  // imaginary one gives the imaginary block alone; both zero the real one.
  state.SetUseComplex(true);
  EXPECT_EQ(
      "*Boundary, op=NEW, real\nBase, 9, 9, 3.\n*Boundary, op=NEW, imaginary\nBase, 9, 9, 0.5\n",
      Text(Make<kbcC_ElectricPotentialBC>(1, state)));
  state.SetMagnitude(0.0, 1, 0.5);
  EXPECT_EQ("*Boundary, op=NEW, imaginary\nBase, 10, 10, 0.5\n",
            Text(Make<kbcC_MassFlowBC>(1, state)));
  state.SetMagnitude(0.0, 2, 0.0);
  EXPECT_EQ("*Boundary, real\n", Text(Make<kbcC_AcousticPressureBC>(3, state), Modify()));
  EXPECT_EQ("*Boundary, op=NEW, real\nBase, 8, 8\n", Text(Make<kbcC_AcousticPressureBC>(3, state)));

  // No state in the step: the header alone.
  kbcC_PorePressureBC stateless;
  stateless.SetStatus("Step-2", 2);
  EXPECT_EQ("*Boundary\n", Text(stateless, Modify()));
  kbcC_MassFlowBC stateless2;
  stateless2.SetStatus("Step-2", 2);
  EXPECT_EQ("*Boundary, op=NEW\n", Text(stateless2));

  // A pore pressure whose state is not a single-value state fails its type
  // test before writing.
  const std::string error = aif_test::ThrownText(aif_boundary_test::Keyword(
      Make<kbcC_PorePressureBC>(1, Components<kbcC_DisplacementBCState>({1.0}))));
  EXPECT_EQ(0u, error.rfind("Type test failed: the object is not a kbcC_DistributedBCState "
                            "(source file module/aif/impl/conditions/aif_BoundaryKinds.cpp, line ",
                            0))
      << error;
}

}  // namespace
