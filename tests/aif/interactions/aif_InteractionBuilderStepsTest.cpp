// The interaction builder's step-dependent pass: film and radiation
// conditions, Explicit general contact, acoustic impedance, incident waves
// and pressure penetration written in the steps that create, change or
// deactivate them, and restated with ", op=NEW" where their kind starts
// afresh (a deactivation of the kind, or the steps a restart resumes with).
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kinC_AcousticImpedance.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kinC_PressurePenetration.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "support/aif_BuilderRun.h"

namespace {

using SpRun = aif_test::BuilderRun<aif_InteractionBuilder>;
using SpStatuses = std::initializer_list<std::pair<const char*, int>>;

constexpr char kSpBanner[] = "** \n** INTERACTIONS\n** \n";

// A part of two bricks placed once as "I-1"; the static steps `steps`
// ("Pert-..." ones perturbation steps); the expression fields "Expr"
// (1 + x) and "Sink" (2), each a factor of the state's value.
hst_ModelBuilder SpModel(std::initializer_list<const char*> steps) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(2, 1, 1));
  b.AddInstance("I-1", "P");
  for (const char* step : steps) {
    const bool perturbation = std::string(step).rfind("Pert", 0) == 0;
    b.AddStep(step, hst_ModelBuilder::MakeStep<kprC_StaticStep>(false, perturbation));
  }
  kfdC_ExpressionField expression;
  expression.constant = 1.0;
  expression.gradient = {1.0, 0.0, 0.0};
  b.AddAnalyticalField("Expr", expression);
  kfdC_ExpressionField sink;
  sink.constant = 2.0;
  b.AddAnalyticalField("Sink", sink);
  return b;
}

// Face S3 of element 1 of I-1 ("I-1.Surf-1"), node 1 of I-1 ("I-1.Set-1").
rgnC_Region SpFaces() {
  rgnC_Region region("Surf-1", {"Assembly", "I-1"});
  region.SetKernelElementIndices(1, {0}, {"S3"});
  return region;
}
rgnC_Region SpNodes() {
  rgnC_Region region("Set-1", {"Assembly", "I-1"});
  region.SetKernelNodeIndices(1, {0});
  return region;
}

// A film condition of coefficient definition `definition` (field "Expr"
// when 3) and sink definition `sink` (field "Sink" when 1), sink 300 and
// coefficient 2 with `statuses`.
template <class Film, class State>
Film SpFilm(int definition, int sink, SpStatuses statuses) {
  Film film;
  film.SetFilmCoefficientDefinition(definition);
  film.SetSinkDefinition(sink);
  if (definition == 3) film.SetFieldName("Expr");
  if (sink == 1) film.SetSinkFieldName("Sink");
  State state;
  state.SetSinkTemperature({300.0, 1});
  state.SetFilmCoefficient({2.0, 1});
  if constexpr (std::is_same_v<State, kinC_ConcFilmConditionState>) state.SetNodalArea({0.25, 1});
  for (const auto& [step, status] : statuses)
    film.SetState(step, status, state);
  return film;
}
kinC_FilmCondition SpSurfaceFilm(int definition, int sink, SpStatuses statuses) {
  auto film = SpFilm<kinC_FilmCondition, kinC_FilmConditionState>(definition, sink, statuses);
  film.SetRegion(SpFaces());
  return film;
}
kinC_ConcFilmCondition SpNodalFilm(int definition, SpStatuses statuses) {
  auto film = SpFilm<kinC_ConcFilmCondition, kinC_ConcFilmConditionState>(definition, 0, statuses);
  film.SetRegion(SpNodes());
  return film;
}

// Radiation to ambient 20 with emissivity 0.5 (distributed by "Expr" when
// `field`).
template <class Radiation, class State>
Radiation SpRadiation(bool field, SpStatuses statuses) {
  Radiation radiation;
  if (field) radiation.SetFieldName("Expr");
  State state;
  state.SetSinkTemperature({20.0, 1});
  state.SetEmissivity({0.5, 1});
  if constexpr (std::is_same_v<State, kinC_ConcRadiationToAmbientState>)
    state.SetNodalArea({0.25, 1});
  for (const auto& [step, status] : statuses)
    radiation.SetState(step, status, state);
  return radiation;
}
kinC_RadiationToAmbient SpSurfaceRadiation(bool field, SpStatuses statuses) {
  auto radiation =
      SpRadiation<kinC_RadiationToAmbient, kinC_RadiationToAmbientState>(field, statuses);
  radiation.SetRegion(SpFaces());
  return radiation;
}
kinC_ConcRadiationToAmbient SpNodalRadiation(SpStatuses statuses) {
  auto radiation =
      SpRadiation<kinC_ConcRadiationToAmbient, kinC_ConcRadiationToAmbientState>(false, statuses);
  radiation.SetRegion(SpNodes());
  return radiation;
}

// Explicit general contact of the whole model.
kinC_ContactExp SpContact(SpStatuses statuses) {
  kinC_ContactExp contact;
  kinC_ContactExpState state;
  state.SetWholeModel(true);
  state.inclusions = {{true, 1}};
  for (const auto& [step, status] : statuses)
    contact.SetState(step, status, state);
  return contact;
}

// An impedance on "I-1.Surf-1" naming the property "<step>-Imp" in each
// step of `statuses`.
kinC_AcousticImpedance SpImpedance(SpStatuses statuses) {
  kinC_AcousticImpedance impedance;
  impedance.SetRegion(SpFaces());
  for (const auto& [step, status] : statuses)
    impedance.SetStepProperty(step, status, std::string(step) + "-Imp");
  return impedance;
}

// The impedance line of `step`'s property.
std::string SpImpedanceLines(const char* step, bool newOp = false) {
  return "*Simpedance, property=" + std::string(step) + "-Imp" + (newOp ? ", op=NEW" : "") +
         "\nI-1.Surf-1\n";
}

std::string SpComment(const char* name, const char* field = nullptr) {
  return std::string("** Interaction: ") + name +
         (field ? std::string(" Using Analytical Field: ") + field : std::string()) + "\n";
}

const std::string kSpSfilm = "I-1.Surf-1, F, 300., 2.\n";

}  // namespace

// Only Explicit general contact is written in the initial step; a film
// created there is first written where it changes. The contact, carried
// over, is written again only where it is deactivated.
TEST(aif_InteractionBuilderSteps, InitialStepHoldsOnlyExplicitGeneralContact) {
  hst_ModelBuilder b = SpModel({"Step-1", "Step-2"});
  b.AddInteraction("GC", SpContact({{"Initial", 1}, {"Step-1", 2}, {"Step-2", 4}}));
  b.AddInteraction("Film-1", SpSurfaceFilm(0, 0, {{"Initial", 1}, {"Step-1", 2}, {"Step-2", 3}}));
  b.AddInteraction("Rad-1", SpSurfaceRadiation(false, {{"Initial", 1}, {"Step-1", 2}}));
  const SpRun run(b);
  const std::string contact =
      SpComment("GC") + "*Contact, op=NEW\n*Contact Inclusions, ALL EXTERIOR\n";
  EXPECT_EQ(kSpBanner + contact, run.Step("Initial"));
  EXPECT_EQ("", run.Step("Step-1"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Film-1") + "*Sfilm\n" + kSpSfilm + SpComment("GC") +
                "*Contact, op=NEW\n",
            run.Step("Step-2"));
}

// A film carried over is written only where another film of its category
// is deactivated, then with op=NEW; films with an analytical-field
// coefficient (7) and the others (0) are restated independently.
TEST(aif_InteractionBuilderSteps, PropagatedFilmsRestatedWhereTheirCategoryIsDeactivated) {
  hst_ModelBuilder b = SpModel({"Step-1", "Step-2", "Step-3"});
  b.AddInteraction("Film-A", SpSurfaceFilm(0, 0, {{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 2}}));
  b.AddInteraction("Film-B", SpSurfaceFilm(0, 0, {{"Step-1", 1}, {"Step-2", 4}}));
  b.AddInteraction("Film-F", SpSurfaceFilm(3, 1, {{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 4}}));
  // A sink field alone: category 0, written as "*Film".
  b.AddInteraction("Film-S", SpSurfaceFilm(0, 1, {{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 2}}));
  const SpRun run(b);
  const std::string filmF = "I-1.1, F3, 600., 3.\n";
  const std::string filmS = "I-1.1, F3, 600., 2.\n";
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Film-A") + "*Sfilm\n" + kSpSfilm +
                SpComment("Film-B") + "*Sfilm\n" + kSpSfilm + SpComment("Film-F", "Expr, Sink") +
                "*Film\n" + filmF + SpComment("Film-S", ", Sink") + "*Film\n" + filmS,
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Film-A") + "*Sfilm, op=NEW\n" + kSpSfilm +
                SpComment("Film-B") + "*Sfilm, op=NEW\n" + SpComment("Film-S", ", Sink") +
                "*Film, op=NEW\n" + filmS,
            run.Step("Step-2"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Film-F", "Expr, Sink") + "*Film, op=NEW\n",
            run.Step("Step-3"));
}

// Concentrated films share one category whatever their definition;
// surface films, radiation and concentrated radiation have categories of
// their own.
TEST(aif_InteractionBuilderSteps, ConcentratedFilmsAndRadiation) {
  hst_ModelBuilder b = SpModel({"Step-1", "Step-2"});
  b.AddInteraction("Cfilm-0", SpNodalFilm(0, {{"Step-1", 1}, {"Step-2", 2}}));
  b.AddInteraction("Cfilm-3", SpNodalFilm(3, {{"Step-1", 1}, {"Step-2", 4}}));
  b.AddInteraction("Crad", SpNodalRadiation({{"Step-1", 1}, {"Step-2", 2}}));
  b.AddInteraction("Film-N", SpSurfaceFilm(0, 0, {{"Step-1", 1}, {"Step-2", 2}}));
  b.AddInteraction("Rad-E", SpSurfaceRadiation(true, {{"Step-1", 1}, {"Step-2", 2}}));
  b.AddInteraction("Rad-U", SpSurfaceRadiation(false, {{"Step-1", 3}, {"Step-2", 4}}));
  const SpRun run(b);
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Cfilm-0") + "*Cfilm\nI-1.Set-1, 0.25, 300., 2.\n" +
                SpComment("Cfilm-3", "Expr") + "*Cfilm\nI-1.1, 0.25, 300., 2.\n" +
                SpComment("Crad") + "*Cradiate\nI-1.Set-1, 0.25, 20., 0.5\n" + SpComment("Film-N") +
                "*Sfilm\n" + kSpSfilm + SpComment("Rad-E", "Expr") +
                "*Radiate\nI-1.1, R3, 20., 0.75\n" + SpComment("Rad-U") +
                "*Sradiate\nI-1.Surf-1, R, 20., 0.5\n",
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Cfilm-0") +
                "*Cfilm, op=NEW\nI-1.Set-1, 0.25, 300., 2.\n" + SpComment("Cfilm-3", "Expr") +
                "*Cfilm, op=NEW\n" + SpComment("Rad-E", "Expr") +
                "*Radiate, op=NEW\nI-1.1, R3, 20., 0.75\n" + SpComment("Rad-U") +
                "*Sradiate, op=NEW\n",
            run.Step("Step-2"));
}

// An impedance of status 8 is written (with the initial step's property)
// until its name is known; status 2 writes it while its name is unknown or
// its category is restated (Imp-X deactivated in Step-3). One deactivated
// in the initial step writes nothing there.
TEST(aif_InteractionBuilderSteps, AcousticImpedanceWrittenOnceAndRestated) {
  hst_ModelBuilder b = SpModel({"Step-1", "Step-2", "Step-3"});
  b.AddInteraction("Imp-0",
                   SpImpedance({{"Initial", 1}, {"Step-1", 8}, {"Step-2", 2}, {"Step-3", 8}}));
  b.AddInteraction("Imp-1", SpImpedance({{"Step-1", 1}, {"Step-2", 8}, {"Step-3", 2}}));
  b.AddInteraction("Imp-D", SpImpedance({{"Initial", 4}}));
  b.AddInteraction("Imp-X", SpImpedance({{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 4}}));
  const SpRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Imp-0") + SpImpedanceLines("Initial") +
                SpComment("Imp-1") + SpImpedanceLines("Step-1") + SpComment("Imp-X") +
                SpImpedanceLines("Step-1"),
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Imp-0") + SpImpedanceLines("Step-2"),
            run.Step("Step-2"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Imp-1") + SpImpedanceLines("Step-3", true) +
                SpComment("Imp-X") + "*Simpedance, op=NEW\n",
            run.Step("Step-3"));
}

// Names carried by a perturbation step are not known afterwards: an
// impedance carried over is written in the perturbation step and again in
// the general step after it, then no more.
TEST(aif_InteractionBuilderSteps, PerturbationStepsRecordNoNames) {
  hst_ModelBuilder b = SpModel({"Pert-1", "Step-2", "Step-3"});
  b.AddInteraction("Imp",
                   SpImpedance({{"Initial", 1}, {"Pert-1", 2}, {"Step-2", 2}, {"Step-3", 2}}));
  const SpRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Imp") + SpImpedanceLines("Pert-1"),
            run.Step("Pert-1"));
  EXPECT_EQ(std::string(kSpBanner) + SpComment("Imp") + SpImpedanceLines("Step-2"),
            run.Step("Step-2"));
  EXPECT_EQ("", run.Step("Step-3"));
}

namespace {

// "PP" on the (suppressed) contact "CP-1" from I-1.Pen-1 with the partner
// I-1.Part-1: amplitude Amp-1, penetration time 0.5, pressure 1.5,
// critical pressure 10.
kinC_PressurePenetration SpPenetration(SpStatuses statuses) {
  kinC_PressurePenetration penetration;
  penetration.SetContactInteraction("CP-1");
  penetration.SetRegions({rgnC_Region("Pen-1", {"Assembly", "I-1"})},
                         {rgnC_Region("Part-1", {"Assembly", "I-1"})});
  kinC_PressurePenetrationState state;
  state.SetAmplitude("Amp-1");
  state.SetPenetrationTime(0.5);
  state.SetValues({1.5}, {10.0});
  for (const auto& [step, status] : statuses)
    penetration.SetStepState(step, status, state);
  return penetration;
}

kinC_SurfaceToSurfaceContactStd SpPenetrationContact() {
  kinC_SurfaceToSurfaceContactStd contact;
  contact.SetSurfaces(rgnC_Region("Master", {"Assembly", "I-1"}),
                      rgnC_Region("Slave", {"Assembly", "I-1"}));
  contact.SetSuppressed(true);
  return contact;
}

// A pressure-amplitude wave on I-1.Surf-1 from I-1.Source with the standoff
// I-1.Standoff.
kinC_IncidentWave SpWave(SpStatuses statuses) {
  kinC_IncidentWave wave;
  wave.SetDefinition(kinC_IncidentWave::kPressureAmplitude);
  wave.SetPropertyName("Wave prop");
  wave.SetMagnitude(2.5);
  wave.SetRealAmplitude("Amp-1");
  wave.SetFirstRegion(SpFaces());
  wave.SetSecondRegion(rgnC_Region("Source", {"Assembly", "I-1"}));
  wave.SetThirdRegion(rgnC_Region("Standoff", {"Assembly", "I-1"}));
  for (const auto& [step, status] : statuses)
    wave.SetStatus(step, status);
  return wave;
}

}  // namespace

// Every kind created in Step-1 and carried over. A restart resuming at the
// end of Step-1 restates every kind with op=NEW in the perturbation step
// after it and in the first general step, not later; the incident wave is
// written only where it is created. Without the restart nothing is written
// after Step-1.
TEST(aif_InteractionBuilderSteps, RestartRestatesEveryKindUpToTheFirstGeneralStep) {
  hst_ModelBuilder b = SpModel({"Step-1", "Pert-2", "Step-3", "Step-4"});
  const SpStatuses carried = {{"Step-1", 1}, {"Pert-2", 2}, {"Step-3", 2}, {"Step-4", 2}};
  b.AddInteraction("CP-1", SpPenetrationContact());
  b.AddInteraction("Cfilm", SpNodalFilm(0, carried));
  b.AddInteraction("Crad", SpNodalRadiation(carried));
  b.AddInteraction("Film", SpSurfaceFilm(0, 0, carried));
  b.AddInteraction(
      "GC",
      SpContact({{"Initial", 1}, {"Step-1", 2}, {"Pert-2", 2}, {"Step-3", 2}, {"Step-4", 2}}));
  b.AddInteraction("Imp", SpImpedance(carried));
  b.AddInteraction("PP", SpPenetration(carried));
  b.AddInteraction("Rad", SpSurfaceRadiation(false, carried));
  // The wave, modified and then deactivated, is still written only in
  // Step-1.
  b.AddInteraction("Wave", SpWave({{"Step-1", 1}, {"Pert-2", 2}, {"Step-3", 3}, {"Step-4", 4}}));
  b.AddInteractionProperty("Wave prop", kinC_IncidentWaveProperty());

  auto lines = [](const char* step, bool newOp, const char* penetrationTime) {
    const std::string op = newOp ? ", op=NEW" : "";
    return std::string(kSpBanner) + SpComment("Cfilm") + "*Cfilm" + op +
           "\nI-1.Set-1, 0.25, 300., 2.\n" + SpComment("Crad") + "*Cradiate" + op +
           "\nI-1.Set-1, 0.25, 20., 0.5\n" + SpComment("Film") + "*Sfilm" + op + "\n" + kSpSfilm +
           (newOp ? SpComment("GC") + "*Contact, op=NEW\n*Contact Inclusions, ALL EXTERIOR\n"
                  : std::string()) +
           SpComment("Imp") + SpImpedanceLines(step, newOp) + SpComment("PP") +
           "*Pressure Penetration, master=I-1.Master, slave=I-1.Slave" + op + ", amplitude=Amp-1" +
           penetrationTime + "\nI-1.Pen-1, I-1.Part-1, 1.5, 10.\n" + SpComment("Rad") +
           "*Sradiate" + op + "\nI-1.Surf-1, R, 20., 0.5\n";
  };
  const std::string wave = SpComment("Wave") +
                           "*Incident Wave Interaction, pressure amplitude=Amp-1, "
                           "property=\"Wave prop\"\nI-1.Standoff, I-1.Surf-1, I-1.Source, 2.5\n";
  const std::string created = lines("Step-1", false, ", penetration time=0.5") + wave;
  {
    const SpRun run(b);
    EXPECT_EQ(created, run.Step("Step-1"));
    for (const char* step : {"Pert-2", "Step-3", "Step-4"})
      EXPECT_EQ("", run.Step(step)) << step;
  }
  b.MutableModel().SetRestart("Job-0", "Step-1", 5, true);
  {
    const SpRun run(b, ajbC_RESTART);
    EXPECT_EQ(created, run.Step("Step-1"));
    EXPECT_EQ(lines("Pert-2", true, ""), run.Step("Pert-2"));
    EXPECT_EQ(lines("Step-3", true, ", penetration time=0.5"), run.Step("Step-3"));
    EXPECT_EQ("", run.Step("Step-4"));
  }
}

// The step-dependent keywords follow the per-interaction pass's under the
// step's one banner; a suppressed interaction writes nothing, and a
// suppressed step is skipped.
TEST(aif_InteractionBuilderSteps, OneBannerPerStepAndSuppressedInteractions) {
  hst_ModelBuilder b = SpModel({"Step-1"});
  b.AddStep("Step-2", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  kinC_ModelChange activation;
  activation.SetActivation(true);
  activation.SetState("Step-1", 1, kinC_ModelChangeState());
  activation.SetModified("Step-1", true);
  b.AddInteraction("MC-A", activation);
  b.AddInteraction("Rad", SpSurfaceRadiation(false, {{"Step-1", 1}, {"Step-2", 3}}));
  kinC_FilmCondition hidden = SpSurfaceFilm(0, 0, {{"Step-1", 1}, {"Step-2", 4}});
  hidden.SetSuppressed(true);
  b.AddInteraction("Film-0", hidden);
  kinC_ContactExp hiddenContact = SpContact({{"Initial", 1}});
  hiddenContact.SetSuppressed(true);
  b.AddInteraction("GC-0", hiddenContact);
  const SpRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ(std::string(kSpBanner) + "** Interaction: MC-A\n*Model Change, activate\n" +
                SpComment("Rad") + "*Sradiate\nI-1.Surf-1, R, 20., 0.5\n",
            run.Step("Step-1"));
  EXPECT_EQ("", run.Step("Step-2"));
}
