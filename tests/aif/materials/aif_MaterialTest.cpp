// The material and gasket behaviour writers: the keyword line with its
// description and regularization options, every behaviour in its fixed
// order, and the gasket block's own selection and order.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "aif/impl/materials/aif_GasketBehavior.h"
#include "aif/impl/materials/aif_Material.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;
using aif_test::Written;

// The keyword lines ("*...") of `text`, each followed by "\n".
std::string KeywordLines(const std::string& text) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line))
    if (line.rfind("*", 0) == 0) out += line + "\n";
  return out;
}

template <class O>
cow_COW<O> One(double value) {
  return Handle(Option<O>({{value}}));
}

// A material holding every behaviour of the "*Material" block, each with a
// one-value table, the gasket behaviours as well.
kmaC_Material EveryBehavior() {
  kmaC_Material m;
  m.acousticMedium = One<kmaC_AcousticMedium>(1);
  m.brittleCracking = One<kmaC_BrittleCracking>(2);
  m.capPlasticity = One<kmaC_CapPlasticity>(3);
  m.clayPlasticity = One<kmaC_ClayPlasticity>(4);
  m.concrete = One<kmaC_Concrete>(5);
  m.conductivity = One<kmaC_Conductivity>(6);
  m.creep = One<kmaC_Creep>(7);
  m.damageInitiation[kmaC_Material::HASHIN] = One<kmaC_DamageInitiation>(8);
  m.damageInitiation[kmaC_Material::FLD] = One<kmaC_DamageInitiation>(8);
  m.damping = One<kmaC_Damping>(9);
  m.deformationPlasticity = One<kmaC_DeformationPlasticity>(10);
  m.density = One<kmaC_Density>(11);
  m.depvar = One<kmaC_Depvar>(12);
  m.dielectric = One<kmaC_Dielectric>(13);
  m.diffusivity = One<kmaC_Diffusivity>(14);
  m.druckerPrager = One<kmaC_DruckerPrager>(15);
  m.elastic = One<kmaC_Elastic>(16);
  m.electricalConductivity = One<kmaC_ElectricalConductivity>(17);
  m.eos = One<kmaC_Eos>(18);
  m.expansion = One<kmaC_Expansion>(19);
  m.foam = One<kmaC_Foam>(20);
  m.fluidLeakoff = One<kmaC_FluidLeakoff>(21);
  m.gapFlow = One<kmaC_GapFlow>(22);
  m.gel = One<kmaC_Gel>(23);
  m.heatGeneration = One<kmaC_HeatGeneration>(24);
  m.hyperelastic = One<kmaC_Hyperelastic>(25);
  m.hyperfoam = One<kmaC_Hyperfoam>(26);
  m.hypoelastic = One<kmaC_Hypoelastic>(27);
  m.inelasticHeatFraction = One<kmaC_InelasticHeatFraction>(28);
  m.jouleHeatFraction = One<kmaC_JouleHeatFraction>(29);
  m.latentHeat = One<kmaC_LatentHeat>(30);
  m.moistureSwelling = One<kmaC_MoistureSwelling>(31);
  m.mullinsEffect = One<kmaC_MullinsEffect>(32);
  m.permeability = One<kmaC_Permeability>(33);
  m.piezoelectric = One<kmaC_Piezoelectric>(34);
  m.plastic = One<kmaC_Plastic>(35);
  m.poreFluidExpansion = One<kmaC_PoreFluidExpansion>(36);
  m.porousBulkModuli = One<kmaC_PorousBulkModuli>(37);
  m.porousElastic = One<kmaC_PorousElastic>(38);
  m.porousMetalPlasticity = One<kmaC_PorousMetalPlasticity>(39);
  m.shear = One<kmaC_Shear>(40);
  m.solubility = One<kmaC_Solubility>(41);
  m.sorption = One<kmaC_Sorption>(42);
  m.specificHeat = One<kmaC_SpecificHeat>(43);
  m.swelling = One<kmaC_Swelling>(44);
  m.userDefinedField = One<kmaC_UserDefinedField>(45);
  m.userMaterial = One<kmaC_UserMaterial>(46);
  m.userOutputVariables = One<kmaC_UserOutputVariables>(47);
  m.viscoelastic = One<kmaC_Viscoelastic>(48);
  m.castIronPlasticity = One<kmaC_CastIronPlasticity>(49);
  m.viscous = One<kmaC_Viscous>(50);
  m.mohrCoulomb = One<kmaC_MohrCoulomb>(51);
  m.concreteDamagedPlasticity = One<kmaC_ConcreteDamagedPlasticity>(52);
  m.lowDensityFoam = One<kmaC_LowDensityFoam>(53);
  m.viscosity = One<kmaC_Viscosity>(54);
  m.membraneElastic = One<kmaC_MembraneElastic>(60);
  m.transShearElastic = One<kmaC_TransShearElastic>(61);
  m.thicknessBehavior = One<kmaC_ThicknessBehavior>(62);
  return m;
}

TEST(aif_Material, EveryBehaviourInItsRowOrderAndNoGasketBehaviour) {
  kmaC_Material m = EveryBehavior();
  // Two criteria held in reverse order of their rows: DUCTILE comes first.
  m.damageInitiation[kmaC_Material::HASHIN] = cow_COW<kmaC_DamageInitiation>();
  m.damageInitiation[kmaC_Material::FLD] = cow_COW<kmaC_DamageInitiation>();
  m.damageInitiation[kmaC_Material::MAXS] = One<kmaC_DamageInitiation>(8);
  m.damageInitiation[kmaC_Material::DUCTILE] = One<kmaC_DamageInitiation>(8);
  auto elastic = Option<kmaC_Elastic>({{16}});
  elastic.noCompression = true;
  elastic.noTension = true;
  m.elastic = Handle(elastic);
  EXPECT_EQ(
      "*Material, name=Steel\n"
      "*Acoustic Medium\n*Brittle Cracking\n*Cap Plasticity\n*Clay Plasticity\n"
      "*Concrete\n*Conductivity\n*Creep\n"
      "*Damage Initiation, criterion=DUCTILE\n*Damage Initiation, criterion=MAXS\n"
      "*Damping\n*Deformation Plasticity\n*Density\n*Depvar\n*Dielectric\n"
      "*Diffusivity\n*Drucker Prager\n"
      // The material holds a viscoelastic behaviour: the moduli option.
      "*Elastic, moduli=INSTANTANEOUS\n*No Compression\n*No Tension\n"
      "*Electrical Conductivity\n*Eos, type=IDEAL GAS\n*Expansion\n*Crushable Foam\n"
      "*Fluid Leakoff\n*Gap Flow\n*Gel\n*Heat Generation\n"
      "*Hyperelastic, arruda-boyce, moduli=LONG TERM\n*Hyperfoam, moduli=LONG TERM\n"
      "*Hypoelastic\n*Inelastic Heat Fraction\n*Joule Heat Fraction\n*Latent Heat\n"
      "*Moisture Swelling\n*Mullins Effect, USER, properties=0\n"
      "*Permeability, specific=0.\n*Piezoelectric\n*Plastic\n*Expansion, Pore Fluid\n"
      "*Porous Bulk Moduli\n*Porous Elastic\n*Porous Metal Plasticity\n"
      "*Elastic, type=SHEAR\n*Solubility\n*Sorption\n"
      // The model value 2 lets the keyword write its type.
      "*Specific Heat, type=CONSTANTPRESSURE\n*Swelling\n*User Defined Field\n"
      "*User Material, constants=0\n*User Output Variables\n*Viscoelastic, time=PRONY\n"
      "*Cast Iron Plasticity\n*Viscous\n*Mohr Coulomb\n*Concrete Damaged Plasticity\n"
      "*Low Density Foam\n*Viscosity\n",
      KeywordLines(Written<aif_Material>(cow_String("Steel"), m, 2, false, cow_String())));
  // Without viscoelasticity the elastic keywords leave their moduli out;
  // another model value leaves the specific heat's type out.
  m.viscoelastic = cow_COW<kmaC_Viscoelastic>();
  const std::string lines =
      KeywordLines(Written<aif_Material>(cow_String("Steel"), m, 0, false, cow_String()));
  EXPECT_NE(std::string::npos, lines.find("*Drucker Prager\n*Elastic\n*No Compression\n"));
  EXPECT_NE(std::string::npos, lines.find("*Hyperelastic, arruda-boyce\n*Hyperfoam\n"));
  EXPECT_NE(std::string::npos, lines.find("*Sorption\n*Specific Heat\n*Swelling\n"));
}

TEST(aif_Material, KeywordLineWithDescriptionAndRegularization) {
  kmaC_Material m;
  m.elastic = Handle(Option<kmaC_Elastic>({{210000, 0.3}}));
  // Nothing held but the behaviour: the bare line.
  EXPECT_EQ("*Material, name=Steel\n*Elastic\n 210000., 0.3\n",
            Written<aif_Material>(cow_String("Steel"), m, 0, false, cow_String()));
  // A regularization at its defaults writes no option; a name with a blank
  // is quoted.
  m.regularization = Handle(kmaC_Regularization());
  EXPECT_EQ("*Material, name=\"Mild Steel\"\n*Elastic\n 210000., 0.3\n",
            Written<aif_Material>(cow_String("Mild Steel"), m, 0, false, cow_String()));
  kmaC_Regularization kind;
  kind.strainRateRegularization = kmaC_Regularization::LINEAR;
  m.regularization = Handle(kind);
  EXPECT_EQ("*Material, name=Steel, strain rate regularization=LINEAR\n*Elastic\n 210000., 0.3\n",
            Written<aif_Material>(cow_String("Steel"), m, 0, false, cow_String()));
  kmaC_Regularization both = kind;
  both.rtol = 0.05;
  m.regularization = Handle(both);
  m.description =
      "Structural steel from the supplier's sheet, quenched and tempered, tested at room "
      "temperature\nsecond line";
  // Wrapped after the last blank among characters 64 to 78 (kept at the end).
  EXPECT_EQ(
      "** Structural steel from the supplier's sheet, quenched and tempered, tested at \n"
      "** room temperature\n"
      "** second line\n"
      "*Material, name=Steel, rtol=0.05, strain rate regularization=LINEAR\n"
      "*Elastic\n 210000., 0.3\n",
      Written<aif_Material>(cow_String("Steel"), m, 0, false, cow_String()));
}

TEST(aif_Material, AFieldDensityNamesTheDistributionItIsGiven) {
  kmaC_Material m;
  auto density = Option<kmaC_Density>({{7.8}});
  density.densityKind = 1;
  density.fieldName = "Rho";
  m.density = Handle(density);
  EXPECT_EQ("*Material, name=Steel\n*Density\nASSEMBLY_Steel_Rho-1\n",
            Written<aif_Material>(cow_String("Steel"), m, 0, true, cow_String("Steel_Rho-1")));
  density.densityKind = 2;
  m.density = Handle(density);
  EXPECT_EQ("*Material, name=Steel\n*Density\nRho\n",
            Written<aif_Material>(cow_String("Steel"), m, 0, false, cow_String("Rho")));
  // No distribution defined: no "*Density" naming one.
  EXPECT_EQ("*Material, name=Steel\n",
            Written<aif_Material>(cow_String("Steel"), m, 0, false, cow_String()));
}

TEST(aif_GasketBehavior, OnlyTheGasketBehavioursInTheirOrder) {
  kmaC_Material m = EveryBehavior();
  m.description = "not written";
  kmaC_Regularization regularization;
  regularization.rtol = 0.5;
  m.regularization = Handle(regularization);
  EXPECT_EQ(
      "*Gasket Behavior, name=\"Head Gasket\"\n"
      "*Creep\n 7.,\n"
      "*Depvar\n      0,\n"
      "*Expansion\n 19.,\n"
      "*Gasket Elasticity, component=MEMBRANE\n 60.,\n"
      "*Gasket Thickness Behavior\n 62.,\n"
      "*Viscoelastic, time=PRONY\n 48.,\n"
      "*Gasket Elasticity\n 61.,\n"
      "*User Output Variables\n      0,\n",
      Written<aif_GasketBehavior>(cow_String("Head Gasket"), m));
  // Only the membrane elasticity: nothing else.
  kmaC_Material membrane;
  membrane.membraneElastic = m.membraneElastic;
  EXPECT_EQ("*Gasket Behavior, name=G\n*Gasket Elasticity, component=MEMBRANE\n 60.,\n",
            Written<aif_GasketBehavior>(cow_String("G"), membrane));
}

}  // namespace
