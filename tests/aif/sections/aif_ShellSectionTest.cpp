// "*Shell Section" and the geometry form of "*Shell General Section":
// options, thickness and offset names in part-based and flat files, plies,
// rebar, and the kinds that cannot be written.
#include "aif/impl/sections/aif_ShellSection.h"

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/sections/aif_SectionTestSupport.h"

namespace {

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

// A part-based and a flat context over one small model.
class aif_ShellSectionTest : public ::testing::Test {
 protected:
  // A section with the builder's usual names left empty.
  struct Names {
    cow_String orientation, rebarOrientation, controls;
    double offset = 0.0;
    cow_String stackDirection, plyPrefix, offsetDistribution, namePrefix, thicknessDistribution;
    bool nodalThickness = false;
  };
  aif_ShellSection Keyword(const kseC_Section& section, const Names& n, bool partBased = true) {
    return aif_ShellSection("Set-1", section, n.orientation, n.rebarOrientation, n.controls,
                            n.offset, partBased ? partBased_ : flat_, n.stackDirection,
                            n.plyPrefix, n.offsetDistribution, n.namePrefix,
                            n.thicknessDistribution, n.nodalThickness);
  }

  static kseC_HomogenousShellSection Homogeneous() {
    kseC_HomogenousShellSection section;
    section.material = "Steel";
    section.thickness = 2.0;
    section.numIntPoints = 5;
    return section;
  }

  hst_ModelBuilder model_;
  aif_Job job_{"J", model_.Job(), model_.Model()};
  aif_ModelInfo partBased_{job_};
  // A model of an old version is written flat.
  static hst_ModelBuilder FlatModel() {
    hst_ModelBuilder b;
    b.MutableModel().SetVersionTag("v5");
    return b;
  }
  hst_ModelBuilder flatModel_ = FlatModel();
  aif_Job flatJob_{"J", flatModel_.Job(), flatModel_.Model()};
  aif_ModelInfo flat_{flatJob_};
};

TEST_F(aif_ShellSectionTest, HomogeneousThicknessForms) {
  kseC_HomogenousShellSection section = Homogeneous();
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel", "2., 5"}),
            KeywordText(Keyword(section, {})));

  // A field thickness: the field's name in the keyword line, 1. on the data line.
  section.thicknessType = 1;
  section.thicknessField = "Thick field";
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, shell thickness=\"Thick field\"",
                   "1., 5"}),
            KeywordText(Keyword(section, {})));
  // Flat: the name prefix and "_" stand before the field, also for an empty
  // prefix; the name is made printable as a whole.
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, "
                   "shell thickness=\"Part-1-1_Thick field\"",
                   "1., 5"}),
            KeywordText(Keyword(section, {.namePrefix = "Part-1-1"}, false)));
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, shell thickness=\"_Thick field\"",
                   "1., 5"}),
            KeywordText(Keyword(section, {}, false)));
  // A thickness distribution given by the builder replaces the field.
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, shell thickness=ThickDist-1",
                   "1., 5"}),
            KeywordText(Keyword(section,
                                {.namePrefix = "Part-1-1", .thicknessDistribution = "ThickDist-1"},
                                false)));
  // Nodal thickness, from the section or from the builder's flag.
  const std::string nodal =
      Lines({"*Shell Section, elset=Set-1, material=Steel, nodal thickness", "1., 5"});
  EXPECT_EQ(nodal, KeywordText(Keyword(section, {.nodalThickness = true})));
  section.thicknessType = 4;
  EXPECT_EQ(nodal, KeywordText(Keyword(section, {})));
  section.thicknessType = 0;
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, nodal thickness", "2., 5"}),
            KeywordText(Keyword(section, {.nodalThickness = true})));
}

TEST_F(aif_ShellSectionTest, OptionsInTheirOrder) {
  kseC_HomogenousShellSection section = Homogeneous();
  section.temperatureMode = 1;
  section.temperaturePoints = 7;
  section.integrationRule = kseC_GeometryShellSection::GAUSS;
  section.poissonFlag = 1;
  section.poisson = 0.3;
  section.thicknessModulus = 2.0e5;
  section.densityFlag = true;
  section.density = 7.8e-9;
  section.layerOption = 2;  // not written for an ordinary section
  const aif_ShellSection keyword = Keyword(
      section, {.orientation = "Ori-1", .controls = "EC-1", .offset = 0.5, .stackDirection = "3",
                .offsetDistribution = "SNEG"});
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, orientation=Ori-1, controls=EC-1, "
                   "temperature=7, section integration=GAUSS, poisson=0.3, ",
                   "thickness modulus=2.e+05, offset=0.5, density=7.8e-09, stack direction=3",
                   "2., 5"}),
            KeywordText(keyword));
}

TEST_F(aif_ShellSectionTest, GeneralFlagWritesTheGeneralKeyword) {
  kseC_HomogenousShellSection section = Homogeneous();
  section.general = true;
  section.integrationRule = kseC_GeometryShellSection::SIMPSON;  // never written here
  section.layerOption = 1;
  EXPECT_EQ(Lines({"*Shell General Section, elset=Set-1, material=Steel, smear all layers", "2., "}),
            KeywordText(Keyword(section, {})));
  section.layerOption = 4;
  EXPECT_EQ(Lines({"*Shell General Section, elset=Set-1, material=Steel, smear keep core", "2., "}),
            KeywordText(Keyword(section, {})));
  // An option outside 0 to 4 is left out whole: no lone separator.
  section.layerOption = 9;
  EXPECT_EQ(Lines({"*Shell General Section, elset=Set-1, material=Steel", "2., "}),
            KeywordText(Keyword(section, {})));
}

TEST_F(aif_ShellSectionTest, OffsetNumbersAndNames) {
  const kseC_HomogenousShellSection section = Homogeneous();
  auto offsetLine = [&](const Names& names, bool partBased) {
    const std::string text = KeywordText(Keyword(section, names, partBased));
    return text.substr(0, text.find('\n'));
  };
  const std::string head = "*Shell Section, elset=Set-1, material=Steel";
  // A value other than 0 wins over the name.
  EXPECT_EQ(head + ", offset=-0.5", offsetLine({.offset = -0.5, .offsetDistribution = "D"}, true));
  EXPECT_EQ(head + ", offset=SPOS",
            offsetLine({.offsetDistribution = "SPOS", .namePrefix = "P-1"}, false));
  EXPECT_EQ(head + ", offset=SNEG",
            offsetLine({.offsetDistribution = "SNEG", .namePrefix = "P-1"}, false));
  EXPECT_EQ(head + ", offset=\"P-1_Off dist\"",
            offsetLine({.offsetDistribution = "Off dist", .namePrefix = "P-1"}, false));
  EXPECT_EQ(head + ", offset=OffDist",
            offsetLine({.offsetDistribution = "OffDist"}, false));  // flat, no prefix
  EXPECT_EQ(head + ", offset=\"Off dist\"",
            offsetLine({.offsetDistribution = "Off dist", .namePrefix = "P-1"}, true));
  EXPECT_EQ(head, offsetLine({.namePrefix = "P-1"}, false));
}

TEST_F(aif_ShellSectionTest, CompositePliesOrdinaryAndGeneral) {
  kseC_CompositeShellSection section;
  section.layup = "Lay up";
  section.symmetric = true;
  kseC_Layer first;
  first.thickness = 0.5;
  first.numIntPoints = 3;
  first.material = "Carbon";
  first.orientationAngle = 45.0;
  first.plyName = "Ply 1";
  section.layers.Append(first);
  kseC_Layer second;
  second.thicknessFlag = 1;
  second.thicknessDistribution = "Ply thickness";
  second.thickness = 9.0;
  second.material = "Epoxy";
  second.datum.name = "Csys-1";
  section.layers.Append(second);
  const Names names{.plyPrefix = "Ori-Shell-L"};
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, composite, layup=\"Lay up\", symmetric",
                   "0.5, 3, Carbon, 45., \"Ply 1\"", "\"Ply thickness\", 3, Epoxy, Ori-Shell-L2"}),
            KeywordText(Keyword(section, names)));
  section.general = true;
  section.layup = "";
  section.symmetric = false;
  EXPECT_EQ(Lines({"*Shell General Section, elset=Set-1, composite",
                   "0.5, , Carbon, 45., \"Ply 1\"", "\"Ply thickness\", , Epoxy, Ori-Shell-L2"}),
            KeywordText(Keyword(section, names)));
}

TEST_F(aif_ShellSectionTest, RebarLayersFollowTheSection) {
  kseC_HomogenousShellSection section = Homogeneous();
  kseC_Rebar rebar;
  rebar.geometry = 1;
  kseC_LayerProperties layer;
  layer.layerName = "Bars";
  layer.material = "Steel";
  layer.r1 = 0.1;
  layer.r2 = 30.0;
  layer.r3 = 0.3;
  layer.r4 = 0.4;
  layer.r5 = 0.5;
  rebar.layers.Append(layer);
  section.rebar = rebar;
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel", "2., 5",
                   "*Rebar Layer, geometry=angular, orientation=Ori-R",
                   "Bars, 0.1, 0.5, 0.4, Steel, 30., 1"}),
            KeywordText(Keyword(section, {.rebarOrientation = "Ori-R"})));
}

TEST_F(aif_ShellSectionTest, KindsItCannotWrite) {
  EXPECT_EQ("Shell general section unimplemented",
            ThrownText(Keyword(kseC_UserShellSection(), {})));
  EXPECT_EQ("Shell general section unimplemented",
            ThrownText(Keyword(kseC_GeneralShellSection(), {})));
  // A stiffness section is aif_ShellGeneralSection's: nothing here.
  EXPECT_EQ("", KeywordText(Keyword(kseC_GeneralStiffnessSection(), {})));
  const std::string error = ThrownText(Keyword(kseC_HomogenousSolidSection(), {}));
  EXPECT_EQ(0u, error.find("Type test failed: the object is not a kseC_ShellSection")) << error;
}

}  // namespace
