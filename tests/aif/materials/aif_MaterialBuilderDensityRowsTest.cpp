// The rows of an analytical density's distribution: one per element the
// deck writes, each named as the mesh block names it.
#include <gtest/gtest.h>

#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/materials/aif_MaterialBuilder.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

using aif_test::Handle;
using aif_test::Option;

// Part "Block" of two bricks (centroids at x = 0.5 and 1.5) placed as
// Block-1 (lightweight), Block-2 (mesh locked) and Block-3; two assignments
// of section "S" (material Steel) cover both elements of every instance.
// Steel's density 7.8 scales the field 1 + x.
hst_ModelBuilder Model() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  for (const char* name : {"All", "Again"}) {
    rgnC_Region region(name, {"Block"});
    for (int instance : {1, 2, 3})
      region.SetKernelElementIndices(instance, {0, 1});
    b.MutablePart("Block").AddAttribute(ptoC_SectionAssignment(region, "S"));
  }
  kseC_HomogenousSolidSection solid;
  solid.material = "Steel";
  b.AddSection("S", solid);
  hst_ModelBuilder::InstanceOptions lightweight;
  lightweight.lightweight = true;
  b.AddInstance("Block-1", "Block", lightweight);
  hst_ModelBuilder::InstanceOptions locked;
  locked.locks = ftr_LOCK_MESH;
  b.AddInstance("Block-2", "Block", locked);
  b.AddInstance("Block-3", "Block");
  kmaC_Material steel;
  auto density = Option<kmaC_Density>({{7.8}});
  density.densityKind = 1;
  density.fieldName = "Rho";
  steel.density = Handle(density);
  b.AddMaterial("Steel", steel);
  kfdC_ExpressionField field;
  field.SetDescription("Grows along x");
  field.constant = 1.0;
  field.gradient = {1.0, 0.0, 0.0};
  b.AddAnalyticalField("Rho", field);
  return b;
}

std::string ModelDefinition(const hst_ModelBuilder& b) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_MaterialBuilder builder(info);
  builder.Build();
  return aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, builder.ModelDefinition()); });
}

TEST(aif_MaterialBuilder, DensityRowsNameWrittenElementsOnce) {
  // The lightweight instance's rows are qualified like the others' (the
  // distribution lives outside the parts); the locked instance, whose mesh
  // is not written, gives none; the second region adds no row.
  EXPECT_EQ(
      "** \n** MATERIALS\n** \n"
      "*Material, name=Steel\n*Density\nASSEMBLY_Steel_Rho\n"
      "*Distribution Table, name=Steel_Rho_Table\nDENSITY\n"
      "*Distribution, name=Steel_Rho, location=ELEMENT, Table=Steel_Rho_Table\n"
      "** Description: Grows along x From Analytical Field Rho\n"
      ",    7.8\nBlock-1.1, 11.7\nBlock-1.2, 19.5\nBlock-3.1, 11.7\nBlock-3.2, 19.5\n",
      ModelDefinition(Model()));
}

}  // namespace
