// The damping keywords of a substructure generation step: "*Damping
// Controls" and "*Global Damping".
#include "aif/impl/steps/aif_DampingControls.h"
#include "aif/impl/steps/aif_GlobalDamping.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using SubstructureStep = kprC_SubstructureGenerateStep;

aif_DampingControls DampingControlsOf(int viscous, int structural) {
  return aif_DampingControls(
      aif_DampingControls::Viscous(SubstructureStep::ViscousDampingEnm(viscous)),
      aif_DampingControls::Structural(SubstructureStep::StructuralDampingEnm(structural)));
}

aif_GlobalDamping GlobalDampingOf(int field, double alpha, double beta, double structural) {
  return aif_GlobalDamping(aif_GlobalDamping::Field(SubstructureStep::GlobalDampingEnm(field)),
                           alpha, beta, structural);
}

TEST(aif_SubstructureDampingTest, DampingControls) {
  EXPECT_EQ(KeywordText(DampingControlsOf(3, 0)),
            "*Damping Controls, structural=NONE, viscous=COMBINED\n");
  EXPECT_EQ(KeywordText(DampingControlsOf(1, 2)),
            "*Damping Controls, structural=FACTOR, viscous=ELEMENT\n");
  EXPECT_EQ(KeywordText(DampingControlsOf(2, 1)),
            "*Damping Controls, structural=ELEMENT, viscous=FACTOR\n");
  // Any value beyond the known ones is the combined form.
  EXPECT_EQ(KeywordText(DampingControlsOf(0, 9)),
            "*Damping Controls, structural=COMBINED, viscous=NONE\n");
}

TEST(aif_SubstructureDampingTest, GlobalDamping) {
  EXPECT_EQ(KeywordText(GlobalDampingOf(2, 0.0, 0.5, 0.0)),
            "*Global Damping, field=ACOUSTIC, beta=0.5\n");
  EXPECT_EQ(KeywordText(GlobalDampingOf(3, 0.1, 0.0, 0.02)),
            "*Global Damping, field=MECHANICAL, alpha=0.1, structural=0.02\n");
  EXPECT_EQ(KeywordText(GlobalDampingOf(1, 0.0, 0.0, 0.0)), "*Global Damping, field=ALL\n");
  EXPECT_EQ(KeywordText(GlobalDampingOf(7, 1.0, 2.0, 3.0)),
            "*Global Damping, field=ALL, alpha=1., beta=2., structural=3.\n");
  // No field: no keyword at all.
  const aif_GlobalDamping none = GlobalDampingOf(0, 0.1, 0.2, 0.3);
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ(KeywordText(none), "");
  EXPECT_FALSE(GlobalDampingOf(2, 0.0, 0.0, 0.0).IsEmpty());
}

}  // namespace
