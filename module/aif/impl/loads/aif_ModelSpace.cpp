#include "aif/impl/loads/aif_ModelSpace.h"

#include "aif/impl/core/aif_ModelInfo.h"

int aif_ModelSpaceCode(const aif_ModelInfo& info) {
  const auto* assembly = info.Assembly();
  if (!assembly) return 0;
  if (assembly->IsSpace(2000)) return 1;
  if (assembly->IsSpace(2001)) return 2;
  if (assembly->IsSpace(2002)) return 4;
  return 0;
}
