// Seeded random models (parts of several element types, label gaps up to
// 2147483647, instances, sets, surfaces, sections, orientations, controls,
// hostile names, flat and part-based files, label offsets, materials,
// discrete and analytical fields used by densities, shell and membrane
// thicknesses and shell offsets; the kinds of ObjectKinds: layups, ply
// orientations, discrete and field orientations, thickness and offsets from
// the geometry, fields at nodes, gasket sections, densities from fields,
// failing fields, instance names, repeated picked regions, suppressed
// assignments, rebar, springs, inertias, substructures, steps, output data
// and requests with the step's restart, print, monitor and controls, loads,
// boundary conditions, fields, model changes, contact pairs with their
// controls and adaptive mesh controls and domains) written through the
// driver and read back by an independent checker (support/aif_DeckChecker.h);
// the property copies of changing Standard pairs are compared with the
// properties the pairs are created with.
// A model made to meet a refusal must be refused; other refusals are counted.
// A failure names its seed; AIF_RANDOM_MODEL_SEED=17 runs that one and prints
// its deck; AIF_RANDOM_MODEL_COUNT sets the number of models (300);
// AIF_RANDOM_MODEL_KINDS switches on object kinds that are off (ObjectKinds).
// The golden decks and the sample model's deck are read back by the same
// checker.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesIntObj/asoK_RotationalAxis.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_RebarOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kamC_Amplitude.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_DisplayBody.h"
#include "OdbAttrEO/kcoC_EmbeddedRegion.h"
#include "OdbAttrEO/kcoC_Equation.h"
#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kcoC_ShellSolidCoupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kflC_Filter.h"
#include "OdbAttrEO/kinC_ActuatorSensorProp.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "OdbAttrEO/kinC_ContactControls.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Cosimulation.h"
#include "OdbAttrEO/kinC_FilmCondition.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "OdbAttrEO/kinC_GeneralContact.h"
#include "OdbAttrEO/kinC_IncidentWave.h"
#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "OdbAttrEO/kprC_TimePoint.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_PointSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "OdbCoreGeom/bme_ElemCtrlParams.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KestBuilder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_OptimizationProcess.h"
#include "aif/optimization/aif_KestChecker.h"
#include "aif_SampleModel.h"
#include "support/aif_DeckChecker.h"
#include "support/aif_RandomConnectorBehavior.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;

const std::string kDeckPath =
    (fs::temp_directory_path() / ("aif_RandomModelTest." + std::to_string(getpid()) + ".inp"))
        .string();

cow_List<int> ToList(const std::vector<int>& items) {
  cow_List<int> list;
  for (int item : items)
    list.Append(item);
  return list;
}

// A copy of `mesh` whose element classes carry `labels`, in mesh order.
std::shared_ptr<bme_Mesh> WithElementLabels(const bme_Mesh& mesh, const std::vector<int>& labels) {
  auto out = std::make_shared<bme_Mesh>();
  out->MutableNodeData() = mesh.NodeData();
  std::size_t next = 0;
  for (const bme_ElementClass& from : mesh.ElementClasses()) {
    bme_ElementClass& to = out->AddElementClass(from.TypeName(), from.NodesPerElement());
    to.MutableConnectivity() = from.Connectivity();
    const auto first = labels.begin() + static_cast<std::ptrdiff_t>(next);
    to.MutableUserLabels().assign(first, first + static_cast<std::ptrdiff_t>(from.NumElements()));
    next += from.NumElements();
  }
  return out;
}

// The kinds of object the generator may add beyond parts, sets, sections
// and materials, one switch each. A switch that is off waits for the writer
// fault named beside it.
struct ObjectKinds {
  // Composite layups expanded into generated sections, assignments and
  // orientations (plies at angles, a discrete layup orientation, geometry
  // offsets). Their material counts as unassigned, so it takes no analytical
  // density (one used only through a layup names a distribution never
  // written).
  bool layups = true;
  // Plies that name an orientation of their own or a datum system, in
  // layups and in composite sections assigned directly.
  bool plyOrientations = true;
  // Material orientations evaluated per element into a "-DiscOrient"
  // distribution.
  bool discreteOrientations = true;
  // Shell thickness and offsets taken from the geometry ("*Nodal Thickness"
  // rows and an offset distribution).
  bool geometryThickness = true;
  // Orientations whose axes come from an orientation field and whose
  // additional rotation angle comes from an angle field.
  bool fieldOrientations = true;
  // Discrete fields located at nodes, giving nodal shell thickness.
  bool nodalFields = true;
  // Gasket sections naming a material that has a gasket behaviour.
  bool gasketSections = true;
  // Densities from fields on every material (one used only through a
  // layup, one no section uses), discrete densities over tables of
  // instances the deck leaves out, a discrete field under two column types,
  // discrete fields named like analytical fields or like
  // "<material>_<field>"; now and then a density the writer refuses (a
  // missing, empty or node-located field, a table naming no instance, two
  // materials whose names differ only in case).
  bool densities = true;
  // Analytical fields whose mapping fails, and shell and membrane
  // thicknesses naming a field the model lacks.
  bool failingFields = true;
  // An ordinary instance named like a part that has lightweight instances.
  bool instanceNames = true;
  // A picked region of the name of an earlier one, taking another section.
  bool pickedRegions = true;
  // Section assignments that are suppressed.
  bool suppressedAssignments = true;
  // Membrane and surface sections with rebar, and a rebar orientation.
  bool rebar = true;
  // A discrete field named exactly like an analytical field.
  bool likeNamedFields = true;
  // Hostile names of 81 to 120 characters (past the solver's 80; else at
  // most 80). Off: the solver refuses such names whatever the line, and
  // lines composing two of them ("*Rigid Body, ref node=Inst.Set",
  // "*Distribution Table, name=Inst_Field_Table") may pass 256 characters
  // (7 of 20,000 models).
  bool overlongNames = false;
  // Springs and dashpots (two-point and to ground) of parts and of the
  // assembly; with datumOrientations, now and then oriented by a datum
  // system (as are rotary inertias).
  bool springs = true;
  // Point masses, rotary inertias, heat capacitances and nonstructural
  // masses of parts and of the assembly.
  bool inertias = true;
  // A substructure instance whose element lies in a file, placed by a
  // translation and a turn, now and then with an assembly set that is wholly
  // the substructure.
  bool substructures = true;
  // Assembly wires between nodes of written instances (or to the ground),
  // in assembly element sets with a connector section of random behaviour
  // or an MPC section, and the assembly's attachment lines and nodes.
  bool connectors = true;
  // Analysis steps of every kind after the initial step, some suppressed,
  // with random procedure settings, load cases (some suppressed), mass
  // scaling on assembly element sets, Riks and AMS node sets, substructure
  // recovery regions; now and then an explicit step the writer refuses.
  bool steps = true;
  // Output data and requests, drawn apart from the rest: time points, output
  // filters and integrated output sections on assembly surfaces (analysis
  // product 1 only, set now and then), field and history output requests on
  // the steps (whole model, assembly sets, integrated output sections;
  // preselected, all or listed variables; every frequency kind; filters,
  // sensors), remeshing rules, and per step restart, print, monitor,
  // solution controls and solver controls of random kinds; now and then
  // controls the writer refuses.
  bool outputRequests = true;
  // Field output from inside the substructure instance (its whole or a
  // region of it by name). Off: in a part-based deck "*Substructure Path,
  // enter element=" names element 0 (no label is recorded for the
  // substructure's element).
  bool substructureOutput = false;
  // Loads of every kind the generators know, written by the load builder.
  bool loads = true;
  // Displacement and velocity adaptive mesh constraints on node sets.
  bool adaptiveMeshConstraints = true;
  // Amplitudes of every kind, some named by the loads.
  bool amplitudes = true;
  // Boundary conditions (displacement, velocity, type, temperature, pore
  // pressure, connector motion) on node sets and connector sets.
  bool boundaryConditions = true;
  // Predefined fields (temperature, field variable, pressure stress, mass
  // flow rate) over the steps, and initial temperatures and velocities.
  bool predefinedFields = true;
  // Model changes: assembly element sets removed or added over the steps,
  // and the activation line.
  bool modelChanges = true;
  // Contact pairs (surface to surface and self contact, of the product's
  // solver) on written assembly surfaces, with clearances, property changes
  // and switches over the steps.
  bool contactPairs = true;
  // Incident waves on assembly node sets over the steps, with their
  // properties (a property now and then shared by two waves).
  bool incidentWaves = true;
  // Standard general contact smoothing written assembly surfaces and the
  // whole model (rotational pieces scripted for the axis analysis).
  bool generalContact = true;
  // Film and radiation conditions on written assembly surfaces and node
  // sets over the steps, with a film property now and then.
  bool thermalConditions = true;
  // Radiation cavities on written assembly surfaces with their surface
  // properties, controls, blocking and symmetries over the steps, and
  // co-simulations of both kinds (no partner model) on written assembly
  // surfaces and node sets.
  bool cavitiesAndCosimulations = true;
  // Actuators and sensors on written node sets, as user elements with a
  // property now and then and solution-dependent variables.
  bool actuators = true;
  // Adaptive mesh controls with random options and adaptive mesh domains on
  // written assembly element sets (now and then a deleted one) in random
  // steps, suppressed ones among them, some naming the controls.
  bool adaptiveMeshes = true;
  // Constraints of every kind on written node sets, element sets and
  // surfaces of instances: ties, couplings (adjusted now and then),
  // adjust points, rigid bodies, embedded regions, shell-to-solid
  // couplings, multi-point constraints, equations, and display bodies of
  // instances that are gone; suppressed now and then; now and then a rigid
  // body whose reference point was deleted, which the writer refuses.
  bool constraints = true;
  // Point-based fasteners on written node sets with target surfaces, on
  // connector sections of their own (some shared), of the assembly's wires
  // or missing, or without connector elements; discrete fasteners over the
  // assembly's attachment line, its ends attached to written assembly
  // surfaces (or to none). Their datum systems come with the other datum
  // orientations (ObjectKinds::datumOrientations).
  bool fasteners = true;
  // Datum systems of the assembly and the parts that objects are given in:
  // couplings, multi-point constraints and equation terms, tractions,
  // inertia reliefs, concentrated forces and moments, displacement and
  // velocity conditions, adaptive mesh constraints, integrated output
  // sections, connectors of the assembly's wire sets (one or two systems,
  // turned now and then), point fasteners, springs and rotary inertias.
  bool datumOrientations = true;
  // Cracks of the assembly: XFEM cracks on written element sets of
  // instances, contour-integral cracks whose front and tip are written node
  // sets of instances (in one to three segments), suppressed now and then;
  // crack history requests on them over the steps, now and then on a crack
  // that is missing or naming a residual stress step the file lacks.
  bool cracks = true;
};

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : engine_(seed) {}
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  double Real(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
  }
  bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
  template <class T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
  }

 private:
  std::mt19937 engine_;
};

// What a generated part is made of.
// kDisplay: nodes without elements, shown through a display mesh.
enum class Family {
  kBrick,
  kBrick20,
  kTet,
  kWedge,
  kShell,
  kPlanarQuad,
  kPlanarTri,
  kBeam,
  kTruss,
  kDisplay
};

struct PartPlan {
  std::string name;
  Family family = Family::kBrick;
  int analysis = ptoK_DEFORMABLE;
  int space = ptoK_SPACE_3D;
  std::shared_ptr<bme_Mesh> mesh;  // null: a part without a mesh
  bool nodeLabels = false, elementLabels = false;
  std::vector<std::string> faces;               // face identifiers of its elements (none for lines)
  std::vector<std::string> setNames;            // its sets, for references from elsewhere
  std::vector<unsigned> instances;              // ids of its instances
  std::vector<std::string> elementSetNames;     // its named sets with elements
  std::map<std::string, rgnC_Region> regions;   // its named sets, members by instance id
  std::map<std::string, rgnC_Region> surfaces;  // its surfaces, faces by instance id
};

struct InstancePlan {
  std::string name;
  std::size_t part = 0;
  hst_ModelBuilder::InstanceOptions options;
};

// One random model and its description.
class Generator {
 public:
  Generator(std::uint32_t seed, const ObjectKinds& kinds)
      : rng_(seed),
        featureRng_(seed * 2654435761u + 17u),
        kinds_(kinds),
        stepRng_(seed * 2246822519u + 29u),
        outputRng_(seed * 3266489917u + 41u),
        loadRng_(seed * 668265263u + 53u),
        miscLoadRng_(seed * 374761393u + 67u),
        fluxRng_(seed * 1597334677u + 59u),
        amcRng_(seed * 2869860233u + 71u),
        amplitudeRng_(seed * 2166136261u + 71u),
        bcRng_(seed * 2654435769u + 83u),
        fieldRng_(seed * 2246822507u + 97u),
        modelChangeRng_(seed * 3432918353u + 101u),
        contactRng_(seed * 2654435761u + 103u),
        incidentWaveRng_(seed * 2891336453u + 107u),
        generalContactRng_(seed * 2654435789u + 109u),
        thermalRng_(seed * 2246822519u + 113u),
        cavityRng_(seed * 3266489917u + 127u),
        actuatorRng_(seed * 374761393u + 131u),
        adaptiveMeshRng_(seed * 2869860233u + 137u),
        constraintRng_(seed * 3432918353u + 139u),
        fastenerRng_(seed * 2891336453u + 149u),
        datumRng_(seed * 1181783497u + 157u),
        crackRng_(seed * 2891336453u + 151u),
        assembledFastenerRng_(seed * 2246822519u + 163u),
        boltRng_(seed * 3266489917u + 167u),
        outputFilterRng_(seed * 1597334677u + 167u) {}

  hst_ModelBuilder builder{"Model-1"};
  std::ostringstream description;
  // Environment of the write: the two offsets (unset when empty) and the
  // environment-file key (-1: unset).
  std::string nodeOffset, elementOffset;
  int noPartsKey = -1;
  bool jobKeywords = false;
  // Texts of the refusals the model is made to meet: the writer must stop
  // with an aif_Exception whose message holds one of them.
  std::vector<std::string> refusals;
  // The copies the Standard pairs whose property a later step changes are
  // defined with: the generated name and the property the pair is created
  // with, whose definition the copy repeats.
  std::vector<std::pair<std::string, std::string>> propertyCopies;
  // Partner models registered in the model database for the fluid-structure
  // co-simulations; removed again once the model is written.
  std::vector<std::string> partnerModels;

  void Generate() {
    PlanParts();
    PlanInstances();
    AddFields();
    for (PartPlan& part : parts_)
      AddPart(part);
    for (const InstancePlan& instance : instances_)
      builder.AddInstance(instance.name, parts_[instance.part].name, instance.options);
    AddAssemblyNodes();
    AddAssemblyRegions();
    AddAssemblyFeatures();
    AddSubstructure();
    AddConnectors();
    AddContactNodeSets();
    AddMaterials();
    if (kinds_.steps) AddSteps();
    if (kinds_.outputRequests) AddOutputData();
    if (kinds_.amplitudes) AddAmplitudes();
    if (kinds_.loads) AddLoads();
    if (kinds_.loads) AddConnectorSubstructureAndReliefLoads();
    if (kinds_.loads) AddFluxLoads();
    if (kinds_.loads) AddBoltLoads();
    if (kinds_.adaptiveMeshConstraints) AddAdaptiveMeshConstraints();
    if (kinds_.boundaryConditions) AddBoundaryConditions();
    if (kinds_.predefinedFields) AddPredefinedFields();
    if (kinds_.modelChanges) AddModelChanges();
    if (kinds_.contactPairs) AddContactPairs();
    if (kinds_.incidentWaves) AddIncidentWaves();
    if (kinds_.generalContact) AddGeneralContact();
    if (kinds_.thermalConditions) AddThermalConditions();
    if (kinds_.cavitiesAndCosimulations) AddCavitiesAndCosimulations();
    if (kinds_.cavitiesAndCosimulations) AddPartSurfaceFoundations();
    if (kinds_.actuators) AddActuatorSensors();
    if (kinds_.adaptiveMeshes) AddAdaptiveMeshes();
    if (kinds_.constraints) AddConstraints();
    if (kinds_.fasteners) AddFasteners();
    if (kinds_.fasteners) AddAssembledFasteners();
    if (kinds_.datumOrientations) AddDatumOrientations();
    if (kinds_.cracks) AddCracks();
    if (kinds_.outputRequests) AddFilterAndFlowEnergyRequests();
    PlanEnvironment();
  }

 private:
  Rng rng_;
  // Draws for engineering features, apart from rng_ so that the rest of a
  // seed's model stays as it was before features came.
  Rng featureRng_;
  int featureNames_ = 0;
  ObjectKinds kinds_;
  std::vector<PartPlan> parts_;
  std::vector<InstancePlan> instances_;
  int names_ = 0;
  bool assemblyMesh_ = false;
  std::size_t assemblyNodes_ = 0;

  // A name for `stem`, hostile one time in three.
  std::string Name(const std::string& stem) { return NameFrom(rng_, stem); }
  std::string NameFrom(Rng& rng, const std::string& stem) {
    const std::string n = std::to_string(++names_);
    switch (rng.Chance(0.35) ? rng.Uniform(0, 6) : -1) {
      case 0:
        return "My " + stem + " " + n;
      case 1:
        return stem + "," + n;
      case 2:
        return stem + "\"" + n;
      case 3:
        return stem + "." + n;
      case 4: {
        std::string name = stem + "-" + n + "-";
        for (std::size_t length = static_cast<std::size_t>(
                 kinds_.overlongNames ? rng.Uniform(80, 120) : rng.Uniform(60, 80));
             name.size() < length;)
          name += static_cast<char>('a' + name.size() % 26);
        return name;
      }
      case 5:
        return "_" + stem + "-" + n;
      case 6:
        return stem + "-" + n + "_";
      default:
        return stem + "-" + n;
    }
  }

  // Labels 1.., or ascending labels with gaps from a random start, one time
  // in four next to the top of the int range.
  void Labels(std::vector<int>& labels, std::size_t count, const char* what, std::string& told) {
    const int gap = rng_.Uniform(1, 4);
    std::int64_t start;
    switch (rng_.Uniform(0, 3)) {
      case 0:
        start = rng_.Uniform(1, 20);
        break;
      case 1:
        start = 1000 * rng_.Uniform(1, 9);
        break;
      case 2:
        start = rng_.Uniform(1, 2000000);
        break;
      default:
        start = INT_MAX - static_cast<std::int64_t>(count - 1) * gap - rng_.Uniform(0, 2);
    }
    labels.resize(count);
    for (std::size_t i = 0; i < count; ++i)
      labels[i] = static_cast<int>(start + static_cast<std::int64_t>(i) * gap);
    told += std::string(" ") + what + "-labels " + std::to_string(labels.front()) + ".." +
            std::to_string(labels.back());
  }

  std::shared_ptr<bme_Mesh> Strip(int count, const char* type, int nodesPerElement, bool triangles,
                                  bool flat) {
    auto mesh = std::make_shared<bme_Mesh>();
    std::vector<float>& xyz = mesh->MutableNodeData().MutableCoordinates();
    for (int i = 0; i <= count; ++i)
      for (int j = 0; j < 2; ++j)
        xyz.insert(xyz.end(), {static_cast<float>(i), static_cast<float>(j),
                               flat ? 0.0f : static_cast<float>(rng_.Real(0, 0.1))});
    std::vector<int>& c = mesh->AddElementClass(type, nodesPerElement).MutableConnectivity();
    for (int i = 0; i < count; ++i) {
      const int a = 2 * i, b = 2 * i + 2, d = 2 * i + 3, e = 2 * i + 1;
      if (triangles)
        c.insert(c.end(), {a, b, d, a, d, e});
      else
        c.insert(c.end(), {a, b, d, e});
    }
    return mesh;
  }

  std::shared_ptr<bme_Mesh> Chain(int count, const char* type, bool flat) {
    auto mesh = std::make_shared<bme_Mesh>();
    std::vector<float>& xyz = mesh->MutableNodeData().MutableCoordinates();
    for (int i = 0; i <= count; ++i)
      xyz.insert(xyz.end(), {static_cast<float>(i), flat ? 0.0f : 0.5f * static_cast<float>(i),
                             flat ? 0.0f : 1.0f});
    std::vector<int>& c = mesh->AddElementClass(type, 2).MutableConnectivity();
    for (int i = 0; i < count; ++i)
      c.insert(c.end(), {i, i + 1});
    return mesh;
  }

  // The mesh of a part of `family`, with its face identifiers.
  std::shared_ptr<bme_Mesh> Mesh(PartPlan& part) {
    const bool two = part.space == ptoK_SPACE_2D;
    switch (part.family) {
      case Family::kBrick: {
        auto mesh = hst_GridMesh(rng_.Uniform(1, 3), 1, rng_.Uniform(1, 2), rng_.Real(0.1, 2));
        if (rng_.Chance(0.3)) {  // a second class of the same type
          mesh->AddElementClass("C3D8", 8).MutableConnectivity() = {0, 1, 3, 2, 4, 5, 7, 6};
        }
        part.faces = {"S1", "S2", "S3", "S4", "S5", "S6"};
        return mesh;
      }
      case Family::kBrick20: {
        auto mesh = std::make_shared<bme_Mesh>();
        std::vector<float>& xyz = mesh->MutableNodeData().MutableCoordinates();
        for (int i = 0; i < 20; ++i)
          xyz.insert(xyz.end(), {static_cast<float>(i % 3), static_cast<float>(i / 3 % 3),
                                 static_cast<float>(i / 9)});
        std::vector<int>& c = mesh->AddElementClass("C3D20R", 20).MutableConnectivity();
        for (int i = 0; i < 20; ++i)
          c.push_back(i);
        part.faces = {"S1", "S2", "S3", "S4", "S5", "S6"};
        return mesh;
      }
      case Family::kTet:
        part.faces = {"S1", "S2", "S3", "S4"};
        return hst_Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1}, "C3D4", 4,
                        {0, 1, 2, 3, 1, 2, 3, 4});
      case Family::kWedge:
        part.faces = {"S1", "S2", "S3", "S4", "S5"};
        return hst_Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 0, 1, 0, 1, 1, 1, 1, 0, 1, 1, 1},
                        "C3D6", 6, {0, 1, 2, 3, 4, 5, 1, 6, 2, 4, 7, 5});
      case Family::kShell: {
        const bool tri = rng_.Chance(0.4);
        auto mesh = Strip(rng_.Uniform(1, 3), tri ? "S3" : "S4R", tri ? 3 : 4, tri, false);
        part.faces = {"SPOS", "SNEG"};
        return mesh;
      }
      case Family::kPlanarQuad:
        part.faces = {"S1", "S2", "S3", "S4"};
        return Strip(rng_.Uniform(1, 3), two ? "CPS4R" : "M3D4", 4, false, true);
      case Family::kPlanarTri:
        part.faces = {"S1", "S2", "S3"};
        return Strip(rng_.Uniform(1, 2), two ? "CPE3" : "M3D3", 3, true, true);
      case Family::kBeam:
        return Chain(rng_.Uniform(1, 4), two ? "B21" : "B31", two);
      case Family::kTruss:
        return Chain(rng_.Uniform(1, 4), two ? "T2D2" : "T3D2", two);
      case Family::kDisplay: {
        auto mesh = hst_Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0}, "S3", 3, {});
        mesh->SetDisplayMesh(hst_Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0}, "S3", 3, {0, 1, 2}));
        return mesh;
      }
    }
    return nullptr;
  }

  void PlanParts() {
    const int count = rng_.Uniform(1, 4);
    for (int p = 0; p < count; ++p) {
      PartPlan part;
      part.name = Name("Part");
      // Shells twice: their sections take thicknesses and offsets from fields.
      const std::vector<Family> families = {Family::kBrick,      Family::kBrick20,   Family::kTet,
                                            Family::kWedge,      Family::kShell,     Family::kShell,
                                            Family::kPlanarQuad, Family::kPlanarTri, Family::kBeam,
                                            Family::kTruss,      Family::kDisplay};
      part.family = rng_.Pick(families);
      const bool planarCapable = part.family == Family::kPlanarQuad ||
                                 part.family == Family::kPlanarTri ||
                                 part.family == Family::kBeam || part.family == Family::kTruss;
      if (planarCapable && rng_.Chance(0.6)) part.space = ptoK_SPACE_2D;
      if (part.family == Family::kShell && rng_.Chance(0.2)) part.analysis = ptoK_DISCRETE_RIGID;
      std::string told;
      if (!rng_.Chance(0.08)) {
        part.mesh = Mesh(part);
        if (rng_.Chance(0.35)) {
          part.nodeLabels = true;
          Labels(part.mesh->MutableNodeData().MutableUserNodeLabels(), part.mesh->NumNodes(),
                 "node", told);
        }
        if (part.mesh->NumElements() > 0 && rng_.Chance(0.35)) {
          part.elementLabels = true;
          std::vector<int> labels;
          Labels(labels, part.mesh->NumElements(), "element", told);
          part.mesh = WithElementLabels(*part.mesh, labels);
        }
      }
      description << "part \"" << part.name << "\" family " << static_cast<int>(part.family)
                  << (part.space == ptoK_SPACE_2D ? " 2-D" : " 3-D")
                  << (part.analysis == ptoK_DISCRETE_RIGID ? " rigid" : "")
                  << (part.mesh ? " nodes " + std::to_string(part.mesh->NumNodes()) + " elements " +
                                      std::to_string(part.mesh->NumElements())
                                : std::string(" no mesh"))
                  << told << "\n";
      parts_.push_back(std::move(part));
    }
  }

  gsl_Matrix Placement(std::string& told) {
    switch (rng_.Uniform(0, 3)) {
      case 0:
        return gsl_Matrix();
      case 1: {
        const gsl_Vector t{rng_.Real(-5, 5), rng_.Real(-5, 5), rng_.Real(-5, 5)};
        told += " moved";
        return gsl_Matrix::Translation(t);
      }
      case 2:
        told += " turned";
        return gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, std::acos(0.0));
      default: {
        told += " moved+turned";
        return gsl_Matrix::Translation({rng_.Real(-5, 5), 0, 1}) *
               gsl_Matrix::AxisRotation({rng_.Real(-1, 1), 0, 0},
                                        {rng_.Real(0, 1), rng_.Real(0, 1), 1}, rng_.Real(0.1, 3));
      }
    }
  }

  void PlanInstances() {
    for (std::size_t p = 0; p < parts_.size(); ++p) {
      const int count = rng_.Uniform(0, 3);
      for (int i = 0; i < count; ++i) {
        InstancePlan instance;
        instance.name = Name("Inst");
        instance.part = p;
        std::string told;
        auto& o = instance.options;
        o.id = static_cast<unsigned>(instances_.size() + 1);
        o.lightweight = rng_.Chance(0.35);
        if (rng_.Chance(0.12)) o.locks = ftr_LOCK_MESH;
        o.active = !rng_.Chance(0.1);
        if (rng_.Chance(0.2)) {
          o.attachmentPoints = rng_.Uniform(0, 2);
          o.attachmentLines = rng_.Uniform(0, 1);
        }
        o.transform = Placement(told);
        description << "instance \"" << instance.name << "\" id " << o.id << " of \""
                    << parts_[p].name << "\"" << (o.lightweight ? " lightweight" : "")
                    << (o.locks ? " locked" : "") << (o.active ? "" : " inactive")
                    << (o.attachmentPoints + o.attachmentLines
                            ? " attachments " + std::to_string(o.attachmentPoints) + "+" +
                                  std::to_string(o.attachmentLines)
                            : std::string())
                    << told << "\n";
        parts_[p].instances.push_back(o.id);
        instances_.push_back(instance);
      }
    }
    // An ordinary instance named like a part that has lightweight instances.
    if (!kinds_.instanceNames || !rng_.Chance(0.3)) return;
    for (const InstancePlan& light : instances_) {
      if (!light.options.lightweight) continue;
      const std::string& partName = parts_[light.part].name;
      for (InstancePlan& instance : instances_)
        if (!instance.options.lightweight) {
          description << "instance \"" << instance.name << "\" renamed \"" << partName << "\"\n";
          instance.name = partName;
          return;
        }
    }
  }

  // Up to `most` distinct indices below `count`, at least one.
  std::vector<int> Indices(std::size_t count, int most) {
    std::vector<int> out;
    const int n = rng_.Uniform(1, most);
    for (int i = 0; i < n; ++i) {
      const int index = rng_.Uniform(0, static_cast<int>(count) - 1);
      if (std::find(out.begin(), out.end(), index) == out.end()) out.push_back(index);
    }
    // Sometimes a run, to give generate ranges.
    if (rng_.Chance(0.3) && count >= 3) out = {0, 1, 2};
    return out;
  }

  // Set members are given as mesh indices, which the region stand-in reports
  // as index + 1, never as user labels: members are only drawn from meshes
  // numbered 1.. .
  bool NodeMembers(const PartPlan& part) const {
    return part.mesh && !part.nodeLabels && part.family != Family::kDisplay;
  }
  bool ElementMembers(const PartPlan& part) const {
    return part.mesh && !part.elementLabels && part.mesh->NumElements() > 0;
  }

  void AddPart(PartPlan& part) {
    std::string controlsTold;
    if (part.mesh && part.mesh->NumElements() > 0 && rng_.Chance(0.25)) {
      // Non-default element controls on one class; two kinds, so that parts
      // share an "EC-n" or take their own.
      bme_ElemCtrlParams controls;
      const int kind = rng_.Uniform(0, 1);
      controls.SetHourglassControl(kind ? 3 : 2);
      controls.SetHourglassStiffness({kind ? 0.5 : 0.25, 0.0, 0.0});
      const std::size_t c = static_cast<std::size_t>(
          rng_.Uniform(0, static_cast<int>(part.mesh->ElementClasses().size()) - 1));
      part.mesh->MutableElementClass(c).SetElemCtrlParams(
          std::make_shared<bme_ElemCtrlParams>(controls));
      controlsTold = " controls " + std::to_string(kind) + " on class " + std::to_string(c);
    }
    builder.AddPart(part.name, part.mesh, part.analysis, part.space);
    ptoK_Part& kernel = builder.MutablePart(part.name);
    ftr_FeatureList& features = kernel.FeatureList();
    unsigned id = 0;
    std::string told = controlsTold;
    const int points = rng_.Chance(0.4) ? rng_.Uniform(1, 2) : 0;
    if (points) {
      std::vector<std::array<double, 3>> at;
      for (int i = 0; i < points; ++i)
        at.push_back({rng_.Real(-1, 1), rng_.Real(-1, 1), rng_.Real(-1, 1)});
      kernel.SetReferencePoints(at);
      told += " reference points " + std::to_string(points);
    }
    // Sets and surfaces, the same members on every instance.
    const int sets = NodeMembers(part) || ElementMembers(part) ? rng_.Uniform(0, 3) : 0;
    for (int s = 0; s < sets; ++s) {
      const std::string name = rng_.Chance(0.02) ? std::string() : Name("Set");
      rgnC_Region region(name, {part.name});
      std::vector<int> nodes, elements;
      int mask = rng_.Pick(
          std::vector<int>{rgnF_Set::kGeometrySet, rgnF_Set::kElementSet, rgnF_Set::kNodeSet});
      if (!NodeMembers(part)) mask = rgnF_Set::kElementSet;
      if (!ElementMembers(part)) mask = rgnF_Set::kNodeSet;
      if (mask != rgnF_Set::kElementSet) nodes = Indices(part.mesh->NumNodes(), 5);
      if (mask != rgnF_Set::kNodeSet) elements = Indices(part.mesh->NumElements(), 3);
      for (unsigned instance : part.instances) {
        if (!nodes.empty()) region.SetKernelNodeIndices(static_cast<int>(instance), ToList(nodes));
        if (!elements.empty())
          region.SetKernelElementIndices(static_cast<int>(instance), ToList(elements));
      }
      rgnF_Set set(region);
      set.SetId(++id);
      set.SetName(name);
      set.typeMask = mask;
      features.Add(set);
      if (mask != rgnF_Set::kElementSet) part.setNames.push_back(name);
      if (mask != rgnF_Set::kNodeSet && !name.empty()) part.elementSetNames.push_back(name);
      if (!name.empty()) part.regions[name] = region;
      told += " set \"" + name + "\" mask " + std::to_string(mask);
    }
    if (ElementMembers(part) && !part.faces.empty() && rng_.Chance(0.4)) {
      const std::string name = Name("Surf");
      rgnC_Region region(name, {part.name});
      const std::vector<int> elements = Indices(part.mesh->NumElements(), 3);
      cow_List<cow_String> faces;
      for (std::size_t e = 0; e < elements.size(); ++e)
        faces.Append(rng_.Pick(part.faces));
      for (unsigned instance : part.instances)
        region.SetKernelElementIndices(static_cast<int>(instance), ToList(elements), faces);
      rgnF_Surface surface(region);
      surface.SetId(++id);
      surface.SetName(name);
      features.Add(surface);
      part.surfaces[name] = region;
      told += " surface \"" + name + "\"";
    }
    if (ElementMembers(part) && !part.instances.empty() && rng_.Chance(0.8))
      AddSectionAssignments(part, kernel, id);
    if (points && rng_.Chance(0.7)) AddPointSection(part, kernel, ++id);
    if (!told.empty()) description << "part \"" << part.name << "\":" << told << "\n";
    AddPartFeatures(part, kernel);
  }

  // --- datum systems objects are given in (drawn from datumRng_) ---------

  // A datum coordinate system of a random kind added to `object` under a
  // new name (now and then one the file must quote); its name and id.
  std::pair<std::string, unsigned> AddDatumSystem(ftr_PrimaryObject& object) {
    Rng& r = datumRng_;
    const std::string name =
        "Csys" + std::string(r.Chance(0.2) ? " " : "-") + std::to_string(++datumIds_);
    const gsl_Vector axes[3][3] = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
                                   {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}},
                                   {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}};
    const int turn = r.Uniform(0, 2);
    dtu_DatumCsys datum(r.Uniform(1, 3), {r.Real(-2, 2), r.Real(-2, 2), 0.0}, axes[turn][0],
                        axes[turn][1], axes[turn][2]);
    datum.SetId(datumIds_);
    datum.SetName(name);
    object.FeatureList().Add(datum);
    return {name, datumIds_};
  }

  // One of the assembly's datum systems (made on first use, two to four).
  dtmC_DatumRef AssemblyDatum() {
    if (assemblyDatums_.empty())
      for (int n = datumRng_.Uniform(2, 4); n > 0; --n)
        assemblyDatums_.push_back(AddDatumSystem(builder.Assembly()));
    return {{}, cow_String(datumRng_.Pick(assemblyDatums_).first)};
  }

  // Gives springs and point masses of `features` (of `object`, a part whose
  // datum references name `owners`, or the assembly) a datum system of
  // `object` now and then. Not for a part whose name holds a double quote:
  // the orientation's name holds the part's name, and a name holding a quote
  // is written as it stands (unbalanced when the quote is unpaired).
  void OrientFeatures(kefC_EngineeringFeatures& features, ftr_PrimaryObject& object,
                      const cow_List<cow_String>& owners, std::string& told) {
    Rng& r = datumRng_;
    if (!r.Chance(0.5)) return;
    for (const cow_String& owner : owners)
      if (owner.Find('"') != cow_String::npos) return;
    std::vector<std::string> systems;
    for (int n = r.Uniform(1, 2); n > 0; --n)
      systems.push_back(AddDatumSystem(object).first);
    auto datum = [&] { return dtmC_DatumRef{owners, cow_String(r.Pick(systems))}; };
    kefC_EngineeringFeatures oriented;
    for (const cow_COW<kefC_Spring>& spring : features.Springs()) {
      std::unique_ptr<kefC_Spring> copy(spring->Clone());
      if (r.Chance(0.6)) {
        copy->SetOrientationDatum(datum());
        told += " spring \"" + std::string(copy->Name().View()) + "\" in \"" +
                std::string(copy->OrientationDatum().name.View()) + "\"";
      }
      oriented.AddSpring(*copy);
    }
    for (const cow_COW<kefC_Inertia>& inertia : features.Inertias()) {
      std::unique_ptr<kefC_Inertia> copy(inertia->Clone());
      if (auto* point = dynamic_cast<kefC_PointMassInertia*>(copy.get()); point && r.Chance(0.6)) {
        point->SetOrientationDatum(datum());
        told += " inertia \"" + std::string(point->Name().View()) + "\" in \"" +
                std::string(point->OrientationDatum().name.View()) + "\"";
      }
      oriented.AddInertia(*copy);
    }
    features = oriented;
  }

  // Calls `orient` on a copy of every object of the repository of
  // `command` (a T); a copy it changes (returning true) replaces the object.
  template <class T, class Repository, class Orient>
  void OrientEach(const char* command, Orient orient) {
    auto* repository = dynamic_cast<Repository*>(&builder.MutableModel().MutableExtension(command));
    if (!repository) return;
    for (const cow_String& name : repository->Keys()) {
      std::unique_ptr<T> copy(repository->ConstGet(name).Clone());
      if (orient(std::string(name.View()), *copy)) repository->Set(name, *copy);
    }
  }

  void AddDatumOrientations() {
    Rng& r = datumRng_;
    if (!r.Chance(0.85)) return;
    std::string told;
    auto note = [&](const std::string& what, const std::string& name, const dtmC_DatumRef& d) {
      told += " " + what + " \"" + name + "\" in \"" + std::string(d.name.View()) + "\"";
    };
    OrientEach<kcoC_Constraint, mdl_MapString2ObjCow<kcoC_Constraint>>(
        bas_NewModel::constraintCmd, [&](const std::string& name, kcoC_Constraint& constraint) {
          if (auto* coupling = dynamic_cast<kcoC_Coupling*>(&constraint)) {
            if (!r.Chance(0.7)) return false;
            coupling->SetDatum(AssemblyDatum());
            note("coupling", name, coupling->Datum());
            return true;
          }
          if (auto* mpc = dynamic_cast<kcoC_MPC*>(&constraint)) {
            if (!r.Chance(0.3)) return false;
            mpc->SetDatum(AssemblyDatum());
            note("MPC", name, mpc->Datum());
            return true;
          }
          auto* equation = dynamic_cast<kcoC_Equation*>(&constraint);
          if (!equation || !r.Chance(0.4)) return false;
          cow_List<kcoC_EquationTerm> terms;
          for (kcoC_EquationTerm term : equation->Terms()) {
            if (r.Chance(0.5)) {
              const std::string system(AssemblyDatum().name.View());
              for (const auto& [datum, id] : assemblyDatums_)
                if (datum == system) term.csysId = static_cast<int>(id);
              told += " equation \"" + name + "\" term \"" + std::string(term.setName.View()) +
                      "\" in \"" + system + "\"";
            }
            terms.Append(term);
          }
          equation->SetTerms(terms);
          return true;
        });
    OrientEach<kloC_Load, kprC_PropagatingContainer<kloC_Load>>(
        bas_NewModel::loadCmd, [&](const std::string& name, kloC_Load& load) {
          const unsigned type = load.DynTypeId();
          if (type == kloC_SurfaceTraction::TypeId() || type == kloC_ShellEdgeLoad::TypeId()) {
            auto& traction = static_cast<kloC_Traction&>(load);
            if (!traction.OrientationName().IsEmpty() || !r.Chance(0.8)) return false;
            traction.SetDatum(AssemblyDatum(), r.Chance(0.5) ? 0.0 : r.Real(-90, 90));
            traction.SetOrientationAxis(r.Uniform(0, 3));
            note("traction", name, traction.DatumRef());
          } else if (type == kloC_InertiaRelief::TypeId()) {
            if (!r.Chance(0.5)) return false;
            static_cast<kloC_InertiaRelief&>(load).SetDatumRef(AssemblyDatum());
            note("inertia relief", name, static_cast<kloC_InertiaRelief&>(load).DatumRef());
          } else if (type == kloC_ConcentratedForce::TypeId() || type == kloC_Moment::TypeId()) {
            if (!r.Chance(0.3)) return false;
            load.SetLocalCsys(AssemblyDatum());
            note("concentrated load", name, load.LocalCsys());
          } else {
            return false;
          }
          return true;
        });
    OrientEach<kbcC_BC, kprC_PropagatingContainer<kbcC_BC>>(
        bas_NewModel::bcCmd, [&](const std::string& name, kbcC_BC& condition) {
          const unsigned type = condition.DynTypeId();
          if (type != kbcC_DisplacementBC::TypeId() && type != kbcC_VelocityBC::TypeId())
            return false;
          if (condition.Region().Name().IsEmpty() || !r.Chance(0.3)) return false;
          condition.SetLocalCsys(AssemblyDatum());
          note("boundary condition", name, condition.LocalCsys());
          return true;
        });
    OrientEach<kprC_AdptMeshCons, kprC_PropagatingContainer<kprC_AdptMeshCons>>(
        bas_NewModel::adaptiveMeshConstraintCmd,
        [&](const std::string& name, kprC_AdptMeshCons& constraint) {
          if (constraint.Region().Name().IsEmpty() || !r.Chance(0.3)) return false;
          constraint.SetLocalCsys(AssemblyDatum());
          note("adaptive mesh constraint", name, constraint.LocalCsys());
          return true;
        });
    OrientEach<korC_IntegratedOutputSection, mdl_MapString2ObjCow<korC_IntegratedOutputSection>>(
        bas_NewModel::integratedOutputSectionCmd,
        [&](const std::string& name, korC_IntegratedOutputSection& section) {
          if (!r.Chance(0.5)) return false;
          section.SetOrientation(AssemblyDatum());
          note("integrated output section", name, section.Orientation());
          return true;
        });
    // Connectors: the wire sets' orientations, one or two systems.
    for (const cow_COW<kern_Object>& attribute : builder.Assembly().SectionAssignments()) {
      const auto* assignment = dynamic_cast<const ptoC_SectionAssignment*>(attribute.Get());
      if (!assignment || !r.Chance(0.6)) continue;
      ptoC_ConnectorOrientation orientation(assignment->RegionRef());
      const auto axis = [&] {
        return static_cast<ptoC_MaterialOrientation::axisEnm>(r.Uniform(0, 2));
      };
      const auto angle = [&] { return r.Chance(0.5) ? 0.0 : r.Real(-45, 45); };
      if (r.Chance(0.8)) orientation.SetFirst(AssemblyDatum(), axis(), angle());
      if (r.Chance(0.5)) orientation.SetSecond(AssemblyDatum(), axis(), angle());
      orientation.SetOneOrientation(r.Chance(0.3));
      builder.AddConnectorOrientation(orientation);
      told += " wire set \"" + std::string(assignment->RegionRef().Name().View()) + "\" oriented";
    }
    // Point fasteners: the system their projection and "orientation=" name,
    // and the one or two systems of their connector elements.
    const kern_Object& held = builder.Assembly().ConstGetEngineeringFeatures();
    if (held.DynTypeId() == kefC_EngineeringFeatures::TypeId()) {
      kefC_EngineeringFeatures features = static_cast<const kefC_EngineeringFeatures&>(held);
      bool changed = false;
      for (const auto& [name, fastener] : features.Fasteners().ConstGetMap()) {
        const auto* point = dynamic_cast<const kefC_PointFastener*>(fastener.Get());
        if (!point || !r.Chance(0.6)) continue;
        kefC_PointFastener copy = *point;
        if (r.Chance(0.6)) copy.localCsys = AssemblyDatum();
        if (r.Chance(0.7)) copy.datum1 = AssemblyDatum();
        if (r.Chance(0.5)) copy.datum2 = AssemblyDatum();
        copy.singleDatum = r.Chance(0.3);
        copy.angle1 = r.Chance(0.5) ? 0.0 : r.Real(-45, 45);
        copy.angle2 = r.Chance(0.5) ? 0.0 : r.Real(-45, 45);
        copy.axis1 = r.Uniform(0, 3);
        copy.axis2 = r.Uniform(0, 3);
        features.AddFastener(name, copy);
        changed = true;
        told += " point fastener \"" + std::string(name.View()) + "\" oriented";
      }
      if (changed) builder.Assembly().SetEngineeringFeatures(features);
    }
    if (!told.empty()) description << "datum systems:" << told << "\n";
  }

  // --- engineering features (drawn from featureRng_) ----------------------

  // A feature name, now and then with blanks, a comma or a dot.
  std::string FeatureName(const std::string& stem) {
    const std::string n = std::to_string(++featureNames_);
    switch (featureRng_.Uniform(0, 5)) {
      case 0:
        return "My " + stem + " " + n;
      case 1:
        return stem + "." + n;
      case 2:
        return stem + "," + n;
      default:
        return stem + "-" + n;
    }
  }

  // A region `name` of `owners` with `nodes` on each instance of `on`.
  static rgnC_Region NodeRegion(const std::string& name, cow_List<cow_String> owners,
                                const std::vector<unsigned>& on, const std::vector<int>& nodes) {
    rgnC_Region region(name, std::move(owners));
    for (unsigned id : on)
      region.SetKernelNodeIndices(static_cast<int>(id), ToList(nodes));
    return region;
  }

  // Up to `most` node indices below `count`.
  std::vector<int> FeatureNodes(std::size_t count, int most) {
    std::vector<int> out;
    for (int i = featureRng_.Uniform(1, most); i > 0; --i)
      out.push_back(featureRng_.Uniform(0, static_cast<int>(count) - 1));
    return out;
  }

  // Flags, degrees of freedom and values of a spring; sometimes neither a
  // spring nor a dashpot, or excluded.
  void SpringValues(kefC_Spring& spring, std::string& told) {
    spring.SetDofs(featureRng_.Uniform(0, 3), featureRng_.Uniform(0, 3));
    if (featureRng_.Chance(0.8)) spring.SetSpringStiffness(featureRng_.Real(1, 1000));
    if (featureRng_.Chance(0.4)) spring.SetDashpotCoefficient(featureRng_.Real(0, 1));
    spring.SetExcluded(featureRng_.Chance(0.1));
    told += std::string(spring.HasSpring() ? " spring" : "") +
            (spring.HasDashpot() ? " dashpot" : "") + (spring.IsExcluded() ? " excluded" : "");
  }

  // Springs of `owners` between nodes of two of `ends` (instance ids with
  // their node counts), or to ground on nodes of one. With `every`, a part's
  // feature: each region holds its nodes on every instance of `every`.
  void AddSprings(kefC_EngineeringFeatures& features, const cow_List<cow_String>& owners,
                  const std::vector<std::pair<unsigned, std::size_t>>& ends,
                  const std::vector<unsigned>* every, std::string& told) {
    for (int i = featureRng_.Uniform(0, 2); i > 0; --i) {
      const auto& [a, aNodes] =
          ends[static_cast<std::size_t>(featureRng_.Uniform(0, static_cast<int>(ends.size()) - 1))];
      const auto& [b, bNodes] =
          ends[static_cast<std::size_t>(featureRng_.Uniform(0, static_cast<int>(ends.size()) - 1))];
      const std::string name = FeatureName("Spring");
      if (featureRng_.Chance(0.6)) {
        kefC_TwoPointSpring spring;
        spring.SetName(name);
        spring.SetKind(featureRng_.Uniform(0, 2));
        cow_List<rgnC_RegionPair> pairs;
        for (int p = featureRng_.Uniform(1, 2); p > 0; --p)
          pairs.Append(rgnC_RegionPair(
              NodeRegion(FeatureName("SpA"), owners, every ? *every : std::vector<unsigned>{a},
                         FeatureNodes(aNodes, 2)),
              NodeRegion(FeatureName("SpB"), owners, every ? *every : std::vector<unsigned>{b},
                         FeatureNodes(bNodes, 2))));
        spring.SetRegionPairs(pairs);
        told += " two-point spring \"" + name + "\" kind " + std::to_string(spring.Kind()) +
                " pairs " + std::to_string(pairs.Length());
        SpringValues(spring, told);
        features.AddSpring(spring);
      } else {
        kefC_SpringToGround spring;
        spring.SetName(name);
        spring.SetRegion(NodeRegion(FeatureName("Gr"), owners,
                                    every ? *every : std::vector<unsigned>{a},
                                    FeatureNodes(aNodes, 3)));
        told += " spring to ground \"" + name + "\"";
        SpringValues(spring, told);
        features.AddSpring(spring);
      }
    }
  }

  // Point masses and heat capacitances on nodes of one of `on`; `every` as
  // for springs.
  void AddPointInertias(kefC_EngineeringFeatures& features, const cow_List<cow_String>& owners,
                        const std::vector<std::pair<unsigned, std::size_t>>& on,
                        const std::vector<unsigned>* every, std::string& told) {
    for (int i = featureRng_.Uniform(0, 2); i > 0; --i) {
      const auto& [id, nodes] =
          on[static_cast<std::size_t>(featureRng_.Uniform(0, static_cast<int>(on.size()) - 1))];
      const rgnC_Region region =
          NodeRegion(FeatureName("Pt"), owners, every ? *every : std::vector<unsigned>{id},
                     FeatureNodes(nodes, 2));
      const std::string name = FeatureName("Inertia");
      if (featureRng_.Chance(0.75)) {
        kefC_PointMassInertia point;
        point.SetName(name);
        point.SetRegions({region});
        if (featureRng_.Chance(0.7)) point.SetMass(featureRng_.Chance(0.1) ? 0.0 : 2.5);
        if (featureRng_.Chance(0.5)) point.SetRotaryInertia({1.0, 2.0, 3.0, 0.0, 0.0, 0.0});
        if (featureRng_.Chance(0.3)) point.SetDamping(0.1, 0.0);
        point.SetExcluded(featureRng_.Chance(0.1));
        told += " point mass \"" + name + "\"" + (point.HasMass() ? " mass" : "") +
                (point.HasRotaryI() ? " rotary" : "") + (point.IsExcluded() ? " excluded" : "");
        features.AddInertia(point);
      } else {
        kefC_HeatCapacitance heat;
        heat.SetName(name);
        heat.SetRegions({region});
        heat.SetTable(false, 0, {{featureRng_.Real(1, 100)}});
        told += " heat capacitance \"" + name + "\"";
        features.AddInertia(heat);
      }
    }
  }

  void AddPartFeatures(const PartPlan& part, ptoK_Part& kernel) {
    if (!(kinds_.springs || kinds_.inertias) || !NodeMembers(part) || part.instances.empty() ||
        !featureRng_.Chance(0.5))
      return;
    kefC_EngineeringFeatures features;
    std::string told;
    const cow_List<cow_String> owners{cow_String(part.name)};
    const std::vector<std::pair<unsigned, std::size_t>> ends{
        {part.instances[0], part.mesh->NumNodes()}};
    if (kinds_.springs) AddSprings(features, owners, ends, &part.instances, told);
    if (kinds_.inertias) {
      AddPointInertias(features, owners, ends, &part.instances, told);
      if (!part.elementSetNames.empty() && featureRng_.Chance(0.9)) {
        kefC_NonstructuralMass mass;
        const std::string name = FeatureName("Nsm");
        const std::string set = featureRng_.Pick(part.elementSetNames);
        mass.SetName(name);
        mass.SetOwnRegion(rgnC_Region(set, owners));
        const int units = featureRng_.Uniform(0, 4);  // 4: a code without a text
        const double value = featureRng_.Chance(0.15) ? 0.0 : 1.5;
        mass.SetValue(units, value, featureRng_.Chance(0.5));
        told += " nonstructural mass \"" + name + "\" on \"" + set + "\" units " +
                std::to_string(units);
        features.AddInertia(mass);
      }
    }
    if (kinds_.datumOrientations) OrientFeatures(features, kernel, owners, told);
    kernel.SetEngineeringFeatures(features);
    if (!told.empty()) description << "part \"" << part.name << "\" features:" << told << "\n";
  }

  // A part "Reduced-n" of one brick held in a file and its substructure
  // instance (id 900), moved and turned.
  void AddSubstructure() {
    if (!kinds_.substructures || !featureRng_.Chance(0.3)) return;
    const std::string part = FeatureName("Reduced");
    auto mesh = hst_GridMesh(1, 1, 1);
    mesh->SetElementFile("Z1", "sub.dat");
    builder.AddPart(part, mesh);
    hst_ModelBuilder::InstanceOptions options;
    options.id = 900;
    options.theory.fileElements = true;
    options.theory.flag = true;  // the context's substructure instance test
    options.substructure = true;
    options.transform =
        gsl_Matrix::Translation({featureRng_.Real(-5, 5), 0.0, featureRng_.Real(-5, 5)}) *
        gsl_Matrix::AxisRotation({0, 0, 0}, {featureRng_.Real(-1, 1), 0.0, 1.0},
                                 featureRng_.Real(-3, 3));
    const std::string name = FeatureName("Sub");
    builder.AddInstance(name, part, options);
    substructure_ = name;
    std::string told;
    if (featureRng_.Chance(0.5)) {
      const std::string set = FeatureName("SubSet");
      rgnC_Region region(set, {});
      region.SetKernelElementIndices(900, {0});
      rgnF_Set whole(region);
      whole.SetId(950);
      whole.SetName(set);
      whole.typeMask = rgnF_Set::kElementSet;
      whole.SetAllSubstructureRegion(true);
      builder.Assembly().FeatureList().Add(whole);
      told = " with the set \"" + set + "\"";
    }
    description << "substructure instance \"" << name << "\" id 900 of \"" << part << "\"" << told
                << "\n";
  }

  // Springs between and point inertias on nodes of instances and of the
  // assembly's own mesh.
  void AddAssemblyFeatures() {
    if (!(kinds_.springs || kinds_.inertias) || !featureRng_.Chance(0.4)) return;
    std::vector<std::pair<unsigned, std::size_t>> ends;
    for (const InstancePlan& instance : instances_)
      if (NodeMembers(parts_[instance.part]))
        ends.emplace_back(instance.options.id, parts_[instance.part].mesh->NumNodes());
    if (assemblyMesh_) ends.emplace_back(ftr_kAssemblyId, assemblyNodes_);
    if (ends.empty()) return;
    kefC_EngineeringFeatures features;
    std::string told;
    const cow_List<cow_String> owners{cow_String("Assembly")};
    if (kinds_.springs) AddSprings(features, owners, ends, nullptr, told);
    if (kinds_.inertias) AddPointInertias(features, owners, ends, nullptr, told);
    if (kinds_.datumOrientations) OrientFeatures(features, builder.Assembly(), {}, told);
    builder.Assembly().SetEngineeringFeatures(features);
    if (!told.empty()) description << "assembly features:" << told << "\n";
  }

  // A hostile name without the unpaired quote the writer refuses: the
  // models that take sections should mostly be written.
  std::string Writable(const std::string& stem) {
    std::string name = Name(stem);
    std::replace(name.begin(), name.end(), '"', '\'');
    return name;
  }

  // A writable name of at most 40 characters, for the names that end up on
  // ply lines (layups, their generated sections, plies, ply orientations):
  // the solver's names hold at most 80 characters, and a ply line, which
  // cannot be broken, holds several of them.
  std::string Short(const std::string& stem) {
    std::string name = Writable(stem);
    if (name.size() > 40) name.resize(40);
    return name;
  }

  // A section that suits the elements of `part`, stored in the model under
  // a new name; beams get a profile (or two, tapered).
  std::string AddSectionFor(const PartPlan& part) {
    std::string name = Writable("Sec");
    const bool two = part.space == ptoK_SPACE_2D;
    switch (part.family) {
      case Family::kShell:
      case Family::kPlanarQuad:
      case Family::kPlanarTri:
        if (two || rng_.Chance(0.5)) {
          if (part.family == Family::kShell && kinds_.plyOrientations && rng_.Chance(0.25)) {
            name.resize(std::min<std::size_t>(name.size(), 40));
            builder.AddSection(name, Composite(part));
            sectionMaterial_ = "Steel";
          } else if (part.family == Family::kShell) {
            kseC_HomogenousShellSection shell;
            shell.material = "Steel";
            sectionMaterial_ = "Steel";
            shell.thickness = rng_.Real(0.01, 1);
            // A thickness from an analytical field at the elements (1) or
            // nodes (3), or from a discrete field (2).
            const int type = rng_.Uniform(0, 3);
            if (type != 0) shell.thicknessField = FieldFor(type != 2);
            if (type != 0 && kinds_.failingFields && rng_.Chance(0.15))
              shell.thicknessField = "NoSuchField";
            if (!shell.thicknessField.IsEmpty()) shell.thicknessType = type;
            // Nodal thickness from a field at the nodes of the region.
            if (kinds_.nodalFields && NodeMembers(part) && rng_.Chance(0.4)) {
              const std::string field = FieldFor(false, kNodalThickness);
              if (!field.empty()) {
                shell.thicknessField = field;
                shell.thicknessType = 4;
                sectionNodal_ = true;
              }
            }
            builder.AddSection(name, shell);
          } else {
            kseC_HomogenousSolidSection solid;
            solid.material = "Steel";
            sectionMaterial_ = "Steel";
            if (rng_.Chance(0.5)) solid.thickness = rng_.Real(0.1, 2);
            builder.AddSection(name, solid);
          }
        } else {
          kseC_MembraneSection membrane;
          membrane.material = "Rubber";
          sectionMaterial_ = "Rubber";
          membrane.thickness = rng_.Real(0.01, 1);
          const int type = rng_.Uniform(0, 2);
          if (type != 0) membrane.thicknessField = FieldFor(type == 1);
          if (type != 0 && kinds_.failingFields && rng_.Chance(0.15))
            membrane.thicknessField = "NoSuchField";
          if (!membrane.thicknessField.IsEmpty()) membrane.thicknessType = type;
          if (kinds_.rebar && rng_.Chance(0.35)) {
            // Rebar of Steel, on this membrane or on a surface section.
            sectionRebar_ = true;
            if (rng_.Chance(0.5)) {
              kseC_SurfaceSection surface;
              surface.rebar = Rebar();
              sectionMaterial_ = "Steel";
              builder.AddSection(name, surface);
              break;
            }
            membrane.rebar = Rebar();
          }
          builder.AddSection(name, membrane);
        }
        break;
      case Family::kBeam: {
        const std::string profile = Writable("Prof");
        kbpC_CircularProfile circle;
        circle.r = rng_.Real(0.01, 0.5);
        builder.AddProfile(profile, circle);
        kseC_BeamSection beam;
        beam.profileName = profile;
        beam.materialName = "Steel";
        sectionMaterial_ = "Steel";
        beam.integration = rng_.Uniform(0, 1);
        if (rng_.Chance(0.3)) {
          const std::string end = Writable("Prof");
          kbpC_CircularProfile endCircle;  // a taper keeps the shape
          endCircle.r = rng_.Real(0.01, 0.5);
          builder.AddProfile(end, endCircle);
          beam.endProfileName = end;
          beam.taper = 1;
          beam.integration = 0;
        }
        builder.AddSection(name, beam);
        break;
      }
      case Family::kTruss: {
        kseC_TrussSection truss;
        truss.material = "Steel";
        sectionMaterial_ = "Steel";
        truss.area = rng_.Real(0.01, 1);
        builder.AddSection(name, truss);
        break;
      }
      default:
        if (kinds_.gasketSections && rng_.Chance(0.15)) {
          kseC_GasketSection gasket;
          gasket.material = "Seal";
          sectionMaterial_ = "Seal";
          builder.AddSection(name, gasket);
        } else if (rng_.Chance(0.25)) {
          kseC_CohesiveSection cohesive;
          cohesive.material = "Glue";
          sectionMaterial_ = "Glue";
          builder.AddSection(name, cohesive);
        } else {
          kseC_HomogenousSolidSection solid;
          solid.material = "Steel";
          sectionMaterial_ = "Steel";
          builder.AddSection(name, solid);
        }
    }
    return name;
  }

  // One or two rebar layers of Steel, one geometry kind for the section.
  kseC_Rebar Rebar() {
    kseC_Rebar rebar;
    rebar.geometry = rng_.Uniform(0, 2);
    const int layers = rng_.Uniform(1, 2);
    for (int i = 0; i < layers; ++i) {
      kseC_LayerProperties layer;
      layer.layerName = Short("Bars");
      layer.material = "Steel";
      layer.r1 = rng_.Real(0.01, 1);
      layer.r2 = rng_.Real(-90, 90);
      layer.r3 = rng_.Real(0.01, 1);
      layer.r5 = rng_.Real(0.01, 1);
      rebar.layers.Append(layer);
    }
    return rebar;
  }

  // A datum system of `part` under a new name.
  std::string Datum(const PartPlan& part) {
    const std::string csys = Writable("Csys");
    dtu_DatumCsys datum(1, {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1});
    datum.SetId(++featureIds_);
    datum.SetName(csys);
    builder.MutablePart(part.name).FeatureList().Add(datum);
    return csys;
  }

  // A composite shell section of Steel plies: at an angle, or (ply
  // orientations on) naming an orientation or a datum system of `part`.
  kseC_CompositeShellSection Composite(const PartPlan& part) {
    kseC_CompositeShellSection section;
    section.symmetric = rng_.Chance(0.3);
    const int plies = rng_.Uniform(1, 3);
    for (int i = 0; i < plies; ++i) {
      kseC_Layer layer;
      layer.thickness = rng_.Real(0.01, 0.5);
      layer.numIntPoints = rng_.Pick(std::vector<int>{1, 3, 5});
      // Fibre: a material sections name only through plies.
      layer.material = kinds_.densities && rng_.Chance(0.3) ? "Fibre" : "Steel";
      layer.plyName = Short("Ply");
      const int form = kinds_.plyOrientations ? rng_.Uniform(0, 2) : 0;
      if (form == 0) layer.orientationAngle = rng_.Real(-90, 90);
      if (form == 1) layer.orientation = Short("PlyOri");
      if (form == 2) layer.datum = dtmC_DatumRef{{cow_String(part.name)}, cow_String(Datum(part))};
      section.layers.Append(layer);
    }
    return section;
  }

  // A layup of `part` over `elements` (mesh indices), expanded into one
  // generated section, assignment and orientation; a discrete orientation
  // of the layup and offsets from the geometry when those kinds are on.
  void AddLayup(const PartPlan& part, const std::vector<int>& elements) {
    ptoK_CompositeLayup layup;
    layup.name = Short("Layup");
    const std::string set = layup.name.Str() + "-1";
    auto expansion = std::make_shared<kseK_LayupExpansion>();
    gdy_CompositeHitSet hits;
    for (int e : elements)
      hits.elementIndices.Append(e);
    expansion->hitSets.Set(set, hits);
    const kseC_CompositeShellSection section = Composite(part);
    expansion->sections.Set(set + "-S", section);
    expansion->assignments.Append(
        cow_COW<kern_Object>(ptoC_SectionAssignment(rgnC_Region(set, {part.name}), set + "-S")));
    ptoC_MaterialOrientation generated;
    generated.SetRegion(rgnC_Region(set, {part.name}));
    generated.SetDefinitionKind(rng_.Chance(0.5) ? ptoC_MaterialOrientation::kDatum
                                                 : ptoC_MaterialOrientation::kGlobal);
    expansion->orientations.Append(cow_COW<kern_Object>(generated));
    for (std::size_t i = 0; i < section.layers.Length(); ++i)
      layup.plies.Append(section.layers[i].plyName);
    layup.plyRegions.Append({false, ElementRegion(part, set + "-Plies", elements, false)});
    layup.layupKind = 1;
    layup.stackDirection = rng_.Uniform(0, 3);
    std::string told;
    if (kinds_.discreteOrientations && rng_.Chance(0.4)) {
      layup.orientationKind = 4;
      layup.orientation = std::make_shared<ptoC_MaterialOrientation>(
          Discrete(ElementRegion(part, set, elements, false), elements.size()));
      told += " discrete orientation";
    }
    if (kinds_.geometryThickness && rng_.Chance(0.4)) {
      layup.offsetKind = 6;
      rgnC_Region& plies = layup.plyRegions.Modify(0).region;
      cow_List<double> offsets;
      for (std::size_t e = 0; e < elements.size(); ++e)
        offsets.Append(rng_.Real(-0.5, 0.5));
      plies.SetKernelOffsets(ToList(elements), offsets);
      told += " geometry offsets";
    }
    layup.expansion = expansion;
    builder.AddCompositeLayup(part.name, layup);
    description << "part \"" << part.name << "\": layup \"" << layup.name.Str() << "\" of "
                << section.layers.Length() << " plies on " << elements.size() << " elements" << told
                << "\n";
  }

  // A discrete orientation over `region`: per element a normal and a
  // primary axis turned in the plane.
  ptoC_MaterialOrientation Discrete(const rgnC_Region& region, std::size_t elements) {
    ptoC_MaterialOrientation orientation;
    orientation.SetRegion(region);
    orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDiscrete);
    ptoC_MaterialOrientation::KernelAxes axes;
    for (std::size_t e = 0; e < elements; ++e) {
      const double a = rng_.Real(0, 3);
      axes.lists[0].Append(gsl_Vector(0, 0, 1));
      axes.lists[1].Append(gsl_Vector(std::cos(a), std::sin(a), 0));
    }
    axes.lists[2] = axes.lists[3] = axes.lists[0];
    axes.fails = rng_.Chance(0.05);
    orientation.SetKernelDiscreteAxes(axes);
    return orientation;
  }

  // A region of `part` named `name` over the elements `elements` (mesh
  // indices) of each of its instances.
  rgnC_Region ElementRegion(const PartPlan& part, const std::string& name,
                            const std::vector<int>& elements, bool picked) {
    rgnC_Region region(name, {part.name});
    region.SetPicked(picked);
    for (unsigned instance : part.instances)
      region.SetKernelElementIndices(static_cast<int>(instance), ToList(elements));
    return region;
  }

  // Section assignments of `part`: the first on a named set (the whole part
  // or some elements) or a picked region; then perhaps a second over some
  // elements (it wins there, splitting the first), one naming a section the
  // model lacks, and material orientations over some elements.
  void AddSectionAssignments(const PartPlan& part, ptoK_Part& kernel, unsigned& id) {
    const std::size_t count = part.mesh->NumElements();
    std::vector<int> all(count);
    for (std::size_t e = 0; e < count; ++e)
      all[e] = static_cast<int>(e);
    // A layup takes the last elements; the part's own assignments and
    // orientations the others.
    std::vector<int> layup;
    if (kinds_.layups && part.family == Family::kShell && count >= 2 && rng_.Chance(0.4)) {
      const std::size_t taken = count >= 3 && rng_.Chance(0.5) ? 2 : 1;
      layup.assign(all.end() - static_cast<std::ptrdiff_t>(taken), all.end());
      all.resize(count - taken);
    }
    auto some = [&](int most) {
      std::vector<int> picked = Indices(all.size(), most);
      for (int& index : picked)
        index = all[static_cast<std::size_t>(index)];
      return picked;
    };
    bool geometryDone = false;
    std::string pickedName;  // the name of the last picked region
    const int assignments = rng_.Uniform(1, 3);
    for (int a = 0; a < assignments; ++a) {
      const std::vector<int> elements = a == 0 && rng_.Chance(0.6) ? all : some(3);
      const bool picked = rng_.Chance(0.4);
      std::string regionName = Writable(picked ? "Pick" : "Sect");
      if (picked && kinds_.pickedRegions && !pickedName.empty() && rng_.Chance(0.6)) {
        regionName = pickedName;
        description << "part \"" << part.name << "\": picked region \"" << regionName
                    << "\" again\n";
      }
      if (picked) pickedName = regionName;
      const bool suppressed = kinds_.suppressedAssignments && rng_.Chance(0.1);
      if (!picked) {  // a set feature of the part under the region's name
        rgnF_Set set(ElementRegion(part, regionName, elements, false));
        set.SetId(++id);
        set.SetName(regionName);
        set.typeMask = rgnF_Set::kElementSet;
        kernel.FeatureList().Add(set);
      }
      std::string section;
      if (a > 0 && rng_.Chance(0.1)) {
        section = Writable("NoSuchSection");
      } else {
        section = AddSectionFor(part);
        for (const InstancePlan& instance : instances_)
          if (&parts_[instance.part] == &part && Written(instance) && !suppressed)
            assignedMaterials_.insert(sectionMaterial_);
      }
      rgnC_Region region = ElementRegion(part, regionName, elements, picked);
      if (sectionNodal_) {  // the nodes the nodal thickness is given at
        const std::vector<int> nodes = Indices(part.mesh->NumNodes(), 4);
        for (unsigned instance : part.instances)
          region.SetKernelNodeIndices(static_cast<int>(instance), ToList(nodes));
        sectionNodal_ = false;
      }
      // Thickness (at some nodes) and offsets (per element) from the
      // geometry, on one assignment of a shell part or on two adjacent ones.
      const bool geometry = kinds_.geometryThickness && part.family == Family::kShell &&
                            NodeMembers(part) && (!geometryDone || rng_.Chance(0.5)) &&
                            rng_.Chance(0.3);
      bool geometryOffsets = false;
      if (geometry) {
        geometryDone = true;
        const std::vector<int> nodes = Indices(part.mesh->NumNodes(), 4);
        cow_List<double> thicknesses, offsets;
        for (std::size_t n = 0; n < nodes.size(); ++n)
          thicknesses.Append(rng_.Real(0.01, 1));
        for (unsigned instance : part.instances)
          region.SetKernelNodeIndices(static_cast<int>(instance), ToList(nodes));
        region.SetKernelThicknesses(ToList(nodes), thicknesses);
        geometryOffsets = rng_.Chance(0.5);
        if (geometryOffsets) {
          for (std::size_t e = 0; e < elements.size(); ++e)
            offsets.Append(rng_.Real(-0.5, 0.5));
          region.SetKernelOffsets(ToList(elements), offsets);
        }
        description << "part \"" << part.name << "\": thickness"
                    << (geometryOffsets ? " and offsets" : "") << " from the geometry on \""
                    << regionName << "\"\n";
      }
      ptoC_SectionAssignment assignment(region, section);
      if (suppressed) {
        assignment.SetSuppressed(true);
        description << "part \"" << part.name << "\": assignment on \"" << regionName
                    << "\" suppressed\n";
      }
      if (geometry)
        assignment.SetThicknessAssignment(ptoC_SectionAssignment::kThicknessFromGeometry);
      // A shell offset given by a discrete field.
      const std::string offset = FieldFor(false, kOffset);
      if (geometryOffsets)
        assignment.SetOffset(6);
      else if (part.family == Family::kShell && !offset.empty() && rng_.Chance(0.4))
        assignment.SetOffset(5, 0.0, offset);
      kernel.AddAttribute(assignment);
    }
    if (!layup.empty()) AddLayup(part, layup);
    if (sectionRebar_) {  // a rebar orientation on a datum system, over some elements
      sectionRebar_ = false;
      ptoC_RebarOrientation orientation;
      orientation.SetRegion(
          ElementRegion(part, Writable("Rebar"), rng_.Chance(0.5) ? all : some(3), true));
      orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
      orientation.SetDatumRef({{part.name}, Datum(part)});
      kernel.AddAttribute(orientation);
      description << "part \"" << part.name << "\": rebar orientation\n";
    }
    const int orientations = rng_.Chance(0.4) ? rng_.Uniform(1, 2) : 0;
    for (int o = 0; o < orientations; ++o) {
      ptoC_MaterialOrientation orientation;
      const std::vector<int> elements = rng_.Chance(0.3) ? all : some(3);
      const std::string regionName = Writable("Ori");
      orientation.SetRegion(ElementRegion(part, regionName, elements, true));
      orientation.SetStackDirection(rng_.Uniform(0, 3));
      int form = rng_.Uniform(0, 2);
      if ((kinds_.discreteOrientations || kinds_.fieldOrientations) && rng_.Chance(0.4))
        form =
            kinds_.discreteOrientations && (!kinds_.fieldOrientations || rng_.Chance(0.5)) ? 3 : 4;
      std::string angleField;
      switch (form) {
        case 3:
          orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDiscrete);
          orientation.SetKernelDiscreteAxes(
              Discrete(orientation.Region(), elements.size()).KernelDiscreteAxes());
          break;
        case 4:
          if (!FieldFor(false, kOrientationField).empty()) {
            orientation.SetDefinitionKind(ptoC_MaterialOrientation::kField);
            orientation.SetFieldName(FieldFor(false, kOrientationField));
          }
          if (rng_.Chance(0.5)) angleField = FieldFor(false, kAngle);
          break;
        case 0:
          break;
        case 1: {
          const std::string csys = Writable("Csys");
          dtu_DatumCsys datum(1, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
          datum.SetId(++id);
          datum.SetName(csys);
          kernel.FeatureList().Add(datum);
          orientation.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
          orientation.SetDatumRef({{part.name}, csys});
          break;
        }
        default:
          orientation.SetDefinitionKind(ptoC_MaterialOrientation::kUser);
      }
      if (rng_.Chance(0.3)) {
        orientation.SetAdditionalRotation(ptoC_MaterialOrientation::kRotationAngle,
                                          rng_.Real(-90, 90), "");
      }
      if (!angleField.empty())
        orientation.SetAdditionalRotation(ptoC_MaterialOrientation::kRotationField, 0.0,
                                          angleField);
      kernel.AddAttribute(orientation);
    }
  }

  // A point section on the part's reference points, with a material
  // orientation on a datum system (or a dangling one, or none).
  void AddPointSection(const PartPlan& part, ptoK_Part& kernel, unsigned id) {
    const std::string section = Name("Point");
    const std::string regionName = Name("Pt");
    const rgnC_Region region(regionName, {part.name});
    kseC_PointSection point;
    if (rng_.Chance(0.6)) point.SetMass(rng_.Real(0.1, 10));
    if (rng_.Chance(0.3)) point.SetDamping(rng_.Real(0, 0.1), 0.0);
    if (rng_.Chance(0.6))
      point.SetRotaryInertia({rng_.Real(0, 1), 0.0, rng_.Chance(0.5) ? 0.1 : 0.0, rng_.Real(0, 1),
                              0.0, rng_.Real(0, 1)});
    if (rng_.Chance(0.4)) point.SetHeatCapacitance(rng_.Real(1, 100));
    builder.AddSection(section, point);
    kernel.AddAttribute(ptoC_SectionAssignment(region, section));
    const int orientation = rng_.Uniform(0, 3);
    if (orientation == 0) return;
    ptoC_MaterialOrientation material;
    material.SetRegion(region);
    if (orientation >= 2) {
      const std::string csys = Name("Csys");
      material.SetDefinitionKind(ptoC_MaterialOrientation::kDatum);
      material.SetDatumRef({{part.name}, csys});
      if (orientation == 3) {
        dtu_DatumCsys datum(rng_.Uniform(1, 3), {rng_.Real(-1, 1), 0, 0}, {0, 1, 0}, {-1, 0, 0},
                            {0, 0, 1});
        datum.SetId(id);
        datum.SetName(csys);
        kernel.FeatureList().Add(datum);
      }
    } else {
    }
    kernel.AddAttribute(material);
  }

  void AddAssemblyNodes() {
    if (!rng_.Chance(0.25)) return;
    auto mesh = std::make_shared<bme_Mesh>();
    assemblyNodes_ = static_cast<std::size_t>(rng_.Uniform(0, 3));
    for (std::size_t i = 0; i < assemblyNodes_; ++i)
      mesh->MutableNodeData().MutableCoordinates().insert(
          mesh->MutableNodeData().MutableCoordinates().end(),
          {static_cast<float>(i), 5.0f, static_cast<float>(rng_.Real(0, 1))});
    const int points = rng_.Uniform(0, 2);
    builder.AddAssemblyNodes(mesh, points);
    assemblyMesh_ = assemblyNodes_ > 0;
    description << "assembly nodes " << assemblyNodes_ << " reference points " << points << "\n";
  }

  // Assembly sets and surfaces over random instances (and the assembly's own
  // nodes).
  void AddAssemblyRegions() {
    ftr_FeatureList& features = builder.Assembly().FeatureList();
    unsigned id = 100;
    const int sets = instances_.empty() ? 0 : rng_.Uniform(0, 3);
    for (int s = 0; s < sets; ++s) {
      const std::string name = Name("ASet");
      rgnC_Region region(name, {});
      const int mask = rng_.Pick(
          std::vector<int>{rgnF_Set::kGeometrySet, rgnF_Set::kElementSet, rgnF_Set::kNodeSet});
      std::string told;
      for (const InstancePlan& instance : instances_) {
        const PartPlan& part = parts_[instance.part];
        if (!rng_.Chance(0.5)) continue;
        const int key = static_cast<int>(instance.options.id);
        if (mask != rgnF_Set::kElementSet && NodeMembers(part)) {
          const std::vector<int> nodes = Indices(part.mesh->NumNodes(), 4);
          region.SetKernelNodeIndices(key, ToList(nodes));
          told += " nodes of \"" + instance.name + "\"";
        }
        if (mask != rgnF_Set::kNodeSet && ElementMembers(part)) {
          const std::vector<int> elements = Indices(part.mesh->NumElements(), 2);
          region.SetKernelElementIndices(key, ToList(elements));
          told += " elements of \"" + instance.name + "\"";
        }
      }
      if (assemblyMesh_ && mask != rgnF_Set::kElementSet && rng_.Chance(0.5)) {
        const std::vector<int> nodes = Indices(assemblyNodes_, 2);
        region.SetKernelNodeIndices(static_cast<int>(ftr_kAssemblyId), ToList(nodes));
        told += " assembly nodes";
      }
      rgnF_Set set(region);
      set.SetId(++id);
      set.SetName(name);
      set.typeMask = mask;
      features.Add(set);
      if (mask != rgnF_Set::kElementSet) assemblySets_.push_back(name);
      assemblyRegions_[name] = region;
      description << "assembly set \"" << name << "\" mask " << mask << told << "\n";
    }
    if (!instances_.empty() && rng_.Chance(0.3)) {
      const std::string name = Name("ASurf");
      rgnC_Region region(name, {});
      std::string told;
      for (const InstancePlan& instance : instances_) {
        const PartPlan& part = parts_[instance.part];
        if (!ElementMembers(part) || part.faces.empty() || !rng_.Chance(0.5)) continue;
        const std::vector<int> elements = Indices(part.mesh->NumElements(), 2);
        cow_List<cow_String> faces;
        for (std::size_t e = 0; e < elements.size(); ++e)
          faces.Append(rng_.Pick(part.faces));
        region.SetKernelElementIndices(static_cast<int>(instance.options.id), ToList(elements),
                                       faces);
        told += " faces of \"" + instance.name + "\"";
      }
      rgnF_Surface surface(region);
      surface.SetId(++id);
      surface.SetName(name);
      features.Add(surface);
      assemblySurfaces_[name] = region;
      description << "assembly surface \"" << name << "\"" << told << "\n";
    }
  }

  // An end of a wire on a random node of a written instance whose nodes are
  // numbered 1.. (the dot's label is a mesh index + 1), or no dot.
  rgnC_Dot WireEnd(const std::vector<const InstancePlan*>& ends, std::string& told) {
    if (rng_.Chance(0.15)) {
      told += " ground";
      return rgnC_Dot{.missing = true};
    }
    const InstancePlan& instance = *rng_.Pick(ends);
    const int nodes = static_cast<int>(parts_[instance.part].mesh->NumNodes());
    const int label = rng_.Uniform(1, nodes);
    told += " \"" + instance.name + "\"." + std::to_string(label);
    return rgnC_Dot{.resolved = true, .instanceId = instance.options.id, .label = label};
  }

  // Assembly element sets of wires (and now and then attachment lines), each
  // taking a connector section of random behaviour (some shared by two sets)
  // or an MPC section.
  void AddConnectors() {
    if (!kinds_.connectors) return;
    std::vector<const InstancePlan*> ends;
    for (const InstancePlan& instance : instances_)
      if (Written(instance) && NodeMembers(parts_[instance.part]) &&
          parts_[instance.part].mesh->NumNodes() >= 2)
        ends.push_back(&instance);
    if (ends.empty() || !rng_.Chance(0.6)) return;
    // The attachment line joins one set at most: a line of two sets would
    // be written as two elements, one in each set.
    bool attachmentLine = rng_.Chance(0.3);
    if (attachmentLine) {
      builder.AddAssemblyAttachmentLine(1, 1, 2).AddAssemblyAttachmentNode(0, 3);
      description << "assembly attachment line 1 and node 0\n";
    }
    ftr_FeatureList& features = builder.Assembly().FeatureList();
    unsigned id = 900;
    int edge = 10;
    std::vector<std::string> sections;
    const int sets = rng_.Uniform(1, 3);
    for (int s = 0; s < sets; ++s) {
      const std::string name = Name("Wires");
      std::string told;
      cow_List<rgnC_GeomComponent> components;
      for (int w = rng_.Uniform(1, 3); w > 0; --w) {
        rgnC_GeomComponent wire{
            .kind = rgnC_GeomComponent::kEdge, .index = ++edge, .nonMeshable = true};
        told += " wire";
        wire.ends[0] = WireEnd(ends, told);
        wire.ends[1] = WireEnd(ends, told);
        components.Append(wire);
      }
      if (attachmentLine && rng_.Chance(0.5)) {
        attachmentLine = false;
        components.Append(rgnC_GeomComponent{
            .kind = rgnC_GeomComponent::kEdge, .index = 1, .attachmentLine = true});
        told += " attachment line 1";
      }
      rgnC_Region region(name, {});
      region.SetKernelComponents(components);
      rgnF_Set set(region);
      set.SetId(++id);
      set.SetName(name);
      set.typeMask = rgnF_Set::kElementSet;
      features.Add(set);
      // The assignment names the set as an assembly region.
      region.AddOwnerName("Assembly");

      std::string section;
      if (!sections.empty() && rng_.Chance(0.3)) {
        section = rng_.Pick(sections);
        builder.Assembly().AddSectionAssignment(ptoC_SectionAssignment(region, section));
      } else if (rng_.Chance(0.2)) {
        section = Writable("Mpc");
        builder.AddAssemblySection(section, kseC_MPCSection(rng_.Uniform(0, 5), 0, 2), region);
      } else {
        section = Writable("Conn");
        kseC_ConnectorSection connector =
            aif_test::RandomConnectorBehavior(static_cast<unsigned>(rng_.Uniform(0, 1 << 20)))
                .Section();
        connector.SetTypes(0, 1, 2);
        connector.SetConnectionTypeText("Cartesian + Cardan");
        builder.AddAssemblySection(section, connector, region);
        sections.push_back(section);
        connectorSets_.push_back(name);
      }
      description << "wire set \"" << name << "\" section \"" << section << "\"" << told << "\n";
    }
  }

  // Interactions naming node sets of instances or of the assembly for
  // contact.
  void AddContactNodeSets() {
    cow_List<rgnC_Region> regions;
    std::string told;
    for (const InstancePlan& instance : instances_)
      for (const std::string& set : parts_[instance.part].setNames)
        if (rng_.Chance(0.3)) {
          regions.Append(rgnC_Region(set, {"Assembly", instance.name}));
          told += " \"" + instance.name + "\".\"" + set + "\"";
        }
    for (const std::string& set : assemblySets_)
      if (rng_.Chance(0.3)) {
        regions.Append(rgnC_Region(set, {"Assembly"}));
        told += " \"" + set + "\"";
      }
    if (regions.IsEmpty()) return;
    kinC_Interaction contact;
    contact.SetContactNodeSets(regions);
    auto& interactions = static_cast<kprC_PropagatingContainer<kinC_Interaction>&>(
        builder.MutableModel().MutableExtension(bas_NewModel::interactionCmd));
    interactions.Set("Int-1", contact);
    description << "contact node sets" << told << "\n";
  }

  // The uses of a discrete field. A field serves one of them: the writer
  // names a field's distribution and table after the field alone, so one
  // field with two column types in one scope would be defined twice.
  enum Use { kDensity, kThickness, kOffset, kOrientationField, kAngle, kNodalThickness, kUses };

  // The name of a field of the model: analytical, or discrete for `use`;
  // empty when the model has none.
  std::string FieldFor(bool analytical, Use use = kThickness) {
    const std::vector<std::string>& names =
        analytical ? analyticalFields_ : discreteFields_[static_cast<std::size_t>(use)];
    return names.empty() ? std::string() : rng_.Pick(names);
  }

  // Whether `instance` is written with its mesh: active, its mesh not
  // locked.
  bool Written(const InstancePlan& instance) const {
    return instance.options.active && !(instance.options.locks & ftr_LOCK_MESH);
  }

  // Discrete fields at the elements (a table of some elements per written
  // instance, its labels the index + 1 of meshes numbered 1..; tables of
  // instances the deck leaves out would name elements it lacks) and
  // analytical fields (expressions of the coordinates, or mapped values,
  // one time in six with a note).
  void AddFields() {
    AddLaterFields();
    const int discrete = rng_.Uniform(0, 3);
    const int firstUse = rng_.Uniform(0, 2);
    for (int f = 0; f < discrete; ++f) {
      std::vector<Use> uses = {static_cast<Use>((firstUse + f) % 3)};
      // One field under two column types: a density and a thickness or an
      // offset.
      if (kinds_.densities && rng_.Chance(0.3))
        uses = {kDensity, rng_.Chance(0.5) ? kThickness : kOffset};
      AddElementField(Writable("DField"), uses);
    }
    const int analytical = rng_.Uniform(0, 2);
    for (int f = 0; f < analytical; ++f) {
      const std::string name = Writable("AField");
      std::string told;
      if (rng_.Chance(0.6)) {
        kfdC_ExpressionField field;
        field.SetDescription(Writable("Expr"));
        field.constant = rng_.Real(0.5, 2);
        field.gradient = {rng_.Real(-0.1, 0.1), 0.0, rng_.Real(-0.1, 0.1)};
        builder.AddAnalyticalField(name, field);
        expressionFields_.push_back(name);
        told = "expression";
      } else {
        kfdC_MappedField field;
        for (int index = 0; index < 3; ++index)
          if (rng_.Chance(0.6)) field.values.Set(index, rng_.Real(0.5, 2));
        field.fallback = rng_.Real(0.5, 2);
        if (rng_.Chance(0.15)) field.note = "Mapped with points outside.", told += " note";
        builder.AddAnalyticalField(name, field);
        told = "mapped" + told;
      }
      analyticalFields_.push_back(name);
      description << "analytical field \"" << name << "\" " << told << "\n";
    }
    if (kinds_.failingFields && rng_.Chance(0.3)) {  // a mapping that fails
      const std::string name = Writable("FailField");
      kfdC_MappedField field;
      field.failure = "The mapping found no source points.";
      builder.AddAnalyticalField(name, field);
      analyticalFields_.push_back(name);
      description << "analytical field \"" << name << "\" failing\n";
    }
    // A discrete field named like the distribution of an analytical
    // density ("<material>_<field>"), or like an analytical field.
    if (kinds_.densities && !analyticalFields_.empty() && rng_.Chance(0.3)) {
      const std::string& like = rng_.Pick(analyticalFields_);
      const std::vector<std::string> materials = {"Steel", "Rubber", "Fibre"};
      const bool same = kinds_.likeNamedFields && rng_.Chance(0.5);
      AddElementField(same ? like : rng_.Pick(materials) + "_" + like,
                      {kDensity, rng_.Chance(0.5) ? kThickness : kDensity});
    }
  }

  // A discrete field at the elements for `uses`: a table of some elements
  // per written instance whose elements are numbered 1.. (labels the index
  // + 1); a density field (densities on) also holds tables of instances the
  // deck leaves out.
  void AddElementField(const std::string& name, const std::vector<Use>& uses) {
    kfdC_DiscreteField field;
    field.SetLocation(kfdC_DiscreteField::kElements);
    field.SetDefaultValues({rng_.Real(0.1, 10)});
    if (rng_.Chance(0.5)) field.SetDescription(Writable("About"));
    const bool density = std::find(uses.begin(), uses.end(), kDensity) != uses.end();
    std::string told;
    for (const InstancePlan& instance : instances_) {
      const PartPlan& part = parts_[instance.part];
      if (!ElementMembers(part)) continue;
      if (!Written(instance) && !(kinds_.densities && density)) continue;
      kfdC_DataTable table(instance.name);
      for (int index : Indices(part.mesh->NumElements(), 3))
        table.AddDomainValue(index + 1, rng_.Real(0.1, 10));
      field.AddDataTable(table);
      told += " \"" + instance.name + "\"";
    }
    builder.AddDiscreteField(name, field);
    description << "discrete field \"" << name << "\" use";
    for (Use use : uses) {
      std::vector<std::string>& names = discreteFields_[use];
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
      description << " " << use;
    }
    description << " tables" << told << "\n";
  }

  // A discrete field for `use`: a table per written instance of a part
  // whose nodes (`nodes`) or elements are numbered 1.., `components` values
  // a row.
  void AddDiscreteField(Use use, bool nodes, int components, int dataKind) {
    const std::string name = Writable(nodes ? "NField" : "DField");
    kfdC_DiscreteField field;
    field.SetLocation(nodes ? kfdC_DiscreteField::kNodes : kfdC_DiscreteField::kElements);
    field.SetDataKind(dataKind);
    field.SetComponentCount(components);
    // Orientation rows: two unit axes, the first turned in the plane.
    auto values = [&](std::vector<double>& row) {
      row.assign(static_cast<std::size_t>(components), 0.0);
      if (components == 6) {
        const double a = rng_.Real(0, 3);
        row = {std::cos(a), std::sin(a), 0.0, -std::sin(a), std::cos(a), 0.0};
      } else {
        row[0] = rng_.Real(0.1, 10);
      }
    };
    std::vector<double> row;
    values(row);
    cow_List<double> defaults;
    for (double value : row)
      defaults.Append(value);
    field.SetDefaultValues(defaults);
    std::string told;
    for (const InstancePlan& instance : instances_) {
      const PartPlan& part = parts_[instance.part];
      if (!(nodes ? NodeMembers(part) : ElementMembers(part)) || !Written(instance)) continue;
      kfdC_DataTable table(instance.name, components);
      for (int index : Indices(nodes ? part.mesh->NumNodes() : part.mesh->NumElements(), 3)) {
        values(row);
        table.AddDomainValue(index + 1, row.data());
      }
      field.AddDataTable(table);
      told += " \"" + instance.name + "\"";
    }
    builder.AddDiscreteField(name, field);
    discreteFields_[use].push_back(name);
    description << "discrete field \"" << name << "\" use " << use << (nodes ? " at nodes" : "")
                << " tables" << told << "\n";
  }

  // The fields of the object kinds switched on.
  void AddLaterFields() {
    if (kinds_.fieldOrientations && rng_.Chance(0.5)) {
      AddDiscreteField(kOrientationField, false, 6, kfdC_DiscreteField::kOrientations);
      AddDiscreteField(kAngle, false, 1, kfdC_DiscreteField::kValues);
    }
    if (kinds_.nodalFields && rng_.Chance(0.5))
      AddDiscreteField(kNodalThickness, true, 1, kfdC_DiscreteField::kValues);
  }

  template <class O>
  cow_COW<O> Behaviour(int values) {
    O option;
    cow_2DArray<double> table(static_cast<std::size_t>(rng_.Uniform(1, 3)),
                              static_cast<std::size_t>(values));
    for (std::size_t r = 0; r < table.Rows(); ++r)
      for (std::size_t c = 0; c < table.Columns(); ++c)
        table.Modify(r, c) = rng_.Real(0, 1000);
    option.table = kmaC_MaterialTable(table);
    return cow_COW<O>(option);
  }

  // The materials the sections name (a material no section names besides),
  // each with a few behaviours, a description and a regularization now and
  // then.
  void AddMaterials() {
    std::vector<std::string> names = {"Steel", "Rubber", "Glue"};
    const int extra = rng_.Uniform(0, 2);
    for (int i = 0; i < extra; ++i)
      names.push_back(Writable("Mat"));
    // Gasket sections name Seal, which has a gasket behaviour.
    if (kinds_.gasketSections) names.push_back("Seal");
    if (kinds_.densities) names.push_back("Fibre");
    // Now and then a density the writer refuses, on Steel.
    const int refused = kinds_.densities && rng_.Chance(0.05) ? rng_.Uniform(0, 4) : -1;
    if (refused == 4) {
      names.push_back("STEEL");
      refusals.push_back("differ only in letter case");
    }
    for (const std::string& name : names) {
      kmaC_Material m;
      std::string told;
      if (rng_.Chance(0.3)) m.description = Writable("About"), told += " described";
      if (rng_.Chance(0.2)) {
        kmaC_Regularization r;
        r.rtol = rng_.Chance(0.5) ? 0.03 : rng_.Real(0.01, 0.1);
        r.strainRateRegularization =
            static_cast<kmaC_Regularization::StrainRateRegularizationEnm>(rng_.Uniform(0, 1));
        m.regularization = cow_COW<kmaC_Regularization>(r);
        told += " regularized";
      }
      if (rng_.Chance(0.8)) m.elastic = Behaviour<kmaC_Elastic>(2), told += " elastic";
      const bool refusedHere = name == "Steel" && refused >= 0 && refused < 4;
      if (rng_.Chance(0.5) || refusedHere) {
        m.density = Behaviour<kmaC_Density>(1);
        told += " density";
        // A density given by an analytical (1) or a discrete (2) field: any
        // material when densities are on (one no element uses, or whose
        // mapping fails, is left without "*Density"), else only materials
        // the sections of written instances name.
        int kind = rng_.Uniform(0, 2);
        std::string field;
        if (kind == 2) field = FieldFor(false, kDensity);
        if (kind == 1 && (kinds_.densities || assignedMaterials_.count(name)))
          field = FieldFor(true);
        if (refusedHere) {
          kind = refused >= 2 ? 2 : rng_.Uniform(1, 2);
          field = RefusedDensityField(refused);
        }
        if (!field.empty() || refusedHere) {
          kmaC_Density density = *m.density;
          density.densityKind = kind;
          density.fieldName = field;
          m.density = cow_COW<kmaC_Density>(density);
          told += " from field \"" + field + "\"";
        }
      }
      if (rng_.Chance(0.3)) m.plastic = Behaviour<kmaC_Plastic>(2), told += " plastic";
      if (rng_.Chance(0.2)) m.expansion = Behaviour<kmaC_Expansion>(1), told += " expansion";
      if (rng_.Chance(0.2)) {
        m.damageInitiation[static_cast<std::size_t>(rng_.Uniform(0, 13))] =
            Behaviour<kmaC_DamageInitiation>(2);
        told += " damage";
      }
      if (rng_.Chance(0.15) || name == "Seal") {
        m.membraneElastic = Behaviour<kmaC_MembraneElastic>(1);
        told += " gasket";
      }
      builder.AddMaterial(name, m);
      description << "material \"" << name << "\"" << told << "\n";
    }
  }

  // The field of a density the writer refuses (`refused`: 0 a field the
  // model lacks, 1 none, 2 a discrete field with a table naming no
  // instance, 3 a discrete field at nodes), noting the refusal expected.
  std::string RefusedDensityField(int refused) {
    if (refused == 0) {
      refusals.push_back("which the model does not define.");
      return "NoSuchField";
    }
    if (refused == 1) {
      refusals.push_back("field but names none.");
      return std::string();
    }
    const std::string name = Writable(refused == 2 ? "Anonymous" : "NodeDensity");
    kfdC_DiscreteField field;
    field.SetLocation(refused == 2 ? kfdC_DiscreteField::kElements : kfdC_DiscreteField::kNodes);
    field.SetDefaultValues({rng_.Real(0.1, 10)});
    kfdC_DataTable table(refused == 2 ? std::string() : std::string("Nowhere"));
    table.AddDomainValue(1, rng_.Real(0.1, 10));
    field.AddDataTable(table);
    for (const InstancePlan& instance : instances_) {
      const PartPlan& part = parts_[instance.part];
      if (refused == 3 && NodeMembers(part) && Written(instance)) {
        kfdC_DataTable own(instance.name);
        own.AddDomainValue(1, rng_.Real(0.1, 10));
        field.AddDataTable(own);
      }
    }
    builder.AddDiscreteField(name, field);
    description << "discrete field \"" << name << "\" refused as a density\n";
    // A field at nodes is refused as a density only when the material
    // is processed as discrete.
    refusals.push_back(refused == 2 ? "which holds a table naming no instance."
                                    : "holds values at nodes");
    return name;
  }

  void PlanEnvironment() {
    const std::vector<std::string> offsets = {"0",          "7",   "1000", "123456",
                                              "1073741823", "abc", "-5",   "2000000000"};
    if (rng_.Chance(0.4)) nodeOffset = rng_.Pick(offsets);
    if (rng_.Chance(0.4)) elementOffset = rng_.Pick(offsets);
    const int mode = rng_.Uniform(0, 9);
    if (mode <= 3) noPartsKey = mode < 3 ? 1 : 0;
    if (mode == 4) builder.MutableModel().SetVersionTag("v5"), description << "version v5\n";
    if (mode == 5)
      builder.Assembly().SetRequiresFlatInputFile(true), description << "requires flat\n";
    jobKeywords = rng_.Chance(0.3);
    description << "cae_no_parts_input_file "
                << (noPartsKey < 0 ? std::string("unset") : std::to_string(noPartsKey))
                << ", TVN_AIF_NODEOFFSET " << (nodeOffset.empty() ? "unset" : nodeOffset)
                << ", TVN_AIF_ELEMENTOFFSET " << (elementOffset.empty() ? "unset" : elementOffset)
                << (jobKeywords ? ", job keywords" : "") << "\n";
  }

  // --- steps ---------------------------------------------------------------

  // The assembly set `name` as a step refers to it, with the members the set
  // holds (so that the region kernel sees them).
  rgnC_Region AssemblyRef(const std::string& name) const {
    rgnC_Region ref(name, {"Assembly"});
    const rgnC_Region& set = assemblyRegions_.at(name);
    for (const auto& [id, nodes] : set.KernelNodeIndices())
      ref.SetKernelNodeIndices(id, nodes);
    for (const auto& [id, elements] : set.KernelElementIndices())
      ref.SetKernelElementIndices(id, elements);
    return ref;
  }
  // The assembly sets holding nodes or elements the deck writes (of an
  // instance written with its own mesh, or the assembly's own nodes): those
  // that are written as node or element sets.
  std::vector<std::string> AssemblySetsWith(bool nodes) const {
    auto written = [&](int id) {
      if (nodes && id == static_cast<int>(ftr_kAssemblyId)) return true;
      for (const InstancePlan& instance : instances_)
        if (static_cast<int>(instance.options.id) == id)
          return Written(instance) && !instance.options.lightweight;
      return false;
    };
    std::vector<std::string> names;
    for (const auto& [name, region] : assemblyRegions_) {
      const auto& members = nodes ? region.KernelNodeIndices() : region.KernelElementIndices();
      for (const auto& [id, list] : members)
        if (!list.IsEmpty() && written(id)) {
          names.push_back(name);
          break;
        }
    }
    return names;
  }

  kprC_Incrementation StepIncrements(kprC_Incrementation increments) {
    Rng& r = stepRng_;
    increments.SetMethod(r.Uniform(0, 1));
    if (r.Chance(0.3)) increments.SetMaxNumInc(r.Pick(std::vector<int>{1, 100, 101, 10000}));
    if (r.Chance(0.3)) increments.SetAmplitude(r.Uniform(0, 1));
    if (r.Chance(0.3)) increments.SetExtrapolation(r.Uniform(0, 4));
    increments.SetInitialInc(r.Pick(std::vector<double>{0.1, 0.01, 1.0}));
    increments.SetNoStop(r.Chance(0.2));
    return increments;
  }
  kprC_Stabilization StepStabilization() {
    Rng& r = stepRng_;
    kprC_Stabilization stabilization;
    stabilization.SetMethod(r.Chance(0.5) ? 0 : r.Uniform(1, 2));
    if (r.Chance(0.5)) stabilization.SetMagnitude(0.0002);
    if (r.Chance(0.5)) stabilization.SetTolerance(0.05);
    stabilization.SetContinue(r.Chance(0.3));
    return stabilization;
  }
  kprC_ModalDampings StepDampings() {
    Rng& r = stepRng_;
    kprC_ModalDampings dampings;
    kprC_ModalDampingEntry entry;
    entry.SetLast(r.Uniform(1, 20));
    entry.SetFraction(0.02);
    auto table = [&](auto damping) {
      damping.SetEntries({entry});
      return damping;
    };
    if (r.Chance(0.3)) dampings.SetDirectDamping(table(kprC_DirectDamping()));
    if (r.Chance(0.3)) dampings.SetRayleighDamping(table(kprC_RayleighDamping()));
    if (r.Chance(0.3)) dampings.SetStructuralDamping(table(kprC_StructuralDamping()));
    if (r.Chance(0.2)) dampings.SetCompositeDamping(table(kprC_CompositeDamping()));
    if (r.Chance(0.2)) dampings.SetDirectDampingByFrequency(table(kprC_DirectDampingByFrequency()));
    return dampings;
  }
  cow_List<kprC_SteadyStateModalFrequency> StepFrequencies() {
    cow_List<kprC_SteadyStateModalFrequency> list;
    for (int i = stepRng_.Uniform(0, 3); i > 0; --i) {
      kprC_SteadyStateModalFrequency entry;
      entry.SetLower(1.0 * i);
      entry.SetUpper(100.0 * i);
      entry.SetNumPoints(stepRng_.Uniform(1, 6));
      list.Append(entry);
    }
    return list;
  }
  kprC_ExplicitControls StepExplicitControls(std::string& told) {
    Rng& r = stepRng_;
    kprC_ExplicitControls controls;
    controls.SetMethod(r.Uniform(0, 3));
    if (r.Chance(0.3)) controls.SetScaleFactor(0.9);
    if (r.Chance(0.3)) controls.SetMaxIncrement(1e-05);
    cow_List<kprC_MassScaling> scalings;
    const std::vector<std::string> elementSets = AssemblySetsWith(false);
    for (int i = r.Uniform(0, 2); i > 0; --i) {
      kprC_MassScaling scaling;
      scaling.SetIsVariable(r.Chance(0.5));
      scaling.SetApplication(r.Uniform(0, 3));
      scaling.SetSchedule(r.Uniform(0, 1));
      scaling.SetDt(r.Chance(0.5) ? 0.0 : 1e-06);
      scaling.SetFactor(r.Chance(0.5) ? 0.0 : 2.0);
      scaling.SetType(static_cast<kprC_MassScaling::MassScalingTypeEnm>(r.Uniform(0, 3)));
      scaling.SetFrequency(r.Chance(0.5) ? 0 : 5);
      scaling.SetDirection(r.Uniform(0, 3));
      if (!elementSets.empty() && r.Chance(0.6)) {
        const std::string set = r.Pick(elementSets);
        scaling.SetRegionKind(1);
        scaling.SetRegion(AssemblyRef(set));
        told += " mass scaling on \"" + set + "\"";
      }
      scalings.Append(scaling);
    }
    controls.SetMassScalings(scalings);
    return controls;
  }

  // One analysis step of kind `kind` (0 to 26), its settings drawn at random.
  std::unique_ptr<kprC_AnalysisStep> MakeRandomStep(int kind, std::string& told) {
    Rng& r = stepRng_;
    const std::vector<std::string> nodeSets = AssemblySetsWith(true);
    switch (kind) {
      case 0: {
        auto step = std::make_unique<kprC_StaticStep>();
        step->SetIncrementation(StepIncrements(kprC_Incrementation(1, 0)));
        step->SetStabilization(StepStabilization());
        step->SetAdiabatic(r.Chance(0.2));
        step->SetLongTerm(r.Chance(0.2));
        return step;
      }
      case 1: {
        auto step = std::make_unique<kprC_StaticRiksStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        if (r.Chance(0.4)) step->SetMaxLoadFactor(2.5);
        if (!nodeSets.empty() && r.Chance(0.6)) {
          const std::string set = r.Pick(nodeSets);
          step->SetNodeLimit(true);
          step->SetNodeRegion(AssemblyRef(set));
          step->SetDisplacement(0.5);
          told += " Riks node \"" + set + "\"";
        }
        return step;
      }
      case 2:
        return std::make_unique<kprC_StaticLinearPerturbationStep>();
      case 3: {
        auto step = std::make_unique<kprC_GeostaticStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        if (r.Chance(0.5)) step->SetUtol(0.001);
        return step;
      }
      case 4: {
        auto step = std::make_unique<kprC_SoilsStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        step->SetStabilization(StepStabilization());
        step->SetConsolidation(r.Uniform(0, 1));
        if (r.Chance(0.5)) step->SetEndRate(0.01);
        step->SetCreep(r.Chance(0.5));
        return step;
      }
      case 5: {
        auto step = std::make_unique<kprC_ViscoStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        step->SetStabilization(StepStabilization());
        step->SetCreepIntegration(r.Uniform(0, 1));
        return step;
      }
      case 6: {
        auto step = std::make_unique<kprC_ImplicitDynamicsStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        step->SetApplication(r.Uniform(0, 3));
        step->SetHafControl(r.Uniform(0, 2));
        step->SetNoMaxInc(r.Chance(0.3));
        return step;
      }
      case 7: {
        auto step = std::make_unique<kprC_ExplicitDynamicsStep>();
        step->SetControls(StepExplicitControls(told));
        step->SetAdiabatic(r.Chance(0.2));
        if (r.Chance(0.03)) {
          step->MutableControls().SetMethod(4);
          told += " corrupted method";
        }
        return step;
      }
      case 8: {
        auto step = std::make_unique<kprC_TempDisplacementDynamicsStep>();
        step->SetControls(StepExplicitControls(told));
        return step;
      }
      case 9: {
        auto step = std::make_unique<kprC_SubspaceDynamicsStep>();
        step->SetNumEigenmodes(r.Chance(0.5) ? 0 : 12);
        return step;
      }
      case 10: {
        auto step = std::make_unique<kprC_ModalDynamicsStep>();
        step->SetContinue(r.Chance(0.5));
        step->SetDamping(StepDampings());
        return step;
      }
      case 11: {
        auto step = std::make_unique<kprC_FrequencyStep>();
        step->SetEigensolver(r.Uniform(0, 2));
        step->SetNumEigen(r.Uniform(1, 30));
        step->SetResidualModes(r.Chance(0.3));
        if (step->Eigensolver() == 2 && !nodeSets.empty() && r.Chance(0.5)) {
          const std::string set = r.Pick(nodeSets);
          step->SetAmsNodeSet(AssemblyRef(set));
          step->SetResidualModeRegions({cow_String(set)});
          step->SetResidualModeDirections({r.Uniform(1, 3)});
          told += " AMS node set \"" + set + "\"";
        }
        return step;
      }
      case 12: {
        auto step = std::make_unique<kprC_BuckleStep>();
        step->SetEigensolver(r.Uniform(0, 1));
        step->SetNumEigen(r.Uniform(1, 10));
        return step;
      }
      case 13: {
        auto step = std::make_unique<kprC_ComplexFrequencyStep>();
        step->SetNumEigen(r.Uniform(1, 10));
        step->SetFrictionDamping(r.Chance(0.5));
        return step;
      }
      case 14: {
        auto step = std::make_unique<kprC_SteadyStateModalStep>();
        step->SetFrequencies(StepFrequencies());
        step->SetInterval(r.Uniform(0, 2));
        step->SetDamping(StepDampings());
        return step;
      }
      case 15: {
        auto step = std::make_unique<kprC_SteadyStateSubspaceStep>();
        step->SetFrequencies(StepFrequencies());
        step->SetProjection(r.Uniform(0, 4));
        return step;
      }
      case 16: {
        auto step = std::make_unique<kprC_SteadyStateDirectStep>();
        step->SetFrequencies(StepFrequencies());
        step->SetIntervalEigenfrequency(r.Chance(0.5));
        return step;
      }
      case 17: {
        auto step = std::make_unique<kprC_ResponseSpectrumStep>();
        kprC_ResponseSpectrumComponent spectrum;
        spectrum.SetSpectrumName(cow_String(Writable("Spectrum")));
        step->SetSpectra({spectrum});
        step->SetSum(r.Uniform(0, 6));
        step->SetDamping(StepDampings());
        return step;
      }
      case 18: {
        auto step = std::make_unique<kprC_RandomResponseStep>();
        cow_List<kprC_RandomResponseFrequency> list;
        list.Append(kprC_RandomResponseFrequency());
        step->SetFrequencies(list);
        step->SetFrequencyScale(r.Uniform(0, 1));
        step->SetDamping(StepDampings());
        return step;
      }
      case 19: {
        auto step = std::make_unique<kprC_HeatTransferStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        if (r.Chance(0.5)) step->SetEndRate(0.1);
        return step;
      }
      case 20: {
        auto step = std::make_unique<kprC_MassDiffusionStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        return step;
      }
      case 21: {
        auto step = std::make_unique<kprC_CoupledThermalElectricStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        return step;
      }
      case 22: {
        auto step = std::make_unique<kprC_CoupledTempDisplacementStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        step->SetStabilization(StepStabilization());
        step->SetCreep(r.Uniform(0, 2));
        return step;
      }
      case 23: {
        auto step = std::make_unique<kprC_AnnealStep>();
        if (r.Chance(0.5)) step->SetTemperature(20.0);
        return step;
      }
      case 24: {
        auto step = std::make_unique<kprC_DirectCyclicStep>();
        step->SetIncrementation(StepIncrements(step->Incrementation()));
        step->SetFatigue(r.Chance(0.5));
        if (r.Chance(0.5)) step->SetMaxIterations(150);
        return step;
      }
      case 25: {
        auto step = std::make_unique<kprC_FlowStep>();
        step->SetIncrementation(r.Uniform(0, 1));
        step->SetTurbulence(r.Uniform(0, 3));
        step->SetSpalartAllmarasConstants({0.1355, 0.622, 7.1, 0.3, 2.0, 0.41, 1.0, 2.0, 1.2});
        step->SetRngConstants({0.0845, 1.0, 1.39, 1.42, 1.68, 4.38, 0.012, 1.0, 1.0});
        return step;
      }
      default: {
        auto step = std::make_unique<kprC_SubstructureGenerateStep>();
        step->SetSubstructureId(r.Uniform(0, 1) ? r.Uniform(1, 999) : 0);
        step->SetRecoveryMatrix(r.Uniform(0, 2));
        std::vector<std::string> names = AssemblySetsWith(false);
        for (const std::string& set : nodeSets)
          if (std::find(names.begin(), names.end(), set) == names.end()) names.push_back(set);
        if (step->RecoveryMatrix() == 2 && !names.empty()) {
          const std::string set = r.Pick(names);
          step->SetRecoveryRegion(AssemblyRef(set));
          // Only what the set is written as: its elements, else its nodes.
          const std::vector<std::string> elementSets = AssemblySetsWith(false);
          const bool elements =
              std::find(elementSets.begin(), elementSets.end(), set) != elementSets.end();
          step->SetRecoveryElementBased(elements);
          step->SetRecoveryNodeBased(!elements);
          told += " recovery region \"" + set + "\"";
        }
        step->SetSelection(r.Uniform(0, 2));
        if (r.Chance(0.5)) step->SetFrequencyRanges({kprC_FrequencyRange()});
        if (r.Chance(0.5)) step->SetModeRanges({kprC_ModeRange()});
        step->SetGlobalDampingField(
            static_cast<kprC_SubstructureGenerateStep::GlobalDampingEnm>(r.Uniform(0, 3)));
        step->SetGlobalBeta(r.Chance(0.5) ? 0.0 : 0.5);
        step->SetViscousDamping(
            static_cast<kprC_SubstructureGenerateStep::ViscousDampingEnm>(r.Uniform(0, 3)));
        return step;
      }
    }
  }

  // Up to four analysis steps of random kinds with their load cases.
  void AddSteps() {
    Rng& r = stepRng_;
    for (int count = r.Uniform(0, 4); count > 0; --count) {
      const int kind = r.Uniform(0, 26);
      std::string told;
      std::unique_ptr<kprC_AnalysisStep> step = MakeRandomStep(kind, told);
      // A substructure generation step makes the whole file flat: rare.
      if (kind == 26 && !r.Chance(0.3)) step = std::make_unique<kprC_StaticStep>();
      step->SetSuppressed(r.Chance(0.15));
      step->SetNlgeom(r.Chance(0.3) ? 1 : 0);
      step->SetResponse(r.Uniform(0, 1));
      step->SetMatrixSolver(r.Uniform(0, 1));
      step->SetMatrixStorage(r.Uniform(0, 3));
      step->SetConvertSDI(r.Uniform(0, 2));
      if (r.Chance(0.3))
        step->SetDescription(cow_String(r.Chance(0.3) ? "*Not a keyword\nsecond line"
                                                      : "A step of the random model"));
      const std::string name = Name("Step");
      std::vector<std::string> cases;
      for (int c = r.Chance(0.3) ? r.Uniform(1, 3) : 0; c > 0; --c) {
        cases.push_back(Name("LC"));
        step->AddLoadCase(cow_String(cases.back()), r.Chance(0.2));
      }
      // A written step or load case whose name holds an unpaired quote is
      // refused.
      auto unpaired = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '"') % 2 != 0;
      };
      if (!step->Suppressed() && step->DynTypeId() == kprC_ExplicitDynamicsStep::TypeId() &&
          static_cast<const kprC_ExplicitDynamicsStep&>(*step).Controls().Method() == 4)
        refusals.push_back("Corrupted Explicit Dynamics procedure");
      bool refused = !step->Suppressed() && unpaired(name);
      for (const auto& [caseName, loadCase] : step->LoadCases().ConstGetMap())
        refused =
            refused || (!step->Suppressed() && !loadCase->Suppressed() && unpaired(caseName.Str()));
      if (refused) refusals.push_back("holds an unpaired double quote");
      if (kinds_.outputRequests) AddStepRequests(*step, told);
      builder.AddStep(cow_String(name), *step);
      steps_.push_back({name, step->DynTypeId(), step->Suppressed()});
      description << "step \"" << name << "\" kind " << kind
                  << (step->Suppressed() ? " suppressed" : "") << " load cases " << cases.size()
                  << told << "\n";
    }
  }

  // --- output data and requests --------------------------------------------

  // A hostile output name, drawn from the output draws, without an unpaired
  // quote, which the writer refuses in time points, filters, integrated
  // output sections and sensors as in every other name: the models that
  // name them should mostly be written.
  std::string OutputName(const std::string& stem) {
    std::string name = NameFrom(outputRng_, stem);
    std::replace(name.begin(), name.end(), '"', '\'');
    return name;
  }

  // An assembly set or surface as an output request names it: the kind bits
  // say what the deck writes it as (node set 1, element set 2, surface 8).
  rgnC_Region OutputRegion(const std::string& name, bool surface) const {
    const rgnC_Region& held = surface ? assemblySurfaces_.at(name) : assemblyRegions_.at(name);
    int flags = 1 << 3;
    if (!surface) {
      const std::vector<std::string> nodeSets = AssemblySetsWith(true);
      const std::vector<std::string> elementSets = AssemblySetsWith(false);
      flags = 0;
      if (std::find(nodeSets.begin(), nodeSets.end(), name) != nodeSets.end()) flags |= 1;
      if (std::find(elementSets.begin(), elementSets.end(), name) != elementSets.end()) flags |= 2;
    }
    rgnC_Region ref(name, {"Assembly"}, flags);
    for (const auto& [id, nodes] : held.KernelNodeIndices())
      ref.SetKernelNodeIndices(id, nodes);
    for (const auto& [id, elements] : held.KernelElementIndices())
      ref.SetKernelElementIndices(id, elements);
    return ref;
  }

  // Whether every member of `region` lies in an instance written with its
  // own mesh or in the assembly's own nodes.
  bool AllMembersWritten(const rgnC_Region& region) const {
    auto written = [&](int id) {
      if (id == static_cast<int>(ftr_kAssemblyId)) return true;
      for (const InstancePlan& instance : instances_)
        if (static_cast<int>(instance.options.id) == id)
          return Written(instance) && !instance.options.lightweight;
      return false;
    };
    for (const auto& [id, list] : region.KernelNodeIndices())
      if (!list.IsEmpty() && !written(id)) return false;
    for (const auto& [id, list] : region.KernelElementIndices())
      if (!list.IsEmpty() && !written(id)) return false;
    return true;
  }

  // The assembly surfaces with faces of an instance written with its mesh.
  std::vector<std::string> WrittenAssemblySurfaces() const {
    std::vector<std::string> names;
    for (const auto& [name, region] : assemblySurfaces_)
      for (const auto& [id, list] : region.KernelElementIndices()) {
        bool written = false;
        for (const InstancePlan& instance : instances_)
          written = written || (static_cast<int>(instance.options.id) == id && Written(instance) &&
                                !instance.options.lightweight);
        if (!list.IsEmpty() && written) {
          names.push_back(name);
          break;
        }
      }
    return names;
  }

  // A list of `count` values from the defaults of a controls list, one
  // entry changed (a count where the list starts with counts).
  cow_List<double> ChangedControls(const cow_List<double>& defaults, std::size_t counts) {
    Rng& r = outputRng_;
    cow_List<double> values = defaults;
    if (values.IsEmpty()) return values;
    const std::size_t at =
        static_cast<std::size_t>(r.Uniform(0, static_cast<int>(values.Length()) - 1));
    values.Modify(at) = at < counts ? static_cast<double>(r.Uniform(1, 30))
                                    : r.Pick(std::vector<double>{0.25, 1.5, 1e-06, 0.0});
    return values;
  }

  // Solution controls of a random kind; now and then a list the writer
  // refuses (in a step that is written).
  std::unique_ptr<kprC_Controls> StepControls(bool written, std::string& told) {
    Rng& r = outputRng_;
    std::unique_ptr<kprC_PrimaryControls> controls;
    switch (r.Uniform(0, 7)) {
      case 0: {
        auto c = std::make_unique<kprC_TypicalControls>();
        if (r.Chance(0.4)) c->SetDisplacement(ChangedControls(c->Displacement(), 0));
        if (r.Chance(0.2)) c->SetRotation(ChangedControls(c->Rotation(), 0));
        controls = std::move(c);
        break;
      }
      case 1: {
        auto c = std::make_unique<kprC_HeatTransferControls>();
        if (r.Chance(0.4)) c->SetTemperature(ChangedControls(c->Temperature(), 0));
        controls = std::move(c);
        break;
      }
      case 2: {
        auto c = std::make_unique<kprC_MassDiffusionControls>();
        if (r.Chance(0.4)) c->SetConcentration(ChangedControls(c->Concentration(), 0));
        controls = std::move(c);
        break;
      }
      case 3: {
        auto c = std::make_unique<kprC_CTEControls>();
        if (r.Chance(0.4)) c->SetElectricalPotential(ChangedControls(c->ElectricalPotential(), 0));
        controls = std::move(c);
        break;
      }
      case 4: {
        auto c = std::make_unique<kprC_CTDControls>();
        if (r.Chance(0.4)) c->SetTemperature(ChangedControls(c->Temperature(), 0));
        controls = std::move(c);
        break;
      }
      case 5: {
        auto c = std::make_unique<kprC_PoreControls>();
        if (r.Chance(0.4)) c->SetPoreFluidPressure(ChangedControls(c->PoreFluidPressure(), 0));
        controls = std::move(c);
        break;
      }
      case 6: {
        auto c = std::make_unique<kprC_ElectricalControls>();
        if (r.Chance(0.4)) c->SetElectricalPotential(ChangedControls(c->ElectricalPotential(), 0));
        controls = std::move(c);
        break;
      }
      default: {
        auto c = std::make_unique<kprC_DirectCyclicControls>();
        if (r.Chance(0.4)) c->SetDirectCyclic(ChangedControls(c->DirectCyclic(), 0));
        controls = std::move(c);
        break;
      }
    }
    told += " controls " + std::to_string(controls->DynTypeId() & 0xF);
    controls->SetLeaveOut(r.Chance(0.1));
    controls->SetDefaults(r.Chance(0.2));
    controls->SetDiscontinuous(r.Chance(0.3));
    if (r.Chance(0.4))
      controls->SetTimeIncrementation(ChangedControls(controls->TimeIncrementation(), 11));
    if (r.Chance(0.2)) controls->SetConstraints(ChangedControls(controls->Constraints(), 0));
    if (r.Chance(0.3))
      controls->SetLineSearch(r.Chance(0.3) ? cow_List<double>()
                                            : ChangedControls(controls->LineSearch(), 1));
    if (r.Chance(0.04)) {
      cow_List<double> list = controls->TimeIncrementation();
      const int fault = r.Uniform(0, 2);
      if (fault == 0) list.Modify(12) = std::nan("");
      if (fault == 1) list.Modify(3) = 3e9;
      if (fault == 2) list.Append(1.0);
      controls->SetTimeIncrementation(list);
      told += " refused controls";
      if (written && !controls->LeaveOut() && !controls->Defaults())
        refusals.push_back(fault == 0   ? "hold a value that is not a number"
                           : fault == 1 ? "hold a count outside the integer range"
                                        : "do not hold as many values as their defaults");
    }
    return controls;
  }

  // Restart, print, monitor, solution controls and solver controls of step
  // `step`, each now and then.
  void AddStepRequests(kprC_AnalysisStep& step, std::string& told) {
    Rng& r = outputRng_;
    if (r.Chance(0.3)) {
      switch (r.Uniform(0, 2)) {
        case 0: {
          kprC_ExplicitRestart restart;
          restart.SetOverlay(r.Chance(0.5));
          restart.SetNumberIntervals(r.Uniform(0, 5));
          restart.SetTimeMarks(r.Chance(0.5));
          step.SetRestart(restart);
          break;
        }
        case 1: {
          kprC_StandardRestart restart;
          restart.SetOverlay(r.Chance(0.5));
          restart.SetFrequency(r.Uniform(0, 10));
          restart.SetNumberIntervals(r.Chance(0.5) ? 0 : r.Uniform(1, 5));
          restart.SetTimeMarks(r.Chance(0.5));
          step.SetRestart(restart);
          break;
        }
        default: {
          kprC_FlowRestart restart;
          restart.SetFrequency(r.Uniform(0, 10));
          restart.SetNumberIntervals(r.Uniform(0, 5));
          step.SetRestart(restart);
        }
      }
      told += " restart";
    }
    // The print in force, as the writer carries it over the written steps:
    // the first one's default, then each general print. A perturbation
    // print while an explicit one is in force fails the writer's type test
    // (a host error: the host never pairs them), so it is not drawn then.
    if (!step.Suppressed() && printInForce_ == 0) printInForce_ = step.Explicit() ? 1 : 2;
    if (r.Chance(0.3)) {
      int kind = r.Uniform(0, 2);
      if (kind == 2 && printInForce_ == 1) kind = 1;
      if (!step.Suppressed() && kind != 2) printInForce_ = kind + 1;
      switch (kind) {
        case 0: {
          kprC_ExplicitDiagnosticPrint print;
          print.SetAllke(r.Chance(0.5));
          print.SetCriticalElement(r.Chance(0.5));
          print.SetEtotal(r.Chance(0.5));
          print.SetDmass(r.Chance(0.5));
          step.SetDiagnosticPrint(print);
          break;
        }
        case 1: {
          kprC_StandardDiagnosticPrint print;
          print.SetContact(r.Chance(0.5));
          print.SetFrequency(r.Uniform(0, 3));
          print.SetModelChange(r.Chance(0.5));
          print.SetPlasticity(r.Chance(0.5));
          print.SetResidual(r.Chance(0.5));
          print.SetSolve(r.Chance(0.5));
          step.SetDiagnosticPrint(print);
          break;
        }
        default: {
          kprC_PerturbationDiagnosticPrint print;
          print.SetFrequency(r.Uniform(0, 3));
          print.SetSolve(r.Chance(0.5));
          step.SetDiagnosticPrint(print);
        }
      }
      told += " print";
    }
    const std::vector<std::string> nodeSets = AssemblySetsWith(true);
    if (!nodeSets.empty() && r.Chance(0.3)) {
      const std::string set = r.Pick(nodeSets);
      std::unique_ptr<kprC_Monitor> monitor;
      if (r.Chance(0.5)) {
        monitor = std::make_unique<kprC_ExplicitMonitor>();
      } else {
        auto standard = std::make_unique<kprC_StandardMonitor>();
        standard->SetFrequency(r.Uniform(1, 5));
        monitor = std::move(standard);
      }
      monitor->SetRegion(OutputRegion(set, false));
      monitor->SetDof(r.Uniform(1, 6));
      step.SetMonitor(*monitor);
      told += " monitor \"" + set + "\"";
    }
    if (r.Chance(0.3)) step.SetControls(*StepControls(!step.Suppressed(), told));
    if (r.Chance(0.2)) {
      kprC_LinearCtrl control;
      control.SetLeaveOut(r.Chance(0.1));
      control.SetDefaults(r.Chance(0.2));
      if (r.Chance(0.5)) control.SetTolerance(r.Pick(std::vector<double>{1e-05, 0.5}));
      if (r.Chance(0.5)) control.SetMaxIterations(r.Uniform(1, 500));
      if (r.Chance(0.5)) control.SetRestartIterations(r.Uniform(1, 50));
      if (r.Chance(0.04)) {
        control.SetTolerance(std::nan(""));
        if (!step.Suppressed() && !control.LeaveOut() && !control.Defaults())
          refusals.push_back("hold a tolerance that is not a number");
      }
      step.SetLinearCtrl(control);
      told += " solver controls";
    }
    step.SetSimBased(r.Chance(0.05));
  }

  // The variables a request may list: those of the request table's
  // built-in content, components among them, and a name it does not know.
  std::vector<std::string> OutputVariables(bool field) {
    static const std::vector<std::string> fieldNames = {
        "U",       "V",     "A",       "RF",    "CF", "NT",   "RT",  "COORD", "S",     "E",
        "PE",      "PEEQ",  "LE",      "SF",    "SE", "TEMP", "HFL", "EVOL",  "RBFOR", "GU",
        "CSTRESS", "CDISP", "CSTATUS", "RADFL", "U1", "U3",   "S11", "S23",   "RF2",   "NOSUCH"};
    static const std::vector<std::string> historyNames = {
        "ALLIE", "ALLKE", "ELSE", "ELKE", "ENER", "DMASS",  "SOF",   "SOM", "IVOL",  "U",
        "RF",    "S",     "E",    "GU",   "GA",   "CFORCE", "RADFL", "U2",  "NOSUCH"};
    const std::vector<std::string>& pool = field ? fieldNames : historyNames;
    std::vector<std::string> names;
    for (int i = outputRng_.Uniform(1, 4); i > 0; --i) {
      const std::string& name = outputRng_.Pick(pool);
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
  }

  // A random state of a request in a step of procedure `procedure`.
  //
  // `oneKind`: the request's set is written as a node set or an element set
  // only. Its lists then hold a node and an element variable: a record that
  // gives nothing for its set (only element variables for a node set, or the
  // reverse) still counts as the "*Output" that the next record of equal
  // frequency follows, so that record's variable keywords come without one.
  template <class State>
  State OutputState(unsigned procedure, bool field, bool oneKind) {
    Rng& r = outputRng_;
    State state = r.Chance(0.3) ? State(procedure) : State();
    state.SetVariablesKind(static_cast<korC_VariablesTypeEnm>(r.Uniform(0, 2)));
    if (state.VariablesKind() == korC_LIST || r.Chance(0.1)) {
      cow_List<cow_String> list;
      for (const std::string& name : OutputVariables(field))
        list.Append(cow_String(name));
      if (oneKind) list.AppendUnlessMember(cow_String("U")), list.AppendUnlessMember("S");
      state.SetVariables(list);
    }
    std::vector<korC_TypeEnm> kinds = {korC_FREQUENCY, korC_NUMBER_INTERVAL, korC_TIME_INTERVAL,
                                       korC_MODES, korC_NO_FREQUENCY};
    if (!timePoints_.empty()) kinds.push_back(korC_TIME_POINTS);
    state.SetFrequencyKind(r.Pick(kinds));
    state.SetFrequency(r.Pick(std::vector<int>{0, 1, 5, 10, 99999}));
    state.SetNumberInterval(r.Pick(std::vector<int>{1, 7, 20, 200}));
    state.SetTimeInterval(r.Pick(std::vector<double>{0.0, 0.1, 1e-05, 2.5}));
    cow_List<int> modes;
    for (int i = r.Chance(0.5) ? r.Uniform(1, 20) : 0; i > 0; --i)
      modes.Append(r.Uniform(1, 40));
    state.SetModeList(modes);
    if (!timePoints_.empty()) state.SetTimePointsName(cow_String(r.Pick(timePoints_)));
    state.SetTimeMarks(r.Chance(0.5));
    return state;
  }

  // The per-step states of `request`: created in a random step, then
  // carried over, modified or deactivated in the later ones.
  template <class State, class Request>
  void OutputSteps(Request& request, bool field, std::string& told) {
    Rng& r = outputRng_;
    if (steps_.empty()) return;
    std::size_t first = static_cast<std::size_t>(r.Uniform(0, static_cast<int>(steps_.size()) - 1));
    told += " from \"" + steps_[first].name + "\"";
    const int kinds = request.Region().Flags() & 3;
    const bool oneKind = request.Domain() == korC_REGION && kinds != 3;
    State state = OutputState<State>(steps_[first].procedure, field, oneKind);
    request.SetState(cow_String(steps_[first].name), state, 1);
    for (std::size_t i = first + 1; i < steps_.size(); ++i) {
      const int status = r.Pick(std::vector<int>{2, 2, 3, 4});
      if (status == 3) state = OutputState<State>(steps_[i].procedure, field, oneKind);
      request.SetState(cow_String(steps_[i].name), state, status);
      if (status == 4) {
        told += " to \"" + steps_[i].name + "\"";
        break;
      }
    }
  }

  // What a request covers: the whole model, an assembly set, or (history
  // output of analysis product 1) an integrated output section.
  //
  // Only sets whose members all lie in instances the deck writes: a set
  // holding elements of an instance left out (mesh locked) is named by
  // "*Element Output, elset=" (the region kernel answers that it holds
  // elements) though no such element set is written.
  void OutputDomain(korC_Output& request, bool field, std::string& told) {
    Rng& r = outputRng_;
    std::vector<std::string> sets;
    for (const std::string& set : AssemblySetsWith(r.Chance(0.5)))
      if (AllMembersWritten(assemblyRegions_.at(set))) sets.push_back(set);
    const int pick = r.Uniform(0, 3);
    if (pick == 3 && !field && !sections_.empty()) {
      const std::string section = r.Pick(sections_);
      request.SetDomain(korC_SECTION);
      request.SetIntegratedOutputSectionName(cow_String(section));
      told += " section \"" + section + "\"";
    } else if (pick >= 1 && !sets.empty()) {
      const std::string set = r.Pick(sets);
      request.SetDomain(korC_REGION);
      request.SetRegion(OutputRegion(set, false));
      told += " set \"" + set + "\"";
    }
    if (r.Chance(0.15)) request.SetSuppressed(true), told += " suppressed";
    if (!filters_.empty() && !field && r.Chance(0.4)) {
      const std::string filter = r.Pick(filters_);
      request.SetFilterName(cow_String(filter));
      told += " filter \"" + filter + "\"";
    }
  }

  // Time points, filters, integrated output sections, output requests and
  // remeshing rules.
  void AddOutputData() {
    Rng& r = outputRng_;
    for (int i = r.Chance(0.4) ? r.Uniform(1, 2) : 0; i > 0; --i) {
      const std::string name = OutputName("TP");
      cow_List<cow_List<double>> rows;
      const bool ranges = r.Chance(0.4);
      for (int row = r.Uniform(1, 3); row > 0; --row)
        rows.Append(ranges ? cow_List<double>{0.1 * row, 1.0, 0.1} : cow_List<double>{0.25 * row});
      builder.AddTimePoint(cow_String(name), kprC_TimePoint(rows));
      timePoints_.push_back(name);
      description << "time points \"" << name << "\"\n";
    }
    // Filters and integrated output sections are written for product 1 only.
    if (r.Chance(0.3)) {
      builder.Steps().SetAnalysisProduct(kprC_EXPLICIT);
      explicit_ = true;
      description << "analysis product 1\n";
      for (int i = r.Uniform(0, 3); i > 0; --i) {
        const std::string name = OutputName("Filter");
        std::unique_ptr<kflC_Filter> filter;
        switch (r.Uniform(0, 4)) {
          case 0:
            filter = std::make_unique<kflC_ButterworthFilter>();
            break;
          case 1: {
            auto chebyshev = std::make_unique<kflC_Chebyshev1Filter>();
            if (r.Chance(0.5)) chebyshev->SetRippleFactor(0.1);
            filter = std::move(chebyshev);
            break;
          }
          case 2: {
            auto chebyshev = std::make_unique<kflC_Chebyshev2Filter>();
            if (r.Chance(0.5)) chebyshev->SetRippleFactor(0.05);
            filter = std::move(chebyshev);
            break;
          }
          case 3:
            filter = std::make_unique<kflC_OperatorFilter>();
            break;
          default:
            filter = std::make_unique<kflC_Filter>();
        }
        filter->SetCutoffFrequency(r.Chance(0.3) ? 0.0 : 100.0);
        filter->SetOrder(r.Uniform(1, 4));
        filter->SetOperation(r.Uniform(0, 4));
        filter->SetHalt(r.Chance(0.3));
        if (r.Chance(0.3)) filter->SetLimit(50.0);
        filter->SetInvariant(r.Uniform(0, 3));
        builder.AddFilter(cow_String(name), *filter);
        filters_.push_back(name);
        description << "filter \"" << name << "\"\n";
      }
      const std::vector<std::string> surfaces = WrittenAssemblySurfaces();
      const std::vector<std::string> nodeSets = AssemblySetsWith(true);
      for (int i = surfaces.empty() ? 0 : r.Uniform(0, 2); i > 0; --i) {
        const std::string name = OutputName("IOS");
        const std::string surface = r.Pick(surfaces);
        korC_IntegratedOutputSection section;
        section.SetSurfaceRegion(OutputRegion(surface, true));
        std::string told;
        // "*Integrated Output Section" writes its options without a line
        // break: three names of up to 80 characters (quoted) and 132
        // characters of options pass the solver's 256. The three names keep
        // to 120 characters together.
        if (!nodeSets.empty() && r.Chance(0.6)) {
          const std::string node = r.Pick(nodeSets);
          if (name.size() + surface.size() + node.size() + 6 <= 120) {
            section.SetRefNodeRegion(OutputRegion(node, false));
            told = " ref node \"" + node + "\"";
          }
        }
        section.SetRefNodeMotion(r.Uniform(0, 3));
        section.SetPositionAtCenter(r.Chance(0.5));
        section.SetProjectOrientation(r.Chance(0.5));
        builder.AddIntegratedOutputSection(cow_String(name), section);
        sections_.push_back(name);
        description << "integrated output section \"" << name << "\" on \"" << surface << "\""
                    << told << "\n";
      }
    }
    for (int i = steps_.empty() ? 0 : r.Uniform(0, 3); i > 0; --i) {
      const std::string name = OutputName("F-Output");
      korC_FieldOutput request;
      std::string told;
      OutputDomain(request, true, told);
      // Output from inside the substructure: the whole of it, or a region
      // of it by name.
      if (kinds_.substructureOutput && !substructure_.empty() && r.Chance(0.3)) {
        request.SetDomain(korC_SUBSTRUCTURE);
        request.SetRegion(rgnC_Region());
        cow_List<cow_String> entries;
        for (int e = r.Uniform(1, 2); e > 0; --e)
          entries.Append(cow_String(substructure_ + "." +
                                    (r.Chance(0.5) ? "Entire Substructure" : "Retained")));
        request.SetSubstructureEntries(entries);
        told += " substructure";
      }
      request.SetPlainOutput(r.Chance(0.7));
      request.SetRebarMode(r.Chance(0.2) ? r.Uniform(1, 2) : 0);
      OutputSteps<korC_FieldOutputState>(request, true, told);
      builder.AddFieldOutput(cow_String(name), request);
      description << "field output \"" << name << "\"" << told << "\n";
    }
    for (int i = steps_.empty() ? 0 : r.Uniform(0, 3); i > 0; --i) {
      const std::string name = OutputName("H-Output");
      korC_HistoryOutput request;
      std::string told;
      OutputDomain(request, false, told);
      if (request.Domain() == korC_REGION && r.Chance(0.3))
        request.SetSensor(true), told += " sensor";
      request.SetSharing(r.Chance(0.8));
      OutputSteps<korC_HistoryOutputState>(request, false, told);
      builder.AddHistoryOutput(cow_String(name), request);
      description << "history output \"" << name << "\"" << told << "\n";
    }
    const std::vector<std::string> elementSets = AssemblySetsWith(false);
    if (!steps_.empty() && !elementSets.empty() && r.Chance(0.15)) {
      const std::string name = OutputName("Rule");
      karC_RemeshingRule rule;
      rule.SetStepName(cow_String(r.Pick(steps_).name));
      rule.SetRegion(OutputRegion(r.Pick(elementSets), false));
      rule.SetVariables({cow_String("ENDEN"), cow_String("S")});
      rule.SetOutputFrequency(r.Chance(0.5));
      rule.SetHasSizingMethod(r.Chance(0.8));
      if (r.Chance(0.3)) rule.SetDescription(cow_String("*Not a keyword\nsecond line"));
      builder.AddRemeshingRule(cow_String(name), rule);
      description << "remeshing rule \"" << name << "\" in \"" << rule.StepName().Str() << "\"\n";
    }
  }

  // The unsuppressed analysis steps, in order: where loads may be created.
  std::vector<std::string> LoadSteps() const {
    std::vector<std::string> analysis;
    for (const StepPlan& step : steps_)
      if (!step.suppressed) analysis.push_back(step.name);
    return analysis;
  }
  // The assembly sets holding nodes (or elements) whose every member the
  // deck writes.
  std::vector<std::string> WrittenLoadSets(bool nodes) const {
    std::vector<std::string> names = AssemblySetsWith(nodes);
    std::erase_if(names, [&](const std::string& name) {
      return !AllMembersWritten(assemblyRegions_.at(name));
    });
    return names;
  }
  // Whether field lines may name each member of `region` by its label: it is
  // wholly written, on parts whose nodes and elements are numbered 1..
  bool PlainLoadRegion(const rgnC_Region& region) const {
    if (!AllMembersWritten(region)) return false;
    for (const InstancePlan& instance : instances_) {
      const int id = static_cast<int>(instance.options.id);
      const PartPlan& part = parts_[instance.part];
      if ((region.KernelNodeIndices().Find(id) && part.nodeLabels) ||
          (region.KernelElementIndices().Find(id) && part.elementLabels))
        return false;
    }
    return true;
  }

  // Loads on the assembly's written sets and surfaces: concentrated forces
  // and moments on node sets, gravity and body forces (uniform or from an
  // analytical field) on element sets, pressures from an analytical field or
  // uniform (by area, hydrostatic or as a total force, now and then with a
  // reference node set) and surface tractions on surfaces. Each is created
  // in a random unsuppressed analysis step and then carried over, modified or
  // removed; suppressed now and then.
  void AddLoads() {
    Rng& r = loadRng_;
    const std::vector<std::string> analysis = LoadSteps();
    if (analysis.empty()) return;
    const std::vector<std::string> nodeSets = WrittenLoadSets(true);
    const std::vector<std::string> elementSets = WrittenLoadSets(false);
    const auto plain = [&](const rgnC_Region& region) { return PlainLoadRegion(region); };
    std::vector<std::string> surfaces;
    const std::vector<std::string> allSurfaces = WrittenAssemblySurfaces();
    for (const std::string& name : allSurfaces)
      if (plain(assemblySurfaces_.at(name))) surfaces.push_back(name);
    // The sets of written instances' parts, as the assembly names them
    // ("Inst.Set"): node sets for concentrated loads, element sets for
    // distributed ones.
    std::vector<rgnC_Region> partNodeSets, partElementSets;
    for (const InstancePlan& instance : instances_) {
      if (!Written(instance) || instance.options.lightweight) continue;
      const int id = static_cast<int>(instance.options.id);
      for (const auto& [set, held] : parts_[instance.part].regions) {
        rgnC_Region ref(cow_String(set), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        if (const cow_List<int>* nodes = held.KernelNodeIndices().Find(id)) {
          ref.SetKernelNodeIndices(id, *nodes);
          if (!nodes->IsEmpty()) partNodeSets.push_back(ref);
        }
        if (const cow_List<int>* elements = held.KernelElementIndices().Find(id)) {
          ref.SetKernelElementIndices(id, *elements);
          if (!elements->IsEmpty()) partElementSets.push_back(ref);
        }
      }
    }
    for (int i = r.Uniform(0, 4); i > 0; --i) {
      const int kind = r.Uniform(0, 3);
      // Now and then a set of an instance's part in place of an assembly set.
      const bool ofPart = r.Chance(0.5);
      std::unique_ptr<kloC_Load> load;
      std::string told;
      std::string on;
      std::size_t values = 3;
      if (kind == 0 && ofPart && !partNodeSets.empty()) {
        const rgnC_Region& region = r.Pick(partNodeSets);
        on = region.OwnerNames()[1].Str() + "." + region.Name().Str();
        load = std::make_unique<kloC_ConcentratedForce>(), told = "force";
        load->SetRegion(region);
      } else if ((kind == 1 || kind == 2) && ofPart && !partElementSets.empty()) {
        const rgnC_Region& region = r.Pick(partElementSets);
        on = region.OwnerNames()[1].Str() + "." + region.Name().Str();
        if (kind == 1)
          load = std::make_unique<kloC_Gravity>(), told = "gravity";
        else
          load = std::make_unique<kloC_BodyForce>(), told = "body force";
        load->SetRegion(region);
      } else if (kind == 0 && !nodeSets.empty()) {
        on = r.Pick(nodeSets);
        if (r.Chance(0.5)) {
          load = std::make_unique<kloC_ConcentratedForce>(), told = "force";
        } else {
          auto moment = std::make_unique<kloC_Moment>();
          moment->SetModelSpaceCode(r.Uniform(0, 4));
          load = std::move(moment), told = "moment";
        }
        load->SetRegion(OutputRegion(on, false));
        load->SetFollower(r.Chance(0.3));
      } else if (kind == 1 && !elementSets.empty()) {
        on = r.Pick(elementSets);
        load = std::make_unique<kloC_Gravity>(), told = "gravity";
        load->SetRegion(OutputRegion(on, false));
      } else if (kind == 2 && !elementSets.empty()) {
        on = r.Pick(elementSets);
        load = std::make_unique<kloC_BodyForce>(), told = "body force";
        load->SetRegion(OutputRegion(on, false));
      } else if (kind == 3 && !surfaces.empty() && !analyticalFields_.empty() && r.Chance(0.5)) {
        on = r.Pick(surfaces);
        load = std::make_unique<kloC_Pressure>(), told = "pressure";
        const rgnC_Region& held = assemblySurfaces_.at(on);
        rgnC_Region ref(on, {"Assembly"}, 1 << 3);
        for (const auto& [id, elements] : held.KernelElementIndices()) {
          const cow_List<cow_String>* faces = held.KernelElementFaces().Find(id);
          ref.SetKernelElementIndices(id, elements, faces ? *faces : cow_List<cow_String>());
        }
        load->SetRegion(ref);
        load->SetFieldName(cow_String(r.Pick(analyticalFields_)));
        load->SetDistribution(3);
        values = 1;
      } else if (kind == 3 && !allSurfaces.empty()) {
        // Written by "*Dsload" on the surface's name.
        on = r.Pick(allSurfaces);
        values = 1;
        if (r.Chance(0.3)) {
          auto traction = std::make_unique<kloC_SurfaceTraction>();
          traction->SetTractionKind(r.Uniform(0, 1));
          traction->SetDistribution(r.Uniform(0, 1));
          traction->SetConstantResultant(r.Chance(0.5));
          traction->SetDirectionSegment(
              {{0.0, 0.0, 0.0}, {r.Real(-1, 1), r.Real(-1, 1), r.Real(-1, 1)}});
          traction->SetFollower(r.Chance(0.5));
          load = std::move(traction), told = "surface traction";
          load->SetRegion(OutputRegion(on, true));
        } else {
          load = std::make_unique<kloC_Pressure>(), told = "uniform pressure";
          rgnC_Region ref = OutputRegion(on, true);
          ref.SetKernelArea(r.Chance(0.2) ? 0.0 : r.Real(0.5, 4));
          load->SetRegion(ref);
          const int distribution = r.Pick(std::vector<int>{0, 1, 2, 7});
          load->SetDistribution(distribution);
          if (distribution == 2) values = 3;
          if (!nodeSets.empty() && r.Chance(0.3)) {
            const std::string node = r.Pick(nodeSets);
            load->SetSecondRegion(OutputRegion(node, false));
            told += " ref node \"" + node + "\"";
          }
        }
      } else {
        continue;
      }
      if (kind == 2 && !analyticalFields_.empty() && plain(load->Region()) && r.Chance(0.4)) {
        load->SetFieldName(cow_String(r.Pick(analyticalFields_)));
        load->SetDistribution(2);
      }
      if ((kind != 3 || load->FieldName().IsEmpty()) && r.Chance(0.2)) {
        load->SetIsComplex(true);
        for (std::size_t c = 0; c < values; ++c)
          load->SetComplexValue(c, omi_complex(r.Chance(0.5) ? 0.0 : r.Real(-5, 5),
                                               r.Chance(0.5) ? 0.0 : r.Real(-5, 5)));
        told += " complex";
      }
      // The instances the region touches, as the region kernel names them.
      rgnC_Region region = load->Region();
      std::set<unsigned> touched;
      for (const auto* members : {&region.KernelNodeIndices(), &region.KernelElementIndices()})
        for (const auto& [id, list] : *members)
          if (!list.IsEmpty()) touched.insert(static_cast<unsigned>(id));
      cow_List<unsigned> ids;
      for (unsigned id : touched)
        ids.Append(id);
      region.SetKernelInstanceIds(ids);
      load->SetRegion(region);
      if (!load->FieldName().IsEmpty()) told += " field \"" + load->FieldName().Str() + "\"";
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      for (std::size_t k = first; k < analysis.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        kloC_LoadState state;
        state.SetStatus(status);
        if (!amplitudes_.empty() && amplitudeRng_.Chance(0.3)) {
          const std::string amplitude = amplitudeRng_.Pick(amplitudes_);
          state.SetAmplitude(cow_String(amplitude), 1);
          told += " amplitude \"" + amplitude + "\"";
        }
        for (std::size_t c = 0; c < values; ++c)
          state.SetValue(c, r.Chance(0.3) ? 0.0 : r.Real(-10, 10),
                         status == 2 || (status == 3 && r.Chance(0.5)) ? 2 : 1);
        load->SetState(cow_String(analysis[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4) break;
      }
      load->SetSuppressed(r.Chance(0.1));
      const std::string name = Name("Load");
      builder.AddLoad(cow_String(name), *load);
      description << "load \"" << name << "\" " << told << " on \"" << on << "\""
                  << (load->Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // The written assembly node sets, and the node sets of written instances'
  // parts as the assembly names them ("Inst.Set"), each with its region.
  std::vector<std::pair<std::string, rgnC_Region>> WrittenNodeSets() const {
    std::vector<std::pair<std::string, rgnC_Region>> nodeSets;
    for (const std::string& set : WrittenLoadSets(true))
      nodeSets.emplace_back(set, OutputRegion(set, false));
    for (const InstancePlan& instance : instances_) {
      if (!Written(instance) || instance.options.lightweight) continue;
      const int id = static_cast<int>(instance.options.id);
      for (const auto& [set, held] : parts_[instance.part].regions) {
        const cow_List<int>* nodes = held.KernelNodeIndices().Find(id);
        if (!nodes || nodes->IsEmpty()) continue;
        rgnC_Region ref(cow_String(set), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        ref.SetKernelNodeIndices(id, *nodes);
        nodeSets.emplace_back(instance.name + "." + set, ref);
      }
    }
    return nodeSets;
  }

  // Actuators and sensors on written node sets (of the assembly or of an
  // instance's part): a user element type, its coordinates and degrees of
  // freedom, solution-dependent variables with initial values now and then,
  // and now and then a property with real and integer values. Suppressed
  // now and then.
  void AddActuatorSensors() {
    Rng& r = actuatorRng_;
    const std::vector<std::pair<std::string, rgnC_Region>> nodeSets = WrittenNodeSets();
    if (nodeSets.empty() || !r.Chance(0.4)) return;
    for (int i = r.Uniform(1, 2); i > 0; --i) {
      const auto& [on, region] = r.Pick(nodeSets);
      kinC_ActuatorSensor actuator;
      actuator.SetRegion(region);
      actuator.SetElementType(cow_String("U" + std::to_string(r.Uniform(1, 9))));
      actuator.SetCoordinateCount(r.Uniform(1, 3));
      actuator.SetDofLine(r.Chance(0.5) ? "1, 2, 3" : "11");
      actuator.SetUnsymmetric(r.Chance(0.2));
      const int variables = r.Uniform(0, 3);
      cow_List<double> values;
      if (variables > 0 && r.Chance(0.5))
        for (int v = 0; v < variables; ++v)
          values.Append(0.5 * r.Uniform(0, 8));
      actuator.SetVariables(variables, values);
      std::string told;
      if (r.Chance(0.5)) {
        std::string property = NameFrom(r, "AsProp");
        std::replace(property.begin(), property.end(), '"', '\'');
        kinC_ActuatorSensorProp values_;
        cow_List<double> reals;
        for (int v = r.Uniform(0, 4); v > 0; --v)
          reals.Append(0.25 * r.Uniform(1, 9));
        cow_List<int> integers;
        for (int v = r.Uniform(0, 3); v > 0; --v)
          integers.Append(r.Uniform(1, 9));
        values_.SetRealValues(reals);
        values_.SetIntegerValues(integers);
        builder.AddInteractionProperty(cow_String(property), values_);
        actuator.SetPropertyName(cow_String(property));
        told = " property \"" + property + "\"";
      }
      actuator.SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Actuator");
      builder.AddInteraction(cow_String(name), actuator);
      description << "actuator/sensor \"" << name << "\" on \"" << on << "\"" << told
                  << (actuator.Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Adaptive mesh controls (every option now and then away from its
  // default) and, in random analysis steps (suppressed ones too), adaptive
  // mesh domains on written assembly element sets, now and then naming
  // controls, now and then on a deleted region (written as nothing).
  void AddAdaptiveMeshes() {
    Rng& r = adaptiveMeshRng_;
    if (steps_.empty() || !r.Chance(0.5)) return;
    std::vector<std::string> controls;
    for (int i = r.Uniform(0, 2); i > 0; --i) {
      kadC_AdptMeshCtrl c;
      if (r.Chance(0.3)) c.SetAdvection(r.Uniform(0, 2));
      if (r.Chance(0.3)) c.SetGeometricEnhancement(r.Uniform(0, 2));
      if (r.Chance(0.3)) c.SetSmoothingPriority(r.Uniform(0, 1));
      if (r.Chance(0.3)) c.SetInitialFeatureAngle(5.0 * r.Uniform(1, 12));
      if (r.Chance(0.3)) c.SetTransitionFeatureAngle(5.0 * r.Uniform(1, 12));
      if (r.Chance(0.3)) c.SetMomentumAdvection(r.Uniform(0, 2));
      if (r.Chance(0.3)) c.SetMeshingPredictor(r.Uniform(0, 1));
      if (r.Chance(0.3)) c.SetCurvatureRefinement(0.25 * r.Uniform(0, 8));
      if (r.Chance(0.3)) c.SetMeshConstraintAngle(5.0 * r.Uniform(1, 18));
      for (int d = 1; d <= 5; ++d)
        if (r.Chance(0.3)) c.SetData(d, 0.25 * r.Uniform(0, 4));
      // The printable form leaves an unpaired quote as it is (as for every
      // other name the deck writes), so the controls' names have none.
      std::string name = NameFrom(r, "AmCtrl");
      std::replace(name.begin(), name.end(), '"', '\'');
      builder.AddAdaptiveMeshControls(cow_String(name), c);
      controls.push_back(name);
      description << "adaptive mesh controls \"" << name << "\"\n";
    }
    // Written assembly element sets, and the element sets of written
    // instances' parts as the assembly names them ("Inst.Set").
    std::vector<std::pair<std::string, rgnC_Region>> elementSets;
    for (const std::string& set : WrittenLoadSets(false))
      elementSets.emplace_back(set, OutputRegion(set, false));
    for (const InstancePlan& instance : instances_) {
      if (!Written(instance) || instance.options.lightweight) continue;
      const int id = static_cast<int>(instance.options.id);
      for (const auto& [set, held] : parts_[instance.part].regions) {
        const cow_List<int>* elements = held.KernelElementIndices().Find(id);
        if (!elements || elements->IsEmpty()) continue;
        rgnC_Region ref(cow_String(set), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        ref.SetKernelElementIndices(id, *elements);
        elementSets.emplace_back(instance.name + "." + set, ref);
      }
    }
    if (elementSets.empty()) return;
    for (const StepPlan& step : steps_) {
      if (!r.Chance(0.5)) continue;
      for (int i = r.Uniform(1, 2); i > 0; --i) {
        kadC_AdptMeshDomain domain;
        auto [on, region] = r.Pick(elementSets);
        if (r.Chance(0.1)) region.SetKernelValid(false), on += " (deleted)";
        domain.SetRegion(region);
        std::string told;
        if (!controls.empty() && r.Chance(0.5)) {
          domain.SetControlsName(cow_String(r.Pick(controls)));
          told = " controls \"" + std::string(domain.ControlsName().Str()) + "\"";
        }
        if (r.Chance(0.3)) domain.SetFrequency(r.Uniform(0, 20));
        if (r.Chance(0.3)) domain.SetInitialMeshSweeps(r.Uniform(0, 5));
        if (r.Chance(0.3)) domain.SetMeshSweeps(r.Uniform(0, 5));
        const std::string name = NameFrom(r, "Domain");
        builder.AddAdaptiveMeshDomain(cow_String(step.name), cow_String(name), domain);
        description << "adaptive mesh domain \"" << name << "\" in \"" << step.name << "\" on \""
                    << on << "\"" << told << "\n";
      }
    }
  }

  // The sets (element sets when `elements`, else node sets) or surfaces of
  // written instances' parts as the assembly names them ("Inst.Set"), each
  // with its region.
  std::vector<std::pair<std::string, rgnC_Region>> InstanceRegionsForConstraints(
      bool surfaces, bool elements) const {
    std::vector<std::pair<std::string, rgnC_Region>> found;
    for (const InstancePlan& instance : instances_) {
      if (!Written(instance) || instance.options.lightweight) continue;
      const int id = static_cast<int>(instance.options.id);
      const auto& held = surfaces ? parts_[instance.part].surfaces : parts_[instance.part].regions;
      for (const auto& [name, region] : held) {
        if (!surfaces) {
          const cow_List<int>* members = elements ? region.KernelElementIndices().Find(id)
                                                  : region.KernelNodeIndices().Find(id);
          if (!members || members->IsEmpty()) continue;
          if (elements && std::find(parts_[instance.part].elementSetNames.begin(),
                                    parts_[instance.part].elementSetNames.end(),
                                    name) == parts_[instance.part].elementSetNames.end())
            continue;
        }
        rgnC_Region ref(cow_String(name), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        if (!surfaces && !elements)
          ref.SetKernelNodeIndices(id, *region.KernelNodeIndices().Find(id));
        if (!surfaces && elements)
          ref.SetKernelElementIndices(id, *region.KernelElementIndices().Find(id));
        found.emplace_back(instance.name + "." + name, ref);
      }
    }
    return found;
  }

  // Constraints of random kinds on written regions of instances, each under
  // a name of its own; suppressed now and then.
  void AddConstraints() {
    Rng& r = constraintRng_;
    const auto nodeSets = InstanceRegionsForConstraints(false, false);
    const auto elementSets = InstanceRegionsForConstraints(false, true);
    const auto surfaces = InstanceRegionsForConstraints(true, false);
    if (nodeSets.empty() || !r.Chance(0.5)) return;
    for (int i = r.Uniform(1, 4); i > 0; --i) {
      std::unique_ptr<kcoC_Constraint> constraint;
      std::string told;
      const auto& [pointName, point] = r.Pick(nodeSets);
      switch (r.Uniform(0, 8)) {
        case 0:
          if (surfaces.empty()) continue;
          {
            const auto& [a, first] = r.Pick(surfaces);
            const auto& [b, second] = r.Pick(surfaces);
            auto tie = std::make_unique<kcoC_Tie>();
            tie->SetRegions(first, second);
            tie->SetAdjust(r.Chance(0.5));
            constraint = std::move(tie);
            told = "tie \"" + a + "\" \"" + b + "\"";
          }
          break;
        case 1: {
          if (surfaces.empty()) continue;
          const auto& [on, surface] = r.Pick(surfaces);
          auto coupling =
              std::make_unique<kcoC_Coupling>(point, surface, r.Pick(std::vector<int>{0, 1, 2}));
          for (int dof = 1; dof <= 6; ++dof)
            coupling->SetDof(dof, r.Chance(0.6));
          coupling->SetWeightingMethod(r.Uniform(0, 3));
          coupling->SetAdjust(r.Chance(0.3));
          constraint = std::move(coupling);
          told = "coupling \"" + pointName + "\" to \"" + on + "\"";
          break;
        }
        case 2: {
          if (surfaces.empty()) continue;
          const auto& [on, surface] = r.Pick(surfaces);
          constraint = std::make_unique<kcoC_AdjustPoints>(point, surface);
          told = "adjust \"" + pointName + "\" to \"" + on + "\"";
          break;
        }
        case 3: {
          auto body = std::make_unique<kcoC_RigidBody>();
          rgnC_Region reference = point;
          if (r.Chance(0.05)) {
            reference.SetKernelValid(false);
            told = " (reference point deleted)";
          }
          body->SetRegion(kcoC_RigidBody::kRefPoint, reference);
          if (!elementSets.empty() && r.Chance(0.6))
            body->SetRegion(kcoC_RigidBody::kBody, r.Pick(elementSets).second);
          if (r.Chance(0.5)) body->SetRegion(kcoC_RigidBody::kTie, r.Pick(nodeSets).second);
          if (r.Chance(0.3)) body->SetRegion(kcoC_RigidBody::kPin, r.Pick(nodeSets).second);
          body->SetIsothermal(r.Chance(0.3));
          body->SetCenterOfMass(r.Chance(0.3));
          constraint = std::move(body);
          told = "rigid body on \"" + pointName + "\"" + told;
          break;
        }
        case 4: {
          if (elementSets.size() < 2) continue;
          const auto& [host, hostRegion] = r.Pick(elementSets);
          const auto& [embedded, embeddedRegion] = r.Pick(elementSets);
          constraint = std::make_unique<kcoC_EmbeddedRegion>(hostRegion, embeddedRegion);
          told = "embedded \"" + embedded + "\" in \"" + host + "\"";
          break;
        }
        case 5: {
          if (surfaces.empty()) continue;
          const auto& [a, first] = r.Pick(surfaces);
          const auto& [b, second] = r.Pick(surfaces);
          auto shell = std::make_unique<kcoC_ShellSolidCoupling>();
          shell->SetRegions(first, second);
          constraint = std::move(shell);
          told = "shell to solid \"" + a + "\" \"" + b + "\"";
          break;
        }
        case 6: {
          const auto& [slaveName, slave] = r.Pick(nodeSets);
          constraint = std::make_unique<kcoC_MPC>(slave, point, r.Uniform(0, 4));
          told = "mpc \"" + slaveName + "\" to \"" + pointName + "\"";
          break;
        }
        case 7: {
          cow_List<kcoC_EquationTerm> terms;
          for (int t = r.Uniform(0, 3); t > 0; --t) {
            const auto& [set, region] = r.Pick(nodeSets);
            // The host names an instance's set "Inst.Set", quoting an
            // instance name that holds a dot itself.
            std::string qualified = set;
            if (region.OwnerNames().Length() > 1) {
              const auto quoteDotted = [](const std::string& component) {
                return component.find('.') == std::string::npos ? component
                                                                : "\"" + component + "\"";
              };
              const std::string instance = region.OwnerNames()[1].Str();
              qualified =
                  quoteDotted(instance) + "." + quoteDotted(set.substr(instance.size() + 1));
            }
            terms.Append(
                kcoC_EquationTerm{0.5 * r.Uniform(-4, 4), cow_String(qualified), r.Uniform(1, 6)});
            told += " \"" + set + "\"";
          }
          constraint = std::make_unique<kcoC_Equation>(terms);
          told = "equation" + told;
          break;
        }
        default:
          constraint = std::make_unique<kcoC_DisplayBody>(9999u);
          told = "display body of a deleted instance";
          break;
      }
      constraint->SetSuppressed(r.Chance(0.1));
      // A suppressed rigid body is never written, so its deleted reference
      // point goes unnoticed.
      const auto* rigid = dynamic_cast<const kcoC_RigidBody*>(constraint.get());
      if (rigid && !rigid->Suppressed() && !rigid->Region(kcoC_RigidBody::kRefPoint).KernelValid())
        refusals.push_back("of the rigid body");
      // Constraint names go on option lines as given: a lone quote would
      // unbalance the line, so the names hold none.
      std::string name = NameFrom(r, "Constraint");
      std::replace(name.begin(), name.end(), '"', '\'');
      builder.AddConstraint(cow_String(name), *constraint);
      description << "constraint \"" << name << "\" " << told
                  << (constraint->Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // A fastener's (or its section's) name: writable, at most 24 characters.
  // The first line of "*Fastener" cannot be broken before its elset=: it
  // names the fastener three times and its reference node set once, so
  // longer names (or a set name above 60 characters) may pass 256.
  std::string FastenerName(const std::string& stem) {
    std::string name = NameFrom(fastenerRng_, stem);
    std::replace(name.begin(), name.end(), '"', '\'');
    if (name.size() > 24) name.resize(24);
    return name;
  }

  // Point-based fasteners on written node sets, fastening written surfaces
  // of instances and of the assembly (an empty region now and then), with
  // random options; and discrete fasteners over the assembly's attachment
  // line (when AddConnectors made one), its end vertices attached to
  // written assembly surfaces or to none, with hit records the builder
  // passes over (null, no component, no attachment line). Suppressed now
  // and then. No local system and no connector orientation datums (see
  // ObjectKinds::fasteners).
  // Assembled fasteners: a template model registered in the model database
  // (removed after the write) with a bolt instance (mesh, reference point,
  // set, point mass), a washer carrying the template region, the template
  // assembly's reference point, set and point mass, a tie and a coupling,
  // now and then a connector (oriented or not) with a model section per
  // prefix;
  // placed on the nodes of a small written node set and attached to a
  // written assembly surface of plain name. Two fasteners of one prefix now
  // and then: the second is refused with a message, never written twice.
  void AddAssembledFasteners() {
    Rng& r = assembledFastenerRng_;
    if (!r.Chance(0.6)) return;
    std::vector<std::pair<std::string, rgnC_Region>> points;
    for (const auto& entry : WrittenNodeSets()) {
      std::size_t count = 0;
      for (const auto& held : entry.second.KernelNodeIndices())
        count += held.second.Length();
      if (count > 0 && count <= 12) points.push_back(entry);
    }
    std::vector<std::string> surfaces;
    for (const std::string& name : WrittenAssemblySurfaces())
      if (std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
          }))
        surfaces.push_back(name);
    if (points.empty() || surfaces.empty()) return;

    const std::string templateName = "Random assembled-fastener template";
    hst_ModelBuilder t{cow_String(templateName)};
    t.AddPart("Bolt", hst_GridMesh(r.Uniform(1, 2), 1, 1), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
    t.MutablePart("Bolt").SetReferencePoints({{0.5, 0.5, 2.0}});
    rgnC_Region core("Core", {"Bolt"});
    core.SetKernelNodeIndices(0, {0, 1});
    core.SetKernelElementIndices(0, {0});
    rgnF_Set coreSet(core);
    coreSet.SetId(7000);
    coreSet.SetName("Core");
    t.MutablePart("Bolt").FeatureList().Add(coreSet);
    if (r.Chance(0.7)) {
      kefC_PointMassInertia head;
      head.SetName("Head");
      rgnC_Region headNode("Head", {"Bolt"});
      headNode.SetKernelNodeIndices(0, {0});
      head.SetRegions({headNode});
      if (r.Chance(0.8)) head.SetMass(r.Real(0.1, 2));
      if (!head.HasMass() || r.Chance(0.5)) head.SetRotaryInertia({1, 1, 2, 0, 0, 0});
      kefC_EngineeringFeatures features;
      features.AddInertia(head);
      t.MutablePart("Bolt").SetEngineeringFeatures(features);
    }
    t.AddInstance("Bolt-1", "Bolt");
    t.AddPart("Washer", hst_GridMesh(1, 1, 1));
    t.AddInstance("Washer-1", "Washer");
    t.AddAssemblyRegion("Seat", rgnC_Region("Seat", {"Assembly", "Washer-1"}), true);
    AddAssembledFastenerPosition(t);
    t.AddAssemblyNodes(nullptr, 1);
    rgnC_Region tip("Tip", {"Assembly"});
    tip.SetKernelNodeIndices(1000, {0});
    if (r.Chance(0.5)) {
      kefC_PointMassInertia tipMass;
      tipMass.SetName("Tip");
      tipMass.SetRegions({tip});
      tipMass.SetMass(0.5);
      kefC_EngineeringFeatures features;
      features.AddInertia(tipMass);
      t.Assembly().SetEngineeringFeatures(features);
    }
    rgnC_Region pins("Pins", {"Assembly"});
    pins.SetKernelNodeIndices(1, {2, 3});
    pins.SetKernelNodeIndices(1000, {0});
    t.AddAssemblyRegion("Pins", pins);
    kcoC_Tie hold;
    hold.SetRegions(rgnC_Region("Seat", {"Assembly", "Washer-1"}),
                    rgnC_Region("Core", {"Assembly", "Bolt-1"}, 4));
    t.AddConstraint("Hold", hold);
    kcoC_Coupling grip(rgnC_Region("Pins", {"Assembly"}, 4),
                       rgnC_Region("Seat", {"Assembly", "Washer-1"}), r.Uniform(0, 1));
    grip.SetDofs({true, true, true, true, true, true});
    grip.SetAdjust(r.Chance(0.5));
    t.AddConstraint("Grip", grip);
    const bool connector = r.Chance(0.5);
    if (connector) AddAssembledFastenerConnector(t);
    t.Model();
    partnerModels.push_back(templateName);

    const int count = r.Chance(0.2) ? 2 : 1;
    const std::string prefix = NameFrom(r, "AF");
    bool turnAdded = false;
    for (int i = 0; i < count; ++i) {
      const auto& [on, region] = r.Pick(points);
      kefC_AssembledFastener fastener;
      fastener.SetRegion(region);
      fastener.templateModel = templateName;
      fastener.positioningSet = "Pos";
      fastener.prefix = r.Chance(0.3) ? prefix : NameFrom(r, "AF");
      fastener.surfaceNames = {cow_String(r.Pick(surfaces))};
      fastener.templateRegionNames = {"Seat"};
      fastener.orientationMethod = 2;
      if (r.Chance(0.4)) {
        // Turned by a datum system of the model: the template's connectors,
        // with an orientation of their own or without, turn with the copies.
        if (!turnAdded) AddAssembledFastenerTurn();
        turnAdded = true;
        fastener.orientationMethod = 1;
        fastener.datum = dtmC_DatumRef{{}, "AF-Turn"};
      }
      fastener.SetSuppressed(r.Chance(0.1));
      if (connector) {
        // The model's connector section of the template's wire, by prefix.
        kseC_ConnectorSection conn;
        conn.SetTypes(0, 1, 0);
        conn.SetConnectionTypeText("Cartesian");
        builder.AddSection(fastener.prefix + "_Conn", conn);
      }
      const std::string name = NameFrom(r, "Assembled");
      builder.AddFastener(name, fastener);
      description << "assembled fastener \"" << name << "\" prefix \"" << fastener.prefix.Str()
                  << "\" on \"" << on << "\" attached to \"" << fastener.surfaceNames[0].Str()
                  << "\"" << (fastener.orientationMethod == 1 ? " turned by \"AF-Turn\"" : "")
                  << (fastener.Suppressed() ? " suppressed" : "") << "\n";
      if (!steps_.empty() && r.Chance(0.3)) AddAssembledFastenerOutput(name);
    }
  }

  // The model's datum system "AF-Turn" that turned assembled fasteners are
  // placed by: the template's z axis onto the global x or y axis.
  void AddAssembledFastenerTurn() {
    Rng& r = assembledFastenerRng_;
    const bool ontoX = r.Chance(0.5);
    const dtu_DatumCsys turn =
        ontoX ? dtu_DatumCsys(dtu_DatumCsys::kRectangular, {}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0})
              : dtu_DatumCsys(dtu_DatumCsys::kRectangular, {}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    builder.AddAssemblyDatum("AF-Turn", turn);
  }

  // The template's positioning point set "Pos": one reference point of the
  // template assembly at the origin, which the writer locates and the check
  // finds (a set the check would warn about is one the writer skips).
  static void AddAssembledFastenerPosition(hst_ModelBuilder& t) {
    rgnC_Region pos("Pos", {"Assembly"});
    pos.SetKernelRefPoints({gsl_Point(0, 0, 0)});
    t.AddAssemblyRegion("Pos", pos);
  }

  // The template's wire from the bolt's first node to the template
  // assembly's reference point with the connector section "Conn", turned
  // now and then by the template's datum system at one or both ends.
  void AddAssembledFastenerConnector(hst_ModelBuilder& t) {
    Rng& r = assembledFastenerRng_;
    dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, {}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0});
    csys.SetId(5);
    csys.SetName("Csys-1");
    t.Assembly().FeatureList().Add(csys);
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
    if (r.Chance(0.6)) {
      ptoC_ConnectorOrientation turned(wires);
      turned.SetFirst(dtmC_DatumRef{{}, "Csys-1"});
      if (r.Chance(0.4)) turned.SetSecond(dtmC_DatumRef{{}, "Csys-1"});
      t.Assembly().AddConnectorOrientation(turned);
    }
  }

  // A field or history output request on the assembled fastener `fastener`
  // in one step: on the template assembly's set "Pins", or now and then on
  // a set the template lacks (dropped by the writer).
  void AddAssembledFastenerOutput(const std::string& fastener) {
    Rng& r = assembledFastenerRng_;
    const auto& step = steps_[static_cast<std::size_t>(
        r.Uniform(0, static_cast<int>(steps_.size()) - 1))];
    const cow_String suffix = r.Chance(0.8) ? "Pins" : "Nowhere";
    const bool field = r.Chance(0.5);
    std::string name = NameFrom(r, field ? "F-Assembled" : "H-Assembled");
    std::replace(name.begin(), name.end(), '"', '\'');
    if (field) {
      korC_FieldOutputState state;
      state.SetVariables({"U", "S"});
      korC_FieldOutput request;
      request.SetDomain(korC_ASSEMBLED_FASTENER);
      request.SetFastenerName(cow_String(fastener));
      request.SetFastenerSetSuffix(suffix);
      request.SetState(cow_String(step.name), state);
      builder.AddFieldOutput(cow_String(name), request);
    } else {
      korC_HistoryOutputState state;
      state.SetVariables({"RF1"});
      korC_HistoryOutput request;
      request.SetDomain(korC_ASSEMBLED_FASTENER);
      request.SetFastenerName(cow_String(fastener));
      request.SetFastenerSetSuffix(suffix);
      request.SetState(cow_String(step.name), state);
      builder.AddHistoryOutput(cow_String(name), request);
    }
    description << "output \"" << name << "\" on assembled fastener \"" << fastener
                << "\" set \"" << suffix.Str() << "\" in \"" << step.name << "\"\n";
  }

  void AddFasteners() {
    Rng& r = fastenerRng_;
    std::vector<std::pair<std::string, rgnC_Region>> nodeSets;
    for (const auto& entry : WrittenNodeSets())
      if (entry.first.size() <= 60) nodeSets.push_back(entry);
    std::vector<std::pair<std::string, rgnC_Region>> surfaces =
        InstanceRegionsForConstraints(true, false);
    for (const std::string& name : WrittenAssemblySurfaces())
      surfaces.emplace_back(name, OutputRegion(name, true));
    // The surfaces attachment vertices attach to are the kernel's own
    // (plain names, the same in flat and part-based files).
    std::vector<std::string> assemblySurfaces;
    for (const std::string& name : WrittenAssemblySurfaces())
      if (std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
          }))
        assemblySurfaces.push_back(name);
    std::vector<std::string> wireSections, ownSections;
    for (const auto& assignment : builder.Assembly().SectionAssignments())
      if (const auto* a = dynamic_cast<const ptoC_SectionAssignment*>(assignment.Get()))
        wireSections.push_back(a->SectionName().Str());
    const auto common = [&r](kefC_Fastener& fastener, std::string& told) {
      fastener.ur1 = r.Chance(0.7);
      fastener.ur2 = r.Chance(0.7);
      fastener.ur3 = r.Chance(0.7);
      if (r.Chance(0.3)) fastener.radiusOfInfluence = r.Chance(0.2) ? 0.0 : r.Real(0.5, 5);
      // Now and then a weighting method the kernel does not know.
      fastener.weightingMethod = static_cast<kefC_WeightingMethodEnum>(r.Uniform(0, 4));
      fastener.coupling =
          r.Chance(0.5) ? kefC_CouplingEnum::STRUCTURAL : kefC_CouplingEnum::CONTINUUM;
      fastener.SetSuppressed(r.Chance(0.1));
      told += fastener.Suppressed() ? " suppressed" : "";
    };
    for (int i = nodeSets.empty() || !r.Chance(0.4) ? 0 : r.Uniform(1, 3); i > 0; --i) {
      const auto& [on, region] = r.Pick(nodeSets);
      kefC_PointFastener fastener;
      fastener.SetRegion(region);
      std::string told = "on \"" + on + "\"";
      for (int s = surfaces.empty() ? 0 : r.Uniform(0, 3); s > 0; --s) {
        if (r.Chance(0.15)) {
          fastener.targetSurfaces.Append(rgnC_Region());
          told += " empty surface";
          continue;
        }
        const auto& [name, surface] = r.Pick(surfaces);
        fastener.targetSurfaces.Append(surface);
        told += " surface \"" + name + "\"";
      }
      fastener.physicalRadius = r.Real(0.1, 2);
      if (r.Chance(0.4)) fastener.mass = r.Chance(0.2) ? -1.5 : r.Real(0, 3);
      if (r.Chance(0.3)) fastener.searchRadius = r.Real(0.5, 5);
      if (r.Chance(0.3)) fastener.numberOfLayers = r.Uniform(1, 4);
      fastener.adjustOrientation = r.Chance(0.5);
      fastener.unsorted = r.Chance(0.2);
      fastener.attachmentMethod = static_cast<kefC_AttachmentMethodEnum>(r.Uniform(0, 3));
      if (r.Chance(0.5))
        fastener.projectionDirection = gsl_ModelSegment(
            gsl_Point(0, 0, 0), gsl_Point(r.Real(-1, 1), r.Real(-1, 1), r.Real(-1, 1)));
      switch (r.Uniform(0, 3)) {
        case 0:
          if (!ownSections.empty() && r.Chance(0.4)) {
            fastener.connectorSection = r.Pick(ownSections);
          } else {
            const std::string section = FastenerName("FConn");
            kseC_ConnectorSection connector =
                aif_test::RandomConnectorBehavior(static_cast<unsigned>(r.Uniform(0, 1 << 20)))
                    .Section();
            connector.SetTypes(0, 1, 2);
            connector.SetConnectionTypeText("Cartesian + Cardan");
            builder.AddSection(cow_String(section), connector);
            ownSections.push_back(section);
            fastener.connectorSection = section;
          }
          break;
        case 1:
          // A section of the assembly's wires (a connector or MPC section)
          // whose behaviour the instance builder files.
          if (!wireSections.empty()) fastener.connectorSection = r.Pick(wireSections);
          break;
        case 2:
          fastener.connectorSection = "Missing-Section";
          break;
        default:
          fastener.elementSetIndicator = r.Uniform(1, 3);
          break;
      }
      told += " section \"" + fastener.connectorSection.Str() + "\" indicator " +
              std::to_string(fastener.elementSetIndicator);
      common(fastener, told);
      const std::string name = FastenerName("Fastener");
      builder.AddFastener(cow_String(name), fastener);
      description << "point-based fastener \"" << name << "\" " << told << "\n";
    }

    const ftr_AssemblyAttachments& attachments =
        builder.Assembly().ConstGetFeatureList().AssemblyAttachments();
    if (!attachments.lines.Find(1) || !r.Chance(0.7)) return;
    rgnC_GeomComponent line{.kind = rgnC_GeomComponent::kEdge, .index = 1, .attachmentLine = true};
    line.ends[0].vertexIndex = 501;
    line.ends[1].vertexIndex = 502;
    builder.AddAssemblyGeomComponent(line).AddAssemblyGeomComponent(
        rgnC_GeomComponent{.kind = rgnC_GeomComponent::kEdge, .index = 2});
    cow_Map<int, cow_String> attached;
    std::string told;
    for (int vertex : {501, 502})
      if (!assemblySurfaces.empty() && r.Chance(0.8)) {
        const std::string& surface = r.Pick(assemblySurfaces);
        attached.Set(vertex, cow_String(surface));
        told += " vertex " + std::to_string(vertex) + " on \"" + surface + "\"";
      }
    builder.SetAssemblyAttachmentSurfaces(attached);
    description << "attachment line 1 with vertices 501 and 502" << told << "\n";
    for (int i = r.Uniform(1, 2); i > 0; --i) {
      kefC_DiscreteFastener fastener;
      cow_List<std::optional<gdy_GeomHitRecord>> hits;
      std::string hitsTold;
      for (int h = r.Uniform(1, 3); h > 0; --h) {
        switch (r.Uniform(0, 4)) {
          case 0:
            hits.Append(std::nullopt), hitsTold += " null";
            break;
          case 1:
            hits.Append(gdy_GeomHitRecord(ftr_kAssemblyId, 2)), hitsTold += " edge 2";
            break;
          case 2:
            hits.Append(gdy_GeomHitRecord(ftr_kAssemblyId, 77)), hitsTold += " component 77";
            break;
          default:
            hits.Append(gdy_GeomHitRecord(ftr_kAssemblyId, 1)), hitsTold += " line 1";
            break;
        }
      }
      rgnC_Region region(cow_String(FastenerName("Lines")), {"Assembly"});
      region.SetKernelGeomHits(hits);
      fastener.SetRegion(region);
      common(fastener, hitsTold);
      const std::string name = FastenerName("Discrete");
      builder.AddFastener(cow_String(name), fastener);
      description << "discrete fastener \"" << name << "\"" << hitsTold << "\n";
    }
  }

  // Cracks of the assembly and the history requests on them.
  //   XFEM: on a written element set of an instance, growing or not, its
  //   faces in contact by a property of its own and an enrichment radius now
  //   and then.
  //   Contour integral: front and tip written node sets of instances whose
  //   nodes are numbered 1.. (the same set now and then), each given one to
  //   three elements of its instance, of which the layer stand-in makes one
  //   front segment each; a normal, or one q-vector, or one per segment (zero
  //   length now and then); front kind 2 now and then.
  //   Requests: one or two on most cracks, created in a random step, then
  //   carried over, modified or switched off; now and then suppressed, on a
  //   crack that is missing, or naming a residual stress step (a suppressed
  //   one, or one the model lacks).
  // Crack names and request names hold no unpaired quote.
  void AddCracks() {
    Rng& r = crackRng_;
    if (steps_.empty() || !r.Chance(0.8)) return;
    auto writable = [&r, this](const char* stem) {
      std::string name = NameFrom(r, stem);
      std::replace(name.begin(), name.end(), '"', '\'');
      return name;
    };
    std::vector<std::string> cracks;
    const auto elementSets = InstanceRegionsForConstraints(false, true);
    for (int i = elementSets.empty() ? 0 : r.Uniform(1, 2); i > 0; --i) {
      kefC_XFEMCrack crack;
      const auto& [on, domain] = r.Pick(elementSets);
      crack.SetRegions(domain, rgnC_Region());
      crack.SetAllowGrowth(r.Chance(0.5));
      std::string told;
      if (r.Chance(0.5)) {
        const std::string property = writable("CrackFaces");
        builder.AddInteractionProperty(cow_String(property), kinC_ContactProperty());
        crack.SetInteractionName(cow_String(property));
        told += " faces \"" + property + "\"";
      }
      if (r.Chance(0.3)) {
        crack.SetEnrichmentRadius(0.25 * r.Uniform(1, 8));
        told += " radius";
      }
      crack.SetSuppressed(r.Chance(0.1));
      const std::string name = writable("Crack");
      builder.AddCrack(cow_String(name), crack);
      cracks.push_back(name);
      description << "xfem crack \"" << name << "\" on \"" << on << "\"" << told
                  << (crack.IsSuppressed() ? " suppressed" : "") << "\n";
    }

    // Written node sets of instances with elements, their instance's
    // element count beside each.
    struct CrackSet {
      std::string name;
      rgnC_Region region;
      int elements;
    };
    std::vector<CrackSet> sets;
    for (const InstancePlan& instance : instances_) {
      const PartPlan& part = parts_[instance.part];
      if (!Written(instance) || instance.options.lightweight || !NodeMembers(part) ||
          !ElementMembers(part))
        continue;
      const int id = static_cast<int>(instance.options.id);
      for (const auto& [set, held] : part.regions) {
        const cow_List<int>* nodes = held.KernelNodeIndices().Find(id);
        if (!nodes || nodes->IsEmpty()) continue;
        rgnC_Region ref(cow_String(set), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        ref.SetKernelNodeIndices(id, *nodes);
        sets.push_back(
            {instance.name + "." + set, ref, static_cast<int>(part.mesh->NumElements())});
      }
    }
    // `set` given one to `most` distinct elements of its instance.
    auto withElements = [&r](const CrackSet& set, int most) {
      std::vector<int> elements;
      for (int n = r.Uniform(1, std::min(most, set.elements)); n > 0;) {
        const int element = r.Uniform(0, set.elements - 1);
        if (std::find(elements.begin(), elements.end(), element) != elements.end()) continue;
        elements.push_back(element);
        --n;
      }
      rgnC_Region region = set.region;
      region.SetKernelElementIndices(static_cast<int>(region.KernelInstanceIds()[0]),
                                     ToList(elements));
      return std::make_pair(region, elements.size());
    };
    auto vector = [&r]() {
      if (r.Chance(0.1)) return gsl_ModelSegment(gsl_Point(1, 1, 1), gsl_Point(1, 1, 1));
      return gsl_ModelSegment(gsl_Point(0, 0, 0),
                              gsl_Point(r.Uniform(-2, 2), r.Uniform(-2, 2), r.Uniform(1, 2)));
    };
    for (int i = sets.empty() ? 0 : r.Uniform(1, 2); i > 0; --i) {
      const CrackSet& frontSet =
          sets[static_cast<std::size_t>(r.Uniform(0, static_cast<int>(sets.size()) - 1))];
      const CrackSet& tipSet =
          sets[static_cast<std::size_t>(r.Uniform(0, static_cast<int>(sets.size()) - 1))];
      const bool sameTip = r.Chance(0.4);
      // A segment line names its front and tip sets and a q-vector without a
      // break: the two set names keep to 120 characters together.
      if (frontSet.name.size() + (sameTip ? frontSet : tipSet).name.size() > 120) continue;
      const auto [front, segments] = withElements(frontSet, 3);
      std::string told =
          " front \"" + frontSet.name + "\" " + std::to_string(segments) + " segment(s)";
      kefC_ContourIntegral crack;
      if (sameTip) {
        crack.SetRegions(front, front);
        told += " tip the same";
      } else {
        crack.SetRegions(front, withElements(tipSet, 3).first);
        told += " tip \"" + tipSet.name + "\"";
      }
      crack.SetFrontKind(r.Chance(0.3) ? 2 : r.Uniform(0, 1));
      crack.SetSymmetric(r.Chance(0.3));
      if (r.Chance(0.4)) {
        crack.SetNormal(vector());
        told += " normal";
      } else {
        cow_List<gsl_ModelSegment> qVectors;
        for (std::size_t q = r.Chance(0.5) ? 1 : segments; q > 0; --q)
          qVectors.Append(vector());
        crack.SetQVectors(qVectors);
        told += " q-vectors " + std::to_string(qVectors.Length());
      }
      told += " front kind " + std::to_string(crack.FrontKind());
      crack.SetSuppressed(r.Chance(0.1));
      const std::string name = writable("Crack");
      builder.AddCrack(cow_String(name), crack);
      cracks.push_back(name);
      description << "contour integral crack \"" << name << "\"" << told
                  << (crack.IsSuppressed() ? " suppressed" : "") << "\n";
    }
    if (cracks.empty()) return;

    // Most cracks get a request of their own, now and then a second; now
    // and then a request names a crack that is missing.
    std::vector<std::string> named;
    for (const std::string& crack : cracks)
      for (int i = r.Chance(0.85) ? (r.Chance(0.2) ? 2 : 1) : 0; i > 0; --i)
        named.push_back(crack);
    if (r.Chance(0.1)) named.push_back("Missing crack");
    for (const std::string& crack : named) {
      korC_HistoryOutput request;
      std::string told;
      request.SetCrackName(cow_String(crack));
      request.SetDomain(korC_CRACK);
      request.SetNumberOfContours(r.Uniform(1, 10));
      request.SetContourType(r.Uniform(0, 3));
      request.SetKFactorDirection(
          static_cast<korC_HistoryOutput::KFactorDirectionEnm>(r.Uniform(0, 3)));
      if (r.Chance(0.3)) {
        const std::string residual =
            r.Chance(0.2) ? std::string("No such step") : r.Pick(steps_).name;
        request.SetResidualStressStepName(cow_String(residual));
        told += " residual stresses of \"" + residual + "\"";
      }
      if (r.Chance(0.1)) request.SetSuppressed(true), told += " suppressed";
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(steps_.size()) - 1));
      told += " from \"" + steps_[first].name + "\"";
      for (std::size_t s = first; s < steps_.size(); ++s) {
        const int status = s == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        korC_HistoryOutputState state;
        state.SetFrequency(r.Pick(std::vector<int>{0, 1, 5, 10}));
        request.SetState(cow_String(steps_[s].name), state, status);
        if (status == 4) {
          told += " to \"" + steps_[s].name + "\"";
          break;
        }
      }
      // The contour integral's line names the crack by the request's name,
      // "_" and the crack's, with up to about 150 characters of options
      // after it and no break: the two names keep to 100 characters
      // together.
      std::string name = writable("H-Crack");
      if (name.size() + crack.size() > 100)
        name.resize(std::max<std::size_t>(12, 100 - std::min<std::size_t>(crack.size(), 88)));
      builder.AddHistoryOutput(cow_String(name), request);
      description << "crack history output \"" << name << "\" on \"" << crack << "\"" << told
                  << "\n";
    }
  }

  // Adaptive mesh constraints on the assembly's written node sets:
  // displacement or velocity, by degrees of freedom, Lagrangian or user;
  // created in a random analysis step, then carried over (2 or 9), modified
  // (3 or 10, really or not) or removed (4 or 11); suppressed now and then.
  void AddAdaptiveMeshConstraints() {
    Rng& r = amcRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::pair<std::string, rgnC_Region>> nodeSets = WrittenNodeSets();
    if (analysis.empty() || nodeSets.empty()) return;
    for (int i = r.Uniform(0, 3); i > 0; --i) {
      std::unique_ptr<kprC_AdptMeshCons> constraint;
      std::string told;
      if (r.Chance(0.5))
        constraint = std::make_unique<kprC_DispAdptMeshCons>(), told = "displacement";
      else
        constraint = std::make_unique<kprC_VelAdptMeshCons>(), told = "velocity";
      const auto& [on, region] = r.Pick(nodeSets);
      constraint->SetRegion(region);
      constraint->SetMotionType(r.Pick(std::vector<int>{0, 0, 0, 1, 2}));
      told += " motion " + std::to_string(constraint->MotionTypeEnum());
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      for (std::size_t k = first; k < analysis.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 9, 3, 10, 4, 11});
        kprC_AdptMeshConsState state;
        state.SetStatus(status);
        for (std::size_t d = 0; d < 6; ++d)
          if (r.Chance(0.6))
            state.SetDof(d, r.Chance(0.3) ? 0.0 : r.Real(-2, 2),
                         status == 1 || ((status == 3 || status == 10) && r.Chance(0.5)) ? 1 : 2);
        const cow_String step(analysis[k]);
        constraint->SetState(step, status, state);
        if (status == 3 || status == 10) constraint->SetModified(step, r.Chance(0.5));
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4 || status == 11) break;
      }
      constraint->SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Amc");
      builder.AddAdaptiveMeshConstraint(cow_String(name), *constraint);
      description << "adaptive mesh constraint \"" << name << "\" " << told << " on \"" << on
                  << "\"" << (constraint->Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Model changes: a written assembly element set removed or added (with
  // strain now and then), or the activation line, created in a random
  // analysis step and then carried over, modified or deactivated;
  // suppressed now and then.
  void AddModelChanges() {
    Rng& r = modelChangeRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::string> elementSets = AssemblySetsWith(false);
    if (analysis.empty()) return;
    for (int i = r.Uniform(0, 2); i > 0; --i) {
      kinC_ModelChange change;
      std::string told;
      if (elementSets.empty() || r.Chance(0.2)) {
        change.SetActivation(true);
        told = "activation";
      } else {
        const std::string set = r.Pick(elementSets);
        change.SetRegion(AssemblyRef(set));
        told = "on \"" + set + "\"";
      }
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      for (std::size_t k = first; k < analysis.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        kinC_ModelChangeState state;
        state.SetAdd(r.Chance(0.5));
        state.SetWithStrain(r.Chance(0.3));
        change.SetState(cow_String(analysis[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4) break;
      }
      change.SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Mc");
      builder.AddInteraction(cow_String(name), change);
      description << "model change \"" << name << "\" " << told
                  << (change.Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // A contact property with random options, each drawn on its own: the
  // section data, friction, a pressure-overclosure relation (with the tables
  // it needs) or enforcement method, cohesive behaviour with damage,
  // contact damping and the gap options.
  static kinC_ContactProperty RandomContactProperty(Rng& r, std::string& told) {
    kinC_ContactProperty property;
    auto table = [&r](std::size_t rows, std::size_t columns) {
      cow_2DArray<double> values(rows, columns);
      for (std::size_t row = 0; row < rows; ++row)
        for (std::size_t column = 0; column < columns; ++column)
          values.Modify(row, column) = 0.5 * r.Uniform(1, 9) + static_cast<double>(row);
      return values;
    };
    if (r.Chance(0.3)) {
      kinC_ContactSection& section = property.Set<kinC_ContactSection>();
      section.dataValue = 0.5 * r.Uniform(1, 4);
      if (r.Chance(0.5)) section.padThickness = 0.1 * r.Uniform(1, 5);
      told += " section";
    }
    if (r.Chance(0.7)) {
      kinC_TangentialBehavior& friction = property.Set<kinC_TangentialBehavior>();
      friction.formulation = r.Uniform(0, 1);
      if (friction.formulation == 1) friction.table = table(1, 1);
      told += " friction " + std::to_string(friction.formulation);
    }
    if (r.Chance(0.5)) {
      kinC_NormalBehavior& normal = property.Set<kinC_NormalBehavior>();
      normal.pressureOverclosure = r.Uniform(0, 4);
      normal.allowSeparation = r.Chance(0.7);
      normal.constraintEnforcementMethod = r.Chance(0.6) ? 0 : r.Uniform(1, 3);
      normal.penaltyKind = r.Uniform(0, 1);
      if (r.Chance(0.5)) normal.contactStiffness = 100.0 * r.Uniform(1, 9);
      normal.exponentialTable = table(2, 2);
      normal.pressureOverclosureTable = table(static_cast<std::size_t>(r.Uniform(1, 3)), 2);
      if (r.Chance(0.3)) normal.scaleFactorValue1 = 0.1 * r.Uniform(1, 5);
      told += " normal " + std::to_string(normal.pressureOverclosure) + "/" +
              std::to_string(normal.constraintEnforcementMethod);
    }
    if (r.Chance(0.2)) {
      kinC_CohesiveBehavior& cohesive = property.Set<kinC_CohesiveBehavior>();
      cohesive.eligibility = r.Uniform(0, 1);
      cohesive.defaultContactPenalties = r.Chance(0.5);
      cohesive.table = table(1, 3);
      told += " cohesive";
      if (r.Chance(0.5)) {
        kinC_CohesiveDamage& damage = property.Set<kinC_CohesiveDamage>();
        damage.criterion = r.Uniform(0, 3);
        damage.table = table(1, 3);
        damage.evolution = r.Chance(0.5);
        damage.evolutionTable = table(1, 1);
        told += " damage";
      }
    }
    if (r.Chance(0.2)) {
      kinC_ContactDamping& damping = property.Set<kinC_ContactDamping>();
      damping.definition = r.Uniform(0, 1);
      damping.variation = r.Uniform(0, 2);
      damping.table = table(3, 2);
      told += " damping " + std::to_string(damping.variation);
    }
    if (r.Chance(0.2)) {
      kinC_GapConductance& conductance = property.Set<kinC_GapConductance>();
      conductance.clearanceDependency = true;
      conductance.clearanceTable = table(2, 2);
      told += " gap conductance";
    }
    if (r.Chance(0.1)) {
      property.Set<kinC_GapHeatGeneration>();
      told += " gap heat generation";
    }
    if (r.Chance(0.1)) {
      property.Set<kinC_GapRadiation>().table = table(2, 2);
      told += " gap radiation";
    }
    return property;
  }

  // Contact pairs on the written assembly surfaces, of the product's solver:
  // surface to surface (now and then with a clearance value) or self
  // contact, naming one of two contact properties. Each is created in the
  // initial step or a random analysis step (a Standard pair now and then
  // without the modified mark on its property), then carried over,
  // modified (its property changed, or switched off or on) or removed;
  // suppressed now and then. See also AddContactPairReferences.
  void AddContactPairs() {
    Rng& r = contactRng_;
    // The written assembly surfaces, and the surfaces of written instances'
    // parts as the assembly names them ("Inst.Surf").
    std::map<std::string, rgnC_Region> regions;
    for (const std::string& name : WrittenAssemblySurfaces())
      regions[name] = OutputRegion(name, true);
    for (const InstancePlan& instance : instances_) {
      if (!Written(instance) || instance.options.lightweight) continue;
      for (const auto& [name, held] : parts_[instance.part].surfaces) {
        rgnC_Region ref(cow_String(name), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        regions[instance.name + "." + name] = ref;
      }
    }
    std::vector<std::string> surfaces;
    for (const auto& entry : regions)
      surfaces.push_back(entry.first);
    std::vector<std::string> steps = LoadSteps();
    if (surfaces.empty() || steps.empty()) return;
    steps.insert(steps.begin(), "Initial");
    // Hostile names without the unpaired quote the writer refuses.
    auto writable = [&r, this](const char* stem) {
      std::string name = NameFrom(r, stem);
      std::replace(name.begin(), name.end(), '"', '\'');
      return name;
    };
    const std::vector<std::string> properties = {writable("IntProp"), writable("IntProp")};
    for (const std::string& property : properties) {
      std::string told;
      builder.AddInteractionProperty(cow_String(property), RandomContactProperty(r, told));
      description << "contact property \"" << property << "\"" << told << "\n";
    }
    for (int i = r.Uniform(0, 2); i > 0; --i) {
      const bool self = surfaces.size() < 2 || r.Chance(0.3);
      std::unique_ptr<kinC_ContactPairInteraction> pair;
      if (self)
        pair = explicit_ ? std::unique_ptr<kinC_ContactPairInteraction>(new kinC_SelfContactXpl)
                         : std::unique_ptr<kinC_ContactPairInteraction>(new kinC_SelfContactStd);
      else
        pair =
            explicit_
                ? std::unique_ptr<kinC_ContactPairInteraction>(new kinC_SurfaceToSurfaceContactXpl)
                : std::unique_ptr<kinC_ContactPairInteraction>(new kinC_SurfaceToSurfaceContactStd);
      const std::string first = r.Pick(surfaces);
      std::string second = first;
      while (!self && second == first)
        second = r.Pick(surfaces);
      std::string told = std::string(self ? "self contact" : "contact pair") + " on \"" + first +
                         "\"" + (self ? "" : " and \"" + second + "\"");
      pair->SetSurfaces(regions.at(first), self ? rgnC_Region() : regions.at(second));
      if (!self && r.Chance(0.3)) {
        kinC_ClearanceData clearance;
        clearance.clearanceType = 2;
        clearance.value = 0.01 * r.Uniform(1, 9);
        static_cast<kinC_SurfaceToSurfaceContact&>(*pair).SetClearance(clearance);
        told += " clearance";
      }
      const std::size_t created =
          r.Chance(0.5)
              ? 0
              : static_cast<std::size_t>(r.Uniform(1, static_cast<int>(steps.size()) - 1));
      pair->SetCreateStepName(cow_String(steps[created]));
      std::string property = r.Pick(properties);
      const std::string createdWith = property;
      // The Standard writer decides by the later changes alone.
      const bool markCreation = explicit_ || r.Chance(0.4);
      bool changedLater = false;
      std::vector<std::string> stated;
      bool active = true;
      for (std::size_t k = created; k < steps.size(); ++k) {
        const cow_String step(steps[k]);
        const int status = k == created ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        if (status == 4) {
          pair->SetStatus(step, 4);
          pair->SetModified(step, true);
          told.append(" 4@").append(steps[k]);
          break;
        }
        bool propertyChanged = status == 1;
        bool switched = false;
        if (status == 3) {
          if (r.Chance(0.5)) {
            property = property == properties[0] ? properties[1] : properties[0];
            propertyChanged = true;
          } else {
            active = !active;
            switched = true;
          }
        }
        pair->AddStep(step);
        std::unique_ptr<kinC_ContactPairState> state(
            static_cast<kinC_ContactPairState*>(pair->ConstGetState(step).Clone()));
        state->SetInteractionProperty(cow_String(property), status == 1 ? 1 : 2,
                                      propertyChanged && (status != 1 || markCreation));
        state->SetActive(active, switched ? 1 : 2, switched);
        pair->SetState(step, status, *state);
        pair->SetModified(step, status != 2);
        stated.push_back(steps[k]);
        changedLater = changedLater || (status == 3 && propertyChanged);
        told.append(" ").append(std::to_string(status)).append("@").append(steps[k]);
        if (propertyChanged) told.append("(").append(property).append(")");
        if (status == 1 && !markCreation) told.append("(unmarked)");
        if (switched) told.append(active ? "(on)" : "(off)");
      }
      pair->SetSuppressed(r.Chance(0.1));
      const std::string name = writable("Cp");
      if (!pair->Suppressed()) AddContactPairReferences(r, *pair, stated, told);
      if (!explicit_ && !pair->Suppressed() && changedLater)
        propertyCopies.emplace_back("_" + name + "-Prop", createdWith);
      builder.AddInteraction(cow_String(name), *pair);
      description << told << " \"" << name << "\"" << (pair->Suppressed() ? " suppressed" : "")
                  << "\n";
    }
  }

  // A pair's references beyond its properties: now and then contact
  // controls of the product's kind named in one of the steps `stated` the
  // pair has a state in, and, rarely, a property or controls name the model
  // does not hold in one of them, which the writer must refuse.
  void AddContactPairReferences(Rng& r, kinC_ContactPairInteraction& pair,
                                const std::vector<std::string>& stated, std::string& told) {
    if (stated.empty()) return;
    auto name = [&](bool controls, const std::string& value) {
      const cow_String step(r.Pick(stated));
      std::unique_ptr<kinC_ContactPairState> state(
          static_cast<kinC_ContactPairState*>(pair.ConstGetState(step).Clone()));
      if (controls)
        state->SetContactControls(cow_String(value), 1, true);
      else
        state->SetInteractionProperty(cow_String(value), 1, true);
      pair.SetState(step, pair.GetPropStatus(step), *state);
      told.append(controls ? " controls " : " property ")
          .append(value)
          .append("@")
          .append(step.Str());
    };
    if (r.Chance(0.3)) {
      const std::string controls = NameFrom(r, "Ctrl");
      if (explicit_) {
        kinC_ExpContactControls values;
        values.penaltyScale = 2.0;
        builder.AddContactControls(cow_String(controls), values);
      } else {
        kinC_StdContactControls values;
        values.stiffnessScaleFactor = 2.0;
        builder.AddContactControls(cow_String(controls), values);
      }
      name(true, controls);
    }
    if (r.Chance(0.03)) {
      const bool controls = r.Chance(0.5);
      name(controls, controls ? "Gone-Ctrl" : "Gone-Prop");
      refusals.push_back("which the model does not define.");
    }
  }

  // Incident waves: one to three properties of random wave type, source and
  // values, each named by one or two waves; each wave, of a random
  // definition (an amplitude definition only when amplitudes are written,
  // now and then with an imaginary amplitude too), on three written assembly
  // node sets, is created in a random analysis step, then carried over,
  // modified or deactivated; suppressed now and then.
  void AddIncidentWaves() {
    Rng& r = incidentWaveRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::string> nodeSets = AssemblySetsWith(true);
    if (analysis.empty() || nodeSets.empty() || !r.Chance(0.5)) return;
    auto procedureOf = [&](const std::string& step) {
      for (const StepPlan& plan : steps_)
        if (plan.name == step) return plan.procedure;
      return 0u;
    };
    for (int p = r.Uniform(1, 3); p > 0; --p) {
      kinC_IncidentWaveProperty property;
      property.SetWaveType(r.Uniform(1, 4));
      property.SetSourceDefinition(r.Uniform(1, 2));
      property.SetFluidDensity(r.Real(900, 1100));
      property.SetSoundSpeed(r.Real(1400, 1600));
      property.SetChargeDensity(r.Real(1000, 2000));
      property.SetBubbleDrag(r.Chance(0.5));
      property.SetIntegrationSteps(r.Uniform(100, 1000));
      property.SetDiffuseSeeds(r.Uniform(1, 50));
      property.SetSourceFirstValue(r.Real(-1, 1));
      property.SetBlastEquivalentMass(r.Real(1, 100));
      // A hostile name without the unpaired quote the writer refuses.
      std::string propertyName = NameFrom(r, "Iwp");
      std::replace(propertyName.begin(), propertyName.end(), '"', '\'');
      builder.AddInteractionProperty(cow_String(propertyName), property);
      description << "incident wave property \"" << propertyName << "\" type "
                  << property.WaveType() << " source " << property.SourceDefinition() << "\n";
      for (int w = r.Uniform(1, 2); w > 0; --w) {
        kinC_IncidentWave wave;
        int definition = r.Uniform(0, 3);
        if (amplitudes_.empty() && definition < kinC_IncidentWave::kUndex) definition += 2;
        wave.SetDefinition(definition);
        wave.SetPropertyName(cow_String(propertyName));
        if (definition < kinC_IncidentWave::kUndex) {
          wave.SetRealAmplitude(cow_String(r.Pick(amplitudes_)));
          if (r.Chance(0.4)) wave.SetImaginaryAmplitude(cow_String(r.Pick(amplitudes_)));
        }
        // Three names of at most 80 characters may not fit on the data line
        // (a refusal the keyword's tests show): the third is a short one
        // where there is one.
        wave.SetFirstRegion(AssemblyRef(r.Pick(nodeSets)));
        wave.SetSecondRegion(AssemblyRef(r.Pick(nodeSets)));
        std::vector<std::string> shortSets;
        for (const std::string& set : nodeSets)
          if (set.size() <= 40) shortSets.push_back(set);
        wave.SetThirdRegion(AssemblyRef(r.Pick(shortSets.empty() ? nodeSets : shortSets)));
        wave.SetMagnitude(r.Real(-10, 10));
        wave.SetConwepFirstValue(r.Real(0, 0.01));
        wave.SetWaveValue(r.Real(-50, 0));
        wave.SetWaveSegment(gsl_ModelSegment({0, 0, 0}, {r.Real(-1, 1), r.Real(-1, 1), 1}));
        std::string told = "definition " + std::to_string(definition);
        const std::size_t first =
            static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
        for (std::size_t k = first; k < analysis.size(); ++k) {
          const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
          const cow_String step(analysis[k]);
          wave.SetState(step, status, kinC_IncidentWaveState());
          wave.SetProcedureType(step, procedureOf(analysis[k]));
          told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
          if (status == 4) break;
        }
        wave.SetSuppressed(r.Chance(0.1));
        const std::string name = NameFrom(r, "Wave");
        builder.AddInteraction(cow_String(name), wave);
        description << "incident wave \"" << name << "\" " << told
                    << (wave.Suppressed() ? " suppressed" : "") << "\n";
      }
    }
  }

  // Film and radiation conditions: on written assembly surfaces (uniform,
  // or now and then distributed by an analytical field) and, concentrated,
  // on written assembly node sets; each created in a random analysis step,
  // then carried over, modified or deactivated. Film coefficients come from
  // the state, a film property or a user subroutine (or the field), sinks
  // and coefficients now and then with amplitudes.
  void AddThermalConditions() {
    Rng& r = thermalRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::string> surfaces = WrittenAssemblySurfaces();
    const std::vector<std::string> nodeSets = AssemblySetsWith(true);
    if (analysis.empty() || (surfaces.empty() && nodeSets.empty()) || !r.Chance(0.5)) return;
    std::string property;
    if (r.Chance(0.5)) {
      property = NameFrom(r, "FilmProp");
      std::replace(property.begin(), property.end(), '"', '\'');
      kinC_FilmConditionProp film;
      film.SetTable(cow_2DArray<double>{{r.Real(1, 10), r.Real(0, 100)}});
      builder.AddInteractionProperty(cow_String(property), film);
      description << "film property \"" << property << "\"\n";
    }
    auto procedureOf = [&](const std::string& step) {
      for (const StepPlan& plan : steps_)
        if (plan.name == step) return plan.procedure;
      return 0u;
    };
    auto amplitude = [&]() {
      return !amplitudes_.empty() && r.Chance(0.3) ? cow_String(r.Pick(amplitudes_)) : cow_String();
    };
    for (int c = r.Uniform(1, 4); c > 0; --c) {
      const bool concentrated = surfaces.empty() || (!nodeSets.empty() && r.Chance(0.5));
      const bool film = r.Chance(0.6);
      const bool field = !analyticalFields_.empty() && r.Chance(0.3);
      const std::string on = concentrated ? r.Pick(nodeSets) : r.Pick(surfaces);
      rgnC_Region region = OutputRegion(on, !concentrated);
      if (!concentrated) {
        // The faces of the surface, as a field walks them.
        rgnC_Region faces(on, {"Assembly"}, 1 << 3);
        const rgnC_Region& held = assemblySurfaces_.at(on);
        for (const auto& [id, elements] : held.KernelElementIndices()) {
          const cow_List<cow_String>* names = held.KernelElementFaces().Find(id);
          faces.SetKernelElementIndices(id, elements, names ? *names : cow_List<cow_String>());
        }
        region = faces;
      }
      std::unique_ptr<kinC_Interaction> condition;
      std::string told = concentrated ? "concentrated " : "";
      int definition = 0;
      if (film) {
        std::unique_ptr<kinC_FilmCondition> made(concentrated ? new kinC_ConcFilmCondition
                                                              : new kinC_FilmCondition);
        definition = r.Uniform(0, 2);
        if (definition == 1 && property.empty()) definition = 0;
        if (field) {
          if (r.Chance(0.5)) definition = 3;
          made->SetSinkDefinition(definition == 3 && r.Chance(0.5) ? 0 : 1);
          made->SetFieldName(cow_String(r.Pick(analyticalFields_)));
          made->SetSinkFieldName(cow_String(r.Pick(analyticalFields_)));
        }
        made->SetFilmCoefficientDefinition(definition);
        made->SetRegion(region);
        if (concentrated)
          static_cast<kinC_ConcFilmCondition&>(*made).SetRegionType(r.Uniform(0, 2));
        told += "film definition " + std::to_string(definition) + " sink " +
                std::to_string(made->SinkDefinition());
        condition = std::move(made);
      } else {
        std::unique_ptr<kinC_RadiationToAmbient> made(concentrated ? new kinC_ConcRadiationToAmbient
                                                                   : new kinC_RadiationToAmbient);
        made->SetRadiationKind(concentrated ? 0 : r.Uniform(0, 1));
        // A nodal emissivity is distributed by an expression field only.
        const std::vector<std::string>& fields =
            concentrated ? expressionFields_ : analyticalFields_;
        if (field && !fields.empty()) made->SetFieldName(cow_String(r.Pick(fields)));
        made->SetRegion(region);
        if (concentrated)
          static_cast<kinC_ConcRadiationToAmbient&>(*made).SetRegionType(r.Uniform(0, 2));
        told += "radiation kind " + std::to_string(made->RadiationKind()) +
                (made->FieldName().IsEmpty() ? "" : " field");
        condition = std::move(made);
      }
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      for (std::size_t k = first; k < analysis.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        const cow_String step(analysis[k]);
        if (film) {
          kinC_ConcFilmConditionState state;
          state.SetSinkTemperature({r.Real(0, 400), status == 1 || status == 3 ? 1 : 2});
          state.SetSinkAmplitude({amplitude(), 1});
          state.SetFilmCoefficient({r.Real(0.5, 50), 1});
          state.SetFilmAmplitude({amplitude(), 1});
          state.SetFilmProperty({cow_String(property), 1});
          state.SetNodalArea({r.Real(0.01, 1), 1});
          if (concentrated)
            condition->SetState(step, status, state);
          else
            condition->SetState(step, status, kinC_FilmConditionState(state));
        } else {
          kinC_ConcRadiationToAmbientState state;
          state.SetSinkTemperature({r.Real(0, 400), 1});
          state.SetAmplitude({amplitude(), 1});
          state.SetEmissivity({r.Real(0.1, 1), 1});
          state.SetNodalArea({r.Real(0.01, 1), 1});
          if (concentrated)
            condition->SetState(step, status, state);
          else
            condition->SetState(step, status, kinC_RadiationToAmbientState(state));
        }
        condition->SetProcedureType(step, procedureOf(analysis[k]));
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4) break;
      }
      condition->SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, film ? "Film" : "Radiation");
      builder.AddInteraction(cow_String(name), *condition);
      description << "thermal condition \"" << name << "\" on \"" << on << "\" " << told
                  << (condition->Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Radiation cavities: one or two cavity radiation properties, and up to
  // two cavities on one to three written assembly surfaces (the property
  // list now and then shorter), with an ambient temperature now and then,
  // random controls, and now and then every kind of symmetry with all its
  // geometry. Each is created in the first analysis step, then carried
  // over, modified or deactivated. Co-simulations of either kind on a
  // written assembly surface or node set, created in a random analysis step
  // with up to nine exchanged variables (imported and exported ones for
  // fluid-structure) and random coupling codes. Suppressed now and then.
  void AddCavitiesAndCosimulations() {
    Rng& r = cavityRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::string> surfaces = WrittenAssemblySurfaces();
    const std::vector<std::string> nodeSets = WrittenLoadSets(true);
    if (analysis.empty() || surfaces.empty() || !r.Chance(0.6)) return;
    auto hostile = [&](const char* stem) {
      std::string name = NameFrom(r, stem);
      std::replace(name.begin(), name.end(), '"', '\'');
      return name;
    };
    std::vector<std::string> properties;
    for (int p = r.Uniform(1, 2); p > 0; --p) {
      kinC_CavityRadiationProp property;
      property.SetTable({{r.Real(0.1, 1.0)}});
      properties.push_back(hostile("Emis"));
      builder.AddInteractionProperty(cow_String(properties.back()), property);
      description << "cavity radiation property \"" << properties.back() << "\"\n";
    }
    auto pickSurfaces = [&](int count) {
      cow_List<rgnC_Region> regions;
      for (; count > 0; --count)
        regions.Append(OutputRegion(r.Pick(surfaces), true));
      return regions;
    };
    auto point = [&]() { return gsl_Point(r.Real(-1, 1), r.Real(-1, 1), r.Real(-1, 1)); };
    auto normal = [&]() { return gsl_Vector(r.Real(0.1, 1), r.Real(-1, 1), r.Real(-1, 1)); };
    for (int c = r.Uniform(1, 2); c > 0; --c) {
      kinC_CavityRadiation cavity;
      const int count = r.Uniform(1, 3);
      cavity.SetSurfaces(pickSurfaces(count));
      cow_List<cow_String> names;
      for (int i = r.Chance(0.2) ? 1 : 0; i < count; ++i)
        names.Append(cow_String(r.Pick(properties)));
      cavity.SetSurfacePropertyNames(names);
      if (r.Chance(0.5)) cavity.SetAmbientTemperature(r.Chance(0.2) ? 0.0 : r.Real(-50, 500));
      if (r.Chance(0.3)) cavity.SetInfinitesimal(r.Real(1, 100));
      if (r.Chance(0.3)) cavity.SetIntegration(r.Uniform(1, 5));
      if (r.Chance(0.3)) cavity.SetLumpedArea(r.Real(1, 10));
      const bool symmetric = r.Chance(0.4);
      if (symmetric) {
        cavity.SetCyclicSymmetry(r.Chance(0.5));
        cavity.SetCyclicSectors(r.Uniform(2, 12));
        cavity.SetRotationPoint(cow_COW<gsl_Dot>(gsl_Dot(point())));
        cavity.SetRotationEndPoint(cow_COW<gsl_Dot>(gsl_Dot(point())));
        cavity.SetSymmetryPoint(cow_COW<gsl_Dot>(gsl_Dot(point())));
        cavity.SetPeriodicCount(r.Uniform(0, 3));
        for (int i = 0; i < 3; ++i) {
          kinC_CavityPeriodicSymmetry periodic;
          periodic.repetitions = r.Uniform(2, 4);
          periodic.axis = cow_COW<gsl_StLine>(gsl_StLine(point(), normal()));
          periodic.plane = cow_COW<gsl_Plane>(gsl_Plane(point(), normal()));
          periodic.distance = cow_COW<gsl_ModelSegment>(gsl_ModelSegment(point(), point()));
          cavity.SetPeriodic(i, periodic);
        }
        cavity.SetPeriodicSymmetryZ(r.Real(-1, 1));
        cavity.SetPeriodicDistanceZ(r.Real(0.1, 1));
        cavity.SetReflectionCount(r.Uniform(0, 3));
        for (int i = 0; i < 2; ++i)
          cavity.SetReflectionLine(i, cow_COW<gsl_StLine>(gsl_StLine(point(), normal())));
        for (int i = 0; i < 3; ++i)
          cavity.SetReflectionPlane(i, cow_COW<gsl_Plane>(gsl_Plane(point(), normal())));
        cavity.SetReflectionZ(r.Real(-1, 1));
      }
      std::string told;
      for (std::size_t k = 0; k < analysis.size(); ++k) {
        const int status = k == 0 ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        kinC_CavityRadiationState state;
        const int blocking = r.Uniform(0, 2);
        state.SetBlocking({static_cast<kinC_CavityRadiationBlockingEnm>(blocking), 1});
        // Now and then partial blocking by no surface, which blocks nothing.
        if (blocking == kinC_BLOCKING_PARTIAL)
          state.SetBlockingSurfaces({pickSurfaces(r.Chance(0.15) ? 0 : r.Uniform(1, 10)), 1});
        if (r.Chance(0.3)) state.SetRange({r.Real(1, 100), 1});
        if (r.Chance(0.3)) state.SetReflection({false, 1});
        if (r.Chance(0.3)) state.SetViewfactorTolerance({r.Real(0.01, 0.2), 1});
        cavity.SetState(cow_String(analysis[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4) break;
      }
      cavity.SetSuppressed(r.Chance(0.1));
      const std::string name = hostile("Cavity");
      builder.AddInteraction(cow_String(name), cavity);
      description << "cavity \"" << name << "\"" << (symmetric ? " symmetric" : "") << told
                  << (cavity.Suppressed() ? " suppressed" : "") << "\n";
    }

    static const std::vector<std::string> variables = {"U",     "V",    "A",   "CF", "LUMPEDMASS",
                                                       "TRSHR", "TEMP", "HFL", "NT"};
    auto pickVariables = [&]() {
      cow_List<cow_String> picked;
      for (int n = r.Uniform(0, 9); n > 0; --n)
        picked.Append(cow_String(r.Pick(variables)));
      return picked;
    };
    for (int c = r.Uniform(0, 2); c > 0; --c) {
      const bool onSurface = nodeSets.empty() || r.Chance(0.5);
      const rgnC_Region region = OutputRegion(r.Pick(onSurface ? surfaces : nodeSets), onSurface);
      const cow_String step(r.Pick(analysis));
      const bool fsi = r.Chance(0.5);
      const std::string name = hostile(fsi ? "Fsi" : "Cosim");
      if (fsi) {
        kinC_FSICosimulation cosim;
        cosim.SetRegion(region);
        cosim.SetCouplingScheme(r.Uniform(0, 2));
        cosim.SetTimeIncrementation(r.Uniform(0, 2));
        cosim.SetTimeMarks(r.Uniform(0, 2));
        cosim.SetStepSizeKind(r.Uniform(0, 5));
        cosim.SetStepSize(r.Real(0.001, 1));
        cosim.SetSchemeModifier(r.Uniform(0, 4));
        cosim.SetStepVariables(step, 1, pickVariables(), pickVariables());
        cosim.SetSuppressed(r.Chance(0.1));
        builder.AddInteraction(cow_String(name), cosim);
        if (partnerModels.empty() && r.Chance(0.5)) AddFsiPartnerModel(r, region);
      } else {
        kinC_StdXplCosimulation cosim;
        cosim.SetRegion(region);
        cosim.SetTimeIncrementation(r.Uniform(1, 2));
        cosim.SetStepSizeChoice(r.Uniform(0, 1));
        cosim.SetStepSize(r.Real(0.001, 1));
        cosim.SetStepVariables(step, 1, pickVariables());
        cosim.SetSuppressed(r.Chance(0.1));
        builder.AddInteraction(cow_String(name), cosim);
      }
      description << (fsi ? "fluid-structure" : "standard-explicit") << " co-simulation \"" << name
                  << "\" created in " << step.Str() << "\n";
    }
    AddCyclicSymmetriesAndFoundations(analysis, surfaces);
  }

  // A partner model of the fluid-structure co-simulations: one step of a
  // procedure the exchange defaults tell apart (or a static one, which no
  // flow step can couple with), its flow steps solving the energy equation
  // now and then, and a fluid-structure co-simulation created in that step
  // (now and then in none, so that it is passed over).
  void AddFsiPartnerModel(Rng& r, const rgnC_Region& region) {
    const std::string name = "Partner-" + std::to_string(r.Uniform(1, 999));
    hst_ModelBuilder partner{cow_String(name)};
    const int kind = r.Uniform(0, 5);
    switch (kind) {
      case 0:
        partner.AddStep("P-Step", kprC_FlowStep());
        break;
      case 1:
        partner.AddStep("P-Step", kprC_ExplicitDynamicsStep());
        break;
      case 2:
        partner.AddStep("P-Step", kprC_TempDisplacementDynamicsStep());
        break;
      case 3:
        partner.AddStep("P-Step", kprC_ImplicitDynamicsStep());
        break;
      case 4:
        partner.AddStep("P-Step", kprC_HeatTransferStep());
        break;
      default:
        partner.AddStep("P-Step", kprC_StaticStep());
        break;
    }
    const int energy = r.Uniform(0, 1);
    partner.Steps().SetFlowSettings(energy, 0);
    kinC_FSICosimulation cosim;
    cosim.SetRegion(region);
    const bool created = r.Chance(0.85);
    cosim.SetStepVariables("P-Step", created ? 1 : 2, {}, {});
    partner.AddInteraction("Partner-Fsi", cosim);
    partner.Model();
    partnerModels.push_back(name);
    description << "partner model \"" << name << "\" step kind " << kind << " energy " << energy
                << (created ? "" : " never created") << "\n";
  }

  // Now and then a cyclic symmetry tying two written assembly surfaces (no
  // axis points), with or without its position tolerance, created in the
  // initial step and carried over or modified in each analysis step with a
  // random range of nodal diameters; and up to two elastic foundations on
  // written assembly surfaces (their faces as the surface has them),
  // created or deactivated in the initial step. Suppressed now and then.
  void AddCyclicSymmetriesAndFoundations(const std::vector<std::string>& analysis,
                                         const std::vector<std::string>& surfaces) {
    Rng& r = cavityRng_;
    auto faceRegion = [&](const std::string& name) {
      rgnC_Region region = OutputRegion(name, true);
      const rgnC_Region& held = assemblySurfaces_.at(name);
      for (const auto& [id, elements] : held.KernelElementIndices()) {
        const cow_List<cow_String>* faces = held.KernelElementFaces().Find(id);
        region.SetKernelElementIndices(id, elements, faces ? *faces : cow_List<cow_String>());
      }
      return region;
    };
    if (r.Chance(0.3)) {
      kinC_CyclicSymmetry cyclic;
      cyclic.SetRepetitiveSectors(r.Uniform(2, 24));
      cyclic.SetSurfaces(OutputRegion(r.Pick(surfaces), true),
                         OutputRegion(r.Pick(surfaces), true));
      cyclic.SetAdjust(r.Chance(0.5));
      cyclic.SetPositionTolerance(r.Uniform(0, 1), r.Real(0.001, 0.1));
      cyclic.SetStepNodalDiameters("Initial", 1, kinC_ALL_NODAL_DIAMETERS, 0, 0);
      std::string told;
      for (const std::string& step : analysis) {
        const int status = r.Pick(std::vector<int>{2, 2, 3});
        const int lowest = r.Uniform(0, 3);
        cyclic.SetStepNodalDiameters(
            cow_String(step), status,
            r.Chance(0.5) ? kinC_SPECIFIED_NODAL_DIAMETERS : kinC_ALL_NODAL_DIAMETERS, lowest,
            lowest + r.Uniform(0, 4));
        told.append(" ").append(std::to_string(status)).append("@").append(step);
      }
      cyclic.SetSuppressed(r.Chance(0.1));
      // The tie is named after the symmetry: no quotes inside the name, as
      // for cavities and co-simulations.
      std::string name = NameFrom(r, "Cyclic");
      std::replace(name.begin(), name.end(), '"', '\'');
      builder.AddInteraction(cow_String(name), cyclic);
      description << "cyclic symmetry \"" << name << "\"" << told
                  << (cyclic.Suppressed() ? " suppressed" : "") << "\n";
    }
    for (int f = r.Chance(0.4) ? r.Uniform(1, 2) : 0; f > 0; --f) {
      const std::string on = r.Pick(surfaces);
      kinC_ElasticFoundation foundation;
      foundation.SetRegion(faceRegion(on));
      const int status = r.Chance(0.8) ? 1 : 4;
      foundation.SetStepStiffness("Initial", status, r.Real(1, 1000));
      foundation.SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Foundation");
      builder.AddInteraction(cow_String(name), foundation);
      description << "elastic foundation \"" << name << "\" on \"" << on << "\" " << status
                  << "@Initial" << (foundation.Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Now and then an elastic foundation on a surface of the part of a
  // written instance (its own mesh), as the instance has the surface,
  // created or deactivated in the initial step; suppressed now and then.
  // Drawn after every other cavity draw.
  void AddPartSurfaceFoundations() {
    Rng& r = cavityRng_;
    for (const InstancePlan& instance : instances_) {
      const PartPlan& part = parts_[instance.part];
      if (!Written(instance) || instance.options.lightweight || part.surfaces.empty() ||
          !r.Chance(0.6))
        continue;
      std::vector<std::string> names;
      for (const auto& [name, region] : part.surfaces)
        names.push_back(name);
      const std::string on = r.Pick(names);
      const rgnC_Region& held = part.surfaces.at(on);
      const int id = static_cast<int>(instance.options.id);
      const cow_List<int>* elements = held.KernelElementIndices().Find(id);
      const cow_List<cow_String>* faces = held.KernelElementFaces().Find(id);
      if (!elements || !faces) continue;
      rgnC_Region region(cow_String(on), {"Assembly", cow_String(instance.name)});
      region.SetKernelElementIndices(id, *elements, *faces);
      region.SetKernelInstanceIds({instance.options.id});
      kinC_ElasticFoundation foundation;
      foundation.SetRegion(region);
      const int status = r.Chance(0.85) ? 1 : 4;
      foundation.SetStepStiffness("Initial", status, r.Real(1, 1000));
      foundation.SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Foundation");
      builder.AddInteraction(cow_String(name), foundation);
      description << "elastic foundation \"" << name << "\" on part surface \"" << on << "\" of \""
                  << instance.name << "\" " << status << "@Initial"
                  << (foundation.Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Standard general contact created in the initial step (or, now and then,
  // a later one, when it writes no "*Contact"), smoothing some written
  // assembly surfaces by assignment (kind codes 0 to 2, or 7, which has no
  // choice) and now and then the whole model. The axis analysis is scripted
  // to find one piece per written instance a surface has faces on: a
  // cylinder-like piece, or now and then a sphere-like one. Suppressed now
  // and then.
  void AddGeneralContact() {
    Rng& r = generalContactRng_;
    asoK_ClearRotationalAxisScripts();
    if (r.Chance(0.4)) return;
    kinC_ContactStd contact;
    std::string told;
    auto pieces = [&](const rgnC_Region& region) {
      cow_List<asoK_RotationalAxisData> found;
      for (const auto& [id, elements] : region.KernelElementIndices()) {
        bool written = false;
        for (const InstancePlan& instance : instances_)
          written = written || (static_cast<int>(instance.options.id) == id && Written(instance) &&
                                !instance.options.lightweight);
        if (!written || elements.IsEmpty()) continue;
        asoK_RotationalAxisData piece;
        rgnC_Region own;
        const cow_List<cow_String>* faces = region.KernelElementFaces().Find(id);
        own.SetKernelElementIndices(id, elements, faces ? *faces : cow_List<cow_String>());
        rgnK_Region(nullptr, "", own)
            .GetCompositeHits(piece.hits, false, false, false, true, false);
        piece.point[0] = r.Uniform(-5, 5);
        piece.point[1] = r.Uniform(-5, 5);
        piece.point[2] = r.Uniform(-5, 5);
        if (r.Chance(0.7)) piece.direction = gsl_Vector(0.0, 0.0, 1.0);
        found.Append(piece);
      }
      return found;
    };
    const std::vector<std::string> surfaces = WrittenAssemblySurfaces();
    if (!surfaces.empty())
      for (int i = r.Uniform(0, 2); i > 0; --i) {
        const std::string surface = r.Pick(surfaces);
        const rgnC_Region& region = assemblySurfaces_.at(surface);
        const int kind = r.Pick(std::vector<int>{0, 1, 1, 2, 7});
        contact.smoothings.Append(kinC_Smoothing{kind});
        contact.smoothingRegions.Append(kinC_RegionPair{region, rgnC_Region(), ""});
        gdy_CompositeHitSet hits;
        rgnK_Region(nullptr, "", region).GetCompositeHits(hits, false, false, false, true, false);
        const cow_List<asoK_RotationalAxisData> found = pieces(region);
        asoK_ScriptRotationalAxisData(hits, found, false);
        asoK_ScriptRotationalAxisData(hits, found, true);
        told += " smoothing " + std::to_string(kind) + " of \"" + surface + "\"";
      }
    if (!surfaces.empty() && r.Chance(0.3)) {
      contact.wholeModelSmoothing = true;
      // Parts have no geometric models here: the whole model's hit set is
      // empty.
      const cow_List<asoK_RotationalAxisData> found =
          pieces(assemblySurfaces_.at(r.Pick(surfaces)));
      asoK_ScriptRotationalAxisData(gdy_CompositeHitSet(), found, false);
      asoK_ScriptRotationalAxisData(gdy_CompositeHitSet(), found, true);
      told += " whole model";
    }
    const std::vector<std::string> analysis = LoadSteps();
    const std::string created =
        analysis.empty() || r.Chance(0.8) ? std::string("Initial") : r.Pick(analysis);
    kinC_ContactExpState state;
    state.SetWholeModel(true);
    contact.SetState(cow_String(created), 1, state);
    contact.SetSuppressed(r.Chance(0.1));
    const std::string name = NameFrom(r, "Gc");
    builder.AddInteraction(cow_String(name), contact);
    description << "general contact \"" << name << "\" created in " << created << told
                << (contact.Suppressed() ? " suppressed" : "") << "\n";
  }

  // Boundary conditions on the assembly's written node sets and on the node
  // sets of written instances' parts: displacement, velocity, type,
  // temperature (now and then from an analytical field, where every node is
  // numbered from 1) and pore pressure (on its "_PP_" node set), now and then
  // driven by an amplitude; connector motions on connector sets. Each is
  // created in the initial step (connector motions: a random analysis step)
  // or a random analysis step, then carried over (2 or 9), modified (3 or
  // 10, really or not) or removed (4 or 11); suppressed now and then.
  void AddBoundaryConditions() {
    Rng& r = bcRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::pair<std::string, rgnC_Region>> nodeSets = WrittenNodeSets();
    if (analysis.empty()) return;
    for (int i = r.Uniform(0, 5); i > 0; --i) {
      const int kind = r.Uniform(0, 5);
      const bool connector = kind == 5;
      if (connector ? connectorSets_.empty() : nodeSets.empty()) continue;
      std::unique_ptr<kbcC_BC> condition;
      std::string told, on;
      switch (kind) {
        case 0:
          condition = std::make_unique<kbcC_DisplacementBC>(), told = "displacement";
          break;
        case 1:
          condition = std::make_unique<kbcC_VelocityBC>(), told = "velocity";
          break;
        case 2:
          condition = std::make_unique<kbcC_TypeBC>(), told = "type";
          break;
        case 3:
          condition = std::make_unique<kbcC_TemperatureBC>(), told = "temperature";
          break;
        case 4:
          condition = std::make_unique<kbcC_PorePressureBC>(), told = "pore pressure";
          break;
        default:
          condition = std::make_unique<kbcC_ConnDisplacementBC>(), told = "connector motion";
          break;
      }
      if (connector) {
        on = r.Pick(connectorSets_);
        condition->SetRegion(rgnC_Region(cow_String(on), {"Assembly"}));
      } else {
        const auto& [name, region] = r.Pick(nodeSets);
        on = name;
        condition->SetRegion(region);
        if (kind == 3 && !analyticalFields_.empty() && PlainLoadRegion(region) &&
            region.OwnerNames().Length() == 1 && r.Chance(0.3)) {
          const std::string& field = r.Pick(analyticalFields_);
          condition->SetDistribution(kbcC_BC::kAnalyticalField, cow_String(field));
          told += " from field \"" + field + "\"";
        }
      }
      if (kind == 0 && r.Chance(0.2)) condition->SetFixed(true), told += " fixed";
      std::string amplitude;
      if (!amplitudes_.empty() && r.Chance(0.3)) {
        amplitude = r.Pick(amplitudes_);
        told += " amplitude \"" + amplitude + "\"";
      }
      std::vector<std::string> steps = analysis;
      if (!connector) steps.insert(steps.begin(), "Initial");
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(steps.size()) - 1));
      for (std::size_t k = first; k < steps.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 9, 3, 10, 4, 11});
        const bool removed = status == 4 || status == 11;
        const int set = status == 1 || ((status == 3 || status == 10) && r.Chance(0.5)) ? 1 : 2;
        // The state class of the kind, as the writers test it.
        std::unique_ptr<kbcC_BCState> state;
        switch (kind) {
          case 0:
            state = std::make_unique<kbcC_DisplacementBCState>();
            break;
          case 1:
            state = std::make_unique<kbcC_VelocityBCState>();
            break;
          case 2:
            state = std::make_unique<kbcC_TypeBCState>();
            break;
          case 3:
          case 4:
            state = std::make_unique<kbcC_DistributedBCState>();
            break;
          default:
            state = std::make_unique<kbcC_ConnDisplacementBCState>();
            break;
        }
        if (!removed) {
          for (std::size_t c = 0; c < 6; ++c)
            if (r.Chance(0.5)) state->SetComponent(c, r.Chance(0.3) ? 0.0 : r.Real(-2, 2), set);
          state->SetMagnitude(r.Chance(0.2) ? 0.0 : r.Real(-50, 50), set);
          state->SetTypeName(r.Uniform(0, 7), set);
          if (!amplitude.empty()) state->SetAmplitude(cow_String(amplitude), set);
        }
        const cow_String step(steps[k]);
        condition->SetState(step, status, *state);
        if (status == 3 || status == 10) condition->SetModified(step, r.Chance(0.5));
        told.append(" ").append(std::to_string(status)).append("@").append(steps[k]);
        if (removed) break;
      }
      condition->SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "BC");
      builder.AddBoundaryCondition(cow_String(name), *condition);
      description << "boundary condition \"" << name << "\" " << told << " on \"" << on << "\""
                  << (condition->Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Predefined fields on the written node sets: temperatures and field
  // variables created in the initial step (its initial conditions; a
  // temperature now and then from an analytical field, where every node is
  // numbered from 1) or in a random analysis step, pressure stresses and
  // mass flow rates in an analysis step (now and then from the initial
  // step); then carried over (2 or 14), modified (3) or deactivated (4 or
  // 15). Initial velocities in the initial step, now and then modified in an
  // analysis step. Suppressed now and then.
  void AddPredefinedFields() {
    Rng& r = fieldRng_;
    const std::vector<std::string> analysis = LoadSteps();
    const std::vector<std::pair<std::string, rgnC_Region>> nodeSets = WrittenNodeSets();
    if (nodeSets.empty()) return;
    for (int i = r.Uniform(0, 5); i > 0; --i) {
      const int kind = r.Uniform(0, 4);
      const auto& [on, region] = r.Pick(nodeSets);
      std::string told;
      const std::string name = NameFrom(r, "Field");
      if (kind == 4) {
        kpfC_Velocity velocity;
        velocity.SetRegion(region);
        velocity.SetComponents({r.Real(-2, 2), r.Real(-2, 2), r.Real(-2, 2)});
        velocity.SetStatus("Initial", 1);
        // Now and then modified in an analysis step, where it writes nothing.
        std::string modified;
        if (!analysis.empty() && r.Chance(0.3)) {
          modified = r.Pick(analysis);
          velocity.SetStatus(cow_String(modified), 3);
        }
        velocity.SetSuppressed(r.Chance(0.1));
        builder.AddField(cow_String(name), velocity);
        description << "initial velocity \"" << name << "\" on \"" << on << "\""
                    << (modified.empty() ? "" : " 3@" + modified)
                    << (velocity.Suppressed() ? " suppressed" : "") << "\n";
        continue;
      }
      if (analysis.empty() && kind >= 2) continue;
      std::unique_ptr<kpfC_GeneralFieldBase> field;
      int values = 1;
      switch (kind) {
        case 0:
          field = std::make_unique<kpfC_Temperature>(), told = "temperature";
          break;
        case 1: {
          auto variable = std::make_unique<kpfC_GeneralField>();
          variable->SetVariable(r.Uniform(1, 3));
          told = "field variable " + std::to_string(variable->Variable());
          field = std::move(variable);
          break;
        }
        case 2:
          field = std::make_unique<kpfC_PressureStress>(), told = "pressure stress";
          break;
        default:
          field = std::make_unique<kpfC_MassFlowRate>(), told = "mass flow rate", values = 3;
          break;
      }
      field->SetRegion(region);
      if (kind == 0 && !analyticalFields_.empty() && PlainLoadRegion(region) &&
          region.OwnerNames().Length() == 1 && r.Chance(0.3)) {
        const std::string& from = r.Pick(analyticalFields_);
        field->SetDistribution(6);
        field->SetDistributionFieldName(cow_String(from));
        told += " from field \"" + from + "\"";
      }
      std::vector<std::string> steps = analysis;
      // Pressure stresses and mass flow rates now and then from the initial
      // step too, where they write nothing.
      if (kind <= 1 || r.Chance(0.3)) steps.insert(steps.begin(), "Initial");
      if (steps.empty()) continue;
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(steps.size()) - 1));
      for (std::size_t k = first; k < steps.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 14, 3, 4, 15});
        const bool removed = status == 4 || status == 15;
        kpfC_GeneralFieldBaseState state;
        if (!removed) {
          cow_List<mdl_PropAttr<double>> magnitudes;
          for (int v = 0; v < values; ++v)
            magnitudes.Append(mdl_PropAttr<double>(r.Real(-50, 50), status == 2 ? 2 : 1));
          state.SetMagnitudes(magnitudes);
        }
        field->SetState(cow_String(steps[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(steps[k]);
        if (removed) break;
      }
      field->SetSuppressed(r.Chance(0.1));
      builder.AddField(cow_String(name), *field);
      description << "predefined field \"" << name << "\" " << told << " on \"" << on << "\""
                  << (field->Suppressed() ? " suppressed" : "") << "\n";
    }
  }

  // Flux, flow, current and charge loads: concentrated ones on node sets,
  // body ones on element sets, surface ones on surfaces (by name, or element
  // by element when an analytical field gives them); a field now and then
  // where every member is written and numbered from 1; currents and charges
  // complex now and then. Each is created in a random unsuppressed analysis
  // step and then carried over, modified or removed; suppressed now and then.
  void AddFluxLoads() {
    Rng& r = fluxRng_;
    const std::vector<std::string> analysis = LoadSteps();
    if (analysis.empty()) return;
    const std::vector<std::string> nodeSets = WrittenLoadSets(true);
    const std::vector<std::string> elementSets = WrittenLoadSets(false);
    const auto plain = [&](const rgnC_Region& region) { return PlainLoadRegion(region); };
    std::vector<std::string> surfaces = WrittenAssemblySurfaces();
    for (int i = r.Uniform(1, 4); i > 0; --i) {
      const int where = r.Uniform(0, 2);
      std::unique_ptr<kloC_Load> load;
      std::string told, on;
      bool electric = false, needsField = false;
      if (where == 0 && !nodeSets.empty()) {
        on = r.Pick(nodeSets);
        switch (r.Uniform(0, 4)) {
          case 0: {
            auto heat = std::make_unique<kloC_ConcentratedHeatFlux>();
            heat->SetDof(r.Chance(0.5) ? 11 : 12);
            load = std::move(heat), told = "concentrated heat flux";
            break;
          }
          case 1:
            load = std::make_unique<kloC_ConcentratedConcentrationFlux>();
            told = "concentrated concentration flux";
            break;
          case 2:
            load = std::make_unique<kloC_ConcentratedCurrent>(), told = "concentrated current";
            electric = true;
            break;
          case 3:
            load = std::make_unique<kloC_ConcentratedCharge>(), told = "concentrated charge";
            electric = true;
            break;
          default:
            load = std::make_unique<kloC_HydroFluidFlow>(), told = "hydrostatic fluid flow";
        }
        load->SetRegion(OutputRegion(on, false));
      } else if (where == 1 && !elementSets.empty()) {
        on = r.Pick(elementSets);
        switch (r.Uniform(0, 3)) {
          case 0:
            load = std::make_unique<kloC_BodyHeatFlux>(), told = "body heat flux";
            break;
          case 1:
            load = std::make_unique<kloC_BodyConcentrationFlux>();
            told = "body concentration flux";
            break;
          case 2:
            load = std::make_unique<kloC_BodyCurrent>(), told = "body current";
            electric = true;
            break;
          default:
            load = std::make_unique<kloC_BodyCharge>(), told = "body charge";
            electric = true;
        }
        load->SetRegion(OutputRegion(on, false));
      } else if (where == 2 && !surfaces.empty()) {
        on = r.Pick(surfaces);
        switch (r.Uniform(0, 4)) {
          case 0:
            load = std::make_unique<kloC_SurfaceHeatFlux>(), told = "surface heat flux";
            break;
          case 1:
            load = std::make_unique<kloC_SurfacePoreFluid>(), told = "surface pore fluid";
            break;
          case 2:
            load = std::make_unique<kloC_SurfaceCurrent>(), told = "surface current";
            electric = true;
            break;
          case 3:
            load = std::make_unique<kloC_SurfaceCharge>(), told = "surface charge";
            electric = true;
            break;
          default:
            // Written per face on generated sets without a field.
            load = std::make_unique<kloC_SurfaceConcentrationFlux>();
            told = "surface concentration flux";
            needsField = true;
        }
        const rgnC_Region& held = assemblySurfaces_.at(on);
        rgnC_Region ref(on, {"Assembly"}, 1 << 3);
        for (const auto& [id, elements] : held.KernelElementIndices()) {
          const cow_List<cow_String>* faces = held.KernelElementFaces().Find(id);
          ref.SetKernelElementIndices(id, elements, faces ? *faces : cow_List<cow_String>());
        }
        load->SetRegion(ref);
      } else {
        continue;
      }
      if (!analyticalFields_.empty() && plain(load->Region()) && (needsField || r.Chance(0.4))) {
        load->SetFieldName(cow_String(r.Pick(analyticalFields_)));
        load->SetDistribution(2);
        told += " field \"" + load->FieldName().Str() + "\"";
      } else if (needsField) {
        continue;
      } else if (!electric && r.Chance(0.2)) {
        load->SetDistribution(1);
        told += " user-defined";
      }
      if (electric && r.Chance(0.25)) {
        load->SetComplexValue(0, omi_complex(r.Chance(0.5) ? 0.0 : r.Real(-5, 5),
                                             r.Chance(0.5) ? 0.0 : r.Real(-5, 5)));
        load->SetIsComplex(true);
        told += " complex";
      }
      rgnC_Region region = load->Region();
      std::set<unsigned> touched;
      for (const auto* members : {&region.KernelNodeIndices(), &region.KernelElementIndices()})
        for (const auto& [id, list] : *members)
          if (!list.IsEmpty()) touched.insert(static_cast<unsigned>(id));
      cow_List<unsigned> ids;
      for (unsigned id : touched)
        ids.Append(id);
      region.SetKernelInstanceIds(ids);
      load->SetRegion(region);
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      for (std::size_t k = first; k < analysis.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        kloC_LoadState state;
        state.SetStatus(status);
        state.SetValue(0, r.Chance(0.3) ? 0.0 : r.Real(-10, 10),
                       status == 2 || (status == 3 && r.Chance(0.5)) ? 2 : 1);
        load->SetState(cow_String(analysis[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4) break;
      }
      load->SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Flux");
      builder.AddLoad(cow_String(name), *load);
      description << "load \"" << name << "\" " << told << " on \"" << on << "\""
                  << (load->Suppressed() ? " suppressed" : "") << "\n";
    }
  }
  // Connector forces and moments on the wire sets with a connector section
  // (real or complex), substructure loads on the substructure instance and
  // at most one inertia relief (free directions, fixed now and then, a
  // reference point or none). Each is created in a random unsuppressed
  // analysis step and then carried over, modified or removed.
  void AddConnectorSubstructureAndReliefLoads() {
    Rng& r = miscLoadRng_;
    const std::vector<std::string> analysis = LoadSteps();
    if (analysis.empty()) return;
    // Statuses from the step of creation on; `fill` sets the state of one step.
    auto history = [&](kloC_Load& load, std::string& told, auto&& fill) {
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      for (std::size_t k = first; k < analysis.size(); ++k) {
        const int status = k == first ? 1 : r.Pick(std::vector<int>{2, 2, 3, 4});
        kloC_LoadState state;
        state.SetStatus(status);
        fill(state, status);
        load.SetState(cow_String(analysis[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (status == 4) break;
      }
    };
    auto attribute = [&](int status) {
      return status == 2 || (status == 3 && r.Chance(0.5)) ? 2 : 1;
    };
    for (int i = connectorSets_.empty() ? 0 : r.Uniform(0, 2); i > 0; --i) {
      const std::string on = r.Pick(connectorSets_);
      std::unique_ptr<kloC_Load> load;
      std::string told;
      if (r.Chance(0.5))
        load = std::make_unique<kloC_ConnectorForce>(), told = "connector force";
      else
        load = std::make_unique<kloC_ConnectorMoment>(), told = "connector moment";
      load->SetRegion(rgnC_Region(cow_String(on), {"Assembly"}));
      if (r.Chance(0.3)) {
        load->SetIsComplex(true);
        for (std::size_t c = 0; c < 3; ++c)
          load->SetComplexValue(c, omi_complex(r.Chance(0.5) ? 0.0 : r.Real(-5, 5),
                                               r.Chance(0.5) ? 0.0 : r.Real(-5, 5)));
        told += " complex";
      }
      history(*load, told, [&](kloC_LoadState& state, int status) {
        for (std::size_t c = 0; c < 3; ++c)
          state.SetValue(c, r.Chance(0.3) ? 0.0 : r.Real(-10, 10), attribute(status));
      });
      load->SetSuppressed(r.Chance(0.1));
      const std::string name = NameFrom(r, "Load");
      builder.AddLoad(cow_String(name), *load);
      description << "load \"" << name << "\" " << told << " on \"" << on << "\""
                  << (load->Suppressed() ? " suppressed" : "") << "\n";
    }
    if (!substructure_.empty() && r.Chance(0.5)) {
      kloC_SubstructureLoad load;
      rgnC_Region region("SubLoads", {"Assembly", cow_String(substructure_)});
      region.SetKernelInstanceIds({900});
      load.SetRegion(region);
      std::string told = "substructure load";
      history(load, told, [&](kloC_LoadState& state, int status) {
        state.SetValue(0, r.Real(-10, 10), attribute(status));
        cow_List<cow_String> cases;
        for (int c = r.Uniform(1, 3); c > 0; --c)
          cases.Append(cow_String("Case-" + std::to_string(r.Uniform(1, 5))));
        state.SetLoadCaseNames(cases);
      });
      const std::string name = NameFrom(r, "Load");
      builder.AddLoad(cow_String(name), load);
      description << "load \"" << name << "\" " << told << " on \"" << substructure_ << "\"\n";
    }
    if (r.Chance(0.3)) {
      kloC_InertiaRelief load;
      std::string told = "inertia relief";
      history(load, told, [&](kloC_LoadState& state, int status) {
        (void)status;
        state.SetFixed(r.Chance(0.2));
        std::array<bool, 6> free{};
        for (bool& direction : free)
          direction = r.Chance(0.6);
        state.SetDirections(free);
        if (r.Chance(0.5))
          state.SetReferencePoint({static_cast<float>(r.Real(-5, 5)),
                                   static_cast<float>(r.Real(-5, 5)),
                                   static_cast<float>(r.Real(-5, 5))});
      });
      const std::string name = NameFrom(r, "Load");
      builder.AddLoad(cow_String(name), load);
      description << "load \"" << name << "\" " << told << "\n";
    }
  }

  // Bolt loads on element sets of written instances' parts (now and then
  // joined with a set of another instance, so that the section's element set
  // is defined in the assembly), named plainly, with a dot, or with a blank
  // and a dot, so that the sets made for them ("_<name>_blrn_",
  // "_<name>_blel_") hold both. Each applies a force in the step that
  // creates it; later steps carry it over, give it an amplitude alone (the
  // force carried over), turn it to adjusting or fixing its length, or
  // remove it. A field output request on the bolt now and then.
  void AddBoltLoads() {
    Rng& r = boltRng_;
    const std::vector<std::string> analysis = LoadSteps();
    if (analysis.empty()) return;
    std::vector<rgnC_Region> sets;
    for (const InstancePlan& instance : instances_) {
      if (!Written(instance) || instance.options.lightweight) continue;
      const int id = static_cast<int>(instance.options.id);
      for (const auto& [set, held] : parts_[instance.part].regions) {
        const cow_List<int>* elements = held.KernelElementIndices().Find(id);
        if (!elements || elements->IsEmpty()) continue;
        rgnC_Region ref(cow_String(set), {"Assembly", cow_String(instance.name)});
        ref.SetKernelInstanceIds({instance.options.id});
        ref.SetKernelElementIndices(id, *elements);
        sets.push_back(ref);
      }
    }
    for (int i = sets.empty() ? 0 : r.Uniform(0, 2); i > 0; --i) {
      const std::string n = std::to_string(++boltNames_);
      const std::string name = r.Pick(std::vector<std::string>{
          "Bolt-" + n, "Bolt." + n, "Bolt A." + n, "_Bolt." + n, "Bolt " + n + "."});
      rgnC_Region region = r.Pick(sets);
      std::string on = region.OwnerNames()[1].Str() + "." + region.Name().Str();
      const rgnC_Region& other = r.Pick(sets);
      const unsigned otherId = other.KernelInstanceIds()[0];
      if (otherId != region.KernelInstanceIds()[0] && r.Chance(0.4)) {
        const int id = static_cast<int>(otherId);
        region.SetKernelInstanceIds({region.KernelInstanceIds()[0], otherId});
        region.SetKernelElementIndices(id, *other.KernelElementIndices().Find(id));
        on += " and " + other.OwnerNames()[1].Str() + "." + other.Name().Str();
      }
      kloC_BoltLoad bolt;
      bolt.SetRegion(region);
      bolt.SetRegionType(4);
      bolt.SetAxisSetting(r.Uniform(0, 1));
      std::string told = "bolt load";
      const std::size_t first =
          static_cast<std::size_t>(r.Uniform(0, static_cast<int>(analysis.size()) - 1));
      kloC_BoltLoadMethodEnm method = kloC_APPLY_FORCE;
      const double force = r.Real(1, 100);
      double length = 0.0;
      for (std::size_t k = first; k < analysis.size(); ++k) {
        int status = 1;
        bool amplitudeAlone = false, methodChanged = false;
        if (k != first) {
          const int draw = r.Uniform(0, 5);
          status = draw == 5 ? 4 : draw >= 2 ? 3 : 2;
          amplitudeAlone = draw == 2 && !amplitudes_.empty() && method == kloC_APPLY_FORCE;
          methodChanged = status == 3 && !amplitudeAlone;
        }
        if (methodChanged) {
          method = r.Chance(0.5) ? kloC_ADJUST_LENGTH : kloC_FIX_LENGTH;
          length = r.Real(-1, 1);
        }
        const int valueStatus = status == 1 ? 1 : 2;
        kloC_LoadState state(status, {force});
        state.SetValue(0, force, valueStatus);
        state.SetMethod(method, methodChanged || status == 1 ? 1 : 2, methodChanged);
        state.SetLength(length, methodChanged ? 1 : 2);
        if (amplitudeAlone || (status == 1 && !amplitudes_.empty() && r.Chance(0.3))) {
          const std::string amplitude = r.Pick(amplitudes_);
          state.SetAmplitude(cow_String(amplitude), 1);
          told += " amplitude \"" + amplitude + "\"";
        }
        bolt.SetState(cow_String(analysis[k]), status, state);
        told.append(" ").append(std::to_string(status)).append("@").append(analysis[k]);
        if (methodChanged) told += method == kloC_ADJUST_LENGTH ? " adjust" : " fix";
        if (status == 4) break;
      }
      bolt.SetSuppressed(r.Chance(0.1));
      builder.AddLoad(cow_String(name), bolt);
      description << "load \"" << name << "\" " << told << " on \"" << on << "\""
                  << (bolt.Suppressed() ? " suppressed" : "") << "\n";
      if (!kinds_.outputRequests || !r.Chance(0.5)) continue;
      korC_FieldOutputState state;
      state.SetVariables({"U", "S"});
      state.SetFrequency(1);
      state.SetVariablesKind(korC_LIST);
      korC_FieldOutput request;
      request.SetDomain(korC_BOLT_LOAD);
      request.SetBoltLoadName(cow_String(name));
      request.SetState(cow_String(analysis[first]), state);
      const std::string output = "F-Bolt-" + n;
      builder.AddFieldOutput(cow_String(output), request);
      description << "field output \"" << output << "\" on bolt load \"" << name << "\" in \""
                  << analysis[first] << "\"\n";
    }
  }

  std::vector<std::string> assemblySets_;
  // The assembly's sets and the members each holds, by name.
  std::map<std::string, rgnC_Region> assemblyRegions_;
  Rng stepRng_{0};
  // Draws of the output data and requests (ObjectKinds::outputRequests).
  Rng outputRng_{0};
  // Draws of the loads (ObjectKinds::loads).
  Rng loadRng_{0};
  // The assembly's surfaces and their members, by name.
  std::map<std::string, rgnC_Region> assemblySurfaces_;
  // The generated steps in their order: name, procedure, suppressed.
  struct StepPlan {
    std::string name;
    unsigned procedure = 0;
    bool suppressed = false;
  };
  std::vector<StepPlan> steps_;
  int printInForce_ = 0;  // the writer's print in force: 0 none yet, 1 explicit, 2 standard
  std::vector<std::string> timePoints_, filters_, sections_;  // generated output data
  std::vector<std::string> amplitudes_;  // names of the amplitudes written as "*Amplitude"
  int amplitudeNames_ = 0;

  // Amplitudes of every kind under plain or blank-holding names; tabular and
  // equally spaced ones may carry a baseline correction.
  void AddAmplitudes() {
    Rng& r = amplitudeRng_;
    for (int i = r.Chance(0.5) ? r.Uniform(1, 5) : 0; i > 0; --i) {
      const std::string n = std::to_string(++amplitudeNames_);
      const std::string name = r.Chance(0.3) ? "My Amp " + n : "Amp-" + n;
      kamC_Table table;
      for (int row = r.Uniform(1, 10); row > 0; --row)
        table.push_back({0.1 * row, r.Real(-1, 1), r.Real(0, 0.1)});
      kamC_BaselineCorrection correction;
      cow_List<double> values;
      for (int v = r.Uniform(0, 10); v > 0; --v)
        values.Append(0.1 * v);
      correction.SetValues(values);
      std::unique_ptr<kamC_Amplitude> amplitude;
      bool named = true;  // written as "*Amplitude", so that loads may name it
      const int kind = r.Uniform(0, 10);
      switch (kind) {
        case 0: {
          auto tabular = std::make_unique<kamC_Tabular>();
          tabular->SetData(table);
          if (r.Chance(0.3)) tabular->SetSmoothing(0.05);
          tabular->SetHasBaselineCorrection(r.Chance(0.4));
          tabular->SetBaselineCorrection(correction);
          amplitude = std::move(tabular);
          break;
        }
        case 1: {
          auto spaced = std::make_unique<kamC_EquallySpaced>();
          spaced->SetValues(values.IsEmpty() ? cow_List<double>{1.0} : values);
          spaced->SetFixedInterval(0.5);
          if (r.Chance(0.3)) spaced->SetBegin(1.0);
          spaced->SetHasBaselineCorrection(r.Chance(0.4));
          spaced->SetBaselineCorrection(correction);
          amplitude = std::move(spaced);
          break;
        }
        case 2: {
          auto periodic = std::make_unique<kamC_Periodic>();
          periodic->SetScalars({6.0, 0.0, 1.0});
          if (r.Chance(0.7)) periodic->SetData(table);
          amplitude = std::move(periodic);
          break;
        }
        case 3:
          amplitude = std::make_unique<kamC_Modulated>();
          break;
        case 4:
          amplitude = std::make_unique<kamC_Decay>();
          break;
        case 5: {
          auto step = std::make_unique<kamC_SmoothStep>();
          step->SetData(table);
          amplitude = std::move(step);
          break;
        }
        case 6:
          amplitude = std::make_unique<kamC_SolutionDependent>();
          break;
        case 7:
          amplitude = std::make_unique<kamC_ActuatorAmplitude>();
          break;
        case 8: {
          auto user = std::make_unique<kamC_UserAmplitude>();
          user->SetVariables(r.Uniform(0, 3));
          amplitude = std::move(user);
          break;
        }
        case 9: {
          auto spectrum = std::make_unique<kamC_SpectrumAmplitude>();
          spectrum->SetData(table);
          spectrum->SetCreate(r.Chance(0.5) ? 1 : 0);
          if (spectrum->Create() != 0 && !amplitudes_.empty() && r.Chance(0.5))
            spectrum->SetAmplitudeName(cow_String(r.Pick(amplitudes_)));
          amplitude = std::move(spectrum);
          named = false;
          break;
        }
        default: {
          auto psd = std::make_unique<kamC_PsdDefinition>();
          psd->SetData(table);
          psd->SetUser(r.Chance(0.3));
          amplitude = std::move(psd);
          named = false;
          break;
        }
      }
      if (r.Chance(0.2)) amplitude->SetTimeSpan(kamC_Amplitude::TOTAL);
      builder.AddAmplitude(cow_String(name), *amplitude);
      if (named) amplitudes_.push_back(name);
      description << "amplitude \"" << name << "\" kind " << kind << "\n";
    }
  }
  std::string substructure_;                // the substructure instance, when there is one
  std::vector<std::string> connectorSets_;  // assembly wire sets with a connector section
  // Draws of the connector, substructure and inertia relief loads, apart
  // from loadRng_ so that the other loads of a seed stay as they were.
  Rng miscLoadRng_{0};
  // Draws of the flux, flow, current and charge loads (ObjectKinds::loads),
  // apart from the other loads so that those stay as they were.
  Rng fluxRng_{0};
  // Draws of the adaptive mesh constraints, apart from the rest.
  Rng amcRng_{0};
  // Draws of the amplitudes, apart from the rest.
  Rng amplitudeRng_{0};
  // Draws of the boundary conditions, apart from the rest.
  Rng bcRng_{0};
  Rng fieldRng_{0};
  // Draws of the model changes, apart from the rest.
  Rng modelChangeRng_{0};
  // Draws of the contact pairs, apart from the rest.
  Rng contactRng_{0};
  bool explicit_ = false;  // the analysis product is 1
  // Draws of the incident waves, apart from the rest.
  Rng incidentWaveRng_{0};
  // Draws of the general contact, apart from the rest.
  Rng generalContactRng_{0};
  // Draws of the film and radiation conditions, apart from the rest.
  Rng thermalRng_{0};
  // Draws of the cavities and co-simulations, apart from the rest.
  Rng cavityRng_{0};
  // Draws of the actuators and sensors, apart from the rest.
  Rng actuatorRng_{0};
  // Draws of the adaptive mesh controls and domains, apart from the rest.
  Rng adaptiveMeshRng_{0};
  // Draws of the constraints (ObjectKinds::constraints).
  Rng constraintRng_{0};
  Rng fastenerRng_{0};
  // Draws of the datum systems objects are given in
  // (ObjectKinds::datumOrientations).
  Rng datumRng_{0};
  unsigned datumIds_ = 20000;  // ids of those datum systems
  // The assembly's datum systems (names and ids) made for them.
  std::vector<std::pair<std::string, unsigned>> assemblyDatums_;
  // Draws of the cracks and their requests (ObjectKinds::cracks).
  Rng crackRng_{0};
  // Draws of the assembled fasteners and their template model.
  Rng assembledFastenerRng_{0};
  // Draws of the bolt loads and their output requests, and their names.
  Rng boltRng_{0};
  int boltNames_ = 0;
  // Draws of the history requests naming filters (defined or not, in either
  // product) and asking flow steps for energies.
  Rng outputFilterRng_{0};

  // History requests on the whole model that name a filter: one the model
  // defines (explicit product only) or one it lacks, which the deck must not
  // name; and energy requests in flow steps, whose history takes no energy
  // output, so that their "*Output" must not stand without a variable
  // keyword after it.
  void AddFilterAndFlowEnergyRequests() {
    Rng& r = outputFilterRng_;
    if (steps_.empty()) return;
    int count = 0;
    auto add = [&](const StepPlan& step, const std::string& filter,
                   const cow_List<cow_String>& variables) {
      const std::string name = "H-Filtered-" + std::to_string(++count);
      korC_HistoryOutput request;
      korC_HistoryOutputState state;
      state.SetVariablesKind(korC_LIST);
      state.SetVariables(variables);
      state.SetFrequency(r.Uniform(1, 3));
      request.SetState(cow_String(step.name), state, 1);
      if (!filter.empty()) request.SetFilterName(cow_String(filter));
      builder.AddHistoryOutput(cow_String(name), request);
      description << "history output \"" << name << "\" in \"" << step.name << "\""
                  << (filter.empty() ? "" : " filter \"" + filter + "\"") << "\n";
    };
    for (int i = r.Chance(0.3) ? r.Uniform(1, 2) : 0; i > 0; --i) {
      const bool defined = !filters_.empty() && r.Chance(0.5);
      add(r.Pick(steps_), defined ? r.Pick(filters_) : "Filt-Undefined",
          {cow_String("ALLIE"), cow_String("U")});
    }
    for (const StepPlan& step : steps_)
      if (step.procedure == kprC_FlowStep::TypeId() && r.Chance(0.5))
        add(step, "", {cow_String("ALLIE"), cow_String("ALLKE")});
  }
  std::vector<std::string> discreteFields_[kUses], analyticalFields_;  // discrete: by Use
  // The analytical fields that are expressions (concentrated radiation takes
  // no other kind).
  std::vector<std::string> expressionFields_;
  // Materials named by sections assigned on written instances.
  std::set<std::string> assignedMaterials_;
  std::string sectionMaterial_;  // the material of the last section AddSectionFor stored
  bool sectionNodal_ = false;    // that section takes nodal thickness from a field
  bool sectionRebar_ = false;    // a section of the part's has rebar
  unsigned featureIds_ = 10000;  // ids of the datum systems plies name
};

// The finding texts of the checker for `deck`.
std::string Findings(const std::string& deck) {
  std::string text;
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
    text += finding.text + "\n";
  return text;
}

TEST(aif_RandomModelTest, CheckerAcceptsASoundDeck) {
  // Part-based: a part's mesh and sets, an instance of it (its part's scope),
  // an instance with its own mesh, point elements on "Inst.label", assembly
  // sets by instance blocks, qualified names, quoted names with blanks,
  // commas and dots, a keyword line continued after ",", 20-node rows.
  const std::string partBased =
      "*Heading\n"
      "** a comment with \"one quote\n"
      "*Part, name=Block\n"
      "*Node\n      1, 0., 0., 0.\n      2, 1., 0., 0.\n      3, 1., 1., 0.\n"
      "*Element, type=T3D2, elset=Bars\n1, 1, 2\n2, 2, 3\n"
      "*Nset, nset=Ends, generate\n 1,  3,  2\n"
      "*Nset, nset=All\n Ends, 2\n"
      "*Elset, elset=\"Two Bars\"\n 1, 2\n"
      "*Surface, type=ELEMENT, name=Skin\nBars, S1\n2, S2\n"
      "*End Part\n"
      "*Part, name=\"My, Part\"\n*End Part\n"
      "*Assembly, name=Assembly\n"
      "*Instance, name=B-1, part=Block\n"
      "*Orientation, name=Ori-1\n1., 0., 0., 0., 1., 0.\n"
      "*Element, type=MASS, elset=Pt_MASS_\n9, 3\n"
      "*Rotary Inertia, elset=Pt_MASS_, orientation=Ori-1\n1., 1., 1., 0., 0., 0.\n"
      "*End Instance\n"
      "*Instance, name=\"B 2\", part=\"My, Part\"\n"
      "*Node\n      7, 0., 0., 0.\n"
      "*Node\n      1, 0., 0., 0.\n      2, 0., 0., 0.\n      3, 0., 0., 0.\n      4, 0., 0., 0.\n"
      "      5, 0., 0., 0.\n      6, 0., 0., 0.\n      8, 0., 0., 0.\n"
      "*Element, type=C3D20R\n"
      "1, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8,\n   1, 2, 3, 4\n"
      "*Nset, nset=\"Top.Side\", internal\n 7,\n"
      "*End Instance\n"
      "*Node\n      1, 5., 5., 5.\n"
      "*Nset, nset=Fixed, instance=B-1\n 1,\n"
      "*Nset, nset=Fixed, instance=\"B 2\", \ngenerate\n 1,  7,  3\n"
      "*Nset, nset=Own\n 1,\n"
      "*Element, type=MASS, elset=Heavy\n1, B-1.3\n2, \"B 2\".7\n"
      "*Surface, type=NODE, name=Tips\nB-1.Ends, 1.\n\"B 2\".\"Top.Side\", 1.\n"
      "*Tie, name=T\nB-1.Skin, B-1.Skin\n"
      "*Rigid Body, ref node=B-1.Ends, elset=B-1.\"Two Bars\"\n"
      "*Rigid Body, ref node=1, elset=Heavy\n"
      "*End Assembly\n"
      "*Step, name=Load\n*End Step\n";
  EXPECT_EQ("", Findings(partBased));
  // Flat: one scope; "*System" opens none.
  EXPECT_EQ("", Findings("*System\n0., 0., 1., 1., 0., 1.\n*Node\n 1, 0., 0.\n 2, 1., 0.\n"
                         "*Element, type=B21\n2147483647, 1, 2\n*System\n*Node\n 3, 2., 0.\n"
                         "*Element, type=B21\n4, 2, 3\n*Nset, nset=I-1_S\n 1, 3\n"
                         "*Elset, elset=E\n 4, 2147483647\n"));
}

TEST(aif_RandomModelTest, CheckerReportsEachFault) {
  const std::string longName(250, 'x');
  const std::string deck =
      "*Part, name=P\n"                              // 1
      "*Node\n 1, 0., 0.\n 1, 1., 0.\n 0, 0., 0.\n"  // 2-5
      "*Element, type=B21, elset=E\n 1, 1, 9\n"      // 6-7
      "*Nset, nset=" +
      longName +
      "\n 1,\n"                                                            // 8-9
      "*Nset, nset=\n 1,\n"                                                // 10-11
      "*End Part\n"                                                        // 12
      "*Assembly, name=Assembly\n"                                         // 13
      "*Instance, name=I, part=P\n"                                        // 14
      "*Node\n 1, 0., 0.\n"                                                // 15-16
      "*Element, type=B21, elset=Inst\"2_MASS_\n 2, 1, 1\n"                // 17-18
      "*End Instance\n"                                                    // 19
      "*Instance, name=J, part=Q\n*End Instance\n"                         // 20-21
      "*Nset, nset=S, instance=Assembly\n 1,\n"                            // 22-23
      "*Nset, nset=S, instance=I, generate\n 1,  5,  2\n"                  // 24-25
      "*Elset, elset=F, instance=I\n 1, 3, G\n"                            // 26-27
      "*Element, type=MASS, elset=M\n 5, I.4\n 6, K.1\n"                   // 28-30
      "*Mass, elset=Mx\n1., \n"                                            // 31-32
      "*Rotary Inertia, elset=M, orientation=O\n1., 1., 1., 0., 0., 0.\n"  // 33-34
      "*Surface, type=NODE, name=T\nI.Nope, 1.\nI.E, 1.\n"                 // 35-37
      "*Rigid Body, ref node=I.Ref, elset=I.E\n"                           // 38
      "*Tie, name=Tie\nT, I.Skin\n"                                        // 39-40
      "*End Assembly\n"                                                    // 41
      "*End Step\n"                                                        // 42
      "*Part, name=Open\n";                                                // 43
  EXPECT_EQ(
      "line 8: line longer than 256 characters: 262 characters | *Nset, nset=" +
          longName.substr(0, 148) + "\n" +
          "line 17: unbalanced quotes | *Element, type=B21, elset=Inst\"2_MASS_\n"
          "line 42: *End Step without *Step | *End Step\n"
          "line 43: *Part not closed | *Part, name=Open\n"
          "line 4: duplicate node label: 1 |  1, 1., 0.\n"
          "line 5: invalid node label: \"0\" |  0, 0., 0.\n"
          "line 10: empty name: nset= | *Nset, nset=\n"
          "line 14: duplicate node label: 1 labels of the instance also in its part, e.g. 1 | "
          "*Instance, name=I, part=P\n"
          "line 7: undefined node: element node 9 |  1, 1, 9\n"
          "line 20: undefined part: part=Q | *Instance, name=J, part=Q\n"
          "line 22: undefined instance: instance=Assembly | *Nset, nset=S, instance=Assembly\n"
          "line 25: undefined node: nset member 3 of a generate range |  1,  5,  2\n"
          "line 27: undefined element: elset member 3 |  1, 3, G\n"
          "line 27: undefined elset: elset member G |  1, 3, G\n"
          "line 29: undefined node: element node 4 |  5, I.4\n"
          "line 30: undefined instance: element node K.1 |  6, K.1\n"
          "line 31: undefined elset: elset=Mx | *Mass, elset=Mx\n"
          "line 33: undefined orientation: orientation=O | "
          "*Rotary Inertia, elset=M, orientation=O\n"
          "line 36: undefined nset: surface member I.Nope | I.Nope, 1.\n"
          "line 37: undefined nset: surface member I.E | I.E, 1.\n"
          "line 38: undefined nset: ref node=I.Ref | *Rigid Body, ref node=I.Ref, elset=I.E\n"
          "line 40: undefined surface: surface I.Skin | T, I.Skin\n",
      Findings(deck));
}

// "*MPC" lines: after the type, each field a node ("Inst.label" from the
// assembly) or a node set; an empty field names nothing.
TEST(aif_RandomModelTest, CheckerFollowsMpcNodesAndSets) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0.\n 2, 1., 0.\n*Nset, nset=Ends\n 1, 2\n*End Part\n"  // 1-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"                // 8-10
      "*Node\n 5, 0., 1.\n"                                                                 // 11-12
      "*MPC\nBEAM, I.1, I.2\nTIE, I.Ends, 5\n"                                              // 13-15
      "*MPC, user, mode=dof\n3, I.7, J.1\nPIN, I.Ends, \nLINK, Tips, 6\n"                   // 16-19
      "*End Assembly\n";
  EXPECT_EQ(
      "line 17: undefined node: MPC node 7 | 3, I.7, J.1\n"
      "line 17: undefined instance: MPC node J.1 | 3, I.7, J.1\n"
      "line 18: empty reference: MPC set  | PIN, I.Ends, \n"
      "line 19: undefined nset: MPC set Tips | LINK, Tips, 6\n"
      "line 19: undefined node: MPC node 6 | LINK, Tips, 6\n",
      Findings(deck));
}

// A pre-tension section names its element set (in its instance) or its
// surface and its reference node's set; submodel lines name node sets or
// surfaces by the keyword's type.
TEST(aif_RandomModelTest, CheckerFollowsPreTensionSectionsAndSubmodels) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0.\n 2, 1., 0.\n"                 // 1-4
      "*Element, type=B21, elset=Bars\n 1, 1, 2\n*End Part\n"          // 5-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n"          // 8-9
      "*Elset, elset=_B_blel_\n 1,\n*End Instance\n"                   // 10-12
      "*Node\n 3, 0., 0., 0.\n*Nset, nset=_B_blrn_\n 3,\n"             // 13-16
      "*Surface, type=ELEMENT, name=Cut\nI.Bars, SPOS\n"               // 17-18
      "*Pre-tension Section, element= I._B_blel_, node=_B_blrn_\n"     // 19
      "*Pre-tension Section, surface= Cut, node=_B_blrn_\n"            // 20
      "*Pre-tension Section, element= I.Nope, node=_C_blrn_\n"         // 21
      "*Pre-tension Section, surface= Gone, node=3\n"                  // 22
      "*Submodel, type=NODE, global elset=G.Set\n_B_blrn_, \nCut, \n"  // 23-25
      "*Submodel, type=SURFACE\nCut, \n_B_blrn_, \n"                   // 26-28
      "*End Assembly\n";
  EXPECT_EQ(
      "line 21: undefined elset: element=I.Nope | *Pre-tension Section, element= I.Nope, "
      "node=_C_blrn_\n"
      "line 21: undefined nset: node=_C_blrn_ | *Pre-tension Section, element= I.Nope, "
      "node=_C_blrn_\n"
      "line 22: undefined surface: surface=Gone | *Pre-tension Section, surface= Gone, node=3\n"
      "line 25: undefined nset: submodel region Cut | Cut, \n"
      "line 28: undefined surface: submodel region _B_blrn_ | _B_blrn_, \n",
      Findings(deck));
}

// Load keywords: "*Cload" lines name node sets or nodes, "*Dload" lines
// element sets or elements (a set of the name before a dotted label), a
// pre-tension section its element set or surface and its node set, each
// "*Submodel" line a node set or, for type=SURFACE, a surface.
TEST(aif_RandomModelTest, CheckerFollowsLoadReferences) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"     // 5-8
      "*Surface, type=ELEMENT, name=Skin\nBars, S1\n*End Part\n"              // 9-11
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"  // 12-14
      "*Node\n 5, 0., 1., 0.\n*Nset, nset=_B_blrn_\n 5,\n"                    // 15-18
      "*Pre-tension Section, element= I.Bars, node=_B_blrn_\n"                // 19
      "*Pre-tension Section, surface= I.Gone, node=Nothing\n"                 // 20
      "*Submodel, type=NODE\nI.Tip, \nI.Lost, \n"                             // 21-23
      "*Submodel, type=SURFACE\nI.Skin, \n*End Assembly\n"                    // 24-26
      "*Step, name=S\n*Static\n"                                              // 27-28
      "*Cload\nI.Tip, 1, 5.\nI.2, 2, 1.\nI.9, 2, 1.\nMissing, 3, 1.\n"        // 29-33
      "*Dload\nI.Bars, GRAV, 9.81, 0., -1., 0.\nI.1, P2, 3.\nI.4, P, 1.\n"    // 34-37
      "None, BX, 1.\n*End Step\n";                                            // 38-39
  EXPECT_EQ(
      "line 20: undefined surface: surface=I.Gone | "
      "*Pre-tension Section, surface= I.Gone, node=Nothing\n"
      "line 20: undefined nset: node=Nothing | "
      "*Pre-tension Section, surface= I.Gone, node=Nothing\n"
      "line 23: undefined nset: submodel region I.Lost | I.Lost, \n"
      "line 32: undefined node: load node 9 | I.9, 2, 1.\n"
      "line 33: undefined nset: load set Missing | Missing, 3, 1.\n"
      "line 37: undefined element: load element 4 | I.4, P, 1.\n"
      "line 38: undefined elset: load set None | None, BX, 1.\n",
      Findings(deck));
}

// "*Adaptive Mesh Constraint" data lines name node sets, with or without
// degrees of freedom after the name.
TEST(aif_RandomModelTest, CheckerFollowsAdaptiveMeshConstraintSets) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                      // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"           // 5-8
      "*End Part\n*Assembly, name=Assembly\n*Instance, name=I, part=P\n"            // 9-11
      "*End Instance\n*Node\n 5, 0., 1., 0.\n*Nset, nset=\"A,1\"\n 5,\n"            // 12-16
      "*End Assembly\n*Step, name=S\n*Static\n"                                     // 17-19
      "*Adaptive Mesh Constraint\nI.Tip, 1, 1, 0.5\n\"A,1\", 2, 2\nI.Bars, 3, 3\n"  // 20-23
      "*Adaptive Mesh Constraint, op=NEW, constraint type=LAGRANGIAN\nGone\n"       // 24-25
      "*End Step\n";                                                                // 26
  EXPECT_EQ(
      "line 23: undefined nset: mesh constraint set I.Bars | I.Bars, 3, 3\n"
      "line 25: undefined nset: mesh constraint set Gone | Gone\n",
      Findings(deck));
}

// "*Equation" terms name node sets or nodes; "*Embedded Element" lines and
// host elset= element sets; "*Adjust, node set=" a node set.
TEST(aif_RandomModelTest, CheckerFollowsConstraintReferences) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"             // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"  // 5-8
      "*End Part\n*Assembly, name=Assembly\n*Instance, name=I, part=P\n"   // 9-11
      "*End Instance\n"                                                    // 12
      "*Equation\n3\nI.Tip, 1, 1., I.2, 2, -1., Gone, 3, 0.5\n"            // 13-15
      "*Embedded Element, host elset=I.Bars\nI.Bars, I.Tip\n"              // 16-17
      "*Embedded Element, host elset=Missing\nI.Bars\n"                    // 18-19
      "*Adjust, node set=I.Bars, surface=S\n"                              // 20
      "*End Assembly\n";                                                   // 21
  EXPECT_EQ(
      "line 15: undefined nset: equation set Gone | I.Tip, 1, 1., I.2, 2, -1., Gone, 3, 0.5\n"
      "line 17: undefined elset: embedded elset I.Tip | I.Bars, I.Tip\n"
      "line 18: undefined elset: host elset=Missing | *Embedded Element, host elset=Missing\n"
      "line 20: undefined nset: node set=I.Bars | *Adjust, node set=I.Bars, surface=S\n"
      "line 20: undefined surface: surface=S | *Adjust, node set=I.Bars, surface=S\n",
      Findings(deck));
}

// "*Boundary" data lines name node sets (with a type or degrees of freedom
// after the name) or nodes by label; "*Connector Motion" lines element sets;
// amplitude= an "*Amplitude".
TEST(aif_RandomModelTest, CheckerFollowsBoundaryReferences) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"               // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"    // 5-8
      "*End Part\n*Assembly, name=Assembly\n*Instance, name=I, part=P\n"     // 9-11
      "*Nset, nset=Wet_PP_, internal\n 1,\n*End Instance\n"                  // 12-14
      "*End Assembly\n*Amplitude, name=Ramp\n0., 0., 1., 1.\n"               // 15-17
      "*Boundary\nI.Tip, ENCASTRE\nI.Wet_PP_, 8, 8, 5.\nI.2, 11, 11, 40.\n"  // 18-21
      "*Step, name=S\n*Static\n"                                             // 22-23
      "*Boundary, op=NEW, amplitude=Ramp\nI.Tip, 3, 3, 0.5\nI.Bars, 1, 1\n"  // 24-26
      "I.7, 11, 11, 1.\n*Boundary, amplitude=Gone\nI.Tip, 1, 1\n"            // 27-29
      "*Connector Motion\nI.Bars, 1, 0.5\nI.Tip, 2\n*End Step\n";            // 30-33
  EXPECT_EQ(
      "line 26: undefined nset: boundary set I.Bars | I.Bars, 1, 1\n"
      "line 27: undefined node: boundary node 7 | I.7, 11, 11, 1.\n"
      "line 32: undefined elset: connector motion set I.Tip | I.Tip, 2\n"
      "line 28: undefined amplitude: amplitude=Gone | *Boundary, amplitude=Gone\n",
      Findings(deck));
}

// "*Model Change" data lines name element sets, those of a contact pair
// surfaces; the activation line names nothing.
TEST(aif_RandomModelTest, CheckerFollowsModelChangeSets) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"             // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"  // 5-8
      "*End Part\n*Assembly, name=Assembly\n*Instance, name=I, part=P\n"   // 9-11
      "*End Instance\n*Surface, type=NODE, name=Face\nI.Tip, 1.\n"         // 12-14
      "*End Assembly\n*Step, name=S\n*Static\n*Model Change, activate\n"   // 15-18
      "*Model Change, remove\nI.Bars, \n*Model Change, add\nI.Tip, \n"     // 19-22
      "*Model Change, type=CONTACT PAIR, add\nFace, Gone\n*End Step\n";    // 23-25
  EXPECT_EQ(
      "line 22: undefined elset: model change set I.Tip | I.Tip, \n"
      "line 24: undefined surface: model change surface Gone | Face, Gone\n",
      Findings(deck));
}

// An impedance names a defined impedance property (compared unquoted and
// case-blind) and a surface; a nonreflecting one names no property.
TEST(aif_RandomModelTest, CheckerFollowsImpedancePropertiesAndSurfaces) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                          // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*End Part\n"                          // 5-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"            // 8-10
      "*Surface, type=ELEMENT, name=Skin\nI.Bars, S1\n*End Assembly\n"                  // 11-13
      "*Impedance Property, name=\"Imp 1\", data=IMPEDANCE\n 1., 2.\n"                  // 14-15
      "*Impedance Property, name=imp 1\n 1., 2.\n"                                      // 16-17
      "*Step, name=S\n*Steady State Dynamics\n*Simpedance, property=\"IMP 1\"\nSkin\n"  // 18-21
      "*Simpedance, property=Imp-2\nSkin\n"                                             // 22-23
      "*Simpedance, nonreflecting=SPHERICAL, op=NEW\nGone, 2.5\n*End Step\n";           // 24-26
  EXPECT_EQ(
      "line 16: impedance property defined twice: imp 1 | *Impedance Property, name=imp 1\n"
      "line 22: undefined impedance property: property=Imp-2 | *Simpedance, property=Imp-2\n"
      "line 25: undefined surface: impedance surface Gone | Gone, 2.5\n",
      Findings(deck));
}

// A foundation's data lines name element sets (a surface's face sets); a
// pressure penetration names its contact's surfaces.
TEST(aif_RandomModelTest, CheckerFollowsFoundationSetsAndPenetrationSurfaces) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                    // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*End Part\n"                    // 5-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"      // 8-10
      "*Elset, elset=_Skin_S1_1, instance=I\n 1,\n"                               // 11-12
      "*Surface, type=ELEMENT, name=Skin\n_Skin_S1_1, S1\n*End Assembly\n"        // 13-15
      "*Foundation\n_Skin_S1_1, F1, 250.\n_Skin_S1, F1, 250.\n"                   // 16-18
      "*Step, name=S\n*Static\n*Pressure Penetration, master=Skin, slave=Gone\n"  // 19-21
      "*End Step\n";                                                              // 22
  EXPECT_EQ(
      "line 18: undefined elset: foundation set _Skin_S1 | _Skin_S1, F1, 250.\n"
      "line 21: undefined surface: slave=Gone | *Pressure Penetration, master=Skin, slave=Gone\n",
      Findings(deck));
}

// Predefined fields and initial conditions name node sets or nodes; lines
// that go on with values and empty padding lines name nothing; an initial
// condition inside a step is a fault.
TEST(aif_RandomModelTest, CheckerFollowsFieldReferences) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                      // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"           // 5-8
      "*End Part\n*Assembly, name=Assembly\n*Instance, name=I, part=P\n"            // 9-11
      "*End Instance\n*End Assembly\n"                                              // 12-13
      "*Initial Conditions, type=TEMPERATURE\nI.Tip, 1., 2., 3., 4., 5., 6., 7.\n"  // 14-15
      "8., 9.\n\nI.1, 20.\nI.9, 20.\n"                                              // 16-19
      "*Initial Conditions, type=VELOCITY\nI.Bars, 1, 2.\n"                         // 20-21
      "*Step, name=S\n*Static\n*Temperature\nI.Tip, 5.\nI.Bars, 5.\n"               // 22-26
      "*Field, variable=1\nI.2, 1., \n*Pressure Stress\nGone, 2.\n"                 // 27-30
      "*Mass Flow Rate\nI.Tip, 1., 2., 3.\n"                                        // 31-32
      "*Initial Conditions, type=FIELD, variable = 1\nI.Tip, 1.\n*End Step\n";      // 33-35
  EXPECT_EQ(
      "line 19: undefined node: field node 9 | I.9, 20.\n"
      "line 21: undefined nset: field set I.Bars | I.Bars, 1, 2.\n"
      "line 26: undefined nset: field set I.Bars | I.Bars, 5.\n"
      "line 30: undefined nset: field set Gone | Gone, 2.\n"
      "line 33: *Initial Conditions inside a step | *Initial Conditions, type=FIELD, variable = "
      "1\n",
      Findings(deck));
}

// Flux, flow, current and charge keywords: the concentrated ones name node
// sets or nodes, the element-based ones element sets or elements, the
// surface ones surfaces.
TEST(aif_RandomModelTest, CheckerFollowsFluxLoadReferences) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"     // 5-8
      "*Surface, type=ELEMENT, name=Skin\nBars, S1\n*End Part\n"              // 9-11
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"  // 12-14
      "*End Assembly\n*Step, name=S\n*Static\n"                               // 15-17
      "*Cflux\nI.Tip, 11, 5.\nI.9, 11, 1.\n"                                  // 18-20
      "*Cecurrent, load case=1\nI.2, , 1.\nGone, ,2.\n"                       // 21-23
      "*Fluid Flux\nNope, 2.\n"                                               // 24-25
      "*Dflux\nI.Bars, BF, 1.\nI.1, S2, 3.\nI.4, SPOS, 1.\n"                  // 26-29
      "*Decharge, real\nI.7,ES, 1.\nLost,EBF,2.\n"                            // 30-32
      "*Dsflux\nI.Skin, S, 1.\n*Dsecurrent\nI.Hide,CS,1.\n*End Step\n";       // 33-37
  EXPECT_EQ(
      "line 20: undefined node: load node 9 | I.9, 11, 1.\n"
      "line 23: undefined nset: load set Gone | Gone, ,2.\n"
      "line 25: undefined nset: load set Nope | Nope, 2.\n"
      "line 29: undefined element: load element 4 | I.4, SPOS, 1.\n"
      "line 31: undefined element: load element 7 | I.7,ES, 1.\n"
      "line 32: undefined elset: load set Lost | Lost,EBF,2.\n"
      "line 36: undefined surface: load surface I.Hide | I.Hide,CS,1.\n",
      Findings(deck));
}

// "*Dsload" lines name surfaces; its reference node and orientation are
// followed as the options of any keyword.
TEST(aif_RandomModelTest, CheckerFollowsSurfaceLoadReferences) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip\n 2,\n"     // 5-8
      "*Surface, type=ELEMENT, name=Skin\nBars, S1\n*End Part\n"              // 9-11
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"  // 12-14
      "*End Assembly\n*Step, name=S\n*Static\n"                               // 15-17
      "*Dsload, ref node=I.Tip\nI.Skin, P, 2.\nI.Hull, P, 1.\n"               // 18-20
      "*Dsload, op=NEW, ref node=I.Gone\nBars, TRVEC, 1., 0., 0., 1.\n"       // 21-22
      "*Dsload, submodel, step=G\nI.Skin\n*End Step\n";                       // 23-25
  EXPECT_EQ(
      "line 20: undefined surface: load surface I.Hull | I.Hull, P, 1.\n"
      "line 21: undefined nset: ref node=I.Gone | *Dsload, op=NEW, ref node=I.Gone\n"
      "line 22: undefined surface: load surface Bars | Bars, TRVEC, 1., 0., 0., 1.\n",
      Findings(deck));
}

// "*Connector Load" lines name element sets; "*Sload" lines the element of
// the substructure by its label; "*Inertia Relief, orientation=" an
// orientation.
TEST(aif_RandomModelTest, CheckerFollowsConnectorSubstructureAndInertiaReliefLoads) {
  const std::string deck =
      "*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                  // 1-3
      "*Element, type=Z1, file=sub.dat\n 7, 1, 2\n"              // 4-5
      "*Element, type=CONN3D2, elset=Wires\n 8, 1, 2\n"          // 6-7
      "*Orientation, name=Csys\n1., 0., 0., 0., 1., 0.\n"        // 8-9
      "*Step, name=S\n*Static\n"                                 // 10-11
      "*Connector Load\nWires, 1, 5.\nGone, 4, 1.\n"             // 12-14
      "*Sload\n7, Case-A, 2.\n9, Case-A, 2.\n"                   // 15-17
      "*Inertia Relief, orientation=Csys\n1, 2, \n"              // 18-19
      "*Inertia Relief, orientation=Lost\n1, 2, \n*End Step\n";  // 20-22
  EXPECT_EQ(
      "line 14: undefined elset: load set Gone | Gone, 4, 1.\n"
      "line 17: undefined element: substructure element 9 | 9, Case-A, 2.\n"
      "line 20: undefined orientation: orientation=Lost | "
      "*Inertia Relief, orientation=Lost\n",
      Findings(deck));
}

// Spring, dashpot and mass keywords name element sets of their scope: the
// sets of their "*Element" lines, or sets the scope defines otherwise.
TEST(aif_RandomModelTest, CheckerFollowsSpringAndMassElementSets) {
  const std::string deck =
      "*Part, name=P\n"                                                  // 1
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"                                  // 2-4
      "*Element, type=B21, elset=Bars\n 1, 1, 2\n"                       // 5-6
      "*Spring, elset=S-spring\n1, 1\n10.\n"                             // 7-9
      "*Element, type=SpringA, elset=S-spring\n 2, 1, 2\n"               // 10-11
      "*Nonstructural Mass, elset=Bars, units=MASS PER LENGTH\n1.5, \n"  // 12-13
      "*End Part\n"                                                      // 14
      "*Assembly, name=Assembly\n"                                       // 15
      "*Instance, name=I, part=P\n"                                      // 16
      "*Dashpot, elset=D-dashpot\n\n0.5\n"                               // 17-19
      "*Nonstructural Mass, elset=Skin, units=MASS PER AREA\n2.5, \n"    // 20-21
      "*Rotary Inertia, elset=Bars\n1., 1., 1., 0., 0., 0.\n"            // 22-23
      "*End Instance\n"                                                  // 24
      "*Element, type=Spring2, elset=G-spring\n 1, I.1, I.2\n"           // 25-26
      "*Spring, elset=G-spring\n2\n3.\n"                                 // 27-29
      "*Mass, elset=Pt_MASS_\n1., \n"                                    // 30-31
      "*Spring, elset=S-spring\n1\n1.\n"                                 // 32-34
      "*End Assembly\n"                                                  // 35
      "*Substructure Property, elset=Z1\n";                              // 36
  EXPECT_EQ(
      "line 17: undefined elset: elset=D-dashpot | *Dashpot, elset=D-dashpot\n"
      "line 20: undefined elset: elset=Skin | "
      "*Nonstructural Mass, elset=Skin, units=MASS PER AREA\n"
      "line 30: undefined elset: elset=Pt_MASS_ | *Mass, elset=Pt_MASS_\n"
      "line 32: undefined elset: elset=S-spring | *Spring, elset=S-spring\n"
      "line 36: undefined elset: elset=Z1 | *Substructure Property, elset=Z1\n",
      Findings(deck));
}

// Section keywords: their sets and orientations in their own scope (an
// instance sees its part's), controls and materials anywhere in the model
// (checked with the materials), at most one section per element; orientations once per scope
// (the same name in an instance and in the flat file's scope is no clash;
// a repeat word for word is one too), section controls once per model.
TEST(aif_RandomModelTest, CheckerFollowsStepsAndLoadCases) {
  const std::string deck =
      "*Part, name=P\n*Node\n1, 0., 0., 0.\n*Nset, nset=Tip\n 1,\n*End Part\n"        // 1-6
      "*Assembly, name=A\n*Instance, name=I, part=P\n*End Instance\n*End Assembly\n"  // 7-10
      "*Time Points, name=TP\n0.5, 1.\n"                                              // 11-12
      "*Step, name=S1\n*Static, riks\n0.1, 1., , , , I.Tip, 2, 0.5\n"                 // 13-15
      "*Direct Cyclic, time points=TP\n0.1, 1.\n"                                     // 16-17
      "*Load Case, name=LC\n*End Load Case\n*End Step\n"                              // 18-20
      "*Step, name=s1\n*Static, riks\n0.1, 1., , , , I.Gone, 2, 0.5\n"                // 21-23
      "*Direct Cyclic, time points=Other\n0.1, 1.\n"                                  // 24-25
      "*Frequency, eigensolver=AMS, residual modes\n10, , , , , , ,\n"                // 26-27
      "I.Tip, 1\nNowhere, 2\n"                                                        // 28-29
      "*Load Case, name=Open\n*End Step\n"                                            // 30-31
      "*End Load Case\n"                                                              // 32
      "*Step, name=S3\n*Substructure Load Case, name=A\n"                             // 33-34
      "*Substructure Load Case, name=B\n*End Step\n"                                  // 35-36
      "*Load Case, name=Loose\n";                                                     // 37
  EXPECT_EQ(
      "line 21: step defined twice: s1 | *Step, name=s1\n"
      "line 30: *Load Case not closed | *Load Case, name=Open\n"
      "line 32: *End Load Case without *Load Case | *End Load Case\n"
      "line 37: *Load Case outside a step or inside another | *Load Case, name=Loose\n"
      "line 23: undefined nset: Riks node I.Gone | 0.1, 1., , , , I.Gone, 2, 0.5\n"
      "line 24: undefined time points: time points=Other | *Direct Cyclic, time points=Other\n"
      "line 29: undefined nset: residual modes Nowhere | Nowhere, 2\n",
      Findings(deck));
}

// Output data: filters and integrated output sections once, the names
// output keywords give defined (variable keywords by the generic set check,
// a monitored dotted set name before a label), variable keywords only under
// an "*Output" of their step and path level, substructure paths balanced
// within their step and entered at a valid element label.
TEST(aif_RandomModelTest, CheckerFollowsOutputRequests) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0.\n 2, 1., 0.\n"                                 // 1-4
      "*Element, type=B21, elset=Bars\n 1, 1, 2\n*Nset, nset=Tip.2\n 2,\n*End Part\n"  // 5-9
      "*Assembly, name=A\n*Instance, name=I, part=P\n*End Instance\n"                  // 10-12
      "*Surface, type=NODE, name=\"My Skin\"\nI.Tip.2, 1.\n"                           // 13-14
      "*Integrated Output Section, name=Cut, surface=\"My Skin\", ref node=I.Tip.2, "
      "position=INPUT, project orientation=NO\n"  // 15
      "*Integrated Output Section, name=cut, surface=Gone, ref node=I.Nowhere, "
      "project orientation=NO\n"                                                  // 16
      "*End Assembly\n"                                                           // 17
      "*Filter, name=\"F 1\", type=BUTTERWORTH\n100.\n*Filter, name=\"f 1\"\n"    // 18-20
      "*Output, field\n"                                                          // 21
      "*Step, name=S1\n*Static\n"                                                 // 22-23
      "*Monitor, dof=1, node=I.Tip.2, frequency=1\n*Monitor, dof=2, node=I.2\n"   // 24-25
      "*Monitor, dof=2, node=I.9\n*Monitor, dof=1, node=Far\n"                    // 26-27
      "*Node Output, nset=I.Tip.2\nU\n"                                           // 28-29
      "*Output, history, filter=\"F 1\"\n*Node Output, nset=I.Tip.2\nU\n"         // 30-32
      "*Element Output, elset=I.Bars\nS\n*Energy Output, elset=I.Gone\n"          // 33-35
      "*Integrated Output, section=CUT\nSOF\n*Integrated Output, section=Nope\n"  // 36-38
      "*Output, history, filter=Other\n"                                          // 39
      "*Substructure Path, enter element=1\n*Node Output\n"                       // 40-41
      "*Output, field\n*Node Output\n*Substructure Path, leave\n"                 // 42-44
      "*Contact Output\n*Substructure Path, leave\n"                              // 45-46
      "*Substructure Path, enter element=0\n*End Step\n"                          // 47-48
      "*Substructure Path, leave\n*Node Output\n";                                // 49-50
  EXPECT_EQ(
      "line 16: undefined surface: surface=Gone | *Integrated Output Section, name=cut, "
      "surface=Gone, ref node=I.Nowhere, project orientation=NO\n"
      "line 16: undefined nset: ref node=I.Nowhere | *Integrated Output Section, name=cut, "
      "surface=Gone, ref node=I.Nowhere, project orientation=NO\n"
      "line 35: undefined elset: elset=I.Gone | *Energy Output, elset=I.Gone\n"
      "line 16: integrated output section defined twice: cut | *Integrated Output Section, "
      "name=cut, surface=Gone, ref node=I.Nowhere, project orientation=NO\n"
      "line 20: filter defined twice: f 1 | *Filter, name=\"f 1\"\n"
      "line 21: *Output outside a step | *Output, field\n"
      "line 21: *Output without an output variable keyword | *Output, field\n"
      "line 26: undefined node: node=9 | *Monitor, dof=2, node=I.9\n"
      "line 27: undefined nset: node=Far | *Monitor, dof=1, node=Far\n"
      "line 28: output variable keyword without *Output | *Node Output, nset=I.Tip.2\n"
      "line 38: undefined integrated output section: section=Nope | "
      "*Integrated Output, section=Nope\n"
      "line 39: undefined filter: filter=Other | *Output, history, filter=Other\n"
      "line 39: *Output without an output variable keyword | *Output, history, filter=Other\n"
      "line 41: output variable keyword without *Output | *Node Output\n"
      "line 45: output variable keyword without *Output | *Contact Output\n"
      "line 46: *Substructure Path, leave without enter | *Substructure Path, leave\n"
      "line 47: invalid element label: element=0 | *Substructure Path, enter element=0\n"
      "line 47: *Substructure Path not left | *Substructure Path, enter element=0\n"
      "line 49: *Substructure Path outside a step | *Substructure Path, leave\n"
      "line 49: *Substructure Path, leave without enter | *Substructure Path, leave\n"
      "line 50: output variable keyword without *Output | *Node Output\n",
      Findings(deck));
}

// An "*Output" is followed by an output variable keyword, unless it asks
// for nothing (frequency=0, number interval=0: a channel's default) or
// carries its variables itself (variable=).
TEST(aif_RandomModelTest, CheckerFindsOutputWithoutVariableKeyword) {
  const std::string deck =
      "*Step, name=S1\n*Static\n"                                            // 1-2
      "*Output, field, frequency=0\n*Output, history, number interval=0\n"  // 3-4
      "*Output, history, variable=PRESELECT, frequency=3\n"                  // 5
      "*Output, history, frequency=1\n"                                      // 6
      "*Output, field\n*Node Output\nU, \n"                                  // 7-9
      "*Output, history\n*End Step\n"                                        // 10-11
      "*Step, name=S2\n*Static\n*Output, history, frequency=2\n*End Step\n";  // 12-15
  EXPECT_EQ(
      "line 6: *Output without an output variable keyword | *Output, history, frequency=1\n"
      "line 10: *Output without an output variable keyword | *Output, history\n"
      "line 14: *Output without an output variable keyword | *Output, history, frequency=2\n",
      Findings(deck));
}

TEST(aif_RandomModelTest, CheckerFollowsConnectorElementsAndSections) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0.\n 2, 1., 0.\n*End Part\n"             // 1-5
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"  // 6-8
      "*Element, type=CONN3D2\n1, I.1, I.2\n2,  , I.2\n3, I.1, \n4, I.2\n"    // 9-13
      "*Connector Section, elset=Wires\nCartesian, Cardan\n"                  // 14-15
      "*Connector Section, elset=Joints\nCartesian, Cardan\n"                 // 16-17
      "*Elset, elset=Wires\n 1, 2\n"                                          // 18-19
      "*End Assembly\n";
  // Line 12 ends with a comma: element 3 goes on with "4, I.2" as nodes.
  EXPECT_EQ(
      "line 12: undefined node: element node 4 | 3, I.1, \n"
      "line 16: undefined elset: elset=Joints | *Connector Section, elset=Joints\n",
      Findings(deck));
}

TEST(aif_RandomModelTest, CheckerChecksSectionKeywords) {
  const std::string sound =
      "*Part, name=P\n"
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"
      "*Element, type=B21, elset=All\n 1, 1, 2\n 2, 1, 2\n 3, 2, 1\n"
      "*Orientation, name=Ori-1\n1., 0., 0., 0., 1., 0.\n"
      "*Elset, elset=_I1, internal\n 1, 2\n"
      "*Beam General Section, elset=_I1, section=CIRC, material=Nowhere\n0.1\n"
      "*Elset, elset=Last\n 3,\n"
      "*Solid Section, elset=Last, orientation=Ori-1, controls=EC-1, material=Nowhere\n,\n"
      "*End Part\n"
      "*Part, name=Q\n"
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"
      "*Element, type=B21\n 1, 1, 2\n 2, 1, 2\n"
      "*Elset, elset=One\n 1,\n"
      "*Solid Section, elset=One\n,\n"
      "*End Part\n"
      "*Assembly, name=Assembly\n"
      "*Instance, name=I, part=P\n*End Instance\n"
      "*Instance, name=J, part=Q\n"
      "*Elset, elset=Two, generate\n 2,  2,  1\n"
      "*Orientation, name=Ori-1\n1., 0., 0., 0., 1., 0.\n"
      "*Solid Section, elset=Two, orientation=Ori-1, controls=\"EC 2\"\n,\n"
      "*End Instance\n"
      "*End Assembly\n"
      "** ELEMENT CONTROLS\n"
      "*Section Controls, name=EC-1, hourglass=VISCOUS\n1., 1., 1.\n"
      "*Section Controls, name=\"EC 2\"\n1., 1., 1.\n"
      "*Material, name=Nowhere\n";
  EXPECT_EQ("", Findings(sound));
  EXPECT_EQ("", Findings("*Node\n 1, 0., 0.\n 2, 1., 0.\n"
                         "*Element, type=B21, elset=I_All\n 1, 1, 2\n 2, 1, 2\n"
                         "*Elset, elset=I__I1\n 1,\n*Elset, elset=I__I2\n I__I3, 2\n"
                         "*Elset, elset=I__I3\n 2,\n"
                         "*Solid Section, elset=I__I1\n,\n*Solid Section, elset=I__I2\n,\n"
                         "*System\n"));
  const std::string faulty =
      "*Part, name=P\n"                                                    // 1
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"                                    // 2-4
      "*Element, type=B21, elset=E\n 1, 1, 2\n 2, 1, 2\n"                  // 5-7
      "*Elset, elset=Half\n 2,\n"                                          // 8-9
      "*Beam Section, elset=E, section=CIRC\n0.1\n"                        // 10-11
      "*Solid Section, elset=Half, orientation=Ori-9, controls=EC-9\n,\n"  // 12-13
      "*Solid Section, elset=Nope\n"                                       // 14
      "*Solid Section, material=Steel\n"                                   // 15
      "*End Part\n"                                                        // 16
      "*Part, name=R\n"                                                    // 17
      "*Node\n 1, 0., 0.\n"                                                // 18-19
      "*Element, type=MASS, elset=A\n 1, 1\n 2, 1\n"                       // 20-22
      "*Solid Section, elset=A\n"                                          // 23
      "*End Part\n"                                                        // 24
      "*Assembly, name=Assembly\n"                                         // 25
      "*Instance, name=J, part=R\n"                                        // 26
      "*Elset, elset=B, generate\n 2, 2, 1\n"                              // 27-28
      "*Orientation, name=O\n1., 0., 0., 0., 1., 0.\n"                     // 29-30
      "*Solid Section, elset=B\n"                                          // 31
      "*End Instance\n"                                                    // 32
      "*Solid Section, elset=J.B, orientation=J.O\n"                       // 33
      "*End Assembly\n"                                                    // 34
      "*Step, name=S\n"                                                    // 35
      "*Solid Section, elset=E\n"                                          // 36
      "*End Step\n"                                                        // 37
      "*Orientation, name=\"o\", system=user\n"                            // 38
      "*Orientation, name=O\n"                                             // 39
      "*Section Controls, name=EC-1\n*Section Controls, name=\"ec-1\"\n"   // 40-41
      "*Orientation, name=U, system=user\n"                                // 42
      "*Orientation, name=U, system=user\n"                                // 43
      "*Orientation, name=U, system=USER\n";                               // 44
  EXPECT_EQ(
      "line 39: orientation defined twice: o | *Orientation, name=O\n"
      "line 41: section controls defined twice: ec-1 | *Section Controls, name=\"ec-1\"\n"
      "line 43: orientation defined twice: u | *Orientation, name=U, system=user\n"
      "line 44: orientation defined twice: u | *Orientation, name=U, system=USER\n"
      "line 12: undefined orientation: orientation=Ori-9 | "
      "*Solid Section, elset=Half, orientation=Ori-9, controls=EC-9\n"
      "line 12: undefined section controls: controls=EC-9 | "
      "*Solid Section, elset=Half, orientation=Ori-9, controls=EC-9\n"
      "line 14: undefined elset: elset=Nope | *Solid Section, elset=Nope\n"
      "line 15: section without elset= | *Solid Section, material=Steel\n"
      "line 15: undefined material: material=Steel | *Solid Section, material=Steel\n"
      "line 33: section keyword in the assembly: *solid section | "
      "*Solid Section, elset=J.B, orientation=J.O\n"
      "line 36: section keyword in a step: *solid section | *Solid Section, elset=E\n"
      "line 23: element with two sections: element 2 of j also by line 31 | "
      "*Solid Section, elset=A\n"
      "line 12: element with two sections: element 2 of p also by line 10 | "
      "*Solid Section, elset=Half, orientation=Ori-9, controls=EC-9\n",
      Findings(faulty));
}

// Materials: a section's material= names a "*Material" or "*Gasket
// Behavior" of the model (unquoted, case-blind), each defined once and
// outside parts, the assembly and steps.
TEST(aif_RandomModelTest, CheckerChecksMaterials) {
  const std::string deck =
      "*Part, name=P\n"                                          // 1
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"                          // 2-4
      "*Element, type=T2D2, elset=A\n 1, 1, 2\n"                 // 5-6
      "*Element, type=T2D2, elset=B\n 2, 2, 1\n"                 // 7-8
      "*Element, type=T2D2, elset=C\n 3, 1, 2\n"                 // 9-10
      "*Element, type=T2D2, elset=D\n 4, 2, 1\n"                 // 11-12
      "*Solid Section, elset=A, material=\"Mild Steel\"\n1.,\n"  // 13-14
      "*Solid Section, elset=B, material=seal\n1.,\n"            // 15-16
      "*Solid Section, elset=C, material=Copper\n1.,\n"          // 17-18
      "*Solid Section, elset=D, material=Inner\n1.,\n"           // 19-20
      "*Material, name=Inner\n"                                  // 21
      "*End Part\n"                                              // 22
      "*Material, name=\"mild steel\"\n*Elastic\n 1., 0.3\n"     // 23-25
      "*Gasket Behavior, name=Seal\n"                            // 26
      "*Material, name=SEAL\n"                                   // 27
      "*Material\n"                                              // 28
      "*Step, name=S\n*Material, name=Late\n*End Step\n";        // 29-31
  EXPECT_EQ(
      "line 21: material inside a block: *material | *Material, name=Inner\n"
      "line 27: material defined twice: seal | *Material, name=SEAL\n"
      "line 28: empty name: *material | *Material\n"
      "line 30: material inside a block: *material | *Material, name=Late\n"
      "line 17: undefined material: material=Copper | "
      "*Solid Section, elset=C, material=Copper\n",
      Findings(deck));
}

// Distributions: tables once per model, distributions once per scope (an
// instance with its part), Table= defined, rows naming nodes or elements of
// their scope ("Inst.label" outside the parts) once, section options and
// "*Density" naming defined distributions ("ASSEMBLY_" + a distribution
// outside the parts).
TEST(aif_RandomModelTest, CheckerChecksDistributions) {
  const std::string sound =
      "*Part, name=P\n"
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"
      "*Element, type=S3, elset=A\n 1, 1, 2, 1\n"
      "*Element, type=S3, elset=B\n 2, 2, 1, 2\n"
      "*Distribution, name=Thick, location=ELEMENT, Table=T_Table\n"
      "** Description: grows\n,     1.\n1,    0.5\n"
      "*Shell Section, elset=A, material=Steel, offset=-0.5, shell thickness=Thick\n1., 5\n"
      "*End Part\n"
      "*Assembly, name=Assembly\n"
      "*Instance, name=\"I 1\", part=P\n"
      "*Distribution, name=Off, location=NODE, Table=O_Table\n,     0.\n2,    0.5\n"
      "*Nodal Thickness\n1, 0.5\n2, 0.25\n"
      "*Shell Section, elset=B, material=Steel, offset=Off, nodal thickness\n1., 5\n"
      "*End Instance\n"
      "*Distribution, name=\"I 1\".Rho, location=ELEMENT, Table=Rho_Table\n,    1.5\n"
      "\"I 1\".1,    2.5\n"
      "*Distribution, name=Orient, location=ELEMENT, table=_TM_Dist_Table\n"
      ",   1., 0., 0.,   0., 1., 0.\n\"I 1\".2,   0., 1., 0.,   1., 0., 0.\n"
      "*End Assembly\n"
      "*Distribution Table, name=T_Table\nlength\n"
      "*Distribution Table, name=O_Table\nratio\n"
      "*Distribution Table, name=Rho_Table\nDENSITY\n"
      "*Distribution Table, name=_TM_Dist_Table\nCOORD3D, COORD3D\n"
      "*Distribution, name=Rho, location=ELEMENT, Table=Rho_Table\n,    7.8\n\"I 1\".2, 11.7\n"
      "*Material, name=Steel\n*Density\nASSEMBLY_Rho\n"
      "*Distribution, name=\"My Rho\", location=ELEMENT, Table=Rho_Table\n,    7.8\n"
      "*Material, name=Other\n*Density\n\"ASSEMBLY_My Rho\"\n"
      "*Material, name=Plain\n*Density\n 7.8,\n";
  EXPECT_EQ("", Findings(sound));
  // Flat: one scope, plain names.
  EXPECT_EQ("", Findings("*Node\n 1, 0., 0.\n*Element, type=MASS, elset=I_E\n 3, 1\n"
                         "*Distribution Table, name=I_F_Table\nDENSITY\n"
                         "*Distribution, name=I_F, location=ELEMENT, Table=I_F_Table\n,   1.\n"
                         "3, 2.\n*Material, name=M\n*Density\nI_F\n"));
  const std::string faulty =
      "*Part, name=P\n"                                                        // 1
      "*Node\n 1, 0., 0.\n"                                                    // 2-3
      "*Element, type=T2D2, elset=A\n 1, 1, 1\n"                               // 4-5
      "*Distribution, name=D, location=ELEMENT, Table=Nope\n,  1.\n7, 2.\n"    // 6-8
      "*Distribution, name=d, location=ELEMENT, Table=T\n,  1.\n"              // 9-10
      "*Shell Section, elset=A, material=M, shell thickness=Missing\n1., 5\n"  // 11-12
      "*End Part\n"                                                            // 13
      "*Assembly, name=Assembly\n"                                             // 14
      "*Instance, name=I, part=P\n"                                            // 15
      "*Distribution, name=D, location=NODE, Table=T\n1, 3.\n1, 2.\n"          // 16-18
      "*Nodal Thickness\n1, 0.5\n2, 0.5\n"                                     // 19-21
      "*End Instance\n"                                                        // 22
      "*Distribution, name=E, location=ELEMENT\n,  1.\nI.1, 2.\nJ.1, 2.\n"     // 23-26
      "*End Assembly\n"                                                        // 27
      "*Distribution Table, name=T\nlength\n"                                  // 28-29
      "*Distribution Table, name=t\nlength\n"                                  // 30-31
      "*Material, name=M\n*Density\nASSEMBLY_D\n"                              // 32-34
      "*Material, name=N\n*Density\nE\n"                                       // 35-37
      "*Material, name=O\n*Density\nASSEMBLY_E\n"                              // 38-40
      "*Distribution, name=F, location=ELEMENT, table=_TM_Dist_Table\n"        // 41
      ",   1., 0., 0.,   0., 1., 0.\n";                                        // 42
  EXPECT_EQ(
      "line 9: distribution defined twice: d | *Distribution, name=d, location=ELEMENT, Table=T\n"
      "line 16: distribution defined twice: d | *Distribution, name=D, location=NODE, Table=T\n"
      "line 30: distribution table defined twice: t | *Distribution Table, name=t\n"
      "line 11: undefined distribution: shell thickness=Missing | "
      "*Shell Section, elset=A, material=M, shell thickness=Missing\n"
      "line 6: undefined distribution table: Table=Nope | "
      "*Distribution, name=D, location=ELEMENT, Table=Nope\n"
      "line 8: undefined element: distribution row 7 | 7, 2.\n"
      "line 18: distribution row given twice: 1 | 1, 2.\n"
      "line 21: undefined node: nodal thickness row 2 | 2, 0.5\n"
      "line 23: distribution without table= | *Distribution, name=E, location=ELEMENT\n"
      "line 26: undefined instance: distribution row J.1 | J.1, 2.\n"
      "line 34: undefined distribution: *Density ASSEMBLY_D | ASSEMBLY_D\n"
      "line 37: undefined distribution: *Density E | E\n"
      "line 41: undefined distribution table: Table=_TM_Dist_Table | "
      "*Distribution, name=F, location=ELEMENT, table=_TM_Dist_Table\n",
      Findings(faulty));
}

// Qualified names split at the first dot outside quotes; ply lines name a
// "*Material" and an orientation of their scope; orientation data lines
// name defined distributions; a gasket section names a "*Material"; a node
// takes one nodal thickness in its scope.
TEST(aif_RandomModelTest, CheckerChecksQualifiedNamesPliesOrientationDataAndNodalThickness) {
  const std::string deck =
      "*Part, name=P\n"                                                               // 1
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"                                               // 2-4
      "*Element, type=S3, elset=A\n 1, 1, 2, 1\n"                                     // 5-6
      "*Element, type=S3, elset=B\n 2, 2, 1, 2\n"                                     // 7-8
      "*Nset, nset=All\n 1, 2\n"                                                      // 9-10
      "*Orientation, name=PlyOri, system=user\n"                                      // 11
      "*Distribution, name=Axes, location=ELEMENT, Table=_TM_Dist_Table\n"            // 12
      ",   1., 0., 0.,   0., 1., 0.\n"                                                // 13
      "*Orientation, name=Ori-1\nAxes\n3, Angles\n"                                   // 14-16
      "*Orientation, name=Ori-2, system=RECTANGULAR\nNoAxes\n3, 30.\n"                // 17-19
      "*Shell Section, elset=A, composite\n"                                          // 20
      "0.1, 3, Steel, PlyOri, P1\n0.2, 3, Steel, 45., P2\n0.3, 3, Seal, Ori-9, P3\n"  // 21-23
      "*Gasket Section, elset=B, material=Seal\n"                                     // 24
      "*Nodal Thickness\n1, 0.5\n2, 0.5\n1, 0.7\n"                                    // 25-28
      "*End Part\n"                                                                   // 29
      "*Assembly, name=Assembly\n"                                                    // 30
      "*Instance, name=A.b, part=P\n"                                                 // 31
      "*Nodal Thickness\n2, 0.5\n"                                                    // 32-33
      "*End Instance\n"                                                               // 34
      "*Surface, type=NODE, name=T\nA.b.All, 1.\n\"A.b\".All, 1.\n"                   // 35-37
      "*Element, type=MASS, elset=M\n 9, A.b.1\n 10, \"A.b\".1\n"                     // 38-40
      "*End Assembly\n"                                                               // 41
      "*Material, name=Steel\n*Gasket Behavior, name=Seal\n"                          // 42-43
      "*Distribution Table, name=_TM_Dist_Table\nCOORD3D, COORD3D\n";                 // 44-45
  EXPECT_EQ(
      "line 36: undefined nset: surface member A.b.All | A.b.All, 1.\n"
      "line 39: undefined instance: element node A.b.1 |  9, A.b.1\n"
      "line 16: undefined distribution: orientation angle Angles | 3, Angles\n"
      "line 18: undefined distribution: NoAxes | NoAxes\n"
      "line 23: undefined material: ply material Seal | 0.3, 3, Seal, Ori-9, P3\n"
      "line 23: undefined orientation: ply orientation Ori-9 | 0.3, 3, Seal, Ori-9, P3\n"
      "line 24: gasket section names no *Material: material=Seal | "
      "*Gasket Section, elset=B, material=Seal\n"
      "line 28: nodal thickness row given twice: 1 | 1, 0.7\n"
      "line 33: nodal thickness defined twice: node 2 | 2, 0.5\n",
      Findings(deck));
}

// An instance's own distribution is defined in the assembly as "Inst.name"
// (each component quoted on its own); the orientations of the instance and
// of its part name it unqualified. A name holding "." is the assembly's.
TEST(aif_RandomModelTest, CheckerTakesInstanceDistributionsOfTheAssembly) {
  const std::string deck =
      "*Part, name=P\n"                                                       // 1
      "*Orientation, name=Ori-P\nPartAxes\n1, 0.\n"                           // 2-4
      "*End Part\n"                                                           // 5
      "*Assembly, name=Assembly\n"                                            // 6
      "*Instance, name=\"I 1\", part=P\n"                                     // 7
      "*Orientation, name=Ori-I\nAxes\n1, 0.\n"                               // 8-10
      "*Orientation, name=Ori-W\nWhole\n1, 0.\n"                              // 11-13
      "*Orientation, name=Ori-D\nG.x\n1, 0.\n"                                // 14-16
      "*End Instance\n"                                                       // 17
      "*Distribution, name=\"I 1\".Axes, location=ELEMENT, Table=T\n,  1.\n"  // 18-19
      "*Distribution, name=\"I 1\".PartAxes, location=ELEMENT, Table=T\n,  1.\n"
      "*Distribution, name=\"I 1.Whole\", location=ELEMENT, Table=T\n,  1.\n"
      "*Distribution, name=G.x, location=ELEMENT, Table=T\n,  1.\n"
      "*End Assembly\n"
      "*Distribution Table, name=T\ncoord3d\n";
  EXPECT_EQ("line 12: undefined distribution: Whole | Whole\n", Findings(deck));
}

// Orientations are named as their "*Orientation" line writes them and
// defined once in an instance with its part; a gasket section's behavior=
// names a "*Gasket Behavior"; rebar layers name a "*Material"; a section
// with nodal thickness finds a "*Nodal Thickness" in its scope or in each
// instance of its part; a section's set is one "*Elset" block of its scope.
TEST(aif_RandomModelTest, CheckerChecksOrientationNamesBehaviorsRebarAndSectionSets) {
  const std::string sound =
      "*Part, name=P\n"
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"
      "*Element, type=M3D3, elset=All\n 1, 1, 2, 1\n 2, 2, 1, 2\n"
      "*Orientation, name=\"Ori-my field\"\n1., 0., 0., 0., 1., 0.\n"
      "*Elset, elset=A\n 1,\n*Elset, elset=B\n 2,\n"
      "*Membrane Section, elset=A, material=Steel, orientation=\"Ori-my field\"\n1.,\n"
      "*Rebar Layer, orientation=\"Ori-my field\"\nBars, 1., 0., , Steel, 0., 1\n"
      "*Shell Section, elset=B, material=Steel, nodal thickness\n1., 5\n"
      "*End Part\n"
      "*Assembly, name=Assembly\n"
      "*Instance, name=I, part=P\n*Nodal Thickness\n1, 0.5\n2, 0.5\n*End Instance\n"
      "*Elset, elset=S, instance=I\n 1,\n*Elset, elset=S, instance=I\n 2,\n"
      "*End Assembly\n"
      "*Material, name=Steel\n*Gasket Behavior, name=Seal\n";
  EXPECT_EQ("", Findings(sound));
  const std::string faulty =
      "*Part, name=P\n"                                                             // 1
      "*Node\n 1, 0., 0.\n 2, 1., 0.\n"                                             // 2-4
      "*Element, type=M3D3, elset=All\n 1, 1, 2, 1\n 2, 2, 1, 2\n"                  // 5-7
      "*Element, type=S3, elset=C\n 3, 1, 2, 1\n"                                   // 8-9
      "*Element, type=S3, elset=D\n 4, 1, 2, 1\n"                                   // 10-11
      "*Element, type=S3, elset=G\n 5, 1, 2, 1\n"                                   // 12-13
      "*Orientation, name=\"Ori-my field\"\n"                                       // 14
      "*Orientation, name=Ori-1\n"                                                  // 15
      "*Elset, elset=A\n 1,\n*Elset, elset=A\n 2,\n"                                // 16-19
      "*Membrane Section, elset=A, material=Steel, orientation=\"ori-my field\"\n"  // 20
      "*Rebar Layer, orientation=\"Ori-1\"\nBars, 1., 0., , Copper, 0., 1\n"        // 21-22
      "*Shell Section, elset=C, composite\n0.1, 3, Steel, ORI-1, P1\n"              // 23-24
      "*Shell Section, elset=D, material=Steel, nodal thickness\n"                  // 25
      "*Gasket Section, elset=G, behavior=Gone\n"                                   // 26
      "*End Part\n"                                                                 // 27
      "*Assembly, name=Assembly\n"                                                  // 28
      "*Instance, name=I, part=P\n"                                                 // 29
      "*Orientation, name=ori-1\n"                                                  // 30
      "*End Instance\n"                                                             // 31
      "*End Assembly\n"                                                             // 32
      "*Material, name=Steel\n";                                                    // 33
  EXPECT_EQ(
      "line 30: orientation defined twice: ori-1 | *Orientation, name=ori-1\n"
      "line 21: orientation written otherwise: orientation=\"Ori-1\" for Ori-1 | "
      "*Rebar Layer, orientation=\"Ori-1\"\n"
      "line 22: undefined material: rebar material Copper | Bars, 1., 0., , Copper, 0., 1\n"
      "line 20: section elset defined twice: 2 *Elset blocks of A | "
      "*Membrane Section, elset=A, material=Steel, orientation=\"ori-my field\"\n"
      "line 20: orientation written otherwise: orientation=\"ori-my field\" for "
      "\"Ori-my field\" | *Membrane Section, elset=A, material=Steel, "
      "orientation=\"ori-my field\"\n"
      "line 24: orientation written otherwise: ply orientation ORI-1 for Ori-1 | "
      "0.1, 3, Steel, ORI-1, P1\n"
      "line 25: nodal thickness not given: no *Nodal Thickness in scope | "
      "*Shell Section, elset=D, material=Steel, nodal thickness\n"
      "line 26: undefined gasket behavior: behavior=Gone | "
      "*Gasket Section, elset=G, behavior=Gone\n",
      Findings(faulty));
}

// What writing one random model gave.
struct Outcome {
  std::uint32_t seed = 0;
  std::string description;
  std::string deck;
  std::string refusal;  // the aif_Exception's message, when the writer refused
  std::vector<aif_test::DeckFinding> findings;
};

void SetEnv(const char* name, const std::string& value) {
  if (value.empty())
    unsetenv(name);
  else
    setenv(name, value.c_str(), 1);
}

aif_test::DeckFinding Finding(const std::string& kind, const std::string& detail) {
  return {kind, 0, kind + ": " + detail};
}

// The object kinds of this run: the defaults, or those AIF_RANDOM_MODEL_KINDS
// names ("all", or switch names joined by ",", e.g. "layups,nodalFields")
// switched on besides; "none" first switches every kind off.
ObjectKinds KindsOfThisRun() {
  ObjectKinds kinds;
  const char* text = std::getenv("AIF_RANDOM_MODEL_KINDS");
  if (!text) return kinds;
  const std::string names = std::string(",") + text + ",";
  auto on = [&](const char* name) {
    return names.find(",all,") != std::string::npos ||
           names.find(std::string(",") + name + ",") != std::string::npos;
  };
  if (names.find(",none,") != std::string::npos) {
    kinds.layups = kinds.plyOrientations = kinds.discreteOrientations = false;
    kinds.geometryThickness = kinds.fieldOrientations = kinds.nodalFields = false;
    kinds.gasketSections = kinds.densities = kinds.failingFields = kinds.instanceNames = false;
    kinds.pickedRegions = kinds.suppressedAssignments = kinds.rebar = false;
    kinds.likeNamedFields = kinds.overlongNames = kinds.connectors = false;
    kinds.springs = kinds.inertias = kinds.substructures = false;
    kinds.outputRequests = kinds.substructureOutput = kinds.loads = false;
    kinds.boundaryConditions = kinds.predefinedFields = kinds.modelChanges = false;
    kinds.contactPairs = kinds.incidentWaves = kinds.generalContact = false;
    kinds.thermalConditions = kinds.cavitiesAndCosimulations = kinds.actuators = false;
    kinds.adaptiveMeshes = kinds.constraints = kinds.cracks = false;
  }
  kinds.cracks = kinds.cracks || on("cracks");
  kinds.constraints = kinds.constraints || on("constraints");
  kinds.actuators = kinds.actuators || on("actuators");
  kinds.adaptiveMeshes = kinds.adaptiveMeshes || on("adaptiveMeshes");
  kinds.thermalConditions = kinds.thermalConditions || on("thermalConditions");
  kinds.cavitiesAndCosimulations = kinds.cavitiesAndCosimulations || on("cavitiesAndCosimulations");
  kinds.generalContact = kinds.generalContact || on("generalContact");
  kinds.modelChanges = kinds.modelChanges || on("modelChanges");
  kinds.contactPairs = kinds.contactPairs || on("contactPairs");
  kinds.incidentWaves = kinds.incidentWaves || on("incidentWaves");
  kinds.layups = kinds.layups || on("layups");
  kinds.plyOrientations = kinds.plyOrientations || on("plyOrientations");
  kinds.discreteOrientations = kinds.discreteOrientations || on("discreteOrientations");
  kinds.geometryThickness = kinds.geometryThickness || on("geometryThickness");
  kinds.fieldOrientations = kinds.fieldOrientations || on("fieldOrientations");
  kinds.nodalFields = kinds.nodalFields || on("nodalFields");
  kinds.gasketSections = kinds.gasketSections || on("gasketSections");
  kinds.densities = kinds.densities || on("densities");
  kinds.failingFields = kinds.failingFields || on("failingFields");
  kinds.instanceNames = kinds.instanceNames || on("instanceNames");
  kinds.pickedRegions = kinds.pickedRegions || on("pickedRegions");
  kinds.suppressedAssignments = kinds.suppressedAssignments || on("suppressedAssignments");
  kinds.rebar = kinds.rebar || on("rebar");
  kinds.likeNamedFields = kinds.likeNamedFields || on("likeNamedFields");
  kinds.overlongNames = kinds.overlongNames || on("overlongNames");
  kinds.springs = kinds.springs || on("springs");
  kinds.inertias = kinds.inertias || on("inertias");
  kinds.substructures = kinds.substructures || on("substructures");
  kinds.connectors = kinds.connectors || on("connectors");
  kinds.outputRequests = kinds.outputRequests || on("outputRequests");
  kinds.substructureOutput = kinds.substructureOutput || on("substructureOutput");
  kinds.loads = kinds.loads || on("loads");
  kinds.boundaryConditions = kinds.boundaryConditions || on("boundaryConditions");
  kinds.predefinedFields = kinds.predefinedFields || on("predefinedFields");
  return kinds;
}

// The lines of the "*Surface Interaction" of `name` in `deck` after its
// keyword line: its data line and its behaviour keywords, up to the next
// keyword of another kind or comment; empty when the deck has none.
std::string SurfaceInteractionBlock(const std::string& deck, const std::string& name) {
  static const std::array<const char*, 11> behaviours = {
      "*Friction",          "*Surface Behavior", "*Cohesive Behavior",   "*Fracture Criterion",
      "*Contact Damping",   "*Gap Conductance",  "*Gap Heat Generation", "*Gap Radiation",
      "*Damage Initiation", "*Damage Evolution", "*Damage Stabilization"};
  const std::string head =
      "\n*Surface Interaction, name=" + akw_MorvexName(cow_String(name), false).Printable().Str();
  std::size_t at = deck.find(head + "\n");
  if (at == std::string::npos) at = deck.find(head + ",");
  if (at == std::string::npos) return std::string();
  const std::size_t begin = deck.find('\n', at + 1) + 1;
  std::size_t end = begin;
  while (end < deck.size()) {
    const std::string_view line(deck.data() + end, deck.find('\n', end) - end);
    if (line.starts_with('*') &&
        std::none_of(behaviours.begin(), behaviours.end(),
                     [&](const char* keyword) { return line.starts_with(keyword); }))
      break;
    end += line.size() + 1;
  }
  return deck.substr(begin, end - begin);
}

// A Standard pair whose property a later step changes runs with the
// property it is created with: its generated copy repeats that property's
// definition line for line.
void CheckPropertyCopies(Outcome& out,
                         const std::vector<std::pair<std::string, std::string>>& copies) {
  for (const auto& [copy, source] : copies) {
    const std::string written = SurfaceInteractionBlock(out.deck, copy);
    if (written.empty())
      out.findings.push_back(Finding("property copy missing", copy));
    else if (written != SurfaceInteractionBlock(out.deck, source))
      out.findings.push_back(
          Finding("property copy differs", copy + " is not a copy of " + source));
  }
}

Outcome WriteRandomModel(std::uint32_t seed) {
  Outcome out;
  out.seed = seed;
  static const ObjectKinds kinds = KindsOfThisRun();
  Generator g(seed, kinds);
  g.Generate();
  out.description = g.description.str();

  SetEnv("TVN_AIF_NODEOFFSET", g.nodeOffset);
  SetEnv("TVN_AIF_ELEMENTOFFSET", g.elementOffset);
  pyo_MorvexEnvFile& env = pyo_MorvexEnvFile::Instance();
  if (g.noPartsKey >= 0)
    env.Set("cae_no_parts_input_file", g.noPartsKey);
  else
    env.Remove("cae_no_parts_input_file");
  fs::remove(kDeckPath);
  try {
    const bas_NewModel model = g.builder.Model();
    aif_Job job("Job-1", g.builder.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder writer(info);
    if (!writer.WriteInputFile(kDeckPath, g.jobKeywords, true))
      out.findings.push_back(Finding("write reported failure", "WriteInputFile returned false"));
    out.deck = aif_test::ReadFile(kDeckPath);
    if (!writer.WriteInputFile(kDeckPath, g.jobKeywords, true) ||
        aif_test::ReadFile(kDeckPath) != out.deck)
      out.findings.push_back(Finding("second write differs", "writing twice gave other bytes"));
  } catch (const aif_Exception& e) {
    out.refusal = e.Message().Str();
    if (fs::exists(kDeckPath))
      out.findings.push_back(Finding("file left after aif_Exception", out.refusal));
  } catch (const std::exception& e) {
    out.findings.push_back(Finding("exception other than aif_Exception", e.what()));
  }
  for (const std::string& partner : g.partnerModels)
    bas_Basis::Instance().Fetch().RemoveModel(cow_String(partner));
  // A model made to be refused must be refused (by that fault or one met
  // before it).
  if (!g.refusals.empty() && out.refusal.empty())
    out.findings.push_back(
        Finding("refusal expected",
                "the writer wrote a model it must refuse (\"" + g.refusals.front() + "\")"));
  unsetenv("TVN_AIF_NODEOFFSET");
  unsetenv("TVN_AIF_ELEMENTOFFSET");
  env.Remove("cae_no_parts_input_file");
  fs::remove(kDeckPath);
  if (!out.deck.empty()) {
    std::vector<aif_test::DeckFinding> found = aif_test::CheckDeck(out.deck);
    out.findings.insert(out.findings.end(), found.begin(), found.end());
    CheckPropertyCopies(out, g.propertyCopies);
  }
  return out;
}

std::string Report(const Outcome& out, std::size_t most) {
  std::ostringstream text;
  text << "seed " << out.seed << " (AIF_RANDOM_MODEL_SEED=" << out.seed << ")\n" << out.description;
  if (!out.refusal.empty()) text << "refused: " << out.refusal << "\n";
  for (std::size_t i = 0; i < out.findings.size() && i < most; ++i)
    text << "  " << out.findings[i].text << "\n";
  if (out.findings.size() > most) text << "  ... " << out.findings.size() - most << " more\n";
  return text.str();
}

TEST(aif_RandomModelTest, DecksOfRandomModelsAreConsistent) {
  if (const char* one = std::getenv("AIF_RANDOM_MODEL_SEED")) {
    const Outcome out = WriteRandomModel(static_cast<std::uint32_t>(std::stoul(one)));
    std::cout << Report(out, SIZE_MAX) << "---- deck ----\n" << out.deck;
    EXPECT_TRUE(out.findings.empty());
    return;
  }
  const char* count = std::getenv("AIF_RANDOM_MODEL_COUNT");
  const std::uint32_t models = count ? static_cast<std::uint32_t>(std::stoul(count)) : 300;
  // Per class of fault: the seeds of the models that show it.
  std::map<std::string, std::vector<std::uint32_t>> classes;
  std::vector<Outcome> failed;
  std::map<std::string, int> refusals;
  for (std::uint32_t seed = 1; seed <= models; ++seed) {
    Outcome out = WriteRandomModel(seed);
    if (!out.refusal.empty()) ++refusals[out.refusal];
    if (out.findings.empty()) continue;
    std::set<std::string> kinds;
    for (const aif_test::DeckFinding& finding : out.findings)
      kinds.insert(finding.kind);
    for (const std::string& kind : kinds) {
      classes[kind].push_back(seed);
    }
    failed.push_back(std::move(out));
  }
  if (failed.empty()) return;
  std::ostringstream summary;
  summary << failed.size() << " of " << models << " models fail; by class (models: seeds):\n";
  for (const auto& [kind, seeds] : classes) {
    summary << "  " << kind << ": " << seeds.size() << ":";
    for (std::size_t i = 0; i < seeds.size() && i < 12; ++i)
      summary << " " << seeds[i];
    summary << (seeds.size() > 12 ? " ...\n" : "\n");
  }
  summary << "refused by the writer (" << refusals.size() << " distinct messages):\n";
  int shown = 0;
  for (const auto& [message, times] : refusals)
    if (++shown <= 8) summary << "  " << times << " x " << message << "\n";
  for (std::size_t i = 0; i < failed.size() && i < 3; ++i)
    summary << Report(failed[i], 12);
  ADD_FAILURE() << summary.str();
}

// --- wire ends in both layouts ----------------------------------------------

// The node a wire end names, as "instance#position": the instance (quotes
// dropped) and the node's position in the instance's mesh block (its first
// "*Node" block: in a flat file the one after the instance's "PART
// INSTANCE" comment; part-based the instance's own, else its part's), or
// "Assembly#position" for a node of the assembly's own "*Node" blocks (its
// reference and attachment nodes, counted through all its blocks in order).
// A flat file starts the assembly's own blocks with a bare "*System" after
// the last instance; an instance's own "*System" comes before its mesh, and
// is bare only after a placed instance. "?" for a node outside these blocks
// (an instance's reference node), "" for a missing end.
class WireEndReader {
 public:
  explicit WireEndReader(const std::string& deck) {
    std::stringstream in(deck);
    std::string scope;  // "part:P", "instance:I", "flat:I", "copies:C", "assembly"
    std::string keyword;
    bool firstBlock = false;
    std::map<std::string, int> blocksSeen;
    std::set<std::string> placed;  // flat scopes past their own "*System" or mesh
    bool identity = true;          // the flat file's current "*System"
    std::vector<std::pair<std::string, std::string>> instanceParts;
    for (std::string line; std::getline(in, line);) {
      // A keyword line ending in "," goes on in the next line.
      if (line.rfind("*", 0) == 0 && line.rfind("**", 0) != 0)
        for (std::string next; !line.empty() && line.back() == ',' && std::getline(in, next);)
          line += " " + next;
      if (line.rfind("** PART INSTANCE: ", 0) == 0) {
        scope = "flat:" + Unquoted(line.substr(18));
        continue;
      }
      // A fastener's copies (flat): none of the instance before them.
      if (line.rfind("** Part instance: ", 0) == 0) {
        scope = "copies:" + line.substr(18);
        continue;
      }
      if (line.rfind("**", 0) == 0) continue;
      if (line.rfind("*", 0) == 0) {
        keyword = Lower(Field(line, 0));
        if (keyword == "*part") scope = "part:" + Unquoted(Option(line, "name"));
        if (keyword == "*instance") {
          scope = "instance:" + Unquoted(Option(line, "name"));
          instanceParts.emplace_back(scope, "part:" + Unquoted(Option(line, "part")));
        }
        if (keyword == "*end part" || keyword == "*end assembly") scope.clear();
        if (keyword == "*assembly" || keyword == "*end instance") scope = "assembly";
        if (keyword == "*system" && scope != "assembly") {
          const bool bare = in.peek() == '*' || in.peek() == EOF;
          const bool copies = scope.rfind("copies:", 0) == 0;
          if (scope.empty() || placed.count(scope) || (bare && identity && !copies))
            scope = "assembly";
          else
            placed.insert(scope);
          identity = bare;
        }
        if ((keyword == "*node" || keyword == "*element") && scope.rfind("flat:", 0) == 0)
          placed.insert(scope);
        firstBlock = keyword == "*node" && !scope.empty() &&
                     (blocksSeen[scope]++ == 0 || scope == "assembly");
        if (keyword == "*element" || keyword == "*mpc") {
          const std::string type = Lower(Option(line, "type"));
          wires_ = keyword == "*mpc" ||
                   ((type == "conn3d2" || type == "conn2d2") && Option(line, "elset").empty());
          if (wires_) lines_.emplace_back();
        } else {
          wires_ = false;
        }
        continue;
      }
      if (firstBlock) {
        const std::string label = Field(line, 0);
        positions_[scope][label] = static_cast<int>(positions_[scope].size());
        if (scope.rfind("flat:", 0) == 0) flat_[label] = "flat:" + scope.substr(5);
        if (scope == "assembly") flat_[label] = scope;
      }
      if (wires_) lines_.back().push_back(line);
    }
    for (const auto& [instance, part] : instanceParts)
      if (!positions_.count(instance)) positions_[instance] = positions_[part];
  }

  // Per wire line of the assembly's connector elements and MPCs, in deck
  // order: its ends as named nodes; a line naming anything but nodes (an MPC
  // between sets) reads as one "set line".
  std::vector<std::string> Ends() const {
    std::vector<std::string> ends;
    for (const std::vector<std::string>& block : lines_)
      for (const std::string& line : block) {
        std::string text;
        bool nodes = true;
        for (std::size_t i = 1; Field(line, i) != "\x01"; ++i) {
          const std::string named = Node(Field(line, i));
          if (named == "!") nodes = false;
          text += (i > 1 ? ", " : "") + named;
        }
        ends.push_back(nodes ? text : "set line");
      }
    return ends;
  }

 private:
  static std::string Lower(std::string text) {
    for (char& c : text)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }
  static std::string Unquoted(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    while (!text.empty() && text.back() == ' ')
      text.pop_back();
    return text;
  }
  // The comma after `from` outside quotes, or npos.
  static std::size_t Comma(const std::string& line, std::size_t from) {
    bool quoted = false;
    for (std::size_t at = from; at < line.size(); ++at) {
      if (line[at] == '"') quoted = !quoted;
      if (line[at] == ',' && !quoted) return at;
    }
    return std::string::npos;
  }
  // Field `i` of a line split at commas outside quotes, trimmed; "\x01"
  // past the end.
  static std::string Field(const std::string& line, std::size_t i) {
    std::size_t begin = 0;
    for (std::size_t k = 0; k < i; ++k) {
      begin = Comma(line, begin);
      if (begin == std::string::npos) return "\x01";
      ++begin;
    }
    const std::size_t end = Comma(line, begin);
    std::string field =
        line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    const std::size_t b = field.find_first_not_of(' ');
    const std::size_t e = field.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : field.substr(b, e - b + 1);
  }
  static std::string Option(const std::string& line, const std::string& key) {
    for (std::size_t i = 1; Field(line, i) != "\x01"; ++i) {
      const std::string field = Field(line, i);
      if (Lower(field.substr(0, key.size() + 1)) == key + "=") return field.substr(key.size() + 1);
    }
    return std::string();
  }
  static bool Integer(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  }
  // "!" for a name that is no node.
  std::string Node(const std::string& token) const {
    if (token.empty()) return "";
    if (Integer(token)) {
      // Flat: any written node; part-based: the assembly's own.
      const auto owner = flat_.find(token);
      if (owner == flat_.end()) return "?";
      const std::string name = owner->second == "assembly" ? "Assembly" : owner->second.substr(5);
      return name + "#" + std::to_string(positions_.at(owner->second).at(token));
    }
    const std::size_t dot = token.rfind('.');
    if (dot == std::string::npos || !Integer(token.substr(dot + 1))) return "!";
    const std::string instance = Unquoted(token.substr(0, dot));
    const auto block = positions_.find("instance:" + instance);
    if (block == positions_.end()) return "?";
    const auto position = block->second.find(token.substr(dot + 1));
    return position == block->second.end() ? "?"
                                           : instance + "#" + std::to_string(position->second);
  }

  std::map<std::string, std::map<std::string, int>> positions_;  // scope -> label -> position
  std::map<std::string, std::string> flat_;  // plain label -> scope ("flat:I", "assembly")
  std::vector<std::vector<std::string>> lines_;
  bool wires_ = false;
};

// The random models with assembly wires, written part-based and flat: each
// wire end names the same node of the same instance in both decks.
TEST(aif_RandomModelTest, WireEndsNameTheSameNodesPartBasedAndFlat) {
  const char* count = std::getenv("AIF_RANDOM_MODEL_COUNT");
  const std::uint32_t models = count ? static_cast<std::uint32_t>(std::stoul(count)) : 300;
  static const ObjectKinds kinds = KindsOfThisRun();
  int compared = 0;
  for (std::uint32_t seed = 1; seed <= models; ++seed) {
    Generator g(seed, kinds);
    g.Generate();
    std::string decks[2];
    SetEnv("TVN_AIF_NODEOFFSET", g.nodeOffset);
    SetEnv("TVN_AIF_ELEMENTOFFSET", g.elementOffset);
    for (int flat : {0, 1}) {
      pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", flat);
      try {
        const bas_NewModel model = g.builder.Model();
        aif_Job job("Job-1", g.builder.Job(), model);
        aif_ModelInfo info(job);
        aif_Builder writer(info);
        if (writer.WriteInputFile(kDeckPath, g.jobKeywords, true))
          decks[flat] = aif_test::ReadFile(kDeckPath);
      } catch (const aif_Exception&) {
      }
      fs::remove(kDeckPath);
    }
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    unsetenv("TVN_AIF_NODEOFFSET");
    unsetenv("TVN_AIF_ELEMENTOFFSET");
    for (const std::string& partner : g.partnerModels)
      bas_Basis::Instance().Fetch().RemoveModel(cow_String(partner));
    // Both written, the first with parts (a model may require a flat file).
    if (decks[0].empty() || decks[1].empty() ||
        decks[0].find("\n*Part, name=") == std::string::npos)
      continue;
    const std::vector<std::string> partBased = WireEndReader(decks[0]).Ends();
    const std::vector<std::string> flat = WireEndReader(decks[1]).Ends();
    if (partBased.empty()) continue;
    ++compared;
    const std::string told =
        "seed " + std::to_string(seed) + " (AIF_RANDOM_MODEL_SEED=" + std::to_string(seed) + ")\n";
    ASSERT_EQ(partBased.size(), flat.size()) << told << g.description.str();
    // Every line is compared, an end outside the blocks the reader follows
    // (an instance's reference node, "?") included: the other deck must
    // name no block's node there either.
    for (std::size_t i = 0; i < flat.size(); ++i)
      EXPECT_EQ(partBased[i], flat[i]) << told << g.description.str();
  }
  EXPECT_GT(compared, 0);
}

}  // namespace

namespace {

// Every whole golden deck (those of keyword blocks aside) reads back clean.
TEST(aif_RandomModelTest, GoldenDecksAreConsistent) {
  const std::filesystem::path root = std::filesystem::path(AIF_TESTS_DIR) / "aif";
  int decks = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.path().extension() != ".inp" || entry.path().parent_path().filename() != "golden")
      continue;
    const std::string deck = aif_test::ReadFile(entry.path().string());
    if (deck.find("*Heading") == std::string::npos && deck.find("*Part") == std::string::npos &&
        deck.find("*Node") == std::string::npos)
      continue;
    ++decks;
    std::string findings = Findings(deck);
    // A restart deck names sets of the job it restarts from.
    if (deck.find("\n*Restart, read") != std::string::npos) {
      std::string kept;
      std::istringstream lines(findings);
      for (std::string line; std::getline(lines, line);)
        if (line.find(": undefined ") == std::string::npos) kept += line + "\n";
      findings = kept;
    }
    EXPECT_EQ("", findings) << entry.path();
  }
  EXPECT_GE(decks, 8);
}

// The sample model's deck reads back clean, and holds what the sample is
// made to show: its connector with the behaviour it names, its spring, its
// supports, its contact, the plate's foundation and its two steps with their
// output.
// The sample's optimization: its flat input file is as consistent as the
// job's, and its parameter file names that file and only blocks it holds.
TEST(aif_RandomModelTest, SampleOptimizationIsConsistent) {
  const std::string base = (std::filesystem::temp_directory_path() /
                            ("aif_SampleOptimization." + std::to_string(getpid())))
                               .string();
  hst_ModelBuilder sample = aif_SampleModel();
  aif_SampleTask(sample);
  const bas_NewModel model = sample.Model();
  const aif_OptimizationProcess process("Lighter-Block", aif_SampleOptimization("sample-opt"),
                                        model);
  aif_ModelInfo deckInfo(process);
  aif_Builder writer(deckInfo);
  ASSERT_TRUE(writer.WriteInputFile(base + ".inp", true, true));
  const std::string deck = aif_test::ReadFile(base + ".inp");
  std::filesystem::remove(base + ".inp");
  EXPECT_EQ("", Findings(deck));
  EXPECT_EQ(deck.find("*Heading"), std::string::npos);  // no job, no job keywords
  EXPECT_NE(deck.find("*Elset, elset=Block-2_All, generate\n"), std::string::npos);
  // The bushing joins node 41 of Block-1 (numbered from 1) and node 5 of
  // Block-2 (numbered from 47), as the part-based "Block-1.41, Block-2.5".
  EXPECT_NE(deck.find("\n*Element, type=CONN3D2\n41, 41, 51\n"), std::string::npos) << deck;

  aif_ModelInfo parameterInfo(process);
  aif_KestBuilder parameters(parameterInfo);
  ASSERT_TRUE(parameters.WriteInputFile(base + ".par", "", false, true));
  const std::string file = aif_test::ReadFile(base + ".par");
  std::filesystem::remove(base + ".par");
  EXPECT_EQ("", aif_kest_test::KestFindings(file)) << file;
  EXPECT_NE(file.find("FEM_INPUT\n  ID_NAME = sample-opt_INP_\n  FILE = sample-opt.inp\nEND_\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("DV_TOPO\n  ID_NAME = Lighter_DESIGN_AREA_\n  EL_GROUP = Block-2_All\nEND_\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("OPTIMIZE\n  ID_NAME = Lighter\n  DV = Lighter_DESIGN_AREA_\n"
                      "  OBJ_FUNC = Stiffest\n  CONSTRAINT = Half-Volume\n"),
            std::string::npos)
      << file;
}

TEST(aif_RandomModelTest, SampleDeckIsConsistent) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("aif_SampleDeck." + std::to_string(getpid()) + ".inp"))
                               .string();
  const hst_ModelBuilder sample = aif_SampleModel();
  const bas_NewModel model = sample.Model();
  const aif_Job job("sample", sample.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder writer(info);
  ASSERT_TRUE(writer.WriteInputFile(path, true, true));
  const std::string deck = aif_test::ReadFile(path);
  std::filesystem::remove(path);
  EXPECT_EQ("", Findings(deck));
  EXPECT_NE(deck.find("*Connector Section, elset=Bushing-Wire, behavior=Bushing\n"
                      "Cartesian, Cardan\n"),
            std::string::npos);
  EXPECT_NE(deck.find("*Connector Behavior, name=Bushing\n"), std::string::npos);
  EXPECT_NE(deck.find("*Spring, elset=Link-spring\n"), std::string::npos);
  // Its supports, from the initial step on, on the sets they name, and the
  // turned block's initial temperature after them.
  EXPECT_NE(deck.find("*Nset, nset=Corners, generate\n 1,  4,  1\n"), std::string::npos);
  EXPECT_NE(deck.find("*Nset, nset=Mount-Point\n 46,\n"), std::string::npos);
  EXPECT_NE(deck.find("*Amplitude, name=Ramp\n"), std::string::npos);
  // The plate's underside, whose face set the foundation names.
  EXPECT_NE(deck.find("*Elset, elset=_Underside_SNEG, internal, instance=Plate-1\n 1,\n"
                      "*Surface, type=ELEMENT, name=Underside\n_Underside_SNEG, SNEG\n"),
            std::string::npos);
  // The blocks' contact property, with its friction and hard contact.
  EXPECT_NE(deck.find("** \n** INTERACTION PROPERTIES\n** \n*Surface Interaction, name=Touching\n"
                      "1.,\n*Friction, slip tolerance=0.005\n 0.2,\n"
                      "*Surface Behavior, pressure-overclosure=HARD\n"),
            std::string::npos);
  EXPECT_NE(deck.find("** \n** BOUNDARY CONDITIONS\n** \n"
                      "** Name: Base-1 Type: Displacement/Rotation\n"
                      "*Boundary\nBlock-1.Base, 1, 1\nBlock-1.Base, 2, 2\nBlock-1.Base, 3, 3\n"
                      "** Name: Base-2 Type: Displacement/Rotation\n"
                      "*Boundary\nBlock-2.Base, 1, 1\nBlock-2.Base, 2, 2\nBlock-2.Base, 3, 3\n"
                      "** Name: Mount-1 Type: Symmetry/Antisymmetry/Encastre\n"
                      "*Boundary\nBlock-1.Mount-Point, ENCASTRE\n"
                      "** Name: Mount-2 Type: Symmetry/Antisymmetry/Encastre\n"
                      "*Boundary\nBlock-2.Mount-Point, ENCASTRE\n"
                      "** Name: Plate Type: Symmetry/Antisymmetry/Encastre\n"
                      "*Boundary\nPlate-1.Corners, ENCASTRE\n"
                      "** \n** PREDEFINED FIELDS\n** \n"
                      "** Name: Heat   Type: Temperature\n"
                      "*Initial Conditions, type=TEMPERATURE\nBlock-1.Nodes, 20.\n"
                      "** \n** INTERACTIONS\n** \n"
                      "** Interaction: Bed\n*Foundation\n_Underside_SNEG, F, 50.\n"
                      "** Interaction: Blocks\n"
                      "*Contact Pair, interaction=Touching\nBlock-2.Bottom, Block-1.Top\n"
                      "** ----------------------------------------------------------------\n"
                      "** \n** STEP: Load\n"),
            std::string::npos);
  // Its two steps, each opened and closed, the first with its loads (the
  // lift on the plate's reference point, named by the assembly set "Lift",
  // and a pressure on Block-2's top, ramped), the block's temperature,
  // restart and output requests, the second with the default output; the
  // supports and the temperature carry over unwritten.
  EXPECT_NE(deck.find("*Nset, nset=Lift, instance=Plate-1\n 5,\n"), std::string::npos);
  EXPECT_NE(deck.find("** STEP: Load\n** \n*Step, name=Load, nlgeom=YES\n"
                      "Static preload of the frame\n*Static\n0.1, 1., 1.e-05, 1.\n"
                      "** \n** LOADS\n** \n"
                      "** Name: Lift   Type: Concentrated force\n"
                      "*Cload\nLift, 1, 0.\nLift, 2, 0.\nLift, 3, 250.\n"
                      "** Name: Squeeze   Type: Pressure\n"
                      "*Dsload, amplitude=Ramp\nBlock-2.Top, P, 0.5\n"
                      "** \n** PREDEFINED FIELDS\n** \n"
                      "** Name: Heat   Type: Temperature\n*Temperature\nBlock-1.Nodes, 80.\n"
                      "** \n** OUTPUT REQUESTS\n** \n*Restart, write, frequency=10\n"
                      "** \n** FIELD OUTPUT: F-Output-1\n** \n"
                      "*Output, field, variable=PRESELECT, frequency=5\n"
                      "** \n** HISTORY OUTPUT: H-Output-1\n** \n"
                      "*Output, history\n*Energy Output\nALLIE, ALLKE\n*End Step\n"),
            std::string::npos);
  EXPECT_NE(deck.find("** STEP: Modes\n** \n*Step, name=Modes, perturbation\n"
                      "*Frequency, eigensolver=Lanczos, acoustic coupling=on, "
                      "normalization=displacement\n10, , , , , \n"
                      "*Output, field, variable=PRESELECT\n*Node Output\n*End Step\n"),
            std::string::npos);
}

}  // namespace

namespace {

// Amplitudes: every amplitude= of a load or of a created spectrum names an
// "*Amplitude"; each name once; a baseline correction right after its
// amplitude; none inside a step.
TEST(aif_RandomModelTest, CheckerFollowsAmplitudes) {
  const std::string deck =
      "*Node\n 1, 0., 0.\n"                                                    // 1-2
      "*Amplitude, name=\"My Amp\"\n0., 0., 1., 1.\n"                          // 3-4
      "*Baseline Correction\n0.5\n"                                            // 5-6
      "*Spectrum, name=S, create, type=G, amplitude=\"My Amp\"\n1., 2., 3.\n"  // 7-8
      "*Spectrum, name=T, create, type=G, amplitude=S\n1., 2., 3.\n"           // 9-10
      "*Psd-definition, name=\"my amp\"\n1., 2., 3.\n"                         // 11-12
      "*Baseline Correction\n0.5\n"                                            // 13-14
      "*Step, name=S1, amplitude=RAMP\n*Static\n"                              // 15-16
      "*Cload, amplitude=\"My Amp\"\n1, 1, 1.\n"                               // 17-18
      "*Cload, amplitude=Gone\n1, 1, 1.\n"                                     // 19-20
      "*Amplitude, name=Late\n0., 0.\n*End Step\n";                            // 21-23
  EXPECT_EQ(
      "line 11: amplitude defined twice: my amp | *Psd-definition, name=\"my amp\"\n"
      "line 13: *Baseline Correction not after *Amplitude | *Baseline Correction\n"
      "line 21: amplitude inside a step | *Amplitude, name=Late\n"
      "line 9: undefined amplitude: amplitude=S | *Spectrum, name=T, create, type=G, "
      "amplitude=S\n"
      "line 19: undefined amplitude: amplitude=Gone | *Cload, amplitude=Gone\n",
      Findings(deck));
}

// Interaction properties: defined once, outside blocks; named by contact
// pairs, changes of friction and property assignments.
TEST(aif_RandomModelTest, CheckerFollowsInteractionProperties) {
  const std::string deck =
      "*Part, name=P\n*Surface Interaction, name=Inside\n1.,\n*End Part\n"  // 1-4
      "*Surface Interaction, name=\"Rough one\"\n1.,\n*Friction\n0.3,\n"    // 5-8
      "*Surface Interaction, name=rough ONE\n1.,\n"                         // 9-10
      "*Step, name=S1\n*Static\n"                                           // 11-12
      "*Change Friction, interaction=\"Rough one\"\n*Friction\n0.2,\n"      // 13-15
      "*Change Friction, interaction=Gone\n"                                // 16
      "*Contact Pair, interaction=Missing\n"                                // 17
      "*Contact\n*Contact Property Assignment\n , , \"Rough one\"\n"        // 18-20
      " , , Lost\n*End Step\n";                                             // 21-22
  std::string text;
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
    if (finding.text.find("interaction property") != std::string::npos) text += finding.text + "\n";
  EXPECT_EQ(
      "line 2: interaction property inside a block: inside | *Surface Interaction, name=Inside\n"
      "line 9: interaction property defined twice: rough one | *Surface Interaction, name=rough "
      "ONE\n"
      "line 16: undefined interaction property: interaction=Gone | *Change Friction, "
      "interaction=Gone\n"
      "line 17: undefined interaction property: interaction=Missing | *Contact Pair, "
      "interaction=Missing\n"
      "line 21: undefined interaction property: assigned Lost |  , , Lost\n",
      text);
}

TEST(aif_RandomModelTest, CheckerFollowsIncidentWaves) {
  const std::string deck =
      "*Node\n 1, 0., 0.\n*Amplitude, name=A1\n0., 0., 1., 1.\n"                           // 1-4
      "*Incident Wave Interaction Property, name=\"Wave prop\", type=SPHERE\n1., 4.\n"     // 5-6
      "*UNDEX Charge Property\n1., 2., 3., 4., 5., 6.\n"                                   // 7-8
      "*Incident Wave Interaction Property, name=Blast, type=AIR BLAST\n"                  // 9
      "*CONWEP Charge Property\n1., 2.\n3., 4., 5.\n*UNDEX Charge Property\n1.\n"          // 10-14
      "*Incident Wave Interaction Property, name=blast, type=AIR BLAST\n"                  // 15
      "*Node\n 2, 1., 0.\n*CONWEP Charge Property\n1., 2.\n"                               // 16-19
      "*Step, name=S1\n*Static\n"                                                          // 20-21
      "*Incident Wave Interaction, pressure amplitude=A1, property=\"Wave prop\"\n"        // 22
      "I.Standoff, I.Surf, I.Source, 2.5\n"                                                // 23
      "*Incident Wave Interaction, real, acceleration amplitude=Gone, property=Missing\n"  // 24
      "I.Standoff, I.Surf, I.Source, 2.5\n"                                                // 25
      "*Incident Wave Interaction, load case=2, pressure amplitude=A2, property=Blast\n"   // 26
      "I.Standoff, I.Surf, I.Source, 2.5\n"                                                // 27
      "*Incident Wave Interaction Property, name=Late\n1., 2.\n*End Step\n"                // 28-30
      "*Incident Wave Interaction, CONWEP, property=Blast\nI.S, I.T,   , 0., 1.\n";        // 31-32
  EXPECT_EQ(
      "line 15: incident wave property defined twice: blast | *Incident Wave Interaction "
      "Property, name=blast, type=AIR BLAST\n"
      "line 18: charge property not after its incident wave property | *CONWEP Charge "
      "Property\n"
      "line 28: incident wave property inside a step | *Incident Wave Interaction Property, "
      "name=Late\n"
      "line 24: undefined incident wave property: property=Missing | *Incident Wave "
      "Interaction, real, acceleration amplitude=Gone, property=Missing\n"
      "line 24: undefined amplitude: acceleration amplitude=Gone | *Incident Wave "
      "Interaction, real, acceleration amplitude=Gone, property=Missing\n"
      "line 26: undefined amplitude: pressure amplitude=A2 | *Incident Wave Interaction, load "
      "case=2, pressure amplitude=A2, property=Blast\n"
      "line 31: *Incident Wave Interaction outside a step | *Incident Wave Interaction, "
      "CONWEP, property=Blast\n",
      Findings(deck));
}

// Cavity radiation: the definition once outside the steps with its surfaces
// and their properties, the viewfactor in a step naming a cavity and its
// symmetry right after it, blocking surfaces; co-simulation: the keywords in
// a step, controls= one of the same step, the region lines by their type.
TEST(aif_RandomModelTest, CheckerFollowsCavitiesAndCosimulations) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                           // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Ends\n 1, 2\n*End Part\n"  // 5-9
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"             // 10-12
      "*Surface, type=ELEMENT, name=Skin\nI.Bars, S1\n*End Assembly\n"                   // 13-15
      "*Surface Property, name=\"Emis 1\"\n"                                             // 16
      "*Cavity Definition, name=Cav, Set property\nSkin, \"Emis 1\"\nGone, Missing\n"    // 17-19
      "*Cavity Definition, name=cav, Set property\nSkin, \n"                             // 20-21
      "*Step, name=S1\n*Static\n"                                                        // 22-23
      "*Radiation Viewfactor, cavity=Cav, symmetry=Cav_SYM_, blocking=PARTIAL\n"         // 24
      "Skin, Lost\n*Radiation Symmetry, name=Cav_SYM_\n*Reflection, type=ZCONST\n1.\n"   // 25-28
      "*Radiation Viewfactor, cavity=Other, symmetry=X_SYM_\n"                           // 29
      "*Radiation Symmetry, name=Y_SYM_\n"                                               // 30
      "*Radiation Viewfactor, cavity=Cav, symmetry=Z_SYM_\n"                             // 31
      "*Co-simulation, name=A, controls=A_Ctrls, program=MORVEX\n"                       // 32
      "*Co-simulation Region, type=SURFACE\nSkin, U, V, \n"                              // 33-34
      "*Co-simulation Region, import, type=NODE\nI.Ends, U\nLost, U\n"                   // 35-37
      "*Co-simulation Controls, name=A_Ctrls, time incrementation=lockstep\n"            // 38
      "*Co-simulation, name=B, controls=B_Ctrls\n*End Step\n"                            // 39-40
      "*Step, name=S2\n*Static\n"                                                        // 41-42
      "*Co-simulation, name=A, controls=A_Ctrls, program=MORVEX\n"                       // 43
      "*Co-simulation Controls, name=C_Ctrls\n*Co-simulation Controls, name=C_Ctrls\n"   // 44-45
      "*End Step\n*Co-simulation Controls, name=Out\n"                                   // 46-47
      "*Radiation Viewfactor, cavity=Cav, off\n";                                        // 48
  EXPECT_EQ(
      "line 19: undefined surface: cavity surface Gone | Gone, Missing\n"
      "line 19: undefined surface property: Missing | Gone, Missing\n"
      "line 20: cavity defined twice: cav | *Cavity Definition, name=cav, Set property\n"
      "line 25: undefined surface: blocking surface Lost | Skin, Lost\n"
      "line 29: undefined cavity: cavity=Other | *Radiation Viewfactor, cavity=Other, "
      "symmetry=X_SYM_\n"
      "line 30: *Radiation Symmetry not after its viewfactor | *Radiation Symmetry, "
      "name=Y_SYM_\n"
      "line 31: undefined radiation symmetry: symmetry=Z_SYM_ | *Radiation Viewfactor, "
      "cavity=Cav, symmetry=Z_SYM_\n"
      "line 48: *Radiation Viewfactor outside a step | *Radiation Viewfactor, cavity=Cav, off\n"
      "line 37: undefined nset: co-simulation region Lost | Lost, U\n"
      "line 39: undefined co-simulation controls: controls=B_Ctrls | *Co-simulation, name=B, "
      "controls=B_Ctrls\n"
      "line 45: co-simulation controls defined twice in a step: c_ctrls | *Co-simulation "
      "Controls, name=C_Ctrls\n"
      "line 47: co-simulation keyword outside a step: *co-simulation controls | "
      "*Co-simulation Controls, name=Out\n"
      "line 43: undefined co-simulation controls: controls=A_Ctrls | *Co-simulation, name=A, "
      "controls=A_Ctrls, program=MORVEX\n",
      Findings(deck));
}

}  // namespace

// Cyclic symmetry: the model keyword once, outside the steps; the mode
// selection only in a step. A Standard-Explicit co-simulation region names
// its region on the first line only: the variables it runs on with are no
// regions.
TEST(aif_RandomModelTest, CheckerFollowsCyclicSymmetryAndCosimulationRuns) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                         // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*End Part\n"                         // 5-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"           // 8-10
      "*Surface, type=ELEMENT, name=Skin\nI.Bars, S1\n*End Assembly\n"                 // 11-13
      "*Cyclic Symmetry Model, n=12\n*Cyclic Symmetry Model, n=6\n"                    // 14-15
      "*Select Cyclic Symmetry Modes\n"                                                // 16
      "*Step, name=S1\n*Frequency\n*Select Cyclic Symmetry Modes, nmin=1, nmax=2\n"    // 17-19
      "*Cyclic Symmetry Model, n=4\n"                                                  // 20
      "*Co-simulation, name=A, controls=A_Ctrls, program=MORVEX\n"                     // 21
      "*Co-simulation Region, type=SURFACE\nSkin, A1, A2, A3, A4, A5, A6, A7\nA8, \n"  // 22-24
      "*Co-simulation Controls, name=A_Ctrls\n*End Step\n";                            // 25-26
  EXPECT_EQ(
      "line 15: cyclic symmetry model given twice | *Cyclic Symmetry Model, n=6\n"
      "line 16: *Select Cyclic Symmetry Modes outside a step | *Select Cyclic Symmetry "
      "Modes\n"
      "line 20: *Cyclic Symmetry Model inside a step | *Cyclic Symmetry Model, n=4\n"
      "line 20: cyclic symmetry model given twice | *Cyclic Symmetry Model, n=4\n",
      Findings(deck));
}

// Geometric smoothing: the rows of "*Surface Smoothing" name surfaces (an
// empty field names none), so do the lines of the geometric-correction
// assignment; a contact pair's "geometric correction=" names a "*Surface
// Smoothing", defined once.
TEST(aif_RandomModelTest, CheckerFollowsSmoothing) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                     // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*End Part\n"                     // 5-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"       // 8-10
      "*Surface, type=ELEMENT, name=_G_gcs1_1\nI.Bars, S1\n*End Assembly\n"        // 11-13
      "*Surface Smoothing, name=CP\n, _G_gcs1_1, SPHERICAL, 0., 0., 0.\n"          // 14-15
      "Lost, , SPHERICAL, 0., 0., 0.\n*Surface Smoothing, name=CP\n"               // 16-17
      "*Contact Pair, interaction=P, geometric correction=CP\nI.Bars, I.Bars\n"    // 18-19
      "*Contact Pair, interaction=P, geometric correction=None\nI.Bars, I.Bars\n"  // 20-21
      "*Contact\n*Surface Property Assignment, property=GEOMETRIC CORRECTION\n"    // 22-23
      "_G_gcs1_1, None\nGone, Spherical, 0., 0., 0.\n"                             // 24-25
      "*Surface Interaction, name=P\n1.,\n";                                       // 26-27
  std::string text;
  for (const aif_test::DeckFinding& finding : aif_test::CheckDeck(deck))
    if (finding.text.find("smoothing") != std::string::npos ||
        finding.text.find("correction") != std::string::npos)
      text += finding.text + "\n";
  EXPECT_EQ(
      "line 17: duplicate surface smoothing: CP | *Surface Smoothing, name=CP\n"
      "line 16: undefined surface: smoothing surface Lost | Lost, , SPHERICAL, 0., 0., 0.\n"
      "line 20: undefined surface smoothing: geometric correction=None | *Contact Pair, "
      "interaction=P, geometric correction=None\n"
      "line 25: undefined surface: geometric correction surface Gone | Gone, Spherical, 0., "
      "0., 0.\n",
      text);
}

// Adaptive meshing: the keywords only in a step, the controls named once per
// model, every controls= of an "*Adaptive Mesh" one of them, its elset= an
// element set.
TEST(aif_RandomModelTest, CheckerFollowsAdaptiveMeshes) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                    // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*End Part\n"                    // 5-7
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"      // 8-10
      "*End Assembly\n*Adaptive Mesh Controls, name=Early\n1., 0.\n"              // 11-13
      "*Step, name=S1\n*Static\n*Adaptive Mesh Controls, name=\"C 1\"\n1., 0.\n"  // 14-17
      "*Adaptive Mesh Controls, name=c 1\n1., 0.\n"                               // 18-19
      "*Adaptive Mesh, elset=I.Bars, controls=\"C 1\", op=NEW\n"                  // 20
      "*Adaptive Mesh, elset=I.Gone, controls=Early, op=NEW\n"                    // 21
      "*Adaptive Mesh, elset=I.Bars, controls=Other, op=NEW\n*End Step\n"         // 22-23
      "*Step, name=S2\n*Static\n*Adaptive Mesh, op=NEW\n*End Step\n";             // 24-27
  EXPECT_EQ(
      "line 21: undefined elset: elset=I.Gone | *Adaptive Mesh, elset=I.Gone, controls=Early, "
      "op=NEW\n"
      "line 12: adaptive mesh keyword outside a step: *adaptive mesh controls | *Adaptive "
      "Mesh Controls, name=Early\n"
      "line 18: adaptive mesh controls defined twice: c 1 | *Adaptive Mesh Controls, name=c 1\n"
      "line 22: undefined adaptive mesh controls: controls=Other | *Adaptive Mesh, "
      "elset=I.Bars, controls=Other, op=NEW\n",
      Findings(deck));
}

// Cracks: "*Enrichment" elset= and interaction=, an XFEM "*Contour
// Integral" naming an enrichment, the front and tip node sets of a contour
// one (its normal line skipped); "*Transform, nset=" a node set.
TEST(aif_RandomModelTest, CheckerFollowsCracksAndTransforms) {
  const std::string deck =
      "*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                                            // 1-3
      "*Element, type=T3D2, elset=Dom\n 1, 1, 2\n"                                         // 4-5
      "*Nset, nset=Front\n 1,\n*Nset, nset=Tip\n 2,\n"                                     // 6-9
      "*Transform, nset=Tip\n1., 0., 0., 0., 1., 0.\n"                                     // 10-11
      "*Transform, nset=Lost\n1., 0., 0., 0., 1., 0.\n"                                    // 12-13
      "*Surface Interaction, name=Faces\n"                                                 // 14
      "*Enrichment, name=Crack-1, type=PROPAGATION CRACK, elset=Dom, interaction=Faces\n"  // 15
      "*Enrichment, name=Crack-1, type=STATIONARY CRACK, elset=Gone, interaction=None\n"   // 16
      "*Step, name=S\n*Static\n"                                                           // 17-18
      "*Contour Integral, crack name=Crack-1, contours=5, xfem\n"                          // 19
      "*Contour Integral, crack name=Crack-2, contours=5, xfem\n"                          // 20
      "*Contour Integral, crack name=H_C, contours=5, crack tip nodes, normal\n"           // 21
      "0., 0., 1.\nFront, Tip\nFront, Missing\n"                                           // 22-24
      "*Contour Integral, crack name=H_D, contours=5, crack tip nodes\n"                   // 25
      "Front, Tip, 1., 0., 0.\n*End Step\n";                                               // 26-27
  EXPECT_EQ(
      "line 12: undefined nset: nset=Lost | *Transform, nset=Lost\n"
      "line 16: undefined elset: elset=Gone | "
      "*Enrichment, name=Crack-1, type=STATIONARY CRACK, elset=Gone, interaction=None\n"
      "line 16: undefined interaction property: interaction=None | "
      "*Enrichment, name=Crack-1, type=STATIONARY CRACK, elset=Gone, interaction=None\n"
      "line 16: enrichment defined twice: Crack-1 | "
      "*Enrichment, name=Crack-1, type=STATIONARY CRACK, elset=Gone, interaction=None\n"
      "line 20: undefined enrichment: crack name=Crack-2 | "
      "*Contour Integral, crack name=Crack-2, contours=5, xfem\n"
      "line 24: undefined nset: crack tip Missing | Front, Missing\n",
      Findings(deck));
}

TEST(aif_RandomModelTest, CheckerFollowsFasteners) {
  const std::string deck =
      "*Assembly, name=Assembly\n"                                                        // 1
      "*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                                           // 2-4
      "*Element, type=S3, elset=Face\n 1, 1, 2, 1\n"                                      // 5-6
      "*Nset, nset=Refs\n 1,\n"                                                           // 7-8
      "*Surface, type=ELEMENT, name=Skin\nFace, SPOS\n"                                   // 9-10
      "*Fastener Property, name=P\n0.5\n"                                                 // 11-12
      "*Fastener Property, name=P\n0.5\n"                                                 // 13-14
      "*Connector Section, elset=_F_pf_, behavior=C\nCartesian,\n"                        // 15-16
      "*Fastener, interaction name=F, property=P, reference node set=Refs, elset=_F_pf_, "
      "coupling=CONTINUUM\n"                                                              // 17
      "0., 0., 1.\nSkin, Lost\n"                                                          // 18-19
      "*Fastener, interaction name=G, property=Q, reference node set=Gone, "
      "coupling=CONTINUUM\n"                                                              // 20
      "\nSkin\n"                                                                          // 21-22
      "*Coupling, constraint name=_R_1_end1, ref node=2, surface=Skin\n"                  // 23
      "*Distributing, weighting method=UNIFORM\n"                                         // 24
      "*Coupling, constraint name=_R_1_end2, ref node=3, surface=Hull\n"                  // 25
      "*Distributing, weighting method=UNIFORM\n"                                         // 26
      "*End Assembly\n"                                                                   // 27
      "*Connector Behavior, name=C\n";                                                    // 28
  EXPECT_EQ(
      "line 25: undefined node: ref node=3 | "
      "*Coupling, constraint name=_R_1_end2, ref node=3, surface=Hull\n"
      "line 25: undefined surface: surface=Hull | "
      "*Coupling, constraint name=_R_1_end2, ref node=3, surface=Hull\n"
      "line 13: fastener property defined twice: P | *Fastener Property, name=P\n"
      "line 19: undefined surface: fastener surface Lost | Skin, Lost\n"
      "line 20: undefined fastener property: property=Q | *Fastener, interaction name=G, "
      "property=Q, reference node set=Gone, coupling=CONTINUUM\n"
      "line 20: undefined nset: reference node set=Gone | *Fastener, interaction name=G, "
      "property=Q, reference node set=Gone, coupling=CONTINUUM\n",
      Findings(deck));
}

// Pressure stress and mass flow rate only inside a step; partial blocking
// names at least one blocking surface (an empty data line names none).
TEST(aif_RandomModelTest, CheckerFindsStepFieldsBeforeTheStepsAndBlockingByNothing) {
  const std::string deck =
      "*Part, name=P\n*Node\n 1, 0., 0., 0.\n 2, 1., 0., 0.\n"                           // 1-4
      "*Element, type=T3D2, elset=Bars\n 1, 1, 2\n*Nset, nset=Ends\n 1, 2\n*End Part\n"  // 5-9
      "*Assembly, name=Assembly\n*Instance, name=I, part=P\n*End Instance\n"             // 10-12
      "*Surface, type=ELEMENT, name=Skin\nI.Bars, S1\n*End Assembly\n"                   // 13-15
      "*Cavity Definition, name=Cav\nSkin\n"                                             // 16-17
      "*Pressure Stress\nI.Ends, 2.\n*Mass Flow Rate\nI.Ends, 1., 0., 0.\n"              // 18-21
      "*Step, name=S1\n*Static\n*Pressure Stress\nI.Ends, 3.\n"                          // 22-25
      "*Mass Flow Rate\nI.Ends, 1., 0., 0.\n"                                            // 26-27
      "*Radiation Viewfactor, cavity=Cav, blocking=PARTIAL\n\n"                          // 28-29
      "*Radiation Viewfactor, cavity=Cav, blocking=PARTIAL\nSkin\n"                      // 30-31
      "*Radiation Viewfactor, cavity=Cav, blocking=NO\n*End Step\n";                     // 32-33
  EXPECT_EQ(
      "line 18: *Pressure Stress outside a step | *Pressure Stress\n"
      "line 20: *Mass Flow Rate outside a step | *Mass Flow Rate\n"
      "line 28: partial blocking without blocking surfaces | *Radiation Viewfactor, "
      "cavity=Cav, blocking=PARTIAL\n",
      Findings(deck));
}
