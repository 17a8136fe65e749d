// "*Clearance" (a single value, bolt data with and without a datum axis) and
// "*Change Friction".
#include "aif/impl/interactions/aif_Clearance.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <string>

#include "ModKerLow/dtu_DatumAxis.h"
#include "ModKerLow/ptoK_Part.h"
#include "aif/impl/interactions/aif_ChangeFriction.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

const dtmK_Datum kNoBoltAxis(nullptr, "Model-1", dtmC_DatumRef());

cow_COW<kinC_Interaction> StandardClearancePair() {
  return cow_COW<kinC_Interaction>(kinC_SurfaceToSurfaceContactStd());
}

cow_COW<kinC_Interaction> ExplicitClearancePair() {
  return cow_COW<kinC_Interaction>(kinC_SurfaceToSurfaceContactXpl());
}

std::string StandardClearanceText(const kinC_ClearanceData& data,
                                  const dtmK_Datum& axis = kNoBoltAxis) {
  return KeywordText(
      aif_Clearance(StandardClearancePair(), data, "Bolt-Set", axis, "Inst.M", "Inst.S"));
}

// A part holding the bolt's datum axis "Bolt axis" through (1, 2, 3) along
// z, and a datum "Point" that is no axis.
class aif_ClearanceTest : public ::testing::Test {
 protected:
  aif_ClearanceTest() {
    dtu_DatumAxis axis({1, 2, 3}, {0, 0, 2});
    axis.SetId(1);
    axis.SetName("Bolt axis");
    part_.FeatureList().Add(axis);
    dtu_Datum point;
    point.SetId(2);
    point.SetName("Point");
    part_.FeatureList().Add(point);
  }
  dtmK_Datum Datum(const char* name) const { return dtmK_Datum(&part_, "Model-1", {{}, name}); }

  ptoK_Part part_{"Bolt"};
};

TEST_F(aif_ClearanceTest, ValueAndNone) {
  kinC_ClearanceData data;
  EXPECT_EQ(StandardClearanceText(data), "");
  EXPECT_EQ(
      KeywordText(aif_Clearance(cow_COW<kinC_Interaction>(), data, "", kNoBoltAxis, "M", "S")), "");

  data.clearanceType = 2;
  data.value = 0.05;
  EXPECT_EQ(StandardClearanceText(data), "*Clearance, master=Inst.M, slave=Inst.S, value=0.05\n");
  // Explicit pairs name their pair set, printable as "*Contact Pair" writes it.
  EXPECT_EQ(KeywordText(aif_Clearance(ExplicitClearancePair(), data, "", kNoBoltAxis, "Pair 1")),
            "*Clearance, cpset=\"Pair 1\", value=0.05\n");

  // Two long surface names: the line goes on on the next one once it has
  // grown long, never past the 256 characters the solver reads.
  const std::string master = "Inst-7." + std::string(80, 'm');
  const std::string slave = "Inst-6." + std::string(80, 's');
  EXPECT_EQ(KeywordText(aif_Clearance(StandardClearancePair(), data, "Bolt-Set", kNoBoltAxis,
                                      master.c_str(), slave.c_str())),
            "*Clearance, master=" + master + ", slave=" + slave + ", \nvalue=0.05\n");

  // Another type code: the keyword line alone.
  data.clearanceType = 3;
  EXPECT_EQ(StandardClearanceText(data), "*Clearance, master=Inst.M, slave=Inst.S\n");

  // Self contact has no clearance: the type test stops the write.
  const cow_COW<kinC_Interaction> self{kinC_SelfContactStd()};
  EXPECT_NE(ThrownText(aif_Clearance(self, data, "", kNoBoltAxis, "M", "S"))
                .find("kinC_SurfaceToSurfaceContactXpl"),
            std::string::npos);
}

TEST_F(aif_ClearanceTest, BoltData) {
  kinC_ClearanceData data;
  data.clearanceType = 1;
  data.bolt[0] = 0.5;
  data.bolt[1] = 0.25;
  // Unset third and fourth values, unset clearance value, no datum.
  const std::string line = "*Clearance, master=Inst.M, slave=Inst.S, bolt, tabular\n";
  EXPECT_EQ(StandardClearanceText(data), line + "0.5, 0.25, , \nBolt-Set, \n");
  data.value = DBL_MIN;
  EXPECT_EQ(StandardClearanceText(data), line + "0.5, 0.25, , \nBolt-Set, \n");

  // Without a valid datum: the set name and the value only.
  data.value = 0.01;
  data.bolt[2] = 3.0;
  data.bolt[3] = 4.0;
  EXPECT_EQ(StandardClearanceText(data), line + "0.5, 0.25, 3., 4.\nBolt-Set, 0.01\n");
  EXPECT_EQ(StandardClearanceText(data, Datum("Missing")),
            line + "0.5, 0.25, 3., 4.\nBolt-Set, 0.01\n");
  EXPECT_EQ(StandardClearanceText(data, Datum("Point")),
            line + "0.5, 0.25, 3., 4.\nBolt-Set, 0.01\n");

  // A datum axis: its origin and the origin moved along the direction,
  // the direction turned round when flipped.
  EXPECT_EQ(StandardClearanceText(data, Datum("Bolt axis")),
            line + "0.5, 0.25, 3., 4.\nBolt-Set, 0.01, 1., 2., 3., 1., 2., 5.\n");
  data.flipBoltAxis = true;
  EXPECT_EQ(StandardClearanceText(data, Datum("Bolt axis")),
            line + "0.5, 0.25, 3., 4.\nBolt-Set, 0.01, 1., 2., 3., 1., 2., 1.\n");
}

TEST(aif_ChangeFriction, NameWrittenPrintableOnce) {
  EXPECT_EQ(KeywordText(aif_ChangeFriction("IntProp-1")),
            "*Change Friction, interaction=IntProp-1\n");
  // A generated "_N-Prop" name comes composed and is quoted as a whole.
  const cow_String generated("_Bolt pair-Prop");
  EXPECT_EQ(KeywordText(aif_ChangeFriction(generated)),
            "*Change Friction, interaction=\"_Bolt pair-Prop\"\n");
  EXPECT_EQ(ThrownText(aif_ChangeFriction("_Bolt\"1-Prop")),
            "The interaction property name _Bolt\"1-Prop holds an unpaired double quote and "
            "cannot be written to the input file.");
}

}  // namespace
