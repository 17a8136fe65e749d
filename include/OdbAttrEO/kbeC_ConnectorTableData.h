// One table of a connector behaviour option with what describes its columns:
// the dependency count, the temperature flag and the table settings (absent
// when the option carries none).
#pragma once

#include <optional>

#include "ModelDatabase/mdl_PropertyTable.h"
#include "OdbAttrEO/kbeC_TableOptions.h"

struct kbeC_ConnectorTableData {
  // The table settings, or null when none are given.
  const kbeC_TableOptions* TableOptions() const { return options ? &*options : nullptr; }

  int dependencies = 0;
  bool temperatureDependent = false;
  mdl_PropertyTable table;
  std::optional<kbeC_TableOptions> options;
};
