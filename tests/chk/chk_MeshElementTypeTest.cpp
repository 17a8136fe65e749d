#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "AttributesGuiCommon/mgnC_ElemTypeInference.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "chk/impl/chk_MeshCheck.h"

namespace {

using ElementTypeLines = std::vector<std::string>;

// A mesh with one single-node element class per type name.
std::shared_ptr<bme_Mesh> ElementTypeMesh(std::initializer_list<const char*> types) {
  auto mesh = std::make_shared<bme_Mesh>();
  mesh->MutableNodeData().MutableCoordinates().assign(6, 0.0f);
  for (const char* type : types)
    mesh->AddElementClass(type, 1).MutableConnectivity() = {0};
  return mesh;
}

using ElementTypeFindings = chk_test::Findings;

ElementTypeFindings RunElementTypeCheck(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  chk_MeshCheck check(model, model.Name());
  check.Run();
  ElementTypeFindings found = chk_test::FindingsOf(check);
  bas_Basis::Instance().Fetch().RemoveModel(model.Name());
  return found;
}

std::string SupportText(const std::string& product, const std::string& lines) {
  return "The following parts or part instances contain elements\nnot supported by " + product +
         ".\n\n" + lines + "\nPlease review the assigned element types.";
}

// The element libraries: 1 standard, 2 explicit, 4 fluid.
class chk_MeshElementTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mgnC_ElemTypeInference& inference = mgnC_ElemTypeInference::GetInstance();
    inference.Clear();
    inference.SetLibraries("S4R", 1 | 2);
    inference.SetLibraries("C3D10M", 1);
    inference.SetLibraries("VUEL8", 2);
    inference.SetLibraries("FC3D8", 4);
    inference.SetLibraries("FC3D6", 4 | 1);
  }
  void TearDown() override { mgnC_ElemTypeInference::GetInstance().Clear(); }
};

// Parts for the element-support check, one instance each, in this order.
hst_ModelBuilder SupportModel(const char* name, kprC_AnalysisProductEnm product) {
  hst_ModelBuilder b(name);
  b.Steps().SetAnalysisProduct(product);
  b.AddPart("First", ElementTypeMesh({"S4R", "VUEL8"}));
  b.AddPart("Later", ElementTypeMesh({"S4R", "S4R", "C3D10M", "VUEL8"}));
  b.AddPart("Unknown", ElementTypeMesh({"XQ99"}));
  b.AddPart("Standard", ElementTypeMesh({"C3D10M"}));
  b.AddInstance("First-1", "First");
  b.AddInstance("Later-1", "Later");
  b.AddInstance("Unknown-1", "Unknown");
  b.AddInstance("Standard-1", "Standard");
  return b;
}

}  // namespace

TEST_F(chk_MeshElementTypeTest, ElementSupportByProduct) {
  // A type found unsupported is reported for every part using it, first class
  // or not; names no library knows are never reported.
  ElementTypeFindings found = RunElementTypeCheck(SupportModel("Types-Standard", kprC_STANDARD));
  EXPECT_TRUE(found.errors.empty());
  EXPECT_EQ(ElementTypeLines{SupportText("Morvex/Standard", "    First-1\n    Later-1\n")},
            found.warnings);

  found = RunElementTypeCheck(SupportModel("Types-Explicit", kprC_EXPLICIT));
  EXPECT_EQ(ElementTypeLines{SupportText("Morvex/Explicit", "    Later-1\n    Standard-1\n")},
            found.warnings);

  EXPECT_TRUE(RunElementTypeCheck(SupportModel("Types-Cfd", kprC_CFD)).warnings.empty());
  EXPECT_TRUE(RunElementTypeCheck(SupportModel("Types-Input", kprC_INPUT_FILE)).warnings.empty());

  // Another product: no library; every known name is unsupported.
  found = RunElementTypeCheck(SupportModel("Types-Other", static_cast<kprC_AnalysisProductEnm>(7)));
  EXPECT_EQ(ElementTypeLines{SupportText("Unknown", "    First-1\n    Later-1\n    Standard-1\n")},
            found.warnings);
}

TEST_F(chk_MeshElementTypeTest, ElementSupportSkipsHiddenAndListsLightweightOnce) {
  hst_ModelBuilder b("Types-Hidden");
  b.AddPart("Shell", ElementTypeMesh({"VUEL8"}));
  auto shown = ElementTypeMesh({"VUEL8"});
  shown->SetDisplayMesh(ElementTypeMesh({"VUEL8"}));
  b.AddPart("Shown", shown);
  hst_ModelBuilder::InstanceOptions light;
  light.lightweight = true;
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  b.AddInstance("Shell-x", "Shell", excluded);
  b.AddInstance("Shown-1", "Shown");
  b.AddInstance("Shell-1", "Shell", light);
  b.AddInstance("Shell-2", "Shell");
  b.AddInstance("Shell-3", "Shell", light);
  EXPECT_EQ(ElementTypeLines{SupportText("Morvex/Standard", "    Shell\n    Shell-2\n")},
            RunElementTypeCheck(b).warnings);
}

TEST_F(chk_MeshElementTypeTest, EulerianElementsInNonEulerianParts) {
  hst_ModelBuilder b("Types-Eulerian");
  b.AddPart("Tank", ElementTypeMesh({"C3D8R", "EC3D8R"}));
  b.AddPart("Fluid", ElementTypeMesh({"EC3D8R"}), ptoK_EULERIAN);
  b.AddPart("Solid", ElementTypeMesh({"C3D8R", "C3D4"}));
  auto shown = ElementTypeMesh({"EC3D8RT"});
  shown->SetDisplayMesh(ElementTypeMesh({"C3D8R"}));
  b.AddPart("Shown", shown);
  hst_ModelBuilder::InstanceOptions light;
  light.lightweight = true;
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  b.AddInstance("Tank-1", "Tank", light);
  b.AddInstance("Fluid-1", "Fluid");
  b.AddInstance("Tank-2", "Tank", light);
  b.AddInstance("Solid-1", "Solid");
  b.AddInstance("Shown-1", "Shown");  // display bodies are examined here
  b.AddInstance("Tank-3", "Tank", excluded);
  const ElementTypeFindings found = RunElementTypeCheck(b);
  EXPECT_TRUE(found.errors.empty());
  EXPECT_EQ(ElementTypeLines{"The following non-eulerian parts or part instances contain eulerian "
                             "elements:\n\n    Tank\n    Shown-1\n    Tank-3\n\nPlease review the "
                             "assigned element types."},
            found.warnings);
}

TEST_F(chk_MeshElementTypeTest, EulerianElementControls) {
  auto controls = [](int hourglass) {
    auto params = std::make_shared<bme_ElemCtrlParams>();
    params->SetHourglassControl(hourglass);
    return params;
  };
  auto mesh = [&](std::vector<std::shared_ptr<bme_ElemCtrlParams>> params) {
    auto result = std::make_shared<bme_Mesh>();
    result->MutableNodeData().MutableCoordinates().assign(3, 0.0f);
    for (auto& p : params)
      result->AddElementClass("EC3D8R", 1).SetElemCtrlParams(p);
    return result;
  };
  hst_ModelBuilder b("Types-Controls");
  b.AddPart("Single", mesh({controls(3)}), ptoK_EULERIAN);
  b.AddPart("Equal", mesh({controls(3), controls(3)}), ptoK_EULERIAN);
  // No parameters of its own stands for the defaults.
  b.AddPart("Defaults", mesh({nullptr, std::make_shared<bme_ElemCtrlParams>()}), ptoK_EULERIAN);
  b.AddPart("Mixed", mesh({controls(3), controls(3), controls(4)}), ptoK_EULERIAN);
  b.AddPart("Unset", mesh({nullptr, controls(1)}), ptoK_EULERIAN);
  b.AddPart("Lagrange", ElementTypeMesh({"C3D8R", "C3D8R"}));
  b.AddInstance("Single-1", "Single");
  b.AddInstance("Equal-1", "Equal");
  b.AddInstance("Defaults-1", "Defaults");
  b.AddInstance("Mixed-1", "Mixed");
  hst_ModelBuilder::InstanceOptions excluded;
  excluded.excluded = true;
  b.AddInstance("Mixed-x", "Mixed", excluded);
  b.AddInstance("Unset-1", "Unset");
  b.AddInstance("Lagrange-1", "Lagrange");
  EXPECT_EQ(ElementTypeLines{"The following eulerian parts or part instances contain regions with "
                             "different\nelement controls. The element controls should be the "
                             "same for all regions within\nthe eulerian part or part "
                             "instance:\n\n    Mixed-1\n    Unset-1\n\nPlease review the "
                             "assigned element controls."},
            RunElementTypeCheck(b).warnings);
}

TEST_F(chk_MeshElementTypeTest, ModifiedTrianglesWithRegularQuadratics) {
  using Descriptor = bme_ElementClass::TypeDescriptor;
  auto mesh = [](std::vector<std::pair<const char*, Descriptor>> classes) {
    auto result = std::make_shared<bme_Mesh>();
    result->MutableNodeData().MutableCoordinates().assign(3, 0.0f);
    for (auto& [name, descriptor] : classes) {
      bme_ElementClass& c = result->AddElementClass(name, 1);
      c.MutableConnectivity() = {0};
      c.SetElemTypeDescriptor(descriptor);
    }
    return result;
  };
  const Descriptor triangle{2, 2, 4}, quad{2, 2, 6}, linearQuad{1, 2, 6};
  hst_ModelBuilder b("Types-Triangles");
  b.AddPart("Both", mesh({{"CPE6M", triangle}, {"CPE8", quad}}));
  b.AddPart("Plain", mesh({{"CPE6", triangle}, {"CPE8", quad}}));
  b.AddPart("Modified", mesh({{"CPE6M", triangle}, {"C3D10M", triangle}}));
  b.AddPart("Linear", mesh({{"CPE6M", triangle}, {"CPE4", linearQuad}}));
  // A regular triangle as the regular class; "M" before position 4 is none.
  b.AddPart("Triangles", mesh({{"M3D6", triangle}, {"CPS6M", triangle}}));
  b.AddInstance("Both-1", "Both");
  b.AddInstance("Plain-1", "Plain");
  b.AddInstance("Modified-1", "Modified");
  b.AddInstance("Linear-1", "Linear");
  b.AddInstance("Triangles-1", "Triangles");
  EXPECT_EQ(ElementTypeLines{"The following parts or part instances contain both modified "
                             "quadratic\ntriangle elements and regular quadratic elements, which "
                             "are incompatible:\n\n    Both-1\n    Triangles-1\n\nReview the "
                             "assigned element types or mesh controls."},
            RunElementTypeCheck(b).warnings);
}

TEST_F(chk_MeshElementTypeTest, FluidElementsOnlyForFluidModels) {
  auto build = [](const char* name, int modelType) {
    hst_ModelBuilder b(name);
    b.Steps().SetAnalysisProduct(kprC_CFD);
    b.MutableModel().SetModelType(modelType);
    b.AddPart("Flow", ElementTypeMesh({"FC3D8", "FC3D6"}));
    b.AddPart("Wall", ElementTypeMesh({"FC3D8", "S4R", "C3D8"}));
    hst_ModelBuilder::InstanceOptions light;
    light.lightweight = true;
    b.AddInstance("Flow-1", "Flow");
    b.AddInstance("Wall-1", "Wall", light);
    b.AddInstance("Wall-2", "Wall", light);
    return RunElementTypeCheck(b);
  };
  const ElementTypeFindings fluid = build("Types-Fluid", 2);
  EXPECT_EQ(ElementTypeLines{"The following parts or part instances contain\nnon-fluid "
                             "elements:\n\n    Wall\n\nPlease review the assigned element types."},
            fluid.errors);
  EXPECT_TRUE(fluid.warnings.empty());
  EXPECT_TRUE(build("Types-Solid", 0).errors.empty());
  EXPECT_TRUE(build("Types-Three", 3).errors.empty());
}
