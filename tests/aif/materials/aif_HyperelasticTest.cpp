// Hyperelastic, hyperfoam, low-density foam and Mullins effect keywords: the
// header options each form takes, the coefficient lines or the test-data
// sub-options in their place, and the Mullins effect warnings.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/materials/aif_Hyperelastic.h"
#include "aif/impl/materials/aif_Hyperfoam.h"
#include "aif/impl/materials/aif_LowDensityFoam.h"
#include "aif/impl/materials/aif_MullinsEffect.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Written;

// Test data of class O with one row of its own, so each block is told apart;
// as a handle or as an element of a list of options.
template <class O>
cow_COW<O> Data(double first) {
  return Handle(Option<O>({{first, first + 1}}));
}
template <class O>
cow_COW<kmaC_MaterialOption> Element(double first) {
  return cow_COW<kmaC_MaterialOption>(*Data<O>(first));
}

const std::string kBiaxial = "*Biaxial Test Data\n 1., 2.\n";
const std::string kPlanar = "*Planar Test Data\n 3., 4.\n";
const std::string kUniaxial = "*Uniaxial Test Data\n 5., 6.\n";
const std::string kVolumetric = "*Volumetric Test Data\n 7., 8.\n";

kmaC_Hyperelastic WithAllTestData(kmaC_Hyperelastic::TypeEnm type) {
  auto o = Option<kmaC_Hyperelastic>({{9, 9}});
  o.type = type;
  o.testData = true;
  o.biaxialTestData = Data<kmaC_BiaxialTestData>(1);
  o.planarTestData = Data<kmaC_PlanarTestData>(3);
  o.uniaxialTestData = Data<kmaC_UniaxialTestData>(5);
  o.volumetricTestData = Data<kmaC_VolumetricTestData>(7);
  return o;
}

TEST(aif_Hyperelastic, IsotropicCoefficientForms) {
  using H = kmaC_Hyperelastic;
  struct Case {
    H::TypeEnm type;
    int n;
    std::string expected;
  };
  // Two rows of eight coefficients (nine with a temperature).
  const Case cases[] = {
      {H::POLYNOMIAL, 1, "*Hyperelastic\n"},
      {H::REDUCED_POLYNOMIAL, 2, "*Hyperelastic, n=2, reduced polynomial\n"},
      {H::OGDEN, 3, "*Hyperelastic, n=3, ogden\n"},
      {H::NEO_HOOKE, 3, "*Hyperelastic, neo hooke\n"},
      // Outside the enumeration: no form and no lone separator.
      {static_cast<H::TypeEnm>(11), 1, "*Hyperelastic\n"},
  };
  for (const Case& c : cases) {
    auto o = Option<H>({{1, 2}, {3, 4}});
    o.type = c.type;
    o.order = c.n;
    EXPECT_EQ(Written<aif_Hyperelastic>(o, false), c.expected + " 1., 2.\n 3., 4.\n") << c.expected;
  }

  // Order 4 fills a line with each row's eight coefficients; an empty line
  // follows every row, but not with a temperature column or another order.
  auto o = Option<H>({{1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}});
  o.type = H::REDUCED_POLYNOMIAL;
  o.order = 4;
  const std::string row = " 1., 2., 3., 4., 5., 6., 7., 8.\n";
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Hyperelastic, n=4, reduced polynomial\n" + row + "\n" + row + "\n");
  o.order = 3;
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Hyperelastic, n=3, reduced polynomial\n" + row + row);
  o.order = 4;
  o.temperatureDependency = true;
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Hyperelastic, n=4, reduced polynomial\n" + row + row);
}

TEST(aif_Hyperelastic, UserAndVanDerWaalsOptions) {
  using H = kmaC_Hyperelastic;
  auto user = Option<H>({{1, 2}});
  user.type = H::USER;
  user.propertiesCount = 3;
  EXPECT_EQ(Written<aif_Hyperelastic>(user, false),
            "*Hyperelastic, user, type=INCOMPRESSIBLE, properties=3\n 1., 2.\n");
  user.compressibility = true;
  user.propertiesCount = 0;
  EXPECT_EQ(Written<aif_Hyperelastic>(user, false),
            "*Hyperelastic, user, type=COMPRESSIBLE\n 1., 2.\n");

  // beta belongs to van der Waals test data only.
  auto waals = Option<H>({{1, 2}});
  waals.type = H::VAN_DER_WAALS;
  waals.beta = 0.5;
  EXPECT_EQ(Written<aif_Hyperelastic>(waals, false), "*Hyperelastic, van der waals\n 1., 2.\n");
  waals = WithAllTestData(H::VAN_DER_WAALS);
  waals.beta = 0.5;
  waals.volumetricResponse = 2;
  waals.poissonsRatio = 0.45;
  EXPECT_EQ(Written<aif_Hyperelastic>(waals, false),
            "*Hyperelastic, van der waals, test data input, beta=0.5, poisson=0.45\n" + kBiaxial +
                kPlanar + kUniaxial + kVolumetric);
}

TEST(aif_Hyperelastic, MarlowTakesTheSetsItsKindNames) {
  auto o = WithAllTestData(kmaC_Hyperelastic::MARLOW);
  o.marlowTestDataKind = 2;
  o.volumetricResponse = 1;
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false), "*Hyperelastic, marlow\n" + kPlanar + kVolumetric);
  o.marlowTestDataKind = 1;
  o.volumetricResponse = 2;
  o.poissonsRatio = 0.49;
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Hyperelastic, marlow, poisson=0.49\n" + kBiaxial);
  o.marlowTestDataKind = 0;
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Hyperelastic, marlow, poisson=0.49\n" + kUniaxial);
}

TEST(aif_Hyperelastic, HysteresisOrViscoelasticityAsksForModuli) {
  auto o = Option<kmaC_Hyperelastic>({{1, 2}});
  o.type = kmaC_Hyperelastic::NEO_HOOKE;
  o.hysteresis = Handle(Option<kmaC_Hysteresis>({{5, 6}}));
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Hyperelastic, neo hooke, moduli=LONG TERM\n 1., 2.\n*Hysteresis\n 5., 6.\n");
  // With test data the hysteresis follows the test data.
  auto data = WithAllTestData(kmaC_Hyperelastic::YEOH);
  data.hysteresis = o.hysteresis;
  data.moduliTimeScale = 0;
  EXPECT_EQ(Written<aif_Hyperelastic>(data, false),
            "*Hyperelastic, yeoh, test data input, moduli=INSTANTANEOUS\n" + kBiaxial + kPlanar +
                kUniaxial + kVolumetric + "*Hysteresis\n 5., 6.\n");
  o.hysteresis = {};
  EXPECT_EQ(Written<aif_Hyperelastic>(o, true),
            "*Hyperelastic, neo hooke, moduli=LONG TERM\n 1., 2.\n");
}

TEST(aif_Hyperelastic, AnisotropicForms) {
  auto o = Option<kmaC_Hyperelastic>({{1, 2}}, 1);
  o.materialKind = 1;
  o.anisotropicType = 2;  // holzapfel
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Anisotropic Hyperelastic, holzapfel, dependencies=1\n 1., 2.\n");
  o.localDirectionCount = 2;
  o.moduliTimeScale = 0;
  EXPECT_EQ(Written<aif_Hyperelastic>(o, false),
            "*Anisotropic Hyperelastic, holzapfel, dependencies=1, local direction=2, "
            "moduli=INSTANTANEOUS\n 1., 2.\n");

  // The user form reads the compressibility flag the other way round and
  // names its local directions even when there are none.
  auto user = Option<kmaC_Hyperelastic>({{1, 2}});
  user.materialKind = 1;
  user.anisotropicType = 3;
  user.formulation = 1;
  user.compressibility = true;
  user.propertiesCount = 4;
  EXPECT_EQ(Written<aif_Hyperelastic>(user, true),
            "*Anisotropic Hyperelastic, user, formulation=INVARIANT, type=INCOMPRESSIBLE, "
            "local direction=0, properties=4, moduli=LONG TERM\n 1., 2.\n");
  user.formulation = 0;
  user.compressibility = false;
  user.propertiesCount = 0;
  EXPECT_EQ(Written<aif_Hyperelastic>(user, false),
            "*Anisotropic Hyperelastic, user, formulation=STRAIN, type=COMPRESSIBLE\n 1., 2.\n");

  // A type outside the enumeration writes no option; another kind nothing.
  user.anisotropicType = 4;
  EXPECT_EQ(Written<aif_Hyperelastic>(user, false), "*Anisotropic Hyperelastic\n 1., 2.\n");
  user.materialKind = 2;
  EXPECT_EQ(Written<aif_Hyperelastic>(user, false), "");
}

TEST(aif_Hyperfoam, CoefficientsOrTestData) {
  auto o = Option<kmaC_Hyperfoam>({{1, 2}});
  EXPECT_EQ(Written<aif_Hyperfoam>(o, false), "*Hyperfoam\n 1., 2.\n");
  o.order = 2;
  o.poissonsRatio = 0.3;
  o.testData = true;
  o.moduliTimeScale = 0;
  o.biaxialTestData = Data<kmaC_BiaxialTestData>(1);
  o.planarTestData = Data<kmaC_PlanarTestData>(3);
  o.uniaxialTestData = Data<kmaC_UniaxialTestData>(5);
  o.volumetricTestData = Data<kmaC_VolumetricTestData>(7);
  o.simpleShearTestData = Data<kmaC_SimpleShearTestData>(11);
  EXPECT_EQ(Written<aif_Hyperfoam>(o, true),
            "*Hyperfoam, n=2, poisson=0.3, testdata, moduli=INSTANTANEOUS\n" + kBiaxial + kPlanar +
                "*Simple Shear Test Data\n 11., 12.\n" + kUniaxial + kVolumetric);
}

TEST(aif_LowDensityFoam, OptionsCoefficientsAndDirections) {
  kmaC_LowDensityFoam o;
  o.fail = true;  // no cutoff, so no "fail="
  o.coefficient1 = 0.5;
  o.coefficient3 = 2;
  EXPECT_EQ(Written<aif_LowDensityFoam>(o), "*Low Density Foam\n0.5, 0., 2.\n");
  o.strainRateMeasure = 0;
  o.rateExtrapolation = true;
  o.tensionCutoff = 0.25;
  o.tensionTestData = Data<kmaC_UniaxialTestData>(1);
  o.compressionTestData = Data<kmaC_UniaxialTestData>(3);
  EXPECT_EQ(Written<aif_LowDensityFoam>(o),
            "*Low Density Foam, strain rate=PRINCIPAL, rate extrapolation=YES, "
            "tension cutoff=0.25, fail=YES\n0.5, 0., 2.\n"
            "*Uniaxial Test Data, direction=TENSION\n 1., 2.\n"
            "*Uniaxial Test Data, direction=COMPRESSION\n 3., 4.\n");
}

// Marks every translated text for the life of the object and starts with no
// warnings.
struct MarkedTranslations {
  MarkedTranslations()
      : before(atr_SetTranslator([](const cow_String& t) { return "<" + t + ">"; })) {
    cmdC_WIP::Clear();
  }
  ~MarkedTranslations() { atr_SetTranslator(before); }
  atr_Translator before;
};

std::vector<std::string> Warnings() {
  return cmdC_WIP::Texts(cmdC_WIP::Kind::Warning);
}

TEST(aif_MullinsEffect, UserAndConstantForms) {
  auto o = Option<kmaC_MullinsEffect>({{1, 2, 3}});
  o.propertiesCount = 2;
  EXPECT_EQ(Written<aif_MullinsEffect>(o), "*Mullins Effect, USER, properties=2\n 1., 2., 3.\n");
  o = Option<kmaC_MullinsEffect>({{1, 2, 3, 4}}, 1);
  o.definition = 1;
  EXPECT_EQ(Written<aif_MullinsEffect>(o), "*Mullins Effect, dependencies=1\n 1., 2., 3., , 4.\n");
  // No form the solver knows: nothing, not even an unended keyword.
  o.definition = 3;
  EXPECT_EQ(Written<aif_MullinsEffect>(o), "");
}

TEST(aif_MullinsEffect, TestDataConstantsAndWarnings) {
  const MarkedTranslations marked;
  auto o = Option<kmaC_MullinsEffect>({{0, -1, 0.5}});
  o.definition = 2;
  o.uniaxialTestData.Append(Element<kmaC_UniaxialTestData>(5));
  o.biaxialTestData.Append(Element<kmaC_BiaxialTestData>(1));
  o.planarTestData.Append(Element<kmaC_PlanarTestData>(3));
  o.planarTestData.Append(Element<kmaC_PlanarTestData>(3));
  EXPECT_EQ(Written<aif_MullinsEffect>(o), "*Mullins Effect, TEST DATA INPUT, r=0., beta=0.5\n" +
                                               kBiaxial + kPlanar + kPlanar + kUniaxial);
  EXPECT_EQ(Warnings(), std::vector<std::string>());

  // A NaN is not given either; three given are written and reported.
  o = Option<kmaC_MullinsEffect>({{0, std::nan(""), 0.5}});
  o.definition = 2;
  EXPECT_EQ(Written<aif_MullinsEffect>(o), "*Mullins Effect, TEST DATA INPUT, r=0., beta=0.5\n");
  o.table.Modify(0, 1) = 2;
  EXPECT_EQ(Written<aif_MullinsEffect>(o),
            "*Mullins Effect, TEST DATA INPUT, r=0., m=2., beta=0.5\n");
  const std::string maximum =
      "<A maximum of two constants can be specified for Mullins Effect when using test "
      "data.Please correct this error.>";
  // Written twice: once into the buffered stream, once byte by byte.
  EXPECT_EQ(Warnings(), std::vector<std::string>({maximum, maximum}));

  // Fewer than three columns, or no row: reported, and the keyword line ends.
  const std::string missing =
      "<Data missing for Mullins Effect specified constants when using Test data.Please correct "
      "this error.>";
  for (const kmaC_MaterialTable& table : {aif_test::Table({{1, 2}}), kmaC_MaterialTable(0, 3)}) {
    cmdC_WIP::Clear();
    o.table = table;
    o.biaxialTestData.Append(Element<kmaC_BiaxialTestData>(1));
    EXPECT_EQ(Written<aif_MullinsEffect>(o), "*Mullins Effect, TEST DATA INPUT\n");
    EXPECT_EQ(Warnings(), std::vector<std::string>({missing, missing}));
  }
}

TEST(aif_MullinsEffect, ListElementOfAnotherClassFailsTheWrite) {
  auto o = Option<kmaC_MullinsEffect>({{1, 1, -1}});
  o.definition = 2;
  o.planarTestData.Append(Element<kmaC_BiaxialTestData>(1));
  try {
    Written<aif_MullinsEffect>(o);
    ADD_FAILURE() << "no error for a biaxial element in the planar list";
  } catch (const nex_TextException& e) {
    EXPECT_NE(std::string(e.Text().CStr()).find("kmaC_PlanarTestData"), std::string::npos)
        << e.Text().CStr();
  }
}

}  // namespace
