// "*Sfilm", "*Film" and "*Cfilm" of a film condition in a step: removed,
// uniform, and distributed by analytical, mapped and discrete fields over
// element faces and nodes, with every way an evaluation fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "OdbAttrEO/kinC_FilmCondition.h"
#include "aif/impl/interactions/aif_Cfilm.h"
#include "aif/impl/interactions/aif_Film.h"
#include "aif/impl/interactions/aif_Sfilm.h"
#include "aif_ThermalTestModel.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_TestSupport.h"

using aif_thermal_test::TakeMessages;

namespace {

// A film state: sink 300 with "Amp-1", coefficient 2 with "Amp-2", the
// property "Film Prop", nodal area 0.25.
template <class State>
State FilmTestState() {
  State state;
  state.SetSinkTemperature({300.0, 1});
  state.SetSinkAmplitude({"Amp-1", 1});
  state.SetFilmCoefficient({2.0, 1});
  state.SetFilmAmplitude({"Amp-2", 1});
  state.SetFilmProperty({"Film Prop", 1});
  return state;
}

// "Film-1" with coefficient definition `definition` (field "Coef" of it when
// 3 or 4) and sink definition `sink` (field "Sink"), status `status` in
// Step-1.
template <class Condition, class State>
Condition FilmTestCondition(int definition, int sink = 0, const char* coefficientField = "",
                            const char* sinkField = "", int status = 1) {
  Condition condition;
  condition.SetName("Film-1");
  condition.SetFilmCoefficientDefinition(definition);
  condition.SetSinkDefinition(sink);
  condition.SetFieldName(coefficientField);
  condition.SetSinkFieldName(sinkField);
  State state = FilmTestState<State>();
  if constexpr (std::is_same_v<State, kinC_ConcFilmConditionState>) state.SetNodalArea({0.25, 1});
  condition.SetState("Step-1", status, state);
  return condition;
}

kinC_FilmCondition SurfaceFilm(int definition, int sink = 0, const char* coefficientField = "",
                               const char* sinkField = "", int status = 1) {
  return FilmTestCondition<kinC_FilmCondition, kinC_FilmConditionState>(
      definition, sink, coefficientField, sinkField, status);
}

kinC_ConcFilmCondition NodalFilm(int definition, int sink = 0, const char* coefficientField = "",
                                 const char* sinkField = "", int status = 1) {
  return FilmTestCondition<kinC_ConcFilmCondition, kinC_ConcFilmConditionState>(
      definition, sink, coefficientField, sinkField, status);
}

// What `keyword` writes through a one-byte buffer, written once so that the
// checking messages hold what one write appends.
std::string FilmTestWrittenOnce(const akw_Keyword& keyword) {
  return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); }, 1);
}

std::string FilmText(kinC_FilmCondition condition, const aif_ModelInfo& info, bool keepOp = true,
                     bool stray = false) {
  condition.SetRegion(aif_thermal_test::Faces(stray));
  return FilmTestWrittenOnce(aif_Film(condition, "Step-1", keepOp, info));
}

std::string CfilmText(kinC_ConcFilmCondition condition, const aif_ModelInfo& info,
                      bool keepOp = true) {
  condition.SetRegion(aif_thermal_test::Nodes());
  return FilmTestWrittenOnce(aif_Cfilm(condition, "Step-1", keepOp, "Set-1", info));
}

const char* const kFilmTestCoefficientMessage =
    "\nDue to the failure of evaluating the film coefficient of surface\n film condition "
    "\"Film-1\" from analytical field \"%s\",\nthis interaction will be missing in the input "
    "file.";

std::string FilmTestMessage(std::string text, const std::string& field) {
  return text.replace(text.find("%s"), 2, field);
}

}  // namespace

TEST(aif_Film, RemovedConditionsWriteTheirKeywordLineAlone) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  // Removed conditions read no state: none is given.
  kinC_FilmCondition removed;
  removed.SetStatus("Step-1", 4);
  kinC_ConcFilmCondition nodal;
  nodal.SetStatus("Step-1", 4);
  for (const bool keepOp : {false, true}) {
    const std::string op = keepOp ? "" : ", op=NEW";
    EXPECT_EQ(aif_test::KeywordText(aif_Sfilm(removed, "Step-1", keepOp, "Surf-1")),
              "*Sfilm" + op + "\n");
    EXPECT_EQ(aif_test::KeywordText(aif_Film(removed, "Step-1", keepOp, info)),
              "*Film" + op + "\n");
    EXPECT_EQ(aif_test::KeywordText(aif_Cfilm(nodal, "Step-1", keepOp, "Set-1", info)),
              "*Cfilm" + op + "\n");
  }
}

TEST(aif_Film, SfilmLinesByCoefficientDefinition) {
  const auto text = [](const kinC_FilmCondition& condition, bool keepOp = true) {
    return aif_test::KeywordText(aif_Sfilm(condition, "Step-1", keepOp, "Surf-1"));
  };
  // A coefficient of the state takes both amplitudes.
  EXPECT_EQ(text(SurfaceFilm(0), false),
            "*Sfilm, amplitude=Amp-1, film amplitude=Amp-2, op=NEW\nSurf-1, F, 300., 2.\n");
  // A film property: the sink amplitude only, the property's printable name.
  EXPECT_EQ(text(SurfaceFilm(1)), "*Sfilm, amplitude=Amp-1\nSurf-1, F, 300., \"Film Prop\"\n");
  // A user coefficient: no amplitude at all, "FNU".
  EXPECT_EQ(text(SurfaceFilm(2)), "*Sfilm\nSurf-1, FNU, 300., 2.\n");
  // An active condition without a film state writes nothing.
  kinC_FilmCondition stateless;
  stateless.SetStatus("Step-1", 1);
  EXPECT_EQ(aif_test::ThrownText(aif_Sfilm(stateless, "Step-1", true, "Surf-1")),
            "out of range: film condition state: no state in step Step-1");
}

TEST(aif_Film, FilmFaceLinesFromEachKindOfField) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  // The amplitudes stand before ", op=NEW"; the face label is the face name
  // with "F" for its "S"; the coefficient 2 x (1 + x) at each face centroid.
  EXPECT_EQ(FilmText(SurfaceFilm(3, 0, "Expr"), info, false),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2, op=NEW\n"
            "I-1.1, F3, 300., 3.\n"
            "I-1.2, F4, 300., 6.\n"
            "I-2.1, FPOS, 300., 23.\n");
  // A sink field with a uniform coefficient: 300 x (1 + x), 2 unchanged.
  EXPECT_EQ(FilmText(SurfaceFilm(0, 1, "", "Expr"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "I-1.1, F3, 450., 2.\n"
            "I-1.2, F4, 900., 2.\n"
            "I-2.1, FPOS, 3450., 2.\n");
  // A discrete coefficient: element 1 of I-1 in the table (4), element 2
  // not (the default 0.5); I-2 has no table and keeps 2. The mapped sink
  // pairs with it face by face; its note goes to the warnings.
  EXPECT_EQ(FilmText(SurfaceFilm(4, 1, "Disc", "Mapped"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "I-1.1, F3, 600., 8.\n"
            "I-1.2, F4, 900., 1.\n"
            "I-2.1, FPOS, 600., 2.\n");
  EXPECT_EQ(TakeMessages(true),
            (std::vector<std::string>{model.mapped.note.Str(), model.mapped.note.Str()}));
  // A film property's name stands in place of the coefficient.
  EXPECT_EQ(FilmText(SurfaceFilm(1, 2, "", "Disc"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "I-1.1, F3, 1200., \"Film Prop\"\n"
            "I-1.2, F4, 150., \"Film Prop\"\n"
            "I-2.1, FPOS, 300., \"Film Prop\"\n");
  // Faces of an id without centroids are passed over, as every sibling
  // keyword passes them, whichever field leads.
  EXPECT_EQ(FilmText(SurfaceFilm(3, 2, "Expr", "Disc"), info, true, true),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "I-1.1, F3, 1200., 3.\n"
            "I-1.2, F4, 150., 6.\n"
            "I-2.1, FPOS, 300., 23.\n");
  EXPECT_EQ(FilmText(SurfaceFilm(4, 1, "Disc", "Expr"), info, true, true),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "I-1.1, F3, 450., 8.\n"
            "I-1.2, F4, 900., 1.\n"
            "I-2.1, FPOS, 3450., 2.\n");
  // Two expression fields read the centroids of one fetch.
  EXPECT_EQ(FilmText(SurfaceFilm(3, 1, "Expr", "Expr"), info, true, true),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "I-1.1, F3, 450., 3.\n"
            "I-1.2, F4, 900., 6.\n"
            "I-2.1, FPOS, 3450., 23.\n");
  // A mapped field over a region without mesh members has nothing to
  // evaluate: the keyword line alone, and no message.
  kinC_FilmCondition unmeshed = SurfaceFilm(3, 0, "Mapped");
  unmeshed.SetRegion(rgnC_Region("Set-2", {"Assembly"}));
  EXPECT_EQ(FilmTestWrittenOnce(aif_Film(unmeshed, "Step-1", true, info)),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n");
  EXPECT_TRUE(TakeMessages().empty());
}

// Lines name only members of instances whose mesh the file holds: an
// inactive or a mesh-locked I-2 gives no line, whichever field leads.
TEST(aif_Film, LinesLeaveOutInstancesWhoseMeshIsNotWritten) {
  hst_ModelBuilder::InstanceOptions inactive, locked;
  inactive.active = false;
  locked.locks = ftr_LOCK_MESH;
  for (const hst_ModelBuilder::InstanceOptions& second : {inactive, locked}) {
    aif_thermal_test::Model model(second);
    const aif_ModelInfo& info = model.Info();
    EXPECT_EQ(FilmText(SurfaceFilm(3, 1, "Expr", "Expr"), info),
              "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
              "I-1.1, F3, 450., 3.\n"
              "I-1.2, F4, 900., 6.\n");
    // The mapping and the discrete lookup see I-1 alone: one note.
    EXPECT_EQ(FilmText(SurfaceFilm(4, 1, "Disc", "Mapped"), info),
              "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
              "I-1.1, F3, 600., 8.\n"
              "I-1.2, F4, 900., 1.\n");
    EXPECT_EQ(TakeMessages(true), (std::vector<std::string>{model.mapped.note.Str()}));
    EXPECT_EQ(FilmText(SurfaceFilm(1, 2, "", "Disc"), info),
              "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
              "I-1.1, F3, 1200., \"Film Prop\"\n"
              "I-1.2, F4, 150., \"Film Prop\"\n");
    EXPECT_EQ(CfilmText(NodalFilm(3, 1, "Expr", "Expr"), info),
              "*Cfilm, amplitude=Amp-1\n"
              "I-1.1, 0.25, 300., 2.\n"
              "I-1.3, 0.25, 900., 6.\n");
    EXPECT_TRUE(TakeMessages().empty());
  }
}

TEST(aif_Film, FlatFileLabelsAreOffsetNumbers) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info(true);
  // I-2's elements follow I-1's two.
  EXPECT_EQ(FilmText(SurfaceFilm(3, 0, "Expr"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n"
            "1, F3, 300., 3.\n"
            "2, F4, 300., 6.\n"
            "3, FPOS, 300., 23.\n");
}

TEST(aif_Film, AFailedEvaluationLeavesTheKeywordLineAloneWithOneMessage) {
  aif_thermal_test::Model model;
  // The mapping fails for the second instance: the first's faces are not
  // written either.
  model.mapped.instanceFailures.Set(2, "No source point near I-2.");
  const aif_ModelInfo& info = model.Info();
  EXPECT_EQ(FilmText(SurfaceFilm(3, 0, "Mapped"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n");
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{"No source point near I-2." +
                                      FilmTestMessage(kFilmTestCoefficientMessage, "Mapped")}));
  // A sink field the model lacks, and a discrete field without the default
  // that element 2 of I-1 needs: the sink's own message, the field named as
  // its kind.
  EXPECT_EQ(FilmText(SurfaceFilm(0, 1, "", "Nowhere"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n");
  EXPECT_EQ(FilmText(SurfaceFilm(4, 0, "Bare"), info),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n");
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{
                "\nDue to the failure of evaluating the sink temperature of surface\nfilm "
                "condition \"Film-1\" from analytical field \"Nowhere\",\nthis interaction will "
                "be missing in the input file.",
                "\nDue to the failure of evaluating the film coefficient of surface\n film "
                "condition \"Film-1\" from discrete field \"Bare\",\nthis interaction will be "
                "missing in the input file."}));
  // A mapping short of values for I-2 fails rather than read past its end.
  model.mapped.instanceFailures.Clear();
  model.mapped.shortInstances = {2};
  const aif_ModelInfo& shortInfo = model.Info();
  EXPECT_EQ(FilmText(SurfaceFilm(0, 1, "", "Mapped"), shortInfo),
            "*Film, amplitude=Amp-1, film amplitude=Amp-2\n");
  EXPECT_EQ(TakeMessages().size(), 1u);
}

TEST(aif_Film, WithoutAnyFieldFilmIsAnError) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  EXPECT_EQ(aif_test::ThrownText(aif_Film(SurfaceFilm(0), "Step-1", true, info)),
            "*FILM must be used with a FIELD defintion for the Film Condition");
  EXPECT_EQ(aif_test::ThrownText(aif_Film(SurfaceFilm(1), "Step-1", false, info)),
            "*FILM must be used with a FIELD defintion for the Film Condition");
}

TEST(aif_Film, CfilmSetLineAndOptions) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  // No field: "set, nodal area, sink, coefficient".
  EXPECT_EQ(CfilmText(NodalFilm(0), info, false),
            "*Cfilm, amplitude=Amp-1, film amplitude=Amp-2, op=NEW\nSet-1, 0.25, 300., 2.\n");
  EXPECT_EQ(CfilmText(NodalFilm(1), info),
            "*Cfilm, amplitude=Amp-1\nSet-1, 0.25, 300., \"Film Prop\"\n");
  EXPECT_EQ(CfilmText(NodalFilm(2), info, false), "*Cfilm, user, op=NEW\nSet-1, 0.25, 300., 2.\n");
  // The region type only in an explicit step.
  kinC_ConcFilmCondition eulerian = NodalFilm(2);
  eulerian.SetRegionType(2);
  EXPECT_EQ(CfilmText(eulerian, info), "*Cfilm, user\nSet-1, 0.25, 300., 2.\n");
  eulerian.SetProcedureType("Step-1", kprC_ExplicitDynamicsStep::TypeId());
  EXPECT_EQ(CfilmText(eulerian, info),
            "*Cfilm, region type=EULERIAN, user\nSet-1, 0.25, 300., 2.\n");
  eulerian.SetRegionType(1);
  EXPECT_EQ(CfilmText(eulerian, info),
            "*Cfilm, region type=SLIDING, user\nSet-1, 0.25, 300., 2.\n");
  eulerian.SetRegionType(0);
  EXPECT_EQ(CfilmText(eulerian, info), "*Cfilm, user\nSet-1, 0.25, 300., 2.\n");
}

TEST(aif_Film, CfilmNodeLines) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  // Each node once; the coefficient 2 x (1 + x), the nodal area never
  // distributed.
  EXPECT_EQ(CfilmText(NodalFilm(3, 0, "Expr"), info),
            "*Cfilm, amplitude=Amp-1\n"
            "I-1.1, 0.25, 300., 2.\n"
            "I-1.3, 0.25, 300., 6.\n"
            "I-2.2, 0.25, 300., 24.\n");
  // A sink field with a film property: the property's name on every node
  // line, as on the set line (no number of the state is its coefficient).
  EXPECT_EQ(CfilmText(NodalFilm(1, 1, "", "Expr"), info),
            "*Cfilm, amplitude=Amp-1\n"
            "I-1.1, 0.25, 300., \"Film Prop\"\n"
            "I-1.3, 0.25, 900., \"Film Prop\"\n"
            "I-2.2, 0.25, 3600., \"Film Prop\"\n");
  // Both values from expressions, at the coordinates of one fetch.
  EXPECT_EQ(CfilmText(NodalFilm(3, 1, "Expr", "Expr"), info),
            "*Cfilm, amplitude=Amp-1\n"
            "I-1.1, 0.25, 300., 2.\n"
            "I-1.3, 0.25, 900., 6.\n"
            "I-2.2, 0.25, 3600., 24.\n");
  // A field the model lacks: the keyword line alone and the concentrated
  // message.
  EXPECT_EQ(CfilmText(NodalFilm(3, 0, "Nowhere"), info), "*Cfilm, amplitude=Amp-1\n");
  EXPECT_EQ(CfilmText(NodalFilm(0, 1, "", "Nowhere"), info),
            "*Cfilm, amplitude=Amp-1, film amplitude=Amp-2\n");
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{
                "\nDue to the failure of evaluating the film coefficient of concentrated\n film "
                "condition \"Film-1\" from analytical field \"Nowhere\",\nthis interaction will "
                "be missing in the input file.",
                "\nDue to the failure of evaluating the sink temperature of concentrated\n film "
                "condition \"Film-1\" from analytical field \"Nowhere\",\nthis interaction will "
                "be missing in the input file."}));
}

// The deck checker follows what the film and radiation keywords name: the
// lines the keywords write refer to a deck defining some names and lacking
// others.
TEST(aif_Film, TheDeckCheckerFollowsFilmAndRadiationReferences) {
  const std::string definitions =
      "*Node\n1, 0., 0., 0.\n2, 1., 0., 0.\n3, 1., 1., 0.\n4, 0., 1., 0.\n"
      "5, 0., 0., 1.\n6, 1., 0., 1.\n7, 1., 1., 1.\n8, 0., 1., 1.\n"
      "*Element, type=C3D8, elset=E\n1, 1, 2, 3, 4, 5, 6, 7, 8\n"
      "*Nset, nset=N\n1, 2\n*Surface, name=Top\nE, S2\n"
      "*Film Property, name=\"Film Prop\"\n2.5\n"
      "*Amplitude, name=Amp-1\n0., 1.\n*Step, name=Step-1\n*Heat Transfer\n";
  const std::string defined =
      "*Sfilm, amplitude=Amp-1, film amplitude=Amp-1\nTop, F, 300., \"Film Prop\"\n"
      "*Film\n1, F2, 300., 2.\n*Cfilm\nN, 0.25, 300., 2.\n1, 0.25, 300., \"Film Prop\"\n"
      "*Sradiate\nTop, R, 20., 0.5\n*Radiate\n1, R2, 20., 0.5\n*Cradiate\n2, 0.25, 20., 0.5\n";
  EXPECT_TRUE(aif_test::CheckDeck(definitions + defined + "*End Step\n").empty());

  const std::string undefined =
      "*Sfilm, film amplitude=Amp-2\nBottom, F, 300., Other\n*Film\n9, F2, 300., 2.\n"
      "*Cradiate\nM, 0.25, 20., 0.5\n*Cfilm\n12, 0.25, 300., 2.\n";
  std::vector<std::string> kinds;
  for (const aif_test::DeckFinding& finding :
       aif_test::CheckDeck(definitions + undefined + "*End Step\n"))
    kinds.push_back(finding.kind);
  std::sort(kinds.begin(), kinds.end());
  EXPECT_EQ(kinds, (std::vector<std::string>{"undefined amplitude", "undefined element",
                                             "undefined film property", "undefined node",
                                             "undefined nset", "undefined surface"}));
}
