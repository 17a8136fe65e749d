// "*Foundation": load labels of solid and shell faces, deactivation, an
// unknown face, and the face-set names the surface chose when it wrote its
// sets (a clash counter included).
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_COW.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnK_Region.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/interactions/aif_Foundation.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"
#include "aif_GeneralContactTestModel.h"
#include "aif_InteractionTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// Block-1's surface `name` on the faces `faces` of its one element.
rgnC_Region FoundationSurface(const char* name, cow_List<cow_String> faces) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  cow_List<int> elements;
  for (std::size_t i = 0; i < faces.Length(); ++i)
    elements.Append(0);
  region.SetKernelElementIndices(1, elements, faces);
  region.SetKernelInstanceIds({1});
  return region;
}

// A foundation of stiffness 250 created in "Initial" (or with `status`).
kinC_ElasticFoundation FoundationOf(int status = 1) {
  kinC_ElasticFoundation foundation;
  foundation.SetStepStiffness("Initial", status, 250.0);
  return foundation;
}

std::string FoundationText(const kinC_Interaction& interaction, const rgnC_Region& surface,
                           const char* setName) {
  return aif_test::KeywordText(aif_Foundation(cow_COW<kinC_Interaction>(interaction), "Initial",
                                              rgnK_Region(nullptr, "Model-1", surface), setName));
}

}  // namespace

TEST(aif_Foundation, LoadLabelsOfTheFaces) {
  aif_SetNameRegistry::Instance().Clear();
  // Solid faces S1 and S3 give F1 and F3, in the order of the set names.
  const rgnC_Region solid = FoundationSurface("Top", {"S3", "S1"});
  EXPECT_EQ(FoundationText(FoundationOf(), solid, "Block-1.Top"),
            "*Foundation\nBlock-1._Top_S1, F1, 250.\nBlock-1._Top_S3, F3, 250.\n");
  // Both sides of a shell: two lines, each with F.
  const rgnC_Region shell = FoundationSurface("Skin", {"SPOS", "SNEG"});
  EXPECT_EQ(FoundationText(FoundationOf(), shell, "Skin"),
            "*Foundation\n_Skin_SNEG, F, 250.\n_Skin_SPOS, F, 250.\n");
  // Deactivated: the keyword line alone.
  EXPECT_EQ(FoundationText(FoundationOf(4), solid, "Block-1.Top"), "*Foundation\n");
  EXPECT_STREQ(aif_Foundation::LoadLabel("S6"), "F6");
  EXPECT_STREQ(aif_Foundation::LoadLabel("s1"), "");

  // A face outside the table fails before anything is written, as does
  // another interaction kind.
  EXPECT_EQ(aif_test::ThrownText(aif_Foundation(
                cow_COW<kinC_Interaction>(FoundationOf()), "Initial",
                rgnK_Region(nullptr, "Model-1", FoundationSurface("Top", {"S1", "E2"})), "Top")),
            "Unknown foundation interaction face label");
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_Foundation(cow_COW<kinC_Interaction>(kinC_CyclicSymmetry()),
                                          "Initial", rgnK_Region(nullptr, "Model-1", solid),
                                          "Top")),
      "kinC_ElasticFoundation", "module/aif/impl/interactions/aif_Foundation.cpp"));
}

class aif_FoundationSurfaceTest : public aif_InteractionTestModel {};

TEST_F(aif_FoundationSurfaceTest, NamesTheSetsTheSurfaceWrote) {
  const aif_ModelInfo& info = Info();
  aif_SetNameRegistry::Instance().Clear();
  // A set already named like the surface's S1 set: the surface counts on.
  aif_SetNameRegistry::Instance().AddElset("Block-1._Top_S1", false);
  const rgnC_Region surface = FoundationSurface("Top", {"S1", "S3"});
  const asoF_PartInstance& instance =
      *asoF_Utils::ConstGetPartInstance(info.Assembly()->ConstGetFeatureList(), 1);
  const std::string surfaceText = aif_test::StreamText([&](utl_Stream& stream) {
    aif_SurfaceFromElements(rgnF_Set(surface), instance, info, "Top", "").Write(stream);
  });
  EXPECT_NE(surfaceText.find("Block-1._Top_S1_1, S1\n"), std::string::npos) << surfaceText;
  EXPECT_EQ(FoundationText(FoundationOf(), surface, "Block-1.Top"),
            "*Foundation\nBlock-1._Top_S1_1, F1, 250.\nBlock-1._Top_S3, F3, 250.\n");
  // A face the surface wrote no set for (its elements left out of the
  // file) gives no line.
  aif_SetNameRegistry::Instance().Clear();
  cow_Map<cow_String, cow_String> onlyS3;
  onlyS3.Set("S3", "Block-1._Top_S3");
  aif_SetNameRegistry::Instance().RecordSurfaceFaceSets("Block-1.Top", onlyS3);
  EXPECT_EQ(FoundationText(FoundationOf(), surface, "Block-1.Top"),
            "*Foundation\nBlock-1._Top_S3, F3, 250.\n");
  // A new write forgets the surfaces of the last.
  aif_SetNameRegistry::Instance().Clear();
  EXPECT_EQ(FoundationText(FoundationOf(), surface, "Block-1.Top"),
            "*Foundation\nBlock-1._Top_S1, F1, 250.\nBlock-1._Top_S3, F3, 250.\n");

  // A flat file names the surface "Block-1_Top" in the assembly.
  const aif_ModelInfo& flat = Info(true);
  aif_SetNameRegistry::Instance().AddElset("_Block-1_Top_S3", false);
  const asoF_PartInstance& flatInstance =
      *asoF_Utils::ConstGetPartInstance(flat.Assembly()->ConstGetFeatureList(), 1);
  aif_test::StreamText([&](utl_Stream& stream) {
    aif_SurfaceFromElements(rgnF_Set(surface), flatInstance, flat, "Block-1_Top", "").Write(stream);
  });
  EXPECT_EQ(FoundationText(FoundationOf(), surface, "Block-1_Top"),
            "*Foundation\n_Block-1_Top_S1, F1, 250.\n_Block-1_Top_S3_1, F3, 250.\n");
}
