#include "aif/impl/loads/aif_FieldWalk.h"

#include <algorithm>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/sections/aif_FeatureOwners.h"

namespace {

constexpr const char* kFieldWalkFile = "module/aif/impl/loads/aif_FieldWalk.cpp";

// The analytical field `fieldName` of the model, or null when the model has
// none of that name.
const kfdC_AnalyticalField* FieldWalkFind(const aif_ModelInfo& info, const cow_String& fieldName) {
  const auto& fields = info.ModelAdapter().AnalyticalFields();
  if (!fields.Contains(fieldName)) return nullptr;
  return &fields.ConstGet(fieldName);
}

// Maps `indices` (mesh indices per instance) with `field` and files each
// instance's values into the instance of `instances` with its id; a note
// goes to the checking warnings. False when an instance fails (`failure`
// then holds the mapping's text) or comes short of values for its members.
bool FieldWalkMap(const aif_ModelInfo& info, const kfdC_AnalyticalField& field,
                  const cow_Map<int, cow_List<int>>& indices,
                  std::vector<aif_FieldWalk::Instance>& instances, aif_FieldFailure& failed) {
  const auto& mapped =
      nex_canDynamicCastRef<const kfdC_MappedField>(field, kFieldWalkFile, __LINE__);
  const kfdK_Mapping mapping(mapped, indices, info.ModelName());
  for (aif_FieldWalk::Instance& instance : instances) {
    cow_String failure, note;
    mapping.mapping(instance.id, instance.values, failure, note);
    if (!failure.IsEmpty()) {
      failed.kind = aif_FieldFailure::kMapping;
      failed.mappingError = failure;
      return false;
    }
    if (!note.IsEmpty()) ajbC_CheckingMessages::Instance().Warnings().Append(atr_String(note));
    if (instance.values.Length() < instance.ids.Length()) {
      failed.kind = aif_FieldFailure::kShort;
      return false;
    }
  }
  return true;
}

}  // namespace

void aif_FieldWalk::ReportFailure(const aif_FieldSubject& subject, const cow_String& fieldName,
                                  const char* source) {
  ajbC_CheckingMessages::Instance().Messages().Append(
      atr_String(FailureText(subject, fieldName, source)));
}

cow_String aif_FieldWalk::FailureText(const aif_FieldSubject& subject, const cow_String& fieldName,
                                      const char* source) {
  const cow_String format = cow_String("\nDue to the failure of evaluating the %s \"%s\"\nfrom ") +
                            source + " field \"%s\",\nthis " + subject.missing +
                            " will be missing in the input file.";
  return atr_TranslateFormat3(format, subject.kind, subject.name, fieldName);
}

void aif_FieldWalk::WriteReference(utl_Stream& stream, const Instance& instance, std::size_t i) {
  stream << instance.prefix << (instance.ids[i] + instance.offset);
}

bool aif_FieldWalk::EvaluateNodes(const aif_ModelInfo& info, const rgnC_Region& region,
                                  const cow_String& fieldName, const aif_FieldSubject& subject) {
  return Evaluate(info, region, fieldName, kNodes, subject);
}

bool aif_FieldWalk::EvaluateElements(const aif_ModelInfo& info, const rgnC_Region& region,
                                     const cow_String& fieldName, int category,
                                     const aif_FieldSubject& subject) {
  return Evaluate(info, region, fieldName, category, subject);
}

bool aif_FieldWalk::Evaluate(const aif_ModelInfo& info, const rgnC_Region& region,
                             const cow_String& fieldName, int category,
                             const aif_FieldSubject& subject) {
  instances_.clear();
  aif_FieldFailure failure;
  const auto fail = [&](aif_FieldFailure::Kind kind) {
    failure.kind = kind;
    return Fail(subject, fieldName, failure);
  };
  const kfdC_AnalyticalField* field = FieldWalkFind(info, fieldName);
  if (!field) return fail(aif_FieldFailure::kNoField);
  const bool expression = field->DynTypeId() == kfdC_ExpressionField::TypeId();
  if (!expression && field->DynTypeId() != kfdC_MappedField::TypeId())
    return fail(aif_FieldFailure::kOtherKind);

  const rgnK_Region kernel(info.Assembly(), info.ModelName(), region);
  const bool nodes = category == kNodes;
  const bool usable = nodes ? info.NodeLabelsUsable() : info.ElementLabelsUsable();
  if (!expression && !kernel.HasMeshNodes() && !kernel.HasMeshElements())
    return subject.report ? fail(aif_FieldFailure::kUnmeshed) : true;
  // Nodes: each once; elements: one entry per element and face.
  cow_Map<int, cow_List<int>> ids;
  cow_Map<int, cow_List<cow_String>> faces;
  if (nodes) {
    kernel.GetNodeIds(ids, 1000, usable, false, true);
    rgnK_GetUniqueIds(ids);
  } else {
    kernel.GetElementIds(ids, &faces, 1000, usable, true);
  }
  if (writtenOnly_) aif_KeepWrittenNodes(info, ids);
  const auto start = [&](int id, const cow_List<int>& members) {
    Instance instance;
    instance.id = id;
    instance.prefix = Prefix(info, id);
    instance.offset = nodes ? info.AssyNodeOffsetsID(id) : info.AssyElementOffsetsID(id);
    instance.ids = members;
    if (const cow_List<cow_String>* names = faces.Find(id)) {
      instance.faces = *names;
      // A member without a face name of its own has none (the keywords read
      // one name per member).
      while (instance.faces.Length() < members.Length())
        instance.faces.Append(cow_String());
    }
    return instance;
  };

  if (expression) {
    const auto& evaluated =
        nex_canDynamicCastRef<const kfdC_ExpressionField>(*field, kFieldWalkFile, __LINE__);
    // One row per member, in the members' order.
    cow_Map<int, cow_2DArray<double>> own;
    cow_Map<int, cow_2DArray<double>>& points = sharedPoints_ ? *sharedPoints_ : own;
    if (points.IsEmpty()) {
      if (nodes)
        rgnK_GetNodalCoords(kernel, info.Assembly(), usable, true, true, points);
      else
        rgnK_GetElementCentroids(kernel, info.Assembly(), category, usable, true, true, points);
    }
    for (const auto& [id, members] : ids) {
      const cow_2DArray<double>* rows = points.Find(id);
      if (!rows) continue;  // no points: the instance is left out
      if (rows->Rows() < members.Length()) return fail(aif_FieldFailure::kShort);
      Instance instance = start(id, members);
      instance.values = kfdK_EvaluateField(evaluated, *rows, info.ModelName());
      if (instance.values.Length() < members.Length()) return fail(aif_FieldFailure::kShort);
      if (!sharedPoints_) points.Remove(id);  // done with: free them as the walk goes
      instances_.push_back(std::move(instance));
    }
    return true;
  }

  // A mapping reads mesh indices, parallel to the ids.
  cow_Map<int, cow_List<int>> indices;
  if (nodes) {
    kernel.GetNodeIds(indices, 1000, false, false, true);
    rgnK_GetUniqueIds(indices);  // made unique they keep the ids' order
  } else {
    cow_Map<int, cow_List<int>> again;  // the ids once more; only the indices are kept
    kernel.GetElementIds(again, indices, 1000, usable);
  }
  if (writtenOnly_) aif_KeepWrittenNodes(info, indices);
  for (const auto& [id, members] : ids)
    instances_.push_back(start(id, members));
  ids.Clear();
  faces.Clear();
  if (!FieldWalkMap(info, *field, indices, instances_, failure)) return fail(failure.kind);
  return true;
}

bool aif_FieldWalk::Fail(const aif_FieldSubject& subject, const cow_String& fieldName,
                         const aif_FieldFailure& failure, const char* source) {
  instances_.clear();
  if (subject.report)
    subject.report(failure);
  else
    ReportFailure(subject, fieldName, source);
  return false;
}

bool aif_FieldWalk::EvaluateDiscreteNodes(const aif_ModelInfo& info, const rgnC_Region& region,
                                          const cow_String& fieldName, int component,
                                          const aif_FieldSubject& subject) {
  return EvaluateDiscrete(info, region, fieldName, component, kNodes, subject);
}

bool aif_FieldWalk::EvaluateDiscreteElements(const aif_ModelInfo& info, const rgnC_Region& region,
                                             const cow_String& fieldName, int component,
                                             const aif_FieldSubject& subject) {
  return EvaluateDiscrete(info, region, fieldName, component, kElementCentroids, subject);
}

bool aif_FieldWalk::EvaluateDiscreteFaces(const aif_ModelInfo& info, const rgnC_Region& region,
                                          const cow_String& fieldName, int component,
                                          const aif_FieldSubject& subject) {
  return EvaluateDiscrete(info, region, fieldName, component, kFaceCentroids, subject);
}

bool aif_FieldWalk::EvaluateDiscrete(const aif_ModelInfo& info, const rgnC_Region& region,
                                     const cow_String& fieldName, int component, int category,
                                     const aif_FieldSubject& subject) {
  instances_.clear();
  aif_FieldFailure failure;
  const auto& fields = info.ModelAdapter().DiscreteFields();
  if (!fields.Contains(fieldName)) return Fail(subject, fieldName, failure, "discrete");
  const kfdC_DiscreteField& field = fields.ConstGet(fieldName);
  const std::size_t column = component > 0 ? static_cast<std::size_t>(component - 1) : 0;
  const bool hasDefault = component > 0 && column < field.DefaultValues().Length();
  const double fallback = hasDefault ? field.DefaultValues()[column] : 0.0;

  const rgnK_Region kernel(info.Assembly(), info.ModelName(), region);
  const bool nodes = category == kNodes;
  const bool usable = nodes ? info.NodeLabelsUsable() : info.ElementLabelsUsable();
  // Faces: one entry per element and face, as the analytical walk has them.
  const bool perFace = category == kFaceCentroids;
  cow_Map<int, cow_List<int>> ids;
  cow_Map<int, cow_List<cow_String>> faces;
  if (nodes)
    kernel.GetNodeIds(ids, 1000, usable, false, true);
  else
    kernel.GetElementIds(ids, perFace ? &faces : nullptr, 1000, usable, true);
  if (writtenOnly_) aif_KeepWrittenNodes(info, ids);
  if (!perFace) rgnK_GetUniqueIds(ids);
  for (const auto& [id, members] : ids) {
    Instance instance;
    instance.id = id;
    instance.prefix = Prefix(info, id);
    instance.offset = nodes ? info.AssyNodeOffsetsID(id) : info.AssyElementOffsetsID(id);
    instance.ids = members;
    if (const cow_List<cow_String>* names = faces.Find(id)) {
      instance.faces = *names;
      while (instance.faces.Length() < members.Length())
        instance.faces.Append(cow_String());
    }
    const cow_String name = info.FeatureName(static_cast<unsigned>(id));
    const kfdC_DataTable* table = nullptr;
    for (const kfdC_DataTable& candidate : field.DataTables())
      if (candidate.Name() == name) {
        table = &candidate;
        break;
      }
    if (!table && untabled_) {
      instance.values.Reserve(members.Length());
      for (std::size_t i = 0; i < members.Length(); ++i)
        instance.values.Append(*untabled_);
      instances_.push_back(std::move(instance));
      continue;
    }
    const std::size_t width =
        table ? static_cast<std::size_t>(std::max(table->ComponentCount(), 0)) : 0;
    instance.values.Reserve(members.Length());
    for (const int member : members) {
      // The tables hold plain labels: the mesh label, or the index + 1.
      const long long row = table && column < width && component > 0
                                ? table->GetDomainPos(usable ? member : member + 1)
                                : -1;
      const std::size_t slot = row < 0 ? 0 : static_cast<std::size_t>(row) * width + column;
      if (row >= 0 && slot < table->Values().Length()) {
        instance.values.Append(table->Values()[slot]);
      } else if (hasDefault) {
        instance.values.Append(fallback);
      } else {
        failure.kind = aif_FieldFailure::kNoDefault;
        return Fail(subject, fieldName, failure, "discrete");
      }
    }
    instances_.push_back(std::move(instance));
  }
  return true;
}

cow_String aif_FieldWalk::Prefix(const aif_ModelInfo& info, int id) {
  if (!info.IsPartBased() || id == static_cast<int>(ftr_kAssemblyId)) return cow_String();
  const cow_String name = info.FeatureName(static_cast<unsigned>(id));
  return name.IsEmpty() ? cow_String() : aif_QualifiedPrefix(name);
}
