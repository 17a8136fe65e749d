// The co-simulation routines of the interaction builder: the steps the
// keywords go in, their names, and the exchange defaults a fluid-structure
// co-simulation takes from its partner model's step; invalid combinations
// stop the write through the driver.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/interactions/aif_InteractionBuilder.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

using CbRun = aif_test::BuilderRun<aif_InteractionBuilder>;

// The kind bit of a surface region.
constexpr int kCbSurface = 1 << 3;

// Every test starts and ends with an empty model database, so that the
// partner models of one test are never found by another.
class aif_InteractionBuilderCosimulation : public ::testing::Test {
 protected:
  void SetUp() override { CbClearDatabase(); }
  void TearDown() override { CbClearDatabase(); }
  static void CbClearDatabase() {
    bas_Mdb& database = bas_Basis::Instance().Fetch();
    for (const cow_String& name : database.ModelNames())
      database.RemoveModel(name);
  }
};

// The model "Fluid" (a block placed once) with the initial step and one
// step of kind `Step` named Step-1.
template <class Step>
hst_ModelBuilder CbModel(const char* modelName = "Fluid") {
  hst_ModelBuilder b(modelName);
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", Step());
  return b;
}

rgnC_Region CbSkin() {
  return rgnC_Region("Skin", {"Assembly", "Block-1"}, kCbSurface);
}

// A fluid-structure co-simulation on Block-1.Skin created in `step` with
// the lists given and every code unset.
kinC_FSICosimulation CbFsi(const char* step, cow_List<cow_String> imports,
                           cow_List<cow_String> exports) {
  kinC_FSICosimulation cosim;
  cosim.SetRegion(CbSkin());
  cosim.SetStepVariables(step, 1, std::move(imports), std::move(exports));
  return cosim;
}

// Registers the partner model `name` whose fluid-structure co-simulation
// is created in its step Step-1, of kind `Step`; its flow steps solve the
// energy equation when `energy`.
template <class Step>
void CbPartner(const char* name, bool energy = false) {
  hst_ModelBuilder partner = CbModel<Step>(name);
  partner.Steps().SetFlowSettings(energy ? 1 : 0, 0);
  partner.AddInteraction("Partner-Fsi", CbFsi("Step-1", {}, {}));
  partner.Model();
}

std::string CbImports(std::initializer_list<const char*> names) {
  std::string text = "*Co-simulation Region, import, type=SURFACE\n";
  for (const char* name : names)
    text += std::string("Block-1.Skin, ") + name + "\n";
  return text;
}

std::string CbExports(std::initializer_list<const char*> names) {
  std::string text = "*Co-simulation Region, export, type=SURFACE\n";
  for (const char* name : names)
    text += std::string("Block-1.Skin, ") + name + "\n";
  return text;
}

std::string CbFsiHead(const char* name) {
  return std::string("** Interaction: ") + name + "\n*Co-simulation, name=" + name +
         ", controls=" + name + "_Ctrls, program=MULTIPHYSICS\n";
}

}  // namespace

// Standard-Explicit: written in the step that creates it only, never in
// the initial step, without a banner; each co-simulation names its own
// controls after itself, not after the step.
TEST_F(aif_InteractionBuilderCosimulation, StandardExplicitInItsCreationStep) {
  hst_ModelBuilder b = CbModel<kprC_StaticStep>();
  b.AddStep("Step-2", kprC_StaticStep());
  kinC_StdXplCosimulation a;
  a.SetRegion(CbSkin());
  a.SetTimeIncrementation(2);
  a.SetStepVariables("Step-2", 1, {"U", "CF"});
  b.AddInteraction("A", a);
  kinC_StdXplCosimulation initial = a;
  initial.SetStepVariables("Initial", 1, {"U"});
  initial.SetStatus("Step-2", 2);
  b.AddInteraction("B-Initial", initial);
  kinC_StdXplCosimulation hidden = a;
  hidden.SetSuppressed(true);
  b.AddInteraction("C-Hidden", hidden);
  kinC_StdXplCosimulation d;
  d.SetRegion(CbSkin());
  d.SetStepVariables("Step-2", 1, {"V"});
  b.AddInteraction("D", d);

  const CbRun run(b);
  EXPECT_EQ("", run.Step("Initial"));
  EXPECT_EQ("", run.Step("Step-1"));
  EXPECT_EQ(
      "** Interaction: A\n"
      "*Co-simulation, name=A, controls=A_Ctrls, program=MORVEX\n"
      "*Co-simulation Region, type=SURFACE\nBlock-1.Skin, U, CF, \n"
      "*Co-simulation Controls, name=A_Ctrls, time incrementation=lockstep\n"
      "** Interaction: D\n"
      "*Co-simulation, name=D, controls=D_Ctrls, program=MORVEX\n"
      "*Co-simulation Region, type=SURFACE\nBlock-1.Skin, V, \n"
      "*Co-simulation Controls, name=D_Ctrls, time incrementation=subcycle\n",
      run.Step("Step-2"));
}

// No partner (the database holds this model alone, or only models without
// a fluid-structure co-simulation): the interaction's own values.
TEST_F(aif_InteractionBuilderCosimulation, NoPartnerWritesTheOwnValues) {
  hst_ModelBuilder other = CbModel<kprC_ExplicitDynamicsStep>("Solid");
  other.Model();
  hst_ModelBuilder b = CbModel<kprC_FlowStep>();
  b.AddInteraction("F", CbFsi("Step-1", {}, {"NT"}));
  const CbRun run(b);
  EXPECT_EQ(CbFsiHead("F") + CbExports({"NT"}) + "*Co-simulation Controls, name=F_Ctrls\n",
            run.Step("Step-1"));
  // The context lists the database's models in its order; a model the
  // database does not hold is listed alone.
  EXPECT_EQ(cow_List<cow_String>({"Fluid", "Solid"}), run.info.ModelNames());
  bas_Basis::Instance().Fetch().RemoveModel("Fluid");
  const aif_ModelInfo alone(run.job);
  EXPECT_EQ(cow_List<cow_String>({"Fluid"}), alone.ModelNames());
}

// A flow step coupled to an explicit dynamics step: a list the user gave
// is kept, an empty one filled; step size=export, lockstep, time marks and
// gauss-seidel by default, lag. The model's own interaction is not
// changed. The explicit side of the same coupling: step size=import,
// subcycle, lead.
TEST_F(aif_InteractionBuilderCosimulation, FlowAndExplicitDefaults) {
  CbPartner<kprC_ExplicitDynamicsStep>("Solid");
  hst_ModelBuilder b = CbModel<kprC_FlowStep>();
  b.AddInteraction("F", CbFsi("Step-1", {"PRESS"}, {}));
  const CbRun run(b);
  EXPECT_EQ(CbFsiHead("F") + CbImports({"PRESS"}) + CbExports({"LUMPEDMASS", "TRSHR"}) +
                "*Co-simulation Controls, name=F_Ctrls, coupling scheme=gauss-seidel, time "
                "incrementation=lockstep, time marks=yes, step size=export, \n"
                "scheme modifier=lag\n",
            run.Step("Step-1"));
  const auto& stored = static_cast<const kinC_FSICosimulation&>(
      run.info.ModelAdapter().Interactions().ConstGet("F"));
  EXPECT_EQ(0, stored.StepSizeKind());
  EXPECT_TRUE(stored.ConstGetState("Step-1").ExportVariables().Value().IsEmpty());

  CbClearDatabase();
  CbPartner<kprC_FlowStep>("Fluid-Partner");
  hst_ModelBuilder solid = CbModel<kprC_ExplicitDynamicsStep>("Solid");
  solid.AddInteraction("S", CbFsi("Step-1", {}, {}));
  EXPECT_EQ(CbFsiHead("S") + CbImports({"CF", "LUMPEDMASS"}) + CbExports({"U", "V"}) +
                "*Co-simulation Controls, name=S_Ctrls, coupling scheme=gauss-seidel, time "
                "incrementation=subcycle, time marks=yes, step size=import, \n"
                "scheme modifier=lead\n",
            CbRun(solid).Step("Step-1"));
}

// The energy equation adds the thermal variables on both sides; implicit
// dynamics takes step size=min; codes the user set stay; step size kind 5
// forces subcycle even over lockstep.
TEST_F(aif_InteractionBuilderCosimulation, ThermalImplicitAndGivenStepSize) {
  CbPartner<kprC_TempDisplacementDynamicsStep>("Solid");
  hst_ModelBuilder b = CbModel<kprC_FlowStep>();
  b.Steps().SetFlowSettings(1, 0);
  kinC_FSICosimulation given = CbFsi("Step-1", {}, {});
  given.SetStepSizeKind(5);
  given.SetTimeIncrementation(2);
  given.SetCouplingScheme(2);
  given.SetTimeMarks(2);
  b.AddInteraction("F", given);
  EXPECT_EQ(CbFsiHead("F") + CbImports({"U", "V", "TEMP"}) +
                CbExports({"LUMPEDMASS", "TRSHR", "HFL", "LUMPEDHEATCAPACITANCE"}) +
                "*Co-simulation Controls, name=F_Ctrls, coupling scheme=jacobi, time "
                "incrementation=subcycle, time marks=no, step size=0.\n",
            CbRun(b).Step("Step-1"));

  CbClearDatabase();
  CbPartner<kprC_FlowStep>("Fluid", true);
  hst_ModelBuilder heat = CbModel<kprC_HeatTransferStep>("Solid");
  heat.AddInteraction("H", CbFsi("Step-1", {}, {}));
  hst_ModelBuilder implicit = CbModel<kprC_ImplicitDynamicsStep>("Solid-2");
  implicit.AddInteraction("I", CbFsi("Step-1", {}, {}));
  EXPECT_EQ(CbFsiHead("H") + CbImports({"CFL", "LUMPEDHEATCAPACITANCE"}) + CbExports({"NT"}) +
                "*Co-simulation Controls, name=H_Ctrls, coupling scheme=gauss-seidel, time "
                "incrementation=subcycle, time marks=yes, step size=min, scheme modifier=lead\n",
            CbRun(heat).Step("Step-1"));
  EXPECT_EQ(CbFsiHead("I") + CbImports({"CF", "LUMPEDMASS"}) + CbExports({"U", "V"}) +
                "*Co-simulation Controls, name=I_Ctrls, coupling scheme=gauss-seidel, time "
                "incrementation=subcycle, time marks=yes, step size=min, scheme modifier=lead\n",
            CbRun(implicit).Step("Step-1"));
}

// Only the first partner step found counts: the models in the database's
// order, a partner interaction that no step creates passed over, a
// suppressed one too. A structural step coupled to a non-flow step keeps
// its values apart from the time marks and the scheme.
TEST_F(aif_InteractionBuilderCosimulation, FirstPartnerOnly) {
  hst_ModelBuilder unborn = CbModel<kprC_ImplicitDynamicsStep>("A-Unborn");
  kinC_FSICosimulation never;
  never.SetRegion(CbSkin());
  never.SetStatus("Step-1", 2);
  unborn.AddInteraction("Never", never);
  kinC_FSICosimulation hidden = CbFsi("Step-1", {}, {});
  hidden.SetSuppressed(true);
  unborn.AddInteraction("Hidden", hidden);
  unborn.Model();
  CbPartner<kprC_ExplicitDynamicsStep>("B-Explicit");
  CbPartner<kprC_ImplicitDynamicsStep>("C-Implicit");
  hst_ModelBuilder b = CbModel<kprC_FlowStep>();
  b.AddInteraction("F", CbFsi("Step-1", {}, {}));
  const std::string explicitCoupling =
      CbFsiHead("F") + CbImports({"U", "V"}) + CbExports({"LUMPEDMASS", "TRSHR"}) +
      "*Co-simulation Controls, name=F_Ctrls, coupling scheme=gauss-seidel, time "
      "incrementation=lockstep, time marks=yes, step size=export, \n"
      "scheme modifier=lag\n";
  EXPECT_EQ(explicitCoupling, CbRun(b).Step("Step-1"));

  hst_ModelBuilder solid = CbModel<kprC_ExplicitDynamicsStep>("Z-Solid");
  solid.AddInteraction("S", CbFsi("Step-1", {}, {"U"}));
  EXPECT_EQ(CbFsiHead("S") + CbExports({"U"}) +
                "*Co-simulation Controls, name=S_Ctrls, coupling scheme=gauss-seidel, time "
                "marks=yes\n",
            CbRun(solid).Step("Step-1"));
}

// Couplings that cannot run stop the write instead of standing in the file
// as exchanged variables: heat transfer with a flow step that does not
// solve the energy equation (either side), a flow step with a procedure it
// cannot couple with.
TEST_F(aif_InteractionBuilderCosimulation, InvalidCombinationsStopTheWrite) {
  CbPartner<kprC_HeatTransferStep>("Solid");
  hst_ModelBuilder flow = CbModel<kprC_FlowStep>();
  flow.AddInteraction("F", CbFsi("Step-1", {}, {}));
  aif_test::ExpectDriverRefuses(flow, "Error -- Invalid cosimulation combination", "CbDriver");

  CbClearDatabase();
  CbPartner<kprC_StaticStep>("Solid");
  aif_test::ExpectDriverRefuses(flow, "Illegal Step Type", "CbDriver");

  CbClearDatabase();
  CbPartner<kprC_FlowStep>("Fluid-Partner", false);
  hst_ModelBuilder heat = CbModel<kprC_HeatTransferStep>("Solid");
  heat.AddInteraction("H", CbFsi("Step-1", {}, {}));
  aif_test::ExpectDriverRefuses(heat, "Error -- Invalid cosimulation combination", "CbDriver");
}
