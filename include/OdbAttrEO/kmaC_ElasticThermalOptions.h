// The kernel's elastic, thermal, electrical, density, damping and transport
// material options. Each carries the dependency count, temperature flag and
// table of kmaC_MaterialOption and the values named below.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"

// ---- elasticity -------------------------------------------------------------------

class kmaC_Elastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Elastic, kmaC_MaterialOption, 0x3090300)
  enum TypeEnm : int {
    ISOTROPIC = 0,
    ORTHOTROPIC = 1,
    ANISOTROPIC = 2,
    ENGINEERING_CONSTANTS = 3,
    LAMINA = 4,
    TRACTION = 5,
    COUPLED_TRACTION = 6,
    SHORT_FIBER = 7,
    SHEAR = 8
  };
  TypeEnm type = ISOTROPIC;
  bool noCompression = false;
  bool noTension = false;
  int moduliTimeScale = 0;  // 0 instantaneous, any other value long term
  cow_COW<kmaC_FailStress> failStress;
  cow_COW<kmaC_FailStrain> failStrain;
};
template <>
struct omu_EnumTexts<kmaC_Elastic::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "ISOTROPIC"}, {1, "ORTHOTROPIC"}, {2, "ANISOTROPIC"},      {3, "ENGINEERING CONSTANTS"},
      {4, "LAMINA"},    {5, "TRACTION"},    {6, "COUPLED TRACTION"}, {7, "SHORT FIBER"},
      {8, "SHEAR"}};
};

KMAC_PLAIN_OPTION(kmaC_Shear, 0x3090301)

class kmaC_Hypoelastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Hypoelastic, kmaC_MaterialOption, 0x3090302)
  bool user = false;
};

class kmaC_PorousElastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_PorousElastic, kmaC_MaterialOption, 0x3090303)
  enum ShearEnm : int { POISSON = 0, G = 1 };
  ShearEnm shearLaw = G;
};
template <>
struct omu_EnumTexts<kmaC_PorousElastic::ShearEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "POISSON"}, {1, "G"}};
};

// ---- thermal and electrical -------------------------------------------------------

class kmaC_SpecificHeat : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_SpecificHeat, kmaC_MaterialOption, 0x3090310)
  int type = 1;  // 0 constant volume, any other value constant pressure
};

KMAC_PLAIN_OPTION(kmaC_LatentHeat, 0x3090311)
KMAC_PLAIN_OPTION(kmaC_HeatGeneration, 0x3090312)

class kmaC_JouleHeatFraction : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_JouleHeatFraction, kmaC_MaterialOption, 0x3090313)
  double fraction = 1.0;
};

class kmaC_InelasticHeatFraction : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_InelasticHeatFraction, kmaC_MaterialOption, 0x3090314)
  double fraction = 0.9;
};

class kmaC_ElectricalConductivity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ElectricalConductivity, kmaC_MaterialOption, 0x3090315)
  int type = 0;  // 0 isotropic, 1 orthotropic, 2 anisotropic
};

class kmaC_Piezoelectric : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Piezoelectric, kmaC_MaterialOption, 0x3090316)
  int type = 1;  // 0 electric-field form (E), 1 stress form
};

// ---- density, damping, conductivity, diffusivity, dielectric ----------------------

class kmaC_Density : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Density, kmaC_MaterialOption, 0x3090320)
  int densityKind = 0;  // 1 analytical field, 2 discrete field, other values a table
  cow_String fieldName;
};

class kmaC_Damping : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Damping, kmaC_MaterialOption, 0x3090321)
  // 0.0 is unset.
  double alpha = 0.0;
  double beta = 0.0;
  double composite = 0.0;
  double structural = 0.0;
};

class kmaC_Conductivity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Conductivity, kmaC_MaterialOption, 0x3090322)
  int anisotropy = 0;  // 0 isotropic, 1 orthotropic, 2 anisotropic
};

class kmaC_Dielectric : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Dielectric, kmaC_MaterialOption, 0x3090323)
  int anisotropy = 0;  // 0 isotropic, 1 orthotropic, 2 anisotropic
};

class kmaC_Diffusivity : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Diffusivity, kmaC_MaterialOption, 0x3090324)
  enum LawEnm : int { GENERAL = 0, FICK = 1 };
  int anisotropy = 0;  // 0 isotropic, 1 orthotropic, 2 anisotropic
  LawEnm law = GENERAL;
  cow_COW<kmaC_SoretEffect> soretEffect;
  cow_COW<kmaC_PressureEffect> pressureEffect;
};
template <>
struct omu_EnumTexts<kmaC_Diffusivity::LawEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "GENERAL"}, {1, "FICK"}};
};
