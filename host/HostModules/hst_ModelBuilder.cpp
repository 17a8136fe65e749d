#include "HostModules/hst_ModelBuilder.h"

#include "ModKerLow/rgnF_Utils.h"

#include "ModelDatabase/bas_Mdb.h"
#include "ModKerLow/brp_Body.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"

#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kopC_Task.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

template <class Repository>
Repository& Extension(bas_NewModel& model, const char* command) {
  return dynamic_cast<Repository&>(model.MutableExtension(command));
}

}  // namespace

hst_ModelBuilder::hst_ModelBuilder(const cow_String& modelName)
    : model_(modelName), assembly_("Assembly") {
  Steps().Append("Initial", kprC_InitialStep());
}

hst_ModelBuilder& hst_ModelBuilder::AddPart(const cow_String& name,
                                            std::shared_ptr<const bme_Mesh> mesh, int analysis,
                                            int space, int referencePoints) {
  ptoK_Part part(name);
  part.SetMesh(std::move(mesh));
  part.SetAnalysis(analysis);
  part.SetSpace(space);
  part.SetReferencePoints(referencePoints);
  Extension<mdl_IDRepository<ptoK_Part>>(model_, bas_NewModel::partCmd).Set(name, part);
  return *this;
}

ptoK_Part& hst_ModelBuilder::MutablePart(const cow_String& name) {
  return Extension<mdl_IDRepository<ptoK_Part>>(model_, bas_NewModel::partCmd).Modify(name);
}

hst_ModelBuilder& hst_ModelBuilder::SetReferencePointUserLabel(const cow_String& part,
                                                               std::size_t point, int label) {
  MutablePart(part).SetReferencePointUserLabel(point, label);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddSection(const cow_String& name,
                                               const kseC_Section& section) {
  Extension<mdl_MapString2ObjCow<kseC_Section>>(model_, bas_NewModel::sectionCmd)
      .Set(name, section);
  return *this;
}

rgnC_Region hst_ModelBuilder::AddPointSection(const cow_String& part,
                                              std::vector<std::array<double, 3>> points,
                                              const kseC_Section& section,
                                              const cow_String& sectionName) {
  ptoK_Part& target = MutablePart(part);
  target.SetReferencePoints(std::move(points));
  const rgnC_Region point("Point", {part});
  target.AddAttribute(ptoC_SectionAssignment(point, sectionName));
  AddSection(sectionName, section);
  return point;
}

hst_ModelBuilder& hst_ModelBuilder::AddProfile(const cow_String& name,
                                               const kbpC_BeamProfile& profile) {
  Extension<mdl_MapString2ObjCow<kbpC_BeamProfile>>(model_, bas_NewModel::profileCmd)
      .Set(name, profile);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddMaterial(const cow_String& name,
                                                const kmaC_Material& material) {
  Extension<mdl_MapString2ObjCow<kmaC_Material>>(model_, bas_NewModel::materialCmd)
      .Set(name, material);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAnalyticalField(const cow_String& name,
                                                       const kfdC_AnalyticalField& field) {
  Extension<mdl_MapString2ObjCow<kfdC_AnalyticalField>>(model_, bas_NewModel::analyticalFieldCmd)
      .Set(name, field);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddPartAttribute(const cow_String& part,
                                                     const kern_Object& attribute) {
  MutablePart(part).AddAttribute(attribute);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddField(const cow_String& name, const kpfC_Field& field) {
  Extension<kprC_PropagatingContainer<kpfC_Field>>(model_, bas_NewModel::fieldCmd).Set(name, field);
  return *this;
}

// Output data.
hst_ModelBuilder& hst_ModelBuilder::AddTimePoint(const cow_String& name,
                                                 const kprC_TimePoint& points) {
  Extension<mdl_MapString2ObjCow<kprC_TimePoint>>(model_, bas_NewModel::timePointCmd)
      .Set(name, points);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAmplitude(const cow_String& name,
                                                 const kamC_Amplitude& amplitude) {
  Extension<mdl_MapString2ObjCow<kamC_Amplitude>>(model_, bas_NewModel::amplitudeCmd)
      .Set(name, amplitude);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddFilter(const cow_String& name, const kflC_Filter& filter) {
  Extension<mdl_MapString2ObjCow<kflC_Filter>>(model_, bas_NewModel::filterCmd).Set(name, filter);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddIntegratedOutputSection(
    const cow_String& name, const korC_IntegratedOutputSection& section) {
  Extension<mdl_MapString2ObjCow<korC_IntegratedOutputSection>>(
      model_, bas_NewModel::integratedOutputSectionCmd)
      .Set(name, section);
  return *this;
}

// Discrete fields.
hst_ModelBuilder& hst_ModelBuilder::AddLoad(const cow_String& name, const kloC_Load& load) {
  auto& loads = Extension<kprC_PropagatingContainer<kloC_Load>>(model_, bas_NewModel::loadCmd);
  loads.Set(name, load);
  loads.Modify(name).SetName(name);
  return *this;
}

// Stores a copy of `object` under `name` in `objects`, named after its key,
// and gives each of its states in a step of `steps` that step's procedure
// type where none was given.
template <class Object>
static void StoreStepObject(kprC_PropagatingContainer<Object>& objects, const cow_String& name,
                            const Object& object, const kprC_StepContainer& steps) {
  objects.Set(name, object);
  Object& stored = objects.Modify(name);
  stored.SetName(name);
  for (const cow_String& step : steps.Keys())
    if (stored.FindState(step) && stored.ProcedureType(step) == 0)
      stored.SetProcedureType(step, steps.ConstGet(step).DynTypeId());
}

hst_ModelBuilder& hst_ModelBuilder::AddBoundaryCondition(const cow_String& name,
                                                         const kbcC_BC& condition) {
  StoreStepObject(Extension<kprC_PropagatingContainer<kbcC_BC>>(model_, bas_NewModel::bcCmd),
                  name, condition, Steps());
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAdaptiveMeshConstraint(const cow_String& name,
                                                              const kprC_AdptMeshCons& constraint) {
  auto& constraints = Extension<kprC_PropagatingContainer<kprC_AdptMeshCons>>(
      model_, bas_NewModel::adaptiveMeshConstraintCmd);
  constraints.Set(name, constraint);
  constraints.Modify(name).SetName(name);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddInteraction(const cow_String& name,
                                                   const kinC_Interaction& interaction) {
  StoreStepObject(Extension<kprC_PropagatingContainer<kinC_Interaction>>(
                      model_, bas_NewModel::interactionCmd),
                  name, interaction, Steps());
  return *this;
}

// Constraints.
hst_ModelBuilder& hst_ModelBuilder::AddConstraint(const cow_String& name,
                                                  const kcoC_Constraint& constraint) {
  Extension<mdl_MapString2ObjCow<kcoC_Constraint>>(model_, bas_NewModel::constraintCmd)
      .Set(name, constraint);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddTask(const cow_String& name, const kopC_Task& task) {
  Extension<mdl_MapString2ObjCow<kopC_Task>>(model_, bas_NewModel::taskCmd).Set(name, task);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAssemblyDatum(const cow_String& name,
                                                     const dtu_Datum& datum) {
  std::unique_ptr<dtu_Datum> copy(datum.Clone());
  copy->SetName(name);
  copy->SetId(nextDatumId_++);
  assembly_.FeatureList().Add(*copy);
  return *this;
}

unsigned hst_ModelBuilder::AddAssemblyRegion(const cow_String& name, const rgnC_Region& region,
                                             bool surface) {
  std::unique_ptr<rgnF_Set> feature(surface ? new rgnF_Surface(region) : new rgnF_Set(region));
  feature->SetName(name);
  feature->SetId(nextDatumId_++);
  assembly_.FeatureList().Add(*feature);
  return feature->Id();
}

hst_ModelBuilder& hst_ModelBuilder::AddContactControls(const cow_String& name,
                                                       const kinC_ContactControls& controls) {
  Extension<mdl_MapString2ObjCow<kinC_ContactControls>>(model_, bas_NewModel::contactControlCmd)
      .Set(name, controls);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddContactInitialization(
    const cow_String& name, const kinC_ContactInitialization& initialization) {
  Extension<mdl_MapString2ObjCow<kinC_ContactInitialization>>(
      model_, bas_NewModel::contactInitializationCmd)
      .Set(name, initialization);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddInteractionProperty(
    const cow_String& name, const kinC_InteractionProperty& property) {
  Extension<mdl_MapString2ObjCow<kinC_InteractionProperty>>(model_,
                                                             bas_NewModel::interactionPropertyCmd)
      .Set(name, property);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddCrack(const cow_String& name, const kern_Object& crack) {
  const kern_Object& held = assembly_.ConstGetEngineeringFeatures();
  kefC_EngineeringFeatures features;
  if (held.DynTypeId() == kefC_EngineeringFeatures::TypeId())
    features = static_cast<const kefC_EngineeringFeatures&>(held);
  features.AddCrack(name, crack);
  assembly_.SetEngineeringFeatures(features);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddDiscreteField(const cow_String& name,
                                                     const kfdC_DiscreteField& field) {
  Extension<mdl_MapString2ObjCow<kfdC_DiscreteField>>(model_, bas_NewModel::discreteFieldsCmd)
      .Set(name, field);
  return *this;
}

unsigned hst_ModelBuilder::AddInstance(const cow_String& name, const cow_String& part,
                                       const InstanceOptions& options) {
  const auto& parts = Extension<mdl_IDRepository<ptoK_Part>>(model_, bas_NewModel::partCmd);
  asoF_PartInstance instance;
  instance.SetId(options.id ? options.id : nextId_);
  nextId_ = std::max(nextId_, instance.Id() + 1);
  instance.SetName(name);
  instance.SetPart(std::make_shared<ptoK_Part>(parts.ConstGet(part)));
  instance.SetLocks(options.locks);
  instance.SetAttachments(options.attachmentPoints, options.attachmentLines);
  instance.SetTheory(options.theory);
  instance.SetLightweight(options.lightweight);
  instance.SetActiveForSimulation(options.active);
  instance.SetTransform(options.transform);
  instance.SetSubstructure(options.substructure);
  instance.SetExcluded(options.excluded);
  assembly_.FeatureList().Add(instance);
  return instance.Id();
}

hst_ModelBuilder& hst_ModelBuilder::AddAssemblyNodes(std::shared_ptr<const bme_Mesh> mesh,
                                                     int referencePoints) {
  assembly_.FeatureList().SetAssemblyOwnNodes(assembly_.Name(), std::move(mesh), referencePoints);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAssemblyAttachmentLine(int index, int end1, int end2) {
  ftr_AssemblyAttachments attachments = assembly_.ConstGetFeatureList().AssemblyAttachments();
  attachments.lines.Set(index, {end1, end2});
  assembly_.FeatureList().SetAssemblyAttachments(assembly_.Name(), attachments);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAssemblyAttachmentNode(int index, int node) {
  ftr_AssemblyAttachments attachments = assembly_.ConstGetFeatureList().AssemblyAttachments();
  attachments.points.Set(index, node);
  assembly_.FeatureList().SetAssemblyAttachments(assembly_.Name(), attachments);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAssemblySection(const cow_String& sectionName,
                                                       const kseC_Section& section,
                                                       const rgnC_Region& wires,
                                                       const cow_String& orientationName) {
  AddSection(sectionName, section);
  ptoC_SectionAssignment assignment(wires, sectionName);
  assignment.SetOrientationName(orientationName);
  assembly_.AddSectionAssignment(assignment);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddConnectorOrientation(const kern_Object& orientation) {
  assembly_.AddConnectorOrientation(orientation);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::WithoutAssembly() {
  withAssembly_ = false;
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddStep(const cow_String& name, const kprC_Step& step,
                                            std::initializer_list<const char*> loadCases) {
  std::unique_ptr<kprC_Step> copy(step.Clone());
  for (const char* loadCase : loadCases)
    copy->AddLoadCase(loadCase);
  Steps().Append(name, *copy);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAdaptiveMeshControls(const cow_String& name,
                                                             const kadC_AdptMeshCtrl& controls) {
  Extension<mdl_MapString2ObjCow<kadC_AdptMeshCtrl>>(model_, bas_NewModel::adaptiveMeshControlCmd)
      .Set(name, controls);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddAdaptiveMeshDomain(const cow_String& step,
                                                           const cow_String& name,
                                                           const kadC_AdptMeshDomain& domain) {
  std::unique_ptr<kprC_Step> copy(Steps().ConstGet(step).Clone());
  dynamic_cast<kprC_AnalysisStep&>(*copy).MutableAdaptiveMeshDomains().Set(name, domain);
  Steps().Append(step, *copy);
  return *this;
}

kprC_StepContainer& hst_ModelBuilder::Steps() {
  return Extension<kprC_StepContainer>(model_, bas_NewModel::stepCmd);
}

bas_NewModel hst_ModelBuilder::Model() const {
  bas_NewModel model = model_;
  auto assemblies = std::make_shared<mdl_IDRepository<asoK_Assembly>>();
  if (withAssembly_) assemblies->Set(assembly_.Name(), assembly_);
  model.SetExtension(bas_NewModel::assyCmd, assemblies);
  // Registration with the model database: the model handed out is the one
  // the database holds under its name (copies share the repositories), so
  // that routines reaching the model through the database (temporary sets
  // in the assembly) change the model the job writes.
  bas_Basis::Instance().Fetch().SetModel(model);
  return model;
}

ajbC_ModelJob hst_ModelBuilder::Job(int jobType) const {
  ajbC_ModelJob job(model_.Name());
  job.SetJobType(jobType);
  return job;
}

std::shared_ptr<bme_Mesh> hst_GridMesh(int nx, int ny, int nz, double size) {
  auto mesh = std::make_shared<bme_Mesh>();
  const std::size_t px = static_cast<std::size_t>(nx) + 1, py = static_cast<std::size_t>(ny) + 1,
                    pz = static_cast<std::size_t>(nz) + 1;
  std::vector<float>& xyz = mesh->MutableNodeData().MutableCoordinates();
  xyz.resize(3 * px * py * pz);
  std::size_t n = 0;
  for (std::size_t k = 0; k < pz; ++k)
    for (std::size_t j = 0; j < py; ++j)
      for (std::size_t i = 0; i < px; ++i) {
        xyz[n++] = static_cast<float>(static_cast<double>(i) * size);
        xyz[n++] = static_cast<float>(static_cast<double>(j) * size);
        xyz[n++] = static_cast<float>(static_cast<double>(k) * size);
      }
  std::vector<int>& c = mesh->AddElementClass("C3D8", 8).MutableConnectivity();
  c.reserve(8 * static_cast<std::size_t>(nx) * ny * nz);
  auto node = [&](std::size_t i, std::size_t j, std::size_t k) {
    return static_cast<int>((k * py + j) * px + i);
  };
  for (std::size_t k = 0; k < static_cast<std::size_t>(nz); ++k)
    for (std::size_t j = 0; j < static_cast<std::size_t>(ny); ++j)
      for (std::size_t i = 0; i < static_cast<std::size_t>(nx); ++i) {
        const int corners[8] = {node(i, j, k),
                                node(i + 1, j, k),
                                node(i + 1, j + 1, k),
                                node(i, j + 1, k),
                                node(i, j, k + 1),
                                node(i + 1, j, k + 1),
                                node(i + 1, j + 1, k + 1),
                                node(i, j + 1, k + 1)};
        c.insert(c.end(), corners, corners + 8);
      }
  return mesh;
}

std::shared_ptr<bme_Mesh> hst_Mesh(std::initializer_list<float> coordinates, const cow_String& type,
                                   int nodesPerElement, std::initializer_list<int> connectivity) {
  auto mesh = std::make_shared<bme_Mesh>();
  mesh->MutableNodeData().MutableCoordinates().assign(coordinates);
  mesh->AddElementClass(type, nodesPerElement).MutableConnectivity().assign(connectivity);
  return mesh;
}

hst_ModelBuilder& hst_ModelBuilder::AddCompositeLayup(const cow_String& part,
                                                      const ptoK_CompositeLayup& layup) {
  MutablePart(part).AddCompositeLayup(layup);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::SetPartEngineeringFeatures(const cow_String& part,
                                                               const kern_Object& features) {
  MutablePart(part).SetEngineeringFeatures(features);
  return *this;
}

// Fasteners: kept among the assembly's engineering features, by name.
hst_ModelBuilder& hst_ModelBuilder::AddFastener(const cow_String& name,
                                                const kefC_Fastener& fastener) {
  const kern_Object& held = assembly_.ConstGetEngineeringFeatures();
  kefC_EngineeringFeatures features;
  if (held.DynTypeId() == kefC_EngineeringFeatures::TypeId())
    features = static_cast<const kefC_EngineeringFeatures&>(held);
  features.AddFastener(name, fastener);
  assembly_.SetEngineeringFeatures(features);
  return *this;
}

namespace {

// `object`'s evaluated representation with `component` added (a copy: other
// copies of the object keep theirs).
void AddEvaluatedComponent(ftr_PrimaryObject& object, const rgnC_GeomComponent& component) {
  auto body = object.EvaluatedBody() ? std::make_shared<brp_Body>(*object.EvaluatedBody())
                                     : std::make_shared<brp_Body>();
  body->AddComponent(component);
  object.SetEvaluatedBody(std::move(body));
}

}  // namespace

hst_ModelBuilder& hst_ModelBuilder::AddAssemblyGeomComponent(const rgnC_GeomComponent& component) {
  AddEvaluatedComponent(assembly_, component);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddPartGeomComponent(const cow_String& part,
                                                         const rgnC_GeomComponent& component) {
  AddEvaluatedComponent(MutablePart(part), component);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::SetAssemblyAttachmentSurfaces(
    const cow_Map<int, cow_String>& names) {
  assembly_.FeatureList().SetVertexSurfacePairs("_INT-ATTSETSURF-ASSY-", names);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::SetPartAttachmentSurfaces(
    const cow_String& part, const cow_Map<int, cow_String>& names) {
  MutablePart(part).FeatureList().SetVertexSurfacePairs("_INT-ATTSETSURF-PART-", names);
  return *this;
}

// Output requests.
hst_ModelBuilder& hst_ModelBuilder::AddFieldOutput(const cow_String& name,
                                                   const korC_FieldOutput& request) {
  Extension<kprC_PropagatingContainer<korC_FieldOutput>>(model_,
                                                         bas_NewModel::fieldOutputRequestCmd)
      .Set(name, request);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddHistoryOutput(const cow_String& name,
                                                     const korC_HistoryOutput& request) {
  Extension<kprC_PropagatingContainer<korC_HistoryOutput>>(model_,
                                                           bas_NewModel::historyOutputRequestCmd)
      .Set(name, request);
  return *this;
}

hst_ModelBuilder& hst_ModelBuilder::AddRemeshingRule(const cow_String& name,
                                                     const karC_RemeshingRule& rule) {
  Extension<mdl_MapString2ObjCow<karC_RemeshingRule>>(model_, bas_NewModel::remeshingRuleCmd)
      .Set(name, rule);
  return *this;
}
