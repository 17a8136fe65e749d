#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/steps/aif_SubstructureGenerate.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

// The write context of an empty model.
struct SubstructureTestModel {
  hst_ModelBuilder b;
  bas_NewModel model = b.Model();
  aif_Job job{"Job-1", b.Job(), model};
  aif_ModelInfo info{job};
};

// A recovery region of the assembly whose geometry is one component of
// `kind`.
rgnC_Region SubstructureRecoveryRegion(rgnC_GeomComponent::Kind kind) {
  rgnC_Region region("Recovery", {"Assembly"});
  rgnC_GeomComponent component;
  component.kind = kind;
  region.SetKernelComponents({component});
  return region;
}

// A step recovering the region of `kind` with the region kind flags given.
kprC_SubstructureGenerateStep SubstructureRecoveryStep(rgnC_GeomComponent::Kind kind,
                                                       bool geometric, bool elementBased,
                                                       bool nodeBased) {
  kprC_SubstructureGenerateStep step;
  step.SetRecoveryMatrix(2);
  step.SetRecoveryRegion(SubstructureRecoveryRegion(kind));
  step.SetRecoveryGeometric(geometric);
  step.SetRecoveryElementBased(elementBased);
  step.SetRecoveryNodeBased(nodeBased);
  return step;
}

TEST(SubstructureGenerateTest, IdentifierAndRecoveryMatrix) {
  SubstructureTestModel m;
  kprC_SubstructureGenerateStep step;
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "")),
            "*Substructure Generate, overwrite, recovery matrix=NO\n");

  // The whole model: no set option, whatever the region.
  step = SubstructureRecoveryStep(rgnC_GeomComponent::kVertex, true, false, false);
  step.SetRecoveryMatrix(1);
  step.SetSubstructureId(101);
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "Recovery")),
            "*Substructure Generate, overwrite, type=Z101, recovery matrix=YES\n");

  // A region without a name has no set option either.
  step.SetRecoveryMatrix(2);
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "")),
            "*Substructure Generate, overwrite, type=Z101, recovery matrix=YES\n");
}

TEST(SubstructureGenerateTest, RecoveryRegionAsElementOrNodeSet) {
  SubstructureTestModel m;
  const std::string head = "*Substructure Generate, overwrite, recovery matrix=YES";
  struct Case {
    rgnC_GeomComponent::Kind kind;
    bool geometric, elementBased, nodeBased;
    const char* option;
  };
  const Case cases[] = {
      // A geometric region with vertices is written as a node set.
      {rgnC_GeomComponent::kVertex, true, false, false, ", nset=R-1"},
      {rgnC_GeomComponent::kEdge, true, false, false, ", elset=R-1"},
      {rgnC_GeomComponent::kFace, false, true, false, ", elset=R-1"},
      {rgnC_GeomComponent::kVertex, false, true, false, ", elset=R-1"},
      {rgnC_GeomComponent::kEdge, false, false, true, ", nset=R-1"},
      {rgnC_GeomComponent::kEdge, true, false, true, ", nset=R-1"},
      {rgnC_GeomComponent::kEdge, false, true, true, ""},
      {rgnC_GeomComponent::kEdge, false, false, false, ""},
  };
  for (const Case& c : cases) {
    const kprC_SubstructureGenerateStep step =
        SubstructureRecoveryStep(c.kind, c.geometric, c.elementBased, c.nodeBased);
    EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "R-1")), head + c.option + "\n")
        << "kind " << c.kind << " geometric " << c.geometric << " elements " << c.elementBased
        << " nodes " << c.nodeBased;
  }
}

TEST(SubstructureGenerateTest, MatrixOptionsAndLongLines) {
  SubstructureTestModel m;
  kprC_SubstructureGenerateStep step;
  step.SetGravityLoad(true);
  step.SetMassMatrix(true);
  step.SetPropertyEvaluation(true);
  step.SetStructuralDampingMatrix(true);
  step.SetViscousDampingMatrix(true);
  // A property evaluation without a frequency is left out.
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "")),
            "*Substructure Generate, overwrite, recovery matrix=NO, gravity load=YES, "
            "mass matrix=YES, structural damping matrix=YES, viscous damping matrix=YES\n");
  step.SetPropertyFrequency(5.0);
  step.SetPropertyEvaluation(false);
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "")),
            "*Substructure Generate, overwrite, recovery matrix=NO, gravity load=YES, "
            "mass matrix=YES, structural damping matrix=YES, viscous damping matrix=YES\n");
  // Past the break column the line goes on after a comma.
  step.SetPropertyEvaluation(true);
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, "")),
            "*Substructure Generate, overwrite, recovery matrix=NO, gravity load=YES, "
            "mass matrix=YES, property evaluation=5., structural damping matrix=YES, \n"
            "viscous damping matrix=YES\n");
  step.SetRecoveryMatrix(2);
  step.SetRecoveryElementBased(true);
  const std::string name(100, 'E');
  EXPECT_EQ(KeywordText(aif_SubstructureGenerate(m.info, step, name.c_str())),
            "*Substructure Generate, overwrite, recovery matrix=YES, elset=" + name +
                ", \ngravity load=YES, mass matrix=YES, property evaluation=5., "
                "structural damping matrix=YES, viscous damping matrix=YES\n");
}

TEST(SubstructureGenerateTest, StepOfAnotherKindFailsTheTypeTest) {
  SubstructureTestModel m;
  EXPECT_THROW(aif_SubstructureGenerate(m.info, kprC_StaticStep(), ""), nex_TextException);
}

}  // namespace
