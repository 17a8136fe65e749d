// "*Fastener Property" and "*Fastener" of point-based fasteners.
#include "aif/impl/constraints/aif_Fastener.h"

#include <gtest/gtest.h>

#include <string>

#include "aif/impl/constraints/aif_FastenerProperty.h"
#include "support/aif_TestSupport.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

cow_List<cow_String> FastenerSurfaceNames(std::initializer_list<std::string> names) {
  cow_List<cow_String> list;
  for (const std::string& name : names)
    list.Append(cow_String(name.c_str()));
  return list;
}

}  // namespace

TEST(aif_FastenerPropertyTest, MassOptionAndCoupledDofLines) {
  // All rotations coupled: the radius line alone; a mass of 0 is no option.
  EXPECT_EQ(KeywordText(aif_FastenerProperty("Bolt-1", true, true, true, 0.5, 0.0)),
            "*Fastener Property, name=Bolt-1\n0.5\n");
  // A negative mass is written as it is.
  EXPECT_EQ(KeywordText(aif_FastenerProperty("Bolt-1", true, true, true, 2.0, -1.5)),
            "*Fastener Property, name=Bolt-1, mass=-1.5\n2.\n");
  // Only UR2: the translations and DOF 5.
  EXPECT_EQ(KeywordText(aif_FastenerProperty("\"Bolt 2\"", false, true, false, 1.0, 3.0)),
            "*Fastener Property, name=\"Bolt 2\", mass=3.\n1.\n1, 1\n2, 2\n3, 3\n5, 5\n");
  // No rotation: the translations only; UR1 and UR3: DOFs 4 and 6.
  EXPECT_EQ(KeywordText(aif_FastenerProperty("P", false, false, false, 1.0, 0.0)),
            "*Fastener Property, name=P\n1.\n1, 1\n2, 2\n3, 3\n");
  EXPECT_EQ(KeywordText(aif_FastenerProperty("P", true, false, true, 1.0, 0.0)),
            "*Fastener Property, name=P\n1.\n1, 1\n2, 2\n3, 3\n4, 4\n6, 6\n");
}

TEST(aif_FastenerTest, OptionsAndProjectionDirection) {
  kefC_PointFastener fastener;
  fastener.elementSetIndicator = 1;
  // No connector elements and nothing optional set: no elset, the three
  // words and "adjust orientation=NO" only, no data line.
  EXPECT_EQ(KeywordText(aif_Fastener(fastener, "Bolt-1", "Bolt-1", "Asm-Set", "_Bolt-1_pf_", {},
                                     cow_String())),
            "*Fastener, interaction name=Bolt-1, property=Bolt-1, reference node set=Asm-Set, "
            "coupling=CONTINUUM, attachment method=FACETOFACE, weighting method=UNIFORM, \n"
            "adjust orientation=NO\n");

  fastener.elementSetIndicator = 0;
  fastener.coupling = kefC_CouplingEnum::STRUCTURAL;
  fastener.attachmentMethod = kefC_AttachmentMethodEnum::EDGETOEDGE;
  fastener.weightingMethod = kefC_WeightingMethodEnum::CUBIC;
  fastener.adjustOrientation = true;
  fastener.numberOfLayers = 3;
  fastener.searchRadius = 0.25;
  fastener.radiusOfInfluence = 0.0;
  fastener.unsorted = true;
  fastener.projectionDirection = gsl_ModelSegment(gsl_Point(1, 1, 1), gsl_Point(1, 4, 5));
  // The interaction name is made printable here, once; the others stand.
  EXPECT_EQ(
      KeywordText(aif_Fastener(fastener, "Bolt 1", "\"Bolt 1\"", "I-1.S", "\"_Bolt 1_pf_\"",
                               FastenerSurfaceNames({"Surf-A", "Surf-B"}), "Datum csys-1")),
      "*Fastener, interaction name=\"Bolt 1\", property=\"Bolt 1\", reference node set=I-1.S, "
      "elset=\"_Bolt 1_pf_\", coupling=STRUCTURAL, attachment method=EDGETOEDGE, \n"
      "weighting method=CUBIC, adjust orientation=YES, number of layers=3, search "
      "radius=0.25, radius of influence=0., orientation=Datum csys-1, \nunsorted\n"
      "0., 0.6, 0.8\nSurf-A, Surf-B\n");

  // A direction of length 0: an empty first data line before the surfaces.
  kefC_PointFastener plain;
  plain.projectionDirection = gsl_ModelSegment(gsl_Point(2, 2, 2), gsl_Point(2, 2, 2));
  EXPECT_EQ(KeywordText(aif_Fastener(plain, "F", "F", "S", "_F_pf_", FastenerSurfaceNames({"T"}),
                                     cow_String())),
            "*Fastener, interaction name=F, property=F, reference node set=S, elset=_F_pf_, "
            "coupling=CONTINUUM, attachment method=FACETOFACE, weighting method=UNIFORM, \n"
            "adjust orientation=NO\n\nT\n");

  // A name that cannot be written stops before anything is written.
  EXPECT_EQ(ThrownText(aif_Fastener(plain, "F\nG", "F", "S", "", {}, cow_String())),
            "The name \"F\\nG\" holds a line break or another control character and cannot be "
            "written to the input file.");
}

TEST(aif_FastenerTest, TargetSurfaceLines) {
  kefC_PointFastener fastener;
  fastener.elementSetIndicator = 1;
  const std::string header =
      "*Fastener, interaction name=F, property=F, reference node set=R, coupling=CONTINUUM, "
      "attachment method=FACETOFACE, weighting method=UNIFORM, \nadjust orientation=NO\n";
  // Nine short names: eight on the line, the ninth on the next.
  EXPECT_EQ(KeywordText(aif_Fastener(
                fastener, "F", "F", "R", "",
                FastenerSurfaceNames({"S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "S9"}),
                cow_String())),
            header + "\nS1, S2, S3, S4, S5, S6, S7, S8\nS9\n");
  // Three names of 60 characters: 60 is not above 100, 120 is.
  const std::string a(60, 'a');
  const std::string b(60, 'b');
  const std::string c(60, 'c');
  EXPECT_EQ(KeywordText(aif_Fastener(fastener, "F", "F", "R", "", FastenerSurfaceNames({a, b, c}),
                                     cow_String())),
            header + "\n" + a + ", " + b + "\n" + c + "\n");
}
