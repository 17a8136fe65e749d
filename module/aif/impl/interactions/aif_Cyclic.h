// "*Cyclic": the cyclic symmetry of a radiation cavity (the number of
// sectors, the rotation axis or point and a symmetry point), a sub-keyword
// that aif_RadiationViewfactor writes after "*Radiation Symmetry".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kinC_CavityRadiation;
class utl_Stream;

class aif_Cyclic : public akw_Keyword {
 public:
  // `name` is the interaction's name (for messages); `interaction` and
  // `info` must outlive the keyword (the viewfactor makes it on the stack);
  // `space` is the modelling-space code (3, 2, 1 or 0).
  aif_Cyclic(const cow_String& name, const kinC_CavityRadiation& interaction,
             const aif_ModelInfo& info, int space);
  aif_Cyclic(const aif_Cyclic&) = default;

  akw_Keyword* Clone() const override { return new aif_Cyclic(*this); }
  // Nothing without a cyclic symmetry, and nothing in a model that is
  // neither three-dimensional (type=AXIS: the rotation point and end point,
  // then the symmetry point) nor two-dimensional planar (type=POINT: the
  // rotation and symmetry points' x and y). Throws aif_Exception naming the
  // interaction for a missing rotation point, symmetry point or (AXIS)
  // rotation end point, after the keyword line has begun.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  const kinC_CavityRadiation* interaction_;
  int space_;
  const aif_ModelInfo* info_;
};
