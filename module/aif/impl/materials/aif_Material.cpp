#include "aif/impl/materials/aif_Material.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/materials/aif_AcousticMedium.h"
#include "aif/impl/materials/aif_BrittleCracking.h"
#include "aif/impl/materials/aif_CapPlasticity.h"
#include "aif/impl/materials/aif_CastIronPlasticity.h"
#include "aif/impl/materials/aif_ClayPlasticity.h"
#include "aif/impl/materials/aif_Concrete.h"
#include "aif/impl/materials/aif_ConcreteDamagedPlasticity.h"
#include "aif/impl/materials/aif_Conductivity.h"
#include "aif/impl/materials/aif_Creep.h"
#include "aif/impl/materials/aif_DamageInitiation.h"
#include "aif/impl/materials/aif_Damping.h"
#include "aif/impl/materials/aif_DeformationPlasticity.h"
#include "aif/impl/materials/aif_Density.h"
#include "aif/impl/materials/aif_Depvar.h"
#include "aif/impl/materials/aif_Dielectric.h"
#include "aif/impl/materials/aif_Diffusivity.h"
#include "aif/impl/materials/aif_DruckerPrager.h"
#include "aif/impl/materials/aif_Elastic.h"
#include "aif/impl/materials/aif_ElectricalConductivity.h"
#include "aif/impl/materials/aif_Eos.h"
#include "aif/impl/materials/aif_Expansion.h"
#include "aif/impl/materials/aif_FluidLeakoff.h"
#include "aif/impl/materials/aif_Foam.h"
#include "aif/impl/materials/aif_GapFlow.h"
#include "aif/impl/materials/aif_Gel.h"
#include "aif/impl/materials/aif_HeatGeneration.h"
#include "aif/impl/materials/aif_Hyperelastic.h"
#include "aif/impl/materials/aif_Hyperfoam.h"
#include "aif/impl/materials/aif_Hypoelastic.h"
#include "aif/impl/materials/aif_InelasticHeatFraction.h"
#include "aif/impl/materials/aif_JouleHeatFraction.h"
#include "aif/impl/materials/aif_LatentHeat.h"
#include "aif/impl/materials/aif_LowDensityFoam.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"
#include "aif/impl/materials/aif_MohrCoulomb.h"
#include "aif/impl/materials/aif_MoistureSwelling.h"
#include "aif/impl/materials/aif_MullinsEffect.h"
#include "aif/impl/materials/aif_NoCompression.h"
#include "aif/impl/materials/aif_NoTension.h"
#include "aif/impl/materials/aif_Permeability.h"
#include "aif/impl/materials/aif_Piezoelectric.h"
#include "aif/impl/materials/aif_Plastic.h"
#include "aif/impl/materials/aif_PoreFluidExpansion.h"
#include "aif/impl/materials/aif_PorousBulkModuli.h"
#include "aif/impl/materials/aif_PorousElastic.h"
#include "aif/impl/materials/aif_PorousMetalPlasticity.h"
#include "aif/impl/materials/aif_Shear.h"
#include "aif/impl/materials/aif_Solubility.h"
#include "aif/impl/materials/aif_Sorption.h"
#include "aif/impl/materials/aif_SpecificHeat.h"
#include "aif/impl/materials/aif_Swelling.h"
#include "aif/impl/materials/aif_UserDefinedField.h"
#include "aif/impl/materials/aif_UserMaterial.h"
#include "aif/impl/materials/aif_UserOutputVariables.h"
#include "aif/impl/materials/aif_Viscoelastic.h"
#include "aif/impl/materials/aif_Viscosity.h"
#include "aif/impl/materials/aif_Viscous.h"

namespace {

constexpr double kMaterialRtolDefault = 0.03;

}  // namespace

void aif_Material::Write(utl_Stream& stream) const {
  const kmaC_Material& m = material_;
  if (!m.description.IsEmpty()) aif_Comment(m.description, true).Write(stream);
  stream << "*Material, name=" << akw_MorvexName(name_, false);
  if (!m.regularization.IsNull()) {
    const kmaC_Regularization& r = *m.regularization;
    if (r.rtol != kMaterialRtolDefault) stream << ", rtol=" << r.rtol;
    if (r.strainRateRegularization != kmaC_Regularization::LOGARITHMIC)
      stream << ", strain rate regularization=" << aif_EnumText(r.strainRateRegularization);
  }
  stream.LineBreak();

  const bool viscoelastic = !m.viscoelastic.IsNull();
  aif_WriteSubOption<aif_AcousticMedium>(stream, m.acousticMedium);
  aif_WriteSubOption<aif_BrittleCracking>(stream, m.brittleCracking);
  aif_WriteSubOption<aif_CapPlasticity>(stream, m.capPlasticity);
  aif_WriteSubOption<aif_ClayPlasticity>(stream, m.clayPlasticity);
  aif_WriteSubOption<aif_Concrete>(stream, m.concrete);
  aif_WriteSubOption<aif_Conductivity>(stream, m.conductivity);
  aif_WriteSubOption<aif_Creep>(stream, m.creep);
  for (int criterion = 0; criterion < kmaC_Material::kCriterionCount; ++criterion)
    aif_WriteSubOption<aif_DamageInitiation>(
        stream, m.damageInitiation[static_cast<std::size_t>(criterion)], criterion);
  aif_WriteSubOption<aif_Damping>(stream, m.damping);
  aif_WriteSubOption<aif_DeformationPlasticity>(stream, m.deformationPlasticity);
  aif_WriteSubOption<aif_Density>(stream, m.density, densityDistribution_, partBased_);
  aif_WriteSubOption<aif_Depvar>(stream, m.depvar);
  aif_WriteSubOption<aif_Dielectric>(stream, m.dielectric);
  aif_WriteSubOption<aif_Diffusivity>(stream, m.diffusivity);
  aif_WriteSubOption<aif_DruckerPrager>(stream, m.druckerPrager);
  if (!m.elastic.IsNull()) {
    // The two companions decide from the elastic option whether they write.
    aif_Elastic(*m.elastic, viscoelastic).Write(stream);
    aif_NoCompression(*m.elastic).Write(stream);
    aif_NoTension(*m.elastic).Write(stream);
  }
  aif_WriteSubOption<aif_ElectricalConductivity>(stream, m.electricalConductivity);
  aif_WriteSubOption<aif_Eos>(stream, m.eos);
  aif_WriteSubOption<aif_Expansion>(stream, m.expansion);
  aif_WriteSubOption<aif_Foam>(stream, m.foam);
  aif_WriteSubOption<aif_FluidLeakoff>(stream, m.fluidLeakoff);
  aif_WriteSubOption<aif_GapFlow>(stream, m.gapFlow);
  aif_WriteSubOption<aif_Gel>(stream, m.gel);
  aif_WriteSubOption<aif_HeatGeneration>(stream, m.heatGeneration);
  aif_WriteSubOption<aif_Hyperelastic>(stream, m.hyperelastic, viscoelastic);
  aif_WriteSubOption<aif_Hyperfoam>(stream, m.hyperfoam, viscoelastic);
  aif_WriteSubOption<aif_Hypoelastic>(stream, m.hypoelastic);
  aif_WriteSubOption<aif_InelasticHeatFraction>(stream, m.inelasticHeatFraction);
  aif_WriteSubOption<aif_JouleHeatFraction>(stream, m.jouleHeatFraction);
  aif_WriteSubOption<aif_LatentHeat>(stream, m.latentHeat);
  aif_WriteSubOption<aif_MoistureSwelling>(stream, m.moistureSwelling);
  aif_WriteSubOption<aif_MullinsEffect>(stream, m.mullinsEffect);
  aif_WriteSubOption<aif_Permeability>(stream, m.permeability);
  aif_WriteSubOption<aif_Piezoelectric>(stream, m.piezoelectric);
  aif_WriteSubOption<aif_Plastic>(stream, m.plastic);
  aif_WriteSubOption<aif_PoreFluidExpansion>(stream, m.poreFluidExpansion);
  aif_WriteSubOption<aif_PorousBulkModuli>(stream, m.porousBulkModuli);
  aif_WriteSubOption<aif_PorousElastic>(stream, m.porousElastic);
  aif_WriteSubOption<aif_PorousMetalPlasticity>(stream, m.porousMetalPlasticity);
  aif_WriteSubOption<aif_Shear>(stream, m.shear);
  aif_WriteSubOption<aif_Solubility>(stream, m.solubility);
  aif_WriteSubOption<aif_Sorption>(stream, m.sorption);
  aif_WriteSubOption<aif_SpecificHeat>(stream, m.specificHeat, specificHeatSetting_);
  aif_WriteSubOption<aif_Swelling>(stream, m.swelling);
  aif_WriteSubOption<aif_UserDefinedField>(stream, m.userDefinedField);
  aif_WriteSubOption<aif_UserMaterial>(stream, m.userMaterial);
  aif_WriteSubOption<aif_UserOutputVariables>(stream, m.userOutputVariables);
  aif_WriteSubOption<aif_Viscoelastic>(stream, m.viscoelastic);
  aif_WriteSubOption<aif_CastIronPlasticity>(stream, m.castIronPlasticity);
  aif_WriteSubOption<aif_Viscous>(stream, m.viscous);
  aif_WriteSubOption<aif_MohrCoulomb>(stream, m.mohrCoulomb);
  aif_WriteSubOption<aif_ConcreteDamagedPlasticity>(stream, m.concreteDamagedPlasticity);
  aif_WriteSubOption<aif_LowDensityFoam>(stream, m.lowDensityFoam);
  aif_WriteSubOption<aif_Viscosity>(stream, m.viscosity);
}
