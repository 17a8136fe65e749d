// Adaptive mesh constraints of the model: a displacement or velocity
// constraint on the mesh motion of a region, defined in a step and carried
// over to later ones, with a propagation status and a state per step.
#pragma once

#include <array>
#include <cstddef>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_PropagatingObject.h"
#include "OdbCoreGeom/rgnC_Region.h"

// A constraint's state in one step: its own status, the amplitude, the six
// degrees of freedom (U1..UR3 or V1..VR3, index 0 to 5), the procedure type
// of the step (0 when the state has no step), and for buckling steps the
// complex flag and the integer mode.
class kprC_AdptMeshConsState : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0108;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kprC_AdptMeshConsState* Clone() const override { return new kprC_AdptMeshConsState(*this); }
  CLS_REGISTER(kprC_AdptMeshConsState, kern_Object)

  int Status() const { return status_; }
  void SetStatus(int status) { status_ = status; }

  const mdl_PropAttr<cow_String>& Amplitude() const { return amplitude_; }
  void SetAmplitude(const cow_String& name, int status) { amplitude_.Set(name, status); }

  const mdl_PropAttr<double>& Dof(std::size_t i) const { return dofs_[i]; }
  void SetDof(std::size_t i, double value, int status) { dofs_[i].Set(value, status); }

  unsigned ProcedureType() const { return procedureType_; }
  void SetProcedureType(unsigned type) { procedureType_ = type; }

  // Whether the state is complex for procedures of `procedureType`.
  bool UseComplex(unsigned procedureType) const {
    return useComplex_ && procedureType == procedureType_;
  }
  void SetUseComplex(bool complex) { useComplex_ = complex; }
  const mdl_PropAttr<int>& Mode() const { return mode_; }
  void SetMode(int mode, int status) { mode_.Set(mode, status); }

 private:
  int status_ = 0;
  mdl_PropAttr<cow_String> amplitude_;
  std::array<mdl_PropAttr<double>, 6> dofs_;
  unsigned procedureType_ = 0;
  bool useComplex_ = false;
  mdl_PropAttr<int> mode_;
};

// Motion types: 1 Lagrangian, 2 user, any other value given by degrees of
// freedom.
class kprC_AdptMeshCons : public kprC_PropagatingObject {
 public:
  static constexpr unsigned kTypeId = 0x23C0102;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kprC_AdptMeshCons* Clone() const override { return new kprC_AdptMeshCons(*this); }
  CLS_REGISTER(kprC_AdptMeshCons, kprC_PropagatingObject)

  // The propagation status in `step`; 0 for a step the constraint does not
  // have.
  virtual int GetPropStatus(const cow_String& step) const { return StepStatus(step); }
  // Whether a status 3 or 10 in `step` really modifies the constraint.
  virtual bool IsModified(const cow_String& step) const { return StepModified(step); }

  // The state in `step` as the kernel hands it out; an empty
  // kprC_AdptMeshConsState for a step without one.
  const kern_Object& ConstGetStateQuad(const cow_String& step) const {
    static const kprC_AdptMeshConsState kEmptyState;
    const kern_Object* state = FindState(step);
    return state ? *state : kEmptyState;
  }

  int MotionTypeEnum() const { return motionType_; }
  void SetMotionType(int type) { motionType_ = type; }

  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }
  // The datum coordinate system the constrained mesh motion is given in; a
  // null reference for the global system.
  const dtmC_DatumRef& LocalCsys() const { return localCsys_; }
  void SetLocalCsys(const dtmC_DatumRef& csys) { localCsys_ = csys; }

 private:
  int motionType_ = 0;
  rgnC_Region region_;
  dtmC_DatumRef localCsys_;
};

class kprC_DispAdptMeshCons : public kprC_AdptMeshCons {
 public:
  static constexpr unsigned kTypeId = 0x23C0106;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kprC_DispAdptMeshCons* Clone() const override { return new kprC_DispAdptMeshCons(*this); }
  CLS_REGISTER(kprC_DispAdptMeshCons, kprC_AdptMeshCons)
};

class kprC_VelAdptMeshCons : public kprC_AdptMeshCons {
 public:
  static constexpr unsigned kTypeId = 0x23C0107;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kprC_VelAdptMeshCons* Clone() const override { return new kprC_VelAdptMeshCons(*this); }
  CLS_REGISTER(kprC_VelAdptMeshCons, kprC_AdptMeshCons)
};

// The labels of the constraint types shown to the user.
class kprC_AdptMeshConsTypeLabelMap {
 public:
  // The label of `typeId`; "Unknown" for a type without one.
  static cow_String Label(unsigned typeId) {
    if (typeId == kprC_DispAdptMeshCons::kTypeId) return "Displacement/Rotation";
    if (typeId == kprC_VelAdptMeshCons::kTypeId) return "Velocity/Angular velocity";
    return "Unknown";
  }
};
