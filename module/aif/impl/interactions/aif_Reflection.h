// "*Reflection": the reflection symmetries of a radiation cavity, one block
// per symmetry the modelling space has a form for, a sub-keyword that
// aif_RadiationViewfactor writes after "*Radiation Symmetry".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kinC_CavityRadiation;
class utl_Stream;

class aif_Reflection : public akw_Keyword {
 public:
  // As aif_Cyclic: the interaction's name for messages, the interaction and
  // `info` outliving the keyword, the modelling-space code.
  aif_Reflection(const cow_String& name, const kinC_CavityRadiation& interaction,
                 const aif_ModelInfo& info, int space);
  aif_Reflection(const aif_Reflection&) = default;

  akw_Keyword* Clone() const override { return new aif_Reflection(*this); }
  // Nothing without reflection symmetries or in space 0. Axisymmetric: one
  // type=ZCONST block with the Z value; planar: type=LINE for the first two
  // lines (a point on the line and the point one direction back);
  // three-dimensional: type=PLANE for the first three planes (a point on the
  // plane and two more spanning it). Throws aif_Exception naming the
  // interaction for a missing Z value, line or plane, after that block's
  // keyword line.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  const kinC_CavityRadiation* interaction_;
  const aif_ModelInfo* info_;
  int space_;
};
