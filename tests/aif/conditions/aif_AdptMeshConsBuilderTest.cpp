// The adaptive-mesh-constraint builder through the driver: which constraints
// each step writes by status and op, the banner only in steps that write
// one, and constraints of a kind no keyword writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"

namespace {

class AmcBuilderOddConstraint : public kprC_AdptMeshCons {
 public:
  static constexpr unsigned kTypeId = 0x23C01F1;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  AmcBuilderOddConstraint* Clone() const override { return new AmcBuilderOddConstraint(*this); }
  CLS_REGISTER(AmcBuilderOddConstraint, kprC_AdptMeshCons)
};

hst_ModelBuilder AmcBuilderModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  for (const char* step : {"Step-1", "Step-2", "Step-3", "Step-4", "Step-5"})
    b.AddStep(step, kprC_StaticStep());
  return b;
}

// Gives `constraint` in `step` the status `status` and a state of that status
// whose U1 (V1) is `value`, set in the step when `set`.
void AmcBuilderState(kprC_AdptMeshCons& constraint, const char* step, int status, double value,
                     bool set) {
  kprC_AdptMeshConsState state;
  state.SetStatus(status);
  state.SetDof(0, value, set ? 1 : 2);
  constraint.SetState(step, status, state);
}

template <class Constraint>
Constraint AmcBuilderConstraint(const char* region) {
  Constraint constraint;
  constraint.SetRegion(rgnC_Region(region, {"Assembly", "Block-1"}));
  return constraint;
}

std::string AmcBuilderWrite(const hst_ModelBuilder& b, const aif_test::TempDeck& deck,
                            int jobType = ajbC_FULL_ANALYSIS) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(jobType), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  try {
    EXPECT_TRUE(builder.WriteInputFile(deck.Path(), false, true));
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return std::string();
}

// The constraints of `step` from its banner to its output requests; empty
// when the step has no banner.
std::string AmcBuilderStepText(const std::string& deck, const std::string& step) {
  const std::size_t begin = deck.find("** STEP: " + step + "\n");
  if (begin == std::string::npos) return "no step " + step;
  const std::size_t end = deck.find("*End Step\n", begin);
  const std::string block = deck.substr(begin, end - begin);
  const std::size_t banner = block.find("** \n** ADAPTIVE MESH CONSTRAINTS\n");
  if (banner == std::string::npos) return std::string();
  return block.substr(banner, block.find("*Output", banner) - banner);
}

}  // namespace

// A: created in the initial step, carried over, modified (really) in Step-2,
// carried over, removed in Step-4. B: created in Step-1, carried over,
// modified in Step-3 without a real change (no op flag), carried over, then
// 2 again. C: status 9 in Step-1 and Step-2. D: suppressed. E: status 5
// (nothing) in every step.
TEST(aif_AdptMeshConsBuilder, StepsByStatusAndOp) {
  hst_ModelBuilder b = AmcBuilderModel();
  auto a = AmcBuilderConstraint<kprC_DispAdptMeshCons>("Left");
  AmcBuilderState(a, "Initial", 1, 0.5, true);
  AmcBuilderState(a, "Step-1", 2, 0.5, false);
  AmcBuilderState(a, "Step-2", 3, 0.75, true);
  a.SetModified("Step-2", true);
  AmcBuilderState(a, "Step-3", 2, 0.75, false);
  AmcBuilderState(a, "Step-4", 4, 0.0, false);
  AmcBuilderState(a, "Step-5", 4, 0.0, false);
  b.AddAdaptiveMeshConstraint("A", a);
  auto v = AmcBuilderConstraint<kprC_VelAdptMeshCons>("Right");
  AmcBuilderState(v, "Step-1", 1, 2.0, true);
  AmcBuilderState(v, "Step-2", 2, 2.0, false);
  AmcBuilderState(v, "Step-3", 10, 3.0, true);
  AmcBuilderState(v, "Step-4", 2, 3.0, false);
  AmcBuilderState(v, "Step-5", 2, 3.0, false);
  b.AddAdaptiveMeshConstraint("B", v);
  auto c = AmcBuilderConstraint<kprC_DispAdptMeshCons>("Top");
  c.SetMotionType(1);
  AmcBuilderState(c, "Step-1", 9, 0.0, false);
  AmcBuilderState(c, "Step-2", 9, 0.0, false);
  b.AddAdaptiveMeshConstraint("C", c);
  auto d = AmcBuilderConstraint<kprC_DispAdptMeshCons>("Top");
  AmcBuilderState(d, "Step-1", 1, 1.0, true);
  d.SetSuppressed(true);
  b.AddAdaptiveMeshConstraint("D", d);
  auto e = AmcBuilderConstraint<kprC_DispAdptMeshCons>("Top");
  for (const char* step : {"Step-1", "Step-2", "Step-3", "Step-4", "Step-5"})
    AmcBuilderState(e, step, 5, 1.0, true);
  b.AddAdaptiveMeshConstraint("E", e);

  const aif_test::TempDeck deck("AmcBuilderSteps");
  ASSERT_EQ("", AmcBuilderWrite(b, deck));
  const std::string text = aif_test::ReadFile(deck.Path());
  const std::string banner = "** \n** ADAPTIVE MESH CONSTRAINTS\n** \n";
  EXPECT_EQ(banner +
                "** Name: B Type: Velocity/Angular velocity\n"
                "*Adaptive Mesh Constraint, type=VELOCITY\nBlock-1.Right, 1, 1, 2.\n",
            AmcBuilderStepText(text, "Step-1"));
  EXPECT_EQ(banner +
                "** Name: A Type: Displacement/Rotation\n"
                "*Adaptive Mesh Constraint, op=NEW\nBlock-1.Left, 1, 1, 0.75\n"
                "** Name: B Type: Velocity/Angular velocity\n"
                "*Adaptive Mesh Constraint, op=NEW, type=VELOCITY\nBlock-1.Right, 1, 1, 2.\n"
                "** Name: C Type: Displacement/Rotation\n"
                "*Adaptive Mesh Constraint, op=NEW, constraint type=LAGRANGIAN\nBlock-1.Top\n",
            AmcBuilderStepText(text, "Step-2"));
  EXPECT_EQ(banner +
                "** Name: B Type: Velocity/Angular velocity\n"
                "*Adaptive Mesh Constraint, type=VELOCITY\nBlock-1.Right, 1, 1, 3.\n",
            AmcBuilderStepText(text, "Step-3"));
  EXPECT_EQ(banner +
                "** Name: A Type: Displacement/Rotation\n"
                "*Adaptive Mesh Constraint, op=NEW\n"
                "** Name: B Type: Velocity/Angular velocity\n"
                "*Adaptive Mesh Constraint, op=NEW, type=VELOCITY\nBlock-1.Right, 1, 1, 3.\n",
            AmcBuilderStepText(text, "Step-4"));
  // Step-5: A removed again (4 flags the step), B restated.
  EXPECT_EQ(banner +
                "** Name: A Type: Displacement/Rotation\n"
                "*Adaptive Mesh Constraint, op=NEW\n"
                "** Name: B Type: Velocity/Angular velocity\n"
                "*Adaptive Mesh Constraint, op=NEW, type=VELOCITY\nBlock-1.Right, 1, 1, 3.\n",
            AmcBuilderStepText(text, "Step-5"));
  // One banner per step that writes, none in the model part of the deck.
  std::size_t banners = 0;
  for (std::size_t at = text.find("ADAPTIVE MESH"); at != std::string::npos;
       at = text.find("ADAPTIVE MESH", at + 1))
    ++banners;
  EXPECT_EQ(5u, banners);
}

// Carried over only (2) in every step, or none at all: no banner anywhere.
TEST(aif_AdptMeshConsBuilder, NoBannerWithoutAConstraintWritten) {
  hst_ModelBuilder b = AmcBuilderModel();
  auto a = AmcBuilderConstraint<kprC_DispAdptMeshCons>("Left");
  AmcBuilderState(a, "Initial", 1, 0.5, true);
  for (const char* step : {"Step-1", "Step-2", "Step-3", "Step-4", "Step-5"})
    AmcBuilderState(a, step, 2, 0.5, false);
  b.AddAdaptiveMeshConstraint("A", a);
  const aif_test::TempDeck deck("AmcBuilderCarried");
  ASSERT_EQ("", AmcBuilderWrite(b, deck));
  EXPECT_EQ(std::string::npos, aif_test::ReadFile(deck.Path()).find("ADAPTIVE MESH"));
}

// A kind no keyword writes: named in the builder's text where it would be
// written; refused by the op status when it is removed in some step;
// suppressed, no hindrance. The partly written file is removed.
TEST(aif_AdptMeshConsBuilder, UnknownKindsStopTheWrite) {
  hst_ModelBuilder b = AmcBuilderModel();
  auto odd = AmcBuilderConstraint<AmcBuilderOddConstraint>("Left");
  AmcBuilderState(odd, "Step-2", 1, 1.0, true);
  odd.SetSuppressed(true);
  b.AddAdaptiveMeshConstraint("Odd one", odd);
  {
    const aif_test::TempDeck deck("AmcBuilderOddSuppressed");
    EXPECT_EQ("", AmcBuilderWrite(b, deck));
    EXPECT_EQ(std::string::npos, aif_test::ReadFile(deck.Path()).find("ADAPTIVE MESH"));
  }

  odd.SetSuppressed(false);
  b.AddAdaptiveMeshConstraint("Odd one", odd);
  {
    const aif_test::TempDeck deck("AmcBuilderOdd");
    EXPECT_EQ("Unimplemented keyword for adaptive mesh constraint, Odd one",
              AmcBuilderWrite(b, deck));
    EXPECT_FALSE(std::filesystem::exists(deck.Path()));
  }

  AmcBuilderState(odd, "Step-3", 4, 0.0, false);
  b.AddAdaptiveMeshConstraint("Odd one", odd);
  {
    const aif_test::TempDeck deck("AmcBuilderOddRemoved");
    EXPECT_EQ("Unimplemented adptMeshCons->statusKey conversion", AmcBuilderWrite(b, deck));
    EXPECT_FALSE(std::filesystem::exists(deck.Path()));
  }
}

// A restart job resuming at the end of Step-1 restates the constraints in
// the steps after it up to and including the first that is not a
// perturbation step; without the end-step restart, or as a full analysis,
// nothing is restated.
TEST(aif_AdptMeshConsBuilder, RestartRestatesTheStepsItResumesWith) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  kprC_StaticStep perturbation;
  perturbation.SetPerturbation(true);
  b.AddStep("Step-2", perturbation);
  b.AddStep("Step-3", kprC_StaticStep());
  b.AddStep("Step-4", kprC_StaticStep());
  auto a = AmcBuilderConstraint<kprC_VelAdptMeshCons>("Left");
  AmcBuilderState(a, "Step-1", 1, 1.5, true);
  for (const char* step : {"Step-2", "Step-3", "Step-4"})
    AmcBuilderState(a, step, 2, 1.5, false);
  b.AddAdaptiveMeshConstraint("A", a);
  const std::string restated =
      "** \n** ADAPTIVE MESH CONSTRAINTS\n** \n** Name: A Type: Velocity/Angular velocity\n"
      "*Adaptive Mesh Constraint, op=NEW, type=VELOCITY\nBlock-1.Left, 1, 1, 1.5\n";

  b.MutableModel().SetRestart("Previous", "Step-1", 5, true);
  {
    const aif_test::TempDeck deck("AmcBuilderRestart");
    ASSERT_EQ("", AmcBuilderWrite(b, deck, ajbC_RESTART));
    const std::string text = aif_test::ReadFile(deck.Path());
    EXPECT_EQ(restated, AmcBuilderStepText(text, "Step-2"));
    EXPECT_EQ(restated, AmcBuilderStepText(text, "Step-3"));
    EXPECT_EQ("", AmcBuilderStepText(text, "Step-4"));
  }
  b.MutableModel().SetRestart("Previous", "Step-1", -2, true);
  {
    const aif_test::TempDeck deck("AmcBuilderRestartNoEnd");
    ASSERT_EQ("", AmcBuilderWrite(b, deck, ajbC_RESTART));
    EXPECT_EQ("", AmcBuilderStepText(aif_test::ReadFile(deck.Path()), "Step-2"));
  }
  b.MutableModel().SetRestart("Previous", "Step-1", 5, true);
  {
    const aif_test::TempDeck deck("AmcBuilderRestartFull");
    ASSERT_EQ("", AmcBuilderWrite(b, deck));
    const std::string text = aif_test::ReadFile(deck.Path());
    EXPECT_EQ("", AmcBuilderStepText(text, "Step-2"));
    EXPECT_EQ(
        "** \n** ADAPTIVE MESH CONSTRAINTS\n** \n** Name: A Type: Velocity/Angular velocity\n"
        "*Adaptive Mesh Constraint, type=VELOCITY\nBlock-1.Left, 1, 1, 1.5\n",
        AmcBuilderStepText(text, "Step-1"));
  }
}
