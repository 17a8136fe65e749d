// "*Instance" and "*System": placement lines from the instance transform.
#include <initializer_list>
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/model/aif_Instance.h"
#include "aif/impl/model/aif_System.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

constexpr double kPi = 3.141592653589793;

// A data line: each value right-aligned in 12 columns, joined by `separator`.
std::string Row(std::initializer_list<std::string> values, const std::string& separator = ", ") {
  std::string line;
  for (const std::string& value : values) {
    if (!line.empty()) line += separator;
    line += std::string(value.size() < 12 ? 12 - value.size() : 0, ' ') + value;
  }
  return line + "\n";
}

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
  EXPECT_EQ(header + Row({"0.", "0.", "0."}) + Row({"0.", "0.", "0.", "0.", "0.", "1.", "90."}),
            Instance(gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, kPi / 2)));
  // About an axis through (1, 0, 0): the solver shifts by (1, -1, 0), then
  // turns about the axis through the shifted origin.
  EXPECT_EQ(header + Row({"1.", "-1.", "0."}) + Row({"1.", "-1.", "0.", "1.", "-1.", "1.", "90."}),
            Instance(gsl_Matrix::AxisRotation({1, 0, 0}, {0, 0, 1}, kPi / 2)));

  // From the part instance itself.
  asoF_PartInstance instance;
  instance.SetName("Block-2");
  instance.SetPart(std::make_shared<ptoK_Part>("Block"));
  instance.SetTransform(gsl_Matrix::Translation({0, 0, 3}));
  EXPECT_EQ("*Instance, name=Block-2, part=Block\n" + Row({"0.", "0.", "3."}),
            KeywordText(aif_Instance(Adapter(), instance)));
}

TEST(aif_Instance, ImportedInstanceNamesTheResultsFileOnly) {
  asoF_PartInstance instance;
  instance.SetName("Block-1");
  instance.SetTransform(gsl_Matrix::Translation({0, 0, 3}));
  kpfC_InitialState field;
  field.SetState("Initial", kpfC_InitialStateState("Old job", 1, -1));
  EXPECT_EQ("*Instance, library=\"Old job.odb\", instance=Block-1\n",
            KeywordText(aif_Instance(Adapter(), instance, true, field)));
  EXPECT_EQ("*Instance, name=Block-1, part=\n" + Row({"0.", "0.", "3."}),
            KeywordText(aif_Instance(Adapter(), instance, false, field)));
  // Any other field fails its type test when written.
  const aif_Instance wrong(Adapter(), instance, true, kpfC_Field());
  EXPECT_THROW(KeywordText(wrong), nex_TextException);
}

TEST(aif_System, TransformAsPointsOfTheLocalAxes) {
  auto system = [](const gsl_Matrix& m) { return KeywordText(aif_System(m)); };
  EXPECT_EQ("*System\n", system(gsl_Matrix()));
  // Rounding noise in the translation is no translation.
  EXPECT_EQ("*System\n", system(gsl_Matrix::Translation({1e-17, 1e-17, 1e-17})));
  EXPECT_EQ("*System\n" + Row({"1.", "0.", "0.", "2.", "0.", "0."}, ","),
            system(gsl_Matrix::Translation({1, 1e-17, 0})));
  // A turn about z alone: origin and x-axis point only.
  gsl_Matrix m = gsl_Matrix::Translation({1, 2, 3});
  m.SetRotationVectors({0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
  EXPECT_EQ("*System\n" + Row({"1.", "2.", "3.", "1.", "3.", "3."}, ","), system(m));
  // A turn about x needs the third point.
  m.SetRotationVectors({1, 0, 0}, {0, 0, 1}, {0, -1, 0});
  EXPECT_EQ(
      "*System\n" + Row({"1.", "2.", "3.", "2.", "2.", "3."}, ",") + Row({"1.", "2.", "4."}, ","),
      system(m));
}

}  // namespace
