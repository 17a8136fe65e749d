// Interaction properties in whole decks, part-based and flat, and no partial
// file whatever call fails: a Standard model of two stacked blocks with a
// pair between them, one property of each kind the repository walk writes
// (a contact property with friction, HARD behaviour, damping and the gap
// options; a cohesive one with damage and a fracture criterion; a film, a
// cavity-radiation and an impedance property), an incident-wave property
// reached through the incident wave that names it, and an actuator with its
// property, written as a user element on Block-1's tip node.
#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kinC_AcousticImpedanceProp.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif_PartSurface.h"
#include "support/aif_FaultLoops.h"

namespace {

rgnC_Region PropertyDeckSurface(const char* name, const char* instance) {
  return rgnC_Region(name, {"Assembly", instance});
}

// Friction 0.3, HARD behaviour, a constant damping and the three gap
// options.
kinC_ContactProperty PropertyDeckPairProperty() {
  kinC_ContactProperty property;
  kinC_TangentialBehavior& friction = property.Set<kinC_TangentialBehavior>();
  friction.formulation = 1;
  friction.table = cow_2DArray<double>({{0.3}});
  property.Set(kinC_NormalBehavior());
  kinC_ContactDamping& damping = property.Set<kinC_ContactDamping>();
  damping.table = {{0.5, 0.0}};
  kinC_GapConductance& conductance = property.Set<kinC_GapConductance>();
  conductance.clearanceDependency = true;
  conductance.clearanceTable = {{10.0, 0.0}, {5.0, 0.1}};
  property.Set(kinC_GapHeatGeneration{0.9, 0.4});
  kinC_GapRadiation& radiation = property.Set<kinC_GapRadiation>();
  radiation.first = 0.8;
  radiation.second = 0.6;
  radiation.table = {{1.0, 0.0}, {0.0, 0.2}};
  return property;
}

// Cohesive behaviour with its own stiffnesses, damage with a linear
// displacement evolution and stabilization, and a VCCT criterion.
kinC_ContactProperty PropertyDeckBondProperty() {
  kinC_ContactProperty property;
  kinC_CohesiveBehavior& cohesive = property.Set<kinC_CohesiveBehavior>();
  cohesive.defaultContactPenalties = false;
  cohesive.table = {{1.0e6, 1.0e6, 1.0e6}};
  kinC_CohesiveDamage& damage = property.Set<kinC_CohesiveDamage>();
  damage.table = {{50.0, 60.0, 60.0}};
  damage.evolution = true;
  damage.evolutionTable = {{0.01}};
  damage.stabilization = true;
  damage.stabilizationCoefficient = 0.001;
  kinC_FractureCriterion& fracture = property.Set<kinC_FractureCriterion>();
  fracture.table = {{200.0, 300.0, 300.0}};
  return property;
}

hst_ModelBuilder PropertyDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  aif_AddPartSurface(b, "Block", "Top", 40, 1, "S2", {1, 2});
  aif_AddPartSurface(b, "Block", "Bottom", 41, 0, "S1", {1, 2});
  rgnC_Region tip("Tip", {"Block"});
  for (int instance : {1, 2})
    tip.SetKernelNodeIndices(instance, {11});
  rgnF_Set tipSet(tip);
  tipSet.SetId(42);
  tipSet.SetName("Tip");
  tipSet.typeMask = rgnF_Set::kNodeSet;
  b.MutablePart("Block").FeatureList().Add(tipSet);
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(0.0, 0.0, 2.0));
  b.AddInstance("Block-2", "Block", placed);
  b.AddStep("Step-1", kprC_StaticStep());

  b.AddInteractionProperty("Pair", PropertyDeckPairProperty());
  b.AddInteractionProperty("Bond", PropertyDeckBondProperty());
  kinC_FilmConditionProp film;
  film.SetTable({{10.0, 20.0}, {12.5, 40.0}});
  b.AddInteractionProperty("Film-1", film);
  kinC_CavityRadiationProp cavity;
  cavity.SetTable({{0.8}});
  b.AddInteractionProperty("Cavity-1", cavity);
  kinC_AcousticImpedanceProp impedance;
  impedance.SetTable({{0.5, 1.25}, {0.75, 2.0}});
  b.AddInteractionProperty("Imp-1", impedance);
  kinC_IncidentWaveProperty wave;
  wave.SetWaveType(kinC_IncidentWaveProperty::kSphere);
  wave.SetSourceDefinition(kinC_IncidentWaveProperty::kUndexCharge);
  wave.SetFluidDensity(1000.0);
  wave.SetSoundSpeed(1500.0);
  wave.SetChargeDensity(1600.0);
  wave.SetChargeK(52.4);
  wave.SetChargeA(0.13);
  wave.SetIntegrationDuration(0.01);
  wave.SetIntegrationSteps(200);
  b.AddInteractionProperty("IWP-1", wave);

  using State = kinC_SurfaceToSurfaceContactStdState;
  kinC_SurfaceToSurfaceContactStd stack;
  stack.SetSurfaces(PropertyDeckSurface("Top", "Block-1"),
                    PropertyDeckSurface("Bottom", "Block-2"));
  stack.SetCreateStepName("Initial");
  State created;
  created.SetInteractionProperty("Pair", 1, true);
  created.SetActive(true, 2, false);
  stack.SetState("Initial", 1, created);
  State carried;
  carried.SetInteractionProperty("Pair", 2, false);
  carried.SetActive(true, 2, false);
  stack.SetState("Step-1", 2, carried);
  b.AddInteraction("Stack", stack);

  kinC_IncidentWave incident;
  incident.SetDefinition(kinC_IncidentWave::kUndex);
  incident.SetFirstRegion(PropertyDeckSurface("Top", "Block-2"));
  incident.SetSecondRegion(PropertyDeckSurface("Tip", "Block-1"));
  incident.SetThirdRegion(PropertyDeckSurface("Tip", "Block-2"));
  incident.SetPropertyName("IWP-1");
  incident.SetWaveValue(-25.0);
  incident.SetWaveSegment(gsl_ModelSegment({0, 0, 10}, {0, 0, 4}));
  incident.SetStatus("Step-1", 1);
  b.AddInteraction("Wave-1", incident);

  kinC_ActuatorSensorProp gain;
  gain.SetRealValues({1.5, 2.5});
  gain.SetIntegerValues({4});
  b.AddInteractionProperty("Gain", gain);
  rgnC_Region actuatorTip("Tip", {"Assembly", "Block-1"});
  actuatorTip.SetKernelInstanceIds({1u});
  actuatorTip.SetKernelNodeIndices(1, {11});
  kinC_ActuatorSensor actuator;
  actuator.SetRegion(actuatorTip);
  actuator.SetElementType("U1");
  actuator.SetCoordinateCount(3);
  actuator.SetDofLine("1, 2, 3");
  actuator.SetVariables(1, {0.5});
  actuator.SetPropertyName("Gain");
  b.AddInteraction("Act-1", actuator);
  return b;
}

class InteractionPropertyDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return PropertyDeckModel(); }
};

TEST_F(InteractionPropertyDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/interactions/golden/interaction_properties_part_based.inp",
                    "aif/interactions/golden/interaction_properties_flat.inp");
}

TEST_F(InteractionPropertyDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

}  // namespace
