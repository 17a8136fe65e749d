// The OBJ_FUNC block of an objective function of the task: its design
// response terms and its target. Made by the objective function builder;
// reads the objective, which the model keeps, when written.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_KestObjectiveFunction;

class aif_ObjFunc : public akw_Keyword {
 public:
  // `taskKind`: the type id of the task the objective belongs to.
  aif_ObjFunc(aif_ModelInfo& info, const kopC_KestObjectiveFunction& objective, cow_String name,
              unsigned taskKind)
      : info_(info), objective_(objective), name_(std::move(name)), taskKind_(taskKind) {}
  aif_ObjFunc(const aif_ObjFunc&) = default;
  akw_Keyword* Clone() const override { return new aif_ObjFunc(*this); }

  // "OBJ_FUNC", the objective's ID_NAME, "  DRESP = response, first[,
  // second]" per term, TARGET (MIN, MAX, MINMAX; none for another value),
  // "END_". Excluded terms are left out (the objective builder refuses a
  // term on a response without a DRESP block). The second value is written
  // when set, except 0.0 in a topology task.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_KestObjectiveFunction& objective_;
  cow_String name_;
  unsigned taskKind_;
};
