// The beam section of the model's section repository: its profile by name,
// how it is integrated, and the values the beam section keywords write.
// Unset reals hold the largest double.
#pragma once

#include <array>
#include <cfloat>

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kseC_TransverseShear.h"

class kseC_BeamSection : public kseC_Section {
 public:
  static constexpr unsigned kTypeId = 0x260000F;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kseC_BeamSection* Clone() const override { return new kseC_BeamSection(*this); }
  CLS_REGISTER(kseC_BeamSection, kseC_Section)

  // Names in the model's profile repository; the end profile of a tapered
  // section only.
  cow_String profileName;
  cow_String endProfileName;
  cow_String materialName;

  // 1: integrated during the analysis (with a material); 0: before it (the
  // stiffness is given by the general-section table).
  int integration = 1;
  // 1: tapered from the profile to the end profile.
  int taper = 0;

  double poisson = DBL_MAX;
  // Set: the mass matrix is not lumped ("lumped=NO").
  bool consistentMass = false;
  int dependencies = 0;
  double density = DBL_MAX;
  double zeroTemperature = DBL_MAX;
  // 0: temperature gradients, 1: temperature values, other: not given.
  int temperatureVariation = 0;

  // General-section table, one row per data line. A clear flag means the
  // table lacks the column at index 2 (flag 1) or 3 (flag 2), which is then
  // written blank.
  cow_2DArray<double> table;
  bool tableFlag1 = true;
  bool tableFlag2 = true;

  double alpha = 0.0;
  double beta = 0.0;
  double composite = 0.0;

  // Section points: one row (x, y) per point.
  cow_2DArray<double> sectionPoints;
  // (x, y) each; empty when not given.
  cow_List<double> centroid;
  cow_List<double> shearCenter;

  bool fluidInertia = false;
  // 1: only half of the beam is immersed.
  int fluidInertiaHalf = 0;
  // f1 to f6 in the kernel's order.
  std::array<double, 6> fluidInertiaValues{0.0, 0.0, 1.0, 0.0, 0.0, 0.0};

  kseC_TransverseShearBeam transverseShear;
};
