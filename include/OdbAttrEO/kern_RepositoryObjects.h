// The kernel classes held in the model's repositories that the writer does not
// read in detail yet (each has its type id only), and the optimization task.
#pragma once

#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kadC_AdptMesh.h"
#include "OdbAttrEO/kamC_Amplitude.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbpC_Profiles.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kinC_ContactControls.h"
#include "OdbAttrEO/kinC_ContactInitialization.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kopC_DesignResponse.h"
#include "OdbAttrEO/kopC_GeometricRestriction.h"
#include "OdbAttrEO/kopC_StopCondition.h"
#include "OdbAttrEO/kmaC_Material.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "OdbAttrEO/kflC_Filter.h"
#include "OdbAttrEO/korC_IntegratedOutputSection.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_TimePoint.h"

KERN_CLASS(kinC_InteractionProperty, kern_Object, 0x3070003)

// A section of the model's section repository.
class kseC_Section : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x2600001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kseC_Section* Clone() const override { return new kseC_Section(*this); }
  CLS_REGISTER(kseC_Section, kern_Object)

  // How many temperature values a temperature data line of elements of this
  // section holds (`heat`: the model has heat-transfer steps). A beam section
  // answers a negative count when its profile decides. 1 unless set.
  int TemperatureValueCount(bool heat) const { return heat ? heatTemperatures_ : temperatures_; }
  void SetTemperatureValueCounts(int count, int heatCount) {
    temperatures_ = count;
    heatTemperatures_ = heatCount;
  }

 private:
  int temperatures_ = 1;
  int heatTemperatures_ = 1;
};
KERN_CLASS(kspC_SurfaceProperty, kern_Object, 0x30C0001)
// An optimization task: its design region, its algorithm code (1 topology
// controller, 2 topology sensitivity, 4 shape controller, 8 shape
// sensitivity) and five name-ordered maps of the objects it holds. The kinds
// of task (kopC_TopologyTask, kopC_ShapeTask) are in kopC_Task.h.
class kopC_Task : public kern_Object {
  KERN_CLASS_HEAD(kopC_Task, kern_Object, 0x30F0001)
  KERN_ATTR(rgnC_Region, DesignRegion, rgnC_Region())
  KERN_ATTR(int, Algorithm, 1)
  KERN_ATTR(mdl_MapString2ObjCow<kopC_DesignResponse>, DesignResponses, {})
  KERN_ATTR(mdl_MapString2ObjCow<kopC_ObjectiveFunction>, ObjectiveFunctions, {})
  KERN_ATTR(mdl_MapString2ObjCow<kopC_Constraint>, Constraints, {})
  KERN_ATTR(mdl_MapString2ObjCow<kopC_GeometricRestriction>, GeometricRestrictions, {})
  KERN_ATTR(mdl_MapString2ObjCow<kopC_StopCondition>, StopConditions, {})

 public:
  // Each stores a copy of the object under `name` (replacing one stored
  // before) and returns the task, so that a test composes a task in a few
  // lines.
  kopC_Task& Add(const cow_String& name, const kopC_DesignResponse& response) {
    DesignResponses_.Set(name, response);
    return *this;
  }
  kopC_Task& Add(const cow_String& name, const kopC_ObjectiveFunction& objective) {
    ObjectiveFunctions_.Set(name, objective);
    return *this;
  }
  kopC_Task& Add(const cow_String& name, const kopC_Constraint& constraint) {
    Constraints_.Set(name, constraint);
    return *this;
  }
  kopC_Task& Add(const cow_String& name, const kopC_GeometricRestriction& restriction) {
    GeometricRestrictions_.Set(name, restriction);
    return *this;
  }
  kopC_Task& Add(const cow_String& name, const kopC_StopCondition& condition) {
    StopConditions_.Set(name, condition);
    return *this;
  }
};

// Objects defined per step and carried over to the following steps.
template <class T>
class kprC_PropagatingContainer : public mdl_NamedRepository<T, 0x23C0104> {};
