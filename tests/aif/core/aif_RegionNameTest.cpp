// Region names: scoped names in part-based and flat files, the set name of a
// region in each of its cases, and the suffix.

#include "aif/impl/core/aif_RegionName.h"

#include <gtest/gtest.h>

#include <memory>

#include "HostModules/hst_ModelBuilder.h"
#include "support/aif_TestSupport.h"
#include "ModKerLow/rgnF_Utils.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kNoPartsKey[] = "cae_no_parts_input_file";

struct Context {
  explicit Context(const hst_ModelBuilder& b) : job("J", b.Job(), b.Model()), info(job) {}
  aif_Job job;
  aif_ModelInfo info;
};

rgnF_GeomSurface Surface(unsigned id, const cow_String& name, rgnC_Region region = {}) {
  rgnF_GeomSurface surface;
  surface.SetId(id);
  surface.SetName(name);
  surface.SetRegion(std::move(region));
  return surface;
}

// Instances of analytic rigid parts: "R-1" (id 5; part surfaces "_Gen",
// "Top"), "R-2" (id 6; only "_Gen") and "R-3" (id 7; none), which the
// assembly's rigid surface "AsmRigid" names. Region owners are plain names.
class aif_RegionNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddRigidInstance(5, "R-1", {"_Gen", "Top"});
    AddRigidInstance(6, "R-2", {"_Gen"});
    AddRigidInstance(7, "R-3", {});
    rgnC_Region assemblyRigid("AsmRigid", {"Assembly"});
    assemblyRigid.SetKernelContainsAnalRigidSurf(true);
    assemblyRigid.SetKernelInstanceIds({7});
    b_.Assembly().FeatureList().Add(Surface(20, "AsmRigid", assemblyRigid));

    parts_ = std::make_unique<Context>(b_);
    pyo_MorvexEnvFile::Instance().Set(kNoPartsKey, 1);
    flat_ = std::make_unique<Context>(b_);
    pyo_MorvexEnvFile::Instance().Remove(kNoPartsKey);
    ASSERT_TRUE(parts_->info.IsPartBased());
    ASSERT_FALSE(flat_->info.IsPartBased());
  }
  void TearDown() override { pyo_MorvexEnvFile::Instance().Remove(kNoPartsKey); }

  void AddRigidInstance(unsigned id, const cow_String& name,
                        std::initializer_list<const char*> surfaces) {
    auto part = std::make_shared<ptoK_Part>("R");
    part->SetAnalysis(ptoK_ANALYTIC_RIGID);
    unsigned surfaceId = 100 * id;
    for (const char* surface : surfaces)
      part->FeatureList().Add(Surface(++surfaceId, surface));
    asoF_PartInstance instance;
    instance.SetId(id);
    instance.SetName(name);
    instance.SetPart(part);
    b_.Assembly().FeatureList().Add(instance);
  }

  const aif_ModelInfo& Parts() const { return parts_->info; }
  const aif_ModelInfo& Flat() const { return flat_->info; }

  hst_ModelBuilder b_;
  std::unique_ptr<Context> parts_, flat_;
};

const rgnC_Region kPartSet("S", {"P"});
const rgnC_Region kInstanceSet("S", {"Assembly", "I"});
const rgnC_Region kAssemblySet("S", {"Assembly"});

TEST_F(aif_RegionNameTest, ScopedNamesInAPartBasedFile) {
  const aif_RegionName instance(kInstanceSet, Parts());
  EXPECT_EQ(instance.QualifiedName(0), "");
  EXPECT_EQ(instance.QualifiedName(1), "S");
  EXPECT_EQ(instance.QualifiedName(2), "I.S");
  EXPECT_EQ(instance.QualifiedName(3), "Assembly.I.S");
  EXPECT_EQ(instance.ScopedName("_I1", 2), "I._I1");
  EXPECT_EQ(aif_RegionName(kPartSet, Parts()).QualifiedName(3), "Assembly.S");
  EXPECT_EQ(aif_RegionName(rgnC_Region("S", {}), Parts()).QualifiedName(2), "");
  const aif_RegionName quoted(rgnC_Region("My Set", {"Assembly", "I 1"}), Parts());
  EXPECT_EQ(quoted.QualifiedName(2), "\"I 1\".\"My Set\"");
  EXPECT_EQ(quoted.SetName(2), "\"I 1\".\"My Set\"");
}

// An instance or set name holding a dot is quoted wherever it is one
// component of a qualified name; alone (scope 1) it stands as it is.
TEST_F(aif_RegionNameTest, DottedComponentsOfQualifiedNamesAreQuoted) {
  const aif_RegionName dotted(rgnC_Region("S.1", {"Assembly", "A_b-c.d2"}), Parts());
  EXPECT_EQ(dotted.QualifiedName(1), "S.1");
  EXPECT_EQ(dotted.QualifiedName(2), "\"A_b-c.d2\".\"S.1\"");
  EXPECT_EQ(dotted.QualifiedName(3), "Assembly.\"A_b-c.d2\".\"S.1\"");
  EXPECT_EQ(dotted.SetName(2), "\"A_b-c.d2\".\"S.1\"");
  EXPECT_EQ(dotted.SetName(3), "Assembly.\"A_b-c.d2\".\"S.1\"");
  // Flat names hold no dots; "_CNS_" names neither.
  EXPECT_EQ(aif_RegionName(rgnC_Region("S.1", {"Assembly", "A.b"}), Flat()).SetName(2), "A_b_S_1");
  EXPECT_EQ(aif_RegionName(rgnC_Region("S", {"Assembly", "A.b"}, 1), Parts()).SetName(2),
            "A_b_S_CNS_");
}

TEST_F(aif_RegionNameTest, ScopedNamesInAFlatFileIgnoreTheScope) {
  for (int scope = 0; scope <= 4; ++scope) {
    SCOPED_TRACE(scope);
    EXPECT_EQ(aif_RegionName(kPartSet, Flat()).QualifiedName(scope), "P_S");
    EXPECT_EQ(aif_RegionName(kInstanceSet, Flat()).QualifiedName(scope), "I_S");
    EXPECT_EQ(aif_RegionName(kAssemblySet, Flat()).QualifiedName(scope), "S");
  }
  EXPECT_EQ(aif_RegionName(rgnC_Region("S", {"rootAssembly"}), Flat()).QualifiedName(2), "S");
  EXPECT_EQ(aif_RegionName(kInstanceSet, Flat()).ScopedName("a.b", 1), "I_a_b");
  const aif_RegionName quoted(rgnC_Region("My Set", {"Assembly", "I 1"}), Flat());
  EXPECT_EQ(quoted.QualifiedName(2), "\"I 1_My Set\"");
}

TEST_F(aif_RegionNameTest, SetNameOfAnAnalyticalRigidSurface) {
  auto rigid = [](unsigned instance) {
    rgnC_Region region("Ignored", {"Assembly", "X"});
    region.SetKernelContainsAnalRigidSurf(true);
    region.SetKernelInstanceIds({instance, 1});
    return region;
  };
  EXPECT_EQ(aif_RegionName(rigid(5), Parts()).SetName(3), "Assembly.R-1.Top");
  EXPECT_EQ(aif_RegionName(rigid(5), Flat()).SetName(3), "R-1_Top");
  EXPECT_EQ(aif_RegionName(rigid(6), Parts()).SetName(2), "R-2.RigidSurface_");
  EXPECT_EQ(aif_RegionName(rigid(7), Flat()).SetName(2), "R-3_AsmRigid");
}

TEST_F(aif_RegionNameTest, SetNameOfOrdinaryAndFlaggedRegions) {
  // Bit 0 or 2 set and bit 3 clear; bit 1 plays no part.
  for (int flags : {0, 1, 4, 1 | 4 | 8, 2}) {
    SCOPED_TRACE(flags);
    const bool cns = flags == 1 || flags == 4;
    const rgnC_Region region("S", {"Assembly", "I"}, flags);
    EXPECT_EQ(aif_RegionName(region, Parts()).SetName(2), cns ? "I_S_CNS_" : "I.S");
    EXPECT_EQ(aif_RegionName(region, Parts()).SetName(3),
              cns ? "Assembly.I_S_CNS_" : "Assembly.I.S");
    EXPECT_EQ(aif_RegionName(region, Flat()).SetName(2), cns ? "I_S_CNS_" : "I_S");
  }
}

TEST_F(aif_RegionNameTest, SuffixEndsEveryNameAndAnInvalidRegionKeepsItsOwnName) {
  aif_RegionName name(kInstanceSet, Parts());
  name.SetSuffix("_PP_");
  EXPECT_EQ(name.QualifiedName(2), "I.S_PP_");
  EXPECT_EQ(name.QualifiedName(0), "_PP_");
  EXPECT_EQ(name.SetName(2), "I.S_PP_");

  // Invalid: its own name made printable, in either layout.
  rgnC_Region invalid("Bad Set", {"Assembly", "I"}, 1);
  invalid.SetKernelValid(false);
  EXPECT_EQ(aif_RegionName(invalid, Parts()).SetName(3), "\"Bad Set\"");
  aif_RegionName flat(invalid, Flat());
  flat.SetSuffix("_PP_");
  EXPECT_EQ(flat.SetName(2), "\"Bad Set_PP_\"");
}

// The suffix joins the last component before it is quoted, so that a quoted
// name stays one name: never the quoted name followed by the suffix.
TEST_F(aif_RegionNameTest, SuffixJoinsTheLastComponentBeforeQuoting) {
  aif_RegionName parts(rgnC_Region("a b", {"Assembly", "I 1"}), Parts());
  parts.SetSuffix("_PP_");
  EXPECT_EQ(parts.QualifiedName(1), "\"a b_PP_\"");
  EXPECT_EQ(parts.QualifiedName(2), "\"I 1\".\"a b_PP_\"");
  EXPECT_EQ(parts.QualifiedName(3), "Assembly.\"I 1\".\"a b_PP_\"");
  EXPECT_EQ(parts.SetName(2), "\"I 1\".\"a b_PP_\"");

  aif_RegionName assembly(rgnC_Region("a b", {"Assembly"}), Parts());
  assembly.SetSuffix("_PP_");
  EXPECT_EQ(assembly.QualifiedName(2), "\"a b_PP_\"");

  aif_RegionName flat(rgnC_Region("a b", {"Assembly", "I"}), Flat());
  flat.SetSuffix("_PP_");
  EXPECT_EQ(flat.QualifiedName(2), "\"I_a b_PP_\"");

  // A name needing no quotes is unchanged by the order.
  aif_RegionName plain(kInstanceSet, Flat());
  plain.SetSuffix("_PP_");
  EXPECT_EQ(plain.QualifiedName(2), "I_S_PP_");
}

}  // namespace
