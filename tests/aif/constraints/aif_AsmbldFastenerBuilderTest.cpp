// The assembled-fastener pre-pass: which fasteners it places, which it skips
// in silence and which it reports, and that a model without one keeps its
// labels and lists.
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "chk/impl/chk_EngineeringFeaturesCheck.h"
#include "support/aif_DeckTestSupport.h"
#include "support/chk_TestSupport.h"

namespace {

// The template "AfPrepTemplate": a bolt instance whose head is the template
// region, and the positioning point set "Pos" at (0, 0, -1).
void AfPrepTemplate(const std::function<void(hst_ModelBuilder&)>& change = {}) {
  hst_ModelBuilder t("AfPrepTemplate");
  t.AddPart("Bolt", hst_GridMesh(1, 1, 1));
  t.AddInstance("Bolt-1", "Bolt");
  t.AddAssemblyRegion("Head", rgnC_Region("Head", {"Assembly", "Bolt-1"}), true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0, 0, -1)});
  t.AddAssemblyRegion("Pos", pos);
  if (change) change(t);
  t.Model();
}

kefC_AssembledFastener AfPrepFastener() {
  kefC_AssembledFastener fastener;
  rgnC_Region points("Points", {"Assembly"});
  points.SetKernelNodeIndices(1, {0, 1});
  fastener.SetRegion(points);
  fastener.templateModel = "AfPrepTemplate";
  fastener.positioningSet = "Pos";
  fastener.prefix = "B";
  fastener.surfaceNames = {"Top"};
  fastener.templateRegionNames = {"Head"};
  return fastener;
}

// A plate model whose surface "Top" lies in the plane z = 1, with the
// assembled fastener `fastener` (after `change`), run through the pre-pass.
struct AfPrepContext {
  explicit AfPrepContext(const kefC_AssembledFastener& fastener,
                         const std::function<void(hst_ModelBuilder&, rgnC_Region&)>& change = {}) {
    b.AddPart("Plate", hst_GridMesh(2, 2, 1));
    b.AddInstance("Plate-1", "Plate");
    b.AddStep("Step-1", kprC_StaticStep());
    rgnC_Region top("Top", {"Assembly", "Plate-1"});
    top.SetKernelPlane(gsl_Plane({0, 0, 1}, {0, 0, 1}));
    if (change) change(b, top);
    b.AddAssemblyRegion("Top", top, true);
    b.AddFastener("AF-1", fastener);
    mesh = std::make_unique<aif_test::MeshContext>(b, false);
    builder = std::make_unique<aif_AsmbldFastenerBuilder>(*mesh->info);
    ajbC_CheckingMessages::Instance().Messages().Clear();
    builder->BuildAssembledFasteners(parts, instances);
  }
  std::string Messages() const {
    std::string text;
    for (const atr_String& message : ajbC_CheckingMessages::Instance().Messages())
      text += message.Str() + "\n";
    return text;
  }
  // Whether the builder filed nothing anywhere.
  bool Empty() const {
    return builder->AssemblyDefinition().IsEmpty() && builder->ModelDefinition().IsEmpty() &&
           parts.IsEmpty() && instances.IsEmpty();
  }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
  std::unique_ptr<aif_AsmbldFastenerBuilder> builder;
  cow_List<cow_String> parts;
  cow_List<cow_String> instances;
};

// The warnings of the engineering features check on the model of `c` that
// name a control point set.
std::vector<std::string> AfPrepControlWarnings(AfPrepContext& c) {
  chk_EngineeringFeaturesCheck check(c.b.Model(), c.b.Model().Name());
  check.Run();
  std::vector<std::string> found;
  for (const std::string& warning : chk_test::Texts(check.Warnings()))
    if (warning.find("control point\nset") != std::string::npos) found.push_back(warning);
  return found;
}

}  // namespace

TEST(aif_AsmbldFastenerBuilder, PlacesTheTemplateAtEveryFastenerPoint) {
  AfPrepTemplate();
  AfPrepContext c(AfPrepFastener());
  EXPECT_EQ(c.Messages(), "");
  // The positioning point (0, 0, -1) lands on (0, 0, 1) and (1, 0, 1).
  ASSERT_EQ(c.builder->Placements().Length(), 2u);
  EXPECT_EQ(c.builder->Placements()[0].GetTranslation(), gsl_Vector(0, 0, 2));
  EXPECT_EQ(c.builder->Placements()[1].GetTranslation(), gsl_Vector(1, 0, 2));
  EXPECT_EQ(c.builder->Prefix(), cow_String("B_"));
}

TEST(aif_AsmbldFastenerBuilder, FastenersThatCannotBePlacedAreSkippedInSilence) {
  AfPrepTemplate();
  // Each case: no keyword, no name, no placement and no message.
  const auto expectSilent = [](const AfPrepContext& c, const char* what) {
    EXPECT_EQ(c.Messages(), "") << what;
    EXPECT_TRUE(c.Empty()) << what;
    EXPECT_TRUE(c.builder->Placements().IsEmpty()) << what;
  };
  kefC_AssembledFastener fastener = AfPrepFastener();
  fastener.SetSuppressed(true);
  expectSilent(AfPrepContext(fastener), "suppressed");

  fastener = AfPrepFastener();
  fastener.templateModel = "AfPrepNoSuchModel";
  expectSilent(AfPrepContext(fastener), "missing template model");

  fastener = AfPrepFastener();
  fastener.positioningSet = "Elsewhere";
  expectSilent(AfPrepContext(fastener), "missing positioning point");

  fastener = AfPrepFastener();
  fastener.templateRegionNames = {"Head", "Shank"};
  fastener.surfaceNames = {"Top", "Top"};
  expectSilent(AfPrepContext(fastener), "template region not in the template");

  // A surface list shorter than the template regions, or empty, is not
  // read past its end.
  fastener = AfPrepFastener();
  fastener.templateRegionNames = {"Head", "Head"};
  expectSilent(AfPrepContext(fastener), "surface list too short");
  fastener.templateRegionNames = {};
  fastener.surfaceNames = {};
  expectSilent(AfPrepContext(fastener), "no surfaces");

  fastener = AfPrepFastener();
  rgnC_Region gone = fastener.Region();
  gone.SetKernelValid(false);
  fastener.SetRegion(gone);
  expectSilent(AfPrepContext(fastener), "invalid attachment region");

  fastener = AfPrepFastener();
  fastener.orientationMethod = 1;
  fastener.datum.name = "NoSuchCsys";
  expectSilent(AfPrepContext(fastener), "datum that cannot be made");

  fastener = AfPrepFastener();
  fastener.surfaceNames = {"Bottom"};
  expectSilent(AfPrepContext(fastener), "model surface not in the model");

  AfPrepTemplate([](hst_ModelBuilder& t) { t.WithoutAssembly(); });
  expectSilent(AfPrepContext(AfPrepFastener()), "template without an assembly");
}

TEST(aif_AsmbldFastenerBuilder, CheckWarnsOfTheControlPointSetExactlyWhenItIsNotLocated) {
  // Template sets besides "Pos": one node of the bolt, and sets the writer
  // cannot locate a single point in.
  AfPrepTemplate([](hst_ModelBuilder& t) {
    rgnC_Region node("Node", {"Assembly", "Bolt-1"});
    node.SetKernelNodeIndices(1, {0});
    t.AddAssemblyRegion("Node", node);
    rgnC_Region lostNode("LostNode", {"Assembly", "Bolt-1"});
    lostNode.SetKernelNodeIndices(1, {-1});  // a node the kernel lost
    t.AddAssemblyRegion("LostNode", lostNode);
    const std::pair<const char*, cow_List<std::optional<gsl_Point>>> pointSets[] = {
        {"Empty", {}},
        {"Pair", {gsl_Point(0, 0, 0), gsl_Point(1, 0, 0)}},
        {"Lost", {std::nullopt}}};
    for (const auto& [name, hits] : pointSets) {
      rgnC_Region points(name, {"Assembly"});
      points.SetKernelRefPoints(hits);
      t.AddAssemblyRegion(name, points);
    }
  });

  // Located: no warning, and the template is placed from the set's point.
  const std::pair<const char*, gsl_Vector> located[] = {{"Pos", gsl_Vector(0, 0, 2)},
                                                        {"Node", gsl_Vector(0, 0, 1)}};
  for (const auto& [set, translation] : located) {
    kefC_AssembledFastener fastener = AfPrepFastener();
    fastener.positioningSet = set;
    AfPrepContext c(fastener);
    EXPECT_EQ(AfPrepControlWarnings(c), std::vector<std::string>{}) << set;
    ASSERT_EQ(c.builder->Placements().Length(), 2u) << set;
    EXPECT_EQ(c.builder->Placements()[0].GetTranslation(), translation) << set;
  }

  // Not located: the writer skips the fastener in silence and the check
  // says why. "Head" is a surface of the template, not a set.
  const std::string header = "\nThe following assembled fasteners reference a control point\nset ";
  const std::pair<const char*, std::string> refused[] = {
      {"Elsewhere", "that is not valid (possibly deleted or renamed):"},
      {"Head", "that is not valid (possibly deleted or renamed):"},
      {"Empty", "that is empty:"},
      {"Pair", "that does not contain a single point:"},
      {"Lost", "that refers to a deleted or suppressed point/node:"},
      {"LostNode", "that refers to a deleted or suppressed point/node:"},
  };
  for (const auto& [set, condition] : refused) {
    kefC_AssembledFastener fastener = AfPrepFastener();
    fastener.positioningSet = set;
    AfPrepContext c(fastener);
    EXPECT_EQ(AfPrepControlWarnings(c),
              std::vector<std::string>{header + condition + "\n  AF-1  (" + set + ")"})
        << set;
    EXPECT_EQ(c.Messages(), "") << set;
    EXPECT_TRUE(c.Empty()) << set;
    EXPECT_TRUE(c.builder->Placements().IsEmpty()) << set;
  }
}

TEST(aif_AsmbldFastenerBuilder, DeletedFirstSurfaceAndFailedNormalsAreReported) {
  AfPrepTemplate();
  const AfPrepContext deleted(AfPrepFastener(), [](hst_ModelBuilder&, rgnC_Region& top) {
    top.SetKernelInstancesExist(false);
  });
  EXPECT_EQ(deleted.Messages(),
            "The first surface region is not valid for assembled fastener \"AF-1\".\n");
  EXPECT_TRUE(deleted.Empty());

  // A surface the kernel cannot project onto.
  const AfPrepContext flat(AfPrepFastener(), [](hst_ModelBuilder&, rgnC_Region& top) {
    top = rgnC_Region("Top", {"Assembly"});
  });
  EXPECT_EQ(flat.Messages(),
            "Failure to calculate surface normals for assembled fastener \"AF-1\".\n");
  EXPECT_TRUE(flat.Empty());
  EXPECT_TRUE(flat.builder->Placements().IsEmpty());
}

TEST(aif_AsmbldFastenerBuilder, ModelWithoutAssembledFastenersKeepsItsLabels) {
  hst_ModelBuilder b;
  b.AddPart("Plate", hst_GridMesh(2, 2, 1));
  b.AddInstance("Plate-1", "Plate");
  b.AddFastener("Point", kefC_PointFastener());
  aif_test::MeshContext mesh(b, true);
  aif_AsmbldFastenerBuilder builder(*mesh.info);
  cow_List<cow_String> parts = {"Existing"};
  cow_List<cow_String> instances;
  const int before = mesh.info->NextNodeLabel(cow_String());
  builder.BuildAssembledFasteners(parts, instances);
  // The next label is the one after `before`: the pre-pass took none.
  EXPECT_EQ(mesh.info->NextNodeLabel(cow_String()), before + 1);
  EXPECT_EQ(parts, cow_List<cow_String>({"Existing"}));
  EXPECT_TRUE(instances.IsEmpty());
  EXPECT_TRUE(builder.PartDefinition("Existing").IsEmpty());
}

namespace {

// The template "AfDeckTemplate": a bolt instance (one brick) with one
// reference point, and a washer instance carrying the template region "Seat".
void AfDeckTemplate() {
  hst_ModelBuilder t("AfDeckTemplate");
  // Its bricks carry hourglass stiffness, written after each section
  // (analysis product 0).
  std::shared_ptr<bme_Mesh> bolt = hst_GridMesh(2, 1, 1);
  auto controls = std::make_shared<bme_ElemCtrlParams>();
  controls->SetHourglassStiffness({0.5, 0.0, 0.0});
  bolt->MutableElementClass(0).SetElemCtrlParams(controls);
  t.AddPart("Bolt", bolt, ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  t.MutablePart("Bolt").SetReferencePoints({{0.5, 0.5, 2.0}});
  // The set "Core": the first brick and its bottom nodes; the steel section
  // on it, the glue section on the second brick, picked.
  rgnC_Region core("Core", {"Bolt"});
  core.SetKernelNodeIndices(0, {0, 1});
  core.SetKernelElementIndices(0, {0});
  rgnF_Set coreSet(core);
  coreSet.SetId(7000);
  coreSet.SetName("Core");
  t.MutablePart("Bolt").FeatureList().Add(coreSet);
  t.AddPartAttribute("Bolt", ptoC_SectionAssignment(core, "Steel"));
  rgnC_Region picked("", {"Bolt"});
  picked.SetPicked(true);
  picked.SetKernelElementIndices(0, {1});
  t.AddPartAttribute("Bolt", ptoC_SectionAssignment(picked, "Glue"));
  hst_ModelBuilder::InstanceOptions lifted;
  lifted.transform = gsl_Matrix::Translation({0, 0, -1});
  // A point mass with rotary inertia on the bolt's first node.
  kefC_PointMassInertia head;
  head.SetName("Head");
  rgnC_Region headNode("Head", {"Bolt"});
  headNode.SetKernelNodeIndices(0, {0});
  head.SetRegions({headNode});
  head.SetMass(2.5);
  head.SetRotaryInertia({1, 2, 3, 0, 0, 0});
  kefC_EngineeringFeatures boltFeatures;
  boltFeatures.AddInertia(head);
  t.MutablePart("Bolt").SetEngineeringFeatures(boltFeatures);
  t.AddInstance("Bolt-1", "Bolt", lifted);
  // The assembly's own reference point with a point mass, and assembly sets
  // over the bolt's copies and the reference point.
  t.AddAssemblyNodes(nullptr, 1);
  rgnC_Region tip("Tip", {"Assembly"});
  tip.SetKernelNodeIndices(1000, {0});
  kefC_PointMassInertia tipMass;
  tipMass.SetName("Tip");
  tipMass.SetRegions({tip});
  tipMass.SetMass(0.5);
  kefC_EngineeringFeatures assemblyFeatures;
  assemblyFeatures.AddInertia(tipMass);
  t.Assembly().SetEngineeringFeatures(assemblyFeatures);
  rgnC_Region pins("Pins", {"Assembly"});
  pins.SetKernelNodeIndices(1, {2, 5});
  pins.SetKernelNodeIndices(1000, {0});
  pins.SetKernelElementIndices(1, {1});
  t.AddAssemblyRegion("Pins", pins);
  // A wire from the bolt's first node to the assembly's reference point
  // with a connector section; a second assignment names an orientation the
  // template lacks and holds no wire: it writes nothing and is not
  // reported.
  rgnC_Region wires("Wires", {"Assembly"});
  rgnC_GeomComponent wire;
  wire.kind = rgnC_GeomComponent::kEdge;
  wire.ends[0].resolved = true;
  wire.ends[0].instanceId = 1;
  wire.ends[0].label = 1;
  wire.ends[1].resolved = true;
  wire.ends[1].instanceId = 1000;
  wire.ends[1].label = 1;
  wires.SetKernelComponents({wire});
  t.Assembly().AddSectionAssignment(ptoC_SectionAssignment(wires, "Conn"));
  ptoC_SectionAssignment turned(rgnC_Region("Turned", {"Assembly"}), "Conn");
  turned.SetOrientationName("Ori-1");
  t.Assembly().AddSectionAssignment(turned);
  // The tie and the coupling hold the copies on the seat (the model's
  // surface); a coupling in a local system and one of three degrees of
  // freedom are left out.
  kcoC_Tie hold;
  hold.SetRegions(rgnC_Region("Seat", {"Assembly", "Washer-1"}),
                  rgnC_Region("Core", {"Assembly", "Bolt-1"}, 4));
  t.AddConstraint("Hold", hold);
  kcoC_Coupling grip(rgnC_Region("Pins", {"Assembly"}, 4),
                     rgnC_Region("Seat", {"Assembly", "Washer-1"}), 0);
  grip.SetDofs({true, true, true, true, true, true});
  grip.SetAdjust(true);
  t.AddConstraint("Grip", grip);
  kcoC_Coupling local = grip;
  local.SetDatum(dtmC_DatumRef{{}, "Csys-1"});
  t.AddConstraint("Local", local);
  kcoC_Coupling partial = grip;
  partial.SetDof(4, false);
  t.AddConstraint("Partial", partial);
  t.AddPart("Washer", hst_GridMesh(1, 1, 1));
  // The washer is not copied: its point mass has no nodes to sit on and is
  // left out.
  kefC_PointMassInertia rim;
  rim.SetName("Rim");
  rgnC_Region rimNode("Rim", {"Washer"});
  rimNode.SetKernelNodeIndices(0, {0});
  rim.SetRegions({rimNode});
  rim.SetMass(1.0);
  kefC_EngineeringFeatures washerFeatures;
  washerFeatures.AddInertia(rim);
  t.MutablePart("Washer").SetEngineeringFeatures(washerFeatures);
  t.AddInstance("Washer-1", "Washer");
  t.AddAssemblyRegion("Seat", rgnC_Region("Seat", {"Assembly", "Washer-1"}), true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0, 0, 0)});
  t.AddAssemblyRegion("Pos", pos);
  t.Model();
}

hst_ModelBuilder AfDeckModel(const std::function<void(hst_ModelBuilder&)>& more) {
  AfDeckTemplate();
  hst_ModelBuilder b;
  b.AddPart("Plate", hst_GridMesh(1, 1, 1));
  b.AddInstance("Plate-1", "Plate");
  rgnC_Region top("Top", {"Assembly", "Plate-1"});
  top.SetKernelPlane(gsl_Plane({0, 0, 1}, {0, 0, 1}));
  b.AddAssemblyRegion("Top", top, true);
  kefC_AssembledFastener fastener;
  rgnC_Region points("Points", {"Assembly"});
  points.SetKernelNodeIndices(1, {4, 5});  // (0, 0, 1) and (1, 0, 1)
  fastener.SetRegion(points);
  fastener.templateModel = "AfDeckTemplate";
  fastener.positioningSet = "Pos";
  fastener.prefix = "M8";
  fastener.surfaceNames = {"Top"};
  fastener.templateRegionNames = {"Seat"};
  b.AddFastener("Bolts", fastener);
  kseC_HomogenousSolidSection steel;
  steel.material = "Steel";
  b.AddSection("M8_Steel", steel);
  kseC_CohesiveSection glue;
  glue.material = "Glue";
  b.AddSection("M8_Glue", glue);
  kseC_ConnectorSection conn;
  conn.SetTypes(0, 1, 0);
  conn.SetConnectionTypeText("Cartesian");
  b.AddSection("M8_Conn", conn);
  if (more) more(b);
  return b;
}

std::string AfDeck(bool flat, const std::function<void(hst_ModelBuilder&)>& more = {}) {
  const hst_ModelBuilder b = AfDeckModel(more);
  pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", flat ? 1 : 0);
  aif_test::TempDeck deck(flat ? "af-flat" : "af-parts");
  const std::string text = deck.Write(b);
  pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  return text;
}

}  // namespace

// One template instance with a mesh, a reference point, a set, two sections
// and a point mass placed at two points, with the template assembly's
// reference point, set and point mass; the instance carrying the template
// region is not copied; a tie and a coupling with adjust re-pointed to the
// model's surface (the coupling in a local system and the one of five degrees
// of freedom left out), each copied region a node-based surface. Part-based: the generated part
// numbers from 1, closed by "*End Part" and "*End Instance", assembly-level members named by
// instance; flat: nodes and elements run on after the model's, sets named by
// their generated instance.
TEST(aif_AsmbldFastenerBuilder, TemplateInstancesInBothLayouts) {
  ajbC_CheckingMessages::Instance().Messages().Clear();
  EXPECT_EQ(AfDeck(false),
            "**\n"
            "** PARTS\n"
            "**\n"
            "*Part, name=Plate\n"
            "*End Part\n"
            "**  \n"
            "** Part: M8_Bolt-1  from assembled fastener: Bolts\n"
            "*Part, name=M8_Bolt-1\n"
            "*Node\n"
            "      1,           0.,           0.,           0.\n"
            "      2,           1.,           0.,           0.\n"
            "      3,           2.,           0.,           0.\n"
            "      4,           0.,           1.,           0.\n"
            "      5,           1.,           1.,           0.\n"
            "      6,           2.,           1.,           0.\n"
            "      7,           0.,           0.,           1.\n"
            "      8,           1.,           0.,           1.\n"
            "      9,           2.,           0.,           1.\n"
            "     10,           0.,           1.,           1.\n"
            "     11,           1.,           1.,           1.\n"
            "     12,           2.,           1.,           1.\n"
            "     13,           1.,           0.,           0.\n"
            "     14,           2.,           0.,           0.\n"
            "     15,           3.,           0.,           0.\n"
            "     16,           1.,           1.,           0.\n"
            "     17,           2.,           1.,           0.\n"
            "     18,           3.,           1.,           0.\n"
            "     19,           1.,           0.,           1.\n"
            "     20,           2.,           0.,           1.\n"
            "     21,           3.,           0.,           1.\n"
            "     22,           1.,           1.,           1.\n"
            "     23,           2.,           1.,           1.\n"
            "     24,           3.,           1.,           1.\n"
            "*Element, type=C3D8\n"
            "1,  1,  2,  5,  4,  7,  8, 11, 10\n"
            "2,  2,  3,  6,  5,  8,  9, 12, 11\n"
            "3, 13, 14, 17, 16, 19, 20, 23, 22\n"
            "4, 14, 15, 18, 17, 20, 21, 24, 23\n"
            "*Node\n"
            "     25,          0.5,          0.5,           2.\n"
            "     26,          1.5,          0.5,           2.\n"
            "** Part-level sets from assembled fastener: Bolts\n"
            "*Nset, nset=Core\n"
            "  1,  2, 13, 14\n"
            "*Elset, elset=Core\n"
            " 1, 3\n"
            "** Section: M8_Steel  from assembled fastener: Bolts\n"
            "*Solid Section, elset=Core, material=Steel\n"
            ",\n"
            "*Hourglass Stiffness\n"
            "0.5, , 0., 0.\n"
            "*Elset, elset=_Glue-2, internal\n"
            " 2, 4\n"
            "** Section: M8_Glue  from assembled fastener: Bolts\n"
            "*Cohesive Section, elset=_Glue-2, material=Glue, response=TRACTION SEPARATION, "
            "thickness=GEOMETRY\n"
            ", \n"
            "*Hourglass Stiffness\n"
            "0.5, , 0., 0.\n"
            "** Point mass/inertia: Head  from assembled fastener: Bolts\n"
            "*Element, type=MASS, elset=Head-MASS\n"
            "5, 1\n"
            "6, 13\n"
            "*Mass, elset=Head-MASS\n"
            "2.5, \n"
            "*Element, type=ROTARYI, elset=Head-ROTI\n"
            "7, 1\n"
            "8, 13\n"
            "*Rotary Inertia, elset=Head-ROTI\n"
            "1., 2., 3., 0., 0., 0.\n"
            "*End Part\n"
            "**\n"
            "** ASSEMBLY\n"
            "**\n"
            "*Assembly, name=Assembly\n"
            "**  \n"
            "*Instance, name=Plate-1, part=Plate\n"
            "*Node\n"
            "      1,           0.,           0.,           0.\n"
            "      2,           1.,           0.,           0.\n"
            "      3,           0.,           1.,           0.\n"
            "      4,           1.,           1.,           0.\n"
            "      5,           0.,           0.,           1.\n"
            "      6,           1.,           0.,           1.\n"
            "      7,           0.,           1.,           1.\n"
            "      8,           1.,           1.,           1.\n"
            "*Element, type=C3D8\n"
            "1, 1, 2, 4, 3, 5, 6, 8, 7\n"
            "*End Instance\n"
            "**  \n"
            "**  \n"
            "*Instance, name=M8_Bolt-1, part=M8_Bolt-1\n"
            "*End Instance\n"
            "** Assy-level ref pts from assembled fastener: Bolts\n"
            "*Node\n"
            "      2,           0.,           0.,           1.\n"
            "      3,           1.,           0.,           1.\n"
            "** Assy-level sets from assembled fastener: Bolts\n"
            "*Nset, nset=M8_Pins\n"
            " 2, 3\n"
            "*Nset, nset=M8_Pins, instance=M8_Bolt-1\n"
            "  3,  6, 15, 18\n"
            "*Elset, elset=M8_Pins, instance=M8_Bolt-1\n"
            " 2, 4\n"
            "** Connectors from assembled fastener: Bolts\n"
            "*Element, type=CONN3D2, elset=M8_Wires\n"
            "1, M8_Bolt-1.1, 2\n"
            "2, M8_Bolt-1.13, 3\n"
            "*Orientation, definition=COORDINATES, name=M8_Orient-1-1\n"
            "M8_OriDist-1-1\n"
            "1, 0.\n"
            "*Distribution, name=M8_OriDist-1-1, location=ELEMENT, table=_TM_Dist_Table\n"
            " ,   1., 0., 0.,   0., 1., 0.\n"
            "*Connector Section, elset=M8_Wires\n"
            "Cartesian,\n"
            "M8_Orient-1-1, \n"
            "*Surface, type=NODE, name=M8_Pins_CNS_, internal\n"
            "M8_Pins, 1.\n"
            "*Surface, type=NODE, name=M8_Bolt-1_Core_CNS_, internal\n"
            "M8_Bolt-1.Core, 1.\n"
            "** Constraint: M8_Grip  from assembled fastener: Bolts\n"
            "*Coupling, constraint name=M8_Grip, ref node set=M8_Pins, surface=Top\n"
            "*Kinematic\n"
            "*Adjust, node set=M8_Pins, surface=Top\n"
            "** Constraint: M8_Hold  from assembled fastener: Bolts\n"
            "*Tie, name=M8_Hold, adjust=yes\n"
            "M8_Bolt-1_Core_CNS_, Top\n"
            "** Point mass/inertia: M8_Tip  from assembled fastener: Bolts\n"
            "*Element, type=MASS, elset=M8_Tip\n"
            "3, 2\n"
            "4, 3\n"
            "*Mass, elset=M8_Tip\n"
            "0.5, \n"
            "*End Assembly\n"
            "*Distribution Table, name=_TM_Dist_Table\n"
            "COORD3D, COORD3D\n");
  EXPECT_EQ(AfDeck(true),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** PART INSTANCE: Plate-1\n"
            "** \n"
            "*Node\n"
            "      1,           0.,           0.,           0.\n"
            "      2,           1.,           0.,           0.\n"
            "      3,           0.,           1.,           0.\n"
            "      4,           1.,           1.,           0.\n"
            "      5,           0.,           0.,           1.\n"
            "      6,           1.,           0.,           1.\n"
            "      7,           0.,           1.,           1.\n"
            "      8,           1.,           1.,           1.\n"
            "*Element, type=C3D8\n"
            "1, 1, 2, 4, 3, 5, 6, 8, 7\n"
            "** Part instance: M8_Bolt-1  from assembled fastener: Bolts\n"
            "*System\n"
            "*Node\n"
            "      9,           0.,           0.,           0.\n"
            "     10,           1.,           0.,           0.\n"
            "     11,           2.,           0.,           0.\n"
            "     12,           0.,           1.,           0.\n"
            "     13,           1.,           1.,           0.\n"
            "     14,           2.,           1.,           0.\n"
            "     15,           0.,           0.,           1.\n"
            "     16,           1.,           0.,           1.\n"
            "     17,           2.,           0.,           1.\n"
            "     18,           0.,           1.,           1.\n"
            "     19,           1.,           1.,           1.\n"
            "     20,           2.,           1.,           1.\n"
            "     21,           1.,           0.,           0.\n"
            "     22,           2.,           0.,           0.\n"
            "     23,           3.,           0.,           0.\n"
            "     24,           1.,           1.,           0.\n"
            "     25,           2.,           1.,           0.\n"
            "     26,           3.,           1.,           0.\n"
            "     27,           1.,           0.,           1.\n"
            "     28,           2.,           0.,           1.\n"
            "     29,           3.,           0.,           1.\n"
            "     30,           1.,           1.,           1.\n"
            "     31,           2.,           1.,           1.\n"
            "     32,           3.,           1.,           1.\n"
            "*Element, type=C3D8\n"
            "2,  9, 10, 13, 12, 15, 16, 19, 18\n"
            "3, 10, 11, 14, 13, 16, 17, 20, 19\n"
            "4, 21, 22, 25, 24, 27, 28, 31, 30\n"
            "5, 22, 23, 26, 25, 28, 29, 32, 31\n"
            "*Node\n"
            "     33,          0.5,          0.5,           2.\n"
            "     34,          1.5,          0.5,           2.\n"
            "** Part-level sets from assembled fastener: Bolts\n"
            "*Nset, nset=M8_Bolt-1_Core\n"
            "  9, 10, 21, 22\n"
            "*Elset, elset=M8_Bolt-1_Core\n"
            " 2, 4\n"
            "** Section: M8_Steel  from assembled fastener: Bolts\n"
            "*Solid Section, elset=M8_Bolt-1_Core, material=Steel\n"
            ",\n"
            "*Hourglass Stiffness\n"
            "0.5, , 0., 0.\n"
            "*Elset, elset=M8_Bolt-1__Glue-2\n"
            " 3, 5\n"
            "** Section: M8_Glue  from assembled fastener: Bolts\n"
            "*Cohesive Section, elset=M8_Bolt-1__Glue-2, material=Glue, response=TRACTION "
            "SEPARATION, thickness=GEOMETRY\n"
            ", \n"
            "*Hourglass Stiffness\n"
            "0.5, , 0., 0.\n"
            "** Point mass/inertia: M8_Bolt-1_Head  from assembled fastener: Bolts\n"
            "*Element, type=MASS, elset=M8_Bolt-1_Head-MASS\n"
            "8, 9\n"
            "9, 21\n"
            "*Mass, elset=M8_Bolt-1_Head-MASS\n"
            "2.5, \n"
            "*Element, type=ROTARYI, elset=M8_Bolt-1_Head-ROTI\n"
            "10, 9\n"
            "11, 21\n"
            "*Rotary Inertia, elset=M8_Bolt-1_Head-ROTI\n"
            "1., 2., 3., 0., 0., 0.\n"
            "*System\n"
            "** Assy-level ref pts from assembled fastener: Bolts\n"
            "*Node\n"
            "     35,           0.,           0.,           1.\n"
            "     36,           1.,           0.,           1.\n"
            "** Assy-level sets from assembled fastener: Bolts\n"
            "*Nset, nset=M8_Pins\n"
            " 11, 14, 23, 26, 35, 36\n"
            "*Elset, elset=M8_Pins\n"
            " 3, 5\n"
            "** Connectors from assembled fastener: Bolts\n"
            "*Element, type=CONN3D2, elset=M8_Wires\n"
            "6, 9, 35\n"
            "7, 21, 36\n"
            "*Orientation, definition=COORDINATES, name=M8_Orient-1-1\n"
            "M8_OriDist-1-1\n"
            "1, 0.\n"
            "*Distribution, name=M8_OriDist-1-1, location=ELEMENT, table=_TM_Dist_Table\n"
            " ,   1., 0., 0.,   0., 1., 0.\n"
            "*Connector Section, elset=M8_Wires\n"
            "Cartesian,\n"
            "M8_Orient-1-1, \n"
            "*Surface, type=NODE, name=M8_Pins_CNS_\n"
            "M8_Pins, 1.\n"
            "*Surface, type=NODE, name=M8_Bolt-1_Core_CNS_\n"
            "M8_Bolt-1_Core, 1.\n"
            "** Constraint: M8_Grip  from assembled fastener: Bolts\n"
            "*Coupling, constraint name=M8_Grip, ref node set=M8_Pins, surface=Top\n"
            "*Kinematic\n"
            "*Adjust, node set=M8_Pins, surface=Top\n"
            "** Constraint: M8_Hold  from assembled fastener: Bolts\n"
            "*Tie, name=M8_Hold, adjust=yes\n"
            "M8_Bolt-1_Core_CNS_, Top\n"
            "** Point mass/inertia: M8_Tip  from assembled fastener: Bolts\n"
            "*Element, type=MASS, elset=M8_Tip\n"
            "12, 35\n"
            "13, 36\n"
            "*Mass, elset=M8_Tip\n"
            "0.5, \n"
            "*Distribution Table, name=_TM_Dist_Table\n"
            "COORD3D, COORD3D\n");
  // Neither write has anything to report.
  EXPECT_TRUE(ajbC_CheckingMessages::Instance().Messages().IsEmpty());
}

// A second fastener of the same prefix and template, or a generated name the
// model uses, would define a part and instance twice: that fastener is
// skipped with a message, the first is written once.
TEST(aif_AsmbldFastenerBuilder, GeneratedNameTakenSkipsTheLaterFastener) {
  ajbC_CheckingMessages::Instance().Messages().Clear();
  const std::string twice = AfDeck(false, [](hst_ModelBuilder& b) {
    const kern_Object& held = b.Assembly().ConstGetEngineeringFeatures();
    const auto& features = static_cast<const kefC_EngineeringFeatures&>(held);
    b.AddFastener("Nuts", features.Fasteners().ConstGet("Bolts"));
  });
  std::string messages;
  for (const atr_String& message : ajbC_CheckingMessages::Instance().Messages())
    messages += message.Str() + "\n";
  EXPECT_EQ(messages,
            "Assembled fastener \"Nuts\" would generate the part and instance \"M8_Bolt-1\", a "
            "name that the model or an earlier assembled fastener uses already. The assembled "
            "fastener is not written.\n");

  EXPECT_EQ(twice, AfDeck(false));
  ajbC_CheckingMessages::Instance().Messages().Clear();
  const std::string clash = AfDeck(true, [](hst_ModelBuilder& b) {
    b.AddPart("M8_Bolt-1", hst_GridMesh(1, 1, 1));
    b.AddInstance("Other", "M8_Bolt-1");
  });
  EXPECT_EQ(clash.find("from assembled fastener"), std::string::npos);
  ASSERT_EQ(ajbC_CheckingMessages::Instance().Messages().Length(), 1u);
  EXPECT_NE(ajbC_CheckingMessages::Instance().Messages()[0].Str().find("\"M8_Bolt-1\""),
            std::string::npos);
}

// A prefix with a dot: generated names never hold one (the solver would
// split them at it), in either layout; the sections keep the prefix as the
// model names them.
TEST(aif_AsmbldFastenerBuilder, GeneratedNamesHoldNoDot) {
  const auto dotted = [](hst_ModelBuilder& b) {
    const kern_Object& held = b.Assembly().ConstGetEngineeringFeatures();
    const auto& features = static_cast<const kefC_EngineeringFeatures&>(held);
    kefC_AssembledFastener other =
        static_cast<const kefC_AssembledFastener&>(features.Fasteners().ConstGet("Bolts"));
    other.prefix = "A.b";
    b.AddFastener("Other", other);
    kseC_HomogenousSolidSection steel;
    steel.material = "Steel";
    b.AddSection("A.b_Steel", steel);
  };
  for (bool flat : {false, true}) {
    const std::string deck = AfDeck(flat, dotted);
    std::istringstream lines(deck);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind("**", 0) != 0) {
        EXPECT_EQ(line.find("A.b"), std::string::npos) << line;
      }
    EXPECT_NE(deck.find("** Section: A.b_Steel"), std::string::npos)
        << "the section comment names the model's section";
    EXPECT_NE(deck.find(flat ? "*Solid Section, elset=A_b_Bolt-1_Core, material=Steel\n"
                             : "*Instance, name=A_b_Bolt-1, part=A_b_Bolt-1\n"),
              std::string::npos)
        << flat;
  }
}

// A restart job files the fastener's sets and constraint surfaces as model
// definitions (under assembly-qualified names part-based), its other
// keywords where they always go.
TEST(aif_AsmbldFastenerBuilder, RestartJobFilesSetsAndSurfacesAsModelDefinitions) {
  hst_ModelBuilder b = AfDeckModel({});
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  b.MutableModel().SetRestart("Previous", "Step-1", -2, false);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(ajbC_RESTART), model);
  aif_ModelInfo info(job);
  ASSERT_TRUE(info.IsRestart());
  aif_AsmbldFastenerBuilder builder(info);
  cow_List<cow_String> parts, instances;
  builder.BuildAssembledFasteners(parts, instances);
  const std::string definitions = aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, builder.ModelDefinition()); });
  const std::string assembly = aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, builder.AssemblyDefinition()); });
  EXPECT_NE(definitions.find("*Nset, nset=M8_Pins\n"), std::string::npos) << definitions;
  EXPECT_NE(definitions.find("*Nset, nset=Assembly.M8_Bolt-1.Core\n"), std::string::npos)
      << definitions;
  EXPECT_NE(definitions.find("*Surface, type=NODE, name=Assembly.M8_Bolt-1_Core_CNS_, internal\n"
                             "Assembly.M8_Bolt-1.Core, 1.\n"),
            std::string::npos)
      << definitions;
  EXPECT_EQ(assembly.find("*Nset"), std::string::npos) << assembly;
  EXPECT_EQ(assembly.find("*Surface"), std::string::npos) << assembly;
  EXPECT_NE(assembly.find("*Tie, name=M8_Hold"), std::string::npos) << assembly;

  // The builder is not one of the driver's restart definitions: the restart
  // file holds none of the fastener's keywords (the restarted analysis has
  // them), only the heading and the history after the restart step.
  const aif_test::TempDeck deck("af-restart");
  aif_Builder driver(info);
  ASSERT_TRUE(driver.WriteInputFile(deck.Path(), false, true));
  const std::string text = aif_test::ReadFile(deck.Path());
  EXPECT_EQ(text.find("M8_"), std::string::npos) << text;
  EXPECT_EQ(text.find("assembled fastener"), std::string::npos) << text;
  EXPECT_NE(text.find("*Step, name=Step-2"), std::string::npos) << text;
}

// A beam template: the beam normals of the generated part once (every
// element node of both copies), then the beam section under its set.
TEST(aif_AsmbldFastenerBuilder, BeamSectionWithNormalsOncePerPart) {
  hst_ModelBuilder t("AfBeamTemplate");
  t.AddPart("Pin", hst_Mesh({0, 0, 0, 0, 0, 1, 0, 0, 2}, "B31", 2, {0, 1, 1, 2}));
  rgnC_Region line("Line", {"Pin"});
  line.SetKernelNodeIndices(0, {0, 1, 2});
  line.SetKernelElementIndices(0, {0, 1});
  rgnF_Set lineSet(line);
  lineSet.SetId(7000);
  lineSet.SetName("Line");
  t.MutablePart("Pin").FeatureList().Add(lineSet);
  t.AddPartAttribute("Pin", ptoC_SectionAssignment(line, "Rod"));
  t.AddPartAttribute("Pin", ptoC_BeamOrientation(line, {1, 0, 0}));
  t.AddInstance("Pin-1", "Pin");
  t.AddPart("Washer", hst_GridMesh(1, 1, 1));
  t.AddInstance("Washer-1", "Washer");
  t.AddAssemblyRegion("Seat", rgnC_Region("Seat", {"Assembly", "Washer-1"}), true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0, 0, 0)});
  t.AddAssemblyRegion("Pos", pos);
  t.Model();

  kefC_AssembledFastener fastener = AfPrepFastener();
  fastener.templateModel = "AfBeamTemplate";
  fastener.templateRegionNames = {"Seat"};
  AfPrepContext c(fastener, [](hst_ModelBuilder& b, rgnC_Region&) {
    kseC_BeamSection rod;
    rod.profileName = "Round";
    rod.materialName = "Steel";
    b.AddSection("B_Rod", rod);
    kbpC_CircularProfile round;
    round.r = 0.1;
    b.AddProfile("Round", round);
  });
  EXPECT_EQ(c.Messages(), "");
  const std::string part = aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, c.builder->PartDefinition("B_Pin-1")); });
  const std::size_t normals = part.find("** Beam orients for Part: B_Pin-1");
  ASSERT_NE(normals, std::string::npos) << part;
  EXPECT_EQ(part.substr(normals),
            "** Beam orients for Part: B_Pin-1  from assembled fastener: AF-1\n"
            "*Normal\n"
            "1, 1, 0., 1., 0.\n"
            "1, 2, 0., 1., 0.\n"
            "2, 2, 0., 1., 0.\n"
            "2, 3, 0., 1., 0.\n"
            "3, 4, 0., 1., 0.\n"
            "3, 5, 0., 1., 0.\n"
            "4, 5, 0., 1., 0.\n"
            "4, 6, 0., 1., 0.\n"
            "** Section: B_Rod  Profile: Round  from assembled fastener: AF-1\n"
            "*Beam Section, elset=Line, material=Steel, temperature=GRADIENTS, section=CIRC\n"
            "0.1\n"
            "0.,0.,-1.\n"
            "*Transverse Shear\n"
            "0., 0., \n"
            "*End Part\n");
  // The part's set the section names is written before.
  EXPECT_NE(part.find("*Elset, elset=Line, generate\n 1,  4,  1\n"), std::string::npos) << part;
}

// A connector section's behaviours once per file: filed by the pre-pass
// unless another builder filed them, and handed on for the fastener builder.
TEST(aif_AsmbldFastenerBuilder, ConnectorBehavioursOncePerFile) {
  const hst_ModelBuilder b = AfDeckModel([](hst_ModelBuilder& m) {
    kseC_ConnectorSection conn;
    conn.SetTypes(0, 1, 0);
    conn.SetConnectionTypeText("Cartesian");
    kbeC_ConnectorElasticity elasticity;
    elasticity.components = {1};
    conn.AddBehaviorOption(elasticity);
    m.AddSection("M8_Conn", conn);
  });
  for (bool filedBefore : {false, true}) {
    aif_test::MeshContext mesh(b, false);
    aif_AsmbldFastenerBuilder builder(*mesh.info);
    cow_Btree<cow_String, int> filed;
    if (filedBefore) filed.Set("M8_Conn", 1);
    builder.SetConnectorSections(filed);
    cow_List<cow_String> parts, instances;
    builder.BuildAssembledFasteners(parts, instances);
    const std::string definitions = aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, builder.ModelDefinition()); });
    // The distribution table the connector's orientation names, then the
    // behaviour unless filed before.
    EXPECT_EQ(definitions, std::string("*Distribution Table, name=_TM_Dist_Table\n"
                                       "COORD3D, COORD3D\n") +
                               (filedBefore ? ""
                                            : "*Connector Behavior, name=M8_Conn\n"
                                              "*Connector Elasticity, component=1\n"));
    EXPECT_EQ(builder.ConnectorSections(),
              filedBefore ? cow_List<cow_String>() : cow_List<cow_String>({"M8_Conn"}));
  }
}

namespace {

// The template "AfOriTemplate": a bolt (two bricks) whose first and second
// nodes a wire joins, its connector turned by the template's datum system
// `datum` (the template's system is "Csys-1"), or by nothing of its own for
// a null `datum`; the washer carries the template region "Seat". The
// template assembly is of the modelling space `space`.
void AfOriTemplate(const char* datum = "Csys-1", int space = ptoK_SPACE_3D) {
  hst_ModelBuilder t("AfOriTemplate");
  t.Assembly().SetSpace(space);
  t.AddPart("Bolt", hst_GridMesh(2, 1, 1));
  t.AddInstance("Bolt-1", "Bolt");
  t.AddPart("Washer", hst_GridMesh(1, 1, 1));
  t.AddInstance("Washer-1", "Washer");
  t.AddAssemblyRegion("Seat", rgnC_Region("Seat", {"Assembly", "Washer-1"}), true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0, 0, 0)});
  t.AddAssemblyRegion("Pos", pos);
  dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, {}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0});
  csys.SetId(5);
  csys.SetName("Csys-1");
  t.Assembly().FeatureList().Add(csys);
  rgnC_Region wires("Wires", {"Assembly"});
  rgnC_GeomComponent wire;
  wire.kind = rgnC_GeomComponent::kEdge;
  for (int end = 0; end < 2; ++end) {
    wire.ends[end].resolved = true;
    wire.ends[end].instanceId = 1;
    wire.ends[end].label = end + 1;
  }
  wires.SetKernelComponents({wire});
  t.Assembly().AddSectionAssignment(ptoC_SectionAssignment(wires, "Conn"));
  if (datum) {
    ptoC_ConnectorOrientation turned(wires);
    turned.SetFirst(dtmC_DatumRef{{}, datum});
    t.Assembly().AddConnectorOrientation(turned);
  }
  t.Model();
}

kefC_AssembledFastener AfOriFastener(const char* prefix) {
  kefC_AssembledFastener fastener = AfPrepFastener();
  fastener.templateModel = "AfOriTemplate";
  fastener.prefix = prefix;
  fastener.templateRegionNames = {"Seat"};
  return fastener;
}

}  // namespace

// Oriented connectors of two fasteners whose prefixes share the text before
// their first "_": each fastener's orientations and distributions carry its
// own prefix, the file holds one "_TM_Dist_Table", and every orientation a
// section names and every distribution an orientation names is defined.
TEST(aif_AsmbldFastenerBuilder, OrientedConnectorsOfTwoFasteners) {
  AfOriTemplate();
  const AfPrepContext c(AfOriFastener("AF_1"), [](hst_ModelBuilder& b, rgnC_Region&) {
    b.AddFastener("AF-2", AfOriFastener("AF_2"));
    kseC_ConnectorSection conn;
    conn.SetTypes(0, 1, 0);
    conn.SetConnectionTypeText("Cartesian");
    b.AddSection("AF_1_Conn", conn);
    b.AddSection("AF_2_Conn", conn);
  });
  EXPECT_EQ(c.Messages(), "");
  const std::string assembly = aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, c.builder->AssemblyDefinition()); });
  const std::string model = aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, c.builder->ModelDefinition()); });
  // Each oriented connector's section names its own orientation, which names
  // its own distribution; the first copy's axes (the datum system's) are the
  // default and the second copy's, not turned, write no row. The heading of
  // the assembly-level sets stands above the positioning point set, which
  // copies no member.
  EXPECT_EQ(assembly,
            "** Assy-level sets from assembled fastener: AF-1\n"
            "** Connectors from assembled fastener: AF-1\n"
            "*Element, type=CONN3D2, elset=AF_1_Wires\n"
            "1, AF_1_Bolt-1.1, AF_1_Bolt-1.2\n"
            "2, AF_1_Bolt-1.13, AF_1_Bolt-1.14\n"
            "*Orientation, definition=COORDINATES, name=AF_1_Orient-1-1\n"
            "AF_1_OriDist-1-1\n"
            "1, 0.\n"
            "*Distribution, name=AF_1_OriDist-1-1, location=ELEMENT, table=_TM_Dist_Table\n"
            " ,   0., 1., 0.,   0., 0., 1.\n"
            "*Connector Section, elset=AF_1_Wires\n"
            "Cartesian,\n"
            "AF_1_Orient-1-1, \n"
            "** Assy-level sets from assembled fastener: AF-2\n"
            "** Connectors from assembled fastener: AF-2\n"
            "*Element, type=CONN3D2, elset=AF_2_Wires\n"
            "3, AF_2_Bolt-1.1, AF_2_Bolt-1.2\n"
            "4, AF_2_Bolt-1.13, AF_2_Bolt-1.14\n"
            "*Orientation, definition=COORDINATES, name=AF_2_Orient-1-1\n"
            "AF_2_OriDist-1-1\n"
            "1, 0.\n"
            "*Distribution, name=AF_2_OriDist-1-1, location=ELEMENT, table=_TM_Dist_Table\n"
            " ,   0., 1., 0.,   0., 0., 1.\n"
            "*Connector Section, elset=AF_2_Wires\n"
            "Cartesian,\n"
            "AF_2_Orient-1-1, \n");
  // The one table both distributions name.
  EXPECT_EQ(model, "*Distribution Table, name=_TM_Dist_Table\nCOORD3D, COORD3D\n");

  // A template datum that is no datum coordinate system stops the write
  // with the section and the datum named (global axes would turn the
  // connector silently).
  AfOriTemplate("Missing");
  EXPECT_EQ(aif_test::MessageOf([] {
              const AfPrepContext failed(AfOriFastener("AF_1"),
                                         [](hst_ModelBuilder& b, rgnC_Region&) {
                                           kseC_ConnectorSection conn;
                                           conn.SetTypes(0, 1, 0);
                                           b.AddSection("AF_1_Conn", conn);
                                         });
            }),
            "The connector orientation of section AF_1_Conn names the datum Missing, which is "
            "not a datum coordinate system of the model.");
}

// A connector without an orientation of its own, on a surface whose normal
// is the global x axis: the copies are turned (the template's z onto x), so
// the connector gets an orientation of the global axes turned by each
// placement, as an oriented one does, and the table its distribution names.
// A template assembly that is not three-dimensional gives CONN2D2 elements.
TEST(aif_AsmbldFastenerBuilder, UnorientedConnectorsTurnWithTheirCopies) {
  for (const int space : {ptoK_SPACE_3D, ptoK_SPACE_2D}) {
    AfOriTemplate(nullptr, space);
    const AfPrepContext c(AfOriFastener("AF"), [](hst_ModelBuilder& b, rgnC_Region& top) {
      top.SetKernelPlane(gsl_Plane({2, 0, 0}, {1, 0, 0}));
      kseC_ConnectorSection conn;
      conn.SetTypes(0, 1, 0);
      conn.SetConnectionTypeText("Cartesian");
      b.AddSection("AF_Conn", conn);
    });
    EXPECT_EQ(c.Messages(), "");
    const std::string assembly = aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, c.builder->AssemblyDefinition()); });
    const std::string model = aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, c.builder->ModelDefinition()); });
    const std::string type = space == ptoK_SPACE_3D ? "CONN3D2" : "CONN2D2";
    EXPECT_EQ(assembly,
              "** Assy-level sets from assembled fastener: AF-1\n"
              "** Connectors from assembled fastener: AF-1\n"
              "*Element, type=" +
                  type +
                  ", elset=AF_Wires\n"
                  "1, AF_Bolt-1.1, AF_Bolt-1.2\n"
                  "2, AF_Bolt-1.13, AF_Bolt-1.14\n"
                  "*Orientation, definition=COORDINATES, name=AF_Orient-1-1\n"
                  "AF_OriDist-1-1\n"
                  "1, 0.\n"
                  "*Distribution, name=AF_OriDist-1-1, location=ELEMENT, table=_TM_Dist_Table\n"
                  " ,   0., 1., 0.,   0., 0., 1.\n"
                  "*Connector Section, elset=AF_Wires\n"
                  "Cartesian,\n"
                  "AF_Orient-1-1, \n")
        << space;
    EXPECT_EQ(model, "*Distribution Table, name=_TM_Dist_Table\nCOORD3D, COORD3D\n");
  }
}

// Output requests on an assembled fastener name the set its copies define
// for the template assembly's set they give: prefix, "_" and the set's name,
// node output and element output as the template set holds nodes and
// elements. A request on a template set that does not exist, or on a
// suppressed fastener, is dropped; one on a fastener that cannot be placed
// writes no line naming the set (it would name a set never written).
TEST(aif_AsmbldFastenerBuilder, OutputRequestsNameTheSetsTheCopiesDefine) {
  enum { kPlaced, kSuppressed, kUnplaced };
  const auto requests = [](int variant) {
    return [variant](hst_ModelBuilder& b) {
      b.AddStep("Step-1", kprC_StaticStep());
      korC_FieldOutputState fieldState;
      fieldState.SetVariables({"U", "S"});
      korC_FieldOutput field;
      field.SetDomain(korC_ASSEMBLED_FASTENER);
      field.SetFastenerName("Bolts");
      field.SetFastenerSetSuffix("Pins");
      field.SetState("Step-1", fieldState);
      b.AddFieldOutput("F-Pins", field);
      field.SetFastenerSetSuffix("Nowhere");
      b.AddFieldOutput("F-Nowhere", field);
      korC_HistoryOutputState historyState;
      historyState.SetVariables({"RF1"});
      korC_HistoryOutput history;
      history.SetDomain(korC_ASSEMBLED_FASTENER);
      history.SetFastenerName("Bolts");
      history.SetFastenerSetSuffix("Pins");
      history.SetState("Step-1", historyState);
      b.AddHistoryOutput("H-Pins", history);
      if (variant != kPlaced) {
        const kern_Object& held = b.Assembly().ConstGetEngineeringFeatures();
        const auto& features = static_cast<const kefC_EngineeringFeatures&>(held);
        kefC_AssembledFastener off =
            static_cast<const kefC_AssembledFastener&>(features.Fasteners().ConstGet("Bolts"));
        if (variant == kSuppressed)
          off.SetSuppressed(true);
        else
          off.surfaceNames = {"Bottom"};  // no such surface: not placed
        b.AddFastener("Bolts", off);
      }
    };
  };
  for (bool flat : {false, true}) {
    const std::string deck = AfDeck(flat, requests(kPlaced));
    const std::size_t output = deck.find("** OUTPUT REQUESTS");
    ASSERT_NE(output, std::string::npos) << deck;
    EXPECT_EQ(deck.substr(output),
              "** OUTPUT REQUESTS\n"
              "** \n"
              "** \n"
              "** FIELD OUTPUT: F-Pins\n"
              "** \n"
              "*Output, field\n"
              "*Node Output, nset=M8_Pins\n"
              "U, \n"
              "*Element Output, elset=M8_Pins, directions=YES\n"
              "S, \n"
              "** \n"
              "** HISTORY OUTPUT: H-Pins\n"
              "** \n"
              "*Output, history\n"
              "*Node Output, nset=M8_Pins\n"
              "RF1, \n"
              "*End Step\n")
        << flat;
    // Both sets the requests name are defined.
    EXPECT_NE(deck.find("\n*Nset, nset=M8_Pins"), std::string::npos) << flat;
    EXPECT_NE(deck.find("\n*Elset, elset=M8_Pins"), std::string::npos) << flat;

    const std::string off = AfDeck(flat, requests(kSuppressed));
    EXPECT_EQ(off.find("M8_Pins"), std::string::npos) << flat;
    EXPECT_EQ(off.find("FIELD OUTPUT"), std::string::npos) << flat;
    const std::string unplaced = AfDeck(flat, requests(kUnplaced));
    EXPECT_EQ(unplaced.find("M8_Pins"), std::string::npos) << flat;
    EXPECT_EQ(unplaced.substr(unplaced.find("** FIELD OUTPUT: F-Pins")),
              "** FIELD OUTPUT: F-Pins\n"
              "** \n"
              "*Output, field\n"
              "** \n"
              "** HISTORY OUTPUT: H-Pins\n"
              "** \n"
              "*Output, history\n"
              "*End Step\n")
        << flat;
  }
}

namespace {

// The labels each scope of `deck` defines twice: "*Node" and "*Element"
// data lines, scoped by part and by instance (part-based: the assembly's
// own lines apart), the whole file when flat. Each entry reads "scope kind label".
std::vector<std::string> AfLabelsDefinedTwice(const std::string& deck) {
  std::istringstream lines(deck);
  std::map<std::string, int> seen;
  std::vector<std::string> twice;
  std::string scope = "file", kind;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("**", 0) == 0) continue;
    if (line.rfind("*", 0) == 0) {
      kind.clear();
      if (line.rfind("*Part, name=", 0) == 0) scope = line.substr(12);
      if (line == "*End Part") scope = "file";
      if (line.rfind("*Assembly", 0) == 0) scope = "assembly";
      if (line.rfind("*Instance, name=", 0) == 0) scope = line.substr(0, line.find(','));
      if (line == "*End Instance") scope = "assembly";
      if (line.rfind("*Node", 0) == 0 && line.rfind("*Node Output", 0) != 0) kind = "node";
      if (line.rfind("*Element,", 0) == 0) kind = "element";
      continue;
    }
    if (kind.empty()) continue;
    std::string label = line.substr(0, line.find(','));
    label.erase(0, label.find_first_not_of(' '));
    if (++seen[scope + " " + kind + " " + label] == 2)
      twice.push_back(scope + " " + kind + " " + label);
  }
  return twice;
}

}  // namespace

// A model with its own assembly reference point and its own assembly
// connector beside an assembled fastener: no label twice in a scope. Part-
// based the fastener's assembly nodes and connectors count on from the
// assembly's own; flat its elements count on from the model's last one.
TEST(aif_AsmbldFastenerBuilder, NoLabelTwiceBesideTheModelsOwnAssemblyObjects) {
  const auto own = [](hst_ModelBuilder& b) {
    b.AddAssemblyNodes(nullptr, 1);
    rgnC_Region wires("OwnWire", {"Assembly"});
    rgnC_GeomComponent wire;
    wire.kind = rgnC_GeomComponent::kEdge;
    wire.nonMeshable = true;
    wire.ends[0].resolved = true;
    wire.ends[0].instanceId = 1;
    wire.ends[0].label = 1;
    wire.ends[1].resolved = true;
    wire.ends[1].instanceId = 1000;
    wire.ends[1].label = 1;
    wire.ends[1].referenceDot = true;
    wires.SetKernelComponents({wire});
    b.Assembly().AddSectionAssignment(ptoC_SectionAssignment(wires, "M8_Conn"));
  };
  for (bool flat : {false, true}) {
    const std::string deck = AfDeck(flat, own);
    EXPECT_EQ(AfLabelsDefinedTwice(deck), std::vector<std::string>()) << deck;
    // The model's own reference node and connector, then the fastener's
    // assembly nodes, connectors and point masses.
    const std::vector<const char*> blocks =
        flat ? std::vector<const char*>{"*Element, type=C3D8\n2, 10, 11,",
                                        "*Node\n      9,           0.,           0.,           0.\n"
                                        "*Element, type=CONN3D2\n14, 1, 9\n",
                                        "*Node\n     36,           0.,           0.,           1.\n"
                                        "     37,           1.,           0.,           1.\n",
                                        "elset=M8_Wires\n6, 10, 36\n7, 22, 37\n",
                                        "elset=M8_Tip\n12, 36\n13, 37\n"}
             : std::vector<const char*>{
                   "*Node\n      1,           0.,           0.,           0.\n"
                   "*Element, type=CONN3D2\n5, Plate-1.1, Assembly.1\n",
                   "*Node\n      2,           0.,           0.,           1.\n"
                   "      3,           1.,           0.,           1.\n",
                   "elset=M8_Wires\n1, M8_Bolt-1.1, 2\n2, M8_Bolt-1.13, 3\n",
                   "elset=M8_Tip\n3, 2\n4, 3\n"};
    for (const char* block : blocks)
      EXPECT_NE(deck.find(block), std::string::npos) << flat << "\n" << block << "\n" << deck;
  }
}
