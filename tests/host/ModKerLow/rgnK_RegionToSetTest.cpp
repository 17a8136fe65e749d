// Temporary sets of the model database's assembly: the region's faces as
// composite hits, a set made from hits (with the analytical rigid mark of
// faces on analytic rigid parts), appended to and deleted from a feature
// list; the scripted axis analysis answers by faces and dimension.
#include <gtest/gtest.h>

#include "AttributesIntObj/asoK_ModelAssembly.h"
#include "AttributesIntObj/asoK_RotationalAxis.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionToSet.h"
#include "ModelDatabase/bas_Mdb.h"

TEST(rgnK_RegionToSet, SetsFromFacesAppendedAndDeleted) {
  hst_ModelBuilder b("Model-Sets");
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  b.AddPart("Rigid", hst_GridMesh(1, 1, 1), ptoK_ANALYTIC_RIGID);
  b.AddInstance("Block-1", "Block");  // 1
  b.AddInstance("Rigid-1", "Rigid");  // 2
  const bas_NewModel model = b.Model();
  asoK_Assembly* assembly = asoK_GetAssembly(bas_Basis::Instance().Fetch(), "Model-Sets");
  ASSERT_NE(nullptr, assembly);
  EXPECT_EQ(nullptr, asoK_GetAssembly(bas_Basis::Instance().Fetch(), "No-Model"));

  rgnC_Region region("Faces", {"Assembly", "Block-1"});
  region.SetKernelElementIndices(1, {0, 1}, {"S1", "S2"});
  gdy_CompositeHitSet hits;
  rgnK_Region(assembly, "Model-Sets", region)
      .GetCompositeHits(hits, false, false, false, false, false);
  EXPECT_FALSE(hits.HasFaces());  // faces not asked for
  rgnK_Region(assembly, "Model-Sets", region)
      .GetCompositeHits(hits, false, false, false, true, false);
  ASSERT_TRUE(hits.HasFaces());
  EXPECT_EQ((cow_List<int>{0, 1}), *hits.faceElements.Find(1));
  EXPECT_EQ((cow_List<cow_String>{"S1", "S2"}), *hits.faceIds.Find(1));

  ftr_FeatureList& features = assembly->FeatureList();
  const cow_List<unsigned> before = features.ConstEvaluatedRep().GetIds();
  rgnK_RegionToSet none(features, true);
  EXPECT_EQ(nullptr, none.GetNewSet("_None", true));  // no faces appended

  rgnK_RegionToSet toSet(features, true);
  toSet.AppendGeometryHits(hits);
  const std::unique_ptr<rgnF_Set> set = toSet.GetNewSet("_Temp", true);
  ASSERT_NE(nullptr, set);
  EXPECT_EQ(cow_String("_Temp"), set->Name());
  EXPECT_EQ((cow_List<int>{0, 1}), *set->Region().KernelElementIndices().Find(1));
  EXPECT_FALSE(set->Region().KernelContainsAnalRigidSurf());
  ASSERT_TRUE(features.RegenerateFeatureAndAppend(*set));
  EXPECT_EQ(3u, set->GetID());  // above the two instances
  EXPECT_EQ(before.Length() + 1, features.ConstEvaluatedRep().GetIds().Length());
  // The database's model and the model handed out share the assembly.
  EXPECT_EQ(features.ConstEvaluatedRep().GetIds(),
            asoK_GetAssembly(bas_Basis::Instance().Fetch(), "Model-Sets")
                ->ConstGetFeatureList()
                .ConstEvaluatedRep()
                .GetIds());
  EXPECT_TRUE(features.Delete(set->GetID()));
  EXPECT_FALSE(features.Delete(set->GetID()));
  EXPECT_EQ(before, features.ConstEvaluatedRep().GetIds());
  EXPECT_EQ(1u, features.RegeneratedCount());

  gdy_CompositeHitSet rigid;
  rigid.faceElements.Set(2, {0});
  rigid.faceIds.Set(2, {"S1"});
  rgnK_RegionToSet rigidSet(features, true);
  rigidSet.AppendGeometryHits(rigid);
  EXPECT_TRUE(rigidSet.GetNewSet("_Rigid", true)->Region().KernelContainsAnalRigidSurf());
}

TEST(rgnK_RegionToSet, AxisAnalysisAnswersItsScript) {
  gdy_CompositeHitSet faces;
  faces.faceElements.Set(1, {4});
  faces.faceIds.Set(1, {"S3"});
  asoK_RotationalAxisData piece;
  piece.point[2] = 2.0;
  piece.direction = gsl_Vector(0.0, 1.0, 0.0);
  piece.hits = faces;
  asoK_ScriptRotationalAxisData(faces, {piece}, true);

  cow_List<asoK_RotationalAxisData> found;
  EXPECT_FALSE(asoK_GetRotationalAxisData(faces, nullptr, found, 0));  // scripted for 2-D only
  ASSERT_TRUE(asoK_Get2DRotationalAxisData(faces, nullptr, found, 0));
  ASSERT_EQ(1u, found.Length());
  EXPECT_EQ(2.0, found[0].point[2]);
  EXPECT_EQ(gsl_Vector(0.0, 1.0, 0.0), found[0].direction);
  gdy_CompositeHitSet other = faces;
  other.faceIds.Set(1, {"S4"});  // the same element, another face
  EXPECT_FALSE(asoK_Get2DRotationalAxisData(other, nullptr, found, 0));
  asoK_ClearRotationalAxisScripts();
  EXPECT_FALSE(asoK_Get2DRotationalAxisData(faces, nullptr, found, 0));
  EXPECT_EQ(1u, found.Length());
}
