// Pore-fluid, diffusion, swelling, equation-of-state and user material
// keywords: the keyword lines with their conditional options, which tables
// take the empty temperature column, and the blocks that follow.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_Eos.h"
#include "aif/impl/materials/aif_FluidLeakoff.h"
#include "aif/impl/materials/aif_GapFlow.h"
#include "aif/impl/materials/aif_MoistureSwelling.h"
#include "aif/impl/materials/aif_Permeability.h"
#include "aif/impl/materials/aif_PoreFluidExpansion.h"
#include "aif/impl/materials/aif_Sorption.h"
#include "aif/impl/materials/aif_Swelling.h"
#include "aif/impl/materials/aif_UserMaterial.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Table;
using aif_test::Written;

TEST(aif_Permeability, SpecificWeightAlwaysThenBothDependencesInOrder) {
  auto bare = Option<kmaC_Permeability>({{1, 2}});
  EXPECT_EQ(Written<aif_Permeability>(bare), "*Permeability, specific=0.\n 1., 2.\n");

  auto full = Option<kmaC_Permeability>({{1, 2, 3}}, 1, false);
  full.specificWeight = 9.5;
  full.type = kmaC_Permeability::ORTHOTROPIC;
  full.velocityDependence = Handle(Option<kmaC_VelocityDependence>({{5, 6}}));
  full.saturationDependence = Handle(Option<kmaC_SaturationDependence>({{7, 8}}));
  // The main table is plain: no dependencies option, no empty column.
  EXPECT_EQ(Written<aif_Permeability>(full),
            "*Permeability, specific=9.5, type=ORTHOTROPIC\n"
            " 1., 2., 3.\n"
            "*Permeability, Type=SATURATION\n 7., 8.\n"
            "*Permeability, Type=VELOCITY\n 5., 6.\n");
}

TEST(aif_Sorption, ExsorptionAndScanningFollowOnlyWithTheFlag) {
  auto sorption = Option<kmaC_Sorption>({{1, 2}});
  sorption.exsorptionTable = Table({{3, 4}});
  sorption.scanning = 0.5;
  // Without exsorption the scanning value is ignored.
  EXPECT_EQ(Written<aif_Sorption>(sorption), "*Sorption\n 1., 2.\n");

  sorption.exsorption = true;
  sorption.scanning = 0.0;
  EXPECT_EQ(Written<aif_Sorption>(sorption),
            "*Sorption\n 1., 2.\n*Sorption, type=Exsorption\n 3., 4.\n");

  sorption.scanning = 0.25;
  sorption.absorptionLaw = kmaC_Sorption::ABSORPTION_USER;
  sorption.exsorptionLaw = kmaC_Sorption::EXSORPTION_LOG;
  EXPECT_EQ(Written<aif_Sorption>(sorption),
            "*Sorption, law=USER\n 1., 2.\n"
            "*Sorption, type=Exsorption, law=LOG\n 3., 4.\n"
            "*Sorption, type=Scanning\n0.25\n");
}

TEST(aif_PoreFluidExpansion, ZeroOnlyWhenSetAndTemperatureColumnAheadOfFields) {
  auto expansion = Option<kmaC_PoreFluidExpansion>({{1, 2}}, 1, false);
  EXPECT_EQ(Written<aif_PoreFluidExpansion>(expansion),
            "*Expansion, Pore Fluid, dependencies=1\n 1., , 2.\n");
  expansion.zero = 20;
  expansion.temperatureDependency = true;
  EXPECT_EQ(Written<aif_PoreFluidExpansion>(expansion),
            "*Expansion, Pore Fluid, dependencies=1, zero=20.\n 1., 2.\n");
}

TEST(aif_MoistureSwelling, PlainTableThenRatios) {
  // The table is plain whatever d holds; the ratios keep their own.
  auto swelling = Option<kmaC_MoistureSwelling>({{1, 2}}, 1, false);
  swelling.ratios = Handle(Option<kmaC_Ratios>({{3, 4}}, 1, false));
  EXPECT_EQ(Written<aif_MoistureSwelling>(swelling),
            "*Moisture Swelling\n 1., 2.\n*Ratios, dependencies=1\n 3., , 4.\n");
}

TEST(aif_Swelling, LawAfterDependenciesThenRatios) {
  auto swelling = Option<kmaC_Swelling>({{1, 2}}, 1, false);
  swelling.law = kmaC_Swelling::USER;
  swelling.ratios = Handle(Option<kmaC_Ratios>({{3, 4}}));
  EXPECT_EQ(Written<aif_Swelling>(swelling),
            "*Swelling, dependencies=1, law=USER\n 1., , 2.\n*Ratios\n 3., 4.\n");
}

TEST(aif_GapFlow, KmaxOnlyForTheNewtonianType) {
  auto flow = Option<kmaC_GapFlow>({{1, 2}}, 1, false);
  EXPECT_EQ(Written<aif_GapFlow>(flow), "*Gap Flow, dependencies=1\n 1., , 2.\n");
  flow.kmax = 0.5;
  EXPECT_EQ(Written<aif_GapFlow>(flow), "*Gap Flow, dependencies=1, kmax=0.5\n 1., , 2.\n");
  flow.type = 3;
  EXPECT_EQ(Written<aif_GapFlow>(flow), "*Gap Flow, dependencies=1, type=POWER LAW\n 1., , 2.\n");
}

TEST(aif_FluidLeakoff, TableFormForTypeZeroOnly) {
  auto leakoff = Option<kmaC_FluidLeakoff>({{1, 2}}, 1, false);
  EXPECT_EQ(Written<aif_FluidLeakoff>(leakoff), "*Fluid Leakoff, dependencies=1\n 1., , 2.\n");
  leakoff.type = 1;
  EXPECT_EQ(Written<aif_FluidLeakoff>(leakoff), "*Fluid Leakoff, dependencies=1, user\n");
  // A type the writer does not know: neither a glued "user" nor data lines.
  leakoff.type = 5;
  EXPECT_EQ(Written<aif_FluidLeakoff>(leakoff), "*Fluid Leakoff, dependencies=1\n");
}

kmaC_Eos EosWithEverything(kmaC_Eos::TypeEnm type) {
  auto eos = Option<kmaC_Eos>({{1, 2}}, 1, false);
  eos.type = type;
  eos.detonationEnergy = 4.5;
  eos.type4Table1 = Table({{11, 12}});
  eos.type4Table2 = Table({{21, 22}});
  eos.reactionRateTable = Table({{31, 32}});
  eos.gasSpecificHeatTable = Table({{41, 42}});
  eos.detonationPoint = Handle(Option<kmaC_DetonationPoint>({{5, 6, 7, 8}}));
  kmaC_EosCompaction compaction;
  compaction.value1 = 1;
  compaction.value2 = 2;
  compaction.value3 = 3;
  compaction.value4 = 4;
  eos.compaction = Handle(compaction);
  return eos;
}

TEST(aif_Eos, TypeFourWritesItsTablesReactionRateAndGasSpecificHeat) {
  // The detonation point and compaction the option holds are not written.
  EXPECT_EQ(Written<aif_Eos>(EosWithEverything(kmaC_Eos::IGNITION_AND_GROWTH)),
            "*Eos, type=IGNITION AND GROWTH, detonation energy=4.5\n"
            " 11., 12.\n"
            " 21., 22.\n"
            "*Reaction Rate\n 31., 32.\n"
            "*Gas Specific Heat, dependencies=1\n 41., , 42.\n");
  kmaC_Eos bare;  // no tables at all: both sub-options still stand
  bare.type = kmaC_Eos::IGNITION_AND_GROWTH;
  EXPECT_EQ(Written<aif_Eos>(bare),
            "*Eos, type=IGNITION AND GROWTH, detonation energy=0.\n"
            "*Reaction Rate\n*Gas Specific Heat\n");
}

TEST(aif_Eos, DetonationPointAlwaysCompactionOnlyForTypeZero) {
  const std::string point = "*Detonation Point\n 5., 6., 7., 8.\n";
  // The main table is plain: d is not applied to it.
  EXPECT_EQ(Written<aif_Eos>(EosWithEverything(kmaC_Eos::IDEAL_GAS)),
            "*Eos, type=IDEAL GAS\n 1., 2.\n" + point + "*Eos Compaction\n1.,2.,3.,4.,\n");
  EXPECT_EQ(Written<aif_Eos>(EosWithEverything(kmaC_Eos::USUP)),
            "*Eos, type=USUP\n 1., 2.\n" + point);
}

TEST(aif_UserMaterial, MechanicalThermalOrBothBlocks) {
  kmaC_UserMaterial user;
  user.mechanicalConstants = {1, 2, 3};
  user.thermalConstants = {4, 5};
  const std::string mechanical = "*User Material, constants=3, type=MECHANICAL\n 1., 2., 3.\n";
  const std::string thermal = "*User Material, constants=2, type=THERMAL\n 4., 5.\n";
  user.type = 2;
  EXPECT_EQ(Written<aif_UserMaterial>(user), mechanical + thermal);
  user.type = 1;
  EXPECT_EQ(Written<aif_UserMaterial>(user), thermal);
  user.type = 0;
  EXPECT_EQ(Written<aif_UserMaterial>(user), "*User Material, constants=3\n 1., 2., 3.\n");

  // Eight constants to a line; a block without constants has no data line.
  user.type = 7;
  user.unsymmetric = true;
  user.mechanicalConstants = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  user.thermalConstants = {};
  EXPECT_EQ(Written<aif_UserMaterial>(user),
            "*User Material, constants=9, type=MECHANICAL, unsymm\n"
            " 1., 2., 3., 4., 5., 6., 7., 8.\n"
            " 9.,\n"
            "*User Material, constants=0, type=THERMAL, unsymm\n");
}

}  // namespace
