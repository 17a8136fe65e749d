// The part and instance builders through the driver: which part writes a
// mesh, what each instance's definition holds, in both layouts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>

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

namespace {

namespace fs = std::filesystem;

// A frame: a steel block (2 x 1 x 1 bricks) with a reference point and a
// point mass on it, placed twice (turned and moved, then in place); a plate with
// a reference point placed once as a lightweight instance.
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
  // Both bricks of both block instances (ids 1 and 2) are steel.
  rgnC_Region bricks("Bricks", {"Block"});
  bricks.SetPicked(true);
  for (int instance : {1, 2})
    bricks.SetKernelElementIndices(instance, {0, 1});
  b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(bricks, "Steel"));
  kseC_HomogenousSolidSection steel;
  steel.material = "Steel";
  b.AddSection("Steel", steel);

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
    fs::remove(path_);
  }
  std::string Deck(const hst_ModelBuilder& b) {
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    EXPECT_TRUE(builder.WriteInputFile(path_, false, true));
    return aif_test::ReadFile(path_);
  }
  // One file per test process: ctest runs the tests of this file in parallel.
  std::string path_ =
      (fs::temp_directory_path() / ("aif_ModelBuildersTest." + std::to_string(getpid()) + ".inp"))
          .string();
};

TEST_F(aif_ModelBuildersTest, GoldenFrameDecks) {
  aif_test::ExpectGolden(Deck(Frame()), "aif/model/golden/frame_part_based.inp");
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  aif_test::ExpectGolden(Deck(Frame()), "aif/model/golden/frame_flat.inp");
}

// The keyword lines of a deck (parts are written in the repository's name
// order).
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
  // A locked first instance leaves the part to the next one; two active
  // instances of one part write it once. A part whose every instance is
  // locked still gets its "*Part" line, so "*Instance" names a part of the
  // file; a locked instance gets its "*Instance" but no mesh.
  b.AddInstance("Block-1", "Block", {.locks = ftr_LOCK_MESH, .lightweight = true});
  b.AddInstance("Block-2", "Block", {.lightweight = true});
  b.AddInstance("Block-3", "Block", {.lightweight = true});
  b.AddInstance("Plate-1", "Plate");
  b.AddInstance("Locked-1", "Locked", {.locks = ftr_LOCK_MESH});
  EXPECT_EQ(
      "*Part, name=Block\n*Node\n*Element, type=C3D8\n*End Part\n"
      "*Part, name=Locked\n*End Part\n"
      "*Part, name=Plate\n*End Part\n"
      "*Assembly, name=Assembly\n"
      "*Instance, name=Block-1, part=Block\n*End Instance\n"
      "*Instance, name=Block-2, part=Block\n*End Instance\n"
      "*Instance, name=Block-3, part=Block\n*End Instance\n"
      "*Instance, name=Plate-1, part=Plate\n*Node\n*Element, type=S3\n*End Instance\n"
      "*Instance, name=Locked-1, part=Locked\n*End Instance\n"
      "*End Assembly\n",
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

TEST_F(aif_ModelBuildersTest, PointSections) {
  auto deck = [&](double mass, bool datum) {
    hst_ModelBuilder b("Model-1");
    b.AddPart("Block", hst_GridMesh(1, 1, 1));
    ptoK_Part& block = b.MutablePart("Block");
    block.SetReferencePoints({{0, 0, 2}});
    const rgnC_Region point("Point", {"Block"});
    // Two assignments: only the later one is written.
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
    const std::string text = Deck(b);
    const std::size_t from = text.find("** Region");
    return text.substr(from, text.find("*Node", from) - from);
  };
  // Nothing but the region comment for a section without mass or inertia.
  EXPECT_EQ("** Region: (Light:Point)\n", deck(0.0, true));
  // Without a datum system the orientation is named "-RotaryI".
  EXPECT_EQ(
      "** Region: (Light:Point)\n"
      "*Element, type=MASS, elset=Point_MASS_\n2, 9\n"
      "*Mass, elset=Point_MASS_\n1.5, \n"
      "*Orientation, name=-RotaryI\n1., 0., 0., 0., 1., 0.\n1, 0.\n"
      "*Element, type=ROTARYI, elset=Point_ROTARYI_\n3, 9\n"
      "*Rotary Inertia, elset=Point_ROTARYI_, orientation=-RotaryI\n1.5, 1.5, 1.5, 0., 0., 0.\n",
      deck(1.5, false));
}

// A block with a reference point carrying a point mass and rotary inertia
// oriented by a material orientation of `kind` naming the datum `datum`;
// placed as `first` and "Block-2".
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

// Every "** Region" block of a deck up to the next "*Node" line.
std::string RegionBlocks(const std::string& deck) {
  std::string blocks;
  for (std::size_t from = deck.find("** Region"); from != std::string::npos;
       from = deck.find("** Region", from + 1))
    blocks += deck.substr(from, deck.find("*Node", from) - from);
  return blocks;
}

TEST_F(aif_ModelBuildersTest, FlatPointSectionsAreNamedPerInstance) {
  // Before: both instances filed "elset=Block_Point_MASS_" and
  // "elset=Block_Point_ROTARYI_" (each mass assigned twice, the second
  // orientation applying to both), and the inertia named its orientation
  // raw ("orientation=My Inst-1-Ori-1-RotaryI").
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
  EXPECT_EQ(
      "** Region: (Lumped:Point)\n"
      "*Element, type=MASS, elset=\"My Inst-1_Point_MASS_\"\n3, 9\n"
      "*Mass, elset=\"My Inst-1_Point_MASS_\"\n2., \n"
      "*Orientation, name=\"My Inst-1-Ori-1-RotaryI\"\n1., 0., 0., 0., 1., 0.\n1, 0.\n"
      "*Element, type=ROTARYI, elset=\"My Inst-1_Point_ROTARYI_\"\n4, 9\n"
      "*Rotary Inertia, elset=\"My Inst-1_Point_ROTARYI_\", "
      "orientation=\"My Inst-1-Ori-1-RotaryI\"\n0.5, 0.5, 0.5, 0., 0., 0.\n"
      "** Region: (Lumped:Point)\n"
      "*Element, type=MASS, elset=Block-2_Point_MASS_\n5, 18\n"
      "*Mass, elset=Block-2_Point_MASS_\n2., \n"
      "*Orientation, name=Block-2-Ori-1-RotaryI\n1., 0., 0., 0., 1., 0.\n1, 0.\n"
      "*Element, type=ROTARYI, elset=Block-2_Point_ROTARYI_\n6, 18\n"
      "*Rotary Inertia, elset=Block-2_Point_ROTARYI_, orientation=Block-2-Ori-1-RotaryI\n"
      "0.5, 0.5, 0.5, 0., 0., 0.\n",
      RegionBlocks(Deck(PointBlocks("My Inst-1", ptoC_MaterialOrientation::kGlobal, "Csys-1"))));
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");

  // Part-based, the sets keep the region's name in each instance; a datum
  // that does not resolve writes no "*Orientation", and the inertia names
  // none (before: "orientation=Ori-1-RotaryI", defined nowhere).
  const std::string block =
      "** Region: (Lumped:Point)\n"
      "*Element, type=MASS, elset=Point_MASS_\n2, 9\n"
      "*Mass, elset=Point_MASS_\n2., \n"
      "*Element, type=ROTARYI, elset=Point_ROTARYI_\n3, 9\n"
      "*Rotary Inertia, elset=Point_ROTARYI_\n0.5, 0.5, 0.5, 0., 0., 0.\n";
  EXPECT_EQ(block + block,
            RegionBlocks(Deck(PointBlocks("Block-1", ptoC_MaterialOrientation::kDatum, "Gone"))));
}

TEST_F(aif_ModelBuildersTest, PartAndInstanceNamesTheFileCannotCarryStopTheWrite) {
  // Before: "*Part, name=P"q" opened a quote the reader never closes, and an
  // empty name wrote "name=" with nothing after it.
  struct Case {
    const char* part;
    const char* instance;
    const char* message;
  };
  const Case cases[] = {
      {"P\"q", "I-1",
       "The part name P\"q holds an unpaired double quote and cannot be written to the input "
       "file."},
      {"", "I-1", "The part name is empty and cannot be written to the input file."},
      {"P", "", "The instance name is empty and cannot be written to the input file."},
      {"P", "\"I\"1\"",
       "The instance name \"I\"1\" holds an unpaired double quote and cannot be written to the "
       "input file."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    hst_ModelBuilder b("Model-1");
    b.AddPart(c.part, hst_GridMesh(1, 1, 1));
    b.AddInstance(c.instance, c.part);
    EXPECT_EQ(c.message, aif_test::MessageOf([&] { Deck(b); }));
    EXPECT_FALSE(fs::exists(path_));
  }

  // Whole quoted names are written.
  hst_ModelBuilder b("Model-1");
  b.AddPart("\"My part\"", hst_GridMesh(1, 1, 1));
  b.AddInstance("My part-1", "\"My part\"");
  const std::string deck = KeywordLines(Deck(b));
  EXPECT_NE(std::string::npos, deck.find("*Part, name=\"My part\"\n")) << deck;
  EXPECT_NE(std::string::npos, deck.find("*Instance, name=\"My part-1\", part=\"My part\"\n"))
      << deck;
}

}  // namespace
