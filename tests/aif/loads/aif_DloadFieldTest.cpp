// "*Dload" written element by element: surface loads, discrete-field
// pressures and body loads given by an analytical field.
#include <gtest/gtest.h>

#include <string>

#include "../../support/aif_TestSupport.h"
#include "aif/impl/loads/aif_Dload.h"
#include "aif_DloadTestModel.h"

using aif_dload_test::Elements;
using aif_dload_test::SetState;

namespace {

std::string DloadFieldText(const kloC_Load& load, const aif_ModelInfo& info, int space = 1,
                           double scale = 1.0, bool opFlag = true) {
  return aif_test::KeywordText(
      aif_Dload(load, "Step-1", opFlag, "Set", space, info, false, -1, scale, "Load-1"));
}

// What `load` writes once, with the checking messages it appends (taken).
std::string DloadWrittenOnce(const kloC_Load& load, const aif_ModelInfo& info,
                             cow_List<atr_String>& messages, int space = 1) {
  aif_dload_test::TakeMessages();
  const aif_Dload dload(load, "Step-1", true, "Set", space, info, false, -1, 1.0, "Load-1");
  const std::string text = aif_test::StreamText([&](utl_Stream& s) { dload.Write(s); });
  messages = aif_dload_test::TakeMessages();
  return text;
}

kfdC_DiscreteField DloadPressureField(std::initializer_list<double> defaults) {
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kElements);
  field.SetDefaultValues(cow_List<double>(defaults));
  kfdC_DataTable table("I-1");
  table.SetDomain({1, 2, 3}, {2.0, 0.0, 4.0});
  field.AddDataTable(table);
  kfdC_DataTable second("I-2");
  second.SetDomain({2}, {6.0});
  field.AddDataTable(second);
  return field;
}

}  // namespace

// Form B: ", follower=NO" for a load that does not follow, the orientation
// by name (printable) or by datum system, ", constant resultant=YES".
TEST(DloadFieldTest, TractionKeywordLine) {
  aif_dload_test::Model model;
  model.Builder().AddAnalyticalField("F", aif_dload_test::Constant(2.0));
  const aif_ModelInfo& info = model.Info();
  kloC_SurfaceTraction traction;
  traction.SetFieldName("F");
  traction.SetDistribution(2);
  traction.SetRegion(Elements({0}, {"S4"}));
  traction.SetDirectionSegment({{1.0, 1.0, 1.0}, {1.0, 1.0, 3.0}});
  traction.SetOrientationName("Ori-1");
  traction.SetDatum({{"I-1"}, "Csys-1"}, 30.0);
  SetState(traction, 1, {1.5}, 1, "Amp-1");
  EXPECT_EQ(
      "*Dload, amplitude=Amp-1, follower=NO, orientation=Ori-1\nI-1.1, TRVEC4, 3., 0., 0., 1.\n",
      DloadFieldText(traction, info));
  traction.SetOrientationName("");
  traction.SetFollower(true);
  traction.SetConstantResultant(true);
  EXPECT_EQ(
      "*Dload, op=NEW, amplitude=Amp-1, orientation=I-1-Csys-1_Load-1_, constant "
      "resultant=YES\nI-1.1, TRVEC4, 3., 0., 0., 1.\n",
      DloadFieldText(traction, info, 1, 1.0, false));
  traction.SetDatum({{"I-1"}, "Csys-1"}, 0.0);
  traction.SetConstantResultant(false);
  EXPECT_EQ("*Dload, amplitude=Amp-1, orientation=I-1-Csys-1\nI-1.1, TRVEC4, 3., 0., 0., 1.\n",
            DloadFieldText(traction, info));
  // A name that would inject options is quoted; one with a line break stops
  // the write before anything is written.
  traction.SetOrientationName("Ori, op=NEW");
  EXPECT_EQ("*Dload, amplitude=Amp-1, orientation=\"Ori, op=NEW\"\nI-1.1, TRVEC4, 3., 0., 0., 1.\n",
            DloadFieldText(traction, info));
  traction.SetOrientationName("Ori\n*Boundary");
  EXPECT_EQ(
      "The name \"Ori\\n*Boundary\" holds a line break or another control character and cannot "
      "be written to the input file.",
      aif_test::ThrownText(
          aif_Dload(traction, "Step-1", true, "Set", 1, info, false, -1, 1.0, "Load-1")));
}

// Element lines of surface loads: the face number appended to the label, a
// pressure on a shell's positive side negated; edge loads likewise, the
// general one with its direction.
TEST(DloadFieldTest, SurfaceLoadsElementByElement) {
  aif_dload_test::Model model;
  model.Builder().AddAnalyticalField("F", aif_dload_test::Constant(2.0));
  model.Builder().AddAnalyticalField("Zero", aif_dload_test::Constant(0.0));
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  pressure.SetFieldName("F");
  pressure.SetDistribution(3);
  pressure.SetRegion(Elements({0, 1, 2, 3}, {"S4", "SPOS", "SNEG", ""}));
  SetState(pressure, 1, {1.5});
  EXPECT_EQ("*Dload\nI-1.1, P4, 3.\nI-1.2, P, -3.\nI-1.3, P, 3.\nI-1.4, P, 3.\n",
            DloadFieldText(pressure, info));
  // Zero values still have their lines.
  pressure.SetFieldName("Zero");
  EXPECT_EQ("*Dload\nI-1.1, P4, 0.\nI-1.2, P, 0.\nI-1.3, P, 0.\nI-1.4, P, 0.\n",
            DloadFieldText(pressure, info));
  // A face list shorter than the elements names no face for the rest.
  pressure.SetRegion(Elements({0, 1}, {"S2"}));
  EXPECT_EQ("*Dload\nI-1.1, P2, 0.\nI-1.2, P, 0.\n", DloadFieldText(pressure, info));
  pressure.SetRegion(Elements({0, 1, 2, 3}, {"S4", "SPOS", "SNEG", ""}));
  // Not new in the step: nothing.
  SetState(pressure, 2, {1.5}, 2);
  EXPECT_EQ("", DloadFieldText(pressure, info));
  // Complex: both parts, whatever their values.
  pressure.SetFieldName("F");
  pressure.SetRegion(Elements({0}, {"S1"}));
  pressure.SetComplex({{1.0, 0.0}});
  EXPECT_EQ("*Dload, real\nI-1.1, P1, 2.\n*Dload, imaginary\nI-1.1, P1, 0.\n",
            DloadFieldText(pressure, info));

  kloC_ShellEdgeLoad edge;
  edge.SetFieldName("F");
  edge.SetDistribution(2);
  edge.SetRegion(Elements({1}, {"E3"}));
  edge.SetFollower(true);
  edge.SetDirectionSegment({{0.0, 0.0, 0.0}, {3.0, 0.0, 4.0}});
  SetState(edge, 1, {1.0});
  EXPECT_EQ("*Dload\nI-1.2, EDNOR3, 2.\n", DloadFieldText(edge, info));
  edge.SetTractionKind(4);
  EXPECT_EQ("*Dload\nI-1.2, EDLD3, 2., 0.6, 0., 0.8\n", DloadFieldText(edge, info));
  edge.SetTractionKind(3);
  EXPECT_EQ("*Dload\nI-1.2, EDMOM3, 2.\n", DloadFieldText(edge, info));

  // A complex traction: a block per part, each with its own keyword line.
  kloC_SurfaceTraction traction;
  traction.SetFieldName("F");
  traction.SetDistribution(2);
  traction.SetTractionKind(1);
  traction.SetFollower(true);
  traction.SetRegion(Elements({0, 1}, {"S2", "S2"}));
  SetState(traction, 2, {0.0}, 2);
  traction.SetComplex({{1.0, -0.5}});
  EXPECT_EQ(
      "*Dload, real\nI-1.1, TRSHR2, 2., 0., 0., 0.\nI-1.2, TRSHR2, 2., 0., 0., 0.\n"
      "*Dload, imaginary\nI-1.1, TRSHR2, -1., 0., 0., 0.\nI-1.2, TRSHR2, -1., 0., 0., 0.\n",
      DloadFieldText(traction, info));
}

// A field that cannot be evaluated leaves the whole keyword out, its message
// appended once, also for a load written in two parts.
TEST(DloadFieldTest, AFailedFieldLeavesTheLoadOut) {
  aif_dload_test::Model model;
  model.Builder().AddAnalyticalField("Plain", kfdC_AnalyticalField());
  const aif_ModelInfo& info = model.Info();
  cow_List<atr_String> messages;
  kloC_Pressure pressure;
  pressure.SetFieldName("Missing");
  pressure.SetDistribution(3);
  pressure.SetRegion(Elements({0}, {"S1"}));
  SetState(pressure, 1, {1.0});
  pressure.SetComplex({{1.0, 1.0}});
  EXPECT_EQ("", DloadWrittenOnce(pressure, info, messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(aif_dload_test::MissingLoadMessage("pressure", "Load-1", "Missing"), messages[0].Str());

  kloC_BodyForce force;
  force.SetFieldName("Missing");
  force.SetDistribution(2);
  force.SetRegion(Elements({0}));
  SetState(force, 1, {1.0, 2.0, 3.0});
  EXPECT_EQ("", DloadWrittenOnce(force, info, messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(aif_dload_test::MissingLoadMessage("body force", "Load-1", "Missing"),
            messages[0].Str());

  // A field neither expression nor mapped has no values to give.
  force.SetFieldName("Plain");
  EXPECT_EQ("", DloadWrittenOnce(force, info, messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(aif_dload_test::MissingLoadMessage("body force", "Load-1", "Plain"), messages[0].Str());

  kloC_Gravity gravity;
  gravity.SetFieldName("Missing");
  gravity.SetRegion(Elements({0}));
  SetState(gravity, 1, {0.0, -9.81, 0.0});
  EXPECT_EQ("", DloadWrittenOnce(gravity, info, messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(aif_dload_test::MissingLoadMessage("gravity", "Load-1", "Missing"), messages[0].Str());
}

// Discrete-field pressures: each element's value from the table of its
// instance, by the table's own numbering, or the field's default; lines of
// zero left out.
TEST(DloadFieldTest, DiscreteFieldPressures) {
  kloC_Pressure pressure;
  pressure.SetFieldName("D");
  pressure.SetDistribution(6);
  pressure.SetRegion(Elements({0, 1, 2, 3}, {"S1", "S1", "SPOS", ""}));
  SetState(pressure, 2, {2.0}, 2);

  aif_dload_test::Model parts;
  parts.Builder().AddDiscreteField("D", DloadPressureField({1.5}));
  EXPECT_EQ("*Dload\nI-1.1, P1, 4.\nI-1.3, P, -8.\nI-1.4, P, 3.\n",
            DloadFieldText(pressure, parts.Info()));
  EXPECT_EQ("*Dload\nI-1.1, P1, 8.\nI-1.3, P, -16.\nI-1.4, P, 6.\n",
            DloadFieldText(pressure, parts.Info(), 1, 2.0));

  // A flat file whose element labels are shifted: the tables still hold the
  // mesh's labels.
  aif_dload_test::Model flat;
  flat.Builder().AddDiscreteField("D", DloadPressureField({1.5}));
  EXPECT_EQ("*Dload\n1001, P1, 4.\n1003, P, -8.\n1004, P, 3.\n",
            DloadFieldText(pressure, flat.Info(true, "1000")));

  // Two instances with colliding labels: the second's elements are numbered
  // after the first's, and its table is read by the element's position + 1.
  aif_dload_test::Model two(2);
  two.Builder().AddDiscreteField("D", DloadPressureField({1.5}));
  pressure.SetRegion(Elements({0, 1}, {}, 2));
  EXPECT_EQ("*Dload\n5, P, 3.\n6, P, 12.\n", DloadFieldText(pressure, two.Info(true)));
  // An instance without a table of its own: every element the default.
  aif_dload_test::Model other(2);
  kfdC_DiscreteField onlyFirst;
  onlyFirst.SetDefaultValues({0.5});
  onlyFirst.AddDataTable(DloadPressureField({}).DataTables()[0]);
  other.Builder().AddDiscreteField("D", onlyFirst);
  EXPECT_EQ("*Dload\nI-2.1, P, 1.\nI-2.2, P, 1.\n", DloadFieldText(pressure, other.Info()));
}

// A discrete field that cannot give every element a value leaves the load
// out with the message: a name the model lacks, a default needed but not
// given, a table holding fewer values than labels.
TEST(DloadFieldTest, DiscreteFieldFailures) {
  kloC_Pressure pressure;
  pressure.SetFieldName("D");
  pressure.SetDistribution(6);
  pressure.SetRegion(Elements({0, 3}, {"S1", "S1"}));
  SetState(pressure, 1, {1.0});
  cow_List<atr_String> messages;
  const std::string message = aif_dload_test::MissingLoadMessage("pressure", "Load-1", "D");

  aif_dload_test::Model missing;
  EXPECT_EQ("", DloadWrittenOnce(pressure, missing.Info(), messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(message, messages[0].Str());

  aif_dload_test::Model noDefault;
  noDefault.Builder().AddDiscreteField("D", DloadPressureField({}));
  EXPECT_EQ("", DloadWrittenOnce(pressure, noDefault.Info(), messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(message, messages[0].Str());
  // Every element in the table: no default needed.
  pressure.SetRegion(Elements({0, 2}, {"S1", "S1"}));
  EXPECT_EQ("*Dload\nI-1.1, P1, 2.\nI-1.3, P1, 4.\n",
            DloadWrittenOnce(pressure, noDefault.Info(), messages));
  EXPECT_EQ(0u, messages.Length());

  aif_dload_test::Model shortTable;
  kfdC_DataTable table("I-1");
  table.SetDomain({1, 2, 3}, {2.0, 0.0});
  kfdC_DiscreteField shortField;
  shortField.SetDefaultValues({1.0});
  shortField.AddDataTable(table);
  shortTable.Builder().AddDiscreteField("D", shortField);
  EXPECT_EQ("", DloadWrittenOnce(pressure, shortTable.Info(), messages));
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(message, messages[0].Str());
}

// Body loads given by a field: the set's labels and trailing fields on every
// element line.
TEST(DloadFieldTest, BodyLoadsElementByElement) {
  aif_dload_test::Model model;
  model.Builder().AddAnalyticalField("F", aif_dload_test::Constant(2.0));
  const aif_ModelInfo& info = model.Info();
  const rgnC_Region region = Elements({0, 1});

  kloC_BodyForce force;
  force.SetFieldName("F");
  force.SetDistribution(2);
  force.SetRegion(region);
  kloC_LoadState state(2, {1.0, 2.0, 3.0});
  state.SetStatus(2);
  state.SetValue(1, 2.0, 1);
  force.SetState("Step-1", 2, state);
  EXPECT_EQ("*Dload\nI-1.1, BY, 4.\nI-1.2, BY, 4.\n", DloadFieldText(force, info));
  state.SetValue(1, 2.0, 2);
  force.SetState("Step-1", 2, state);
  EXPECT_EQ("", DloadFieldText(force, info));
  // Complex: both parts always, the third component only in three
  // dimensions.
  force.SetComplex({{1.0, 0.0}, {0.0, 0.0}, {0.5, 0.0}});
  force.SetRegion(Elements({0}));
  EXPECT_EQ(
      "*Dload, real\nI-1.1, BX, 2.\nI-1.1, BY, 0.\nI-1.1, BZ, 1.\n"
      "*Dload, imaginary\nI-1.1, BX, 0.\nI-1.1, BY, 0.\nI-1.1, BZ, 0.\n",
      DloadFieldText(force, info));
  EXPECT_EQ(
      "*Dload, real\nI-1.1, BR, 2.\nI-1.1, BZ, 0.\n*Dload, imaginary\nI-1.1, BR, 0.\nI-1.1, BZ, "
      "0.\n",
      DloadFieldText(force, info, 4));

  kloC_LineLoad line;
  line.SetFieldName("F");
  line.SetDistribution(2);
  line.SetRegion(Elements({0}));
  SetState(line, 1, {0.0, 0.0, 0.0});
  line.SetComplex({{0.0, 0.0}, {1.0, 0.0}, {0.0, 0.0}});
  EXPECT_EQ("*Dload, real\nI-1.1, PY, 2.\n", DloadFieldText(line, info));

  kloC_Gravity gravity;
  gravity.SetFieldName("F");
  gravity.SetRegion(Elements({0}));
  SetState(gravity, 1, {0.0, -9.81, 0.0});
  EXPECT_EQ("*Dload\nI-1.1, GRAV, 19.62, 0., -1., 0.\n", DloadFieldText(gravity, info));
  EXPECT_EQ("*Dload\nI-1.1, GRAV, 19.62, , -1.\n", DloadFieldText(gravity, info, 4));

  kloC_RotationalBodyForce rotation;
  rotation.SetFieldName("F");
  rotation.SetRegion(Elements({1}));
  rotation.SetEffects(true, false);
  rotation.SetAxis({0.0, 0.0, 0.0}, {0.0, 2.0, 0.0});
  SetState(rotation, 1, {3.0});
  EXPECT_EQ("*Dload\nI-1.2, CENTRIF, 18.,0.,0.,0.,0.,1.,0.\n", DloadFieldText(rotation, info));

  kloC_CoriolisForce coriolis;
  coriolis.SetFieldName("F");
  coriolis.SetRegion(Elements({1}));
  coriolis.SetAxis({0.0, 0.0, 0.0}, {0.0, 2.0, 0.0});
  SetState(coriolis, 1, {3.0});
  EXPECT_EQ("*Dload\nI-1.2, CORIO, 6.,0.,0.,0.,0.0,1.0,0.0\n", DloadFieldText(coriolis, info, 4));

  kloC_PipePressure pipe;
  pipe.SetFieldName("F");
  pipe.SetDistribution(3);
  pipe.SetFixedValue(0.5);
  pipe.SetRegion(Elements({0}));
  SetState(pipe, 1, {4.0, 1.0, 2.0});
  EXPECT_EQ("*Dload\nI-1.1, PI, 8., 0.5\n", DloadFieldText(pipe, info));
  pipe.SetComplex({{1.0, 2.0}});
  EXPECT_EQ("*Dload, real\nI-1.1, PI, 2., 0.5\n*Dload, imaginary\nI-1.1, PI, 4., 0.5\n",
            DloadFieldText(pipe, info));
}

// Mapped fields: a mapping's note goes to the warnings and the lines are
// written; a mapping that fails or comes short for any instance leaves the
// whole load out, the lines of the instances before it included; a region
// without mesh members gives the keyword line alone.
TEST(DloadFieldTest, MappedFields) {
  aif_dload_test::Model model(2);
  kfdC_MappedField mapped;
  mapped.values.Set(0, 1.0);
  mapped.values.Set(1, 2.5);
  mapped.note = "3 points lie outside the source data.";
  model.Builder().AddAnalyticalField("M", mapped);
  kfdC_MappedField failing = mapped;
  failing.note = "";
  failing.instanceFailures.Set(2, "No source data near the target.");
  model.Builder().AddAnalyticalField("Failing", failing);
  kfdC_MappedField shortOne = mapped;
  shortOne.note = "";
  shortOne.shortInstances = {2};
  model.Builder().AddAnalyticalField("Short", shortOne);
  const aif_ModelInfo& info = model.Info();

  rgnC_Region both("Surf-2", {"Assembly"});
  both.SetKernelValid(true);
  both.SetKernelInstanceIds({1, 2});
  both.SetKernelElementIndices(1, {0, 1}, {"S1", "S1"});
  both.SetKernelElementIndices(2, {1}, {"S3"});
  kloC_Pressure pressure;
  pressure.SetFieldName("M");
  pressure.SetDistribution(3);
  pressure.SetRegion(both);
  SetState(pressure, 1, {2.0});
  cow_List<atr_String> messages;

  ajbC_CheckingMessages::Instance().Warnings().Clear();
  EXPECT_EQ("*Dload\nI-1.1, P1, 2.\nI-1.2, P1, 5.\nI-2.2, P3, 5.\n",
            DloadWrittenOnce(pressure, info, messages));
  EXPECT_EQ(0u, messages.Length());
  const cow_List<atr_String> warnings = ajbC_CheckingMessages::Instance().Warnings();
  ajbC_CheckingMessages::Instance().Warnings().Clear();
  ASSERT_EQ(2u, warnings.Length());  // one per instance mapped
  EXPECT_EQ("3 points lie outside the source data.", warnings[0].Str());

  for (const char* name : {"Failing", "Short"}) {
    pressure.SetFieldName(name);
    EXPECT_EQ("", DloadWrittenOnce(pressure, info, messages)) << name;
    ASSERT_EQ(1u, messages.Length()) << name;
    EXPECT_EQ(aif_dload_test::MissingLoadMessage("pressure", "Load-1", name), messages[0].Str());
  }
  // Complex: still one evaluation, one message, nothing written.
  pressure.SetComplex({{1.0, 1.0}});
  EXPECT_EQ("", DloadWrittenOnce(pressure, info, messages));
  EXPECT_EQ(1u, messages.Length());

  rgnC_Region empty("Surf-3", {"Assembly"});
  empty.SetKernelValid(true);
  pressure.SetRegion(empty);
  pressure.SetFieldName("M");
  pressure.SetIsComplex(false);
  EXPECT_EQ("*Dload\n", DloadWrittenOnce(pressure, info, messages));
  EXPECT_EQ(0u, messages.Length());
}
