// "*Retained Nodal Dofs": runs of retained degrees of freedom per entry, the
// entries in the order added, conditions of other kinds and states of other
// steps, and two conditions on one set.
#include "aif/impl/steps/aif_RetainedNodalDofs.h"

#include "OdbAttrEO/kbcC_RetainedNodalDofsBC.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

// A retained-DOF condition retaining `dofs` (1 to 6) in step "Reduce".
kbcC_RetainedNodalDofsBC RetainedDofsCondition(std::initializer_list<int> dofs) {
  std::array<bool, 6> switches{};
  for (int dof : dofs)
    switches[dof - 1] = true;
  kbcC_RetainedNodalDofsBC bc;
  bc.SetState("Reduce", kbcC_RetainedNodalDofsBCState(switches));
  return bc;
}

TEST(aif_RetainedNodalDofsTest, OneLinePerRunOfDegreesOfFreedom) {
  aif_RetainedNodalDofs keyword("Reduce", 0, "Initial");
  EXPECT_EQ(keyword.NumEntries(), 0);
  EXPECT_EQ(KeywordText(keyword), "");

  keyword.AddBoundaryCondition(RetainedDofsCondition({1, 2, 3, 6}), "Corners");
  keyword.AddBoundaryCondition(RetainedDofsCondition({4}), "Axis");
  keyword.AddBoundaryCondition(RetainedDofsCondition({}), "Nothing");
  keyword.AddBoundaryCondition(RetainedDofsCondition({1, 3, 4, 5, 6}), "Edge");
  EXPECT_EQ(keyword.NumEntries(), 4);
  EXPECT_EQ(KeywordText(keyword),
            "*Retained Nodal Dofs\n"
            "Corners, 1, 3\n"
            "Corners, 6, 6\n"
            "Axis, 4, 4\n"
            "Edge, 1, 1\n"
            "Edge, 3, 6\n");

  // An entry retaining nothing still makes the keyword line.
  aif_RetainedNodalDofs none("Reduce", 0, "Initial");
  none.AddBoundaryCondition(RetainedDofsCondition({}), "Nothing");
  EXPECT_EQ(none.NumEntries(), 1);
  EXPECT_EQ(KeywordText(none), "*Retained Nodal Dofs\n");
}

TEST(aif_RetainedNodalDofsTest, OtherKindsOtherStepsAndRepeatedSets) {
  aif_RetainedNodalDofs keyword("Reduce", 0, "Initial");
  keyword.AddBoundaryCondition(kbcC_BC(), "Plain");
  EXPECT_EQ(keyword.NumEntries(), 0);

  // Only the state in the keyword's step counts.
  kbcC_RetainedNodalDofsBC later;
  later.SetState("Later", kbcC_RetainedNodalDofsBCState({true, true, true, true, true, true}));
  keyword.AddBoundaryCondition(later, "Later");

  // A second condition on a set adds its degrees of freedom to the entry,
  // which keeps its place.
  keyword.AddBoundaryCondition(RetainedDofsCondition({1, 2}), "Shared");
  keyword.AddBoundaryCondition(RetainedDofsCondition({6}), "Other");
  keyword.AddBoundaryCondition(RetainedDofsCondition({3, 6}), "Shared");
  EXPECT_EQ(keyword.NumEntries(), 3);
  EXPECT_EQ(KeywordText(keyword),
            "*Retained Nodal Dofs\n"
            "Shared, 1, 3\n"
            "Shared, 6, 6\n"
            "Other, 6, 6\n");
}

TEST(aif_RetainedNodalDofsTest, AStateOfAnotherKindFailsTheTypeTest) {
  aif_RetainedNodalDofs keyword("Reduce", 0, "Initial");
  kbcC_RetainedNodalDofsBC odd;
  odd.SetState("Reduce", kbcC_BC());
  std::string error;
  try {
    keyword.AddBoundaryCondition(odd, "Odd");
  } catch (const nex_TextException& e) {
    error = e.Text().Str();
  }
  EXPECT_EQ(error.find("Type test failed: the object is not a kbcC_RetainedNodalDofsBCState "
                       "(source file module/aif/impl/steps/aif_RetainedNodalDofs.cpp, line "),
            0u)
      << error;
  EXPECT_EQ(keyword.NumEntries(), 0);
  EXPECT_EQ(KeywordText(keyword), "");
}

}  // namespace
