// A name as the solver reads it: quoted when it holds characters the solver
// takes apart. The whole name is one name (no scope is split at dots).
#pragma once

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/cow_String.h"

struct omu_MorvexName {
  // The name, quoted when needed; throws nex_TextException for a name with a
  // line break (akw_MorvexName::Printable).
  static cow_String QuoteIfNeeded(const cow_String& name) {
    return akw_MorvexName(name, false).Printable();
  }
};
