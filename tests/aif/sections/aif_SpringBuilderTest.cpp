// Springs and dashpots: the property and element keywords, and where the
// spring builder files them (part, instance, assembly) with which labels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "aif/impl/sections/aif_SpringBuilder.h"
#include "aif/impl/sections/aif_SpringElement.h"
#include "aif/impl/sections/aif_SpringProperty.h"
#include "aif_FeatureTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

using aif_test::FeatureRegion;
using SpringBuilt = aif_test::FeatureBuilt<aif_SpringBuilder>;

TEST(aif_SpringProperty, DegreesOfFreedomOrientationAndValueLines) {
  EXPECT_EQ(aif_test::KeywordText(aif_SpringProperty("*Spring", "S-spring", 1, 3, 1000.0, "")),
            "*Spring, elset=S-spring\n1, 3\n1000.\n");
  EXPECT_EQ(aif_test::KeywordText(aif_SpringProperty("*Dashpot", "S-dashpot", 0, 0, 0.5, "Csys-1")),
            "*Dashpot, elset=S-dashpot, orientation=Csys-1\n\n0.5\n");
  EXPECT_EQ(aif_test::KeywordText(aif_SpringProperty("*Spring", "S-spring", 2, 0, 2.5e7, "")),
            "*Spring, elset=S-spring\n2\n2.5e+07\n");

  auto table = std::make_shared<aif_SpringElement::LabelTable>();
  const aif_SpringElement empty(table, "SpringA", "S-spring");
  EXPECT_EQ(aif_test::KeywordText(empty), "");
  (*table)[12] = "Inst.3, Inst.7";
  (*table)[-2] = "4";
  (*table)[5] = "1, 2";
  EXPECT_EQ(aif_test::KeywordText(aif_SpringElement(table, "SpringA", "S-spring")),
            "*Element, type=SpringA, elset=S-spring\n-2, 4\n5, 1, 2\n12, Inst.3, Inst.7\n");
}

kefC_TwoPointSpring TwoPoint(const char* name, int kind, const rgnC_Region& a,
                             const rgnC_Region& b) {
  kefC_TwoPointSpring spring;
  spring.SetName(name);
  spring.SetKind(kind);
  spring.SetRegionPairs({rgnC_RegionPair(a, b)});
  spring.SetDofs(1, 1);
  return spring;
}

TEST(aif_SpringBuilder, PartInstanceAndAssemblySprings) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddPart("Light", hst_GridMesh(2, 1, 1));
  // Ids: Block-1 1, Light-1 2, Light-2 3.
  const rgnC_Region a = FeatureRegion("A", {"Block"}, {1}, {0});
  const rgnC_Region c = FeatureRegion("C", {"Block"}, {1}, {6, 7});
  kefC_EngineeringFeatures block;
  kefC_TwoPointSpring pair = TwoPoint("Pair", 0, a, c);
  pair.SetSpringStiffness(100.0);
  pair.SetDashpotCoefficient(0.5);
  block.AddSpring(pair);
  kefC_TwoPointSpring odd = TwoPoint("Odd", 7, a, c);
  odd.SetSpringStiffness(1.0);
  block.AddSpring(odd);
  kefC_TwoPointSpring none = TwoPoint("None", 1, a, c);  // neither spring nor dashpot
  block.AddSpring(none);
  kefC_TwoPointSpring excluded = TwoPoint("Excluded", 1, a, c);
  excluded.SetSpringStiffness(1.0);
  excluded.SetExcluded(true);
  block.AddSpring(excluded);
  kefC_SpringToGround ground;
  ground.SetName("Ground");
  ground.SetRegion(FeatureRegion("G", {"Block"}, {1}, {1, 2, 3}));
  ground.SetDofs(0, 0);
  ground.SetSpringStiffness(5.0);
  block.AddSpring(ground);
  b.SetPartEngineeringFeatures("Block", block);

  kefC_EngineeringFeatures light;
  kefC_SpringToGround quoted;
  quoted.SetName("My spring");
  quoted.SetRegion(FeatureRegion("P", {"Light"}, {2, 3}, {0}));
  quoted.SetDofs(3, 0);
  quoted.SetDashpotCoefficient(2.0);
  light.AddSpring(quoted);
  b.SetPartEngineeringFeatures("Light", light);

  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions lightweight;
  lightweight.lightweight = true;
  b.AddInstance("Light-1", "Light", lightweight);
  b.AddInstance("Light-2", "Light", lightweight);
  hst_ModelBuilder::InstanceOptions locked;
  locked.locks = ftr_LOCK_MESH;
  b.AddInstance("Block-2", "Block", locked);  // id 4: its mesh is not written

  kefC_EngineeringFeatures assembly;
  kefC_SpringToGround lockedGround;
  lockedGround.SetName("OnLocked");
  lockedGround.SetRegion(FeatureRegion("L", {"Assembly"}, {4}, {0}));
  lockedGround.SetSpringStiffness(1.0);
  assembly.AddSpring(lockedGround);
  kefC_TwoPointSpring across = TwoPoint("Across", 1, FeatureRegion("X", {"Assembly"}, {1}, {4}),
                                        FeatureRegion("Y", {"Assembly"}, {2}, {0}));
  across.SetSpringStiffness(3.0);
  across.SetDofs(2, 0);
  assembly.AddSpring(across);
  b.Assembly().SetEngineeringFeatures(assembly);

  const SpringBuilt built(b);
  // In the instance: by name, springs before dashpots before elements, the
  // labels unqualified and fresh after the instance's one element.
  EXPECT_EQ(built.Instance("Block-1"),
            "*Spring, elset=Ground-spring\n\n5.\n"
            "*Element, type=Spring1, elset=Ground-spring\n2, 2\n3, 3\n4, 4\n"
            "*Spring, elset=Odd-spring\n1, 1\n1.\n"
            "*Element, type=Spring, elset=Odd-spring\n5, 1, 7\n"
            "*Spring, elset=Pair-spring\n1, 1\n100.\n"
            "*Dashpot, elset=Pair-dashpot\n1, 1\n0.5\n"
            "*Element, type=SpringA, elset=Pair-spring\n6, 1, 7\n"
            "*Element, type=DashpotA, elset=Pair-dashpot\n7, 1, 7\n");
  // Two lightweight instances: their part's springs once, in the part; the
  // composed name is quoted whole.
  EXPECT_EQ(built.Part("Light"),
            "*Dashpot, elset=\"My spring-dashpot\"\n3\n2.\n"
            "*Element, type=Dashpot1, elset=\"My spring-dashpot\"\n3, 1\n");
  EXPECT_EQ(built.Instance("Light-1") + built.Instance("Light-2") + built.Part("Block") +
                built.Instance("Block-2"),
            "");
  // The assembly's nodes are qualified by their instances; nodes of an
  // instance whose mesh is not written give no element.
  EXPECT_EQ(built.Assembly(),
            "*Spring, elset=Across-spring\n2\n3.\n"
            "*Element, type=Spring2, elset=Across-spring\n1, Block-1.5, Light-1.1\n");
}

TEST(aif_SpringBuilder, FlatFilesOrientationsAndModelsWithoutAssembly) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures block;
  kefC_TwoPointSpring pair = TwoPoint("S", 0, FeatureRegion("A", {"Block"}, {1, 2}, {0}),
                                      FeatureRegion("B", {"Block"}, {1, 2}, {7}));
  pair.SetSpringStiffness(10.0);
  pair.SetOrientationDatum(dtmC_DatumRef{{"Block"}, "Csys"});
  block.AddSpring(pair);
  b.SetPartEngineeringFeatures("Block", block);
  b.AddInstance("B-1", "Block");
  b.AddInstance("B-2", "Block");

  // Part-based: each instance names the datum's full name.
  const SpringBuilt parts(b);
  EXPECT_EQ(parts.Instance("B-2"),
            "*Spring, elset=S-spring, orientation=Block-Csys\n1, 1\n10.\n"
            "*Element, type=SpringA, elset=S-spring\n2, 1, 8\n");

  // Flat: the instances' sets and orientations carry the instance's name,
  // and the labels their offsets.
  b.Assembly().SetRequiresFlatInputFile(true);
  const SpringBuilt flat(b);
  EXPECT_EQ(flat.Instance("B-1"),
            "*Spring, elset=B-1_S-spring, orientation=B-1_Block-Csys\n1, 1\n10.\n"
            "*Element, type=SpringA, elset=B-1_S-spring\n3, 1, 8\n");
  EXPECT_EQ(flat.Instance("B-2"),
            "*Spring, elset=B-2_S-spring, orientation=B-2_Block-Csys\n1, 1\n10.\n"
            "*Element, type=SpringA, elset=B-2_S-spring\n4, 9, 16\n");

  hst_ModelBuilder without;
  without.AddPart("Block", hst_GridMesh(1, 1, 1));
  without.SetPartEngineeringFeatures("Block", block);
  without.WithoutAssembly();
  const SpringBuilt nothing(without);
  EXPECT_EQ(nothing.Part("Block") + nothing.Assembly() + nothing.Model(), "");
}

}  // namespace

namespace {

// A part "Block" with a spring to ground named `spring` and a point mass,
// its instance "Block-1", and an assembly spring between the instance's
// nodes.
hst_ModelBuilder SpringDeckModel(const char* spring) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures block;
  kefC_SpringToGround ground;
  ground.SetName(spring);
  ground.SetRegion(FeatureRegion("G", {"Block"}, {1}, {0}));
  ground.SetDofs(3, 0);
  ground.SetSpringStiffness(5.0);
  block.AddSpring(ground);
  kefC_PointMassInertia point;
  point.SetName("M");
  point.SetRegions({FeatureRegion("Tip", {"Block"}, {1}, {7})});
  point.SetMass(2.0);
  block.AddInertia(point);
  b.SetPartEngineeringFeatures("Block", block);
  b.AddInstance("Block-1", "Block");
  kefC_EngineeringFeatures assembly;
  kefC_TwoPointSpring tie = TwoPoint("Tie", 1, FeatureRegion("X", {"Assembly"}, {1}, {1}),
                                     FeatureRegion("Y", {"Assembly"}, {1}, {2}));
  tie.SetSpringStiffness(1.0);
  assembly.AddSpring(tie);
  b.Assembly().SetEngineeringFeatures(assembly);
  return b;
}

TEST(aif_SpringBuilder, DeckOrderAndAnUnwritableNameLeavesNoFile) {
  hst_ModelBuilder b = SpringDeckModel("Ground");
  const aif_test::TempDeck deck("aif_SpringBuilderTest");
  const std::string text = deck.Write(b);
  // Inertias, then springs, in the instance block; the assembly's springs
  // after the instances.
  const std::size_t from = text.find("1, 1, 2, 4, 3, 5, 6, 8, 7\n");
  ASSERT_NE(from, std::string::npos) << text;
  EXPECT_EQ(text.substr(from),
            "1, 1, 2, 4, 3, 5, 6, 8, 7\n"
            "*Element, type=MASS, elset=Block-1__M_Tip\n2, 8\n"
            "*Mass, elset=Block-1__M_Tip\n2., \n"
            "*Spring, elset=Ground-spring\n3\n5.\n"
            "*Element, type=Spring1, elset=Ground-spring\n3, 1\n"
            "*End Instance\n"
            "**  \n"
            "*Spring, elset=Tie-spring\n1, 1\n1.\n"
            "*Element, type=Spring2, elset=Tie-spring\n1, Block-1.2, Block-1.3\n"
            "*End Assembly\n");

  // A name the file cannot carry stops the write: no file is left, and an
  // existing one is gone too.
  std::ofstream(deck.Path()) << "old\n";
  const bas_NewModel model = SpringDeckModel("Q\"1").Model();
  aif_Job job("Job-1", SpringDeckModel("Q\"1").Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  try {
    builder.WriteInputFile(deck.Path(), false, true);
    ADD_FAILURE() << "the write went through";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(e.Message().Str(),
              "The element set name Q\"1-spring holds an unpaired double quote and cannot be "
              "written to the input file.");
  }
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
}

}  // namespace
