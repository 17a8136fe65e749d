// The part and instance builders through the driver, in both layouts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kseC_PointSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_MeshTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

namespace fs = std::filesystem;

// A steel block with a point mass placed twice (turned and moved, then in
// place); a plate with a reference point placed once, lightweight.
hst_ModelBuilder Frame() {
  hst_ModelBuilder b("Frame");
  b.AddPart("Block", hst_GridMesh(2, 1, 1, 0.5));
  kseC_PointSection lumped;
  lumped.SetMass(2.5);
  lumped.SetRotaryInertia({0.1, 0.0, 0.0, 0.2, 0.0, 0.3});
  ptoC_MaterialOrientation orientation;
  orientation.SetRegion(b.AddPointSection("Block", {{0.5, 0.25, 1.25}}, lumped));
  orientation.SetDatumRef({{"Block"}, "Csys-1"});
  b.MutablePart("Block").AddAttribute(orientation);
  rgnC_Region bricks("Bricks", {"Block"});
  bricks.SetPicked(true);
  for (int instance : {1, 2})
    bricks.SetKernelElementIndices(instance, {0, 1});
  b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(bricks, "Steel"));
  kseC_HomogenousSolidSection steel;
  steel.material = "Steel";
  b.AddSection("Steel", steel);
  b.AddMaterial("Steel", kmaC_Material());

  b.AddPart("Plate", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}, "S4R", 4, {0, 1, 2, 3}));
  b.MutablePart("Plate").SetReferencePoints({{0.5, 0.5, 0.0}});

  const double quarter = std::acos(0.0);
  b.AddInstance("Block-1", "Block",
                {.transform = gsl_Matrix::Translation({0.0, 0.0, 2.0}) *
                              gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, quarter)});
  b.AddInstance("Block-2", "Block");
  b.AddInstance("Plate-1", "Plate", {.lightweight = true});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

class aif_ModelBuildersTest : public ::testing::Test {
 protected:
  void TearDown() override {
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  }
  std::string Deck(const hst_ModelBuilder& b) { return deck_.Write(b); }
  aif_test::TempDeck deck_{"aif_ModelBuildersTest"};
  const std::string& path_ = deck_.Path();
};

TEST_F(aif_ModelBuildersTest, GoldenFrameDecks) {
  aif_test::ExpectGolden(Deck(Frame()), "aif/model/golden/frame_part_based.inp");
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  aif_test::ExpectGolden(Deck(Frame()), "aif/model/golden/frame_flat.inp");
}

// The keyword lines of a deck.
std::string KeywordLines(const std::string& deck) {
  std::string lines;
  std::size_t start = 0;
  while (start < deck.size()) {
    std::size_t end = deck.find('\n', start);
    if (deck[start] == '*' && deck.compare(start, 2, "**") != 0)
      lines += deck.substr(start, end - start + 1);
    start = end + 1;
  }
  return lines;
}

TEST_F(aif_ModelBuildersTest, WhichInstanceWritesAPart) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddPart("Plate", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0}, "S3", 3, {0, 1, 2}));
  b.AddPart("Locked", hst_GridMesh(1, 1, 1));
  // A locked first instance leaves the part to the next; a part whose every
  // instance is locked still gets its "*Part", its instances no mesh.
  b.AddInstance("Block-1", "Block", {.locks = ftr_LOCK_MESH, .lightweight = true});
  b.AddInstance("Block-2", "Block", {.lightweight = true});
  b.AddInstance("Block-3", "Block", {.lightweight = true});
  b.AddInstance("Plate-1", "Plate");
  b.AddInstance("Locked-1", "Locked", {.locks = ftr_LOCK_MESH});
  b.AddPart("\"My part\"", hst_GridMesh(1, 1, 1));  // quoted whole: written as it is
  b.AddInstance("My part-1", "\"My part\"");
  EXPECT_EQ(
      "*Part, name=\"My part\"\n*End Part\n"
      "*Part, name=Block\n*Node\n*Element, type=C3D8\n*End Part\n"
      "*Part, name=Locked\n*End Part\n"
      "*Part, name=Plate\n*End Part\n"
      "*Assembly, name=Assembly\n"
      "*Instance, name=Block-1, part=Block\n*End Instance\n"
      "*Instance, name=Block-2, part=Block\n*End Instance\n"
      "*Instance, name=Block-3, part=Block\n*End Instance\n"
      "*Instance, name=Plate-1, part=Plate\n*Node\n*Element, type=S3\n*End Instance\n"
      "*Instance, name=Locked-1, part=Locked\n*End Instance\n"
      "*Instance, name=\"My part-1\", part=\"My part\"\n*Node\n*Element, type=C3D8\n"
      "*End Instance\n*End Assembly\n",
      KeywordLines(Deck(b)));
}

TEST_F(aif_ModelBuildersTest, AnInitialStateNamesTheResultsAndImportsThem) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  kpfC_InitialState first, second;
  first.SetName("A-State");
  first.SetInstanceNames({"Block-1"});
  first.SetState("Initial", kpfC_InitialStateState("Old-Job", -1, -1));
  second = first;
  second.SetName("B-State");
  second.SetState("Initial", kpfC_InitialStateState("Other-Job", -1, -1));
  // Two fields name the instance: the first in key order serves both lines.
  b.AddField("B-State", second);
  b.AddField("A-State", first);
  const std::string deck = Deck(b);
  EXPECT_NE(std::string::npos, deck.find("** Name: A-State   Type: Initial State\n")) << deck;
  EXPECT_EQ(std::string::npos, deck.find("B-State")) << deck;
  EXPECT_NE(std::string::npos, deck.find("*Instance, library=Old-Job.odb, instance=Block-1\n"))
      << deck;
}

// Every "** Region" block of a deck up to the next "*Node" line.
std::string RegionBlocks(const std::string& deck) {
  std::string blocks;
  for (std::size_t from = deck.find("** Region"); from != std::string::npos;
       from = deck.find("** Region", from + 1))
    blocks += deck.substr(from, deck.find("*Node", from) - from);
  return blocks;
}

TEST_F(aif_ModelBuildersTest, PointSections) {
  auto deck = [&](double mass, bool datum) {
    hst_ModelBuilder b("Model-1");
    b.AddPart("Block", hst_GridMesh(1, 1, 1));
    ptoK_Part& block = b.MutablePart("Block");
    block.SetReferencePoints({{0, 0, 2}});
    const rgnC_Region point("Point", {"Block"});
    block.AddAttribute(ptoC_SectionAssignment(rgnC_Region("Other", {"Block"}), "Heavy"));
    block.AddAttribute(ptoC_SectionAssignment(point, "Light"));
    ptoC_MaterialOrientation orientation;
    orientation.SetRegion(point);
    if (datum) orientation.SetDatumRef({{"Block"}, "Csys-1"});
    block.AddAttribute(orientation);
    kseC_PointSection heavy, light;
    heavy.SetMass(9.0);
    light.SetMass(mass);
    light.SetRotaryInertia({mass, 0, 0, mass, 0, mass});
    b.AddSection("Heavy", heavy);
    b.AddSection("Light", light);
    b.AddInstance("Block-1", "Block");
    return RegionBlocks(Deck(b));
  };
  // Only the later assignment is written; without mass or inertia, only its
  // comment; without a datum system the orientation is named "-RotaryI".
  EXPECT_EQ("** Region: (Light:Point)\n", deck(0.0, true));
  EXPECT_EQ(
      "** Region: (Light:Point)\n"
      "*Element, type=MASS, elset=Point_MASS_\n2, 9\n"
      "*Mass, elset=Point_MASS_\n1.5, \n"
      "*Orientation, name=-RotaryI\n1., 0., 0., 0., 1., 0.\n1, 0.\n"
      "*Element, type=ROTARYI, elset=Point_ROTARYI_\n3, 9\n"
      "*Rotary Inertia, elset=Point_ROTARYI_, orientation=-RotaryI\n1.5, 1.5, 1.5, 0., 0., 0.\n",
      deck(1.5, false));
}

// A block with a point mass and inertia oriented by an orientation of `kind`
// on `datum`, placed as `first` and "Block-2".
hst_ModelBuilder PointBlocks(const char* first, int kind, const char* datum) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kseC_PointSection lumped;
  lumped.SetMass(2.0);
  lumped.SetRotaryInertia({0.5, 0, 0, 0.5, 0, 0.5});
  ptoC_MaterialOrientation orientation;
  orientation.SetRegion(b.AddPointSection("Block", {{0, 0, 2}}, lumped));
  orientation.SetDefinitionKind(kind);
  orientation.SetDatumRef({{"Block"}, datum});
  b.MutablePart("Block").AddAttribute(orientation);
  b.AddInstance(first, "Block");
  b.AddInstance("Block-2", "Block");
  return b;
}

TEST_F(aif_ModelBuildersTest, FlatPointSectionsAreNamedPerInstance) {
  // Flat, every set and orientation carries its instance, quoted if need be.
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  auto block = [](const std::string& q, const std::string& inst, const char* mass,
                  const char* inertia) {
    const std::string set = q + inst + "_Point_", ori = q + inst + "-Ori-1-RotaryI" + q;
    return "** Region: (Lumped:Point)\n*Element, type=MASS, elset=" + set + "MASS_" + q + "\n" +
           mass + "\n*Mass, elset=" + set + "MASS_" + q + "\n2., \n*Orientation, name=" + ori +
           "\n1., 0., 0., 0., 1., 0.\n1, 0.\n*Element, type=ROTARYI, elset=" + set + "ROTARYI_" +
           q + "\n" + inertia + "\n*Rotary Inertia, elset=" + set + "ROTARYI_" + q +
           ", orientation=" + ori + "\n0.5, 0.5, 0.5, 0., 0., 0.\n";
  };
  EXPECT_EQ(
      block("\"", "My Inst-1", "3, 9", "4, 9") + block("", "Block-2", "5, 18", "6, 18"),
      RegionBlocks(Deck(PointBlocks("My Inst-1", ptoC_MaterialOrientation::kGlobal, "Csys-1"))));
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");

  // Part-based the sets keep the region's name; a datum that does not
  // resolve writes no "*Orientation", and the inertia names none.
  const std::string part =
      "** Region: (Lumped:Point)\n"
      "*Element, type=MASS, elset=Point_MASS_\n2, 9\n"
      "*Mass, elset=Point_MASS_\n2., \n"
      "*Element, type=ROTARYI, elset=Point_ROTARYI_\n3, 9\n"
      "*Rotary Inertia, elset=Point_ROTARYI_\n0.5, 0.5, 0.5, 0., 0., 0.\n";
  EXPECT_EQ(part + part,
            RegionBlocks(Deck(PointBlocks("Block-1", ptoC_MaterialOrientation::kDatum, "Gone"))));
}

TEST_F(aif_ModelBuildersTest, PartAndInstanceNamesTheFileCannotCarryStopTheWrite) {
  // Part, instance, message.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"P\"q", "I-1",
       "The part name P\"q holds an unpaired double quote and cannot be written to the input "
       "file."},
      {"", "I-1", "The part name is empty and cannot be written to the input file."},
      {"P", "", "The instance name is empty and cannot be written to the input file."},
      {"P", "\"I\"1\"",
       "The instance name \"I\"1\" holds an unpaired double quote and cannot be written to the "
       "input file."},
  };
  for (const auto& [part, instance, message] : cases) {
    hst_ModelBuilder b("Model-1");
    b.AddPart(part, hst_GridMesh(1, 1, 1));
    b.AddInstance(instance, part);
    EXPECT_EQ(message, aif_test::MessageOf([&] { Deck(b); }));
    EXPECT_FALSE(fs::exists(path_));
  }
}

}  // namespace
