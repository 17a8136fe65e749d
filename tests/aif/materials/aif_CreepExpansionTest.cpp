// Acoustic medium, expansion, creep, viscosity and the variable counts: the
// options each keyword line carries, where the empty temperature column goes
// and the blocks that follow the data.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_AcousticMedium.h"
#include "aif/impl/materials/aif_Creep.h"
#include "aif/impl/materials/aif_Depvar.h"
#include "aif/impl/materials/aif_Expansion.h"
#include "aif/impl/materials/aif_UserOutputVariables.h"
#include "aif/impl/materials/aif_Viscosity.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Table;
using aif_test::Written;

TEST(aif_AcousticMedium, VolumetricDragBlockOnlyWithTheFlag) {
  kmaC_AcousticMedium medium;
  medium.bulkModulusTable = {1, false, Table({{1, 2}})};
  medium.volumetricDragTable = {2, true, Table({{3, 4, 5}})};
  const std::string bulk = "*Acoustic Medium, dependencies=1\n 1., , 2.\n";
  EXPECT_EQ(Written<aif_AcousticMedium>(medium), bulk);
  // Each table goes by its own d and T.
  medium.volumetricDrag = true;
  EXPECT_EQ(Written<aif_AcousticMedium>(medium),
            bulk + "*Acoustic Medium, volumetric drag, dependencies=2\n 3., 4., 5.\n");
}

TEST(aif_Expansion, TypeUserAndZeroOptions) {
  struct Case {
    int type;
    bool user;
    double zero;
    const char* line;
  };
  const Case cases[] = {
      {0, false, 0.0, "*Expansion, dependencies=1"},
      {1, false, 0.0, "*Expansion, dependencies=1, type=ORTHO"},
      {2, true, 0.0, "*Expansion, dependencies=1, type=ANISO, user"},
      {0, true, 20.5, "*Expansion, dependencies=1, user, zero=20.5"},
      // A type the writer has no text for writes no type option.
      {3, false, -1.0, "*Expansion, dependencies=1, zero=-1."},
  };
  for (const Case& c : cases) {
    auto expansion = Option<kmaC_Expansion>({{1, 2}}, 1, false);
    expansion.type = c.type;
    expansion.user = c.user;
    expansion.zero = c.zero;
    EXPECT_EQ(Written<aif_Expansion>(expansion), std::string(c.line) + "\n 1., , 2.\n");
  }
  EXPECT_EQ(Written<aif_Expansion>(Option<kmaC_Expansion>({{1, 2}})), "*Expansion\n 1., 2.\n");
}

TEST(aif_Creep, HyperbolicLawTakesNoEmptyTemperatureColumn) {
  auto creep = Option<kmaC_Creep>({{1, 2, 3}}, 1, false);
  creep.law = kmaC_Creep::HYPERBOLIC_SINE;
  EXPECT_EQ(Written<aif_Creep>(creep), "*Creep, dependencies=1, law=HYPERB\n 1., 2., 3.\n");
  creep.law = kmaC_Creep::STRAIN;
  EXPECT_EQ(Written<aif_Creep>(creep), "*Creep, dependencies=1\n 1., 2., , 3.\n");
}

TEST(aif_Creep, OrnlThenPotentialAfterTheData) {
  auto creep = Option<kmaC_Creep>({{1, 2, 3}}, 1, false);
  creep.law = kmaC_Creep::TIME;
  creep.potential = Handle(Option<kmaC_Potential>({{4, 5}}));
  kmaC_Ornl ornl;
  ornl.reset = true;
  creep.ornl = Handle(ornl);
  EXPECT_EQ(Written<aif_Creep>(creep),
            "*Creep, dependencies=1, law=TIME\n 1., 2., , 3.\n"
            "*Ornl, reset\n"
            "*Potential\n 4., 5.\n");
}

TEST(aif_Viscosity, OnlyDefinitionOneNamesNewtonian) {
  auto viscosity = Option<kmaC_Viscosity>({{1, 2}}, 1, false);
  EXPECT_EQ(Written<aif_Viscosity>(viscosity), "*Viscosity, dependencies=1\n 1., , 2.\n");
  viscosity.definition = 1;
  EXPECT_EQ(Written<aif_Viscosity>(viscosity),
            "*Viscosity, dependencies=1, definition=NEWTONIAN\n 1., , 2.\n");
  // Definitions without a text write no option, not even its separator.
  for (int definition : {2, 5, -1}) {
    viscosity.definition = definition;
    EXPECT_EQ(Written<aif_Viscosity>(viscosity), "*Viscosity, dependencies=1\n 1., , 2.\n");
  }
  viscosity.dependencies = 0;
  EXPECT_EQ(Written<aif_Viscosity>(viscosity), "*Viscosity\n 1., 2.\n");
}

TEST(aif_Depvar, CountRightAlignedInSevenAndDeleteOption) {
  kmaC_Depvar depvar;
  depvar.variableCount = 12;
  EXPECT_EQ(Written<aif_Depvar>(depvar), "*Depvar\n     12,\n");
  depvar.deleteVariable = 3;
  EXPECT_EQ(Written<aif_Depvar>(depvar), "*Depvar, delete=3\n     12,\n");
}

TEST(aif_UserOutputVariables, CountRightAlignedInSeven) {
  kmaC_UserOutputVariables variables;
  variables.variableCount = 4;
  EXPECT_EQ(Written<aif_UserOutputVariables>(variables), "*User Output Variables\n      4,\n");
}

}  // namespace
