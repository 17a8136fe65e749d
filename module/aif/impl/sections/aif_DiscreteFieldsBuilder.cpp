#include "aif/impl/sections/aif_DiscreteFieldsBuilder.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionNames.h"
#include "aif/impl/sections/aif_DistributionTable.h"
#include "aif/impl/sections/aif_NodalThickness.h"

namespace {

bool IsThickness(const akw_DiscreteField& record) {
  return record.components.Length() == 1 && record.components[0] == "length";
}

// The names of the instances whose elements the deck writes.
std::unordered_set<std::string> WrittenInstances(const aif_ModelInfo& info) {
  std::unordered_set<std::string> names;
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return names;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !instance->MeshExists() || features.IsLocked(id, ftr_LOCK_MESH)) continue;
    names.insert(info.FeatureName(id).Str());
  }
  return names;
}

// `field` without its data tables.
kfdC_DiscreteField WithoutTables(const kfdC_DiscreteField& field) {
  kfdC_DiscreteField kept;
  kept.SetDescription(field.Description());
  kept.SetLocation(field.Location());
  kept.SetDataKind(field.DataKind());
  kept.SetSingleTable(field.SingleTable());
  kept.SetComponentCount(field.ComponentCount());
  kept.SetDefaultValues(field.DefaultValues());
  return kept;
}

// `field` with only the tables of written instances (and unnamed ones).
kfdC_DiscreteField OfWrittenInstances(const kfdC_DiscreteField& field,
                                      const std::unordered_set<std::string>& written) {
  kfdC_DiscreteField kept = WithoutTables(field);
  for (const kfdC_DataTable& table : field.DataTables())
    if (table.Name().IsEmpty() || written.count(table.Name().Str()) != 0) kept.AddDataTable(table);
  return kept;
}

// The table of `field` that holds the rows of `instance`: the one it names,
// else the unnamed one; null when neither is there.
const kfdC_DataTable* TableOf(const kfdC_DiscreteField& field, const cow_String& instance) {
  const kfdC_DataTable* unnamed = nullptr;
  for (const kfdC_DataTable& table : field.DataTables()) {
    if (!instance.IsEmpty() && table.Name() == instance) return &table;
    if (!unnamed && table.Name().IsEmpty()) unnamed = &table;
  }
  return unnamed;
}

// `field` with the one table `table` (none when null), its labels moved by
// `shift`.
kfdC_DiscreteField WithOneTable(const kfdC_DiscreteField& field, const kfdC_DataTable* table,
                                int shift) {
  kfdC_DiscreteField kept = WithoutTables(field);
  if (!table) return kept;
  if (shift == 0) {
    kept.AddDataTable(*table);
    return kept;
  }
  cow_List<int> labels = table->Labels();
  for (std::size_t i = 0; i < labels.Length(); ++i)
    labels.Modify(i) = static_cast<int>(static_cast<long long>(labels[i]) + shift);
  kfdC_DataTable moved(table->Name(), table->ComponentCount());
  moved.SetDomain(labels, table->Values());
  kept.AddDataTable(moved);
  return kept;
}

bool SameColumns(const akw_DiscreteField& a, const akw_DiscreteField& b) {
  if (a.components.Length() != b.components.Length()) return false;
  for (std::size_t i = 0; i < a.components.Length(); ++i)
    if (a.components[i] != b.components[i]) return false;
  return true;
}

}  // namespace

void aif_DiscreteFieldsBuilder::Build() {
  filedTables_.Clear();
  auto& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const auto& fields = info.ModelAdapter().DiscreteFields();
  // A copy: the list shares its records, and the per-record step changes
  // its own copy only.
  const cow_List<akw_DiscreteField> records = info.DiscreteFieldUses();
  // An orientation field with tables per instance is written in the
  // assembly. A name holding "." is not qualified by the instance there, so
  // the uses of every instance make one distribution: the first use takes
  // the users of the later ones, which are not written again.
  std::vector<akw_DiscreteField> kept;
  for (const akw_DiscreteField& record : records) {
    if (!fields.Contains(record.field)) continue;
    const kfdC_DiscreteField& field = fields.ConstGet(record.field);
    const bool oneAssemblyName =
        info.IsPartBased() && record.field.Find('.') != std::string::npos &&
        field.Location() == kfdC_DiscreteField::kElements &&
        field.DataKind() == kfdC_DiscreteField::kOrientations && !field.SingleTable() &&
        record.ownerKind != akw_DiscreteField::kModel;
    akw_DiscreteField* first = nullptr;
    for (akw_DiscreteField& held : kept)
      if (oneAssemblyName && !first && held.field == record.field &&
          held.ownerKind != akw_DiscreteField::kModel && SameColumns(held, record))
        first = &held;
    if (!first) {
      kept.push_back(record);
      continue;
    }
    for (const cow_String& user : record.users)
      if (first->users.IndexOf(user) < 0) first->users.Append(user);
  }
  for (const akw_DiscreteField& record : kept)
    BuildRecord(fields.ConstGet(record.field), record);
}

void aif_DiscreteFieldsBuilder::BuildRecord(const kfdC_DiscreteField& source,
                                            akw_DiscreteField record) {
  auto& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const bool partBased = info.IsPartBased();
  if (source.Location() == kfdC_DiscreteField::kNodes && source.ComponentCount() == 1) {
    if (!IsThickness(record)) {
      cow_String use;
      for (const cow_String& column : record.components)
        use += (use.IsEmpty() ? "" : ", ") + column;
      throw aif_Exception("The discrete field " + record.field +
                          " holds values at nodes, but its use (" + use +
                          ") takes values per element.");
    }
    FileNodalThickness(source, record);
    return;
  }

  if (record.ownerKind == akw_DiscreteField::kInstance && !partBased && record.users.IsEmpty())
    throw aif_Exception("The discrete field " + record.field + " is used by no instance.");

  record.field = info.DistributionNames().FieldUseName(record);
  const kfdC_DiscreteField field = record.ownerKind == akw_DiscreteField::kModel
                                       ? OfWrittenInstances(source, WrittenInstances(info))
                                       : source;
  if (filedTables_.IndexOf(record.field) < 0) {
    AddModelDefinition(aif_DistributionTable(field, record, partBased));
    // In a flat file each record's tables carry its instances' names, except
    // for model scope, whose one table is named by the distribution.
    if (partBased || record.ownerKind == akw_DiscreteField::kModel)
      filedTables_.Append(record.field);
  }

  if (field.Location() == kfdC_DiscreteField::kElements &&
      field.DataKind() == kfdC_DiscreteField::kOrientations && !field.SingleTable())
    record.ownerKind = akw_DiscreteField::kAssembly;

  const akw_KeywordHandle distribution(aif_Distribution(field, record, &info));
  switch (record.ownerKind) {
    case akw_DiscreteField::kPart:
      AddPartDefinition(record.owner, distribution);
      break;
    case akw_DiscreteField::kInstance:
      if (partBased)
        for (const cow_String& instance : record.users)
          AddInstanceDefinition(instance, distribution);
      else
        AddInstanceDefinition(record.users[0], distribution);
      break;
    case akw_DiscreteField::kAssembly:
      AddAssemblyDefinition(distribution);
      break;
    default:
      AddModelDefinition(distribution);
      break;
  }
}

void aif_DiscreteFieldsBuilder::FileNodalThickness(const kfdC_DiscreteField& field,
                                                   const akw_DiscreteField& record) {
  auto& info = static_cast<aif_ModelInfo&>(ModelInfo());
  if (record.ownerKind == akw_DiscreteField::kPart) {
    // The part's rows serve every lightweight instance of it: the unnamed
    // table, else the first user's, labels as the part's mesh holds them.
    const kfdC_DataTable* table = TableOf(field, cow_String());
    if (!table && !record.users.IsEmpty()) table = TableOf(field, record.users[0]);
    AddPartDefinition(record.owner, aif_NodalThickness(WithOneTable(field, table, 0), record));
    return;
  }
  // A table holds mesh labels when node labels are usable, else the node's
  // position + 1; the instance's mesh block adds its offset.
  const bool usable = info.NodeLabelsUsable();
  for (const cow_String& instance : record.users) {
    const int shift = usable ? info.NodeOffset(instance) : info.NodeOffset(instance) - 1;
    AddInstanceDefinition(
        instance, aif_NodalThickness(WithOneTable(field, TableOf(field, instance), shift), record));
  }
}
