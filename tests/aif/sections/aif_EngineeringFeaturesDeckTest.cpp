// Whole decks of a model with springs, dashpots, inertias and a substructure
// instance, part-based and flat, against their golden files; and every file
// or allocation fault while writing them reaches the caller and leaves no
// file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif_FeatureTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;
using aif_test::FeatureRegion;

// Two blocks "B-1" and "B-2" (ids 1, 2) with a spring and dashpot between
// two corners and a point mass with rotary inertia on a third; a lightweight
// plate "L-1" (id 3) with a spring to ground on its four nodes and a heat
// capacitance; the assembly's spring between the blocks and its
// nonstructural mass on an element set of both; a substructure instance
// "Sub-1" (id 4) whose element lies in a file, moved and turned; two
// assembly wires of the connector section "Hinge" (elastic in component 1)
// joining the blocks, and one wire of a TIE multi-point constraint.
hst_ModelBuilder FeaturesModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  kefC_EngineeringFeatures block;
  kefC_TwoPointSpring corner;
  corner.SetName("Corner");
  corner.SetRegionPairs({rgnC_RegionPair(FeatureRegion("A", {"Block"}, {1, 2}, {0}),
                                         FeatureRegion("C", {"Block"}, {1, 2}, {7}))});
  corner.SetDofs(1, 1);
  corner.SetSpringStiffness(250.0);
  corner.SetDashpotCoefficient(0.02);
  block.AddSpring(corner);
  kefC_PointMassInertia motor;
  motor.SetName("Motor");
  motor.SetRegions({FeatureRegion("Top", {"Block"}, {1, 2}, {6})});
  motor.SetMass(12.5);
  motor.SetRotaryInertia({0.4, 0.4, 0.7, 0, 0, 0});
  block.AddInertia(motor);
  b.SetPartEngineeringFeatures("Block", block);

  b.AddPart("Plate", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}, "S4R", 4, {0, 1, 2, 3}));
  kefC_EngineeringFeatures plate;
  kefC_SpringToGround ground;
  ground.SetName("My ground");
  ground.SetRegion(FeatureRegion("Edge", {"Plate"}, {3}, {0, 1, 2, 3}));
  ground.SetDofs(3, 0);
  ground.SetSpringStiffness(40.0);
  plate.AddSpring(ground);
  kefC_HeatCapacitance heat;
  heat.SetName("Heat");
  heat.SetRegions({FeatureRegion("Corner", {"Plate"}, {3}, {2})});
  heat.SetTable(true, 0, {{4.5, 20.0}, {5.0, 100.0}});
  plate.AddInertia(heat);
  b.SetPartEngineeringFeatures("Plate", plate);

  auto reduced = hst_GridMesh(1, 1, 1);
  reduced->SetElementFile("Z1", "sub.dat");
  b.AddPart("Reduced", reduced);

  b.AddInstance("B-1", "Block");
  b.AddInstance("B-2", "Block", {.transform = gsl_Matrix::Translation({0.0, 0.0, 2.0})});
  b.AddInstance("L-1", "Plate", {.lightweight = true});
  hst_ModelBuilder::InstanceOptions sub;
  sub.theory.fileElements = true;
  sub.substructure = true;
  sub.transform = gsl_Matrix::Translation({5.0, 0.0, 0.0}) *
                  gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, std::acos(0.0));
  b.AddInstance("Sub-1", "Reduced", sub);

  kefC_EngineeringFeatures assembly;
  kefC_TwoPointSpring link;
  link.SetName("Link");
  link.SetKind(1);
  link.SetRegionPairs({rgnC_RegionPair(FeatureRegion("Low", {"Assembly"}, {1}, {7}),
                                       FeatureRegion("High", {"Assembly"}, {2}, {0}))});
  link.SetDofs(3, 3);
  link.SetSpringStiffness(1000.0);
  assembly.AddSpring(link);
  kefC_NonstructuralMass paint;
  paint.SetName("Paint");
  paint.SetOwnRegion(rgnC_Region("Skins", {"Assembly"}));
  paint.SetValue(2, 0.5);
  assembly.AddInertia(paint);
  b.Assembly().SetEngineeringFeatures(assembly);
  rgnC_Region skins("Skins", {});
  skins.SetKernelElementIndices(1, {0});
  skins.SetKernelElementIndices(2, {0});
  rgnF_Set skinSet(skins);
  skinSet.SetId(100);
  skinSet.SetName("Skins");
  skinSet.typeMask = rgnF_Set::kElementSet;
  b.Assembly().FeatureList().Add(skinSet);

  kseC_ConnectorSection hinge;
  hinge.SetTypes(0, 1, 2);
  hinge.SetConnectionTypeText("Cartesian + Cardan");
  kbeC_ConnectorElasticity spring;
  spring.components = {1};
  spring.data.table = mdl_PropertyTable({{5000.0}});
  hinge.AddBehaviorOption(spring);
  auto wire = [](int index, int fromLabel, int toLabel) {
    rgnC_GeomComponent edge{.kind = rgnC_GeomComponent::kEdge, .index = index, .nonMeshable = true};
    edge.ends[0] = {.resolved = true, .instanceId = 1, .label = fromLabel};
    edge.ends[1] = {.resolved = true, .instanceId = 2, .label = toLabel};
    rgnC_Region region(index == 3 ? "Tie-1" : "Wire-" + std::to_string(index), {"Assembly"});
    region.SetKernelComponents({edge});
    return region;
  };
  // Each wire region is an assembly set too, which lists its connector.
  for (int index : {1, 2}) {
    const rgnC_Region region = wire(index, index == 1 ? 5 : 8, index == 1 ? 1 : 4);
    rgnF_Set set(region);
    set.SetId(static_cast<unsigned>(300 + index));
    set.SetName("Wire-" + std::to_string(index));
    set.typeMask = rgnF_Set::kElementSet;
    b.Assembly().FeatureList().Add(set);
    b.AddAssemblySection("Hinge", hinge, region);
  }
  b.AddAssemblySection("Tied", kseC_MPCSection(kseC_MPCSection::kTie), wire(3, 6, 2));
  return b;
}

class EngineeringFeaturesDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return FeaturesModel(); }
};

TEST_F(EngineeringFeaturesDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/sections/golden/engineering_features_part_based.inp",
                    "aif/sections/golden/engineering_features_flat.inp");
}

TEST_F(EngineeringFeaturesDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

}  // namespace
