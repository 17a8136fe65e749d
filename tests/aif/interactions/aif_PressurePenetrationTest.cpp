// "*Pressure Penetration": plain and complex loading, deactivation, the
// options a perturbation step or a procedure without amplitude leaves out,
// partners, and the failures before anything is written.
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kinC_PressurePenetration.h"
#include "aif/impl/interactions/aif_PressurePenetration.h"
#include "aif_GeneralContactTestModel.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// The contact "CP-1" between Block-1's Master and Slave; the steps "Step-1"
// (static) and "Pert-1" (a perturbation step).
class aif_PressurePenetrationTest : public aif_InteractionTestModel {
 protected:
  void SetUp() override {
    aif_InteractionTestModel::SetUp();
    builder_.AddStep("Pert-1", hst_ModelBuilder::MakeStep<kprC_StaticStep>(false, true));
    kinC_SurfaceToSurfaceContactStd contact;
    contact.SetSurfaces(BlockRegion("Master"), BlockRegion("Slave"));
    builder_.AddInteraction("CP-1", contact);
    builder_.AddInteraction("Found-1", kinC_ElasticFoundation());
  }

  // "PP-1" on CP-1 from Pen-1 (partner Part-1) and Pen-2 (no partner), with
  // `status` and a state in `step`: amplitude Amp-1, penetration time 0.5,
  // pressures 1.5 and 2.5, critical pressures 10 and 20.
  static kinC_PressurePenetration Penetration(const char* step = "Step-1", int status = 1) {
    kinC_PressurePenetration penetration;
    penetration.SetName("PP-1");
    penetration.SetContactInteraction("CP-1");
    penetration.SetRegions({BlockRegion("Pen-1"), BlockRegion("Pen-2")}, {BlockRegion("Part-1")});
    penetration.SetStepState(step, status, PenetrationState({1.5, 2.5}, {10.0, 20.0}));
    return penetration;
  }
  static kinC_PressurePenetrationState PenetrationState(const cow_List<double>& first,
                                                        const cow_List<double>& second) {
    kinC_PressurePenetrationState state;
    state.SetAmplitude("Amp-1");
    state.SetPenetrationTime(0.5);
    state.SetValues(first, second);
    return state;
  }

  std::string PenetrationText(const kinC_PressurePenetration& penetration, bool keepOp = true,
                              const char* step = "Step-1") {
    return aif_test::KeywordText(
        aif_PressurePenetration(step, cow_COW<kinC_Interaction>(penetration), keepOp, Info()));
  }
  std::string PenetrationError(const kinC_PressurePenetration& penetration) {
    return aif_test::ThrownText(
        aif_PressurePenetration("Step-1", cow_COW<kinC_Interaction>(penetration), true, Info()));
  }
};

constexpr char kPenetrationLine[] =
    "*Pressure Penetration, master=Block-1.Master, slave=Block-1.Slave";

}  // namespace

TEST_F(aif_PressurePenetrationTest, PlainLoadingDeactivationAndStepKinds) {
  const std::string lines = "Block-1.Pen-1, Block-1.Part-1, 1.5, 10.\nBlock-1.Pen-2, , 2.5, 20.\n";
  EXPECT_EQ(PenetrationText(Penetration()),
            std::string(kPenetrationLine) + ", amplitude=Amp-1, penetration time=0.5\n" + lines);
  EXPECT_EQ(
      PenetrationText(Penetration(), false),
      std::string(kPenetrationLine) + ", op=NEW, amplitude=Amp-1, penetration time=0.5\n" + lines);

  // Deactivated: the surfaces alone, whatever the state holds.
  kinC_PressurePenetration removed = Penetration("Step-1", 4);
  removed.SetStepState("Step-1", 4, PenetrationState({}, {}));
  EXPECT_EQ(PenetrationText(removed, false), std::string(kPenetrationLine) + ", op=NEW\n");
  EXPECT_EQ(PenetrationText(removed), std::string(kPenetrationLine) + "\n");

  // A perturbation step has no penetration time; a procedure that takes no
  // amplitude, or an empty amplitude, leaves the amplitude out.
  EXPECT_EQ(PenetrationText(Penetration("Pert-1"), true, "Pert-1"),
            std::string(kPenetrationLine) + ", amplitude=Amp-1\n" + lines);
  kinC_PressurePenetrationState noAmplitude = PenetrationState({1.5, 2.5}, {10.0, 20.0});
  noAmplitude.SetNoAmplitudeProcedures({kprC_StaticStep::TypeId()});
  kinC_PressurePenetration penetration = Penetration();
  penetration.SetStepState("Step-1", 3, noAmplitude);
  EXPECT_EQ(PenetrationText(penetration),
            std::string(kPenetrationLine) + ", penetration time=0.5\n" + lines);
  kinC_PressurePenetrationState emptyAmplitude = PenetrationState({1.5, 2.5}, {10.0, 20.0});
  emptyAmplitude.SetAmplitude("");
  penetration.SetStepState("Pert-1", 1, emptyAmplitude);
  EXPECT_EQ(PenetrationText(penetration, true, "Pert-1"),
            std::string(kPenetrationLine) + "\n" + lines);

  // A default region in the partner list is no partner either.
  penetration = Penetration();
  penetration.SetRegions({BlockRegion("Pen-1"), BlockRegion("Pen-2")},
                         {rgnC_Region(), BlockRegion("Part-2")});
  EXPECT_EQ(PenetrationText(penetration),
            std::string(kPenetrationLine) +
                ", amplitude=Amp-1, penetration time=0.5\n"
                "Block-1.Pen-1, , 1.5, 10.\nBlock-1.Pen-2, Block-1.Part-2, 2.5, 20.\n");
}

TEST_F(aif_PressurePenetrationTest, ComplexLoadingWritesTheParts) {
  const std::string head =
      std::string(kPenetrationLine) + ", amplitude=Amp-1, penetration time=0.5";
  // Real parts only: one keyword, the state's first list unused.
  kinC_PressurePenetration penetration = Penetration();
  penetration.SetComplexValues({kinC_Complex(3.0, 0.0), kinC_Complex(-4.0, 0.0)});
  EXPECT_EQ(PenetrationText(penetration), head +
                                              ", real\nBlock-1.Pen-1, Block-1.Part-1, 3., 10.\n"
                                              "Block-1.Pen-2, , -4., 20.\n");
  // All parts zero: both keywords, zero pressures.
  penetration.SetComplexValues({kinC_Complex(), kinC_Complex()});
  EXPECT_EQ(PenetrationText(penetration),
            head + ", real\nBlock-1.Pen-1, Block-1.Part-1, 0., 10.\nBlock-1.Pen-2, , 0., 20.\n" +
                head + ", imaginary\nBlock-1.Pen-1, Block-1.Part-1, 0., 10.\n" +
                "Block-1.Pen-2, , 0., 20.\n");
  // An imaginary part alone, and a converted form read through its
  // conversion.
  penetration.SetComplexValues(
      {kinC_Complex(0.0, 0.0), kinC_Complex::Converted(1, 5.0, 0.3, 0.0, 4.0)});
  EXPECT_EQ(PenetrationText(penetration),
            head +
                ", imaginary\nBlock-1.Pen-1, Block-1.Part-1, 0., 10.\n"
                "Block-1.Pen-2, , 4., 20.\n");
}

TEST_F(aif_PressurePenetrationTest, FailuresWriteNothing) {
  const std::string shortList =
      "The pressure penetration PP-1 has fewer pressure values than penetration regions.";
  kinC_PressurePenetration penetration = Penetration();
  penetration.SetStepState("Step-1", 1, PenetrationState({1.5}, {10.0, 20.0}));
  EXPECT_EQ(PenetrationError(penetration), shortList);
  penetration.SetStepState("Step-1", 1, PenetrationState({1.5, 2.5}, {10.0}));
  EXPECT_EQ(PenetrationError(penetration), shortList);
  // Complex loading needs a complex value per region; the first list is not
  // read.
  penetration.SetStepState("Step-1", 1, PenetrationState({}, {10.0, 20.0}));
  penetration.SetComplexValues({kinC_Complex(1.0, 0.0)});
  EXPECT_EQ(PenetrationError(penetration), shortList);

  // The contact must exist and be a standard surface-to-surface contact.
  penetration = Penetration();
  penetration.SetContactInteraction("CP-2");
  EXPECT_EQ(PenetrationError(penetration).rfind("out of range: ", 0), 0u);
  penetration.SetContactInteraction("Found-1");
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      PenetrationError(penetration), "kinC_SurfaceToSurfaceContactStd",
      "module/aif/impl/interactions/aif_PressurePenetration.cpp"));
  // A step without a state, and another interaction kind.
  EXPECT_EQ(aif_test::ThrownText(aif_PressurePenetration(
                "Pert-1", cow_COW<kinC_Interaction>(Penetration()), true, Info())),
            "out of range: pressure penetration state: no state in step Pert-1");
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_PressurePenetration(
          "Step-1", cow_COW<kinC_Interaction>(kinC_ElasticFoundation()), true, Info())),
      "kinC_PressurePenetration", "module/aif/impl/interactions/aif_PressurePenetration.cpp"));
}
