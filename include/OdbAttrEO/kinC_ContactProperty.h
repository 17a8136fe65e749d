// A contact interaction property: an ordered store of the options the user
// defined for it (section data, tangential and normal behaviour, cohesive
// behaviour and its damage, fracture criterion, contact damping, the gap
// heat-transfer options, user state variables). A property holds each kind
// of option at most once; the order is the order in which the options were
// defined, and the first of them is the property's "first sub-option".
#pragma once

#include <cfloat>
#include <cstddef>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

// The section data: the number of the "*Surface Interaction" data line and
// the pad thickness (unset: the largest double).
struct kinC_ContactSection {
  double dataValue = 1.0;
  double padThickness = DBL_MAX;
};

// Tangential behaviour of contact. Formulation codes: 0 frictionless,
// 1 coefficient table, 2 exponential decay, 3 rough, 4 Lagrange, 5 user.
// Directionality 2 is anisotropic. The three dependence flags say whether the
// first, second and third column after the coefficients (slip rate, contact
// pressure, temperature) are given. Exponential decay is defined by
// coefficients (0) or test data (1). Elastic slip kind 0 gives a slip
// tolerance, 1 an absolute elastic slip. An unset optional double holds the
// largest double.
struct kinC_TangentialBehavior {
  int formulation = 0;
  int directionality = 0;
  bool dependence[3] = {false, false, false};
  int dependencies = 0;
  int exponentialDecayDefinition = 0;
  cow_2DArray<double> table;
  double shearStressLimit = DBL_MAX;
  int elasticSlipKind = 0;
  double slipTolerance = 0.005;
  double elasticSlip = 0.0;
  double shearTractionSlope = DBL_MAX;
  int userStateVariables = 0;
  bool userProperties = false;
};

// Normal (pressure-overclosure) behaviour. Relation codes: 0 HARD,
// 1 EXPONENTIAL, 2 LINEAR, 3 TABULAR, 4 SCALE FACTOR. Constraint enforcement
// codes: 0 the default for the relation, 1 augmented Lagrange, 2 penalty,
// 3 direct. Penalty kind 0 is linear, any other nonlinear. The exponential
// table holds rows of pressure and overclosure; the relation reads its first
// two rows.
struct kinC_NormalBehavior {
  int pressureOverclosure = 0;
  bool allowSeparation = true;
  int penaltyKind = 0;
  double maxStiffness = DBL_MAX;
  double contactStiffness = 0.0;
  cow_2DArray<double> pressureOverclosureTable;
  cow_2DArray<double> exponentialTable;
  int constraintEnforcementMethod = 0;
  // The four values of the SCALE FACTOR relation; the third is
  // `stiffnessScaleFactor`, which the penalty methods use as well.
  double scaleFactorValue1 = 0.0;
  double scaleFactorValue2 = 0.0;
  double stiffnessScaleFactor = 1.0;
  double scaleFactorValue4 = 1.0;
  double clearance = 0.0;
  double nonlinearParameters[3] = {0.03, 0.01, 0.33333};
};

// Cohesive behaviour. Eligibility codes: 0 any contact, 1 the contacts
// closed at the start, 2 only the contacts named as bonded at the start.
// Coupling 1 is coupled. With the default contact penalties the stiffness
// table is not used.
struct kinC_CohesiveBehavior {
  bool repeatedContacts = false;
  int eligibility = 0;
  bool defaultContactPenalties = true;
  int coupling = 0;
  bool temperatureDependency = false;
  int dependencies = 0;
  cow_2DArray<double> table;
};

// Damage of cohesive contact. Criterion codes: 0 MAXS, 1 MAXU, 2 QUADS,
// 3 QUADU. Evolution type 0 is displacement, any other energy; softening 0 is
// linear, 1 exponential, other tabular; mixed mode behavior 0 tabular,
// 1 power law, 2 BK. Each table carries its own dependency count and
// temperature flag.
struct kinC_CohesiveDamage {
  int criterion = 0;
  int dependencies = 0;
  bool temperatureDependency = false;
  cow_2DArray<double> table;

  bool evolution = false;  // the evolution members below are set
  bool mixedMode = false;  // the evolution is mode dependent
  int evolutionType = 0;
  int softening = 0;
  int mixedModeBehavior = 0;
  int tractionModeMix = 0;  // non-zero: the mode mix ratio is traction based
  double power = DBL_MAX;
  int evolutionDependencies = 0;
  bool evolutionTemperatureDependency = false;
  cow_2DArray<double> evolutionTable;

  bool stabilization = false;  // the coefficient is set
  double stabilizationCoefficient = 0.0;
};

// User-defined contact with its solution-dependent state variables.
struct kinC_ContactStateVariables {
  int count = 0;
};

// Fracture criterion of debonding. Type codes: 0 VCCT, 1 critical stress,
// 2 crack opening displacement, 3 crack length, 4 fatigue. Normal direction
// codes 0 (maximum tangential stress), 1, 2; mixed mode behaviour codes
// 0 BK, 1 power, 2 Reeder.
struct kinC_FractureCriterion {
  int type = 0;
  int normalDirection = 0;
  int mixedModeBehavior = 0;
  bool temperatureDependency = false;
  int dependencies = 0;
  cow_2DArray<double> table;
  double tolerance = 0.2;
  double viscosity = 0.0;
};

// Contact damping. Definition 1 gives a fraction of critical damping, any
// other a damping coefficient. Variation codes: 0 constant, 1 linear,
// 2 bilinear. The table holds rows of a damping value and a clearance: the
// first row's value, and the clearances of the second (linear, bilinear)
// and third (bilinear) rows. An unset tangent fraction is the largest
// double.
struct kinC_ContactDamping {
  int definition = 0;
  double tangentFraction = DBL_MAX;
  int variation = 0;
  cow_2DArray<double> table;
};

// Gap conductance. Definition 0 is tabular, 1 a user subroutine. Each of the
// clearance and pressure tables is used when its flag is set; its two column
// flags say whether the table carries the columns after its first two
// (clear: a blank column stands in their place).
struct kinC_GapConductance {
  int definition = 0;
  bool clearanceDependency = false;
  bool pressureDependency = false;
  bool clearanceColumns[2] = {true, true};
  int clearanceDependencies = 0;
  cow_2DArray<double> clearanceTable;
  bool pressureColumns[2] = {true, true};
  int pressureDependencies = 0;
  cow_2DArray<double> pressureTable;
};

// Gap heat generation: its two values in the order the user gave them.
struct kinC_GapHeatGeneration {
  double first = 1.0;
  double second = 0.5;
};

// Gap radiation: its two values in the order the user gave them and its
// table.
struct kinC_GapRadiation {
  double first = 0.0;
  double second = 0.0;
  cow_2DArray<double> table;
};

// One option of a contact property. The index of the alternative is the
// option's kind code (kinC_ContactOptionKind).
using kinC_ContactOption =
    std::variant<kinC_ContactSection, kinC_TangentialBehavior, kinC_NormalBehavior,
                 kinC_CohesiveBehavior, kinC_CohesiveDamage, kinC_ContactStateVariables,
                 kinC_FractureCriterion, kinC_ContactDamping, kinC_GapConductance,
                 kinC_GapHeatGeneration, kinC_GapRadiation>;

enum kinC_ContactOptionKind : int {
  kinC_NO_CONTACT_OPTION = -1,
  kinC_CONTACT_SECTION = 0,
  kinC_TANGENTIAL_BEHAVIOR = 1,
  kinC_NORMAL_BEHAVIOR = 2,
  kinC_COHESIVE_BEHAVIOR = 3,
  kinC_COHESIVE_DAMAGE = 4,
  kinC_CONTACT_STATE_VARIABLES = 5,
  kinC_FRACTURE_CRITERION = 6,
  kinC_CONTACT_DAMPING = 7,
  kinC_GAP_CONDUCTANCE = 8,
  kinC_GAP_HEAT_GENERATION = 9,
  kinC_GAP_RADIATION = 10,
};

// The kind code of option class T.
template <class T, std::size_t I = 0>
constexpr int kinC_ContactOptionKindOf() {
  if constexpr (I == std::variant_size_v<kinC_ContactOption>)
    return kinC_NO_CONTACT_OPTION;
  else if constexpr (std::is_same_v<T, std::variant_alternative_t<I, kinC_ContactOption>>)
    return static_cast<int>(I);
  else
    return kinC_ContactOptionKindOf<T, I + 1>();
}
static_assert(kinC_ContactOptionKindOf<kinC_ContactStateVariables>() ==
              kinC_CONTACT_STATE_VARIABLES);
static_assert(kinC_ContactOptionKindOf<kinC_GapRadiation>() == kinC_GAP_RADIATION);

class kinC_ContactProperty : public kinC_InteractionProperty {
 public:
  static constexpr unsigned kTypeId = 0x3070010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_ContactProperty* Clone() const override { return new kinC_ContactProperty(*this); }
  CLS_REGISTER(kinC_ContactProperty, kinC_InteractionProperty)

  // The options in the order they were defined.
  const std::vector<kinC_ContactOption>& Options() const { return options_; }
  // The kind code of the first option; kinC_NO_CONTACT_OPTION when the
  // property holds none.
  int FirstOptionKind() const {
    return options_.empty() ? kinC_NO_CONTACT_OPTION : static_cast<int>(options_.front().index());
  }
  bool Holds(int kind) const {
    for (const kinC_ContactOption& option : options_)
      if (static_cast<int>(option.index()) == kind) return true;
    return false;
  }
  template <class T>
  bool Holds() const {
    return Find<T>() != nullptr;
  }
  // The option of class T; null when the property does not hold one.
  template <class T>
  const T* Find() const {
    for (const kinC_ContactOption& option : options_)
      if (const T* held = std::get_if<T>(&option)) return held;
    return nullptr;
  }
  // The option of class T, or a default-made one when the property does not
  // hold it.
  template <class T>
  const T& Get() const {
    static const T fallback{};
    const T* held = Find<T>();
    return held ? *held : fallback;
  }
  // Defines the option of class T: replaces the one held, in its place, or
  // appends it as the last option. Returns the held option.
  template <class T>
  T& Set(T option = T()) {
    for (kinC_ContactOption& held : options_)
      if (T* same = std::get_if<T>(&held)) return *same = std::move(option);
    return std::get<T>(options_.emplace_back(std::move(option)));
  }
  template <class T>
  void Remove() {
    for (auto it = options_.begin(); it != options_.end(); ++it)
      if (std::holds_alternative<T>(*it)) {
        options_.erase(it);
        return;
      }
  }

 private:
  std::vector<kinC_ContactOption> options_;
};
