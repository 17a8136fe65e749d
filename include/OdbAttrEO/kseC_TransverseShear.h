// Transverse shear stiffness records of sections: the shell form held by a
// shell section, and the beam form held by beam sections. An unset value
// holds the largest double.
#pragma once

#include <cfloat>

#include "OdbAttrEO/kern_RepositoryObjects.h"

// The transverse shear stiffness of a shell section: k11, k22, k12.
struct kseC_TransverseShear {
  double k11 = 0.0;
  double k22 = 0.0;
  double k12 = 0.0;
};

// The transverse shear stiffness of a beam section: k11, k22, the slenderness
// compensation factor t3 and the mode of the record (0 compensation factor
// only, 1 all three values, 2 the stiffnesses only).
class kseC_TransverseShearBeam : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x2600090;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kseC_TransverseShearBeam* Clone() const override { return new kseC_TransverseShearBeam(*this); }
  CLS_REGISTER(kseC_TransverseShearBeam, kern_Object)

  double k11 = DBL_MAX;
  double k22 = DBL_MAX;
  double t3 = DBL_MAX;
  int mode = 1;
};
