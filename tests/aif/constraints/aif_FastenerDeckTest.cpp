// Fasteners in whole decks, part-based and flat: two point-based fasteners
// on one connector section (its behaviour filed once), one using no
// connector elements, and a discrete fastener over two attachment lines of
// the assembly that share a node (coupled once); every fault of the write
// leaves no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "aif/interactions/aif_PartSurface.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

// A point-based fastener on the node set Top of Plate-1, fastening Plate-1's
// Upper to Plate-2's Lower surface.
kefC_PointFastener FastenerDeckPoint(const char* section, int indicator) {
  kefC_PointFastener fastener;
  fastener.SetRegion(rgnC_Region("Top", {"Assembly", "Plate-1"}));
  fastener.targetSurfaces = {rgnC_Region("Upper", {"Assembly", "Plate-1"}),
                             rgnC_Region("Lower", {"Assembly", "Plate-2"})};
  fastener.physicalRadius = 0.25;
  fastener.elementSetIndicator = indicator;
  fastener.connectorSection = section;
  return fastener;
}

// A column of two bricks placed twice (Plate-2 moved by 3 along x) with the
// part's node sets Base and Top and surfaces Upper and Lower; the assembly's
// surface Skin over both instances' upper faces and its attachment lines 1
// (vertices 11 to 12, nodes 1 and 2) and 2 (vertices 12 to 13, nodes 2 and
// 3); the connector section Conn.
hst_ModelBuilder FastenerDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Plate", hst_GridMesh(1, 1, 2));
  const auto addSet = [&b](const char* name, unsigned featureId,
                           std::initializer_list<int> indices) {
    rgnC_Region partRegion(name, {"Plate"});
    for (int instance : {1, 2})
      partRegion.SetKernelNodeIndices(instance, indices);
    rgnF_Set set(partRegion);
    set.SetId(featureId);
    set.SetName(name);
    set.typeMask = rgnF_Set::kNodeSet;
    b.MutablePart("Plate").FeatureList().Add(set);
  };
  addSet("Base", 40, {0, 1, 2, 3});
  addSet("Top", 41, {8, 9, 10, 11});
  aif_AddPartSurface(b, "Plate", "Upper", 43, 1, "S2", {1, 2});
  aif_AddPartSurface(b, "Plate", "Lower", 44, 0, "S1", {1, 2});
  b.AddInstance("Plate-1", "Plate");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Plate-2", "Plate", placed);

  rgnC_Region skin("Skin", {});
  skin.SetKernelElementIndices(1, {1}, {cow_String("S2")});
  skin.SetKernelElementIndices(2, {1}, {cow_String("S2")});
  rgnF_Surface surface(skin);
  surface.SetId(100);
  surface.SetName("Skin");
  b.Assembly().FeatureList().Add(surface);

  b.AddAssemblyAttachmentLine(1, 1, 2).AddAssemblyAttachmentLine(2, 2, 3);
  for (int line : {1, 2}) {
    rgnC_GeomComponent component{
        .kind = rgnC_GeomComponent::kEdge, .index = line, .attachmentLine = true};
    component.ends[0].vertexIndex = 10 + line;
    component.ends[1].vertexIndex = 11 + line;
    b.AddAssemblyGeomComponent(component);
  }
  cow_Map<int, cow_String> skins;
  for (int vertex : {11, 12, 13})
    skins.Set(vertex, "Skin");
  b.SetAssemblyAttachmentSurfaces(skins);

  kseC_ConnectorSection section;
  section.SetTypes(0, 1, 0);
  section.SetConnectionTypeText("Cartesian");
  kbeC_ConnectorElasticity elasticity;
  elasticity.components = {1};
  section.AddBehaviorOption(elasticity);
  b.AddSection("Conn", section);

  // Out of name order: written Bolt-A, Bolt-B, Bolt-C, Rivets.
  b.AddFastener("Rivets", [] {
    kefC_DiscreteFastener rivets;
    rgnC_Region lines("Rivet-Lines", {"Assembly"});
    lines.SetKernelGeomHits({gdy_GeomHitRecord(1000, 1), gdy_GeomHitRecord(1000, 2)});
    rivets.SetRegion(lines);
    rivets.weightingMethod = kefC_WeightingMethodEnum::LINEAR;
    rivets.ur3 = false;
    return rivets;
  }());
  b.AddFastener("Bolt-C", FastenerDeckPoint("Conn", 1));
  b.AddFastener("Bolt-B", FastenerDeckPoint("Conn", 0));
  kefC_PointFastener a = FastenerDeckPoint("Conn", 0);
  a.mass = 0.5;
  a.ur1 = false;
  b.AddFastener("Bolt-A", a);
  return b;
}

class FastenerDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return FastenerDeckModel(); }
};

TEST_F(FastenerDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/constraints/golden/fasteners_part_based.inp",
                    "aif/constraints/golden/fasteners_flat.inp");
}

TEST_F(FastenerDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

// A fastener that claims a kind it is not of.
class FastenerDeckImpostor : public kefC_Fastener {
 public:
  explicit FastenerDeckImpostor(unsigned type) : type_(type) {}
  unsigned DynTypeId() const override { return type_; }
  FastenerDeckImpostor* Clone() const override { return new FastenerDeckImpostor(*this); }

 private:
  unsigned type_;
};

// A section that claims to be a connector section but is not one.
class FastenerDeckSectionImpostor : public kseC_Section {
 public:
  unsigned DynTypeId() const override { return kseC_ConnectorSection::TypeId(); }
  FastenerDeckSectionImpostor* Clone() const override {
    return new FastenerDeckSectionImpostor(*this);
  }
};

TEST_F(FastenerDeck, FailedTypeTestStopsTheWriteAndLeavesNoFile) {
  for (const char* kind :
       {"kefC_PointFastener", "kefC_DiscreteFastener", "kseC_ConnectorSection"}) {
    SCOPED_TRACE(kind);
    hst_ModelBuilder b = FastenerDeckModel();
    if (kind[1] == 'e') {
      b.AddFastener("Bolt-D",
                    FastenerDeckImpostor(kind[5] == 'P' ? kefC_PointFastener::TypeId()
                                                        : kefC_DiscreteFastener::TypeId()));
    } else {
      b.AddSection("Fake", FastenerDeckSectionImpostor());
      b.AddFastener("Bolt-D", FastenerDeckPoint("Fake", 0));
    }
    std::ofstream(path_) << "old deck\n";
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    std::string text;
    try {
      builder.WriteInputFile(path_, false, true);
    } catch (const nex_TextException& e) {
      text = e.Text().Str();
    }
    // Point fasteners and their sections are read first by the transform
    // builder (their orientations), discrete fasteners only by the fastener
    // builder.
    const char* source = kind[5] == 'D' ? "module/aif/impl/constraints/aif_FastenerBuilder.cpp"
                                        : "module/aif/impl/model/aif_TransformBuilder.cpp";
    EXPECT_EQ(text.find(std::string("Type test failed: the object is not a ") + kind +
                        " (source file " + source + ", line "),
              0u)
        << text;
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
}

}  // namespace
