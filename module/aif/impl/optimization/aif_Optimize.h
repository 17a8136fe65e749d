// The OPTIMIZE block: ties the task together by naming its design area,
// objective functions, restrictions, constraints, strategy and, for a shape
// task, its mesh smoothing. Made by the task builder; every name refers to
// a block of the same file by that block's identifier.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;
class kopC_Task;

class aif_Optimize : public akw_Keyword {
 public:
  aif_Optimize(aif_ModelInfo& info, const kopC_Task& task) : info_(info), task_(task) {}
  aif_Optimize(const aif_Optimize&) = default;
  akw_Keyword* Clone() const override { return new aif_Optimize(*this); }

  // "OPTIMIZE", ID_NAME, DV, one OBJ_FUNC per objective function, one DVCON
  // per restriction (none for shape links, which have no DVCON block), the
  // check block's DVCON for a shape task that checks boundary conditions,
  // one CONSTRAINT per constraint (suppressed objects are not named),
  // STRATEGY, MESH_SMOOTH for a shape task that smooths, "END_".
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_Task& task_;
};
