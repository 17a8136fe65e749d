// "*Submodel": the node-based form from a boundary condition, the
// surface-based form from a load, which conditions or loads share one
// keyword, and the global element set's printable form.

#include "aif/impl/conditions/aif_Submodel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "support/aif_TestSupport.h"

namespace {

kbcC_SubmodelBC SubmodelCondition(const char* elset, double thickness, double absolute,
                                  double exterior) {
  kbcC_SubmodelBC condition;
  condition.SetGlobalElset(elset);
  condition.SetTolerances(thickness, absolute, exterior);
  return condition;
}

kloC_SubmodelStressBased SubmodelLoad(const char* elset, double absolute, double exterior) {
  kloC_SubmodelStressBased load;
  load.SetGlobalElset(elset);
  load.SetTolerances(absolute, exterior);
  return load;
}

TEST(aif_SubmodelTest, NodeBasedFromABoundaryCondition) {
  // Nothing given: the type alone.
  EXPECT_EQ("*Submodel, type=NODE\nBlock-1.Top, \n",
            aif_test::KeywordText(
                aif_Submodel(false, SubmodelCondition("", 0.0, 0.0, 0.0), "Block-1.Top")));

  // Everything given; regions in order of addition, each once.
  aif_Submodel submodel(true, SubmodelCondition("Global-1.Drive", 0.5, 0.01, 0.05), "Block-1.Top");
  submodel.AddRegion("Block-1.Side");
  submodel.AddRegion("Block-1.Top");
  EXPECT_EQ(
      "*Submodel, type=NODE, shell to solid, shell thickness=0.5, absolute exterior "
      "tolerance=0.01, exteriorTolerance=0.05, global elset=Global-1.Drive\n"
      "Block-1.Top, \n"
      "Block-1.Side, \n",
      aif_test::KeywordText(submodel));
  std::unique_ptr<akw_Keyword> copy(submodel.Clone());
  EXPECT_EQ(aif_test::KeywordText(submodel), aif_test::KeywordText(*copy));

  // Shared only with exactly the same element set and tolerances.
  EXPECT_TRUE(submodel.IsCompatible(SubmodelCondition("Global-1.Drive", 0.5, 0.01, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelCondition("Global-1.drive", 0.5, 0.01, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelCondition("Global-1.Drive", 0.5000001, 0.01, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelCondition("Global-1.Drive", 0.5, 0.02, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelCondition("Global-1.Drive", 0.5, 0.01, 0.0)));

  // Another kind of condition fails its type test.
  EXPECT_THROW(aif_Submodel(false, kbcC_BC(), "Block-1.Top"), nex_Exception);
  EXPECT_THROW(submodel.IsCompatible(kbcC_BC()), nex_Exception);
}

TEST(aif_SubmodelTest, SurfaceBasedFromALoad) {
  aif_Submodel submodel(SubmodelLoad("Drive", 0.01, 0.05), "Block-1.Top");
  submodel.AddRegion("Block-1.Top");
  submodel.AddRegion("Block-1.Bottom");
  EXPECT_EQ(
      "*Submodel, type=SURFACE, absolute exterior tolerance=0.01, exteriorTolerance=0.05, "
      "global elset=Drive\n"
      "Block-1.Top, \n"
      "Block-1.Bottom, \n",
      aif_test::KeywordText(submodel));
  EXPECT_EQ("*Submodel, type=SURFACE\nBlock-1.Top, \n",
            aif_test::KeywordText(aif_Submodel(SubmodelLoad("", 0.0, 0.0), "Block-1.Top")));

  EXPECT_TRUE(submodel.IsCompatible(SubmodelLoad("Drive", 0.01, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelLoad("Drive-2", 0.01, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelLoad("Drive", 0.0, 0.05)));
  EXPECT_FALSE(submodel.IsCompatible(SubmodelLoad("Drive", 0.01, 0.06)));

  EXPECT_THROW(aif_Submodel(kloC_Pressure(), "Block-1.Top"), nex_Exception);
  EXPECT_THROW(submodel.IsCompatible(kloC_Pressure()), nex_Exception);
}

TEST(aif_SubmodelTest, TheGlobalElementSetIsWrittenPrintable) {
  // Each component of a qualified name on its own; a quoted one as it is.
  EXPECT_EQ(
      "*Submodel, type=SURFACE, global elset=\"A b\".\"Set, x=1\"\nBlock-1.Top, \n",
      aif_test::KeywordText(aif_Submodel(SubmodelLoad("A b.Set, x=1", 0.0, 0.0), "Block-1.Top")));
  EXPECT_EQ("*Submodel, type=NODE, global elset=\"My part\".Drive\nBlock-1.Top, \n",
            aif_test::KeywordText(aif_Submodel(
                false, SubmodelCondition("\"My part\".Drive", 0.0, 0.0, 0.0), "Block-1.Top")));
  // A line break cannot be written: refused before anything is.
  EXPECT_EQ(
      "The name \"Set\\n*Node\" holds a line break or another control character and cannot be "
      "written to the input file.",
      aif_test::ThrownText(aif_Submodel(SubmodelLoad("Set\n*Node", 0.0, 0.0), "Block-1.Top")));
}

}  // namespace
