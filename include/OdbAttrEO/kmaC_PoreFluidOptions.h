// The kernel's pore-fluid, mass-diffusion, swelling and user-defined material
// options, with acoustic medium, expansion, creep, viscosity and the counts of
// solution-dependent and user output variables. Plain data: the writer reads
// the members directly; an unset optional double holds the largest double.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"

// ---- pore fluid and mass diffusion -------------------------------------------------

class kmaC_Permeability : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Permeability, kmaC_MaterialOption, 0x3090601)
  enum TypeEnm : int { ISOTROPIC = 0, ORTHOTROPIC = 1, ANISOTROPIC = 2 };
  TypeEnm type = ISOTROPIC;
  double specificWeight = 0.0;
  cow_COW<kmaC_SaturationDependence> saturationDependence;
  cow_COW<kmaC_VelocityDependence> velocityDependence;
};
template <>
struct omu_EnumTexts<kmaC_Permeability::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "ISOTROPIC"}, {1, "ORTHOTROPIC"}, {2, "ANISOTROPIC"}};
};

KMAC_PLAIN_OPTION(kmaC_PorousBulkModuli, 0x3090602)

// `zero`: the reference value of the expansion, 0.0 when unset.
class kmaC_PoreFluidExpansion : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_PoreFluidExpansion, kmaC_MaterialOption, 0x3090603)
  double zero = 0.0;
};

// `table` holds the absorption data, `exsorptionTable` the exsorption data
// (read only with the exsorption flag). The kernel's default law of both is
// TABULAR.
class kmaC_Sorption : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Sorption, kmaC_MaterialOption, 0x3090604)
  enum LawAbsorptionEnm : int { ABSORPTION_USER = 0, ABSORPTION_TABULAR = 1, ABSORPTION_LOG = 2 };
  enum LawExsorptionEnm : int { EXSORPTION_USER = 0, EXSORPTION_TABULAR = 1, EXSORPTION_LOG = 2 };
  LawAbsorptionEnm absorptionLaw = ABSORPTION_TABULAR;
  bool exsorption = false;
  LawExsorptionEnm exsorptionLaw = EXSORPTION_TABULAR;
  double scanning = 0.0;
  kmaC_MaterialTable exsorptionTable;
};
template <>
struct omu_EnumTexts<kmaC_Sorption::LawAbsorptionEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "USER"}, {1, "TABULAR"}, {2, "LOG"}};
};
template <>
struct omu_EnumTexts<kmaC_Sorption::LawExsorptionEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "USER"}, {1, "TABULAR"}, {2, "LOG"}};
};

KMAC_PLAIN_OPTION(kmaC_Solubility, 0x3090605)

class kmaC_MoistureSwelling : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_MoistureSwelling, kmaC_MaterialOption, 0x3090606)
  cow_COW<kmaC_Ratios> ratios;
};

class kmaC_Swelling : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Swelling, kmaC_MaterialOption, 0x3090607)
  enum LawEnm : int { INPUT = 0, USER = 1 };
  LawEnm law = INPUT;
  cow_COW<kmaC_Ratios> ratios;
};
template <>
struct omu_EnumTexts<kmaC_Swelling::LawEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "INPUT"}, {1, "USER"}};
};

KMAC_PLAIN_OPTION(kmaC_Gel, 0x3090608)

// type: 0 Newtonian, any other value power law.
class kmaC_GapFlow : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_GapFlow, kmaC_MaterialOption, 0x3090609)
  double kmax = DBL_MAX;
  int type = 0;
};

// type: 0 table data, 1 user subroutine.
class kmaC_FluidLeakoff : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_FluidLeakoff, kmaC_MaterialOption, 0x309060A)
  int type = 0;
};

// ---- user-defined behaviour ---------------------------------------------------------

// type: 0 mechanical, 1 thermal, any other value both.
class kmaC_UserMaterial : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_UserMaterial, kmaC_MaterialOption, 0x309060B)
  int type = 0;
  bool unsymmetric = false;
  cow_List<double> mechanicalConstants;
  cow_List<double> thermalConstants;
};

KMAC_PLAIN_OPTION(kmaC_UserDefinedField, 0x309060C)

// ---- acoustic medium, expansion, creep, viscosity ----------------------------------

// One table of the acoustic medium with its own dependency count and
// temperature flag.
struct kmaC_AcousticMediumTable {
  int dependencies = 0;
  bool temperatureDependency = false;
  kmaC_MaterialTable table;
};

// The option's own d, T and table are not used: the bulk modulus and the
// volumetric drag each carry theirs.
class kmaC_AcousticMedium : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_AcousticMedium, kmaC_MaterialOption, 0x309060D)
  bool volumetricDrag = false;
  kmaC_AcousticMediumTable bulkModulusTable;
  kmaC_AcousticMediumTable volumetricDragTable;
};

// type: 0 isotropic, 1 orthotropic, 2 anisotropic; `zero`: the reference
// value, 0.0 when unset.
class kmaC_Expansion : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Expansion, kmaC_MaterialOption, 0x309060E)
  int type = 0;
  bool user = false;
  double zero = 0.0;
};

class kmaC_Creep : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Creep, kmaC_MaterialOption, 0x309060F)
  enum LawEnm : int { STRAIN = 0, TIME = 1, HYPERBOLIC_SINE = 2, USER = 3 };
  LawEnm law = STRAIN;
  cow_COW<kmaC_Ornl> ornl;
  cow_COW<kmaC_Potential> potential;
};
template <>
struct omu_EnumTexts<kmaC_Creep::LawEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "STRAIN"}, {1, "TIME"}, {2, "HYPERBOLIC SINE"}, {3, "USER"}};
};

// definition: 0 the solver's default, 1 Newtonian; other values are kinds the
// writer has no text for.
class kmaC_Viscosity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Viscosity, kmaC_MaterialOption, 0x3090610)
  int definition = 0;
};

// ---- solution-dependent and user output variables ------------------------------------

// `deleteVariable`: the variable that deletes an element, 0 when unset.
class kmaC_Depvar : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Depvar, kmaC_MaterialOption, 0x3090611)
  int deleteVariable = 0;
  int variableCount = 0;
};

class kmaC_UserOutputVariables : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_UserOutputVariables, kmaC_MaterialOption, 0x3090612)
  int variableCount = 0;
};
