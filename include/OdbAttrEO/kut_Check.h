// The host framework's model check: a copy of the model, the model's name,
// the error and warning lists the check appends its findings to, and a flag
// the framework keeps. Checks are values: the framework clones each check it
// is given and later runs its clones.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/atr_String.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/bas_NewModel.h"

class kut_Check : public mem_AllocationOperators {
 public:
  kut_Check(const bas_NewModel& model, const cow_String& modelName);
  // Copies the model, shares the name, copies both lists and the flag.
  kut_Check(const kut_Check& other) = default;
  kut_Check& operator=(const kut_Check&) = delete;
  virtual ~kut_Check();

  // A new heap copy of the check, lists included.
  virtual kut_Check* Clone() const = 0;
  // Performs the check, appending to the error or warning list.
  virtual void Run() = 0;

  const bas_NewModel& Model() const { return model_; }
  const cow_String& ModelName() const { return modelName_; }
  const cow_List<atr_String>& Errors() const { return errors_; }
  const cow_List<atr_String>& Warnings() const { return warnings_; }
  cow_List<atr_String>& ErrorList() { return errors_; }
  cow_List<atr_String>& WarningList() { return warnings_; }

 private:
  bas_NewModel model_;
  cow_String modelName_;
  cow_List<atr_String> errors_;
  cow_List<atr_String> warnings_;
  unsigned char flag_ = 0;
};
