// The op status of the step-dependent interactions: the category of each
// kind, the categories a deactivation marks, and the steps a restart job
// restates.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kinC_AcousticImpedance.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kinC_PressurePenetration.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_InteractionOpStatus.h"

namespace {

using OpRepository = kprC_PropagatingContainer<kinC_Interaction>;

// The marked categories of `status` per step, one "step: categories" text
// per step ("Step-1: 0 7", "Step-2: -" when none).
std::string OpStatusMarks(const aif_InteractionOpStatus& status) {
  std::string text;
  for (const cow_String& step : status.Steps()) {
    std::ostringstream line;
    line << step.Str() << ":";
    bool any = false;
    for (int category = 0; category < aif_InteractionOpStatus::kCategoryCount; ++category) {
      if (!status.CategoryNeedsNewOp(category, step)) continue;
      line << " " << category;
      any = true;
    }
    line << (any ? "" : " -") << "\n";
    text += line.str();
  }
  return text;
}

// A film condition of coefficient definition `definition`, deactivated in
// `step`.
template <class Film>
Film OpStatusFilm(int definition, const char* step) {
  Film film;
  film.SetFilmCoefficientDefinition(definition);
  film.SetStatus(step, 4);
  return film;
}

template <class Interaction>
Interaction OpStatusDeactivated(const char* step) {
  Interaction interaction;
  interaction.SetStatus(step, 4);
  return interaction;
}

const cow_List<cow_String> kOpStatusSteps = {"Initial", "Step-1", "Step-2", "Step-3"};

}  // namespace

TEST(aif_InteractionOpStatus, StatusKeyByKind) {
  const aif_InteractionOpStatus status;
  bool flag = false;
  EXPECT_EQ(0, status.StatusKey(kinC_FilmCondition::TypeId(), flag));
  flag = true;
  EXPECT_EQ(7, status.StatusKey(kinC_FilmCondition::TypeId(), flag));
  // The flag matters for the film condition alone.
  for (const bool analytical : {false, true}) {
    flag = analytical;
    EXPECT_EQ(1, status.StatusKey(kinC_RadiationToAmbient::TypeId(), flag));
    EXPECT_EQ(2, status.StatusKey(kinC_ContactExp::TypeId(), flag));
    EXPECT_EQ(3, status.StatusKey(kinC_ConcFilmCondition::TypeId(), flag));
    EXPECT_EQ(4, status.StatusKey(kinC_ConcRadiationToAmbient::TypeId(), flag));
    EXPECT_EQ(5, status.StatusKey(kinC_AcousticImpedance::TypeId(), flag));
    EXPECT_EQ(6, status.StatusKey(kinC_IncidentWave::TypeId(), flag));
    EXPECT_EQ(8, status.StatusKey(kinC_PressurePenetration::TypeId(), flag));
  }

  // Standard general contact is no step-dependent kind: a failed assertion.
  std::string condition = "no error";
  try {
    flag = false;
    status.StatusKey(kinC_ContactStd::TypeId(), flag);
  } catch (const nex_AssertException& e) {
    condition = e.Condition().Str();
  }
  EXPECT_EQ("\"Unimplemented interaction->statusKey conversion\" == 0", condition);
}

TEST(aif_InteractionOpStatus, DeactivationsMarkTheirCategoryInTheirStep) {
  OpRepository interactions;
  // Two film conditions of definitions 0 and 3 (categories 0 and 7), a
  // concentrated film condition of definition 3 (category 3 all the same).
  interactions.Set("Film-0", OpStatusFilm<kinC_FilmCondition>(1, "Step-1"));
  interactions.Set("Film-3", OpStatusFilm<kinC_FilmCondition>(3, "Step-2"));
  interactions.Set("Cfilm", OpStatusFilm<kinC_ConcFilmCondition>(3, "Step-3"));
  interactions.Set("Rad", OpStatusDeactivated<kinC_RadiationToAmbient>("Step-1"));
  interactions.Set("Crad", OpStatusDeactivated<kinC_ConcRadiationToAmbient>("Step-2"));
  interactions.Set("Gc", OpStatusDeactivated<kinC_ContactExp>("Initial"));
  interactions.Set("Wave", OpStatusDeactivated<kinC_IncidentWave>("Step-3"));
  interactions.Set("Pp", OpStatusDeactivated<kinC_PressurePenetration>("Step-3"));
  // An impedance deactivated in the first step marks nothing; in a later
  // one it marks 5.
  interactions.Set("Imp-0", OpStatusDeactivated<kinC_AcousticImpedance>("Initial"));
  interactions.Set("Imp-2", OpStatusDeactivated<kinC_AcousticImpedance>("Step-2"));
  // Suppressed ones, other statuses and other kinds mark nothing.
  kinC_RadiationToAmbient suppressed = OpStatusDeactivated<kinC_RadiationToAmbient>("Step-3");
  suppressed.SetSuppressed(true);
  interactions.Set("Rad-S", suppressed);
  kinC_FilmCondition modified;
  modified.SetStatus("Step-3", 3);
  interactions.Set("Film-M", modified);
  interactions.Set("Std", OpStatusDeactivated<kinC_ContactStd>("Step-3"));

  aif_InteractionOpStatus status;
  status.Build(interactions, kOpStatusSteps);
  EXPECT_EQ(
      "Initial: 2\n"
      "Step-1: 0 1\n"
      "Step-2: 4 5 7\n"
      "Step-3: 3 6 8\n",
      OpStatusMarks(status));

  // NeedsNewOp reads the category of the interaction's kind and definition.
  EXPECT_TRUE(status.NeedsNewOp(OpStatusFilm<kinC_FilmCondition>(0, "Step-3"), "Step-1"));
  EXPECT_FALSE(status.NeedsNewOp(OpStatusFilm<kinC_FilmCondition>(3, "Step-3"), "Step-1"));
  EXPECT_TRUE(status.NeedsNewOp(OpStatusFilm<kinC_FilmCondition>(3, "Step-3"), "Step-2"));
  EXPECT_FALSE(status.NeedsNewOp(OpStatusFilm<kinC_FilmCondition>(4, "Step-3"), "Step-2"));
  EXPECT_TRUE(status.NeedsNewOp(OpStatusFilm<kinC_ConcFilmCondition>(0, "Step-1"), "Step-3"));
  EXPECT_FALSE(status.NeedsNewOp(kinC_AcousticImpedance(), "Initial"));

  // A copy holds the same marks.
  const aif_InteractionOpStatus copy(status);
  EXPECT_EQ(OpStatusMarks(status), OpStatusMarks(copy));
}

// A model of the initial step, Step-1, two perturbation steps, Step-4 and
// Step-5; a restart from `restartStep`.
TEST(aif_InteractionOpStatus, RestartRestatesUpToTheFirstGeneralStep) {
  hst_ModelBuilder b;
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Pert-2", hst_ModelBuilder::MakeStep<kprC_StaticStep>(false, true));
  b.AddStep("Gone", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  b.AddStep("Pert-3", hst_ModelBuilder::MakeStep<kprC_StaticStep>(false, true));
  b.AddStep("Step-4", kprC_StaticStep());
  b.AddStep("Step-5", kprC_StaticStep());
  OpRepository interactions;
  interactions.Set("Rad", OpStatusDeactivated<kinC_RadiationToAmbient>("Step-5"));

  auto marks = [&](int jobType) {
    const bas_NewModel model = b.Model();
    const aif_Job job("Job-1", b.Job(jobType), model);
    const aif_ModelInfo info(job);
    const kprC_StepContainer& steps = info.ModelAdapter().Steps();
    aif_InteractionOpStatus status;
    status.Build(interactions, steps.UnsuppressedKeys());
    status.MarkStepsAfterRestart(info, steps,
                                 [](const kprC_AnalysisStep& step) { return step.Perturbation(); });
    return OpStatusMarks(status);
  };
  const std::string all = " 0 1 2 3 4 5 6 7 8\n";
  const std::string unmarked =
      "Initial: -\nStep-1: -\nPert-2: -\nPert-3: -\nStep-4: -\nStep-5: 1\n";

  // Resuming at the end of Step-1: both perturbation steps and Step-4 (the
  // suppressed step is no step of the list), not Step-5.
  b.MutableModel().SetRestart("Job-0", "Step-1", 5, true);
  EXPECT_EQ(
      "Initial: -\nStep-1: -\nPert-2:" + all + "Pert-3:" + all + "Step-4:" + all + "Step-5: 1\n",
      marks(ajbC_RESTART));
  // Not a restart job, no restart increment, or not at the step's end:
  // nothing.
  EXPECT_EQ(unmarked, marks(ajbC_FULL_ANALYSIS));
  b.MutableModel().SetRestart("Job-0", "Step-1", -2, true);
  EXPECT_EQ(unmarked, marks(ajbC_RESTART));
  b.MutableModel().SetRestart("Job-0", "Step-1", 5, false);
  EXPECT_EQ(unmarked, marks(ajbC_RESTART));
  // Resuming after a general step followed by one: that step alone.
  b.MutableModel().SetRestart("Job-0", "Step-4", 5, true);
  EXPECT_EQ("Initial: -\nStep-1: -\nPert-2: -\nPert-3: -\nStep-4: -\nStep-5:" + all,
            marks(ajbC_RESTART));
  // Resuming after the last step: nothing left to mark.
  b.MutableModel().SetRestart("Job-0", "Step-5", 5, true);
  EXPECT_EQ(unmarked, marks(ajbC_RESTART));
  // A restart step that is no unsuppressed step of the model (unknown, or
  // suppressed) marks nothing, in particular not from the first step on.
  b.MutableModel().SetRestart("Job-0", "Nowhere", 5, true);
  EXPECT_EQ(unmarked, marks(ajbC_RESTART));
  b.MutableModel().SetRestart("Job-0", "Gone", 5, true);
  EXPECT_EQ(unmarked, marks(ajbC_RESTART));
}
