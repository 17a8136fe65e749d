#include "aif/impl/sections/aif_FastenerPfName.h"

#include "aif/impl/core/aif_NameRoutines.h"

cow_String aif_FastenerPfName(const cow_String& name) {
  return aif_PrintableName("_" + name + "_pf_");
}
