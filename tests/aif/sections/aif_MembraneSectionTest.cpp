#include "aif/impl/sections/aif_MembraneSection.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;
using aif_test::MeshContext;

namespace {

kseC_MembraneSection Membrane(int thicknessType) {
  kseC_MembraneSection s;
  s.thicknessType = thicknessType;
  s.thickness = 0.2;
  s.material = "Rubber";
  s.thicknessField = "F";
  return s;
}

}  // namespace

TEST(aif_MembraneSection, UniformAndFieldThickness) {
  kseC_MembraneSection uniform = Membrane(0);
  uniform.poissonFlag = 1;
  uniform.poisson = 0.3;
  EXPECT_EQ(KeywordText(aif_MembraneSection("M", uniform, "Ori-1", "", "EC-2", "Dist", nullptr)),
            Lines({"*Membrane Section, elset=M, material=Rubber, orientation=Ori-1, controls=EC-2, "
                   "poisson=0.3",
                   "0.2, "}));
  // A field thickness names its distribution and writes 1. on the data line.
  EXPECT_EQ(KeywordText(aif_MembraneSection("M", Membrane(1), "", "", "", "Dist T", nullptr)),
            Lines({"*Membrane Section, elset=M, material=Rubber, membrane thickness=\"Dist T\"",
                   "1., "}));
  EXPECT_EQ(KeywordText(aif_MembraneSection("M", Membrane(2), "", "", "", "", nullptr)),
            Lines({"*Membrane Section, elset=M, material=Rubber, membrane thickness=F", "1., "}));
  // Long orientation and distribution names: each option that would pass 256
  // characters goes on a line of its own.
  const std::string orientation(120, 'O'), distribution(125, 'D');
  EXPECT_EQ(KeywordText(aif_MembraneSection("M", Membrane(1), orientation.c_str(), "", "",
                                            distribution.c_str(), nullptr)),
            Lines({"*Membrane Section, elset=M, material=Rubber, orientation=" + orientation + ", ",
                   "membrane thickness=" + distribution, "1., "}));
}

TEST(aif_MembraneSection, FieldNameInAFlatFileCarriesTheOwnerPrefix) {
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
  b.AddInstance("Inst", "Part-1");
  const MeshContext partBased(b, false);
  const MeshContext flat(b, true);
  const std::string head = "*Membrane Section, elset=M, material=Rubber, membrane thickness=";

  aif_MembraneSection inFlat("M", Membrane(1), "", "", "", "", flat.info.get());
  // Without a prefix the field name stands alone, never "_F".
  EXPECT_EQ(KeywordText(inFlat), Lines({head + "F", "1., "}));
  inFlat.SetNamePrefix("Inst");
  EXPECT_EQ(KeywordText(inFlat), Lines({head + "Inst_F", "1., "}));

  aif_MembraneSection inParts("M", Membrane(1), "", "", "", "", partBased.info.get());
  inParts.SetNamePrefix("Inst");
  EXPECT_EQ(KeywordText(inParts), Lines({head + "F", "1., "}));
  // A distribution name given by the builder is written as given.
  aif_MembraneSection named("M", Membrane(1), "", "", "", "Inst_D", flat.info.get());
  named.SetNamePrefix("Inst");
  EXPECT_EQ(KeywordText(named), Lines({head + "Inst_D", "1., "}));
}

TEST(aif_MembraneSection, RebarLayersFollowTheDataLine) {
  kseC_MembraneSection s = Membrane(0);
  kseC_LayerProperties shared, own;
  shared.layerName = "L1";
  shared.material = "Steel";
  shared.r1 = 0.5;
  shared.r2 = 30.0;
  shared.r3 = 0.1;
  shared.r4 = 9.0;
  shared.r5 = 0.15;
  own = shared;
  own.layerName = "L2";
  own.orientation = "Ori-L2";
  s.rebar = kseC_Rebar{1, {own, shared}};
  EXPECT_EQ(
      KeywordText(aif_MembraneSection("M", s, "", "Ori-R", "", "", nullptr)),
      Lines({"*Membrane Section, elset=M, material=Rubber", "0.2, ",
             "*Rebar Layer, geometry=angular, orientation=Ori-R", "L1, 0.5, 0.15, , Steel, 30., 1",
             "*Rebar Layer, geometry=angular, orientation=Ori-L2", "L2, 0.5, 0.15, , Steel, , 1"}));
}

TEST(aif_MembraneSection, FailsTheTypeTestForAnotherKind) {
  EXPECT_NE(ThrownText(aif_MembraneSection("M", kseC_SurfaceSection(), "", "", "", "", nullptr)),
            "");
}
