// The kernel's material sub-options: refinements a behaviour holds as
// optional sub-objects (rate dependence, potentials, hardening curves, test
// data, the extras of an equation of state, ...). Each carries the dependency
// count, temperature flag and table of kmaC_MaterialOption and the values
// named below.
#pragma once

#include "OdbAttrEO/kmaC_MaterialOption.h"

// Declares a sub-option with nothing beyond the common members.
#define KMAC_PLAIN_OPTION(Name, Id)                \
  class Name : public kmaC_MaterialOption {        \
    KMAC_CLASS_HEAD(Name, kmaC_MaterialOption, Id) \
  };

// ---- viscoelastic and hyperelastic test data --------------------------------

class kmaC_Trs : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Trs, kmaC_MaterialOption, 0x3091001)
  enum DefinitionEnm : int { WLF = 0, ARRHENIUS = 1, USER = 2 };
  DefinitionEnm definition = WLF;
};
template <>
struct omu_EnumTexts<kmaC_Trs::DefinitionEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "WLF"}, {1, "ARRHENIUS"}, {2, "USER"}};
};

class kmaC_VolumetricTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_VolumetricTestData, kmaC_MaterialOption, 0x3091002)
  double volinf = DBL_MAX;
  int smooth = INT_MAX;
};

class kmaC_ShearTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ShearTestData, kmaC_MaterialOption, 0x3091003)
  double shrinf = DBL_MAX;
};

class kmaC_CombinedTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_CombinedTestData, kmaC_MaterialOption, 0x3091004)
  double shrinf = DBL_MAX;
  double volinf = DBL_MAX;
};

// Uniaxial, biaxial and planar test data: `thirdColumn` is set when the rows
// carry their optional third data value.
class kmaC_UniaxialTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_UniaxialTestData, kmaC_MaterialOption, 0x3091005)
  int smooth = INT_MAX;
  bool thirdColumn = false;
};

class kmaC_BiaxialTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_BiaxialTestData, kmaC_MaterialOption, 0x3091006)
  int smooth = INT_MAX;
  bool thirdColumn = false;
};

class kmaC_PlanarTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_PlanarTestData, kmaC_MaterialOption, 0x3091007)
  int smooth = INT_MAX;
  bool thirdColumn = false;
};

KMAC_PLAIN_OPTION(kmaC_SimpleShearTestData, 0x3091008)
KMAC_PLAIN_OPTION(kmaC_Hysteresis, 0x3091009)

// ---- gasket ------------------------------------------------------------------

KMAC_PLAIN_OPTION(kmaC_ContactArea, 0x309100A)

// ---- creep, plasticity and viscous behaviour ---------------------------------

KMAC_PLAIN_OPTION(kmaC_Potential, 0x309100B)

class kmaC_Ornl : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Ornl, kmaC_MaterialOption, 0x309100C)
  double a = 0.3;
  double h = DBL_MAX;
  bool reset = false;
};

// kind: 0 tabular, 1 yield ratio, 2 Johnson-Cook.
class kmaC_RateDependent : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_RateDependent, kmaC_MaterialOption, 0x309100D)
  int kind = 0;
};

class kmaC_CyclicHardening : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_CyclicHardening, kmaC_MaterialOption, 0x309100E)
  bool parameters = false;
};

KMAC_PLAIN_OPTION(kmaC_AnnealTemperature, 0x309100F)
KMAC_PLAIN_OPTION(kmaC_CycledPlastic, 0x3091010)

// ---- concrete damaged plasticity ------------------------------------------------

class kmaC_ConcreteTensionDamage : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ConcreteTensionDamage, kmaC_MaterialOption, 0x3091011)
  enum TypeEnm : int { STRAIN = 0, DISPLACEMENT = 1 };
  TypeEnm type = STRAIN;
  double compressionRecovery = 1.0;
};
template <>
struct omu_EnumTexts<kmaC_ConcreteTensionDamage::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRAIN"}, {1, "DISPLACEMENT"}};
};

class kmaC_ConcreteCompressionDamage : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ConcreteCompressionDamage, kmaC_MaterialOption, 0x3091012)
  double tensionRecovery = 0.0;
};

// `preTemperatureColumn`: the rows carry the optional value that stands just
// before the temperature.
class kmaC_ConcreteTensionStiffening : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ConcreteTensionStiffening, kmaC_MaterialOption, 0x3091013)
  enum TypeEnm : int { STRAIN = 0, DISPLACEMENT = 1, GFI = 2 };
  TypeEnm type = STRAIN;
  bool preTemperatureColumn = false;
};
template <>
struct omu_EnumTexts<kmaC_ConcreteTensionStiffening::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRAIN"}, {1, "DISPLACEMENT"}, {2, "GFI"}};
};

class kmaC_ConcreteCompressionHardening : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ConcreteCompressionHardening, kmaC_MaterialOption, 0x3091014)
  bool preTemperatureColumn = false;
};

// ---- Mohr-Coulomb, cast iron, porous metal, foam ---------------------------------

KMAC_PLAIN_OPTION(kmaC_TensionCutOff, 0x3091015)
KMAC_PLAIN_OPTION(kmaC_MohrCoulombHardening, 0x3091016)
KMAC_PLAIN_OPTION(kmaC_CastIronTensHard, 0x3091017)
KMAC_PLAIN_OPTION(kmaC_CastIronCompHard, 0x3091018)
KMAC_PLAIN_OPTION(kmaC_VoidNucleation, 0x3091019)

class kmaC_PorousFailureCriteria : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_PorousFailureCriteria, kmaC_MaterialOption, 0x309101A)
  double fractureFraction = 0.0;
  double failureFraction = 0.0;
};

KMAC_PLAIN_OPTION(kmaC_FoamHardening, 0x309101B)

// ---- swelling, permeability -----------------------------------------------------

KMAC_PLAIN_OPTION(kmaC_Ratios, 0x309101C)
KMAC_PLAIN_OPTION(kmaC_VelocityDependence, 0x309101D)
KMAC_PLAIN_OPTION(kmaC_SaturationDependence, 0x309101E)

// ---- equation of state ----------------------------------------------------------

class kmaC_EosCompaction : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_EosCompaction, kmaC_MaterialOption, 0x309101F)
  double value1 = 0.0;
  double value2 = 0.0;
  double value3 = 0.0;
  double value4 = 0.0;
};

KMAC_PLAIN_OPTION(kmaC_DetonationPoint, 0x3091020)

// ---- elastic failure --------------------------------------------------------------

KMAC_PLAIN_OPTION(kmaC_FailStress, 0x3091021)
KMAC_PLAIN_OPTION(kmaC_FailStrain, 0x3091022)

// ---- Drucker-Prager ---------------------------------------------------------------

// `rate`: the table carries the rate as its third column.
class kmaC_DruckerPragerHardening : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DruckerPragerHardening, kmaC_MaterialOption, 0x3091023)
  enum TypeEnm : int { COMPRESSION = 0, TENSION = 1, SHEAR = 2 };
  TypeEnm type = COMPRESSION;
  bool rate = false;
};
template <>
struct omu_EnumTexts<kmaC_DruckerPragerHardening::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "COMPRESSION"}, {1, "TENSION"}, {2, "SHEAR"}};
};

class kmaC_DruckerPragerCreep : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_DruckerPragerCreep, kmaC_MaterialOption, 0x3091024)
  enum LawEnm : int { STRAIN = 0, TIME = 1, SINGHM = 2, USER = 3 };
  LawEnm law = STRAIN;
};
template <>
struct omu_EnumTexts<kmaC_DruckerPragerCreep::LawEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRAIN"}, {1, "TIME"}, {2, "SINGHM"}, {3, "USER"}};
};

class kmaC_TriaxialTestData : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_TriaxialTestData, kmaC_MaterialOption, 0x3091025)
  double a = DBL_MAX;
  double b = DBL_MAX;
  double pt = DBL_MAX;
};

// ---- diffusivity ------------------------------------------------------------------

KMAC_PLAIN_OPTION(kmaC_PressureEffect, 0x3091026)
KMAC_PLAIN_OPTION(kmaC_SoretEffect, 0x3091027)

// ---- concrete smeared cracking ----------------------------------------------------

class kmaC_TensionStiffening : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_TensionStiffening, kmaC_MaterialOption, 0x3091028)
  enum TypeEnm : int { DISPLACEMENT = 0, STRAIN = 1 };
  TypeEnm type = STRAIN;
};
template <>
struct omu_EnumTexts<kmaC_TensionStiffening::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "DISPLACEMENT"}, {1, "STRAIN"}};
};

KMAC_PLAIN_OPTION(kmaC_ShearRetention, 0x3091029)
KMAC_PLAIN_OPTION(kmaC_FailureRatios, 0x309102A)

// ---- clay and cap plasticity ------------------------------------------------------

KMAC_PLAIN_OPTION(kmaC_ClayHardening, 0x309102B)
KMAC_PLAIN_OPTION(kmaC_CapHardening, 0x309102C)

class kmaC_CapCreepConsolidation : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_CapCreepConsolidation, kmaC_MaterialOption, 0x309102D)
  enum LawEnm : int { STRAIN = 0, TIME = 1, SINGHM = 2, USER = 3 };
  LawEnm law = STRAIN;
};
template <>
struct omu_EnumTexts<kmaC_CapCreepConsolidation::LawEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRAIN"}, {1, "TIME"}, {2, "SINGHM"}, {3, "USER"}};
};

class kmaC_CapCreepCohesion : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_CapCreepCohesion, kmaC_MaterialOption, 0x309102E)
  enum LawEnm : int { STRAIN = 0, TIME = 1, SINGHM = 2, USER = 3 };
  LawEnm law = STRAIN;
};
template <>
struct omu_EnumTexts<kmaC_CapCreepCohesion::LawEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRAIN"}, {1, "TIME"}, {2, "SINGHM"}, {3, "USER"}};
};

// ---- brittle cracking -------------------------------------------------------------

// crackKind: 0 one crack, 1 two, 2 three.
class kmaC_BrittleFailure : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_BrittleFailure, kmaC_MaterialOption, 0x309102F)
  int crackKind = 0;
};

// kind: 0 retention factor, 1 power law.
class kmaC_BrittleShear : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_BrittleShear, kmaC_MaterialOption, 0x3091030)
  int kind = 0;
};
