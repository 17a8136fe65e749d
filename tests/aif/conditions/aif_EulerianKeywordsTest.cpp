// "*Eulerian Boundary" and "*Eulerian Mesh Motion": options by state, the
// short forms, the data lines, the element set of the Eulerian instance in
// part-based and flat files, and the refusal of an unusable instance.

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "aif/impl/conditions/aif_EulerianBoundary.h"
#include "aif/impl/conditions/aif_EulerianMeshMotion.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace {

kbcC_EulerianBC EulerianInflowOutflow(int definition, int inflow, int outflow) {
  kbcC_EulerianBCState state;
  state.SetEulerian(definition, inflow, outflow);
  kbcC_EulerianBC boundary;
  boundary.SetName("Flow-1");
  boundary.SetState("Step-1", 1, state);
  return boundary;
}

std::string EulerianBoundaryText(const kbcC_EulerianBC& boundary, bool opNew = false) {
  return aif_test::KeywordText(aif_EulerianBoundary(boundary, "Step-1", "Box-1.Inlet", opNew));
}

// A model whose instance "Box-1" of the part "Box" (analysis type
// `analysis`) has the section assignment of the region "All" (unless
// `assigned` is false), and the mesh-motion condition on its surface.
struct EulerianModel {
  explicit EulerianModel(bool flat = false, int analysis = ptoK_EULERIAN, bool assigned = true,
                         hst_ModelBuilder::InstanceOptions options = {},
                         const char* instance = "Box-1", const char* region = "All") {
    b.AddPart("Box", hst_GridMesh(1, 1, 1), analysis);
    if (assigned) {
      b.AddPartAttribute("Box", ptoC_SectionAssignment(rgnC_Region(region, {"Box"}), "Euler"));
    }
    b.AddInstance(instance, "Box", options);
    b.Assembly().SetRequiresFlatInputFile(flat);
    motion.SetName("Motion-1");
    motion.SetInstanceName("Box-1");
    motion.SetSurface(false, "Tool-1.Skin");
  }
  hst_ModelBuilder b;
  kbcC_EulerianMotionBC motion;
};

// What the full form of `motion` writes in `model`, with `state` in Step-1.
std::string EulerianMotionText(EulerianModel& model, const kbcC_EulerianMotionBCState& state,
                               bool opNew = false) {
  model.motion.SetState("Step-1", 1, state);
  const bas_NewModel built = model.b.Model();
  aif_Job job("Job-1", model.b.Job(), built);
  aif_ModelInfo info(job);
  return aif_test::KeywordText(aif_EulerianMeshMotion(model.motion, "Step-1", info, opNew));
}

std::string EulerianMotionShortText(EulerianModel& model) {
  const bas_NewModel built = model.b.Model();
  aif_Job job("Job-1", model.b.Job(), built);
  aif_ModelInfo info(job);
  return aif_test::KeywordText(aif_EulerianMeshMotion(model.motion, info));
}

std::string EulerianMotionError(EulerianModel& model) {
  const bas_NewModel built = model.b.Model();
  aif_Job job("Job-1", model.b.Job(), built);
  aif_ModelInfo info(job);
  return aif_test::ThrownText(aif_EulerianMeshMotion(model.motion, "Step-1", info, true)) + "|" +
         aif_test::ThrownText(aif_EulerianMeshMotion(model.motion, info));
}

}  // namespace

TEST(aif_EulerianKeywordsTest, EulerianBoundaryOptionsByDefinition) {
  // Definition 0: inflow only; 1: outflow only; any other value both.
  EXPECT_EQ("*Eulerian Boundary, inflow=VOID\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(0, 2, 3)));
  EXPECT_EQ("*Eulerian Boundary, op=NEW, inflow=FREE\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(0, 0, 1), true));
  EXPECT_EQ("*Eulerian Boundary, outflow=NONUNIFORM PRESSURE\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(1, 2, 3)));
  EXPECT_EQ("*Eulerian Boundary, inflow=VOID, outflow=ZERO PRESSURE\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(2, 2, 0)));
  EXPECT_EQ("*Eulerian Boundary, inflow=NONE, outflow=NONREFLECTING\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(7, 1, 2)));
  EXPECT_EQ("*Eulerian Boundary, outflow=FREE\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(2, 3, 1)));
  // Values outside the tables write no option.
  EXPECT_EQ("*Eulerian Boundary\nBox-1.Inlet\n",
            EulerianBoundaryText(EulerianInflowOutflow(2, -1, 4)));
  // No state in the step: the state's defaults (both, free, zero pressure).
  kbcC_EulerianBC stateless;
  EXPECT_EQ("*Eulerian Boundary, inflow=FREE, outflow=ZERO PRESSURE\nBox-1.Inlet\n",
            EulerianBoundaryText(stateless));

  // The short form: the keyword line with op=NEW alone.
  const kbcC_EulerianBC boundary = EulerianInflowOutflow(2, 2, 0);
  EXPECT_EQ("*Eulerian Boundary, op=NEW\n", aif_test::KeywordText(aif_EulerianBoundary(boundary)));
  const aif_EulerianBoundary full(boundary, "Step-1", "Box-1.Inlet", false);
  const std::unique_ptr<akw_Keyword> copy(full.Clone());
  EXPECT_EQ("*Eulerian Boundary, inflow=VOID, outflow=ZERO PRESSURE\nBox-1.Inlet\n",
            aif_test::KeywordText(*copy));
}

TEST(aif_EulerianKeywordsTest, MeshMotionOptionsAndDataLines) {
  // Every default: no option after the surface; every number unset and
  // every position free.
  EulerianModel defaults;
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=Box-1.All, surface=Tool-1.Skin\n"
      " ,  ,  ,  ,  , \n"
      " ,  ,  ,  ,  , \n"
      " ,  , \n",
      EulerianMotionText(defaults, kbcC_EulerianMotionBCState()));

  // Every option, numbers and fixed positions; the options break the line
  // where it grows too long.
  EulerianModel all;
  all.motion.SetOrientation(dtmC_DatumRef{{"Assembly"}, "Csys-1"});
  kbcC_EulerianMotionBCState state;
  state.SetMotionLimits(false, 1.5, 20.0, 0.25, 3.0);
  state.SetNumbers({1.0, 0.5, -2.0, 4.0, 0.125, 6.0});
  // Stored S1 to S9.
  state.SetPositions({1, 0, 1, 2, 0, 1, 1, 0, 0});
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=Box-1.All, surface=Tool-1.Skin, op=NEW, "
      "orientation=Assembly-Csys-1, contract=No, vmax factor=1.5, aspect ratio max=20., \n"
      "vol frac min=0.25, buffer=3.\n"
      "1., 0.5, -2., 4., 0.125, 6.\n"
      " FIXED,  FIXED,  ,  ,  ,  FIXED\n"
      " FIXED,  ,  FIXED\n",
      EulerianMotionText(all, state, true));

  // An unset buffer writes "INITIAL"; the last number of the first line is
  // left out at 0, the middle ones at 0 written as " , ".
  EulerianModel initial;
  kbcC_EulerianMotionBCState buffered;
  buffered.SetMotionLimits(true, 1.01, 10.0, 0.5, DBL_MAX);
  buffered.SetNumbers({DBL_MAX, 2.0, DBL_MAX, 0.0, 3.0, 0.0});
  buffered.SetPositions({0, 0, 0, 0, 0, 0, 0, 0, 1});
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=Box-1.All, surface=Tool-1.Skin, buffer=INITIAL\n"
      " , 2.,  ,  , 3., \n"
      " ,  ,  ,  ,  FIXED, \n"
      " ,  , \n",
      EulerianMotionText(initial, buffered));

  // The short form names its element set, then op=NEW alone.
  EulerianModel brief;
  EXPECT_EQ("*Eulerian Mesh Motion, elset=Box-1.All, op=NEW\n", EulerianMotionShortText(brief));
}

TEST(aif_EulerianKeywordsTest, MeshMotionNames) {
  // Part-based: names made printable component by component; a surface given
  // as the condition's region is named by its set name.
  EulerianModel quoted(false, ptoK_EULERIAN, true, {}, "Box 1", "All");
  quoted.motion.SetInstanceName("Box 1");
  quoted.motion.SetRegion(rgnC_Region("Skin", {"Assembly", "Tool-1"}));
  quoted.motion.SetSurface(true, "ignored");
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=\"Box 1\".All, surface=Tool-1.Skin\n"
      " ,  ,  ,  ,  , \n"
      " ,  ,  ,  ,  , \n"
      " ,  , \n",
      EulerianMotionText(quoted, kbcC_EulerianMotionBCState()));
  quoted.motion.SetSurface(false, "Tool 2.Outer skin");
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=\"Box 1\".All, surface=\"Tool 2\".\"Outer skin\"\n"
      " ,  ,  ,  ,  , \n"
      " ,  ,  ,  ,  , \n"
      " ,  , \n",
      EulerianMotionText(quoted, kbcC_EulerianMotionBCState()));

  // No "." at all in a flat file: the instance and the region joined by "_",
  // every "." inside them made "_" too; the surface name likewise.
  EulerianModel flat(true, ptoK_EULERIAN, true, {}, "Box.1", "All.Cells");
  flat.motion.SetInstanceName("Box.1");
  EXPECT_EQ(
      "*Eulerian Mesh Motion, elset=Box_1_All_Cells, surface=Tool-1_Skin\n"
      " ,  ,  ,  ,  , \n"
      " ,  ,  ,  ,  , \n"
      " ,  , \n",
      EulerianMotionText(flat, kbcC_EulerianMotionBCState()));
  EXPECT_EQ("*Eulerian Mesh Motion, elset=Box_1_All_Cells, op=NEW\n",
            EulerianMotionShortText(flat));
}

TEST(aif_EulerianKeywordsTest, MeshMotionRefusesAnUnusableInstance) {
  const std::string refused =
      "Eulerian mesh motion Motion-1: its instance is not an Eulerian instance with a section "
      "assignment.";
  const std::string both = refused + "|" + refused;

  EulerianModel missing;
  missing.motion.SetInstanceName("Box-2");
  EXPECT_EQ(both, EulerianMotionError(missing));

  EulerianModel deformable(false, ptoK_DEFORMABLE);
  EXPECT_EQ(both, EulerianMotionError(deformable));

  hst_ModelBuilder::InstanceOptions suppressedOptions;
  suppressedOptions.active = false;
  EulerianModel suppressed(false, ptoK_EULERIAN, true, suppressedOptions);
  EXPECT_EQ(both, EulerianMotionError(suppressed));

  hst_ModelBuilder::InstanceOptions excludedOptions;
  excludedOptions.excluded = true;
  EulerianModel excluded(false, ptoK_EULERIAN, true, excludedOptions);
  EXPECT_EQ(both, EulerianMotionError(excluded));

  EulerianModel unassigned(false, ptoK_EULERIAN, false);
  EXPECT_EQ(both, EulerianMotionError(unassigned));

  EulerianModel rejected;
  rejected.b = hst_ModelBuilder();
  rejected.b.AddPart("Box", hst_GridMesh(1, 1, 1), ptoK_EULERIAN);
  ptoC_SectionAssignment assignment(rgnC_Region("All", {"Box"}), "Euler");
  assignment.SetSuppressed(true);
  rejected.b.AddPartAttribute("Box", assignment);
  rejected.b.AddInstance("Box-1", "Box");
  EXPECT_EQ(both, EulerianMotionError(rejected));

  EulerianModel noAssembly;
  noAssembly.b.WithoutAssembly();
  EXPECT_EQ(both, EulerianMotionError(noAssembly));
}
