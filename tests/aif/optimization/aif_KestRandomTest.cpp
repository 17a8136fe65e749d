// Random tasks written through the driver: every file must satisfy the
// parameter-file checker (each reference names a block of the file, each
// identifier is used once, every block is closed).
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "aif/impl/core/aif_KestBuilder.h"
#include "aif_KestChecker.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;

// Draws the objects of one random task: names from a small pool (so that
// objects of different kinds share names with each other and the task),
// regions of every kind, every setting a block reads.
class KestRandomTask {
 public:
  explicit KestRandomTask(unsigned seed) : random_(seed) {}

  const char* Name() { return Pick({"Task-1", "Stop-1", "My Task", "Obj", "Task-1_CHECK_BC_"}); }

  rgnC_Region Region() {
    switch (Int(0, 5)) {
      case 0:
        return rgnC_Region();
      case 1:
        return rgnC_Region("Set A", {"Plate-1"});
      case 2:
        return rgnC_Region("Skin", {"Plate-1"}, 8);
      case 3:
        return rgnC_Region("Elems", {"Plate-1"}, 2);
      case 4:
        return rgnC_Region("Both", {"Plate-1"}, 6);
      default:
        return rgnC_Region("Nodes", {"Plate-1"}, 4);
    }
  }

  void AddStopConditions(kopC_Task& task) {
    for (int n = Int(0, 3); n > 0; --n) {
      kopC_LocalStopCondition local;
      local.SetRegion(Region());
      local.SetMeasureType(Int(0, 4));
      local.SetQuantity(Int(0, 11));
      local.SetComparison(Int(0, 5));
      local.SetReferenceValue(Int(0, 4) * 0.5);
      local.SetReferenceOperation(Int(0, 4));
      local.SetReferenceBase(Int(0, 2));
      local.SetSuppressed(Int(0, 4) == 0);
      if (Int(0, 3) == 0)
        task.Add(Name(), kopC_StopCondition());
      else
        task.Add(Name(), local);
    }
  }

  kopC_TopologyTask Topology() {
    kopC_TopologyTask t;
    t.SetDesignRegion(Region());
    t.SetAlgorithm(Int(1, 2));
    t.SetAlgorithmKind(Int(0, 1));
    t.SetFreezeLoadRegions(Int(0, 1));
    t.SetSoftDelete(Int(0, 1));
    t.SetSoftDeleteRegion(Region());
    t.SetSpeed(Int(0, 6));
    t.SetStartDeleteMode(Int(0, 3));
    t.SetTrackedModes(Int(0, 2));
    t.SetModeTrackingRegionSwitch(Int(0, 1));
    t.SetModeTrackingRegion(Region());
    AddStopConditions(t);
    return t;
  }

  kopC_ShapeTask Shape() {
    kopC_ShapeTask t;
    t.SetDesignRegion(Region());
    t.SetAlgorithm(Pick({4, 8}));
    t.SetCheckBoundaryConditions(Int(0, 1));
    t.SetCheckRegion(Region());
    t.SetSmoothingRegionKind(Int(0, 2));
    t.SetSmoothingElementRegion(Region());
    t.SetSmoothingNodeRegion(Region());
    t.SetSmoothingStrategy(Int(0, 2));
    t.SetQualityLevel(Int(0, 4));
    t.SetFreeSurfaceMode(Int(0, 1));
    AddStopConditions(t);
    return t;
  }

 private:
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <class T>
  T Pick(std::initializer_list<T> items) {
    return items.begin()[Int(0, static_cast<int>(items.size()) - 1)];
  }

  std::mt19937 random_;
};

TEST(aif_KestRandom, EveryReferenceNamesABlockOfTheFile) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("aif_KestRandom." + std::to_string(getpid()) + ".par"))
                               .string();
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    KestRandomTask draw(seed);
    hst_ModelBuilder b = aif_kest_test::PlateModel();
    const char* taskName = draw.Name();
    if (seed % 2)
      b.AddTask(taskName, draw.Topology());
    else
      b.AddTask(taskName, draw.Shape());
    Context c(b, aif_kest_test::Optimization(taskName));
    aif_KestBuilder kest(c.Info());
    ASSERT_TRUE(kest.WriteInputFile(path, "", false, true));
    const std::string file = aif_test::ReadFile(path);
    EXPECT_EQ("", aif_kest_test::KestFindings(file)) << file;
  }
  std::filesystem::remove(path);
}

TEST(aif_KestRandom, CheckerFindsWhatTheModuleWouldRefuse) {
  EXPECT_EQ("", aif_kest_test::KestFindings("OPTIMIZE\n  ID_NAME = T\n  DV = D\nEND_\n"
                                            "DV_TOPO\n  ID_NAME = D\nEND_\n"
                                            "STOP\n  ID_NAME = S\n  OPTIMIZE = T\nEND_\nEXIT\n"));
  EXPECT_EQ(
      "line 7: STOP without END_\nline 10: identifier twice: T\nend: no EXIT\n"
      "line 3: OPTIMIZE DV names no block: D\nline 6: STOP OPTIMIZE names no block: X\n"
      "line 8: DVCON_SHAPE CHECK_DOF names no block: C\n",
      aif_kest_test::KestFindings("OPTIMIZE\n  ID_NAME = T\n  DV = D\nEND_\nSTOP\n  OPTIMIZE = X\n"
                                  "DVCON_SHAPE\n  CHECK_DOF = C, FIX, FIX, FIX\n"
                                  "  CS = CS_0\n  ID_NAME = T\nEND_\n"));
}

}  // namespace
