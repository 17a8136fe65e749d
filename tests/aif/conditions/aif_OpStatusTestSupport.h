// What the op-status tests of the conditions share: a category's flags per
// step as text, and a step-dependent object with its statuses.
#pragma once

#include <string>
#include <utility>

#include "BasShared/cow_String.h"
#include "aif/impl/core/aif_OpStatus.h"

// One character per step of `category`: '1' where the step needs ", op=NEW".
inline std::string OpStatusFlags(const aif_OpStatus& status, int category) {
  std::string flags;
  for (const cow_String& step : status.Steps())
    flags += status.CategoryNeedsNewOp(category, step) ? '1' : '0';
  return flags;
}

// A `Kind` (a condition, a field) with the given propagation status in each
// named step.
template <class Kind>
Kind WithStepStatuses(std::initializer_list<std::pair<const char*, int>> statuses) {
  Kind object;
  for (const auto& [step, status] : statuses)
    object.SetStatus(step, status);
  return object;
}
