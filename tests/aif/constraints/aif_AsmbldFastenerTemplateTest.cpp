// The assembled-fastener builder's shared routines: the placements of the
// copies in each orientation mode, the generated-name list, the template
// region names and the solid and cohesive section keywords.
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_Error.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

// A plate instance (2 x 2 x 1 bricks of edge 1, placed by `transform`) of a
// model of analysis product `product`, flat or part-based.
struct AfTemplateContext {
  explicit AfTemplateContext(bool flat, gsl_Matrix transform = gsl_Matrix(),
                             kprC_AnalysisProductEnm product = kprC_STANDARD) {
    b.AddPart("Plate", hst_GridMesh(2, 2, 1));
    hst_ModelBuilder::InstanceOptions options;
    options.transform = transform;
    plate = b.AddInstance("Plate-1", "Plate", options);
    b.AddStep("Step-1", kprC_StaticStep());
    b.Steps().SetAnalysisProduct(product);
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
    builder = std::make_unique<aif_AsmbldFastenerBuilder>(*mesh->info);
  }
  const asoK_Assembly& Assembly() const { return *mesh->info->Assembly(); }
  rgnK_Region Region(const rgnC_Region& region) const {
    return rgnK_Region(&Assembly(), "Model-1", region);
  }
  std::string Part(const char* name) const {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, builder->PartDefinition(name)); });
  }
  std::string Instance(const char* name) const {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, builder->InstanceDefinition(name)); });
  }

  hst_ModelBuilder b;
  unsigned plate = 0;
  std::unique_ptr<aif_test::MeshContext> mesh;
  std::unique_ptr<aif_AsmbldFastenerBuilder> builder;
};

// Nodes 0, 1 and 4 of the plate: (0, 0, 0), (1, 0, 0), (1, 1, 0).
rgnC_Region AfTemplatePoints(unsigned instance) {
  rgnC_Region points("Points", {"Assembly"});
  points.SetKernelNodeIndices(static_cast<int>(instance), {0, 1, 4, 1});
  return points;
}

rgnC_Region AfTemplateSurface(const gsl_Point& on, const gsl_Vector& normal) {
  rgnC_Region surface("Top", {"Assembly", "Plate-1"});
  surface.SetKernelPlane(gsl_Plane(on, normal));
  return surface;
}

std::string AfTemplateText(const gsl_Matrix& m) {
  std::string text;
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      text += std::to_string(static_cast<int>(m.Rotation(row, column))) + " ";
  const gsl_Vector t = m.GetTranslation();
  for (double value : {t.x, t.y, t.z}) {
    const std::string number = std::to_string(value);
    text += "| " + number.substr(0, number.find('.') + 2);
  }
  return text;
}

std::string AfTemplatePlacements(const aif_AsmbldFastenerBuilder& builder) {
  std::string text;
  for (const gsl_Matrix& m : builder.Placements())
    text += AfTemplateText(m) + "\n";
  return text;
}

}  // namespace

TEST(aif_AsmbldFastenerTemplate, PlacementsInEveryOrientationMode) {
  const gsl_Point templatePoint(1, 0, -0.5);
  // Mode 0: each distinct node projected onto the surface's plane (z = 1),
  // the template unturned for a plane across z; the node listed twice
  // places one copy.
  {
    AfTemplateContext c(false);
    const rgnK_Region top = c.Region(AfTemplateSurface({0, 0, 1}, {0, 0, 2}));
    ASSERT_TRUE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)), templatePoint,
                                                 top, 0, nullptr, c.Assembly()));
    EXPECT_EQ(AfTemplatePlacements(*c.builder),
              "1 0 0 0 1 0 0 0 1 | -1.0| 0.0| 1.5\n"
              "1 0 0 0 1 0 0 0 1 | 0.0| 0.0| 1.5\n"
              "1 0 0 0 1 0 0 0 1 | 0.0| 1.0| 1.5\n");
    // A plane across x turns the template's z axis onto x; the template
    // point lands on the projected node.
    const rgnK_Region side = c.Region(AfTemplateSurface({2, 0, 0}, {1, 0, 0}));
    ASSERT_TRUE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)), templatePoint,
                                                 side, 0, nullptr, c.Assembly()));
    ASSERT_EQ(c.builder->Placements().Length(), 6u);
    EXPECT_EQ(AfTemplateText(c.builder->Placements()[3]), "0 0 1 1 0 0 0 1 0 | 2.5| -1.0| 0.0");
    EXPECT_EQ(c.builder->Placements()[4].Transform(templatePoint), gsl_Point(2, 0, 0));
    // A surface without a plane projects nothing: no placement.
    EXPECT_FALSE(c.builder->ComputeSurfaceNormals(
        c.Region(AfTemplatePoints(c.plate)), templatePoint,
        c.Region(rgnC_Region("Top", {"Assembly"})), 0, nullptr, c.Assembly()));
    EXPECT_EQ(c.builder->Placements().Length(), 6u);
  }
  // Mode 1: the datum system's axes turn the template (90 degrees about z);
  // the template point lands on each node of the placed instance.
  {
    AfTemplateContext c(false, gsl_Matrix::Translation({0, 0, 10}));
    const dtu_DatumCsys turned(dtu_DatumCsys::kRectangular, {}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
    ASSERT_TRUE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)), templatePoint,
                                                 rgnK_Region(nullptr, "", {}), 1, &turned,
                                                 c.Assembly()));
    EXPECT_EQ(AfTemplatePlacements(*c.builder),
              "0 -1 0 1 0 0 0 0 1 | 0.0| -1.0| 10.5\n"
              "0 -1 0 1 0 0 0 0 1 | 1.0| -1.0| 10.5\n"
              "0 -1 0 1 0 0 0 0 1 | 1.0| 0.0| 10.5\n");
    // Without a datum, or with a datum that has no axes: no placements.
    EXPECT_FALSE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)),
                                                  templatePoint, rgnK_Region(nullptr, "", {}), 1,
                                                  nullptr, c.Assembly()));
    const dtu_Datum plane;
    EXPECT_FALSE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)),
                                                  templatePoint, rgnK_Region(nullptr, "", {}), 1,
                                                  &plane, c.Assembly()));
    EXPECT_EQ(c.builder->Placements().Length(), 3u);
  }
  // Mode 2 keeps the template unturned; another mode places nothing and
  // succeeds.
  {
    AfTemplateContext c(false);
    ASSERT_TRUE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)), templatePoint,
                                                 rgnK_Region(nullptr, "", {}), 2, nullptr,
                                                 c.Assembly()));
    EXPECT_EQ(AfTemplatePlacements(*c.builder),
              "1 0 0 0 1 0 0 0 1 | -1.0| 0.0| 0.5\n"
              "1 0 0 0 1 0 0 0 1 | 0.0| 0.0| 0.5\n"
              "1 0 0 0 1 0 0 0 1 | 0.0| 1.0| 0.5\n");
    EXPECT_TRUE(c.builder->ComputeSurfaceNormals(c.Region(AfTemplatePoints(c.plate)), templatePoint,
                                                 rgnK_Region(nullptr, "", {}), 3, nullptr,
                                                 c.Assembly()));
    EXPECT_EQ(c.builder->Placements().Length(), 3u);
  }
}

TEST(aif_AsmbldFastenerTemplate, PointsOfGeometricRegionsAndRegionsWithoutPoints) {
  AfTemplateContext c(false, gsl_Matrix::Translation({10, 0, 0}));
  // A vertex of the placed plate (moved by its transform), a vertex whose
  // hit names no instance (as it is) and a reference point.
  rgnC_Region points("Points", {"Assembly"});
  rgnC_GeomComponent vertex;
  vertex.coords = gsl_Point(1, 2, 3);
  points.SetKernelComponents({vertex, vertex});
  points.SetKernelGeomHits({gdy_GeomHitRecord(c.plate, 0), std::nullopt});
  points.SetKernelRefPoints({gsl_Point(5, 5, 5)});
  ASSERT_TRUE(c.builder->ComputeSurfaceNormals(
      c.Region(points), gsl_Point(), rgnK_Region(nullptr, "", {}), 2, nullptr, c.Assembly()));
  EXPECT_EQ(AfTemplatePlacements(*c.builder),
            "1 0 0 0 1 0 0 0 1 | 11.0| 2.0| 3.0\n"
            "1 0 0 0 1 0 0 0 1 | 1.0| 2.0| 3.0\n"
            "1 0 0 0 1 0 0 0 1 | 5.0| 5.0| 5.0\n");

  // A reference point the kernel cannot locate fails the computation.
  rgnC_Region lost("Points", {"Assembly"});
  lost.SetKernelRefPoints({std::nullopt});
  EXPECT_FALSE(c.builder->ComputeSurfaceNormals(
      c.Region(lost), gsl_Point(), rgnK_Region(nullptr, "", {}), 2, nullptr, c.Assembly()));
  // A mesh region of elements only has no nodes to place copies at.
  rgnC_Region elements("Points", {"Assembly"});
  elements.SetKernelElementIndices(static_cast<int>(c.plate), {0});
  EXPECT_FALSE(c.builder->ComputeSurfaceNormals(
      c.Region(elements), gsl_Point(), rgnK_Region(nullptr, "", {}), 2, nullptr, c.Assembly()));
  EXPECT_EQ(c.builder->Placements().Length(), 3u);
}

TEST(aif_AsmbldFastenerTemplate, GeneratedNamesAndTemplateRegionNames) {
  AfTemplateContext c(false);
  aif_AsmbldFastenerBuilder& b = *c.builder;
  EXPECT_EQ(b.IndexOfName("Bolt_Nut-1"), -1);  // an empty list
  EXPECT_EQ(b.AppendUniqueName("Bolt_Nut-1"), 1);
  EXPECT_EQ(b.AppendUniqueName("Bolt_Head-1"), 2);
  EXPECT_EQ(b.AppendUniqueName("Bolt_Nut-1"), -1);
  EXPECT_EQ(b.AppendUniqueName(""), 3);
  EXPECT_EQ(b.GeneratedNames().Length(), 3u);
  EXPECT_EQ(b.NameAt(2), cow_String("Bolt_Head-1"));
  EXPECT_THROW(b.NameAt(0), cow_OutOfRange);
  EXPECT_THROW(b.NameAt(4), cow_OutOfRange);
  EXPECT_THROW(b.NameAt(-1), cow_OutOfRange);
  EXPECT_EQ(b.IndexOfName("Bolt_Head-1"), 2);
  EXPECT_EQ(b.IndexOfName("bolt_head-1"), -1);  // case matters
  EXPECT_EQ(b.IndexOfName(""), 3);

  b.SetPrefix("Bolt_");
  EXPECT_EQ(b.TemplateQualifiedName("Ring", rgnC_Region("Ring", {}), "."), cow_String(""));
  EXPECT_EQ(b.TemplateQualifiedName("Ring", rgnC_Region("Ring", {"Assembly"}), "."),
            cow_String("Bolt_Ring"));
  EXPECT_EQ(b.TemplateQualifiedName("Ring", rgnC_Region("Ring", {"Assembly", "Nut-1"}), "."),
            cow_String("Bolt_Nut-1.Ring"));
  EXPECT_EQ(b.TemplateQualifiedName("Ring", rgnC_Region("Ring", {"Assembly", "Nut-1", "x"}), "_"),
            cow_String("Bolt_Nut-1_Ring"));
}

TEST(aif_AsmbldFastenerTemplate, SolidAndCohesiveSectionsUnderTheirOwner) {
  kseC_HomogenousSolidSection solid;
  solid.material = "Steel";
  kseC_CohesiveSection glue;
  glue.material = "Glue";
  bme_ElemCtrlParams controls;
  controls.SetHourglassStiffness({2.0, 0.0, 0.0});

  // Part-based, analysis product 0: part definitions with hourglass
  // stiffness; a composite solid section writes nothing.
  {
    AfTemplateContext c(false);
    c.builder->AddSolidSectionKeywords("Bolt_Nut-1", "Bolt_Steel", "Bolt_Core", solid, controls);
    c.builder->AddSolidSectionKeywords("Bolt_Nut-1", "Bolt_Layers", "Bolt_Core",
                                       kseC_CompositeSolidSection(), controls);
    c.builder->AddCohesiveSectionKeywords("Bolt_Nut-1", "Bolt_Glue", "Bolt_Bond", glue, controls);
    EXPECT_EQ(c.Part("Bolt_Nut-1"),
              "*Solid Section, elset=Bolt_Core, material=Steel\n,\n"
              "*Hourglass Stiffness\n2., , 0., 0.\n"
              "*Cohesive Section, elset=Bolt_Bond, material=Glue, response=TRACTION SEPARATION, "
              "thickness=GEOMETRY\n, \n"
              "*Hourglass Stiffness\n2., , 0., 0.\n");
    EXPECT_EQ(c.Instance("Bolt_Nut-1"), "");
  }
  // Flat, analysis product 1: instance definitions, no hourglass stiffness.
  {
    AfTemplateContext c(true, gsl_Matrix(), kprC_EXPLICIT);
    c.builder->AddSolidSectionKeywords("Bolt_Nut-1", "Bolt_Steel", "Bolt_Nut-1_Core", solid,
                                       controls);
    c.builder->AddCohesiveSectionKeywords("Bolt_Nut-1", "Bolt_Glue", "Bolt_Nut-1_Bond", glue,
                                          controls);
    EXPECT_EQ(c.Instance("Bolt_Nut-1"),
              "*Solid Section, elset=Bolt_Nut-1_Core, material=Steel\n,\n"
              "*Cohesive Section, elset=Bolt_Nut-1_Bond, material=Glue, "
              "response=TRACTION SEPARATION, thickness=GEOMETRY\n, \n");
    EXPECT_EQ(c.Part("Bolt_Nut-1"), "");
  }
}

TEST(aif_AsmbldFastenerTemplate, TemplateTablesStartAfreshPerInstance) {
  AfTemplateContext c(false);
  c.builder->ResetTemplateTables(*hst_GridMesh(2, 2, 2));
  EXPECT_EQ(c.builder->PropertyTable().Length(), 8u);
  c.builder->ResetTemplateTables(*hst_GridMesh(1, 1, 3));
  ASSERT_EQ(c.builder->PropertyTable().Length(), 3u);
  ASSERT_EQ(c.builder->PropertyIndex().Length(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(c.builder->PropertyTable()[static_cast<std::size_t>(i)].label, i);
    EXPECT_EQ(c.builder->PropertyTable()[static_cast<std::size_t>(i)].section, -1);
    EXPECT_EQ(*c.builder->PropertyIndex().Find(i), i);
  }
  EXPECT_TRUE(c.builder->UsedSections().IsEmpty());
}
