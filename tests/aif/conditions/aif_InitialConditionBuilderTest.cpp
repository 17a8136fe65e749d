// The initial-condition builder: XFEM cracks in name order, the actuator and
// sensor states with one count of solution-dependent variables, and the
// "_AS_" set only where its set is defined.
#include "aif/impl/conditions/aif_InitialConditionBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kIcbSolution[] = "*Initial Conditions, type=SOLUTION\n";

hst_ModelBuilder IcbModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

rgnC_Region IcbRegion(const char* name) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelInstanceIds({1u});
  return region;
}

kinC_ActuatorSensor IcbActuator(const rgnC_Region& region, int count,
                                std::initializer_list<double> values) {
  kinC_ActuatorSensor actuator;
  actuator.SetRegion(region);
  actuator.SetVariables(count, values);
  return actuator;
}

// A contact property holding `count` state variables, after a friction
// option unless `kind` is the state variables' own kind.
kinC_ContactProperty IcbProperty(int kind, int count) {
  kinC_ContactProperty property;
  if (kind != kinC_CONTACT_STATE_VARIABLES) property.Set(kinC_TangentialBehavior());
  property.Set(kinC_ContactStateVariables{count});
  return property;
}

using IcbRun = aif_test::BuilderRun<aif_InitialConditionBuilder>;

}  // namespace

// Cracks are filed in name order whatever order they were added in; a
// suppressed crack and another kind of object in the repository file
// nothing; with the assembly's features flag clear nothing is read at all.
TEST(aif_InitialConditionBuilder, CracksInNameOrder) {
  hst_ModelBuilder b = IcbModel();
  EXPECT_EQ("", IcbRun(b).Step("Initial"));
  for (const char* name : {"Crack-B", "Crack-A", "Crack-C"}) {
    kefC_XFEMCrack crack;
    crack.AddNodeEntry(name[6] == 'B' ? 2 : 1, 1, 0.5, 0, 0.0);
    crack.SetSuppressed(name[6] == 'C');
    b.AddCrack(name, crack);
  }
  b.AddCrack("Crack-D", kefC_Spring());
  const std::string both =
      "*Initial Conditions, type=ENRICHMENT\n1, 1, Crack-A, 0.5\n"
      "*Initial Conditions, type=ENRICHMENT\n2, 1, Crack-B, 0.5\n";
  EXPECT_EQ(both, IcbRun(b).Step("Initial"));
  b.Assembly().SetEngineeringFeaturesReady(false);
  EXPECT_EQ("", IcbRun(b).Step("Initial"));
}

// Actuators of 3 and 5 variables and a material with 8 dependent
// variables: both lines span 8 (two lines). Without the material, the
// contact property with 8 after one of another sub-option kind still
// counts; a property of kind 5 with fewer does not lower it. Without an
// actuator nothing is filed.
TEST(aif_InitialConditionBuilder, OneVariableCountForEveryActuator) {
  hst_ModelBuilder plain = IcbModel();
  kmaC_Material material;
  kmaC_Depvar depvar;
  depvar.variableCount = 8;
  material.depvar = cow_COW<kmaC_Depvar>(depvar);
  plain.AddMaterial("Steel", material);
  EXPECT_EQ(0, IcbRun(plain).builder.SolutionVariableCount());

  auto actuators = [](hst_ModelBuilder& b) {
    b.AddInteraction("Act-1", IcbActuator(IcbRegion("Tip"), 3, {1.0, 2.0, 3.0}));
    b.AddInteraction("Act-2", IcbActuator(IcbRegion("Root"), 5, {}));
  };
  const std::string lines = std::string(kIcbSolution) + "Block-1.Tip_AS_, 1., 2., 3.\n\n" +
                            kIcbSolution + "Block-1.Root_AS_, \n\n";
  actuators(plain);
  {
    const IcbRun run(plain);
    EXPECT_EQ(8, run.builder.SolutionVariableCount());
    EXPECT_EQ(lines, run.Step("Initial"));
  }

  hst_ModelBuilder contact = IcbModel();
  actuators(contact);
  EXPECT_EQ(5, IcbRun(contact).builder.SolutionVariableCount());
  contact.AddInteractionProperty("A-Friction", IcbProperty(kinC_TANGENTIAL_BEHAVIOR, 20));
  contact.AddInteractionProperty("B-User", IcbProperty(kinC_CONTACT_STATE_VARIABLES, 8));
  contact.AddInteractionProperty("C-User", IcbProperty(kinC_CONTACT_STATE_VARIABLES, 2));
  const IcbRun run(contact);
  EXPECT_EQ(8, run.builder.SolutionVariableCount());
  EXPECT_EQ(lines, run.Step("Initial"));
}

// The "_AS_" set is named, and the actuator written, only where the set is
// defined: a Standard analysis, a region the kernel resolves, on instances
// that still exist. A name that needs quotes is quoted with its suffix.
TEST(aif_InitialConditionBuilder, ActuatorSetOnlyWhereItIsDefined) {
  hst_ModelBuilder b = IcbModel();
  rgnC_Region invalid = IcbRegion("Lost");
  invalid.SetKernelValid(false);
  rgnC_Region gone = IcbRegion("Gone");
  gone.SetKernelInstancesExist(false);
  b.AddInteraction("Act-1", IcbActuator(invalid, 1, {1.0}));
  b.AddInteraction("Act-2", IcbActuator(gone, 1, {2.0}));
  b.AddInteraction("Act-3", IcbActuator(IcbRegion("Wet zone"), 1, {3.0}));
  kinC_ActuatorSensor off = IcbActuator(IcbRegion("Off"), 1, {4.0});
  off.SetSuppressed(true);
  b.AddInteraction("Act-4", off);
  {
    const IcbRun run(b);
    EXPECT_EQ(std::string(kIcbSolution) + "Block-1.\"Wet zone_AS_\", 3.\n", run.Step("Initial"));
    EXPECT_EQ("", aif_ActuatorSensorSetName(run.info, invalid));
    EXPECT_EQ("", aif_ActuatorSensorSetName(run.info, gone));
  }
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  const IcbRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ("", aif_ActuatorSensorSetName(run.info, IcbRegion("Wet zone")));
}

// Through the driver the actuator's state comes first in the initial step,
// before the boundary conditions; the initial conditions of the predefined
// fields come after them, behind their banner.
TEST(aif_InitialConditionBuilder, WrittenBeforeTheBoundaryConditions) {
  hst_ModelBuilder b = IcbModel();
  rgnC_Region tip = IcbRegion("Tip");
  tip.SetKernelNodeIndices(1, {7});
  b.AddInteraction("Act-1", IcbActuator(tip, 1, {1.5}));
  rgnC_Region base = IcbRegion("Base");
  base.SetKernelNodeIndices(1, {0});
  kbcC_DisplacementBC fixed;
  fixed.SetRegion(base);
  kbcC_DisplacementBCState held;
  held.SetComponent(0, 0.0, 1);
  fixed.SetState("Initial", 1, held);
  b.AddBoundaryCondition("Fixed", fixed);
  kpfC_Temperature warm;
  warm.SetRegion(base);
  kpfC_GeneralFieldBaseState state;
  state.SetValues({20.0});
  warm.SetState("Initial", 1, state);
  b.AddField("Warm", warm);
  const aif_test::TempDeck deck("IcbDriverOrder");
  const std::string text = deck.Write(b);
  const std::size_t begin = text.find("*End Assembly\n");
  const std::size_t end = text.find("** ----");
  ASSERT_NE(std::string::npos, begin);
  ASSERT_NE(std::string::npos, end);
  // The actuator's property (the interaction builder's) comes first.
  EXPECT_EQ(
      "*End Assembly\n"
      "** \n** INTERACTION PROPERTIES\n** \n"
      "** Interaction property: (dummy property), Type: Actuator/Sensor\n"
      "*Uel Property, elset=Block-1.Tip_AS_\n"
      "*Initial Conditions, type=SOLUTION\nBlock-1.Tip_AS_, 1.5\n"
      "** \n** BOUNDARY CONDITIONS\n** \n"
      "** Name: Fixed Type: Displacement/Rotation\n*Boundary\nBlock-1.Base, 1, 1\n"
      "** \n** PREDEFINED FIELDS\n** \n"
      "** Name: Warm   Type: Temperature\n"
      "*Initial Conditions, type=TEMPERATURE\nBlock-1.Base, 20.\n",
      text.substr(begin, end - begin));
}
