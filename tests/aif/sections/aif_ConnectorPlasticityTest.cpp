// Connector friction, plasticity with its hardening, and potentials.
#include <gtest/gtest.h>

#include <string>

#include "aif/impl/sections/aif_ConnectorFriction.h"
#include "aif/impl/sections/aif_ConnectorHardening.h"
#include "aif/impl/sections/aif_ConnectorPlasticity.h"
#include "aif/impl/sections/aif_ConnectorPotential.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kbeC_ConnectorTableData CbehPlasticData(cow_2DArray<double> values, int dependencies = 0,
                                        bool temperature = false) {
  kbeC_ConnectorTableData data;
  data.table = mdl_PropertyTable(std::move(values));
  data.dependencies = dependencies;
  data.temperatureDependent = temperature;
  return data;
}

kbeC_ConnectorPotential CbehComponentTerm(int component, int function, bool negative = false) {
  kbeC_ConnectorPotential term;
  term.component = component;
  term.value1 = 2.0;
  term.value2 = 3.0;
  term.value3 = 4.0;
  term.function = function;
  term.negative = negative;
  return term;
}

kbeC_ConnectorPotential CbehDerivedTerm(bool present) {
  kbeC_ConnectorPotential term = CbehComponentTerm(0, 2);
  term.kind = 1;
  if (present) term.derived = cow_COW<kbeC_DerivedComponent>(new kbeC_DerivedComponent);
  return term;
}

TEST(aif_ConnectorPotential, TermsExponentAndMax) {
  kbeC_ConnectorPlasticity plasticity;
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(plasticity, 1)), "");
  plasticity.potential.terms = {CbehComponentTerm(1, 0), CbehComponentTerm(2, 1, true),
                                CbehDerivedTerm(true), CbehComponentTerm(3, 7)};
  // An exponent of exactly 2.0 is not written.
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(plasticity, 4)),
            "*Connector Potential\n"
            "1, 2., 3., ABS, 4., 1.0\n"
            "2, 2., 3., MACAULEY, 4., -1.0\n"
            "BO-4-CP-3, 2., 3., NONE, 4., 1.0\n"
            "3, 2., 3., 4., 1.0\n");
  plasticity.potential.exponent = 3.0;
  plasticity.potential.terms = {CbehComponentTerm(1, 0)};
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(plasticity, 1)),
            "*Connector Potential, exponent=3.\n1, 2., 3., ABS, 4., 1.0\n");
  // MAX hides the exponent and leaves every second field empty.
  plasticity.potential.operatorCode = 1;
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(plasticity, 1)),
            "*Connector Potential, operator=MAX\n1, 2., , ABS, 4., 1.0\n");
}

TEST(aif_ConnectorPotential, DerivedTermWithoutComponentLeftOut) {
  kbeC_ConnectorFriction friction;
  friction.potential.terms = {CbehDerivedTerm(false), CbehComponentTerm(6, 2)};
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(friction, 2, "Sec-")),
            "*Connector Potential\n6, 2., 3., NONE, 4., 1.0\n");
  // No term names anything: no bare keyword line.
  friction.potential.terms = {CbehDerivedTerm(false)};
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(friction, 2, "Sec-")), "");
  // A stem that needs quotes quotes the whole generated name.
  friction.potential.terms = {CbehComponentTerm(1, 0), CbehDerivedTerm(true)};
  EXPECT_EQ(KeywordText(aif_ConnectorPotential(friction, 2, "Sec A-")),
            "*Connector Potential\n1, 2., 3., ABS, 4., 1.0\n\"Sec A-BO-2-CP-2\", 2., 3., NONE, "
            "4., 1.0\n");
}

TEST(aif_ConnectorFriction, PredefinedAndUserDefined) {
  kbeC_ConnectorFriction friction;
  friction.independentComponents = {1};
  friction.independentCode = 0;
  friction.data = CbehPlasticData({{0.3}});
  // Predefined: no independent-component line even with a code.
  EXPECT_EQ(KeywordText(aif_ConnectorFriction(friction, nullptr, 2)),
            "*Connector Friction, predefined, independent components=POSITION\n 0.3,\n");

  friction.frictionKind = 1;
  friction.componentGiven = 0;
  friction.component = 3;
  friction.contactForceFlag = true;
  friction.contactForceKind = 1;
  friction.contactForceDerived = cow_COW<kbeC_DerivedComponent>(new kbeC_DerivedComponent);
  friction.stickStiffness = 1000.0;
  friction.independentCode = 1;
  friction.independentComponents = {1, 2};
  friction.data = CbehPlasticData({{0.3, 1.}, {0.4, 2.}}, 1);
  EXPECT_EQ(KeywordText(aif_ConnectorFriction(friction, nullptr, 2)),
            "*Connector Friction, component=3, contact force=BO-2-DC, dependencies=1, "
            "independent components=CONSTITUTIVE MOTION, stick stiffness=1000.\n"
            "1, 2\n 0.3, , , 1.\n 0.4, , , 2.\n");

  // A derived contact force without its component: the option is left out.
  friction.contactForceDerived = cow_COW<kbeC_DerivedComponent>();
  friction.independentCode = 2;
  friction.secondDependence = true;
  friction.stickStiffness = DBL_MAX;
  EXPECT_EQ(KeywordText(aif_ConnectorFriction(friction, nullptr, 2)),
            "*Connector Friction, component=3, dependencies=1\n 0.3, , 1.\n 0.4, , 2.\n");
  friction.contactForceKind = 0;
  friction.contactForceComponent = 5;
  friction.data = CbehPlasticData({{0.3}});
  EXPECT_EQ(KeywordText(aif_ConnectorFriction(friction, nullptr, 2)),
            "*Connector Friction, component=3, contact force=5\n 0.3,\n");
}

TEST(aif_ConnectorFriction, LawThenPotential) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(1, 1, 1));
  b.AddInstance("P-1", "P");
  aif_test::MeshContext context(b, false);
  kbeC_ConnectorFriction friction;
  friction.data = CbehPlasticData({{0.2}});
  kbeC_ConnectorTangentialBehavior law;
  law.data = cow_2DArray<double>{{0.3}};
  friction.tangential = law;
  friction.potential.terms = {CbehComponentTerm(1, 0)};
  EXPECT_EQ(KeywordText(aif_ConnectorFriction(friction, context.info.get(), 3)),
            "*Connector Friction, predefined\n 0.2,\n"
            "*Friction\n 0.3,\n"
            "*Connector Potential\n1, 2., 3., ABS, 4., 1.0\n");
}

TEST(aif_ConnectorPlasticity, PerComponentOrWithPotential) {
  kbeC_ConnectorPlasticity plasticity;
  plasticity.components = {1, 2};
  plasticity.isotropic = true;
  plasticity.isotropicData = CbehPlasticData({{100., 0.}, {150., 0.5}});
  const std::string hardening =
      "*Connector Hardening, definition=TABULAR\n 100.,  0.\n 150., 0.5\n";
  EXPECT_EQ(KeywordText(aif_ConnectorPlasticity(plasticity, 1)),
            "*Connector Plasticity, component=1\n" + hardening +
                "*Connector Plasticity, component=2\n" + hardening);
  plasticity.potential.terms = {CbehComponentTerm(1, 0), CbehComponentTerm(2, 0)};
  EXPECT_EQ(KeywordText(aif_ConnectorPlasticity(plasticity, 1)),
            "*Connector Plasticity\n" + hardening +
                "*Connector Potential\n1, 2., 3., ABS, 4., 1.0\n2, 2., 3., ABS, 4., 1.0\n");
}

// A potential whose every term is a derived term without its component
// writes no "*Connector Potential": the option is written per component, as
// one without a potential, so that its components are not lost. One term
// that is written makes it a potential again.
TEST(aif_ConnectorPlasticity, PotentialOfUnwritableTermsCountsAsNone) {
  kbeC_ConnectorPlasticity plasticity;
  plasticity.components = {1, 2};
  plasticity.isotropic = true;
  plasticity.isotropicData = CbehPlasticData({{100., 0.}});
  const std::string hardening = "*Connector Hardening, definition=TABULAR\n 100., 0.\n";
  plasticity.potential.terms = {CbehDerivedTerm(false), CbehDerivedTerm(false)};
  EXPECT_EQ(KeywordText(aif_ConnectorPlasticity(plasticity, 1)),
            "*Connector Plasticity, component=1\n" + hardening +
                "*Connector Plasticity, component=2\n" + hardening);
  plasticity.potential.terms = {CbehDerivedTerm(false), CbehDerivedTerm(true)};
  EXPECT_EQ(KeywordText(aif_ConnectorPlasticity(plasticity, 3, "Conn-")),
            "*Connector Plasticity\n" + hardening +
                "*Connector Potential\nConn-BO-3-CP-2, 2., 3., NONE, 4., 1.0\n");
}

TEST(aif_ConnectorHardening, DefinitionsAndRateOptions) {
  kbeC_ConnectorPlasticity plasticity;
  EXPECT_EQ(KeywordText(aif_ConnectorHardening(plasticity)), "");
  plasticity.isotropic = true;
  plasticity.isotropicDefinition = 1;
  plasticity.isotropicData = CbehPlasticData({{100., 5., 2.}}, 1);
  kbeC_TableOptions settings;
  settings.rateFilterDefault = false;
  settings.rateFilterFactor = 0.5;
  settings.rateInterpolation = 1;
  plasticity.isotropicData.options = settings;
  plasticity.kinematic = true;
  const char* definitions[] = {"HALF CYCLE", "STABILIZED", "PARAMETERS", "STABILIZED"};
  for (int definition = 0; definition < 4; ++definition) {
    plasticity.kinematicDefinition = definition;
    plasticity.kinematicData = CbehPlasticData({{100., 20.}}, 0, true);
    EXPECT_EQ(KeywordText(aif_ConnectorHardening(plasticity)),
              "*Connector Hardening, definition=EXPONENTIAL LAW, dependencies=1, rate filter "
              "factor=0.5, rate interpolation=LOGARITHMIC\n 100., 5., , 2.\n"
              "*Connector Hardening, type=KINEMATIC, definition=" +
                  std::string(definitions[definition]) + "\n 100., 20.\n");
  }
  // A rate filter factor of 0.9 is the default.
  settings.rateFilterFactor = 0.9;
  settings.rateInterpolation = 0;
  plasticity.isotropicData.options = settings;
  plasticity.kinematic = false;
  EXPECT_EQ(KeywordText(aif_ConnectorHardening(plasticity)),
            "*Connector Hardening, definition=EXPONENTIAL LAW, dependencies=1\n 100., 5., , 2.\n");
}

}  // namespace
