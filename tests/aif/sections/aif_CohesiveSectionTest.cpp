#include "aif/impl/sections/aif_CohesiveSection.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

namespace {

kseC_CohesiveSection Cohesive(int response, int mode, double thickness, double outOfPlane) {
  kseC_CohesiveSection s;
  s.response = response;
  s.thicknessMode = mode;
  s.thickness = thickness;
  s.outOfPlaneThickness = outOfPlane;
  s.material = "Glue";
  return s;
}

}  // namespace

TEST(aif_CohesiveSection, ResponseThicknessModeAndDataLine) {
  // Geometry thickness and no out-of-plane thickness: the data line is the
  // separator alone.
  EXPECT_EQ(
      KeywordText(aif_CohesiveSection("Set-1", Cohesive(1, 1, 0.5, DBL_MAX), "Ori-1", "EC-1")),
      Lines({"*Cohesive Section, elset=Set-1, orientation=Ori-1, controls=EC-1, "
             "material=Glue, response=CONTINUUM, thickness=GEOMETRY",
             ", "}));
  // A specified thickness opens the data line.
  EXPECT_EQ(KeywordText(aif_CohesiveSection("E", Cohesive(0, 2, 0.5, 2.0), "", "")),
            Lines({"*Cohesive Section, elset=E, material=Glue, response=TRACTION SEPARATION, "
                   "thickness=SPECIFIED",
                   "0.5, 2."}));
  // Another thickness mode writes no thickness option.
  EXPECT_EQ(
      KeywordText(aif_CohesiveSection("E", Cohesive(2, 0, 0.5, 3.0), "", "EC-2")),
      Lines({"*Cohesive Section, elset=E, controls=EC-2, material=Glue, response=GASKET", ", 3."}));
  // A response outside 0 to 2 writes no option at all, not a lone separator.
  EXPECT_EQ(KeywordText(aif_CohesiveSection("E", Cohesive(7, 1, 0.5, DBL_MAX), "", "")),
            Lines({"*Cohesive Section, elset=E, material=Glue, thickness=GEOMETRY", ", "}));
  EXPECT_EQ(KeywordText(aif_CohesiveSection("E", Cohesive(-1, 0, 0.5, DBL_MAX), "", "")),
            Lines({"*Cohesive Section, elset=E, material=Glue", ", "}));
}

TEST(aif_CohesiveSection, MaterialNameIsPrintable) {
  kseC_CohesiveSection s = Cohesive(0, 1, 1.0, DBL_MAX);
  s.material = "My glue";
  EXPECT_EQ(KeywordText(aif_CohesiveSection("E", s, "", "")),
            Lines({"*Cohesive Section, elset=E, material=\"My glue\", response=TRACTION SEPARATION, "
                   "thickness=GEOMETRY",
                   ", "}));
}

TEST(aif_CohesiveSection, RefusesAnotherSectionKind) {
  EXPECT_EQ(ThrownText(aif_CohesiveSection("E", kseC_Section(), "Ori-1", "EC-1")),
            "Unknown section type");
}
