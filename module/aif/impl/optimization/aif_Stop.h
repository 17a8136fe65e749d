// The STOP block of a local stop condition of the task: the nodes it
// watches, the measure, the comparison and the reference. Made by the stop
// condition builder; reads the condition, which the model keeps, when
// written.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_LocalStopCondition;

class aif_Stop : public akw_Keyword {
 public:
  aif_Stop(aif_ModelInfo& info, const kopC_LocalStopCondition& condition, cow_String name)
      : info_(info), condition_(condition), name_(std::move(name)) {}
  aif_Stop(const aif_Stop&) = default;
  akw_Keyword* Clone() const override { return new aif_Stop(*this); }

  // "STOP", the condition's ID_NAME, "  OPTIMIZE = " the task, the
  // "MOD_NDGR" node group (none for a region without nodes), MOD_TYPE with
  // the quantity, MOD_OPER, MOD_REF with the operation and ", PREV" or
  // ", FIRST", "END_". A value outside its word table writes no word.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_LocalStopCondition& condition_;
  cow_String name_;
};
