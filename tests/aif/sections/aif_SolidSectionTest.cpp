// "*Solid Section": homogeneous, composite, truss and fluid forms, the ply
// orientation column and the error for other section kinds.
#include "aif/impl/sections/aif_SolidSection.h"

#include <memory>

#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

namespace {

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

kseC_Layer Ply(double thickness, const char* material) {
  kseC_Layer ply;
  ply.thickness = thickness;
  ply.material = material;
  return ply;
}

TEST(aif_SolidSection, HomogeneousWritesThicknessOrALoneComma) {
  kseC_HomogenousSolidSection section;
  section.material = "Steel";
  EXPECT_EQ(Lines({"*Solid Section, elset=Set-1, material=Steel", ","}),
            KeywordText(aif_SolidSection("Set-1", section, "", "", "", "")));

  section.material = "Mild steel";
  section.thickness = 2.5;
  const aif_SolidSection keyword("Set-1", section, "Ori-1", "EC-1", "3", "Ori-L");
  const std::string expected =
      Lines({"*Solid Section, elset=Set-1, orientation=Ori-1, controls=EC-1, stack direction=3, "
             "material=\"Mild steel\"",
             "2.5,"});
  EXPECT_EQ(expected, KeywordText(keyword));
  // The copy holds the section taken at construction, not the model's.
  section.thickness = 7.0;
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(expected, KeywordText(*copy));
}

TEST(aif_SolidSection, CompositePlyLinesAndTheFourOrientationRules) {
  kseC_CompositeSolidSection section;
  kseC_Layer named = Ply(0.25, "Carbon fibre");  // a named orientation and a ply name
  named.numIntPoints = 1;
  named.orientation = "Ori A";
  named.orientationAngle = 10.0;
  named.plyName = "Ply 1";
  section.layers.Append(named);
  kseC_Layer angle = Ply(0.5, "Epoxy");  // neither: the angle, no ply name
  angle.orientationAngle = 45.0;
  section.layers.Append(angle);
  kseC_Layer datum = Ply(1.0, "Epoxy");  // a datum wins over everything
  datum.datum.name = "Csys-1";
  datum.orientation = "Ori A";
  datum.orientationAngle = 30.0;
  datum.additionalRotationKind = 2;
  datum.rotationDistribution = "Dist-1";
  datum.plyName = "P3";
  section.layers.Append(datum);
  kseC_Layer distribution = Ply(2.0, "Epoxy");  // a rotation distribution wins over a name
  distribution.orientation = "Ori A";
  distribution.additionalRotationKind = 2;
  distribution.rotationDistribution = "Rot dist";
  section.layers.Append(distribution);
  kseC_Layer rotatedByAngle = Ply(3.0, "Epoxy");  // rotation kind 1 keeps the angle
  rotatedByAngle.additionalRotationKind = 1;
  rotatedByAngle.orientationAngle = -15.0;
  section.layers.Append(rotatedByAngle);

  const std::string plies = Lines({
      "0.25, 1, \"Carbon fibre\", \"Ori A\", \"Ply 1\"",
      "0.5, 3, Epoxy, 45.",
      // The prefix and the ply number are made printable as one name, as
      // the builder names the ply's orientation.
      "1., 3, Epoxy, \"Ori-Sec 1-L3\", P3",
      "2., 3, Epoxy, \"Rot dist\"",
      "3., 3, Epoxy, -15.",
  });
  EXPECT_EQ("*Solid Section, elset=Set-2, composite\n" + plies,
            KeywordText(aif_SolidSection("Set-2", section, "", "", "", "Ori-Sec 1-L")));

  section.layup = "Lay up";
  section.symmetric = true;
  EXPECT_EQ("*Solid Section, elset=Set-2, composite, orientation=Ori-1, controls=EC-2, "
            "stack direction=ORIENTATION, layup=\"Lay up\", symmetric\n" + plies,
            KeywordText(aif_SolidSection("Set-2", section, "Ori-1", "EC-2", "ORIENTATION",
                                         "Ori-Sec 1-L")));
}

TEST(aif_SolidSection, TrussAndFluidWriteOnlyTheSetAndMaterial) {
  kseC_TrussSection truss;
  truss.material = "Steel";
  truss.area = 0.01;
  EXPECT_EQ(Lines({"*Solid Section, elset=Bars, material=Steel", "0.01,"}),
            KeywordText(aif_SolidSection("Bars", truss, "Ori-1", "EC-1", "3", "P")));

  kseC_HomogenousFluidSection fluid;
  fluid.material = "Water 20C";
  EXPECT_EQ(Lines({"*Solid Section, elset=Cavity, material=\"Water 20C\"", ","}),
            KeywordText(aif_SolidSection("Cavity", fluid, "Ori-1", "EC-1", "3", "P")));
}

TEST(aif_SolidSection, OtherSectionKindsFailBeforeWriting) {
  EXPECT_EQ("Neither solid nor truss section type",
            ThrownText(aif_SolidSection("S", kseC_HomogenousShellSection(), "", "", "", "")));
  EXPECT_EQ("Neither solid nor truss section type",
            ThrownText(aif_SolidSection("S", kseC_FluidSection(), "", "", "", "")));
  // A material name the file cannot carry stops the write.
  kseC_HomogenousSolidSection section;
  section.material = "Bad\nname";
  EXPECT_EQ("The name \"Bad\\nname\" holds a line break or another control character and "
            "cannot be written to the input file.",
            [&] {
              try {
                KeywordText(aif_SolidSection("S", section, "", "", "", ""));
              } catch (const nex_TextException& e) {
                return e.Text().Str();
              }
              return std::string("nothing thrown");
            }());
}

}  // namespace
