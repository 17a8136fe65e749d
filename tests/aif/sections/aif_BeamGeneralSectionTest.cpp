// "*Beam General Section": the generalized profile, the options of a section
// integrated before the analysis, the general-section table with its blank
// columns, fluid inertia and the damping, shear centre, centroid and section
// point keywords.
#include <string>

#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/sections/aif_BeamGeneralSection.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

kseC_BeamSection Section() {
  kseC_BeamSection section;
  section.integration = 0;
  return section;
}

kbpC_GeneralizedProfile General(double area) {
  kbpC_GeneralizedProfile p;
  p.area = area;
  p.i11 = 2;
  p.i12 = 0;
  p.i22 = 3;
  p.j = 4;
  return p;
}

std::string Text(const kseC_BeamSection& section, const kbpC_BeamProfile* profile,
                 const kbpC_BeamProfile* end = nullptr) {
  return KeywordText(aif_BeamGeneralSection("G", section, 0, 0, -1, -1, profile, end));
}

std::string Failure(const kseC_BeamSection& section, const kbpC_BeamProfile* profile,
                    const kbpC_BeamProfile* end = nullptr) {
  try {
    Text(section, profile, end);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "";
}

const std::string kHead = "*Beam General Section, elset=G, ";
const std::string kDirection = "0.,0.,-1.\n";

TEST(aif_BeamGeneralSection, GeneralizedProfileWithWarpingValuesAndTaper) {
  kseC_BeamSection s = Section();
  kbpC_GeneralizedProfile p = General(1);
  EXPECT_EQ(Text(s, &p), kHead + "section=GENERAL\n1., 2., 0., 3., 4.\n" + kDirection);
  p.gammaW = 0.5;  // either warping value brings both
  EXPECT_EQ(Text(s, &p), kHead + "section=GENERAL\n1., 2., 0., 3., 4., 0., 0.5\n" + kDirection);

  s.taper = 1;
  const kbpC_GeneralizedProfile end = General(0.5);
  EXPECT_EQ(Text(s, &p, &end),
            kHead + "Taper, section=GENERAL\n1., 2., 0., 3., 4., 0., 0.5\n0.5, 2., 0., 3., 4.\n" +
                kDirection);
  kbpC_PipeProfile pipe;
  const std::string failure =
      "The tapered beam section of element set G has no end profile of the shape of its start "
      "profile.";
  EXPECT_EQ(Failure(s, &p), failure);
  EXPECT_EQ(Failure(s, &p, &pipe), failure);
}

TEST(aif_BeamGeneralSection, OptionsOfASectionIntegratedBeforeTheAnalysis) {
  kseC_BeamSection s = Section();
  s.dependencies = 2;
  s.poisson = 0.25;
  s.consistentMass = true;
  s.zeroTemperature = 20;
  s.density = 7800;
  s.materialName = "Steel";  // not written: the table gives the stiffness
  kbpC_RectangularProfile rect;
  rect.a = 1;
  rect.b = 2;
  EXPECT_EQ(KeywordText(aif_BeamGeneralSection("G", s, 1, 0, 0, -1, &rect, nullptr)),
            kHead +
                "dependencies=2, poisson = 0.25, lumped=NO, zero=20., density=7800., "
                "section=RECT\n1., 2.\n1.,0.,0.\n");
  // Unset and zero values write no option; no dependencies without a count.
  s = Section();
  s.zeroTemperature = 0;
  s.density = 0;
  EXPECT_EQ(Text(s, &rect), kHead + "section=RECT\n1., 2.\n" + kDirection);
}

TEST(aif_BeamGeneralSection, TableFollowsTheDirectionWithBlankColumns) {
  kseC_BeamSection s = Section();
  s.table = {{2.1e11, 8.1e10, 1.2e-5, 20}};
  kbpC_CircularProfile circ;
  circ.r = 1;
  EXPECT_EQ(Text(s, &circ),
            kHead + "section=CIRC\n1.\n" + kDirection + " 2.1e+11, 8.1e+10, 1.2e-05,     20.\n");
  s.tableFlag1 = false;
  s.tableFlag2 = false;
  EXPECT_EQ(Text(s, &circ), kHead + "section=CIRC\n1.\n" + kDirection +
                                " 2.1e+11, 8.1e+10, , , 1.2e-05,     20.\n");
  s.tableFlag1 = true;  // the second flag alone: the blank column before index 3
  EXPECT_EQ(Text(s, &circ),
            kHead + "section=CIRC\n1.\n" + kDirection + " 2.1e+11, 8.1e+10, 1.2e-05, ,     20.\n");
}

TEST(aif_BeamGeneralSection, FluidInertiaKeepsBlankPositions) {
  kseC_BeamSection s = Section();
  kbpC_CircularProfile circ;
  circ.r = 1;
  s.fluidInertia = true;
  s.fluidInertiaValues = {1000, 2, 1, 0, 0, 0};  // f3 = 1, f4 = 0: four positions
  EXPECT_EQ(Text(s, &circ),
            kHead + "section=CIRC\n1.\n" + kDirection + "*Beam Fluid Inertia\n1000., , , 2.\n");
  s.fluidInertiaHalf = 1;
  s.fluidInertiaValues = {1000, 2, 1, 0.5, 5, 6};  // f3 left blank, f4 written
  EXPECT_EQ(Text(s, &circ), kHead + "section=CIRC\n1.\n" + kDirection +
                                "*Beam Fluid Inertia, half\n1000., 5., 6., 2., , 0.5\n");
  s.fluidInertiaValues = {1000, 2, 3, 0, 0, 6};  // f3 written, f4 0 left out
  EXPECT_EQ(Text(s, &circ), kHead + "section=CIRC\n1.\n" + kDirection +
                                "*Beam Fluid Inertia, half\n1000., , 6., 2., 3.\n");
}

TEST(aif_BeamGeneralSection, DampingShearCenterCentroidAndSectionPoints) {
  kseC_BeamSection s = Section();
  kbpC_CircularProfile circ;
  circ.r = 1;
  s.fluidInertia = true;
  s.alpha = 0.1;
  s.shearCenter = {0, 0};  // (0, 0) is not written
  s.centroid = {0.5, -0.25};
  s.sectionPoints = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, 12}};
  EXPECT_EQ(Text(s, &circ), kHead + "section=CIRC\n1.\n" + kDirection +
                                "*Beam Fluid Inertia\n0., , , 0.\n"
                                "*Damping, alpha=0.1\n"
                                "*Centroid\n0.5, -0.25\n"
                                "*Section Points\n"
                                "1., 2., 3., 4., 5., 6., 7., 8.\n"
                                "9., 10., 11., 12.\n");

  s = Section();
  s.alpha = 0.1;
  s.beta = 0.2;
  s.composite = 0.3;
  s.shearCenter = {0, 1.5};
  s.sectionPoints = {{1, 2}};
  EXPECT_EQ(Text(s, &circ), kHead + "section=CIRC\n1.\n" + kDirection +
                                "*Damping, alpha=0.1, beta=0.2, composite=0.3\n"
                                "*Shear Center\n0., 1.5\n"
                                "*Section Points\n1., 2.\n");
}

TEST(aif_BeamGeneralSection, PointOfOneCoordinateFails) {
  kseC_BeamSection s = Section();
  kbpC_CircularProfile circ;
  s.shearCenter = {0.5};
  EXPECT_EQ(Failure(s, &circ),
            "Shear Center of the beam section of element set G needs two coordinates.");
  s = Section();
  s.centroid = {0.5};
  EXPECT_EQ(Failure(s, &circ),
            "Centroid of the beam section of element set G needs two coordinates.");
}

}  // namespace
