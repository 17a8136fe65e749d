// "*Inertia Relief": removal, fixed directions, the orientation, the free
// directions complete for each modelling space, the direction and reference
// point lines, and the refused reference point.
#include <array>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kloC_Load.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_InertiaRelief.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kInertiaReliefTestStep[] = "Step-1";

// An inertia relief with the free `directions` and `point` in the step.
kloC_InertiaRelief InertiaReliefTestLoad(std::array<bool, 6> directions, cow_List<float> point = {},
                                         int status = 1) {
  kloC_InertiaRelief load;
  kloC_LoadState state(status, {});
  state.SetDirections(directions);
  state.SetReferencePoint(point);
  load.SetState(kInertiaReliefTestStep, status, state);
  return load;
}

// What the load writes in a model of modelling space `space` with one
// instance, active or not.
std::string InertiaReliefText(const kloC_Load& load, int space, bool active = true,
                              bool opFlag = true) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  hst_ModelBuilder::InstanceOptions options;
  options.active = active;
  b.AddInstance("Block-1", "Block", options);
  b.Assembly().SetSpace(space);
  const bas_NewModel model = b.Model();
  aif_Job job("J", b.Job(), model);
  aif_ModelInfo info(job);
  return aif_test::KeywordText(
      aif_InertiaRelief(load, "Relief-1", kInertiaReliefTestStep, opFlag, info));
}

std::string InertiaReliefThrown(const kloC_Load& load, int space) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.Assembly().SetSpace(space);
  const bas_NewModel model = b.Model();
  aif_Job job("J", b.Job(), model);
  aif_ModelInfo info(job);
  return aif_test::ThrownText(
      aif_InertiaRelief(load, "Relief-1", kInertiaReliefTestStep, true, info));
}

constexpr std::array<bool, 6> kReliefAll = {true, true, true, true, true, true};
constexpr std::array<bool, 6> kRelief126 = {true, true, false, false, false, true};
constexpr std::array<bool, 6> kRelief12 = {true, true, false, false, false, false};

TEST(aif_InertiaReliefTest, CompleteDirectionsOfEachModellingSpaceWriteNoData) {
  // Three-dimensional: all six.
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kReliefAll, {1, 2, 3}), 2000),
            "*Inertia Relief\n");
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kRelief126), 2000),
            "*Inertia Relief\n1, 2, 6\n");
  // Planar: 1, 2 and 6.
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kRelief126, {1, 2, 3}), 2001),
            "*Inertia Relief\n");
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kRelief12, {1.5f, -2, 0.25f}), 2001),
            "*Inertia Relief\n1, 2, \n1.5,-2.,0.25\n");
  // Axisymmetric: 2.
  EXPECT_EQ(
      InertiaReliefText(InertiaReliefTestLoad({false, true, false, false, false, false}), 2002),
      "*Inertia Relief\n");
  EXPECT_EQ(
      InertiaReliefText(InertiaReliefTestLoad({true, false, false, false, false, false}), 2002),
      "*Inertia Relief\n1, \n");
  // No known space: never complete.
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kReliefAll), 2003),
            "*Inertia Relief\n1, 2, 3, 4, 5, 6\n");
  // No active instance counts as three-dimensional, whatever the space.
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kRelief126), 2001, false),
            "*Inertia Relief\n1, 2, 6\n");
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kReliefAll), 2003, false), "*Inertia Relief\n");
}

TEST(aif_InertiaReliefTest, RemoveFixedAndOrientation) {
  auto load = InertiaReliefTestLoad(kRelief12, {1, 2, 3});
  load.SetDatumRef(dtmC_DatumRef{{"Block"}, "Csys"});
  EXPECT_EQ(InertiaReliefText(load, 2000),
            "*Inertia Relief, orientation=Block-Csys\n1, 2, \n1.,2.,3.\n");
  // Never ", op=NEW".
  EXPECT_EQ(InertiaReliefText(load, 2000, true, false),
            "*Inertia Relief, orientation=Block-Csys\n1, 2, \n1.,2.,3.\n");
  // Fixed: no orientation, no data.
  kloC_LoadState fixed = load.ConstGetState(kInertiaReliefTestStep);
  fixed.SetFixed(true);
  load.SetState(kInertiaReliefTestStep, 3, fixed);
  EXPECT_EQ(InertiaReliefText(load, 2000), "*Inertia Relief, fixed\n");
  // Deactivated: removed, even when fixed; status 11 is not a removal.
  load.SetStatus(kInertiaReliefTestStep, 4);
  EXPECT_EQ(InertiaReliefText(load, 2000, true, false), "*Inertia Relief, remove\n");
  load.SetStatus(kInertiaReliefTestStep, 11);
  EXPECT_EQ(InertiaReliefText(load, 2000), "*Inertia Relief, fixed\n");
}

TEST(aif_InertiaReliefTest, ReferencePointNeedsThreeCoordinates) {
  const std::string refused =
      "The reference point of inertia relief \"Relief-1\" needs three "
      "coordinates";
  EXPECT_EQ(InertiaReliefThrown(InertiaReliefTestLoad(kRelief12, {1, 2}), 2000), refused);
  EXPECT_EQ(InertiaReliefThrown(InertiaReliefTestLoad(kRelief12, {1}), 2000), refused);
  // More than three: the first three. Complete directions read no point.
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kRelief12, {1, 2, 3, 4}), 2000),
            "*Inertia Relief\n1, 2, \n1.,2.,3.\n");
  EXPECT_EQ(InertiaReliefText(InertiaReliefTestLoad(kReliefAll, {1, 2}), 2000),
            "*Inertia Relief\n");
}

}  // namespace
