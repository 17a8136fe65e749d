#include "aif/impl/sections/aif_InterfaceSection.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

TEST(aif_InterfaceSection, WritesTheValueAndRefusesAnotherKind) {
  kseC_AcousticInterfaceSection s;
  s.value = 2.5;
  EXPECT_EQ(KeywordText(aif_InterfaceSection("I", "not written", s)),
            Lines({"*Interface, elset=I", "2.5"}));
  EXPECT_EQ(ThrownText(aif_InterfaceSection("I", "", kseC_PEGSection())),
            "Unknown acoustic interface section type");
}
