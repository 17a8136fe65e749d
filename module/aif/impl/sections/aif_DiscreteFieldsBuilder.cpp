#include "aif/impl/sections/aif_DiscreteFieldsBuilder.h"

#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionTable.h"
#include "aif/impl/sections/aif_NodalThickness.h"

void aif_DiscreteFieldsBuilder::Build() {
  filedTables_.Clear();
  auto& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const auto& fields = info.ModelAdapter().DiscreteFields();
  // A copy: the list shares its records, and the per-record step changes
  // the scope of its own copy only.
  const cow_List<akw_DiscreteField> records = info.DiscreteFieldUses();
  for (const akw_DiscreteField& record : records) {
    if (!fields.Contains(record.field)) continue;
    BuildRecord(fields.ConstGet(record.field), record);
  }
}

void aif_DiscreteFieldsBuilder::BuildRecord(const kfdC_DiscreteField& field,
                                            akw_DiscreteField record) {
  auto& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const bool partBased = info.IsPartBased();
  if (field.Location() == kfdC_DiscreteField::kNodes && field.ComponentCount() == 1) {
    const aif_NodalThickness thickness(field, record);
    const akw_KeywordHandle handle(thickness);
    if (record.ownerKind == akw_DiscreteField::kPart)
      AddPartDefinition(record.owner, handle);
    else
      for (const cow_String& instance : record.users)
        AddInstanceDefinition(instance, handle);
    return;
  }

  if (record.ownerKind == akw_DiscreteField::kInstance && !partBased && record.users.IsEmpty())
    throw aif_Exception("The discrete field " + record.field + " is used by no instance.");

  if (filedTables_.IndexOf(record.field) < 0) {
    AddModelDefinition(aif_DistributionTable(field, record, partBased));
    // In a flat file each record's tables carry its instances' names, except
    // for model scope, whose one table is named by the field.
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
