// The adaptive mesh builder: the controls in the first written analysis
// step, then per written step its domains and, after a step with domains,
// the line that removes them; suppressed steps are left out of the walk.
#include "aif/impl/constraints/aif_AdaptiveMeshBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

hst_ModelBuilder AdaptiveMeshBuilderModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  return b;
}

kadC_AdptMeshDomain AdaptiveMeshBuilderDomain(const char* set, bool valid = true) {
  kadC_AdptMeshDomain domain;
  rgnC_Region region(set, {"Assembly", "Block-1"});
  region.SetKernelValid(valid);
  domain.SetRegion(region);
  domain.SetInitialMeshSweeps(3);
  return domain;
}

// What the builder files in each step of `steps`, one "[step]" line before
// each step's keywords.
std::string AdaptiveMeshBuilderText(const hst_ModelBuilder& b,
                                    std::initializer_list<const char*> steps) {
  const bas_NewModel model = b.Model();
  const aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_AdaptiveMeshBuilder builder(info);
  builder.Build();
  EXPECT_EQ(builder.ModelDefinition().Length(), 0u);
  EXPECT_EQ(builder.AssemblyDefinition().Length(), 0u);
  std::string text;
  for (const char* step : steps) {
    text += std::string("[") + step + "]\n";
    const akw_KeywordList list = builder.StepDefinition(step, cow_String());
    text += aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
  }
  return text;
}

}  // namespace

TEST(aif_AdaptiveMeshBuilder, NothingWithoutAWrittenAnalysisStep) {
  hst_ModelBuilder onlyInitial = AdaptiveMeshBuilderModel();
  onlyInitial.AddAdaptiveMeshControls("C1", kadC_AdptMeshCtrl());
  EXPECT_EQ(AdaptiveMeshBuilderText(onlyInitial, {"Initial"}), "[Initial]\n");

  // The only analysis step suppressed: no first analysis step, nothing at all.
  hst_ModelBuilder suppressed = AdaptiveMeshBuilderModel();
  suppressed.AddAdaptiveMeshControls("C1", kadC_AdptMeshCtrl());
  suppressed.AddStep("Step-1", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  suppressed.AddAdaptiveMeshDomain("Step-1", "D1", AdaptiveMeshBuilderDomain("Set-1"));
  EXPECT_EQ(AdaptiveMeshBuilderText(suppressed, {"Initial", "Step-1"}), "[Initial]\n[Step-1]\n");

  // A suppressed first step is not written: the next step is the first
  // analysis step of the file and takes the controls.
  suppressed.AddStep("Step-2", kprC_StaticStep());
  suppressed.AddAdaptiveMeshDomain("Step-2", "D2", AdaptiveMeshBuilderDomain("Set-2"));
  EXPECT_EQ(AdaptiveMeshBuilderText(suppressed, {"Initial", "Step-1", "Step-2"}),
            "[Initial]\n[Step-1]\n[Step-2]\n"
            "*Adaptive Mesh Controls, name=C1\n1., 0.\n"
            "*Adaptive Mesh, elset=Block-1.Set-2, op=NEW\n");
}

TEST(aif_AdaptiveMeshBuilder, ControlsInNameOrderBeforeTheDomains) {
  hst_ModelBuilder b = AdaptiveMeshBuilderModel();
  kadC_AdptMeshCtrl second;
  second.SetInitialFeatureAngle(15.0);
  b.AddAdaptiveMeshControls("C2", second).AddAdaptiveMeshControls("C1", kadC_AdptMeshCtrl());
  b.AddStep("Step-1", kprC_StaticStep()).AddStep("Step-2", kprC_StaticStep());
  kadC_AdptMeshDomain domain = AdaptiveMeshBuilderDomain("Set-1");
  domain.SetControlsName("C2");
  b.AddAdaptiveMeshDomain("Step-1", "D", domain);
  EXPECT_EQ(AdaptiveMeshBuilderText(b, {"Initial", "Step-1", "Step-2"}),
            "[Initial]\n[Step-1]\n"
            "*Adaptive Mesh Controls, name=C1\n1., 0.\n"
            "*Adaptive Mesh Controls, name=C2, initial feature angle=15.\n1., 0.\n"
            "*Adaptive Mesh, elset=Block-1.Set-1, controls=C2, op=NEW\n"
            "[Step-2]\n*Adaptive Mesh, op=NEW\n");

  // Without domains the first step holds the controls alone.
  hst_ModelBuilder none = AdaptiveMeshBuilderModel();
  none.AddAdaptiveMeshControls("C2", second).AddAdaptiveMeshControls("C1", kadC_AdptMeshCtrl());
  none.AddStep("Step-1", kprC_StaticStep()).AddStep("Step-2", kprC_StaticStep());
  EXPECT_EQ(AdaptiveMeshBuilderText(none, {"Step-1", "Step-2"}),
            "[Step-1]\n"
            "*Adaptive Mesh Controls, name=C1\n1., 0.\n"
            "*Adaptive Mesh Controls, name=C2, initial feature angle=15.\n1., 0.\n"
            "[Step-2]\n");
}

// S1 with two domains, S2 suppressed, S3 and S4 without: the domains end in
// S3, the next written step (S2 is never written), and only there.
TEST(aif_AdaptiveMeshBuilder, DomainsEndInTheNextWrittenStep) {
  hst_ModelBuilder b = AdaptiveMeshBuilderModel();
  b.AddStep("S1", kprC_StaticStep())
      .AddStep("S2", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true))
      .AddStep("S3", kprC_StaticStep())
      .AddStep("S4", kprC_StaticStep());
  b.AddAdaptiveMeshDomain("S1", "B", AdaptiveMeshBuilderDomain("Set-B"));
  b.AddAdaptiveMeshDomain("S1", "A", AdaptiveMeshBuilderDomain("Set-A"));
  b.AddAdaptiveMeshDomain("S2", "A", AdaptiveMeshBuilderDomain("Set-A"));
  EXPECT_EQ(AdaptiveMeshBuilderText(b, {"S1", "S2", "S3", "S4"}),
            "[S1]\n"
            "*Adaptive Mesh, elset=Block-1.Set-A, op=NEW\n"
            "*Adaptive Mesh, elset=Block-1.Set-B, op=NEW\n"
            "[S2]\n[S3]\n*Adaptive Mesh, op=NEW\n[S4]\n");

  // Without the suppressed step in between: S2 ends them.
  hst_ModelBuilder plain = AdaptiveMeshBuilderModel();
  plain.AddStep("S1", kprC_StaticStep())
      .AddStep("S2", kprC_StaticStep())
      .AddStep("S3", kprC_StaticStep());
  plain.AddAdaptiveMeshDomain("S1", "A", AdaptiveMeshBuilderDomain("Set-A"));
  EXPECT_EQ(AdaptiveMeshBuilderText(plain, {"S1", "S2", "S3"}),
            "[S1]\n*Adaptive Mesh, elset=Block-1.Set-A, op=NEW\n"
            "[S2]\n*Adaptive Mesh, op=NEW\n[S3]\n");
}

// A domain whose region was deleted writes nothing; a step whose only domain
// it is counts as one without domains.
TEST(aif_AdaptiveMeshBuilder, DeletedRegionIsPassedOver) {
  hst_ModelBuilder b = AdaptiveMeshBuilderModel();
  b.AddStep("S1", kprC_StaticStep())
      .AddStep("S2", kprC_StaticStep())
      .AddStep("S3", kprC_StaticStep());
  b.AddAdaptiveMeshDomain("S1", "Gone", AdaptiveMeshBuilderDomain("Set-Gone", false));
  b.AddAdaptiveMeshDomain("S1", "Kept", AdaptiveMeshBuilderDomain("Set-Kept"));
  b.AddAdaptiveMeshDomain("S2", "Gone", AdaptiveMeshBuilderDomain("Set-Gone", false));
  EXPECT_EQ(AdaptiveMeshBuilderText(b, {"S1", "S2", "S3"}),
            "[S1]\n*Adaptive Mesh, elset=Block-1.Set-Kept, op=NEW\n"
            "[S2]\n*Adaptive Mesh, op=NEW\n[S3]\n");
}

// The controls follow the first step's solver; each domain its own step's.
TEST(aif_AdaptiveMeshBuilder, ExplicitAgainstImplicitSteps) {
  kadC_AdptMeshCtrl controls;
  controls.SetMeshConstraintAngle(45.0);
  controls.SetData(3, 0.5);
  for (bool explicitFirst : {true, false}) {
    hst_ModelBuilder b = AdaptiveMeshBuilderModel();
    b.AddAdaptiveMeshControls("C1", controls);
    if (explicitFirst)
      b.AddStep("S1", kprC_ExplicitDynamicsStep()).AddStep("S2", kprC_StaticStep());
    else
      b.AddStep("S1", kprC_StaticStep()).AddStep("S2", kprC_ExplicitDynamicsStep());
    b.AddAdaptiveMeshDomain("S1", "A", AdaptiveMeshBuilderDomain("Set-A"));
    b.AddAdaptiveMeshDomain("S2", "A", AdaptiveMeshBuilderDomain("Set-A"));
    const std::string explicitDomain =
        "*Adaptive Mesh, elset=Block-1.Set-A, initial mesh sweeps=3, op=NEW\n";
    const std::string implicitDomain = "*Adaptive Mesh, elset=Block-1.Set-A, op=NEW\n";
    EXPECT_EQ(AdaptiveMeshBuilderText(b, {"S1", "S2"}),
              explicitFirst ? "[S1]\n*Adaptive Mesh Controls, name=C1, mesh constraint angle=45.\n"
                              "1., 0.5, 0.\n" +
                                  explicitDomain + "[S2]\n" + implicitDomain
                            : "[S1]\n*Adaptive Mesh Controls, name=C1\n1., 0.\n" + implicitDomain +
                                  "[S2]\n" + explicitDomain)
        << (explicitFirst ? "explicit first" : "implicit first");
  }
}

// Through the driver: the adaptive meshing of a step comes after its
// boundary conditions and before its adaptive mesh constraints.
TEST(aif_AdaptiveMeshBuilder, WrittenAfterTheBoundaryConditions) {
  hst_ModelBuilder b = AdaptiveMeshBuilderModel();
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddAdaptiveMeshControls("C1", kadC_AdptMeshCtrl());
  b.AddAdaptiveMeshDomain("Step-1", "D", AdaptiveMeshBuilderDomain("Set-1"));
  rgnC_Region nodes("Base", {"Assembly", "Block-1"});
  nodes.SetKernelInstanceIds({1u});
  nodes.SetKernelNodeIndices(1, {0, 1});
  kbcC_DisplacementBC fixed;
  fixed.SetRegion(nodes);
  kbcC_DisplacementBCState fixedState;
  fixedState.SetComponent(0, 0.0, 1);
  fixed.SetState("Step-1", 1, fixedState);
  b.AddBoundaryCondition("Fixed", fixed);
  kprC_DispAdptMeshCons constraint;
  constraint.SetRegion(nodes);
  kprC_AdptMeshConsState constraintState;
  constraintState.SetStatus(1);
  constraintState.SetDof(0, 0.5, 1);
  constraint.SetState("Step-1", 1, constraintState);
  b.AddAdaptiveMeshConstraint("A", constraint);

  const aif_test::TempDeck deck("aif_adaptive_mesh_driver");
  const std::string text = deck.Write(b);
  const std::size_t begin = text.find("** BOUNDARY CONDITIONS");
  const std::size_t end = text.find("*Output, field", begin);
  ASSERT_NE(begin, std::string::npos) << text;
  EXPECT_EQ(text.substr(begin, end - begin),
            "** BOUNDARY CONDITIONS\n** \n** Name: Fixed Type: Displacement/Rotation\n"
            "*Boundary\nBlock-1.Base, 1, 1\n"
            "*Adaptive Mesh Controls, name=C1\n1., 0.\n"
            "*Adaptive Mesh, elset=Block-1.Set-1, op=NEW\n"
            "** \n** ADAPTIVE MESH CONSTRAINTS\n** \n** Name: A Type: Displacement/Rotation\n"
            "*Adaptive Mesh Constraint\nBlock-1.Base, 1, 1, 0.5\n");
}
