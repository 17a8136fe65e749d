// "*Cload": the keyword line and which components it restates, every kind of
// concentrated load with its set name, complex loads split into a real and an
// imaginary keyword, the moment's model-space filter, field-distributed loads
// written node by node, the scale factor, and the refused kinds.
#include <string>
#include <utility>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_Cload.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

constexpr char kCloadTestStep[] = "Step-1";

// Two instances, in place, of one part of 2 x 2 x 2 bricks (27 nodes); flat
// files number the second's nodes after the first's. The analytical fields
// "Ramp" (1 + x + 10 y + 100 z) and "Mapped". The assembly's nodes have a
// twist degree of freedom when asked.
hst_ModelBuilder CloadTestModel(bool flat, bool twist) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 2, 2));
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  b.Assembly().SetRequiresFlatInputFile(flat);
  b.Assembly().SetTwistDof(twist);
  kfdC_ExpressionField ramp;
  ramp.constant = 1.0;
  ramp.gradient = {1.0, 10.0, 100.0};
  b.AddAnalyticalField("Ramp", ramp);
  b.AddAnalyticalField("Mapped", kfdC_MappedField());
  return b;
}

// The node set "Set-1" of instance "Block-1" (feature id 1).
rgnC_Region CloadTestSet() {
  rgnC_Region region("Set-1", {"Assembly", "Block-1"});
  region.SetKernelInstanceIds({1});
  return region;
}

// A load of kind `Load` on "Set-1" whose state in the step has `status` and
// `values`, each value with that status.
template <class Load>
Load CloadTestLoad(int status, std::initializer_list<double> values) {
  Load load;
  load.SetRegion(CloadTestSet());
  load.SetState(kCloadTestStep, status, kloC_LoadState(status, values));
  return load;
}

// Node 17 of Block-1 (index 16, at (1, 2, 1): the field is 122) and node 1 of
// both instances (the field is 1).
rgnC_Region CloadTestNodes() {
  rgnC_Region region = CloadTestSet();
  region.SetKernelNodeIndices(1, {16, 0});
  region.SetKernelNodeIndices(2, {0});
  region.SetKernelInstanceIds({1, 2});
  return region;
}

std::vector<std::string> CloadTestMessages() {
  std::vector<std::string> texts;
  for (const atr_String& text : ajbC_CheckingMessages::Instance().Messages())
    texts.push_back(text.Str());
  return texts;
}

std::string CloadTestFailure(const std::string& kind, const std::string& field) {
  return "\nDue to the failure of evaluating the " + kind +
         " \"Load-1\"\nfrom analytical field \"" + field +
         "\",\nthis load will be missing in the input file.";
}

// The text of the error `make` throws and the text of a failed type test of
// `Expected` in the keyword's source at the error's line: equal when `make`
// failed that type test.
template <class Expected, class Make>
std::pair<std::string, std::string> CloadTestTypeTest(Make&& make) {
  try {
    make();
  } catch (const nex_TextException& e) {
    return {e.Text().Str(), nex_TypeTestText(nex_TypeName(typeid(Expected)).c_str(),
                                             "module/aif/impl/loads/aif_Cload.cpp", e.Line())
                                .Str()};
  }
  return {"no error", "a type test"};
}

class aif_CloadTest : public ::testing::Test {
 protected:
  explicit aif_CloadTest(bool flat = false, bool twist = false) : b_(CloadTestModel(flat, twist)) {}
  void SetUp() override { ajbC_CheckingMessages::Instance().Messages().Clear(); }
  void TearDown() override { ajbC_CheckingMessages::Instance().Messages().Clear(); }

  std::string Text(const kloC_Load& load, bool opFlag = true, double scale = 1.0,
                   const cow_String& name = "Load-1", bool cyclic = false, int mode = 0) {
    return KeywordText(aif_Cload(load, kCloadTestStep, opFlag, info_, name, cyclic, mode, scale));
  }
  std::string Thrown(const kloC_Load& load) {
    return ThrownText(aif_Cload(load, kCloadTestStep, true, info_, "Load-1", false, 0, 1.0));
  }

  hst_ModelBuilder b_;
  bas_NewModel model_{b_.Model()};
  aif_Job job_{"J", b_.Job(), model_};
  aif_ModelInfo info_{job_};
};

class aif_CloadFlatTest : public aif_CloadTest {
 protected:
  aif_CloadFlatTest() : aif_CloadTest(true) {}
};

class aif_CloadTwistTest : public aif_CloadTest {
 protected:
  aif_CloadTwistTest() : aif_CloadTest(false, true) {}
};

TEST_F(aif_CloadTest, InactiveLoadsWriteTheirKeywordLineAlone) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(4, {10.0, 20.0, 30.0});
  kloC_LoadState state(1, {10.0});
  state.SetAmplitude("Amp-1", 1);
  force.SetState(kCloadTestStep, 4, state);
  force.SetFollower(true);
  // No amplitude, no follower, no data, whatever the state holds.
  EXPECT_EQ(Text(force), "*Cload\n");
  EXPECT_EQ(Text(force, false), "*Cload, op=NEW\n");
  force.SetStatus(kCloadTestStep, 11);
  EXPECT_EQ(Text(force, false, 1.0, "Load-1", true, 2), "*Cload, op=NEW, cyclic mode=2\n");
  EXPECT_EQ(Text(force, true, 1.0, "Load-1", true, 2), "*Cload, cyclic mode=2\n");
  // Any kind, even one the keyword would refuse when active.
  auto other = CloadTestLoad<kloC_OtherLoad>(4, {1.0});
  EXPECT_EQ(Text(other, false), "*Cload, op=NEW\n");
}

TEST_F(aif_CloadTest, ComponentsAreRestatedUnderOpNewOrWhenTheAmplitudeIsNew) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {});
  kloC_LoadState state(1, {});
  state.SetValue(0, 10.0, 1);
  state.SetValue(1, 0.0, 1);
  state.SetValue(2, 5.0, 2);
  state.SetAmplitude("Amp 1", 2);
  force.SetState(kCloadTestStep, 1, state);
  force.SetFollower(true);

  // Op flag clear: ", op=NEW" and the carried-over component restated; a new
  // zero component is written.
  EXPECT_EQ(Text(force, false, 1.0, "Load-1", true, 3),
            "*Cload, op=NEW, follower, amplitude=\"Amp 1\", cyclic mode=3\n"
            "Block-1.Set-1, 1, 10.\n"
            "Block-1.Set-1, 2, 0.\n"
            "Block-1.Set-1, 3, 5.\n");
  // Op flag set: only what was set in the step.
  EXPECT_EQ(Text(force),
            "*Cload, follower, amplitude=\"Amp 1\"\n"
            "Block-1.Set-1, 1, 10.\n"
            "Block-1.Set-1, 2, 0.\n");
  // A new amplitude restates the carried-over component too.
  state.SetAmplitude("Amp 1", 1);
  force.SetState(kCloadTestStep, 1, state);
  EXPECT_EQ(Text(force),
            "*Cload, follower, amplitude=\"Amp 1\"\n"
            "Block-1.Set-1, 1, 10.\n"
            "Block-1.Set-1, 2, 0.\n"
            "Block-1.Set-1, 3, 5.\n");
  // Components that are neither new nor carried over: the keyword line stands
  // alone.
  force.SetState(kCloadTestStep, 1, kloC_LoadState(0, {1.0, 2.0, 3.0}));
  EXPECT_EQ(Text(force, false), "*Cload, op=NEW, follower\n");
}

TEST_F(aif_CloadTest, EveryKindWritesItsDegreesOfFreedomOnItsSet) {
  auto moment = CloadTestLoad<kloC_Moment>(1, {1.0, -2.0, 3.5});
  moment.SetFollower(true);
  EXPECT_EQ(Text(moment),
            "*Cload, follower\nBlock-1.Set-1, 4, 1.\nBlock-1.Set-1, 5, -2.\n"
            "Block-1.Set-1, 6, 3.5\n");

  // Never a follower for the other kinds.
  auto peg = CloadTestLoad<kloC_PEGLoad>(1, {1.0, 2.0, 3.0});
  peg.SetFollower(true);
  EXPECT_EQ(Text(peg),
            "*Cload\nBlock-1.Set-1, 3, 1.\nBlock-1.Set-1, 4, 2.\nBlock-1.Set-1, 5, 3.\n");

  // The single-value kinds write nothing at all unless their value is new.
  auto fluid = CloadTestLoad<kloC_ConcentratedPoreFluid>(1, {2.0});
  EXPECT_EQ(Text(fluid), "*Cload\nBlock-1.Set-1, 8, 2.\n");
  auto accel = CloadTestLoad<kloC_InwardVolAccel>(1, {0.0});
  accel.SetFollower(true);
  EXPECT_EQ(Text(accel), "*Cload\nBlock-1.Set-1, 8, 0.\n");
  auto reference = CloadTestLoad<kloC_ReferencePressure>(1, {7.0});
  EXPECT_EQ(Text(reference, false), "*Cload, op=NEW\nBlock-1.Set-1, HP, 7.\n");
  // A reference pressure reads neither a field nor complex values.
  reference.SetFieldName("Ramp");
  reference.SetComplex({omi_complex(1.0, 1.0)});
  EXPECT_EQ(Text(reference), "*Cload\nBlock-1.Set-1, HP, 7.\n");
  for (kloC_Load* single : {static_cast<kloC_Load*>(&fluid), static_cast<kloC_Load*>(&accel),
                            static_cast<kloC_Load*>(&reference)}) {
    single->SetState(kCloadTestStep, 2, kloC_LoadState(2, {9.0}));
    EXPECT_EQ(Text(*single), "");
    EXPECT_EQ(Text(*single, false), "*Cload, op=NEW\nBlock-1.Set-1, " +
                                        std::string(single == &reference ? "HP" : "8") + ", 9.\n");
  }
}

TEST_F(aif_CloadTest, BoltLoadsNameTheirReferenceNodeSet) {
  auto bolt = CloadTestLoad<kloC_BoltLoad>(1, {100.0});
  EXPECT_EQ(Text(bolt, true, 1.0, "Bolt-1"), "*Cload\n_Bolt-1_blrn_, 1, 100.\n");
  EXPECT_EQ(Text(bolt, true, 1.0, "Bolt 1"), "*Cload\n\"_Bolt 1_blrn_\", 1, 100.\n");

  // Changed in the step to a method other than applying a force, or leading:
  // the keyword line alone.
  kloC_LoadState state(3, {});
  state.SetValue(0, 100.0, 1);
  state.SetMethod(kloC_ADJUST_LENGTH, 1, true);
  bolt.SetState(kCloadTestStep, 3, state);
  EXPECT_EQ(Text(bolt, false, 1.0, "Bolt-1"), "*Cload, op=NEW\n");
  state.SetMethod(kloC_APPLY_FORCE, 1, true);
  bolt.SetState(kCloadTestStep, 3, state);
  EXPECT_EQ(Text(bolt, true, 1.0, "Bolt-1"), "*Cload\n_Bolt-1_blrn_, 1, 100.\n");
  state.SetLeading(true);
  bolt.SetState(kCloadTestStep, 3, state);
  EXPECT_EQ(Text(bolt, true, 1.0, "Bolt-1"), "*Cload\n");
  // A fixed length not modified in the step with a carried-over force: the
  // force is written only under ", op=NEW".
  kloC_LoadState fixed(2, {50.0});
  fixed.SetMethod(kloC_FIX_LENGTH, 2, false);
  bolt.SetState(kCloadTestStep, 2, fixed);
  EXPECT_EQ(Text(bolt, true, 1.0, "Bolt-1"), "");
  EXPECT_EQ(Text(bolt, false, 1.0, "Bolt-1"), "*Cload, op=NEW\n_Bolt-1_blrn_, 1, 50.\n");

  // A region the kernel cannot resolve, or one without an instance: no set.
  auto lost = CloadTestLoad<kloC_BoltLoad>(1, {100.0});
  rgnC_Region invalid = CloadTestSet();
  invalid.SetKernelValid(false);
  lost.SetRegion(invalid);
  EXPECT_EQ(Text(lost, true, 1.0, "Bolt-1"), "*Cload\n, 1, 100.\n");
  lost.SetRegion(rgnC_Region("Set-1", {"Assembly", "Block-1"}));
  EXPECT_EQ(Text(lost, true, 1.0, "Bolt-1"), "*Cload\n, 1, 100.\n");
}

TEST_F(aif_CloadTest, PlaneStrainLoadsNameTheRegionPartBased) {
  auto peg = CloadTestLoad<kloC_PEGLoad>(1, {1.0, 0.0, 0.0});
  peg.SetState(kCloadTestStep, 1, kloC_LoadState(1, {1.0}));
  EXPECT_EQ(Text(peg), "*Cload\nBlock-1.Set-1, 3, 1.\n");
  rgnC_Region none("Set-1", {"Assembly", "Block-1"});
  peg.SetRegion(none);
  EXPECT_EQ(Text(peg), "*Cload\n, 3, 1.\n");
  none.SetKernelInstanceIds({1});
  none.SetKernelValid(false);
  peg.SetRegion(none);
  EXPECT_EQ(Text(peg), "*Cload\n, 3, 1.\n");
}

TEST_F(aif_CloadFlatTest, PlaneStrainLoadsNameTheReferencePointSetFlat) {
  auto peg = CloadTestLoad<kloC_PEGLoad>(1, {1.0});
  rgnC_Region region("Set-1", {"Assembly", "Block-2"});
  region.SetKernelInstanceIds({2, 1});
  peg.SetRegion(region);
  EXPECT_EQ(Text(peg), "*Cload\nBlock-2-RefPt_, 3, 1.\n");
  // Other kinds name the region as the flat file defines it.
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {1.0});
  EXPECT_EQ(Text(force), "*Cload\nBlock-1_Set-1, 1, 1.\n");
}

TEST_F(aif_CloadTest, ComplexLoadsWriteARealAndAnImaginaryKeyword) {
  // Component statuses are not consulted.
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {});
  force.SetComplex({omi_complex(0.0, 0.0), omi_complex(0.0, 5.0), omi_complex(0.0, 0.0)});
  EXPECT_EQ(Text(force), "*Cload, imaginary\nBlock-1.Set-1, 2, 5.\n");

  kloC_LoadState state(1, {});
  state.SetAmplitude("Amp-1", 1);
  force.SetState(kCloadTestStep, 1, state);
  force.SetFollower(true);
  omi_complex converted(9.0, 9.0);
  converted.SetConverted(4.0, 0.0);
  force.SetComplex({omi_complex(1.0, 0.0), converted, omi_complex(-2.0, 3.0)});
  EXPECT_EQ(Text(force, false, 0.5, "Load-1", true, 1),
            "*Cload, op=NEW, follower, amplitude=Amp-1, cyclic mode=1, real\n"
            "Block-1.Set-1, 1, 0.5\n"
            "Block-1.Set-1, 2, 2.\n"
            "Block-1.Set-1, 3, -1.\n"
            "*Cload, op=NEW, follower, amplitude=Amp-1, cyclic mode=1, imaginary\n"
            "Block-1.Set-1, 3, 1.5\n");

  auto peg = CloadTestLoad<kloC_PEGLoad>(1, {});
  peg.SetComplex({omi_complex(0.0, 0.0), omi_complex(1.0, 0.0), omi_complex(0.0, 0.0)});
  EXPECT_EQ(Text(peg), "*Cload, real\nBlock-1.Set-1, 4, 1.\n");

  // A single component is written even when it scales to 0.
  auto accel = CloadTestLoad<kloC_InwardVolAccel>(1, {});
  accel.SetComplex({omi_complex(0.0, 2.0)});
  EXPECT_EQ(Text(accel), "*Cload, imaginary\nBlock-1.Set-1, 8, 2.\n");
  EXPECT_EQ(Text(accel, true, 0.0), "*Cload, imaginary\nBlock-1.Set-1, 8, 0.\n");

  // All parts 0: nothing.
  force.SetComplex({omi_complex(), omi_complex(), omi_complex()});
  EXPECT_EQ(Text(force), "");
}

TEST_F(aif_CloadTest, MomentsWriteTheRotationsTheirModelSpaceAdmits) {
  auto moment = CloadTestLoad<kloC_Moment>(1, {1.0, 2.0, 3.0});
  moment.SetModelSpaceCode(1);
  EXPECT_EQ(Text(moment),
            "*Cload\nBlock-1.Set-1, 4, 1.\nBlock-1.Set-1, 5, 2.\nBlock-1.Set-1, 6, 3.\n");
  for (int code : {2, 3, 4}) {
    moment.SetModelSpaceCode(code);
    EXPECT_EQ(Text(moment), "*Cload\nBlock-1.Set-1, 6, 3.\n") << code;
  }
  // The keyword line stands when the admitted rotation is not new.
  moment.SetModelSpaceCode(2);
  moment.SetState(kCloadTestStep, 1, kloC_LoadState(1, {1.0, 2.0}));
  EXPECT_EQ(Text(moment), "*Cload\n");

  // Complex: codes 2 and 4 count the first two rotations as 0.
  moment.SetComplex({omi_complex(1.0, 0.0), omi_complex(2.0, 0.0), omi_complex(0.0, 0.0)});
  for (int code : {2, 4}) {
    moment.SetModelSpaceCode(code);
    EXPECT_EQ(Text(moment), "") << code;
  }
  moment.SetComplexValue(2, omi_complex(0.0, 3.0));
  EXPECT_EQ(Text(moment), "*Cload, imaginary\nBlock-1.Set-1, 6, 3.\n");
  moment.SetModelSpaceCode(3);
  EXPECT_EQ(Text(moment),
            "*Cload, real\nBlock-1.Set-1, 4, 1.\nBlock-1.Set-1, 5, 2.\n"
            "*Cload, imaginary\nBlock-1.Set-1, 6, 3.\n");
}

TEST_F(aif_CloadTwistTest, ATwistAdmitsTheSecondRotationOfCodeFourInTheRealFormOnly) {
  auto moment = CloadTestLoad<kloC_Moment>(1, {1.0, 2.0, 3.0});
  moment.SetModelSpaceCode(4);
  EXPECT_EQ(Text(moment), "*Cload\nBlock-1.Set-1, 5, 2.\nBlock-1.Set-1, 6, 3.\n");
  moment.SetModelSpaceCode(2);
  EXPECT_EQ(Text(moment), "*Cload\nBlock-1.Set-1, 6, 3.\n");

  rgnC_Region node = CloadTestSet();
  node.SetKernelNodeIndices(1, {16});
  moment.SetRegion(node);
  moment.SetFieldName("Ramp");
  moment.SetModelSpaceCode(4);
  EXPECT_EQ(Text(moment), "*Cload\nBlock-1.17, 5, 244.\nBlock-1.17, 6, 366.\n");

  moment.SetFieldName("");
  moment.SetComplex({omi_complex(1.0, 0.0), omi_complex(2.0, 0.0), omi_complex(3.0, 0.0)});
  EXPECT_EQ(Text(moment), "*Cload, real\nBlock-1.Set-1, 6, 3.\n");
}

TEST_F(aif_CloadTest, ScaleFactorMultipliesEveryValue) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {10.0, 3.0, 0.0});
  EXPECT_EQ(Text(force, true, 0.5),
            "*Cload\nBlock-1.Set-1, 1, 5.\nBlock-1.Set-1, 2, 1.5\nBlock-1.Set-1, 3, 0.\n");
  auto bolt = CloadTestLoad<kloC_BoltLoad>(1, {100.0});
  EXPECT_EQ(Text(bolt, true, 0.5, "Bolt-1"), "*Cload\n_Bolt-1_blrn_, 1, 50.\n");
}

TEST_F(aif_CloadTest, DataLinesLeaveOutZerosOnlyWhenAsked) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {1.0});
  const aif_Cload keyword(force, kCloadTestStep, true, info_, "Load-1", false, 0, 2.0);
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) {
              keyword.WriteLine(s, 0.0, "1", true, false);
              keyword.WriteLine(s, -0.0, "2", true, false);
              keyword.WriteLine(s, 0.0, "3", true, true);
              keyword.WriteNodeLine(s, "I.4", 0.0, "8", true, false);
              keyword.WriteNodeLine(s, "I.4", 1.5, "8", false, false);
              keyword.WriteLine(s, 0.25, "HP", true, false);
            }),
            "Block-1.Set-1, 3, 0.\nI.4, 8, 3.Block-1.Set-1, HP, 0.5\n");
}

TEST_F(aif_CloadTest, UnknownKindsAndComplexPoreFluidAreRefused) {
  auto other = CloadTestLoad<kloC_OtherLoad>(1, {1.0});
  EXPECT_EQ(Thrown(other), "\"Invalid load type for *Cload\" == 0");
  aif_Cload keyword(other, kCloadTestStep, true, info_, "Load-1", false, 0, 1.0);
  EXPECT_THROW(KeywordText(keyword), nex_AssertException);

  auto fluid = CloadTestLoad<kloC_ConcentratedPoreFluid>(2, {1.0});
  fluid.SetComplex({omi_complex(1.0, 0.0)});
  // Refused even when its value would not be written.
  EXPECT_EQ(Thrown(fluid), "\"Concentrated pore fluid load cannot be complex\" == 0");
  aif_Cload complexFluid(fluid, kCloadTestStep, true, info_, "Load-1", false, 0, 1.0);
  EXPECT_THROW(KeywordText(complexFluid), nex_AssertException);

  // A state that is not a load state fails the type test when the keyword is
  // made.
  auto odd = CloadTestLoad<kloC_ConcentratedForce>(1, {1.0});
  odd.SetState(kCloadTestStep, 1, rgnC_Region());
  const auto stateTest = CloadTestTypeTest<kloC_LoadState>(
      [&] { aif_Cload(odd, kCloadTestStep, true, info_, "Load-1", false, 0, 1.0); });
  EXPECT_EQ(stateTest.first, stateTest.second);
}

TEST_F(aif_CloadTest, FieldLoadsWriteOneLinePerNodeOfTheirNewComponents) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {});
  kloC_LoadState state(1, {});
  state.SetValue(0, 2.0, 1);
  state.SetValue(1, 0.0, 1);
  state.SetValue(2, 3.0, 2);
  force.SetState(kCloadTestStep, 1, state);
  force.SetRegion(CloadTestNodes());
  force.SetFieldName("Ramp");
  // Zeros are written; the carried-over component waits for ", op=NEW".
  EXPECT_EQ(Text(force, true, 0.5),
            "*Cload\n"
            "Block-1.17, 1, 122.\n"
            "Block-1.1, 1, 1.\n"
            "Block-2.1, 1, 1.\n"
            "Block-1.17, 2, 0.\n"
            "Block-1.1, 2, 0.\n"
            "Block-2.1, 2, 0.\n");
  state.SetValue(0, 2.0, 2);
  state.SetValue(1, 0.0, 2);
  force.SetState(kCloadTestStep, 1, state);
  EXPECT_EQ(Text(force, false),
            "*Cload, op=NEW\n"
            "Block-1.17, 1, 244.\n"
            "Block-1.1, 1, 2.\n"
            "Block-2.1, 1, 2.\n"
            "Block-1.17, 2, 0.\n"
            "Block-1.1, 2, 0.\n"
            "Block-2.1, 2, 0.\n"
            "Block-1.17, 3, 366.\n"
            "Block-1.1, 3, 3.\n"
            "Block-2.1, 3, 3.\n");
  // No new component: not even the keyword line, and nothing is evaluated.
  EXPECT_EQ(Text(force), "");

  // A moment filters the new components by its model-space code; its keyword
  // line stands when none is left.
  auto moment = CloadTestLoad<kloC_Moment>(1, {1.0, 2.0});
  moment.SetRegion(CloadTestNodes());
  moment.SetFieldName("Ramp");
  moment.SetModelSpaceCode(2);
  EXPECT_EQ(Text(moment), "*Cload\n");

  // The single-value kinds: label 8 on every node.
  auto fluid = CloadTestLoad<kloC_ConcentratedPoreFluid>(1, {-1.0});
  fluid.SetRegion(CloadTestNodes());
  fluid.SetFieldName("Ramp");
  EXPECT_EQ(Text(fluid), "*Cload\nBlock-1.17, 8, -122.\nBlock-1.1, 8, -1.\nBlock-2.1, 8, -1.\n");
  EXPECT_TRUE(CloadTestMessages().empty());
}

TEST_F(aif_CloadTest, ComplexFieldLoadsWriteEveryComponentOfBothParts) {
  rgnC_Region node = CloadTestSet();
  node.SetKernelNodeIndices(1, {16});
  // Code 2 would leave only label 6 of a uniform complex moment.
  auto moment = CloadTestLoad<kloC_Moment>(1, {});
  moment.SetRegion(node);
  moment.SetFieldName("Ramp");
  moment.SetModelSpaceCode(2);
  moment.SetFollower(true);
  moment.SetComplex({omi_complex(1.0, 0.0), omi_complex(0.0, 2.0), omi_complex(0.0, 0.0)});
  EXPECT_EQ(Text(moment, true, 0.5),
            "*Cload, follower, real\n"
            "Block-1.17, 4, 61.\n"
            "Block-1.17, 5, 0.\n"
            "Block-1.17, 6, 0.\n"
            "*Cload, follower, imaginary\n"
            "Block-1.17, 4, 0.\n"
            "Block-1.17, 5, 122.\n"
            "Block-1.17, 6, 0.\n");
  auto accel = CloadTestLoad<kloC_InwardVolAccel>(0, {});
  accel.SetRegion(node);
  accel.SetFieldName("Ramp");
  accel.SetComplex({omi_complex(0.0, 1.0)});
  EXPECT_EQ(Text(accel),
            "*Cload, real\nBlock-1.17, 8, 0.\n*Cload, imaginary\nBlock-1.17, 8, 122.\n");
}

TEST_F(aif_CloadTest, AFieldThatFailsLeavesTheLoadOutAndSaysWhy) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {1.0});
  auto moment = CloadTestLoad<kloC_Moment>(1, {1.0});
  auto peg = CloadTestLoad<kloC_PEGLoad>(1, {1.0});
  auto fluid = CloadTestLoad<kloC_ConcentratedPoreFluid>(1, {1.0});
  auto accel = CloadTestLoad<kloC_InwardVolAccel>(1, {1.0});
  accel.SetComplex({omi_complex(1.0, 1.0)});
  for (kloC_Load* load : std::initializer_list<kloC_Load*>{&force, &moment, &peg, &fluid, &accel}) {
    load->SetRegion(CloadTestNodes());
    load->SetFieldName("Nowhere");
    // Written once: each write of a failing field says why once more.
    const aif_Cload keyword(*load, kCloadTestStep, false, info_, "Load-1", false, 0, 1.0);
    EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); }), "");
  }
  EXPECT_EQ(CloadTestMessages(),
            (std::vector<std::string>{CloadTestFailure("concentrated force", "Nowhere"),
                                      CloadTestFailure("moment", "Nowhere"),
                                      CloadTestFailure("generalized plane strain load", "Nowhere"),
                                      CloadTestFailure("concentrated pore fluid", "Nowhere"),
                                      CloadTestFailure("inward volume acceleration", "Nowhere")}));

  // A field that is not an expression fails the type test before anything is
  // written.
  force.SetFieldName("Mapped");
  const aif_Cload mapped(force, kCloadTestStep, true, info_, "Load-1", false, 0, 1.0);
  const auto fieldTest = CloadTestTypeTest<kfdC_ExpressionField>([&] { KeywordText(mapped); });
  EXPECT_EQ(fieldTest.first, fieldTest.second);
  EXPECT_EQ(Thrown(force), fieldTest.first);
}

TEST_F(aif_CloadFlatTest, FieldLinesNameNodesByTheirOffsetLabels) {
  auto force = CloadTestLoad<kloC_ConcentratedForce>(1, {1.0});
  force.SetRegion(CloadTestNodes());
  force.SetFieldName("Ramp");
  EXPECT_EQ(Text(force, true, 0.5), "*Cload\n17, 1, 61.\n1, 1, 0.5\n28, 1, 0.5\n");
}

}  // namespace
