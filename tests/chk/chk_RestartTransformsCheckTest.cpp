#include "chk/impl/chk_RestartTransformsCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "chk/impl/chk_PhysicalConstantsCheck.h"

namespace {

// Steps Initial, Step-1, Step-2, Step-3 (suppressed), Step-4; loads and a BC
// in a datum system, each created in the step its name gives.
hst_ModelBuilder TransformsModel() {
  hst_ModelBuilder b("Transforms-Model");
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  b.AddStep("Step-3", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  b.AddStep("Step-4", kprC_StaticStep());
  const dtmC_DatumRef csys{{}, "Csys-1"};
  auto addMoment = [&](const char* name, const char* step) {
    kloC_Moment moment;
    moment.SetRegion(rgnC_Region("Tip", {"Assembly"}));
    moment.SetLocalCsys(csys);
    moment.SetStatus(step, 1);
    b.AddLoad(name, moment);
  };
  addMoment("Load-A", "Step-2");
  addMoment("Load-B", "Step-4");
  addMoment("Load-C", "Step-3");
  kbcC_DisplacementBC bc;
  bc.SetRegion(rgnC_Region("Base", {"Assembly"}));
  bc.SetLocalCsys(csys);
  bc.SetCreatedStepName("Step-1");
  b.AddBoundaryCondition("BC-1", bc);
  return b;
}

std::vector<std::string> TransformWarnings(hst_ModelBuilder& b, const char* restartStep) {
  if (restartStep) b.MutableModel().SetRestart("Job-Old", restartStep, -2, false);
  chk_RestartTransformsCheck check(b.Model(), "Transforms-Model");
  check.Run();
  std::vector<std::string> texts = chk_test::Texts(check.Warnings());
  EXPECT_TRUE(check.Errors().IsEmpty());
  bas_Basis::Instance().Fetch().RemoveModel("Transforms-Model");
  return texts;
}

}  // namespace

TEST(chk_RestartTransformsCheckTest, AttributesCreatedAfterTheRestartStep) {
  hst_ModelBuilder plain = TransformsModel();
  EXPECT_TRUE(TransformWarnings(plain, nullptr).empty());  // no restart attributes

  // The BC created in the restart step itself is written; the load of the
  // suppressed step is not listed.
  hst_ModelBuilder fromFirst = TransformsModel();
  EXPECT_EQ((std::vector<std::string>{
                "Since the current model is being used for restart analysis, the CSYS "
                "transforms\nfor the following newly created attributes will not be written "
                "out:\nLoad-A (Load), Load-B (Load)"}),
            TransformWarnings(fromFirst, "Step-1"));

  hst_ModelBuilder fromInitial = TransformsModel();
  // The walk starts after the initial step: a restart from it matches nothing.
  EXPECT_TRUE(TransformWarnings(fromInitial, "Initial").empty());

  hst_ModelBuilder fromLast = TransformsModel();
  EXPECT_TRUE(TransformWarnings(fromLast, "Step-4").empty());
  hst_ModelBuilder fromUnknown = TransformsModel();
  EXPECT_TRUE(TransformWarnings(fromUnknown, "Step-9").empty());
}

// The physical-constants check finds nothing, whatever the constants.
TEST(chk_RestartTransformsCheckTest, PhysicalConstantsCheckFindsNothing) {
  hst_ModelBuilder b("Model-1");
  b.MutableModel().SetPhysicalConstants(-1e300, 0.0, -5.0);
  chk_PhysicalConstantsCheck check(b.Model(), "Model-1");
  check.Run();
  EXPECT_TRUE(check.Errors().IsEmpty());
  EXPECT_TRUE(check.Warnings().IsEmpty());
}
