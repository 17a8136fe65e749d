// The transform builder: "_T-" node sets and their "*Transform" per datum
// system, the orientations that couplings, conditions, loads, connectors,
// point fasteners and engineering features name (each once), and what a
// datum system that does not resolve leaves out.
#include "aif/impl/model/aif_TransformBuilder.h"

#include <gtest/gtest.h>

#include <string>

#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/conditions/aif_ColumnDeckModel.h"
#include "aif/impl/loads/aif_LoadHeader.h"
#include "aif/impl/sections/aif_NewConnectorSection.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "support/aif_BuilderRun.h"

namespace {

using TransformBuilderRun = aif_test::BuilderRun<aif_TransformBuilder>;
using aif_test::Row;

// The column model with three datum systems of the assembly: Rect
// (rectangular, axes turned about z), Cyl (cylindrical at (1, 2, 3)) and Sph
// (spherical at the origin), and a datum point that is no system.
hst_ModelBuilder TransformColumnModel() {
  hst_ModelBuilder b = ColumnDeckModel();
  unsigned id = 50;
  auto add = [&](const char* name, dtu_Datum&& datum) {
    datum.SetId(++id);
    datum.SetName(name);
    b.Assembly().FeatureList().Add(datum);
  };
  add("Rect", dtu_DatumCsys(1, {5, 5, 5}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}));
  add("Cyl", dtu_DatumCsys(2, {1, 2, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
  add("Sph", dtu_DatumCsys(3, {0, 0, 0}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}));
  add("Point", dtu_Datum());
  return b;
}

dtmC_DatumRef TransformDatum(const char* name) {
  return dtmC_DatumRef{{}, name};
}

const std::string kRectLine = Row({"0.", "1.", "0.", "-1.", "0.", "0."});
const std::string kCylLine = Row({"1.", "2.", "3.", "1.", "2.", "4."});
const std::string kSphLine = Row({"0.", "0.", "0.", "0.", "1.", "0."});

}  // namespace

TEST(aif_TransformBuilder, OneSetAndOneTransformPerDatumSystem) {
  hst_ModelBuilder b = TransformColumnModel();
  // Rect: a condition on Block-1.Base, an adaptive mesh constraint on
  // Block-2.Top and a second condition on Block-1.Base again.
  kbcC_DisplacementBC fixed;
  fixed.SetRegion(ColumnDeckRegion("Base", 1, {0, 1, 2, 3}));
  fixed.SetLocalCsys(TransformDatum("Rect"));
  b.AddBoundaryCondition("BC-1", fixed);
  b.AddBoundaryCondition("BC-2", fixed);
  kprC_DispAdptMeshCons mesh;
  mesh.SetRegion(ColumnDeckRegion("Top", 2, {8, 9, 10, 11}));
  mesh.SetLocalCsys(TransformDatum("Rect"));
  b.AddAdaptiveMeshConstraint("AMC-1", mesh);
  // Cyl: a concentrated force; a pressure in a system is no nodal transform.
  kloC_ConcentratedForce force;
  force.SetRegion(ColumnDeckRegion("Top", 1, {8, 9, 10, 11}));
  force.SetLocalCsys(TransformDatum("Cyl"));
  b.AddLoad("Load-1", force);
  kloC_Pressure pressure;
  pressure.SetRegion(ColumnDeckRegion("Base", 2, {0, 1, 2, 3}));
  pressure.SetLocalCsys(TransformDatum("Cyl"));
  b.AddLoad("Load-2", pressure);
  // Sph: an equation term (the other term has no system; a term on a set
  // or instance the model lacks adds nothing).
  const unsigned sph = 53;
  kcoC_Equation equation({kcoC_EquationTerm{1.0, "Block-2.Base", 1, static_cast<int>(sph)},
                          kcoC_EquationTerm{-1.0, "Block-1.Top", 1},
                          kcoC_EquationTerm{1.0, "Block-9.Base", 2, static_cast<int>(sph)},
                          kcoC_EquationTerm{1.0, "Block-1.Nowhere", 2, static_cast<int>(sph)},
                          kcoC_EquationTerm{1.0, "Loose", 2, static_cast<int>(sph)}});
  b.AddConstraint("Eq-1", equation);
  // Neither set nor transform: a suppressed condition, a suppressed MPC, an
  // MPC in a system the assembly lacks, a condition in a datum that is no
  // system... (this last one stops the write: below).
  kbcC_DisplacementBC hidden = fixed;
  hidden.SetLocalCsys(TransformDatum("Sph"));
  hidden.SetSuppressed(true);
  b.AddBoundaryCondition("BC-3", hidden);
  kcoC_MPC mpc(ColumnDeckRegion("Base", 1, {0}), ColumnDeckRegion("Top", 2, {8}), kcoC_MPC::kPin);
  mpc.SetDatum(TransformDatum("Gone"));
  b.AddConstraint("MPC-1", mpc);
  mpc.SetDatum(TransformDatum("Sph"));
  mpc.SetSuppressed(true);
  b.AddConstraint("MPC-2", mpc);

  const TransformBuilderRun run(b);
  EXPECT_EQ(TransformBuilderRun::Text(run.builder.AssemblyDefinition()),
            "*Nset, nset=_T-Cyl, internal\n"
            "Block-1.Top, \n"
            "*Transform, nset=_T-Cyl, type=C\n" +
                kCylLine +
                "*Nset, nset=_T-Rect, internal\n"
                "Block-1.Base, \n"
                "Block-2.Top, \n"
                "*Transform, nset=_T-Rect\n" +
                kRectLine +
                "*Nset, nset=_T-Sph, internal\n"
                "Block-2.Base, \n"
                "*Transform, nset=_T-Sph, type=S\n" +
                kSphLine);

  // An MPC on the datum point: the write stops before anything is filed.
  kcoC_MPC point(ColumnDeckRegion("Base", 1, {0}), ColumnDeckRegion("Top", 2, {8}), kcoC_MPC::kPin);
  point.SetDatum(TransformDatum("Point"));
  b.AddConstraint("MPC-3", point);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_TransformBuilder builder(info);
  EXPECT_EQ(aif_test::MessageOf([&] { builder.Build(); }), "Wrong datum type. Expected CSYS.");
}

TEST(aif_TransformBuilder, CouplingsConditionsReliefsTractionsAndSectionsNameOneOrientationEach) {
  hst_ModelBuilder b = TransformColumnModel();
  for (const char* name : {"Coupling-2", "Coupling-1"}) {
    kcoC_Coupling coupling(ColumnDeckRegion("Base", 1, {0}), ColumnDeckRegion("Top", 1, {8}), 0);
    coupling.SetDatum(TransformDatum("Rect"));
    b.AddConstraint(name, coupling);
  }
  kcoC_Coupling off(ColumnDeckRegion("Base", 2, {0}), ColumnDeckRegion("Top", 2, {8}), 0);
  off.SetDatum(TransformDatum("Cyl"));
  off.SetSuppressed(true);
  b.AddConstraint("Coupling-3", off);

  kbcC_EulerianMotionBC motion;
  motion.SetOrientation(TransformDatum("Rect"));
  b.AddBoundaryCondition("Motion-1", motion);
  motion.SetOrientation(TransformDatum("Sph"));
  motion.SetSuppressed(true);
  b.AddBoundaryCondition("Motion-2", motion);

  kloC_InertiaRelief relief;
  relief.SetDatumRef(TransformDatum("Sph"));
  b.AddLoad("Relief", relief);

  // Tractions: turned by 30 about axis 3 (named after the load), unturned
  // (the datum's name alone), with an orientation of their own (none made),
  // suppressed (none). Loads come in name order, after the couplings and
  // conditions; the output section's comes first of all.
  kloC_SurfaceTraction turned;
  turned.SetDatum(TransformDatum("Cyl"), 30.0);
  turned.SetOrientationAxis(2);
  b.AddLoad("Load-T", turned);
  kloC_ShellEdgeLoad edge;
  edge.SetDatum(TransformDatum("Cyl"), 0.0);
  b.AddLoad("Load-E", edge);
  kloC_SurfaceTraction named = turned;
  named.SetOrientationName("Own");
  b.AddLoad("Load-N", named);
  kloC_SurfaceTraction hidden = turned;
  hidden.SetSuppressed(true);
  b.AddLoad("Load-S", hidden);

  korC_IntegratedOutputSection section;
  section.SetOrientation(TransformDatum("Cyl"));
  b.AddIntegratedOutputSection("Section-1", section);

  const TransformBuilderRun run(b);
  EXPECT_EQ(TransformBuilderRun::Text(run.builder.AssemblyDefinition()),
            "*Orientation, name=Cyl, system=CYLINDRICAL\n" + kCylLine +
                "1, 0.\n"
                "*Orientation, name=Rect\n" +
                kRectLine +
                "1, 0.\n"
                "*Orientation, name=Cyl_Load-T_, system=CYLINDRICAL\n" +
                kCylLine +
                "3, 30.\n"
                "*Orientation, name=Sph, system=SPHERICAL\n" +
                kSphLine + "1, 0.\n");

  // The traction's orientation bears the name its load line writes after
  // ", orientation=".
  EXPECT_EQ(aif_TractionOrientation(run.info, "", TransformDatum("Cyl"), 30.0, "Load-T"),
            "Cyl_Load-T_");
  EXPECT_EQ(aif_TractionOrientation(run.info, "", TransformDatum("Cyl"), 0.0, "Load-E"), "Cyl");
}

TEST(aif_TransformBuilder, ConnectorEndsAndWireTransforms) {
  hst_ModelBuilder b = TransformColumnModel();
  b.AddSection("Conn", kseC_ConnectorSection());
  auto wire = [](const char* name) { return rgnC_Region(name, {"Assembly"}); };
  auto connector = [&](const char* name) {
    b.AddAssemblySection("Conn", kseC_ConnectorSection(), wire(name));
  };
  // Wire-1: the first system only, not turned: the datum's name alone.
  connector("Wire-1");
  ptoC_ConnectorOrientation first(wire("Wire-1"));
  first.SetFirst(TransformDatum("Rect"));
  b.AddConnectorOrientation(first);
  // Wire-2: one system for both ends: no second orientation.
  connector("Wire-2");
  ptoC_ConnectorOrientation single(wire("Wire-2"));
  single.SetFirst(TransformDatum("Cyl"), ptoC_MaterialOrientation::AXIS_3, 15.0);
  single.SetOneOrientation(true);
  single.SetSecond(TransformDatum("Sph"), ptoC_MaterialOrientation::AXIS_2, 20.0);
  b.AddConnectorOrientation(single);
  // Wire-3: both systems; its first (Rect, unturned) is written already.
  connector("Wire-3");
  ptoC_ConnectorOrientation both(wire("Wire-3"));
  both.SetFirst(TransformDatum("Rect"));
  both.SetSecond(TransformDatum("Sph"), ptoC_MaterialOrientation::AXIS_2, 20.0);
  b.AddConnectorOrientation(both);
  // Wire-5: one system for both ends, but only the second given: the
  // section names the second, so it is made.
  connector("Wire-5");
  ptoC_ConnectorOrientation secondOnly(wire("Wire-5"));
  secondOnly.SetOneOrientation(true);
  secondOnly.SetSecond(TransformDatum("Cyl"), ptoC_MaterialOrientation::AXIS_1, 40.0);
  b.AddConnectorOrientation(secondOnly);
  // Wire-4 has no section assignment.
  ptoC_ConnectorOrientation loose(wire("Wire-4"));
  loose.SetFirst(TransformDatum("Sph"), ptoC_MaterialOrientation::AXIS_1, 5.0);
  b.AddConnectorOrientation(loose);

  // MPC sections: two wire sets in Rect share one transform; a system the
  // assembly lacks gives nothing.
  b.AddAssemblySection("Links", kseC_MPCSection(), ColumnDeckRegion("Base", 1, {0, 1}));
  b.AddAssemblySection("Links", kseC_MPCSection(), ColumnDeckRegion("Top", 2, {8}));
  b.AddAssemblySection("Links", kseC_MPCSection(), ColumnDeckRegion("Top", 1, {9}));
  for (auto [region, datum] : {std::pair{ColumnDeckRegion("Base", 1, {0, 1}), "Rect"},
                               std::pair{ColumnDeckRegion("Top", 2, {8}), "Rect"},
                               std::pair{ColumnDeckRegion("Top", 1, {9}), "Gone"}}) {
    ptoC_ConnectorOrientation links(region);
    links.SetFirst(TransformDatum(datum));
    b.AddConnectorOrientation(links);
  }

  const TransformBuilderRun run(b);
  EXPECT_EQ(TransformBuilderRun::Text(run.builder.AssemblyDefinition()),
            "*Orientation, name=Rect\n" + kRectLine +
                "1, 0.\n"
                "*Orientation, name=Cyl_Wire-2-1_, system=CYLINDRICAL\n" +
                kCylLine +
                "3, 15.\n"
                "*Orientation, name=Sph_Wire-3-2_, system=SPHERICAL\n" +
                kSphLine +
                "2, 20.\n"
                "*Orientation, name=Cyl_Wire-5-2_, system=CYLINDRICAL\n" +
                kCylLine +
                "1, 40.\n"
                "*Nset, nset=_T-Rect, internal, instance=Block-1\n"
                " 1, 2\n"
                "*Transform, nset=_T-Rect\n" +
                kRectLine +
                "*Nset, nset=_T-Rect, internal, instance=Block-2\n"
                " 9,\n");

  // The connector sections name exactly these orientations on their
  // orientation lines (the line after the connection type).
  const kseC_ConnectorSection section;
  auto orientationLine = [&](const ptoC_ConnectorOrientation& orientation) {
    const std::string text = aif_test::KeywordText(aif_NewConnectorSection(
        "Conn", "Wires", &section, orientation, const_cast<aif_ModelInfo*>(&run.info), false));
    const std::size_t second = text.find('\n', text.find('\n') + 1) + 1;
    return text.substr(second, text.find('\n', second) + 1 - second);
  };
  EXPECT_EQ(orientationLine(first), "Rect,\n");
  EXPECT_EQ(orientationLine(single), "Cyl_Wire-2-1_,\n");
  EXPECT_EQ(orientationLine(both), "Rect, Sph_Wire-3-2_\n");
  EXPECT_EQ(orientationLine(secondOnly), ", Cyl_Wire-5-2_\n");
}

TEST(aif_TransformBuilder, PointFastenerEndsAsItsConnectorSectionNamesThem) {
  hst_ModelBuilder b = TransformColumnModel();
  b.AddSection("Conn", kseC_ConnectorSection());
  kefC_PointFastener fastener;
  fastener.SetRegion(rgnC_Region("Points", {"Assembly"}));
  fastener.connectorSection = "Conn";
  fastener.datum1 = TransformDatum("Cyl");
  fastener.angle1 = 10.0;
  fastener.axis1 = 7;  // any code past 1 is the third axis
  fastener.datum2 = TransformDatum("Sph");
  fastener.angle2 = 0.0;
  fastener.axis2 = 1;
  b.AddFastener("Bolt-1", fastener);
  // Single system: the second datum is not oriented.
  fastener.SetRegion(rgnC_Region("Others", {"Assembly"}));
  fastener.singleDatum = true;
  b.AddFastener("Bolt-2", fastener);
  // A section that is no connector section, and a missing one.
  b.AddSection("Links", kseC_MPCSection());
  fastener.SetRegion(rgnC_Region("Third", {"Assembly"}));
  fastener.connectorSection = "Links";
  b.AddFastener("Bolt-3", fastener);
  fastener.connectorSection = "Missing";
  b.AddFastener("Bolt-4", fastener);

  const TransformBuilderRun run(b);
  EXPECT_EQ(TransformBuilderRun::Text(run.builder.AssemblyDefinition()),
            "*Orientation, name=Cyl_Points-1_, system=CYLINDRICAL\n" + kCylLine +
                "3, 10.\n"
                "*Orientation, name=Sph, system=SPHERICAL\n" +
                kSphLine +
                "2, 0.\n"
                "*Orientation, name=Cyl_Others-1_, system=CYLINDRICAL\n" +
                kCylLine + "3, 10.\n");
}

namespace {

// A part "Block" with a cylindrical datum system at (1, 0, 0) that its
// spring and point inertia (and the assembly's spring) are oriented by,
// placed twice: Block-1 in place, Block-2 moved by 3 along x; lightweight or
// not, in a part-based or a flat file.
hst_ModelBuilder TransformFeatureModel(bool lightweight, bool flat, bool ready = true) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  dtu_DatumCsys csys(2, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
  csys.SetId(30);
  csys.SetName("Axis");
  b.MutablePart("Block").FeatureList().Add(csys);
  kefC_EngineeringFeatures features;
  kefC_Spring spring;
  spring.SetName("Spring-1");
  spring.SetOrientationDatum({{"Block"}, "Axis"});
  features.AddSpring(spring);
  kefC_PointMassInertia inertia;
  inertia.SetName("Inertia-1");
  inertia.SetOrientationDatum({{"Block"}, "Axis"});  // the same system: once
  features.AddInertia(inertia);
  b.SetPartEngineeringFeatures("Block", features);
  b.MutablePart("Block").SetEngineeringFeaturesReady(ready);
  hst_ModelBuilder::InstanceOptions options;
  options.lightweight = lightweight;
  b.AddInstance("Block-1", "Block", options);
  options.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Block-2", "Block", options);
  b.Assembly().SetRequiresFlatInputFile(flat);

  dtu_DatumCsys rect;
  rect.SetId(60);
  rect.SetName("Global");
  b.Assembly().FeatureList().Add(rect);
  kefC_EngineeringFeatures assembly;
  kefC_Spring ground;
  ground.SetName("Ground");
  ground.SetOrientationDatum({{}, "Global"});
  assembly.AddSpring(ground);
  b.Assembly().SetEngineeringFeatures(assembly);
  kcoC_Coupling coupling;  // the same system as the assembly's spring
  coupling.SetDatum({{}, "Global"});
  b.AddConstraint("Coupling-1", coupling);
  return b;
}

}  // namespace

TEST(aif_TransformBuilder, EngineeringFeaturesOncePerPartOrPerInstance) {
  const std::string axis = Row({"1.", "0.", "0.", "1.", "0.", "1."});
  const std::string moved = Row({"4.", "0.", "0.", "4.", "0.", "1."});
  const std::string global =
      "*Orientation, name=Global\n" + Row({"1.", "0.", "0.", "0.", "1.", "0."}) + "1, 0.\n";
  // Lightweight instances of a part-based file: once, with the part.
  {
    const TransformBuilderRun run(TransformFeatureModel(true, false));
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.PartDefinition("Block")),
              "*Orientation, name=Block-Axis, system=CYLINDRICAL\n" + axis + "1, 0.\n");
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.InstanceDefinition("Block-1")), "");
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.AssemblyDefinition()), global);
  }
  // Ordinary instances of a part-based file: each instance, by the datum's
  // name, in the part's own coordinates.
  {
    const TransformBuilderRun run(TransformFeatureModel(false, false));
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.PartDefinition("Block")), "");
    for (const char* instance : {"Block-1", "Block-2"})
      EXPECT_EQ(TransformBuilderRun::Text(run.builder.InstanceDefinition(instance)),
                "*Orientation, name=Block-Axis, system=CYLINDRICAL\n" + axis + "1, 0.\n")
          << instance;
  }
  // A flat file: each instance, named after it, placed with it.
  {
    const TransformBuilderRun run(TransformFeatureModel(true, true));
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.PartDefinition("Block")), "");
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.InstanceDefinition("Block-1")),
              "*Orientation, name=Block-1_Block-Axis, system=CYLINDRICAL\n" + axis + "1, 0.\n");
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.InstanceDefinition("Block-2")),
              "*Orientation, name=Block-2_Block-Axis, system=CYLINDRICAL\n" + moved + "1, 0.\n");
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.AssemblyDefinition()), global);
  }
  // Features the kernel may not hand out give nothing.
  {
    const TransformBuilderRun run(TransformFeatureModel(true, false, false));
    EXPECT_EQ(TransformBuilderRun::Text(run.builder.PartDefinition("Block")), "");
  }
}

TEST(aif_TransformBuilder, FeaturesOfAnotherClassFailTheTypeTest) {
  hst_ModelBuilder b = TransformColumnModel();
  b.Assembly().SetEngineeringFeatures(kefC_Spring());
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_TransformBuilder builder(info);
  std::string text;
  try {
    builder.Build();
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  EXPECT_NE(text.find("Type test failed: the object is not a kefC_EngineeringFeatures (source file "
                      "module/aif/impl/model/aif_TransformBuilder.cpp"),
            std::string::npos)
      << text;
}
