// The two kinds of optimization task and the settings the parameter file
// writes for each. Optional doubles are unset when they hold DBL_MAX.
#pragma once

#include <cfloat>

#include "OdbAttrEO/kern_RepositoryObjects.h"

// A topology task. Algorithm kind 0 is the controller form (speed, fixed
// iterations, start of deletion), 1 the sensitivity form (densities,
// filter, interpolation, stop criteria, damping, mode tracking).
class kopC_TopologyTask : public kopC_Task {
  KERN_CLASS_HEAD(kopC_TopologyTask, kopC_Task, 0x30F0002)
  KERN_ATTR(bool, FreezeLoadRegions, false)
  KERN_ATTR(bool, FreezeBCRegions, false)
  KERN_ATTR(int, SoftDelete, 0)
  KERN_ATTR(rgnC_Region, SoftDeleteRegion, rgnC_Region())
  KERN_ATTR(double, SoftDeleteThreshold, DBL_MAX)
  KERN_ATTR(int, AlgorithmKind, 0)
  // Form 0. Speed 0 fixed iterations, 1 very slow to 5 fast. Start-delete
  // mode 0 none, 1 percentage, 2 absolute.
  KERN_ATTR(int, Speed, 3)
  KERN_ATTR(int, FixedIterations, 15)
  KERN_ATTR(int, StartDeleteMode, 0)
  KERN_ATTR(double, StartDeleteValue, 5.0)
  // Form 1. Density update 0 normal, 1 conservative, 2 aggressive; material
  // interpolation 1 SIMP, 2 RAMP; stop criterion level 1 single, else both.
  KERN_ATTR(int, DensityUpdate, 0)
  KERN_ATTR(double, InitialDensity, 0.5)
  KERN_ATTR(double, LowerDensity, 0.001)
  KERN_ATTR(double, UpperDensity, 1.0)
  KERN_ATTR(double, DensityMove, 0.25)
  KERN_ATTR(double, FilterRadius, DBL_MAX)
  KERN_ATTR(int, MaterialInterpolation, 1)
  KERN_ATTR(double, MaterialPenalty, 3.0)
  KERN_ATTR(int, StopCriterionLevel, 1)
  KERN_ATTR(double, StopCriterionObjective, 0.001)
  KERN_ATTR(double, StopCriterionDensity, 0.005)
  KERN_ATTR(int, StopCriterionIterations, 4)
  KERN_ATTR(double, SumQFactor, 6.0)
  KERN_ATTR(double, StructuralMassDamping, DBL_MAX)
  KERN_ATTR(double, StructuralStiffnessDamping, DBL_MAX)
  KERN_ATTR(double, ViscousMassDamping, DBL_MAX)
  KERN_ATTR(double, ViscousStiffnessDamping, DBL_MAX)
  KERN_ATTR(int, TrackedModes, 0)
  KERN_ATTR(int, ModeTrackingRegionSwitch, 0)
  KERN_ATTR(rgnC_Region, ModeTrackingRegion, rgnC_Region())
};

// A shape task: its numerical settings, the boundary-condition check and
// the mesh smoothing around the moving nodes.
class kopC_ShapeTask : public kopC_Task {
  KERN_CLASS_HEAD(kopC_ShapeTask, kopC_Task, 0x30F0003)
  KERN_ATTR(double, Scale1, 1.0)
  KERN_ATTR(double, Scale2, 1.0)
  // 0 linear, else interpolated.
  KERN_ATTR(int, MidNodes, 0)
  // 0.0 when off.
  KERN_ATTR(double, CurvatureSmoothing, 0.0)
  KERN_ATTR(double, Filter1, DBL_MAX)
  KERN_ATTR(double, Filter2, 0.0)
  KERN_ATTR(double, Filter3, 0.0)
  // 0 every iteration, else the first; 0 minimum, else average.
  KERN_ATTR(int, VectorChoice, 0)
  KERN_ATTR(int, DisplacementChoice, 0)
  KERN_ATTR(double, Tolerance, 0.01)
  // The boundary-condition check of the nodes of CheckRegion.
  KERN_ATTR(bool, CheckBoundaryConditions, false)
  KERN_ATTR(bool, CheckFeasibleStart, false)
  KERN_ATTR(rgnC_Region, CheckRegion, rgnC_Region())
  // Mesh smoothing. Region kind 0 none (smoothing off), 1 an element
  // region, 2 node layers. Free-surface mode 1 free, else fixed layers.
  // Strategy 0 constrained Laplacian, 1 local gradient. Convergence and
  // restriction levels 0 low, 1 medium, 2 high; quality level 0 not, 1 low,
  // 2 medium, 3 high.
  KERN_ATTR(int, SmoothingRegionKind, 0)
  KERN_ATTR(rgnC_Region, SmoothingElementRegion, rgnC_Region())
  KERN_ATTR(rgnC_Region, SmoothingNodeRegion, rgnC_Region())
  KERN_ATTR(int, SmoothingLayers, 5)
  KERN_ATTR(int, FreeSurfaceMode, 1)
  KERN_ATTR(int, FixedLayers, 0)
  KERN_ATTR(int, SmoothingStrategy, 0)
  KERN_ATTR(double, FeatureRecognition, 0.0)
  KERN_ATTR(int, ConvergenceLevel, 1)
  KERN_ATTR(int, RestrictionLevel, 1)
  KERN_ATTR(int, QualityLevel, 0)
  KERN_ATTR(bool, QualityList, false)
  KERN_ATTR(bool, SolverCheck, false)
  KERN_ATTR(bool, SolverStop, false)
  KERN_ATTR(double, TriaLowAngle, 5.0)
  KERN_ATTR(double, TriaHighAngle, 170.0)
  KERN_ATTR(double, QuadLowAngle, 5.0)
  KERN_ATTR(double, QuadHighAngle, 170.0)
  KERN_ATTR(double, Q4Taper, 0.5)
  KERN_ATTR(double, Q4Skew, 45.0)
  KERN_ATTR(double, TetraLowAspect, 0.0)
  KERN_ATTR(double, TetraHighAspect, 100.0)
  KERN_ATTR(double, TetraAspectRatio, 10.0)
  KERN_ATTR(double, T3Skew, 45.0)
};
