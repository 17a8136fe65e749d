// The CONSTRAINT block of a constraint of the task: a design response
// bounded by a value. Made by the constraint builder; reads the constraint,
// which the model keeps, when written.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kopC_KestConstraint;

class aif_KestConstraint : public akw_Keyword {
 public:
  aif_KestConstraint(aif_ModelInfo& info, const kopC_KestConstraint& constraint, cow_String name)
      : info_(info), constraint_(constraint), name_(std::move(name)) {}
  aif_KestConstraint(const aif_KestConstraint&) = default;
  akw_Keyword* Clone() const override { return new aif_KestConstraint(*this); }

  // "CONSTRAINT", the constraint's ID_NAME, "  DRESP = " the identifier of
  // the response's DRESP block, MAGNITUDE (ABS or REL) and the EQ_VALUE,
  // LE_VALUE or GE_VALUE line of its relation (neither line for a relation
  // outside 0 to 5), "END_". The response's identifier is asked for before
  // the constraint's own, so that a response named like the constraint keeps
  // its name.
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
  const kopC_KestConstraint& constraint_;
  cow_String name_;
};
