// "*Instance" and "*System": placement lines from the instance transform.
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/model/aif_Instance.h"
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
