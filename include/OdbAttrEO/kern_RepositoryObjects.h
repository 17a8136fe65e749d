// The kernel classes held in the model's repositories that the writer does not
// read in detail yet: each has its type id only.
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
KERN_CLASS(kopC_Task, kern_Object, 0x30F0001)

// Objects defined per step and carried over to the following steps.
template <class T>
class kprC_PropagatingContainer : public mdl_NamedRepository<T, 0x23C0104> {};
