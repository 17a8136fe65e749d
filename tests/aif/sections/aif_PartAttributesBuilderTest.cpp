// The part-attributes builder through the driver, part-based and flat.
#include <gtest/gtest.h>

#include <unistd.h>
#include <array>

#include <filesystem>
#include <sstream>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/sections/aif_SectionTestSupport.h"
#include "support/aif_MaterialTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

// A shell section of `thickness` in Steel whose thickness of kind `type` may
// come from `field`.
// An expression field: constant + gradient . (x, y, z).
kfdC_ExpressionField Expression(const char* description, double constant,
                                std::array<double, 3> gradient) {
  kfdC_ExpressionField field;
  field.SetDescription(description);
  field.constant = constant;
  field.gradient = gradient;
  return field;
}

void AddFieldShell(hst_ModelBuilder& b, const char* name, double thickness, int type,
                   const char* field) {
  kseC_HomogenousShellSection section;
  section.thickness = thickness;
  section.material = "Steel";
  section.thicknessType = type;
  section.thicknessField = field;
  b.AddSection(name, section);
}

namespace fs = std::filesystem;

// A region of `part` holding the elements `indices` of the instances `ids`.
rgnC_Region Elements(const cow_String& name, const cow_String& part, const cow_List<int>& indices,
                     std::initializer_list<int> ids = {1}, bool picked = false) {
  rgnC_Region region(name, {part});
  region.SetPicked(picked);
  for (int id : ids)
    region.SetKernelElementIndices(id, indices);
  return region;
}

kseC_HomogenousSolidSection Solid() {
  kseC_HomogenousSolidSection solid;
  solid.material = "Steel";
  return solid;
}

class aif_PartAttributesBuilder : public ::testing::Test {
 protected:
  void TearDown() override {
    mem_ClearFault();
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    fs::remove(path_);
  }
  // The deck of `b` (`flat`: without parts), written twice alike.
  std::string Deck(const hst_ModelBuilder& b, bool flat = false) {
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    EXPECT_TRUE(builder.WriteInputFile(path_, false, true));
    const std::string first = aif_test::ReadFile(path_);
    EXPECT_TRUE(builder.WriteInputFile(path_, false, true));
    EXPECT_EQ(first, aif_test::ReadFile(path_)) << "a second write differs";
    uses_ = info.DiscreteFieldUses();
    sectionPoints_ = info.LayupData().Sections();
    layupSets_ = LayupSets(info.LayupData());
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    return first;
  }
  // The sets of layups "Layup-A" and "Layup-C" as output requests reach
  // them, every section point and the bottom and top points of each layer:
  // "layup instance set: points | points".
  static std::string LayupSets(const akw_Layup2SecPtMap& map) {
    std::string text;
    for (const char* layup : {"Layup-A", "Layup-C"}) {
      const auto whole = map.ElsetsAndSectionPoints(layup, "", akw_Layup2SecPtMap::kWholeSection);
      const auto ends = map.ElsetsAndSectionPoints(
          layup, "", akw_Layup2SecPtMap::kBottom + akw_Layup2SecPtMap::kTop);
      EXPECT_EQ(whole.Length(), ends.Length());
      for (std::size_t i = 0; i < whole.Length() && i < ends.Length(); ++i) {
        text.append(layup).append(" ").append(whole[i].instance.Str()).append(" ");
        text.append(whole[i].elset.Str()).append(":");
        for (int n : whole[i].points)
          text.append(" ").append(std::to_string(n));
        text.append(" |");
        for (int n : ends[i].points)
          text.append(" ").append(std::to_string(n));
        text.append("\n");
      }
    }
    return text;
  }
  // The lines of `deck` this builder writes: no nodes, elements, parts,
  // instances, steps or banners.
  static std::string Attributes(const std::string& deck) {
    std::istringstream in(deck);
    std::string line, out;
    bool keep = false;
    while (std::getline(in, line)) {
      if (line.rfind("** Description: ", 0) == 0) {  // inside a distribution
        out += line + "\n";
        continue;
      }
      if (line.rfind("**", 0) == 0) {
        keep = false;
        if (line.rfind("** Region", 0) == 0 || line.rfind("** Section", 0) == 0 ||
            line == "** ELEMENT CONTROLS")
          out += line + "\n";
        continue;
      }
      if (line[0] == '*') {
        keep = line.rfind("*Node", 0) != 0 && line.rfind("*Element", 0) != 0 &&
               line.rfind("*Part", 0) != 0 && line.rfind("*End", 0) != 0 &&
               line.rfind("*Instance", 0) != 0 && line.rfind("*Assembly", 0) != 0 &&
               line.rfind("*Step", 0) != 0 && line.rfind("*Static", 0) != 0 &&
               line.rfind("*Output", 0) != 0;
      }
      if (keep) out += line + "\n";
    }
    return out;
  }
  std::string path_ = (fs::temp_directory_path() /
                       ("aif_PartAttributesBuilderTest." + std::to_string(getpid()) + ".inp"))
                          .string();
  cow_List<akw_DiscreteField> uses_;
  cow_List<akw_Layup2SecPtMap::Section> sectionPoints_;
  std::string layupSets_;
};

// A named set feature of a part holding `indices` for instance ids 1 and 2.
rgnF_Set NamedSet(unsigned id, const cow_String& name, const cow_List<int>& indices) {
  rgnF_Set set(Elements(name, "", indices, {1, 2}));
  set.typeMask = rgnF_Set::kElementSet;
  set.SetId(id);
  set.SetName(name);
  return set;
}

// Element controls of a part's only element class.
std::shared_ptr<bme_Mesh> Controlled(const bme_ElemCtrlParams& controls, int bricks = 1) {
  auto mesh = hst_GridMesh(bricks, 1, 1);
  mesh->MutableElementClass(0).SetElemCtrlParams(std::make_shared<bme_ElemCtrlParams>(controls));
  return mesh;
}

// Viscous hourglass control with a stiffness.
bme_ElemCtrlParams Viscous() {
  bme_ElemCtrlParams controls;
  controls.SetHourglassControl(3);
  controls.SetHourglassStiffness({0.5, 0.0, 0.0});
  return controls;
}

// Default section controls but for the hourglass stiffness.
bme_ElemCtrlParams StiffOnly() {
  bme_ElemCtrlParams controls;
  controls.SetHourglassStiffness({0.25, 0.0, 0.0});
  return controls;
}

// Block: four bricks, Steel on the set All, split by a user and a global
// orientation (stacked along 2). Plate, lightweight: two bricks, viscous
// controls, Steel on a picked region.
hst_ModelBuilder Blocks() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(4, 1, 1));
  b.MutablePart("Block").FeatureList().Add(NamedSet(7, "All", {0, 1, 2, 3}));
  b.AddSection("Steel", Solid());
  b.AddPartAttribute(
      "Block", ptoC_SectionAssignment(Elements("All", "Block", {0, 1, 2, 3}, {1, 2}), "Steel"));
  ptoC_MaterialOrientation datum;
  datum.SetRegion(Elements("Left", "Block", {0, 1}, {1, 2}));
  datum.SetDefinitionKind(ptoC_MaterialOrientation::kUser);
  b.AddPartAttribute("Block", datum);
  ptoC_MaterialOrientation global;
  global.SetRegion(Elements("Right", "Block", {2, 3}, {1, 2}));
  global.SetStackDirection(1);
  b.AddPartAttribute("Block", global);

  b.AddPart("Plate", Controlled(Viscous(), 2));
  b.AddPartAttribute(
      "Plate", ptoC_SectionAssignment(Elements("Pick", "Plate", {0, 1}, {3, 4}, true), "Steel"));
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  b.AddInstance("Plate-1", "Plate", {.lightweight = true});
  b.AddInstance("Plate-2", "Plate", {.lightweight = true});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

// Steel on `elset`: comment, set, section with `options`, then `after`.
std::string SteelLines(const std::string& region, const std::string& elset,
                       const std::string& setOptions, const std::string& labels,
                       const std::string& options, const std::string& after = "") {
  return "** Region: (Steel:" + region + ")\n*Elset, elset=" + elset + setOptions + "\n" + labels +
         "\n** Section: Steel\n*Solid Section, elset=" + elset + options + ", material=Steel\n,\n" +
         after;
}

const std::string kSystem =
    "*System\n          0.,          0.,          0.,          1.,          0.,          0.\n"
    "          0.,          0.,          1.\n";
const std::string kHourglass = "*Hourglass Stiffness\n0.5, , 0., 0.\n";
const std::string kBanner =
    "** ELEMENT CONTROLS\n*Section Controls, name=EC-1, hourglass=VISCOUS\n1., 1., 1.\n";

// One Block: the set All, then per orientation its "_I" set and section;
// `instance` empty when part-based; labels from `first`.
std::string BlockLines(const std::string& instance, int first) {
  const bool flat = !instance.empty();
  const std::string set = flat ? instance + "_" : "", ori = flat ? instance + "-Ori-" : "Ori-";
  auto half = [&](int i, const char* region, const char* orientation) {
    const std::string n = std::to_string(i), a = std::to_string(first + 2 * i - 2);
    return "*Orientation, name=" + ori + n + orientation +
           SteelLines(std::string("All), (Material Orientation:") + region, set + "_I" + n,
                      flat ? "" : ", internal", " " + a + ", " + std::to_string(first + 2 * i - 1),
                      ", orientation=" + ori + n + ", stack direction=" + n);
  };
  return "*Elset, elset=" + set + "All, generate\n " + std::to_string(first) + ",  " +
         std::to_string(first + 3) + ",  1\n" + half(1, "Left", ", system=user\n") +
         half(2, "Right", "\n1., 0., 0., 0., 1., 0.\n1, 0.\n");
}

// A named set covering its part writes no set; orientations split it into
// "_I" sets, each orientation once; the lightweight Plate is written once in
// its part with EC-1; the default EC-0 writes nothing. Flat names carry the
// instance.
TEST_F(aif_PartAttributesBuilder, GroupsSetsOrientationsAndControls) {
  auto plate = [](const std::string& elset, const char* labels) {
    return SteelLines("Picked), (Controls:EC-1", elset, "", labels, ", controls=EC-1", kHourglass);
  };
  EXPECT_EQ(Attributes(Deck(Blocks())),
            plate("Pick", " 1, 2") + BlockLines("", 1) + BlockLines("", 1) + kBanner);
  EXPECT_EQ(Attributes(Deck(Blocks(), true)),
            BlockLines("Block-1", 1) + BlockLines("Block-2", 5) + plate("Plate-1_Pick", " 9,10") +
                plate("Plate-2_Pick", "11,12") + "*System\n" + kBanner);
}

// Beam comments and directions, Eulerian surfaces, a missing profile, and a
// model without an assembly.
TEST_F(aif_PartAttributesBuilder, BeamAndEulerianSections) {
  hst_ModelBuilder b;
  b.AddPart("Rod", hst_Mesh({0, 0, 0, 1, 0, 0, 2, 0, 0}, "B31", 2, {0, 1, 1, 2}));
  b.AddProfile("P1", kbpC_CircularProfile());
  b.AddProfile("P2", kbpC_CircularProfile());
  kseC_BeamSection tapered;
  tapered.profileName = "P1";
  tapered.endProfileName = "P2";
  tapered.taper = 1;
  tapered.integration = 0;
  b.AddSection("Taper", tapered);
  b.AddPartAttribute("Rod", ptoC_SectionAssignment(Elements("A", "Rod", {0}), "Taper"));
  kseC_EulerianSection eulerian;
  eulerian.materialInstances.Set("m1", "Steel");
  eulerian.materialInstances.Set("m2", "Air");
  b.AddSection("Euler", eulerian);
  b.AddPartAttribute("Rod", ptoC_SectionAssignment(Elements("B", "Rod", {1}), "Euler"));
  b.AddInstance("I", "Rod");
  b.AddStep("Load", kprC_StaticStep());
  // Part-based the material surfaces go to the part first; flat they follow,
  // named after the instance.
  auto surfaces = [](const std::string& p) {
    return "*Surface, type=EULERIAN MATERIAL, name=" + p + "m1\n" + p +
           "m1\n*Surface, type=EULERIAN MATERIAL, name=" + p + "m2\n" + p + "m2\n";
  };
  auto sections = [](const std::string& p) {
    return "** Section: Taper  Start Profile: P1  End Profile: P2\n"
           "*Beam General Section, elset=" +
           p +
           "A, Taper, section=CIRC\n0.\n0.\n0.,0.,-1.\n"
           "** Section: Euler\n*Eulerian Section, elset=" +
           p + "B\nSteel, " + p + "m1\nAir, " + p + "m2\n";
  };
  EXPECT_EQ(Attributes(Deck(b)), surfaces("") + sections(""));
  EXPECT_EQ(Attributes(Deck(b, true)), sections("I_") + surfaces("I_") + "*System\n");
  // A second instance of the part defines no surface of the part again.
  b.AddInstance("J", "Rod");
  const std::string twice = Deck(b);
  for (const char* surface : {"name=m1\n", "name=m2\n"}) {
    const std::size_t first = twice.find(surface);
    EXPECT_NE(first, std::string::npos) << twice;
    EXPECT_EQ(twice.find(surface, first + 1), std::string::npos) << twice;
  }
  hst_ModelBuilder none;
  none.WithoutAssembly();
  EXPECT_EQ(Attributes(Deck(none)), "");
  // A beam whose profile the model lacks stops the write; no file is left.
  hst_ModelBuilder lost;
  lost.AddPart("Rod", hst_Mesh({0, 0, 0, 1, 0, 0}, "B31", 2, {0, 1}));
  tapered.profileName = "Missing";
  lost.AddSection("Beam", tapered);
  lost.AddPartAttribute("Rod", ptoC_SectionAssignment(Elements("All", "Rod", {0}), "Beam"));
  lost.AddInstance("Rod-1", "Rod");
  EXPECT_ANY_THROW(Deck(lost));
  EXPECT_FALSE(fs::exists(path_));
}

// One brick part `part` with Steel on a picked region of instance `id`.
void PickedPart(hst_ModelBuilder& b, const char* part, std::shared_ptr<bme_Mesh> mesh, int id) {
  b.AddPart(part, mesh);
  b.AddPartAttribute(part,
                     ptoC_SectionAssignment(Elements("Pick", part, {0}, {id}, true), "Steel"));
}

// "(Controls:Default)" only after non-default controls were met; controls
// differing only in hourglass stiffness get a name in the comment but no
// "controls=" nor "*Section Controls" (alone: no banner either).
TEST_F(aif_PartAttributesBuilder, ControlsInCommentsSectionsAndTheBanner) {
  hst_ModelBuilder b;
  b.AddSection("Steel", Solid());
  PickedPart(b, "Free", hst_GridMesh(1, 1, 1), 1);
  PickedPart(b, "Hard", Controlled(Viscous()), 2);
  PickedPart(b, "Soft", Controlled(StiffOnly()), 3);
  PickedPart(b, "Late", hst_GridMesh(1, 1, 1), 4);
  b.AddInstance("Free-1", "Free");
  b.AddInstance("Hard-1", "Hard");
  b.AddInstance("Soft-1", "Soft");
  b.AddInstance("Late-1", "Late");
  b.AddStep("Load", kprC_StaticStep());
  const std::string soft = SteelLines("Picked), (Controls:EC-2", "Pick", "", " 1,", "",
                                      "*Hourglass Stiffness\n0.25, , 0., 0.\n");
  EXPECT_EQ(
      Attributes(Deck(b)),
      SteelLines("Picked", "Pick", "", " 1,", "") +
          SteelLines("Picked), (Controls:EC-1", "Pick", "", " 1,", ", controls=EC-1", kHourglass) +
          soft + SteelLines("Picked), (Controls:Default", "Pick", "", " 1,", "") + kBanner);

  hst_ModelBuilder alone;
  alone.AddSection("Steel", Solid());
  PickedPart(alone, "Soft", Controlled(StiffOnly()), 1);
  alone.AddInstance("Soft-1", "Soft");
  alone.AddStep("Load", kprC_StaticStep());
  std::string expected = soft;
  expected.replace(expected.find("EC-2"), 4, "EC-1");
  EXPECT_EQ(Attributes(Deck(alone)), expected);
}

// The standard product writes the hourglass stiffness after solid, membrane,
// gasket, point and cohesive sections only; another product after none.
TEST_F(aif_PartAttributesBuilder, HourglassStiffnessByProductAndSectionKind) {
  auto model = [](kprC_AnalysisProductEnm product) {
    hst_ModelBuilder b;
    b.AddPart("Mix", Controlled(Viscous(), 8));
    b.AddSection("Solid", Solid());
    b.AddSection("Truss", kseC_TrussSection());
    b.AddSection("Membrane", kseC_MembraneSection());
    b.AddSection("Gasket", kseC_GasketSection());
    b.AddSection("Peg", kseC_PEGSection());
    b.AddSection("Surface", kseC_SurfaceSection());
    b.AddSection("Cohesive", kseC_CohesiveSection());
    b.AddSection("Interface", kseC_AcousticInterfaceSection());
    int element = 0;
    for (const char* name :
         {"Solid", "Truss", "Membrane", "Gasket", "Peg", "Surface", "Cohesive", "Interface"})
      b.AddPartAttribute(
          "Mix", ptoC_SectionAssignment(
                     Elements(cow_String("S") + name, "Mix", {element++}, {1}, true), name));
    b.AddInstance("Mix-1", "Mix");
    b.AddStep("Load", kprC_StaticStep());
    b.Steps().SetAnalysisProduct(product);
    return b;
  };
  auto brick = [](const char* name, int label, const char* section, const std::string& after) {
    return std::string("** Region: (") + name + ":Picked), (Controls:EC-1)\n*Elset, elset=S" +
           name + "\n " + std::to_string(label) + ",\n** Section: " + name + "\n" + section + after;
  };
  for (kprC_AnalysisProductEnm product : {kprC_STANDARD, kprC_EXPLICIT}) {
    SCOPED_TRACE(product);
    const std::string h = product == kprC_STANDARD ? kHourglass : "";
    EXPECT_EQ(
        Attributes(Deck(model(product))),
        brick("Solid", 1, "*Solid Section, elset=SSolid, controls=EC-1, material=Steel\n,\n", h) +
            brick("Truss", 2, "*Solid Section, elset=STruss, material=\n1.,\n", "") +
            brick("Membrane", 3,
                  "*Membrane Section, elset=SMembrane, material=, controls=EC-1\n1., \n", h) +
            brick("Gasket", 4, "*Gasket Section, elset=SGasket, material=\n , 0., 0., 0.\n", h) +
            brick("Peg", 5,
                  "*Solid Section, elset=SPeg, controls=EC-1, material=, "
                  "ref node=Mix-1-RefPt_\n1., \n",
                  h) +
            brick("Surface", 6, "*Surface Section, elset=SSurface\n", "") +
            brick("Cohesive", 7,
                  "*Cohesive Section, elset=SCohesive, controls=EC-1, material=, "
                  "response=TRACTION SEPARATION, thickness=GEOMETRY\n, \n",
                  h) +
            brick("Interface", 8, "*Interface, elset=SInterface\n1.\n", "") + kBanner);
  }
}

// Ply orientations are named after the section and ply position; flat
// files put the instance in front.
TEST_F(aif_PartAttributesBuilder, LayerOrientationsNamedByPly) {
  hst_ModelBuilder b;
  b.AddPart("Skin", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}, "S4R", 4, {0, 1, 2, 3}));
  kseC_CompositeShellSection composite;
  for (int i = 0; i < 3; ++i) {
    kseC_Layer ply;
    ply.thickness = 0.5 * (i + 1);
    ply.material = "Carbon";
    ply.plyName = cow_String("P") + cow_String(std::to_string(i + 1));
    if (i != 1) ply.datum.name = "Csys-1";
    composite.layers.Append(ply);
  }
  b.AddSection("Ply", composite);
  dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  csys.SetId(5);
  csys.SetName("Csys-1");
  b.MutablePart("Skin").FeatureList().Add(csys);
  b.AddPartAttribute("Skin",
                     ptoC_SectionAssignment(Elements("Top", "Skin", {0}, {1}, true), "Ply"));
  b.AddInstance("Skin-1", "Skin");
  b.AddStep("Load", kprC_StaticStep());
  auto lines = [](const std::string& p, const std::string& s) {
    const std::string axes =
        "          0.,           1.,           0.,          -1.,           0.,           0.\n";
    return "** Region: (Ply:Picked)\n*Elset, elset=" + s + "Top\n 1,\n** Section: Ply\n" +
           "*Orientation, name=" + p + "Ori-Ply-L1\n" + axes + "*Orientation, name=" + p +
           "Ori-Ply-L3\n" + axes + "*Shell Section, elset=" + s +
           "Top, composite\n0.5, 3, Carbon, " + p +
           "Ori-Ply-L1, P1\n1., 3, Carbon, 0., P2\n1.5, 3, Carbon, " + p + "Ori-Ply-L3, P3\n";
  };
  EXPECT_EQ(Attributes(Deck(b)), lines("", ""));
  EXPECT_EQ(Attributes(Deck(b, true)), lines("Skin-1-", "Skin-1_") + "*System\n");
}

// Discrete-field records: field, owner kind:owner, [users], (columns), count.
std::string Uses(const cow_List<akw_DiscreteField>& uses) {
  std::string text;
  for (const akw_DiscreteField& use : uses) {
    text += use.field.Str() + " " + std::to_string(use.ownerKind) + ":" + use.owner.Str() + " [";
    for (const cow_String& user : use.users)
      text += " " + user.Str();
    text += " ] (";
    for (const cow_String& component : use.components)
      text += " " + component.Str();
    text += " ) x" + std::to_string(use.useCount) + "\n";
  }
  return text;
}

// Two offsets from one field on a lightweight part placed twice: one record
// per part (the second instance only joins the users), or per instance flat.
TEST_F(aif_PartAttributesBuilder, DiscreteFieldUsesPerPartOrInstance) {
  hst_ModelBuilder b;
  b.AddPart("Sheet", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0, 2, 1, 0}, "S4R", 4,
                              {0, 1, 2, 3, 1, 4, 5, 2}));
  kseC_HomogenousShellSection shell;
  shell.thickness = 0.1;
  shell.material = "Steel";
  b.AddSection("Thin", shell);
  for (int e = 0; e < 2; ++e) {
    ptoC_SectionAssignment assignment(
        Elements(e == 0 ? "Left" : "Right", "Sheet", {e}, {1, 2}, true), "Thin");
    assignment.SetOffset(5, 0.0, "Offsets");
    b.AddPartAttribute("Sheet", assignment);
  }
  b.AddInstance("Sheet-1", "Sheet", {.lightweight = true});
  b.AddInstance("Sheet-2", "Sheet", {.lightweight = true});
  b.AddStep("Load", kprC_StaticStep());
  Deck(b);
  EXPECT_EQ(Uses(uses_), "Offsets 0:Sheet [ Sheet-1 Sheet-2 ] ( ratio ) x2\n");
  Deck(b, true);
  EXPECT_EQ(Uses(uses_),
            "Offsets 1:Sheet-1 [ Sheet-1 ] ( ratio ) x2\n"
            "Offsets 1:Sheet-2 [ Sheet-2 ] ( ratio ) x2\n");
}

// Beam directions, given or default, turn with the instance in flat files.
TEST_F(aif_PartAttributesBuilder, FlatBeamDirectionsTurnWithTheInstance) {
  hst_ModelBuilder b;
  b.AddPart("Rod", hst_Mesh({0, 0, 0, 1, 0, 0, 2, 0, 0}, "B31", 2, {0, 1, 1, 2}));
  b.AddProfile("Round", kbpC_CircularProfile());
  kseC_BeamSection beam;
  beam.profileName = "Round";
  beam.integration = 1;
  b.AddSection("Beam", beam);
  b.AddPartAttribute("Rod", ptoC_SectionAssignment(Elements("All", "Rod", {0, 1}), "Beam"));
  b.AddPartAttribute("Rod", ptoC_BeamOrientation(Elements("Up", "Rod", {0}), {0.0, 1.0, 0.0}));
  // A quarter turn about x: y becomes z, -z becomes y.
  gsl_Matrix quarter;
  quarter.SetRotationVectors({1, 0, 0}, {0, 0, 1}, {0, -1, 0});
  b.AddInstance("Rod-1", "Rod", {.transform = quarter});
  b.AddStep("Load", kprC_StaticStep());
  auto lines = [](const std::string& set, const char* internal, const char* region, int label,
                  const char* direction) {
    return std::string("** Region: (Beam:All") + region + ")\n*Elset, elset=" + set + internal +
           "\n " + std::to_string(label) +
           ",\n** Section: Beam  Profile: Round\n*Beam Section, elset=" + set +
           ", material=, temperature=GRADIENTS, section=CIRC\n0.\n" + direction +
           "\n*Transverse Shear\n0., 0., \n";
  };
  EXPECT_EQ(Attributes(Deck(b)),
            lines("_I1", ", internal", "), (Beam Orientation:Up", 1, "0.,1.,0.") +
                lines("_I2", ", internal", "", 2, "0.,0.,-1."));
  const std::string flat = Attributes(Deck(b, true));
  EXPECT_EQ(flat.substr(flat.find("** Region")),
            lines("Rod-1__I1", "", "), (Beam Orientation:Up", 1, "0.,0.,1.") +
                lines("Rod-1__I2", "", "", 2, "0.,1.,0.") + "*System\n");
}

// A reference point labelled as a mesh node is that node: no node of its
// own, its set holds the label, and the point section names the set.
TEST_F(aif_PartAttributesBuilder, ReferencePointOnAMeshNode) {
  hst_ModelBuilder b;
  auto mesh = hst_Mesh({0, 0, 0, 1, 0, 0}, "PEG", 2, {0, 1});
  mesh->MutableNodeData().MutableUserNodeLabels() = {10, 20};
  b.AddPart("Peg", mesh);
  b.MutablePart("Peg").SetReferencePoints({{1.0, 0.0, 0.0}});
  b.SetReferencePointUserLabel("Peg", 0, 20);
  kseC_PEGSection peg;
  peg.material = "Steel";
  b.AddSection("Peg", peg);
  b.AddPartAttribute("Peg", ptoC_SectionAssignment(Elements("All", "Peg", {0}, {1}, true), "Peg"));
  b.AddInstance("Peg-1", "Peg", {.lightweight = true});
  b.AddStep("Load", kprC_StaticStep());
  const std::string deck = Deck(b);
  EXPECT_EQ(deck.substr(0, deck.find("*End Part")),
            "**\n** PARTS\n**\n*Part, name=Peg\n*Node\n"
            "     10,           0.,           0.,           0.\n"
            "     20,           1.,           0.,           0.\n"
            "*Element, type=PEG\n1, 10, 20\n*Nset, nset=Peg-RefPt_, internal\n 20,\n"
            "** Region: (Peg:Picked)\n*Elset, elset=All\n 1,\n** Section: Peg\n"
            "*Solid Section, elset=All, material=Steel, ref node=Peg-RefPt_\n1., \n");
}

// Block: three bricks, Steel on All, a discrete orientation over "Disc"
// whose stored axes turn from element to element (brick 2 listed twice);
// `fails`: the evaluation fails. `instances` placed a quarter turn about x.
hst_ModelBuilder DiscreteBlock(int instances, bool lightweight, bool fails = false) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(3, 1, 1));
  rgnF_Set all(Elements("All", "", {0, 1, 2}, {1, 2, 3}));
  all.typeMask = rgnF_Set::kElementSet;
  all.SetId(7);
  all.SetName("All");
  b.MutablePart("Block").FeatureList().Add(all);
  b.AddSection("Steel", Solid());
  b.AddPartAttribute(
      "Block", ptoC_SectionAssignment(Elements("All", "Block", {0, 1, 2}, {1, 2, 3}), "Steel"));
  ptoC_MaterialOrientation discrete;
  discrete.SetRegion(Elements("Disc", "Block", {0, 1, 1, 2}, {1, 2, 3}));
  discrete.SetDefinitionKind(ptoC_MaterialOrientation::kDiscrete);
  ptoC_MaterialOrientation::KernelAxes axes;
  axes.lists[0] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  axes.lists[1] = {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
  axes.lists[2] = axes.lists[3] = axes.lists[0];
  axes.fails = fails;
  discrete.SetKernelDiscreteAxes(axes);
  b.AddPartAttribute("Block", discrete);
  gsl_Matrix quarter;
  quarter.SetRotationVectors({1, 0, 0}, {0, 0, 1}, {0, -1, 0});
  for (int i = 1; i <= instances; ++i)
    b.AddInstance(cow_String("Block-") + std::to_string(i), "Block",
                  {.lightweight = lightweight, .transform = quarter});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

// A discrete orientation becomes a distribution of the element axes named
// "-DiscOrient" (then "-1", "-2" as names repeat), an element listed twice
// gives one row; the orientation names it. Part-based with lightweight
// instances it is filed once in the part, unturned; flat once per instance,
// turned by the placement, with each instance's labels. A failed evaluation
// files nothing and the section names no orientation.
TEST_F(aif_PartAttributesBuilder, DiscreteOrientationDistributions) {
  // The instance's set, the distribution `dist` with `rows`, the orientation
  // `ori` naming it and the section; `p` the flat instance ("" part-based).
  auto block = [](const std::string& p, const std::string& dist, const std::string& rows,
                  const std::string& labels) {
    const std::string set = p.empty() ? "" : p + "_", ori = p.empty() ? "Ori-1" : p + "-Ori-1";
    return std::string(p.empty() ? "" : kSystem) + "*Elset, elset=" + set + "All, generate\n " +
           labels + ",  1\n*Distribution, name=" + set + dist + ", location=ELEMENT, Table=" + set +
           dist + "_Table\n** Description: Distribution generated from Discrete " +
           "Orientation\n,           1.,           0.,           0.,           0.,           " +
           "1.,           0.\n" + rows + "*Orientation, name=" + ori + ", system=RECTANGULAR\n" +
           set + dist + "\n1, 0.\n** Section: Steel\n*Solid Section, elset=" + set +
           "All, orientation=" + ori + ", stack direction=1, material=Steel\n,\n";
  };
  auto table = [](const std::string& name) {
    return "*Distribution Table, name=" + name + "_Table\ncoord3D, coord3D\n";
  };
  // A row of the long form: each value right-aligned in 12 columns.
  auto wide = [](const std::string& label, std::initializer_list<const char*> values) {
    std::string row = label;
    for (const char* value : values)
      row += ", " + std::string(12 - std::string(value).size(), ' ') + value;
    return row + "\n";
  };
  EXPECT_EQ(Attributes(Deck(DiscreteBlock(2, true))),
            block("", "Ori-1-DiscOrient",
                  wide("1", {"1.", "0.", "0.", "0.", "1.", "0."}) +
                      wide("2", {"0.", "1.", "0.", "0.", "0.", "1."}) +
                      wide("3", {"0.", "0.", "1.", "1.", "0.", "0."}),
                  "1,  3") +
                table("Ori-1-DiscOrient"));
  EXPECT_EQ(Uses(uses_), "Ori-1-DiscOrient 0:Block [ Block-1 Block-2 ] ( coord3D coord3D ) x1\n");

  // Turned a quarter about x: y becomes z, z becomes -y.
  auto rows = [](int first) {
    const std::string a = std::to_string(first), b = std::to_string(first + 1),
                      c = std::to_string(first + 2);
    return a + ", 1., 0., 0., 0., 0., 1.\n" + b + ", 0., 0., 1., 0., -1., 0.\n" + c +
           ", 0., -1., 0., 1., 0., 0.\n";
  };
  EXPECT_EQ(Attributes(Deck(DiscreteBlock(3, false), true)),
            block("Block-1", "Ori-1-DiscOrient", rows(1), "1,  3") +
                block("Block-2", "Ori-1-DiscOrient-1", rows(4), "4,  6") +
                block("Block-3", "Ori-1-DiscOrient-2", rows(7), "7,  9") + "*System\n" +
                table("Block-1_Ori-1-DiscOrient") + table("Block-2_Ori-1-DiscOrient-1") +
                table("Block-3_Ori-1-DiscOrient-2"));

  EXPECT_EQ(Attributes(Deck(DiscreteBlock(1, false, true))),
            "*Elset, elset=All, generate\n 1,  3,  1\n** Section: Steel\n"
            "*Solid Section, elset=All, stack direction=1, material=Steel\n,\n");
  EXPECT_EQ(Uses(uses_), "");
}

// The Nth allocation of a write with sections fails, N = 1, 2, ...: each
// failure reaches the caller and leaves no file; the first clean write is whole.
TEST_F(aif_PartAttributesBuilder, EveryAllocationFaultLeavesNoPartialFile) {
  const hst_ModelBuilder b = Blocks();
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  ASSERT_TRUE(builder.WriteInputFile(path_, true, true));
  const std::string complete = aif_test::ReadFile(path_);
  fs::remove(path_);
  for (long n = 1;; ++n) {
    mem_FailAllocation(n, false);
    bool written = false, reported = false;
    try {
      written = builder.WriteInputFile(path_, true, true);
    } catch (const nex_OutOfMemoryException& e) {
      EXPECT_EQ("Out of memory.", e.UserReport().Str());
      reported = true;
    }
    mem_ClearFault();
    if (written) {
      EXPECT_EQ(complete, aif_test::ReadFile(path_)) << "allocation " << n;
      break;
    }
    EXPECT_TRUE(reported) << "allocation " << n;
    EXPECT_FALSE(fs::exists(path_)) << "allocation " << n;
    ASSERT_LT(n, 100000) << "the write never completes";
  }
}

}  // namespace

// Sheet: three shells on eight nodes, "Thin" on the picked region Geo (the
// first two shells) with its thickness and offset taken from the geometry:
// node 1 met twice (the first thickness stands), a zero thickness, offsets
// 0.25 and 0 (too small to write unless debugging).
hst_ModelBuilder GeometrySheet(bool lightweight) {
  hst_ModelBuilder b;
  b.AddPart("Sheet",
            hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0, 2, 1, 0, 3, 0, 0, 3, 1, 0},
                     "S4R", 4, {0, 1, 2, 3, 1, 4, 5, 2, 4, 6, 7, 5}));
  kseC_HomogenousShellSection shell;
  shell.thickness = 0.1;
  shell.material = "Steel";
  b.AddSection("Thin", shell);
  rgnC_Region geo = Elements("Geo", "Sheet", {0, 1}, {1, 2}, true);
  geo.SetKernelNodeIndices(1, {0, 1, 2});
  geo.SetKernelNodeIndices(2, {0, 1, 2});
  geo.SetKernelThicknesses({0, 1, 2, 1}, {0.2, 0.3, 0.0, 0.9});
  geo.SetKernelOffsets({0, 1}, {0.25, 1e-7});
  ptoC_SectionAssignment assignment(geo, "Thin");
  assignment.SetThicknessAssignment(ptoC_SectionAssignment::kThicknessFromGeometry);
  assignment.SetOffset(6);
  b.AddPartAttribute("Sheet", assignment);
  b.AddInstance("Sheet-1", "Sheet", {.lightweight = lightweight});
  b.AddInstance("Sheet-2", "Sheet", {.lightweight = lightweight});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

using aif_section_test::Between;

// A lightweight part takes its thickness and offset once; a zero thickness
// is written, a tiny offset is not (unless debugging); a node met twice keeps
// its first thickness. Flat, with clashing labels, rows name the nodes and
// elements as the mesh blocks do, and the section names the distribution as
// it is written.
TEST_F(aif_PartAttributesBuilder, ThicknessAndOffsetFromGeometry) {
  const std::string deck = Deck(GeometrySheet(true));
  EXPECT_EQ(Between(deck, "*Nodal Thickness", "*End Part"),
            "*Nodal Thickness\n"
            "** Description: Nodal thickness determined from geometry\n"
            "1, 0.2\n2, 0.3\n3, 0.\n"
            "** Region: (Thin:Picked)\n*Elset, elset=Geo\n 1, 2\n"
            "*Distribution, name=Offset_Sheet_2, location=ELEMENT, Table=Offset_Sheet_2_Table\n"
            "** Description: Offset determined from geometry\n"
            ",     0.\n1,   0.25\n"
            "** Section: Thin\n"
            "*Shell Section, elset=Geo, material=Steel, offset=Offset_Sheet_2, nodal thickness\n"
            "0.1, 5\n");
  EXPECT_EQ(Between(deck, "*Distribution Table", "** ----"),
            "*Distribution Table, name=Offset_Sheet_2_Table\nratio\n");
  EXPECT_EQ(Uses(uses_), "Offset_Sheet_2 0:Sheet [ Sheet-1 Sheet-2 ] ( ratio ) x1\n");

  auto instance = [](const std::string& i, const std::string& nodes, const std::string& elements,
                     const std::string& offsets, const std::string& number) {
    const std::string offset = i + "_Offset_Sheet_" + number;
    return "*Nodal Thickness\n** Description: Nodal thickness determined from geometry\n" + nodes +
           "** Region: (Thin:Picked)\n*Elset, elset=" + i + "_Geo\n" + elements +
           "*Distribution, name=" + offset + ", location=ELEMENT, Table=" + offset +
           "_Table\n** Description: Offset determined from geometry\n,     0.\n" + offsets +
           "** Section: Thin\n*Shell Section, elset=" + i +
           "_Geo, material=Steel, offset=" + offset + ", nodal thickness\n0.1, 5\n";
  };
  const std::string tables =
      "*System\n*Distribution Table, name=Sheet-1_Offset_Sheet_2_Table\nratio\n"
      "*Distribution Table, name=Sheet-2_Offset_Sheet_4_Table\nratio\n";
  EXPECT_EQ(Attributes(Deck(GeometrySheet(false), true)),
            instance("Sheet-1", "1, 0.2\n2, 0.3\n3, 0.\n", " 1, 2\n", "1, 0.25\n", "2") +
                instance("Sheet-2", "9, 0.2\n10, 0.3\n11, 0.\n", " 4, 5\n", "4, 0.25\n", "4") +
                tables);

  setenv("MVX_DEBUG_DISTRIBUTION", "", 1);
  const std::string debug = Attributes(Deck(GeometrySheet(false), true));
  unsetenv("MVX_DEBUG_DISTRIBUTION");
  EXPECT_EQ(
      debug,
      instance("Sheet-1", "1, 0.2\n2, 0.3\n3, 0.\n", " 1, 2\n", "1, 0.25\n2, 1.e-07\n", "2") +
          instance("Sheet-2", "9, 0.2\n10, 0.3\n11, 0.\n", " 4, 5\n", "4, 0.25\n5, 1.e-07\n", "4") +
          tables);
}

// Sheet of three shells: "Thick" takes its nodal thickness from discrete
// field T (node 2 at 0.5, node 3 at 0.7, default 2) on the picked region of
// shell 1 whose nodes are listed 3, 2, 1, 2; "Lost" names a field the model
// lacks, on shell 2.
hst_ModelBuilder DiscreteThicknessSheet(bool lightweight) {
  hst_ModelBuilder b;
  b.AddPart("Sheet",
            hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0, 2, 1, 0, 3, 0, 0, 3, 1, 0},
                     "S4R", 4, {0, 1, 2, 3, 1, 4, 5, 2, 4, 6, 7, 5}));
  kfdC_DiscreteField t;
  t.SetLocation(kfdC_DiscreteField::kNodes);
  t.SetDefaultValues({2.0});
  kfdC_DataTable rows;
  rows.AddDomainValue(2, 0.5);
  rows.AddDomainValue(3, 0.7);
  t.AddDataTable(rows);
  b.AddDiscreteField("T", t);
  for (const char* name : {"Thick", "Lost"}) {
    kseC_HomogenousShellSection shell;
    shell.thickness = 0.1;
    shell.material = "Steel";
    shell.thicknessType = 4;
    shell.thicknessField = name[0] == 'T' ? "T" : "Lost";
    b.AddSection(name, shell);
    rgnC_Region region = Elements(name, "Sheet", {name[0] == 'T' ? 0 : 1}, {1, 2}, true);
    region.SetKernelNodeIndices(1, {2, 1, 0, 1});
    region.SetKernelNodeIndices(2, {2, 1, 0, 1});
    b.AddPartAttribute("Sheet", ptoC_SectionAssignment(region, name));
  }
  b.AddInstance("Sheet-1", "Sheet", {.lightweight = lightweight});
  b.AddInstance("Sheet-2", "Sheet", {.lightweight = lightweight});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

// Nodal thickness from a discrete field: each node once, in label order,
// the field's value or its default; once in the part for lightweight
// instances, per instance (with its node labels) in a flat file. A field the
// model lacks writes no thickness.
TEST_F(aif_PartAttributesBuilder, NodalThicknessFromADiscreteField) {
  auto lines = [](const std::string& p, const std::string& rows, const std::string& labels) {
    auto group = [&](const std::string& name, const std::string& label) {
      return "** Region: (" + name + ":Picked)\n*Elset, elset=" + p + name + "\n " + label +
             ",\n** Section: " + name + "\n*Shell Section, elset=" + p + name +
             ", material=Steel, nodal thickness\n1., 5\n";
    };
    return "*Nodal Thickness\n" + rows + group("Thick", labels.substr(0, labels.find(' '))) +
           group("Lost", labels.substr(labels.find(' ') + 1));
  };
  EXPECT_EQ(Attributes(Deck(DiscreteThicknessSheet(true))),
            lines("", "1, 2.\n2, 0.5\n3, 0.7\n", "1 2"));
  EXPECT_EQ(Attributes(Deck(DiscreteThicknessSheet(false), true)),
            lines("Sheet-1_", "1, 2.\n2, 0.5\n3, 0.7\n", "1 2") +
                lines("Sheet-2_", "9, 2.\n10, 0.5\n11, 0.7\n", "4 5") + "*System\n");
}

// Stores `field` as analytical field `name` of the model of `b`.
void AddAnalyticalField(hst_ModelBuilder& b, const cow_String& name,
                        const kfdC_AnalyticalField& field) {
  dynamic_cast<mdl_MapString2ObjCow<kfdC_AnalyticalField>&>(
      b.MutableModel().MutableExtension(bas_NewModel::analyticalFieldCmd))
      .Set(name, field);
}

// A strip of five bricks; shells whose thickness comes from analytical
// fields: F = 1 + x at elements 1 and 2 (two sections, two distributions),
// at the nodes of element 3 (node 3 twice), a mapping that fails on element
// 4 and a field the model lacks on element 5.
hst_ModelBuilder FieldStrip(bool lightweight) {
  hst_ModelBuilder b;
  b.AddPart("Strip", hst_GridMesh(5, 1, 1));
  const kfdC_ExpressionField f = Expression("Linear", 1.0, {1.0, 0.0, 0.0});
  AddAnalyticalField(b, "F", f);
  kfdC_MappedField m;
  m.failure = "No source data.";
  AddAnalyticalField(b, "M", m);
  auto shell = [&](const char* name, int type, const char* field) {
    AddFieldShell(b, name, 0.1, type, field);
  };
  shell("ByF", 1, "F");
  shell("AtNodes", 3, "F");
  shell("ByM", 1, "M");
  shell("ByLost", 1, "Lost");
  const char* sections[] = {"ByF", "ByF", "AtNodes", "ByM", "ByLost"};
  for (int e = 0; e < 5; ++e) {
    rgnC_Region region =
        Elements(cow_String("R") + std::to_string(e + 1), "Strip", {e}, {1, 2}, true);
    if (e == 2) {
      region.SetKernelNodeIndices(1, {2, 2, 3});
      region.SetKernelNodeIndices(2, {2, 2, 3});
    }
    b.AddPartAttribute("Strip", ptoC_SectionAssignment(region, sections[e]));
  }
  b.AddInstance("Strip-1", "Strip", {.lightweight = lightweight});
  b.AddInstance("Strip-2", "Strip", {.lightweight = lightweight});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

// Each use of a field gets its own distribution (F, F-1) and table; nodal
// thickness is written at the region's nodes, each once; a failed mapping and
// a missing field drop the thickness with a checking message. Flat, with
// clashing labels, rows name elements and nodes as the mesh blocks do.
TEST_F(aif_PartAttributesBuilder, ThicknessFromAnalyticalFields) {
  ajbC_CheckingMessages::Instance().Messages().Clear();
  auto region = [](const std::string& prefix, int n, const char* section) {
    const std::string label = std::to_string(n);
    return "** Region: (" + std::string(section) + ":Picked)\n*Elset, elset=" + prefix + "R" +
           label + "\n " + label + ",\n** Section: " + section + "\n";
  };
  auto distribution = [](const std::string& name, const std::string& row) {
    return "*Distribution, name=" + name + ", location=ELEMENT, Table=" + name +
           "_Table\n** Description: Linear From Analytical Field F\n,     1.\n" + row;
  };
  const std::string shell = "*Shell Section, elset=R";
  const std::string deck = Deck(FieldStrip(true));
  EXPECT_EQ(Between(deck, "*Distribution, name=F,", "*End Part"),
            distribution("F", "1,    1.5\n") + region("", 1, "ByF") + shell +
                "1, material=Steel, shell thickness=F\n1., 5\n" +
                distribution("F-1", "2,    2.5\n") + region("", 2, "ByF") + shell +
                "2, material=Steel, shell thickness=F-1\n1., 5\n"
                "*Nodal Thickness\n** Description: Linear From Analytical Field F\n3, 3.\n4, 4.\n" +
                region("", 3, "AtNodes") + shell + "3, material=Steel, nodal thickness\n1., 5\n" +
                // The dropped thicknesses: the sections' own, no field named.
                region("", 4, "ByM") + shell + "4, material=Steel\n0.1, 5\n" +
                region("", 5, "ByLost") + shell + "5, material=Steel\n0.1, 5\n");
  EXPECT_EQ(Between(deck, "*Distribution Table", "** ----"),
            "*Distribution Table, name=F_Table\nlength\n"
            "*Distribution Table, name=F-1_Table\nlength\n");
  EXPECT_EQ(Uses(uses_),
            "F 0:Strip [ Strip-1 Strip-2 ] ( length ) x1\nF-1 0:Strip [ Strip-1 Strip-2 ] ( length "
            ") x1\n");
  const auto& messages = ajbC_CheckingMessages::Instance().Messages();
  ASSERT_EQ(messages.Length(), 4u);  // the deck is written twice
  const std::string tail = "\",\nthis thickness definition will be missing in the input file.";
  EXPECT_EQ(messages[0].Str(),
            "No source data.\nDue to the failure of evaluating the shell thickness\n"
            "from analytical field \"M" +
                tail);
  EXPECT_EQ(messages[1].Str(),
            "The analytical field is not defined in the model.\nDue to the failure of "
            "evaluating the shell thickness\nfrom analytical field \"Lost" +
                tail);

  const std::string flat = Attributes(Deck(FieldStrip(false), true));
  auto flatRegion = [](int label, int set, const char* section) {
    return "** Region: (" + std::string(section) + ":Picked)\n*Elset, elset=Strip-2_R" +
           std::to_string(set) + "\n " + std::to_string(label) + ",\n** Section: " + section +
           "\n*Shell Section, elset=Strip-2_R" + std::to_string(set) + ", material=Steel, ";
  };
  EXPECT_EQ(
      Between(flat, "*Distribution, name=Strip-2_F-2", "** Region: (ByM"),
      distribution("Strip-2_F-2", "6, 1.5\n") + flatRegion(6, 1, "ByF") +
          "shell thickness=Strip-2_F-2\n1., 5\n" + distribution("Strip-2_F-3", "7, 2.5\n") +
          flatRegion(7, 2, "ByF") + "shell thickness=Strip-2_F-3\n1., 5\n" +
          "*Nodal Thickness\n** Description: Linear From Analytical Field F\n27, 3.\n28, 4.\n" +
          flatRegion(8, 3, "AtNodes") + "nodal thickness\n1., 5\n");
  ajbC_CheckingMessages::Instance().Messages().Clear();
}

namespace {

// A composite shell with plies of `points` section points each; `field`: its
// thickness from the field F.
kseC_CompositeShellSection Plies(std::initializer_list<int> points, bool symmetric,
                                 bool field = true) {
  kseC_CompositeShellSection section;
  section.symmetric = symmetric;
  section.thicknessType = field ? 1 : 0;
  section.thicknessField = field ? "F" : "";
  for (int n : points) {
    kseC_Layer layer;
    layer.thickness = 0.5;
    layer.numIntPoints = n;
    layer.material = "Steel";
    section.layers.Append(layer);
  }
  return section;
}

// Strip of five bricks with shell sections. Element 1: the part's own "Own"
// (thickness from F, a datum-less orientation). Layups, added in the order
// C, B, A: "Layup-A" (stack direction 3, a discrete orientation, thickness
// from F) generates "Layup-A-1" (symmetric, elements 2, 3) and "Layup-A-2"
// (element 4); "Layup-B" is excluded (element 5); "Layup-C" (stack
// direction 2, offset 0.5 from the geometry) generates "Layup-C-1" on
// element 5.
hst_ModelBuilder LayupStrip(int instances, bool lightweight) {
  hst_ModelBuilder b;
  b.AddPart("Strip", hst_GridMesh(5, 1, 1));
  const kfdC_ExpressionField f = Expression("Linear", 1.0, {1.0, 0.0, 0.0});
  AddAnalyticalField(b, "F", f);
  std::initializer_list<int> ids = {1, 2, 3};
  kseC_HomogenousShellSection own;
  own.thickness = 0.1;
  own.material = "Steel";
  own.thicknessType = 1;
  own.thicknessField = "F";
  b.AddSection("Own", own);
  b.AddPartAttribute("Strip",
                     ptoC_SectionAssignment(Elements("R1", "Strip", {0}, ids, true), "Own"));
  ptoC_MaterialOrientation ownOrientation;
  ownOrientation.SetRegion(Elements("R1", "Strip", {0}, ids, true));
  ownOrientation.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
  b.AddPartAttribute("Strip", ownOrientation);

  // Generated sections, assignments and orientations of one layup.
  auto expand = [&](std::initializer_list<std::pair<const char*, std::vector<int>>> sets,
                    std::initializer_list<kseC_CompositeShellSection> sections, int kind) {
    auto expansion = std::make_shared<kseK_LayupExpansion>();
    auto section = sections.begin();
    for (const auto& [set, elements] : sets) {
      gdy_CompositeHitSet hits;
      for (int e : elements)
        hits.elementIndices.Append(e);
      expansion->hitSets.Set(set, hits);
      expansion->sections.Set(cow_String(set) + "-S", *section++);
      expansion->assignments.Append(cow_COW<kern_Object>(
          ptoC_SectionAssignment(rgnC_Region(set, {"Strip"}), cow_String(set) + "-S")));
      ptoC_MaterialOrientation orientation;
      orientation.SetRegion(rgnC_Region(set, {"Strip"}));
      orientation.SetDefinitionKind(kind);
      expansion->orientations.Append(cow_COW<kern_Object>(orientation));
    }
    return expansion;
  };
  ptoK_CompositeLayup c;
  c.name = "Layup-C";
  c.layupKind = 2;
  c.stackDirection = 1;
  c.expansion =
      expand({{"Layup-C-1", {4}}}, {Plies({3}, false, false)}, ptoC_MaterialOrientation::kDatum);
  c.offsetKind = 6;
  rgnC_Region plyC = Elements("Ply-C", "Strip", {4}, ids);
  plyC.SetKernelOffsets({4}, {0.5});
  c.plyRegions.Append({false, plyC});
  ptoK_CompositeLayup excluded;
  excluded.name = "Layup-B";
  excluded.suppressed = true;
  excluded.expansion =
      expand({{"Excluded", {4}}}, {Plies({9}, false)}, ptoC_MaterialOrientation::kDatum);
  ptoK_CompositeLayup a;
  a.name = "Layup-A";
  a.layupKind = 1;
  a.stackDirection = 2;
  a.thicknessKind = 1;
  a.analyticalField = "F";
  a.orientationKind = 4;
  auto discrete = std::make_shared<ptoC_MaterialOrientation>();
  discrete->SetDefinitionKind(ptoC_MaterialOrientation::kDiscrete);
  ptoC_MaterialOrientation::KernelAxes axes;
  axes.lists[0] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  axes.lists[1] = {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
  axes.lists[2] = axes.lists[3] = axes.lists[0];
  discrete->SetKernelDiscreteAxes(axes);
  a.orientation = discrete;
  a.plyRegions.Append({false, Elements("Ply-1", "Strip", {1, 2}, ids)});
  a.plyRegions.Append({false, Elements("Ply-2", "Strip", {3}, ids)});
  a.plyRegions.Append({false, Elements("Ply-1", "Strip", {1, 2}, ids)});  // listed twice
  a.plyRegions.Append({true, Elements("Ply-X", "Strip", {4}, ids)});      // excluded ply
  a.expansion =
      expand({{"Layup-A-1", {1, 2}}, {"Layup-A-2", {3}}}, {Plies({3, 5}, true), Plies({7}, false)},
             ptoC_MaterialOrientation::kDiscrete);
  b.AddCompositeLayup("Strip", c)
      .AddCompositeLayup("Strip", excluded)
      .AddCompositeLayup("Strip", a);
  for (int i = 1; i <= instances; ++i)
    b.AddInstance(cow_String("Strip-") + std::to_string(i), "Strip", {.lightweight = lightweight});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

std::string SectionPoints(const cow_List<akw_Layup2SecPtMap::Section>& sections) {
  std::string text;
  for (const auto& section : sections) {
    text.append(section.instance.Str()).append(" ").append(section.set.Str());
    text.append(" ").append(section.section.Str()).append(":");
    for (int n : section.points)
      text.append(" ").append(std::to_string(n));
    text.append("\n");
  }
  return text;
}

}  // namespace

// Layups in name order become generated sets, sections and orientations
// behind the part's own (an excluded layup and an excluded ply add nothing):
// the layup's stack direction reaches its generated sections, not the part's
// own; one discrete orientation distribution over the plies is named by each
// generated orientation; the layup's field thickness takes the field's name,
// a later use "-1"; an offset from the ply geometry is named by the layup's
// sections. A symmetric section lists its section points twice, the second
// time reversed. Part-based, lightweight: once in the part.
TEST_F(aif_PartAttributesBuilder, CompositeLayups) {
  // The distributions of instance `p` ("" part-based): layup A's thickness
  // (`a`) and orientation (`o`), layup C's offset (`off`), the own section's
  // thickness (`own`), on elements `e` (the first the own one); `wide` rows.
  auto distributions = [](const std::string& p, const std::string& a, const std::string& o,
                          const std::string& off, const std::string& own, int e, bool wide) {
    auto label = [&](int n) { return std::to_string(e + n); };
    const std::string pad = wide ? "   " : "";
    auto row = [&](int n, const char* values) {
      std::string line = label(n) + ",";
      for (const char* v = values; *v; ++v)
        line += std::string(wide ? "           " : " ") + *v + ".,";
      line.pop_back();
      return line + "\n";
    };
    auto field = [&](const std::string& name) {
      return "*Distribution, name=" + p + name + ", location=ELEMENT, Table=" + p + name +
             "_Table\n** Description: Linear From Analytical Field F\n,     1.\n";
    };
    return field(a) + label(1) + "," + pad + " 2.5\n" + label(2) + "," + pad + " 3.5\n" + label(3) +
           "," + pad + " 4.5\n*Distribution, name=" + p + o + ", location=ELEMENT, Table=" + p + o +
           "_Table\n** Description: Distribution generated from Discrete Orientation\n"
           ",           1.,           0.,           0.,           0.,           1.,           "
           "0.\n" +
           row(1, "100010") + row(2, "010001") + row(3, "001100") + "*Distribution, name=" + p +
           off + ", location=ELEMENT, Table=" + p + off +
           "_Table\n** Description: Offset determined from geometry\n,     0.\n" + label(4) + "," +
           pad + " 0.5\n" + field(own) + label(0) + "," + pad + " 1.5\n";
  };
  // The sections of instance `p` (flat: "p_" prefixes, "_p" suffixes the
  // generated sets).
  auto sections = [](const std::string& p, const std::string& a, const std::string& o,
                     const std::string& off, const std::string& own, int e) {
    const std::string q = p.empty() ? "" : p + "_", ori = p.empty() ? "Ori-" : p + "-Ori-",
                      s = p.empty() ? "" : "_" + p;
    auto label = [&](int n) { return std::to_string(e + n); };
    auto discrete = [&](const std::string& n) {
      return "*Orientation, name=" + ori + n + ", system=RECTANGULAR\n" + q + o + "\n1, 0.\n";
    };
    auto generated = [&](const std::string& set, const std::string& labels) {
      return "** Region: (" + set + "-S:" + set + "), (Material Orientation:" + set +
             ")\n*Elset, elset=" + set + s + "\n" + labels + "\n** Section: " + set +
             "-S\n*Shell Section, elset=" + set + s + ", composite, ";
    };
    return "*Orientation, name=" + ori +
           "1\n1., 0., 0., 0., 1., 0.\n1, 0.\n"
           "** Region: (Own:Picked), (Material Orientation:Picked)\n*Elset, elset=" +
           q + "R1\n " + label(0) + ",\n** Section: Own\n*Shell Section, elset=" + q +
           "R1, material=Steel, orientation=" + ori + "1, shell thickness=" + q + own +
           ", stack direction=1\n1., 5\n" + discrete("2") +
           generated("Layup-A-1", std::string(" ").append(label(1)).append(", ").append(label(2))) +
           "orientation=" + ori + "2, shell thickness=" + q + a +
           ", stack direction=3, symmetric\n0.5, 3, Steel, 0.\n"
           "0.5, 5, Steel, 0.\n" +
           discrete("3") + generated("Layup-A-2", std::string(" ").append(label(3)).append(",")) +
           "orientation=" + ori + "3, shell thickness=" + q + a +
           ", stack direction=3\n0.5, 7, Steel, 0.\n" +
           generated("Layup-C-1", std::string(e > 1 ? "" : " ").append(label(4)).append(",")) +
           "offset=" + q + off + ", stack direction=2\n0.5, 3, Steel, 0.\n";
  };
  auto tables = [](const std::string& p, const std::string& a, const std::string& o,
                   const std::string& off, const std::string& own) {
    return "*Distribution Table, name=" + p + a + "_Table\nlength\n*Distribution Table, name=" + p +
           o + "_Table\ncoord3D, coord3D\n*Distribution Table, name=" + p + off +
           "_Table\nratio\n*Distribution Table, name=" + p + own + "_Table\nlength\n";
  };

  EXPECT_EQ(Attributes(Deck(LayupStrip(2, true))),
            distributions("", "F", "Ori-2-DiscOrient", "Offset_Strip_1", "F-1", 1, true) +
                sections("", "F", "Ori-2-DiscOrient", "Offset_Strip_1", "F-1", 1) +
                tables("", "F", "Ori-2-DiscOrient", "Offset_Strip_1", "F-1"));
  EXPECT_EQ(SectionPoints(sectionPoints_),
            "Strip-1 Layup-A-1 Layup-A-1-S: 3 5 5 3\nStrip-1 Layup-A-2 Layup-A-2-S: 7\n"
            "Strip-1 Layup-C-1 Layup-C-1-S: 3\n");
  // Both lightweight instances reach the sets written once in the part.
  EXPECT_EQ(layupSets_,
            "Layup-A Strip-1 Layup-A-1: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 | "
            "1 3 4 8 9 13 14 16\n"
            "Layup-A Strip-2 Layup-A-1: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 | "
            "1 3 4 8 9 13 14 16\n"
            "Layup-A Strip-1 Layup-A-2: 1 2 3 4 5 6 7 | 1 7\n"
            "Layup-A Strip-2 Layup-A-2: 1 2 3 4 5 6 7 | 1 7\n"
            "Layup-C Strip-1 Layup-C-1: 1 2 3 | 1 3\n"
            "Layup-C Strip-2 Layup-C-1: 1 2 3 | 1 3\n");
  EXPECT_EQ(Uses(uses_),
            "F 0:Strip [ Strip-1 Strip-2 ] ( length ) x1\n"
            "Ori-2-DiscOrient 0:Strip [ Strip-1 Strip-2 ] ( coord3D coord3D ) x1\n"
            "Offset_Strip_1 0:Strip [ Strip-1 Strip-2 ] ( ratio ) x1\n"
            "F-1 0:Strip [ Strip-1 Strip-2 ] ( length ) x1\n");

  // Flat, labels shifted by the first instance's five elements.
  const std::string flat = Attributes(Deck(LayupStrip(2, false), true));
  EXPECT_EQ(
      Between(flat, "*Distribution, name=Strip-2_F-2,", "*System"),
      distributions("Strip-2_", "F-2", "Ori-2-DiscOrient-1", "Offset_Strip_2", "F-3", 6, false) +
          sections("Strip-2", "F-2", "Ori-2-DiscOrient-1", "Offset_Strip_2", "F-3", 6));
  EXPECT_EQ(flat.substr(flat.find("*System\n") + 8),
            tables("Strip-1_", "F", "Ori-2-DiscOrient", "Offset_Strip_1", "F-1") +
                tables("Strip-2_", "F-2", "Ori-2-DiscOrient-1", "Offset_Strip_2", "F-3"));
  EXPECT_EQ(SectionPoints(sectionPoints_),
            "Strip-1 Layup-A-1 Layup-A-1-S: 3 5 5 3\nStrip-1 Layup-A-2 Layup-A-2-S: 7\n"
            "Strip-1 Layup-C-1 Layup-C-1-S: 3\nStrip-2 Layup-A-1 Layup-A-1-S: 3 5 5 3\n"
            "Strip-2 Layup-A-2 Layup-A-2-S: 7\nStrip-2 Layup-C-1 Layup-C-1-S: 3\n");
  // Flat: each instance's own sets, named with the instance.
  EXPECT_EQ(layupSets_,
            "Layup-A Strip-1 Layup-A-1_Strip-1: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 | "
            "1 3 4 8 9 13 14 16\n"
            "Layup-A Strip-1 Layup-A-2_Strip-1: 1 2 3 4 5 6 7 | 1 7\n"
            "Layup-A Strip-2 Layup-A-1_Strip-2: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 | "
            "1 3 4 8 9 13 14 16\n"
            "Layup-A Strip-2 Layup-A-2_Strip-2: 1 2 3 4 5 6 7 | 1 7\n"
            "Layup-C Strip-1 Layup-C-1_Strip-1: 1 2 3 | 1 3\n"
            "Layup-C Strip-2 Layup-C-1_Strip-2: 1 2 3 | 1 3\n");
}

namespace {

// A strip of five shells made of Steel (elastic, its density scaled by the
// analytical field Rho): element 1 thickness from the analytical field T,
// element 2 offset from the geometry, element 3 a discrete orientation,
// elements 4 and 5 the layup "Layup-1" (two plies, stack direction 1).
hst_ModelBuilder GoldenStrip() {
  hst_ModelBuilder b;
  b.AddPart("Strip",
            hst_Mesh({0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1, 0, 2, 0, 0, 2, 1, 0,
                      3, 0, 0, 3, 1, 0, 4, 0, 0, 4, 1, 0, 5, 0, 0, 5, 1, 0},
                     "S4R", 4, {0, 2, 3, 1, 2, 4, 5, 3, 4, 6, 7, 5, 6, 8, 9, 7, 8, 10, 11, 9}));

  kmaC_Material steel;
  steel.elastic = aif_test::Handle(aif_test::Option<kmaC_Elastic>({{210000.0, 0.3}}));
  auto density = aif_test::Option<kmaC_Density>({{8.0}});
  density.densityKind = 1;
  density.fieldName = "Rho";
  steel.density = aif_test::Handle(density);
  b.AddMaterial("Steel", steel);
  const kfdC_ExpressionField rho = Expression("Denser along x", 1.0, {0.5, 0.0, 0.0});
  b.AddAnalyticalField("Rho", rho);
  const kfdC_ExpressionField t = Expression("Thicker along x", 0.5, {0.25, 0.0, 0.0});
  b.AddAnalyticalField("T", t);

  auto shell = [&](const char* name, int thicknessType, const char* field) {
    AddFieldShell(b, name, 0.2, thicknessType, field);
  };
  shell("Thick", 1, "T");
  shell("Offset", 0, "");
  shell("Oriented", 0, "");
  std::initializer_list<int> id = {1};
  b.AddPartAttribute("Strip",
                     ptoC_SectionAssignment(Elements("R1", "Strip", {0}, id, true), "Thick"));
  rgnC_Region offset = Elements("R2", "Strip", {1}, id, true);
  offset.SetKernelOffsets({1}, {0.25});
  ptoC_SectionAssignment offsetAssignment(offset, "Offset");
  offsetAssignment.SetOffset(6);
  b.AddPartAttribute("Strip", offsetAssignment);
  b.AddPartAttribute("Strip",
                     ptoC_SectionAssignment(Elements("R3", "Strip", {2}, id, true), "Oriented"));
  ptoC_MaterialOrientation discrete;
  discrete.SetRegion(Elements("R3", "Strip", {2}, id, true));
  discrete.SetDefinitionKind(ptoC_MaterialOrientation::kDiscrete);
  ptoC_MaterialOrientation::KernelAxes axes;
  axes.lists[0] = {{0.6, 0.8, 0}};
  axes.lists[1] = {{-0.8, 0.6, 0}};
  axes.lists[2] = axes.lists[3] = axes.lists[0];
  discrete.SetKernelDiscreteAxes(axes);
  b.AddPartAttribute("Strip", discrete);

  kseC_CompositeShellSection plies;
  for (double angle : {0.0, 90.0}) {
    kseC_Layer layer;
    layer.thickness = 0.1;
    layer.material = "Steel";
    layer.orientationAngle = angle;
    plies.layers.Append(layer);
  }
  auto expansion = std::make_shared<kseK_LayupExpansion>();
  gdy_CompositeHitSet hits;
  hits.elementIndices = {3, 4};
  expansion->hitSets.Set("Layup-1-1", hits);
  expansion->sections.Set("Layup-1-S", plies);
  expansion->assignments.Append(cow_COW<kern_Object>(
      ptoC_SectionAssignment(rgnC_Region("Layup-1-1", {"Strip"}), "Layup-1-S")));
  ptoC_MaterialOrientation global;
  global.SetRegion(rgnC_Region("Layup-1-1", {"Strip"}));
  expansion->orientations.Append(cow_COW<kern_Object>(global));
  ptoK_CompositeLayup layup;
  layup.name = "Layup-1";
  layup.plies = {"Ply-1", "Ply-2"};
  layup.layupKind = 1;
  layup.expansion = expansion;
  b.AddCompositeLayup("Strip", layup);

  b.AddInstance("Strip-1", "Strip");
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

}  // namespace

// Whole decks, part-based and flat, of a model whose sections take a layup,
// a field thickness, a geometry offset, a discrete orientation and a
// material with a field density.
TEST_F(aif_PartAttributesBuilder, GoldenDecksWithLayupThicknessOffsetOrientationAndDensity) {
  aif_test::ExpectGolden(Deck(GoldenStrip()), "aif/sections/golden/layup_fields_part_based.inp");
  aif_test::ExpectGolden(Deck(GoldenStrip(), true), "aif/sections/golden/layup_fields_flat.inp");
}

// A layup whose expansion gives a section that is not composite stops the
// write with the type test's text; no file is left.
TEST_F(aif_PartAttributesBuilder, ALayupSectionThatIsNotCompositeStopsTheWrite) {
  hst_ModelBuilder b;
  b.AddPart("Strip", hst_GridMesh(1, 1, 1));
  auto expansion = std::make_shared<kseK_LayupExpansion>();
  gdy_CompositeHitSet hits;
  hits.elementIndices = {0};
  expansion->hitSets.Set("Layup-1-1", hits);
  kseC_HomogenousShellSection plain;
  plain.material = "Steel";
  expansion->sections.Set("Plain", plain);
  expansion->assignments.Append(
      cow_COW<kern_Object>(ptoC_SectionAssignment(rgnC_Region("Layup-1-1", {"Strip"}), "Plain")));
  ptoK_CompositeLayup layup;
  layup.name = "Layup-1";
  layup.expansion = expansion;
  b.AddCompositeLayup("Strip", layup);
  b.AddInstance("Strip-1", "Strip");
  b.AddStep("Load", kprC_StaticStep());
  std::string text;
  try {
    Deck(b);
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  const std::string expected =
      "Type test failed: the object is not a kseC_CompositeShellSection (source file "
      "module/aif/impl/aif_PartAttributesBuilder, line ";
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  EXPECT_FALSE(fs::exists(path_));
}
