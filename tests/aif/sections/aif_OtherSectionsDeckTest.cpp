// The section keywords inside a whole deck: their lines where the
// part-attributes builder files them, and a keyword that refuses its section
// stopping the write with no file left behind.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A kernel section that reports the acoustic interface kind without being
// one, as a newer kernel's subclass might.
class test_OddInterfaceSection : public kseC_Section {
 public:
  unsigned DynTypeId() const override { return kseC_AcousticInterfaceSection::TypeId(); }
  test_OddInterfaceSection* Clone() const override { return new test_OddInterfaceSection(*this); }
};

hst_ModelBuilder BlockWith(const kseC_Section& section) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  rgnC_Region all("All", {"Block"});
  all.SetKernelValid(true);
  all.SetKernelElementIndices(1, {0});
  b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(all, "S"));
  b.AddSection("S", section);
  hst_ModelBuilder::InstanceOptions options;
  options.id = 1;
  b.AddInstance("Block-1", "Block", options);
  return b;
}

struct Writer {
  explicit Writer(const hst_ModelBuilder& b)
      : model(b.Model()), job("Job-1", b.Job(), model), info(job), builder(info) {}
  bas_NewModel model;
  aif_Job job;
  aif_ModelInfo info;
  aif_Builder builder;
};

class aif_OtherSectionsDeck : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/aif_OtherSectionsDeck.XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path() const { return dir_ + "/deck.inp"; }
  std::string dir_;
};

}  // namespace

TEST_F(aif_OtherSectionsDeck, SectionLinesInThePart) {
  kseC_CohesiveSection cohesive;
  cohesive.material = "Glue";
  cohesive.outOfPlaneThickness = 2.0;
  Writer w(BlockWith(cohesive));
  ASSERT_TRUE(w.builder.WriteInputFile(Path(), false, true));
  const std::string deck = aif_test::ReadFile(Path());
  EXPECT_NE(deck.find("** Section: S\n"
                      "*Cohesive Section, elset=All, material=Glue, "
                      "response=TRACTION SEPARATION, thickness=GEOMETRY\n"
                      ", 2.\n"),
            std::string::npos)
      << deck;
}

TEST_F(aif_OtherSectionsDeck, RefusedSectionLeavesNoFile) {
  Writer w(BlockWith(test_OddInterfaceSection()));
  std::ofstream(Path()) << "old deck\n";
  std::string error;
  try {
    w.builder.WriteInputFile(Path(), true, true);
  } catch (const aif_Exception& e) {
    error = e.Message().Str();
  }
  EXPECT_EQ(error, "Unknown acoustic interface section type");
  EXPECT_FALSE(fs::exists(Path()));
}
