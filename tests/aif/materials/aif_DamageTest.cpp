// Damage initiation, evolution and stabilization: the material forms (a
// criterion followed by its evolution and stabilization) and the cohesive
// contact forms built from an interaction property.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kinC_ContactProperty.h"
#include "aif/impl/materials/aif_DamageEvolution.h"
#include "aif/impl/materials/aif_DamageInitiation.h"
#include "aif/impl/materials/aif_DamageStabilization.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Written;
using Initiation = kmaC_DamageInitiation;
using Evolution = kmaC_DamageEvolution;
using PropertyHandle = cow_COW<kinC_InteractionProperty>;

// The three contact keywords of `property`, in the order they are filed.
std::string ContactText(const PropertyHandle& property) {
  return Written<aif_DamageInitiation>(property) + Written<aif_DamageEvolution>(property) +
         Written<aif_DamageStabilization>(property);
}

PropertyHandle Contact(const kinC_CohesiveDamage& damage) {
  auto* property = new kinC_ContactProperty;
  property->Set(damage);
  return PropertyHandle(property);
}

TEST(aif_DamageInitiation, CriteriaByIndex) {
  const char* names[] = {"DUCTILE", "FLD",  "FLSD", "JOHNSON COOK", "MK",    "MSFLD", "QUADE",
                         "QUADS",   "MAXE", "MAXS", "MAXPE",        "MAXPS", "SHEAR", "HASHIN"};
  const Initiation option = Option<Initiation>({{0.2, 0.5}});
  for (int i = 0; i < 14; ++i)
    EXPECT_EQ(Written<aif_DamageInitiation>(option, i),
              "*Damage Initiation, criterion=" + std::string(names[i]) + "\n 0.2, 0.5\n");
  // Another index has no name: the criterion option is left out whole and
  // the other options keep their separators.
  for (int i : {-1, 14})
    EXPECT_EQ(Written<aif_DamageInitiation>(Option<Initiation>({{0.2, 0.5}}, 1), i),
              "*Damage Initiation, dependencies=1\n 0.2, , 0.5\n");
}

TEST(aif_DamageInitiation, OptionsAtAndOffTheirDefaults) {
  // At their defaults (frequency 1, numberImperfections 4, definition 1)
  // the options are left out: see CriteriaByIndex. Off them:
  Initiation option = Option<Initiation>({{0.2, 0.5}});
  option.frequency = 0;
  option.normalDirection = Initiation::LOCAL_1_DIRECTION;
  option.definition = static_cast<Initiation::DefinitionEnm>(7);  // no text: left out
  EXPECT_EQ(Written<aif_DamageInitiation>(option, 3),
            "*Damage Initiation, criterion=JOHNSON COOK, frequency=0, normal direction=2\n"
            " 0.2, 0.5\n");
  option.dependencies = 1;
  option.definition = Initiation::DEFINITION_FLD;
  option.feq = 1.0;
  option.fnn = 2.0;
  option.fnt = 3.0;
  option.numberImperfections = 5;
  option.ks = 0.5;
  option.alpha = 0.25;
  option.omega = 2.0;
  option.tolerance = 0.1;
  option.normalDirection = Initiation::NMORI;
  EXPECT_EQ(Written<aif_DamageInitiation>(option, 3),
            "*Damage Initiation, criterion=JOHNSON COOK, dependencies=1, definition=FLD, feq=1., "
            "fnn=2., fnt=3., frequency=0, numberImperfections=5, \nks=0.5, alpha=0.25, omega=2., "
            "tolerance=0.1, normal direction=1\n"
            " 0.2, , 0.5\n");
}

TEST(aif_DamageInitiation, EvolutionAndStabilizationFollowTheTable) {
  Initiation option = Option<Initiation>({{0.1, 1.0}, {0.2, 2.0}});
  option.evolution = Handle(Option<Evolution>({{0.05}}));
  kmaC_DamageStabilization four;
  four.coefficients = {1e-4, 2e-4, 0.0, 0.5};
  option.stabilization = Handle(four);
  kmaC_DamageStabilizationCohesive one;
  one.coefficient = 0.001;
  option.cohesiveStabilization = Handle(one);
  EXPECT_EQ(Written<aif_DamageInitiation>(option, 9),
            "*Damage Initiation, criterion=MAXS\n"
            " 0.1, 1.\n"
            " 0.2, 2.\n"
            "*Damage Evolution, type=DISPLACEMENT\n"
            " 0.05,\n"
            "*Damage Stabilization\n"
            "1.e-04,2.e-04,0.,0.5\n"
            "*Damage Stabilization\n"
            "0.001\n");
}

TEST(aif_DamageEvolution, OptionsAndPowerLaw) {
  Evolution all = Option<Evolution>({{1, 2, 3}}, 1);
  all.type = Evolution::ENERGY;
  all.degradation = Evolution::MULTIPLICATIVE;
  all.softening = Evolution::EXPONENTIAL;
  all.mixedModeBehavior = Evolution::MIXED_MODE_POWER_LAW;
  all.modeMixRatio = Evolution::POWER_LAW_RATIO;
  all.power = 1.5;
  EXPECT_EQ(Written<aif_DamageEvolution>(all),
            "*Damage Evolution, type=ENERGY, dependencies=1, degradation=MULTIPLICATIVE, "
            "softening=EXPONENTIAL, mixed mode behavior=POWER LAW, mode mix ratio=POWER LAW, "
            "\npower=1.5\n 1., 2., , 3.\n");
  // Codes without a text leave their options out whole.
  Evolution odd = Option<Evolution>({{1}});
  odd.type = static_cast<Evolution::TypeEnm>(5);
  odd.degradation = static_cast<Evolution::DegradationEnm>(5);
  odd.softening = static_cast<Evolution::SofteningEnm>(5);
  odd.mixedModeBehavior = static_cast<Evolution::MixedModeBehaviorEnm>(5);
  odd.modeMixRatio = static_cast<Evolution::ModeMixRatioEnm>(5);
  EXPECT_EQ(Written<aif_DamageEvolution>(odd), "*Damage Evolution\n 1.,\n");
}

TEST(aif_DamageInitiation, ContactForms) {
  kinC_CohesiveDamage damage;
  damage.criterion = 2;
  damage.dependencies = 1;
  damage.table = cow_2DArray<double>({{10, 20, 0.5}});
  // Without evolution and stabilization only the initiation is written.
  EXPECT_EQ(ContactText(Contact(damage)),
            "*Damage Initiation, criterion=QUADS, dependencies=1\n 10., 20., , 0.5\n");
  damage.evolution = true;
  damage.evolutionType = 1;
  damage.softening = 1;
  damage.mixedMode = true;
  damage.mixedModeBehavior = 2;
  damage.tractionModeMix = 1;
  damage.power = 2.0;
  damage.evolutionTemperatureDependency = true;
  damage.evolutionTable = cow_2DArray<double>({{0.5, 20}});
  damage.stabilization = true;
  damage.stabilizationCoefficient = 0.002;
  // The evolution's dependencies are those of its own table (none here).
  EXPECT_EQ(ContactText(Contact(damage)),
            "*Damage Initiation, criterion=QUADS, dependencies=1\n 10., 20., , 0.5\n"
            "*Damage Evolution, type=ENERGY, softening=EXPONENTIAL, mixed mode behavior=BK, "
            "mode mix ratio=TRACTION, power=2.\n 0.5, 20.\n"
            "*Damage Stabilization\n0.002\n");
  // A property of another kind writes none of them.
  EXPECT_EQ(ContactText(PropertyHandle(new kinC_InteractionProperty)), "");
}

TEST(aif_DamageEvolution, ContactFormCodes) {
  struct Case {
    int criterion, type, softening, mixedMode, evolutionDependencies;
    double power;
    const char* initiation;
    const char* evolution;
  };
  const Case cases[] = {
      {0, 0, 2, 0, 0, DBL_MAX, ", criterion=MAXS",
       ", type=DISPLACEMENT, softening=TABULAR, mixed mode behavior=TABULAR"},
      {1, 0, 0, 1, 1, DBL_MAX, ", criterion=MAXU",
       ", type=DISPLACEMENT, mixed mode behavior=POWER LAW, dependencies=1"},
      // Codes without a name leave their options out whole; the power of
      // the mixed mode still follows, and without the mixed-mode flag (-1)
      // it is not written.
      {3, 5, 0, 7, 0, 2.0, ", criterion=QUADU", ", type=ENERGY, power=2."},
      {4, 0, 0, -1, 0, 2.0, "", ", type=DISPLACEMENT"},
      {-1, 0, 0, 3, 0, DBL_MAX, "", ", type=DISPLACEMENT"},
  };
  for (const Case& c : cases) {
    kinC_CohesiveDamage damage;
    damage.criterion = c.criterion;
    damage.table = cow_2DArray<double>({{1, 2}});
    damage.evolution = true;
    damage.evolutionType = c.type;
    damage.softening = c.softening;
    damage.mixedMode = c.mixedMode >= 0;
    damage.mixedModeBehavior = c.mixedMode;
    damage.power = c.power;
    damage.evolutionDependencies = c.evolutionDependencies;
    damage.evolutionTable = cow_2DArray<double>({{4, 5}});
    EXPECT_EQ(ContactText(Contact(damage)),
              std::string("*Damage Initiation") + c.initiation + "\n 1., 2.\n*Damage Evolution" +
                  c.evolution + (c.evolutionDependencies ? "\n 4., , 5.\n" : "\n 4., 5.\n"));
  }
}

}  // namespace
