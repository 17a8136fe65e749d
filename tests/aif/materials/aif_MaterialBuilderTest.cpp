// The material builder: the banner, one "*Material" or "*Gasket Behavior"
// per material in name order, the discrete-field records of densities given
// by a discrete field, and where the driver puts the materials in a deck.
#include "aif/impl/materials/aif_MaterialBuilder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

namespace fs = std::filesystem;
using aif_test::Handle;
using aif_test::Option;

constexpr char kBanner[] = "** \n** MATERIALS\n** \n";

// What the builder files for the model of `b`: the model definition written
// out, every other list it could file, and the discrete-field records.
struct Filed {
  std::string model;
  std::string other;
  std::string records;  // "field owner kind components... xcount" per record
};

std::string Records(const cow_List<akw_DiscreteField>& uses) {
  std::string text;
  for (const akw_DiscreteField& r : uses) {
    text += r.field.Str() + " '" + r.owner.Str() + "' " + std::to_string(r.ownerKind);
    for (const cow_String& c : r.components)
      text += " " + c.Str();
    text += " x" + std::to_string(r.useCount) + "\n";
  }
  return text;
}

Filed Build(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  const aif_test::FiledText filed = aif_test::BuildAndWrite<aif_MaterialBuilder>(info);
  return {filed.model, filed.other, Records(info.DiscreteFieldUses())};
}

hst_ModelBuilder Model() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

kmaC_Material Elastic(double modulus) {
  kmaC_Material m;
  m.elastic = Handle(Option<kmaC_Elastic>({{modulus, 0.3}}));
  return m;
}

kmaC_Material FieldDensity(int kind, const char* field) {
  kmaC_Material m;
  auto density = Option<kmaC_Density>({{7.8}});
  density.densityKind = kind;
  density.fieldName = field;
  m.density = Handle(density);
  return m;
}

kseC_GasketSection Gasket(const char* material) {
  kseC_GasketSection section;
  section.material = material;
  return section;
}

TEST(aif_MaterialBuilder, AModelWithoutMaterialsFilesNothing) {
  const Filed filed = Build(Model());
  EXPECT_EQ("", filed.model);
  EXPECT_EQ("", filed.other);
  EXPECT_EQ("", filed.records);
}

TEST(aif_MaterialBuilder, OneBlockPerMaterialInNameOrderGasketFormOnlyWhenAGasketSectionNamesIt) {
  hst_ModelBuilder b = Model();
  b.AddMaterial("Steel", Elastic(210));
  // Gasket behaviours and two gasket sections naming it: one gasket block,
  // which leaves out what a gasket does not take (the elastic behaviour).
  kmaC_Material seal = Elastic(1);
  seal.membraneElastic = Handle(Option<kmaC_MembraneElastic>({{5}}));
  seal.thicknessBehavior = Handle(Option<kmaC_ThicknessBehavior>({{0.1, 2}}));
  b.AddMaterial("Seal", seal);
  b.AddSection("G-1", Gasket("Seal"));
  b.AddSection("G-2", Gasket("Seal"));
  // A gasket behaviour but no gasket section naming it (one names it in
  // another case, a solid section names it exactly): a plain material
  // without its gasket behaviour.
  kmaC_Material loose = Elastic(2);
  loose.membraneElastic = Handle(Option<kmaC_MembraneElastic>({{6}}));
  b.AddMaterial("Loose", loose);
  b.AddSection("G-3", Gasket("LOOSE"));
  kseC_HomogenousSolidSection solid;
  solid.material = "Loose";
  b.AddSection("S-1", solid);
  // A gasket section naming a material without gasket behaviours: plain.
  b.AddMaterial("Rubber", Elastic(3));
  b.AddSection("G-4", Gasket("Rubber"));

  const Filed filed = Build(b);
  EXPECT_EQ(std::string(kBanner) +
                "*Material, name=Loose\n*Elastic\n 2., 0.3\n"
                "*Material, name=Rubber\n*Elastic\n 3., 0.3\n"
                "*Gasket Behavior, name=Seal\n"
                "*Gasket Elasticity, component=MEMBRANE\n 5.,\n"
                "*Gasket Thickness Behavior\n 0.1, 2.\n"
                "*Material, name=Steel\n*Elastic\n 210., 0.3\n",
            filed.model);
  EXPECT_EQ("", filed.other);
  EXPECT_EQ("", filed.records);
}

TEST(aif_MaterialBuilder, DiscreteDensitiesAreRecordedOncePerFieldAndCounted) {
  hst_ModelBuilder b = Model();
  b.AddMaterial("A", FieldDensity(2, "Rho"));
  b.AddMaterial("B", FieldDensity(2, "Rho"));
  b.AddMaterial("C", FieldDensity(2, "Other"));
  b.AddMaterial("D", FieldDensity(0, "Rho"));  // a table: no record
  for (const char* field : {"Rho", "Other"}) {
    kfdC_DiscreteField discrete;
    discrete.SetDefaultValues({1.0});
    b.AddDiscreteField(field, discrete);
  }
  b.MutableModel().SetSpecificHeatSetting(2);
  kmaC_Material heat;
  auto specific = Option<kmaC_SpecificHeat>({{450}});
  specific.type = 0;
  heat.specificHeat = Handle(specific);
  b.AddMaterial("E", heat);

  const Filed filed = Build(b);
  // The part-based file names the distributions with the assembly prefix;
  // the model's specific-heat setting reaches "*Specific Heat".
  EXPECT_EQ(std::string(kBanner) +
                "*Material, name=A\n*Density\nASSEMBLY_Rho\n"
                "*Material, name=B\n*Density\nASSEMBLY_Rho\n"
                "*Material, name=C\n*Density\nASSEMBLY_Other\n"
                "*Material, name=D\n*Density\n 7.8,\n"
                "*Material, name=E\n*Specific Heat, type=CONSTANTVOLUME\n 450.,\n",
            filed.model);
  EXPECT_EQ("Rho '' 3 DENSITY x2\nOther '' 3 DENSITY x1\n", filed.records);
}

// Two bricks (x from 0 to 2) placed as "Block-1" and "Block-2" (ids 1, 2);
// every element takes section "S" (and then "T", when given).
hst_ModelBuilder Blocks(const kseC_Section& section, const kseC_Section* second = nullptr) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  rgnC_Region all("All", {"Block"});
  for (int instance : {1, 2})
    all.SetKernelElementIndices(instance, {0, 1});
  b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(all, "S"));
  b.AddSection("S", section);
  if (second) {
    b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(all, "T"));
    b.AddSection("T", *second);
  }
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

kseC_HomogenousSolidSection Solid(const char* material) {
  kseC_HomogenousSolidSection solid;
  solid.material = material;
  return solid;
}

// rho = 7.8 times 1 + x at the element centroids (x = 0.5 and 1.5).
kfdC_ExpressionField Linear() {
  kfdC_ExpressionField field;
  field.SetDescription("Grows along x");
  field.constant = 1.0;
  field.gradient = {1.0, 0.0, 0.0};
  return field;
}

std::string Flat(hst_ModelBuilder b) {
  b.Assembly().SetRequiresFlatInputFile(true);
  return Build(b).model;
}

TEST(aif_MaterialBuilder, AnAnalyticalDensityIsEvaluatedOverTheElementsThatUseTheMaterial) {
  hst_ModelBuilder b = Blocks(Solid("Steel"));
  b.AddMaterial("Steel", FieldDensity(1, "Rho"));
  b.AddMaterial("Unused", FieldDensity(1, "Rho"));  // no section: no distribution
  b.AddAnalyticalField("Rho", Linear());
  const std::string material = "*Material, name=Steel\n*Density\n";
  // Unused's density would name a distribution without rows: left out.
  const std::string unused = "*Material, name=Unused\n";
  // Part-based: labels usable, each instance's elements by their labels.
  EXPECT_EQ(std::string(kBanner) + material + "ASSEMBLY_Steel_Rho\n" + unused +
                "*Distribution Table, name=Steel_Rho_Table\nDENSITY\n"
                "*Distribution, name=Steel_Rho, location=ELEMENT, Table=Steel_Rho_Table\n"
                "** Description: Grows along x From Analytical Field Rho\n"
                ",    7.8\nBlock-1.1, 11.7\nBlock-1.2, 19.5\nBlock-2.1, 11.7\nBlock-2.2, 19.5\n",
            Build(b).model);
  // Flat: the two instances' labels conflict, so the tables hold the index
  // + 1 and the rows name the elements as the mesh block numbers them.
  EXPECT_EQ(std::string(kBanner) + material + "Steel_Rho\n" + unused +
                "*Distribution Table, name=Steel_Rho_Table\nDENSITY\n"
                "*Distribution, name=Steel_Rho, location=ELEMENT, Table=Steel_Rho_Table\n"
                "** Description: Grows along x From Analytical Field Rho\n"
                ",    7.8\n1, 11.7\n2, 19.5\n3, 11.7\n4, 19.5\n",
            Flat(b));
}

TEST(aif_MaterialBuilder, CompositePliesCountForEachOfTheirMaterials) {
  kseC_CompositeShellSection composite;
  for (const char* ply : {"A", "B"}) {
    kseC_Layer layer;
    layer.material = ply;
    composite.layers.Append(layer);
  }
  hst_ModelBuilder b = Blocks(composite);
  b.AddMaterial("A", FieldDensity(1, "Rho"));
  b.AddMaterial("B", FieldDensity(1, "Rho"));
  b.AddMaterial("AB", FieldDensity(1, "Rho"));  // not a ply material
  b.AddAnalyticalField("Rho", Linear());
  const std::string model = Build(b).model;
  EXPECT_NE(std::string::npos, model.find("*Distribution, name=A_Rho,")) << model;
  EXPECT_NE(std::string::npos, model.find("*Distribution, name=B_Rho,")) << model;
  EXPECT_EQ(std::string::npos, model.find("*Distribution, name=AB_Rho,")) << model;
}

TEST(aif_MaterialBuilder, AFailedMappedDensityIsReportedAndSkipsOnlyItsMaterial) {
  // "A" fails; "B", on the same elements through a second assignment, still
  // gets its distribution.
  const kseC_HomogenousSolidSection second = Solid("B");
  hst_ModelBuilder b = Blocks(Solid("A"), &second);
  kfdC_MappedField broken;
  broken.failure = "no source data";
  b.AddAnalyticalField("Broken", broken);
  kfdC_MappedField mapped;
  mapped.values.Set(1, 2.0);  // element index 1; index 0 takes the fallback
  mapped.fallback = 0.5;
  mapped.note = "Mapped with 2 of 4 points outside.";
  b.AddAnalyticalField("Map", mapped);
  b.AddMaterial("A", FieldDensity(1, "Broken"));
  hst_ModelBuilder c = b;
  b.AddMaterial("B", FieldDensity(1, "Map"));

  ajbC_CheckingMessages::Instance().Messages().Clear();
  ajbC_CheckingMessages::Instance().Warnings().Clear();
  const std::string model = Build(b).model;
  EXPECT_EQ(std::string::npos, model.find("name=A_Broken")) << model;
  EXPECT_NE(std::string::npos,
            model.find(",    7.8\nBlock-1.1, 3.9\nBlock-1.2, 15.6\nBlock-2.1, 3.9\nBlock-2.2, "
                       "15.6\n"))
      << model;
  const cow_List<atr_String>& messages = ajbC_CheckingMessages::Instance().Messages();
  const cow_List<atr_String>& warnings = ajbC_CheckingMessages::Instance().Warnings();
  // The failure once among the messages, the note once per instance
  // evaluated among the warnings.
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(
      "\nDue to the failure of evaluating the density of\nmaterial \"A\" from analytical "
      "field \"Broken\",\nthis density will be missing in the input file.",
      messages[0].Str());
  ASSERT_EQ(2u, warnings.Length());
  EXPECT_EQ("Mapped with 2 of 4 points outside.", warnings[0].Str());
  EXPECT_EQ("Mapped with 2 of 4 points outside.", warnings[1].Str());
  ajbC_CheckingMessages::Instance().Messages().Clear();
  ajbC_CheckingMessages::Instance().Warnings().Clear();

  // A field the model lacks stops the write, naming material and field.
  c.AddMaterial("C", FieldDensity(1, "Nowhere"));
  try {
    Build(c);
    ADD_FAILURE() << "no exception";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(
        "The density of material C names the analytical field Nowhere, which the model "
        "does not define.",
        e.Message().Str());
  }
}

TEST(aif_MaterialDeckTest, MaterialsFollowTheAssemblyAndPrecedeTheModelAttributes) {
  hst_ModelBuilder b = Model();
  b.AddMaterial("Steel", Elastic(210));
  b.MutableModel().SetPhysicalConstants(-273.15, 1.7976931348623157e308, 1.7976931348623157e308);
  const std::string deck = aif_test::TempDeck("aif_MaterialDeckTest").Write(b);
  const std::size_t end = deck.find("*End Assembly\n");
  ASSERT_NE(std::string::npos, end) << deck;
  EXPECT_EQ("*End Assembly\n" + std::string(kBanner) +
                "*Material, name=Steel\n*Elastic\n 210., 0.3\n"
                "** \n** PHYSICAL CONSTANTS\n** \n"
                "*Physical Constants, absolute zero=-273.15\n" +
                aif_test::StaticStepLines("Step-1") + "*End Step\n",
            deck.substr(end));
}

}  // namespace
