// "*Adaptive Mesh Constraint": the keyword line and data lines of
// displacement and velocity constraints by status, op and motion type, the
// buckling-step rule, the unknown-class error, and the op status.

#include "aif/impl/conditions/aif_AdptMeshCons.h"

#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/conditions/aif_AdptMeshConsOpStatus.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

// A state of `status` with the six values `dofs`, each of `dofStatus`.
kprC_AdptMeshConsState AmcState(int status, std::initializer_list<double> dofs, int dofStatus,
                                const char* amplitude = "") {
  kprC_AdptMeshConsState state;
  state.SetStatus(status);
  state.SetAmplitude(amplitude, status);
  std::size_t k = 0;
  for (double value : dofs)
    state.SetDof(k++, value, dofStatus);
  return state;
}

template <class Constraint>
Constraint AmcConstraint(const char* step, int status, const kprC_AdptMeshConsState& state,
                         int motionType = 0) {
  Constraint constraint;
  constraint.SetName("Amc-1");
  constraint.SetMotionType(motionType);
  constraint.SetState(step, status, state);
  return constraint;
}

// A kernel constraint of neither kind.
class AmcOtherConstraint : public kprC_AdptMeshCons {
 public:
  static constexpr unsigned kTypeId = 0x23C01F0;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  AmcOtherConstraint* Clone() const override { return new AmcOtherConstraint(*this); }
  CLS_REGISTER(AmcOtherConstraint, kprC_AdptMeshCons)
};

std::string AmcText(const kprC_AdptMeshCons& constraint, bool modify, const char* step = "Step-2") {
  return aif_test::KeywordText(
      aif_AdptMeshCons(constraint, step, modify, "Block-1.Nodes", false, "Initial"));
}

TEST(aif_AdptMeshConsTest, DisplacementConstraintByStatusAndOp) {
  // Created in the step: every degree of freedom set or carried over, zero
  // values without a value, whatever modify says.
  const auto created = AmcConstraint<kprC_DispAdptMeshCons>(
      "Step-2", 1, AmcState(1, {0.5, 0.0, 1.0, 0.0, 0.0, 2.0}, 1, "Ramp"));
  const std::string createdLines =
      "Block-1.Nodes, 1, 1, 0.5\nBlock-1.Nodes, 2, 2\nBlock-1.Nodes, 3, 3, 1.\n"
      "Block-1.Nodes, 4, 4\nBlock-1.Nodes, 5, 5\nBlock-1.Nodes, 6, 6, 2.\n";
  EXPECT_EQ("*Adaptive Mesh Constraint, amplitude=Ramp\n" + createdLines, AmcText(created, true));
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW, amplitude=Ramp\n" + createdLines,
            AmcText(created, false));

  // Modified in the step: with modify only the values set in the step; with
  // op=NEW those carried over too. Unset values (status 0) never.
  kprC_AdptMeshConsState state = AmcState(3, {}, 0);
  state.SetDof(0, 0.25, 2);
  state.SetDof(2, -1.5, 1);
  const auto modified = AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 3, state);
  EXPECT_EQ("*Adaptive Mesh Constraint\nBlock-1.Nodes, 3, 3, -1.5\n", AmcText(modified, true));
  EXPECT_EQ(
      "*Adaptive Mesh Constraint, op=NEW\nBlock-1.Nodes, 1, 1, 0.25\nBlock-1.Nodes, 3, 3, -1.5\n",
      AmcText(modified, false));

  // Carried over unchanged (state status 2) and modify: nothing changed.
  const auto carried =
      AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 2, AmcState(2, {0.25}, 2, "Ramp"));
  EXPECT_EQ("*Adaptive Mesh Constraint, amplitude=Ramp\n", AmcText(carried, true));
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW, amplitude=Ramp\nBlock-1.Nodes, 1, 1, 0.25\n",
            AmcText(carried, false));

  // Deactivated (4 or 11): the keyword line alone, no amplitude; a removal
  // always writes the changed values only.
  for (int status : {4, 11}) {
    const auto removed =
        AmcConstraint<kprC_DispAdptMeshCons>("Step-2", status, AmcState(status, {1.0}, 1, "Ramp"));
    EXPECT_EQ("*Adaptive Mesh Constraint\n", AmcText(removed, true)) << status;
    EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\n", AmcText(removed, false)) << status;
  }
}

TEST(aif_AdptMeshConsTest, MotionTypesAndVelocity) {
  const auto lagrangian =
      AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 1, AmcState(1, {1.0, 2.0}, 1), 1);
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW, constraint type=LAGRANGIAN\nBlock-1.Nodes\n",
            AmcText(lagrangian, false));
  const auto user = AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 1, AmcState(1, {1.0}, 1), 2);
  EXPECT_EQ("*Adaptive Mesh Constraint, user\nBlock-1.Nodes\n", AmcText(user, true));

  const auto velocity =
      AmcConstraint<kprC_VelAdptMeshCons>("Step-2", 1, AmcState(1, {0.0, 3.0}, 1, "Ramp"));
  EXPECT_EQ(
      "*Adaptive Mesh Constraint, op=NEW, amplitude=Ramp, type=VELOCITY\n"
      "Block-1.Nodes, 1, 1\nBlock-1.Nodes, 2, 2, 3.\n",
      AmcText(velocity, false));
  const auto userVelocity =
      AmcConstraint<kprC_VelAdptMeshCons>("Step-2", 1, AmcState(1, {1.0}, 1), 2);
  EXPECT_EQ("*Adaptive Mesh Constraint, user, type=VELOCITY\nBlock-1.Nodes\n",
            AmcText(userVelocity, true));
  // Removed: motion type and velocity form are not written.
  const auto removedVelocity =
      AmcConstraint<kprC_VelAdptMeshCons>("Step-2", 4, AmcState(4, {1.0}, 1), 1);
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\n", AmcText(removedVelocity, false));

  // A quoted amplitude name.
  const auto quoted =
      AmcConstraint<kprC_VelAdptMeshCons>("Step-2", 1, AmcState(1, {1.0}, 1, "Slow ramp"));
  EXPECT_EQ(
      "*Adaptive Mesh Constraint, amplitude=\"Slow ramp\", type=VELOCITY\n"
      "Block-1.Nodes, 1, 1, 1.\n",
      AmcText(quoted, true));
}

TEST(aif_AdptMeshConsTest, BucklingStepsAndStepsWithoutAStep) {
  kprC_AdptMeshConsState state = AmcState(1, {1.0}, 1);
  state.SetProcedureType(kprC_BuckleStep::TypeId());
  state.SetMode(5, 1);
  // Real state, mode outside 0..3 in a buckling step: nothing at all.
  EXPECT_EQ("", AmcText(AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 1, state), false));
  // The same in the initial step, or as a velocity constraint: written.
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\nBlock-1.Nodes, 1, 1, 1.\n",
            AmcText(AmcConstraint<kprC_DispAdptMeshCons>("Initial", 1, state), false, "Initial"));
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW, type=VELOCITY\nBlock-1.Nodes, 1, 1, 1.\n",
            AmcText(AmcConstraint<kprC_VelAdptMeshCons>("Step-2", 1, state), false));
  // Modes 0 to 3, or a complex state: written.
  for (int mode : {0, 3}) {
    state.SetMode(mode, 1);
    EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\nBlock-1.Nodes, 1, 1, 1.\n",
              AmcText(AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 1, state), false))
        << mode;
  }
  state.SetMode(-1, 1);
  state.SetUseComplex(true);
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\nBlock-1.Nodes, 1, 1, 1.\n",
            AmcText(AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 1, state), false));

  // A state without a step (procedure type 0) is not a buckling step, even
  // with a mode outside 0..3.
  kprC_AdptMeshConsState noStep = AmcState(1, {1.0}, 1);
  noStep.SetMode(7, 1);
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\nBlock-1.Nodes, 1, 1, 1.\n",
            AmcText(AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 1, noStep), false));
  // A step the constraint has no state for at all: status 0, nothing set.
  kprC_DispAdptMeshCons bare;
  EXPECT_EQ("*Adaptive Mesh Constraint, op=NEW\n", AmcText(bare, false));

  // Removed in a buckling step: its header is still written.
  kprC_AdptMeshConsState removed = state;
  removed.SetUseComplex(false);
  removed.SetMode(9, 4);
  EXPECT_EQ("*Adaptive Mesh Constraint\n",
            AmcText(AmcConstraint<kprC_DispAdptMeshCons>("Step-2", 4, removed), true));
}

TEST(aif_AdptMeshConsTest, UnknownConstraintClassesAreRefused) {
  const auto other = AmcConstraint<AmcOtherConstraint>("Step-2", 1, AmcState(1, {1.0}, 1));
  EXPECT_EQ("Unimplemented adaptive mesh constraint in input file.",
            aif_test::ThrownText(
                aif_AdptMeshCons(other, "Step-2", false, "Block-1.Nodes", false, "Initial")));
  // Removed, it writes its keyword line like any other.
  const auto removed = AmcConstraint<AmcOtherConstraint>("Step-2", 4, AmcState(4, {}, 0), 1);
  EXPECT_EQ("*Adaptive Mesh Constraint\n", AmcText(removed, true));

  aif_AdptMeshConsOpStatus status;
  bool selector = false;
  EXPECT_EQ(0, status.StatusKey(kprC_DispAdptMeshCons::TypeId(), selector));
  EXPECT_EQ(0, status.StatusKey(kprC_VelAdptMeshCons::TypeId(), selector));
  try {
    status.StatusKey(AmcOtherConstraint::TypeId(), selector);
    ADD_FAILURE() << "no exception";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(std::string("Unimplemented adptMeshCons->statusKey conversion"), e.Message().Str());
  }
}

TEST(aif_AdptMeshConsTest, OpStatusFlagsRemovalsAndRealModifications) {
  cow_List<cow_String> steps;
  for (const char* name : {"Initial", "Step-1", "Step-2", "Step-3", "Step-4", "Step-5"})
    steps.Append(name);

  kprC_PropagatingContainer<kprC_AdptMeshCons> constraints;
  kprC_DispAdptMeshCons a;
  a.SetStatus("Initial", 4);  // the first step is never flagged
  a.SetStatus("Step-1", 1);
  a.SetStatus("Step-2", 3);  // modified, but its test says no
  a.SetStatus("Step-3", 10);
  a.SetModified("Step-3", true);
  constraints.Set("A", a);
  kprC_VelAdptMeshCons b;
  b.SetStatus("Step-4", 11);
  b.SetStatus("Step-5", 2);
  constraints.Set("B", b);
  kprC_DispAdptMeshCons suppressed;
  suppressed.SetSuppressed(true);
  suppressed.SetStatus("Step-1", 4);
  suppressed.SetStatus("Step-5", 3);
  suppressed.SetModified("Step-5", true);
  constraints.Set("C", suppressed);

  aif_AdptMeshConsOpStatus status;
  status.BuildAdptMeshConsOpStatus(steps, constraints);
  std::string flags;
  for (const cow_String& step : status.Steps())
    flags += status.NeedsNewOp(kprC_VelAdptMeshCons::TypeId(), step) ? '1' : '0';
  EXPECT_EQ("000110", flags);
  // The second category exists and is never flagged.
  EXPECT_FALSE(status.CategoryNeedsNewOp(1, "Step-4"));
}

}  // namespace
