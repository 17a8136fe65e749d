// The findings of a check control as plain text, for a program that shows
// them to the user: the control's own errors, then every registered check by
// its name, each finding under it.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kut_CheckControl.h"

// One line per check name; under it each error as "  Error: " and each
// warning as "  Warning: " followed by the finding's first line, its further
// lines indented by four blanks (a finding's final line break is dropped).
// The control's own errors come first, under "Check control".
cow_String chk_Report(const kut_CheckControl& control);
