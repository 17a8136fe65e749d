// The initial conditions without a predefined field: a contact pair's line,
// an actuator's solution values laid out eight entries a line, and an XFEM
// crack's enrichment from given node entries or from its level sets.
#include <gtest/gtest.h>

#include <string>

#include "ModKerLow/mgt_LevelSetMgr.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

class aif_InitialOtherTest : public aif_FieldTestModel {
 protected:
  std::string Contact(const kinC_SurfaceToSurfaceContactStd& contact, bool flat = false) {
    return aif_test::KeywordText(
        aif_InitialConditions(contact, &Info(flat), kinC_SurfaceToSurfaceContactStd::TypeId()));
  }
  std::string Solution(std::initializer_list<double> values, int count) {
    kinC_ActuatorSensor actuator;
    actuator.SetVariables(static_cast<int>(values.size()), values);
    return aif_test::KeywordText(
        aif_InitialConditions(actuator, "Act-1", count, &Info(), kinC_ActuatorSensor::TypeId()));
  }
  std::string Enrichment(const kefC_XFEMCrack& crack, bool flat = false) {
    return aif_test::KeywordText(
        aif_InitialConditions(crack, "Crack 1", &Info(flat), kefC_XFEMCrack::TypeId()));
  }

  // A crack whose domain's level sets lie on `instance`: node 5 with one
  // value, node 1 with two.
  static kefC_XFEMCrack LevelSetCrack(const char* instance, bool computable = true) {
    rgnC_Region domain("Domain", {"Assembly"});
    rgnC_LevelSetNode first;
    first.label = 5;
    first.number = 3;
    first.first = 0.25;
    rgnC_LevelSetNode second;
    second.label = 1;
    second.number = 4;
    second.first = -0.5;
    second.hasSecond = true;
    second.second = 0.125;
    domain.SetKernelLevelSets(instance, {first, second}, computable);
    kefC_XFEMCrack crack;
    crack.SetRegions(domain, rgnC_Region("Crack", {"Assembly"}));
    crack.SetCrackSpecified(true);
    return crack;
  }
};

constexpr char kContactLine[] = "*Initial Conditions, type=CONTACT\n";
constexpr char kEnrichmentLine[] = "*Initial Conditions, type=ENRICHMENT\n";

TEST_F(aif_InitialOtherTest, ContactNamesSecondSurfaceFirst) {
  kinC_SurfaceToSurfaceContactStd contact;
  contact.SetSurfaces(rgnC_Region("Slave", {"Assembly", "Block-1"}),
                      rgnC_Region("Master", {"Assembly", "Block-2"}));
  // Without a node set: both surfaces, each followed by ", ".
  EXPECT_EQ(Contact(contact), std::string(kContactLine) + "Block-2.Master, Block-1.Slave, \n");
  contact.SetNodeSetRegion(rgnC_Region("Gap", {"Assembly", "Block-1"}));
  EXPECT_EQ(Contact(contact),
            std::string(kContactLine) + "Block-2.Master, Block-1.Slave, Block-1.Gap\n");
  EXPECT_EQ(Contact(contact, true),
            std::string(kContactLine) + "Block-2_Master, Block-1_Slave, Block-1_Gap\n");
}

TEST_F(aif_InitialOtherTest, SolutionValuesEightEntriesALine) {
  constexpr char kHeader[] = "*Initial Conditions, type=SOLUTION\n";
  // Eight values: the name and seven, then the eighth alone with ", ".
  EXPECT_EQ(Solution({1, 2, 3, 4, 5, 6, 7, 8}, 8),
            std::string(kHeader) + "Act-1, 1., 2., 3., 4., 5., 6., 7.\n8., \n");
  // No values: the name and ", ", then empty lines up to 8 / 8 + 1 lines.
  EXPECT_EQ(Solution({}, 8), std::string(kHeader) + "Act-1, \n\n");
  EXPECT_EQ(Solution({}, 3), std::string(kHeader) + "Act-1, \n");
  // Fifteen values fill two lines exactly; twenty values want three.
  EXPECT_EQ(Solution({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 20),
            std::string(kHeader) +
                "Act-1, 1., 2., 3., 4., 5., 6., 7.\n8., 9., 10., 11., 12., 13., 14., 15.\n\n");
  EXPECT_EQ(Solution({0.5, 1.5}, 2), std::string(kHeader) + "Act-1, 0.5, 1.5\n");
}

TEST_F(aif_InitialOtherTest, EnrichmentFromNodeEntriesAndLevelSets) {
  // Neither specified nor given entries: nothing.
  EXPECT_EQ(Enrichment(kefC_XFEMCrack()), "");

  // Given node entries: the crack named in printable form, the second value
  // where the entry's flag is set.
  kefC_XFEMCrack given = LevelSetCrack("Block-1");
  given.AddNodeEntry(3, 1, 0.5, 0, 9.0);
  given.AddNodeEntry(4, 2, -0.25, 1, 0.75);
  EXPECT_EQ(Enrichment(given), std::string(kEnrichmentLine) +
                                   "Block-1.3, 1, \"Crack 1\", 0.5\n"
                                   "Block-1.4, 2, \"Crack 1\", -0.25, 0.75\n");

  // Level sets: the number, "," and the crack, the values.
  const kefC_XFEMCrack crack = LevelSetCrack("Block-2");
  EXPECT_EQ(Enrichment(crack), std::string(kEnrichmentLine) +
                                   "Block-2.5, 3,\"Crack 1\", 0.25\n"
                                   "Block-2.1, 4,\"Crack 1\", -0.5, 0.125\n");
  // A flat file shifts the labels as it shifts Block-2's mesh (after
  // Block-1's twelve nodes); Block-1's stay.
  EXPECT_EQ(Enrichment(crack, true), std::string(kEnrichmentLine) +
                                         "17, 3,\"Crack 1\", 0.25\n"
                                         "13, 4,\"Crack 1\", -0.5, 0.125\n");
  EXPECT_EQ(Enrichment(given, true), std::string(kEnrichmentLine) +
                                         "3, 1, \"Crack 1\", 0.5\n"
                                         "4, 2, \"Crack 1\", -0.25, 0.75\n");
  // Level sets of the assembly's own nodes: no prefix, no shift.
  for (bool flat : {false, true})
    EXPECT_EQ(Enrichment(LevelSetCrack(""), flat), std::string(kEnrichmentLine) +
                                                       "5, 3,\"Crack 1\", 0.25\n"
                                                       "1, 4,\"Crack 1\", -0.5, 0.125\n")
        << flat;

  // A manager that is not valid, or whose computation fails: the header
  // line only.
  kefC_XFEMCrack invalid = LevelSetCrack("Block-1");
  rgnC_Region domain = invalid.CrackDomain();
  domain.SetKernelValid(false);
  invalid.SetRegions(domain, invalid.InitialCrack());
  EXPECT_EQ(Enrichment(invalid), kEnrichmentLine);
  EXPECT_EQ(Enrichment(LevelSetCrack("Block-1", false)), kEnrichmentLine);
}

}  // namespace
