// Composes models for tests, the sample program and the benchmarks:
//
//   hst_ModelBuilder b("Model-1");
//   b.AddPart("Block", hst_GridMesh(2, 2, 2));
//   b.AddInstance("Block-1", "Block");
//   b.AddStep("Step-1", kprC_StaticStep());
//   bas_NewModel model = b.Model();
//   ajbC_ModelJob job = b.Job();
//
// A new builder's model has the initial step "Initial" and an empty assembly
// named "Assembly". Meshes are filled straight into their arrays.
#pragma once

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModelDatabase/bas_NewModel.h"
#include "OdbAttrEO/kamC_Amplitude.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kflC_Filter.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbAttrEO/kprC_TimePoint.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_Matrix.h"

class dtu_Datum;
class kefC_Fastener;
class kopC_Task;
class kinC_ContactControls;
class kinC_ContactInitialization;
class kinC_InteractionProperty;

class hst_ModelBuilder {
 public:
  struct InstanceOptions {
    unsigned id = 0;  // 0: the next free id from 1
    int locks = 0;    // ftr_LockKind bits
    int attachmentPoints = 0;
    int attachmentLines = 0;
    ftr_Theory theory;
    bool lightweight = false;
    bool active = true;         // active for simulation
    gsl_Matrix transform;       // the placement; the identity by default
    bool substructure = false;  // the instance stands for a substructure
    bool excluded = false;      // the instance's exclusion test answers yes
  };

  explicit hst_ModelBuilder(const cow_String& modelName = "Model-1");

  hst_ModelBuilder& AddPart(const cow_String& name, std::shared_ptr<const bme_Mesh> mesh = nullptr,
                            int analysis = ptoK_DEFORMABLE, int space = ptoK_SPACE_3D,
                            int referencePoints = 0);
  // The part named `name`, to give it reference points or attributes; an
  // instance takes its part as it is when the instance is added.
  ptoK_Part& MutablePart(const cow_String& name);
  // Gives reference point `point` (from 0) of part `part` the user label
  // `label`: with the label of a mesh node, the point is that node.
  hst_ModelBuilder& SetReferencePointUserLabel(const cow_String& part, std::size_t point,
                                               int label);
  // Stores a copy of `section` (e.g. a kseC_PointSection) in the model.
  hst_ModelBuilder& AddSection(const cow_String& name, const kseC_Section& section);
  // Gives part `part` the reference points `points` and assigns the point
  // section `section` (stored as `sectionName`) to its region "Point": point
  // masses, inertias or heat capacitances on them. Returns the region.
  rgnC_Region AddPointSection(const cow_String& part, std::vector<std::array<double, 3>> points,
                              const kseC_Section& section,
                              const cow_String& sectionName = "Lumped");
  // Stores a copy of `profile` (a beam profile) in the model's profiles.
  hst_ModelBuilder& AddProfile(const cow_String& name, const kbpC_BeamProfile& profile);
  // Stores a copy of `material` in the model's materials.
  hst_ModelBuilder& AddMaterial(const cow_String& name, const kmaC_Material& material);
  // Stores a copy of `field` (a kfdC_ExpressionField or kfdC_MappedField) in
  // the model's analytical fields.
  hst_ModelBuilder& AddAnalyticalField(const cow_String& name, const kfdC_AnalyticalField& field);
  // Appends a copy of `attribute` (a section assignment, an orientation) to
  // the attributes of part `part`.
  hst_ModelBuilder& AddPartAttribute(const cow_String& part, const kern_Object& attribute);
  // Stores a copy of `field` (e.g. a kpfC_InitialState) in the model.
  hst_ModelBuilder& AddField(const cow_String& name, const kpfC_Field& field);

  // Output data of the model: stores a copy of `points` in the model's time
  // points, of `filter` (any kflC_Filter kind) in its filters and of
  // `section` in its integrated output sections, each under `name`.
  hst_ModelBuilder& AddTimePoint(const cow_String& name, const kprC_TimePoint& points);
  hst_ModelBuilder& AddFilter(const cow_String& name, const kflC_Filter& filter);
  // Stores a copy of `amplitude` (any kamC_Amplitude kind) under `name`.
  hst_ModelBuilder& AddAmplitude(const cow_String& name, const kamC_Amplitude& amplitude);
  hst_ModelBuilder& AddIntegratedOutputSection(const cow_String& name,
                                               const korC_IntegratedOutputSection& section);

  // Constraints: stores a copy of `constraint` (any kcoC_Constraint kind:
  // coupling, equation, tie, rigid body, ...) in the model's constraint
  // repository under `name`.
  hst_ModelBuilder& AddConstraint(const cow_String& name, const kcoC_Constraint& constraint);

  // Optimization: stores a copy of `task` (a topology or shape task with its
  // responses, restrictions, ... added through kopC_Task::Add) in the
  // model's task repository under `name`.
  hst_ModelBuilder& AddTask(const cow_String& name, const kopC_Task& task);
  // Adds a datum coordinate system named `name` to the assembly's features.
  hst_ModelBuilder& AddAssemblyDatum(const cow_String& name, const dtu_Datum& datum);

  // Discrete fields: stores a copy of `field` in the model's discrete-field
  // repository under `name`.
  // Adds a copy of `load` under `name` (its Name set to `name`); its
  // statuses and states per step come with it.
  hst_ModelBuilder& AddLoad(const cow_String& name, const kloC_Load& load);
  // Stores a copy of `constraint` (a displacement or velocity adaptive mesh
  // constraint) under `name`, named after it.
  hst_ModelBuilder& AddAdaptiveMeshConstraint(const cow_String& name,
                                              const kprC_AdptMeshCons& constraint);
  // Stores a copy of `condition` (any kbcC_BC kind) under `name`. A state the
  // condition has in a step already added, given without a procedure type,
  // takes that step's.
  hst_ModelBuilder& AddBoundaryCondition(const cow_String& name, const kbcC_BC& condition);
  hst_ModelBuilder& AddDiscreteField(const cow_String& name, const kfdC_DiscreteField& field);
  // Stores a copy of `interaction` (any kinC_Interaction kind) under `name`,
  // named after it, each state in a step added before taking that step's
  // procedure type unless one was given (as boundary conditions do).
  hst_ModelBuilder& AddInteraction(const cow_String& name, const kinC_Interaction& interaction);
  // Stores a copy of `property` (e.g. a kinC_ContactProperty) under `name`.
  hst_ModelBuilder& AddInteractionProperty(const cow_String& name,
                                           const kinC_InteractionProperty& property);
  // Stores a copy of `controls` (a kinC_ExpContactControls or
  // kinC_StdContactControls) or of `initialization` (a
  // kinC_StdInitialization) under `name`.
  hst_ModelBuilder& AddContactControls(const cow_String& name,
                                       const kinC_ContactControls& controls);
  hst_ModelBuilder& AddContactInitialization(const cow_String& name,
                                             const kinC_ContactInitialization& initialization);
  // Stores a copy of `crack` (a kefC_XFEMCrack or kefC_ContourIntegral;
  // any other kernel object for a reader's type test) under `name` among
  // the assembly's cracks.
  hst_ModelBuilder& AddCrack(const cow_String& name, const kern_Object& crack);

  // Layups: appends `layup` (its plies, kinds and the expansion the kernel
  // answers for it) to the composite layups of part `part`.
  hst_ModelBuilder& AddCompositeLayup(const cow_String& part, const ptoK_CompositeLayup& layup);

  // Engineering features: stores a copy of `features` (a
  // kefC_EngineeringFeatures) as the engineering features of part `part`.
  // Instances added before keep the part as it was.
  hst_ModelBuilder& SetPartEngineeringFeatures(const cow_String& part, const kern_Object& features);

  // Fasteners: stores a copy of `fastener` (a kefC_PointFastener or
  // kefC_DiscreteFastener) under `name` among the assembly's engineering
  // features.
  hst_ModelBuilder& AddFastener(const cow_String& name, const kefC_Fastener& fastener);
  // Geometry discrete fasteners attach to: adds `component` (under its
  // index) to the evaluated representation of the assembly, or of part
  // `part` (instances added before keep the part as it was).
  hst_ModelBuilder& AddAssemblyGeomComponent(const rgnC_GeomComponent& component);
  hst_ModelBuilder& AddPartGeomComponent(const cow_String& part,
                                         const rgnC_GeomComponent& component);
  // The surfaces the attachment vertices of the assembly (or of part `part`)
  // attach to, by vertex index: what the region kernel reports for the
  // vertex-surface pairs "_INT-ATTSETSURF-ASSY-" (or "_INT-ATTSETSURF-PART-").
  hst_ModelBuilder& SetAssemblyAttachmentSurfaces(const cow_Map<int, cow_String>& names);
  hst_ModelBuilder& SetPartAttachmentSurfaces(const cow_String& part,
                                              const cow_Map<int, cow_String>& names);

  // Output requests: stores a copy of `request` (`rule`) under `name` in the
  // model's field output requests, history output requests or remeshing
  // rules.
  hst_ModelBuilder& AddFieldOutput(const cow_String& name, const korC_FieldOutput& request);
  hst_ModelBuilder& AddHistoryOutput(const cow_String& name, const korC_HistoryOutput& request);
  hst_ModelBuilder& AddRemeshingRule(const cow_String& name, const karC_RemeshingRule& rule);

  // Adds an instance of the part named `part` (added before) to the assembly;
  // returns its feature id.
  unsigned AddInstance(const cow_String& name, const cow_String& part,
                       const InstanceOptions& options);
  unsigned AddInstance(const cow_String& name, const cow_String& part) {
    return AddInstance(name, part, InstanceOptions());
  }
  // Gives the assembly a mesh and reference points of its own.
  hst_ModelBuilder& AddAssemblyNodes(std::shared_ptr<const bme_Mesh> mesh, int referencePoints);
  // Gives the assembly an attachment line at geometric index `index` whose
  // ends are its attachment nodes `end1` and `end2`, or a single attachment
  // node at vertex `index`: nodes as positions (1, 2, ...) after the label
  // base the writer gives the assembly's attachment nodes.
  hst_ModelBuilder& AddAssemblyAttachmentLine(int index, int end1, int end2);
  hst_ModelBuilder& AddAssemblyAttachmentNode(int index, int node);
  // Assembly-level wires: stores `section` (a kseC_ConnectorSection or
  // kseC_MPCSection) as `sectionName` and assigns it to the assembly region
  // `wires`; a connector assignment may name its orientation.
  hst_ModelBuilder& AddAssemblySection(const cow_String& sectionName, const kseC_Section& section,
                                       const rgnC_Region& wires,
                                       const cow_String& orientationName = cow_String());
  // Appends a copy of `orientation` (a ptoC_ConnectorOrientation) to the
  // assembly's connector orientations.
  hst_ModelBuilder& AddConnectorOrientation(const kern_Object& orientation);
  // Adds a set (or, with `surface`, a surface) named `name` covering
  // `region` to the assembly's features, under a fresh id; returns the id.
  // Assembled fasteners find their surfaces and template regions by name.
  unsigned AddAssemblyRegion(const cow_String& name, const rgnC_Region& region,
                             bool surface = false);
  // The model gets no assembly named "Assembly".
  hst_ModelBuilder& WithoutAssembly();
  asoK_Assembly& Assembly() { return assembly_; }

  // Appends a copy of `step`, with `loadCases` added to it.
  hst_ModelBuilder& AddStep(const cow_String& name, const kprC_Step& step,
                            std::initializer_list<const char*> loadCases = {});
  // A step of `Step` that is suppressed, or a perturbation step, or carries a
  // snippet. A kind that perturbs by default stays a perturbation step.
  template <class Step>
  static Step MakeStep(bool suppressed = false, bool perturbation = false,
                       const cow_String& snippet = cow_String()) {
    Step step;
    step.SetSuppressed(suppressed);
    if (perturbation) step.SetPerturbation(true);
    step.SetInputSnippet(snippet);
    return step;
  }
  kprC_StepContainer& Steps();
  // Adaptive meshing: a copy of `controls` stored as the controls `name`,
  // and a copy of `domain` stored as the domain `name` of the analysis step
  // `step` (added before; the step is replaced by a copy holding it).
  hst_ModelBuilder& AddAdaptiveMeshControls(const cow_String& name,
                                            const kadC_AdptMeshCtrl& controls);
  hst_ModelBuilder& AddAdaptiveMeshDomain(const cow_String& step, const cow_String& name,
                                          const kadC_AdptMeshDomain& domain);

  // The model being built, for setting its values and repositories.
  bas_NewModel& MutableModel() { return model_; }
  // The finished model (the assembly stored into its repository), also
  // registered under its name in the model database (bas_Basis), replacing
  // a model of that name.
  bas_NewModel Model() const;
  // A model job of the model.
  ajbC_ModelJob Job(int jobType = ajbC_FULL_ANALYSIS) const;

 private:
  bas_NewModel model_;
  asoK_Assembly assembly_;
  unsigned nextDatumId_ = 5000;  // feature ids of assembly datums, clear of instances
  bool withAssembly_ = true;
  unsigned nextId_ = 1;
};

// A structured grid of nx * ny * nz eight-node bricks ("C3D8") of edge
// `size`, nodes numbered x fastest; no user labels.
std::shared_ptr<bme_Mesh> hst_GridMesh(int nx, int ny, int nz, double size = 1.0);
// A mesh from node coordinates (x, y, z per node) and one element class of
// `type` with `nodesPerElement` zero-based node indices per element.
std::shared_ptr<bme_Mesh> hst_Mesh(std::initializer_list<float> coordinates, const cow_String& type,
                                   int nodesPerElement, std::initializer_list<int> connectivity);
