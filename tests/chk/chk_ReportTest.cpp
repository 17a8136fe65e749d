#include "chk/impl/chk_Report.h"

#include <gtest/gtest.h>

#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_KeywordBlock.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "VwrCmd/cmdC_WIP.h"
#include "chk/impl/chk_CosimulationCheck.h"
#include "chk/impl/chk_FullModelCheck.h"

// A restart job named like the job it restarts from and a step sequence the
// solver refuses: every registered check by name, the findings under their
// checks, further lines indented.
TEST(chk_ReportTest, FullModelCheckFindings) {
  hst_ModelBuilder b("Model-1");
  b.AddStep("Step-1", kprC_StaticStep());
  kprC_FrequencyStep residualModes;
  residualModes.SetResidualModes(true);
  b.AddStep("Frequency", residualModes);
  b.MutableModel().SetRestart("Job-1", "Step-1", -2, false);
  chk_FullModelCheck control(b.Model(), "Model-1", b.Job(ajbC_RESTART), "Job-1", false);
  cmdC_WIP::Clear();
  control.RunChecks();
  EXPECT_EQ(
      "chk_MeshCheck\n"
      "  Warning: The assembly is empty; therefore, an analysis \n"
      "    cannot be performed on this model.\n"
      "chk_RigidSurfaceCheck\n"
      "chk_TransformsCheck\n"
      "kfdK_FieldCheck\n"
      "kseK_CompositeLayupCheck\n"
      "kseK_MaterialOrientationCheck\n"
      "kseK_SectionAssignmentCheck\n"
      "kinK_InteractionCheck\n"
      "chk_BeamSectionsCheck\n"
      "kcoK_ConstraintContainerCheck\n"
      "kprK_StepContainerCheck\n"
      "kmaK_MaterialContainerCheck\n"
      "kloK_LoadCheck\n"
      "kbcK_BCCheck\n"
      "klcK_StepContainerCheck\n"
      "chk_FieldOutputCheck\n"
      "chk_HistoryOutputCheck\n"
      "chk_ConstraintCheck\n"
      "kcnK_ConnectorCheck\n"
      "chk_PhysicalConstantsCheck\n"
      "kpfK_FieldCheck\n"
      "chk_RestartReadCheck\n"
      "  Error: To restart from the results of Job-1,\n"
      "    old and new Jobs must have a different name.\n"
      "    Create a new Job or rename the current one.\n"
      "chk_CrackCheck\n"
      "chk_IntegratedOutputSectionCheck\n"
      "chk_StepCheck\n"
      "  Error: Step, Frequency, has been specified to include residual modes.\n"
      "    A Static, Linear Perturbation step must immediately precede this step.\n"
      "chk_EngineeringFeaturesCheck\n"
      "chk_BCCheck\n"
      "chk_RestartTransformsCheck\n"
      "karK_RemeshingRuleCheck\n",
      chk_Report(control).Str());

  // An error and a warning of one check, the error first.
  b.MutableModel().SetRestart("Job-1", "Initial", -2, false);
  dynamic_cast<bas_KeywordBlock&>(b.MutableModel().MutableExtension(bas_NewModel::keywordBlockCmd))
      .SetEdited(true);
  chk_FullModelCheck edited(b.Model(), "Model-1", b.Job(ajbC_RESTART), "Job-2", false);
  cmdC_WIP::Clear();
  edited.RunChecks();
  std::string report = chk_Report(edited).Str();
  EXPECT_NE(std::string::npos,
            report.find("chk_RestartReadCheck\n"
                        "  Error: Restarting the analysis from the end of Step Initial\n"
                        "    is not applicable.\n"
                        "    Change the Restart Step in the Model to an analysis Step.\n"
                        "  Warning: Changes made to the restart model, \"Model-1\",\n"
                        "    through Edit Keywords will not be included in the\n"
                        "    continuation of the analysis.\n"
                        "chk_"))
      << report;

  // A rigid instance without reference point: the rigid surface check's
  // error under its name, between the mesh check and the transforms check.
  hst_ModelBuilder rigid("Model-1");
  rigid.AddPart("Rigid", hst_GridMesh(1, 1, 1), ptoK_DISCRETE_RIGID);
  rigid.AddInstance("R-1", "Rigid");
  rigid.AddStep("Step-1", kprC_StaticStep());
  chk_FullModelCheck rigidControl(rigid.Model(), "Model-1", rigid.Job(), "Job-1", false);
  cmdC_WIP::Clear();
  rigidControl.RunChecks();
  report = chk_Report(rigidControl).Str();
  EXPECT_EQ(0u, report.find("chk_MeshCheck\n"
                            "chk_RigidSurfaceCheck\n"
                            "  Error: The rigid part instance R-1 is missing a reference point.\n"
                            "    \n"
                            "    Either assign a reference point to the corresponding part,\n"
                            "    or include the entire part instance in a rigid body constraint.\n"
                            "chk_TransformsCheck\n"))
      << report;

  // The control's own finding comes first.
  chk_CosimulationCheck cosimulation(ajbC_Coexecution("Missing-Master", {}));
  EXPECT_EQ(
      "Check control\n"
      "  Error: Master model Missing-Master referenced in the\n"
      "    co-execution cannot be found in the database.\n",
      chk_Report(cosimulation).Str());
}
