// "*Adjust" of adjust-points constraints and of adjusted couplings.
#include "aif/impl/constraints/aif_Adjust.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "aif/impl/constraints/aif_Coupling.h"
#include "aif/impl/constraints/aif_Kinematic.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "aif_TwoInstanceContext.h"

using aif_test::KeywordText;

namespace {

using AdjustContext = aif_TwoInstanceContext;

}  // namespace

TEST(aif_Adjust, NodeSetOntoSurface) {
  AdjustContext parts(false);
  const kcoC_AdjustPoints points(rgnC_Region("Set-1", {"Assembly", "Part-1-2"}),
                                 rgnC_Region("Surf-1", {"Assembly", "Part-1-1"}));
  EXPECT_EQ(KeywordText(aif_Adjust(&points, parts.Info(), false)),
            "*Adjust, node set=Part-1-2.Set-1, surface=Part-1-1.Surf-1\n");
  AdjustContext flat(true);
  EXPECT_EQ(KeywordText(aif_Adjust(&points, flat.Info(), false)),
            "*Adjust, node set=Part-1-2_Set-1, surface=Part-1-1_Surf-1\n");

  // A coupling adjusts its control point onto its surface.
  kcoC_Coupling coupling(rgnC_Region("RP-1", {"Assembly"}),
                         rgnC_Region("Surf-1", {"Assembly", "Part-1-1"}), 0);
  EXPECT_EQ(KeywordText(aif_Adjust(&coupling, parts.Info(), false)),
            "*Adjust, node set=RP-1, surface=Part-1-1.Surf-1\n");

  // Raw names: the set's own name, made printable once.
  const kcoC_AdjustPoints raw(rgnC_Region("Fast set 1", {"Assembly", "Part-1-2"}),
                              rgnC_Region("Surf-1", {"Assembly", "Part-1-1"}));
  EXPECT_EQ(KeywordText(aif_Adjust(&raw, parts.Info(), true)),
            "*Adjust, node set=\"Fast set 1\", surface=Part-1-1.Surf-1\n");
  EXPECT_EQ(KeywordText(aif_Adjust(&raw, parts.Info(), false)),
            "*Adjust, node set=Part-1-2.\"Fast set 1\", surface=Part-1-1.Surf-1\n");

  // No constraint, or one of another kind: nothing.
  EXPECT_EQ(KeywordText(aif_Adjust(nullptr, parts.Info(), false)), "");
  const kcoC_Tie tie;
  EXPECT_EQ(KeywordText(aif_Adjust(&tie, parts.Info(), false)), "");
}

TEST(aif_Adjust, AdjustedKinematicCouplingWritesFourEntries) {
  // What the constraint builder files for a kinematic coupling with the
  // adjust flag: its comment, "*Coupling", "*Kinematic" and "*Adjust".
  AdjustContext parts(false);
  kcoC_Coupling coupling(rgnC_Region("RP-1", {"Assembly"}),
                         rgnC_Region("Surf-1", {"Assembly", "Part-1-1"}), 0);
  coupling.SetAdjust(true);
  coupling.SetDof(4, false);
  const std::string text = KeywordText(aif_Comment("Constraint: Coupling-1")) +
                           KeywordText(aif_Coupling("Coupling-1", coupling, parts.Info())) +
                           KeywordText(aif_Kinematic(coupling, parts.Info())) +
                           KeywordText(aif_Adjust(&coupling, parts.Info(), false));
  EXPECT_EQ(text,
            "** Constraint: Coupling-1\n"
            "*Coupling, constraint name=Coupling-1, ref node=RP-1, surface=Part-1-1.Surf-1\n"
            "*Kinematic\n1, 1\n2, 2\n3, 3\n5, 5\n6, 6\n"
            "*Adjust, node set=RP-1, surface=Part-1-1.Surf-1\n");
}
