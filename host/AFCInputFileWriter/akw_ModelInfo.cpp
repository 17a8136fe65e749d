#include "AFCInputFileWriter/akw_ModelInfo.h"

int akw_ModelInfo::AssyNodeOffsetsID(int instanceId) const {
  const int* offset = nodeOffsets_.Find(instanceId);
  return offset ? *offset : 0;
}

int akw_ModelInfo::AssyElementOffsetsID(int instanceId) const {
  const int* offset = elementOffsets_.Find(instanceId);
  return offset ? *offset : 0;
}

const cow_String& akw_ModelInfo::RefPtSuffix() {
  static const cow_String suffix("-RefPt_");
  return suffix;
}
