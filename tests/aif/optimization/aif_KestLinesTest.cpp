// The shared lines of the optimization parameter file: identifiers, groups,
// coordinate-system references, comments and the block frame.
#include <gtest/gtest.h>

#include <string>

#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;
using aif_test::WrittenText;

// A set of the plate's instance with the kind bits `flags`.
rgnC_Region KestLinesSet(const char* name, int flags = 0) {
  return rgnC_Region(name, {"Plate-1"}, flags);
}

TEST(aif_KestLines, OneIdentifierPerNameAndKindTheFirstKindOwningTheName) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  EXPECT_EQ("Task-1", aif_KestIdName(info, "Task-1", aif_kKestTask).Str());
  EXPECT_EQ("Task-1_STOPCOND_", aif_KestIdName(info, "Task-1", aif_kKestStopCondition).Str());
  EXPECT_EQ("Task-1_OBJFUNC_", aif_KestIdName(info, "Task-1", aif_kKestObjectiveFunction).Str());
  EXPECT_EQ("Task-1_CONSTRAINT_", aif_KestIdName(info, "Task-1", aif_kKestConstraint).Str());
  EXPECT_EQ("Task-1_GEOMREST_",
            aif_KestIdName(info, "Task-1", aif_kKestGeometricRestriction).Str());
  EXPECT_EQ("Task-1_DRESP_", aif_KestIdName(info, "Task-1", aif_kKestDesignResponse).Str());
  EXPECT_EQ("Task-1_CSYS_", aif_KestIdName(info, "Task-1", aif_kKestCsys).Str());
  EXPECT_EQ("Task-1_UNKNOWN_", aif_KestIdName(info, "Task-1", 0x1234).Str());
  // The owner keeps its plain name; the same kind and name give one text.
  EXPECT_EQ("Task-1", aif_KestIdName(info, "Task-1", aif_kKestTask).Str());
  EXPECT_EQ("Stop-1", aif_KestIdName(info, "Stop-1", aif_kKestStopCondition).Str());
  EXPECT_EQ("Stop-1", aif_KestIdName(info, "Stop-1", aif_kKestStopCondition).Str());
  // A suffixed identifier is not recorded: a constraint of that name owns it.
  EXPECT_EQ("Task-1_STOPCOND_",
            aif_KestIdName(info, "Task-1_STOPCOND_", aif_kKestConstraint).Str());
  EXPECT_EQ("Task-1_STOPCOND__STOPCOND_",
            aif_KestIdName(info, "Task-1_STOPCOND_", aif_kKestStopCondition).Str());
  // Printable: a name with a blank is quoted, suffix inside the quotes.
  EXPECT_EQ("\"My Stop\"", aif_KestIdName(info, "My Stop", aif_kKestStopCondition).Str());
  EXPECT_EQ("\"My Stop_TASK_\"", aif_KestIdName(info, "My Stop", aif_kKestTask).Str());
  EXPECT_EQ("My Stop", aif_KestIdName(info, "My Stop", aif_kKestStopCondition, false).Str());
}

TEST(aif_KestLines, GroupsOfTheWholeModelSetsPointSetsAndSurfaces) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  auto elements = [&](const rgnC_Region& region, const char* key = "") {
    return WrittenText([&](utl_Stream& s) { aif_KestElementGroupLine(region, info, s, key); });
  };
  auto nodes = [&](const rgnC_Region& region, const char* key = "") {
    return WrittenText([&](utl_Stream& s) { aif_KestNodeGroupLine(region, info, s, key); });
  };
  EXPECT_EQ("  EL_GROUP = ALL_ELEMENTS\n", elements(rgnC_Region()));
  EXPECT_EQ("  ND_GROUP = ALL_NODES\n", nodes(rgnC_Region()));
  EXPECT_EQ("  MOD_NDGR = ALL_NODES\n", nodes(rgnC_Region(), "MOD_NDGR"));
  bool isElement = true;
  EXPECT_EQ("", aif_KestGroupName(isElement, rgnC_Region(), info, true, true).Str());

  // Blanks become "_" (inside the quotes the printable name had); a set of
  // elements and nodes (bits 1 and 2) is named with its kind.
  EXPECT_EQ("  EL_GROUP = \"Plate-1_My_Set\"\n", elements(KestLinesSet("My Set")));
  EXPECT_EQ("  EL_GROUP = Plate-1_Both_ELEM\n", elements(KestLinesSet("Both", 6)));
  EXPECT_EQ("  ND_GROUP = Plate-1_Both_NODE\n", nodes(KestLinesSet("Both", 6)));
  // Bit 1 alone: elements only, no node group.
  EXPECT_EQ("  EL_GROUP = Plate-1_Elems\n", elements(KestLinesSet("Elems", 2)));
  EXPECT_EQ("", nodes(KestLinesSet("Elems", 2)));
  // Geometry (bit 0): a point set keeps its plain name and is no element
  // group; other geometry is named with its kind.
  rgnC_Region points = KestLinesSet("Pts", 1);
  points.SetKernelNodeIndices(1, {0, 1});
  EXPECT_EQ("", elements(points));
  EXPECT_EQ("  ND_GROUP = Plate-1_Pts\n", nodes(points));
  rgnC_Region faces = KestLinesSet("Faces", 1);
  faces.SetKernelElementIndices(1, {0});
  EXPECT_EQ("  EL_GROUP = Plate-1_Faces_ELEM\n", elements(faces));
  EXPECT_EQ("  ND_GROUP = Plate-1_Faces_NODE\n", nodes(faces));
  // A region the kernel does not find is no element group.
  rgnC_Region lost = KestLinesSet("Lost");
  lost.SetKernelValid(false);
  EXPECT_EQ("", elements(lost));
  // A surface gives no group of either kind.
  EXPECT_EQ("", elements(KestLinesSet("Surf", 8)));
  EXPECT_EQ("", nodes(KestLinesSet("Surf", 8 | 4)));
  EXPECT_FALSE(aif_KestCanNodeGroup(KestLinesSet("Surf", 8), info));
  EXPECT_FALSE(aif_KestCanElementGroup(KestLinesSet("Surf", 8 | 2), info));
}

TEST(aif_KestLines, CoordinateSystemReferences) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  auto line = [&](const dtmC_DatumRef& datum) {
    return WrittenText([&](utl_Stream& s) { aif_KestCsysLine(datum, info, s, "CS_REF"); });
  };
  EXPECT_EQ("  CS_REF = CS_0\n", line(dtmC_DatumRef()));
  // A datum that is not there gives CS_0 and takes no identifier.
  EXPECT_EQ("  CS_REF = CS_0\n", line(aif_kest_test::Datum("Nowhere")));
  EXPECT_EQ("Nowhere", aif_KestIdName(info, "Nowhere", aif_kKestTask).Str());
  EXPECT_EQ("  CS_REF = Csys-1\n", line(aif_kest_test::Datum("Csys-1")));
  EXPECT_EQ("Csys-1", aif_KestCsysName(aif_kest_test::Datum("Csys-1"), info).Str());
  // A system named like an object that came first gets the suffix.
  EXPECT_EQ("Cyl", aif_KestIdName(info, "Cyl", aif_kKestObjectiveFunction).Str());
  EXPECT_EQ("Cyl_CSYS_", aif_KestCsysName(aif_kest_test::Datum("Cyl"), info).Str());
  EXPECT_EQ("Task-1_CHECK_BC_", aif_KestCheckBCName("Task-1").Str());
}

TEST(aif_KestLines, CommentsBannersBlocksAndTaskNames) {
  EXPECT_EQ("! First\n! \n! Second\n! \n", KeywordText(aif_KestComment("First\n\nSecond\n")));
  EXPECT_EQ("! One line\n", KeywordText(aif_KestComment("One line")));
  EXPECT_EQ("! \n", KeywordText(aif_KestComment("")));
  const std::string rule(64, '-');
  EXPECT_EQ("! " + rule + "\n! \n! Stop Condition: Stop-1\n! \n",
            KeywordText(aif_KestComment::Banner("Stop Condition: ", "Stop-1")));

  Context c(aif_kest_test::PlateModel(), aif_kest_test::Optimization("My Task"));
  EXPECT_EQ("\"My Task_DESIGN_AREA_\"", aif_KestTaskName(c.Info(), "_DESIGN_AREA_").Str());
  EXPECT_EQ("STOP\n  ITER_MAX = 7\n  MOD_REF = 0.5, ADD\nEND_\n", WrittenText([](utl_Stream& s) {
              aif_KestBlock block(s, "STOP");
              block.Line("ITER_MAX", 7);
              block.Key("MOD_REF") << 0.5 << ", ADD" << endl;
              block.End();
            }));
}

}  // namespace
