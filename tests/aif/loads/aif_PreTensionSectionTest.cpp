// "*Pre-tension Section": the element- and surface-based forms and the
// normal's data line.

#include "aif/impl/loads/aif_PreTensionSection.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace {

TEST(aif_PreTensionSectionTest, ElementOrSurfaceFormAndTheNormalUnlessUnset) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  const rgnC_Region cut("Cut", {"Assembly", "Block-1"});

  // Element-based: the set as given, after ", element= " with its blank.
  EXPECT_EQ(
      "*Pre-tension Section, element= Block-1._Bolt-1_blel_, node=_Bolt-1_blrn_\n"
      "          0.,           1.,           0.\n",
      aif_test::KeywordText(aif_PreTensionSection("Bolt-1", cut, "_Bolt-1_blrn_", 0.0f, 1.0f, 0.0f,
                                                  info, "Block-1._Bolt-1_blel_")));
  // Surface-based: the region's instance-qualified name; components in
  // fields of 12 after ", ", with at most 6
  // significant digits.
  EXPECT_EQ(
      "*Pre-tension Section, surface= Block-1.Cut, node=_Bolt-1_blrn_\n"
      "    0.707107,    -0.707107,      1.5e-07\n",
      aif_test::KeywordText(aif_PreTensionSection("Bolt-1", cut, "_Bolt-1_blrn_", 0.70710678f,
                                                  -0.70710678f, 1.5e-7f, info, "")));
  // An unset normal (every component the largest float) writes no data line;
  // one component set writes all three.
  constexpr float kUnset = std::numeric_limits<float>::max();
  EXPECT_EQ("*Pre-tension Section, surface= Block-1.Cut, node=_Bolt-1_blrn_\n",
            aif_test::KeywordText(aif_PreTensionSection("Bolt-1", cut, "_Bolt-1_blrn_", kUnset,
                                                        kUnset, kUnset, info, "")));
  EXPECT_EQ(
      "*Pre-tension Section, surface= Block-1.Cut, node=_Bolt-1_blrn_\n"
      "          0.,  3.40282e+38,  3.40282e+38\n",
      aif_test::KeywordText(
          aif_PreTensionSection("Bolt-1", cut, "_Bolt-1_blrn_", 0.0f, kUnset, kUnset, info, "")));
  // A copy writes the same.
  const aif_PreTensionSection section("Bolt-1", cut, "_Bolt-1_blrn_", 0.0f, 0.0f, 1.0f, info, "");
  std::unique_ptr<akw_Keyword> copy(section.Clone());
  EXPECT_EQ(aif_test::KeywordText(section), aif_test::KeywordText(*copy));
}

}  // namespace
