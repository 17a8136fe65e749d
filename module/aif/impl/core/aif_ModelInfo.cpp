#include "aif/impl/core/aif_ModelInfo.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModelDatabase/bas_Mdb.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_BlkBitVect.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_PartBasedOutput.h"

namespace {

constexpr char kModelInfoFile[] = "module/aif/impl/aif_ModelInfo";
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

constexpr long long kLargestLabel = INT_MAX;

// Stops the write: the labels of `kind` ("node" or "element") of instance
// `owner` (none when empty) would pass the largest label an input file can hold.
[[noreturn]] void LabelOverflow(const char* kind, const cow_String& owner, int line) {
  std::string text = std::string("The ") + kind + " labels";
  if (!owner.IsEmpty()) text += " of instance " + owner.Str();
  text +=
      " run past " + std::to_string(kLargestLabel) + ", the largest label the input file can hold.";
  nex_Exception::Throw(aif_Exception(cow_String(std::move(text))), kModelInfoFile, line);
}

// `label` as an int; the overflow error for `owner` when it passes the range.
int CheckedLabel(long long label, const char* kind, const cow_String& owner, int line) {
  if (label > kLargestLabel) LabelOverflow(kind, owner, line);
  return static_cast<int>(label);
}

// The mesh written for feature `id`: a display instance without elements of
// its own is written with the display mesh the kernel makes for it, which
// `hold` keeps alive; any other feature with its own mesh (may be null).
const bme_Mesh* WrittenMesh(const ftr_FeatureList& features, unsigned id,
                            std::shared_ptr<const bme_Mesh>& hold) {
  const bme_Mesh* mesh = mes_ConstGetMesh(features, id);
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  if ((!mesh || mesh->NumElements() == 0) && instance && kcoK_IsDisplayInstance(*instance)) {
    hold = kcoK_MakeDisplayMesh(*instance);
    if (hold) return hold.get();
  }
  return mesh;
}

// The reference points written as nodes of instance `id` (a display body has
// none) or of the assembly itself.
int ReferenceNodeCount(const ftr_FeatureList& features, unsigned id) {
  if (id == ftr_kAssemblyId) return features.AssemblyReferencePoints();
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  if (!instance || kcoK_IsDisplayInstance(*instance)) return 0;
  return instance->NmrRefPoints();
}

// Adds labels `first` to `last` to `used`; true when one of them was in use.
bool UseRange(omi_BlkBitVect& used, long long first, long long last) {
  if (last < first) return false;
  const bool clash = used.AnyInRange(static_cast<int>(first), static_cast<int>(last));
  used.SetRange(static_cast<int>(first), static_cast<int>(last));
  return clash;
}

// Adds the node labels (`nodes`) or the element labels of a display mesh to
// `used`; true when one was in use before.
bool UseMeshLabels(omi_BlkBitVect& used, const bme_Mesh& mesh, bool nodes) {
  omi_BlkBitVect own;
  bool clash = false;
  auto one = [&](int label) {
    clash = clash || used.Test(label);
    own.Set(label);
  };
  if (nodes) {
    const bme_NodeData& data = mesh.NodeData();
    if (data.HasLabelTable()) {
      for (int label : data.GetUserNodeLabels())
        one(label);
    } else if (data.NumNodes() > 0) {
      clash = used.AnyInRange(1, static_cast<int>(data.NumNodes()));
      own.SetRange(1, static_cast<int>(data.NumNodes()));
    }
  } else {
    for (const bme_ElementClass& c : mesh.ElementClasses()) {
      if (c.HasLabelTable()) {
        for (int label : c.UserLabels())
          one(label);
      } else if (c.NumElements() > 0) {
        const long long first = static_cast<long long>(c.FirstElementIndex()) + 1;
        const long long last = first + static_cast<long long>(c.NumElements()) - 1;
        clash = clash || used.AnyInRange(static_cast<int>(first), static_cast<int>(last));
        own.SetRange(static_cast<int>(first), static_cast<int>(last));
      }
    }
  }
  used.Merge(own);
  return clash;
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
      nex_canDynamicCastRef<const ajbC_ModelJob>(job.JobObject(), kModelInfoFile, __LINE__);
  // The adapter reads the model of the context's own copy of the job, which
  // lives as long as the context.
  Construct(static_cast<const aif_Job&>(*job_).Model(), modelJob.ModelName(), cow_String());
}

aif_ModelInfo::aif_ModelInfo(const aif_OptimizationProcess& process)
    : process_(process), wireLabels_(new WireLabels()) {
  const auto& optimization = nex_canDynamicCastRef<const ajbC_Optimization>(
      process.OptimizationObject(), kModelInfoFile, __LINE__);
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
  // The models a co-simulation may find its partner in: those of the model
  // database, when it holds the written model; otherwise the written model
  // alone.
  const bas_Mdb& database = bas_Basis::Instance().Fetch();
  if (database.ConstGetModel(modelName))
    SetModelNames(database.ModelNames());
  else
    SetModelNames(cow_List<cow_String>({modelName}));
  const aif_Model& held = ModelAdapter();
  partBased_ = DecidePartBasedOutput(held);
  HoldAssembly(held);
  FindMixedParts();
  NumberLabels();
}

void aif_ModelInfo::FindMixedParts() {
  mixedParts_.clear();
  if (!partBased_ || assembly_.IsNull()) return;
  const ftr_FeatureList& features = assembly_->ConstGetFeatureList();
  std::unordered_map<std::string, int> kinds;  // bit 1: lightweight, bit 2: ordinary
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;  // writes no mesh
    const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
    int& kind = kinds[instance.GetPartName().Str()];
    kind |= aif_IsLightweightInstance(instance, true) ? 1 : 2;
    if (kind == 3) mixedParts_.insert(instance.GetPartName().Str());
  }
}

bool aif_ModelInfo::IsLightweightInstance(const asoF_PartInstance& instance) const {
  return aif_IsLightweightInstance(instance, partBased_) &&
         mixedParts_.count(instance.GetPartName().Str()) == 0;
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
  discreteFields_.Clear();
  distributionNames_.Clear();
  LayupData().Clear();
  NumberLabels();
}

aif_DistributionNames& aif_ModelInfo::DistributionNames() {
  if (!distributionNames_.HasReservations()) {
    distributionNames_.Reserve(cow_String());  // marks the reservations made
    for (const auto& [name, field] : ModelAdapter().DiscreteFields().ConstGetMap())
      distributionNames_.Reserve(name);
  }
  return distributionNames_;
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
  // An optimization process always reads a flat file.
  if (!process_.IsNull()) return false;
  HoldAssembly(model);
  return aif_PartBasedOutput(model.HostModel());
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
  // The kernel sees the meshes only. A display mesh is written with labels
  // of its own, and reference points are written as nodes numbered after
  // their mesh's highest label: both are labels in use, which may collide
  // with another instance's.
  for (unsigned id : ids) {
    std::shared_ptr<const bme_Mesh> display;
    const bme_Mesh* mesh = WrittenMesh(features, id, display);
    if (display) {
      nodeConflict_ = UseMeshLabels(nodesUsed, *display, true) || nodeConflict_;
      elementConflict_ = UseMeshLabels(elementsUsed, *display, false) || elementConflict_;
    }
    const int references = ReferenceNodeCount(features, id);
    if (mesh && references > 0) {
      const long long highest = mesh->NodeData().HighestLabel();
      CheckedLabel(highest + references, "node", FeatureName(id), __LINE__);
      nodeConflict_ = UseRange(nodesUsed, highest + 1, highest + references) || nodeConflict_;
    }
  }
  // Without a conflict the meshes keep their labels, shifted by the
  // environment offset: fresh labels start above the highest one written.
  if (!nodeConflict_ && !nodesUsed.IsEmpty()) {
    nodeCounter_ = static_cast<long long>(nodesUsed.Max()) + nodeEnvironment;
    CheckedLabel(nodeCounter_, "node", cow_String(), __LINE__);
  }
  if (!elementConflict_ && !elementsUsed.IsEmpty()) {
    elementCounter_ = static_cast<long long>(elementsUsed.Max()) + elementEnvironment;
    CheckedLabel(elementCounter_, "element", cow_String(), __LINE__);
  }

  for (unsigned id : ids) {
    const cow_String name = FeatureName(id);
    std::shared_ptr<const bme_Mesh> display;
    const bme_Mesh* mesh = WrittenMesh(features, id, display);
    const long long n =
        (mesh ? static_cast<long long>(mesh->NumNodes()) : 0) + ReferenceNodeCount(features, id);
    const int a = asoK_NumberAttachmentNodes(features, id);
    totalNodes_ = CheckedLabel(totalNodes_ + n + a, "node", name, __LINE__);

    long long nodeOffset = 0;
    if (nodeConflict_) {
      nodeOffset = nodeCounter_ + 1;
      attachmentBases_[id] = CheckedLabel(nodeCounter_ + n, "node", name, __LINE__);
      nodeCounter_ += n + a;
    } else if (mesh) {
      nodeOffset = nodeEnvironment;
      attachmentBases_[id] = static_cast<int>(nodeCounter_);
      nodeCounter_ += a;
    } else {
      nodeOffset = nodeCounter_;
      nodeCounter_ += n;
      attachmentBases_[id] = CheckedLabel(nodeCounter_, "node", name, __LINE__);
      nodeCounter_ += a;
    }
    CheckedLabel(nodeCounter_, "node", name, __LINE__);

    long long elementOffset = 0;
    if (elementConflict_) {
      elementOffset = elementCounter_ + 1;
      if (mesh) elementCounter_ += static_cast<long long>(mesh->NumElements());
      CheckedLabel(elementCounter_, "element", name, __LINE__);
    } else {
      elementOffset = mesh ? elementEnvironment : 0;
    }
    SetOffsets(name, id, CheckedLabel(nodeOffset, "node", name, __LINE__),
               CheckedLabel(elementOffset, "element", name, __LINE__));
  }
}

void aif_ModelInfo::NumberLabelsPerPart(const cow_List<unsigned>& ids) {
  const ftr_FeatureList& features = assembly_->ConstGetFeatureList();
  totalNodes_ = 0;
  for (unsigned id : ids) {
    const cow_String name = FeatureName(id);
    std::shared_ptr<const bme_Mesh> display;
    const bme_Mesh* mesh = WrittenMesh(features, id, display);
    totalNodes_ = CheckedLabel(totalNodes_ + (mesh ? static_cast<long long>(mesh->NumNodes()) : 0) +
                                   ReferenceNodeCount(features, id),
                               "node", name, __LINE__);
    SetOffsets(name, id, 0, 0);

    const long long highest = (mesh ? static_cast<long long>(mesh->NodeData().HighestLabel()) : 0) +
                              ReferenceNodeCount(features, id);
    attachmentBases_[id] = CheckedLabel(highest, "node", name, __LINE__);
    nextNodeLabels_[name.Str()] =
        CheckedLabel(highest + asoK_NumberAttachmentNodes(features, id), "node", name, __LINE__);
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

// Fresh labels never pass the largest label: the counter is not moved and
// the write stops with aif_Exception instead.
int aif_ModelInfo::NextNodeLabel(const cow_String& instance) {
  return Advance(partBased_ ? &nextNodeLabels_[instance.Str()] : nullptr, nodeCounter_, 1, "node",
                 instance);
}

int aif_ModelInfo::NextElementLabel(const cow_String& instance) {
  return ReserveElementLabels(instance, 1);
}

int aif_ModelInfo::ReserveElementLabels(const cow_String& instance, int count) {
  return Advance(partBased_ ? &nextElementLabels_[instance.Str()] : nullptr, elementCounter_, count,
                 "element", instance);
}

int aif_ModelInfo::Advance(int* perInstance, long long& fileCounter, int count, const char* kind,
                           const cow_String& instance) {
  const long long last = (perInstance ? *perInstance : fileCounter) + std::max(count, 0);
  const int label = CheckedLabel(last, kind, instance, __LINE__);
  if (perInstance)
    *perInstance = label;
  else
    fileCounter = label;
  return label;
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

bool aif_ModelInfo::AttachmentNodeNumbers(unsigned id, const asoK_AttachmentTree*& first,
                                          const asoK_AttachmentTree*& second) {
  first = second = nullptr;
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
  first = &cached->second->points;
  second = &cached->second->lines;
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
