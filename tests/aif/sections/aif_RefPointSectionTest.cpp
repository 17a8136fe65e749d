#include "aif/impl/sections/aif_RefPointSection.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

namespace {

kseC_PEGSection Peg(double v1, double v2, double v3) {
  kseC_PEGSection s;
  s.values[0] = v1;
  s.values[1] = v2;
  s.values[2] = v3;
  s.material = "Steel";
  return s;
}

}  // namespace

TEST(aif_RefPointSection, PegDataLineKeepsItsColumns) {
  const char* head = "*Solid Section, elset=P, material=Steel, ref node=Part-1-RefPt_";
  // A second value of 0 stays in its column when the third is written.
  const struct {
    double v2, v3;
    const char* data;
  } cases[] = {{0, 0, "1.5, "}, {2, 0, "1.5, 2., "}, {2, 3, "1.5, 2., 3."}, {0, 3, "1.5, 0., 3."}};
  for (const auto& c : cases)
    EXPECT_EQ(KeywordText(aif_RefPointSection("P", Peg(1.5, c.v2, c.v3), "", "", "Part-1-RefPt_")),
              Lines({head, c.data}));
  EXPECT_EQ(KeywordText(aif_RefPointSection("P", Peg(1.0, 0.0, 0.0), "Ori-1", "EC-1", "R")),
            Lines({"*Solid Section, elset=P, orientation=Ori-1, controls=EC-1, material=Steel, "
                   "ref node=R",
                   "1., "}));
}

TEST(aif_RefPointSection, AcousticInfiniteAndAnotherKind) {
  kseC_AcousticInfiniteSection s;
  s.value = 0.25;
  s.order = 7;
  s.material = "Air";
  EXPECT_EQ(KeywordText(aif_RefPointSection("A", s, "", "EC-3", "I-1-RefPt_")),
            Lines({"*Solid Section, elset=A, controls=EC-3, material=Air, ref node=I-1-RefPt_, "
                   "order=7",
                   "0.25, "}));
  // Another kind is refused before the keyword line is begun.
  EXPECT_EQ(ThrownText(aif_RefPointSection("A", kseC_CohesiveSection(), "Ori-1", "", "R")),
            "Unknown section type");
}
