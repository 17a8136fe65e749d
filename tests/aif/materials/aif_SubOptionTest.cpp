// The sub-option keywords: keyword lines at their defaults and with every
// option set, the blank columns that keep values in place when optional
// columns are missing, and the one-line data of the equation-of-state
// compaction and the porous failure criteria.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OdbAttrEO/kmaC_Eos.h"
#include "aif/impl/materials/aif_AnnealTemperature.h"
#include "aif/impl/materials/aif_BiaxialTestData.h"
#include "aif/impl/materials/aif_BrittleFailure.h"
#include "aif/impl/materials/aif_BrittleShear.h"
#include "aif/impl/materials/aif_CapCreepCohesion.h"
#include "aif/impl/materials/aif_CapCreepConsolidation.h"
#include "aif/impl/materials/aif_CastIronCompHard.h"
#include "aif/impl/materials/aif_CastIronTensHard.h"
#include "aif/impl/materials/aif_CombinedTestData.h"
#include "aif/impl/materials/aif_ConcreteCompressionDamage.h"
#include "aif/impl/materials/aif_ConcreteCompressionHardening.h"
#include "aif/impl/materials/aif_ConcreteTensionDamage.h"
#include "aif/impl/materials/aif_ConcreteTensionStiffening.h"
#include "aif/impl/materials/aif_CyclicHardening.h"
#include "aif/impl/materials/aif_DruckerPragerCreep.h"
#include "aif/impl/materials/aif_DruckerPragerHardening.h"
#include "aif/impl/materials/aif_EosCompaction.h"
#include "aif/impl/materials/aif_EosGasSpecificHeat.h"
#include "aif/impl/materials/aif_EosReactionRate.h"
#include "aif/impl/materials/aif_GasketContactArea.h"
#include "aif/impl/materials/aif_Ornl.h"
#include "aif/impl/materials/aif_PlanarTestData.h"
#include "aif/impl/materials/aif_PorousFailureCriteria.h"
#include "aif/impl/materials/aif_PressureEffect.h"
#include "aif/impl/materials/aif_RateDependent.h"
#include "aif/impl/materials/aif_ShearRetention.h"
#include "aif/impl/materials/aif_ShearTestData.h"
#include "aif/impl/materials/aif_SoretEffect.h"
#include "aif/impl/materials/aif_TensionStiffening.h"
#include "aif/impl/materials/aif_TriaxialTestData.h"
#include "aif/impl/materials/aif_Trs.h"
#include "aif/impl/materials/aif_UniaxialTestData.h"
#include "aif/impl/materials/aif_VolumetricTestData.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Option;
using aif_test::Written;

struct Case {
  const char* what;
  std::string written;
  std::string expected;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases)
    EXPECT_EQ(c.written, c.expected) << c.what;
}

// `option` with `set` applied.
template <class O, class Set>
O With(O option, Set set) {
  set(option);
  return option;
}

// One row of two values, its data line, and a row of three.
const aif_test::Rows kTwo = {{1, 2}};
const std::string kTwoLine = " 1., 2.\n";
const aif_test::Rows kThree = {{1, 2, 3}};

TEST(aif_SubOption, KeywordLinesAtDefaultsAndWithEveryOption) {
  ExpectCases({
      {"trs", Written<aif_Trs>(Option<kmaC_Trs>(kTwo)), "*Trs\n" + kTwoLine},
      {"trs arrhenius",
       Written<aif_Trs>(
           With(Option<kmaC_Trs>(kTwo), [](auto& o) { o.definition = kmaC_Trs::ARRHENIUS; })),
       "*Trs, definition=ARRHENIUS\n" + kTwoLine},
      {"trs without text",
       Written<aif_Trs>(
           With(Option<kmaC_Trs>(kTwo),
                [](auto& o) { o.definition = static_cast<kmaC_Trs::DefinitionEnm>(3); })),
       "*Trs\n" + kTwoLine},
      {"volumetric", Written<aif_VolumetricTestData>(Option<kmaC_VolumetricTestData>(kTwo)),
       "*Volumetric Test Data\n" + kTwoLine},
      {"volumetric all",
       Written<aif_VolumetricTestData>(With(Option<kmaC_VolumetricTestData>(kThree, 1),
                                            [](auto& o) {
                                              o.volinf = 0.5;
                                              o.smooth = 3;
                                            })),
       "*Volumetric Test Data, volinf=0.5, smooth=3, dependencies=1\n 1., 2., , 3.\n"},
      {"shear", Written<aif_ShearTestData>(Option<kmaC_ShearTestData>(kTwo)),
       "*Shear Test Data\n" + kTwoLine},
      {"shear all",
       Written<aif_ShearTestData>(
           With(Option<kmaC_ShearTestData>(kTwo), [](auto& o) { o.shrinf = 0.25; })),
       "*Shear Test Data, shrinf=0.25\n" + kTwoLine},
      {"combined", Written<aif_CombinedTestData>(Option<kmaC_CombinedTestData>(kTwo)),
       "*Combined Test Data\n" + kTwoLine},
      {"combined all",
       Written<aif_CombinedTestData>(With(Option<kmaC_CombinedTestData>(kTwo),
                                          [](auto& o) {
                                            o.shrinf = 0.25;
                                            o.volinf = 0.5;
                                          })),
       "*Combined Test Data, shrinf=0.25, volinf=0.5\n" + kTwoLine},
      {"gasket contact area", Written<aif_GasketContactArea>(Option<kmaC_ContactArea>(kTwo)),
       "*Gasket Contact Area\n" + kTwoLine},
      {"gasket contact area, rows as they stand",
       Written<aif_GasketContactArea>(Option<kmaC_ContactArea>(kTwo, 1)),
       "*Gasket Contact Area, dependencies=1\n" + kTwoLine},
      {"ornl bare", Written<aif_Ornl>(kmaC_Ornl()), "*Ornl\n"},
      {"ornl all",
       Written<aif_Ornl>(With(kmaC_Ornl(),
                              [](auto& o) {
                                o.a = 0.5;
                                o.h = 2;
                                o.reset = true;
                              })),
       "*Ornl, a=0.5, h=2., reset\n"},
      {"uniaxial", Written<aif_UniaxialTestData>(Option<kmaC_UniaxialTestData>(kTwo), 0),
       "*Uniaxial Test Data\n" + kTwoLine},
      {"uniaxial tension",
       Written<aif_UniaxialTestData>(
           With(Option<kmaC_UniaxialTestData>(kTwo), [](auto& o) { o.smooth = 2; }), 1),
       "*Uniaxial Test Data, smooth=2, direction=TENSION\n" + kTwoLine},
      {"uniaxial compression",
       Written<aif_UniaxialTestData>(Option<kmaC_UniaxialTestData>(kThree, 1), 2),
       "*Uniaxial Test Data, dependencies=1, direction=COMPRESSION\n 1., 2., , 3.\n"},
      {"uniaxial direction without text",
       Written<aif_UniaxialTestData>(Option<kmaC_UniaxialTestData>(kTwo), 3),
       "*Uniaxial Test Data\n" + kTwoLine},
      {"planar", Written<aif_PlanarTestData>(Option<kmaC_PlanarTestData>(kTwo)),
       "*Planar Test Data\n" + kTwoLine},
      {"planar all",
       Written<aif_PlanarTestData>(
           With(Option<kmaC_PlanarTestData>(kTwo, 1, true), [](auto& o) { o.smooth = 4; })),
       "*Planar Test Data, smooth=4, dependencies=1\n" + kTwoLine},
      {"biaxial all",
       Written<aif_BiaxialTestData>(
           With(Option<kmaC_BiaxialTestData>(kTwo, 1, true), [](auto& o) { o.smooth = 4; })),
       "*Biaxial Test Data, smooth=4, dependencies=1\n" + kTwoLine},
      {"concrete tension damage",
       Written<aif_ConcreteTensionDamage>(Option<kmaC_ConcreteTensionDamage>(kTwo)),
       "*Concrete Tension Damage\n" + kTwoLine},
      {"concrete tension damage all",
       Written<aif_ConcreteTensionDamage>(With(Option<kmaC_ConcreteTensionDamage>(kThree, 1),
                                               [](auto& o) {
                                                 o.type = kmaC_ConcreteTensionDamage::DISPLACEMENT;
                                                 o.compressionRecovery = 0.5;
                                               })),
       "*Concrete Tension Damage, dependencies=1, type=DISPLACEMENT, compression recovery=0.5\n"
       " 1., 2., , 3.\n"},
      {"concrete compression damage",
       Written<aif_ConcreteCompressionDamage>(Option<kmaC_ConcreteCompressionDamage>(kTwo)),
       "*Concrete Compression Damage\n" + kTwoLine},
      {"concrete compression damage all",
       Written<aif_ConcreteCompressionDamage>(
           With(Option<kmaC_ConcreteCompressionDamage>(kTwo, 1, true),
                [](auto& o) { o.tensionRecovery = 0.25; })),
       "*Concrete Compression Damage, dependencies=1, tension recovery=0.25\n" + kTwoLine},
      {"concrete tension stiffening",
       Written<aif_ConcreteTensionStiffening>(Option<kmaC_ConcreteTensionStiffening>(kTwo)),
       "*Concrete Tension Stiffening\n" + kTwoLine},
      {"concrete tension stiffening all",
       Written<aif_ConcreteTensionStiffening>(
           With(Option<kmaC_ConcreteTensionStiffening>(kThree, 1, true),
                [](auto& o) {
                  o.type = kmaC_ConcreteTensionStiffening::GFI;
                  o.preTemperatureColumn = true;
                })),
       "*Concrete Tension Stiffening, dependencies=1, type=GFI\n 1., 2., 3.\n"},
      {"concrete compression hardening",
       Written<aif_ConcreteCompressionHardening>(Option<kmaC_ConcreteCompressionHardening>(kTwo)),
       "*Concrete Compression Hardening\n" + kTwoLine},
      {"cast iron tension", Written<aif_CastIronTensHard>(Option<kmaC_CastIronTensHard>(kTwo)),
       "*Cast Iron Tension Hardening\n" + kTwoLine},
      {"cast iron compression", Written<aif_CastIronCompHard>(Option<kmaC_CastIronCompHard>(kTwo)),
       "*Cast Iron Compression Hardening\n" + kTwoLine},
      {"cyclic hardening", Written<aif_CyclicHardening>(Option<kmaC_CyclicHardening>(kTwo)),
       "*Cyclic Hardening\n" + kTwoLine},
      {"cyclic hardening all",
       Written<aif_CyclicHardening>(
           With(Option<kmaC_CyclicHardening>(kTwo, 1, true), [](auto& o) { o.parameters = true; })),
       "*Cyclic Hardening, dependencies=1, parameters\n" + kTwoLine},
      {"rate dependent", Written<aif_RateDependent>(Option<kmaC_RateDependent>(kTwo)),
       "*Rate Dependent\n" + kTwoLine},
      {"rate dependent yield ratio",
       Written<aif_RateDependent>(
           With(Option<kmaC_RateDependent>(kTwo, 1, true), [](auto& o) { o.kind = 1; })),
       "*Rate Dependent, dependencies=1, type=YIELD RATIO\n" + kTwoLine},
      {"rate dependent johnson cook",
       Written<aif_RateDependent>(
           With(Option<kmaC_RateDependent>(kTwo), [](auto& o) { o.kind = 2; })),
       "*Rate Dependent, type=JOHNSON COOK\n" + kTwoLine},
      {"rate dependent kind without text",
       Written<aif_RateDependent>(
           With(Option<kmaC_RateDependent>(kTwo), [](auto& o) { o.kind = 3; })),
       "*Rate Dependent\n" + kTwoLine},
      {"drucker prager creep",
       Written<aif_DruckerPragerCreep>(Option<kmaC_DruckerPragerCreep>(kTwo)),
       "*Drucker Prager Creep\n" + kTwoLine},
      {"drucker prager creep all",
       Written<aif_DruckerPragerCreep>(
           With(Option<kmaC_DruckerPragerCreep>(kTwo, 1, true),
                [](auto& o) { o.law = kmaC_DruckerPragerCreep::TIME; })),
       "*Drucker Prager Creep, dependencies=1, law=TIME\n" + kTwoLine},
      {"triaxial", Written<aif_TriaxialTestData>(Option<kmaC_TriaxialTestData>(kTwo)),
       "*Triaxial Test Data\n" + kTwoLine},
      {"triaxial all",
       Written<aif_TriaxialTestData>(With(Option<kmaC_TriaxialTestData>(kTwo),
                                          [](auto& o) {
                                            o.a = 1;
                                            o.b = 2;
                                            o.pt = 0.5;
                                          })),
       "*Triaxial Test Data, a=1., b=2., pt=0.5\n" + kTwoLine},
      {"kappa pressure", Written<aif_PressureEffect>(Option<kmaC_PressureEffect>(kTwo)),
       "*Kappa, type=PRESS\n" + kTwoLine},
      {"kappa pressure with fields",
       Written<aif_PressureEffect>(Option<kmaC_PressureEffect>(kThree, 1)),
       "*Kappa, dependencies=1, type=PRESS\n 1., 2., , 3.\n"},
      {"kappa soret", Written<aif_SoretEffect>(Option<kmaC_SoretEffect>(kTwo)),
       "*Kappa\n" + kTwoLine},
      {"kappa soret with fields", Written<aif_SoretEffect>(Option<kmaC_SoretEffect>(kThree, 1)),
       "*Kappa, dependencies=1\n 1., 2., , 3.\n"},
      {"tension stiffening", Written<aif_TensionStiffening>(Option<kmaC_TensionStiffening>(kTwo)),
       "*Tension Stiffening\n" + kTwoLine},
      {"tension stiffening displacement",
       Written<aif_TensionStiffening>(
           With(Option<kmaC_TensionStiffening>(kTwo, 1, true),
                [](auto& o) { o.type = kmaC_TensionStiffening::DISPLACEMENT; })),
       "*Tension Stiffening, dependencies=1, type=DISPLACEMENT\n" + kTwoLine},
      {"cap creep consolidation",
       Written<aif_CapCreepConsolidation>(Option<kmaC_CapCreepConsolidation>(kTwo)),
       "*Cap Creep, mechanism=CONSOLIDATION\n" + kTwoLine},
      {"cap creep cohesion all",
       Written<aif_CapCreepCohesion>(With(Option<kmaC_CapCreepCohesion>(kTwo, 1, true),
                                          [](auto& o) { o.law = kmaC_CapCreepCohesion::SINGHM; })),
       "*Cap Creep, dependencies=1, law=SINGHM, mechanism=COHESION\n" + kTwoLine},
      {"cap creep consolidation law",
       Written<aif_CapCreepConsolidation>(
           With(Option<kmaC_CapCreepConsolidation>(kTwo),
                [](auto& o) { o.law = kmaC_CapCreepConsolidation::USER; })),
       "*Cap Creep, law=USER, mechanism=CONSOLIDATION\n" + kTwoLine},
      {"brittle failure", Written<aif_BrittleFailure>(Option<kmaC_BrittleFailure>(kTwo)),
       "*Brittle Failure\n" + kTwoLine},
      {"brittle failure two cracks",
       Written<aif_BrittleFailure>(
           With(Option<kmaC_BrittleFailure>(kTwo, 1, true), [](auto& o) { o.crackKind = 1; })),
       "*Brittle Failure, cracks=2, dependencies=1\n" + kTwoLine},
      {"brittle failure three cracks",
       Written<aif_BrittleFailure>(
           With(Option<kmaC_BrittleFailure>(kTwo), [](auto& o) { o.crackKind = 2; })),
       "*Brittle Failure, cracks=3\n" + kTwoLine},
      {"brittle failure kind without text",
       Written<aif_BrittleFailure>(
           With(Option<kmaC_BrittleFailure>(kTwo), [](auto& o) { o.crackKind = 3; })),
       "*Brittle Failure\n" + kTwoLine},
      {"brittle shear", Written<aif_BrittleShear>(Option<kmaC_BrittleShear>(kTwo)),
       "*Brittle Shear\n" + kTwoLine},
      {"brittle shear power law",
       Written<aif_BrittleShear>(
           With(Option<kmaC_BrittleShear>(kTwo, 1, true), [](auto& o) { o.kind = 1; })),
       "*Brittle Shear, dependencies=1, type=POWER LAW\n" + kTwoLine},
      {"brittle shear kind without text",
       Written<aif_BrittleShear>(
           With(Option<kmaC_BrittleShear>(kTwo), [](auto& o) { o.kind = 2; })),
       "*Brittle Shear\n" + kTwoLine},
  });
}

TEST(aif_SubOption, BlankColumnsKeepValuesInPlace) {
  using Uni = kmaC_UniaxialTestData;
  using Hard = kmaC_ConcreteCompressionHardening;
  const auto third = [](auto& o) { o.thirdColumn = true; };
  const auto pre = [](auto& o) { o.preTemperatureColumn = true; };
  ExpectCases({
      // S: the empty temperature column ahead of two field values.
      {"S d=2",
       Written<aif_RateDependent>(Option<kmaC_RateDependent>({{1, 2, 3, 4}, {5, 6, 7, 8}}, 2)),
       "*Rate Dependent, dependencies=2\n 1., 2., , 3., 4.\n 5., 6., , 7., 8.\n"},
      {"S d=0", Written<aif_CyclicHardening>(Option<kmaC_CyclicHardening>(kThree)),
       "*Cyclic Hardening\n 1., 2., 3.\n"},
      // The anneal temperature takes its rows as they stand.
      {"anneal", Written<aif_AnnealTemperature>(Option<kmaC_AnnealTemperature>(kThree, 1)),
       "*Anneal Temperature, dependencies=1\n 1., 2., 3.\n"},
      // S+2: a blank third value.
      {"S+2 plain", Written<aif_CastIronTensHard>(Option<kmaC_CastIronTensHard>(kTwo)),
       "*Cast Iron Tension Hardening\n 1., 2.\n"},
      {"S+2 field", Written<aif_CastIronTensHard>(Option<kmaC_CastIronTensHard>(kThree, 1)),
       "*Cast Iron Tension Hardening, dependencies=1\n 1., 2., , , 3.\n"},
      {"S+2 temperature",
       Written<aif_CastIronCompHard>(Option<kmaC_CastIronCompHard>(kThree, 0, true)),
       "*Cast Iron Compression Hardening\n 1., 2., , 3.\n"},
      // S+2+3: blank third and fourth values.
      {"S+2+3 plain", Written<aif_ShearRetention>(Option<kmaC_ShearRetention>(kTwo)),
       "*Shear Retention\n 1., 2.\n"},
      {"S+2+3 temperature",
       Written<aif_ShearRetention>(Option<kmaC_ShearRetention>(kThree, 0, true)),
       "*Shear Retention\n 1., 2., , , 3.\n"},
      {"S+2+3 field", Written<aif_ShearRetention>(Option<kmaC_ShearRetention>(kThree, 1)),
       "*Shear Retention, dependencies=1\n 1., 2., , , , 3.\n"},
      // X: the missing third value and the empty temperature land together.
      {"X two fields",
       Written<aif_BiaxialTestData>(Option<kmaC_BiaxialTestData>({{1, 2, 3, 4}}, 2)),
       "*Biaxial Test Data, dependencies=2\n 1., 2., , , 3., 4.\n"},
      {"X third value",
       Written<aif_BiaxialTestData>(
           With(Option<kmaC_BiaxialTestData>({{1, 2, 3, 4, 5}}, 2), third)),
       "*Biaxial Test Data, dependencies=2\n 1., 2., 3., , 4., 5.\n"},
      {"X temperature", Written<aif_PlanarTestData>(Option<kmaC_PlanarTestData>(kThree, 0, true)),
       "*Planar Test Data\n 1., 2., , 3.\n"},
      {"X plain", Written<aif_PlanarTestData>(Option<kmaC_PlanarTestData>(kTwo)),
       "*Planar Test Data\n 1., 2.\n"},
      {"X uniaxial none", Written<aif_UniaxialTestData>(Option<Uni>(kThree, 0, true), 0),
       "*Uniaxial Test Data\n 1., 2., , 3.\n"},
      {"X uniaxial tension", Written<aif_UniaxialTestData>(Option<Uni>(kThree, 0, true), 1),
       "*Uniaxial Test Data, direction=TENSION\n 1., 2., 3.\n"},
      {"X uniaxial tension fields",
       Written<aif_UniaxialTestData>(Option<Uni>({{1, 2, 3, 4}}, 2), 1),
       "*Uniaxial Test Data, dependencies=2, direction=TENSION\n 1., 2., , 3., 4.\n"},
      // P: the optional value just before the temperature.
      {"P temperature",
       Written<aif_ConcreteCompressionHardening>(Option<Hard>({{1, 2, 3, 4}}, 1, true)),
       "*Concrete Compression Hardening, dependencies=1\n 1., 2., , 3., 4.\n"},
      {"P two fields", Written<aif_ConcreteCompressionHardening>(Option<Hard>({{1, 2, 3, 4}}, 2)),
       "*Concrete Compression Hardening, dependencies=2\n 1., 2., , , 3., 4.\n"},
      {"P value and field",
       Written<aif_ConcreteCompressionHardening>(With(Option<Hard>({{1, 2, 3, 4}}, 1), pre)),
       "*Concrete Compression Hardening, dependencies=1\n 1., 2., 3., , 4.\n"},
      {"P value and temperature",
       Written<aif_ConcreteCompressionHardening>(With(Option<Hard>({{1, 2, 3, 4}}, 1, true), pre)),
       "*Concrete Compression Hardening, dependencies=1\n 1., 2., 3., 4.\n"},
      {"P stiffening",
       Written<aif_ConcreteTensionStiffening>(
           Option<kmaC_ConcreteTensionStiffening>(kThree, 0, true)),
       "*Concrete Tension Stiffening\n 1., 2., , 3.\n"},
      {"P plain",
       Written<aif_ConcreteTensionStiffening>(Option<kmaC_ConcreteTensionStiffening>(kTwo)),
       "*Concrete Tension Stiffening\n 1., 2.\n"},
  });
}

TEST(aif_SubOption, EquationOfStateExtras) {
  kmaC_Eos eos;
  eos.dependencies = 1;
  eos.table = aif_test::Table({{9, 9, 9}});
  eos.gasSpecificHeatTable = aif_test::Table(kThree);
  eos.reactionRateTable = aif_test::Table(kTwo);
  EXPECT_EQ(Written<aif_EosGasSpecificHeat>(eos),
            "*Gas Specific Heat, dependencies=1\n 1., 2., , 3.\n");
  EXPECT_EQ(Written<aif_EosReactionRate>(eos), "*Reaction Rate\n 1., 2.\n");
  eos.temperatureDependency = true;
  EXPECT_EQ(Written<aif_EosGasSpecificHeat>(eos),
            "*Gas Specific Heat, dependencies=1\n 1., 2., 3.\n");

  const kmaC_EosCompaction compaction = With(kmaC_EosCompaction(), [](auto& o) {
    o.value1 = 1;
    o.value2 = 2.5;
    o.value4 = -3;
  });
  EXPECT_EQ(Written<aif_EosCompaction>(compaction), "*Eos Compaction\n1.,2.5,0.,-3.,\n");
}

TEST(aif_SubOption, PorousFailureCriteriaInFieldsOfTwelve) {
  EXPECT_EQ(Written<aif_PorousFailureCriteria>(kmaC_PorousFailureCriteria()),
            "*Porous Failure Criteria\n          0.,           0.\n");
  const auto criteria = With(kmaC_PorousFailureCriteria(), [](auto& o) {
    o.fractureFraction = 0.123456789;
    o.failureFraction = 0.5;
  });
  EXPECT_EQ(Written<aif_PorousFailureCriteria>(criteria),
            "*Porous Failure Criteria\n 0.123456789,          0.5\n");
  const auto third = With(kmaC_PorousFailureCriteria(), [](auto& o) {
    o.fractureFraction = 1.0 / 3.0;
    o.failureFraction = -2.5e-5;
  });
  EXPECT_EQ(Written<aif_PorousFailureCriteria>(third),
            "*Porous Failure Criteria\n0.3333333333333333,     -2.5e-05\n");
}

// ---- rate grouping of the Drucker-Prager hardening ---------------------------------

kmaC_DruckerPragerHardening Hardening(aif_test::Rows rows, bool rate, int dependencies = 0,
                                      bool temperature = false) {
  auto option = Option<kmaC_DruckerPragerHardening>(rows, dependencies, temperature);
  option.rate = rate;
  return option;
}

TEST(aif_DruckerPragerHardening, OneKeywordWithoutRates) {
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(Hardening({{1, 2}, {3, 4}}, false)),
            "*Drucker Prager Hardening\n 1., 2.\n 3., 4.\n");
  auto tension = Hardening(kThree, false, 1);
  tension.type = kmaC_DruckerPragerHardening::TENSION;
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(tension),
            "*Drucker Prager Hardening, dependencies=1, type=TENSION\n 1., 2., , 3.\n");
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(Hardening({}, false)),
            "*Drucker Prager Hardening\n");
  // A table too narrow to hold a rate keeps its values.
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(Hardening(kTwo, true)),
            "*Drucker Prager Hardening\n 1., 2.\n");
}

TEST(aif_DruckerPragerHardening, OneKeywordPerRate) {
  const std::string rate0 = "*Drucker Prager Hardening, rate=0.\n";
  const std::string rate1 = "*Drucker Prager Hardening, rate=1.\n";
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(
                Hardening({{1, 2, 0}, {3, 4, 0}, {5, 6, 1}, {7, 8, 1}}, true)),
            rate0 + " 1., 2.\n 3., 4.\n" + rate1 + " 5., 6.\n 7., 8.\n");
  // Rows come in the order of their rates, rows of one rate in their own order.
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(
                Hardening({{1, 2, 1}, {3, 4, 0}, {5, 6, 1}, {7, 8, 0}}, true)),
            rate0 + " 3., 4.\n 7., 8.\n" + rate1 + " 1., 2.\n 5., 6.\n");
  // Ordered by the rate, not by the last value; temperature and field stay.
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(
                Hardening({{1, 2, 1, 5, 9}, {3, 4, 0, 6, 8}}, true, 1, true)),
            "*Drucker Prager Hardening, dependencies=1, rate=0.\n 3., 4., 6., 8.\n"
            "*Drucker Prager Hardening, dependencies=1, rate=1.\n 1., 2., 5., 9.\n");
  // No temperature, one field: a blank where the temperature belongs.
  auto shear = Hardening({{1, 2, 0.5, 9}}, true, 1);
  shear.type = kmaC_DruckerPragerHardening::SHEAR;
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(shear),
            "*Drucker Prager Hardening, dependencies=1, rate=0.5, type=SHEAR\n 1., 2., , 9.\n");
  // Without rows nothing at all.
  EXPECT_EQ(Written<aif_DruckerPragerHardening>(Hardening({}, true)), "");
}

}  // namespace
