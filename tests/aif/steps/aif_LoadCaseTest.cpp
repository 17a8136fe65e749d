// "*Load Case" and "*Substructure Load Case" with printable names.
#include "aif/impl/steps/aif_LoadCase.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_LoadCaseTest, Forms) {
  EXPECT_EQ(KeywordText(aif_LoadCase("LC-1", 0)), "*Load Case, name=LC-1\n");
  EXPECT_EQ(KeywordText(aif_LoadCase("Wind load", 0)), "*Load Case, name=\"Wind load\"\n");
  EXPECT_EQ(KeywordText(aif_LoadCase("LC-1", 1)), "*Substructure Load Case, name=LC-1\n");
  EXPECT_EQ(KeywordText(aif_LoadCase("Wind load", -3)),
            "*Substructure Load Case, name=\"Wind load\"\n");
}

}  // namespace
