// Elastic, thermal, electrical, density, damping and transport keywords:
// whole written text for each option and its conditions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aif/impl/materials/aif_Conductivity.h"
#include "aif/impl/materials/aif_Damping.h"
#include "aif/impl/materials/aif_Density.h"
#include "aif/impl/materials/aif_Dielectric.h"
#include "aif/impl/materials/aif_Diffusivity.h"
#include "aif/impl/materials/aif_Elastic.h"
#include "aif/impl/materials/aif_ElectricalConductivity.h"
#include "aif/impl/materials/aif_HeatGeneration.h"
#include "aif/impl/materials/aif_Hypoelastic.h"
#include "aif/impl/materials/aif_InelasticHeatFraction.h"
#include "aif/impl/materials/aif_JouleHeatFraction.h"
#include "aif/impl/materials/aif_LatentHeat.h"
#include "aif/impl/materials/aif_NoCompression.h"
#include "aif/impl/materials/aif_NoTension.h"
#include "aif/impl/materials/aif_Piezoelectric.h"
#include "aif/impl/materials/aif_PorousElastic.h"
#include "aif/impl/materials/aif_Shear.h"
#include "aif/impl/materials/aif_SpecificHeat.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Written;

TEST(aif_Elastic, TypeAndModuliOptions) {
  struct Case {
    int type;
    bool viscoelastic;
    int timeScale;
    std::string header;
  };
  const std::vector<Case> cases = {
      {0, false, 1, "*Elastic"},
      {3, false, 0, "*Elastic, type=ENGINEERING CONSTANTS"},
      {6, false, 0, "*Elastic, type=COUPLED TRACTION"},
      {8, false, 0, "*Elastic, type=SHEAR"},
      {1, false, 0, "*Elastic, type=ORTHOTROPIC"},
      {9, false, 0, "*Elastic"},  // no text: no option at all
      {0, true, 0, "*Elastic, moduli=INSTANTANEOUS"},
      {8, true, 5, "*Elastic, type=SHEAR, moduli=LONG TERM"},
  };
  for (const Case& c : cases) {
    auto elastic = Option<kmaC_Elastic>({{210, 0.3}});
    elastic.type = static_cast<kmaC_Elastic::TypeEnm>(c.type);
    elastic.moduliTimeScale = c.timeScale;
    EXPECT_EQ(Written<aif_Elastic>(elastic, c.viscoelastic), c.header + "\n 210., 0.3\n") << c.type;
  }
}

TEST(aif_Elastic, FieldColumnsThenFailStrainThenFailStress) {
  // Two values and two field variables without temperature: the empty
  // temperature column stands third.
  auto elastic = Option<kmaC_Elastic>({{210, 0.3, 1, 2}}, 2, false);
  const std::string head = "*Elastic, dependencies=2\n 210., 0.3, ,  1.,  2.\n";
  EXPECT_EQ(Written<aif_Elastic>(elastic, false), head);
  elastic.failStress = Handle(Option<kmaC_FailStress>({{10, 20}}));
  EXPECT_EQ(Written<aif_Elastic>(elastic, false), head + "*Fail Stress\n 10., 20.\n");
  elastic.failStrain = Handle(Option<kmaC_FailStrain>({{0.1, 0.2}}));
  EXPECT_EQ(Written<aif_Elastic>(elastic, false),
            head + "*Fail Strain\n 0.1, 0.2\n*Fail Stress\n 10., 20.\n");
}

TEST(aif_NoCompression, EachFlagWritesItsOwnLine) {
  // The material writer writes both right after "*Elastic".
  auto lines = [](bool noCompression, bool noTension) {
    kmaC_Elastic elastic;
    elastic.noCompression = noCompression;
    elastic.noTension = noTension;
    return Written<aif_NoCompression>(elastic) + Written<aif_NoTension>(elastic);
  };
  EXPECT_EQ(lines(false, false), "");
  EXPECT_EQ(lines(true, false), "*No Compression\n");
  EXPECT_EQ(lines(false, true), "*No Tension\n");
  EXPECT_EQ(lines(true, true), "*No Compression\n*No Tension\n");
}

TEST(aif_PorousElastic, ShearLawAndOtherElasticForms) {
  auto porous = Option<kmaC_PorousElastic>({{0.02, 0.3, 20}}, 1, true);
  EXPECT_EQ(Written<aif_PorousElastic>(porous),
            "*Porous Elastic, dependencies=1\n 0.02, 0.3, 20.\n");
  porous.shearLaw = kmaC_PorousElastic::POISSON;
  EXPECT_EQ(Written<aif_PorousElastic>(porous),
            "*Porous Elastic, dependencies=1, shear=POISSON\n 0.02, 0.3, 20.\n");

  EXPECT_EQ(Written<aif_Shear>(Option<kmaC_Shear>({{80000, 5}}, 1, false)),
            "*Elastic, type=SHEAR, dependencies=1\n 80000., , 5.\n");
  // A hypoelastic table is written as it stands, whatever d and T say.
  auto hypo = Option<kmaC_Hypoelastic>({{1, 2, 3}}, 1, false);
  hypo.user = true;
  EXPECT_EQ(Written<aif_Hypoelastic>(hypo), "*Hypoelastic, user\n 1., 2., 3.\n");
}

TEST(aif_SpecificHeat, TypeOnlyForModelValueTwo) {
  auto heat = Option<kmaC_SpecificHeat>({{450, 20}}, 0, true);
  heat.type = 0;
  EXPECT_EQ(Written<aif_SpecificHeat>(heat, 2),
            "*Specific Heat, type=CONSTANTVOLUME\n 450., 20.\n");
  EXPECT_EQ(Written<aif_SpecificHeat>(heat, 1), "*Specific Heat\n 450., 20.\n");
  heat.type = 7;
  EXPECT_EQ(Written<aif_SpecificHeat>(heat, 2),
            "*Specific Heat, type=CONSTANTPRESSURE\n 450., 20.\n");
}

TEST(aif_JouleHeatFraction, OneValueInTwelveColumnsAndOneLineKeywords) {
  kmaC_JouleHeatFraction joule;
  joule.fraction = 0.5;
  EXPECT_EQ(Written<aif_JouleHeatFraction>(joule), "*Joule Heat Fraction\n         0.5,\n");
  kmaC_InelasticHeatFraction inelastic;
  inelastic.fraction = 0.123456789;
  EXPECT_EQ(Written<aif_InelasticHeatFraction>(inelastic),
            "*Inelastic Heat Fraction\n 0.123456789,\n");
  // Every digit the value holds, the width kept for short values and left
  // behind by long ones.
  joule.fraction = 1.0 / 3.0;
  EXPECT_EQ(Written<aif_JouleHeatFraction>(joule), "*Joule Heat Fraction\n0.3333333333333333,\n");
  joule.fraction = 1e-300;
  EXPECT_EQ(Written<aif_JouleHeatFraction>(joule), "*Joule Heat Fraction\n     1.e-300,\n");
  inelastic.fraction = 1;
  EXPECT_EQ(Written<aif_InelasticHeatFraction>(inelastic),
            "*Inelastic Heat Fraction\n          1.,\n");

  EXPECT_EQ(Written<aif_HeatGeneration>(Option<kmaC_HeatGeneration>({{1, 2}})),
            "*Heat Generation\n");
  EXPECT_EQ(Written<aif_LatentHeat>(Option<kmaC_LatentHeat>({{300, 10, 20}}, 1, false)),
            "*Latent Heat\n 300., 10., 20.\n");
}

TEST(aif_Piezoelectric, TypesWithoutTextWriteNoOption) {
  auto piezo = Option<kmaC_Piezoelectric>({{1, 2, 3}}, 1, false);
  const std::string rows = "\n 1., 2., , 3.\n";
  for (int type : {1, 2, -1}) {
    piezo.type = type;
    EXPECT_EQ(Written<aif_Piezoelectric>(piezo), "*Piezoelectric, dependencies=1" + rows) << type;
  }
  piezo.type = 0;
  EXPECT_EQ(Written<aif_Piezoelectric>(piezo), "*Piezoelectric, dependencies=1, type=E" + rows);
}

// Electrical conductivity, conductivity and dielectric share the anisotropy
// option; kinds without a text write none.
TEST(aif_ElectricalConductivity, AnisotropyTypes) {
  const std::vector<std::pair<int, std::string>> kinds = {
      {0, ""}, {1, ", type=ORTHO"}, {2, ", type=ANISO"}, {3, ""}, {-1, ""}};
  for (const auto& [kind, option] : kinds) {
    auto electrical = Option<kmaC_ElectricalConductivity>({{5, 20}}, 0, true);
    electrical.type = kind;
    EXPECT_EQ(Written<aif_ElectricalConductivity>(electrical),
              "*Electrical Conductivity" + option + "\n 5., 20.\n");
    auto conductivity = Option<kmaC_Conductivity>({{45, 1}}, 1, false);
    conductivity.anisotropy = kind;
    EXPECT_EQ(Written<aif_Conductivity>(conductivity),
              "*Conductivity, dependencies=1" + option + "\n 45., , 1.\n");
    auto dielectric = Option<kmaC_Dielectric>({{3}});
    dielectric.anisotropy = kind;
    EXPECT_EQ(Written<aif_Dielectric>(dielectric), "*Dielectric" + option + "\n 3.,\n");
  }
}

TEST(aif_Density, FieldDistributionNamesAndTable) {
  struct Case {
    int kind;
    const char* distribution;
    bool partBased;
    std::string text;
  };
  const std::vector<Case> cases = {
      {1, "STEEL_RHO", true, "*Density\nASSEMBLY_STEEL_RHO\n"},
      {1, "STEEL_RHO", false, "*Density\nSTEEL_RHO\n"},
      {1, "my steel_RHO", true, "*Density\n\"ASSEMBLY_my steel_RHO\"\n"},
      {2, "RHO_MAP-1", false, "*Density\nRHO_MAP-1\n"},
      {2, "rho map", true, "*Density\n\"ASSEMBLY_rho map\"\n"},
      // A distribution the deck does not define is not named: no keyword.
      {1, "", true, ""},
      {2, "", false, ""},
  };
  for (const Case& c : cases) {
    // d is ignored: a field density writes no dependencies and no table.
    auto density = Option<kmaC_Density>({{7.8e-9, 1, 2}}, 2, false);
    density.densityKind = c.kind;
    density.fieldName = "RHO";
    EXPECT_EQ(Written<aif_Density>(density, cow_String(c.distribution), c.partBased), c.text);
  }
  auto table = Option<kmaC_Density>({{7.8e-9, 1, 2}}, 2, false);
  table.densityKind = 3;
  table.fieldName = "RHO";
  EXPECT_EQ(Written<aif_Density>(table, cow_String(), true),
            "*Density, dependencies=2\n 7.8e-09, , 1., 2.\n");
}

TEST(aif_Damping, SetFactorsOnly) {
  kmaC_Damping damping;
  damping.beta = 0.002;
  EXPECT_EQ(Written<aif_Damping>(damping), "*Damping, beta=0.002\n");
  damping.alpha = 1.5;
  damping.composite = 0.25;
  damping.structural = 0.01;
  EXPECT_EQ(Written<aif_Damping>(damping),
            "*Damping, alpha=1.5, beta=0.002, composite=0.25, structural=0.01\n");
}

TEST(aif_Diffusivity, OptionsThenTableThenBothKappas) {
  auto diffusivity = Option<kmaC_Diffusivity>({{0.001, 0.5, 20}}, 0, true);
  EXPECT_EQ(Written<aif_Diffusivity>(diffusivity), "*Diffusivity\n 0.001, 0.5, 20.\n");
  diffusivity.dependencies = 1;
  diffusivity.temperatureDependency = false;
  diffusivity.law = kmaC_Diffusivity::FICK;
  diffusivity.anisotropy = 1;
  diffusivity.soretEffect = Handle(Option<kmaC_SoretEffect>({{0.1}}));
  diffusivity.pressureEffect = Handle(Option<kmaC_PressureEffect>({{0.2}}));
  EXPECT_EQ(Written<aif_Diffusivity>(diffusivity),
            "*Diffusivity, dependencies=1, law=FICK, type=ORTHO\n 0.001, 0.5, , 20.\n"
            "*Kappa\n 0.1,\n*Kappa, type=PRESS\n 0.2,\n");
}

}  // namespace
