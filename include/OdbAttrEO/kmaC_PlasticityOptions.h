// The kernel's plasticity options: metal plasticity, the pressure-dependent
// models, cast iron, concrete (damaged and smeared cracking), porous metal,
// crushable foam, viscous behaviour, cap and clay plasticity, brittle cracking
// and deformation plasticity. Each carries the dependency count, temperature
// flag and table of kmaC_MaterialOption, the values named below and its
// sub-options as handles (null when absent).
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"

// rateTable: every row carries a strain rate in column 2.
// thirdColumn: combined-hardening rows carry their optional third value.
class kmaC_Plastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Plastic, kmaC_MaterialOption, 0x3090400)
  enum HardeningEnm : int {
    ISOTROPIC = 0,
    KINEMATIC = 1,
    COMBINED = 2,
    JOHNSON_COOK = 3,
    USER = 4
  };
  enum DataTypeEnm : int { HALF_CYCLE = 0, PARAMETERS = 1, STABILIZED = 2 };
  HardeningEnm hardening = ISOTROPIC;
  bool rateTable = false;
  DataTypeEnm dataType = HALF_CYCLE;
  bool thirdColumn = false;
  int numberBackstresses = 1;
  cow_COW<kmaC_RateDependent> rateDependent;
  cow_COW<kmaC_Potential> potential;
  cow_COW<kmaC_CyclicHardening> cyclicHardening;
  cow_COW<kmaC_Ornl> ornl;
  cow_COW<kmaC_CycledPlastic> cycledPlastic;
  cow_COW<kmaC_AnnealTemperature> annealTemperature;
};
template <>
struct omu_EnumTexts<kmaC_Plastic::HardeningEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "ISOTROPIC"}, {1, "KINEMATIC"}, {2, "COMBINED"}, {3, "JOHNSON COOK"}, {4, "USER"}};
};
template <>
struct omu_EnumTexts<kmaC_Plastic::DataTypeEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "HALF CYCLE"}, {1, "PARAMETERS"}, {2, "STABILIZED"}};
};

// shearCriterion: 0 linear, 1 hyperbolic, 2 exponent form.
class kmaC_DruckerPrager : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DruckerPrager, kmaC_MaterialOption, 0x3090401)
  int shearCriterion = 0;
  double eccentricity = 0.1;
  bool testData = false;
  cow_COW<kmaC_TriaxialTestData> triaxialTestData;
  cow_COW<kmaC_DruckerPragerCreep> creep;
  cow_COW<kmaC_DruckerPragerHardening> hardening;
  cow_COW<kmaC_RateDependent> rateDependent;
};

class kmaC_MohrCoulomb : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_MohrCoulomb, kmaC_MaterialOption, 0x3090402)
  double deviatoricEccentricity = DBL_MAX;
  double eccentricity = 0.1;
  bool tensionCutoff = false;
  cow_COW<kmaC_MohrCoulombHardening> hardening;
  cow_COW<kmaC_TensionCutOff> tensionCutOff;
};

class kmaC_CastIronPlasticity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_CastIronPlasticity, kmaC_MaterialOption, 0x3090403)
  cow_COW<kmaC_CastIronCompHard> compressionHardening;
  cow_COW<kmaC_CastIronTensHard> tensionHardening;
};

class kmaC_ConcreteDamagedPlasticity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ConcreteDamagedPlasticity, kmaC_MaterialOption, 0x3090404)
  cow_COW<kmaC_ConcreteCompressionHardening> compressionHardening;
  cow_COW<kmaC_ConcreteTensionStiffening> tensionStiffening;
  cow_COW<kmaC_ConcreteCompressionDamage> compressionDamage;
  cow_COW<kmaC_ConcreteTensionDamage> tensionDamage;
};

class kmaC_PorousMetalPlasticity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_PorousMetalPlasticity, kmaC_MaterialOption, 0x3090405)
  double relativeDensity = DBL_MAX;
  cow_COW<kmaC_PorousFailureCriteria> failureCriteria;
  cow_COW<kmaC_VoidNucleation> voidNucleation;
};

class kmaC_Foam : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Foam, kmaC_MaterialOption, 0x3090406)
  enum HardeningEnm : int { VOLUMETRIC = 0, ISOTROPIC = 1 };
  HardeningEnm hardening = VOLUMETRIC;
  cow_COW<kmaC_FoamHardening> foamHardening;
  cow_COW<kmaC_RateDependent> rateDependent;
};
template <>
struct omu_EnumTexts<kmaC_Foam::HardeningEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "VOLUMETRIC"}, {1, "ISOTROPIC"}};
};

// law: 0 strain, 1 time, any other value user.
class kmaC_Viscous : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Viscous, kmaC_MaterialOption, 0x3090407)
  int law = 0;
  cow_COW<kmaC_Potential> potential;
};

class kmaC_CapPlasticity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_CapPlasticity, kmaC_MaterialOption, 0x3090408)
  cow_COW<kmaC_CapCreepCohesion> cohesionCreep;
  cow_COW<kmaC_CapCreepConsolidation> consolidationCreep;
  cow_COW<kmaC_CapHardening> capHardening;
};

class kmaC_ClayPlasticity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ClayPlasticity, kmaC_MaterialOption, 0x3090409)
  enum HardeningEnm : int { EXPONENTIAL = 0, TABULAR = 1 };
  HardeningEnm hardening = EXPONENTIAL;
  double intercept = DBL_MAX;
  cow_COW<kmaC_ClayHardening> clayHardening;
};
template <>
struct omu_EnumTexts<kmaC_ClayPlasticity::HardeningEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "EXPONENTIAL"}, {1, "TABULAR"}};
};

class kmaC_Concrete : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Concrete, kmaC_MaterialOption, 0x309040A)
  cow_COW<kmaC_FailureRatios> failureRatios;
  cow_COW<kmaC_ShearRetention> shearRetention;
  cow_COW<kmaC_TensionStiffening> tensionStiffening;
};

class kmaC_BrittleCracking : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_BrittleCracking, kmaC_MaterialOption, 0x309040B)
  enum TypeEnm : int { STRAIN = 0, DISPLACEMENT = 1, GFI = 2 };
  TypeEnm type = STRAIN;
  cow_COW<kmaC_BrittleShear> brittleShear;
  cow_COW<kmaC_BrittleFailure> brittleFailure;
};
template <>
struct omu_EnumTexts<kmaC_BrittleCracking::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRAIN"}, {1, "DISPLACEMENT"}, {2, "GFI"}};
};

KMAC_PLAIN_OPTION(kmaC_DeformationPlasticity, 0x309040C)
