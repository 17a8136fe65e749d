// The kernel's progressive-damage options of a material: a damage initiation
// criterion with its optional evolution and stabilization, and the two
// stabilization forms (four coefficients, or the single coefficient of
// cohesive elements). Unset optional doubles hold the largest double; the
// enumerations hold any int code the kernel stores.
#pragma once

#include <array>

#include "OdbAttrEO/kmaC_MaterialOption.h"

class kmaC_DamageEvolution : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DamageEvolution, kmaC_MaterialOption, 0x3090702)
  enum TypeEnm : int { DISPLACEMENT = 0, ENERGY = 1 };
  enum DegradationEnm : int { MAXIMUM = 0, MULTIPLICATIVE = 1 };
  enum MixedModeBehaviorEnm : int {
    MODE_INDEPENDENT = 0,
    MIXED_MODE_TABULAR = 1,
    MIXED_MODE_POWER_LAW = 2,
    MIXED_MODE_BK = 3
  };
  enum ModeMixRatioEnm : int { ENERGY_RATIO = 0, TRACTION_RATIO = 1, POWER_LAW_RATIO = 2 };
  enum SofteningEnm : int { LINEAR = 0, EXPONENTIAL = 1, SOFTENING_TABULAR = 2 };
  TypeEnm type = DISPLACEMENT;
  DegradationEnm degradation = MAXIMUM;
  MixedModeBehaviorEnm mixedModeBehavior = MODE_INDEPENDENT;
  ModeMixRatioEnm modeMixRatio = ENERGY_RATIO;
  double power = DBL_MAX;
  SofteningEnm softening = LINEAR;
};
template <>
struct omu_EnumTexts<kmaC_DamageEvolution::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "DISPLACEMENT"}, {1, "ENERGY"}};
};
template <>
struct omu_EnumTexts<kmaC_DamageEvolution::DegradationEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "MAXIMUM"}, {1, "MULTIPLICATIVE"}};
};
template <>
struct omu_EnumTexts<kmaC_DamageEvolution::MixedModeBehaviorEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "MODE INDEPENDENT"}, {1, "TABULAR"}, {2, "POWER_LAW"}, {3, "BK"}};
};
template <>
struct omu_EnumTexts<kmaC_DamageEvolution::ModeMixRatioEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "ENERGY"}, {1, "TRACTION"}, {2, "POWER_LAW"}};
};
template <>
struct omu_EnumTexts<kmaC_DamageEvolution::SofteningEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "LINEAR"}, {1, "EXPONENTIAL"}, {2, "TABULAR"}};
};

class kmaC_DamageStabilization : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DamageStabilization, kmaC_MaterialOption, 0x3090703)
  std::array<double, 4> coefficients{0.0, 0.0, 0.0, 0.0};
};

class kmaC_DamageStabilizationCohesive : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DamageStabilizationCohesive, kmaC_MaterialOption, 0x3090704)
  double coefficient = DBL_MAX;
};

// One damage initiation criterion; the material holds one per criterion and
// the criterion itself is known from where it is held.
class kmaC_DamageInitiation : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DamageInitiation, kmaC_MaterialOption, 0x3090701)
  enum DefinitionEnm : int { DEFINITION_FLD = 0, DEFINITION_MSFLD = 1 };
  enum DirectionEnm : int { DIRECTION_DEFAULT = 0, NMORI = 1, LOCAL_1_DIRECTION = 2 };
  DefinitionEnm definition = DEFINITION_MSFLD;
  double feq = 10.0;
  double fnn = 10.0;
  double fnt = 10.0;
  int frequency = 1;
  double ks = 0.0;
  int numberImperfections = 4;
  double alpha = 0.0;
  double omega = 1.0;
  double tolerance = 0.05;
  DirectionEnm normalDirection = DIRECTION_DEFAULT;
  cow_COW<kmaC_DamageEvolution> evolution;
  cow_COW<kmaC_DamageStabilization> stabilization;
  cow_COW<kmaC_DamageStabilizationCohesive> cohesiveStabilization;
};
template <>
struct omu_EnumTexts<kmaC_DamageInitiation::DefinitionEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "FLD"}, {1, "MSFLD"}};
};
template <>
struct omu_EnumTexts<kmaC_DamageInitiation::DirectionEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "DEFAULT"}, {1, "NMORI"}, {2, "LOCAL1"}};
};
