// The sample model, as the host would hand it to the writer.
//
// The sample is a frame: a meshed block carrying a point mass whose rotary
// inertia is oriented by a datum coordinate system, with a node set of its
// base and surfaces of its top and its bottom, placed twice (turned and lifted, then in
// place) and joined by a spring and a connector, and a shell plate with a reference point
// placed once as a lightweight instance; a static step with geometric
// nonlinearity, restart data and field and history output, a pressure
// ramped by an amplitude and a lift, then a frequency step; the blocks'
// bases, their mount points and the plate's corners are supported from the
// initial step on; the turned block starts at 20 degrees and is held at 80
// in the static step. The block is a
// steel solid, the plate an aluminium shell; both materials are elastic, the
// steel has a density. The turned block's top is in contact with the other
// block's bottom, with friction and hard contact; the plate rests on an
// elastic foundation, hangs from its lifting point by a coupling and is
// spot-welded to the block in place and carries two clips of an assembled
// fastener; an equation makes both blocks' middle corners move alike along
// x. It grows with the writer.
#pragma once

#include <cmath>
#include <memory>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Utils.h"
#include "OdbAttrEO/kamC_Amplitude.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbeC_ConnectorElasticity.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kopC_DesignResponse.h"
#include "OdbAttrEO/kopC_Task.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_PointSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"

// An option of class O holding one row of values.
template <class O>
inline cow_COW<O> aif_SampleRow(std::initializer_list<double> values) {
  O option;
  option.table = kmaC_MaterialTable(cow_2DArray<double>({values}));
  return cow_COW<O>(option);
}

// Adds `region` as the set feature `id` of `features`, named as the region,
// holding nodes or elements as `mask` says.
inline void aif_SampleSet(ftr_FeatureList& features, const rgnC_Region& region, unsigned id,
                          int mask) {
  rgnF_Set set(region);
  set.SetId(id);
  set.SetName(region.Name());
  set.typeMask = mask;
  features.Add(set);
}

// The template model "Clip" of the sample's assembled fastener: a small
// steel cube ("Clip", its section "Steel") whose lower nodes ("Foot") are
// tied to a stand-in of the surface it is fastened to ("Seat", on the
// instance "Seat-1", which stands for the model's surface and is not
// copied); the template is placed by its point "Pos", at the cube's foot.
inline void aif_SampleClipTemplate() {
  hst_ModelBuilder t("Clip");
  t.AddPart("Clip", hst_GridMesh(1, 1, 1, 0.05));
  rgnC_Region cube("Cube", {"Clip"});
  cube.SetKernelElementIndices(0, {0});
  aif_SampleSet(t.MutablePart("Clip").FeatureList(), cube, 7001, rgnF_Set::kElementSet);
  rgnC_Region foot("Foot", {"Clip"});
  foot.SetKernelNodeIndices(0, {0, 1, 2, 3});
  aif_SampleSet(t.MutablePart("Clip").FeatureList(), foot, 7002, rgnF_Set::kNodeSet);
  t.AddPartAttribute("Clip", ptoC_SectionAssignment(cube, "Steel"));
  t.AddInstance("Clip-1", "Clip");
  t.AddPart("Seat", hst_GridMesh(1, 1, 1));
  t.AddInstance("Seat-1", "Seat");
  rgnC_Region seat("Seat", {"Assembly", "Seat-1"});
  rgnC_GeomComponent seatFace;
  seatFace.kind = rgnC_GeomComponent::kFace;
  seat.SetKernelComponents({seatFace});
  t.AddAssemblyRegion("Seat", seat, true);
  rgnC_Region pos("Pos", {"Assembly"});
  pos.SetKernelRefPoints({gsl_Point(0.025, 0.025, 0.0)});
  t.AddAssemblyRegion("Pos", pos);
  kcoC_Tie hold;
  hold.SetRegions(rgnC_Region("Seat", {"Assembly", "Seat-1"}),
                  rgnC_Region("Foot", {"Assembly", "Clip-1"}, 4));
  t.AddConstraint("Hold", hold);
  t.Model();
}

inline hst_ModelBuilder aif_SampleModel() {
  hst_ModelBuilder b("Frame");
  b.AddPart("Block", hst_GridMesh(4, 2, 2, 0.25));
  ptoK_Part& block = b.MutablePart("Block");
  block.SetReferencePoints({{0.5, 0.25, 0.75}});
  dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, gsl_Point(0.5, 0.25, 0.75),
                     gsl_Vector(0.6, 0.8, 0.0), gsl_Vector(-0.8, 0.6, 0.0), gsl_Vector(0, 0, 1));
  csys.SetId(5);
  csys.SetName("Mount");
  block.FeatureList().Add(csys);
  const rgnC_Region mount("Mount-Point", {"Block"});
  block.AddAttribute(ptoC_SectionAssignment(mount, "Motor"));
  ptoC_MaterialOrientation orientation;
  orientation.SetRegion(mount);
  orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
  orientation.SetDatumRef({{"Block"}, "Mount"});
  block.AddAttribute(orientation);
  kseC_PointSection motor;
  motor.SetMass(12.5);
  motor.SetRotaryInertia({0.4, 0.0, 0.0, 0.4, 0.0, 0.7});
  b.AddSection("Motor", motor);

  // The block's base nodes as a node set, its top faces and its bottom faces
  // as surfaces, on both block instances (ids 1 and 2).
  rgnC_Region base("Base", {});
  rgnC_Region top("Top", {});
  cow_List<int> baseNodes, topElements;
  cow_List<cow_String> topFaces;
  for (int n = 0; n < 15; ++n)
    baseNodes.Append(n);
  for (int e = 8; e < 16; ++e) {
    topElements.Append(e);
    topFaces.Append("S2");
  }
  for (int instance : {1, 2}) {
    base.SetKernelNodeIndices(instance, baseNodes);
    top.SetKernelElementIndices(instance, topElements, topFaces);
  }
  aif_SampleSet(block.FeatureList(), base, 10, rgnF_Set::kNodeSet);
  // Every node of the block (45) as the node set "Nodes".
  rgnC_Region nodes("Nodes", {});
  cow_List<int> allNodes;
  for (int n = 0; n < 45; ++n)
    allNodes.Append(n);
  for (int instance : {1, 2})
    nodes.SetKernelNodeIndices(instance, allNodes);
  aif_SampleSet(block.FeatureList(), nodes, 16, rgnF_Set::kNodeSet);
  // The point the motor's mass sits on (the block's reference point, after
  // its 45 nodes) as a node set, so that conditions may hold it.
  rgnC_Region mountNode("Mount-Point", {});
  for (int instance : {1, 2})
    mountNode.SetKernelNodeIndices(instance, {45});
  aif_SampleSet(block.FeatureList(), mountNode, 14, rgnF_Set::kNodeSet);
  // The far corner of the block's middle layer as the node set "Mid".
  rgnC_Region middle("Mid", {});
  for (int instance : {1, 2})
    middle.SetKernelNodeIndices(instance, {29});
  aif_SampleSet(block.FeatureList(), middle, 18, rgnF_Set::kNodeSet);
  rgnF_Surface topSurface(top);
  topSurface.SetId(11);
  topSurface.SetName("Top");
  block.FeatureList().Add(topSurface);
  // The lower layer's bricks (0 to 7) by their lower faces.
  rgnC_Region bottom("Bottom", {});
  cow_List<int> bottomElements;
  cow_List<cow_String> bottomFaces;
  for (int e = 0; e < 8; ++e) {
    bottomElements.Append(e);
    bottomFaces.Append("S1");
  }
  for (int instance : {1, 2})
    bottom.SetKernelElementIndices(instance, bottomElements, bottomFaces);
  rgnF_Surface bottomSurface(bottom);
  bottomSurface.SetId(17);
  bottomSurface.SetName("Bottom");
  block.FeatureList().Add(bottomSurface);

  // Every brick of the block, as the element set "All", is steel.
  rgnC_Region all("All", {"Block"});
  cow_List<int> bricks;
  for (int e = 0; e < 16; ++e)
    bricks.Append(e);
  for (int instance : {1, 2})
    all.SetKernelElementIndices(instance, bricks);
  aif_SampleSet(block.FeatureList(), all, 12, rgnF_Set::kElementSet);
  block.AddAttribute(ptoC_SectionAssignment(all, "Steel"));
  kseC_HomogenousSolidSection steel;
  steel.material = "Steel";
  b.AddSection("Steel", steel);

  b.AddPart("Plate", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}, "S4R", 4, {0, 1, 2, 3}));
  ptoK_Part& plate = b.MutablePart("Plate");
  // The plate's reference points: the one it is lifted by, then the point
  // it is bolted to the block at.
  plate.SetReferencePoints({{0.5, 0.5, 0.0}, {0.25, 0.25, 0.0}});
  // The plate's one element, as the element set "Face", is a 2 mm
  // aluminium shell.
  rgnC_Region face("Face", {"Plate"});
  face.SetKernelElementIndices(3, {0});
  aif_SampleSet(plate.FeatureList(), face, 13, rgnF_Set::kElementSet);
  // The plate's four nodes as the node set "Corners".
  rgnC_Region corners("Corners", {"Plate"});
  corners.SetKernelNodeIndices(3, {0, 1, 2, 3});
  aif_SampleSet(plate.FeatureList(), corners, 15, rgnF_Set::kNodeSet);
  plate.AddAttribute(ptoC_SectionAssignment(face, "Skin"));
  kseC_HomogenousShellSection skin;
  skin.thickness = 0.002;
  skin.material = "Aluminium";
  b.AddSection("Skin", skin);

  kmaC_Material steelMaterial;
  steelMaterial.description = "Structural steel";
  steelMaterial.elastic = aif_SampleRow<kmaC_Elastic>({210000.0, 0.3});
  steelMaterial.density = aif_SampleRow<kmaC_Density>({7.85e-09});
  b.AddMaterial("Steel", steelMaterial);
  kmaC_Material aluminium;
  aluminium.elastic = aif_SampleRow<kmaC_Elastic>({70000.0, 0.33});
  b.AddMaterial("Aluminium", aluminium);

  const double quarter = std::acos(0.0);
  b.AddInstance("Block-1", "Block",
                {.transform = gsl_Matrix::Translation({0.0, 0.0, 1.0}) *
                              gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, quarter)});
  b.AddInstance("Block-2", "Block");
  b.AddInstance("Plate-1", "Plate", {.lightweight = true});

  // A spring of the assembly ties the last node of the turned block to the
  // first of the block in place (instances 1 and 2), along z.
  rgnC_Region lifted("Spring-Top", {"Assembly"});
  lifted.SetKernelNodeIndices(1, {44});
  rgnC_Region grounded("Spring-Base", {"Assembly"});
  grounded.SetKernelNodeIndices(2, {0});
  kefC_TwoPointSpring link;
  link.SetName("Link");
  link.SetRegionPairs({rgnC_RegionPair(lifted, grounded)});
  link.SetDofs(3, 3);
  link.SetSpringStiffness(1000.0);
  kefC_EngineeringFeatures assembly;
  assembly.AddSpring(link);
  b.Assembly().SetEngineeringFeatures(assembly);

  // A bushing of the assembly: a wire from a top corner of the turned block
  // to a node of the block in place, its connector elastic in the three
  // translations. The wire is the assembly set "Bushing-Wire".
  rgnC_GeomComponent edge{.kind = rgnC_GeomComponent::kEdge, .index = 1, .nonMeshable = true};
  edge.ends[0] = {.resolved = true, .instanceId = 1, .label = 41};
  edge.ends[1] = {.resolved = true, .instanceId = 2, .label = 5};
  rgnC_Region wire("Bushing-Wire", {"Assembly"});
  wire.SetKernelComponents({edge});
  aif_SampleSet(b.Assembly().FeatureList(), wire, 20, rgnF_Set::kElementSet);
  kseC_ConnectorSection bushing;
  bushing.SetTypes(0, 1, 2);
  bushing.SetConnectionTypeText("Cartesian + Cardan");
  kbeC_ConnectorElasticity stiffness;
  stiffness.components = {1, 2, 3};
  stiffness.data.table = mdl_PropertyTable(cow_2DArray<double>({{5000.0, 5000.0, 20000.0}}));
  bushing.AddBehaviorOption(stiffness);
  b.AddAssemblySection("Bushing", bushing, wire);
  // The analysis: a geometrically nonlinear static step, then the natural
  // frequencies of the loaded frame.
  kprC_StaticStep load;
  load.SetNlgeom(1);
  load.SetDescription("Static preload of the frame");
  load.MutableIncrementation().SetInitialInc(0.1);
  // Restart data every 10 increments.
  kprC_StandardRestart restart;
  restart.SetFrequency(10);
  load.SetRestart(restart);
  b.AddStep("Load", load);
  // Stresses, strains and displacements every 5 increments; the energies of
  // the whole model at every increment.
  korC_FieldOutput fields;
  korC_FieldOutputState everyFive;
  everyFive.SetFrequency(5);
  fields.SetState("Load", everyFive);
  b.AddFieldOutput("F-Output-1", fields);
  korC_HistoryOutput energies;
  korC_HistoryOutputState energyList;
  energyList.SetVariablesKind(korC_LIST);
  energyList.SetVariables({"ALLIE", "ALLKE"});
  energies.SetState("Load", energyList);
  b.AddHistoryOutput("H-Output-1", energies);
  // The loads of the static step: a pressure on the top of the block in
  // place, ramped up over the step by the tabular amplitude "Ramp", and a
  // lift at the plate's reference point, named by the assembly's node set
  // "Lift".
  kamC_Tabular ramp;
  ramp.SetData({{0.0, 0.0}, {1.0, 1.0}});
  b.AddAmplitude("Ramp", ramp);
  rgnC_Region blockTop("Top", {"Assembly", "Block-2"});
  blockTop.SetKernelInstanceIds({2u});
  blockTop.SetKernelElementIndices(2, topElements, topFaces);
  kloC_Pressure squeeze;
  squeeze.SetRegion(blockTop);
  kloC_LoadState pressing(1, {0.5});
  pressing.SetAmplitude("Ramp", 1);
  squeeze.SetState("Load", 1, pressing);
  b.AddLoad("Squeeze", squeeze);
  rgnC_Region lift("Lift", {"Assembly"});
  lift.SetKernelInstanceIds({3u});
  lift.SetKernelNodeIndices(3, {4});  // the reference point, after the plate's 4 nodes
  aif_SampleSet(b.Assembly().FeatureList(), lift, 21, rgnF_Set::kNodeSet);
  // The plate's own axes: at its centre, turned by 45 degrees about z. The
  // lift is given in them.
  const double half = std::sqrt(0.5);
  dtu_DatumCsys plateAxes(dtu_DatumCsys::kRectangular, gsl_Point(0.5, 0.5, 0.0),
                          gsl_Vector(half, half, 0.0), gsl_Vector(-half, half, 0.0),
                          gsl_Vector(0, 0, 1));
  plateAxes.SetId(24);
  plateAxes.SetName("Plate-Axes");
  b.Assembly().FeatureList().Add(plateAxes);
  const dtmC_DatumRef plateSystem{{}, "Plate-Axes"};
  kloC_ConcentratedForce lifting;
  lifting.SetRegion(lift);
  lifting.SetLocalCsys(plateSystem);
  lifting.SetState("Load", 1, kloC_LoadState(1, {0.0, 0.0, 250.0}));
  b.AddLoad("Lift", lifting);
  kprC_FrequencyStep modes;
  modes.SetNumEigen(10);
  b.AddStep("Modes", modes);

  // The turned block's temperature: 20 at the start, 80 during the static
  // step, kept in the frequency step.
  rgnC_Region warmed("Nodes", {"Assembly", "Block-1"});
  warmed.SetKernelInstanceIds({1u});
  warmed.SetKernelNodeIndices(1, allNodes);
  kpfC_Temperature heat;
  heat.SetRegion(warmed);
  kpfC_GeneralFieldBaseState ambient, warm, kept;
  ambient.SetValues({20.0});
  warm.SetValues({80.0});
  kept.SetValues({80.0}, 2);
  heat.SetState("Initial", 1, ambient);
  heat.SetState("Load", 3, warm);
  heat.SetState("Modes", 2, kept);
  b.AddField("Heat", heat);

  // The supports, from the initial step on and carried into both steps: the
  // bases of both blocks fixed in U1 to U3, both mount points and the
  // plate's corners held in every degree of freedom.
  auto support = [&b](const char* name, const kbcC_BC& kind, const rgnC_Region& region,
                      const kern_Object& created, const kern_Object& carried) {
    std::unique_ptr<kbcC_BC> condition(kind.Clone());
    condition->SetRegion(region);
    condition->SetCreatedStepName("Initial");
    condition->SetState("Initial", 1, created);
    for (const char* step : {"Load", "Modes"})
      condition->SetState(step, 2, carried);
    b.AddBoundaryCondition(name, *condition);
  };
  kbcC_DisplacementBCState fixedNow, fixedBefore;
  for (std::size_t dof = 0; dof < 3; ++dof) {
    fixedNow.SetComponent(dof, 0.0, 1);
    fixedBefore.SetComponent(dof, 0.0, 2);
  }
  kbcC_TypeBCState heldNow, heldBefore;
  heldNow.SetTypeName(kbcC_TypeBC::ENCASTRE, 1);
  heldBefore.SetTypeName(kbcC_TypeBC::ENCASTRE, 2);
  for (unsigned id : {1u, 2u}) {
    const cow_String instance = id == 1 ? "Block-1" : "Block-2";
    rgnC_Region instanceBase("Base", {"Assembly", instance});
    instanceBase.SetKernelInstanceIds({id});
    instanceBase.SetKernelNodeIndices(static_cast<int>(id), baseNodes);
    support(id == 1 ? "Base-1" : "Base-2", kbcC_DisplacementBC(), instanceBase, fixedNow,
            fixedBefore);
    rgnC_Region instanceMount("Mount-Point", {"Assembly", instance});
    instanceMount.SetKernelInstanceIds({id});
    instanceMount.SetKernelNodeIndices(static_cast<int>(id), {45});
    support(id == 1 ? "Mount-1" : "Mount-2", kbcC_TypeBC(), instanceMount, heldNow, heldBefore);
  }
  rgnC_Region plateCorners("Corners", {"Assembly", "Plate-1"});
  plateCorners.SetKernelInstanceIds({3u});
  plateCorners.SetKernelNodeIndices(3, {0, 1, 2, 3});
  support("Plate", kbcC_TypeBC(), plateCorners, heldNow, heldBefore);

  // The turned block's top touches the lower block's bottom from the
  // initial step on, with friction and hard contact.
  kinC_ContactProperty touching;
  touching.Set<kinC_TangentialBehavior>({.formulation = 1, .table = cow_2DArray<double>({{0.2}})});
  touching.Set<kinC_NormalBehavior>();
  b.AddInteractionProperty("Touching", touching);
  kinC_SurfaceToSurfaceContactStd blocks;
  blocks.SetSurfaces(rgnC_Region("Top", {"Assembly", "Block-1"}),
                     rgnC_Region("Bottom", {"Assembly", "Block-2"}));
  blocks.SetCreateStepName("Initial");
  kinC_SurfaceToSurfaceContactStdState touchingNow;
  touchingNow.SetInteractionProperty("Touching", 1, true);
  blocks.SetState("Initial", 1, touchingNow);
  kinC_SurfaceToSurfaceContactStdState touchingBefore;
  touchingBefore.SetInteractionProperty("Touching", 2);
  for (const char* step : {"Load", "Modes"})
    blocks.SetState(step, 2, touchingBefore);
  b.AddInteraction("Blocks", blocks);

  // The plate's underside (the negative face of its element) as an assembly
  // surface, resting on an elastic foundation from the initial step on.
  rgnC_Region underside("Underside", {"Assembly"});
  underside.SetKernelInstanceIds({3u});
  underside.SetKernelElementIndices(3, {0}, {cow_String("SNEG")});
  underside.SetKernelPlane(gsl_Plane(gsl_Point(0, 0, 0), gsl_Vector(0, 0, -1)));
  rgnF_Surface undersideSurface(underside);
  undersideSurface.SetId(22);
  undersideSurface.SetName("Underside");
  b.Assembly().FeatureList().Add(undersideSurface);
  kinC_ElasticFoundation bed;
  bed.SetRegion(underside);
  bed.SetStepStiffness("Initial", 1, 50.0);
  for (const char* step : {"Load", "Modes"})
    bed.SetStepStiffness(step, 2, 50.0);
  b.AddInteraction("Bed", bed);

  // The plate hangs from its lifting point: a distributing coupling spreads
  // the point's motion over the plate's underside, in the plate's axes.
  kcoC_Coupling hanger(lift, underside, kcoC_Coupling::kDistributing);
  hanger.SetDatum(plateSystem);
  b.AddConstraint("Hanger", hanger);
  // The middle layers' far corners of both blocks move alike along x.
  b.AddConstraint("Level", kcoC_Equation({{.coefficient = 1.0, .setName = "Block-1.Mid", .dof = 1},
                                          {.coefficient = -1.0, .setName = "Block-2.Mid", .dof = 1}}));

  // A spot weld at the plate's second reference point (the assembly set
  // "Bolt-Point") joins the lower block's bottom to the plate's underside
  // through connector elements of the beam section "Weld".
  rgnC_Region boltPoint("Bolt-Point", {"Assembly"});
  boltPoint.SetKernelInstanceIds({3u});
  boltPoint.SetKernelNodeIndices(3, {5});
  aif_SampleSet(b.Assembly().FeatureList(), boltPoint, 23, rgnF_Set::kNodeSet);
  kseC_ConnectorSection weld;
  weld.SetTypes(1, 0, 0);
  weld.SetConnectionTypeText("Beam");
  b.AddSection("Weld", weld);
  kefC_PointFastener spot;
  spot.SetRegion(boltPoint);
  spot.targetSurfaces = {rgnC_Region("Bottom", {"Assembly", "Block-2"}), underside};
  spot.physicalRadius = 0.01;
  spot.connectorSection = "Weld";
  b.AddFastener("Spot-Weld", spot);

  // Two clips of the template "Clip" fastened to the plate's underside at
  // its first two corners; the written model holds their section
  // "Clips_Steel".
  aif_SampleClipTemplate();
  kefC_AssembledFastener clips;
  rgnC_Region clipPoints("Clip-Points", {"Assembly"});
  clipPoints.SetKernelNodeIndices(3, {0, 1});
  clips.SetRegion(clipPoints);
  clips.templateModel = "Clip";
  clips.positioningSet = "Pos";
  clips.prefix = "Clips";
  clips.surfaceNames = {"Underside"};
  clips.templateRegionNames = {"Seat"};
  b.AddFastener("Clips", clips);
  b.AddSection("Clips_Steel", steel);
  return b;
}

// The sample's optimization: a topology task "Lighter" that takes material
// out of the block in place (its bricks are the design area), keeping the
// regions that carry loads: the block is made as stiff as it can be (its
// strain energy in the static step as small as it can be) with half of its
// volume, over at most 30 iterations. The optimizer's variables are the
// host's: the sample registers the two it uses, summed over elements.
inline void aif_SampleTask(hst_ModelBuilder& b) {
  rgnC_Region bricks("All", {"Assembly", "Block-2"});
  bricks.SetKernelInstanceIds({2u});
  cow_List<int> all;
  for (int e = 0; e < 16; ++e)
    all.Append(e);
  bricks.SetKernelElementIndices(2, all);
  kopC_TopologyTask task;
  task.SetDesignRegion(bricks);
  task.SetFreezeLoadRegions(true);
  task.SetFilterRadius(0.5);

  kopC_VariableTable& variables = kopC_VariableTable::Instance();
  variables.Set("STRAIN_ENERGY", 4);
  variables.Set("VOLUME", 4);
  kopC_StepOption loadStep;
  loadStep.SetStepName("Load");
  kopC_SingleTermDesignResponse energy;
  energy.SetVariableName("STRAIN_ENERGY");
  energy.SetRegion(bricks);
  energy.SetGroupOperator(3);  // summed
  energy.SetStepOptions({loadStep});
  kopC_SingleTermDesignResponse volume;
  volume.SetVariableName("VOLUME");
  volume.SetRegion(bricks);
  volume.SetGroupOperator(3);
  volume.SetStepOptions({loadStep});
  task.Add("Strain-Energy", energy).Add("Volume", volume);
  kopC_Objective compliance;
  compliance.SetDesignResponse("Strain-Energy");
  kopC_KestObjectiveFunction stiffest;
  stiffest.SetTarget(0);  // as small as it can be
  stiffest.SetTerms({compliance});
  kopC_KestConstraint half;
  half.SetDesignResponse("Volume");
  half.SetRelation(3);  // at most, relative to the start
  half.SetValue(0.5);
  task.Add("Stiffest", stiffest).Add("Half-Volume", half);
  b.AddTask("Lighter", task);
}

// The optimization process that runs the task "Lighter" on the solver input
// file `inputBaseName`.inp.
inline ajbC_Optimization aif_SampleOptimization(const cow_String& inputBaseName) {
  ajbC_Optimization optimization("Frame", "Lighter");
  optimization.SetIterationLimit(30);
  optimization.SetDescription("A lighter block in place");
  optimization.SetInputBaseName(inputBaseName);
  return optimization;
}
