// "*Surface Smoothing" with its pieces, and "*Surface Property".
#include <string>

#include "aif/impl/interactions/aif_SurfaceProperty.h"
#include "aif/impl/interactions/aif_SurfaceSmoothing.h"
#include "aif/interactions/aif_GeneralContactTestModel.h"

namespace {

using aif_gc_test::GcLines;
using aif_test::KeywordText;

TEST(aif_SurfaceSmoothingTest, OneLinePerPieceAndNothingWithoutPieces) {
  EXPECT_EQ(KeywordText(aif_SurfaceSmoothing("CP-1", {}, {}, {}, {}, {}, {}, {}, {}, {}, {})), "");

  // Two pieces of the master surface (one circumferential, one spherical)
  // and one of the slave surface; names are written as given.
  const aif_SurfaceSmoothing smoothing("\"Pair 1\"", {"_CP-1_msm_1", "_CP-1_msm_2", ""},
                                       {"", "", "_CP-1_ssm_1"}, {0.0, 1.0, 0.5}, {0.0, 2.0, 0.0},
                                       {-1.5, 3.0, 0.0}, {0.0, 1.0, 0.5}, {0.0, 2.0, 1.0},
                                       {1.0, 3.0, 0.0}, {true, false, true}, {false, true, false});
  EXPECT_EQ(KeywordText(smoothing),
            GcLines({"*Surface Smoothing, name=\"Pair 1\"",
                     ", _CP-1_msm_1, CIRCUMFERENTIAL, 0., 0., -1.5, 0., 0., 1.",
                     ", _CP-1_msm_2, SPHERICAL, 1., 2., 3.",
                     "_CP-1_ssm_1, , CIRCUMFERENTIAL, 0.5, 0., 0., 0.5, 1., 0."}));
}

TEST(aif_SurfaceSmoothingTest, SurfacePropertyNamesArePrintable) {
  EXPECT_EQ(KeywordText(aif_SurfaceProperty("SProp-1")), "*Surface Property, name=SProp-1\n");
  EXPECT_EQ(KeywordText(aif_SurfaceProperty("Thin skin")),
            "*Surface Property, name=\"Thin skin\"\n");
}

}  // namespace
