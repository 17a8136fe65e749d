#include "aif/impl/core/aif_ModelInfo.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_BlkBitVect.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kFile[] = "module/aif/impl/aif_ModelInfo";
constexpr int kLargestOffset = INT_MAX / 2;  // room left for the labels above it

// The label offset in environment variable `name`: 0 when it is unset or
// does not start with a number; an aif_Exception when the number lies outside
// 0 to kLargestOffset, where labels would run past the integer range.
int EnvironmentOffset(const char* name) {
  const char* text = rt_getenv(name);
  if (!text) return 0;
  while (*text == ' ' || *text == '\t')
    ++text;
  const char* digits = *text == '+' ? text + 1 : text;
  long long value = 0;
  auto result = std::from_chars(digits, digits + std::strlen(digits), value);
  if (result.ptr == digits) return 0;
  if (result.ec != std::errc() || value < 0 || value > kLargestOffset)
    throw aif_Exception(cow_String(std::string("The label offset ") + name + "=" + text +
                                   " is out of range (0 to " + std::to_string(kLargestOffset) +
                                   ")."));
  return static_cast<int>(value);
}

int HighestElementLabel(const bme_Mesh* mesh) {
  if (!mesh || mesh->NumElements() == 0) return 0;
  int highest = static_cast<int>(mesh->NumElements());
  for (const bme_ElementClass& c : mesh->ElementClasses())
    for (int label : c.UserLabels())
      highest = std::max(highest, label);
  return highest;
}

}  // namespace

aif_ModelInfo::aif_ModelInfo(const aif_Job& job) : job_(job), wireLabels_(new WireLabels()) {
  const auto& modelJob =
      nex_canDynamicCastRef<const ajbC_ModelJob>(job.JobObject(), kFile, __LINE__);
  // The adapter reads the model of the context's own copy of the job, which
  // lives as long as the context.
  Construct(static_cast<const aif_Job&>(*job_).Model(), modelJob.ModelName(), cow_String());
}

aif_ModelInfo::aif_ModelInfo(const aif_OptimizationProcess& process)
    : process_(process), wireLabels_(new WireLabels()) {
  const auto& optimization =
      nex_canDynamicCastRef<const ajbC_Optimization>(process.OptimizationObject(), kFile, __LINE__);
  Construct(static_cast<const aif_OptimizationProcess&>(*process_).Model(),
            optimization.ModelName(), optimization.TaskName());
}

aif_ModelInfo::~aif_ModelInfo() {
  ReleaseAttachmentNodes();
}

void aif_ModelInfo::Construct(const bas_NewModel& model, const cow_String& modelName,
                              const cow_String& optimizationText) {
  aif_Model adapter(model, modelName);
  adapter.SetOptimizationText(optimizationText);
  SetModel(cow_COW<akw_Model>(adapter));
  const aif_Model& held = ModelAdapter();
  partBased_ = DecidePartBasedOutput(held);
  HoldAssembly(held);
  NumberLabels();
}

void aif_ModelInfo::NumberLabels() {
  if (assembly_.IsNull()) return;
  const cow_List<unsigned> ids = assembly_->ConstGetFeatureList().ConstEvaluatedRep().GetIds();
  if (partBased_)
    NumberLabelsPerPart(ids);
  else
    NumberLabelsFlat(ids);
}

void aif_ModelInfo::ResetForWrite() {
  ReleaseAttachmentNodes();
  nodeCounter_ = elementCounter_ = totalNodes_ = 0;
  nodeConflict_ = elementConflict_ = false;
  nodeOffsets_.clear();
  elementOffsets_.clear();
  attachmentBases_.clear();
  nextNodeLabels_.clear();
  nextElementLabels_.clear();
  wireLabels_ = cow_COW<WireLabels>(new WireLabels());
  NumberLabels();
}

const aif_Model& aif_ModelInfo::ModelAdapter() const {
  return static_cast<const aif_Model&>(Model());
}

void aif_ModelInfo::HoldAssembly(const aif_Model& model) {
  if (!assembly_.IsNull()) return;
  const mdl_IDRepository<asoK_Assembly>& assemblies = model.Assemblies();
  if (assemblies.Contains("Assembly"))
    assembly_ = cow_COW<asoK_Assembly>(assemblies.ConstGet("Assembly"));
}

bool aif_ModelInfo::DecidePartBasedOutput(const aif_Model& model) {
  if (!process_.IsNull()) return false;
  bool partBased = true;
  const pyo_MorvexEnvFile& env = pyo_MorvexEnvFile::Instance();
  if (env.Has("cae_no_parts_input_file"))
    partBased = env.GetInt("cae_no_parts_input_file") == 0;
  else if (model.VersionTag() == "v5")
    partBased = false;
  if (!partBased) return false;

  HoldAssembly(model);
  if (!assembly_.IsNull() && assembly_->RequiresFlatInputFile()) return false;

  const kprC_StepContainer& steps = model.Steps();
  bool initial = true;
  for (const cow_String& name : steps.Keys()) {
    if (initial) {
      initial = false;
      continue;
    }
    const kprC_Step& step = steps.ConstGet(name);
    if (step.Suppressed()) continue;
    const auto& analysis = nex_canDynamicCastRef<const kprC_AnalysisStep>(step, kFile, __LINE__);
    if (analysis.DynTypeId() == kprC_SubstructureGenerateStep::TypeId()) return false;
  }
  return true;
}

void aif_ModelInfo::SetOffsets(const cow_String& name, unsigned id, int nodeOffset,
                               int elementOffset) {
  nodeOffsets_[name.Str()] = nodeOffset;
  elementOffsets_[name.Str()] = elementOffset;
  SetAssyNodeOffset(static_cast<int>(id), nodeOffset);
  SetAssyElementOffset(static_cast<int>(id), elementOffset);
}

void aif_ModelInfo::NumberLabelsFlat(const cow_List<unsigned>& ids) {
  const ftr_FeatureList& features = assembly_->ConstGetFeatureList();
  totalNodes_ = 0;
  const int nodeEnvironment = EnvironmentOffset("TVN_AIF_NODEOFFSET");
  const int elementEnvironment = EnvironmentOffset("TVN_AIF_ELEMENTOFFSET");
  nodeCounter_ = nodeEnvironment;
  elementCounter_ = elementEnvironment;
  labelTable_ = std::make_unique<LabelTableType>();

  omi_BlkBitVect nodesUsed, elementsUsed;
  nodeConflict_ = asoK_V5NodeLabelsConflict(*assembly_, ids, nodesUsed);
  elementConflict_ = asoK_V5ElemLabelsConflict(*assembly_, ids, elementsUsed);
  // Without a conflict the meshes keep their labels, shifted by the
  // environment offset: fresh labels start above the highest one written.
  if (!nodeConflict_ && !nodesUsed.IsEmpty()) nodeCounter_ = nodesUsed.Max() + nodeEnvironment;
  if (!elementConflict_ && !elementsUsed.IsEmpty())
    elementCounter_ = elementsUsed.Max() + elementEnvironment;

  for (unsigned id : ids) {
    const cow_String name = FeatureName(id);
    const bme_Mesh* mesh = mes_ConstGetMesh(features, id);
    const int n = asoF_Utils::NumNodesInMesh(features, id);
    const int a = asoK_NumberAttachmentNodes(features, id);
    totalNodes_ += n + a;

    int nodeOffset = 0;
    if (nodeConflict_) {
      nodeOffset = nodeCounter_ + 1;
      attachmentBases_[id] = nodeCounter_ + n;
      nodeCounter_ += n + a;
    } else if (mesh) {
      nodeOffset = nodeEnvironment;
      attachmentBases_[id] = nodeCounter_;
      nodeCounter_ += a;
    } else {
      nodeOffset = nodeCounter_;
      nodeCounter_ += n;
      attachmentBases_[id] = nodeCounter_;
      nodeCounter_ += a;
    }

    int elementOffset = 0;
    if (elementConflict_) {
      elementOffset = elementCounter_ + 1;
      if (mesh) elementCounter_ += static_cast<int>(mesh->NumElements());
    } else {
      elementOffset = mesh ? elementEnvironment : 0;
    }
    SetOffsets(name, id, nodeOffset, elementOffset);
  }
}

void aif_ModelInfo::NumberLabelsPerPart(const cow_List<unsigned>& ids) {
  const ftr_FeatureList& features = assembly_->ConstGetFeatureList();
  totalNodes_ = 0;
  for (unsigned id : ids) {
    const cow_String name = FeatureName(id);
    const bme_Mesh* mesh = mes_ConstGetMesh(features, id);
    totalNodes_ += asoF_Utils::NumNodesInMesh(features, id);
    SetOffsets(name, id, 0, 0);

    int highest = mesh ? mesh->NodeData().HighestLabel() : 0;
    if (id == ftr_kAssemblyId) {
      highest += features.AssemblyReferencePoints();
    } else if (const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id)) {
      highest += instance->NmrRefPoints();
    }
    attachmentBases_[id] = highest;
    nextNodeLabels_[name.Str()] = highest + asoK_NumberAttachmentNodes(features, id);
    nextElementLabels_[name.Str()] = HighestElementLabel(mesh);
  }
}

int aif_ModelInfo::ElementOffset(const cow_String& instance) const {
  auto it = elementOffsets_.find(instance.Str());
  return it == elementOffsets_.end() ? 0 : it->second;
}

int aif_ModelInfo::NodeOffset(const cow_String& instance) const {
  auto it = nodeOffsets_.find(instance.Str());
  return it == nodeOffsets_.end() ? 0 : it->second;
}

int aif_ModelInfo::NextNodeLabel(const cow_String& instance) {
  return partBased_ ? ++nextNodeLabels_[instance.Str()] : ++nodeCounter_;
}

int aif_ModelInfo::NextElementLabel(const cow_String& instance) {
  return partBased_ ? ++nextElementLabels_[instance.Str()] : ++elementCounter_;
}

int aif_ModelInfo::ReserveElementLabels(const cow_String& instance, int count) {
  return partBased_ ? nextElementLabels_[instance.Str()] += count : elementCounter_ += count;
}

cow_String aif_ModelInfo::FeatureName(unsigned id) const {
  if (assembly_.IsNull()) return cow_String();
  const ftr_Feature* feature = assembly_->ConstGetFeatureList().Get(id);
  return feature ? feature->Name() : cow_String();
}

cow_String aif_ModelInfo::DatumCsysName(const dtmC_DatumRef& datum, double number,
                                        const cow_String& text) const {
  dtmK_Datum kernelDatum(assembly_.Get(), Model().Name(), datum);
  cow_String name = kernelDatum.GetFullName("-");
  if (!text.IsEmpty() && number != 0) name += "_" + text + "_";
  return akw_MorvexName(name, false).Printable();
}

int aif_ModelInfo::AnalysisProduct() const {
  return process_.IsNull() ? job_->AnalysisProduct() : process_->AnalysisProduct();
}

void aif_ModelInfo::ReleaseAttachmentNodes() {
  attachments_.clear();
  vertexSurfaces_.clear();
  labelTable_.reset();
}

bool aif_ModelInfo::AttachmentNodeNumbers(unsigned id, const asoK_AttachmentTree*& points,
                                          const asoK_AttachmentTree*& lines) {
  points = lines = nullptr;
  auto cached = attachments_.find(id);
  if (cached == attachments_.end()) {
    if (assembly_.IsNull()) return false;
    auto numbers = std::make_unique<Attachments>();
    auto base = attachmentBases_.find(id);
    if (!asoK_GetAttachmentNodeNumbers(assembly_->ConstGetFeatureList(), id, numbers->points,
                                       numbers->lines,
                                       base == attachmentBases_.end() ? 0 : base->second))
      return false;
    cached = attachments_.emplace(id, std::move(numbers)).first;
  }
  points = &cached->second->points;
  lines = &cached->second->lines;
  return true;
}

bool aif_ModelInfo::VertexSurfaceName(unsigned id, const ftr_FeatureList& features,
                                      const cow_String& surface,
                                      const cow_Map<int, cow_String>*& pairs) {
  pairs = nullptr;
  auto cached = vertexSurfaces_.find(id);
  if (cached == vertexSurfaces_.end()) {
    auto found = std::make_unique<cow_Map<int, cow_String>>();
    if (!rgnK_GetVertexSurfaceNamePairs(features, surface, *found)) return false;
    cached = vertexSurfaces_.emplace(id, std::move(found)).first;
  }
  pairs = cached->second.get();
  return true;
}

bool aif_ModelInfo::FeatureTheoryFlag(unsigned id) const {
  if (assembly_.IsNull()) return false;
  const ftr_FeatureList& features = assembly_->ConstGetFeatureList();
  return features.Get(id) != nullptr && features.GetTheory(id).flag;
}
