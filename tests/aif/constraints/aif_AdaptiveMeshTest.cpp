// "*Adaptive Mesh" of a step's domains (and the line that removes them) and
// "*Adaptive Mesh Controls", in explicit and implicit steps.
#include "aif/impl/constraints/aif_AdaptiveMesh.h"

#include <gtest/gtest.h>

#include "aif/impl/constraints/aif_AdaptiveMeshControls.h"
#include "support/aif_TestSupport.h"

using aif_test::KeywordText;

namespace {

kadC_AdptMeshDomain AdaptiveMeshTestDomain(int frequency, int initialSweeps, int sweeps,
                                           const char* controls = "") {
  kadC_AdptMeshDomain domain;
  domain.SetFrequency(frequency);
  domain.SetInitialMeshSweeps(initialSweeps);
  domain.SetMeshSweeps(sweeps);
  domain.SetControlsName(controls);
  return domain;
}

// Controls whose five weights are 0.1 to 0.5, to show which the data line takes.
kadC_AdptMeshCtrl AdaptiveMeshTestControls() {
  kadC_AdptMeshCtrl controls;
  int index = 0;
  for (double weight : {0.1, 0.2, 0.3, 0.4, 0.5})
    controls.SetData(++index, weight);
  return controls;
}

}  // namespace

TEST(aif_AdaptiveMesh, DomainOptionsByStepKind) {
  const kadC_AdptMeshDomain plain = AdaptiveMeshTestDomain(10, 2147483647, 1);
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(plain, "Block-1.Set-1", false)),
            "*Adaptive Mesh, elset=Block-1.Set-1, op=NEW\n");
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(plain, "Block-1.Set-1", true)),
            "*Adaptive Mesh, elset=Block-1.Set-1, op=NEW\n");

  // Initial mesh sweeps are an explicit step's option only.
  const kadC_AdptMeshDomain tuned = AdaptiveMeshTestDomain(5, 3, 1);
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(tuned, "Set-1", false)),
            "*Adaptive Mesh, elset=Set-1, frequency=5, op=NEW\n");
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(tuned, "Set-1", true)),
            "*Adaptive Mesh, elset=Set-1, frequency=5, initial mesh sweeps=3, op=NEW\n");

  // Every option, the controls' name in its printable form.
  const kadC_AdptMeshDomain full = AdaptiveMeshTestDomain(0, 0, 4, "Fine mesh");
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(full, "Set-1", true)),
            "*Adaptive Mesh, elset=Set-1, controls=\"Fine mesh\", frequency=0, initial mesh "
            "sweeps=0, mesh sweeps=4, op=NEW\n");
  EXPECT_EQ(
      KeywordText(aif_AdaptiveMesh(AdaptiveMeshTestDomain(10, 2147483647, 1, "C1"), "S", false)),
      "*Adaptive Mesh, elset=S, controls=C1, op=NEW\n");

  // The removing form, whatever the step.
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(true, false)), "*Adaptive Mesh, op=NEW\n");
  EXPECT_EQ(KeywordText(aif_AdaptiveMesh(true, true)), "*Adaptive Mesh, op=NEW\n");
}

TEST(aif_AdaptiveMeshControls, OptionsAndDataLineByStepKind) {
  const kadC_AdptMeshCtrl defaults = AdaptiveMeshTestControls();
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", defaults, false)),
            "*Adaptive Mesh Controls, name=C1\n0.5, 0.2\n");
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", defaults, true)),
            "*Adaptive Mesh Controls, name=C1\n0.1, 0.3, 0.4\n");
  // The weights the host starts with.
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", kadC_AdptMeshCtrl(), false)),
            "*Adaptive Mesh Controls, name=C1\n1., 0.\n");

  kadC_AdptMeshCtrl some = AdaptiveMeshTestControls();
  some.SetAdvection(0);
  some.SetMeshingPredictor(kadC_AdptMeshCtrl::PREVIOUS);
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", some, true)),
            "*Adaptive Mesh Controls, name=C1, advection=FIRST ORDER, meshing predictor=PREVIOUS\n"
            "0.1, 0.3, 0.4\n");
  // Options an implicit step does not know are left out.
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", some, false)),
            "*Adaptive Mesh Controls, name=C1\n0.5, 0.2\n");

  kadC_AdptMeshCtrl noEnhancement = AdaptiveMeshTestControls();
  noEnhancement.SetGeometricEnhancement(0);
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", noEnhancement, false)),
            "*Adaptive Mesh Controls, name=C1, geometric enhancement=NO\n0.5, 0.2\n");
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C1", noEnhancement, true)),
            "*Adaptive Mesh Controls, name=C1, geometric enhancement=NO\n0.1, 0.3, 0.4\n");

  // Every option away from its default, in their order; the explicit line
  // goes on after the break column. An advection other than 0 or 1 leaves
  // its word out; a momentum advection other than 1 is the element center.
  kadC_AdptMeshCtrl all = AdaptiveMeshTestControls();
  all.SetAdvection(3);
  all.SetGeometricEnhancement(1);
  all.SetInitialFeatureAngle(20.0);
  all.SetTransitionFeatureAngle(25.5);
  all.SetMeshConstraintAngle(45.0);
  all.SetMomentumAdvection(1);
  all.SetMeshingPredictor(kadC_AdptMeshCtrl::PREVIOUS);
  all.SetSmoothingPriority(kadC_AdptMeshCtrl::GRADED);
  all.SetCurvatureRefinement(0.5);
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("Fine mesh", all, false)),
            "*Adaptive Mesh Controls, name=\"Fine mesh\", geometric enhancement=YES, initial "
            "feature angle=20., transition feature angle=25.5\n0.5, 0.2\n");
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("Fine mesh", all, true)),
            "*Adaptive Mesh Controls, name=\"Fine mesh\", advection=, geometric enhancement=YES, "
            "initial feature angle=20., mesh constraint angle=45., \n"
            "momentum advection=HALF INDEX SHIFT, meshing predictor=PREVIOUS, smoothing "
            "objective=GRADED, curvature refinement=0.5, transition feature angle=25.5\n"
            "0.1, 0.3, 0.4\n");
  all.SetMomentumAdvection(2);
  all.SetAdvection(1);
  EXPECT_EQ(KeywordText(aif_AdaptiveMeshControls("C", all, true)),
            "*Adaptive Mesh Controls, name=C, geometric enhancement=YES, initial feature "
            "angle=20., mesh constraint angle=45., momentum advection=CONSTANT ELEMENT CENTER, \n"
            "meshing predictor=PREVIOUS, smoothing objective=GRADED, curvature refinement=0.5, "
            "transition feature angle=25.5\n0.1, 0.3, 0.4\n");
}
