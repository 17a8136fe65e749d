// Predefined fields of the model (held per step in the model's field
// repository) and the initial-state field, which names instances whose
// deformed mesh and material state come from an earlier job's results file.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Base of the predefined fields. A field of no more specific kind is a plain
// kpfC_Field; the writer ignores those.
class kpfC_Field : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30B0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kpfC_Field, kern_Object)
  kpfC_Field* Clone() const override { return new kpfC_Field(*this); }

  const cow_String& Name() const { return name_; }
  void SetName(const cow_String& name) { name_ = name; }
  // The kernel's inactive flag word: non-zero means the field is switched off
  // and is not written.
  unsigned Inactive() const { return inactive_; }
  void SetInactive(unsigned inactive) { inactive_ = inactive; }
  // The nodes the field applies to, and the analytical or discrete field
  // that distributes its values over them (empty: none).
  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }
  const cow_String& DistributionFieldName() const { return distributionField_; }
  void SetDistributionFieldName(const cow_String& name) { distributionField_ = name; }

 private:
  cow_String name_;
  unsigned inactive_ = 0;
  rgnC_Region region_;
  cow_String distributionField_;
};

// Base of the per-step states of a predefined field.
class kpfC_FieldState : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30B0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kpfC_FieldState, kern_Object)
  kpfC_FieldState* Clone() const override { return new kpfC_FieldState(*this); }
};

// The state of an initial-state field at one step: the earlier job whose
// results file is read, and the step and increment to start from (-1: unset).
class kpfC_InitialStateState : public kpfC_FieldState {
 public:
  static constexpr unsigned kTypeId = 0x30B0004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kpfC_InitialStateState, kpfC_FieldState)
  kpfC_InitialStateState* Clone() const override { return new kpfC_InitialStateState(*this); }

  kpfC_InitialStateState() = default;
  kpfC_InitialStateState(const cow_String& jobName, int stepNumber, int incrementNumber)
      : jobName_(jobName), step_(stepNumber), increment_(incrementNumber) {}

  const cow_String& JobName() const { return jobName_; }
  int StepNumber() const { return step_; }
  int IncrementNumber() const { return increment_; }

 private:
  cow_String jobName_;
  int step_ = -1;
  int increment_ = -1;
};

class kpfC_InitialState : public kpfC_Field {
 public:
  static constexpr unsigned kTypeId = 0x30B0002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kpfC_InitialState, kpfC_Field)
  kpfC_InitialState* Clone() const override { return new kpfC_InitialState(*this); }

  // The names of the instances whose state the field imports.
  const cow_List<cow_String>& InstanceNames() const { return instances_; }
  void SetInstanceNames(const cow_List<cow_String>& names) { instances_ = names; }
  // Whether the imported state is updated to the current configuration.
  bool Update() const { return update_; }
  void SetUpdate(bool update) { update_ = update; }

  // The state at the step named `stepName`: the one stored for that step, or,
  // when none was stored, a state with an empty job name and step and
  // increment -1 (the kernel's propagation is not modelled).
  const kpfC_InitialStateState& ConstGetState(const cow_String& stepName) const;
  void SetState(const cow_String& stepName, const kpfC_InitialStateState& state) {
    states_.Set(stepName, state);
  }

 private:
  cow_List<cow_String> instances_;
  bool update_ = false;
  cow_Map<cow_String, kpfC_InitialStateState> states_;
};
