// The kernel's large-strain elastic options (hyperelastic, hyperfoam,
// low-density foam, Mullins effect), the viscoelastic option and the gasket
// options (membrane and transverse-shear elasticity, thickness behaviour).
// Each carries the dependency count, temperature flag and table of
// kmaC_MaterialOption and the values named below.
#pragma once

#include "ModelDatabase/mdl_1DArrayList.h"
#include "OdbAttrEO/kmaC_SubOptions.h"

// ---- hyperelasticity ----------------------------------------------------------------

class kmaC_Hyperelastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Hyperelastic, kmaC_MaterialOption, 0x3090500)
  enum TypeEnm : int {
    ARRUDA_BOYCE = 0,
    MARLOW = 1,
    MOONEY_RIVLIN = 2,
    NEO_HOOKE = 3,
    OGDEN = 4,
    POLYNOMIAL = 5,
    REDUCED_POLYNOMIAL = 6,
    USER = 7,
    VAN_DER_WAALS = 8,
    YEOH = 9,
    UNKNOWN = 10
  };
  int materialKind = 0;  // 0 isotropic, 1 anisotropic
  TypeEnm type = ARRUDA_BOYCE;
  int moduliTimeScale = 1;  // 1 long term, any other value instantaneous
  int order = 1;            // n
  double beta = DBL_MAX;
  bool testData = false;
  bool compressibility = false;
  int propertiesCount = 0;
  int marlowTestDataKind = 0;  // 0 uniaxial, 1 biaxial, 2 planar
  int volumetricResponse = 1;  // 1 volumetric test data, 2 Poisson's ratio
  double poissonsRatio = 0.0;
  int anisotropicType = 0;  // 0 Fung anisotropic, 1 Fung orthotropic, 2 Holzapfel, 3 user
  int formulation = 0;      // 1 invariant, any other value strain
  int localDirectionCount = 0;
  cow_COW<kmaC_BiaxialTestData> biaxialTestData;
  cow_COW<kmaC_PlanarTestData> planarTestData;
  cow_COW<kmaC_UniaxialTestData> uniaxialTestData;
  cow_COW<kmaC_VolumetricTestData> volumetricTestData;
  cow_COW<kmaC_Hysteresis> hysteresis;
};
template <>
struct omu_EnumTexts<kmaC_Hyperelastic::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "ARRUDA-BOYCE"},
                                            {1, "MARLOW"},
                                            {2, "MOONEY-RIVLIN"},
                                            {3, "NEO HOOKE"},
                                            {4, "OGDEN"},
                                            {5, "POLYNOMIAL"},
                                            {6, "REDUCED POLYNOMIAL"},
                                            {7, "USER"},
                                            {8, "VAN DER WAALS"},
                                            {9, "YEOH"},
                                            {10, "UNKNOWN"}};
};

class kmaC_Hyperfoam : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Hyperfoam, kmaC_MaterialOption, 0x3090501)
  bool testData = false;
  double poissonsRatio = DBL_MAX;
  int order = 1;            // n
  int moduliTimeScale = 1;  // 0 instantaneous, any other value long term
  cow_COW<kmaC_BiaxialTestData> biaxialTestData;
  cow_COW<kmaC_VolumetricTestData> volumetricTestData;
  cow_COW<kmaC_PlanarTestData> planarTestData;
  cow_COW<kmaC_SimpleShearTestData> simpleShearTestData;
  cow_COW<kmaC_UniaxialTestData> uniaxialTestData;
};

class kmaC_LowDensityFoam : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_LowDensityFoam, kmaC_MaterialOption, 0x3090502)
  bool fail = false;
  double tensionCutoff = DBL_MAX;
  bool rateExtrapolation = false;
  int strainRateMeasure = 1;  // 1 volumetric, any other value principal
  double coefficient1 = 0.0;
  double coefficient2 = 0.0;
  double coefficient3 = 0.0;
  cow_COW<kmaC_UniaxialTestData> tensionTestData;
  cow_COW<kmaC_UniaxialTestData> compressionTestData;
};

// The table's first row holds r, m and beta when the definition is test data;
// the lists hold kmaC_UniaxialTestData, kmaC_BiaxialTestData and
// kmaC_PlanarTestData objects.
class kmaC_MullinsEffect : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_MullinsEffect, kmaC_MaterialOption, 0x3090503)
  int definition = 0;  // 0 user, 1 constants, 2 test data
  int propertiesCount = 0;
  mdl_1DArrayList<kmaC_MaterialOption> uniaxialTestData;
  mdl_1DArrayList<kmaC_MaterialOption> biaxialTestData;
  mdl_1DArrayList<kmaC_MaterialOption> planarTestData;
};

// ---- viscoelasticity ----------------------------------------------------------------

// The main table holds the data; the second table holds the volumetric
// preload data of a tabular frequency-domain option.
class kmaC_Viscoelastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_Viscoelastic, kmaC_MaterialOption, 0x3090504)
  enum FrequencyEnm : int {
    FORMULA = 0,
    TABULAR = 1,
    PRONY_FREQUENCY = 2,
    CREEP_TEST_DATA_FREQUENCY = 3,
    RELAXATION_TEST_DATA_FREQUENCY = 4
  };
  enum TypeEnm : int { ISOTROPIC = 0, TRACTION = 1, SHEAR = 2 };
  enum PreloadEnm : int { NONE = 0, UNIAXIAL = 1, VOLUMETRIC = 2, UNIAXIAL_VOLUMETRIC = 3 };
  enum TimeEnm : int {
    PRONY = 0,
    CREEP_TEST_DATA = 1,
    RELAXATION_TEST_DATA = 2,
    FREQUENCY_DATA = 3
  };
  int domain = 1;  // 0 frequency domain, any other value time domain
  FrequencyEnm frequency = FORMULA;
  TypeEnm type = ISOTROPIC;
  PreloadEnm preload = NONE;
  TimeEnm time = PRONY;
  double errtol = 0.01;
  int nmax = 13;
  kmaC_MaterialTable secondTable;
  cow_COW<kmaC_CombinedTestData> combinedTestData;
  cow_COW<kmaC_ShearTestData> shearTestData;
  cow_COW<kmaC_VolumetricTestData> volumetricTestData;
  cow_COW<kmaC_Trs> trs;
};
template <>
struct omu_EnumTexts<kmaC_Viscoelastic::FrequencyEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "FORMULA"},
                                            {1, "TABULAR"},
                                            {2, "PRONY"},
                                            {3, "CREEP TEST DATA"},
                                            {4, "RELAXATION TEST DATA"}};
};
template <>
struct omu_EnumTexts<kmaC_Viscoelastic::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "ISOTROPIC"}, {1, "TRACTION"}, {2, "SHEAR"}};
};
template <>
struct omu_EnumTexts<kmaC_Viscoelastic::PreloadEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "NONE"}, {1, "UNIAXIAL"}, {2, "VOLUMETRIC"}, {3, "UNIAXIAL VOLUMETRIC"}};
};
template <>
struct omu_EnumTexts<kmaC_Viscoelastic::TimeEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "PRONY"}, {1, "CREEP TEST DATA"}, {2, "RELAXATION TEST DATA"}, {3, "FREQUENCY DATA"}};
};

// ---- gasket ---------------------------------------------------------------------------

KMAC_PLAIN_OPTION(kmaC_MembraneElastic, 0x3090505)

class kmaC_TransShearElastic : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_TransShearElastic, kmaC_MaterialOption, 0x3090506)
  int variable = 0;  // 1 force, any other value stress
};

// The dependency count, temperature flag and table of kmaC_MaterialOption
// describe the loading; the unloading has its own.
class kmaC_ThicknessBehavior : public kmaC_MaterialOption {
  KMAC_CLASS_HEAD(kmaC_ThicknessBehavior, kmaC_MaterialOption, 0x3090507)
  enum VariableUnitsEnm : int { STRESS = 0, FORCE = 1, FORCE_PER_LENGTH = 2 };
  double tensileStiffnessFactor = 0.001;
  int type = 0;  // not 0: damage
  int unloadingDependencies = 0;
  bool unloadingTemperatureDependency = false;
  kmaC_MaterialTable unloadingTable;
  VariableUnitsEnm variable = STRESS;
  double slopeDrop = 0.1;  // the yield onset when yieldOnset is not 0
  int yieldOnset = 0;
  cow_COW<kmaC_ContactArea> contactArea;
};
template <>
struct omu_EnumTexts<kmaC_ThicknessBehavior::VariableUnitsEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "STRESS"}, {1, "FORCE"}, {2, "FORCE PER LENGTH"}};
};
