// A contact interaction property. Besides the property itself it may hold the
// damage data of cohesive contact: the initiation criterion with its table,
// and optionally an evolution (with a table of its own) and a stabilization.
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

class kinC_ContactProperty : public kinC_InteractionProperty {
 public:
  static constexpr unsigned kTypeId = 0x3070010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_ContactProperty* Clone() const override { return new kinC_ContactProperty(*this); }
  CLS_REGISTER(kinC_ContactProperty, kinC_InteractionProperty)

  bool holdsCohesiveDamage = false;
  kinC_CohesiveDamage cohesiveDamage;
};
