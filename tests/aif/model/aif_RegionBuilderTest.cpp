// The region builder: where sets and surfaces are filed, what a restart
// writes of them, and the rigid bodies, ties and couplings it generates.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/gml_GeometricModel.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCore/ddb_DDBSet.h"
#include "OdbCoreGeom/msh_Interfaces.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_RegionBuilder.h"
#include "aif_MeshTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

// A set or surface `id` holding `nodes` and `elements` of the instances `on`.
template <class Feature = rgnF_Set>
Feature Region(unsigned id, const cow_String& name, std::initializer_list<unsigned> on,
               cow_List<int> nodes, cow_List<int> elements, cow_List<cow_String> faces = {}) {
  rgnC_Region region(name, {});
  for (unsigned instance : on) {
    if (!nodes.IsEmpty()) region.SetKernelNodeIndices(static_cast<int>(instance), nodes);
    if (!elements.IsEmpty())
      region.SetKernelElementIndices(static_cast<int>(instance), elements, faces);
  }
  Feature feature(region);
  feature.SetId(id);
  feature.SetName(name);
  return feature;
}

rgnF_Set Masked(int mask, rgnF_Set set) {
  set.typeMask = mask;
  return set;
}

// The region builder run over the model of `b`.
struct Built {
  explicit Built(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS)
      : model(b.Model()), job("Job-1", b.Job(jobType), model), info(job), builder(info) {
    aif_SetNameRegistry::Instance().Clear();
    builder.Build();
  }
  // What a list writes (written once: surfaces register their face sets).
  static std::string Text(const akw_KeywordList& list) {
    aif_SetNameRegistry::Instance().Clear();
    return aif_test::StreamText([&](utl_Stream& s) {
      for (const akw_KeywordHandle& keyword : list)
        keyword->Write(s);
    });
  }
  std::string Part(const char* name) const { return Text(builder.PartDefinition(name)); }
  std::string Instance(const char* name) const { return Text(builder.InstanceDefinition(name)); }
  std::string Assembly() const { return Text(builder.AssemblyDefinition()); }
  std::string Model() const { return Text(builder.ModelDefinition()); }

  bas_NewModel model;
  aif_Job job;
  aif_ModelInfo info;
  aif_RegionBuilder builder;
};

const std::string kDeckPath = (std::filesystem::temp_directory_path() /
                               ("aif_RegionBuilderTest." + std::to_string(getpid()) + ".inp"))
                                  .string();

// The model data the driver writes of `b`; the file is removed.
std::string Deck(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(jobType), model);
  aif_ModelInfo info(job);
  aif_Builder writer(info);
  EXPECT_TRUE(writer.WriteInputFile(kDeckPath, false, true));
  const std::string deck = aif_test::ReadFile(kDeckPath);
  std::filesystem::remove(kDeckPath);
  return deck;
}

// Block: node, geometry and element sets, a set without output mark and a
// surface, placed as Block-1, Block-2 (ids 1, 2); its copy Light placed
// lightweight as L-1, L-2 (ids 3, 4). The meshes have `seams`.
hst_ModelBuilder Blocks(bool surfaces = true,
                        std::shared_ptr<const msh_MeshInterfaces> seams = nullptr) {
  hst_ModelBuilder b("Model-1");
  for (const char* name : {"Block", "Light"}) {
    auto mesh = hst_GridMesh(2, 1, 1);
    mesh->SetInterfaces(seams);
    b.AddPart(name, mesh);
    ftr_FeatureList& features = b.MutablePart(name).FeatureList();
    const auto on = {1u, 2u, 3u, 4u};
    features.Add(Masked(rgnF_Set::kNodeSet, Region(1, "Corner", on, {0}, {})));
    features.Add(Region(2, "Both", on, {0, 1, 2}, {0, 1}));
    features.Add(Masked(rgnF_Set::kElementSet, Region(3, "Right", on, {}, {1})));
    rgnF_Set hidden = Region(4, "Hidden", on, {5}, {1});
    hidden.outputMark = false;
    features.Add(hidden);
    if (surfaces) features.Add(Region<rgnF_Surface>(5, "Top", on, {}, {1, 0}, {"S2", "S2"}));
  }
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  b.AddInstance("L-1", "Light", {.lightweight = true});
  b.AddInstance("L-2", "Light", {.lightweight = true});
  return b;
}

// Plus assembly sets (one a spring's), a surface and a contact node set.
hst_ModelBuilder WithAssemblyRegions(bool partSurfaces = true,
                                     std::shared_ptr<const msh_MeshInterfaces> seams = nullptr) {
  hst_ModelBuilder b = Blocks(partSurfaces, std::move(seams));
  ftr_FeatureList& features = b.Assembly().FeatureList();
  features.Add(Masked(rgnF_Set::kNodeSet, Region(101, "Fixed", {1, 2}, {3}, {})));
  rgnF_Set spring = Region(102, "_Spring-1", {1}, {4}, {});
  spring.internalMark = true;
  features.Add(spring);
  features.Add(Region<rgnF_Surface>(103, "Outer", {2}, {}, {0}, {"S1"}));
  kefC_Spring springs;
  springs.SetRegions({rgnC_Region("_Spring-1", {"Assembly"})});
  kefC_EngineeringFeatures engineering;
  engineering.AddSpring(springs);
  b.Assembly().SetEngineeringFeatures(engineering);

  kinC_Interaction contact;
  contact.SetContactNodeSets({rgnC_Region("Tips", {"Assembly", "Block-1"})});
  auto& interactions = static_cast<kprC_PropagatingContainer<kinC_Interaction>&>(
      b.MutableModel().MutableExtension(bas_NewModel::interactionCmd));
  interactions.Set("Int-1", contact);
  interactions.Set("Int-2", contact);
  contact.SetSuppressed(true);
  contact.SetContactNodeSets({rgnC_Region("Other", {"Assembly"})});
  interactions.Set("Int-3", contact);
  return b;
}

// A surface Top on Block (which has a set named as Top's face set) and on
// Light; Block-1 ordinary, L-1 lightweight.
hst_ModelBuilder Surfaced(bool flat = false) {
  hst_ModelBuilder b("Model-1");
  for (const char* name : {"Block", "Light"}) {
    b.AddPart(name, hst_GridMesh(2, 1, 1));
    ftr_FeatureList& features = b.MutablePart(name).FeatureList();
    features.Add(Region<rgnF_Surface>(1, "Top", {1, 2}, {}, {1, 0}, {"S2", "S2"}));
  }
  b.MutablePart("Block").FeatureList().Add(
      Masked(rgnF_Set::kElementSet, Region(2, "_Top_S2", {1}, {}, {0})));
  b.AddInstance("Block-1", "Block");
  b.AddInstance("L-1", "Light", {.lightweight = true});
  b.Assembly().SetRequiresFlatInputFile(flat);
  return b;
}

// Discrete rigid and Held (ids 1-3, Held under a user rigid body);
// analytic rigid W-1 (its part's surface) and Free (an assembly surface on
// it); explicit, with a coupled temperature step.
hst_ModelBuilder Rigids(int referencePoints = 1) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Rigid", hst_GridMesh(2, 1, 1), ptoK_DISCRETE_RIGID, ptoK_SPACE_3D, referencePoints);
  b.AddPart("Wall", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, referencePoints);
  b.MutablePart("Wall").FeatureList().Add(Region<rgnF_GeomSurface>(1, "Face", {}, {}, {}));
  gml_GeometricModel wall;
  wall.SetAnalyticProfile(false, {ftr_ANALYTIC_SEGMENTS, {"Line"}, {{0, 0, 0}, {1, 0, 0}}});
  b.MutablePart("Wall").SetGeometricModel(std::make_shared<gml_GeometricModel>(wall));
  b.AddPart("Bare", nullptr, ptoK_ANALYTIC_RIGID, ptoK_SPACE_3D, referencePoints);
  b.AddInstance("R-1", "Rigid", {.lightweight = true});
  b.AddInstance("R-2", "Rigid", {.lightweight = true});
  b.AddInstance("Held", "Rigid", {.lightweight = true});
  b.AddInstance("W-1", "Wall");
  b.AddInstance("Free", "Bare");
  rgnF_GeomSurface around = Region<rgnF_GeomSurface>(200, "Around", {}, {}, {});
  rgnC_Region onFree("Around", {"Assembly"});
  onFree.SetKernelInstanceIds({5});
  onFree.SetKernelContainsAnalRigidSurf(true);
  around.SetRegion(onFree);
  b.Assembly().FeatureList().Add(around);

  kcoC_RigidBody body;
  rgnC_Region held("Held-set", {"Assembly"});
  held.SetKernelInstanceIds({3});
  body.SetRegion(kcoC_RigidBody::kBody, held);
  auto& constraints = static_cast<mdl_MapString2ObjCow<kcoC_Constraint>&>(
      b.MutableModel().MutableExtension(bas_NewModel::constraintCmd));
  constraints.Set("Body", body);
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  b.AddStep("Heat", kprC_TempDisplacementDynamicsStep());
  return b;
}

// Seams of a 2 x 1 x 1 brick mesh.
std::shared_ptr<msh_MeshInterfaces> Seams() {
  auto seams = std::make_shared<msh_MeshInterfaces>();
  msh_DiscreteFace wide(30, {0}, {1});
  wide.SetTieSlaveData({0}, {3}, {7});
  seams->incompatibleFaces.emplace_back(wide, msh_DiscreteFace(12, {1}, {2}), 0.05);
  seams->incompatibleFaces.emplace_back(msh_DiscreteFace(4, {0}, {1}),
                                        msh_DiscreteFace(4, {1}, {1}), 0.0);
  seams->mixedOrderFaces.emplace_back(msh_DiscreteFace(8, {0}, {2}), msh_DiscreteFace(4, {1}, {1}),
                                      0.0);
  seams->mixedOrderEdges.emplace_back(msh_DiscreteFace(3, {0}, {3}), msh_DiscreteFace(2, {1}, {4}),
                                      0.1);
  seams->shellSolid.emplace_back(msh_DiscreteFace(2, {0}, {2}),
                                 std::vector<msh_DiscreteFace>{msh_DiscreteFace(4, {1}, {5})});
  return seams;
}

// Lightweight instances share their part's regions, others have their own;
// no spring set; one surface for the contact node set, none if suppressed.
TEST(aif_RegionBuilderTest, PartInstanceAndAssemblyRegions) {
  Built built(WithAssemblyRegions());
  const std::string sets =
      "*Nset, nset=Corner\n 1,\n"
      "*Nset, nset=Both, generate\n 1,  3,  1\n"
      "*Elset, elset=Both\n 1, 2\n"
      "*Elset, elset=Right\n 2,\n";
  auto surface = [](const std::string& scope) {
    return "*Elset, elset=" + scope + "._Top_S2, internal\n 1, 2\n" +
           "*Surface, type=ELEMENT, name=Top\n" + scope + "._Top_S2, S2\n";
  };
  EXPECT_EQ(sets + surface("Light"), built.Part("Light"));
  EXPECT_EQ(sets + surface("Block-1"), built.Instance("Block-1"));
  EXPECT_EQ(sets + surface("Block-2"), built.Instance("Block-2"));
  EXPECT_EQ("",
            built.Instance("L-1") + built.Instance("L-2") + built.Part("Block") + built.Model());
  EXPECT_EQ(
      "*Nset, nset=Fixed, instance=Block-1\n 4,\n"
      "*Nset, nset=Fixed, instance=Block-2\n 4,\n"
      "*Elset, elset=_Outer_S1, internal, instance=Block-2\n 1,\n"
      "*Surface, type=ELEMENT, name=Outer\n_Outer_S1, S1\n"
      "*Surface, type=NODE, name=Block-1.Tips\nBlock-1.Tips, 1.\n",
      built.Assembly());

  // Engineering features of another class stop the write; no file is left.
  hst_ModelBuilder b = WithAssemblyRegions();
  b.Assembly().SetEngineeringFeatures(kefC_Spring());
  try {
    Deck(b);
    ADD_FAILURE() << "no error";
  } catch (const nex_TextException& e) {
    EXPECT_EQ("module/aif/impl/aif_RegionBuilder", std::string(e.File()));
  }
  EXPECT_FALSE(std::filesystem::exists(kDeckPath));
}

// A restart from Step-1 of "Previous" to Step-2.
hst_ModelBuilder Restart(hst_ModelBuilder b) {
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  b.MutableModel().SetRestart("Previous", "Step-1", -2, false);
  return b;
}

TEST(aif_RegionBuilderTest, RestartWritesOnlyTheRegionsTheResultsLackInTheModelData) {
  const hst_ModelBuilder b = Restart(WithAssemblyRegions(false, Seams()));
  // The results hold Block-1's node set, Block-2's geometry set (any case)
  // and Fixed only as an element set.
  ddb_DDBSet::Register("Previous", {{"Assembly.Block-1.Corner", rgnC_NODE_SET},
                                    {"assembly.block-2.both", rgnC_GEOMETRY_SET},
                                    {"Assembly.Fixed", rgnC_ELEMENT_SET}});
  const std::string deck = Deck(b, ajbC_RESTART);
  ddb_DDBSet::ClearRegistered();
  // Never ", generate"; no interface ties, though Block's mesh has seams.
  EXPECT_EQ(
      "*Nset, nset=Assembly.Block-1.Both\n 1, 2, 3\n"
      "*Elset, elset=Assembly.Block-1.Both\n 1, 2\n"
      "*Elset, elset=Assembly.Block-1.Right\n 2,\n"
      "*Nset, nset=Assembly.Block-2.Corner\n 1,\n"
      "*Elset, elset=Assembly.Block-2.Right\n 2,\n"
      "*Nset, nset=Assembly.L-1.Corner\n 1,\n"
      "*Nset, nset=Assembly.L-1.Both\n 1, 2, 3\n"
      "*Elset, elset=Assembly.L-1.Both\n 1, 2\n"
      "*Elset, elset=Assembly.L-1.Right\n 2,\n"
      "*Nset, nset=Assembly.Fixed, instance=Block-1\n 4,\n"
      "*Nset, nset=Assembly.Fixed, instance=Block-2\n 4,\n"
      "*Elset, elset=Assembly._Outer_S1, internal, instance=Block-2\n 1,\n"
      "*Surface, type=ELEMENT, name=Assembly.Outer\nAssembly._Outer_S1, S1\n"
      "*Surface, type=NODE, name=Assembly.Block-1.Tips\nAssembly.Block-1.Tips, 1.\n" +
          aif_test::StaticStepLines("Step-2") + "*End Step\n",
      deck);
}

TEST(aif_RegionBuilderTest, RestartSurfacesNameTheFaceSetsTheyDefine) {
  // Each surface names the face set above it; Block-1's takes a counter.
  EXPECT_EQ(
      "*Elset, elset=Assembly.Block-1._Top_S2, internal\n 1,\n"
      "*Elset, elset=Assembly.Block-1._Top_S2_1, internal\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Assembly.Block-1.Top\n"
      "Assembly.Block-1._Top_S2_1, S2\n"
      "*Elset, elset=Assembly.L-1._Top_S2, internal\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Assembly.L-1.Top\n"
      "Assembly.L-1._Top_S2, S2\n" +
          aif_test::StaticStepLines("Step-2") + "*End Step\n",
      Deck(Restart(Surfaced()), ajbC_RESTART));
}

TEST(aif_RegionBuilderTest, FlatSurfacesNameTheirFaceSetsWithoutInstanceScope) {
  Built flat(Surfaced(true));
  // No "instance." in any name; L-1's labels are numbered on.
  EXPECT_EQ(
      "*Elset, elset=Block-1__Top_S2\n 1,\n"
      "*Elset, elset=_Block-1_Top_S2\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Block-1_Top\n_Block-1_Top_S2, S2\n",
      flat.Instance("Block-1"));
  EXPECT_EQ(
      "*Elset, elset=_L-1_Top_S2\n 3, 4\n"
      "*Surface, type=ELEMENT, name=L-1_Top\n_L-1_Top_S2, S2\n",
      flat.Instance("L-1"));
  EXPECT_EQ("", flat.Part("Light"));
  EXPECT_EQ("", flat.Model());
}

TEST(aif_RegionBuilderTest, RigidBodiesForRigidInstancesNotCoveredByTheUser) {
  Built built(Rigids());
  // One set for the lightweight instances, a body each; none for Held.
  EXPECT_EQ("*Elset, elset=Rigid\n 1, 2\n", built.Part("Rigid"));
  EXPECT_EQ("", built.Instance("Held"));
  EXPECT_EQ(
      "*Rigid Body, ref node=R-1.Rigid-RefPt_, elset=R-1.Rigid, isothermal=YES\n"
      "*Rigid Body, ref node=R-2.Rigid-RefPt_, elset=R-2.Rigid, isothermal=YES\n",
      built.Assembly());
  // Analytic: the part's first surface, else the assembly's on the instance.
  EXPECT_EQ(
      "*Surface, type=SEGMENTS, name=Face\n"
      "START,           0.,           0.\n"
      " LINE,           1.,           0.\n"
      "*Rigid Body, ref node=W-1-RefPt_, analytical surface=Face, isothermal=YES\n",
      built.Instance("W-1"));
  EXPECT_EQ("*Rigid Body, ref node=Free-RefPt_, analytical surface=Around, isothermal=YES\n",
            built.Instance("Free"));

  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  hst_ModelBuilder b = Rigids();
  b.Steps().SetAnalysisProduct(kprC_STANDARD);  // not isothermal
  Built flat(b);
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  EXPECT_EQ("*Elset, elset=R-1\n 1, 2\n", flat.Instance("R-1"));
  EXPECT_EQ("*Elset, elset=R-2\n 3, 4\n", flat.Instance("R-2"));
  EXPECT_EQ(
      "*Rigid Body, ref node=R-1-RefPt_, elset=R-1\n"
      "*Rigid Body, ref node=R-2-RefPt_, elset=R-2\n",
      flat.Assembly());
  EXPECT_EQ("*Rigid Body, ref node=Free-RefPt_, analytical surface=Free_Around\n",
            flat.Instance("Free"));
}

// The reader takes the text before a qualified name's first dot for the
// instance: a dotted instance name is quoted in the rigid body's references
// and in the face sets its surfaces name.
TEST(aif_RegionBuilderTest, DottedInstanceNamesAreQuotedInQualifiedNames) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Rigid", hst_GridMesh(2, 1, 1), ptoK_DISCRETE_RIGID, ptoK_SPACE_3D, 1);
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  b.MutablePart("Block").FeatureList().Add(
      Region<rgnF_Surface>(1, "Top", {2}, {}, {1, 0}, {"S2", "S2"}));
  b.AddInstance("A_b-c.d2", "Rigid");
  b.AddInstance("B.1", "Block");
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  b.AddStep("Heat", kprC_TempDisplacementDynamicsStep());
  Built built(b);
  EXPECT_EQ("*Elset, elset=A_b-c.d2\n 1, 2\n", built.Instance("A_b-c.d2"));
  EXPECT_EQ(
      "*Rigid Body, ref node=\"A_b-c.d2\".\"A_b-c.d2-RefPt_\", elset=\"A_b-c.d2\".\"A_b-c.d2\", "
      "isothermal=YES\n",
      built.Assembly());
  EXPECT_EQ(
      "*Elset, elset=\"B.1\"._Top_S2, internal\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Top\n\"B.1\"._Top_S2, S2\n",
      built.Instance("B.1"));
}

TEST(aif_RegionBuilderTest, NoRigidBodyNamesAReferencePointThatIsNotWritten) {
  cmdC_WIP::Clear();
  Built built(Rigids(0));
  EXPECT_EQ("", built.Part("Rigid"));
  EXPECT_EQ("", built.Assembly());
  EXPECT_EQ(
      "*Surface, type=SEGMENTS, name=Face\n"
      "START,           0.,           0.\n"
      " LINE,           1.,           0.\n",
      built.Instance("W-1"));
  EXPECT_EQ("", built.Instance("Free"));
  // A warning for each, but Held, which has the user's body.
  std::vector<std::string> warnings;
  for (const char* name : {"R-1", "R-2", "W-1", "Free"})
    warnings.push_back(std::string("No rigid body is written for the rigid part instance ") + name +
                       ": its part has no reference point.");
  EXPECT_EQ(warnings, cmdC_WIP::Texts(cmdC_WIP::Kind::Warning));
  cmdC_WIP::Clear();
}

// Block-1 and Locked-1 (mesh locked) of Block; lightweight L-1 (locked) and
// L-2 of Light; lightweight Hidden-1 (locked, seams) of Hidden; locked rigid
// Each part has a set and a surface; assembly regions lie partly or
// wholly on the unwritten meshes.
hst_ModelBuilder Locked() {
  hst_ModelBuilder b("Model-1");
  for (const char* name : {"Block", "Light", "Hidden"}) {
    auto mesh = hst_GridMesh(2, 1, 1);
    if (name == std::string("Hidden")) mesh->SetInterfaces(Seams());
    b.AddPart(name, mesh);
    ftr_FeatureList& features = b.MutablePart(name).FeatureList();
    const auto on = {1u, 2u, 3u, 4u, 5u};
    features.Add(Masked(rgnF_Set::kElementSet, Region(1, "Right", on, {}, {1})));
    features.Add(Region<rgnF_Surface>(2, "Top", on, {}, {1}, {"S2"}));
  }
  b.AddPart("Rigid", hst_GridMesh(1, 1, 1), ptoK_DISCRETE_RIGID, ptoK_SPACE_3D, 1);
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Locked-1", "Block", {.locks = ftr_LOCK_MESH});
  b.AddInstance("L-1", "Light", {.locks = ftr_LOCK_MESH, .lightweight = true});
  b.AddInstance("L-2", "Light", {.lightweight = true});
  b.AddInstance("Hidden-1", "Hidden", {.locks = ftr_LOCK_MESH, .lightweight = true});
  b.AddInstance("R-1", "Rigid", {.locks = ftr_LOCK_MESH});

  ftr_FeatureList& features = b.Assembly().FeatureList();
  features.Add(Masked(rgnF_Set::kNodeSet, Region(101, "Both", {1, 2}, {0}, {})));
  features.Add(Region(102, "Dark", {2, 5}, {0}, {0}));
  features.Add(Region<rgnF_Surface>(103, "Outer", {1, 2}, {}, {0}, {"S1"}));
  features.Add(Region<rgnF_Surface>(104, "Shade", {2}, {}, {0}, {"S1"}));
  kinC_Interaction contact;
  contact.SetContactNodeSets({rgnC_Region("Tips", {"Assembly", "Locked-1"}),
                              rgnC_Region("Dark", {"Assembly"}),
                              rgnC_Region("Tips", {"Assembly", "Block-1"})});
  static_cast<kprC_PropagatingContainer<kinC_Interaction>&>(
      b.MutableModel().MutableExtension(bas_NewModel::interactionCmd))
      .Set("Int-1", contact);
  return b;
}

TEST(aif_RegionBuilderTest, NothingNamesTheMeshOfAMeshLockedInstance) {
  Built built(Locked());
  auto regions = [](const std::string& scope) {
    return "*Elset, elset=Right\n 2,\n*Elset, elset=" + scope + "._Top_S2, internal\n 2,\n" +
           "*Surface, type=ELEMENT, name=Top\n" + scope + "._Top_S2, S2\n";
  };
  EXPECT_EQ(regions("Block-1"), built.Instance("Block-1"));
  EXPECT_EQ("", built.Instance("Locked-1"));
  // L-1 is locked, but its part's mesh (written by L-2) is its mesh.
  EXPECT_EQ(regions("Light"), built.Part("Light"));
  EXPECT_EQ("", built.Part("Hidden"));
  EXPECT_EQ("", built.Part("Rigid"));
  EXPECT_EQ("", built.Instance("R-1"));
  // A set or surface left without members writes nothing.
  EXPECT_EQ(
      "*Nset, nset=Both, instance=Block-1\n 1,\n"
      "*Elset, elset=_Outer_S1, internal, instance=Block-1\n 1,\n"
      "*Surface, type=ELEMENT, name=Outer\n_Outer_S1, S1\n"
      "*Surface, type=NODE, name=Block-1.Tips\nBlock-1.Tips, 1.\n",
      built.Assembly());
}

TEST(aif_RegionBuilderTest, TheAssemblysOwnMembersNameNoInstance) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddAssemblyNodes(hst_Mesh({0, 0, 0, 1, 0, 0}, "T3D2", 2, {0, 1}), 0);
  ftr_FeatureList& features = b.Assembly().FeatureList();
  features.Add(Region(101, "OwnOnly", {1000}, {0, 1}, {0}));
  features.Add(Region(102, "Mixed", {1000, 1}, {0}, {0}));
  features.Add(Region<rgnF_Surface>(103, "Outer", {1000}, {}, {0}, {"S1"}));
  EXPECT_EQ(
      "*Nset, nset=OwnOnly\n 1, 2\n"
      "*Elset, elset=OwnOnly\n 1,\n"
      "*Nset, nset=Mixed, instance=Block-1\n 1,\n"
      "*Nset, nset=Mixed\n 1,\n"
      "*Elset, elset=Mixed, instance=Block-1\n 1,\n"
      "*Elset, elset=Mixed\n 1,\n"
      "*Elset, elset=_Outer_S1, internal\n 1,\n"
      "*Surface, type=ELEMENT, name=Outer\n_Outer_S1, S1\n",
      Built(b).Assembly());
}

TEST(aif_RegionBuilderTest, SetAndSurfaceNamesTheFileCannotCarryStopTheWrite) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      // name, surface, message
      {"", false, "The node set name is empty and cannot be written to the input file."},
      {"E\"1", false,
       "The node set name E\"1 holds an unpaired double quote and cannot be written to the input "
       "file."},
      {"S\"1", true,
       "The surface name S\"1 holds an unpaired double quote and cannot be written to the input "
       "file."},
  };
  for (const auto& [name, surface, message] : cases) {
    hst_ModelBuilder b = Blocks(false);
    if (surface)
      b.Assembly().FeatureList().Add(Region<rgnF_Surface>(101, name, {1}, {}, {0}, {"S1"}));
    else
      b.Assembly().FeatureList().Add(Region(101, name, {1}, {0}, {0}));
    EXPECT_EQ(message, aif_test::MessageOf([&] { Deck(b); }));
    EXPECT_FALSE(std::filesystem::exists(kDeckPath));
  }
  // A whole quoted name is written.
  hst_ModelBuilder b = Blocks(false);
  b.Assembly().FeatureList().Add(
      Masked(rgnF_Set::kElementSet, Region(101, "\"E 1\"", {1}, {}, {0})));
  EXPECT_NE(std::string::npos, Deck(b).find("*Elset, elset=\"E 1\", instance=Block-1\n 1,\n"));
}

TEST(aif_RegionBuilderTest, TiesAndCouplingsAtMeshSeams) {
  hst_ModelBuilder b("Model-1");
  for (const char* name : {"Mixed", "Broken"}) {
    auto mesh = hst_GridMesh(2, 1, 1);
    auto seams = std::make_shared<msh_MeshInterfaces>(*Seams());
    seams->usable = name == std::string("Mixed");
    mesh->SetInterfaces(seams);
    b.AddPart(name, mesh);
  }
  b.AddInstance("Mix-1", "Mixed");
  b.AddInstance("Bad-1", "Broken");  // an unusable mesh: nothing
  Built built(b);
  // Incompatible faces: the 12-node side is the master; the slave's faces
  // and its uncovered node are tied; the second seam reports nothing. The
  // edge seam is numbered after the face seam.
  auto side = [](const std::string& name, const std::string& face, const char* label) {
    return "*Elset, elset=_" + name + "_" + face + ", internal, instance=Mix-1\n " + label +
           ",\n*Surface, type=ELEMENT, name=" + name + ", internal\n_" + name + "_" + face + ", " +
           face + "\n";
  };
  EXPECT_EQ(
      side("_T0_Mix-1_M", "S2", "2") + side("_T0_Mix-1_S", "S4", "1") +
          "*Tie, name=_T0_Mix-1, position tolerance=0.05, adjust=no\n_T0_Mix-1_S, _T0_Mix-1_M\n"
          "*Nset, nset=_T0_Mix-1_SN, internal, instance=Mix-1\n 8,\n"
          "*Surface, type=NODE, name=_T0_Mix-1_SN, internal\n_T0_Mix-1_SN\n"
          "*Tie, name=_T0_Mix-1-Nodes, position tolerance=0.05, adjust=no\n"
          "_T0_Mix-1_SN, _T0_Mix-1_M\n" +
          side("_MixOrder0_Mix-1_M", "S2", "1") + side("_MixOrder0_Mix-1_S", "S1", "2") +
          "*Tie, name=_MixOrder0_Mix-1, adjust=no\n_MixOrder0_Mix-1_S, _MixOrder0_Mix-1_M\n" +
          side("_MixOrder1_Mix-1_M", "E3", "1") + side("_MixOrder1_Mix-1_S", "E4", "2") +
          "*Tie, name=_MixOrder1_Mix-1, position tolerance=0.1, adjust=no\n"
          "_MixOrder1_Mix-1_S, _MixOrder1_Mix-1_M\n" +
          side("_Shll2Sld0_Mix-1_E", "E2", "1") + side("_Shll2Sld0_Mix-1_F", "S5", "2") +
          "*Shell to Solid Coupling, constraint name=_Shll2Sld0_Mix-1\n"
          "_Shll2Sld0_Mix-1_E, _Shll2Sld0_Mix-1_F\n",
      built.Assembly());
}

}  // namespace
