#include "ModelDatabase/bas_Mdb.h"

bas_NewModel* bas_Mdb::GetModel(const cow_String& name) {
  return models_.Contains(name) ? &models_.Modify(name) : nullptr;
}

cow_List<cow_String> bas_Mdb::ModelNames() const {
  cow_List<cow_String> names;
  for (const auto& entry : models_)
    names.Append(entry.first);
  return names;
}

bas_Basis& bas_Basis::Instance() {
  static bas_Basis basis;
  return basis;
}
