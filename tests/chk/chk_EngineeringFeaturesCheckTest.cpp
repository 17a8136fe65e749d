#include "chk/impl/chk_EngineeringFeaturesCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <memory>
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

const char* const kEfcWhollyCut =
    "All of the points to which the following springs/dashpots\nhave been applied have been "
    "suppressed, deleted or excluded\nor belong to a reference representation.\nThe "
    "springs/dashpots will not be written to the input file.\n\n";
const char* const kEfcPartlyCut =
    "At least some of the points to which the following springs/dashpots\nhave been applied "
    "has been suppressed, deleted or excluded or at\nleast a portion of the points belong to a "
    "reference representation.\n\n";
const char* const kEfcCutInertias =
    "The following Inertia objects reference a region that has been\nhas been suppressed, "
    "deleted or excluded or at least part of\nthe region belongs to a reference "
    "representation.\n\n";
const char* const kEfcUnmeshedSprings =
    "The following springs/dashpots reference regions which\nare not associated with a mesh:\n";
const char* const kEfcUnmeshedInertias =
    "The following inertias reference regions which\nare not associated with a mesh:\n";
const char* const kEfcUnmeshedCracks =
    "The following cracks reference regions which\nare not associated with a mesh:\n";

// A region with one node: one hit record.
rgnC_Region EfcPoint(const char* name) {
  rgnC_Region region(name, {"Block"});
  region.SetKernelNodeIndices(1, {0});
  return region;
}
rgnC_Region EfcDeleted(const char* name) {
  rgnC_Region region = EfcPoint(name);
  region.SetKernelValid(false);
  return region;
}
rgnC_Region EfcUnmeshed(const char* name) {
  rgnC_Region region = EfcPoint(name);
  region.SetKernelMeshAssociation(false);
  return region;
}

kefC_TwoPointSpring EfcTwoPoint(const char* name, cow_List<rgnC_RegionPair> pairs) {
  kefC_TwoPointSpring spring;
  spring.SetName(name);
  spring.SetSpringStiffness(10.0);
  spring.SetRegionPairs(std::move(pairs));
  return spring;
}
kefC_SpringToGround EfcToGround(const char* name, const rgnC_Region& region) {
  kefC_SpringToGround spring;
  spring.SetName(name);
  spring.SetDashpotCoefficient(0.5);
  spring.SetRegion(region);
  return spring;
}
kefC_PointMassInertia EfcInertia(const char* name, cow_List<rgnC_Region> regions) {
  kefC_PointMassInertia inertia;
  inertia.SetName(name);
  inertia.SetMass(1.0);
  inertia.SetRegions(std::move(regions));
  return inertia;
}

using EfcResult = chk_test::Findings;

EfcResult EfcRun(const hst_ModelBuilder& b) {
  chk_EngineeringFeaturesCheck check(b.Model(), b.Model().Name());
  check.Run();
  bas_Basis::Instance().Fetch().RemoveModel(b.Model().Name());
  return {chk_test::Texts(check.Errors()), chk_test::Texts(check.Warnings())};
}

}  // namespace

// Springs of a part used by two instances are named through the first
// instance in the warnings and by their own names in the unmeshed error; the
// assembly's springs by their own names everywhere.
TEST(chk_EngineeringFeaturesCheckTest, CutAndUnmeshedSprings) {
  hst_ModelBuilder b("Efc-Springs");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures part;
  // Listed in the order of their names, whatever the order they were added.
  part.AddSpring(EfcTwoPoint("S", {rgnC_RegionPair(EfcDeleted("A"), EfcDeleted("B"))}));
  part.AddSpring(EfcTwoPoint("Empty", {}));
  // One pair in order, one whose second region holds nothing.
  part.AddSpring(EfcTwoPoint("Half", {rgnC_RegionPair(EfcPoint("A"), EfcPoint("B")),
                                      rgnC_RegionPair(EfcPoint("C"), rgnC_Region("D", {}))}));
  part.AddSpring(EfcTwoPoint("Whole", {rgnC_RegionPair(EfcPoint("A"), EfcPoint("B"))}));
  part.AddSpring(EfcToGround("Ground", EfcDeleted("G")));
  // Two unmeshed regions: one line in the error.
  part.AddSpring(EfcTwoPoint("Mesh", {rgnC_RegionPair(EfcUnmeshed("A"), EfcUnmeshed("B"))}));
  // Neither written nor reported.
  kefC_TwoPointSpring excluded = EfcTwoPoint("Excluded", {});
  excluded.SetExcluded(true);
  part.AddSpring(excluded);
  kefC_TwoPointSpring noBehaviour = EfcTwoPoint("Bare", {});
  noBehaviour.SetFlags(false, false);
  part.AddSpring(noBehaviour);
  b.SetPartEngineeringFeatures("Block", part);
  b.AddInstance("I1", "Block");
  b.AddInstance("I2", "Block");

  kefC_EngineeringFeatures assembly;
  assembly.AddSpring(EfcToGround("AsmGround", EfcUnmeshed("G")));
  rgnC_Region gone = EfcPoint("H");
  gone.SetKernelInstancesExist(false);
  assembly.AddSpring(EfcToGround("AsmGone", gone));
  b.Assembly().SetEngineeringFeatures(assembly);

  const EfcResult result = EfcRun(b);
  EXPECT_EQ(result.errors, (std::vector<std::string>{
                               std::string(kEfcUnmeshedSprings) + "    Mesh\n",
                               std::string(kEfcUnmeshedSprings) + "    AsmGround\n",
                           }));
  EXPECT_EQ(result.warnings,
            (std::vector<std::string>{
                std::string(kEfcWhollyCut) + "    I1.Empty\n    I1.S\n",
                std::string(kEfcPartlyCut) + "    I1.Ground\n    I1.Half\n    AsmGone\n",
            }));
}

// Inertias: a cut region counts once per region (an inertia with two
// deleted regions is listed twice), an unmeshed one once per inertia.
TEST(chk_EngineeringFeaturesCheckTest, CutAndUnmeshedInertias) {
  hst_ModelBuilder b("Efc-Inertias");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures part;
  part.AddInertia(EfcInertia("Twice", {EfcDeleted("A"), EfcDeleted("B")}));
  part.AddInertia(EfcInertia("Mixed", {EfcUnmeshed("A"), EfcUnmeshed("B"), EfcDeleted("C")}));
  part.AddInertia(EfcInertia("Fine", {EfcPoint("A")}));
  kefC_PointMassInertia excluded = EfcInertia("Excluded", {EfcDeleted("A")});
  excluded.SetExcluded(true);
  part.AddInertia(excluded);
  b.SetPartEngineeringFeatures("Block", part);
  // An instance that is not active does not name the part.
  hst_ModelBuilder::InstanceOptions inactive;
  inactive.active = false;
  b.AddInstance("Block-0", "Block", inactive);
  b.AddInstance("Block-1", "Block");

  const EfcResult result = EfcRun(b);
  EXPECT_EQ(result.errors,
            (std::vector<std::string>{std::string(kEfcUnmeshedInertias) + "    Mixed\n"}));
  EXPECT_EQ(
      result.warnings,
      (std::vector<std::string>{std::string(kEfcCutInertias) +
                                "    Block-1.Mixed\n    Block-1.Twice\n    Block-1.Twice\n"}));
}

// Cracks on unmeshed regions, and XFEM crack growth interactions naming a
// crack that may not grow: one error per interaction, in the order of the
// interaction names; the crack's name is matched exactly.
TEST(chk_EngineeringFeaturesCheckTest, UnmeshedCracksAndGrowthOfStationaryCracks) {
  hst_ModelBuilder b("Efc-Cracks");
  kefC_XFEMCrack stationary;
  stationary.SetRegions(EfcPoint("Domain"), rgnC_Region());
  b.AddCrack("K", stationary);
  b.AddCrack("k", stationary);
  kefC_XFEMCrack growing = stationary;
  growing.SetAllowGrowth(true);
  b.AddCrack("Grows", growing);
  kefC_XFEMCrack unmeshed;
  unmeshed.SetRegions(EfcPoint("Domain"), EfcUnmeshed("Initial"));
  unmeshed.SetCrackSpecified(true);
  unmeshed.SetAllowGrowth(true);
  b.AddCrack("Unmeshed", unmeshed);
  kefC_XFEMCrack suppressed = unmeshed;
  suppressed.SetSuppressed(true);
  b.AddCrack("Suppressed", suppressed);
  kefC_ContourIntegral contour;
  contour.SetRegions(EfcUnmeshed("Front"), EfcPoint("Tip"));
  b.AddCrack("Contour", contour);

  const auto addGrowth = [&](const char* name, const char* crack, bool off = false) {
    kinC_XFEMCrackGrowth growth;
    growth.SetCrackName(crack);
    growth.SetSuppressed(off);
    b.AddInteraction(name, growth);
  };
  addGrowth("Growth-B", "K");
  addGrowth("Growth-A", "K");
  addGrowth("Growth-C", "K", true);
  addGrowth("Growth-D", "Grows");

  const EfcResult result = EfcRun(b);
  EXPECT_EQ(result.errors,
            (std::vector<std::string>{
                std::string(kEfcUnmeshedCracks) + "    Contour\n    Unmeshed\n",
                "XFEM crack growth interaction \"Growth-A\" references a\nstationary XFEM crack "
                "\"K\". Delete or suppress\nthe interaction, or change the crack to allow "
                "growth.\n",
                "XFEM crack growth interaction \"Growth-B\" references a\nstationary XFEM crack "
                "\"K\". Delete or suppress\nthe interaction, or change the crack to allow "
                "growth.\n",
            }));
  EXPECT_TRUE(result.warnings.empty());
}

// The findings of one run: each part's errors, then the assembly's; then the
// fastener warnings, then the three cut lists. A model whose features are in
// order finds nothing; a clone carries the findings of its source.
TEST(chk_EngineeringFeaturesCheckTest, OrderOfFindings) {
  hst_ModelBuilder clean("Efc-Clean");
  clean.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures fine;
  fine.AddSpring(EfcToGround("Ground", EfcPoint("G")));
  fine.AddInertia(EfcInertia("Mass", {EfcPoint("M")}));
  clean.SetPartEngineeringFeatures("Block", fine);
  clean.AddInstance("Block-1", "Block");
  const EfcResult nothing = EfcRun(clean);
  EXPECT_TRUE(nothing.errors.empty());
  EXPECT_TRUE(nothing.warnings.empty());

  hst_ModelBuilder b("Efc-Order");
  b.AddPart("Beta", hst_GridMesh(1, 1, 1));
  b.AddPart("Alpha", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures beta;
  beta.AddInertia(EfcInertia("BetaMass", {EfcUnmeshed("M"), EfcDeleted("N")}));
  beta.AddSpring(EfcToGround("BetaSpring", EfcUnmeshed("G")));
  b.SetPartEngineeringFeatures("Beta", beta);
  kefC_EngineeringFeatures alpha;
  alpha.AddSpring(EfcTwoPoint("AlphaSpring", {}));
  b.SetPartEngineeringFeatures("Alpha", alpha);
  // Instance order, not part or instance names, orders the parts.
  b.AddInstance("Z-Beta", "Beta");
  b.AddInstance("A-Alpha", "Alpha");
  kefC_EngineeringFeatures assembly;
  assembly.AddInertia(EfcInertia("AsmMass", {EfcUnmeshed("M")}));
  b.Assembly().SetEngineeringFeatures(assembly);
  kefC_AssembledFastener fastener;
  fastener.templateModel = "Efc-No-Template";
  fastener.prefix = "F";
  b.AddFastener("AF-1", fastener);

  chk_EngineeringFeaturesCheck check(b.Model(), "Efc-Order");
  check.Run();
  EXPECT_EQ(chk_test::Texts(check.Errors()),
            (std::vector<std::string>{
                std::string(kEfcUnmeshedSprings) + "    BetaSpring\n",
                std::string(kEfcUnmeshedInertias) + "    BetaMass\n",
                std::string(kEfcUnmeshedInertias) + "    AsmMass\n",
            }));
  const std::vector<std::string> warnings{
      "\nThe following assembled fasteners reference non-existent\ntemplate models:\n  AF-1  "
      "(Efc-No-Template)",
      std::string(kEfcWhollyCut) + "    A-Alpha.AlphaSpring\n",
      std::string(kEfcCutInertias) + "    Z-Beta.BetaMass\n",
  };
  EXPECT_EQ(chk_test::Texts(check.Warnings()), warnings);
  std::unique_ptr<chk_EngineeringFeaturesCheck> clone(check.Clone());
  EXPECT_EQ(chk_test::Texts(clone->Warnings()), warnings);
  EXPECT_EQ(clone->Errors().Length(), 3u);
  bas_Basis::Instance().Fetch().RemoveModel("Efc-Order");
}

// A failed type test of engineering features passes out of Run; the
// findings made before it stay. A model without an assembly finds nothing.
TEST(chk_EngineeringFeaturesCheckTest, FailedTypeTestAndNoAssembly) {
  hst_ModelBuilder b("Efc-Wrong");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures part;
  part.AddSpring(EfcToGround("Ground", EfcUnmeshed("G")));
  b.SetPartEngineeringFeatures("Block", part);
  b.AddInstance("Block-1", "Block");
  b.Assembly().SetEngineeringFeatures(kefC_Spring());
  chk_EngineeringFeaturesCheck check(b.Model(), "Efc-Wrong");
  EXPECT_THROW(check.Run(), nex_Exception);
  EXPECT_EQ(chk_test::Texts(check.Errors()),
            (std::vector<std::string>{std::string(kEfcUnmeshedSprings) + "    Ground\n"}));
  EXPECT_TRUE(check.Warnings().IsEmpty());
  bas_Basis::Instance().Fetch().RemoveModel("Efc-Wrong");

  hst_ModelBuilder none("Efc-None");
  none.WithoutAssembly();
  const EfcResult result = EfcRun(none);
  EXPECT_TRUE(result.errors.empty());
  EXPECT_TRUE(result.warnings.empty());
}
