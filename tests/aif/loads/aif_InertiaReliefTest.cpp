// "*Inertia Relief": the free directions complete for each modelling space,
// the direction and reference point lines, removal, fixed, the orientation,
// and the refused reference point.
#include <array>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kloC_Load.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_InertiaRelief.h"
#include "support/aif_TestSupport.h"

namespace {

// An inertia relief with the free directions `free` (digits 1 to 6) and
// `point`.
kloC_InertiaRelief ReliefTestLoad(const std::string& free, cow_List<float> point = {}) {
  std::array<bool, 6> directions{};
  for (char k : free)
    directions[static_cast<std::size_t>(k - '1')] = true;
  kloC_LoadState state(1, {});
  state.SetDirections(directions);
  state.SetReferencePoint(point);
  kloC_InertiaRelief load;
  load.SetState("Step-1", 1, state);
  return load;
}

// What the load writes (or the error it throws) in a model of modelling
// space `space` with one instance, active or not.
std::string ReliefTestText(const kloC_Load& load, int space, bool active = true,
                           bool thrown = false) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  hst_ModelBuilder::InstanceOptions options;
  options.active = active;
  b.AddInstance("Block-1", "Block", options);
  b.Assembly().SetSpace(space);
  const bas_NewModel model = b.Model();
  aif_Job job("J", b.Job(), model);
  aif_ModelInfo info(job);
  const aif_InertiaRelief keyword(load, "Relief-1", "Step-1", false, info);
  return thrown ? aif_test::ThrownText(keyword) : aif_test::KeywordText(keyword);
}

TEST(aif_InertiaReliefTest, CompleteDirectionsOfEachModellingSpaceWriteNoData) {
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("123456", {1, 2, 3}), 2000), "*Inertia Relief\n");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("126"), 2000), "*Inertia Relief\n1, 2, 6\n");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("126", {1, 2, 3}), 2001), "*Inertia Relief\n");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("12", {1.5f, -2, 0.25f}), 2001),
            "*Inertia Relief\n1, 2, \n1.5,-2.,0.25\n");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("2"), 2002), "*Inertia Relief\n");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("1"), 2002), "*Inertia Relief\n1, \n");
  // No known space: never complete; no active instance: all six.
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("123456"), 2003), "*Inertia Relief\n1, 2, 3, 4, 5, 6\n");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("126"), 2001, false), "*Inertia Relief\n1, 2, 6\n");
}

TEST(aif_InertiaReliefTest, RemoveFixedOrientationAndTheReferencePoint) {
  auto load = ReliefTestLoad("12", {1, 2, 3, 4});
  load.SetDatumRef(dtmC_DatumRef{{"Block"}, "Csys"});
  // Never ", op=NEW"; the first three coordinates.
  EXPECT_EQ(ReliefTestText(load, 2000),
            "*Inertia Relief, orientation=Block-Csys\n1, 2, \n1.,2.,3.\n");
  kloC_LoadState fixed = load.ConstGetState("Step-1");
  fixed.SetFixed(true);
  load.SetState("Step-1", 11, fixed);
  EXPECT_EQ(ReliefTestText(load, 2000), "*Inertia Relief, fixed\n");
  load.SetStatus("Step-1", 4);
  EXPECT_EQ(ReliefTestText(load, 2000), "*Inertia Relief, remove\n");
  // Fewer than three coordinates are refused, unless no point is written.
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("12", {1, 2}), 2000, true, true),
            "The reference point of inertia relief \"Relief-1\" needs three coordinates");
  EXPECT_EQ(ReliefTestText(ReliefTestLoad("123456", {1}), 2000), "*Inertia Relief\n");
}

}  // namespace
