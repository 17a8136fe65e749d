// Adaptive meshing: the model's named adaptive mesh controls (its repository
// of kadC_AdptMeshCtrl) and the adaptive mesh domains an analysis step holds
// by name (kprC_AnalysisStep::AdaptiveMeshDomains).
#pragma once

#include <array>

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

// One named set of adaptive mesh controls. Every value starts at the value
// the solver takes when it is not given.
class kadC_AdptMeshCtrl : public kern_Object {
  KERN_CLASS_HEAD(kadC_AdptMeshCtrl, kern_Object, 0x3010001)

  enum SmoothingPriorityEnm { UNIFORM = 0, GRADED = 1 };
  enum RemeshPredictorEnm { CURRENT = 0, PREVIOUS = 1 };

  // The five smoothing weights of the data line; `index` 1 to 5.
  double Data(int index) const { return data_[static_cast<std::size_t>(index - 1)]; }
  void SetData(int index, double value) { data_[static_cast<std::size_t>(index - 1)] = value; }

  // 0 first order, 1 second order.
  KERN_ATTR(int, Advection, 1)
  // 0 no, 1 yes, 2 not set.
  KERN_ATTR(int, GeometricEnhancement, 2)
  KERN_ATTR(int, SmoothingPriority, UNIFORM)
  KERN_ATTR(double, InitialFeatureAngle, 30.0)
  KERN_ATTR(double, TransitionFeatureAngle, 30.0)
  // 0 not set, 1 half index shift, other values element center.
  KERN_ATTR(int, MomentumAdvection, 0)
  KERN_ATTR(int, MeshingPredictor, CURRENT)
  KERN_ATTR(double, CurvatureRefinement, 1.0)
  KERN_ATTR(double, MeshConstraintAngle, 60.0)

 private:
  std::array<double, 5> data_ = {1.0, 0.0, 0.0, 0.0, 1.0};
};

// An adaptive mesh domain of a step: the element region remeshed, the
// controls it uses (empty for none) and how often and how thoroughly it is
// remeshed. 2147483647 initial mesh sweeps: not set.
class kadC_AdptMeshDomain : public kern_Object {
  KERN_CLASS_HEAD(kadC_AdptMeshDomain, kern_Object, 0x3010002)

  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(cow_String, ControlsName, cow_String())
  KERN_ATTR(int, Frequency, 10)
  KERN_ATTR(int, InitialMeshSweeps, 2147483647)
  KERN_ATTR(int, MeshSweeps, 1)
};
