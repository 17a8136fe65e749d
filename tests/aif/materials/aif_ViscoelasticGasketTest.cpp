// Viscoelastic blocks (time and frequency domain, the two-preload form) and
// the gasket elasticity and thickness behaviour keywords.
#include <gtest/gtest.h>

#include <string>

#include "aif/impl/materials/aif_GasketElasticity.h"
#include "aif/impl/materials/aif_GasketThicknessBehavior.h"
#include "aif/impl/materials/aif_Viscoelastic.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Table;
using aif_test::Written;
using V = kmaC_Viscoelastic;

// A frequency-domain tabular option: main table "1., 2." and second table
// "3., 4.", with time-temperature shift and shear test data.
V Tabular(V::TypeEnm type, V::PreloadEnm preload) {
  auto o = Option<V>({{1, 2}});
  o.domain = 0;
  o.frequency = V::TABULAR;
  o.type = type;
  o.preload = preload;
  o.secondTable = Table({{3, 4}});
  o.shearTestData = Handle(Option<kmaC_ShearTestData>({{5, 6}}));
  o.trs = Handle(Option<kmaC_Trs>({{7, 8}}));
  return o;
}

const std::string kSubOptions = "*Shear Test Data\n 5., 6.\n*Trs\n 7., 8.\n";

TEST(aif_Viscoelastic, FrequencyDomainPreloads) {
  // Uniaxial and volumetric preload: two blocks, each with its table and the
  // sub-options.
  EXPECT_EQ(Written<aif_Viscoelastic>(Tabular(V::ISOTROPIC, V::UNIAXIAL_VOLUMETRIC)),
            "*Viscoelastic, frequency=TABULAR, preload=UNIAXIAL\n 1., 2.\n" + kSubOptions +
                "*Viscoelastic, frequency=TABULAR, preload=VOLUMETRIC\n 3., 4.\n" + kSubOptions);
  // Another type: one block, the volumetric option over the main table.
  EXPECT_EQ(Written<aif_Viscoelastic>(Tabular(V::TRACTION, V::UNIAXIAL_VOLUMETRIC)),
            "*Viscoelastic, frequency=TABULAR, type=TRACTION, preload=VOLUMETRIC\n 1., 2.\n" +
                kSubOptions);
  EXPECT_EQ(Written<aif_Viscoelastic>(Tabular(V::ISOTROPIC, V::VOLUMETRIC)),
            "*Viscoelastic, frequency=TABULAR, preload=VOLUMETRIC\n 3., 4.\n" + kSubOptions);

  // Other formats take no type or preload; test data take errtol and nmax.
  auto o = Tabular(V::SHEAR, V::UNIAXIAL_VOLUMETRIC);
  o.frequency = V::PRONY_FREQUENCY;
  o.errtol = 0.02;
  EXPECT_EQ(Written<aif_Viscoelastic>(o),
            "*Viscoelastic, frequency=PRONY\n 1., 2.\n" + kSubOptions);
  o.frequency = V::RELAXATION_TEST_DATA_FREQUENCY;
  o.nmax = 5;
  EXPECT_EQ(Written<aif_Viscoelastic>(o),
            "*Viscoelastic, frequency=RELAXATION TEST DATA, errtol=0.02, nmax=5\n 1., 2.\n" +
                kSubOptions);
}

TEST(aif_Viscoelastic, TimeDomainFormats) {
  auto o = Option<V>({{1, 2}});
  o.time = V::CREEP_TEST_DATA;
  EXPECT_EQ(Written<aif_Viscoelastic>(o), "*Viscoelastic, time=CREEP TEST DATA\n 1., 2.\n");
  o.time = V::FREQUENCY_DATA;
  o.errtol = 0.02;
  o.nmax = 20;
  o.combinedTestData = Handle(Option<kmaC_CombinedTestData>({{3, 4}}));
  o.volumetricTestData = Handle(Option<kmaC_VolumetricTestData>({{5, 6}}));
  EXPECT_EQ(Written<aif_Viscoelastic>(o),
            "*Viscoelastic, time=FREQUENCY DATA, errtol=0.02, nmax=20\n 1., 2.\n"
            "*Combined Test Data\n 3., 4.\n*Volumetric Test Data\n 5., 6.\n");
  o.combinedTestData = {};
  o.volumetricTestData = {};
  // Prony data take no test-data options.
  o.time = V::PRONY;
  EXPECT_EQ(Written<aif_Viscoelastic>(o), "*Viscoelastic, time=PRONY\n 1., 2.\n");
  // A format outside the enumeration: no option and no lone separator.
  o.time = static_cast<V::TimeEnm>(7);
  EXPECT_EQ(Written<aif_Viscoelastic>(o), "*Viscoelastic\n 1., 2.\n");
}

TEST(aif_GasketElasticity, MembraneAndTransverseShear) {
  // The table as it stands: no blank column for the field variable.
  auto membrane = Option<kmaC_MembraneElastic>({{1, 2, 3}}, 1);
  EXPECT_EQ(Written<aif_GasketElasticity>(membrane),
            "*Gasket Elasticity, dependencies=1, component=MEMBRANE\n 1., 2., 3.\n");
  membrane.dependencies = 0;
  EXPECT_EQ(Written<aif_GasketElasticity>(membrane),
            "*Gasket Elasticity, component=MEMBRANE\n 1., 2., 3.\n");

  auto shear = Option<kmaC_TransShearElastic>({{1, 2}});
  EXPECT_EQ(Written<aif_GasketElasticity>(shear), "*Gasket Elasticity\n 1., 2.\n");
  shear.variable = 1;
  shear.dependencies = 2;
  EXPECT_EQ(Written<aif_GasketElasticity>(shear),
            "*Gasket Elasticity, dependencies=2, variable=FORCE\n 1., 2.\n");
}

TEST(aif_GasketThicknessBehavior, LoadingUnloadingAndContactArea) {
  using B = kmaC_ThicknessBehavior;
  // Loading: pressure, closure and a field variable without temperature;
  // unloading: pressure, closure, plastic closure and a field variable.
  auto o = Option<B>({{1, 2, 3}}, 1);
  o.unloadingTable = Table({{4, 5, 6, 7}});
  o.unloadingDependencies = 1;
  o.type = 1;
  o.variable = B::FORCE;
  o.tensileStiffnessFactor = 0.01;
  o.contactArea = Handle(Option<kmaC_ContactArea>({{8, 9}}));
  auto expected = [](const std::string& loading, const std::string& unloading) {
    return "*Gasket Thickness Behavior, dependencies=1, tensile stiffness factor=0.01, "
           "type=DAMAGE, variable=FORCE\n" +
           loading +
           "*Gasket Thickness Behavior, direction=UNLOADING, dependencies=1, type=DAMAGE, "
           "variable=FORCE\n" +
           unloading + "*Gasket Contact Area\n 8., 9.\n";
  };
  EXPECT_EQ(Written<aif_GasketThicknessBehavior>(o),
            expected(" 1., 2., , 3.\n", " 4., 5., 6., , 7.\n"));

  // With temperatures no blank; a two-column table has nothing at index 2.
  o.temperatureDependency = true;
  o.unloadingTemperatureDependency = true;
  EXPECT_EQ(Written<aif_GasketThicknessBehavior>(o),
            expected(" 1., 2., 3.\n", " 4., 5., 6., 7.\n"));

  // No unloading rows, no unloading block; the contact area only with force.
  auto plain = Option<B>({{1, 2}});
  plain.unloadingTable = kmaC_MaterialTable(0, 3);
  plain.contactArea = o.contactArea;
  EXPECT_EQ(Written<aif_GasketThicknessBehavior>(plain), "*Gasket Thickness Behavior\n 1., 2.\n");
  plain.variable = B::FORCE_PER_LENGTH;
  plain.slopeDrop = 0.2;
  EXPECT_EQ(Written<aif_GasketThicknessBehavior>(plain),
            "*Gasket Thickness Behavior, variable=FORCE PER LENGTH, slope drop=0.2\n 1., 2.\n");
  // The yield onset is written at any value, the default included.
  plain.variable = B::STRESS;
  plain.slopeDrop = 0.1;
  plain.yieldOnset = 1;
  EXPECT_EQ(Written<aif_GasketThicknessBehavior>(plain),
            "*Gasket Thickness Behavior, yield onset=0.1\n 1., 2.\n");
}

}  // namespace
