// "*Periodic": the periodic symmetries of a radiation cavity, one block per
// symmetry the modelling space has a form for, a sub-keyword that
// aif_RadiationViewfactor writes after "*Radiation Symmetry".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kinC_CavityRadiation;
struct kinC_CavityPeriodicSymmetry;
class utl_Stream;

class aif_Periodic : public akw_Keyword {
 public:
  // As aif_Cyclic: the interaction's name for messages, the interaction and
  // `info` outliving the keyword, the modelling-space code.
  aif_Periodic(const cow_String& name, const kinC_CavityRadiation& interaction,
               const aif_ModelInfo& info, int space);
  aif_Periodic(const aif_Periodic&) = default;

  akw_Keyword* Clone() const override { return new aif_Periodic(*this); }
  // Nothing without periodic symmetries or in space 0. Axisymmetric: one
  // type=ZDIR block (the symmetry and distance Z values); planar: type=2D
  // for the first two symmetries (a point on the axis, a second point one
  // direction further, the distance); three-dimensional: type=3D for the
  // first three (a point on the plane and two more spanning it, then the
  // distance). ", nr=" unless the repetitions are 2. Throws aif_Exception
  // naming the interaction for a missing Z value, axis, plane or distance,
  // after that block's keyword line.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteHead(utl_Stream& stream, const char* type, int repetitions) const;
  void Write2D(utl_Stream& stream, const kinC_CavityPeriodicSymmetry& symmetry) const;
  void Write3D(utl_Stream& stream, const kinC_CavityPeriodicSymmetry& symmetry) const;

  cow_String name_;
  const kinC_CavityRadiation* interaction_;
  int space_;
  const aif_ModelInfo* info_;
};
