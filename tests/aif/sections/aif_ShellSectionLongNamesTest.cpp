// "*Shell Section" with long distribution names: an option naming a
// distribution goes to the next line when it would not fit on the current
// one (256 characters), even where the line is still short of the break
// column.
#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_ShellSection.h"
#include "aif/sections/aif_SectionTestSupport.h"

namespace {

using aif_section_test::Lines;
using aif_test::KeywordText;

TEST(aif_ShellSection, ADistributionOptionThatWouldOverflowStartsANewLine) {
  hst_ModelBuilder model;
  aif_Job job("J", model.Job(), model.Model());
  aif_ModelInfo info(job);
  kseC_HomogenousShellSection section;
  section.material = "Steel";
  section.numIntPoints = 5;
  section.thicknessType = 2;
  section.thicknessField = "T";
  // The orientation ends the first line past the break column (131); the
  // offset (125 characters with ", ") stays short of it, and the thickness
  // (134) would take the second line to 259.
  const std::string orientation = "Ori-" + std::string(96, 'o');
  const std::string offset = "Off-" + std::string(114, 'f');
  const std::string thickness = "Thick-" + std::string(112, 't');
  const aif_ShellSection keyword("Set-1", section, orientation, "", "", 0.0, info, "", "", offset,
                                 "", thickness, false);
  EXPECT_EQ(Lines({"*Shell Section, elset=Set-1, material=Steel, orientation=" + orientation + ", ",
                   "offset=" + offset + ", ", "shell thickness=" + thickness, "1., 5"}),
            KeywordText(keyword));
}

}  // namespace
