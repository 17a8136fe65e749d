// CS_DEF blocks and the coordinate-system builder: one block per datum
// system the task names, in the order of first use.
#include <gtest/gtest.h>

#include <string>

#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/optimization/aif_CsDef.h"
#include "aif/impl/optimization/aif_CsDefBuilder.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_kest_test::Datum;
using aif_test::KeywordText;
using aif_test::WrittenText;

// Three values as the datum system writes them: each 13 wide.
std::string CsDefRow(const char* a, const char* b, const char* c) {
  auto pad = [](const std::string& v) { return std::string(13 - v.size(), ' ') + v; };
  return pad(a) + "," + pad(b) + "," + pad(c) + "\n";
}

const std::string kCsDefCsys1 =
    "CS_DEF\n  ID_NAME = Csys-1\n  CS_TYPE = RECTANGULAR\n  DEF_TYPE = LOCAL\n"
    "  CS_REF = CS_0\n  ORIGIN_123 =" +
    CsDefRow("1.", "2.", "3.") + "  ROTATION_321 =" + CsDefRow("0.", "0.", "0.") + "END_\n";

TEST(aif_CsDef, BlockOfADatumSystemNothingWithoutANameOrSystem) {
  Context c(aif_kest_test::PlateModel());
  const aif_CsDef csys(c.Info().Assembly(), Datum("Csys-1"), "Model-1", "Csys-1");
  EXPECT_EQ(kCsDefCsys1, KeywordText(csys));
  EXPECT_EQ("", KeywordText(aif_CsDef(c.Info().Assembly(), Datum("Csys-1"), "Model-1", "")));
  // A system that does not resolve writes no header without its "END_".
  EXPECT_EQ("", KeywordText(aif_CsDef(c.Info().Assembly(), Datum("Nowhere"), "Model-1", "X")));
  // Copies share the evaluated system.
  std::unique_ptr<akw_Keyword> copy(csys.Clone());
  EXPECT_EQ(&csys.Csys(), &static_cast<const aif_CsDef&>(*copy).Csys());
  EXPECT_EQ(kCsDefCsys1, KeywordText(*copy));
  EXPECT_EQ("Wrong datum type. Expected CSYS.", [&] {
    try {
      aif_CsDef(c.Info().Assembly(), Datum("Point"), "Model-1", "Point");
    } catch (const aif_Exception& e) {
      return e.Message().Str();
    }
    return std::string();
  }());
}

// The option definitions the builder files for `task`, as written.
std::string CsDefBuilderText(Context& c) {
  aif_CsDefBuilder builder(c.Info());
  builder.Build();
  return WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, builder.KestOptionDefinition()); });
}

TEST(aif_CsDef, BuilderDefinesEachResolvedSystemOnceInFirstUseOrder) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_TopologyTask task;
  kopC_SingleTermDesignResponse response;
  response.SetCsys(Datum("Csys-1"));
  kopC_FrozenArea frozen;
  frozen.SetCsys(Datum("Nowhere"));  // no datum of that name: CS_0, no block
  frozen.SetSecondCsys(Datum("Cyl"));
  kopC_FixedRegion suppressed;
  suppressed.SetCsys(Datum("Point"));  // never evaluated
  suppressed.SetSuppressed(true);
  kopC_TopologyPlanarSymmetry symmetry;
  symmetry.SetCsys(Datum("Csys-1"));
  task.Add("R-2", response).Add("R-1", response).Add("R-0", kopC_SingleTermDesignResponse());
  task.Add("A-Frozen", frozen).Add("B-Off", suppressed).Add("C-Sym", symmetry);
  b.AddTask("Task-1", task);
  Context c(b);
  const std::string text = CsDefBuilderText(c);
  EXPECT_EQ(kCsDefCsys1 +
                "CS_DEF\n  ID_NAME = Cyl\n  CS_TYPE = CYLINDRICAL\n  DEF_TYPE = LOCAL\n"
                "  CS_REF = CS_0\n  ORIGIN_123 =" +
                CsDefRow("0.", "0.", "0.") + "  ROTATION_321 =" + CsDefRow("0.", "0.", "0.") +
                "END_\n",
            text);
  // Every reference either has its block or is CS_0.
  EXPECT_EQ("Csys-1", aif_KestCsysName(Datum("Csys-1"), c.Info()).Str());
  EXPECT_EQ("Cyl", aif_KestCsysName(Datum("Cyl"), c.Info()).Str());
  EXPECT_EQ("CS_0", aif_KestCsysName(Datum("Nowhere"), c.Info()).Str());

  // A datum that is no coordinate system stops the build.
  kopC_ShapeTask shape;
  kopC_FixedRegion fixed;
  fixed.SetCsys(Datum("Point"));
  shape.Add("Fixed", fixed);
  b.AddTask("Task-1", shape);
  Context wrong(b);
  aif_CsDefBuilder builder(wrong.Info());
  try {
    builder.Build();
    ADD_FAILURE() << "no error";
  } catch (const aif_Exception& e) {
    EXPECT_EQ("Wrong datum type. Expected CSYS.", e.Message().Str());
  }

  // No task of the task name: nothing.
  Context missing(b, aif_kest_test::Optimization("Other"));
  EXPECT_EQ("", CsDefBuilderText(missing));
}

}  // namespace
