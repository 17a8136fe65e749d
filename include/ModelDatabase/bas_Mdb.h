// The session's model database: the models by name, handed out by the
// host's basis object (bas_Basis::Instance().Fetch()). hst_ModelBuilder
// registers each model it hands out, so that routines that reach the model
// through the database (temporary sets in the assembly) find the model the
// job writes. Copies of a model share its repositories: a change made
// through the database is seen by every copy.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/bas_NewModel.h"

class bas_Mdb {
 public:
  // The model `name`, or null.
  bas_NewModel* GetModel(const cow_String& name);
  const bas_NewModel* ConstGetModel(const cow_String& name) const { return models_.Find(name); }
  // Stores `model` under its name, replacing a model of that name.
  void SetModel(const bas_NewModel& model) { models_.Set(model.Name(), model); }
  void RemoveModel(const cow_String& name) { models_.Remove(name); }
  cow_List<cow_String> ModelNames() const;

 private:
  cow_Map<cow_String, bas_NewModel> models_;
};

class bas_Basis {
 public:
  static bas_Basis& Instance();
  // The model database.
  bas_Mdb& Fetch() { return mdb_; }

 private:
  bas_Basis() = default;
  bas_Mdb mdb_;
};
