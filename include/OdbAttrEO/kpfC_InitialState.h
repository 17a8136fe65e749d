// Predefined fields of the model (held per step in the model's field
// repository) and the initial-state field, which names instances whose
// deformed mesh and material state come from an earlier job's results file.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_PropagatingObject.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Base of the predefined fields, defined in a step and carried over to the
// later ones (a status and a state per step). A field of no more specific
// kind is a plain kpfC_Field; the writer ignores those.
class kpfC_Field : public kprC_PropagatingObject {
 public:
  static constexpr unsigned kTypeId = 0x30B0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kpfC_Field, kprC_PropagatingObject)
  kpfC_Field* Clone() const override { return new kpfC_Field(*this); }

  // The kernel's suppression word: non-zero means the field is switched off
  // and is not written (the suppression flag of the per-step store).
  unsigned Inactive() const { return Suppressed() ? 1u : 0u; }
  void SetInactive(unsigned inactive) { SetSuppressed(inactive != 0); }

  // The propagation status in `step` (0 for a step the field does not have)
  // and whether a status applies the field: created, carried over or
  // modified (1 to 3), or restated by a load case (9, 10).
  int Status(const cow_String& step) const { return StepStatus(step); }
  virtual bool IsActive(int status) const {
    return (status >= 1 && status <= 3) || status == 9 || status == 10;
  }

  // The nodes (or elements) the field applies to, and the analytical or
  // discrete field that distributes its values over them (empty: none).
  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }
  const cow_String& DistributionFieldName() const { return distributionField_; }
  void SetDistributionFieldName(const cow_String& name) { distributionField_ = name; }
  // Whether the values come from another field; `fieldName` then names it.
  bool ValuesFromField(cow_String& fieldName) const {
    fieldName = distributionField_;
    return !distributionField_.IsEmpty();
  }
  // The region is the whole model.
  bool IsWholeModel() const { return wholeModel_; }
  void SetWholeModel(bool whole) { wholeModel_ = whole; }

  // How the values are given. Initial conditions: 0 uniform, 1 user, 2
  // geostatic, 3 from a results file, 6 analytical field, 7 discrete field.
  // Predefined fields in steps: 0 uniform, 1 user, 3 results file, 4 user
  // with a results file, 6 analytical field, 7 discrete field.
  int Distribution() const { return distribution_; }
  void SetDistribution(int distribution) { distribution_ = distribution; }
  // Whether the field is distributed by an analytical field.
  virtual bool IsAnalytical() const { return distribution_ == 6; }

 private:
  rgnC_Region region_;
  cow_String distributionField_;
  bool wholeModel_ = false;
  int distribution_ = 0;
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
    kprC_PropagatingObject::SetState(stepName, StepStatus(stepName), state);
  }

 private:
  cow_List<cow_String> instances_;
  bool update_ = false;
};
