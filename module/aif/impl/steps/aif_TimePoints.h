// "*Time Points": a named list of output times in the model data, either
// listed or generated from start, end and increment. Made by the time-points
// builder, one per time point of the model.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kprC_TimePoint.h"

class aif_TimePoints : public akw_Keyword {
 public:
  aif_TimePoints(const cow_String& name, const kprC_TimePoint& points)
      : name_(name), points_(points) {}
  aif_TimePoints(const aif_TimePoints&) = default;

  akw_Keyword* Clone() const override { return new aif_TimePoints(*this); }
  // "*Time Points, name=" and the printable name. A table of three columns
  // adds ", GENERATE" and writes each row as "start, end, increment"; any
  // other table lists the first value of each row, eight to a line. A table
  // without rows leaves one empty line.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  kprC_TimePoint points_;
};
