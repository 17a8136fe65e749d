// "*Filter": an output filter in the model data, named by the history output
// requests that use it (", filter="). Made by the filter builder, one per
// filter of the model.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kflC_Filter.h"

class aif_Filter : public akw_Keyword {
 public:
  // Holds a copy of `filter` (any kflC_Filter kind).
  aif_Filter(const cow_String& name, const kflC_Filter& filter) : name_(name), filter_(filter) {}
  aif_Filter(const aif_Filter&) = default;

  akw_Keyword* Clone() const override { return new aif_Filter(*this); }
  // "*Filter, name=" and the printable name; ", type=" by the filter's
  // exact kind (none for an operator filter or the plain base); the
  // operator, the limit (when set), ", halt" and the invariant when given.
  // An operator filter ends there. Any other filter adds one data line:
  // the cutoff frequency (blank when 0), a Chebyshev filter's ripple factor
  // (blank at its default, the separator kept), and the order unless 2.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kflC_Filter> filter_;
};
