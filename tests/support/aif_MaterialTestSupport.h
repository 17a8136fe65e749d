// Material options for tests: kernel options with their table, dependency
// count and temperature flag given in one call, and their keywords' text.
#pragma once

#include <initializer_list>
#include <string>

#include "OdbAttrEO/kmaC_MaterialOption.h"
#include "support/aif_TestSupport.h"

namespace aif_test {

using Rows = std::initializer_list<std::initializer_list<double>>;

inline kmaC_MaterialTable Table(Rows rows) {
  return kmaC_MaterialTable(cow_2DArray<double>(rows));
}

// An option of class O holding `rows`, d and T; the other members at their
// defaults.
template <class O>
O Option(Rows rows, int dependencies = 0, bool temperature = false) {
  O option;
  option.table = Table(rows);
  option.dependencies = dependencies;
  option.temperatureDependency = temperature;
  return option;
}

// A handle holding `option`, for the sub-objects of an option.
template <class O>
cow_COW<O> Handle(const O& option) {
  return cow_COW<O>(option);
}

// The lines written by the keyword K built from `args`.
template <class K, class... Args>
std::string Written(const Args&... args) {
  return KeywordText(K(args...));
}

}  // namespace aif_test
