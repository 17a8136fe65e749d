// The DVCON_SHAPE block of a shape task's boundary-condition check: the
// nodes checked. Made by the task builder when the task asks for the check;
// OPTIMIZE names it on a "  DVCON = " line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"

class aif_ModelInfo;

class aif_DvconShapeCheckBC : public akw_Keyword {
 public:
  // `name` is the check's name (aif_KestCheckBCName of the task name).
  aif_DvconShapeCheckBC(aif_ModelInfo& info, bool feasibleStart, const rgnC_Region& region,
                        cow_String name)
      : name_(std::move(name)), info_(info), feasibleStart_(feasibleStart), region_(region) {}
  aif_DvconShapeCheckBC(const aif_DvconShapeCheckBC&) = default;
  akw_Keyword* Clone() const override { return new aif_DvconShapeCheckBC(*this); }

  // "DVCON_SHAPE", ID_NAME (restriction kind), ND_GROUP, "  CHECK_BC = YES",
  // FEASIBLE_START, "END_".
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  aif_ModelInfo& info_;
  bool feasibleStart_;
  rgnC_Region region_;
};
