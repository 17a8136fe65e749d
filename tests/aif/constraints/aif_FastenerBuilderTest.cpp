// The fastener builder: point-based fasteners with their connector sections
// and behaviours; discrete fasteners with the couplings of their attachment
// lines' ends, and the attachment lines a region gives.
#include "aif/impl/constraints/aif_FastenerBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

kseC_ConnectorSection FastenerBuilderSection() {
  kseC_ConnectorSection section;
  section.SetTypes(0, 1, 0);
  section.SetConnectionTypeText("Cartesian");
  kbeC_ConnectorElasticity elasticity;
  elasticity.components = {1};
  section.AddBehaviorOption(elasticity);
  return section;
}

kefC_PointFastener FastenerBuilderPoint(const char* section, int indicator) {
  kefC_PointFastener fastener;
  fastener.SetRegion(rgnC_Region("Points", {"Assembly"}));
  fastener.targetSurfaces = {rgnC_Region("Top", {"Assembly"}), rgnC_Region(),
                             rgnC_Region("Bottom", {"Assembly"})};
  fastener.physicalRadius = 0.5;
  fastener.elementSetIndicator = indicator;
  fastener.connectorSection = section;
  return fastener;
}

// A part-based model of one instance whose assembly holds `fasteners`; the
// model holds the connector section "Conn" and the solid section "Solid".
struct FastenerBuilderContext {
  template <class Add>
  explicit FastenerBuilderContext(Add&& add) {
    b.AddPart("P", hst_GridMesh(1, 1, 1));
    b.AddInstance("P-1", "P");
    b.AddSection("Conn", FastenerBuilderSection());
    b.AddSection("Solid", kseC_HomogenousSolidSection());
    add(b);
    mesh = std::make_unique<aif_test::MeshContext>(b, false);
    builder = std::make_unique<aif_FastenerBuilder>(*mesh->info);
  }
  std::string Assembly() const {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, builder->AssemblyDefinition()); });
  }
  std::string Model() const {
    return aif_test::WrittenText(
        [&](utl_Stream& s) { akw_WriteKeywords(s, builder->ModelDefinition()); });
  }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
  std::unique_ptr<aif_FastenerBuilder> builder;
};

}  // namespace

TEST(aif_FastenerBuilder, PointFastenerWithItsConnectorSection) {
  FastenerBuilderContext context(
      [](hst_ModelBuilder& b) { b.AddFastener("Bolt-1", FastenerBuilderPoint("Conn", 0)); });
  context.builder->Build();
  EXPECT_EQ(context.Assembly(),
            "** \n** POINT-BASED FASTENER: Bolt-1\n"
            "*Fastener Property, name=Bolt-1\n0.5\n"
            "*Connector Section, elset=_Bolt-1_pf_, behavior=Conn\nCartesian,\n"
            "*Fastener, interaction name=Bolt-1, property=Bolt-1, reference node set=Points, "
            "elset=_Bolt-1_pf_, coupling=CONTINUUM, attachment method=FACETOFACE, \n"
            "weighting method=UNIFORM, adjust orientation=NO\n\nTop, Bottom\n");
  EXPECT_EQ(context.Model(),
            "*Connector Behavior, name=Conn\n*Connector Elasticity, component=1\n");
}

TEST(aif_FastenerBuilder, BehavioursOncePerSection) {
  const std::string behaviour =
      "*Connector Behavior, name=Conn\n*Connector Elasticity, component=1\n";
  // Ten fasteners on one section: ten connector sections, one behaviour.
  FastenerBuilderContext shared([](hst_ModelBuilder& b) {
    for (int i = 0; i < 10; ++i)
      b.AddFastener(cow_String("F-") + cow_String(std::to_string(i).c_str()),
                    FastenerBuilderPoint("Conn", 0));
  });
  shared.builder->Build();
  EXPECT_EQ(shared.Model(), behaviour);
  const std::string assembly = shared.Assembly();
  std::size_t sections = 0;
  for (std::size_t at = assembly.find("*Connector Section"); at != std::string::npos;
       at = assembly.find("*Connector Section", at + 1))
    ++sections;
  EXPECT_EQ(sections, 10u);
  EXPECT_EQ(shared.builder->ConnectorSections().Length(), 1u);

  // The instance builder wrote the section's behaviour: none here.
  FastenerBuilderContext written(
      [](hst_ModelBuilder& b) { b.AddFastener("Bolt-1", FastenerBuilderPoint("Conn", 0)); });
  cow_Btree<cow_String, int> instanceSections;
  instanceSections.Set("Conn", 1);
  written.builder->SetConnectorSections(instanceSections);
  written.builder->Build();
  EXPECT_EQ(written.Model(), "");
  EXPECT_NE(written.Assembly().find("*Connector Section, elset=_Bolt-1_pf_"), std::string::npos);
}

TEST(aif_FastenerBuilder, WithoutConnectorSectionsSuppressedAndDiscrete) {
  FastenerBuilderContext context([](hst_ModelBuilder& b) {
    // Created out of name order; written in name order.
    kefC_DiscreteFastener discrete;
    b.AddFastener("D-1", discrete);
    b.AddFastener("C-solid", FastenerBuilderPoint("Solid", 0));
    b.AddFastener("B-missing", FastenerBuilderPoint("Gone", 0));
    b.AddFastener("A-elements", FastenerBuilderPoint("Conn", 7));
    kefC_PointFastener suppressed = FastenerBuilderPoint("Conn", 0);
    suppressed.SetSuppressed(true);
    b.AddFastener("E-off", suppressed);
  });
  context.builder->Build();
  const std::string tail =
      ", coupling=CONTINUUM, attachment method=FACETOFACE, \n"
      "weighting method=UNIFORM, adjust orientation=NO\n\nTop, Bottom\n";
  EXPECT_EQ(
      context.Assembly(),
      // Indicator not 0: neither a connector section nor "elset=".
      "** \n** POINT-BASED FASTENER: A-elements\n*Fastener Property, name=A-elements\n0.5\n"
      "*Fastener, interaction name=A-elements, property=A-elements, reference node set=Points, "
      "coupling=CONTINUUM, attachment method=FACETOFACE, \nweighting method=UNIFORM, adjust "
      "orientation=NO\n\nTop, Bottom\n"
      // A section missing from the model, or of another kind: no connector
      // section, the "_pf_" set still named.
      "** \n** POINT-BASED FASTENER: B-missing\n*Fastener Property, name=B-missing\n0.5\n"
      "*Fastener, interaction name=B-missing, property=B-missing, reference node set=Points, "
      "elset=_B-missing_pf_" +
          tail +
          "** \n** POINT-BASED FASTENER: C-solid\n*Fastener Property, name=C-solid\n0.5\n"
          "*Fastener, interaction name=C-solid, property=C-solid, reference node set=Points, "
          "elset=_C-solid_pf_" +
          tail + "** \n** DISCRETE FASTENER: D-1\n");
  EXPECT_EQ(context.Model(), "");
}

TEST(aif_FastenerBuilder, NothingWithoutReadableFeatures) {
  FastenerBuilderContext hidden([](hst_ModelBuilder& b) {
    b.AddFastener("Bolt-1", FastenerBuilderPoint("Conn", 0));
    b.Assembly().SetEngineeringFeaturesReady(false);
  });
  hidden.builder->Build();
  EXPECT_EQ(hidden.Assembly(), "");
  FastenerBuilderContext none([](hst_ModelBuilder& b) { b.WithoutAssembly(); });
  none.builder->Build();
  EXPECT_EQ(none.Assembly(), "");
}

TEST(aif_FastenerBuilder, FeaturesOfAnotherKindFailTheTypeTest) {
  FastenerBuilderContext other(
      [](hst_ModelBuilder& b) { b.Assembly().SetEngineeringFeatures(kefC_Spring()); });
  std::string text;
  try {
    other.builder->Build();
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  EXPECT_NE(text.find("kefC_EngineeringFeatures"), std::string::npos) << text;
  EXPECT_NE(text.find("module/aif/impl/constraints/aif_FastenerBuilder.cpp"), std::string::npos)
      << text;
  EXPECT_EQ(other.Assembly(), "");
}

namespace {

// The deck of a model whose assembly wires use the connector section "Conn"
// and whose fasteners use "Conn" (filed by the instance builder) and
// "Only-F" (filed by the fastener builder).
std::string FastenerBuilderDeck() {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(1, 1, 1));
  b.AddInstance("P-1", "P");
  rgnC_GeomComponent wire{.kind = rgnC_GeomComponent::kEdge, .index = 1, .nonMeshable = true};
  wire.ends[0] = {.resolved = true, .instanceId = 1, .label = 1};
  wire.ends[1] = {.resolved = true, .instanceId = 1, .label = 2};
  rgnC_Region wires("Wire-1", {"Assembly"});
  wires.SetKernelComponents({wire});
  b.AddAssemblySection("Conn", FastenerBuilderSection(), wires);
  b.AddSection("Only-F", FastenerBuilderSection());
  b.AddFastener("Bolt-1", FastenerBuilderPoint("Conn", 0));
  b.AddFastener("Bolt-2", FastenerBuilderPoint("Only-F", 0));
  b.AddFastener("Bolt-3", FastenerBuilderPoint("Only-F", 0));
  aif_test::TempDeck file("aif_FastenerBuilderTest");
  return file.Write(b);
}

std::size_t FastenerBuilderCount(const std::string& text, const std::string& line) {
  std::size_t count = 0;
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
    ++count;
  return count;
}

}  // namespace

TEST(aif_FastenerBuilder, DeckFilesEachBehaviourOnceAndTheFastenersInTheAssembly) {
  const std::string deck = FastenerBuilderDeck();
  EXPECT_EQ(FastenerBuilderCount(deck, "*Connector Behavior, name=Conn\n"), 1u) << deck;
  EXPECT_EQ(FastenerBuilderCount(deck, "*Connector Behavior, name=Only-F\n"), 1u) << deck;
  // The fasteners stand in the assembly, in name order, before its end.
  const std::size_t first = deck.find("** POINT-BASED FASTENER: Bolt-1\n");
  const std::size_t second = deck.find("** POINT-BASED FASTENER: Bolt-2\n");
  const std::size_t third = deck.find("** POINT-BASED FASTENER: Bolt-3\n");
  const std::size_t end = deck.find("*End Assembly\n");
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_LT(third, end);
  EXPECT_NE(end, std::string::npos);
  EXPECT_NE(deck.find("*Connector Section, elset=_Bolt-3_pf_, behavior=Only-F\nCartesian,\n"),
            std::string::npos);
}

TEST(aif_FastenerBuilder, LocalSystemAndConnectorOrientation) {
  FastenerBuilderContext context([](hst_ModelBuilder& b) {
    kefC_PointFastener one = FastenerBuilderPoint("Conn", 0);
    one.localCsys = dtmC_DatumRef{cow_List<cow_String>(), "Csys-1"};
    one.datum1 = dtmC_DatumRef{cow_List<cow_String>(), "Csys-1"};
    one.singleDatum = true;
    one.targetSurfaces = {};
    b.AddFastener("A", one);
    kefC_PointFastener two = FastenerBuilderPoint("Conn", 0);
    two.datum1 = dtmC_DatumRef{cow_List<cow_String>(), "Csys-1"};
    two.datum2 = dtmC_DatumRef{cow_List<cow_String>(), "Csys-2"};
    two.targetSurfaces = {};
    b.AddFastener("B", two);
  });
  context.builder->Build();
  // The local system names the fastener's orientation; one datum orients
  // both connector ends, two name one each.
  EXPECT_EQ(context.Assembly(),
            "** \n** POINT-BASED FASTENER: A\n*Fastener Property, name=A\n0.5\n"
            "*Connector Section, elset=_A_pf_, behavior=Conn\nCartesian,\nCsys-1,\n"
            "*Fastener, interaction name=A, property=A, reference node set=Points, elset=_A_pf_, "
            "coupling=CONTINUUM, attachment method=FACETOFACE, \nweighting method=UNIFORM, "
            "adjust orientation=NO, orientation=Csys-1\n"
            "** \n** POINT-BASED FASTENER: B\n*Fastener Property, name=B\n0.5\n"
            "*Connector Section, elset=_B_pf_, behavior=Conn\nCartesian,\nCsys-1, Csys-2\n"
            "*Fastener, interaction name=B, property=B, reference node set=Points, elset=_B_pf_, "
            "coupling=CONTINUUM, attachment method=FACETOFACE, \nweighting method=UNIFORM, "
            "adjust orientation=NO\n");
}

namespace {

// An attachment line of index `index` from vertex `first` to vertex `second`.
rgnC_GeomComponent FastenerBuilderLine(int index, int first, int second) {
  rgnC_GeomComponent line{
      .kind = rgnC_GeomComponent::kEdge, .index = index, .attachmentLine = true};
  line.ends[0].vertexIndex = first;
  line.ends[1].vertexIndex = second;
  return line;
}

kefC_DiscreteFastener FastenerBuilderDiscrete(
    std::initializer_list<std::optional<gdy_GeomHitRecord>> hits) {
  kefC_DiscreteFastener fastener;
  rgnC_Region region("Lines", {"Assembly"});
  region.SetKernelGeomHits(hits);
  fastener.SetRegion(region);
  return fastener;
}

cow_Map<int, cow_String> FastenerBuilderSurfaces(
    std::initializer_list<std::pair<int, const char*>> pairs) {
  cow_Map<int, cow_String> names;
  for (const auto& [vertex, name] : pairs)
    names.Set(vertex, name);
  return names;
}

// The assembly's attachment lines 1 (vertices 11, 12; nodes 1, 2), 2 (13,
// 14; nodes 3, 4) and 3 (15, 16; nodes 2, 5: node 2 shared with line 1),
// the surfaces the vertices attach to (vertex 16 to none).
void FastenerBuilderLines(hst_ModelBuilder& b) {
  b.AddAssemblyAttachmentLine(1, 1, 2).AddAssemblyAttachmentLine(2, 3, 4).AddAssemblyAttachmentLine(
      3, 2, 5);
  b.AddAssemblyGeomComponent(FastenerBuilderLine(1, 11, 12))
      .AddAssemblyGeomComponent(FastenerBuilderLine(2, 13, 14))
      .AddAssemblyGeomComponent(FastenerBuilderLine(3, 15, 16));
  b.SetAssemblyAttachmentSurfaces(FastenerBuilderSurfaces(
      {{11, "Skin-A"}, {12, "Skin-B"}, {13, "Skin-A"}, {14, "Skin-C"}, {15, "Skin-D"}}));
}

// The comment, "*Coupling" and "*Distributing" of one served end with the
// defaults of a discrete fastener.
std::string FastenerBuilderEnd(const std::string& fastener, const std::string& coupling, int node,
                               const std::string& surface) {
  return "** \n** @DODOVE, object=discrete fastener, name=" + fastener +
         "\n*Coupling, constraint name=" + coupling + ", ref node=" + std::to_string(node) +
         ", surface=" + surface + "\n*Distributing, weighting method=UNIFORM\n";
}

}  // namespace

TEST(aif_FastenerBuilder, DiscreteFastenersCoupleEachNodeOnce) {
  FastenerBuilderContext context([](hst_ModelBuilder& b) {
    FastenerBuilderLines(b);
    // F: lines 1 and 2, every end served.
    b.AddFastener(
        "F", FastenerBuilderDiscrete({gdy_GeomHitRecord(1000, 1), gdy_GeomHitRecord(1000, 2)}));
    // G, after F: line 3's first node was coupled by F, its second vertex
    // attaches to no surface; line 1 again gives nothing.
    b.AddFastener(
        "G", FastenerBuilderDiscrete({gdy_GeomHitRecord(1000, 3), gdy_GeomHitRecord(1000, 1)}));
  });
  context.builder->Build();
  EXPECT_EQ(context.Assembly(), "** \n** DISCRETE FASTENER: F\n" +
                                    FastenerBuilderEnd("F", "_F_1_end1", 1, "Skin-A") +
                                    FastenerBuilderEnd("F", "_F_1_end2", 2, "Skin-B") +
                                    FastenerBuilderEnd("F", "_F_2_end1", 3, "Skin-A") +
                                    FastenerBuilderEnd("F", "_F_2_end2", 4, "Skin-C") +
                                    "** \n** DISCRETE FASTENER: G\n");
  EXPECT_EQ(context.Model(), "");
}

TEST(aif_FastenerBuilder, DiscreteFastenerOptionsAndEndsPassedOver) {
  FastenerBuilderContext context([](hst_ModelBuilder& b) {
    FastenerBuilderLines(b);
    // Line 4 ends in no node at its second end (label 0); line 5 has no
    // attachment record; edge 6 is no attachment line.
    b.AddAssemblyAttachmentLine(4, 6, 0);
    b.AddAssemblyGeomComponent(FastenerBuilderLine(4, 17, 18))
        .AddAssemblyGeomComponent(FastenerBuilderLine(5, 11, 12))
        .AddAssemblyGeomComponent(
            rgnC_GeomComponent{.kind = rgnC_GeomComponent::kEdge, .index = 6});
    b.SetAssemblyAttachmentSurfaces(
        FastenerBuilderSurfaces({{11, "Skin-A"}, {12, "Skin-B"}, {17, "Skin-E"}, {18, "Skin-F"}}));
    // A name the solver takes only quoted, structural, cubic, an influence
    // radius, UR2 free. Records: null, no component 9, edge 6, line 5 (no
    // record: no coupling but its place counts), line 4.
    kefC_DiscreteFastener fastener = FastenerBuilderDiscrete(
        {std::nullopt, gdy_GeomHitRecord(1000, 9), gdy_GeomHitRecord(1000, 6),
         gdy_GeomHitRecord(1000, 5), gdy_GeomHitRecord(1000, 4)});
    fastener.coupling = kefC_CouplingEnum::STRUCTURAL;
    fastener.weightingMethod = kefC_WeightingMethodEnum::CUBIC;
    fastener.radiusOfInfluence = 2.5;
    fastener.ur2 = false;
    b.AddFastener("Rivet row", fastener);
    // A weighting method the kernel does not know leaves the coupling's.
    kefC_DiscreteFastener unknown = FastenerBuilderDiscrete({gdy_GeomHitRecord(1000, 1)});
    unknown.weightingMethod = static_cast<kefC_WeightingMethodEnum>(7);
    b.AddFastener("S", unknown);
  });
  context.builder->Build();
  EXPECT_EQ(context.Assembly(),
            "** \n** DISCRETE FASTENER: Rivet row\n"
            "** \n** @DODOVE, object=discrete fastener, name=Rivet row\n"
            "*Coupling, constraint name=\"_Rivet row_2_end1\", ref node=6, surface=Skin-E, "
            "influence radius=2.5\n"
            "*Distributing, weighting method=CUBIC, coupling=STRUCTURAL\n"
            "1, 1\n2, 2\n3, 3\n4, 4\n6, 6\n"
            "** \n** DISCRETE FASTENER: S\n" +
                FastenerBuilderEnd("S", "_S_1_end1", 1, "Skin-A") +
                FastenerBuilderEnd("S", "_S_1_end2", 2, "Skin-B"));
}

TEST(aif_FastenerBuilder, DiscreteFastenerWithoutAttachmentTableWritesItsBanner) {
  FastenerBuilderContext context([](hst_ModelBuilder& b) {
    b.AddAssemblyGeomComponent(FastenerBuilderLine(1, 11, 12));
    b.SetAssemblyAttachmentSurfaces(FastenerBuilderSurfaces({{11, "Skin-A"}, {12, "Skin-B"}}));
    b.AddFastener("F", FastenerBuilderDiscrete({gdy_GeomHitRecord(1000, 1)}));
  });
  context.builder->Build();
  EXPECT_EQ(context.Assembly(), "** \n** DISCRETE FASTENER: F\n");
}

TEST(aif_FastenerBuilder, AttachmentLinesOfTheAssemblyAndOfParts) {
  unsigned instance = 0;
  FastenerBuilderContext context([&instance](hst_ModelBuilder& b) {
    FastenerBuilderLines(b);
    // The part Q's line 2 joins vertices 21 and 22; its instance Q-1.
    b.AddPart("Q", hst_GridMesh(1, 1, 1));
    b.AddPartGeomComponent("Q", FastenerBuilderLine(2, 21, 22));
    b.SetPartAttachmentSurfaces("Q", FastenerBuilderSurfaces({{22, "Q-Face"}}));
    instance = b.AddInstance("Q-1", "Q");
  });
  // Filled lists are emptied first.
  cow_List<gml_InstanceGC> lines;
  lines.Append(gml_InstanceGC{});
  cow_List<cow_String> names1, names2;
  names1.Append("old");
  names2.Append("old");
  rgnC_Region region("Lines", {"Assembly"});
  region.SetKernelGeomHits({gdy_GeomHitRecord(instance, 2), gdy_GeomHitRecord(1000, 3),
                            gdy_GeomHitRecord(77, 1), gdy_GeomHitRecord(instance, 3)});
  const asoK_Assembly& assembly = *context.mesh->info->Assembly();
  context.builder->CollectAttachmentLines(assembly, rgnK_Region(&assembly, "Model-1", region),
                                          lines, names1, names2);
  // The instance's line with its part's surfaces, the assembly's line 3
  // with the assembly's; no instance 77; the part has no component 3.
  std::string text;
  for (std::size_t i = 0; i < lines.Length(); ++i)
    text += std::to_string(lines[i].instanceId) + ":" + std::to_string(lines[i].component.index) +
            " [" + names1[i].Str() + "] [" + names2[i].Str() + "]\n";
  EXPECT_EQ(text, std::to_string(instance) + ":2 [] [Q-Face]\n1000:3 [Skin-D] []\n");
}
