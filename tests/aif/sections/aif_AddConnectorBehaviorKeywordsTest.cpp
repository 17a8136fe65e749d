// The behaviour block of a connector section as the builders file it: the
// behaviour line, the reference, the option keywords in the section's order,
// then the derived components in the order of their names.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "AFCInputFileWriter/akw_Model.h"
#include "OdbAttrEO/kbeC_ConnectorDamage.h"
#include "OdbAttrEO/kbeC_ConnectorDamping.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kbeC_ConnectorFailure.h"
#include "OdbAttrEO/kbeC_ConnectorFriction.h"
#include "OdbAttrEO/kbeC_ConnectorLock.h"
#include "OdbAttrEO/kbeC_ConnectorPlasticity.h"
#include "OdbAttrEO/kbeC_ConnectorStop.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "aif/impl/sections/aif_AddConnectorBehaviorKeywords.h"
#include "aif/impl/sections/aif_FastenerPfName.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_RandomConnectorBehavior.h"
#include "support/aif_TestSupport.h"

namespace {

class CbehModel : public akw_Model {
 public:
  using akw_Model::akw_Model;
  akw_Model* Clone() const override { return new CbehModel(*this); }
};

// A builder that files nothing of its own: the routine files into it.
class CbehBuilder : public akw_BuilderComponent {
 public:
  explicit CbehBuilder(akw_ModelInfo& info) : akw_BuilderComponent(info) {}
  void Build() override {}
  akw_BuilderComponent* Clone() const override { return new CbehBuilder(*this); }
};

class CbehModelInfo : public akw_ModelInfo {
 public:
  CbehModelInfo() : akw_ModelInfo(cow_COW<akw_Model>(new CbehModel("Model-1"))) {}
};

struct CbehFiled {
  CbehFiled() : builder(info) {}
  std::string Text() const {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, builder.ModelDefinition()); });
  }
  CbehModelInfo info;
  CbehBuilder builder;
};

cow_COW<kbeC_DerivedComponent> CbehComponent(int component) {
  auto* derived = new kbeC_DerivedComponent;
  kbeC_CDCTerm term;
  term.components = {component};
  term.data.table = mdl_PropertyTable(cow_2DArray<double>{{1.0}});
  derived->terms = {term};
  return cow_COW<kbeC_DerivedComponent>(derived);
}

kbeC_ConnectorPotential CbehTerm(int component, bool derived) {
  kbeC_ConnectorPotential term;
  term.component = component;
  if (derived) {
    term.kind = 1;
    term.derived = CbehComponent(component);
  }
  return term;
}

kbeC_ConnectorPlasticity CbehPlasticity(int derivedComponent) {
  kbeC_ConnectorPlasticity plasticity;
  plasticity.isotropic = true;
  plasticity.isotropicData.table = mdl_PropertyTable(cow_2DArray<double>{{50., 0.}});
  plasticity.potential.terms = {CbehTerm(1, false), CbehTerm(derivedComponent, true)};
  return plasticity;
}

// A section with an option of every kind, ten in all: the derived
// components of option 10 sort before those of option 2.
kseC_ConnectorSection CbehEveryOption() {
  kseC_ConnectorSection section;
  section.SetTableSettings(true, false, 0.05, 1, 2);
  section.SetConstitutiveReferences({0.0, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, 1.0});

  kbeC_ConnectorElasticity elasticity;
  elasticity.components = {1, 3};
  elasticity.data.table = mdl_PropertyTable(cow_2DArray<double>{{1000., 3000.}});
  section.AddBehaviorOption(elasticity);         // 1
  section.AddBehaviorOption(CbehPlasticity(2));  // 2
  kbeC_ConnectorDamping damping;
  damping.components = {1};
  damping.data.table = mdl_PropertyTable(cow_2DArray<double>{{0.5}});
  section.AddBehaviorOption(damping);  // 3
  kbeC_ConnectorStop stop;
  stop.components = {1};
  stop.upper = 0.2;
  section.AddBehaviorOption(stop);  // 4
  kbeC_ConnectorLock lock;
  lock.components = {2};
  lock.values = {1.0, DBL_MAX, DBL_MAX, DBL_MAX};
  section.AddBehaviorOption(lock);  // 5
  kbeC_ConnectorFailure failure;
  failure.components = {3};
  failure.values = {DBL_MAX, 5.0, DBL_MAX, DBL_MAX};
  failure.release = 1;
  section.AddBehaviorOption(failure);                         // 6
  section.AddBehaviorOption(kbeC_ConnectorBehaviorOption());  // 7: not a kind the writer knows
  kbeC_ConnectorDamage damage;
  damage.initiation.table = mdl_PropertyTable(cow_2DArray<double>{{-1e36, 0.4}});
  damage.initiationPotential.terms = {CbehTerm(4, true)};
  damage.evolution = true;
  damage.evolutionType = 1;
  damage.evolutionData.table = mdl_PropertyTable(cow_2DArray<double>{{10.}});
  section.AddBehaviorOption(damage);  // 8
  kbeC_ConnectorFriction friction;
  friction.frictionKind = 1;
  friction.contactForceFlag = true;
  friction.contactForceKind = 1;
  friction.contactForceDerived = CbehComponent(5);
  friction.data.table = mdl_PropertyTable(cow_2DArray<double>{{0.1}});
  friction.potential.terms = {CbehTerm(6, true)};
  section.AddBehaviorOption(friction);           // 9
  section.AddBehaviorOption(CbehPlasticity(3));  // 10
  return section;
}

TEST(aif_AddConnectorBehaviorKeywords, EveryOptionKind) {
  CbehFiled filed;
  aif_AddConnectorBehaviorKeywords(filed.builder, "ConnSect-1", CbehEveryOption());
  const std::string text = filed.Text();
  aif_test::ExpectGolden(text, "aif/sections/golden/connector_behavior_block.inp");
  // Every derived component named is defined, each by this block alone.
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(text))
    ADD_FAILURE() << finding.text;
}

TEST(aif_AddConnectorBehaviorKeywords, EmptySectionAndSeparateNames) {
  CbehFiled filed;
  kseC_ConnectorSection empty;
  empty.SetTableSettings(false, false, 0.1, 1, 2);
  aif_AddConnectorBehaviorKeywords(filed.builder, "Empty", empty);
  EXPECT_EQ(filed.builder.ModelDefinition().Length(), 0u);

  // Two sections with a derived component at the same position each define
  // and name their own.
  kseC_ConnectorSection section;
  section.AddBehaviorOption(CbehPlasticity(2));
  aif_AddConnectorBehaviorKeywords(filed.builder, "A", section);
  aif_AddConnectorBehaviorKeywords(filed.builder, "B", section);
  const std::string block =
      ", 1., 2., ABS, 1., 1.0\n"
      "*Connector Derived Component, name=";
  EXPECT_EQ(filed.Text(),
            "*Connector Behavior, name=A\n*Connector Plasticity\n"
            "*Connector Hardening, definition=TABULAR\n 50., 0.\n"
            "*Connector Potential\n1, 1., 2., ABS, 1., 1.0\nA-BO-1-CP-2" +
                block +
                "A-BO-1-CP-2\n2\n 1.,\n"
                "*Connector Behavior, name=B\n*Connector Plasticity\n"
                "*Connector Hardening, definition=TABULAR\n 50., 0.\n"
                "*Connector Potential\n1, 1., 2., ABS, 1., 1.0\nB-BO-1-CP-2" +
                block + "B-BO-1-CP-2\n2\n 1.,\n");
  EXPECT_TRUE(aif_test::CheckDeck(filed.Text()).empty());
}

// What the deck checker finds in behaviour blocks that break the rules.
std::vector<std::string> CbehFindings(const std::string& deck) {
  std::vector<std::string> kinds;
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
    kinds.push_back(finding.kind + ": " + finding.text.substr(finding.text.find(": ") + 2));
  return kinds;
}

TEST(aif_AddConnectorBehaviorKeywords, CheckerFollowsBehaviorReferences) {
  const std::string deck =
      "*Connector Behavior, name=A\n"
      "*Connector Friction, contact force=BO-1-DC\n 0.1,\n"
      "*Connector Potential\nBO-1-CP-1, 1., 2., ABS, 1., 1.0\nBO-9-CP-1, 1., 2., ABS, 1., 1.0\n"
      "*Connector Derived Component, name=BO-1-CP-1\n1\n 1.,\n"
      "*Connector Derived Component, name=BO-1-DC\n1\n 1.,\n"
      "*Connector Behavior, name=B\n"
      "*Connector Derived Component, name=BO-1-CP-1\n2\n 1.,\n"
      "*Connector Friction, contact force=\n 0.1,\n"
      "*Connector Section, elset=E, behavior=C\nBeam,\n";
  EXPECT_EQ(CbehFindings(deck),
            (std::vector<std::string>{
                "undefined elset: undefined elset: elset=E | *Connector Section, elset=E, "
                "behavior=C",
                "derived component defined by two behaviors: derived component defined by two "
                "behaviors: bo-1-cp-1 | *Connector Derived Component, name=BO-1-CP-1",
                "undefined derived component: undefined derived component: BO-9-CP-1 | "
                "BO-9-CP-1, 1., 2., ABS, 1., 1.0",
                "empty contact force: empty contact force | *Connector Friction, contact force=",
                "undefined connector behavior: undefined connector behavior: C | *Connector "
                "Section, elset=E, behavior=C"}));
}

// Random sections, three to a model (the third a copy of the first under
// another name): every block the checker reads back is consistent.
TEST(aif_AddConnectorBehaviorKeywords, RandomSectionsReadBackClean) {
  for (unsigned seed = 1; seed <= 200; ++seed) {
    aif_test::RandomConnectorBehavior random(seed);
    CbehFiled filed;
    const kseC_ConnectorSection first = random.Section();
    aif_AddConnectorBehaviorKeywords(filed.builder, "Conn-A", first);
    aif_AddConnectorBehaviorKeywords(filed.builder, "Conn B", random.Section());
    aif_AddConnectorBehaviorKeywords(filed.builder, "Conn-C", first);
    const std::string deck = filed.Text();
    for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
      ADD_FAILURE() << "seed " << seed << ": " << finding.text;
  }
}

// Claims to be an elasticity option without being one.
class CbehImpostor : public kbeC_ConnectorBehaviorOption {
 public:
  unsigned DynTypeId() const override { return kbeC_ConnectorElasticity::TypeId(); }
  CbehImpostor* Clone() const override { return new CbehImpostor(*this); }
};

TEST(aif_AddConnectorBehaviorKeywords, FailedTypeTest) {
  CbehFiled filed;
  kseC_ConnectorSection section;
  section.AddBehaviorOption(CbehImpostor());
  try {
    aif_AddConnectorBehaviorKeywords(filed.builder, "C", section);
    ADD_FAILURE() << "no error";
  } catch (const nex_TextException& e) {
    const std::string prefix =
        "Type test failed: the object is not a kbeC_ConnectorElasticity (source file "
        "module/aif/impl/aif_Utils, line ";
    EXPECT_EQ(e.Text().Str().substr(0, prefix.size()), prefix);
  }
}

TEST(aif_FastenerPfName, ComposedThenMadePrintable) {
  EXPECT_EQ(aif_FastenerPfName("Fast-1"), cow_String("_Fast-1_pf_"));
  EXPECT_EQ(aif_FastenerPfName("Fast 1"), cow_String("\"_Fast 1_pf_\""));
}

}  // namespace
