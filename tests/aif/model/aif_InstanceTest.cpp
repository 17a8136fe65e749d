// "*Instance" and "*System": placement lines from the instance transform;
// names "*Part" and "*Instance" cannot write.
#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/model/aif_Instance.h"
#include "aif/impl/model/aif_Part.h"
#include "aif/impl/model/aif_System.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::Row;

constexpr double kPi = 3.141592653589793;

const aif_Model& Adapter() {
  static const bas_NewModel model = hst_ModelBuilder().Model();
  static const aif_Model adapter(model, "Model-1");
  return adapter;
}

std::string Instance(const gsl_Matrix& transform, const char* name = "Block-1",
                     const char* part = "Block") {
  return KeywordText(aif_Instance(Adapter(), part, name, transform));
}

TEST(aif_Instance, PlacementLines) {
  const std::string header = "*Instance, name=Block-1, part=Block\n";
  EXPECT_EQ(header, Instance(gsl_Matrix()));
  // Below the length tolerance there is no placement.
  EXPECT_EQ(header, Instance(gsl_Matrix::Translation({1e-7, 0, 0})));
  EXPECT_EQ("*Instance, name=\"Block 1\", part=\"My part\"\n" + Row({"1.5", "-2.", "0.25"}),
            Instance(gsl_Matrix::Translation({1.5, -2, 0.25}), "Block 1", "My part"));
  // About an axis through (1, 0, 0): the solver shifts by (1, -1, 0), then
  // turns about the axis through the shifted origin.
  EXPECT_EQ(header + Row({"1.", "-1.", "0."}) + Row({"1.", "-1.", "0.", "1.", "-1.", "1.", "90."}),
            Instance(gsl_Matrix::AxisRotation({1, 0, 0}, {0, 0, 1}, kPi / 2)));
  // Two long names: the part goes on the next line rather than past 256
  // characters.
  const std::string name(125, 'I'), part(125, 'P');
  EXPECT_EQ("*Instance, name=" + name + ", \npart=" + part + "\n",
            Instance(gsl_Matrix(), name.c_str(), part.c_str()));
}

TEST(aif_Instance, ImportedInstanceNamesTheResultsFileOnly) {
  asoF_PartInstance instance;
  instance.SetName("Block-1");
  instance.SetTransform(gsl_Matrix::Translation({0, 0, 3}));
  kpfC_InitialState field;
  field.SetState("Initial", kpfC_InitialStateState("Old job", 1, -1));
  // The imported form names no part, so an instance without one is written.
  EXPECT_EQ("*Instance, library=\"Old job.odb\", instance=Block-1\n",
            KeywordText(aif_Instance(Adapter(), instance, true, field)));
  EXPECT_EQ("The part name is empty and cannot be written to the input file.",
            aif_test::ErrorOf(aif_Instance(Adapter(), instance, false, field)));
  instance.SetPart(std::make_shared<ptoK_Part>("Block"));
  EXPECT_EQ("*Instance, name=Block-1, part=Block\n" + Row({"0.", "0.", "3."}),
            KeywordText(aif_Instance(Adapter(), instance, false, field)));
  // Any other field fails its type test when written.
  const aif_Instance wrong(Adapter(), instance, true, kpfC_Field());
  EXPECT_THROW(KeywordText(wrong), nex_TextException);
}

TEST(aif_Instance, RefusedNamesStopBeforeTheKeywordWritesAnything) {
  // The part and instance keywords refuse a name before their first byte,
  // so no open line is left for whatever comes next.
  aio_StringSink sink;
  std::vector<std::string> messages;
  {
    utl_Stream stream(sink, aif_test::kBreakColumn, aif_test::kDoublePrecision,
                      aif_test::kFloatPrecision);
    auto refused = [&](const akw_Keyword& keyword) {
      messages.push_back(aif_test::MessageOf([&] { keyword.Write(stream); }));
    };
    refused(aif_Part("P\"q"));
    refused(aif_Instance(Adapter(), "Block", "", gsl_Matrix()));
    refused(aif_Instance(Adapter(), "", "Block-1", gsl_Matrix()));
  }
  EXPECT_EQ("", sink.text());
  EXPECT_EQ((std::vector<std::string>{
                "The part name P\"q holds an unpaired double quote and cannot be written to the "
                "input file.",
                "The instance name is empty and cannot be written to the input file.",
                "The part name is empty and cannot be written to the input file."}),
            messages);
}

TEST(aif_System, TransformAsPointsOfTheLocalAxes) {
  auto system = [](const gsl_Matrix& m) { return KeywordText(aif_System(m)); };
  // Rounding noise in the translation is no translation.
  EXPECT_EQ("*System\n", system(gsl_Matrix::Translation({1e-17, 1e-17, 1e-17})));
  EXPECT_EQ("*System\n" + Row({"1.", "0.", "0.", "2.", "0.", "0."}, ","),
            system(gsl_Matrix::Translation({1, 1e-17, 0})));
  // A turn about x needs the third point.
  gsl_Matrix m = gsl_Matrix::Translation({1, 2, 3});
  m.SetRotationVectors({1, 0, 0}, {0, 0, 1}, {0, -1, 0});
  EXPECT_EQ(
      "*System\n" + Row({"1.", "2.", "3.", "2.", "2.", "3."}, ",") + Row({"1.", "2.", "4."}, ","),
      system(m));
}

}  // namespace
