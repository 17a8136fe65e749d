// Initial velocities, stresses, geostatic stresses and hardening: uniform
// lines, lines per node or element from an expression field, and what a
// field that cannot be evaluated or a short table does.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/loads/aif_FieldWalk.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

class aif_InitialMechanicalTest : public aif_FieldTestModel {
 protected:
  std::string Text(const kpfC_Field& field, bool flat = false, const char* region = "Set-1") {
    return aif_test::KeywordText(
        aif_InitialConditions(field, "Initial", "Step-1", 0, region, 1, 1, &Info(flat), 1.0));
  }
  // Written once: a failed evaluation leaves one message a write.
  std::string TextOnce(const kpfC_Field& field) {
    const aif_InitialConditions keyword(field, "Initial", "Step-1", 0, "Set-1", 1, 1, &Info(), 1.0);
    return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); });
  }
  std::string Error(const kpfC_Field& field) {
    return aif_test::ThrownText(
        aif_InitialConditions(field, "Initial", "Step-1", 0, "Set-1", 1, 1, &Info(), 1.0));
  }
  static std::string MechanicalFailure(const char* kind, const char* name, const char* field) {
    aif_FieldSubject subject{kind, name, "predefined field"};
    return aif_FieldWalk::FailureText(subject, field).Str();
  }
  // "Zero" is 0 at x = 0: x.
  void AddZeroAtOrigin() {
    kfdC_ExpressionField zero;
    zero.gradient = {1.0, 0.0, 0.0};
    builder_.AddAnalyticalField("Zero", zero);
  }
  // Elements 0 and 1 of Block-1 (centroids x 0.5 and 1.5, y and z 0.5).
  static rgnC_Region BlockElements() {
    rgnC_Region region("Set-1", {"Assembly"});
    region.SetKernelElementIndices(1, {0, 1});
    return region;
  }
};

TEST_F(aif_InitialMechanicalTest, UniformVelocities) {
  kpfC_Velocity velocity;
  velocity.SetComponents({1.0, 0.0, 3.0});
  // Three dimensions: three lines, a zero written too.
  EXPECT_EQ(Text(velocity),
            "*Initial Conditions, type=VELOCITY\nSet-1, 1, 1.\nSet-1, 2, 0.\nSet-1, 3, 3.\n");
  velocity.SetSpace(2);
  EXPECT_EQ(Text(velocity), "*Initial Conditions, type=VELOCITY\nSet-1, 1, 1.\nSet-1, 2, 0.\n");

  // Rotating outside three dimensions: no third component, and the axis
  // stands on the first point.
  velocity.SetRotating(true);
  velocity.SetRotation(5.0);
  velocity.SetComponents({1.0, 2.0, 9.0});
  velocity.SetPoints({2.0f, 3.0f, 7.0f}, {4.0f, 5.0f, 6.0f});
  EXPECT_EQ(Text(velocity),
            "*Initial Conditions, type=ROTATING VELOCITY\n"
            "Set-1, 5., 1., 2., 0., \n"
            "2., 3., 0., 2., 3., 1., \n");
  // Three dimensions: the third of the first point, the second point when it
  // has three entries, else 0, 0, 1.
  velocity.SetSpace(1);
  EXPECT_EQ(Text(velocity),
            "*Initial Conditions, type=ROTATING VELOCITY\n"
            "Set-1, 5., 1., 2., 9., \n"
            "2., 3., 7., 4., 5., 6., \n");
  velocity.SetPoints({2.0f, 3.0f}, {4.0f, 5.0f});
  EXPECT_EQ(Text(velocity),
            "*Initial Conditions, type=ROTATING VELOCITY\n"
            "Set-1, 5., 1., 2., 9., \n"
            "2., 3., 0., 0., 0., 1., \n");
}

TEST_F(aif_InitialMechanicalTest, VelocitiesPerNodeFromAnExpression) {
  AddZeroAtOrigin();
  kpfC_Velocity velocity;
  velocity.SetName("Velocity-1");
  velocity.SetDistribution(6);
  velocity.SetDistributionFieldName("Zero");
  velocity.SetRegion(TwoInstanceNodes());
  velocity.SetRotating(true);
  velocity.SetRotation(2.0);
  velocity.SetComponents({1.0, 3.0, 5.0});
  velocity.SetPoints({1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f});
  // Node 1 of Block-1 (x 1) rotates; node 0 (x 0) falls back to translational
  // lines of zeros; node 0 of Block-2 sits at x 10. The points are not scaled.
  EXPECT_EQ(Text(velocity),
            "*Initial Conditions, type=ROTATING VELOCITY\n"
            "Block-1.2, 2., 1., 3., 5.\n"
            "1., 2., 3., 4., 5., 6., \n"
            "Block-1.1, 1, 0.\n"
            "Block-1.1, 2, 0.\n"
            "Block-1.1, 3, 0.\n"
            "Block-2.1, 20., 10., 30., 50.\n"
            "1., 2., 3., 4., 5., 6., \n");
  // Translational in a plane, flat file: two lines a node, labels offset.
  velocity.SetRotating(false);
  velocity.SetSpace(2);
  EXPECT_EQ(Text(velocity, true),
            "*Initial Conditions, type=VELOCITY\n"
            "2, 1, 1.\n2, 2, 3.\n"
            "1, 1, 0.\n1, 2, 0.\n"
            "13, 1, 10.\n13, 2, 30.\n");
  EXPECT_TRUE(Messages().empty());

  // A field the model lacks, or of neither kind: the keyword line, no node
  // line, and the reason in the checking messages.
  velocity.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(TextOnce(velocity), "*Initial Conditions, type=VELOCITY\n");
  velocity.SetDistributionFieldName("Plain");
  EXPECT_EQ(TextOnce(velocity), "*Initial Conditions, type=VELOCITY\n");
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{MechanicalFailure("velocity", "Velocity-1", "Nowhere"),
                                      MechanicalFailure("velocity", "Velocity-1", "Plain")}));
}

TEST_F(aif_InitialMechanicalTest, StressesAndGeostaticStresses) {
  kpfC_Stress stress;
  stress.SetComponents({1.0, 2.0, 3.0, 4.0, 5.0, 6.0});
  EXPECT_EQ(Text(stress), "*Initial Conditions, type=STRESS\nSet-1, 1., 2., 3., 4., 5., 6.\n");
  // Unset components leave no empty entry; the region name is printable.
  stress.SetComponents({1.0, 2.0, 3.0, 4.0, DBL_MAX, DBL_MAX});
  EXPECT_EQ(Text(stress, false, "My set"),
            "*Initial Conditions, type=STRESS\n\"My set\", 1., 2., 3., 4., \n");
  stress.SetComponents({1.0, DBL_MAX, 3.0, DBL_MAX, 5.0, 6.0});
  EXPECT_EQ(Text(stress), "*Initial Conditions, type=STRESS\nSet-1, 1., 3., 5., 6.\n");
  // Read from a file: the header only.
  stress.SetDistribution(3);
  stress.SetFile("old.fil", 1, 2);
  EXPECT_EQ(Text(stress), "*Initial Conditions, type=STRESS, file=old.fil, step=1, inc=2\n");

  // Geostatic: first, third, second, fourth, fifth, then the sixth or the
  // fifth again.
  kpfC_StressGeo geostatic;
  geostatic.SetNumbers({1.0, 2.0, 3.0, 4.0, 5.0, DBL_MAX});
  EXPECT_EQ(Text(geostatic, false, "My set"),
            "*Initial Conditions, type=STRESS, GEOSTATIC\n\"My set\", 1., 3., 2., 4., 5., 5.\n");
  geostatic.SetNumbers({1.0, 2.0, 3.0, 4.0, 5.0, 6.0});
  EXPECT_EQ(Text(geostatic),
            "*Initial Conditions, type=STRESS, GEOSTATIC\nSet-1, 1., 3., 2., 4., 5., 6.\n");
}

TEST_F(aif_InitialMechanicalTest, HardeningDefinitions) {
  kpfC_Hardening hardening;
  hardening.SetValues({0.5});
  EXPECT_EQ(Text(hardening), "*Initial Conditions, type=HARDENING\nSet-1, 0.5\n");

  // Full tensor, two backstresses read six by six across the rows.
  hardening.SetDefinition(0);
  hardening.SetBackstressCount(2);
  hardening.SetBackstresses({{1, 2, 3, 4}, {5, 6, 7, 8, 9, 10, 11, 12}});
  EXPECT_EQ(Text(hardening),
            "*Initial Conditions, type=HARDENING, full tensor, number backstresses=2\n"
            "Set-1, 0.5, 1., 2., 3., 4., 5., 6.\n"
            "7., 8., 9., 10., 11., 12.\n");

  // Rebar: a line a backstress, the rebar's row and the backstress's column.
  hardening.SetDefinition(2);
  hardening.SetRebarNames({"R1", "R 2"});
  hardening.SetValues({0.5, 0.25});
  hardening.SetBackstresses({{1, 2}, {3, 4}});
  EXPECT_EQ(Text(hardening),
            "*Initial Conditions, type=HARDENING, rebar, number backstresses=2\n"
            "Set-1, R1, 0.5, 1.\n2.\n"
            "Set-1, \"R 2\", 0.25, 3.\n4.\n");

  // Section points: three components a backstress.
  hardening.SetDefinition(3);
  hardening.SetSectionPoints({1, 5});
  hardening.SetBackstresses({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  EXPECT_EQ(Text(hardening),
            "*Initial Conditions, type=HARDENING, section points, number backstresses=2\n"
            "Set-1, 1, 0.5, 1., 2., 3.\n4., 5., 6.\n"
            "Set-1, 5, 0.25, 7., 8., 9.\n10., 11., 12.\n");

  // User: the header only, whatever the tables hold.
  hardening.SetDefinition(4);
  hardening.SetValues({});
  EXPECT_EQ(Text(hardening), "*Initial Conditions, type=HARDENING, user, number backstresses=2\n");
}

TEST_F(aif_InitialMechanicalTest, ShortHardeningTablesAreRefused) {
  const std::string refused = "The hardening initial condition Hard-1 has too few values.";
  kpfC_Hardening hardening;
  hardening.SetName("Hard-1");
  // Plain without a value.
  EXPECT_EQ(Error(hardening), refused);
  // Full tensor: eleven components for two backstresses.
  hardening.SetDefinition(0);
  hardening.SetBackstressCount(2);
  hardening.SetValues({1.0});
  hardening.SetBackstresses({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5}});
  EXPECT_EQ(Error(hardening), refused);
  // Rebar: a value short, then a row short, then a row missing.
  hardening.SetDefinition(2);
  hardening.SetRebarNames({"R1", "R2"});
  hardening.SetBackstresses({{1, 2}, {3, 4}});
  EXPECT_EQ(Error(hardening), refused);
  hardening.SetValues({1.0, 2.0});
  hardening.SetBackstresses({{1, 2}, {3}});
  EXPECT_EQ(Error(hardening), refused);
  hardening.SetBackstresses({{1, 2}});
  EXPECT_EQ(Error(hardening), refused);
  // Section points: five components where two backstresses need six.
  hardening.SetDefinition(3);
  hardening.SetSectionPoints({1, 2});
  hardening.SetBackstresses({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5}});
  EXPECT_EQ(Error(hardening), refused);
  // Distributed by a field, the tables are checked before the evaluation.
  hardening.SetDistribution(6);
  hardening.SetDistributionFieldName("Expr");
  hardening.SetRegion(BlockElements());
  EXPECT_EQ(Error(hardening), refused);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_InitialMechanicalTest, HardeningPerElementFromAnExpression) {
  kpfC_Hardening hardening;
  hardening.SetName("Hard-1");
  hardening.SetDistribution(6);
  hardening.SetDistributionFieldName("Expr");
  hardening.SetRegion(BlockElements());
  hardening.SetValues({2.0});
  // The centroids give 56.5 and 57.5; the value is scaled.
  EXPECT_EQ(Text(hardening),
            "*Initial Conditions, type=HARDENING\nBlock-1.1, 113.\nBlock-1.2, 115.\n");
  // Rebar: the rebar's value scaled, the components not.
  hardening.SetDefinition(2);
  hardening.SetBackstressCount(1);
  hardening.SetRebarNames({"R1"});
  hardening.SetBackstresses({{4}});
  EXPECT_EQ(Text(hardening, true),
            "*Initial Conditions, type=HARDENING, rebar, number backstresses=1\n"
            "1, R1, 113., 4.\n"
            "2, R1, 115., 4.\n");
  EXPECT_TRUE(Messages().empty());
  // A field the model lacks: the keyword line and the reason.
  hardening.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(TextOnce(hardening),
            "*Initial Conditions, type=HARDENING, rebar, number backstresses=1\n");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{MechanicalFailure("hardening", "Hard-1", "Nowhere")});
}

}  // namespace
