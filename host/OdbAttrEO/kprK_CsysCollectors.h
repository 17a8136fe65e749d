// What the three collectors of objects applied in a datum coordinate system
// share: the walk over one propagating repository of a model.
#pragma once

#include <functional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbCoreGeom/rgnC_Region.h"

namespace kprK_csys {

// The first step of `model` in step order in which `object` is created
// (status 1); empty when none is.
inline cow_String CreatedStep(const bas_NewModel& model, const kprC_PropagatingObject& object) {
  const auto* steps = dynamic_cast<const kprC_StepContainer*>(&model.StepRepository());
  if (!steps) return cow_String();
  for (const cow_String& step : steps->Keys())
    if (object.StepStatus(step) == 1) return step;
  return cow_String();
}

// Walks the repository of `command` of the model `modelName`: every object
// of type T that is not suppressed and for which `datumOf` gives a datum
// system appends its region, datum, name and step.
template <class T>
void Collect(const cow_String& modelName, const char* command,
             const std::function<const dtmC_DatumRef*(const T&)>& datumOf,
             const std::function<cow_String(const bas_NewModel&, const T&)>& stepOf,
             cow_List<rgnC_Region>& regions, cow_List<dtmC_DatumRef>& datums,
             cow_List<cow_String>& names, cow_List<cow_String>& steps) {
  const bas_NewModel* model = bas_Basis::Instance().Fetch().ConstGetModel(modelName);
  if (!model) return;
  const auto* repository =
      dynamic_cast<const kprC_PropagatingContainer<T>*>(&model->ConstGetExtension(command));
  if (!repository) return;
  for (const auto& [name, object] : repository->ConstGetMap()) {
    if (object->Suppressed()) continue;
    const dtmC_DatumRef* datum = datumOf(*object);
    if (!datum || datum->IsNullRef()) continue;
    regions.Append(object->Region());
    datums.Append(*datum);
    names.Append(name);
    steps.Append(stepOf(*model, *object));
  }
}

}  // namespace kprK_csys
