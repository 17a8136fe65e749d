// The part-attributes builder through the driver: each definition it makes
// lands once in the scope that names it (part, instance or the flat file),
// set names do not clash, skipped and missing inputs, and the names sections
// give their orientations, materials and profiles.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_RebarOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

namespace fs = std::filesystem;

// A region of `part` holding the elements `indices` of the instances `ids`.
rgnC_Region PickedRegion(const cow_String& name, const cow_String& part, const cow_List<int>& indices,
                     std::initializer_list<int> ids = {1, 2}, bool picked = true) {
  rgnC_Region region(name, {part});
  region.SetPicked(picked);
  for (int id : ids)
    region.SetKernelElementIndices(id, indices);
  return region;
}

// Two four-node shells side by side.
std::shared_ptr<bme_Mesh> TwoShells() {
  return hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0, 2, 1, 0}, "S4R", 4,
                  {0, 1, 2, 3, 1, 4, 5, 2});
}

// The scope lines and what the part-attributes builder writes in them: the
// "*Part", "*Instance" and "*End" lines, the "Region"/"Section" comments and
// every other keyword with its data lines; no nodes, elements, steps, output
// requests or materials. A flat file has no scope lines.
std::string Scoped(const std::string& deck) {
  std::istringstream in(deck);
  std::string line, out;
  bool keep = false;
  auto starts = [&line](const char* text) { return line.rfind(text, 0) == 0; };
  while (std::getline(in, line)) {
    if (starts("**")) {
      keep = false;
      if (starts("** Region") || starts("** Section")) out += line + "\n";
      continue;
    }
    if (starts("*")) {
      keep = !starts("*Node") && !starts("*Element") && !starts("*Assembly") &&
             !starts("*End Assembly") && !starts("*Step") && !starts("*Static") &&
             !starts("*End Step") && !starts("*Output") && !starts("*Material") && !starts("*Elastic") &&
             !starts("*Gasket Behavior") && !starts("*Gasket Elasticity") && !starts("*System");
      if (starts("*Part") || starts("*End") || starts("*Instance")) {
        if (keep) out += line + "\n";
        keep = false;
        continue;
      }
    }
    if (keep) out += line + "\n";
  }
  return out;
}

// What a part-based deck holds for the part `part` with its one ordinary
// instance `instance` whose scope holds `lines`.
std::string InInstance(const std::string& part, const std::string& instance,
                       const std::string& lines) {
  return "*Part, name=" + part + "\n*End Part\n*Instance, name=" + instance + ", part=" + part +
         "\n" + lines + "*End Instance\n";
}

class aif_PartAttributesBuilderScope : public ::testing::Test {
 protected:
  void TearDown() override { pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file"); }
  // The deck of `b`, part-based or (`flat`) without parts.
  std::string Deck(const hst_ModelBuilder& b, bool flat = false) {
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    const std::string text = deck_.Write(b);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    return text;
  }
  // The message of the aif_Exception writing `b` throws ("" for none); no
  // file is left behind either way of failing.
  std::string Failure(const hst_ModelBuilder& b) {
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    std::string message;
    try {
      builder.WriteInputFile(deck_.Path(), false, true);
    } catch (const aif_Exception& e) {
      message = e.Message().Str();
      EXPECT_FALSE(fs::exists(deck_.Path())) << "a partial file is left";
    }
    return message;
  }
  aif_test::TempDeck deck_{"aif_PartAttributesBuilderScopeTest"};
};

// A composite shell "Comp": ply 1 in its own system (the generated
// "Ori-Comp-L1"), ply 2 in the orientation "PlyOri" the section names. Both
// shells of "Skin" use it through two picked regions, so two groups of one
// scope write it.
hst_ModelBuilder CompositeSkin(bool lightweight) {
  hst_ModelBuilder b;
  b.AddPart("Skin", TwoShells());
  dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  csys.SetId(5);
  csys.SetName("Csys-1");
  b.MutablePart("Skin").FeatureList().Add(csys);
  kseC_CompositeShellSection composite;
  for (int i = 0; i < 2; ++i) {
    kseC_Layer ply;
    ply.thickness = 0.5;
    ply.material = "Carbon";
    if (i == 0)
      ply.datum.name = "Csys-1";
    else
      ply.orientation = "PlyOri";
    composite.layers.Append(ply);
  }
  b.AddSection("Comp", composite);
  b.AddPartAttribute("Skin", ptoC_SectionAssignment(PickedRegion("A", "Skin", {0}), "Comp"));
  b.AddPartAttribute("Skin", ptoC_SectionAssignment(PickedRegion("B", "Skin", {1}), "Comp"));
  b.AddInstance("Skin-1", "Skin", {.lightweight = lightweight});
  b.AddInstance("Skin-2", "Skin", {.lightweight = lightweight});
  b.AddStep("Load", kprC_StaticStep());
  return b;
}

// Layer orientations once per scope, however many groups use the section;
// the orientation a ply names is defined where the section is: in the part
// of lightweight instances, once in a flat file.
TEST_F(aif_PartAttributesBuilderScope, PlyOrientationsOncePerScope) {
  const std::string axes =
      "          0.,           1.,           0.,          -1.,           0.,           0.\n";
  // Group `set` (labels `label`); `p` the flat instance prefix; `first`: the
  // group that defines the layer orientation.
  auto group = [&](const std::string& p, const std::string& set, int label, bool first) {
    return "** Region: (Comp:Picked)\n*Elset, elset=" + (p.empty() ? "" : p + "_") + set + "\n " +
           std::to_string(label) + ",\n** Section: Comp\n" +
           (first ? "*Orientation, name=" + (p.empty() ? "" : p + "-") + "Ori-Comp-L1\n" + axes
                  : "") +
           "*Shell Section, elset=" + (p.empty() ? "" : p + "_") + set +
           ", composite\n0.5, 3, Carbon, " + (p.empty() ? "" : p + "-") +
           "Ori-Comp-L1\n0.5, 3, Carbon, PlyOri\n";
  };
  const std::string user = "*Orientation, name=PlyOri, system=user\n";
  EXPECT_EQ(Scoped(Deck(CompositeSkin(true))),
            "*Part, name=Skin\n" + group("", "A", 1, true) + group("", "B", 2, false) + user +
                "*End Part\n*Instance, name=Skin-1, part=Skin\n*End Instance\n"
                "*Instance, name=Skin-2, part=Skin\n*End Instance\n");
  EXPECT_EQ(Scoped(Deck(CompositeSkin(false), true)),
            group("Skin-1", "A", 1, true) + group("Skin-1", "B", 2, false) + user +
                group("Skin-2", "A", 3, true) + group("Skin-2", "B", 4, false));
}

// Two solids of "Block": Steel on the set All, then a suppressed assignment
// of Alu on the first brick, which neither writes nor takes its elements.
TEST_F(aif_PartAttributesBuilderScope, ASuppressedAssignmentIsSkipped) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  rgnF_Set all(PickedRegion("All", "", {0, 1}, {1}, false));
  all.typeMask = rgnF_Set::kElementSet;
  all.SetId(7);
  all.SetName("All");
  b.MutablePart("Block").FeatureList().Add(all);
  kseC_HomogenousSolidSection steel, alu;
  steel.material = "Steel";
  alu.material = "Alu";
  b.AddSection("Steel", steel);
  b.AddSection("Alu", alu);
  b.AddPartAttribute("Block",
                     ptoC_SectionAssignment(PickedRegion("All", "Block", {0, 1}, {1}, false), "Steel"));
  ptoC_SectionAssignment off(PickedRegion("First", "Block", {0}, {1}), "Alu");
  off.SetSuppressed(true);
  b.AddPartAttribute("Block", off);
  b.AddInstance("Block-1", "Block");
  b.AddStep("Load", kprC_StaticStep());
  EXPECT_EQ(Scoped(Deck(b)),
            "*Part, name=Block\n*End Part\n*Instance, name=Block-1, part=Block\n"
            "*Elset, elset=All\n 1, 2\n** Section: Steel\n"
            "*Solid Section, elset=All, material=Steel\n,\n*End Instance\n");
}

// Two picked regions named "Pick" with different sections: the second gets
// a set of its own.
TEST_F(aif_PartAttributesBuilderScope, PickedRegionsOfOneNameGetSetsOfTheirOwn) {
  hst_ModelBuilder b;
  b.AddPart("Skin", TwoShells());
  kseC_HomogenousShellSection thin, thick;
  thin.thickness = 0.1;
  thin.material = "Steel";
  thick.thickness = 0.2;
  thick.material = "Steel";
  b.AddSection("Thin", thin);
  b.AddSection("Thick", thick);
  b.AddPartAttribute("Skin", ptoC_SectionAssignment(PickedRegion("Pick", "Skin", {0}, {1}), "Thin"));
  b.AddPartAttribute("Skin", ptoC_SectionAssignment(PickedRegion("Pick", "Skin", {1}, {1}), "Thick"));
  b.AddInstance("Skin-1", "Skin");
  b.AddStep("Load", kprC_StaticStep());
  auto group = [](const std::string& section, const std::string& set, const char* options,
                  int label, const char* thickness) {
    return "** Region: (" + section + ":Picked)\n*Elset, elset=" + set + options + "\n " +
           std::to_string(label) + ",\n** Section: " + section + "\n*Shell Section, elset=" + set +
           ", material=Steel\n" + thickness + ", 5\n";
  };
  EXPECT_EQ(Scoped(Deck(b)), InInstance("Skin", "Skin-1",
                                        group("Thin", "Pick", "", 1, "0.1") +
                                            group("Thick", "_I2", ", internal", 2, "0.2")));
  EXPECT_EQ(Scoped(Deck(b, true)), group("Thin", "Skin-1_Pick", "", 1, "0.1") +
                                       group("Thick", "Skin-1__I2", "", 2, "0.2"));
}

// A gasket section names a material with gasket behaviours as its
// behaviour, one without as its material.
TEST_F(aif_PartAttributesBuilderScope, GasketSectionsNameTheBehaviourWhenTheMaterialHasOne) {
  hst_ModelBuilder b;
  b.AddPart("Seal", hst_GridMesh(2, 1, 1));
  kmaC_Material rubber;
  rubber.membraneElastic = aif_test::Handle(aif_test::Option<kmaC_MembraneElastic>({{5}}));
  b.AddMaterial("Rubber", rubber);
  b.AddMaterial("Steel", kmaC_Material());
  kseC_GasketSection soft, hard;
  soft.material = "Rubber";
  hard.material = "Steel";
  b.AddSection("Soft", soft);
  b.AddSection("Hard", hard);
  b.AddPartAttribute("Seal", ptoC_SectionAssignment(PickedRegion("S", "Seal", {0}, {1}), "Soft"));
  b.AddPartAttribute("Seal", ptoC_SectionAssignment(PickedRegion("H", "Seal", {1}, {1}), "Hard"));
  b.AddInstance("Seal-1", "Seal");
  b.AddStep("Load", kprC_StaticStep());
  const std::string deck = Deck(b);
  EXPECT_EQ(Scoped(deck),
            InInstance("Seal", "Seal-1",
                       "** Region: (Soft:Picked)\n*Elset, elset=S\n 1,\n** Section: Soft\n"
                       "*Gasket Section, elset=S, behavior=Rubber\n , 0., 0., 0.\n"
                       "** Region: (Hard:Picked)\n*Elset, elset=H\n 2,\n** Section: Hard\n"
                       "*Gasket Section, elset=H, material=Steel\n , 0., 0., 0.\n"));
  EXPECT_NE(deck.find("\n*Gasket Behavior, name=Rubber\n"), std::string::npos) << deck;
  EXPECT_NE(deck.find("\n*Material, name=Steel\n"), std::string::npos) << deck;
}

// An orientation given by the field "my field" is named "Ori-my field" as a
// whole: one pair of quotes on the orientation and in the section.
TEST_F(aif_PartAttributesBuilderScope, AFieldOrientationIsQuotedAsAWhole) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kfdC_DiscreteField axes;
  axes.SetComponentCount(6);
  axes.SetDefaultValues({1, 0, 0, 0, 1, 0});
  b.AddDiscreteField("my field", axes);
  kseC_HomogenousSolidSection steel;
  steel.material = "Steel";
  b.AddSection("Steel", steel);
  b.AddPartAttribute("Block", ptoC_SectionAssignment(PickedRegion("P", "Block", {0}, {1}), "Steel"));
  ptoC_MaterialOrientation field;
  field.SetRegion(PickedRegion("P", "Block", {0}, {1}));
  field.SetDefinitionKind(ptoC_MaterialOrientation::kField);
  field.SetFieldName("my field");
  b.AddPartAttribute("Block", field);
  b.AddInstance("Block-1", "Block");
  b.AddStep("Load", kprC_StaticStep());
  auto lines = [](const std::string& name, const std::string& distribution) {
    return "*Orientation, name=" + name + "\n" + distribution +
           "\n1, 0.\n** Region: (Steel:Picked), (Material Orientation:Picked)\n"
           "*Elset, elset=" +
           std::string(name.find("Block-1") != std::string::npos ? "Block-1_P" : "P") +
           "\n 1,\n** Section: Steel\n*Solid Section, elset=" +
           std::string(name.find("Block-1") != std::string::npos ? "Block-1_P" : "P") +
           ", orientation=" + name + ", stack direction=1, material=Steel\n,\n";
  };
  // The distribution the orientation names is defined with its table.
  auto distribution = [](const std::string& name) {
    return "*Distribution, name=\"" + name + "\", location=ELEMENT, Table=\"" + name +
           "_Table\"\n,     1.,     0.,     0.,     0.,     1.,     0.\n";
  };
  auto table = [](const std::string& name) {
    return "*Distribution Table, name=\"" + name + "_Table\"\ncoord3d, coord3d\n";
  };
  EXPECT_EQ(Scoped(Deck(b)),
            InInstance("Block", "Block-1",
                       lines("\"Ori-my field\"", "\"my field\"") + distribution("my field")) +
                table("my field"));
  EXPECT_EQ(Scoped(Deck(b, true)), lines("\"Block-1-Ori-my field\"", "\"Block-1_my field\"") +
                                       distribution("Block-1_my field") +
                                       table("Block-1_my field"));
}

// An orientation whose axes or rotation angle come from a field the model
// does not define stops the write, naming the orientation's region (the
// section for a picked region) and the field, and leaves no file, part-based
// and flat.
TEST_F(aif_PartAttributesBuilderScope, AnOrientationFieldTheModelLacksStopsTheWrite) {
  const auto model = [](bool picked, bool angle) {
    hst_ModelBuilder b;
    b.AddPart("Block", hst_GridMesh(1, 1, 1));
    kfdC_DiscreteField axes;
    axes.SetComponentCount(6);
    axes.SetDefaultValues({1, 0, 0, 0, 1, 0});
    b.AddDiscreteField("Axes", axes);
    kseC_HomogenousSolidSection steel;
    steel.material = "Steel";
    b.AddSection("Steel", steel);
    b.AddPartAttribute(
        "Block", ptoC_SectionAssignment(PickedRegion("P", "Block", {0}, {1}, picked), "Steel"));
    ptoC_MaterialOrientation field;
    field.SetRegion(PickedRegion("P", "Block", {0}, {1}, picked));
    field.SetDefinitionKind(ptoC_MaterialOrientation::kField);
    field.SetFieldName(angle ? "Axes" : "my field");
    if (angle) field.SetAdditionalRotation(ptoC_MaterialOrientation::kRotationField, 0.0, "Turns");
    b.AddPartAttribute("Block", field);
    b.AddInstance("Block-1", "Block");
    b.AddStep("Load", kprC_StaticStep());
    return b;
  };
  for (bool flat : {false, true}) {
    SCOPED_TRACE(flat ? "flat" : "part-based");
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    EXPECT_EQ(Failure(model(true, false)),
              "The material orientation of section Steel names the field my field, which the "
              "model does not define.");
    EXPECT_EQ(Failure(model(false, false)),
              "The material orientation of region P names the field my field, which the model "
              "does not define.");
    EXPECT_EQ(Failure(model(false, true)),
              "The material orientation of region P names the field Turns, which the model does "
              "not define.");
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  }
}

// A rebar orientation reaches the rebar layers of membrane and surface
// sections as it does those of shells.
TEST_F(aif_PartAttributesBuilderScope, MembraneAndSurfaceRebarTakeTheRebarOrientation) {
  hst_ModelBuilder b;
  b.AddPart("Web", TwoShells());
  dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  csys.SetId(5);
  csys.SetName("Csys-1");
  b.MutablePart("Web").FeatureList().Add(csys);
  kseC_Rebar rebar;
  kseC_LayerProperties bars;
  bars.layerName = "Bars";
  bars.material = "Steel";
  bars.r1 = 1.0;
  rebar.layers.Append(bars);
  kseC_MembraneSection membrane;
  membrane.material = "Steel";
  membrane.rebar = rebar;
  kseC_SurfaceSection surface;
  surface.rebar = rebar;
  b.AddSection("Membrane", membrane);
  b.AddSection("Surface", surface);
  b.AddPartAttribute("Web", ptoC_SectionAssignment(PickedRegion("M", "Web", {0}, {1}), "Membrane"));
  b.AddPartAttribute("Web", ptoC_SectionAssignment(PickedRegion("S", "Web", {1}, {1}), "Surface"));
  ptoC_RebarOrientation orientation;
  orientation.SetRegion(PickedRegion("R", "Web", {0, 1}, {1}));
  dtmC_DatumRef datum;
  datum.name = "Csys-1";
  orientation.SetDatumRef(datum);
  orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
  b.AddPartAttribute("Web", orientation);
  b.AddInstance("Web-1", "Web");
  b.AddStep("Load", kprC_StaticStep());
  const std::string layer = "*Rebar Layer, orientation=RebarOri-1\nBars, 1., 0., , Steel, 0., 1\n";
  EXPECT_EQ(Scoped(Deck(b)),
            InInstance("Web", "Web-1",
                       "*Orientation, name=RebarOri-1\n"
                       "          0.,           1.,           0.,          -1.,           0.,"
                       "           0.\n1, 0.\n** Region: (Membrane:Picked)\n*Elset, elset=M\n 1,\n"
                       "** Section: Membrane\n*Membrane Section, elset=M, material=Steel\n1., \n" +
                           layer +
                           "** Region: (Surface:Picked)\n*Elset, elset=S\n 2,\n** Section: "
                           "Surface\n*Surface Section, elset=S\n" +
                           layer));
}

// A tapered beam integrated during the analysis writes both profiles; a
// beam naming a profile the model lacks stops the write, naming both.
TEST_F(aif_PartAttributesBuilderScope, TaperedBeamsAndMissingProfiles) {
  auto rod = [](const char* profile) {
    hst_ModelBuilder b;
    b.AddPart("Rod", hst_Mesh({0, 0, 0, 1, 0, 0}, "B31", 2, {0, 1}));
    kbpC_CircularProfile start, end;
    start.r = 2.0;
    end.r = 1.0;
    b.AddProfile("P1", start);
    b.AddProfile("P2", end);
    kseC_BeamSection beam;
    beam.profileName = profile;
    beam.endProfileName = "P2";
    beam.taper = 1;
    beam.integration = 1;
    b.AddSection("Taper", beam);
    b.AddPartAttribute("Rod", ptoC_SectionAssignment(PickedRegion("All", "Rod", {0}, {1}), "Taper"));
    b.AddInstance("Rod-1", "Rod");
    b.AddStep("Load", kprC_StaticStep());
    return b;
  };
  EXPECT_EQ(Scoped(Deck(rod("P1"))),
            InInstance("Rod", "Rod-1",
                       "** Region: (Taper:Picked)\n*Elset, elset=All\n 1,\n"
                       "** Section: Taper  Profile: P1\n"
                       "*Beam Section, elset=All, material=, temperature=GRADIENTS, Taper, "
                       "section=CIRC\n2.\n1.\n0.,0.,-1.\n*Transverse Shear\n0., 0., \n"));
  EXPECT_EQ(Failure(rod("Missing")),
            "The beam section Taper names the profile Missing, which the model does not define.");
}

}  // namespace
