// Boundary-condition op status: the category of every kind, and which steps
// a deactivated or modified condition, or a bolt load, marks.

#include "aif/impl/conditions/aif_BCOpStatus.h"
#include "aif_OpStatusTestSupport.h"

#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbcC_RetainedNodalDofsBC.h"
#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

cow_List<cow_String> BcOpSteps(std::initializer_list<const char*> names) {
  cow_List<cow_String> steps;
  for (const char* name : names)
    steps.Append(name);
  return steps;
}

// A bolt load with `status` in Step-1 and the method attribute given there.
kloC_BoltLoad BcOpBolt(int status, kloC_BoltLoadMethodEnm method, bool methodModified) {
  kloC_BoltLoad bolt;
  kloC_LoadState state;
  state.SetMethod(method, 1, methodModified);
  bolt.SetState("Step-1", status, state);
  return bolt;
}

// A load claiming the bolt load's type id that is no bolt load.
class BcOpFakeBolt : public kloC_Load {
 public:
  unsigned DynTypeId() const override { return kloC_BoltLoad::kTypeId; }
  BcOpFakeBolt* Clone() const override { return new BcOpFakeBolt(*this); }
};

std::string BcOpKeyError(unsigned typeId) {
  aif_BCOpStatus status;
  bool flag = true;
  try {
    status.StatusKey(typeId, flag);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "no error";
}

}  // namespace

TEST(aif_BCOpStatusTest, StatusKeyCategories) {
  aif_BCOpStatus status;
  bool flag = true;
  for (unsigned typeId :
       {0x2880024u, 0x2980005u, 0x2980007u, 0x2980009u, 0x298000cu, 0x298000eu, 0x2980010u,
        0x2980014u, 0x2980016u, 0x2980018u, 0x298001au, 0x298001cu, 0x2980022u, 0x2980031u,
        0x2980033u, 0x2980038u, 0x298003bu, 0x298003eu, 0x2980042u})
    EXPECT_EQ(0, status.StatusKey(typeId, flag)) << std::hex << typeId;
  EXPECT_EQ(0, status.StatusKey(kbcC_RetainedNodalDofsBC::TypeId(), flag));
  EXPECT_EQ(0, status.StatusKey(kbcC_SubmodelBC::TypeId(), flag));
  EXPECT_EQ(1, status.StatusKey(kbcC_ConnDisplacementBC::TypeId(), flag));
  EXPECT_EQ(1, status.StatusKey(kbcC_ConnVelocityBC::TypeId(), flag));
  EXPECT_EQ(1, status.StatusKey(kbcC_ConnAccelerationBC::TypeId(), flag));

  // The connector base kind, the abstract distributed kind and other kernel
  // objects have no category.
  for (unsigned typeId : {kbcC_ConnectorBC::TypeId(), kbcC_DistributedBC::TypeId(),
                          kloC_ConcentratedForce::TypeId(), 0u})
    EXPECT_EQ("Unimplemented bc->statusKey conversion", BcOpKeyError(typeId));
}

TEST(aif_BCOpStatusTest, ConditionsMarkRemovalsAndRealModifications) {
  const auto steps = BcOpSteps({"Initial", "Step-1", "Step-2", "Step-3", "Step-4", "Step-5"});
  kprC_PropagatingContainer<kbcC_BC> conditions;
  // Deactivated in Step-1 (4): category 0 only.
  conditions.Set("A", WithStepStatuses<kbcC_DisplacementBC>({{"Initial", 4}, {"Step-1", 4}}));
  // Created (1) and carried over (2), statuses 5 to 9 and 12: no mark.
  conditions.Set("B",
                 WithStepStatuses<kbcC_TemperatureBC>(
                     {{"Step-1", 1}, {"Step-2", 2}, {"Step-3", 5}, {"Step-4", 9}, {"Step-5", 12}}));
  // Modified (3, 10): a mark only where the modification test holds.
  auto modified = WithStepStatuses<kbcC_VelocityBC>({{"Step-2", 3}, {"Step-3", 10}, {"Step-4", 3}});
  modified.SetModified("Step-3", true);
  conditions.Set("C", modified);
  // Suppressed: never.
  auto suppressed = WithStepStatuses<kbcC_DisplacementBC>({{"Step-5", 4}});
  suppressed.SetSuppressed(true);
  conditions.Set("D", suppressed);
  // A connector displacement deactivated in Step-4 (11): category 1 only.
  conditions.Set("E", WithStepStatuses<kbcC_ConnDisplacementBC>({{"Initial", 11}, {"Step-4", 11}}));

  aif_BCOpStatus status;
  status.BuildBCOpStatus(conditions, kprC_PropagatingContainer<kloC_Load>(), steps);
  EXPECT_EQ("010100", OpStatusFlags(status, 0));
  EXPECT_EQ("000010", OpStatusFlags(status, 1));
  EXPECT_TRUE(status.NeedsNewOp(kbcC_EulerianBC::TypeId(), "Step-3"));
  EXPECT_FALSE(status.NeedsNewOp(kbcC_ConnVelocityBC::TypeId(), "Step-3"));

  // One step besides the initial step, one displacement deactivated there.
  kprC_PropagatingContainer<kbcC_BC> single;
  single.Set("Fixed", WithStepStatuses<kbcC_DisplacementBC>({{"Step-1", 4}}));
  aif_BCOpStatus one;
  one.BuildBCOpStatus(single, kprC_PropagatingContainer<kloC_Load>(),
                      BcOpSteps({"Initial", "Step-1"}));
  EXPECT_EQ("01", OpStatusFlags(one, 0));
  EXPECT_EQ("00", OpStatusFlags(one, 1));

  // A condition of a kind without a category stops the build.
  kprC_PropagatingContainer<kbcC_BC> unknown;
  unknown.Set("Odd", WithStepStatuses<kbcC_ConnectorBC>({{"Step-1", 4}}));
  aif_BCOpStatus refused;
  try {
    refused.BuildBCOpStatus(unknown, kprC_PropagatingContainer<kloC_Load>(),
                            BcOpSteps({"Initial", "Step-1"}));
    ADD_FAILURE() << "no exception";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(std::string("Unimplemented bc->statusKey conversion"), e.Message().Str());
  }
}

TEST(aif_BCOpStatusTest, BoltLoadsMarkMethodChangesAndRemovals) {
  const auto steps = BcOpSteps({"Initial", "Step-1"});
  // Each case alone in Step-1: the category-0 flags it leaves.
  struct Case {
    int status;
    kloC_BoltLoadMethodEnm method;
    bool methodModified;
    const char* flags;
  } cases[] = {
      {1, kloC_ADJUST_LENGTH, true, "00"},  // created: never, whatever the method
      {1, kloC_FIX_LENGTH, false, "00"},
      {2, kloC_APPLY_FORCE, true, "01"},  // method changed in the step
      {3, kloC_ADJUST_LENGTH, true, "01"},
      {3, kloC_ADJUST_LENGTH, false, "00"},  // modified, method kept
      {4, kloC_APPLY_FORCE, false, "00"},    // removed with method 0
      {4, kloC_ADJUST_LENGTH, false, "01"},  // removed with another method
      {4, kloC_APPLY_FORCE, true, "01"},
      {8, kloC_FIX_LENGTH, true, "00"},  // status 8: never
  };
  for (const Case& c : cases) {
    kprC_PropagatingContainer<kloC_Load> loads;
    loads.Set("Bolt", BcOpBolt(c.status, c.method, c.methodModified));
    aif_BCOpStatus status;
    status.BuildBCOpStatus(kprC_PropagatingContainer<kbcC_BC>(), loads, steps);
    EXPECT_EQ(c.flags, OpStatusFlags(status, 0))
        << "status " << c.status << " method " << c.method << " modified " << c.methodModified;
    EXPECT_EQ("00", OpStatusFlags(status, 1));
  }

  // Suppressed bolt loads and other loads are not looked at; the initial
  // step is never marked.
  kprC_PropagatingContainer<kloC_Load> others;
  kloC_BoltLoad suppressed = BcOpBolt(4, kloC_FIX_LENGTH, true);
  suppressed.SetSuppressed(true);
  others.Set("Bolt", suppressed);
  kloC_BoltLoad initial;
  kloC_LoadState state;
  state.SetMethod(kloC_FIX_LENGTH, 1, true);
  initial.SetState("Initial", 4, state);
  others.Set("Early", initial);
  kloC_ConcentratedForce force;
  force.SetStatus("Step-1", 4);
  others.Set("Force", force);
  aif_BCOpStatus status;
  status.BuildBCOpStatus(kprC_PropagatingContainer<kbcC_BC>(), others, steps);
  EXPECT_EQ("00", OpStatusFlags(status, 0));

  // A load with the bolt load's type id that is not one fails its type test.
  kprC_PropagatingContainer<kloC_Load> fake;
  fake.Set("Fake", BcOpFakeBolt());
  aif_BCOpStatus refused;
  try {
    refused.BuildBCOpStatus(kprC_PropagatingContainer<kbcC_BC>(), fake, steps);
    ADD_FAILURE() << "no exception";
  } catch (const nex_TextException& e) {
    EXPECT_NE(std::string::npos,
              e.Text().Str().find("module/aif/impl/conditions/aif_BCOpStatus.cpp"))
        << e.Text().Str();
  }
}
