// The assembled-fastener golden decks, part-based and flat: a plate with an
// assembly reference point of its own, and two assembled fasteners of one
// template (three points with prefix "M8", one point with prefix "M6"); the
// template has a bolt instance (mesh, reference point, set, solid section,
// point mass with rotary inertia), a washer carrying the template region, an
// assembly reference point with a point mass, an assembly set, a connector,
// a tie and a coupling with adjust. Both decks also run the fault loops.
#include <gtest/gtest.h>

#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "support/aif_FaultLoops.h"

namespace {

void AfGoldenTemplate() {
  hst_ModelBuilder t("AfGoldenTemplate");
  t.AddPart("Bolt", hst_GridMesh(2, 1, 1, 0.5), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  t.MutablePart("Bolt").SetReferencePoints({{0.5, 0.25, 1.0}});
  rgnC_Region core("Core", {"Bolt"});
  core.SetKernelNodeIndices(0, {0, 1, 2});
  core.SetKernelElementIndices(0, {0, 1});
  rgnF_Set coreSet(core);
  coreSet.SetId(7000);
  coreSet.SetName("Core");
  t.MutablePart("Bolt").FeatureList().Add(coreSet);
  t.AddPartAttribute("Bolt", ptoC_SectionAssignment(core, "Steel"));
  kefC_PointMassInertia head;
  head.SetName("Head");
  rgnC_Region headNode("Head", {"Bolt"});
  headNode.SetKernelNodeIndices(0, {0});
  head.SetRegions({headNode});
  head.SetMass(0.25);
  head.SetRotaryInertia({1, 1, 2, 0, 0, 0});
  kefC_EngineeringFeatures boltFeatures;
  boltFeatures.AddInertia(head);
  t.MutablePart("Bolt").SetEngineeringFeatures(boltFeatures);
  t.AddInstance("Bolt-1", "Bolt");
  t.AddPart("Washer", hst_GridMesh(1, 1, 1));
  t.AddInstance("Washer-1", "Washer");
  t.AddAssemblyRegion("Seat", rgnC_Region("Seat", {"Assembly", "Washer-1"}), true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0, 0, 0)});
  t.AddAssemblyRegion("Pos", pos);

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
  pins.SetKernelNodeIndices(1, {3, 4});
  pins.SetKernelNodeIndices(1000, {0});
  t.AddAssemblyRegion("Pins", pins);

  // A connector from the bolt's second node to the assembly's reference
  // point.
  rgnC_Region wires("Wires", {"Assembly"});
  rgnC_GeomComponent wire;
  wire.kind = rgnC_GeomComponent::kEdge;
  wire.ends[0].resolved = true;
  wire.ends[0].instanceId = 1;
  wire.ends[0].label = 2;
  wire.ends[1].resolved = true;
  wire.ends[1].instanceId = 1000;
  wire.ends[1].label = 1;
  wires.SetKernelComponents({wire});
  t.Assembly().AddSectionAssignment(ptoC_SectionAssignment(wires, "Spring"));

  kcoC_Tie hold;
  hold.SetRegions(rgnC_Region("Seat", {"Assembly", "Washer-1"}),
                  rgnC_Region("Core", {"Assembly", "Bolt-1"}, 4));
  t.AddConstraint("Hold", hold);
  kcoC_Coupling grip(rgnC_Region("Pins", {"Assembly"}, 4),
                     rgnC_Region("Seat", {"Assembly", "Washer-1"}), 1);
  grip.SetDofs({true, true, true, true, true, true});
  grip.SetAdjust(true);
  t.AddConstraint("Grip", grip);
  t.Model();
}

kefC_AssembledFastener AfGoldenFastener(const char* prefix, cow_List<int> nodes) {
  kefC_AssembledFastener fastener;
  rgnC_Region points("Points", {"Assembly"});
  points.SetKernelNodeIndices(1, std::move(nodes));
  fastener.SetRegion(points);
  fastener.templateModel = "AfGoldenTemplate";
  fastener.positioningSet = "Pos";
  fastener.prefix = prefix;
  fastener.surfaceNames = {"Top"};
  fastener.templateRegionNames = {"Seat"};
  return fastener;
}

hst_ModelBuilder AfGoldenModel() {
  AfGoldenTemplate();
  hst_ModelBuilder b;
  b.AddPart("Plate", hst_GridMesh(2, 1, 1));
  b.AddInstance("Plate-1", "Plate");
  b.AddAssemblyNodes(nullptr, 1);
  b.AddStep("Step-1", kprC_StaticStep());
  rgnC_Region top("Top", {"Assembly", "Plate-1"});
  top.SetKernelPlane(gsl_Plane({0, 0, 1}, {0, 0, 1}));
  top.SetKernelElementIndices(1, {0, 1}, {"S2", "S2"});
  b.AddAssemblyRegion("Top", top, true);
  // Nodes 6, 7 and 8 of the plate: its top edge at y = 0.
  b.AddFastener("Bolts", AfGoldenFastener("M8", {6, 7, 8}));
  b.AddFastener("Nuts", AfGoldenFastener("M6", {9}));
  kseC_HomogenousSolidSection steel;
  steel.material = "Steel";
  b.AddSection("M8_Steel", steel);
  b.AddSection("M6_Steel", steel);
  b.AddMaterial("Steel", kmaC_Material());
  kseC_ConnectorSection spring;
  spring.SetTypes(0, 1, 0);
  spring.SetConnectionTypeText("Cartesian");
  kbeC_ConnectorElasticity elasticity;
  elasticity.components = {1};
  spring.AddBehaviorOption(elasticity);
  b.AddSection("M8_Spring", spring);
  b.AddSection("M6_Spring", spring);
  return b;
}

class AsmbldFastenerDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return AfGoldenModel(); }
};

}  // namespace

TEST_F(AsmbldFastenerDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/constraints/golden/assembled_fasteners_part_based.inp",
                    "aif/constraints/golden/assembled_fasteners_flat.inp");
}

TEST_F(AsmbldFastenerDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}
