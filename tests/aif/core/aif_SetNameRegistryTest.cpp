// The module's registry of written element-set, node-set and surface names.

#include "aif/impl/core/aif_SetNameRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BasShared/atr_String.h"
#include "VwrCmd/cmdC_WIP.h"

namespace {

using Texts = std::vector<std::string>;

// Every test starts from a fresh registry and an empty progress log, and
// leaves no registry behind.
class aif_SetNameRegistryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    aif_SetNameRegistry::Destroy();
    cmdC_WIP::Clear();
  }

  static Texts Warnings() { return cmdC_WIP::Texts(cmdC_WIP::Kind::Warning); }

  static aif_SetNameRegistry& FreshRegistry() {
    aif_SetNameRegistry::Destroy();
    cmdC_WIP::Clear();
    return aif_SetNameRegistry::Instance();
  }

  aif_SetNameRegistry& registry_ = FreshRegistry();
};

TEST_F(aif_SetNameRegistryTest, ClashIgnoresLetterCaseAndWarnsWithTheNameAsGiven) {
  EXPECT_TRUE(registry_.AddElset("Set-Top", true));
  EXPECT_FALSE(registry_.AddElset("SET-top", true));
  EXPECT_FALSE(registry_.AddElset("set-top", false));  // no warning asked for
  EXPECT_TRUE(registry_.AddNset("Clamp", true));
  EXPECT_FALSE(registry_.AddNset("clamp", true));
  EXPECT_TRUE(registry_.AddSurface("Top face", true));
  EXPECT_FALSE(registry_.AddSurface("TOP FACE", true));
  EXPECT_EQ(Texts({"Multiple definition of elset name SET-top during input file/keyword "
                   "generation.Check generated keywords for elset name clashes.",
                   "Multiple definition of nset name clamp during input file/keyword "
                   "generation.Check generated keywords for nset name clashes.",
                   "Multiple definition of surface name TOP FACE during input file/keyword "
                   "generation.Check generated keywords for surface name clashes."}),
            Warnings());
  // Only warnings were reported.
  EXPECT_EQ(3u, cmdC_WIP::Records().size());

  // The warning goes through translation.
  atr_Translator previous =
      atr_SetTranslator([](const cow_String& text) { return "<" + text + ">"; });
  registry_.AddElset("set-TOP", true);
  atr_SetTranslator(previous);
  EXPECT_EQ(
      "<Multiple definition of elset name set-TOP during input file/keyword "
      "generation.Check generated keywords for elset name clashes.>",
      Warnings().back());
}

TEST_F(aif_SetNameRegistryTest, KindsAreSeparateNameSpaces) {
  EXPECT_TRUE(registry_.AddElset("Part-1", true));
  EXPECT_TRUE(registry_.AddNset("part-1", true));
  EXPECT_TRUE(registry_.AddSurface("PART-1", true));
  EXPECT_TRUE(registry_.IsElset("pArT-1"));
  // A node set or a surface does not make an element set, and asking does
  // not register.
  EXPECT_FALSE(registry_.IsElset("Part-2"));
  EXPECT_TRUE(registry_.AddNset("Part-2", true));
  EXPECT_FALSE(registry_.IsElset("Part-2"));
  EXPECT_TRUE(registry_.AddElset("Part-2", true));
  // Only letters fold: these are different names.
  EXPECT_TRUE(registry_.AddElset("Part_1", true));
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(aif_SetNameRegistryTest, ClearAndDestroyForgetEveryName) {
  registry_.AddElset("A", false);
  registry_.AddNset("B", false);
  registry_.AddSurface("C", false);
  registry_.Clear();
  EXPECT_TRUE(registry_.AddElset("a", true));
  EXPECT_TRUE(registry_.AddNset("b", true));
  EXPECT_TRUE(registry_.AddSurface("c", true));

  // The instance is the same until it is destroyed; a new one starts empty.
  EXPECT_EQ(&registry_, &aif_SetNameRegistry::Instance());
  aif_SetNameRegistry::Destroy();
  aif_SetNameRegistry::Destroy();  // harmless
  EXPECT_TRUE(aif_SetNameRegistry::Instance().AddElset("A", true));
  EXPECT_TRUE(Warnings().empty());
}

}  // namespace
