// The element-average fluid initial conditions and the volume fractions of an
// Eulerian section's material instances: fixed lines, element lines from
// expression and discrete fields, and what is left out (zero fractions,
// selectors and kinds without a form).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif_FieldTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

// Block-1 and Block-2 (moved by 10 along x) of a part of two bricks with the
// Eulerian section "Euler" (material instances Air, Steel and Water); the
// element fields "FracAir" (Block-1: 0.25, 0; default 0.5) and "FracSteel"
// (Block-1: 0.75, 1; default 0.5); the expression field "Expr"
// (1 + x + 10 y + 100 z, so 56.5 and 57.5 at Block-1's centroids, 66.5 at
// Block-2's first).
class aif_InitialFluidTest : public aif_FieldTestModel {
 protected:
  void SetUp() override {
    ClearFieldMessages();
    kseC_EulerianSection euler;
    euler.materialInstances.Set("Steel", "Mat-S");
    euler.materialInstances.Set("Air", "Mat-A");
    euler.materialInstances.Set("Water", "Mat-W");
    builder_.AddSection("Euler", euler);
    builder_.AddPart("Block", hst_GridMesh(2, 1, 1));
    builder_.AddPartAttribute("Block",
                              ptoC_SectionAssignment(rgnC_Region("All", {"Block"}), "Euler"));
    builder_.AddInstance("Block-1", "Block");
    hst_ModelBuilder::InstanceOptions moved;
    moved.transform = gsl_Matrix::Translation(gsl_Vector(10.0, 0.0, 0.0));
    moved.active = SecondInstanceActive();
    builder_.AddInstance("Block-2", "Block", moved);
    kfdC_ExpressionField expression;
    expression.constant = 1.0;
    expression.gradient = {1.0, 10.0, 100.0};
    builder_.AddAnalyticalField("Expr", expression);
    AddFraction("FracAir", {0.25, 0.0});
    AddFraction("FracSteel", {0.75, 1.0});
  }

  virtual bool SecondInstanceActive() const { return true; }

  void AddFraction(const char* name, std::initializer_list<double> values) {
    kfdC_DiscreteField field;
    field.SetLocation(kfdC_DiscreteField::kElements);
    field.SetDefaultValues({0.5});
    kfdC_DataTable table("Block-1");
    table.SetDomain({1, 2}, values);
    field.AddDataTable(table);
    builder_.AddDiscreteField(name, field);
  }

  // Elements 1 and 2 of Block-1, element 1 of Block-2.
  static rgnC_Region Elements() {
    rgnC_Region region("Set-E", {"Assembly"});
    region.SetKernelElementIndices(1, {0, 1});
    region.SetKernelElementIndices(2, {0});
    return region;
  }

  std::string Text(const kpfC_Field& field, bool flat = false) {
    const aif_InitialConditions keyword(field, "Initial", "Initial", 0, "Set-E", 1, 1, &Info(flat),
                                        1.0);
    return aif_test::KeywordText(keyword);
  }
  std::string TextOnce(const kpfC_Field& field) {
    const aif_InitialConditions keyword(field, "Initial", "Initial", 0, "Set-E", 1, 1, &Info(),
                                        1.0);
    return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); });
  }
};

TEST_F(aif_InitialFluidTest, VelocityDensityAndTurbulence) {
  // Three lines, zeros included.
  kpfC_FluidVelocity velocity;
  velocity.SetComponents({1.5, 0.0, -2.0});
  EXPECT_EQ(Text(velocity),
            "*Initial Conditions, type=VELOCITY, Element Average\n"
            "Set-E, 1, 1.5\nSet-E, 2, 0.\nSet-E, 3, -2.\n");
  kpfC_FluidDensity density;
  density.SetDensity(1000.0);
  EXPECT_EQ(Text(density), "*Initial Conditions, type=Density\nSet-E, 1000.\n");

  kpfC_FluidTurbulence turbulence;
  turbulence.SetTurbulence(1, {0.1, 0.2, 0.3});
  EXPECT_EQ(Text(turbulence), "*Initial Conditions, type=TURBNU, Element Average\nSet-E, 0.1\n");
  // Kind 2: two complete keywords.
  turbulence.SetTurbulence(2, {0.1, 0.2, 0.3});
  EXPECT_EQ(Text(turbulence),
            "*Initial Conditions, type=TURBKE, Element Average\nSet-E, 0.2\n"
            "*Initial Conditions, type=TURBEPS, Element Average\nSet-E, 0.3\n");
  for (int kind : {0, 3}) {
    turbulence.SetTurbulence(kind, {0.1, 0.2, 0.3});
    EXPECT_EQ(Text(turbulence), "") << kind;
  }
}

TEST_F(aif_InitialFluidTest, ThermalEnergyBySelectorAndDistribution) {
  kpfC_FluidThermalEnergy energy;
  energy.SetName("Heat-1");
  energy.SetMagnitude(2.0);
  energy.SetRegion(Elements());
  // Only selector 1 has a form: 0 and 2 write nothing at all.
  for (int selector : {0, 2}) {
    energy.SetSelector(selector);
    EXPECT_EQ(Text(energy), "") << selector;
  }
  energy.SetSelector(1);
  constexpr char kHeader[] = "*Initial Conditions, type=TEMPERATURE, Element Average\n";
  EXPECT_EQ(Text(energy), std::string(kHeader) + "Set-E, 2.\n");
  // An expression field at the element centroids, times the magnitude.
  energy.SetEnergyDistribution(1);
  energy.SetDistributionFieldName("Expr");
  EXPECT_EQ(Text(energy),
            std::string(kHeader) + "Block-1.1, 113.\nBlock-1.2, 115.\nBlock-2.1, 133.\n");
  // A discrete field: Block-1 from its table, Block-2 (no table) the default.
  energy.SetEnergyDistribution(2);
  energy.SetDistributionFieldName("FracSteel");
  EXPECT_EQ(Text(energy), std::string(kHeader) + "Block-1.1, 1.5\nBlock-1.2, 2.\nBlock-2.1, 1.\n");
  EXPECT_TRUE(Messages().empty());

  // Fields the model lacks: the keyword line and one message each.
  energy.SetDistributionFieldName("Nowhere");
  EXPECT_EQ(TextOnce(energy), kHeader);
  energy.SetEnergyDistribution(1);
  EXPECT_EQ(TextOnce(energy), kHeader);
  const std::string tail =
      " field \"Nowhere\",\nthis predefined field will be missing in the input file.";
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "\nDue to the failure of evaluating the predefined field \"Heat-1\"\n"
                            "from discrete" +
                                tail,
                            "\nDue to the failure of evaluating the predefined field \"Heat-1\"\n"
                            "from analytical" +
                                tail}));
}

TEST_F(aif_InitialFluidTest, VolumeFractionsWithoutZeros) {
  kpfC_MaterialAssignment assignment;
  assignment.SetName("Fill-1");
  assignment.SetRegion(Elements());
  assignment.SetFractionField("Air", "FracAir");
  assignment.SetFractionField("Steel", "FracSteel");
  // A material instance without a field writes no line.
  assignment.SetFractionField("Water", "");
  // Per element the material instances in name order; Block-1's second
  // element holds no air.
  EXPECT_EQ(Text(assignment),
            "*Initial Conditions, type=VOLUME FRACTION\n"
            "Block-1.1, Air, 0.25\n"
            "Block-1.1, Steel, 0.75\n"
            "Block-1.2, Steel, 1.\n"
            "Block-2.1, Air, 0.5\n"
            "Block-2.1, Steel, 0.5\n");
  // A flat file names the material instances as its Eulerian section does.
  EXPECT_EQ(Text(assignment, true),
            "*Initial Conditions, type=VOLUME FRACTION\n"
            "1, Block-1_Air, 0.25\n"
            "1, Block-1_Steel, 0.75\n"
            "2, Block-1_Steel, 1.\n"
            "3, Block-2_Air, 0.5\n"
            "3, Block-2_Steel, 0.5\n");
  EXPECT_TRUE(Messages().empty());
  // A fraction field the model lacks: the keyword line, no element line,
  // one message.
  assignment.SetFractionField("Steel", "Nowhere");
  EXPECT_EQ(TextOnce(assignment), "*Initial Conditions, type=VOLUME FRACTION\n");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "\nDue to the failure of evaluating the predefined field \"Fill-1\"\nfrom "
                "discrete field \"Nowhere\",\nthis predefined field will be missing in the input "
                "file."});
}

// The same model with Block-2 suppressed.
class aif_InitialFluidSuppressedTest : public aif_InitialFluidTest {
 protected:
  bool SecondInstanceActive() const override { return false; }
};

TEST_F(aif_InitialFluidSuppressedTest, VolumeFractionsSkipASuppressedInstance) {
  kpfC_MaterialAssignment assignment;
  assignment.SetRegion(Elements());
  assignment.SetFractionField("Air", "FracAir");
  assignment.SetFractionField("Steel", "FracSteel");
  EXPECT_EQ(Text(assignment),
            "*Initial Conditions, type=VOLUME FRACTION\n"
            "Block-1.1, Air, 0.25\n"
            "Block-1.1, Steel, 0.75\n"
            "Block-1.2, Steel, 1.\n");
}

}  // namespace
