#include "aif/impl/sections/aif_FieldThicknessStep.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "AttributesIntObj/asoK_InstanceNames.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_DiscreteFieldRecords.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

namespace {

// A data table being filled from several regions: the rows it holds, so that
// a node or element met again keeps its first value.
struct MergedTable {
  kfdC_DataTable table;
  std::unordered_set<int> labels;
};

// The rows an analytical field gives the regions of one instance.
struct FieldRows {
  const kfdC_AnalyticalField& source;
  bool expression;  // an expression field, else a mapped field
  bool nodes;       // at nodes, else at elements
  bool usable;      // the labels of that location are usable
  std::vector<MergedTable> tables;
};

void AddRows(MergedTable& merged, const cow_List<int>& ids, const cow_List<double>& values,
             int shift) {
  const std::size_t rows = ids.Length() < values.Length() ? ids.Length() : values.Length();
  merged.labels.reserve(merged.labels.size() + rows);
  for (std::size_t i = 0; i < rows; ++i) {
    const int label = ids[i] + shift;
    if (merged.labels.insert(label).second) merged.table.AddDomainValue(label, values[i]);
  }
}

// Drops the repeated node ids of `ids` with their coordinate rows, so that
// ids and rows stay in step.
void UniqueWithRows(cow_List<int>& ids, cow_2DArray<double>& rows) {
  std::unordered_set<int> seen;
  seen.reserve(ids.Length());
  cow_List<int> uniqueIds;
  std::vector<std::size_t> kept;
  for (std::size_t i = 0; i < ids.Length(); ++i)
    if (seen.insert(ids[i]).second) {
      uniqueIds.Append(ids[i]);
      kept.push_back(i);
    }
  if (kept.size() == ids.Length()) return;
  cow_2DArray<double> uniqueRows(kept.size(), 3, 0.0);
  for (std::size_t r = 0; r < kept.size(); ++r)
    for (std::size_t c = 0; c < 3; ++c)
      uniqueRows.Modify(r, c) = kept[r] < rows.Rows() ? rows(kept[r], c) : 0.0;
  ids = uniqueIds;
  rows = uniqueRows;
}

// Adds a checking message on the failure `reason` to evaluate `fieldName`;
// returns empty.
cow_String Drop(const cow_String& reason, const cow_String& fieldName) {
  ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(
      reason + "\nDue to the failure of evaluating the shell thickness\nfrom analytical field "
               "\"%s\",\nthis thickness definition will be missing in the input file.",
      fieldName));
  return cow_String();
}

// An expression field's values at the points of `region` (`ids`: its
// labelled nodes or elements, repeated nodes dropped). False when the region
// has no points here.
bool ExpressionValues(const aif_ModelInfo& info, const aif_InstanceScope& scope,
                      const FieldRows& rows, const rgnC_Region& region, cow_List<int>& ids,
                      cow_List<double>& values) {
  cow_2DArray<double> points;
  if (rows.nodes) {
    rgnK_GetNodalCoords(region, scope.id, *scope.mesh, points);
    UniqueWithRows(ids, points);
  } else {
    rgnK_GetElementCentroids(region, scope.id, *scope.mesh, points);
  }
  if (points.Rows() == 0) return false;
  values = kfdK_EvaluateField(static_cast<const kfdC_ExpressionField&>(rows.source), points,
                              info.Model().Name());
  return true;
}

// A mapped field's values at `ids` (indices; unique for nodes, `idMap`
// holding them), turned into labels when labels are usable. `failure` set
// when the mapping fails; its note becomes a checking warning.
void MappedValues(const aif_ModelInfo& info, const aif_InstanceScope& scope, const FieldRows& rows,
                  cow_Map<int, cow_List<int>>& idMap, cow_List<int>& ids, cow_List<double>& values,
                  cow_String& failure) {
  if (rows.nodes) {
    rgnK_GetUniqueIds(idMap);
    ids = *idMap.Find(scope.id);
  }
  cow_Map<int, cow_List<int>> mapped;
  mapped.Set(scope.id, ids);
  const kfdK_Mapping mapping(static_cast<const kfdC_MappedField&>(rows.source), mapped,
                             info.Model().Name());
  cow_String note;
  mapping.mapping(scope.id, values, failure, note);
  if (!failure.IsEmpty()) return;
  if (!note.IsEmpty()) ajbC_CheckingMessages::Instance().Warnings().Append(note);
  if (rows.usable) {
    if (rows.nodes)
      rgnF_Utils::ConvertNodeIndicesToLabels(*scope.mesh, ids);
    else
      rgnF_Utils::ConvertElemIndicesToLabels(*scope.mesh, ids);
  }
}

// The rows of `region` added to the table of its instance (unnamed at part
// level). False with `failure` set when the mapping fails.
bool AddRegionRows(const aif_ModelInfo& info, const aif_InstanceScope& scope, FieldRows& rows,
                   const rgnC_Region& region, cow_String& failure) {
  const rgnK_Region kernel(info.Assembly(), info.Model().Name(), region);
  cow_Map<int, cow_List<int>> idMap;
  // Expression fields are evaluated at labelled points; mapped fields map
  // onto indices, turned into labels afterwards.
  const bool asLabels = rows.expression && rows.usable;
  if (rows.nodes)
    kernel.GetNodeIds(idMap, scope.id, asLabels, false, true);
  else
    kernel.GetElementIds(idMap, nullptr, scope.id, asLabels, true);
  const cow_List<int>* found = idMap.Find(scope.id);
  if (!found || found->IsEmpty()) return true;  // unmeshed for this instance
  cow_List<int> ids = *found;
  cow_List<double> values;
  if (rows.expression) {
    if (!ExpressionValues(info, scope, rows, region, ids, values)) return true;
  } else {
    MappedValues(info, scope, rows, idMap, ids, values, failure);
    if (!failure.IsEmpty()) return false;
  }
  // Element rows hold the label (usable labels) or the index + 1, which the
  // distribution turns into the written label; node rows hold the label as
  // the mesh block writes it, since the nodal thickness writes them as held.
  const int shift = rows.nodes ? scope.nodeOffset : (rows.usable ? 0 : 1);
  const cow_String tableName = scope.partLevel ? cow_String() : scope.featureName;
  MergedTable* merged = nullptr;
  for (MergedTable& table : rows.tables)
    if (table.table.Name() == tableName) merged = &table;
  if (!merged) {
    rows.tables.push_back(MergedTable{kfdC_DataTable(tableName), {}});
    merged = &rows.tables.back();
  }
  AddRows(*merged, ids, values, shift);
  return true;
}

// The value of the node `key` in `values` (null: none), else `fallback`.
double NodeValue(const kfdC_DataTable* values, int key, double fallback) {
  const long long at = values ? values->GetDomainPos(key) : -1;
  // A short value list counts as not holding the node.
  const std::size_t slot =
      at < 0 ? 0
             : static_cast<std::size_t>(at) *
                   static_cast<std::size_t>(std::max(values->ComponentCount(), 1));
  return at >= 0 && slot < values->Values().Length() ? values->Values()[slot] : fallback;
}

}  // namespace

cow_String aif_FieldThicknessStep::FromAnalyticalField(const aif_InstanceScope& scope,
                                                       const cow_String& fieldName,
                                                       const cow_List<rgnC_Region>& regions,
                                                       int location, const cow_String& columnType) {
  aif_ModelInfo& info = state_.info;
  const aif_Model& adapter = info.ModelAdapter();
  if (!adapter.AnalyticalFields().Contains(fieldName)) {
    // A discrete field of the name is written as such, from its record.
    if (adapter.DiscreteFields().Contains(fieldName)) return cow_String();
    return Drop("The analytical field is not defined in the model.", fieldName);
  }
  const kfdC_AnalyticalField& source = adapter.AnalyticalFields().ConstGet(fieldName);
  const bool expression = source.DynTypeId() == kfdC_ExpressionField::TypeId();
  if (!expression && source.DynTypeId() != kfdC_MappedField::TypeId())
    return Drop("The analytical field is of a kind that cannot be evaluated.", fieldName);

  aif_DiscreteFieldRecords records(state_, filer_);
  const bool nodes = location == kfdC_DiscreteField::kNodes;
  // A "*Nodal Thickness" has no name: it takes none from the registry.
  const cow_String name =
      nodes ? info.DistributionNames().FreeName(fieldName) : records.UniqueName(fieldName);
  FieldRows rows{
      source, expression, nodes, nodes ? info.NodeLabelsUsable() : info.ElementLabelsUsable(), {}};
  for (const rgnC_Region& region : regions) {
    cow_String failure;
    if (!AddRegionRows(info, scope, rows, region, failure)) return Drop(failure, fieldName);
  }

  kfdC_DiscreteField field;
  field.SetLocation(location);
  field.SetComponentCount(1);
  field.SetDefaultValues({1.0});
  field.SetDescription(source.Description() + " From Analytical Field " + fieldName);
  for (const MergedTable& merged : rows.tables)
    field.AddDataTable(merged.table);
  records.File(field, aif_DiscreteFieldRecords::Record(scope, name, {scope.name}, {columnType}),
               nodes);
  return name;
}

cow_String aif_FieldThicknessStep::FromDiscreteField(const aif_InstanceScope& scope,
                                                     const cow_List<rgnC_Region>& regions,
                                                     const cow_String& fieldName) {
  aif_ModelInfo& info = state_.info;
  const mdl_MapString2ObjCow<kfdC_DiscreteField>& fields = info.ModelAdapter().DiscreteFields();
  if (!fields.Contains(fieldName)) return cow_String();
  const kfdC_DiscreteField& source = fields.ConstGet(fieldName);
  const cow_String& model = info.Model().Name();
  aif_DiscreteFieldRecords records(state_, filer_);
  // A "*Nodal Thickness" has no name: it takes none from the registry.
  const cow_String name =
      info.DistributionNames().FreeName(scope.partLevel ? fieldName : scope.name + "_" + fieldName);

  // The source's rows of this instance: its table named by the instance,
  // else its unnamed one. They hold labels (usable labels) or indices + 1.
  const kfdC_DataTable* values = nullptr;
  for (const kfdC_DataTable& table : source.DataTables())
    if (table.Name() == scope.name || (!values && table.Name().IsEmpty())) values = &table;
  const double fallback = source.DefaultValues().IsEmpty() ? 1.0 : source.DefaultValues()[0];

  const bool usable = info.NodeLabelsUsable();
  kfdC_DataTable table;
  // A node an earlier group of the scope gave its thickness keeps it (the
  // groups of one assignment share its region).
  std::unordered_set<int>& added = state_.nodalThicknessNodes;
  for (const rgnC_Region& region : regions) {
    const rgnK_Region kernel(info.Assembly(), model, region);
    cow_Map<int, cow_List<int>> labels, indices;
    kernel.GetNodeIds(labels, scope.id, true, false, true);
    kernel.GetNodeIds(indices, scope.id, false, false, true);
    rgnK_GetUniqueIds(labels);
    rgnK_GetUniqueIds(indices);
    for (const auto& [id, ids] : labels) {
      const cow_List<int>* index = indices.Find(id);
      if (ids.IsEmpty() || !index || index->Length() != ids.Length()) continue;
      if (!scope.partLevel) table.SetName(info.FeatureName(static_cast<unsigned>(id)));
      added.reserve(added.size() + ids.Length());
      for (std::size_t i = 0; i < ids.Length(); ++i) {
        const int node = (usable ? ids[i] : (*index)[i]) + scope.nodeOffset;
        if (!added.insert(node).second) continue;
        table.AddDomainValue(node, NodeValue(values, usable ? ids[i] : (*index)[i] + 1, fallback));
      }
    }
  }
  table.SortTables();
  // Every node has its thickness already: no keyword without rows.
  if (table.Labels().IsEmpty()) return name;

  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.SetComponentCount(1);
  field.SetDefaultValues({1.0});
  field.AddDataTable(table);
  cow_List<cow_String> targets;
  if (scope.partLevel) targets = asoK_GetInstanceNames(*info.Assembly(), scope.partName, model);
  records.File(
      field, aif_DiscreteFieldRecords::Record(scope, name, targets, {cow_String("length")}), true);
  return name;
}

cow_String aif_FieldThicknessStep::FromDiscreteFieldUse(const aif_InstanceScope& scope,
                                                        const cow_String& fieldName, bool membrane,
                                                        bool& nodal) {
  nodal = false;
  const auto& fields = state_.info.ModelAdapter().DiscreteFields();
  const auto drop = [&](const char* reason) {
    ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateWithArg(
        cow_String(reason) + "\nthis thickness definition will be missing in the input file.",
        fieldName));
    return cow_String();
  };
  if (!fields.Contains(fieldName))
    return drop("\nThe discrete field \"%s\" is not defined in the model,");
  const kfdC_DiscreteField& field = fields.ConstGet(fieldName);
  const bool atNodes =
      field.Location() == kfdC_DiscreteField::kNodes && field.ComponentCount() == 1;
  if (atNodes && membrane)
    return drop(
        "\nThe discrete field \"%s\" holds values at nodes, which a membrane\n"
        "thickness cannot take,");
  const cow_String name =
      aif_DiscreteFieldRecords(state_, filer_).Register(scope, fieldName, {"length"});
  if (atNodes) {
    nodal = true;
    return cow_String();
  }
  return scope.flat ? scope.name + "_" + name : name;
}
