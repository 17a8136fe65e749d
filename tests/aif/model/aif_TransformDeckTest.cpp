// Datum systems in whole decks, part-based and flat: the "_T-" node sets and
// "*Transform" lines of a condition, an equation term and connector wires,
// and the orientations that couplings, a traction, an inertia relief,
// connector sections, springs and a rotary inertia name, each defined once
// in the deck; every file or allocation fault leaves no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/conditions/aif_ColumnDeckModel.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/interactions/aif_PartSurface.h"
#include "aif/sections/aif_FeatureTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::FeatureRegion;

// A column of two bricks placed twice as lightweight instances, Block-2
// moved by 3 along x, with the part's node sets Base and Top, its surface
// Upper and a cylindrical datum system Axis; the assembly's systems Rect,
// Cyl and Sph (ids 51 to 53); Step-1.
//
// Rect: the condition Fixed on Block-1.Base (a "_T-" set and its
// transform), the first end of the connector on Wire-1 and the MPC wire
// Tie-1 (a second "_T-Rect" set, no second transform). Cyl: two couplings
// and the assembly's spring (one orientation), the traction Load-T turned by
// 30 and the second end of Wire-1 turned by 25. Sph: an equation term (a set
// and its transform), the inertia relief and Wire-2's one system turned by
// 10. Axis: the part's spring and rotary inertia (once with the part, or
// once per instance of a flat file).
hst_ModelBuilder TransformDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  const auto addSet = [&b](const char* name, unsigned featureId,
                           std::initializer_list<int> indices) {
    rgnC_Region partRegion(name, {"Block"});
    for (int instance : {1, 2})
      partRegion.SetKernelNodeIndices(instance, indices);
    rgnF_Set set(partRegion);
    set.SetId(featureId);
    set.SetName(name);
    set.typeMask = rgnF_Set::kNodeSet;
    b.MutablePart("Block").FeatureList().Add(set);
  };
  addSet("Base", 40, {0, 1, 2, 3});
  addSet("Top", 41, {8, 9, 10, 11});
  aif_AddPartSurface(b, "Block", "Upper", 43, 1, "S2", {1, 2});
  dtu_DatumCsys axis(2, {0.5, 0.5, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
  axis.SetId(45);
  axis.SetName("Axis");
  b.MutablePart("Block").FeatureList().Add(axis);

  kefC_EngineeringFeatures block;
  kefC_TwoPointSpring corner;
  corner.SetName("Corner");
  corner.SetRegionPairs({rgnC_RegionPair(FeatureRegion("A", {"Block"}, {1, 2}, {0}),
                                         FeatureRegion("C", {"Block"}, {1, 2}, {7}))});
  corner.SetDofs(1, 1);
  corner.SetSpringStiffness(250.0);
  corner.SetOrientationDatum({{"Block"}, "Axis"});
  block.AddSpring(corner);
  kefC_PointMassInertia motor;
  motor.SetName("Motor");
  motor.SetRegions({FeatureRegion("Tip", {"Block"}, {1, 2}, {11})});
  motor.SetRotaryInertia({0.4, 0.4, 0.7, 0, 0, 0});
  motor.SetOrientationDatum({{"Block"}, "Axis"});
  block.AddInertia(motor);
  b.SetPartEngineeringFeatures("Block", block);

  hst_ModelBuilder::InstanceOptions options;
  options.lightweight = true;
  b.AddInstance("Block-1", "Block", options);
  options.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Block-2", "Block", options);
  b.AddStep("Step-1", kprC_StaticStep());

  unsigned id = 50;
  for (auto [name, csys] :
       {std::pair{"Rect", dtu_DatumCsys(1, {5, 5, 5}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1})},
        std::pair{"Cyl", dtu_DatumCsys(2, {1, 2, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1})},
        std::pair{"Sph", dtu_DatumCsys(3, {0, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0})}}) {
    csys.SetId(++id);
    csys.SetName(name);
    b.Assembly().FeatureList().Add(csys);
  }
  const dtmC_DatumRef rect{{}, "Rect"}, cyl{{}, "Cyl"}, sph{{}, "Sph"};

  kefC_EngineeringFeatures assembly;
  kefC_TwoPointSpring link;
  link.SetName("Link");
  link.SetKind(1);
  link.SetRegionPairs({rgnC_RegionPair(FeatureRegion("Low", {"Assembly"}, {1}, {7}),
                                       FeatureRegion("High", {"Assembly"}, {2}, {0}))});
  link.SetDofs(3, 3);
  link.SetSpringStiffness(1000.0);
  link.SetOrientationDatum(cyl);
  assembly.AddSpring(link);
  b.Assembly().SetEngineeringFeatures(assembly);

  kbcC_DisplacementBC fixed;
  fixed.SetRegion(ColumnDeckRegion("Base", 1, {0, 1, 2, 3}));
  fixed.SetLocalCsys(rect);
  kbcC_DisplacementBCState held;
  for (std::size_t i = 0; i < 3; ++i)
    held.SetComponent(i, 0.0, 1);
  fixed.SetState("Step-1", 1, held);
  b.AddBoundaryCondition("Fixed", fixed);

  const rgnC_Region upper2("Upper", {"Assembly", "Block-2"});
  for (const char* name : {"Coupling-2", "Coupling-1"}) {
    kcoC_Coupling coupling(ColumnDeckRegion(name[9] == '1' ? "Base" : "Top", 2, {0}), upper2,
                           kcoC_Coupling::kKinematic);
    coupling.SetDatum(cyl);
    b.AddConstraint(name, coupling);
  }
  b.AddConstraint("Equation-1", kcoC_Equation({kcoC_EquationTerm{1.0, "Block-1.Top", 1, 53},
                                               kcoC_EquationTerm{-1.0, "Block-2.Top", 1}}));

  kloC_SurfaceTraction traction;
  traction.SetRegion(rgnC_Region("Upper", {"Assembly", "Block-1"}));
  traction.SetDirectionSegment({{0.0, 0.0, 0.0}, {0.0, 0.0, 1.0}});
  traction.SetDatum(cyl, 30.0);
  traction.SetOrientationAxis(2);
  traction.SetState("Step-1", 1, kloC_LoadState(1, {2.5}));
  b.AddLoad("Load-T", traction);
  kloC_InertiaRelief relief;
  relief.SetDatumRef(sph);
  kloC_LoadState free(1, {});
  free.SetDirections({true, true, true, false, false, false});
  relief.SetState("Step-1", 1, free);
  b.AddLoad("Relief", relief);

  kseC_ConnectorSection hinge;
  hinge.SetTypes(0, 1, 2);
  hinge.SetConnectionTypeText("Cartesian + Cardan");
  auto wire = [](int index, int fromLabel, int toLabel) {
    rgnC_GeomComponent edge{.kind = rgnC_GeomComponent::kEdge, .index = index, .nonMeshable = true};
    edge.ends[0] = {.resolved = true, .instanceId = 1, .label = fromLabel};
    edge.ends[1] = {.resolved = true, .instanceId = 2, .label = toLabel};
    rgnC_Region region(index == 3 ? "Tie-1" : "Wire-" + std::to_string(index), {"Assembly"});
    region.SetKernelComponents({edge});
    return region;
  };
  for (int index : {1, 2, 3}) {
    const rgnC_Region region = wire(index, 4 + index, index);
    rgnF_Set set(region);
    set.SetId(static_cast<unsigned>(300 + index));
    set.SetName(region.Name());
    set.typeMask = rgnF_Set::kElementSet;
    b.Assembly().FeatureList().Add(set);
    if (index == 3)
      b.AddAssemblySection("Tied", kseC_MPCSection(kseC_MPCSection::kTie), region);
    else
      b.AddAssemblySection("Hinge", hinge, region);
    ptoC_ConnectorOrientation orientation(region);
    if (index == 1) {
      orientation.SetFirst(rect);
      orientation.SetSecond(cyl, ptoC_MaterialOrientation::AXIS_2, 25.0);
    } else if (index == 2) {
      orientation.SetFirst(sph, ptoC_MaterialOrientation::AXIS_3, 10.0);
      orientation.SetOneOrientation(true);
    } else {
      orientation.SetFirst(rect);
    }
    b.AddConnectorOrientation(orientation);
  }
  return b;
}

class TransformDeck : public aif_test::GoldenDeckFixture {
 protected:
  hst_ModelBuilder DeckModel() const override { return TransformDeckModel(); }
};

// The names of `deck` that follow `prefix` up to the next "," or line end.
std::set<std::string> TransformDeckNames(const std::string& deck, const std::string& prefix) {
  std::set<std::string> names;
  for (std::size_t at = deck.find(prefix); at != std::string::npos;
       at = deck.find(prefix, at + 1)) {
    const std::size_t from = at + prefix.size();
    names.insert(deck.substr(from, deck.find_first_of(",\n", from) - from));
  }
  return names;
}

// The text of the failed type test that stops writing `b`'s model data to
// `path`; empty when none does.
std::string TransformDeckTypeError(const hst_ModelBuilder& b, const std::string& path) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  try {
    builder.WriteInputFile(path, false, true);
  } catch (const nex_TextException& e) {
    return e.Text().Str();
  }
  return std::string();
}

}  // namespace

TEST_F(TransformDeck, GoldenDecksPartBasedAndFlat) {
  ExpectGoldenDecks("aif/model/golden/transforms_part_based.inp",
                    "aif/model/golden/transforms_flat.inp");
}

TEST_F(TransformDeck, EveryNameReferredToIsDefined) {
  for (bool flat : {false, true}) {
    SCOPED_TRACE(flat ? "flat" : "part-based");
    const std::string deck = Deck(flat);
    const std::set<std::string> orientations = TransformDeckNames(deck, "*Orientation, name=");
    const std::set<std::string> sets = TransformDeckNames(deck, "*Nset, nset=");
    // Every orientation the deck names, and every transformed set.
    std::set<std::string> named = TransformDeckNames(deck, "orientation=");
    const std::set<std::string> sectionNames = {"Rect", "Cyl_Wire-1-2_", "Sph_Wire-2-1_"};
    named.insert(sectionNames.begin(), sectionNames.end());
    for (const std::string& name : named)
      EXPECT_TRUE(orientations.count(name)) << name;
    EXPECT_EQ(named.size(), orientations.size());
    const std::set<std::string> transformed = TransformDeckNames(deck, "*Transform, nset=");
    EXPECT_EQ(transformed, (std::set<std::string>{"_T-Rect", "_T-Sph"}));
    for (const std::string& name : transformed)
      EXPECT_TRUE(sets.count(name)) << name;
    // The connector sections' orientation lines.
    EXPECT_NE(deck.find("Cartesian, Cardan\nRect, Cyl_Wire-1-2_\n"), std::string::npos);
    EXPECT_NE(deck.find("Cartesian, Cardan\nSph_Wire-2-1_,\n"), std::string::npos);
  }
}

TEST_F(TransformDeck, EveryFaultLeavesNoFile) {
  ExpectEveryFaultLeavesNoFileBothWays();
}

TEST_F(TransformDeck, ErrorsStopTheWriteAndLeaveNoFile) {
  // A coupling in a datum that is no coordinate system.
  {
    hst_ModelBuilder b = TransformDeckModel();
    dtu_Datum point;
    point.SetId(60);
    point.SetName("Point");
    b.Assembly().FeatureList().Add(point);
    kcoC_Coupling coupling(ColumnDeckRegion("Base", 1, {0}),
                           rgnC_Region("Upper", {"Assembly", "Block-1"}),
                           kcoC_Coupling::kKinematic);
    coupling.SetDatum({{}, "Point"});
    b.AddConstraint("Coupling-3", coupling);
    std::ofstream(path_) << "old deck\n";
    EXPECT_EQ(aif_test::DriverWriteError(b, path_), "Wrong datum type. Expected CSYS.");
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
  // An entry of the connector orientations that is no connector orientation
  // fails the type test, naming the builder's source.
  {
    hst_ModelBuilder b = TransformDeckModel();
    b.AddConnectorOrientation(ptoC_SectionAssignment());
    std::ofstream(path_) << "old deck\n";
    const std::string text = TransformDeckTypeError(b, path_);
    EXPECT_NE(text.find("Type test failed: the object is not a ptoC_ConnectorOrientation (source "
                        "file module/aif/impl/model/aif_TransformBuilder.cpp"),
              std::string::npos)
        << text;
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
}
