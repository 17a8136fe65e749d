// "*Friction" of contact properties and of connector friction.
#include "aif/impl/sections/aif_Friction.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

namespace {

// A write context whose steps need the analysis product `product`.
struct FrictionContext {
  explicit FrictionContext(kprC_AnalysisProductEnm product = kprC_STANDARD) {
    b.AddPart("P", hst_GridMesh(1, 1, 1));
    b.AddInstance("P-1", "P");
    b.Steps().SetAnalysisProduct(product);
    mesh = std::make_unique<aif_test::MeshContext>(b, false);
  }
  akw_ModelInfo* Info() { return mesh->info.get(); }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
};

cow_COW<kinC_InteractionProperty> ContactWith(const kinC_TangentialBehavior* law) {
  kinC_ContactProperty property;
  if (law) property.Set(*law);
  return cow_COW<kinC_InteractionProperty>(property);
}

kinC_TangentialBehavior Law(int formulation, cow_2DArray<double> table = {}) {
  kinC_TangentialBehavior law;
  law.formulation = formulation;
  law.table = std::move(table);
  return law;
}

kbeC_ConnectorFriction ConnectorWith(const kbeC_ConnectorTangentialBehavior& law) {
  kbeC_ConnectorFriction friction;
  friction.tangential = law;
  return friction;
}

}  // namespace

TEST(aif_Friction, FrictionlessAndMissingLawsOfContactProperties) {
  FrictionContext context;
  const kinC_TangentialBehavior frictionless = Law(0);
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&frictionless), context.Info(), false)),
            Lines({"*Friction", "0.,"}));
  // The frictionless default stands in for a missing law; without it a
  // property with no law writes nothing.
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(nullptr), context.Info(), true)),
            Lines({"*Friction", "0.,"}));
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(nullptr), context.Info(), false)), "");

  // Only contact properties have a friction law to write.
  const aif_Friction other(cow_COW<kinC_InteractionProperty>(kinC_InteractionProperty()),
                           context.Info(), true);
  EXPECT_EQ(ThrownText(other), "Unimplemented *Friction print");
}

TEST(aif_Friction, ContactCoefficientTablesWithBlankDependenceColumns) {
  FrictionContext standard;
  // Anisotropic, one field variable and no dependence column given: blank
  // columns stand at 2, 3 and 4, before the field variable. (Every number
  // carries a leading blank; a blank column is a single blank.)
  kinC_TangentialBehavior law = Law(1, {{0.1, 0.2, 1.0}, {0.15, 0.25, 2.0}});
  law.directionality = 2;
  law.dependencies = 1;
  law.shearStressLimit = 0.5;
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), standard.Info(), false)),
            Lines({"*Friction, slip tolerance=0.005, anisotropic, dependencies=1, taumax=0.5",
                   "  0.1,  0.2, , , ,   1.", " 0.15, 0.25, , , ,   2."}));
  // Isotropic with slip rate and temperature given: one blank for the
  // pressure, at 2; an absolute elastic slip replaces the tolerance.
  law = Law(1, {{0.3, 0.01, 20.0}});
  law.dependence[0] = true;
  law.dependence[2] = true;
  law.elasticSlipKind = 1;
  law.elasticSlip = 0.002;
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), standard.Info(), false)),
            Lines({"*Friction, elastic slip=0.002", " 0.3, 0.01, ,  20."}));

  // The explicit product states neither slip but the shear traction slope,
  // and never writes Lagrange friction.
  FrictionContext explicitProduct(kprC_EXPLICIT);
  law.shearTractionSlope = 10.0;
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), explicitProduct.Info(), false)),
            Lines({"*Friction, shear traction slope=10.", " 0.3, 0.01, ,  20."}));
  law = Law(4, {{0.2}});
  law.directionality = 2;
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), explicitProduct.Info(), false)),
            Lines({"*Friction"}));
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), standard.Info(), false)),
            Lines({"*Friction, lagrange, anisotropic", " 0.2,"}));
}

TEST(aif_Friction, ContactDecayRoughAndUserLaws) {
  FrictionContext context;
  kinC_TangentialBehavior law = Law(2, {{0.5, 0.3, 2.0, 7.0}});
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), context.Info(), false)),
            Lines({"*Friction, slip tolerance=0.005, exponential decay", "0.5, 0.3, 2."}));
  law.exponentialDecayDefinition = 1;
  EXPECT_EQ(
      KeywordText(aif_Friction(ContactWith(&law), context.Info(), false)),
      Lines({"*Friction, slip tolerance=0.005, exponential decay, test data", "0.5", "0.3, 2.",
             "7."}));

  law = Law(3);
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), context.Info(), false)),
            Lines({"*Friction, rough"}));

  // User friction: three property rows give one data line of three values.
  law = Law(5, {{1.0}, {2.0}, {3.0}});
  law.userStateVariables = 2;
  law.userProperties = true;
  EXPECT_EQ(KeywordText(aif_Friction(ContactWith(&law), context.Info(), false)),
            Lines({"*Friction, user, depvar=2, properties=3", " 1., 2., 3."}));
}

TEST(aif_Friction, ConnectorLaws) {
  FrictionContext context;
  // The default slip tolerance is not stated; a clear dependence flag puts
  // a blank at its fixed column.
  kbeC_ConnectorTangentialBehavior law;
  law.data = {{0.3, 10.0, 5.0}};
  law.dependence2 = true;
  law.dependencies = 1;
  law.shearStressLimit = 4.0;
  EXPECT_EQ(KeywordText(aif_Friction(ConnectorWith(law), context.Info())),
            Lines({"*Friction, dependencies=1, taumax=4.", " 0.3, , 10., ,  5."}));

  law = kbeC_ConnectorTangentialBehavior();
  law.data = {{0.3}};
  law.slipTolerance = 0.001;
  EXPECT_EQ(KeywordText(aif_Friction(ConnectorWith(law), context.Info())),
            Lines({"*Friction, slip tolerance=0.001", " 0.3,"}));
  law.elasticSlipKind = 1;
  law.elasticSlip = 0.02;
  EXPECT_EQ(KeywordText(aif_Friction(ConnectorWith(law), context.Info())),
            Lines({"*Friction, elastic slip=0.02", " 0.3,"}));
  FrictionContext explicitProduct(kprC_EXPLICIT);
  EXPECT_EQ(KeywordText(aif_Friction(ConnectorWith(law), explicitProduct.Info())),
            Lines({"*Friction", " 0.3,"}));

  law = kbeC_ConnectorTangentialBehavior();
  law.formulation = 1;
  law.data = {{0.5, 0.3, 2.0, 7.0}};
  EXPECT_EQ(KeywordText(aif_Friction(ConnectorWith(law), context.Info())),
            Lines({"*Friction, exponential decay", "0.5, 0.3, 2."}));
  law.decayDefinition = 1;
  EXPECT_EQ(KeywordText(aif_Friction(ConnectorWith(law), context.Info())),
            Lines({"*Friction, exponential decay, test data", "0.5", "0.3, 2.", "7."}));

  // A connector friction without a friction law writes nothing.
  EXPECT_EQ(KeywordText(aif_Friction(kbeC_ConnectorFriction(), context.Info())), "");
}
