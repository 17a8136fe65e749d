// "*Shell General Section" of a general stiffness section: options, the
// stiffness matrix in lines of 8, 8 and 5, the thermal line, dependency rows
// and the errors.
#include "aif/impl/sections/aif_ShellGeneralSection.h"

#include <algorithm>

#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

namespace {

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

// A stiffness section with the values 1 to `count`.
kseC_GeneralStiffnessSection Stiffness(int count = 21) {
  kseC_GeneralStiffnessSection section;
  for (int i = 1; i <= count; ++i) section.stiffness.Append(i);
  return section;
}

const std::string kMatrix = Lines({
    "1., 2., 3., 4., 5., 6., 7., 8.",
    "9., 10., 11., 12., 13., 14., 15., 16.",
    "17., 18., 19., 20., 21., ",
});

TEST(aif_ShellGeneralSection, MatrixAloneAndEveryOption) {
  kseC_GeneralStiffnessSection section = Stiffness();
  EXPECT_EQ("*Shell General Section, elset=Set-1\n" + kMatrix,
            KeywordText(aif_ShellGeneralSection("Set-1", section, "", "", 0.0, "")));

  section.densityFlag = true;
  section.density = 2.5;
  section.zero = 0.0;
  section.poissonFlag = 1;
  section.poisson = 0.25;
  section.thicknessModulus = 1000.0;
  section.dependencies = 2;
  const aif_ShellGeneralSection keyword("Set-1", section, "Ori-1", "EC-1", 0.75, "3");
  // The offset is not written for a stiffness section.
  const std::string expected =
      "*Shell General Section, elset=Set-1, orientation=Ori-1, controls=EC-1, density=2.5, zero=0., "
      "poisson=0.25, thickness modulus=1000., \n"
      "stack direction=3, dependencies=2\n" + kMatrix;
  EXPECT_EQ(expected, KeywordText(keyword));
}

TEST(aif_ShellGeneralSection, ThermalLineAndDependencyRows) {
  kseC_GeneralStiffnessSection section = Stiffness();
  section.thermalFlag = true;
  for (double v : {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}) section.thermal.Append(v);
  EXPECT_EQ("*Shell General Section, elset=S\n" + kMatrix + "0.1, 0.2, 0.3, 0.4, 0.5, 0.6, \n",
            KeywordText(aif_ShellGeneralSection("S", section, "", "", 0.0, "")));

  section.thermalFlag = false;
  auto rows = [&](cow_2DArray<double> table, bool columnFlag) {
    section.table = std::move(table);
    section.columnFlag = columnFlag;
    const std::string text = KeywordText(aif_ShellGeneralSection("S", section, "", "", 0.0, ""));
    const std::string head = "*Shell General Section, elset=S\n" + kMatrix;
    EXPECT_EQ(head, text.substr(0, head.size()));
    return text.substr(std::min(head.size(), text.size()));
  };
  // Without thermal values an empty line stands for them before the rows.
  // With the column flag clear a blank position stands before the third value
  // and counts toward the eight of a line.
  EXPECT_EQ(Lines({"", "1., 2.,  , 3., 4.", "5., 6.,  , 7., 8."}),
            rows({{1, 2, 3, 4}, {5, 6, 7, 8}}, false));
  EXPECT_EQ(Lines({"", "1., 2., 3., 4."}), rows({{1, 2, 3, 4}}, true));
  // A row that fills its line ends with that line: no empty line after it.
  EXPECT_EQ(Lines({"", "1., 2.,  , 3., 4., 5., 6., 7.", "1., 2.,  , 3., 4., 5., 6., 7."}),
            rows({{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7}}, false));
  EXPECT_EQ(Lines({"", "1., 2., 3., 4., 5., 6., 7., 8.", "9., 10.", "1., 2., 3., 4., 5., 6., 7., 8.",
                   "9., 10."}),
            rows({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, true));
  EXPECT_EQ(Lines({"", "1., 2.,  , 3., 4., 5., 6., 7.", "8., 9."}),
            rows({{1, 2, 3, 4, 5, 6, 7, 8, 9}}, false));
  // Neither thermal values nor rows: nothing after the matrix.
  EXPECT_EQ("", rows({}, false));
}

TEST(aif_ShellGeneralSection, ErrorsAndKindsItDoesNotWrite) {
  EXPECT_EQ("out of range: cow_List: index 20 out of range (size 20)",
            ThrownText(aif_ShellGeneralSection("S", Stiffness(20), "", "", 0.0, "")));
  kseC_GeneralStiffnessSection thermal = Stiffness();
  thermal.thermalFlag = true;
  for (int i = 0; i < 5; ++i) thermal.thermal.Append(1.0);
  EXPECT_EQ("out of range: cow_List: index 5 out of range (size 5)",
            ThrownText(aif_ShellGeneralSection("S", thermal, "", "", 0.0, "")));
  EXPECT_EQ("Shell general section unimplemented",
            ThrownText(aif_ShellGeneralSection("S", kseC_UserShellSection(), "", "", 0.0, "")));
  EXPECT_EQ("", KeywordText(aif_ShellGeneralSection("S", kseC_HomogenousShellSection(), "", "",
                                                    0.0, "")));
  const std::string error =
      ThrownText(aif_ShellGeneralSection("S", kseC_TrussSection(), "", "", 0.0, ""));
  EXPECT_EQ(0u, error.find("Type test failed: the object is not a kseC_ShellSection")) << error;
}

}  // namespace
