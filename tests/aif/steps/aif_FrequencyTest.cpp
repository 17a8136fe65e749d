// "*Frequency" by eigensolver: options, data lines with blank fields and AMS
// defaults, region names in part-based and flat files, residual-mode lines
// and the unpaired residual modes that cannot be written.
#include "aif/impl/steps/aif_Frequency.h"

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

class aif_FrequencyTest : public ::testing::Test {
 protected:
  static hst_ModelBuilder FlatFrequencyModel() {
    hst_ModelBuilder b;
    b.MutableModel().SetVersionTag("v5");
    return b;
  }

  static kprC_FrequencyStep Ams() {
    kprC_FrequencyStep step;
    step.SetEigensolver(2);
    return step;
  }

  hst_ModelBuilder model_;
  aif_Job job_{"J", model_.Job(), model_.Model()};
  aif_ModelInfo parts_{job_};
  hst_ModelBuilder flatModel_ = FlatFrequencyModel();
  aif_Job flatJob_{"J", flatModel_.Job(), flatModel_.Model()};
  aif_ModelInfo flat_{flatJob_};
};

TEST_F(aif_FrequencyTest, Lanczos) {
  kprC_FrequencyStep step;
  ASSERT_TRUE(parts_.IsPartBased());
  // Every field blank: five separators and nothing between them.
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=Lanczos, acoustic coupling=on, normalization=displacement\n"
            ", , , , , \n");

  step.SetNumEigen(10);
  step.SetMinFrequency(0.5);
  step.SetMaxFrequency(200.0);
  step.SetShift(1e-05);
  step.SetBlockSize(7);
  step.SetMaxBlocks(4);
  step.SetSim(true);
  step.SetAcousticCoupling(2);
  step.SetNormalization(1);
  step.SetPropertyEvaluation(50.0);
  step.SetResidualModes(true);
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=Lanczos, sim, acoustic coupling=projection, "
            "normalization=mass, property evaluation=50., residual modes\n"
            "10, 0.5, 200., 1.e-05, 7, 4\n");

  // Damping projection is written with SIM only; an unknown coupling writes nothing.
  step.SetDampingProjection(false);
  step.SetAcousticCoupling(0);
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=Lanczos, sim, damping projection=off, acoustic coupling=off, "
            "normalization=mass, property evaluation=50., residual modes\n"
            "10, 0.5, 200., 1.e-05, 7, 4\n");
  step.SetSim(false);
  step.SetAcousticCoupling(5);
  step.SetResidualModes(false);
  step.SetPropertyEvaluation(kprC_UNSET);
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=Lanczos, normalization=mass\n"
            "10, 0.5, 200., 1.e-05, 7, 4\n");
}

TEST_F(aif_FrequencyTest, SubspaceAndUnknownEigensolver) {
  kprC_FrequencyStep step;
  step.SetEigensolver(0);
  // Residual modes and the AMS options do not belong to the subspace solver;
  // vectors and iterations are always written.
  step.SetResidualModes(true);
  step.SetDampingProjection(false);
  step.SetMinFrequency(3.0);
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=subspace, normalization=displacement\n"
            ", , , 18, 30\n");
  step.SetNumEigen(6);
  step.SetMaxFrequency(100.0);
  step.SetShift(2.5);
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=subspace, normalization=displacement\n"
            "6, 100., 2.5, 18, 30\n");

  step.SetEigensolver(7);
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)), "*Frequency, normalization=displacement\n");
}

TEST_F(aif_FrequencyTest, Ams) {
  kprC_FrequencyStep step = Ams();
  // The default factors are blank; coupling "on" writes nothing under AMS.
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=AMS, normalization=displacement\n"
            ", , , , , , \n");

  step.SetAmsFactor1(5.5);
  step.SetAmsFactor3(1.2);
  step.SetNumEigen(20);
  step.SetMaxFrequency(500.0);
  step.SetAcousticCoupling(2);
  step.SetDampingProjection(false);
  step.SetAmsNodeSet(rgnC_Region("Nodes", {"Assembly", "Part-1-1"}));
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=AMS, normalization=displacement, "
            "acoustic coupling=projection, damping projection=off, nset=Part-1-1.Nodes\n"
            "20, , 500., 5.5, , 1.2, \n");

  // Flat files join the instance and the set with "_".
  step.SetAcousticCoupling(0);
  EXPECT_EQ(KeywordText(aif_Frequency(step, flat_)),
            "*Frequency, eigensolver=AMS, normalization=displacement, "
            "acoustic coupling=off, damping projection=off, nset=Part-1-1_Nodes\n"
            "20, , 500., 5.5, , 1.2, \n");
}

TEST_F(aif_FrequencyTest, ResidualModes) {
  kprC_FrequencyStep step = Ams();
  step.SetResidualModes(true);
  step.SetResidualModeRegions({"Load-Set", "Set A"});
  step.SetResidualModeDirections({1, 3});
  // The listed names are assembly sets, made printable.
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=AMS, normalization=displacement, residual modes\n"
            ", , , , , , \n"
            "Load-Set, 1\n"
            "\"Set A\", 3\n");
  step.SetResidualModeRegions({"Load-Set"});
  step.SetResidualModeDirections({2});
  EXPECT_EQ(KeywordText(aif_Frequency(step, flat_)),
            "*Frequency, eigensolver=AMS, normalization=displacement, residual modes\n"
            ", , , , , , \n"
            "Load-Set, 2\n");

  // Lanczos names no residual-mode regions; the flag alone is written.
  step.SetEigensolver(1);
  step.SetResidualModeDirections({});
  EXPECT_EQ(KeywordText(aif_Frequency(step, parts_)),
            "*Frequency, eigensolver=Lanczos, acoustic coupling=on, normalization=displacement, "
            "residual modes\n"
            ", , , , , \n");
}

TEST_F(aif_FrequencyTest, UnpairedResidualModesThrow) {
  kprC_FrequencyStep step = Ams();
  step.SetResidualModes(true);
  step.SetResidualModeRegions({"A", "B"});
  step.SetResidualModeDirections({1});
  EXPECT_EQ(ThrownText(aif_Frequency(step, parts_, "Step-2")),
            "The residual modes of step Step-2 do not pair every region with a direction.");
  step.SetResidualModeRegions({"A"});
  step.SetResidualModeDirections({1, 2});
  EXPECT_EQ(ThrownText(aif_Frequency(step, parts_)),
            "The residual modes of the frequency step do not pair every region with a "
            "direction.");
  // Without the flag the lists are not written and need not pair.
  step.SetResidualModes(false);
  EXPECT_EQ(ThrownText(aif_Frequency(step, parts_, "Step-2")), "");
}

TEST_F(aif_FrequencyTest, OtherStepKindFailsTypeTest) {
  kprC_BuckleStep buckle;
  try {
    aif_Frequency keyword(buckle, parts_);
    ADD_FAILURE() << "a buckle step was taken for a frequency step";
  } catch (const nex_TextException& e) {
    EXPECT_NE(e.Text().Str().find("kprC_FrequencyStep"), std::string::npos) << e.Text().Str();
    EXPECT_NE(e.Text().Str().find("aif_Frequency.cpp"), std::string::npos) << e.Text().Str();
  }
}

}  // namespace
