#include "aif/impl/sections/aif_GasketSection.h"

#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_test::KeywordText;

namespace {

kseC_GasketSection Gasket(double g3, double stabilization) {
  kseC_GasketSection s;
  s.g1 = 1.0;
  s.g2 = 2.0;
  s.g3 = g3;
  s.g4 = 4.0;
  s.stabilizationStiffness = stabilization;
  s.material = "GasketMat";
  return s;
}

}  // namespace

TEST(aif_GasketSection, MaterialOrBehaviourAndDataLine) {
  // An unset G3 leaves a single blank in its column.
  EXPECT_EQ(KeywordText(aif_GasketSection("G", Gasket(DBL_MAX, DBL_MAX), false, "")),
            Lines({"*Gasket Section, elset=G, material=GasketMat", " , 2., 4., 1."}));
  // The behaviour flag names the same name as the gasket behaviour.
  EXPECT_EQ(KeywordText(aif_GasketSection("G", Gasket(3.5, 0.01), true, "Ori-2")),
            Lines({"*Gasket Section, elset=G, behavior=GasketMat, orientation=Ori-2, "
                   "stabilization stiffness=0.01",
                   "3.5, 2., 4., 1."}));
  kseC_GasketSection quoted = Gasket(0.0, DBL_MAX);
  quoted.material = "Gasket 1";
  EXPECT_EQ(KeywordText(aif_GasketSection("G", quoted, true, "")),
            Lines({"*Gasket Section, elset=G, behavior=\"Gasket 1\"", "0., 2., 4., 1."}));
}

TEST(aif_GasketSection, LongNamesGoOnOnFurtherLines) {
  // 80-character names: the line passes the break column after the material
  // and goes on with the orientation.
  kseC_GasketSection section = Gasket(3.0, 0.5);
  section.material = "M" + std::string(79, 'm');
  const std::string set = "E" + std::string(79, 'e');
  const std::string orientation = "Ori-" + std::string(76, 'o');
  EXPECT_EQ(
      KeywordText(aif_GasketSection(set, section, false, orientation)),
      Lines({"*Gasket Section, elset=" + set + ", material=" + section.material.Str() + ", ",
             "orientation=" + orientation + ", stabilization stiffness=0.5", "3., 2., 4., 1."}));
  // Still short of the break column, but the behaviour's name would take the
  // line past 256 characters: it starts the next line.
  section.material = "B" + std::string(139, 'b');
  const std::string shortSet = "E" + std::string(99, 'e');
  EXPECT_EQ(KeywordText(aif_GasketSection(shortSet, section, true, "")),
            Lines({"*Gasket Section, elset=" + shortSet + ", ",
                   "behavior=" + section.material.Str() + ", ", "stabilization stiffness=0.5",
                   "3., 2., 4., 1."}));
}

TEST(aif_GasketSection, AnotherSectionKindWritesNothing) {
  EXPECT_EQ(KeywordText(aif_GasketSection("G", kseC_CohesiveSection(), false, "Ori-1")), "");
}
