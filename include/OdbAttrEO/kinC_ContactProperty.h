// A contact interaction property. Besides the property itself it may hold the
// damage data of cohesive contact: the initiation criterion with its table,
// and optionally an evolution (with a table of its own) and a stabilization;
// and its tangential behaviour (friction).
#pragma once

#include <cfloat>

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

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

class kinC_ContactProperty : public kinC_InteractionProperty {
 public:
  static constexpr unsigned kTypeId = 0x3070010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_ContactProperty* Clone() const override { return new kinC_ContactProperty(*this); }
  CLS_REGISTER(kinC_ContactProperty, kinC_InteractionProperty)

  // Cohesive behaviour, when held: its eligibility code (2: only the
  // contacts bonded at the start, written ", eligibility=SPECIFIED
  // CONTACTS").
  bool holdsCohesiveBehavior = false;
  int cohesiveEligibility = 0;
  bool holdsCohesiveDamage = false;
  kinC_CohesiveDamage cohesiveDamage;

  bool holdsTangentialBehavior = false;
  kinC_TangentialBehavior tangentialBehavior;

  // The kind code of the property's first sub-option (-1: none) and its
  // count of solution-dependent variables (read for kind 5).
  int firstSubOptionKind = -1;
  int firstSubOptionVariableCount = 0;
};
