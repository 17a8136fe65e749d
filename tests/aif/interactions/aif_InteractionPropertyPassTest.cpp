// The interaction builder's property pass: every interaction property under
// one "INTERACTION PROPERTIES" banner, the behaviour keywords of a contact
// property in their fixed order, the copies under generated names that
// changing contact names (pairs and general contact, Standard and
// input-file jobs only), the properties incident waves and actuators/sensors
// reach through their interactions, and the errors that stop the write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kinC_AcousticImpedanceProp.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "aif/interactions/aif_GeneralContactTestModel.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

using PpRun = aif_test::BuilderRun<aif_InteractionBuilder>;
using aif_gc_test::GcLines;

const std::string kPpBanner = GcLines({"** ", "** INTERACTION PROPERTIES", "** "});

// A block placed once as Block-1 and the steps Step-1 and Step-2.
hst_ModelBuilder PpModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  return b;
}

// The region `name` of Block-1 over its first node.
rgnC_Region PpRegion(const char* name) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelInstanceIds({1u});
  region.SetKernelNodeIndices(1, {0});
  return region;
}

// A contact property with a friction coefficient, so that copies tell
// whose they are.
kinC_ContactProperty PpFriction(double coefficient) {
  kinC_ContactProperty property;
  kinC_TangentialBehavior& friction = property.Set<kinC_TangentialBehavior>();
  friction.formulation = 1;
  friction.table = cow_2DArray<double>({{coefficient}});
  return property;
}

// The block a property of PpFriction writes in Standard, or in an
// input-file job (no slip tolerance there).
std::string PpFrictionBlock(const std::string& name, const char* coefficient,
                            kprC_AnalysisProductEnm product = kprC_STANDARD) {
  std::string data(" ");
  data.append(coefficient).append(",");
  return GcLines({"*Surface Interaction, name=" + name, "1.,",
                  product == kprC_STANDARD ? "*Friction, slip tolerance=0.005" : "*Friction",
                  data});
}

// A Standard surface-to-surface pair created in the initial step with
// `first`, carried into Step-1 and given `second` (modified when it differs)
// in Step-2.
kinC_SurfaceToSurfaceContactStd PpPair(const char* first, const char* second) {
  using State = kinC_SurfaceToSurfaceContactStdState;
  kinC_SurfaceToSurfaceContactStd pair;
  pair.SetSurfaces(PpRegion("Master"), PpRegion("Slave"));
  pair.SetCreateStepName("Initial");
  const auto state = [](const char* property, bool modified) {
    State s;
    s.SetInteractionProperty(property, modified ? 1 : 2, modified);
    s.SetActive(true, 2, false);
    return s;
  };
  pair.SetState("Initial", 1, state(first, true));
  pair.SetModified("Initial", true);
  pair.SetState("Step-1", 2, state(first, false));
  const bool changes = std::string(first) != second;
  pair.SetState("Step-2", changes ? 3 : 2, state(second, changes));
  pair.SetModified("Step-2", changes);
  return pair;
}

// A general contact of the whole model with `count` property assignments.
kinC_ContactStd PpGeneralContact(std::size_t count) {
  kinC_ContactStd contact;
  for (std::size_t i = 0; i < count; ++i)
    contact.propertyAssignments.Append(aif_gc_test::GcPair("Top", "Bottom"));
  return contact;
}

kinC_ContactExpState PpGeneralState(cow_List<mdl_PropAttr<cow_String>> properties) {
  kinC_ContactExpState state;
  state.SetWholeModel(true);
  state.properties = std::move(properties);
  return state;
}

// An incident wave on Block-1's "Skin" naming `property`, created in Step-1.
kinC_IncidentWave PpWave(const char* property, double waveValue) {
  kinC_IncidentWave wave;
  wave.SetDefinition(kinC_IncidentWave::kUndex);
  wave.SetFirstRegion(PpRegion("Skin"));
  wave.SetSecondRegion(PpRegion("Source"));
  wave.SetThirdRegion(PpRegion("Standoff"));
  wave.SetPropertyName(property);
  wave.SetWaveValue(waveValue);
  wave.SetWaveSegment(gsl_ModelSegment({0, 0, 0}, {0, 0, 1}));
  wave.SetStatus("Step-1", 1);
  return wave;
}

// A sphere with an UNDEX charge: the wave keyword's two values, then the
// charge's four lines.
kinC_IncidentWaveProperty PpWaveProperty() {
  kinC_IncidentWaveProperty property;
  property.SetWaveType(kinC_IncidentWaveProperty::kSphere);
  property.SetSourceDefinition(kinC_IncidentWaveProperty::kUndexCharge);
  property.SetFluidDensity(1000.0);
  property.SetSoundSpeed(1500.0);
  property.SetChargeK(5.0);
  property.SetIntegrationSteps(4);
  return property;
}

kinC_ActuatorSensor PpActuator(const rgnC_Region& region, const char* property) {
  kinC_ActuatorSensor actuator;
  actuator.SetRegion(region);
  actuator.SetPropertyName(property);
  actuator.SetElementType("U1");
  actuator.SetVariables(1, {});
  actuator.SetDofLine("1");
  return actuator;
}

// The message of the aif_Exception that building `b` throws; "" when none.
std::string PpBuildError(const hst_ModelBuilder& b) {
  try {
    const PpRun run(b);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "";
}

}  // namespace

// Nothing to write, no banner: an empty model, and a model whose only
// properties are of the kinds that interactions reach (an incident-wave and
// an actuator/sensor property no interaction names). A contact property
// without options is its keyword and data line alone.
TEST(aif_InteractionPropertyPass, NoPropertiesNoBanner) {
  hst_ModelBuilder b = PpModel();
  EXPECT_EQ("", PpRun(b).Definition());
  b.AddInteractionProperty("Wave", PpWaveProperty());
  b.AddInteractionProperty("Uel", kinC_ActuatorSensorProp());
  EXPECT_EQ("", PpRun(b).Definition());
  b.AddInteractionProperty("Plain", kinC_ContactProperty());
  EXPECT_EQ(kPpBanner + GcLines({"*Surface Interaction, name=Plain", "1.,"}),
            PpRun(b).Definition());
}

// The behaviour keywords stand in one fixed order whatever order the
// options were defined in, the three damage keywords after the cohesive
// behaviour; a fracture criterion alone brings a bare surface behaviour.
// Film, cavity-radiation and impedance properties follow in key order, one
// banner for all.
TEST(aif_InteractionPropertyPass, BehaviourKeywordsInTheirOrder) {
  hst_ModelBuilder b = PpModel();
  kinC_ContactProperty all;
  kinC_GapRadiation radiation;
  radiation.first = 0.8;
  radiation.second = 0.6;
  all.Set(radiation);
  all.Set(kinC_GapHeatGeneration{0.9, 0.4});
  kinC_GapConductance conductance;
  conductance.definition = 1;
  all.Set(conductance);
  kinC_ContactDamping damping;
  damping.table = {{0.5, 0.0}};
  all.Set(damping);
  kinC_FractureCriterion fracture;
  fracture.table = {{1.0, 2.0, 3.0}};
  all.Set(fracture);
  kinC_CohesiveDamage damage;
  damage.criterion = 2;
  damage.dependencies = 1;
  damage.table = cow_2DArray<double>({{10, 20, 0.5}});
  damage.evolution = true;
  damage.evolutionType = 1;
  damage.softening = 1;
  damage.mixedMode = true;
  damage.mixedModeBehavior = 2;
  damage.tractionModeMix = 1;
  damage.power = 2.0;
  damage.evolutionTemperatureDependency = true;
  damage.evolutionTable = cow_2DArray<double>({{0.5, 20}});
  damage.stabilization = true;
  damage.stabilizationCoefficient = 0.002;
  all.Set(damage);
  all.Set(kinC_CohesiveBehavior());
  all.Set(kinC_NormalBehavior());
  kinC_TangentialBehavior& friction = all.Set<kinC_TangentialBehavior>();
  friction.formulation = 1;
  friction.table = cow_2DArray<double>({{0.3}});
  all.Set(kinC_ContactSection{2.5, 0.1});
  b.AddInteractionProperty("All", all);

  kinC_ContactProperty fractureOnly;
  fractureOnly.Set(fracture);
  b.AddInteractionProperty("Debond", fractureOnly);

  kinC_FilmConditionProp film;
  film.SetTable({{10.0, 20.0}});
  b.AddInteractionProperty("Film", film);
  kinC_CavityRadiationProp cavity;
  cavity.SetTable({{0.8, 20.0}});
  b.AddInteractionProperty("Emit", cavity);
  kinC_AcousticImpedanceProp impedance;
  impedance.SetTable({{1.0, 2.0}});
  b.AddInteractionProperty("Imp", impedance);

  EXPECT_EQ(kPpBanner + GcLines({
                            "*Surface Interaction, name=All",
                            "2.5,",
                            "*Friction, slip tolerance=0.005",
                            " 0.3,",
                            "*Surface Behavior",
                            "*Cohesive Behavior",
                            "*Damage Initiation, criterion=QUADS, dependencies=1",
                            " 10., 20., , 0.5",
                            "*Damage Evolution, type=ENERGY, softening=EXPONENTIAL, mixed mode "
                            "behavior=BK, mode mix ratio=TRACTION, power=2.",
                            " 0.5, 20.",
                            "*Damage Stabilization",
                            "0.002",
                            "*Fracture Criterion, type=VCCT, mixed mode behavior=BK, normal "
                            "direction=MTS",
                            " 1., 2., 3.",
                            "*Contact Damping, definition=DAMPING COEFFICIENT",
                            "0.5, ",
                            "*Gap Conductance, user",
                            "*Gap Heat Generation",
                            "0.9, 0.4",
                            "*Gap Radiation",
                            "0.6, 0.8",
                            "*Surface Interaction, name=Debond",
                            "1.,",
                            "*Surface Behavior",
                            "*Fracture Criterion, type=VCCT, mixed mode behavior=BK, normal "
                            "direction=MTS",
                            " 1., 2., 3.",
                            "*Surface Property, name=Emit",
                            "*Emissivity",
                            "0.8, 20.",
                            "*Film Property, name=Film",
                            "10., 20.",
                            "*Impedance Property, name=Imp, data=IMPEDANCE",
                            " 1., 2.",
                        }),
            PpRun(b).Definition());
}

// A pair whose property changes between steps names "_<pair>-Prop": the
// property it starts with is written under its own name and again under
// that name, in Standard and in an input-file job. Explicit names the
// properties themselves and gets no copy; a pair whose property stays gets
// none either. A name that needs quotes is quoted whole.
TEST(aif_InteractionPropertyPass, ChangingPairPropertyCopied) {
  const auto model = [](kprC_AnalysisProductEnm product, const char* pairName, const char* second) {
    hst_ModelBuilder b = PpModel();
    b.Steps().SetAnalysisProduct(product);
    b.AddInteractionProperty("Rough", PpFriction(0.3));
    b.AddInteractionProperty("Smooth", PpFriction(0.1));
    b.AddInteraction(pairName, PpPair("Rough", second));
    return b;
  };
  for (kprC_AnalysisProductEnm product : {kprC_STANDARD, kprC_INPUT_FILE}) {
    SCOPED_TRACE(product);
    const std::string own =
        PpFrictionBlock("Rough", "0.3", product) + PpFrictionBlock("Smooth", "0.1", product);
    EXPECT_EQ(kPpBanner + own + PpFrictionBlock("_CP-1-Prop", "0.3", product),
              PpRun(model(product, "CP-1", "Smooth")).Definition());
    EXPECT_EQ(kPpBanner + own + PpFrictionBlock("\"_CP 1-Prop\"", "0.3", product),
              PpRun(model(product, "CP 1", "Smooth")).Definition());
    EXPECT_EQ(kPpBanner + own, PpRun(model(product, "CP-1", "Rough")).Definition());
  }
  EXPECT_EQ(kPpBanner + GcLines({"*Surface Interaction, name=Rough", "*Friction", " 0.3,",
                                 "*Surface Interaction, name=Smooth", "*Friction", " 0.1,"}),
            PpRun(model(kprC_EXPLICIT, "CP-1", "Smooth")).Definition());
  // A suppressed pair names nothing.
  hst_ModelBuilder suppressed = PpModel();
  suppressed.AddInteractionProperty("Rough", PpFriction(0.3));
  suppressed.AddInteractionProperty("Smooth", PpFriction(0.1));
  kinC_SurfaceToSurfaceContactStd pair = PpPair("Rough", "Smooth");
  pair.SetSuppressed(true);
  suppressed.AddInteraction("CP-1", pair);
  EXPECT_EQ(kPpBanner + PpFrictionBlock("Rough", "0.3") + PpFrictionBlock("Smooth", "0.1"),
            PpRun(suppressed).Definition());
}

// General contact gets one copy per property assignment of the step that
// creates it, "_<name>-Prop<j>" for the assignment at position j (from 1),
// a copy of the property assigned there: the names its assignments and its
// "*Change Friction" lines use. An assignment unset in that step, or
// naming no property, gets none; a property a later step assigns gets none
// either (its change names the copy of the position it changes). Explicit
// gets no copies.
TEST(aif_InteractionPropertyPass, GeneralContactCopiesPerAssignment) {
  const auto model = [](kprC_AnalysisProductEnm product) {
    hst_ModelBuilder b = PpModel();
    b.Steps().SetAnalysisProduct(product);
    b.AddInteractionProperty("A", PpFriction(0.1));
    b.AddInteractionProperty("B", PpFriction(0.2));
    b.AddInteractionProperty("C", PpFriction(0.3));
    return b;
  };
  const std::string own =
      PpFrictionBlock("A", "0.1") + PpFrictionBlock("B", "0.2") + PpFrictionBlock("C", "0.3");
  for (kprC_AnalysisProductEnm product : {kprC_STANDARD, kprC_INPUT_FILE}) {
    SCOPED_TRACE(product);
    hst_ModelBuilder b = model(product);
    kinC_ContactStd contact = PpGeneralContact(2);
    contact.SetState("Initial", 1, PpGeneralState({{"B", 1, true}, {"A", 1, true}}));
    contact.SetState("Step-1", 2, PpGeneralState({{"B", 2}, {"A", 2}}));
    contact.SetState("Step-2", 3, PpGeneralState({{"B", 2}, {"C", 1, true}}));
    b.AddInteraction("GC", contact);
    const PpRun run(b);
    EXPECT_EQ(kPpBanner + PpFrictionBlock("A", "0.1", product) +
                  PpFrictionBlock("B", "0.2", product) + PpFrictionBlock("C", "0.3", product) +
                  PpFrictionBlock("_GC-Prop1", "0.2", product) +
                  PpFrictionBlock("_GC-Prop2", "0.1", product),
              run.Definition());
    EXPECT_EQ(GcLines({"** Interaction: GC", "*Change Friction, interaction=_GC-Prop2",
                       product == kprC_STANDARD ? "*Friction, slip tolerance=0.005" : "*Friction",
                       " 0.3,"}),
              run.Step("Step-2"));
  }
  {
    // The first assignment unset, the third naming no property: only the
    // second gets its copy, under its own position.
    hst_ModelBuilder b = model(kprC_STANDARD);
    kinC_ContactStd contact = PpGeneralContact(3);
    contact.SetState("Initial", 1,
                     PpGeneralState({mdl_PropAttr<cow_String>(), {"C", 1, true}, {"", 1, true}}));
    b.AddInteraction("GC", contact);
    EXPECT_EQ(kPpBanner + own + PpFrictionBlock("_GC-Prop2", "0.3"), PpRun(b).Definition());
  }
  {
    // Created in Step-1: the copies come from that step's assignments.
    hst_ModelBuilder b = model(kprC_STANDARD);
    kinC_ContactStd contact = PpGeneralContact(2);
    contact.SetState("Step-1", 1, PpGeneralState({{"C", 1, true}, {"A", 1, true}}));
    contact.SetState("Step-2", 3, PpGeneralState({{"B", 1, true}, {"A", 2}}));
    b.AddInteraction("GC", contact);
    EXPECT_EQ(
        kPpBanner + own + PpFrictionBlock("_GC-Prop1", "0.3") + PpFrictionBlock("_GC-Prop2", "0.1"),
        PpRun(b).Definition());
  }
  hst_ModelBuilder b = model(kprC_EXPLICIT);
  kinC_ContactStd contact = PpGeneralContact(2);
  contact.SetState("Initial", 1, PpGeneralState({{"B", 1, true}, {"A", 1, true}}));
  b.AddInteraction("GC", contact);
  EXPECT_EQ(kPpBanner + GcLines({"*Surface Interaction, name=A", "*Friction", " 0.1,",
                                 "*Surface Interaction, name=B", "*Friction", " 0.2,",
                                 "*Surface Interaction, name=C", "*Friction", " 0.3,"}),
            PpRun(b).Definition());
}

// An assignment a later step adds beyond those of the creating step has no
// definition, but the steps after it change its friction under its
// generated name: that name gets a copy of the property first assigned
// there, so that the deck names only properties it defines.
TEST(aif_InteractionPropertyPass, GeneralContactLaterAssignmentHasItsCopy) {
  hst_ModelBuilder b = PpModel();
  b.AddInteractionProperty("A", PpFriction(0.1));
  b.AddInteractionProperty("B", PpFriction(0.2));
  b.AddInteractionProperty("C", PpFriction(0.3));
  kinC_ContactStd contact = PpGeneralContact(2);
  contact.SetState("Initial", 1, PpGeneralState({{"A", 1, true}}));
  contact.SetState("Step-1", 3, PpGeneralState({{"B", 1, true}, {"C", 1, true}}));
  contact.SetState("Step-2", 3, PpGeneralState({{"B", 2}, {"A", 1, true}}));
  b.AddInteraction("GC", contact);
  const PpRun run(b);
  ajbC_CheckingMessages::Instance().Warnings().Clear();
  EXPECT_EQ(kPpBanner + PpFrictionBlock("A", "0.1") + PpFrictionBlock("B", "0.2") +
                PpFrictionBlock("C", "0.3") + PpFrictionBlock("_GC-Prop1", "0.1") +
                PpFrictionBlock("_GC-Prop2", "0.3"),
            run.Definition());
  EXPECT_EQ(GcLines({"** Interaction: GC", "*Change Friction, interaction=_GC-Prop2",
                     "*Friction, slip tolerance=0.005", " 0.1,"}),
            run.Step("Step-2"));
}

// A generated name that a property of the model already has would replace
// that property: the write stops with an error naming the interaction, the
// generated name and the property copied, for a pair and for general
// contact alike.
TEST(aif_InteractionPropertyPass, GeneratedNameClashStopsTheWrite) {
  hst_ModelBuilder pairModel = PpModel();
  pairModel.AddInteractionProperty("Rough", PpFriction(0.3));
  pairModel.AddInteractionProperty("Smooth", PpFriction(0.1));
  pairModel.AddInteractionProperty("_CP-1-Prop", PpFriction(0.5));
  pairModel.AddInteraction("CP-1", PpPair("Rough", "Smooth"));
  aif_test::ExpectDriverRefuses(
      pairModel,
      "The interaction CP-1 needs a property named _CP-1-Prop for Rough, but the "
      "model has an interaction property of that name already.",
      "PpPairClash");

  hst_ModelBuilder general = PpModel();
  general.AddInteractionProperty("A", PpFriction(0.1));
  general.AddInteractionProperty("_GC-Prop2", PpFriction(0.5));
  kinC_ContactStd contact = PpGeneralContact(2);
  contact.SetState("Initial", 1, PpGeneralState({{"A", 1, true}, {"A", 1, true}}));
  general.AddInteraction("GC", contact);
  EXPECT_EQ(
      "The interaction GC needs a property named _GC-Prop2 for A, but the model has an "
      "interaction property of that name already.",
      PpBuildError(general));
}

// The solver reads names without regard to letter case: a property of the
// model that differs from a generated name only in case clashes with it
// just the same.
TEST(aif_InteractionPropertyPass, GeneratedNameClashIgnoresLetterCase) {
  hst_ModelBuilder pairModel = PpModel();
  pairModel.AddInteractionProperty("Rough", PpFriction(0.3));
  pairModel.AddInteractionProperty("Smooth", PpFriction(0.1));
  pairModel.AddInteractionProperty("_cp-1-PROP", PpFriction(0.5));
  pairModel.AddInteraction("CP-1", PpPair("Rough", "Smooth"));
  aif_test::ExpectDriverRefuses(
      pairModel,
      "The interaction CP-1 needs a property named _CP-1-Prop for Rough, but the "
      "model has an interaction property of that name already.",
      "PpPairCaseClash");

  hst_ModelBuilder general = PpModel();
  general.AddInteractionProperty("A", PpFriction(0.1));
  general.AddInteractionProperty("_gc-PROP1", PpFriction(0.5));
  kinC_ContactStd contact = PpGeneralContact(1);
  contact.SetState("Initial", 1, PpGeneralState({{"A", 1, true}}));
  general.AddInteraction("GC", contact);
  EXPECT_EQ(
      "The interaction GC needs a property named _GC-Prop1 for A, but the model has an "
      "interaction property of that name already.",
      PpBuildError(general));
}

// A property name with an unpaired double quote cannot be written: the
// write stops naming it, whether the repository walk or an incident wave
// reaches it. Quotes around a whole name are fine.
TEST(aif_InteractionPropertyPass, UnpairedQuoteStopsTheWrite) {
  hst_ModelBuilder b = PpModel();
  b.AddInteractionProperty("Bad\"name", kinC_ContactProperty());
  aif_test::ExpectDriverRefuses(
      b,
      "The interaction property name Bad\"name holds an unpaired double quote "
      "and cannot be written to the input file.",
      "PpQuote");

  hst_ModelBuilder film = PpModel();
  film.AddInteractionProperty("Film\"", kinC_FilmConditionProp());
  EXPECT_EQ(
      "The interaction property name Film\" holds an unpaired double quote and cannot be "
      "written to the input file.",
      PpBuildError(film));

  hst_ModelBuilder wave = PpModel();
  wave.AddInteractionProperty("Wave\"1", PpWaveProperty());
  wave.AddInteraction("Wave-1", PpWave("Wave\"1", 1.0));
  EXPECT_EQ(
      "The interaction property name Wave\"1 holds an unpaired double quote and cannot be "
      "written to the input file.",
      PpBuildError(wave));
}

// Tables the behaviour keywords read are checked before anything of the
// property is filed: an exponential relation with fewer than two rows and
// a contact damping without a damping value stop the write, naming the
// property.
TEST(aif_InteractionPropertyPass, ShortTablesStopTheWrite) {
  hst_ModelBuilder b = PpModel();
  kinC_ContactProperty exponential;
  kinC_NormalBehavior& normal = exponential.Set<kinC_NormalBehavior>();
  normal.pressureOverclosure = 1;
  normal.exponentialTable = {{1000.0, 0.0}};
  b.AddInteractionProperty("Exp-1", exponential);
  aif_test::ExpectDriverRefuses(
      b,
      "The exponential pressure-overclosure relation of interaction property "
      "Exp-1 needs two rows of pressure and overclosure.",
      "PpExponential");

  hst_ModelBuilder damped = PpModel();
  kinC_ContactProperty damping;
  damping.Set(kinC_ContactDamping());
  damped.AddInteractionProperty("Damp 1", damping);
  EXPECT_EQ("The contact damping of interaction property Damp 1 has no damping value.",
            PpBuildError(damped));
}

// A property several waves share is written once, with the charge data of
// the first wave (in the interactions' order); a suppressed wave and a wave
// naming no property write nothing.
TEST(aif_InteractionPropertyPass, WavePropertyWrittenOnce) {
  hst_ModelBuilder b = PpModel();
  b.AddInteractionProperty("IWP", PpWaveProperty());
  b.AddInteractionProperty("Unused", PpWaveProperty());
  b.AddInteraction("Wave-A", PpWave("IWP", -40.0));
  b.AddInteraction("Wave-B", PpWave("IWP", 12.5));
  kinC_IncidentWave suppressed = PpWave("Unused", 3.0);
  suppressed.SetSuppressed(true);
  b.AddInteraction("Wave-C", suppressed);
  b.AddInteraction("Wave-D", PpWave("", 3.0));
  EXPECT_EQ(kPpBanner + GcLines({
                            "*Incident Wave Interaction Property, name=IWP, type=SPHERE",
                            "1000., 1500.",
                            "*UNDEX Charge Property",
                            "5., 0., 0., 0., 0., 0.",
                            "0., 0., 0., 0., 0.0, 0., 0.",
                            "0., 4, 0., 0., 0.",
                            "-40., 0., 0., 1.",
                        }),
            PpRun(b).Definition());
}

// Standard only: an actuator/sensor without a property writes the dummy
// comment and a "*Uel Property" of default values on its "_AS_" set; one
// with a property its comment and values. A set name that needs quotes
// carries the suffix inside them. A region no longer valid, or whose
// instances are gone, writes nothing; Explicit writes nothing.
TEST(aif_InteractionPropertyPass, ActuatorSensorProperties) {
  const auto model = [](kprC_AnalysisProductEnm product) {
    hst_ModelBuilder b = PpModel();
    b.Steps().SetAnalysisProduct(product);
    kinC_ActuatorSensorProp values;
    values.SetRealValues({1.5, 2.0});
    values.SetIntegerValues({3});
    b.AddInteractionProperty("Uel-1", values);
    b.AddInteraction("AS-1", PpActuator(PpRegion("Tip"), ""));
    b.AddInteraction("AS-2", PpActuator(PpRegion("my set"), "Uel-1"));
    rgnC_Region invalid = PpRegion("Gone");
    invalid.SetKernelValid(false);
    b.AddInteraction("AS-3", PpActuator(invalid, "Uel-1"));
    rgnC_Region orphan = PpRegion("Orphan");
    orphan.SetKernelInstancesExist(false);
    b.AddInteraction("AS-4", PpActuator(orphan, ""));
    return b;
  };
  EXPECT_EQ(kPpBanner + GcLines({
                            "** Interaction property: (dummy property), Type: Actuator/Sensor",
                            "*Uel Property, elset=Block-1.Tip_AS_",
                            "** Interaction property: Uel-1, Type: Actuator/Sensor",
                            "*Uel Property, elset=Block-1.\"my set_AS_\"",
                            "1.5, 2., 3",
                        }),
            PpRun(model(kprC_STANDARD)).Definition());
  EXPECT_EQ("", PpRun(model(kprC_EXPLICIT)).Definition());
}
