// The element-set name of a point-based fastener's connector elements: the
// printable form of "_" + the fastener's name + "_pf_". Used by the fastener
// and output-request builders.
#pragma once

#include "BasShared/cow_String.h"

cow_String aif_FastenerPfName(const cow_String& name);
