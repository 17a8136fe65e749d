#include "aif/impl/sections/aif_DiscreteFieldRecords.h"

#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionTable.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_NodalThickness.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

cow_String aif_DiscreteFieldRecords::Register(const aif_InstanceScope& scope,
                                              const cow_String& field,
                                              const cow_List<cow_String>& components) {
  akw_DiscreteField use;
  use.field = field;
  use.ownerKind = scope.partLevel ? akw_DiscreteField::kPart : akw_DiscreteField::kInstance;
  use.owner = scope.owner;
  use.users.Append(scope.name);
  use.components = components;
  const cow_String name = state_.info.DistributionNames().FieldUseName(use);
  cow_List<akw_DiscreteField>& uses = state_.info.DiscreteFieldUses();
  for (std::size_t i = 0; i < uses.Length(); ++i) {
    if (!(uses[i] == use)) continue;
    if (uses[i].owner != use.owner) break;
    akw_DiscreteField& found = uses.Modify(i);
    ++found.useCount;
    if (found.users.IndexOf(scope.name) < 0) found.users.Append(scope.name);
    return name;
  }
  use.useCount = 1;
  uses.Append(use);
  return name;
}

akw_DiscreteField aif_DiscreteFieldRecords::Record(const aif_InstanceScope& scope,
                                                   const cow_String& name,
                                                   cow_List<cow_String> users,
                                                   const cow_List<cow_String>& components) {
  akw_DiscreteField record;
  record.field = name;
  record.ownerKind = scope.partLevel ? akw_DiscreteField::kPart : akw_DiscreteField::kInstance;
  record.owner = scope.owner;
  if (scope.partLevel) {
    record.users = std::move(users);
  } else {
    record.users.Append(scope.name);
  }
  record.components = components;
  record.useCount = 1;
  return record;
}

void aif_DiscreteFieldRecords::File(const kfdC_DiscreteField& field,
                                    const akw_DiscreteField& record, bool nodal) {
  aif_ModelInfo& info = state_.info;
  if (!nodal) {
    cow_List<akw_DiscreteField>& uses = info.DiscreteFieldUses();
    bool held = false;
    for (const akw_DiscreteField& use : uses)
      if (use == record) {
        held = true;
        break;
      }
    if (!held) {
      filer_.ToModel(aif_DistributionTable(field, record, info.IsPartBased()));
      uses.Append(record);
    }
  }
  const akw_KeywordHandle keyword = nodal
                                        ? akw_KeywordHandle(aif_NodalThickness(field, record))
                                        : akw_KeywordHandle(aif_Distribution(field, record, &info));
  if (record.ownerKind == akw_DiscreteField::kPart) {
    filer_.ToPart(record.owner, keyword);
  } else {
    for (const cow_String& user : record.users)
      filer_.ToInstance(user, keyword);
  }
}

cow_String aif_DiscreteFieldRecords::UniqueName(const cow_String& base) const {
  return state_.info.DistributionNames().NewName(base);
}
