#include "aif/impl/sections/aif_SurfaceSection.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

TEST(aif_SurfaceSection, DensityAndRebarLayers) {
  kseC_SurfaceSection s;
  EXPECT_EQ(KeywordText(aif_SurfaceSection("S", s, "Ori-R")), Lines({"*Surface Section, elset=S"}));
  s.densityFlag = true;
  s.density = 7.8e-9;
  kseC_LayerProperties layer;
  layer.layerName = "L1";
  layer.material = "Steel";
  layer.r1 = 0.5;
  layer.r2 = 45.0;
  layer.r3 = 0.2;
  layer.r4 = 9.0;  // the extension column stays empty for a surface section
  s.rebar = kseC_Rebar{0, {layer}};
  EXPECT_EQ(KeywordText(aif_SurfaceSection("S", s, "Ori-R")),
            Lines({"*Surface Section, elset=S, density=7.8e-09", "*Rebar Layer, orientation=Ori-R",
                   "L1, 0.5, 0.2, , Steel, 45., 1"}));
}

TEST(aif_SurfaceSection, FailsTheTypeTestForAnotherKind) {
  EXPECT_NE(ThrownText(aif_SurfaceSection("S", kseC_MembraneSection(), "")), "");
}
