// Densities given by fields: a "*Density" names only a distribution the deck
// defines, each distribution gets a name of its own, and what cannot be
// written stops the write naming material and field.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/materials/aif_MaterialBuilder.h"
#include "aif/impl/sections/aif_DiscreteFieldsBuilder.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;

constexpr char kBanner[] = "** \n** MATERIALS\n** \n";

kmaC_Material FieldDensity(int kind, const char* field) {
  kmaC_Material m;
  auto density = Option<kmaC_Density>({{7.8}});
  density.densityKind = kind;
  density.fieldName = field;
  m.density = Handle(density);
  return m;
}

// rho times 1 + x at the element centroids (x = 0.5 and 1.5).
kfdC_ExpressionField Linear() {
  kfdC_ExpressionField field;
  field.SetDescription("Grows");
  field.constant = 1.0;
  field.gradient = {1.0, 0.0, 0.0};
  return field;
}

// Part "Block" of two bricks, placed as Block-1; section "S" (material
// `material`) on both elements when `assigned`; the part's layup `layup`
// when given.
hst_ModelBuilder Block(const char* material, bool assigned = true,
                       const ptoK_CompositeLayup* layup = nullptr) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  if (layup) b.AddCompositeLayup("Block", *layup);
  if (assigned) {
    rgnC_Region all("All", {"Block"});
    all.SetKernelElementIndices(1, {0, 1});
    b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(all, "S"));
  }
  kseC_HomogenousSolidSection solid;
  solid.material = material;
  b.AddSection("S", solid);
  b.AddInstance("Block-1", "Block");
  return b;
}

kfdC_DataTable Rows(const char* instance, std::initializer_list<int> labels,
                    std::initializer_list<double> values) {
  kfdC_DataTable table(instance);
  table.SetDomain(cow_List<int>(labels), cow_List<double>(values));
  return table;
}

// The model definition the material builder and then the discrete-fields
// builder file.
std::string Written(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_MaterialBuilder materials(info);
  materials.Build();
  aif_DiscreteFieldsBuilder fields(info);
  fields.Build();
  return aif_test::WrittenText([&](utl_Stream& s) {
    akw_WriteKeywords(s, materials.ModelDefinition());
    akw_WriteKeywords(s, fields.ModelDefinition());
  });
}

std::string Refusal(const hst_ModelBuilder& b) {
  try {
    Written(b);
  } catch (const aif_Exception& e) {
    return e.Message().Str();
  }
  return "no exception";
}

TEST(aif_MaterialBuilderFieldDensity, OnlyDefinedDistributionsAreNamed) {
  // Steel is used; Unused is not: its density would name a distribution
  // without rows, so it is left out.
  hst_ModelBuilder b = Block("Steel");
  b.AddMaterial("Steel", FieldDensity(1, "Rho"));
  b.AddMaterial("Unused", FieldDensity(1, "Rho"));
  b.AddAnalyticalField("Rho", Linear());
  EXPECT_EQ(std::string(kBanner) +
                "*Material, name=Steel\n*Density\nASSEMBLY_Steel_Rho\n"
                "*Material, name=Unused\n"
                "*Distribution Table, name=Steel_Rho_Table\nDENSITY\n"
                "*Distribution, name=Steel_Rho, location=ELEMENT, Table=Steel_Rho_Table\n"
                "** Description: Grows From Analytical Field Rho\n"
                ",    7.8\nBlock-1.1, 11.7\nBlock-1.2, 19.5\n",
            Written(b));

  // A failed mapping: the message says the density is missing, and it is.
  hst_ModelBuilder broken = Block("Steel");
  kfdC_MappedField failing;
  failing.failure = "no source data";
  broken.AddAnalyticalField("Broken", failing);
  broken.AddMaterial("Steel", FieldDensity(1, "Broken"));
  ajbC_CheckingMessages::Instance().Messages().Clear();
  EXPECT_EQ(std::string(kBanner) + "*Material, name=Steel\n", Written(broken));
  EXPECT_EQ(1u, ajbC_CheckingMessages::Instance().Messages().Length());
  ajbC_CheckingMessages::Instance().Messages().Clear();
}

TEST(aif_MaterialBuilderFieldDensity, ElementsOfLayupSectionsCount) {
  // No own assignment: the layup's generated section on element 2 (index 1)
  // is the material's only use.
  auto expansion = std::make_shared<kseK_LayupExpansion>();
  gdy_CompositeHitSet hits;
  hits.elementIndices = {1};
  expansion->hitSets.Set("Layup-1", hits);
  kseC_CompositeShellSection plies;
  kseC_Layer layer;
  layer.material = "Steel";
  plies.layers.Append(layer);
  expansion->sections.Set("Layup-1-S", plies);
  expansion->assignments.Append(
      cow_COW<kern_Object>(ptoC_SectionAssignment(rgnC_Region("Layup-1", {"Block"}), "Layup-1-S")));
  ptoK_CompositeLayup layup;
  layup.name = "Layup";
  layup.expansion = expansion;
  hst_ModelBuilder b = Block("Other", false, &layup);
  b.AddMaterial("Steel", FieldDensity(1, "Rho"));
  b.AddAnalyticalField("Rho", Linear());
  EXPECT_EQ(std::string(kBanner) +
                "*Material, name=Steel\n*Density\nASSEMBLY_Steel_Rho\n"
                "*Distribution Table, name=Steel_Rho_Table\nDENSITY\n"
                "*Distribution, name=Steel_Rho, location=ELEMENT, Table=Steel_Rho_Table\n"
                "** Description: Grows From Analytical Field Rho\n"
                ",    7.8\nBlock-1.2, 19.5\n",
            Written(b));
  // An excluded layup gives nothing.
  layup.suppressed = true;
  hst_ModelBuilder excluded = Block("Other", false, &layup);
  excluded.AddMaterial("Steel", FieldDensity(1, "Rho"));
  excluded.AddAnalyticalField("Rho", Linear());
  EXPECT_EQ(std::string(kBanner) + "*Material, name=Steel\n", Written(excluded));
}

TEST(aif_MaterialBuilderFieldDensity, ADensityNameTakenAlreadyGetsItsOwn) {
  // Material A's discrete field is named "Steel_Rho", as Steel's analytical
  // density would be: Steel's takes "Steel_Rho-1", table and all.
  hst_ModelBuilder b = Block("Steel");
  kfdC_DiscreteField discrete;
  discrete.SetDefaultValues({2.0});
  discrete.AddDataTable(Rows("Block-1", {1}, {3.0}));
  b.AddDiscreteField("Steel_Rho", discrete);
  b.AddMaterial("A", FieldDensity(2, "Steel_Rho"));
  b.AddMaterial("Steel", FieldDensity(1, "Rho"));
  b.AddAnalyticalField("Rho", Linear());
  EXPECT_EQ(std::string(kBanner) +
                "*Material, name=A\n*Density\nASSEMBLY_Steel_Rho\n"
                "*Material, name=Steel\n*Density\nASSEMBLY_Steel_Rho-1\n"
                "*Distribution Table, name=Steel_Rho-1_Table\nDENSITY\n"
                "*Distribution, name=Steel_Rho-1, location=ELEMENT, Table=Steel_Rho-1_Table\n"
                "** Description: Grows From Analytical Field Rho\n"
                ",    7.8\nBlock-1.1, 11.7\nBlock-1.2, 19.5\n"
                "*Distribution Table, name=Steel_Rho_Table\nDENSITY\n"
                "*Distribution, name=Steel_Rho, location=ELEMENT, Table=Steel_Rho_Table\n"
                ",     2.\nBlock-1.1, 3.\n",
            Written(b));
}

TEST(aif_MaterialBuilderFieldDensity, TablesOfInstancesTheDeckDoesNotWriteAreLeftOut) {
  hst_ModelBuilder b = Block("Steel");
  hst_ModelBuilder::InstanceOptions locked;
  locked.locks = ftr_LOCK_MESH;
  b.AddInstance("Locked", "Block", locked);
  hst_ModelBuilder::InstanceOptions inactive;
  inactive.active = false;
  b.AddInstance("Off", "Block", inactive);
  kfdC_DiscreteField discrete;
  discrete.SetDefaultValues({2.0});
  discrete.AddDataTable(Rows("Locked", {1}, {4.0}));
  discrete.AddDataTable(Rows("Block-1", {2}, {3.0}));
  discrete.AddDataTable(Rows("Off", {1}, {5.0}));
  b.AddDiscreteField("Rho", discrete);
  b.AddMaterial("Steel", FieldDensity(2, "Rho"));
  EXPECT_EQ(std::string(kBanner) +
                "*Material, name=Steel\n*Density\nASSEMBLY_Rho\n"
                "*Distribution Table, name=Rho_Table\nDENSITY\n"
                "*Distribution, name=Rho, location=ELEMENT, Table=Rho_Table\n"
                ",     2.\nBlock-1.2, 3.\n",
            Written(b));
}

TEST(aif_MaterialBuilderFieldDensity, DensitiesTheDeckCannotGiveStopTheWrite) {
  hst_ModelBuilder missing = Block("Steel");
  missing.AddMaterial("Steel", FieldDensity(2, "Nowhere"));
  EXPECT_EQ(
      "The density of material Steel names the discrete field Nowhere, which the model does "
      "not define.",
      Refusal(missing));
  for (int kind : {1, 2}) {
    hst_ModelBuilder unnamed = Block("Steel");
    unnamed.AddMaterial("Steel", FieldDensity(kind, ""));
    EXPECT_EQ(std::string("The density of material Steel is given by ") +
                  (kind == 1 ? "an analytical" : "a discrete") + " field but names none.",
              Refusal(unnamed));
  }
  // A table naming no instance: its bare labels would name no element
  // outside the parts.
  hst_ModelBuilder bare = Block("Steel");
  kfdC_DiscreteField discrete;
  discrete.SetDefaultValues({2.0});
  discrete.AddDataTable(Rows("", {1}, {3.0}));
  bare.AddDiscreteField("Rho", discrete);
  bare.AddMaterial("Steel", FieldDensity(2, "Rho"));
  EXPECT_EQ(
      "The density of material Steel takes the discrete field Rho, which holds a table naming "
      "no instance.",
      Refusal(bare));
  // Names the solver does not tell apart.
  hst_ModelBuilder cases = Block("Steel");
  cases.AddMaterial("Steel", kmaC_Material());
  cases.AddMaterial("STEEL", kmaC_Material());
  EXPECT_EQ(
      "The materials STEEL and Steel differ only in letter case, which the solver does not "
      "tell apart.",
      Refusal(cases));
}

TEST(aif_MaterialBuilderFieldDensity, ARefusedDensityLeavesNoFile) {
  hst_ModelBuilder b = Block("Steel");
  b.AddMaterial("Steel", FieldDensity(2, "Nowhere"));
  const aif_test::TempDeck deck("aif_MaterialBuilderFieldDensityTest");
  { std::ofstream(deck.Path()) << "an earlier deck\n"; }
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder driver(info);
  try {
    driver.WriteInputFile(deck.Path(), false, true);
    ADD_FAILURE() << "no exception";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(
        "The density of material Steel names the discrete field Nowhere, which the model does "
        "not define.",
        e.Message().Str());
  }
  // Neither a partial deck nor the earlier one: a failed write leaves no file.
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
}

}  // namespace
