// "*Transverse Shear": the transverse shear stiffness of a shell section
// (shell form) or of a beam section (beam form), written right after the
// section keyword. The part-attributes builder makes it from the section's
// transverse-shear record.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kseC_TransverseShear.h"

class aif_TransverseShear : public akw_Keyword {
 public:
  // Shell form: a k11 of 0 takes k22, then a k22 of 0 takes k11.
  explicit aif_TransverseShear(const kseC_TransverseShear& record);
  // Beam form: a k11 that is 0 or unset takes k22, then a k22 that is 0 or
  // unset takes k11; a value still unset becomes 0.
  explicit aif_TransverseShear(const kseC_TransverseShearBeam& record);
  aif_TransverseShear(const aif_TransverseShear&) = default;

  akw_Keyword* Clone() const override { return new aif_TransverseShear(*this); }
  // "*Transverse Shear" and one data line: "k11, k22, k12" in the shell
  // form; in the beam form by the record's mode: 0 ", , SCF", 1 "k11, k22,
  // t3", 2 "k11, k22, " and any other mode an empty line.
  void Write(utl_Stream& stream) const override;

 private:
  bool shellForm_;
  double k11_;
  double k22_;
  double k12_;
  double t3_;
  cow_ArrayCOW<kseC_TransverseShearBeam> beam_;
};
