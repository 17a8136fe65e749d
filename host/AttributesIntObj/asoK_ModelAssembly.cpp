#include "AttributesIntObj/asoK_ModelAssembly.h"

#include "ModelDatabase/bas_Mdb.h"
#include "ModelDatabase/mdl_Repository.h"

asoK_Assembly* asoK_GetAssembly(bas_Mdb& database, const cow_String& modelName) {
  bas_NewModel* model = database.GetModel(modelName);
  if (!model) return nullptr;
  auto* assemblies = dynamic_cast<mdl_IDRepository<asoK_Assembly>*>(
      &model->MutableExtension(bas_NewModel::assyCmd));
  if (!assemblies || !assemblies->Contains("Assembly")) return nullptr;
  return &assemblies->Modify("Assembly");
}
