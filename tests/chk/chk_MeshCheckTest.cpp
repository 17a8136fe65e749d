#include "chk/impl/chk_MeshCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_Mdb.h"

namespace {

// A mesh of `nodes` nodes with one single-node element class per type name.
std::shared_ptr<bme_Mesh> MeshCheckMesh(std::initializer_list<const char*> types,
                                        std::size_t nodes = 2) {
  auto mesh = std::make_shared<bme_Mesh>();
  mesh->MutableNodeData().MutableCoordinates().assign(3 * nodes, 0.0f);
  for (const char* type : types)
    mesh->AddElementClass(type, 1).MutableConnectivity() = {0};
  return mesh;
}

using MeshCheckFindings = chk_test::Findings;

MeshCheckFindings RunMeshCheck(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  chk_MeshCheck check(model, model.Name());
  check.Run();
  MeshCheckFindings found = chk_test::FindingsOf(check);
  bas_Basis::Instance().Fetch().RemoveModel(model.Name());
  return found;
}

using MeshCheckLines = std::vector<std::string>;

const char* const kMeshCheckLockedText =
    "The assembly is locked and out of date. Assembly needs to be\nregenerated. You should unlock "
    "the assembly to regenerate it.\n";
const char* const kMeshCheckOutOfDateText =
    "The assembly is out of date and needs to be regenerated.\n";
const char* const kMeshCheckNotMeshedText =
    "The following part instances are not meshed:\n\n    Bare-1\n\nUnmeshed regions will be "
    "excluded from your analysis.";
const char* const kMeshCheckNodeText =
    "Due to node label conflicts between part instances in your\nmodel, all nodes will be "
    "renumbered in the input file.\n";
const char* const kMeshCheckElementText =
    "Due to element label conflicts between part instances in your\nmodel, all elements will be "
    "renumbered in the input file.\n";

std::string MeshCheckCpegText(const std::string& instance) {
  return "The part instance " + instance +
         " is meshed with element type CPEG*,\nbut contains no reference point.\n\nEither change "
         "the element type on the mesh \nor assign a reference point to the part.";
}

// One meshed instance and one of a part without mesh.
hst_ModelBuilder MeshCheckStateModel() {
  hst_ModelBuilder b("Mesh-State");
  b.AddPart("Block", MeshCheckMesh({"C3D8"}));
  b.AddPart("Bare");
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Bare-1", "Bare");
  return b;
}

}  // namespace

TEST(chk_MeshCheckTest, MissingOrStaleAssembly) {
  hst_ModelBuilder none = MeshCheckStateModel();
  none.WithoutAssembly();
  MeshCheckFindings found = RunMeshCheck(none);
  EXPECT_EQ(MeshCheckLines{"There is no assembly for this model."}, found.errors);
  EXPECT_TRUE(found.warnings.empty());

  // A locked, out-of-date assembly ends the run before the meshing findings.
  hst_ModelBuilder locked = MeshCheckStateModel();
  locked.Assembly().SetLocked(true);
  locked.Assembly().SetOutOfDate(true);
  found = RunMeshCheck(locked);
  EXPECT_EQ(MeshCheckLines{kMeshCheckLockedText}, found.errors);
  EXPECT_TRUE(found.warnings.empty());

  hst_ModelBuilder stale = MeshCheckStateModel();
  stale.Assembly().SetOutOfDate(true);
  found = RunMeshCheck(stale);
  EXPECT_EQ(MeshCheckLines{kMeshCheckOutOfDateText}, found.errors);
  EXPECT_TRUE(found.warnings.empty());

  // Locked but up to date, or locked in the database: the meshing checks run.
  hst_ModelBuilder lockedCurrent = MeshCheckStateModel();
  lockedCurrent.Assembly().SetLocked(true);
  found = RunMeshCheck(lockedCurrent);
  EXPECT_TRUE(found.errors.empty());
  EXPECT_EQ(MeshCheckLines{kMeshCheckNotMeshedText}, found.warnings);

  hst_ModelBuilder database = MeshCheckStateModel();
  database.Assembly().SetDatabaseLocked(true);
  database.Assembly().SetLocked(true);
  database.Assembly().SetOutOfDate(true);
  found = RunMeshCheck(database);
  EXPECT_TRUE(found.errors.empty());
  EXPECT_EQ(MeshCheckLines{kMeshCheckNotMeshedText}, found.warnings);
}

TEST(chk_MeshCheckTest, UnmeshedInstancesInOneWarning) {
  hst_ModelBuilder b("Mesh-Unmeshed");
  b.AddPart("Bare");
  b.AddPart("Half", MeshCheckMesh({"C3D8"}));
  b.MutablePart("Half").SetUnmeshedRegions(true);
  b.AddPart("Whole", MeshCheckMesh({"C3D8"}));
  b.AddInstance("Whole-1", "Whole");
  b.AddInstance("Bare-1", "Bare");
  b.AddInstance("Half-1", "Half");
  b.AddInstance("Bare-2", "Bare");
  hst_ModelBuilder::InstanceOptions inactive;
  inactive.active = false;
  b.AddInstance("Bare-off", "Bare", inactive);
  const MeshCheckFindings found = RunMeshCheck(b);
  EXPECT_TRUE(found.errors.empty());
  EXPECT_EQ(MeshCheckLines{"The following part instances are not meshed:\n\n    Bare-1\n    "
                           "Bare-2\n\nThe following part instances are not meshed completely:\n\n"
                           "    Half-1\n\nUnmeshed regions will be excluded from your analysis."},
            found.warnings);

  hst_ModelBuilder partly("Mesh-Partly");
  partly.AddPart("Half", MeshCheckMesh({"C3D8"}));
  partly.MutablePart("Half").SetUnmeshedRegions(true);
  partly.AddInstance("Half-1", "Half");
  EXPECT_EQ(MeshCheckLines{"The following part instances are not meshed completely:\n\n    "
                           "Half-1\n\nUnmeshed regions will be excluded from your analysis."},
            RunMeshCheck(partly).warnings);
}

// Regions with only boundary elements end the run with one error; the
// reference-point errors found before stay, the later findings are not made.
TEST(chk_MeshCheckTest, BoundaryOnlyRegionsEndTheRun) {
  hst_ModelBuilder b("Mesh-Boundary");
  auto preview = MeshCheckMesh({"C3D8"});
  preview->SetContainsPreviewElems(true);
  preview->MutableNodeData().MutableUserNodeLabels() = {3, 4};
  b.AddPart("Shell", preview);
  b.MutablePart("Shell").SetUnmeshedRegions(true);
  b.AddPart("Gasket", MeshCheckMesh({"CPEG4"}));
  b.AddPart("Bare");
  b.AddInstance("Shell-1", "Shell");
  b.AddInstance("Gasket-1", "Gasket");
  b.AddInstance("Bare-1", "Bare");
  b.AddInstance("Shell-2", "Shell");
  // Two instances of a part with user labels off the default numbering, in a
  // flat file, would warn.
  b.Assembly().SetRequiresFlatInputFile(true);
  const MeshCheckFindings found = RunMeshCheck(b);
  EXPECT_EQ((MeshCheckLines{
                MeshCheckCpegText("Gasket-1"),
                "The following part instances are not completely meshed\nbecause they contain "
                "regions with only boundary elements:\n\n    Shell-1\n    Shell-2\n\nGo to the "
                "Mesh module and completely mesh these regions."}),
            found.errors);
  EXPECT_TRUE(found.warnings.empty());
}

TEST(chk_MeshCheckTest, CpegMeshesNeedAReferencePoint) {
  hst_ModelBuilder b("Mesh-Cpeg");
  b.AddPart("Gasket", MeshCheckMesh({"CPE4", "CPEG4", "CPEG3"}));
  b.AddPart("Seal", MeshCheckMesh({"CPEG4"}), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  b.AddPart("Loose", MeshCheckMesh({"CPEG4"}));
  b.MutablePart("Loose").SetUnmeshedRegions(true);
  b.AddPart("Plain", MeshCheckMesh({"CPE4", "CPE3G"}));
  b.AddInstance("Gasket-1", "Gasket");
  b.AddInstance("Seal-1", "Seal");
  b.AddInstance("Loose-1", "Loose");  // not examined: not completely meshed
  b.AddInstance("Plain-1", "Plain");
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  b.AddInstance("Gasket-x", "Gasket", excluded);
  b.AddInstance("Gasket-2", "Gasket");
  const MeshCheckFindings found = RunMeshCheck(b);
  EXPECT_EQ((MeshCheckLines{MeshCheckCpegText("Gasket-1"), MeshCheckCpegText("Gasket-2")}),
            found.errors);
  EXPECT_EQ(MeshCheckLines{"The following part instances are not meshed completely:\n\n    "
                           "Loose-1\n\nUnmeshed regions will be excluded from your analysis."},
            found.warnings);
}

TEST(chk_MeshCheckTest, EmptyAssembly) {
  const char* const empty =
      "The assembly is empty; therefore, an analysis \ncannot be performed on this model.";
  hst_ModelBuilder nothing("Mesh-Empty");
  MeshCheckFindings found = RunMeshCheck(nothing);
  EXPECT_TRUE(found.errors.empty());
  EXPECT_EQ(MeshCheckLines{empty}, found.warnings);

  // No mesh parts, but an instance (not active) or reference points.
  hst_ModelBuilder inactive("Mesh-Inactive");
  inactive.AddPart("Block", MeshCheckMesh({"C3D8"}));
  hst_ModelBuilder::InstanceOptions off;
  off.active = false;
  inactive.AddInstance("Block-1", "Block", off);
  found = RunMeshCheck(inactive);
  EXPECT_TRUE(found.errors.empty());
  EXPECT_TRUE(found.warnings.empty());

  hst_ModelBuilder points("Mesh-Points");
  points.AddAssemblyNodes(nullptr, 1);
  found = RunMeshCheck(points);
  EXPECT_TRUE(found.warnings.empty());
}

TEST(chk_MeshCheckTest, RenumberingWarningsForFlatFilesOnly) {
  // Two instances of one part: their labels always collide.
  auto build = [](const char* name, std::vector<int> nodeLabels, std::vector<int> elementLabels,
                  bool flat) {
    hst_ModelBuilder b(name);
    auto mesh = MeshCheckMesh({}, 3);
    mesh->MutableNodeData().MutableUserNodeLabels() = std::move(nodeLabels);
    bme_ElementClass& first = mesh->AddElementClass("C3D8", 1);
    first.MutableConnectivity() = {0, 1};
    bme_ElementClass& second = mesh->AddElementClass("C3D6", 1);
    second.MutableConnectivity() = {2};
    second.MutableUserLabels() = std::move(elementLabels);
    b.AddPart("Block", mesh);
    b.AddInstance("Block-1", "Block");
    b.AddInstance("Block-2", "Block");
    if (flat) b.MutableModel().SetVersionTag("v5");
    return RunMeshCheck(b);
  };
  // Default numbering: no user labels, or labels 1, 2, 3 and the class's
  // offset + 1.
  EXPECT_TRUE(build("Mesh-Plain", {}, {}, true).warnings.empty());
  EXPECT_TRUE(build("Mesh-Default", {1, 2, 3}, {3}, true).warnings.empty());
  // Labels for some nodes only are no user numbering.
  EXPECT_TRUE(build("Mesh-Partial", {1, 7}, {}, true).warnings.empty());

  EXPECT_EQ(MeshCheckLines{kMeshCheckNodeText}, build("Mesh-Nodes", {1, 2, 9}, {3}, true).warnings);
  EXPECT_EQ(MeshCheckLines{kMeshCheckElementText}, build("Mesh-Elements", {}, {8}, true).warnings);
  const MeshCheckFindings both = build("Mesh-Both", {4, 5, 6}, {1}, true);
  EXPECT_EQ((MeshCheckLines{kMeshCheckNodeText, kMeshCheckElementText}), both.warnings);
  EXPECT_TRUE(both.errors.empty());

  // Written with parts and assemblies: each part keeps its labels.
  EXPECT_TRUE(build("Mesh-Parts", {4, 5, 6}, {1}, false).warnings.empty());
}

TEST(chk_MeshCheckTest, RenumberingIgnoresExcludedInstances) {
  // The excluded instance would collide with the other; without it there is
  // no conflict.
  hst_ModelBuilder b("Mesh-Excluded");
  auto mesh = MeshCheckMesh({"C3D8"}, 2);
  mesh->MutableNodeData().MutableUserNodeLabels() = {5, 6};
  b.AddPart("Block", mesh);
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  b.AddInstance("Block-x", "Block", excluded);
  b.Assembly().SetRequiresFlatInputFile(true);
  EXPECT_TRUE(RunMeshCheck(b).warnings.empty());
}

TEST(chk_MeshCheckTest, SkinsAndStringersOnUnmeshedRegions) {
  const gml_GeometricComponent face1{gml_GeometricComponent::kFace, 1};
  const gml_GeometricComponent face2{gml_GeometricComponent::kFace, 2};
  const gml_GeometricComponent face3{gml_GeometricComponent::kFace, 3};
  hst_ModelBuilder b("Mesh-Skins");
  auto panel = MeshCheckMesh({"S4R"});
  panel->SetComponentMeshed(face1);
  b.AddPart("Panel", panel);
  b.AddPart("Point", MeshCheckMesh({"MASS"}, 1));
  const unsigned panelId = b.AddInstance("Panel-1", "Panel");
  const unsigned pointId = b.AddInstance("Point-1", "Point");
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  const unsigned hiddenId = b.AddInstance("Panel-x", "Panel", excluded);
  int id = 0;
  auto add = [&](const char* name, bool stringer, unsigned instance,
                 std::initializer_list<gml_GeometricComponent> components) {
    b.Assembly().AddReinforcement({name, ++id, instance, stringer, components});
  };
  add("Skin-Meshed", false, panelId, {face1});
  add("Skin-Partly", false, panelId, {face1, face2});
  add("Skin-None", false, panelId, {face3, face2});
  add("Skin-Point", false, pointId, {face3});      // a single node counts as meshed
  add("Skin-Excluded", false, hiddenId, {face3});  // skins of excluded instances are skipped
  add("Skin-Empty", false, panelId, {});
  add("Stringer-None", true, panelId, {face2});
  add("Stringer-Partly", true, panelId, {face3, face1});
  add("Stringer-Excluded", true, hiddenId, {face3});  // stringers are not
  add("Stringer-Partly2", true, panelId, {face1, face2});
  const MeshCheckFindings found = RunMeshCheck(b);
  EXPECT_EQ((MeshCheckLines{
                "The following skins reference regions that are\nnot associated with a "
                "mesh:\n\n    Skin-None\n",
                "The following skins reference regions that contain\ngeometric entities not "
                "associated with a mesh:\n\n    Skin-Partly\n",
                "The following stringers reference regions that\nare not associated with a "
                "mesh:\n\n    Stringer-None\n    Stringer-Excluded\n",
                "The following stringers reference regions that contain\ngeometric entities not "
                "associated with a mesh:\n\n    Stringer-Partly\n    Stringer-Partly2\n"}),
            found.errors);
  EXPECT_TRUE(found.warnings.empty());
}

TEST(chk_MeshCheckTest, ReinforcementMeshedTest) {
  hst_ModelBuilder b("Mesh-Reinforced");
  const gml_GeometricComponent edge{gml_GeometricComponent::kEdge, 4};
  auto mesh = MeshCheckMesh({"B31"}, 3);
  mesh->SetComponentMeshed(edge);
  b.AddPart("Beam", mesh);
  b.AddPart("Bare");
  const unsigned beam = b.AddInstance("Beam-1", "Beam");
  const unsigned bare = b.AddInstance("Bare-1", "Bare");
  const ftr_FeatureList& features = b.Assembly().ConstGetFeatureList();
  bool partly = false;
  EXPECT_TRUE(chk_IsReinforcementMeshed(features, beam, {edge}, partly));
  EXPECT_TRUE(partly);
  partly = false;
  EXPECT_TRUE(chk_IsReinforcementMeshed(features, bare, {}, partly));  // no mesh
  EXPECT_TRUE(partly);
  EXPECT_FALSE(chk_IsReinforcementMeshed(features, beam, {edge, {gml_GeometricComponent::kEdge, 5}},
                                         partly));
  EXPECT_TRUE(partly);
  EXPECT_FALSE(
      chk_IsReinforcementMeshed(features, beam, {{gml_GeometricComponent::kFace, 4}}, partly));
  EXPECT_FALSE(partly);
}

TEST(chk_MeshCheckTest, CloneKeepsFindings) {
  hst_ModelBuilder b = MeshCheckStateModel();
  b.WithoutAssembly();
  const bas_NewModel model = b.Model();
  chk_MeshCheck check(model, model.Name());
  check.Run();
  std::unique_ptr<chk_MeshCheck> copy(check.Clone());
  ASSERT_EQ(1u, copy->Errors().Length());
  EXPECT_EQ("There is no assembly for this model.", copy->Errors()[0].Str());
  bas_Basis::Instance().Fetch().RemoveModel(model.Name());
}
