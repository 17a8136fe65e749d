// Plasticity keywords: metal plasticity in its rate, user and combined forms,
// the pressure-dependent models with their blank columns, cap, clay, concrete,
// brittle cracking and deformation plasticity, and the order of the
// sub-options each one writes after its data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aif/impl/materials/aif_BrittleCracking.h"
#include "aif/impl/materials/aif_CapPlasticity.h"
#include "aif/impl/materials/aif_CastIronPlasticity.h"
#include "aif/impl/materials/aif_ClayPlasticity.h"
#include "aif/impl/materials/aif_Concrete.h"
#include "aif/impl/materials/aif_ConcreteDamagedPlasticity.h"
#include "aif/impl/materials/aif_DeformationPlasticity.h"
#include "aif/impl/materials/aif_DruckerPrager.h"
#include "aif/impl/materials/aif_Foam.h"
#include "aif/impl/materials/aif_MohrCoulomb.h"
#include "aif/impl/materials/aif_Plastic.h"
#include "aif/impl/materials/aif_PorousMetalPlasticity.h"
#include "aif/impl/materials/aif_Viscous.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Written;

// A sub-option of class O holding the row (1, 2).
template <class O>
cow_COW<O> Sub() {
  return Handle(Option<O>({{1, 2}}));
}

TEST(aif_Plastic, RateTableGivesOneKeywordPerRate) {
  // Rates 0.0, 0.1, 0.0: the 0.0 rows come together in their order, and the
  // first block is opened although its rate equals the starting rate 0.0.
  auto plastic = Option<kmaC_Plastic>({{1, 2, 0.0}, {3, 4, 0.1}, {5, 6, 0.0}});
  plastic.rateTable = true;
  plastic.hardening = kmaC_Plastic::KINEMATIC;  // no hardening option in this form
  plastic.potential = Sub<kmaC_Potential>();
  EXPECT_EQ(Written<aif_Plastic>(plastic),
            "*Plastic, rate=0.\n 1., 2.\n 5., 6.\n"
            "*Plastic, rate=0.1\n 3., 4.\n"
            "*Potential\n 1., 2.\n");

  // Field variables without temperature: the rate leaves the row and the
  // empty temperature column stands ahead of the field value.
  auto fields = Option<kmaC_Plastic>({{1, 2, 0.5, 7}, {3, 4, 0.5, 8}}, 1, false);
  fields.rateTable = true;
  EXPECT_EQ(Written<aif_Plastic>(fields),
            "*Plastic, rate=0.5, dependencies=1\n 1., 2., , 7.\n 3., 4., , 8.\n");

  // No rows: nothing at all, and no sub-option left to follow the keyword
  // written before this one.
  auto empty = Option<kmaC_Plastic>({});
  empty.rateTable = true;
  empty.potential = Sub<kmaC_Potential>();
  EXPECT_EQ(Written<aif_Plastic>(empty), "");

  // A table too narrow to carry a rate is written in the plain form.
  auto narrow = Option<kmaC_Plastic>({{1, 2}});
  narrow.rateTable = true;
  EXPECT_EQ(Written<aif_Plastic>(narrow), "*Plastic\n 1., 2.\n");
}

TEST(aif_Plastic, HardeningForms) {
  struct Case {
    kmaC_Plastic::HardeningEnm hardening;
    kmaC_Plastic::DataTypeEnm dataType;
    bool thirdColumn;
    int dependencies;
    bool temperature;
    std::string text;
  };
  using P = kmaC_Plastic;
  const std::vector<Case> cases = {
      {P::ISOTROPIC, P::HALF_CYCLE, false, 0, false, "*Plastic\n 1., 2., 3.\n"},
      {P::JOHNSON_COOK, P::HALF_CYCLE, false, 0, false,
       "*Plastic, hardening=JOHNSON COOK\n 1., 2., 3.\n"},
      {P::COMBINED, P::HALF_CYCLE, false, 0, false,
       "*Plastic, hardening=COMBINED, number backstresses=1\n 1., 2., 3.\n"},
      // Stabilized data without the third value: the temperature blank, then
      // a second blank at 2 where the third value belongs.
      {P::COMBINED, P::STABILIZED, false, 1, false,
       "*Plastic, dependencies=1, hardening=COMBINED, datatype=STABILIZED, number "
       "backstresses=1\n 1., 2., , , 3.\n"},
      {P::COMBINED, P::STABILIZED, false, 0, true,
       "*Plastic, hardening=COMBINED, datatype=STABILIZED, number backstresses=1\n"
       " 1., 2., , 3.\n"},
      {P::COMBINED, P::STABILIZED, true, 0, true,
       "*Plastic, hardening=COMBINED, datatype=STABILIZED, number backstresses=1\n"
       " 1., 2., 3.\n"},
      {P::COMBINED, P::PARAMETERS, false, 0, true,
       "*Plastic, hardening=COMBINED, datatype=PARAMETERS, number backstresses=1\n"
       " 1., 2., 3.\n"},
  };
  for (const Case& c : cases) {
    auto plastic = Option<kmaC_Plastic>({{1, 2, 3}}, c.dependencies, c.temperature);
    plastic.hardening = c.hardening;
    plastic.dataType = c.dataType;
    plastic.thirdColumn = c.thirdColumn;
    EXPECT_EQ(Written<aif_Plastic>(plastic), c.text) << c.hardening << " " << c.dataType;
  }
}

TEST(aif_Plastic, UserHardeningWritesFirstValuesAsOneRow) {
  auto user = Option<kmaC_Plastic>({{1}, {2}, {3}, {4}, {5}});
  user.hardening = kmaC_Plastic::USER;
  const std::string fiveRows = "*Plastic, hardening=USER, properties=5\n 1., 2., 3., 4., 5.\n";
  EXPECT_EQ(Written<aif_Plastic>(user), fiveRows);
  // Further columns add no rows of zeros.
  user.table = aif_test::Table({{1, 9}, {2, 9}, {3, 9}, {4, 9}, {5, 9}});
  EXPECT_EQ(Written<aif_Plastic>(user), fiveRows);
  // Eight values a line; a last line of one value ends with ",".
  user.table = aif_test::Table({{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}});
  user.cycledPlastic = Sub<kmaC_CycledPlastic>();
  EXPECT_EQ(Written<aif_Plastic>(user),
            "*Plastic, hardening=USER, properties=9\n 1., 2., 3., 4., 5., 6., 7., 8.\n 9.,\n"
            "*Cycled Plastic\n 1., 2.\n");
}

TEST(aif_DruckerPrager, CriterionAndTestDataPlaceTheColumns) {
  struct Case {
    int criterion;
    bool testData;
    int dependencies;
    bool temperature;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, false, 1, false, "*Drucker Prager, dependencies=1\n 1., 2., 3., , 4.\n"},
      {1, false, 0, true, "*Drucker Prager, shearcriterion=HYPERBOLIC\n 1., 2., , 3., 4.\n"},
      {1, false, 1, false,
       "*Drucker Prager, dependencies=1, shearcriterion=HYPERBOLIC\n 1., 2., , 3., , 4.\n"},
      {2, true, 0, true,
       "*Drucker Prager, shearcriterion=EXPONENT FORM, testdata\n , , , 1., 2., 3., 4.\n"},
      {2, true, 1, false,
       "*Drucker Prager, dependencies=1, shearcriterion=EXPONENT FORM, testdata\n"
       " , , , 1., , 2., 3., 4.\n"},
      {2, false, 0, true, "*Drucker Prager, shearcriterion=EXPONENT FORM\n 1., 2., , 3., 4.\n"},
      // A criterion the kernel does not define: no option, the linear layout.
      {3, false, 1, false, "*Drucker Prager, dependencies=1\n 1., 2., 3., , 4.\n"},
      {-1, false, 0, false, "*Drucker Prager\n 1., 2., 3., 4.\n"},
  };
  for (const Case& c : cases) {
    auto dp = Option<kmaC_DruckerPrager>({{1, 2, 3, 4}}, c.dependencies, c.temperature);
    dp.shearCriterion = c.criterion;
    dp.testData = c.testData;
    EXPECT_EQ(Written<aif_DruckerPrager>(dp), c.text) << c.criterion;
  }
}

TEST(aif_DruckerPrager, EccentricityAndSubOptions) {
  auto dp = Option<kmaC_DruckerPrager>({{1, 2}});
  EXPECT_EQ(Written<aif_DruckerPrager>(dp), "*Drucker Prager\n 1., 2.\n");
  dp.eccentricity = 0.2;
  dp.rateDependent = Sub<kmaC_RateDependent>();
  dp.hardening = Sub<kmaC_DruckerPragerHardening>();
  dp.creep = Sub<kmaC_DruckerPragerCreep>();
  dp.triaxialTestData = Sub<kmaC_TriaxialTestData>();
  EXPECT_EQ(Written<aif_DruckerPrager>(dp),
            "*Drucker Prager, eccentricity=0.2\n 1., 2.\n"
            "*Triaxial Test Data\n 1., 2.\n*Drucker Prager Creep\n 1., 2.\n"
            "*Drucker Prager Hardening\n 1., 2.\n*Rate Dependent\n 1., 2.\n");
}

TEST(aif_MohrCoulomb, OptionsAndTensionCutoffFlag) {
  auto mc = Option<kmaC_MohrCoulomb>({{1, 2}});
  mc.tensionCutOff = Sub<kmaC_TensionCutOff>();
  mc.hardening = Sub<kmaC_MohrCoulombHardening>();
  // Flag clear: the cutoff is not written although it is held.
  EXPECT_EQ(Written<aif_MohrCoulomb>(mc),
            "*Mohr Coulomb\n 1., 2.\n*Mohr Coulomb Hardening\n 1., 2.\n");
  mc.tensionCutoff = true;
  mc.deviatoricEccentricity = 0.5;
  mc.eccentricity = 0.2;
  EXPECT_EQ(Written<aif_MohrCoulomb>(mc),
            "*Mohr Coulomb, deviatoric Eccentricity =0.5, eccentricity =0.2\n 1., 2.\n"
            "*Mohr Coulomb Hardening\n 1., 2.\n*Tension Cutoff\n 1., 2.\n");
}

TEST(aif_Viscous, LawOption) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "*Viscous, dependencies=1\n"},
      {1, "*Viscous, dependencies=1, law=TIME\n"},
      {2, "*Viscous, dependencies=1, law=USER\n"},
      {-3, "*Viscous, dependencies=1, law=USER\n"}};
  for (const auto& [law, header] : cases) {
    auto viscous = Option<kmaC_Viscous>({{1, 2, 3}}, 1, false);
    viscous.law = law;
    viscous.potential = Sub<kmaC_Potential>();
    EXPECT_EQ(Written<aif_Viscous>(viscous), header + " 1., 2., , 3.\n*Potential\n 1., 2.\n")
        << law;
  }
}

TEST(aif_ClayPlasticity, TabularRowsBeginEmpty) {
  auto clay = Option<kmaC_ClayPlasticity>({{1, 2, 3}});
  clay.hardening = kmaC_ClayPlasticity::TABULAR;
  EXPECT_EQ(Written<aif_ClayPlasticity>(clay),
            "*Clay Plasticity, hardening=TABULAR\n , 1., 2., 3.\n");
  // Every row keeps its values in place, not only the first.
  clay.table = aif_test::Table({{1, 2, 3, 4}, {5, 6, 7, 8}});
  clay.dependencies = 1;
  clay.intercept = 0.5;
  clay.clayHardening = Sub<kmaC_ClayHardening>();
  EXPECT_EQ(Written<aif_ClayPlasticity>(clay),
            "*Clay Plasticity, dependencies=1, hardening=TABULAR, intercept=0.5\n"
            " , 1., 2., 3., , 4.\n , 5., 6., 7., , 8.\n*Clay Hardening\n 1., 2.\n");
  // Four field variables: the blank is the first of the eight values of the
  // first line.
  clay.table = aif_test::Table({{1, 2, 3, 4, 5, 6, 7, 8}});
  clay.dependencies = 4;
  clay.intercept = DBL_MAX;
  clay.clayHardening = {};
  EXPECT_EQ(Written<aif_ClayPlasticity>(clay),
            "*Clay Plasticity, dependencies=4, hardening=TABULAR\n"
            " , 1., 2., 3., 4., , 5., 6.\n 7., 8.\n");
  clay.table = aif_test::Table({{1, 2, 3, 4}, {5, 6, 7, 8}});
  clay.dependencies = 1;
  clay.hardening = kmaC_ClayPlasticity::EXPONENTIAL;
  clay.intercept = DBL_MAX;
  clay.clayHardening = {};
  EXPECT_EQ(Written<aif_ClayPlasticity>(clay),
            "*Clay Plasticity, dependencies=1\n 1., 2., 3., , 4.\n 5., 6., 7., , 8.\n");
}

TEST(aif_CapPlasticity, SubOptionsInOrder) {
  auto cap = Option<kmaC_CapPlasticity>({{1, 2, 3}}, 1, false);
  EXPECT_EQ(Written<aif_CapPlasticity>(cap), "*Cap Plasticity, dependencies=1\n 1., 2., , 3.\n");
  cap.capHardening = Sub<kmaC_CapHardening>();
  cap.consolidationCreep = Sub<kmaC_CapCreepConsolidation>();
  cap.cohesionCreep = Sub<kmaC_CapCreepCohesion>();
  EXPECT_EQ(Written<aif_CapPlasticity>(cap),
            "*Cap Plasticity, dependencies=1\n 1., 2., , 3.\n"
            "*Cap Creep, mechanism=COHESION\n 1., 2.\n"
            "*Cap Creep, mechanism=CONSOLIDATION\n 1., 2.\n"
            "*Cap Hardening\n 1., 2.\n");
}

TEST(aif_BrittleCracking, TypeAndSubOptionOrder) {
  auto brittle = Option<kmaC_BrittleCracking>({{1, 2}});
  brittle.brittleFailure = Sub<kmaC_BrittleFailure>();
  brittle.brittleShear = Sub<kmaC_BrittleShear>();
  const std::string subs = "*Brittle Shear\n 1., 2.\n*Brittle Failure\n 1., 2.\n";
  EXPECT_EQ(Written<aif_BrittleCracking>(brittle), "*Brittle Cracking\n 1., 2.\n" + subs);
  brittle.type = kmaC_BrittleCracking::GFI;
  EXPECT_EQ(Written<aif_BrittleCracking>(brittle), "*Brittle Cracking, type=GFI\n 1., 2.\n" + subs);
}

TEST(aif_DeformationPlasticity, NeverOptionsNorBlanks) {
  EXPECT_EQ(Written<aif_DeformationPlasticity>(
                Option<kmaC_DeformationPlasticity>({{1, 2, 3, 4}}, 2, false)),
            "*Deformation Plasticity\n 1., 2., 3., 4.\n");
}

TEST(aif_Concrete, SubOptionsInOrder) {
  auto concrete = Option<kmaC_Concrete>({{1, 2}});
  EXPECT_EQ(Written<aif_Concrete>(concrete), "*Concrete\n 1., 2.\n");
  concrete.tensionStiffening = Sub<kmaC_TensionStiffening>();
  concrete.shearRetention = Sub<kmaC_ShearRetention>();
  concrete.failureRatios = Sub<kmaC_FailureRatios>();
  EXPECT_EQ(Written<aif_Concrete>(concrete),
            "*Concrete\n 1., 2.\n*Failure Ratios\n 1., 2.\n*Shear Retention\n 1., 2.\n"
            "*Tension Stiffening\n 1., 2.\n");
}

TEST(aif_CastIronPlasticity, SubOptionsInOrder) {
  auto castIron = Option<kmaC_CastIronPlasticity>({{1, 2}});
  castIron.tensionHardening = Sub<kmaC_CastIronTensHard>();
  castIron.compressionHardening = Sub<kmaC_CastIronCompHard>();
  EXPECT_EQ(Written<aif_CastIronPlasticity>(castIron),
            "*Cast Iron Plasticity\n 1., 2.\n*Cast Iron Compression Hardening\n 1., 2.\n"
            "*Cast Iron Tension Hardening\n 1., 2.\n");
}

TEST(aif_ConcreteDamagedPlasticity, SubOptionsInOrder) {
  auto damaged = Option<kmaC_ConcreteDamagedPlasticity>({{1, 2, 3}}, 1, false);
  damaged.tensionDamage = Sub<kmaC_ConcreteTensionDamage>();
  damaged.compressionDamage = Sub<kmaC_ConcreteCompressionDamage>();
  damaged.tensionStiffening = Sub<kmaC_ConcreteTensionStiffening>();
  damaged.compressionHardening = Sub<kmaC_ConcreteCompressionHardening>();
  EXPECT_EQ(Written<aif_ConcreteDamagedPlasticity>(damaged),
            "*Concrete Damaged Plasticity, dependencies=1\n 1., 2., , 3.\n"
            "*Concrete Compression Hardening\n 1., 2.\n*Concrete Tension Stiffening\n 1., 2.\n"
            "*Concrete Compression Damage\n 1., 2.\n*Concrete Tension Damage\n 1., 2.\n");
}

TEST(aif_PorousMetalPlasticity, RelativeDensityAndVoidNucleation) {
  auto porous = Option<kmaC_PorousMetalPlasticity>({{1, 2}});
  porous.relativeDensity = 0.5;
  porous.voidNucleation = Sub<kmaC_VoidNucleation>();
  EXPECT_EQ(Written<aif_PorousMetalPlasticity>(porous),
            "*Porous Metal Plasticity, relative density=0.5\n 1., 2.\n*Void Nucleation\n 1., 2.\n");
}

TEST(aif_Foam, HardeningAndSubOptions) {
  auto foam = Option<kmaC_Foam>({{1, 2}});
  EXPECT_EQ(Written<aif_Foam>(foam), "*Crushable Foam\n 1., 2.\n");
  foam.hardening = kmaC_Foam::ISOTROPIC;
  foam.rateDependent = Sub<kmaC_RateDependent>();
  foam.foamHardening = Sub<kmaC_FoamHardening>();
  EXPECT_EQ(Written<aif_Foam>(foam),
            "*Crushable Foam, hardening=ISOTROPIC\n 1., 2.\n*Crushable Foam Hardening\n 1., 2.\n"
            "*Rate Dependent\n 1., 2.\n");
}

}  // namespace
