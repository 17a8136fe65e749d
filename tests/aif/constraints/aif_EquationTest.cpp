// "*Equation": the term count and one line per term.
#include "aif/impl/constraints/aif_Equation.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "aif/model/aif_MeshTestSupport.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

struct EquationContext {
  explicit EquationContext(bool flat) {
    b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
    b.AddInstance("Part-1-1", "Part-1");
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
  }
  const akw_ModelInfo& Info() const { return *mesh->info; }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
};

kcoC_Equation TopBottomEquation() {
  return kcoC_Equation({{1.0, "Part-1-1.Top", 1},
                        {-1.0, "Part-1-1.Bottom", 1},
                        {0.25, "Part-1-1.Side set", 6},
                        {1e-05, "RP-1", 3}});
}

}  // namespace

TEST(aif_Equation, TermsNamedByTheirSets) {
  EquationContext parts(false);
  EXPECT_EQ(KeywordText(aif_Equation("Eq-1", TopBottomEquation(), parts.Info())),
            "*Equation\n4\n"
            "Part-1-1.Top, 1, 1.\n"
            "Part-1-1.Bottom, 1, -1.\n"
            "Part-1-1.\"Side set\", 6, 0.25\n"
            "RP-1, 3, 1.e-05\n");
  // A flat file has no instances: every dot becomes "_".
  EquationContext flat(true);
  EXPECT_EQ(KeywordText(aif_Equation("Eq-1", TopBottomEquation(), flat.Info())),
            "*Equation\n4\n"
            "Part-1-1_Top, 1, 1.\n"
            "Part-1-1_Bottom, 1, -1.\n"
            "\"Part-1-1_Side set\", 6, 0.25\n"
            "RP-1, 3, 1.e-05\n");
  EXPECT_EQ(KeywordText(aif_Equation("Eq-2", kcoC_Equation({{2.0, "A.b.c", 2}}), flat.Info())),
            "*Equation\n1\nA_b_c, 2, 2.\n");
  // Quoted components (an instance or set name holding a dot): kept as they
  // are in a part-based file; in a flat one the quotes go with the dots, as
  // the flat file names the set.
  const kcoC_Equation quoted({{1.0, "\"Inst.1\".\"Set.2\"", 3}});
  EXPECT_EQ(KeywordText(aif_Equation("Eq-5", quoted, parts.Info())),
            "*Equation\n1\n\"Inst.1\".\"Set.2\", 3, 1.\n");
  EXPECT_EQ(KeywordText(aif_Equation("Eq-5", quoted, flat.Info())),
            "*Equation\n1\nInst_1_Set_2, 3, 1.\n");

  // No terms: the count 0 alone.
  EXPECT_EQ(KeywordText(aif_Equation("Eq-3", kcoC_Equation(), parts.Info())), "*Equation\n0\n");

  // A set name with a line break stops the write before anything is written;
  // another constraint kind fails the type test.
  EXPECT_NE(ThrownText(aif_Equation("Eq-4", kcoC_Equation({{1.0, "Top\nSet", 1}}), parts.Info())),
            "");
  EXPECT_EQ(ThrownText(aif_Equation("Eq-5", kcoC_Tie(), parts.Info()))
                .rfind("Type test failed: the object is not a kcoC_Equation", 0),
            0u);
}

TEST(aif_Equation, WritesTheModelsStoredConstraint) {
  // The model's constraint repository hands out what the model builder
  // stored, as the constraint builder reads it.
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
  b.AddInstance("Part-1-1", "Part-1");
  b.AddConstraint("Eq-1", kcoC_Equation({{1.5, "Part-1-1.Top", 2}}));
  aif_test::MeshContext context(b, false);
  const auto& constraints = context.info->ModelAdapter().Constraints();
  ASSERT_TRUE(constraints.Contains("Eq-1"));
  EXPECT_EQ(KeywordText(aif_Equation("Eq-1", constraints.ConstGet("Eq-1"), *context.info)),
            "*Equation\n1\nPart-1-1.Top, 2, 1.5\n");
}
