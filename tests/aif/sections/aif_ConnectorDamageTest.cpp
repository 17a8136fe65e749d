// Connector damage initiation and evolution, stop, lock, failure and derived
// components.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "aif/impl/sections/aif_ConnectorDamageEvolution.h"
#include "aif/impl/sections/aif_ConnectorDamageInitiation.h"
#include "aif/impl/sections/aif_ConnectorFailure.h"
#include "aif/impl/sections/aif_ConnectorLock.h"
#include "aif/impl/sections/aif_ConnectorStop.h"
#include "aif/impl/sections/aif_DerivedComponent.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kbeC_ConnectorTableData CbehDamageData(cow_2DArray<double> values, int dependencies = 0) {
  kbeC_ConnectorTableData data;
  data.table = mdl_PropertyTable(std::move(values));
  data.dependencies = dependencies;
  return data;
}

kbeC_ConnectorPotential CbehDamageTerm(int component) {
  kbeC_ConnectorPotential term;
  term.component = component;
  return term;
}

TEST(aif_ConnectorDamageInitiation, BlankLimitsAndPerComponentSequence) {
  kbeC_ConnectorDamage damage;
  damage.components = {1, 2};
  damage.initiation = CbehDamageData({{-1e36, 0.5}, {-0.5, 1e36}});
  damage.evolutionPotential.terms = {CbehDamageTerm(3)};
  // The cells keep the width of the widest number of their column.
  // Without evolution data neither the evolution nor its potential appears.
  EXPECT_EQ(
      KeywordText(aif_ConnectorDamageInitiation(damage, 1)),
      "*Connector Damage Initiation, component=1, criterion=MOTION\n  ,    0.5\n    -0.5,  \n"
      "*Connector Damage Initiation, component=2, criterion=MOTION\n  ,    0.5\n    -0.5,  \n");

  // With evolution: initiation, its data, evolution, its potential, per
  // component.
  damage.components = {4, 5};
  damage.initiation = CbehDamageData({{0.1, 0.2}});
  damage.evolution = true;
  damage.evolutionType = 0;
  damage.softening = 1;
  damage.evolutionData = CbehDamageData({{0.3, 2., 7.}});
  const std::string evolution =
      "*Connector Damage Evolution, type=MOTION, softening=EXPONENTIAL\n 0.3, 2., , 7.\n"
      "*Connector Potential\n3, 1., 2., ABS, 1., 1.0\n";
  EXPECT_EQ(KeywordText(aif_ConnectorDamageInitiation(damage, 1)),
            "*Connector Damage Initiation, component=4, criterion=MOTION\n 0.1, 0.2\n" + evolution +
                "*Connector Damage Initiation, component=5, criterion=MOTION\n 0.1, 0.2\n" +
                evolution);

  // An initiation potential: the sequence once, without a component.
  damage.initiationPotential.terms = {CbehDamageTerm(1)};
  damage.criterion = 2;
  EXPECT_EQ(KeywordText(aif_ConnectorDamageInitiation(damage, 1)),
            "*Connector Damage Initiation, criterion=PLASTIC MOTION\n 0.1, , 0.2\n"
            "*Connector Potential\n1, 1., 2., ABS, 1., 1.0\n"
            "*Connector Damage Evolution, type=MOTION, softening=EXPONENTIAL\n 0.3, 2., , 7.\n"
            "*Connector Potential\n3, 1., 2., ABS, 1., 1.0\n");
}

// An initiation potential of derived terms without their components writes
// nothing: the sequence is written per component, as without a potential.
TEST(aif_ConnectorDamageInitiation, PotentialOfUnwritableTermsCountsAsNone) {
  kbeC_ConnectorDamage damage;
  damage.components = {2, 3};
  damage.initiation = CbehDamageData({{0.1, 0.2}});
  kbeC_ConnectorPotential derived = CbehDamageTerm(0);
  derived.kind = 1;
  damage.initiationPotential.terms = {derived};
  EXPECT_EQ(KeywordText(aif_ConnectorDamageInitiation(damage, 1)),
            "*Connector Damage Initiation, component=2, criterion=MOTION\n 0.1, 0.2\n"
            "*Connector Damage Initiation, component=3, criterion=MOTION\n 0.1, 0.2\n");
  derived.derived = cow_COW<kbeC_DerivedComponent>(new kbeC_DerivedComponent);
  damage.initiationPotential.terms = {derived};
  EXPECT_EQ(KeywordText(aif_ConnectorDamageInitiation(damage, 2, "Conn-")),
            "*Connector Damage Initiation, criterion=MOTION\n 0.1, 0.2\n"
            "*Connector Potential\nConn-BO-2-IP-1, 1., 2., ABS, 1., 1.0\n");
}

TEST(aif_ConnectorDamageEvolution, EnergyAndOptions) {
  kbeC_ConnectorDamage damage;
  EXPECT_EQ(KeywordText(aif_ConnectorDamageEvolution(damage, 1)), "");
  damage.evolution = true;
  damage.evolutionType = 1;
  damage.softening = 2;  // never written with ENERGY
  damage.affectedComponentsFlag = true;
  damage.affectedComponents = {1, 3};
  damage.degradation = 1;
  damage.evolutionData = CbehDamageData({{5., 1.}}, 1);
  EXPECT_EQ(KeywordText(aif_ConnectorDamageEvolution(damage, 1)),
            "*Connector Damage Evolution, type=ENERGY, affected components, "
            "degradation=MULTIPLICATIVE, dependencies=1\n1, 3\n 5., , , 1.\n");
  damage.evolutionType = 0;
  damage.affectedComponentsFlag = false;
  damage.degradation = 0;
  damage.evolutionData = CbehDamageData({{5., 6., 7.}});
  EXPECT_EQ(KeywordText(aif_ConnectorDamageEvolution(damage, 1)),
            "*Connector Damage Evolution, type=MOTION, softening=TABULAR\n 5., 6., , 7.\n");
  damage.softening = 0;
  EXPECT_EQ(KeywordText(aif_ConnectorDamageEvolution(damage, 1)),
            "*Connector Damage Evolution, type=MOTION\n 5., , 6., 7.\n");
  // Plastic motion with a non-zero initiation form: no blank column.
  damage.criterion = 2;
  damage.initiationForm = 1;
  EXPECT_EQ(KeywordText(aif_ConnectorDamageEvolution(damage, 1)),
            "*Connector Damage Evolution, type=MOTION\n 5., 6., 7.\n");
}

TEST(aif_ConnectorLimits, UnsetRules) {
  kbeC_ConnectorStop stop;
  stop.components = {1, 2};
  EXPECT_EQ(KeywordText(aif_ConnectorStop(stop)), "");
  stop.upper = 0.5;
  EXPECT_EQ(KeywordText(aif_ConnectorStop(stop)),
            "*Connector Stop, component=1\n, 0.5\n*Connector Stop, component=2\n, 0.5\n");
  stop.lower = -0.5;
  stop.components = {3};
  EXPECT_EQ(KeywordText(aif_ConnectorStop(stop)), "*Connector Stop, component=3\n-0.5, 0.5\n");

  kbeC_ConnectorLock lock;
  lock.components = {1};
  EXPECT_EQ(KeywordText(aif_ConnectorLock(lock)), "");
  lock.values = {DBL_MAX, 2.0, DBL_MAX, 4.0};
  EXPECT_EQ(KeywordText(aif_ConnectorLock(lock)), "*Connector Lock, component=1\n, 2., , 4.\n");
  lock.lock = 3;
  EXPECT_EQ(KeywordText(aif_ConnectorLock(lock)),
            "*Connector Lock, component=1, lock=3\n, 2., , 4.\n");

  kbeC_ConnectorFailure failure;
  failure.components = {2, 4};
  EXPECT_EQ(KeywordText(aif_ConnectorFailure(failure)), "");
  failure.values = {1.0, DBL_MAX, DBL_MAX, DBL_MAX};
  failure.release = 0;
  EXPECT_EQ(KeywordText(aif_ConnectorFailure(failure)),
            "*Connector Failure, component=2, release=0\n1., , , \n"
            "*Connector Failure, component=4, release=0\n1., , , \n");
}

TEST(aif_DerivedComponent, OneKeywordPerTerm) {
  kbeC_DerivedComponent component;
  kbeC_CDCTerm first;
  first.components = {1, 2};
  first.data = CbehDamageData({{1., 1.}});
  kbeC_CDCTerm second;
  second.operatorCode = 2;
  second.sign = 1;
  second.independentComponentsFlag = true;
  second.independentKind = 1;
  second.independentComponents = {3};
  second.components = {4};
  second.data = CbehDamageData({{2., 0.5}}, 1);
  kbeC_TableOptions settings;
  settings.extrapolationDefault = false;
  second.data.options = settings;
  component.terms = {first, second};
  EXPECT_EQ(KeywordText(aif_DerivedComponent("Conn-1-BO-1-CP-1", component)),
            "*Connector Derived Component, name=Conn-1-BO-1-CP-1\n1, 2\n 1., 1.\n"
            "*Connector Derived Component, name=Conn-1-BO-1-CP-1, sign=NEGATIVE, "
            "operator=MACAULEY SUM, dependencies=1, independent components=CONSTITUTIVE MOTION, "
            "\nextrapolation=CONSTANT\n3\n4\n 2., , 0.5\n");
  second.independentKind = 0;
  second.operatorCode = 1;
  second.sign = 0;
  second.data.options.reset();
  component.terms = {second};
  EXPECT_EQ(KeywordText(aif_DerivedComponent("D", component)),
            "*Connector Derived Component, name=D, operator=SUM, dependencies=1, independent "
            "components\n3\n4\n 2., , 0.5\n");
}

}  // namespace
