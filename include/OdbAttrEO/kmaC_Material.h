// The kernel's material: its description, its optional strain-rate
// regularization and one handle per behaviour it may hold, null when it does
// not hold that behaviour. Damage initiation is held once per criterion, by
// the criterion's index (kmaC_Material::DUCTILE ... HASHIN).
#pragma once

#include <array>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kmaC_DamageOptions.h"
#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "OdbAttrEO/kmaC_Eos.h"
#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "QivBasicUtils/omu_PrimEnum.h"

// The strain-rate regularization of a material: the tolerance (0.03 unless
// set) and the regularization kind (0 unless set).
class kmaC_Regularization : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3090002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kmaC_Regularization* Clone() const override { return new kmaC_Regularization(*this); }
  CLS_REGISTER(kmaC_Regularization, kern_Object)

  enum StrainRateRegularizationEnm : int { LOGARITHMIC = 0, LINEAR = 1 };
  double rtol = 0.03;
  StrainRateRegularizationEnm strainRateRegularization = LOGARITHMIC;
};
template <>
struct omu_EnumTexts<kmaC_Regularization::StrainRateRegularizationEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "LOGARITHMIC"}, {1, "LINEAR"}};
};

class kmaC_Material : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3090001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kmaC_Material* Clone() const override { return new kmaC_Material(*this); }
  CLS_REGISTER(kmaC_Material, kern_Object)

  // Damage initiation criteria, the index into damageInitiation.
  enum CriterionEnm : int {
    DUCTILE = 0,
    FLD,
    FLSD,
    JOHNSON_COOK,
    MK,
    MSFLD,
    QUADE,
    QUADS,
    MAXE,
    MAXS,
    MAXPE,
    MAXPS,
    SHEAR,
    HASHIN,
    kCriterionCount
  };

  cow_String description;
  cow_COW<kmaC_Regularization> regularization;

  cow_COW<kmaC_AcousticMedium> acousticMedium;
  cow_COW<kmaC_BrittleCracking> brittleCracking;
  cow_COW<kmaC_CapPlasticity> capPlasticity;
  cow_COW<kmaC_ClayPlasticity> clayPlasticity;
  cow_COW<kmaC_Concrete> concrete;
  cow_COW<kmaC_Conductivity> conductivity;
  cow_COW<kmaC_Creep> creep;
  std::array<cow_COW<kmaC_DamageInitiation>, kCriterionCount> damageInitiation;
  cow_COW<kmaC_Damping> damping;
  cow_COW<kmaC_DeformationPlasticity> deformationPlasticity;
  cow_COW<kmaC_Density> density;
  cow_COW<kmaC_Depvar> depvar;
  cow_COW<kmaC_Dielectric> dielectric;
  cow_COW<kmaC_Diffusivity> diffusivity;
  cow_COW<kmaC_DruckerPrager> druckerPrager;
  cow_COW<kmaC_Elastic> elastic;
  cow_COW<kmaC_ElectricalConductivity> electricalConductivity;
  cow_COW<kmaC_Eos> eos;
  cow_COW<kmaC_Expansion> expansion;
  cow_COW<kmaC_Foam> foam;
  cow_COW<kmaC_FluidLeakoff> fluidLeakoff;
  cow_COW<kmaC_GapFlow> gapFlow;
  cow_COW<kmaC_Gel> gel;
  cow_COW<kmaC_HeatGeneration> heatGeneration;
  cow_COW<kmaC_Hyperelastic> hyperelastic;
  cow_COW<kmaC_Hyperfoam> hyperfoam;
  cow_COW<kmaC_Hypoelastic> hypoelastic;
  cow_COW<kmaC_InelasticHeatFraction> inelasticHeatFraction;
  cow_COW<kmaC_JouleHeatFraction> jouleHeatFraction;
  cow_COW<kmaC_LatentHeat> latentHeat;
  cow_COW<kmaC_MoistureSwelling> moistureSwelling;
  cow_COW<kmaC_MullinsEffect> mullinsEffect;
  cow_COW<kmaC_Permeability> permeability;
  cow_COW<kmaC_Piezoelectric> piezoelectric;
  cow_COW<kmaC_Plastic> plastic;
  cow_COW<kmaC_PoreFluidExpansion> poreFluidExpansion;
  cow_COW<kmaC_PorousBulkModuli> porousBulkModuli;
  cow_COW<kmaC_PorousElastic> porousElastic;
  cow_COW<kmaC_PorousMetalPlasticity> porousMetalPlasticity;
  cow_COW<kmaC_Shear> shear;
  cow_COW<kmaC_Solubility> solubility;
  cow_COW<kmaC_Sorption> sorption;
  cow_COW<kmaC_SpecificHeat> specificHeat;
  cow_COW<kmaC_Swelling> swelling;
  cow_COW<kmaC_UserDefinedField> userDefinedField;
  cow_COW<kmaC_UserMaterial> userMaterial;
  cow_COW<kmaC_UserOutputVariables> userOutputVariables;
  cow_COW<kmaC_Viscoelastic> viscoelastic;
  cow_COW<kmaC_CastIronPlasticity> castIronPlasticity;
  cow_COW<kmaC_Viscous> viscous;
  cow_COW<kmaC_MohrCoulomb> mohrCoulomb;
  cow_COW<kmaC_ConcreteDamagedPlasticity> concreteDamagedPlasticity;
  cow_COW<kmaC_LowDensityFoam> lowDensityFoam;
  cow_COW<kmaC_Viscosity> viscosity;

  // The gasket behaviours, written only for a material a gasket section uses.
  cow_COW<kmaC_MembraneElastic> membraneElastic;
  cow_COW<kmaC_TransShearElastic> transShearElastic;
  cow_COW<kmaC_ThicknessBehavior> thicknessBehavior;
};
