// A cavity radiation interaction: surfaces that exchange heat by radiation
// inside a cavity, each with the name of its cavity radiation property, the
// cavity's viewfactor controls, and the cavity's symmetries (one cyclic
// symmetry, up to three periodic and up to three reflection symmetries)
// given by geometric definitions of the model. A definition is a shared
// handle that may be empty (not given). Per step the state holds the
// blocking, the range, the reflection switch and the viewfactor tolerance.
//
// Type ids 0x3070092 and 0x3070192 are this header's.
#pragma once

#include <cfloat>
#include <string>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_Error.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_Dot.h"
#include "QivGeom/gsl_ModelSegment.h"
#include "QivGeom/gsl_Plane.h"
#include "QivGeom/gsl_StLine.h"

// Blocking of a cavity in a step: full blocking checks, none, or only
// against the listed blocking surfaces.
enum kinC_CavityRadiationBlockingEnm : int {
  kinC_BLOCKING_ALL = 0,
  kinC_BLOCKING_NONE = 1,
  kinC_BLOCKING_PARTIAL = 2,
};

class kinC_CavityRadiationState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_CavityRadiationState, kinC_InteractionState, 0x3070192)
  KERN_ATTR(mdl_PropAttr<kinC_CavityRadiationBlockingEnm>, Blocking,
            mdl_PropAttr<kinC_CavityRadiationBlockingEnm>(kinC_BLOCKING_ALL, 1))
  KERN_ATTR(mdl_PropAttr<cow_List<rgnC_Region>>, BlockingSurfaces,
            mdl_PropAttr<cow_List<rgnC_Region>>())
  // DBL_MAX when unset.
  KERN_ATTR(mdl_PropAttr<double>, Range, mdl_PropAttr<double>(DBL_MAX, 1))
  KERN_ATTR(mdl_PropAttr<bool>, Reflection, mdl_PropAttr<bool>(true, 1))
  KERN_ATTR(mdl_PropAttr<double>, ViewfactorTolerance, mdl_PropAttr<double>(0.05, 1))
};

// One periodic symmetry of a cavity: its number of repetitions, the axis of
// the two-dimensional form (kept for the first two symmetries only), the
// plane of the three-dimensional form and the distance between repetitions.
struct kinC_CavityPeriodicSymmetry {
  int repetitions = 2;
  cow_COW<gsl_StLine> axis;
  cow_COW<gsl_Plane> plane;
  cow_COW<gsl_ModelSegment> distance;
};

class kinC_CavityRadiation : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_CavityRadiation, kinC_Interaction, 0x3070092)

  // DBL_MAX when unset.
  KERN_ATTR(double, AmbientTemperature, DBL_MAX)
  // The cavity's surfaces and, parallel to them, the name of the property
  // each surface is given (the list may be shorter).
  KERN_ATTR(cow_List<rgnC_Region>, Surfaces, cow_List<rgnC_Region>())
  KERN_ATTR(cow_List<cow_String>, SurfacePropertyNames, cow_List<cow_String>())
  // Viewfactor controls.
  KERN_ATTR(double, Infinitesimal, 64.0)
  KERN_ATTR(int, Integration, 3)
  KERN_ATTR(double, LumpedArea, 5.0)

  // Cyclic symmetry: the flag, the number of sectors, the rotation point,
  // the end point of the rotation axis (three-dimensional models) and a
  // point on the symmetry line or plane.
  KERN_ATTR(bool, CyclicSymmetry, false)
  KERN_ATTR(int, CyclicSectors, 2)
  KERN_ATTR(cow_COW<gsl_Dot>, RotationPoint, cow_COW<gsl_Dot>())
  KERN_ATTR(cow_COW<gsl_Dot>, RotationEndPoint, cow_COW<gsl_Dot>())
  KERN_ATTR(cow_COW<gsl_Dot>, SymmetryPoint, cow_COW<gsl_Dot>())

  // Periodic symmetries: how many there are (up to three are read) and the
  // Z values of the axisymmetric form (DBL_MAX when unset).
  KERN_ATTR(int, PeriodicCount, 0)
  KERN_ATTR(double, PeriodicSymmetryZ, DBL_MAX)
  KERN_ATTR(double, PeriodicDistanceZ, DBL_MAX)

  // Reflection symmetries: how many there are (up to three are read) and
  // the Z value of the axisymmetric form (DBL_MAX when unset).
  KERN_ATTR(int, ReflectionCount, 0)
  KERN_ATTR(double, ReflectionZ, DBL_MAX)

 public:
  static constexpr int kMaxSymmetries = 3;

  // Periodic symmetry `i` (0 to 2); throws cow_OutOfRange for another index.
  const kinC_CavityPeriodicSymmetry& Periodic(int i) const { return periodic_[Checked(i, 3)]; }
  void SetPeriodic(int i, const kinC_CavityPeriodicSymmetry& symmetry) {
    periodic_[Checked(i, 3)] = symmetry;
  }
  // Reflection line `i` (0 or 1) and plane `i` (0 to 2); throw
  // cow_OutOfRange for another index.
  const cow_COW<gsl_StLine>& ReflectionLine(int i) const { return lines_[Checked(i, 2)]; }
  void SetReflectionLine(int i, const cow_COW<gsl_StLine>& line) { lines_[Checked(i, 2)] = line; }
  const cow_COW<gsl_Plane>& ReflectionPlane(int i) const { return planes_[Checked(i, 3)]; }
  void SetReflectionPlane(int i, const cow_COW<gsl_Plane>& plane) {
    planes_[Checked(i, 3)] = plane;
  }

  // The state in `step`. Throws cow_OutOfRange for a step without one.
  const kinC_CavityRadiationState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_CavityRadiationState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("cavity radiation state: no state in step " + std::string(step.Str()));
    return *state;
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_CavityRadiationState; }

 private:
  static int Checked(int i, int count) {
    if (i < 0 || i >= count)
      throw cow_OutOfRange("cavity radiation: no symmetry " + std::to_string(i));
    return i;
  }

  kinC_CavityPeriodicSymmetry periodic_[3];
  cow_COW<gsl_StLine> lines_[2];
  cow_COW<gsl_Plane> planes_[3];
};
