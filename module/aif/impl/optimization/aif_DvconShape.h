// The DVCON_SHAPE block of a shape restriction of the task: a member size,
// a fixed region, a growth limit or a penetration check. Made by the
// geometric restriction builder; OPTIMIZE names it on a "  DVCON = " line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_GeometricRestriction;

class aif_DvconShape : public akw_Keyword {
 public:
  aif_DvconShape(aif_ModelInfo& info, const kopC_GeometricRestriction& restriction, cow_String name)
      : info_(info), restriction_(restriction), name_(std::move(name)) {}
  aif_DvconShape(const aif_DvconShape&) = default;
  akw_Keyword* Clone() const override { return new aif_DvconShape(*this); }

  // "DVCON_SHAPE", the restriction's ID_NAME, its ND_GROUP line, the kind's
  // lines (CHECK_MIN_MEM/CHECK_MAX_MEM, CHECK_DOF, CHECK_GROW and
  // CHECK_SHRINK, or CHECK_ELGR), FEASIBLE_START, "END_". A restriction of
  // another kind throws aif_Exception "Unimplemented dvconshape input file
  // writer method for NAME" before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_GeometricRestriction& restriction_;
  cow_String name_;
};
