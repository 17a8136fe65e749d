// Element-based, node-based and Eulerian surfaces, and the load status tests
// that live with them.
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_Surface.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"
#include "aif/impl/model/aif_SurfaceFromNodes.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"
#include "aif_MeshTestSupport.h"

namespace {

// What `keyword` writes in a write of its own (a fresh set-name registry).
std::string KeywordText(const akw_Keyword& keyword) {
  return aif_test::WrittenText([&](utl_Stream& s) {
    aif_SetNameRegistry::Instance().Clear();
    keyword.Write(s);
  });
}

// Two instances (ids 1 and 2) of a part of two bricks (element labels 1 and
// 2), part-based or flat; in a flat file their labels collide and are
// numbered on.
aif_test::MeshContext Blocks(bool flat) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  aif_SetNameRegistry::Instance().Clear();
  return aif_test::MeshContext(b, flat);
}

// A surface set whose region holds elements (indices) of `id` with their faces.
rgnF_Set FaceSet(int id, cow_List<int> elements, cow_List<cow_String> faces, int flags = 0,
                 bool valid = true) {
  rgnC_Region region("Surf", {}, flags);
  region.SetKernelElementIndices(id, elements, faces);
  region.SetKernelValid(valid);
  return rgnF_Set(region);
}

TEST(aif_Surface, ElementSurfacesFromSets) {
  const aif_test::MeshContext c = Blocks(false);
  // Faces met as S2, S1: the internal sets in that order, the data lines sorted.
  const aif_Surface surface(FaceSet(1, {0, 1}, {"S2", "S1"}), c.Instance(1), *c.info, "_Surf",
                            "Prop 1");
  EXPECT_EQ(
      "*Elset, elset=Block-1.__Surf_S2, internal\n 1,\n"
      "*Elset, elset=Block-1.__Surf_S1, internal\n 2,\n"
      "*Surface, type=ELEMENT, name=_Surf, internal, property=\"Prop 1\"\n"
      "Block-1.__Surf_S1, S1\nBlock-1.__Surf_S2, S2\n",
      KeywordText(surface));

  // An assembly surface: blocks name their instance; no scope.
  const aif_Surface assembly(FaceSet(2, {1, 0, 1}, {"S3", "S3", "S3"}), *c.info, "Top", "");
  EXPECT_EQ(
      "*Elset, elset=_Top_S3, internal, instance=Block-2\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Top\n_Top_S3, S3\n",
      KeywordText(assembly));
  // Written again in the same write, the sets take a counter and the data
  // lines name the sets actually written.
  EXPECT_EQ(
      "*Elset, elset=_Top_S3_1, internal, instance=Block-2\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Top\n_Top_S3_1, S3\n",
      aif_test::StreamText([&](utl_Stream& s) { assembly.Write(s); }));

  // No elements, an unusable set, a set marked not element-based: nothing.
  for (const rgnF_Set& set :
       {FaceSet(1, {}, {}), FaceSet(1, {0}, {"S1"}, 0, false), FaceSet(1, {0}, {"S1"}, 1 << 4)}) {
    const aif_Surface none(set, c.Instance(1), *c.info, "Surf", "");
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ("", KeywordText(none));
  }
}

TEST(aif_Surface, ElementSurfacesFromFaceRecords) {
  const aif_test::MeshContext part = Blocks(false);
  const msh_DiscreteFace empty, first(8, {0, 1}, {3, 3}), second(4, {1}, {1});
  const msh_DiscreteFace* records[] = {nullptr, &empty, &first, &second};
  // Labels 1 and 2 on face S3, label 2 on S1.
  EXPECT_EQ(
      "*Elset, elset=_T0_S3, internal, instance=Block-2\n 1, 2\n"
      "*Elset, elset=_T0_S1, internal, instance=Block-2\n 2,\n"
      "*Surface, type=ELEMENT, name=T0\n_T0_S1, S1\n_T0_S3, S3\n",
      KeywordText(aif_Surface(*part.info, "T0", 2, "S", records, 4)));
  const aif_Surface none(*part.info, "T0", 2, "S", records, 2);
  EXPECT_TRUE(none.IsEmpty());
  EXPECT_EQ("", KeywordText(none));

  // Flat with colliding labels: indices stay and the instance's offset (3)
  // numbers them, never below 1.
  const aif_test::MeshContext flat = Blocks(true);
  EXPECT_EQ(
      "*Elset, elset=_T0_E2\n 3, 4\n"
      "*Surface, type=ELEMENT, name=T0\n_T0_E2, E2\n",
      KeywordText(aif_SurfaceFromElements(*flat.info, "T0", {0, 1}, {"E2", "E2"}, 2, true)));
}

TEST(aif_Surface, NodeSurfacesAndTheEulerianForm) {
  const aif_test::MeshContext c = Blocks(false);
  // From a node set's name: one weighted line; empty, since it lists no node.
  const aif_Surface named(*c.info, "Contact 1", "Assembly.Set-1");
  EXPECT_TRUE(named.IsEmpty());
  EXPECT_EQ("*Surface, type=NODE, name=\"Contact 1\"\nAssembly.Set-1, 1.\n", KeywordText(named));

  // From node indices: the companion set first, then the surface naming it.
  aif_Nset::LabelsById indices;
  indices.Set(1, {0, 3});
  const aif_SurfaceFromNodes nodes("_T0_Block-1_SN", indices, true, *c.info);
  EXPECT_FALSE(nodes.IsEmpty());
  EXPECT_EQ(
      "*Nset, nset=_T0_Block-1_SN, internal, instance=Block-1\n 1, 4\n"
      "*Surface, type=NODE, name=_T0_Block-1_SN, internal\n_T0_Block-1_SN\n",
      KeywordText(nodes));

  EXPECT_EQ("*Surface, type=EULERIAN MATERIAL, name=\"Mat 1\"\n\"Mat 1\"\n",
            KeywordText(aif_Surface(cow_String("Mat 1"))));
  const aif_Surface unnamed{cow_String()};
  EXPECT_TRUE(unnamed.IsEmpty());
  EXPECT_EQ("", KeywordText(unnamed));
}

TEST(aif_SurfaceRoutines, LoadStatus) {
  // Statuses 4 and 11 are inactive and clear the operation flag; others keep it.
  for (const auto& [status, inactive] : {std::pair(4, true), {11, true}, {3, false}}) {
    bool isInactive = !inactive, op = true;
    EXPECT_EQ(inactive, aif_IsLoadInactive(status, isInactive, op));
    EXPECT_EQ(inactive, isInactive);
    EXPECT_EQ(!inactive, op);
  }
  EXPECT_TRUE(aif_IsNewOpStatus(1, true));
  EXPECT_TRUE(aif_IsNewOpStatus(2, false));
  EXPECT_FALSE(aif_IsNewOpStatus(2, true));
}

}  // namespace
