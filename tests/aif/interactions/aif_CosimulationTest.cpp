// "*Co-simulation Controls", "*Co-simulation" and "*Co-simulation Region" of
// both co-simulation kinds: the controls' name, the options by code, the
// exchanged variables eight values a line, the import and export blocks.
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "aif/impl/interactions/aif_Cosimulation.h"
#include "aif/impl/interactions/aif_CosimulationControls.h"
#include "aif/impl/interactions/aif_CosimulationRegion.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// The kind bit of a surface region.
constexpr int kCosimTestSurface = 1 << 3;

cow_COW<kinC_Interaction> CosimHandle(const kinC_Interaction& interaction) {
  return cow_COW<kinC_Interaction>(interaction);
}

std::string CosimControlsText(const kinC_Interaction& interaction, const char* name) {
  return aif_test::KeywordText(aif_CosimulationControls(CosimHandle(interaction), name));
}

std::string CosimKeywordText(const kinC_Interaction& interaction, const char* name) {
  return aif_test::KeywordText(aif_Cosimulation(CosimHandle(interaction), name));
}

// A fluid-structure co-simulation with the codes given.
kinC_FSICosimulation CosimFsi(int scheme, int incrementation, int marks, int stepSizeKind,
                              int modifier) {
  kinC_FSICosimulation cosim;
  cosim.SetCouplingScheme(scheme);
  cosim.SetTimeIncrementation(incrementation);
  cosim.SetTimeMarks(marks);
  cosim.SetStepSizeKind(stepSizeKind);
  cosim.SetStepSize(0.25);
  cosim.SetSchemeModifier(modifier);
  return cosim;
}

class aif_CosimulationTest : public aif_InteractionTestModel {
 protected:
  std::string RegionText(const kinC_Interaction& interaction) {
    return aif_test::KeywordText(
        aif_CosimulationRegion(CosimHandle(interaction), "Step-1", Info()));
  }
};

}  // namespace

TEST(aif_CosimulationControls, NamedAfterTheInteraction) {
  kinC_StdXplCosimulation cosim;
  cosim.SetTimeIncrementation(2);
  // Both keywords name the same controls, each co-simulation its own.
  EXPECT_EQ(CosimControlsText(cosim, "A"),
            "*Co-simulation Controls, name=A_Ctrls, time incrementation=lockstep\n");
  EXPECT_EQ(CosimKeywordText(cosim, "A"),
            "*Co-simulation, name=A, controls=A_Ctrls, program=MORVEX\n");
  EXPECT_EQ(CosimKeywordText(cosim, "B"),
            "*Co-simulation, name=B, controls=B_Ctrls, program=MORVEX\n");
  // The suffix goes inside the quotes of a name that needs them.
  EXPECT_EQ(CosimKeywordText(cosim, "my cosim"),
            "*Co-simulation, name=\"my cosim\", controls=\"my cosim_Ctrls\", program=MORVEX\n");
  EXPECT_EQ(CosimControlsText(cosim, "my cosim"),
            "*Co-simulation Controls, name=\"my cosim_Ctrls\", time incrementation=lockstep\n");

  // Any other incrementation is subcycle; a given step size follows.
  cosim.SetTimeIncrementation(0);
  cosim.SetStepSizeChoice(1);
  cosim.SetStepSize(0.001);
  EXPECT_EQ(CosimControlsText(cosim, "A"),
            "*Co-simulation Controls, name=A_Ctrls, time incrementation=subcycle, "
            "step size=0.001\n");

  // Fluid-structure: the other program.
  EXPECT_EQ(CosimKeywordText(kinC_FSICosimulation(), "F"),
            "*Co-simulation, name=F, controls=F_Ctrls, program=MULTIPHYSICS\n");
  // Another class: no program and no options; an empty handle: nothing.
  EXPECT_EQ(CosimKeywordText(kinC_CavityRadiation(), "C"),
            "*Co-simulation, name=C, controls=C_Ctrls\n");
  EXPECT_EQ(CosimControlsText(kinC_CavityRadiation(), "C"),
            "*Co-simulation Controls, name=C_Ctrls\n");
  EXPECT_EQ(aif_test::KeywordText(aif_CosimulationControls(cow_COW<kinC_Interaction>(), "A")), "");
  EXPECT_EQ(aif_test::KeywordText(aif_Cosimulation(cow_COW<kinC_Interaction>(), "A")), "");
}

TEST(aif_CosimulationControls, FluidStructureOptionsByCode) {
  const std::string head = "*Co-simulation Controls, name=F_Ctrls";
  // A line past the break column goes on before the next option.
  EXPECT_EQ(CosimControlsText(CosimFsi(1, 1, 1, 1, 1), "F"),
            head +
                ", coupling scheme=gauss-seidel, time incrementation=subcycle, time marks=yes, "
                "step size=import, \nscheme modifier=lead\n");
  EXPECT_EQ(CosimControlsText(CosimFsi(1, 2, 2, 2, 2), "F"),
            head +
                ", coupling scheme=gauss-seidel, time incrementation=lockstep, time marks=no, "
                "step size=export, \nscheme modifier=lag\n");
  EXPECT_EQ(
      CosimControlsText(CosimFsi(1, 0, 0, 3, 3), "F"),
      head + ", coupling scheme=gauss-seidel, step size=max, scheme modifier=send predictor\n");
  EXPECT_EQ(
      CosimControlsText(CosimFsi(1, 0, 0, 4, 4), "F"),
      head + ", coupling scheme=gauss-seidel, step size=min, scheme modifier=receive predictor\n");
  // Jacobi writes no scheme modifier, whatever it is; kind 5 writes the
  // step size itself.
  for (int modifier = 0; modifier <= 4; ++modifier)
    EXPECT_EQ(CosimControlsText(CosimFsi(2, 0, 0, 5, modifier), "F"),
              head + ", coupling scheme=jacobi, step size=0.25\n")
        << "modifier " << modifier;
  // Codes outside their lists write nothing for their option.
  EXPECT_EQ(CosimControlsText(CosimFsi(3, 3, 0, 6, 1), "F"), head + "\n");
  EXPECT_EQ(CosimControlsText(CosimFsi(1, 0, 0, 0, 5), "F"),
            head + ", coupling scheme=gauss-seidel\n");
}

TEST_F(aif_CosimulationTest, StandardExplicitVariablesEightValuesALine) {
  kinC_StdXplCosimulation cosim;
  cosim.SetRegion(rgnC_Region("Skin", {"Assembly", "Block-1"}, kCosimTestSurface));
  cosim.SetStepVariables("Step-1", 1, {"U", "V", "CF"});
  EXPECT_EQ(RegionText(cosim), "*Co-simulation Region, type=SURFACE\nBlock-1.Skin, U, V, CF, \n");
  // Seven variables fill one line with the region's name: nothing follows.
  cosim.SetRegion(BlockRegion("Set-1"));
  cosim.SetStepVariables("Step-1", 1, {"A1", "A2", "A3", "A4", "A5", "A6", "A7"});
  EXPECT_EQ(RegionText(cosim),
            "*Co-simulation Region, type=NODE\nBlock-1.Set-1, A1, A2, A3, A4, A5, A6, A7\n");
  cosim.SetStepVariables("Step-1", 1, {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8"});
  EXPECT_EQ(RegionText(cosim),
            "*Co-simulation Region, type=NODE\nBlock-1.Set-1, A1, A2, A3, A4, A5, A6, A7\nA8, \n");
  // A node set is named by its own qualified name, never by a set made for
  // it (a region of kind bit 0 would be written as its "_CNS_" set).
  cosim.SetRegion(rgnC_Region("Set-1", {"Assembly", "Block-1"}, 1));
  // No variables: the name alone.
  cosim.SetStepVariables("Step-1", 1, {});
  EXPECT_EQ(RegionText(cosim), "*Co-simulation Region, type=NODE\nBlock-1.Set-1, \n");
  // Without a state in the step nothing is written.
  kinC_StdXplCosimulation stateless;
  EXPECT_EQ(aif_test::ThrownText(aif_CosimulationRegion(CosimHandle(stateless), "Step-1", Info())),
            "out of range: co-simulation state: no state in step Step-1");
}

TEST_F(aif_CosimulationTest, FluidStructureImportAndExportBlocks) {
  kinC_FSICosimulation cosim;
  cosim.SetRegion(rgnC_Region("Skin", {"Assembly", "Block-1"}, kCosimTestSurface));
  cosim.SetStepVariables("Step-1", 1, {"CF", "LUMPEDMASS"}, {"U", "V"});
  EXPECT_EQ(RegionText(cosim),
            "*Co-simulation Region, import, type=SURFACE\n"
            "Block-1.Skin, CF\nBlock-1.Skin, LUMPEDMASS\n"
            "*Co-simulation Region, export, type=SURFACE\n"
            "Block-1.Skin, U\nBlock-1.Skin, V\n");
  // An empty import list: the export block alone.
  cosim.SetRegion(BlockRegion("Set-1"));
  cosim.SetStepVariables("Step-1", 1, {}, {"NT"});
  EXPECT_EQ(RegionText(cosim), "*Co-simulation Region, export, type=NODE\nBlock-1.Set-1, NT\n");
  cosim.SetStepVariables("Step-1", 1, {"TEMP"}, {});
  EXPECT_EQ(RegionText(cosim), "*Co-simulation Region, import, type=NODE\nBlock-1.Set-1, TEMP\n");
  kinC_FSICosimulation stateless;
  EXPECT_EQ(aif_test::ThrownText(aif_CosimulationRegion(CosimHandle(stateless), "Step-1", Info())),
            "out of range: co-simulation state: no state in step Step-1");
  // Another class, or no interaction: nothing.
  EXPECT_EQ(RegionText(kinC_CavityRadiation()), "");
  EXPECT_EQ(
      aif_test::KeywordText(aif_CosimulationRegion(cow_COW<kinC_Interaction>(), "Step-1", Info())),
      "");
}
