// "*Rebar Layer": the shared group and the layers with their own
// orientation, the geometry kinds and the membrane column.
#include "aif/impl/sections/aif_RebarLayer.h"

#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/sections/aif_SectionTestSupport.h"

namespace {

using aif_section_test::Lines;
using aif_test::KeywordText;

// A layer whose R values are n.1 to n.7.
kseC_LayerProperties Layer(const char* name, int n, const char* orientation = "") {
  kseC_LayerProperties layer;
  layer.layerName = name;
  layer.material = "Steel";
  layer.orientation = orientation;
  layer.r1 = n + 0.1;
  layer.r2 = n + 0.2;
  layer.r3 = n + 0.3;
  layer.r4 = n + 0.4;
  layer.r5 = n + 0.5;
  layer.r6 = n + 0.6;
  layer.r7 = n + 0.7;
  return layer;
}

TEST(aif_RebarLayer, SharedGroupFirstThenOwnOrientations) {
  kseC_Rebar rebar;
  rebar.layers.Append(Layer("Top", 1));
  rebar.layers.Append(Layer("Mid", 2, "Ori bars"));
  rebar.layers.Append(Layer("Bottom bars", 3));
  rebar.layers.Append(Layer("Diag", 4, "Ori-D"));
  const aif_RebarLayer keyword(rebar, "Ori-R", false);
  const std::string expected = Lines({
      "*Rebar Layer, orientation=Ori-R",
      "Top, 1.1, 1.3, 1.4, Steel, 1.2, 1",
      "\"Bottom bars\", 3.1, 3.3, 3.4, Steel, 3.2, 1",
      "*Rebar Layer, orientation=\"Ori bars\"",
      "Mid, 2.1, 2.3, 2.4, Steel, , 1",
      "*Rebar Layer, orientation=Ori-D",
      "Diag, 4.1, 4.3, 4.4, Steel, , 1",
  });
  EXPECT_EQ(expected, KeywordText(keyword));

  // Without a rebar orientation the shared group names none; a description
  // whose layers all have their own orientation writes no shared group.
  kseC_Rebar shared;
  shared.layers.Append(Layer("Top", 1));
  EXPECT_EQ(Lines({"*Rebar Layer", "Top, 1.1, 1.3, 1.4, Steel, 1.2, 1"}),
            KeywordText(aif_RebarLayer(shared, "", false)));
  kseC_Rebar own;
  own.layers.Append(Layer("A", 1, "Ori-A"));
  own.layers.Append(Layer("B", 2, "Ori-B"));
  EXPECT_EQ(Lines({"*Rebar Layer, orientation=Ori-A", "A, 1.1, 1.3, 1.4, Steel, , 1",
                   "*Rebar Layer, orientation=Ori-B", "B, 2.1, 2.3, 2.4, Steel, , 1"}),
            KeywordText(aif_RebarLayer(own, "Ori-R", false)));
  EXPECT_EQ("", KeywordText(aif_RebarLayer(kseC_Rebar(), "Ori-R", false)));
}

TEST(aif_RebarLayer, GeometryKindsAndTheMembraneColumn) {
  kseC_Rebar rebar;
  rebar.layers.Append(Layer("Bars", 1));
  rebar.geometry = 1;  // angular: the spacing column is R5
  EXPECT_EQ(Lines({"*Rebar Layer, geometry=angular", "Bars, 1.1, 1.5, 1.4, Steel, 1.2, 1"}),
            KeywordText(aif_RebarLayer(rebar, "", false)));
  rebar.geometry = 2;  // lift equation: R6 and R7 at the end
  const std::string lift =
      Lines({"*Rebar Layer, geometry=lift equation", "Bars, 1.1, 1.3, 1.4, Steel, 1.2, 1, 1.6, 1.7"});
  EXPECT_EQ(lift, KeywordText(aif_RebarLayer(rebar, "", false)));
  // Any other kind is the lift equation too, on the keyword line and the data line.
  rebar.geometry = 3;
  EXPECT_EQ(lift, KeywordText(aif_RebarLayer(rebar, "", false)));

  // Membrane and surface sections leave the extension column empty.
  rebar.geometry = 0;
  EXPECT_EQ(Lines({"*Rebar Layer, orientation=Ori-R", "Bars, 1.1, 1.3, , Steel, 1.2, 1"}),
            KeywordText(aif_RebarLayer(rebar, "Ori-R", true)));
}

}  // namespace
